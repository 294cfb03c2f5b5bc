// Regulation links for HMT column values, shown by the table-entry view:
// a special provision to its 49 CFR 172.102 paragraph, a packaging section
// to Part 173, a label code to its label section, and so on.  A record is
// the key (column code as two digits, the value, "|") followed by the
// target ("49cfr172.102(101)"); records are in ascending byte order of the
// key and are searched in place, never decoded.
#include "dravlen.h"
#include "refdata/reftables.h"

#include <cstdio>
#include <cstring>

namespace dravlen::reftables {

namespace {
// The key of the last lookup; the next lookup overwrites it.  A key that
// does not fit cannot match a 32-byte record either.
char g_key[kLinkWidth];

const char *FindLink(int column, const char *value)
{
    if (value == nullptr || column < 0 || column > 99)
        return nullptr;
    const int n = std::snprintf(g_key, sizeof g_key, "%02d%s|", column, value);
    if (n < 0 || static_cast<size_t>(n) >= sizeof g_key)
        return nullptr;
    const size_t keyLen = static_cast<size_t>(n);
    size_t lo = 0, hi = kLinkRecordsCount;
    while (lo < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        const char *rec = kLinkRecords + mid * kLinkWidth;
        const int cmp = std::memcmp(rec, g_key, keyLen);
        if (cmp == 0)
            return rec + keyLen;
        if (cmp < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    return nullptr;
}
} // namespace

} // namespace dravlen::reftables

using dravlen::reftables::FindLink;

extern "C" {

DRAVLEN_API const char *GetLink_HazData(int column, const char *value)
{
    return FindLink(column, value);
}

} // extern "C"
