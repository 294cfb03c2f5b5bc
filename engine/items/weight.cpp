// The item's quantity: a whole number in pounds or kilograms.  Conversion
// uses 2.205 pounds per kilogram, the factor of the placarding thresholds in
// 49 CFR 172.504 (1,001 lb = 454 kg; 2,205 lb = 1,000 kg), and drops the
// fraction.
#include "items/hazmat_internal.h"
#include "items/qualifier_bits.h"

#include <cstdint>
#include <limits>

extern "C" {

DRAVLEN_API void SetWeight_Hazmat(Hazmat *item, uint32_t weight)
{
    item->weight = weight;
}

DRAVLEN_API void SetWeightUnit_Hazmat(Hazmat *item, int unit)
{
    if (unit == 1)
        item->wordA |= dravlen::bits::kKilograms;
    else
        item->wordA &= ~dravlen::bits::kKilograms;
}

DRAVLEN_API int GetWeightUnit_Hazmat(const Hazmat *item)
{
    return (item->wordA & dravlen::bits::kKilograms) ? 1 : 0;
}

DRAVLEN_API uint32_t GetWeight_Hazmat(const Hazmat *item, int unit)
{
    const int want = unit == 1 ? 1 : 0;
    const uint64_t w = item->weight;
    if (want == GetWeightUnit_Hazmat(item))
        return item->weight;
    // Exact decimal arithmetic: 1000 kg is 2205 lb, never 2204.
    const uint64_t converted = want == 1 ? w * 1000 / 2205 : w * 2205 / 1000;
    // A kilogram figure near the 32-bit limit cannot be expressed in pounds:
    // saturate rather than wrap to a small weight.
    if (converted > std::numeric_limits<uint32_t>::max())
        return std::numeric_limits<uint32_t>::max();
    return static_cast<uint32_t>(converted);
}

} // extern "C"
