#include "check/entry_lookup.h"

#include "dravlen.h"
#include "frontend/entries.h"


namespace velmora::check {

std::vector<int> Search(const std::string &text, int mode)
{
    std::vector<int> pids;
    if (mode == 2 && text.size() == 6)
        return frontend::entriesOfId(text);
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
