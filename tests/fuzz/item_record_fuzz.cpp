// Fuzz target: the bounded item record reader.  The first byte chooses the
// record version (0-8, 8 being unknown); the rest is the record.  A record
// that reads must write back (version 7) to a record that reads again.
#include "fuzz_support.h"

#include "items/hazmat_internal.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace velmora_fuzz;
    SharedEngine();
    if (size < 1)
        return 0;
    const uint32_t version = data[0] % 9;
    // A copy of exactly the record's length, so that any over-read is seen.
    const std::vector<uint8_t> record(data + 1, data + size);

    Hazmat item;
    Init_Hazmat(&item, 0);
    const size_t used = dravlen::UnserializeHazmatBounded(&item, record.data(), record.size(), version);
    Require(used <= record.size());
    if (used != 0) {
        Require(version <= 7 && GetPID_Hazmat(&item) != 0);
        std::vector<uint8_t> again(GetSerialSize_Hazmat(&item, 7));
        Require(Serialize_Hazmat(&item, again.data()) == again.size());
        Hazmat back;
        Init_Hazmat(&back, 0);
        Require(dravlen::UnserializeHazmatBounded(&back, again.data(), again.size(), 7) == again.size());
        Require(back.pid == item.pid && back.wordA == item.wordA && back.wordB == item.wordB);
        Reset_Hazmat(&back, 0);
    }
    Reset_Hazmat(&item, 0);
    return 0;
}
