#include "frontend/quantity_facts.h"

#include <cmath>

namespace velmora::frontend {

bool takesNetExplosiveMass(const Hazmat *item)
{
    HazDiv primary{};
    const bool parsed = GetNumHazDivs_Hazmat(item) > 0 && Init_HazDiv(&primary, GetHazDivString_Hazmat(item, 0));
    return parsed && GetClass_HazDiv(&primary) == 1;
}

bool takesPackageCapacity(const Hazmat *item) { return GetPID_Hazmat(item) != 0 && !IsBulkPackaging_Hazmat(item); }

bool takesBulkCapacity(const Hazmat *item) { return GetPID_Hazmat(item) != 0 && IsBulkPackaging_Hazmat(item); }

std::string netExplosiveMassProblem(const Hazmat *item, double mass)
{
    if (!takesNetExplosiveMass(item))
        return "only for Class 1 (explosive) entries";
    const int unit = GetWeightUnit_Hazmat(item);
    const unsigned weight = GetWeight_Hazmat(item, unit);
    if (!std::isfinite(mass) || mass < 0 || mass > weight)
        return "expected a value from 0 to the item's weight (" + std::to_string(weight) +
               (unit == WEIGHT_KILOGRAMS ? " kg)" : " lb)");
    return {};
}

std::string packageCapacityProblem(const Hazmat *item, double litres)
{
    if (!takesPackageCapacity(item))
        return "a bulk item gives the capacity of its bulk packaging instead";
    if (!std::isfinite(litres) || !(litres > 0) || litres > kLargestNonBulkLitres)
        return "expected more than 0 and at most 450 litres (a non-bulk package)";
    return {};
}

std::string bulkCapacityProblem(const Hazmat *item, double gallons)
{
    if (!takesBulkCapacity(item))
        return "only for an item in bulk packaging";
    if (!std::isfinite(gallons) || !(gallons > 0) || gallons > kLargestBulkGallons)
        return "expected more than 0 and at most 50,000 gallons";
    return {};
}

} // namespace velmora::frontend
