#include "check/compliance_report.h"

#include "frontend/compliance_vocabulary.h"
#include "frontend/placard_limit.h"

#include <cstdio>
#include <sstream>

namespace velmora::check {

namespace {

using nlohmann::json;

const char *LegalityName(int legality)
{
    switch (legality) {
    case 0: return "legal";
    case 1: return "illegal";
    default: return "undetermined";
    }
}

json DescribePlacard(const Placard *p)
{
    json j;
    const PlacardPicture *picture = FindPlacardPicture(p);
    j["name"] = picture ? picture->name : "Unknown";
    j["class"] = GetClass_Placard(p);
    j["division"] = GetDivision_Placard(p);
    const char letter = GetRawCompatGroup_Placard(p);
    j["letter"] = letter ? std::string(1, letter) : std::string();
    if (IsBulk_Placard(p))
        j["id"] = GetIDNo_Placard(p);
    else
        j["id"] = nullptr;
    j["primary"] = IsPrimary_Placard(p) != 0;
    return j;
}

json DescribeMarking(const Marking *m)
{
    json j;
    const int type = GetType_Marking(m);
    const MarkingKind *kind = FindMarkingKind(type);
    j["type"] = type;
    j["name"] = kind ? kind->name : "Unknown";
    if (type >= 1 && type <= 3) {
        char number[16];
        std::snprintf(number, sizeof number, "%.4d", GetIDNo_Marking(m));
        j["id"] = number;
    } else {
        j["id"] = nullptr;
    }
    j["text"] = type == 7 ? json(GetPSN_Marking(m) ? GetPSN_Marking(m) : "") : json(nullptr);
    j["citation"] = kind ? kind->citation : "";
    return j;
}

} // namespace

json DescribeTruckload(Engine *engine, const std::string &source)
{
    Load *load = GetLoad_Engine(engine);
    Calculate_Engine(engine);
    frontend::computeWithinPlacardLimit(engine);

    json r;
    r["file"] = source;
    r["name"] = GetName_Load(load) ? GetName_Load(load) : "";
    const int ruleset = GetRuleset_Engine(engine);
    const char *status = GetStatus_Ruleset(ruleset);
    r["ruleset"] = {{"index", ruleset},
                    {"docket", GetDocket_Ruleset(ruleset)},
                    {"status", status ? status : ""}};
    r["vehicle"] = GetVehicle_Load(load);

    json options = json::array();
    const int count = GetNumOutputs_Engine(engine);
    for (int i = 0; i < count; ++i) {
        Output *out = GetOutput_Engine(engine, i);
        json option;
        json placards = json::array();
        bool dangerous = false;
        for (Placard *p = GetFirstPlacardPointer_Output(out); p; p = GetNextPlacardPointer_Output(out)) {
            dangerous = dangerous || GetClass_Placard(p) == 0;
            placards.push_back(DescribePlacard(p));
        }
        json markings = json::array();
        for (Marking *m = GetFirstMarkingPointer_Output(out); m; m = GetNextMarkingPointer_Output(out))
            markings.push_back(DescribeMarking(m));
        option["dangerous"] = dangerous;
        option["placards"] = placards;
        option["markings"] = markings;
        options.push_back(option);
    }
    r["options"] = options;

    json messages = json::array();
    if (count > 0) {
        Output *out = GetOutput_Engine(engine, 0);
        HazSeg seg;
        for (int more = GetFirstSegregation_Output(out, &seg); more; more = GetNextSegregation_Output(out, &seg)) {
            json items = json::array();
            if (GetPID1_HazSeg(&seg))
                items.push_back(GetID1_HazSeg(&seg));
            if (GetPID2_HazSeg(&seg))
                items.push_back(GetID2_HazSeg(&seg));
            messages.push_back({{"type", GetType_HazSeg(&seg)},
                                {"heading", MessageHeading(GetType_HazSeg(&seg))},
                                {"code", GetMsg_HazSeg(&seg)},
                                {"text", GetReason_HazSeg(&seg)},
                                {"citation", GetCitation_HazSeg(&seg)},
                                {"items", items}});
        }
    }
    r["messages"] = messages;

    const int legality = GetLegality_Engine(engine);
    r["legality"] = LegalityName(legality);
    r["legality_code"] = legality;

    // 49 CFR 385.403: the truckload needs a permit when one item does; it
    // may need one when one item may.
    json permitItems = json::array();
    std::string verdict = "No";
    const unsigned n = GetItemCount_Load(load);
    for (unsigned i = 0; i < n; ++i) {
        const char *answer = HazmatPermitString_Load(load, i);
        const std::string a = answer ? answer : "No";
        permitItems.push_back({{"index", i + 1}, {"id", GetID_Hazmat(GetHazmat_Load(load, i))}, {"permit", a}});
        if (a == "Yes")
            verdict = "Yes";
        else if (a == "Maybe" && verdict == "No")
            verdict = "Maybe";
    }
    r["permit"] = {{"verdict", verdict}, {"items", permitItems}};
    return r;
}

int LegalityOf(const json &report)
{
    return report.at("legality_code").get<int>();
}

std::string FormatTruckload(const json &r)
{
    std::ostringstream s;
    s << "Truckload " << (r["name"].get<std::string>().empty() ? r["file"].get<std::string>() : r["name"].get<std::string>())
      << "\n";
    s << "  Ruleset " << r["ruleset"]["index"].get<int>() << ": " << r["ruleset"]["status"].get<std::string>()
      << " Rules (" << r["ruleset"]["docket"].get<std::string>() << ")\n";
    s << "  Vehicle: " << r["vehicle"].get<std::string>() << "\n";
    const json &options = r["options"];
    for (size_t i = 0; i < options.size(); ++i) {
        const json &o = options[i];
        s << "  Placarding option " << i + 1 << " of " << options.size()
          << (o["dangerous"].get<bool>() ? " (DANGEROUS)" : "") << "\n";
        if (o["placards"].empty())
            s << "    No placards are required for this truckload.\n";
        for (const json &p : o["placards"]) {
            s << "    " << p["name"].get<std::string>();
            if (p["class"].get<int>() != 0) {
                s << "  class " << p["class"].get<int>();
                if (p["division"].get<int>() != 0)
                    s << "." << p["division"].get<int>();
                if (!p["letter"].get<std::string>().empty())
                    s << " " << p["letter"].get<std::string>();
            }
            if (!p["id"].is_null())
                s << "  ID " << p["id"].get<int>();
            s << (p["primary"].get<bool>() ? "  primary" : "  subsidiary") << "\n";
        }
        for (const json &m : o["markings"]) {
            s << "    Marking: " << m["name"].get<std::string>();
            if (!m["id"].is_null())
                s << " " << m["id"].get<std::string>();
            if (!m["text"].is_null())
                s << " \"" << m["text"].get<std::string>() << "\"";
            s << "  [" << m["citation"].get<std::string>() << "]\n";
        }
    }
    if (r["messages"].empty())
        s << "  There are no segregations or restrictions for this truckload.\n";
    for (const json &m : r["messages"]) {
        // Reasons break their paragraphs with "\n": indent them as one block.
        std::string text = m["text"].get<std::string>();
        for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 5))
            text.replace(at, 1, "\n    ");
        s << "  " << m["heading"].get<std::string>() << ": " << text;
        if (!m["citation"].get<std::string>().empty())
            s << "  [" << m["citation"].get<std::string>() << "]";
        s << "\n";
    }
    s << "  Legality: " << r["legality"].get<std::string>() << "\n";
    s << "  Hazmat safety permit: " << r["permit"]["verdict"].get<std::string>() << "\n";
    return s.str();
}

} // namespace velmora::check
