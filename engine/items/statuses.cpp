// Regulatory statuses the shipper declares for an item: hazardous substance
// (171.8, Appendix A), hazardous waste (171.8), marine pollutant (171.4,
// Appendix B; "severe" per the list's column), elevated temperature material
// (171.8), reclassification of a flash point 38-60 C flammable liquid as a
// combustible liquid (173.150(f)), residue (171.8), ORM-D (the former
// consumer commodity class), reverse logistics (173.157), lab packs
// (173.12(b)) and non-odorized liquefied petroleum gas (172.326(d)).
#include "items/hazmat_internal.h"
#include "items/qualifier_bits.h"

#include <cstring>

using namespace dravlen;

namespace {

void SetBit(uint32_t &word, uint32_t mask, int on)
{
    word &= ~mask;
    if (on)
        word |= mask;
}

} // namespace

extern "C" {

DRAVLEN_API int IsHazardousSubstanceAllowed_Hazmat(const Hazmat * /*item*/) { return 1; }
DRAVLEN_API int IsHazardousSubstance_Hazmat(const Hazmat *item)
{
    return (item->wordA & bits::kHazardousSubstance) ? 1 : 0;
}
DRAVLEN_API void SetHazardousSubstance_Hazmat(Hazmat *item, int on)
{
    SetBit(item->wordA, bits::kHazardousSubstance, on);
}

DRAVLEN_API int IsHazardousWasteAllowed_Hazmat(const Hazmat * /*item*/) { return 1; }
DRAVLEN_API int IsHazardousWaste_Hazmat(const Hazmat *item)
{
    return (item->wordA & bits::kHazardousWaste) ? 1 : 0;
}
DRAVLEN_API void SetHazardousWaste_Hazmat(Hazmat *item, int on)
{
    SetBit(item->wordA, bits::kHazardousWaste, on);
}

// ---- Marine pollutant ------------------------------------------------------

DRAVLEN_API void SetMarinePollutant_Hazmat(Hazmat *item, int on)
{
    SetBit(item->wordA, bits::kMarinePollutant, on);
}
DRAVLEN_API int IsMarinePollutant_Hazmat(const Hazmat *item)
{
    return (item->wordA & bits::kMarinePollutant) ? 1 : 0;
}
DRAVLEN_API void SetSevereMarinePollutant_Hazmat(Hazmat *item, int on)
{
    SetBit(item->wordA, bits::kSevereMarinePollutant, on);
}
// Severe is stored as bits 20 and 21 together: a plain marine pollutant
// (bit 20 only), or a severe one whose plain bit was cleared (bit 21 left
// alone), is not severe.
DRAVLEN_API int IsSevereMarinePollutant_Hazmat(const Hazmat *item)
{
    return (item->wordA & bits::kSevereMarinePollutant) == bits::kSevereMarinePollutant ? 1 : 0;
}
// UN3077 and UN3082, environmentally hazardous substances, are marine
// pollutants by their very entry: the choice cannot be undone.
DRAVLEN_API int IsMarinePollutantLocked_Hazmat(const Hazmat *item)
{
    return (item->pid == 2059 || item->pid == 2063) ? 1 : 0;
}
DRAVLEN_API void SetMarinePollutantExemption_Hazmat(Hazmat *item, int on)
{
    SetExemption_Hazmat(item, 22, on);
}
DRAVLEN_API int IsMarinePollutantExempt_Hazmat(const Hazmat *item)
{
    return HasExemption_Hazmat(item, 22);
}

// ---- Elevated temperature and combustible reclassification ------------------

DRAVLEN_API int IsElevatedTemperatureAllowed_Hazmat(const Hazmat * /*item*/) { return 1; }
DRAVLEN_API int IsElevatedTemperature_Hazmat(const Hazmat *item)
{
    return (item->wordB & bits::kElevatedTemperature) ? 1 : 0;
}
DRAVLEN_API int IsElevatedTemperatureLocked_Hazmat(const Hazmat *item)
{
    switch (item->pid) {
    case 61: case 2240: case 2241: case 2242: return 1;
    default: return 0;
    }
}
DRAVLEN_API void SetElevatedTemperature_Hazmat(Hazmat *item, int on)
{
    item->wordB &= ~bits::kElevatedTemperature;
    if (on) {
        item->wordB |= bits::kElevatedTemperature;
        // 173.150(f) does not apply to a material offered at or above its
        // flash point.
        item->wordA &= ~bits::kCombustible;
    }
}

// 173.150(f)(2): a Class 3 material with a flash point at or above 38 C
// (packing group III) may be reclassed as a combustible liquid, unless it
// has another hazard, is gasoline or is carried at elevated temperature.
DRAVLEN_API int IsCombustibleAllowed_Hazmat(const Hazmat *item)
{
    const CTRec *row = ItemRow(item);
    if (!row || item->pid == 631)
        return 0;
    const char *cls = GetElement_CTRec(row, -1, kColHazardClass, 0);
    if (!cls || std::strcmp(cls, "3") != 0)
        return 0;
    const int slot = ItemSlot(item);
    if (GetNumElements_CTRec(row, slot, kColLabelCodes) >= 2)
        return 0;
    if (!HasElement_CTRec(row, slot, kColPackagingExceptions, "150"))
        return 0;
    return (item->wordB & bits::kElevatedTemperature) ? 0 : 1;
}
DRAVLEN_API int ReclassifyToCombustible_Hazmat(Hazmat *item, int on)
{
    item->wordA &= ~bits::kCombustible;
    if (!IsCombustibleAllowed_Hazmat(item))
        return 0;
    if (on)
        item->wordA |= bits::kCombustible;
    return 1;
}
DRAVLEN_API int ReclassedToCombustible_Hazmat(const Hazmat *item)
{
    return (item->wordA & bits::kCombustible) ? 1 : 0;
}

// ---- Residue and ORM-D -----------------------------------------------------

DRAVLEN_API int IsResidueAllowed_Hazmat(const Hazmat * /*item*/) { return 1; }
DRAVLEN_API void SetResidue_Hazmat(Hazmat *item, int on)
{
    // Exemption 24 shares the residue bit and is never allowed, so this
    // first clears the bit; the residue state is then set as requested.
    SetExemption_Hazmat(item, 24, on);
    SetBit(item->wordB, bits::kResidue, on);
}
DRAVLEN_API int IsResidue_Hazmat(const Hazmat *item)
{
    return (item->wordB & bits::kResidue) ? 1 : 0;
}

DRAVLEN_API void SetOrmD_Hazmat(Hazmat *item, int on)
{
    SetExemption_Hazmat(item, 8, on);
    SetBit(item->wordB, bits::kOrmD, on);
}
DRAVLEN_API int IsOrmD_Hazmat(const Hazmat *item)
{
    return (item->wordB & bits::kOrmD) ? 1 : 0;
}

// ---- Reverse logistics (exemption 30) --------------------------------------

// 173.157(b): only materials authorised as limited quantities, not
// hazardous waste, of the classes whose limited quantity sections authorise
// reverse logistics: Class 3 and combustible liquids (173.150(e)), Division
// 4.1 (173.151(b)) other than self-reactive materials (173.151(b)(1)(i)
// excludes them; PIDs 2206-2225 are the Division 4.1 self-reactive
// entries UN3221-UN3240), Division 5.1 (173.152), Division 6.1 (173.153),
// Class 8 (173.154) and Class 9 (173.155).  Divisions 4.2 and 4.3 have no
// reverse logistics provision.
DRAVLEN_API int IsReverseLogisticsAllowed_Hazmat(const Hazmat *item)
{
    if (!(item->wordA & bits::kLimitedQuantity) || (item->wordA & bits::kHazardousWaste))
        return 0;
    const int count = HazardCodeCount(item);
    bool div41 = false;
    bool div42or43 = false;
    for (int i = 0; i < count; ++i) {
        const char *code = HazardCode(item, i);
        if (!code)
            continue;
        if (code[0] == '3' || std::strcmp(code, "COMB") == 0)
            return 1;
        if (std::strcmp(code, "5.1") == 0 || std::strcmp(code, "6.1") == 0 || code[0] == '8' ||
            code[0] == '9')
            return 1;
        if (std::strcmp(code, "4.1") == 0)
            div41 = true;
        if (std::strcmp(code, "4.2") == 0 || std::strcmp(code, "4.3") == 0)
            div42or43 = true;
    }
    const bool selfReactive = item->pid >= 2206 && item->pid <= 2225;
    return (div41 && !div42or43 && !selfReactive) ? 1 : 0;
}
DRAVLEN_API int IsReverseLogistics_Hazmat(const Hazmat *item)
{
    return HasExemption_Hazmat(item, 30);
}
DRAVLEN_API int SetReverseLogistics_Hazmat(Hazmat *item, int on)
{
    if (on)
        SetLimitedQuantity_Hazmat(item, 1);
    SetExemption_Hazmat(item, 30, on);
    return IsReverseLogistics_Hazmat(item);
}

// ---- Lab pack (exemption 21) and non-odorized LPG ----------------------------

DRAVLEN_API int IsLabPackExemptionAllowed_Hazmat(const Hazmat *item)
{
    return IsExemptionAllowed_Hazmat(item, 21);
}
DRAVLEN_API void SetLabPackExemption_Hazmat(Hazmat *item, int on)
{
    SetExemption_Hazmat(item, 21, on);
}
DRAVLEN_API int GetLabPackExemption_Hazmat(const Hazmat *item)
{
    return HasExemption_Hazmat(item, 21);
}

DRAVLEN_API void SetNonOdorizedLPG_Hazmat(Hazmat *item, int on)
{
    SetBit(item->wordB, bits::kNonOdorizedLPG, on);
}
DRAVLEN_API int GetNonOdorizedLPG_Hazmat(const Hazmat *item)
{
    return (item->wordB & bits::kNonOdorizedLPG) ? 1 : 0;
}

} // extern "C"
