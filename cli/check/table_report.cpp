#include "check/table_report.h"

#include "check/entry_lookup.h"
#include "frontend/entries.h"
#include "frontend/holders.h"
#include "frontend/name_search.h"

#include "dravlen.h"

#include <cctype>
#include <charconv>
#include <sstream>
#include <vector>

namespace velmora::check {

namespace {

std::string Element(const CTRec *row, int slot, int code, int i)
{
    const char *e = GetElement_CTRec(row, slot, code, i);
    std::string text = e ? e : "";
    // Column 2 marks its italic words (not part of the shipping name,
    // 172.101(c)(1)) with <I>...</I> for the table entry page; on a terminal
    // they are shown as plain words.
    for (const char *tag : {"<I>", "</I>"})
        for (size_t at; (at = text.find(tag)) != std::string::npos;)
            text.erase(at, std::char_traits<char>::length(tag));
    return text;
}

// A column's elements on one line.  Shipping names hold commas themselves:
// the alternatives are joined by "or" as the table prints them, their
// descriptions by "; ".
std::string List(const CTRec *row, int slot, int code)
{
    const char *separator = code == CT_COL_SHIPPING_NAMES                ? " or "
                            : code == CT_COL_SHIPPING_NAME_DESCRIPTIONS ? "; "
                                                                         : ", ";
    std::string s;
    const int n = GetNumElements_CTRec(row, slot, code);
    for (int i = 0; i < n; ++i)
        s += (i ? separator : "") + Element(row, slot, code, i);
    return s;
}

std::string PackingGroups(const CTRec *row)
{
    std::string s;
    for (int slot = 1; slot <= 3; ++slot)
        if (HasPackingGroup_CTRec(row, slot))
            s += (s.empty() ? "" : ", ") + std::string(PackingGroupOfSlot(slot));
    return s;
}

std::string SummaryLine(int pid)
{
    const CTRec *row = GetCTRec_HazData(pid);
    std::ostringstream s;
    s << pid << "\t" << Element(row, -1, 3, 0) << "\t" << Element(row, -1, 1, 0) << "\t" << Element(row, -1, 2, 0)
      << "\t" << PackingGroups(row) << "\n";
    return s.str();
}

bool AllDigits(const std::string &t)
{
    if (t.empty())
        return false;
    for (char c : t)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

} // namespace

namespace {

// The IDs an ID query means, the typed one first: "UN1993" -> UN1993,
// NA1993, ID1993; "1993" -> the same.  Empty for a text that is no ID.
std::vector<std::string> IdsOfNumber(const std::string &text)
{
    std::vector<std::string> ids = frontend::idCandidates(text);
    if (ids.size() == 1) {
        for (const std::string &other : frontend::idCandidates(ids.front().substr(2)))
            if (other != ids.front())
                ids.push_back(other);
    }
    return ids;
}

} // namespace

std::string SearchEntries(const std::string &text, int mode, bool &found)
{
    std::string out;
    const std::vector<std::string> ids = IdsOfNumber(text);
    if (mode == kSearchAny)
        mode = ids.empty() ? SEARCH_PROPER_SHIPPING_NAME : SEARCH_ID_NUMBER;
    std::vector<int> pids;
    if (mode == SEARCH_PROPER_SHIPPING_NAME) {
        pids = frontend::entriesMatchingName(text);
    } else if (mode == SEARCH_ID_NUMBER && !ids.empty()) {
        // An ID number lists the UN, NA and ID entries of that number.
        for (const std::string &id : ids)
            for (int pid : frontend::entriesOfId(id))
                pids.push_back(pid);
    } else {
        pids = Search(text, mode);
    }
    for (int pid : pids)
        out += SummaryLine(pid);
    found = !pids.empty();
    const std::string query = ids.empty() ? text : ids.front();
    if (!found && mode == SEARCH_ID_NUMBER) {
        if (char *info = GetIDInfo_HazData(query.c_str())) {
            out += std::string(info) + "\n";
            qv_free(info);
        } else {
            out += query + " is not in the current ruleset.\n";
        }
    } else if (!found) {
        out += "No entry matches \"" + text + "\".\n";
    }
    // 172.101(d)(1): a material the table lists as Forbidden has no entry;
    // say so rather than leave the user with "no match".
    if (mode == SEARCH_PROPER_SHIPPING_NAME) {
        for (int i = SearchForbidden_HazData(text.c_str(), -1); i >= 0; i = SearchForbidden_HazData(text.c_str(), i))
            out += std::string("Forbidden: ") + GetForbiddenName_HazData(i) +
                   " may not be offered or accepted for transportation (49 CFR 172.101(d)(1)).\n";
    }
    return out;
}

namespace {

// The PIDs an ID (all its entries, UN before NA before ID for bare digits)
// or a PID names.
std::vector<int> EntriesNamedBy(const std::string &idOrPid)
{
    std::vector<int> pids;
    if (AllDigits(idOrPid) && idOrPid.size() != 4) {
        // A PID; digits beyond int range name no entry.
        int pid = 0;
        const char *end = idOrPid.data() + idOrPid.size();
        const auto [at, ec] = std::from_chars(idOrPid.data(), end, pid);
        if (ec == std::errc() && at == end && HasPID_HazData(pid))
            pids.push_back(pid);
        return pids;
    }
    for (const std::string &id : frontend::idCandidates(idOrPid)) {
        pids = frontend::entriesOfId(id);
        if (!pids.empty())
            break;
    }
    return pids;
}

std::string ErgGuide(int pid)
{
    frontend::ItemHolder item(pid);
    const char *guide = item.bound() ? GetErgNumber_Hazmat(item.get()) : nullptr;
    return guide ? guide : "";
}

nlohmann::json Elements(const CTRec *row, int slot, int code)
{
    nlohmann::json list = nlohmann::json::array();
    const int n = GetNumElements_CTRec(row, slot, code);
    for (int i = 0; i < n; ++i)
        list.push_back(Element(row, slot, code, i));
    return list;
}

} // namespace

std::string ShowEntry(const std::string &idOrPid, bool &found)
{
    const std::vector<int> pids = EntriesNamedBy(idOrPid);
    found = !pids.empty();
    std::ostringstream s;
    for (int pid : pids) {
        const CTRec *row = GetCTRec_HazData(pid);
        s << "PID " << pid << "\n";
        for (int code : {3, 1, 2, 0, 14, 16, 15}) {
            const char *title = GetCTColName(code);
            s << "  " << title << ": " << (code <= 3 ? Element(row, -1, code, 0) : List(row, -1, code)) << "\n";
        }
        s << "  ERG Guide: " << ErgGuide(pid) << "\n";
        for (int slot = 0; slot <= 3; ++slot) {
            if (!HasPackingGroup_CTRec(row, slot))
                continue;
            s << "  Packing group " << (slot == 0 ? "(none)" : PackingGroupOfSlot(slot)) << "\n";
            for (int code = 5; code <= 13; ++code)
                s << "    " << GetCTColName(code) << ": " << List(row, slot, code) << "\n";
            s << "    Limited quantity allowed: " << (IsLimitedQuantityAllowed_CTRec(row, slot) ? "yes" : "no")
              << "\n    Bulk packaging allowed: " << (IsBulkPackagingAllowed_CTRec(row, slot) ? "yes" : "no") << "\n";
        }
    }
    if (!found)
        s << "No entry " << idOrPid << " in the current ruleset.\n";
    return s.str();
}

nlohmann::json ShowEntryJson(const std::string &idOrPid, bool &found)
{
    const std::vector<int> pids = EntriesNamedBy(idOrPid);
    found = !pids.empty();
    nlohmann::json entries = nlohmann::json::array();
    for (int pid : pids) {
        const CTRec *row = GetCTRec_HazData(pid);
        nlohmann::json e;
        e["pid"] = pid;
        e["id"] = Element(row, SLOT_ROW, CT_COL_ID_NUMBER, 0);
        // Column 2 as printed, its italic words included; the shipping
        // names are its roman words (172.101(c)(1)), each with the italic
        // description that goes with it.
        e["proper_shipping_name"] = Element(row, SLOT_ROW, CT_COL_PROPER_SHIPPING_NAME, 0);
        e["shipping_names"] = Elements(row, SLOT_ROW, CT_COL_SHIPPING_NAMES);
        e["descriptions"] = Elements(row, SLOT_ROW, CT_COL_SHIPPING_NAME_DESCRIPTIONS);
        e["hazard_class"] = Element(row, SLOT_ROW, CT_COL_HAZARD_CLASS, 0);
        e["symbols"] = Elements(row, SLOT_ROW, CT_COL_SYMBOLS);
        e["cas_numbers"] = Elements(row, SLOT_ROW, CT_COL_CAS_NUMBERS);
        const std::string guide = ErgGuide(pid);
        e["erg_guide"] = guide.empty() ? nlohmann::json() : nlohmann::json(guide);
        nlohmann::json groups = nlohmann::json::array();
        for (int slot = 0; slot <= 3; ++slot) {
            if (!HasPackingGroup_CTRec(row, slot))
                continue;
            nlohmann::json g;
            g["packing_group"] = PackingGroupOfSlot(slot);
            nlohmann::json columns;
            for (int code = CT_COL_LABEL_CODES; code <= CT_COL_VESSEL_STOWAGE_OTHER; ++code)
                columns[GetCTColName(code)] = Elements(row, slot, code);
            g["columns"] = columns;
            g["limited_quantity_allowed"] = IsLimitedQuantityAllowed_CTRec(row, slot) != 0;
            g["bulk_packaging_allowed"] = IsBulkPackagingAllowed_CTRec(row, slot) != 0;
            groups.push_back(g);
        }
        e["packing_groups"] = groups;
        entries.push_back(e);
    }
    return entries;
}

} // namespace velmora::check
