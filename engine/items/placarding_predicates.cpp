// Placarding and marking questions about a single item (49 CFR 172.500-
// 172.560 placards, 172.300-172.338 markings).
#include "items/hazmat_internal.h"
#include "items/qualifier_bits.h"

namespace dravlen {

namespace {

bool SP(const ItemReading &r, const char *code)
{
    return SlotHas(r, kColSpecialProvisions, code);
}

bool Flag(const Hazmat *item, uint32_t wordAMask)
{
    return (item->wordA & wordAMask) != 0;
}

bool HighRadiation(const Hazmat *item)
{
    const char rc = GetRadiationClassification_Hazmat(item);
    return rc == '3' || rc == 'H';
}

bool LSAOrSCOPlacard(const Hazmat *item)
{
    return (item->wordB & (bits::kLSAPlacard | bits::kSCOPlacard)) != 0;
}

// Exemptions 4-6 (172.102(b): materials regulated only by air or vessel)
// take a material out of highway rules only when it is neither a hazardous
// substance nor a hazardous waste.
bool NotRegulatedForHighway(const ItemReading &r)
{
    return HeldAny(r, ExemptionBits({4, 5, 6})) &&
           !Flag(r.item, bits::kHazardousSubstance | bits::kHazardousWaste);
}

} // namespace

// 172.504(e) Table 1: placarded at any quantity.
bool IsTable1(const ItemReading &r)
{
    const Hazmat *item = r.item;
    if (!r.row)
        return false;
    if (Flag(item, bits::kBulk))  // 172.504(c) exception does not reach bulk
        return true;
    const HazDiv hd = HazardDiv(r, 0);
    if (hd.hazClass == 1 && hd.division >= 1 && hd.division <= 3)
        return true;
    if ((hd.hazClass == 2 && hd.division == 3) || (hd.hazClass == 4 && hd.division == 3))
        return true;
    // Organic peroxide, type B, liquid or solid, temperature controlled.
    if (hd.hazClass == 5 && hd.division == 2 && (item->pid == 2093 || item->pid == 2094))
        return true;
    if (hd.hazClass == 6 && hd.division == 1) {
        const char zone = HazardZone(r);
        if (zone >= 'A' && zone <= 'D')
            return true;
    }
    if (hd.hazClass == 7) {
        const bool labelled = HasLabelCodes_CTRec(r.row, r.slot) != 0;
        if ((labelled && HighRadiation(item)) || LSAOrSCOPlacard(item))
            return true;
    }
    return false;
}

// 172.505: a subsidiary hazard of poison inhalation, 2.3 or 4.3 is
// placarded; special provision 13 (172.102(c)(1)) waives it.
bool SubsidiaryNeedsPlacard(const ItemReading &r, int i)
{
    if (!r.row || SP(r, "13"))
        return false;
    if (i < 0 || i >= r.hazardCount)
        return false;
    const HazDiv hd = HazardDiv(r, i);
    if (hd.hazClass == 6 && hd.division == 1 && PoisonByInhalation(r))
        return true;
    if (hd.hazClass == 2 && hd.division == 3)
        return true;
    if (hd.hazClass == 4 && hd.division == 3)
        return true;
    return false;
}

bool HasPlacardableSubsidiary(const ItemReading &r)
{
    for (int i = 1; i < r.hazardCount; ++i) {
        if (SubsidiaryNeedsPlacard(r, i))
            return true;
    }
    return false;
}

bool ExemptFromPlacarding(const ItemReading &r)
{
    const Hazmat *item = r.item;
    // Exemption 33 withdraws every placarding exception.
    if (Held(r, 33))
        return false;
    if (!r.row)
        return false;
    if (Flag(item, bits::kLimitedQuantity | bits::kExceptedQuantity))
        return true;
    if (HeldAny(r, ExemptionBits({1, 7, 8, 11, 14, 15, 17, 18, 19, 23, 26})))
        return true;
    // 173.320: the cryogenic exception does not extend to placarding of
    // refrigerated liquid oxygen.
    if (Held(r, 3) && !IDIsOneOf(ItemID(r), {"UN1073"}))
        return true;
    if (NotRegulatedForHighway(r))
        return true;
    if (r.hazardCount > 0) {
        const HazDiv hd = HazardDiv(r, 0);
        const bool labelled = HasLabelCodes_CTRec(r.row, r.slot) != 0;
        // 172.504(f)(2), (f)(4)-(f)(10) and 172.500(b).
        if (hd.hazClass == 1 && hd.division == 4 && hd.compatGroup == 'S' && !labelled)
            return true;
        if (PrimaryIs(r, "COMB") && !Flag(item, bits::kBulk))
            return true;
        if (hd.hazClass == 6 && hd.division == 2)
            return true;
        if (hd.hazClass == 7 && (!labelled || (!HighRadiation(item) && !LSAOrSCOPlacard(item))))
            return true;
        if (hd.hazClass == 9)
            return true;
    }
    if (SP(r, "30") || SP(r, "50"))
        return true;
    // 172.504(d): only a non-bulk packaging holding the residue of a Table 2
    // material not subject to 172.505 is left out.  An emptied bulk
    // packaging stays placarded (172.514(b)), and so does the residue of a
    // Table 1 material.
    return ResidueExemptFromPlacarding(r) && !IsTable1(r);
}

bool ExemptFromMarking(const ItemReading &r)
{
    const Hazmat *item = r.item;
    if (!r.row)
        return false;
    if (HeldAny(r, ExemptionBits({1, 8})) || NotRegulatedForHighway(r))
        return true;
    const bool bulk = Flag(item, bits::kBulk);
    const HazDiv hd = HazardDiv(r, 0);
    if (hd.hazClass == 1 && !bulk)
        return true;
    if (PrimaryIs(r, "COMB") && !bulk &&
        !Flag(item, bits::kHazardousSubstance | bits::kHazardousWaste | bits::kMarinePollutant))
        return true;
    if (hd.hazClass == 7 && !bulk)
        return true;
    if (SP(r, "50"))
        return true;
    return HeldAny(r, ExemptionBits({11, 14, 15, 17, 18, 19, 23, 29}));
}

// Residue of a non-bulk packaging (172.504(a) applies to residues in bulk
// only; 172.203(e) shipping-paper description).
bool ResidueExemptFromPlacarding(const ItemReading &r)
{
    const Hazmat *item = r.item;
    if (!r.row)
        return false;
    return (item->wordB & bits::kResidue) && !Flag(item, bits::kBulk) && !PoisonByInhalation(r) &&
           !HasPlacardableSubsidiary(r);
}

// 172.334(a): explosives and radioactive placards show no ID numbers.
bool NoIDsOnPlacards(const ItemReading &r)
{
    const HazDiv hd = HazardDiv(r, 0);
    return hd.hazClass == 1 || hd.hazClass == 7;
}

} // namespace dravlen

using namespace dravlen;

extern "C" {

DRAVLEN_API int IsTable1_Hazmat(const Hazmat *item) { return IsTable1(ReadItem(item)) ? 1 : 0; }

DRAVLEN_API int IsTable2_Hazmat(const Hazmat *item)
{
    const ItemReading r = ReadItem(item);
    return (r.row && !IsTable1(r)) ? 1 : 0;
}

DRAVLEN_API int SubsidiaryNeedsPlacard_Hazmat(const Hazmat *item, int i)
{
    return SubsidiaryNeedsPlacard(ReadItem(item), i) ? 1 : 0;
}

DRAVLEN_API int HasPlacardableSubsidiary_Hazmat(const Hazmat *item)
{
    return HasPlacardableSubsidiary(ReadItem(item)) ? 1 : 0;
}

DRAVLEN_API int ExemptFromPlacarding_Hazmat(const Hazmat *item)
{
    return ExemptFromPlacarding(ReadItem(item)) ? 1 : 0;
}

DRAVLEN_API int ExemptFromMarking_Hazmat(const Hazmat *item)
{
    return ExemptFromMarking(ReadItem(item)) ? 1 : 0;
}

DRAVLEN_API int IsExemptFromPlacarding_Hazmat(const Hazmat *item)
{
    return ResidueExemptFromPlacarding(ReadItem(item)) ? 1 : 0;
}

DRAVLEN_API int IsExemptFromShippingPaper_Hazmat(const Hazmat *item)
{
    const ItemReading r = ReadItem(item);
    if (!r.row)
        return 0;
    return (ResidueExemptFromPlacarding(r) || Flag(item, bits::kExceptedQuantity) || Held(r, 7)) ? 1 : 0;
}

DRAVLEN_API int NoIDsOnPlacards_Hazmat(const Hazmat *item) { return NoIDsOnPlacards(ReadItem(item)) ? 1 : 0; }

DRAVLEN_API int SameCategory_Hazmat(const Hazmat *item, const Hazmat *other)
{
    if (!ItemRow(item) || !ItemRow(other))
        return 0;
    const HazDiv a = HazardDiv(item, 0);
    const HazDiv b = HazardDiv(other, 0);
    return (a.hazClass == b.hazClass && a.division == b.division) ? 1 : 0;
}

DRAVLEN_API int NeedsNetExplosiveMass_Hazmat(const Hazmat *item)
{
    return (HazardDiv(item, 0).hazClass == 1 && !Flag(item, bits::kBulk)) ? 1 : 0;
}

// 172.403(c): White-I for a transport index of 0, Yellow-II up to 1.0,
// Yellow-III above.
DRAVLEN_API int GetRadioactiveLabel_Hazmat(const Hazmat *item)
{
    if (!PrimaryIs(item, "7"))
        return 0;
    if (item->transportIndex == 0)
        return 1;
    return item->transportIndex <= 10 ? 2 : 3;
}

// 173.441(b), 173.457: exclusive use above CSI 50 or TI 10.
DRAVLEN_API int IsExclusiveUse_Hazmat(const Hazmat *item)
{
    return (GetCSI_Hazmat(item) > 500 || item->transportIndex > 100) ? 1 : 0;
}

} // extern "C"
