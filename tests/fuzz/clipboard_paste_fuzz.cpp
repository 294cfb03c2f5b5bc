// Fuzz target: pasting a clipboard block ("Hazmat Clipboard Data", which
// any program may post).  The block is split into records with its bounds
// checked; every record must then read as exactly its span, and the items
// go onto a truckload that is computed.
#include "fuzz_support.h"

#include "frontend/holders.h"
#include "truckload/clipboard.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace velmora_fuzz;
    Engine *engine = &SharedEngine();
    Load *load = GetLoad_Engine(engine);
    // A copy of exactly the block's length, so that any over-read is seen.
    const QByteArray block(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const auto spans = velmora::clipboardRecords(block);
    if (!spans)
        return 0;
    qsizetype next = 0;
    for (const velmora::RecordSpan &s : *spans) {
        Require(s.offset == next && s.length >= 32 && s.offset + s.length <= block.size());
        next = s.offset + s.length;
    }
    Require(next == block.size());
    const uint32_t version = GetLatestSerialHazmatVersion();
    Reset_Load(load);
    for (const velmora::RecordSpan &s : *spans) {
        velmora::frontend::ItemHolder item;
        // A record the engine reads takes exactly its span; one it refuses
        // stops the paste, as in the program.
        if (Unserialize_Hazmat(item.get(), block.constData() + s.offset, version) != static_cast<uint32_t>(s.length))
            break;
        Add_Load(load, item.get());
    }
    Calculate_Engine(engine);
    Reset_Load(load);
    return 0;
}
