// Fuzz target: velmora-check's JSON truckload reader.  Any input either
// fills the load or is refused with InputError naming the input; nothing
// else may escape (an escaping exception aborts the run).
#include "fuzz_support.h"

#include "check/compliance_report.h"
#include "check/truckload_reader.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace velmora_fuzz;
    Engine *engine = &SharedEngine();
    Load *load = GetLoad_Engine(engine);
    Reset_Load(load);
    const std::string text(reinterpret_cast<const char *>(data), size);
    try {
        velmora::check::ReadTruckloadJson(engine, text, "fuzz.json");
    } catch (const velmora::check::InputError &e) {
        Require(std::string(e.what()).rfind("fuzz.json: ", 0) == 0);
        Reset_Load(load);
        return 0;
    }
    // A truckload that reads is computed and described.
    const nlohmann::json report = velmora::check::DescribeTruckload(engine, "fuzz.json");
    const int legality = velmora::check::LegalityOf(report);
    Require(legality >= 0 && legality <= 2);
    Reset_Load(load);
    return 0;
}
