#include "check/entry_lookup.h"

#include "dravlen.h"

#include <cctype>

namespace velmora::check {

std::vector<std::string> IdCandidates(const std::string &text)
{
    std::string t;
    for (char c : text)
        t += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    auto digits = [](const std::string &s) {
        if (s.size() != 4)
            return false;
        for (char c : s)
            if (!std::isdigit(static_cast<unsigned char>(c)))
                return false;
        return true;
    };
    if (digits(t))
        return {"UN" + t, "NA" + t, "ID" + t};
    if (t.size() == 6 && (t.rfind("UN", 0) == 0 || t.rfind("NA", 0) == 0 || t.rfind("ID", 0) == 0) &&
        digits(t.substr(2)))
        return {t};
    return {};
}

std::vector<int> PidsForId(const std::string &id)
{
    std::vector<int> pids;
    for (int pid = SearchCT_HazData(id.c_str(), 2, 0); pid != 0;
         pid = SearchCT_HazData(id.c_str(), 2, pid))
        pids.push_back(pid);
    return pids;
}

std::vector<int> Search(const std::string &text, int mode)
{
    std::vector<int> pids;
    if (mode == 2 && text.size() == 6)
        return PidsForId(text);
    for (int pid = SearchCT_HazData(text.c_str(), mode, 0); pid != 0;
         pid = SearchCT_HazData(text.c_str(), mode, pid))
        pids.push_back(pid);
    return pids;
}

int SlotOfPackingGroup(const std::string &pg)
{
    if (pg.empty())
        return 0;
    if (pg == "I")
        return 1;
    if (pg == "II")
        return 2;
    if (pg == "III")
        return 3;
    return -1;
}

const char *PackingGroupOfSlot(int slot)
{
    static const char *const kNames[] = {"", "I", "II", "III"};
    return (slot >= 0 && slot <= 3) ? kNames[slot] : "";
}

} // namespace velmora::check
