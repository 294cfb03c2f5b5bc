// Binding an item to its table entry, with the defaults the entry implies.
#include "items/hazmat_internal.h"
#include "items/qualifier_bits.h"

namespace dravlen {

void ClearHazmatValues(Hazmat *item)
{
    item->pid = 0;
    item->wordA = 0;
    item->wordB = 0;
    item->nameIndex = 0;
    item->weight = 0;
    item->transportIndex = 0;
    item->csi = 0;
    item->spaStale = 0;
}

bool BindHazmat(Hazmat *item, int pid)
{
    ClearHazmatValues(item);
    if (pid <= 0 || !GetCTRec_HazData(pid))
        return false;
    item->pid = pid;

    // The packing group is chosen when the entry leaves no choice: an entry
    // without packing groups, or one with a single group.
    if (RowHasSlot(item, 0)) {
        SetPackingGroup_Hazmat(item, 0);
    } else {
        int only = -1;
        int groups = 0;
        for (int slot = 1; slot <= 3; ++slot) {
            if (RowHasSlot(item, slot)) {
                ++groups;
                only = slot;
            }
        }
        if (groups == 1)
            SetPackingGroup_Hazmat(item, only);
    }

    if (GetNumRomanPSNs_Hazmat(item) == 1)
        item->nameIndex = 1;

    // NA1999 asphalt at or above its flash point and the elevated
    // temperature materials UN3256-UN3258 are elevated temperature
    // materials by their very entry (171.8, 172.325).
    switch (pid) {
    case 61:
    case 2240:
    case 2241:
    case 2242:
        SetElevatedTemperature_Hazmat(item, 1);
        break;
    default:
        break;
    }
    return true;
}

} // namespace dravlen
