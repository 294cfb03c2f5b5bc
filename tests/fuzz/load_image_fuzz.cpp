// Fuzz target: the truckload image reader.  Any input is read in test mode
// and in normal mode; an image that reads must write back to an image that
// reads again with the same items.
#include "fuzz_support.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace velmora_fuzz;
    if (size > UINT32_MAX)
        return 0;
    Load *load = GetLoad_Engine(&SharedEngine());
    const auto length = static_cast<uint32_t>(size);

    const int tested = Unserialize_Load(load, data, length, 1);
    Require(tested >= 0 && tested <= 2);
    const int read = Unserialize_Load(load, data, length, 0);
    // Test mode and normal mode agree on the layout.
    Require((tested == 1) == (read == 1));
    Require(read == 0 || read == 1);
    if (read != 0)
        return 0;

    // Derived state is computed from what was read.
    GetNumViolations_Vehicle(load);
    GetNumSPAViolations_Vehicle(load);

    const uint32_t items = GetItemCount_Load(load);
    uint32_t imageSize = 0;
    void *image = Serialize_Load(load, &imageSize);
    Require(image != nullptr);
    Require(Unserialize_Load(load, image, imageSize, 1) == 0);
    Require(Unserialize_Load(load, image, imageSize, 0) == 0);
    Require(GetItemCount_Load(load) == items);
    qv_free(image);
    Reset_Load(load);
    return 0;
}
