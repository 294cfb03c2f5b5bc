// The hazard codes of an item: its primary hazard (the row's hazard class,
// or "COMB" once reclassified as a combustible liquid under 49 CFR
// 173.150(f)) followed by the subsidiary hazards of the row's label codes
// (172.101(g)), plus one added subsidiary hazard when the shipper declares
// it: exemption 10 adds a flammable liquid hazard (172.102 special provision
// 151) and exemption 32 a corrosive one (173.225(c)(8)).
#include "items/hazmat_internal.h"
#include "items/qualifier_bits.h"

#include <cstdlib>
#include <cstring>

namespace dravlen {

namespace {

int LabelCount(const Hazmat *item, const CTRec *row)
{
    return GetNumElements_CTRec(row, HazardCodeSlot(item, row), kColLabelCodes);
}

} // namespace

int HazardCodeCount(const Hazmat *item)
{
    const CTRec *row = ItemRow(item);
    if (!row)
        return 0;
    int count = LabelCount(item, row);
    if (count < 1)
        count = 1;
    if (Held(item, 10) || Held(item, 32))
        ++count;
    return count;
}

const char *HazardCode(const Hazmat *item, int i)
{
    const CTRec *row = ItemRow(item);
    if (!row || i < 0)
        return nullptr;
    const int count = HazardCodeCount(item);
    if (i >= count)
        return nullptr;
    if (i == 0) {
        if (item->wordA & bits::kCombustible)
            return "COMB";
        return GetElement_CTRec(row, -1, kColHazardClass, 0);
    }
    if (i == count - 1) {
        if (Held(item, 10))
            return "3";
        if (Held(item, 32))
            return "8";
    }
    return GetElement_CTRec(row, HazardCodeSlot(item, row), kColLabelCodes, i);
}

HazDiv HazardDiv(const Hazmat *item, int i)
{
    HazDiv hd{};
    Init_HazDiv(&hd, HazardCode(item, i));
    return hd;
}

bool PrimaryIs(const Hazmat *item, const char *text)
{
    const char *code = HazardCode(item, 0);
    return code && std::strcmp(code, text) == 0;
}

} // namespace dravlen

extern "C" {

DRAVLEN_API int GetNumHazDivs_Hazmat(const Hazmat *item)
{
    return dravlen::HazardCodeCount(item);
}

DRAVLEN_API const char *GetHazDivString_Hazmat(const Hazmat *item, int i)
{
    return dravlen::HazardCode(item, i);
}

DRAVLEN_API const char *GetHazDivDesc_Hazmat(const Hazmat *item, int i)
{
    const char *code = dravlen::HazardCode(item, i);
    if (!code)
        return nullptr;
    HazDiv hd{};
    Init_HazDiv(&hd, code);
    return GetDesc_HazDiv(&hd);
}

DRAVLEN_API char *GetPrimaryClass_Hazmat(const Hazmat *item)
{
    const char *code = dravlen::HazardCode(item, 0);
    if (!code)
        return nullptr;
    // Hazard codes are at most 9 characters ("1.4S", "COMB", "6.1"); a
    // longer table text is cut rather than overrun the promise.
    const size_t n = strnlen(code, 9);
    char *copy = static_cast<char *>(std::malloc(n + 1));
    if (!copy)
        return nullptr;
    std::memcpy(copy, code, n);
    copy[n] = '\0';
    return copy;
}

DRAVLEN_API int HasSubsidiary_Hazmat(const Hazmat *item, const char *text)
{
    if (!text)
        return 0;
    const int count = dravlen::HazardCodeCount(item);
    for (int i = 1; i < count; ++i) {
        const char *code = dravlen::HazardCode(item, i);
        if (code && std::strcmp(code, text) == 0)
            return 1;
    }
    return 0;
}

} // extern "C"
