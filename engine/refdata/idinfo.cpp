// Why an ID number is not available in the current ruleset: another active
// ruleset has it, the entry now carries another number, it comes with an
// upcoming ruleset, or it has expired.
#include "refdata/hmt_table.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

using namespace dravlen;

namespace {

// "%b %d, %Y." in UTC, with English month names whatever the C locale.
std::string FormatDate(Stamp when)
{
    static const char *const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const time_t t = time_t(when);
    struct tm tmv {};
    if (gmtime_r(&t, &tmv) == nullptr)
        return "";
    char buf[100];
    std::snprintf(buf, sizeof buf, "%s %02d, %d.", kMonths[tmv.tm_mon], tmv.tm_mday, tmv.tm_year + 1900);
    return buf;
}

std::string Format(const char *fmt, const char *a, const char *b = "", const char *c = "")
{
    const int n = std::snprintf(nullptr, 0, fmt, a, b, c);
    std::string out(size_t(n > 0 ? n : 0), '\0');
    std::snprintf(out.data(), out.size() + 1, fmt, a, b, c);
    return out;
}

bool RowHasId(const CTRec *row, const char *id) { return row && std::strcmp(row->id, id) == 0; }

// The message for one 6-character ID; empty when there is nothing to say.
std::string InfoForId(const char *id)
{
    size_t first = 0, last = 0;
    if (!FindHmtIdRange(id, &first, &last))
        return "";
    // The distinct PIDs of the ID's records, in table order (a PID counts
    // again only when it differs from the previous record's).
    std::vector<int> pids;
    for (size_t n = first; n < last; ++n) {
        const int pid = DecodeHmtRecord(n);
        if (pid == 0)
            return Format("%s is not a recognized ID number.", id);
        if (pids.empty() || pids.back() != pid)
            pids.push_back(pid);
    }
    const int current = CurrentRuleset();
    const Stamp now = Now();

    for (int pid : pids)
        for (int r = 0; r < kRulesetCount; ++r)
            if (r != current && IsRulesetActive(r) && RowHasId(HmtRow(pid, r), id))
                return Format("%s is available by switching to the %s ruleset.", id, GetRuleset(r)->docket);
    for (int pid : pids) {
        const CTRec *row = HmtRow(pid, current);
        if (row && !RowHasId(row, id))
            return Format("%s is represented as %s in this ruleset.\n\n", id, row->id);
    }
    for (int pid : pids)
        for (int r = 0; r < kRulesetCount; ++r) {
            const CTRec *row = HmtRow(pid, r);
            if (r != current && IsRulesetActive(r) && row && !RowHasId(row, id))
                return Format("%s is available by switching to the %s ruleset where it is represented as %s.",
                              id, GetRuleset(r)->docket, row->id);
        }
    for (int pid : pids)
        for (int r = 0; r < kRulesetCount; ++r)
            if (GetRuleset(r)->availability >= now && RowHasId(HmtRow(pid, r), id))
                return Format("%s is in the upcoming ruleset %s which will be available ", id,
                              GetRuleset(r)->docket) +
                       FormatDate(GetRuleset(r)->availability);

    // Expiry: the compliance date of the first ruleset after a run of
    // rulesets that carry the ID; the latest over all PIDs.
    bool haveExpiry = false;
    Stamp expiry = 0;
    for (int pid : pids) {
        bool seen = false;
        for (int r = 0; r < kRulesetCount; ++r) {
            const bool has = RowHasId(HmtRow(pid, r), id);
            if (has) {
                seen = true;
            } else if (seen) {
                const Stamp c = GetRuleset(r)->compliance;
                if (!haveExpiry || c > expiry)
                    expiry = c;
                haveExpiry = true;
                break;
            }
        }
        if (!seen)
            return "";
    }
    if (!haveExpiry)
        return "";   // still valid in the last ruleset: nothing has expired
    return Format("%s expired on ", id) + FormatDate(expiry);
}

char *Duplicate(const std::string &s)
{
    char *out = static_cast<char *>(std::malloc(s.size() + 1));
    if (out)
        std::memcpy(out, s.c_str(), s.size() + 1);
    return out;
}

} // namespace

extern "C" {

DRAVLEN_API char *GetIDInfo_HazData(const char *idText)
{
    if (idText == nullptr)
        return nullptr;
    const size_t len = std::strlen(idText);
    if (len == 4) {
        const std::string un = "UN" + std::string(idText), na = "NA" + std::string(idText);
        const std::string a = InfoForId(un.c_str()), b = InfoForId(na.c_str());
        if (!a.empty() && !b.empty())
            return Duplicate(a + "\n\n" + b);
        if (!a.empty() || !b.empty())
            return Duplicate(a.empty() ? b : a);
        return nullptr;
    }
    if (len != kIdLength)
        return nullptr;
    const std::string msg = InfoForId(idText);
    return msg.empty() ? nullptr : Duplicate(msg);
}

} // extern "C"
