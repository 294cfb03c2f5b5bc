// Identification numbers and markings of an option (172.301(a)(3),
// 172.302(a), 172.313, 172.322-172.336), the findings of the segregation
// pass (177.848 and the per-load limits) and the hazmat safety permit
// (385.403), each with its figures.
#include "compute/explain.h"

#include "compute/explain_words.h"
#include "compute/item_facts.h"
#include "compute/load_figures.h"
#include "compute/messages.h"
#include "compute/placard_rules.h"
#include "compute/segregation_items.h"

#include <cstring>

namespace dravlen {
namespace {

// Marking types (see the Marking record).
constexpr int kMarkSingleMaterial = 1;
constexpr int kMarkInhalationNumber = 2;
constexpr int kMarkBulk = 3;
constexpr int kMarkFuelOil = 4;
constexpr int kMarkGasoline = 5;
constexpr int kMarkInhalationHazard = 6;

// Message codes of the 177.848(d) table.
constexpr int kMsgTableDoNotLoad = 1;
constexpr int kMsgTableSeparate = 2;

// 385.403(b): more than 25 kg (55 lb) of Division 1.1, 1.2 or 1.3.
constexpr long kExplosivePermitPounds = 55;

std::vector<uint32_t> ItemsOfPid(const Load *load, int pid)
{
    std::vector<uint32_t> items;
    for (uint32_t i = 0; pid != 0 && i < load->itemCount; ++i)
        if (GetPID_Hazmat(&load->items[i]) == pid)
            items.push_back(i);
    return items;
}

std::string IdText(int number)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d", number);
    return text;
}

// Why an identification number of marking type 1-3 is displayed.
std::pair<std::string, std::string> NumberRule(const Load *load, int type, const std::vector<uint32_t> &items)
{
    const Hazmat *item = items.empty() ? nullptr : &load->items[items.front()];
    switch (type) {
    case kMarkSingleMaterial:
        return {"the single material of the truckload, " + PoundsText(SingleMaterialPounds(load)) +
                    " ≥ 8,820 lb in non-bulk packages loaded at one facility",
                "49 CFR 172.301(a)(3)"};
    case kMarkInhalationNumber: {
        const uint64_t pounds = item ? InhalationMaterialPounds(load, items.front()) : 0;
        const char zone = item ? GetHazardZone_Hazmat(item) : 0;
        return {"poisonous by inhalation, hazard zone " + std::string(1, zone ? zone : '?') + ", " +
                    PoundsText(pounds) + " ≥ 2,205 lb in non-bulk packages loaded at one facility",
                "49 CFR 172.313(c)"};
    }
    default:
        return {"in bulk packaging (" + (item ? PoundsText(GetWeight_Hazmat(item, 0)) : std::string("")) + ")",
                "49 CFR 172.302(a), 172.336"};
    }
}

struct MarkingRule {
    const char *text;
    const char *citation;
};

// The other markings, by type 4-13.
MarkingRule OtherMarkingRule(int type)
{
    switch (type) {
    case 4: return {"FUEL OIL on a cargo tank of fuel oil", "49 CFR 172.336(c)"};
    case 5: return {"GASOLINE on a cargo tank of gasoline", "49 CFR 172.336(c)"};
    case 6: return {"INHALATION HAZARD on bulk packaging of a material with special provision 13, no placard saying so",
                    "49 CFR 172.313(a), 172.102(c)(1)"};
    case 7: return {"the name of the gas on a cargo tank of compressed gas", "49 CFR 172.328(b)"};
    case 8: return {"MARINE POLLUTANT on a vehicle that bears no placard", "49 CFR 172.322(b), (c), (d)(3)"};
    case 9: return {"MOLTEN SULFUR on a cargo tank of molten sulfur", "49 CFR 172.325(b)"};
    case 10: return {"MOLTEN ALUMINUM on a cargo tank of molten aluminum", "49 CFR 172.325(b)"};
    case 11: return {"HOT on bulk packaging of a material at elevated temperature", "49 CFR 172.325(a)"};
    case 12: return {"NON-ODORIZED on a cargo tank of liquefied petroleum gas that is not odorized", "49 CFR 172.328(e)"};
    case 13: return {"sour crude oil in bulk packaging: its hydrogen sulfide warning", "49 CFR 172.327"};
    default: return {"a marking of this option", ""};
    }
}

// The items a marking without a PID speaks of.
std::vector<uint32_t> ItemsOfTypeOnlyMarking(const Load *load, int type)
{
    std::vector<uint32_t> items;
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        const Hazmat *item = &load->items[i];
        if (!IsBulkPackaging_Hazmat(item))
            continue;
        const bool fits = type == kMarkFuelOil ? IsFuelOil_Hazmat(item)
                        : type == kMarkGasoline ? IsGasoline_Hazmat(item)
                                                : RowLists(item, kColSpecialProvisions, "13");
        if (fits)
            items.push_back(i);
    }
    return items;
}

} // namespace

void ExplainMarkings(Engine *engine, const PlacOp &option, std::vector<Reason> &out)
{
    const Load *load = &engine->load;
    // Numbers on the placards themselves (172.332, 172.334).
    for (int k = 0; k < option.placardCount; ++k) {
        const Placard &p = option.placards[k];
        if (!IsIdPlacard(p))
            continue;
        const std::vector<uint32_t> items = ItemsOfPid(load, p.marking.pid);
        const auto [why, citation] = NumberRule(load, p.marking.type, items);
        out.push_back({REASON_IDENTIFICATION_NUMBER,
                       IdText(p.marking.idNumber) + " on the " + PlacardName(p) + " placard: " + why,
                       citation + ", 172.334", items, k});
    }
    for (int k = 0; k < option.markingCount; ++k) {
        const Marking &m = option.markings[k];
        if (m.type >= kMarkSingleMaterial && m.type <= kMarkBulk) {
            const std::vector<uint32_t> items = ItemsOfPid(load, m.pid);
            auto [why, citation] = NumberRule(load, m.type, items);
            const Hazmat *item = items.empty() ? nullptr : &load->items[items.front()];
            std::string panel = "on an orange panel";
            if (item && NoIDsOnPlacards_Hazmat(item)) {
                panel += " (EXPLOSIVES and RADIOACTIVE placards never show a number)";
                citation += ", 172.334(a)";
            } else if (!engine->bulkPlacards) {
                panel += " (numbers on orange panels by choice)";
                citation += ", 172.336(b)";
            }
            out.push_back({REASON_IDENTIFICATION_NUMBER, IdText(m.idNumber) + " " + panel + ": " + why, citation,
                           items});
            continue;
        }
        const MarkingRule rule = OtherMarkingRule(m.type);
        std::vector<uint32_t> items = ItemsOfPid(load, m.pid);
        if (m.pid == 0)
            items = ItemsOfTypeOnlyMarking(load, m.type);
        std::string text = rule.text;
        if (!items.empty())
            text += " (" + ItemName(&load->items[items.front()]) + ")";
        out.push_back({REASON_MARKING, text, rule.citation, items});
    }
}

void ExplainMessages(Engine *engine, std::vector<Reason> &out)
{
    const Load *load = &engine->load;
    const Output &output = engine->output;
    for (int k = 0; k < output.messageCount; ++k) {
        const HazSeg &m = output.messages[k];
        if (m.type == kMsgPermitRequired || m.type == kMsgPermitMayBeRequired)
            continue;  // the permit lines say it with their figures
        std::vector<uint32_t> items = ItemsOfPid(load, m.pid1);
        for (uint32_t i : ItemsOfPid(load, m.pid2))
            items.push_back(i);
        const DravlenReasonKind kind =
            (m.type == kMsgDoNotLoad || m.type == kMsgSeparate || m.type == kMsgConditional) ? REASON_SEGREGATION
                                                                                              : REASON_NOTICE;
        if (m.msg == kMsgTableDoNotLoad || m.msg == kMsgTableSeparate) {
            const bool x = m.msg == kMsgTableDoNotLoad;
            out.push_back({kind,
                           std::string("177.848(d) table, ") + m.class1 + " (" + m.id1 + ") with " + m.class2 + " (" +
                               m.id2 + "): " +
                               (x ? "\"X\", may not be loaded, transported or stored together"
                                  : "\"O\", must be separated so that leaking packages cannot commingle"),
                           "49 CFR 177.848(d)", items});
            continue;
        }
        // The message's own sentence, after the bracketed IDs.
        std::string text = OneLineUtf8(m.reason);
        if (!text.empty() && text.front() == '[') {
            const size_t close = text.find("] ");
            if (close != std::string::npos)
                text.erase(0, close + 2);
        }
        std::string who = m.id1 ? m.id1 : "";
        if (m.id2 && *m.id2)
            who += (who.empty() ? "" : " and ") + std::string(m.id2);
        out.push_back({kind, (who.empty() ? "" : who + ": ") + text, CitationOfKey(m.citation), items});
    }
}

void ExplainPermit(Engine *engine, std::vector<Reason> &out)
{
    const Load *load = &engine->load;
    if (load->itemCount == 0)
        return;
    bool any = false;
    long divisionPounds[3] = {0, 0, 0};
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        const Hazmat *item = &load->items[i];
        const HazDiv d = Hazard(item, 0);
        // 385.403(b) counts net explosive mass: the item's own figure when
        // it is given, its gross weight (an upper bound) otherwise.
        double net = 0;
        if (d.hazClass == 1 && d.division >= 1 && d.division <= 3)
            divisionPounds[d.division - 1] +=
                GetNetExplosiveMass_Hazmat(item, 0, &net) ? static_cast<long>(net + 0.5) : Pounds(item);
        const std::string name = ItemName(item);
        const std::string zone(1, static_cast<char>(GetHazardZone_Hazmat(item)));
        std::string text;
        std::string citation;
        switch (PermitCode(load, i)) {
        case 0: continue;
        case 1:
            text = name + ": a highway route controlled quantity of Class 7: permit required";
            citation = "49 CFR 385.403(a)";
            break;
        case 2:
            text = name + ": the Division " + std::to_string(d.hazClass) + "." + std::to_string(d.division) +
                   " total passes 55 lb at this item (" + PoundsText(static_cast<uint64_t>(divisionPounds[d.division - 1])) +
                   " gross); the limit is net explosive mass: permit may be required";
            citation = "49 CFR 385.403(b)";
            break;
        case 3:
            text = name + ": Division 1.5 in an amount requiring placards: permit required";
            citation = "49 CFR 385.403(b)";
            break;
        case 4:
            text = name + ": poisonous by inhalation, hazard zone A: permit may be required (more than 1 L per package)";
            citation = "49 CFR 385.403(c)";
            break;
        case 5:
            text = name + ": poisonous by inhalation, hazard zone B, in bulk packaging: permit required";
            citation = "49 CFR 385.403(d)";
            break;
        case 6:
            text = name + ": poisonous by inhalation, hazard zone " + zone +
                   ", in bulk packaging: permit may be required (capacity of 13,248 L or more)";
            citation = "49 CFR 385.403(e)";
            break;
        case 7:
            text = name + ": methane in bulk packaging: permit may be required (capacity of 13,248 L or more)";
            citation = "49 CFR 385.403(f)";
            break;
        // The item's quantity facts settle the paragraphs above.
        case PERMIT_EXPLOSIVES_NET_MASS:
            text = name + ": Division " + std::to_string(d.hazClass) + "." + std::to_string(d.division) +
                   " net explosive mass above 25 kg (55 lb): permit required";
            citation = "49 CFR 385.403(b)";
            break;
        case PERMIT_ZONE_A_PACKAGE:
            text = name + ": poisonous by inhalation, hazard zone A, more than 1 L per package: permit required";
            citation = "49 CFR 385.403(c)";
            break;
        case PERMIT_ZONE_C_D_CAPACITY:
            text = name + ": poisonous by inhalation, hazard zone " + zone +
                   ", bulk packaging of 13,248 L (3,500 gallons) or more: permit required";
            citation = "49 CFR 385.403(e)";
            break;
        case PERMIT_METHANE_CAPACITY:
            text = name + ": methane in bulk packaging of 13,248 L (3,500 gallons) or more: permit required";
            citation = "49 CFR 385.403(f)";
            break;
        default:
            continue;
        }
        any = true;
        out.push_back({REASON_PERMIT, text, citation, {i}});
    }
    if (any)
        return;
    std::string explosives;
    for (int d = 0; d < 3; ++d)
        if (divisionPounds[d] > 0)
            explosives += (explosives.empty() ? "" : ", ") + std::string("Division 1.") + std::to_string(d + 1) + " " +
                          PoundsText(static_cast<uint64_t>(divisionPounds[d])) + " ≤ 55 lb";
    out.push_back({REASON_PERMIT,
                   "No hazmat safety permit: no highway route controlled quantity, no Division 1.1-1.3 above 55 lb" +
                       (explosives.empty() ? std::string() : " (" + explosives + ")") +
                       ", no placarded Division 1.5, no inhalation hazard in zone A or in bulk, no methane in bulk",
                   "49 CFR 385.403", {}});
}

} // namespace dravlen
