// The truckload: its items (held by value, in truckload order), name,
// vehicle, shipper declarations and the load-level questions that the
// placarding, marking and dialog code ask.
#include "dravlen.h"

#include "compute/dict.h"
#include "compute/load_inspection.h"
#include "compute/load_items.h"
#include "inspection/inspection.h"
#include "inspection/paper_tally.h"
#include "inspection/vehicles.h"

#include <cstdlib>
#include <cstring>

#include <malloc.h>  // malloc_usable_size

namespace dravlen {

namespace {

constexpr uint32_t kBulkPackaging = 0x10000; // qualifier word A, bit 16

// PIDs of the HMT entries the load-level questions ask about.
constexpr int kPidDieselFuel = 57;      // NA1993, diesel fuel
constexpr int kPidFuelOil = 58;         // NA1993, fuel oil
constexpr int kPidMoltenSulfur = 66;    // NA2448, sulfur, molten
constexpr int kPidMoltenAluminum = 101; // NA9260, aluminum, molten
constexpr int kPidGasoline = 631;       // UN1203, gasoline
constexpr int kPidMoltenSulfurUN = 1608; // UN2448, sulfur, molten

bool AnyItem(const Load *load, bool (*pred)(const Hazmat &))
{
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        if (pred(load->items[i]))
            return true;
    }
    return false;
}

bool AnyPid(const Load *load, int pid)
{
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        if (load->items[i].pid == pid)
            return true;
    }
    return false;
}

} // namespace

} // namespace dravlen

using namespace dravlen;

namespace dravlen {

int AppendLoadItem(Load *load, const Hazmat *item)
{
    if (!item)
        return -1;
    const uint32_t index = load->itemCount;
    // The array grows by half again when full, so adding n items copies
    // O(n) records in all; the room it has is what the allocator gave it
    // (the load keeps no capacity of its own).
    if (load->items == nullptr || malloc_usable_size(load->items) < sizeof(Hazmat) * (size_t{index} + 1)) {
        const size_t room = size_t{index} + 1 + index / 2;
        auto *grown = static_cast<Hazmat *>(std::realloc(load->items, sizeof(Hazmat) * room));
        if (!grown)
            return -1;
        load->items = grown;
    }
    Hazmat *slot = &load->items[index];
    Init_Hazmat(slot, 0);
    Copy_Hazmat(slot, item);
    if (slot->pid == 0) {
        // The copy goes through the item record, which re-binds the item:
        // an item with no table row or no packing group chosen cannot be
        // represented, and an unbound record would stand in the truckload
        // as an item with no identity.  Refuse it and leave the load as it
        // was.
        Reset_Hazmat(slot, 0);
        return -1;
    }
    load->itemCount = index + 1;
    return static_cast<int>(index);
}

} // namespace dravlen

extern "C" {

DRAVLEN_API int GetSizeOf_Load(void) { return sizeof(Load); }

DRAVLEN_API Load *Alloc_Load(void) { return static_cast<Load *>(std::malloc(sizeof(Load))); }

DRAVLEN_API void Init_Load(Load *load)
{
    // Everything zero, the vehicle code at the last cargo tank evaluation
    // included: fresh storage must not carry an arbitrary code into the
    // inspection model.
    std::memset(load, 0, sizeof *load);
    DropTally(load);
}

DRAVLEN_API void Reset_Load(Load *load)
{
    for (uint32_t i = 0; i < load->itemCount; ++i)
        Reset_Hazmat(&load->items[i], 0);
    std::free(load->items);
    std::free(load->name);
    ReleaseDict(&load->dict);
    ReleaseQuestionList(&load->mctiQuestions);
    ReleaseQuestionList(&load->spaQuestions);
    ReleaseViolationList(&load->mctiViolations);
    ReleaseViolationList(&load->segregationViolations);
    ReleaseViolationList(&load->manualViolations);
    ReleaseViolationList(&load->spaViolations);
    // The code at the last cargo tank evaluation survives, so that the next
    // evaluation notices a change of vehicle.
    const int32_t lastInspected = load->lastInspectedVehicle;
    std::memset(load, 0, sizeof *load);
    DropTally(load);
    load->lastInspectedVehicle = lastInspected;
}

DRAVLEN_API uint32_t GetItemCount_Load(const Load *load) { return load->itemCount; }

DRAVLEN_API Hazmat *GetHazmat_Load(Load *load, uint32_t i)
{
    return i < load->itemCount ? &load->items[i] : nullptr;
}

DRAVLEN_API int Add_Load(Load *load, const Hazmat *item)
{
    const int index = AppendLoadItem(load, item);
    if (index < 0)
        return -1;
    UpdateQuestionsForAppendedItem(load);
    ReevaluateLoadPaperViolations(load);
    return index;
}

DRAVLEN_API int Remove_Load(Load *load, uint32_t i)
{
    if (i >= load->itemCount)
        return 0;
    Reset_Hazmat(&load->items[i], 0);
    DropTally(load);  // the next append counts the items again
    // The later records move down as they are, their lists with them.
    std::memmove(&load->items[i], &load->items[i + 1], sizeof(Hazmat) * (load->itemCount - i - 1));
    --load->itemCount;
    if (load->itemCount == 0) {
        std::free(load->items);
        load->items = nullptr;
    } else if (auto *shrunk = static_cast<Hazmat *>(
                   std::realloc(load->items, sizeof(Hazmat) * load->itemCount))) {
        load->items = shrunk;
    }
    return 1;
}

DRAVLEN_API const char *GetName_Load(const Load *load) { return load->name; }

DRAVLEN_API void SetName_Load(Load *load, const char *name)
{
    char *copy = nullptr;
    if (name) {
        const std::size_t n = std::strlen(name) + 1;
        copy = static_cast<char *>(std::malloc(n));
        if (!copy)
            return; // out of memory: the old name stays
        std::memcpy(copy, name, n);
    }
    std::free(load->name);
    load->name = copy;
}

DRAVLEN_API const char *GetVehicle_Load(const Load *load)
{
    const char *name = VehicleName(load->vehicleCode);
    return name ? name : VehicleName(0);
}

DRAVLEN_API int SetVehicle_Load(Load *load, const char *name)
{
    const int code = VehicleCode(name);
    if (code < 0)
        return 0;
    if (code != load->vehicleCode) {
        load->vehicleCode = code;
        RebuildLoadQuestions(load, 0);
        RebuildLoadQuestions(load, 1);
    }
    return 1;
}

DRAVLEN_API int Has8820Criteria_Load(const Load *load) { return load->criteria8820; }
DRAVLEN_API void Set8820Criteria_Load(Load *load, int value) { load->criteria8820 = value; }
DRAVLEN_API int IsDODShipment_Load(const Load *load) { return load->dodShipment; }
DRAVLEN_API void SetDODShipment_Load(Load *load, int value) { load->dodShipment = value; }

DRAVLEN_API int HasNonBulk_Load(const Load *load)
{
    return AnyItem(load, [](const Hazmat &h) { return (h.wordA & kBulkPackaging) == 0; });
}

DRAVLEN_API int HasFuelOil_Load(const Load *load) { return AnyPid(load, kPidFuelOil); }
DRAVLEN_API int HasDieselFuel_Load(const Load *load) { return AnyPid(load, kPidDieselFuel); }
DRAVLEN_API int HasGasoline_Load(const Load *load) { return AnyPid(load, kPidGasoline); }

DRAVLEN_API int HasMoltenSulfur_Load(const Load *load)
{
    return AnyPid(load, kPidMoltenSulfur) || AnyPid(load, kPidMoltenSulfurUN);
}

DRAVLEN_API int HasMoltenAluminum_Load(const Load *load) { return AnyPid(load, kPidMoltenAluminum); }

DRAVLEN_API int IsOnlyFuelOil_Load(const Load *load) { return load->allFuelOil != 0; }
DRAVLEN_API int IsOnlyGasoline_Load(const Load *load) { return load->allGasoline != 0; }

} // extern "C"
