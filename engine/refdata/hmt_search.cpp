// Lookups in the Hazardous Materials Table of the current ruleset: by PID,
// and the searches by name, hazard class and ID number.
#include "refdata/hmt_table.h"

#include <cctype>
#include <cstring>

using namespace dravlen;

namespace {

// Full-ID search: the records of this ID only are decoded; a record counts
// when its PID's row in the current ruleset carries this very ID.
int SearchFullId(const char *text, int afterPid)
{
    char id[kIdLength + 1];
    for (size_t i = 0; i < kIdLength; ++i)
        id[i] = char(std::toupper(static_cast<unsigned char>(text[i])));
    id[kIdLength] = '\0';
    size_t first = 0, last = 0;
    if (!FindHmtIdRange(id, &first, &last))
        return 0;
    const int current = CurrentRuleset();
    bool afterSeen = afterPid == 0;
    // Every record of the ID is decoded first; a PID whose current row is
    // still missing from the index then has no row with this ID, so the
    // lookup need not decode the rest of the table.
    for (size_t n = first; n < last; ++n)
        DecodeHmtRecord(n);
    for (size_t n = first; n < last; ++n) {
        const int pid = DecodeHmtRecord(n);
        if (pid == 0)
            continue;
        const CTRec *row = HmtIndexEntry(pid, current);
        if (row == nullptr || std::strcmp(row->id, id) != 0)
            continue;
        if (afterSeen && pid != afterPid)
            return pid;
        if (pid == afterPid)
            afterSeen = true;
    }
    return 0;
}

} // namespace

extern "C" {

DRAVLEN_API CTRec *GetCTRec_HazData(int pid)
{
    return HmtRow(pid, CurrentRuleset());
}

DRAVLEN_API int HasPID_HazData(int pid) { return GetCTRec_HazData(pid) != nullptr; }

DRAVLEN_API int SearchCT_HazData(const char *text, int mode, int afterPid)
{
    if (text == nullptr || mode < 0 || mode > 2 || afterPid < 0)
        return 0;
    if (mode == 2 && std::strlen(text) == kIdLength)
        return SearchFullId(text, afterPid);
    if (mode == 0) {
        const std::vector<const char *> &names = HmtNamesOfRuleset(CurrentRuleset());
        for (int pid = afterPid + 1; pid < kPidLimit && size_t(pid) < names.size(); ++pid)
            if (names[size_t(pid)] && MatchesWords(names[size_t(pid)], text))
                return pid;
        return 0;
    }
    for (int pid = afterPid + 1; pid < kPidLimit; ++pid) {
        const CTRec *row = GetCTRec_HazData(pid);
        if (row == nullptr)
            continue;
        bool match = false;
        switch (mode) {
        case 1: match = MatchesWords(row->hazClass, text) || Query_CTRec(row, -2, 5, text); break;
        case 2: match = MatchesWords(row->id, text); break;
        }
        if (match)
            return pid;
    }
    return 0;
}

} // extern "C"
