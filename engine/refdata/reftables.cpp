// Shared record reading of the reference tables, and their release.
#include "refdata/reftables.h"

#include <cstring>

namespace dravlen {

namespace reftables {

void SplitRecord(const char *record, size_t width, const char **out, int count)
{
    static const char kEmpty[] = "";
    size_t pos = 0;
    for (int f = 0; f < count; ++f) {
        const void *end = pos < width ? std::memchr(record + pos, '\0', width - pos) : nullptr;
        if (end == nullptr) {
            out[f] = kEmpty;
            continue;
        }
        out[f] = record + pos;
        pos = static_cast<size_t>(static_cast<const char *>(end) - record) + 1;
    }
}

uint32_t ReadDecimal(const char *text)
{
    uint32_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        const uint32_t digit = static_cast<uint32_t>(*text - '0');
        if (value > (UINT32_MAX - digit) / 10)
            return UINT32_MAX;
        value = value * 10 + digit;
    }
    return value;
}

// Each table's own release (substances.cpp, marine_pollutants.cpp,
// violation_codes.cpp).
void ReleaseSubstances();
void ReleaseMarinePollutants();
void ReleaseViolations();

} // namespace reftables

void ReleaseReferenceTables()
{
    reftables::ReleaseSubstances();
    reftables::ReleaseMarinePollutants();
    reftables::ReleaseViolations();
}

} // namespace dravlen
