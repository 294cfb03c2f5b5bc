// Exemptions 1-34 read and set with the truckload taken into account, and
// which of them take an item out of the segregation rules of 49 CFR 177.848.
#include "dravlen.h"

#include "compute/item_facts.h"
#include "items/hazmat_internal.h"

namespace dravlen {
namespace {

constexpr unsigned kNoStorage = 20;   // exemption 20 is never held
constexpr unsigned kFissileExempt = 12;

bool HasForLoad(const Hazmat *item, unsigned n, const Load *load)
{
    return n >= 1 && n <= 34 && ExemptionStored(item, n) && ExemptionAllowedForLoad(item, load, n);
}

} // namespace
} // namespace dravlen

using namespace dravlen;

extern "C" {

DRAVLEN_API int IsExemptionAllowedForLoad_Hazmat(const Hazmat *item, unsigned n, const Load *load)
{
    return item && ExemptionAllowedForLoad(item, load, n) ? 1 : 0;
}

DRAVLEN_API int HasExemptionForLoad_Hazmat(const Hazmat *item, unsigned n, const Load *load)
{
    return item && HasForLoad(item, n, load) ? 1 : 0;
}

DRAVLEN_API void SetExemptionForLoad_Hazmat(Hazmat *item, unsigned n, int value, const Load *load)
{
    if (item == nullptr || n == kNoStorage)
        return;
    const bool set = value != 0 && ExemptionAllowedForLoad(item, load, n);
    StoreExemption(item, n, set);
    // A fissile-exempt package (173.453) carries no criticality safety index.
    if (set && n == kFissileExempt)
        item->csi = 0;
}

DRAVLEN_API int ExemptFromSegregationForLoad_Hazmat(const Hazmat *item, const Load *load)
{
    if (item == nullptr)
        return 0;
    const ItemReading r = ReadItem(item);
    if (r.row == nullptr)
        return 0;
    // 173.156: limited quantities are not subject to 177.848, unless they
    // travel under reverse logistics (173.157).
    if (IsLimitedQuantity_Hazmat(item) && !Held(r, 30))
        return 1;
    // Nothing to label and nothing to placard.
    if (!HasLabelCodes_CTRec(r.row, r.slot) && ExemptFromPlacarding(r))
        return 1;
    // 173.159(d) and 173.320 exceptions.
    if (Held(r, 1) || Held(r, 3))
        return 1;
    // Regulated only by air or vessel (172.101(b)(2), (b)(6)), unless a
    // hazardous substance or hazardous waste.
    if (HeldAny(r, ExemptionBits({4, 5, 6})) && !IsHazardousSubstance_Hazmat(item) && !IsHazardousWaste_Hazmat(item))
        return 1;
    // 173.309 fire extinguishers; ORM-D.
    if (Held(r, 7) || Held(r, 8))
        return 1;
    // 172.102(30): sulfur not subject in non-bulk packaging, or in bulk when
    // formed to a specific shape (exemption 9).
    if (RowLists(r, kColSpecialProvisions, "30") && IDIsOneOf(ItemID(r), {"UN1350", "NA1350"})) {
        if (!IsBulkPackaging_Hazmat(item) || Held(r, 9))
            return 1;
    }
    // 172.102(50): not subject to the segregation requirements.
    if (RowLists(r, kColSpecialProvisions, "50"))
        return 1;
    if (HeldAny(r, ExemptionBits({11, 14, 15, 17, 18, 19, 23, 25})))
        return 1;
    if (HasForLoad(item, 27, load))
        return 1;
    return 0;
}

} // extern "C"
