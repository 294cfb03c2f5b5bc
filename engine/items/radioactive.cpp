// Class 7 data of an item: the radiation classification that decides its
// label category (172.403: White-I, Yellow-II, Yellow-III) or marks a
// highway route controlled quantity (173.403), the LSA/SCO exclusive-use
// placarding need (172.504(e) Table 1 note), the transport index and the
// criticality safety index of fissile material (173.457), both in tenths.
#include "items/hazmat_internal.h"
#include "items/qualifier_bits.h"

using namespace dravlen;

extern "C" {

DRAVLEN_API void SetRadiationClassification_Hazmat(Hazmat *item, char c)
{
    uint32_t value;
    switch (c) {
    case 0:
    case 'N': value = 0; break;
    case '1': value = bits::kRadiation1; break;
    case '2': value = bits::kRadiation2; break;
    case '3': value = bits::kRadiation3; break;
    case 'H': value = bits::kRadiationH; break;
    default: return;
    }
    item->wordA = (item->wordA & ~bits::kRadiationMask) | value;
}

DRAVLEN_API char GetRadiationClassification_Hazmat(const Hazmat *item)
{
    switch (item->wordA & bits::kRadiationMask) {
    case bits::kRadiation1: return '1';
    case bits::kRadiation2: return '2';
    case bits::kRadiation3: return '3';
    case bits::kRadiationH: return 'H';
    default: return 'N';
    }
}

DRAVLEN_API int IsHRCQAllowed_Hazmat(const Hazmat *item)
{
    const CTRec *row = ItemRow(item);
    return (row && IsHRCQAllowed_CTRec(row)) ? 1 : 0;
}

DRAVLEN_API int IsYellowIIIPossible_Hazmat(const Hazmat *item)
{
    const CTRec *row = ItemRow(item);
    return (row && PrimaryIs(item, "7") && HasLabelCodes_CTRec(row, ItemSlot(item))) ? 1 : 0;
}

DRAVLEN_API int IsLSA_Hazmat(const Hazmat *item)
{
    const CTRec *row = ItemRow(item);
    return (row && IsLSA_CTRec(row)) ? 1 : 0;
}
DRAVLEN_API void SetLSA_Hazmat(Hazmat *item, int on)
{
    if (!IsLSA_Hazmat(item))
        return;
    item->wordB &= ~bits::kLSAPlacard;
    if (on)
        item->wordB |= bits::kLSAPlacard;
}
DRAVLEN_API int GetLSA_Hazmat(const Hazmat *item)
{
    return (item->wordB & bits::kLSAPlacard) ? 1 : 0;
}

DRAVLEN_API int IsSCO_Hazmat(const Hazmat *item)
{
    const CTRec *row = ItemRow(item);
    return (row && IsSCO_CTRec(row)) ? 1 : 0;
}
DRAVLEN_API void SetSCO_Hazmat(Hazmat *item, int on)
{
    if (!IsSCO_Hazmat(item))
        return;
    item->wordB &= ~bits::kSCOPlacard;
    if (on)
        item->wordB |= bits::kSCOPlacard;
}
DRAVLEN_API int GetSCO_Hazmat(const Hazmat *item)
{
    return (item->wordB & bits::kSCOPlacard) ? 1 : 0;
}

DRAVLEN_API void SetTransportIndex_Hazmat(Hazmat *item, uint32_t tenths)
{
    item->transportIndex = tenths;
}
DRAVLEN_API uint32_t GetTransportIndex_Hazmat(const Hazmat *item)
{
    return item->transportIndex;
}

// The fissile entries UN2977, UN3327, UN3328, UN3329, UN3331 and UN3333
// carry a criticality safety index unless the package is fissile exempt
// (exemption 12, 173.453).
DRAVLEN_API int NeedsCSI_Hazmat(const Hazmat *item)
{
    switch (item->pid) {
    case 2378: case 2382: case 2383: case 2384: case 2385: case 2387:
        return HasExemption_Hazmat(item, 12) ? 0 : 1;
    default:
        return 0;
    }
}
DRAVLEN_API void SetCSI_Hazmat(Hazmat *item, uint32_t tenths)
{
    if (NeedsCSI_Hazmat(item))
        item->csi = tenths;
}
DRAVLEN_API uint32_t GetCSI_Hazmat(const Hazmat *item)
{
    return NeedsCSI_Hazmat(item) ? item->csi : 0;
}

} // extern "C"
