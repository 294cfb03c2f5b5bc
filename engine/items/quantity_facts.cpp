// Quantities of an item that its gross weight does not tell and that the
// hazmat safety permit rules of 49 CFR 385.403 turn on: the net explosive
// mass ((b): "more than 25 kg (55 pounds) net weight"), the largest
// package ((c): "more than one liter (1.08 quarts) per package") and the
// capacity of a bulk packaging ((e), (f): "13,248 L (3,500 gallons)").
//
// Each fact is absent until set.  It is kept in the item's dictionary as a
// whole number of a small unit in plain decimal digits, so it travels with
// every item record (copies, clipboard, saved truckloads) and an engine
// that does not know it keeps it as an ordinary entry.  The key names carry
// the format's version: a later change of unit or meaning takes new keys,
// and the reader accepts nothing but 1-10 digits within 32 bits, so a
// foreign or damaged value reads as absent and is left as it was.
#include "items/quantity_facts.h"

#include "items/hazmat_internal.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace dravlen {
namespace {

struct Fact {
    const char *key;
    double unitsPerCount;  // caller's unit per stored count
};

// Net explosive mass in grams.
constexpr Fact kNetExplosiveMass{"QTY1_NET_EXPLOSIVE_MASS_G", 0.001};
// Largest package, in millilitres.
constexpr Fact kPackageCapacity{"QTY1_PACKAGE_CAPACITY_ML", 0.001};
// Bulk packaging capacity, in hundredths of a US gallon.
constexpr Fact kBulkCapacity{"QTY1_BULK_CAPACITY_CGAL", 0.01};

// The weight conversion of the item functions: 2.205 pounds per kilogram.
constexpr double kPoundsPerKilogram = 2.205;

bool ReadCount(const Hazmat *item, const Fact &fact, uint32_t &count)
{
    const char *text = Find_Dict(&item->dict, fact.key);
    if (text == nullptr || *text == '\0')
        return false;
    uint64_t value = 0;
    int digits = 0;
    for (const char *p = text; *p; ++p) {
        if (*p < '0' || *p > '9' || ++digits > 10)
            return false;
        value = value * 10 + static_cast<uint64_t>(*p - '0');
    }
    if (value > std::numeric_limits<uint32_t>::max())
        return false;
    count = static_cast<uint32_t>(value);
    return true;
}

// Stores value (in the caller's unit) rounded to the nearest count; refuses
// a value that is not a number, negative, or beyond 32 bits of counts.
int WriteFact(Hazmat *item, const Fact &fact, double value)
{
    if (item == nullptr || !std::isfinite(value) || value < 0)
        return 0;
    const double counts = std::nearbyint(value / fact.unitsPerCount);
    if (counts > static_cast<double>(std::numeric_limits<uint32_t>::max()))
        return 0;
    char text[16];
    std::snprintf(text, sizeof text, "%lu", static_cast<unsigned long>(counts));
    return Add_Dict(&item->dict, fact.key, text) ? 1 : 0;
}

int ReadFact(const Hazmat *item, const Fact &fact, double *value)
{
    uint32_t count = 0;
    if (item == nullptr || !ReadCount(item, fact, count))
        return 0;
    if (value)
        *value = count * fact.unitsPerCount;
    return 1;
}

void ClearFact(Hazmat *item, const Fact &fact)
{
    if (item)
        Add_Dict(&item->dict, fact.key, nullptr);
}

} // namespace

bool NetExplosiveGrams(const Hazmat *item, uint32_t &grams) { return ReadCount(item, kNetExplosiveMass, grams); }
bool PackageMillilitres(const Hazmat *item, uint32_t &ml) { return ReadCount(item, kPackageCapacity, ml); }
bool BulkCapacityHundredthsOfGallon(const Hazmat *item, uint32_t &cgal)
{
    return ReadCount(item, kBulkCapacity, cgal);
}

} // namespace dravlen

using namespace dravlen;

extern "C" {

DRAVLEN_API int SetNetExplosiveMass_Hazmat(Hazmat *item, double mass, int unit)
{
    const double kilograms = unit == WEIGHT_KILOGRAMS ? mass : mass / kPoundsPerKilogram;
    return WriteFact(item, kNetExplosiveMass, kilograms);
}

DRAVLEN_API int GetNetExplosiveMass_Hazmat(const Hazmat *item, int unit, double *mass)
{
    double kilograms = 0;
    if (!ReadFact(item, kNetExplosiveMass, &kilograms))
        return 0;
    if (mass)
        *mass = unit == WEIGHT_KILOGRAMS ? kilograms : kilograms * kPoundsPerKilogram;
    return 1;
}

DRAVLEN_API void ClearNetExplosiveMass_Hazmat(Hazmat *item)
{
    ClearFact(item, kNetExplosiveMass);
}

DRAVLEN_API int SetPackageCapacity_Hazmat(Hazmat *item, double litres)
{
    return WriteFact(item, kPackageCapacity, litres);
}

DRAVLEN_API int GetPackageCapacity_Hazmat(const Hazmat *item, double *litres)
{
    return ReadFact(item, kPackageCapacity, litres);
}

DRAVLEN_API void ClearPackageCapacity_Hazmat(Hazmat *item)
{
    ClearFact(item, kPackageCapacity);
}

DRAVLEN_API int SetBulkCapacity_Hazmat(Hazmat *item, double gallons)
{
    return WriteFact(item, kBulkCapacity, gallons);
}

DRAVLEN_API int GetBulkCapacity_Hazmat(const Hazmat *item, double *gallons)
{
    return ReadFact(item, kBulkCapacity, gallons);
}

DRAVLEN_API void ClearBulkCapacity_Hazmat(Hazmat *item)
{
    ClearFact(item, kBulkCapacity);
}

} // extern "C"
