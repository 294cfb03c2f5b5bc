#include "frontend/entries.h"

#include "dravlen.h"

#include <cctype>
#include <set>

namespace velmora::frontend {

namespace {

bool fourDigits(const std::string &s)
{
    if (s.size() != 4)
        return false;
    for (char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

} // namespace

std::vector<std::string> idCandidates(const std::string &text)
{
    std::string t;
    for (char c : text)
        t += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (fourDigits(t))
        return {"UN" + t, "NA" + t, "ID" + t};
    if (t.size() == 6 && (t.rfind("UN", 0) == 0 || t.rfind("NA", 0) == 0 || t.rfind("ID", 0) == 0) &&
        fourDigits(t.substr(2)))
        return {t};
    return {};
}

std::vector<int> entriesOfId(const std::string &id)
{
    std::vector<int> pids;
    std::set<int> seen;
    for (int pid = SearchCT_HazData(id.c_str(), 2, 0); pid != 0; pid = SearchCT_HazData(id.c_str(), 2, pid)) {
        if (!seen.insert(pid).second)
            break;
        const CTRec *row = GetCTRec_HazData(pid);
        const char *rowId = row ? GetElement_CTRec(row, -1, 3, 0) : nullptr;
        if (rowId && id == rowId)
            pids.push_back(pid);
    }
    return pids;
}

} // namespace velmora::frontend
