// Whether the truckload's items may travel in a vehicle or cargo tank type
// (the bulk packaging authorisations of 49 CFR 173), and what choosing one
// would do to the load's legality.
#include "dravlen.h"

#include "inspection/vehicles.h"

#include <cstring>

using namespace dravlen;

namespace {

// The next item from position `from` that the vehicle code does not allow,
// or the item count.
uint32_t NextForbidden(const Load *load, uint32_t from, int code)
{
    for (uint32_t i = from; i < load->itemCount; ++i) {
        if (!IsVehicleAllowed_Hazmat(&load->items[i], code))
            return i;
    }
    return load->itemCount;
}

} // namespace

extern "C" {

DRAVLEN_API int IsVehicleAllowed_Load(const Load *load, int code)
{
    return NextForbidden(load, 0, code) == load->itemCount ? 1 : 0;
}

DRAVLEN_API int IsCurrentVehicleAllowed_Load(const Load *load)
{
    return IsVehicleAllowed_Load(load, load->vehicleCode);
}

DRAVLEN_API int TestSetVehicle_Load(const Load *load, const char *name, int *out)
{
    const int code = VehicleCode(name);
    if (code <= 0)  // not in the table, or "Unknown"
        return 0;
    const int allowed = IsVehicleAllowed_Load(load, code);
    if (out)
        *out = allowed ? 0 : 1;
    return allowed;
}

DRAVLEN_API const char *GetNextVehicleForbiddenUN_Load(Load *load)
{
    const uint32_t from = load->forbiddenCursor < 0 ? 0u : static_cast<uint32_t>(load->forbiddenCursor);
    const uint32_t i = NextForbidden(load, from, load->vehicleCode);
    if (i >= load->itemCount) {
        load->forbiddenCursor = static_cast<int32_t>(load->itemCount);
        return nullptr;
    }
    load->forbiddenCursor = static_cast<int32_t>(i + 1);
    return GetID_Hazmat(&load->items[i]);
}

DRAVLEN_API const char *GetFirstVehicleForbiddenUN_Load(Load *load)
{
    load->forbiddenCursor = 0;
    return GetNextVehicleForbiddenUN_Load(load);
}

// "Unknown" restricts nothing (every item may travel in it), so choosing it
// keeps the load as legal as it is; a name outside the vehicle table gives
// 0 and leaves *out untouched.
DRAVLEN_API int TestVehicle_Engine(Engine *engine, const char *name, int *out)
{
    const int code = VehicleCode(name);
    if (code < 0)
        return 0;
    Calculate_Engine(engine);
    const int legality = GetLegality_Engine(engine);
    if (code == 0 || IsVehicleAllowed_Load(&engine->load, code))
        return 1;
    if (legality == 1)
        return 1;  // already illegal: the choice cannot make it worse
    if (out)
        *out = 1;
    return 0;
}

} // extern "C"
