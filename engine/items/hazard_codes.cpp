// The hazard codes of an item: its primary hazard (the row's hazard class,
// or "COMB" once reclassified as a combustible liquid under 49 CFR
// 173.150(f)) followed by the subsidiary hazards of the row's label codes
// (172.101(g)), plus one added subsidiary hazard when the shipper declares
// it: exemption 10 adds a flammable liquid hazard (172.102 special provision
// 151) and exemption 32 a corrosive one (173.225(c)(8)).
#include "items/hazmat_internal.h"
#include "items/qualifier_bits.h"
#include "refdata/hmt_table.h"

#include <cstdlib>
#include <cstring>

namespace dravlen {

int HazardCodeCount(const Hazmat *item)
{
    return ReadItem(item).hazardCount;
}

const char *HazardCode(const Hazmat *item, int i)
{
    return HazardCode(ReadItem(item), i);
}

const char *HazardCode(const ItemReading &r, int i)
{
    if (!r.row || i < 0 || i >= r.hazardCount)
        return nullptr;
    if (i == 0) {
        if (r.item->wordA & bits::kCombustible)
            return "COMB";
        return r.row->hazClass;  // the row's column 3
    }
    if (i == r.hazardCount - 1 && r.declared)
        return r.declared;
    return i < r.labelCount ? r.labels[i] : nullptr;
}

HazDiv HazardDiv(const Hazmat *item, int i)
{
    return HazardDiv(ReadItem(item), i);
}

HazDiv HazardDiv(const ItemReading &r, int i)
{
    if (i == 0)
        return r.primary;
    HazDiv hd{};
    Init_HazDiv(&hd, HazardCode(r, i));
    return hd;
}

bool PrimaryIs(const Hazmat *item, const char *text)
{
    return PrimaryIs(ReadItem(item), text);
}

bool PrimaryIs(const ItemReading &r, const char *text)
{
    const char *code = HazardCode(r, 0);
    return code && code[0] == text[0] && std::strcmp(code, text) == 0;
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
