// The placarding answers of each kind of item, read once per calculation.
#include "compute/placard_kinds.h"

#include "compute/kind_facts.h"
#include "compute/placard_rules.h"
#include "compute/placarding.h"
#include "items/hazmat_internal.h"

#include <cstring>

namespace dravlen {
namespace {

// Exemption 2: the 173.159(e) battery exception.
constexpr unsigned kExemptionBatteries = 2;

bool TextIs(const char *text, const char *expected) { return text && std::strcmp(text, expected) == 0; }

} // namespace

PlacardKind ReadPlacardKind(const Hazmat *item, const KindFacts *facts)
{
    // The primary hazard code as the kind's facts hold it (read and parsed
    // once per calculation), or from the item.
    const bool known = facts && facts->HazardCount() > 0 && facts->codeText[0][0] != '\0';
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
    const char *primary = known ? facts->codeText[0] : GetHazDivString_Hazmat(item, 0);
    k.division62 = TextIs(primary, "6.2");
    k.class7 = TextIs(primary, "7");
    k.batteries = HasExemption_Hazmat(item, kExemptionBatteries) != 0;
    const char *id = GetID_Hazmat(item);
    k.sodiumBatteries = TextIs(id, "UN3292");
    k.uraniumHexafluoride = TextIs(id, "UN2977") || TextIs(id, "UN2978");
    if (row) {
        const HazDiv d = known ? facts->code[0] : HazardDiv(item, 0);
        k.category = d.hazClass * 256 + d.division;
    }
    k.idDigits = ItemIdDigits(item);
    return k;
}

PlacardKinds::PlacardKinds(const Load *load) : load_(load) { Read(LoadKinds(load)); }

PlacardKinds::PlacardKinds(const LoadKinds &kinds) : load_(kinds.TheLoad()) { Read(kinds); }

void PlacardKinds::Read(const LoadKinds &kinds)
{
    const uint32_t n = kinds.ItemCount();
    kindOf_.resize(n);
    pounds_.resize(n);
    for (uint32_t i = 0; i < n; ++i) {
        kindOf_[i] = kinds.KindOf(i);
        pounds_[i] = GetWeight_Hazmat(&load_->items[i], 0);
    }
    pih_ = GetGreatestPIH_Vehicle(load_);
    single_ = FindSingleMaterialItem(load_);
    kinds_.reserve(kinds.KindCount());
    for (int k = 0; k < kinds.KindCount(); ++k)
        kinds_.push_back(ReadPlacardKind(&load_->items[kinds.FirstItem(k)], &kinds.Facts(k)));
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
