// Hazardous materials safety permits (49 CFR 385.403) and exclusive use of
// a radioactive shipment (49 CFR 173.403, 173.441, 177.842).
#include "dravlen.h"

#include "compute/item_facts.h"

#include <cctype>
#include <string>

namespace dravlen {
namespace {

// 385.403(b): more than 25 kg (55 lb) of a Division 1.1, 1.2 or 1.3 material.
constexpr long kExplosivePermitPounds = 55;

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

// The index (0-2) of Division 1.1, 1.2 or 1.3 for an item's primary hazard,
// or -1.
int MassExplosiveDivision(const Hazmat *item)
{
    const HazDiv d = Hazard(item, 0);
    if (d.hazClass == 1 && d.division >= 1 && d.division <= 3)
        return d.division - 1;
    return -1;
}

// 385.403(b) for Divisions 1.1-1.3: the item at which one of the three
// per-division totals, summed in load order, first passes 55 pounds.
bool FirstExplosiveCrossing(const Load *load, uint32_t i)
{
    long totals[3] = {0, 0, 0};
    for (uint32_t k = 0; k <= i; ++k) {
        const Hazmat *item = &load->items[k];
        const int div = MassExplosiveDivision(item);
        if (div < 0)
            continue;
        totals[div] += Pounds(item);
        if (totals[div] > kExplosivePermitPounds)
            return k == i;
    }
    return false;
}

} // namespace

// Permit codes: 0 none; 1 required, 385.403(a); 2 may be required, (b)
// (Divisions 1.1-1.3 by net explosive mass); 3 required, (b) (Division 1.5);
// 4 may be required, (c); 5 required, (d); 6 may be required, (e);
// 7 may be required, (f).
int PermitCode(const Load *load, uint32_t i)
{
    if (load == nullptr || i >= load->itemCount)
        return 0;
    const Hazmat *item = &load->items[i];
    const char zone = static_cast<char>(GetHazardZone_Hazmat(item));
    const bool bulk = IsBulkPackaging_Hazmat(item) != 0;

    // (a) highway route controlled quantity of Class 7.
    if (GetRadiationClassification_Hazmat(item) == 'H')
        return 1;
    // (d), (e) name materials poisonous by inhalation; anhydrous ammonia
    // shipped domestically as Division 2.2 (UN1005, 172.101 symbol D) is
    // not one for these paragraphs (FMCSA's guidance on 385.403): no
    // permit for it in any packaging.
    if (GetPID_Hazmat(item) == kPidAnhydrousAmmoniaDomestic)
        return 0;
    // (c) poisonous by inhalation, hazard zone A: more than 1 L per package.
    if (zone == 'A')
        return 4;
    // (d) hazard zone B in bulk packaging.
    if (zone == 'B' && bulk)
        return 5;
    // (e) hazard zone C or D in packaging of 13,248 L or more.
    if ((zone == 'C' || zone == 'D') && bulk)
        return 6;
    // (f) methane or liquefied natural gas in packaging of 13,248 L or more.
    if (bulk && ContainsMethane(GetRomanPSN_Hazmat(item)))
        return 7;
    // (b) "an amount of a Division 1.5 material requiring placarding":
    // Division 1.5 is placarded in any amount (172.504(e) Table 1), so the
    // permit is required unless the item is excepted from placarding.
    if (IsDivision(Hazard(item, 0), 1, 5))
        return ExemptFromPlacarding_Hazmat(item) ? 0 : 3;
    // (b) more than 25 kg (55 lb) of Division 1.1, 1.2 or 1.3: the limit
    // is net explosive mass; the weight the truckload holds is gross, so a
    // gross weight above it leaves the answer open.
    if (MassExplosiveDivision(item) >= 0 && FirstExplosiveCrossing(load, i))
        return 2;
    return 0;
}

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
    case 1:
    case 3:
    case 5: return "Yes";
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
