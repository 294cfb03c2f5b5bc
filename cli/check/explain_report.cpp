#include "check/explain_report.h"

#include "frontend/explanation.h"

#include <sstream>

namespace velmora::check {

using nlohmann::json;

void AddReasons(Engine *engine, json &report)
{
    Load *load = GetLoad_Engine(engine);
    json &options = report["options"];
    for (size_t o = 0; o < options.size(); ++o) {
        json reasons = json::array();
        for (const frontend::ReasonLine &line : frontend::explainOption(engine, static_cast<int>(o))) {
            json items = json::array();
            for (int i : line.items) {
                const Hazmat *item = GetHazmat_Load(load, static_cast<uint32_t>(i));
                const char *id = item ? GetID_Hazmat(item) : nullptr;
                items.push_back({{"index", i + 1}, {"id", id ? id : ""}});
            }
            reasons.push_back({{"kind", frontend::reasonKindName(line.kind)},
                               {"kind_code", line.kind},
                               {"text", line.text},
                               {"citation", line.citation},
                               {"items", items}});
        }
        options[o]["reasons"] = reasons;
    }
}

std::string FormatReasons(const json &report)
{
    std::ostringstream s;
    const json &options = report["options"];
    for (size_t o = 0; o < options.size(); ++o) {
        if (!options[o].contains("reasons"))
            continue;
        s << "  Why, placarding option " << o + 1 << " of " << options.size() << ":\n";
        for (const json &r : options[o]["reasons"]) {
            s << "    " << r["kind"].get<std::string>() << ": " << r["text"].get<std::string>();
            if (!r["citation"].get<std::string>().empty())
                s << "  [" << r["citation"].get<std::string>() << "]";
            s << "\n";
        }
    }
    return s.str();
}

} // namespace velmora::check
