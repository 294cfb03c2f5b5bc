#include "inspection/vehicles.h"

#include <cstring>

namespace dravlen {

namespace {

// Cargo tank specifications of 49 CFR 178.337-178.348 (DOT/TC 406, 407, 412,
// MC 331, 338), the older MC 300-312 series still in service under 180.405,
// plus the unit load and non-specification tanks.
constexpr const char *kVehicles[kVehicleCount] = {
    "Unknown",   "Unit Load", "Non-Spec Cargo Tank", "DOT/TC 406", "DOT/TC 407",
    "DOT/TC 412", "MC 300",   "MC 301",              "MC 302",     "MC 303",
    "MC 304",    "MC 305",    "MC/TC 306",           "MC/TC 307",  "MC 310",
    "MC 311",    "MC/TC 312", "MC/TC 330",           "MC/TC 331",  "MC/TC 338",
};

} // namespace

const char *VehicleName(int code)
{
    return code >= 0 && code < kVehicleCount ? kVehicles[code] : nullptr;
}

bool IsCargoTankVehicle(int code)
{
    return code >= 2 && code < kVehicleCount;
}

int VehicleCode(const char *name)
{
    if (!name)
        return -1;
    for (int code = 0; code < kVehicleCount; ++code) {
        if (std::strcmp(kVehicles[code], name) == 0)
            return code;
    }
    return -1;
}

} // namespace dravlen
