// The placarding answers of each kind of item, read once per calculation.
#include "compute/placard_kinds.h"

#include "compute/item_kinds.h"
#include "compute/placard_rules.h"
#include "items/hazmat_internal.h"

#include <cstring>

namespace dravlen {
namespace {

// Exemption 2: the 173.159(e) battery exception.
constexpr unsigned kExemptionBatteries = 2;

bool TextIs(const char *text, const char *expected) { return text && std::strcmp(text, expected) == 0; }

} // namespace

PlacardKind ReadPlacardKind(const Hazmat *item)
{
    PlacardKind k;
    k.item = item;
    k.exempt = ExemptFromPlacarding_Hazmat(item) != 0;
    k.table1 = IsTable1_Hazmat(item) != 0;
    const bool row = ItemRow(item) != nullptr;
    // IsTable2_Hazmat: a row and not Table 1.
    k.placardable = row && !k.table1 && !k.exempt;
    k.subsidiary = HasPlacardableSubsidiary_Hazmat(item) != 0;
    k.placardableSubsidiary = k.placardable && k.subsidiary;
    k.bulk = IsBulkPackaging_Hazmat(item) != 0;
    k.elevated = IsElevatedTemperature_Hazmat(item) != 0;
    k.noIds = NoIDsOnPlacards_Hazmat(item) != 0;
    const char *primary = GetHazDivString_Hazmat(item, 0);
    k.division62 = TextIs(primary, "6.2");
    k.class7 = TextIs(primary, "7");
    k.batteries = HasExemption_Hazmat(item, kExemptionBatteries) != 0;
    const char *id = GetID_Hazmat(item);
    k.sodiumBatteries = TextIs(id, "UN3292");
    k.uraniumHexafluoride = TextIs(id, "UN2977") || TextIs(id, "UN2978");
    if (row) {
        const HazDiv d = HazardDiv(item, 0);
        k.category = d.hazClass * 256 + d.division;
    }
    k.idDigits = ItemIdDigits(item);
    return k;
}

PlacardKinds::PlacardKinds(const Load *load) : load_(load)
{
    const uint32_t n = load->itemCount;
    const std::vector<uint32_t> first = FirstOfKind(load);
    kindOf_.resize(n);
    pounds_.resize(n);
    for (uint32_t i = 0; i < n; ++i) {
        pounds_[i] = GetWeight_Hazmat(&load->items[i], 0);
        if (first[i] != i) {
            kindOf_[i] = kindOf_[first[i]];
            continue;
        }
        kindOf_[i] = static_cast<int>(kinds_.size());
        kinds_.push_back(ReadPlacardKind(&load->items[i]));
    }
}

const Placard &PlacardKind::PrimaryPlacard(int markingType) const
{
    if (!made[markingType]) {
        Placard p{};
        MakePlacard(&p, item, 0, markingType, 1);
        placard[markingType] = p;
        made[markingType] = true;
    }
    return placard[markingType];
}

} // namespace dravlen
