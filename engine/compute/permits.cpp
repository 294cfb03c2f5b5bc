// Hazardous materials safety permits (49 CFR 385.403) and exclusive use of
// a radioactive shipment (49 CFR 173.403, 173.441, 177.842).
#include "dravlen.h"

#include "compute/item_facts.h"
#include "compute/segregation_items.h"
#include "items/quantity_facts.h"

#include <cctype>
#include <string>

namespace dravlen {
namespace {

// 385.403(b): "more than 25 kg (55 pounds) net weight" of a Division 1.1,
// 1.2 or 1.3 material, in grams.
constexpr uint64_t kExplosivePermitGrams = 25000;
// 385.403(c): "more than one liter (1.08 quarts) per package", in mL.
constexpr uint64_t kZoneAPackageMillilitres = 1000;
// 385.403(e), (f): "a capacity equal to or greater than 13,248 L (3,500
// gallons)"; the litres are the rule's own figure (171.10: the metric
// units are the regulation's, the customary ones approximate).
constexpr uint64_t kBulkPermitLitres = 13248;
// One US gallon is 3.785411784 L: nanolitres per hundredth of a gallon.
constexpr uint64_t kNanolitresPerHundredthGallon = 37854117;

// UN1005 Ammonia, anhydrous, the domestic Division 2.2 entry (symbol D).
constexpr int kPidAnhydrousAmmoniaDomestic = 472;

bool ContainsMethane(const char *name)
{
    if (name == nullptr)
        return false;
    std::string lower(name);
    for (char &c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower.find("methane") != std::string::npos;
}

// The index (0-2) of Division 1.1, 1.2 or 1.3 for a primary hazard, or -1.
int MassExplosiveDivision(const HazDiv &d)
{
    if (d.hazClass == 1 && d.division >= 1 && d.division <= 3)
        return d.division - 1;
    return -1;
}

int MassExplosiveDivision(const Hazmat *item) { return MassExplosiveDivision(Hazard(item, 0)); }

// The gross weight in grams, with the item functions' 2.205 lb per kg.
uint64_t GrossGrams(const Hazmat *item)
{
    const uint64_t w = GetWeight_Hazmat(item, GetWeightUnit_Hazmat(item));
    return GetWeightUnit_Hazmat(item) == WEIGHT_KILOGRAMS ? w * 1000 : w * 1000000 / 2205;
}

// 385.403(b) for Divisions 1.1-1.3, one total per division summed in load
// order.  The net explosive mass where the item gives it is the amount;
// where it does not, the gross weight bounds it from above.  One item of
// the truckload carries the answer: the item at which a known net total
// first passes 25 kg needs the permit; failing that, the item at which an
// upper bound first passes it may need one.
} // namespace

ExplosivePermit FindExplosivePermit(const Load *load)
{
    uint64_t known[3] = {0, 0, 0};
    uint64_t bound[3] = {0, 0, 0};
    int64_t boundCrossing = -1;
    for (uint32_t k = 0; k < load->itemCount; ++k) {
        const Hazmat *item = &load->items[k];
        const int division = MassExplosiveDivision(item);
        if (division < 0)
            continue;
        uint32_t grams = 0;
        if (NetExplosiveGrams(item, grams)) {
            known[division] += grams;
            bound[division] += grams;
        } else {
            bound[division] += GrossGrams(item);
        }
        if (known[division] > kExplosivePermitGrams)
            return {true, static_cast<int64_t>(k), PERMIT_EXPLOSIVES_NET_MASS};
        if (bound[division] > kExplosivePermitGrams && boundCrossing < 0)
            boundCrossing = k;
    }
    return {true, boundCrossing, PERMIT_EXPLOSIVES};
}

namespace {

// The bulk packaging's capacity reaches 13,248 L: 1 yes, 0 no, -1 not given.
int BulkCapacityReaches(const Hazmat *item, uint64_t litres)
{
    uint32_t hundredths = 0;
    if (!BulkCapacityHundredthsOfGallon(item, hundredths))
        return -1;
    return uint64_t{hundredths} * kNanolitresPerHundredthGallon >= litres * 1000000000 ? 1 : 0;
}

// 385.403(c): 1 more than a litre in a package, 0 not, -1 not given.  The
// capacity of a bulk packaging tells it as well as a package's.
int ZoneAPackageExceeds(const Hazmat *item, bool bulk)
{
    uint32_t millilitres = 0;
    if (PackageMillilitres(item, millilitres))
        return millilitres > kZoneAPackageMillilitres ? 1 : 0;
    if (!bulk)
        return -1;
    uint32_t hundredths = 0;
    if (!BulkCapacityHundredthsOfGallon(item, hundredths))
        return -1;
    return uint64_t{hundredths} * kNanolitresPerHundredthGallon > kZoneAPackageMillilitres * 1000000 ? 1 : 0;
}

// A paragraph that applies when a fact holds: required when it does, none
// when it does not, "may be" while the fact is missing.
int Settled(int answer, int required, int mayBe)
{
    return answer > 0 ? required : answer == 0 ? PERMIT_NONE : mayBe;
}

} // namespace

// Permit codes (DravlenPermit, DravlenPermitRequired): 0 none; 1 required,
// 385.403(a); 2 may be required, (b) Divisions 1.1-1.3, 8 required by their
// net explosive mass; 3 required, (b) Division 1.5; 4 may be required, (c),
// 9 required; 5 required, (d); 6 may be required, (e), 10 required; 7 may be
// required, (f), 11 required.
int PermitCode(const Load *load, uint32_t i, bool *readsItem, ExplosivePermit *explosives)
{
    // Whether the answer reads more than the item's kind (SameKind): its
    // quantities, its weight or the other items.
    auto fromItem = [readsItem](int code) {
        if (readsItem)
            *readsItem = true;
        return code;
    };
    if (readsItem)
        *readsItem = false;
    if (load == nullptr || i >= load->itemCount)
        return 0;
    const Hazmat *item = &load->items[i];
    const ItemReading r = ReadItem(item);
    const char zone = HazardZone(r);
    const bool bulk = IsBulkPackaging_Hazmat(item) != 0;
    const HazDiv primary = HazardDiv(r, 0);

    // (a) highway route controlled quantity of Class 7.
    if (GetRadiationClassification_Hazmat(item) == 'H')
        return 1;
    // (d), (e) name materials poisonous by inhalation; anhydrous ammonia
    // shipped domestically as Division 2.2 (UN1005, 172.101 symbol D) is
    // not one for these paragraphs (FMCSA's guidance on 385.403): no
    // permit for it in any packaging.
    if (item->pid == kPidAnhydrousAmmoniaDomestic)
        return 0;
    // (c) poisonous by inhalation, hazard zone A: more than 1 L per package.
    if (zone == 'A')
        return fromItem(Settled(ZoneAPackageExceeds(item, bulk), PERMIT_ZONE_A_PACKAGE, PERMIT_ZONE_A));
    // (d) hazard zone B in bulk packaging.
    if (zone == 'B' && bulk)
        return 5;
    // (e) hazard zone C or D in packaging of 13,248 L or more.
    if ((zone == 'C' || zone == 'D') && bulk)
        return fromItem(
            Settled(BulkCapacityReaches(item, kBulkPermitLitres), PERMIT_ZONE_C_D_CAPACITY, PERMIT_ZONE_C_D_BULK));
    // (f) methane or liquefied natural gas in packaging of 13,248 L or more.
    if (bulk && ContainsMethane(RomanName(item, r.row)))
        return fromItem(
            Settled(BulkCapacityReaches(item, kBulkPermitLitres), PERMIT_METHANE_CAPACITY, PERMIT_METHANE_BULK));
    // (b) "an amount of a Division 1.5 material requiring placarding":
    // Division 1.5 is placarded in any amount (172.504(e) Table 1), so the
    // permit is required unless the item is excepted from placarding.
    if (IsDivision(primary, 1, 5))
        return ExemptFromPlacarding(r) ? 0 : PERMIT_DIVISION_1_5;
    // (b) more than 25 kg (55 lb) net of Division 1.1, 1.2 or 1.3.
    if (MassExplosiveDivision(primary) < 0)
        return PERMIT_NONE;
    ExplosivePermit own;
    ExplosivePermit &found = explosives ? *explosives : own;
    if (!found.found)
        found = FindExplosivePermit(load);
    return fromItem(found.item == static_cast<int64_t>(i) ? found.code : int{PERMIT_NONE});
}

int PermitCode(const Load *load, uint32_t i) { return PermitCode(load, i, nullptr, nullptr); }

} // namespace dravlen

extern "C" {

DRAVLEN_API int HazmatNeedsPermit_Load(const Load *load, uint32_t i)
{
    return dravlen::PermitCode(load, i);
}

DRAVLEN_API const char *HazmatPermitString_Load(const Load *load, uint32_t i)
{
    if (load == nullptr || i >= load->itemCount)
        return nullptr;
    switch (dravlen::PermitCode(load, i)) {
    case 0: return "No";
    case PERMIT_HRCQ:
    case PERMIT_DIVISION_1_5:
    case PERMIT_ZONE_B_BULK:
    case PERMIT_EXPLOSIVES_NET_MASS:
    case PERMIT_ZONE_A_PACKAGE:
    case PERMIT_ZONE_C_D_CAPACITY:
    case PERMIT_METHANE_CAPACITY: return "Yes";
    default: return "Maybe";
    }
}

// 177.842(a) and 173.441/173.457: a combined transport index or criticality
// safety index above 50.0, or one package above a transport index of 10.0
// (173.403 exclusive use).  Indexes are kept in tenths.
DRAVLEN_API int IsExclusiveUse_Load(const Load *load)
{
    if (load == nullptr)
        return 0;
    uint64_t csi = 0;
    uint64_t ti = 0;
    bool single = false;
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        const Hazmat *item = &load->items[i];
        csi += GetCSI_Hazmat(item);
        const uint32_t t = GetTransportIndex_Hazmat(item);
        ti += t;
        if (t > 100)
            single = true;
    }
    return (csi >= 501 || ti >= 501 || single) ? 1 : 0;
}

DRAVLEN_API int IsExclusiveUseShipment_Load(const Load *load)
{
    if (load == nullptr || load->itemCount == 0)
        return 0;
    for (uint32_t i = 0; i < load->itemCount; ++i)
        if (!IsExclusiveUse_Hazmat(&load->items[i]))
            return 0;
    return 1;
}

} // extern "C"
