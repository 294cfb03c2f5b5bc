// Placarding and marking questions about a single item (49 CFR 172.500-
// 172.560 placards, 172.300-172.338 markings).
#include "items/hazmat_internal.h"
#include "items/qualifier_bits.h"

using namespace dravlen;

namespace {

bool SP(const Hazmat *item, const char *code)
{
    return SlotHas(item, kColSpecialProvisions, code);
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
bool NotRegulatedForHighway(const Hazmat *item)
{
    return (Held(item, 4) || Held(item, 5) || Held(item, 6)) &&
           !Flag(item, bits::kHazardousSubstance | bits::kHazardousWaste);
}

bool HeldAny(const Hazmat *item, std::initializer_list<unsigned> numbers)
{
    for (unsigned n : numbers) {
        if (Held(item, n))
            return true;
    }
    return false;
}

} // namespace

extern "C" {

// 172.504(e) Table 1: placarded at any quantity.
DRAVLEN_API int IsTable1_Hazmat(const Hazmat *item)
{
    const CTRec *row = ItemRow(item);
    if (!row)
        return 0;
    if (Flag(item, bits::kBulk))  // 172.504(c) exception does not reach bulk
        return 1;
    const HazDiv hd = HazardDiv(item, 0);
    if (hd.hazClass == 1 && hd.division >= 1 && hd.division <= 3)
        return 1;
    if ((hd.hazClass == 2 && hd.division == 3) || (hd.hazClass == 4 && hd.division == 3))
        return 1;
    // Organic peroxide, type B, liquid or solid, temperature controlled.
    if (hd.hazClass == 5 && hd.division == 2 && (item->pid == 2093 || item->pid == 2094))
        return 1;
    if (hd.hazClass == 6 && hd.division == 1) {
        const char zone = GetHazardZone_Hazmat(item);
        if (zone >= 'A' && zone <= 'D')
            return 1;
    }
    if (hd.hazClass == 7) {
        const bool labelled = HasLabelCodes_CTRec(row, ItemSlot(item)) != 0;
        if ((labelled && HighRadiation(item)) || LSAOrSCOPlacard(item))
            return 1;
    }
    return 0;
}

DRAVLEN_API int IsTable2_Hazmat(const Hazmat *item)
{
    return (ItemRow(item) && !IsTable1_Hazmat(item)) ? 1 : 0;
}

// 172.505: a subsidiary hazard of poison inhalation, 2.3 or 4.3 is
// placarded; special provision 13 (172.102(c)(1)) waives it.
DRAVLEN_API int SubsidiaryNeedsPlacard_Hazmat(const Hazmat *item, int i)
{
    if (!ItemRow(item) || SP(item, "13"))
        return 0;
    if (i < 0 || i >= HazardCodeCount(item))
        return 0;
    const HazDiv hd = HazardDiv(item, i);
    if (hd.hazClass == 6 && hd.division == 1 && GetPIH_Hazmat(item))
        return 1;
    if (hd.hazClass == 2 && hd.division == 3)
        return 1;
    if (hd.hazClass == 4 && hd.division == 3)
        return 1;
    return 0;
}

DRAVLEN_API int HasPlacardableSubsidiary_Hazmat(const Hazmat *item)
{
    const int count = HazardCodeCount(item);
    for (int i = 1; i < count; ++i) {
        if (SubsidiaryNeedsPlacard_Hazmat(item, i))
            return 1;
    }
    return 0;
}

DRAVLEN_API int ExemptFromPlacarding_Hazmat(const Hazmat *item)
{
    // Exemption 33 withdraws every placarding exception.
    if (Held(item, 33))
        return 0;
    const CTRec *row = ItemRow(item);
    if (!row)
        return 0;
    if (Flag(item, bits::kLimitedQuantity | bits::kExceptedQuantity))
        return 1;
    if (HeldAny(item, {1, 7, 8, 11, 14, 15, 17, 18, 19, 23, 26}))
        return 1;
    // 173.320: the cryogenic exception does not extend to placarding of
    // refrigerated liquid oxygen.
    if (Held(item, 3) && !IDIsOneOf(ItemID(item), {"UN1073"}))
        return 1;
    if (NotRegulatedForHighway(item))
        return 1;
    if (HazardCodeCount(item) > 0) {
        const HazDiv hd = HazardDiv(item, 0);
        const bool labelled = HasLabelCodes_CTRec(row, ItemSlot(item)) != 0;
        // 172.504(f)(2), (f)(4)-(f)(10) and 172.500(b).
        if (hd.hazClass == 1 && hd.division == 4 && hd.compatGroup == 'S' && !labelled)
            return 1;
        if (PrimaryIs(item, "COMB") && !Flag(item, bits::kBulk))
            return 1;
        if (hd.hazClass == 6 && hd.division == 2)
            return 1;
        if (hd.hazClass == 7 && (!labelled || (!HighRadiation(item) && !LSAOrSCOPlacard(item))))
            return 1;
        if (hd.hazClass == 9)
            return 1;
    }
    if (SP(item, "30") || SP(item, "50"))
        return 1;
    // 172.504(d): only a non-bulk packaging holding the residue of a Table 2
    // material not subject to 172.505 is left out.  An emptied bulk
    // packaging stays placarded (172.514(b)), and so does the residue of a
    // Table 1 material.
    return (IsExemptFromPlacarding_Hazmat(item) && IsTable2_Hazmat(item)) ? 1 : 0;
}

DRAVLEN_API int ExemptFromMarking_Hazmat(const Hazmat *item)
{
    const CTRec *row = ItemRow(item);
    if (!row)
        return 0;
    if (Held(item, 1) || Held(item, 8) || NotRegulatedForHighway(item))
        return 1;
    const bool bulk = Flag(item, bits::kBulk);
    const HazDiv hd = HazardDiv(item, 0);
    if (hd.hazClass == 1 && !bulk)
        return 1;
    if (PrimaryIs(item, "COMB") && !bulk &&
        !Flag(item, bits::kHazardousSubstance | bits::kHazardousWaste | bits::kMarinePollutant))
        return 1;
    if (hd.hazClass == 7 && !bulk)
        return 1;
    if (SP(item, "50"))
        return 1;
    return HeldAny(item, {11, 14, 15, 17, 18, 19, 23, 29}) ? 1 : 0;
}

// Residue of a non-bulk packaging (172.504(a) applies to residues in bulk
// only; 172.203(e) shipping-paper description).
DRAVLEN_API int IsExemptFromPlacarding_Hazmat(const Hazmat *item)
{
    if (!ItemRow(item))
        return 0;
    return ((item->wordB & bits::kResidue) && !Flag(item, bits::kBulk) && !GetPIH_Hazmat(item) &&
            !HasPlacardableSubsidiary_Hazmat(item))
               ? 1
               : 0;
}

DRAVLEN_API int IsExemptFromShippingPaper_Hazmat(const Hazmat *item)
{
    if (!ItemRow(item))
        return 0;
    return (IsExemptFromPlacarding_Hazmat(item) || Flag(item, bits::kExceptedQuantity) ||
            Held(item, 7))
               ? 1
               : 0;
}

// 172.334(a): explosives and radioactive placards show no ID numbers.
DRAVLEN_API int NoIDsOnPlacards_Hazmat(const Hazmat *item)
{
    const HazDiv hd = HazardDiv(item, 0);
    return (hd.hazClass == 1 || hd.hazClass == 7) ? 1 : 0;
}

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
