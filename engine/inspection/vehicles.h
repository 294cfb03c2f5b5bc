// The vehicle table: the 20 kinds of vehicle or cargo tank a truckload can
// travel in.  The code chooses the cargo tank inspection questions.
#pragma once

namespace dravlen {

constexpr int kVehicleCount = 20;

// Name of a vehicle code 0-19 ("Unknown" ... "MC/TC 338"), or null.
const char *VehicleName(int code);

// Code of a vehicle name (exact text), or -1 when it is not in the table.
int VehicleCode(const char *name);

// Whether the code names a cargo tank (171.8: a bulk packaging permanently
// attached to or forming part of a motor vehicle): every code from
// "Non-Spec Cargo Tank" on.  "Unknown" and "Unit Load" are not.
bool IsCargoTankVehicle(int code);

} // namespace dravlen
