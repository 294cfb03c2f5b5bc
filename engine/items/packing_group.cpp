// The item's packing group (49 CFR 172.101 column 5), held as the row's
// packing-group slot.  Choosing a group re-checks the qualifiers that depend
// on it and settles the hazard zone that the group's special provisions
// allow (172.102(c)(1) provisions 1-6).
#include "inspection/paper_tally.h"
#include "items/hazmat_internal.h"
#include "items/qualifier_bits.h"

namespace dravlen {

// Settles the hazard zone from the zones the chosen slot allows: only "no
// zone" -> no zone; exactly one of A-D and not "no zone" -> that zone;
// anything else stays to be chosen by the shipper.
void SettleHazardZone(Hazmat *item)
{
    const CTRec *row = ItemRow(item);
    const int slot = ItemSlot(item);
    const bool none = IsHazardZoneAllowed_CTRec(row, slot, 0) != 0;
    int letters = 0;
    char only = 0;
    for (char z = 'A'; z <= 'D'; ++z) {
        if (IsHazardZoneAllowed_CTRec(row, slot, z)) {
            ++letters;
            only = z;
        }
    }
    item->wordA &= ~bits::kZoneMask;
    if (none && letters == 0)
        item->wordA |= bits::kZoneNone;
    else if (!none && letters == 1)
        item->wordA |= bits::kZoneA + static_cast<uint32_t>(only - 'A') * 0x1000;
}

} // namespace dravlen

using namespace dravlen;

extern "C" {

DRAVLEN_API int HasPackingGroup_Hazmat(const Hazmat *item, int slot)
{
    return RowHasSlot(item, slot) ? 1 : 0;
}

DRAVLEN_API int GetPackingGroup_Hazmat(const Hazmat *item)
{
    return ItemRow(item) ? ItemSlot(item) : -1;
}

DRAVLEN_API int SetPackingGroup_Hazmat(Hazmat *item, int slot)
{
    if (!RowHasSlot(item, slot))
        return 0;
    if (ItemSlot(item) == slot)
        return 1;
    item->wordA = (item->wordA & ~bits::kPackingGroupMask) | static_cast<uint32_t>(slot + 1);
    dravlen::ForgetItemTally(item);  // its hazard codes may differ now
    if ((item->wordA & bits::kLimitedQuantity) && !IsLimitedQuantityAllowed_Hazmat(item))
        item->wordA &= ~bits::kLimitedQuantity;
    if ((item->wordA & bits::kBulk) && !IsBulkPackagingAllowed_Hazmat(item))
        item->wordA &= ~bits::kBulk;
    if (item->wordA & bits::kCombustible)
        ReclassifyToCombustible_Hazmat(item, 1);
    SettleHazardZone(item);
    return 1;
}

DRAVLEN_API const char *GetPackingGroups_Hazmat(const Hazmat *item)
{
    static const char *const kTexts[8] = {
        "", "I", "II", "I, II", "III", "I, III", "II, III", "I, II, III",
    };
    if (!ItemRow(item))
        return nullptr;
    unsigned mask = 0;
    for (int slot = 1; slot <= 3; ++slot) {
        if (RowHasSlot(item, slot))
            mask |= 1u << (slot - 1);
    }
    return kTexts[mask];
}

} // extern "C"
