// Gathers the facts the inspection model reads about an item from the item
// operations and the reference tables.
#include "inspection/item_facts.h"

#include "compute/segregation_pairs.h"

#include <cstdlib>
#include <cstring>

namespace dravlen {

namespace {

constexpr int kColumnHazardClass = 2;
constexpr int kRowLevel = -1;
constexpr int kExemptionCount = 34;

std::string Text(const char *s) { return s ? std::string(s) : std::string(); }

// 49 CFR 177.848: whether items i and j of the load may not be loaded
// together: neither is exempt from segregation for the load, and the
// cyanide/acid rule (message 6) or a do-not-load of the segregation table
// or the explosives rules (messages 1, 9, 10, 14, 16, 25, 47) holds for some
// pair of their hazard codes.
bool CannotCoLoad(const Load *load, uint32_t i, uint32_t j)
{
    const Hazmat *a = &load->items[i];
    const Hazmat *b = &load->items[j];
    if (ExemptFromSegregationForLoad_Hazmat(a, load) || ExemptFromSegregationForLoad_Hazmat(b, load))
        return false;
    if (CheckItemPair(a, b) == 6)
        return true;
    const int na = GetNumHazDivs_Hazmat(a);
    const int nb = GetNumHazDivs_Hazmat(b);
    for (int x = 0; x < na; ++x) {
        for (int y = 0; y < nb; ++y) {
            switch (CheckHazardPair(a, b, x, y)) {
            case 1: case 9: case 10: case 14: case 16: case 25: case 47:
                return true;
            default:
                break;
            }
        }
    }
    return false;
}

// 49 CFR 385.403: the hazmat safety permit code of item i (0-7).
int PermitCode(const Load *load, uint32_t i)
{
    return HazmatNeedsPermit_Load(load, i);
}

} // namespace

bool ItemFacts::HasClass(const char *code) const
{
    for (const std::string &c : hazDivs) {
        if (c == code)
            return true;
    }
    return false;
}

bool ItemFacts::PrimaryIs(const char *code) const
{
    return !hazDivs.empty() && hazDivs[0] == code;
}

bool ItemFacts::HasSymbol(char symbol) const
{
    return symbols.find(symbol) != std::string::npos;
}

bool ItemFacts::Holds(int exemption) const
{
    return exemption > 0 && exemption <= kExemptionCount && exemptionHeld[exemption];
}

ItemFacts ReadItemFacts(const Hazmat *item)
{
    ItemFacts f;
    f.pid = GetPID_Hazmat(item);
    f.id = Text(GetID_Hazmat(item));
    f.psn = Text(GetPSN_Hazmat(item));
    f.romanPsn = Text(GetRomanPSN_Hazmat(item));
    const int divs = GetNumHazDivs_Hazmat(item);
    for (int i = 0; i < divs; ++i)
        f.hazDivs.push_back(Text(GetHazDivString_Hazmat(item, i)));
    for (char s : std::string("ABDGIW")) {
        if (HasSymbol_Hazmat(item, s))
            f.symbols += s;
    }
    for (int slot = 0; slot < 4; ++slot)
        f.packingGroupSlot[slot] = HasPackingGroup_Hazmat(item, slot) != 0;
    f.packingGroup = GetPackingGroup_Hazmat(item);
    if (const CTRec *row = GetCTRec_HazData(f.pid)) {
        f.hazardClassColumnToxic = HasElement_CTRec(row, kRowLevel, kColumnHazardClass, "2.3") ||
                                   HasElement_CTRec(row, kRowLevel, kColumnHazardClass, "6.1");
    }
    f.weightUnit = GetWeightUnit_Hazmat(item);
    f.weightPounds = GetWeight_Hazmat(item, 0);
    f.weightOwnUnit = GetWeight_Hazmat(item, f.weightUnit);

    f.exemptFromShippingPaper = IsExemptFromShippingPaper_Hazmat(item) != 0;
    f.bulk = IsBulkPackaging_Hazmat(item) != 0;
    f.residue = IsResidue_Hazmat(item) != 0;
    f.limitedQuantity = IsLimitedQuantity_Hazmat(item) != 0;
    f.exceptedQuantity = IsExceptedQuantity_Hazmat(item) != 0;
    f.hazardousSubstance = IsHazardousSubstance_Hazmat(item) != 0;
    f.hazardousWaste = IsHazardousWaste_Hazmat(item) != 0;
    f.marinePollutant = IsMarinePollutant_Hazmat(item) != 0;
    f.poisonInhalation = GetPIH_Hazmat(item) != 0;
    f.hazardZone = GetHazardZone_Hazmat(item);
    f.nonOdorizedLPG = GetNonOdorizedLPG_Hazmat(item) != 0;
    f.liquid = IsLiquid_Hazmat(item) != 0;
    f.elevatedTemperature = IsElevatedTemperature_Hazmat(item) != 0;
    f.exclusiveUse = IsExclusiveUse_Hazmat(item) != 0;
    f.hrcqAllowed = IsHRCQAllowed_Hazmat(item) != 0;
    f.needsCSI = NeedsCSI_Hazmat(item) != 0;
    f.csi = GetCSI_Hazmat(item);
    f.radiationClassification = GetRadiationClassification_Hazmat(item);
    f.radioactiveLabel = GetRadioactiveLabel_Hazmat(item);
    f.needsNetExplosiveMass = NeedsNetExplosiveMass_Hazmat(item) != 0;
    for (int n = 1; n <= kExemptionCount; ++n) {
        f.exemptionHeld[n] = HasExemption_Hazmat(item, n) != 0;
        f.exemptionAllowed[n] = IsExemptionAllowed_Hazmat(item, n) != 0;
    }

    // Marine pollutants (172.101 App. B): by the entry itself, then by each
    // related CAS number.
    auto addMarine = [&f](int index) {
        if (const MPRec *rec = GetMPRec_HazData(index))
            f.marinePollutantMatches.push_back({Text(GetName_MPRec(rec)), GetType_MPRec(rec) != 0});
    };
    for (int i = SearchMPByPID_HazData(f.pid, -1); i >= 0; i = SearchMPByPID_HazData(f.pid, i))
        addMarine(i);
    const int cas = GetNumCas_Hazmat(item);
    for (int c = 0; c < cas; ++c) {
        const char *number = GetCas_Hazmat(item, c);
        if (!number)
            continue;
        for (int i = SearchMPByCAS_HazData(number, -1); i >= 0; i = SearchMPByCAS_HazData(number, i))
            addMarine(i);
    }
    // Hazardous substances (App. A) by each related CAS number.
    for (int c = 0; c < cas; ++c) {
        const char *number = GetCas_Hazmat(item, c);
        if (!number)
            continue;
        for (int i = SearchHS_HazData(number, -1); i >= 0; i = SearchHS_HazData(number, i)) {
            if (const HSRec *rec = GetHSRec_HazData(i))
                f.hazardousSubstanceMatches.push_back({Text(GetName_HSRec(rec)), GetRQ_HSRec(rec)});
        }
    }
    return f;
}

LoadItemFacts ReadLoadItemFacts(const Load *load, uint32_t index)
{
    LoadItemFacts f;
    for (uint32_t j = 0; j < load->itemCount; ++j) {
        if (j != index && CannotCoLoad(load, index, j))
            f.cannotCoLoadWith.push_back(Text(GetID_Hazmat(&load->items[j])));
    }
    f.permitCode = PermitCode(load, index);
    return f;
}

bool LoadAllowsVehicle(const Load *load, int code)
{
    return IsVehicleAllowed_Load(load, code) != 0;
}

} // namespace dravlen
