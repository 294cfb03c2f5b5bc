// The quantity facts an item may give for the hazmat safety permit rules
// (49 CFR 385.403): which ones apply to an item, and which values are
// refused, with the reason a user reads.  The item dialog and velmora-check
// ask the same questions.
#pragma once

#include "dravlen.h"

#include <string>

namespace velmora::frontend {

// Net explosive mass: Class 1 entries (385.403(b)).
bool takesNetExplosiveMass(const Hazmat *item);
// The largest package in litres: items not in bulk packaging (385.403(c)).
bool takesPackageCapacity(const Hazmat *item);
// The bulk packaging's capacity in gallons: bulk items (385.403(e), (f)).
bool takesBulkCapacity(const Hazmat *item);

// Why a value cannot be given for the item, or "" when it can.  The net
// explosive mass is in the item's weight unit.
std::string netExplosiveMassProblem(const Hazmat *item, double mass);
std::string packageCapacityProblem(const Hazmat *item, double litres);
std::string bulkCapacityProblem(const Hazmat *item, double gallons);

// 171.8: a non-bulk packaging holds at most 450 L as a receptacle for a
// liquid.  The largest bulk packagings (tank cars) stay well below 50,000
// gallons.
constexpr double kLargestNonBulkLitres = 450;
constexpr double kLargestBulkGallons = 50000;

} // namespace velmora::frontend
