#include "check/table_report.h"

#include "check/entry_lookup.h"
#include "frontend/entries.h"

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

std::string List(const CTRec *row, int slot, int code)
{
    std::string s;
    const int n = GetNumElements_CTRec(row, slot, code);
    for (int i = 0; i < n; ++i)
        s += (i ? ", " : "") + Element(row, slot, code, i);
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

std::string SearchEntries(const std::string &text, int mode, bool &found)
{
    std::string out;
    std::string query = text;
    if (mode == 2 && frontend::idCandidates(text).size() == 1)
        query = frontend::idCandidates(text).front();
    const std::vector<int> pids = Search(query, mode);
    for (int pid : pids)
        out += SummaryLine(pid);
    found = !pids.empty();
    if (!found && mode == 2) {
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
    if (mode == 0) {
        for (int i = SearchForbidden_HazData(text.c_str(), -1); i >= 0; i = SearchForbidden_HazData(text.c_str(), i))
            out += std::string("Forbidden: ") + GetForbiddenName_HazData(i) +
                   " may not be offered or accepted for transportation (49 CFR 172.101(d)(1)).\n";
    }
    return out;
}

std::string ShowEntry(const std::string &idOrPid, bool &found)
{
    std::vector<int> pids;
    if (AllDigits(idOrPid) && idOrPid.size() != 4) {
        // A PID; digits beyond int range name no entry.
        int pid = 0;
        const char *end = idOrPid.data() + idOrPid.size();
        const auto [at, ec] = std::from_chars(idOrPid.data(), end, pid);
        if (ec == std::errc() && at == end && HasPID_HazData(pid))
            pids.push_back(pid);
    } else {
        for (const std::string &id : frontend::idCandidates(idOrPid)) {
            pids = frontend::entriesOfId(id);
            if (!pids.empty())
                break;
        }
    }
    found = !pids.empty();
    std::ostringstream s;
    for (int pid : pids) {
        const CTRec *row = GetCTRec_HazData(pid);
        s << "PID " << pid << "\n";
        for (int code : {3, 1, 2, 0, 14, 16, 15}) {
            const char *title = GetCTColName(code);
            s << "  " << title << ": " << (code <= 3 ? Element(row, -1, code, 0) : List(row, -1, code)) << "\n";
        }
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

} // namespace velmora::check
