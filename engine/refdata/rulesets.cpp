// Rulesets: the regulatory versions of the Hazardous Materials Table.
//
// The HMT changes by numbered rulemakings (dockets).  Each version the
// engine carries is a ruleset with three dates: from its availability date a
// shipper may comply with it voluntarily, from its compliance date it is the
// mandatory version, and from its retirement date it may no longer be used.
// The process has one current ruleset, chosen at start as the mandatory one.
#include "refdata/rulesets.h"

#include "dravlen.h"

#include <chrono>
#include <optional>

namespace dravlen {

namespace {

// Days from 1970-01-01 to a proleptic Gregorian date (H. Hinnant's
// days_from_civil), as midnight UTC in seconds.
constexpr Stamp Day(int y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return (static_cast<Stamp>(era) * 146097 + static_cast<Stamp>(doe) - 719468) * 86400;
}

static_assert(Day(1970, 1, 1) == 0);
static_assert(Day(2024, 4, 5) == 1712275200);

// Dockets are UTF-8 text: "\xE2\x80\x93" is the en dash (U+2013) the Federal
// Register prints in docket numbers.  Index order, not date order, decides every
// "highest index" rule.
const Ruleset kRulesets[kRulesetCount] = {
    {0, Day(2001, 6, 21), Day(2001, 10, 1), Day(2006, 1, 1),
     "RSPA-2000-7702 (HM-215D)"},
    {1, Day(2005, 1, 1), Day(2005, 1, 1), Day(2006, 9, 11),
     "RSPA-04-17036 (HM-215G)"},
    {2, Day(2006, 6, 12), Day(2006, 9, 11), Day(2006, 10, 1),
     "PHMSA-2005-17463 (HM-220E)"},
    {3, Day(2006, 10, 1), Day(2006, 10, 1), Day(2006, 10, 1),
     "PHMSA-2004-16895 (HM-226A)"},
    {4, Day(2006, 10, 1), Day(2006, 10, 1), Day(2007, 1, 1),
     "PHMSA-2006-25496 (HM-189Z)"},
    {5, Day(2007, 1, 1), Day(2007, 1, 1), Day(2007, 10, 1),
     "RSPA-2004-18795 (HM-237)"},
    {6, Day(2007, 10, 1), Day(2007, 10, 1), Day(2008, 1, 1),
     "PHMSA-2007-29245 (HM-244)"},
    {7, Day(2007, 1, 1), Day(2007, 1, 1), Day(2008, 1, 1),
     "PHMSA-06-25476 (HM-215I)"},
    {8, Day(2007, 10, 1), Day(2008, 1, 1), Day(2008, 10, 1),
     "PHMSA-02-11989 (HM-224C) and PHMSA-04-19886 (HM-224E)"},
    {9, Day(2007, 10, 29), Day(2008, 10, 1), Day(2008, 10, 1),
     "RSPA-04-17664 (HM-224B)"},
    {10, Day(2008, 1, 28), Day(2008, 10, 1), Day(2010, 1, 1),
     "PHMSA-05-21812 (HM-218D)"},
    {11, Day(2009, 1, 1), Day(2009, 2, 13), Day(2010, 1, 4),
     "PHMSA" "\xE2\x80\x93" "2007" "\xE2\x80\x93" "0065 (HM" "\xE2\x80\x93" "224D) and PHMSA" "\xE2\x80\x93" "2008" "\xE2\x80\x93" "0005 (HM" "\xE2\x80\x93" "215J)"},
    {12, Day(2010, 1, 1), Day(2010, 1, 4), Day(2010, 10, 1),
     "PHMSA-2007-0065 (HM-224D) and PHMSA-2008-0005 (HM-215J)"},
    {13, Day(2010, 3, 4), Day(2010, 10, 1), Day(2012, 1, 12),
     "PHMSA" "\xE2\x80\x93" "06-25736 (HM-231)"},
    {14, Day(2011, 1, 1), Day(2011, 1, 1), Day(2011, 8, 19),
     "PHMSA" "\xE2\x80\x93" "2009" "\xE2\x80\x93" "0126 (HM" "\xE2\x80\x93" "215K)"},
    {15, Day(2011, 7, 20), Day(2011, 8, 19), Day(2011, 9, 13),
     "PHMSA" "\xE2\x80\x93" "2009" "\xE2\x80\x93" "0151 (HM" "\xE2\x80\x93" "218F)"},
    {16, Day(2011, 9, 13), Day(2011, 9, 13), Day(2013, 1, 1),
     "PHMSA" "\xE2\x80\x93" "2011-0134 (HM" "\xE2\x80\x93" "244D)"},
    {17, Day(2013, 1, 1), Day(2013, 1, 1), Day(2014, 1, 1),
     "PHMSA" "\xE2\x80\x93" "2012" "\xE2\x80\x93" "0027 (HM" "\xE2\x80\x93" "215L)"},
    {18, Day(2013, 3, 7), Day(2013, 5, 6), Day(2013, 5, 10),
     "PHMSA-2011-0142 (HM-219)"},
    {19, Day(2013, 3, 11), Day(2013, 5, 10), Day(2013, 8, 15),
     "PHMSA-2011-0138 (HM-218G)"},
    {20, Day(2013, 8, 15), Day(2013, 8, 15), Day(2013, 10, 1),
     "PHMSA-2010-0320 (HM-257)"},
    {21, Day(2013, 10, 1), Day(2013, 10, 1), Day(2014, 4, 17),
     "PHMSA" "\xE2\x80\x93" "2013" "\xE2\x80\x93" "0158 (HM" "\xE2\x80\x93" "244F)"},
    {22, Day(2014, 4, 17), Day(2014, 4, 17), Day(2015, 2, 6),
     "PHMSA" "\xE2\x80\x93" "2011" "\xE2\x80\x93" "0158 (HM" "\xE2\x80\x93" "233C)"},
    {23, Day(2014, 8, 6), Day(2015, 2, 6), Day(2016, 1, 1),
     "PHMSA" "\xE2\x80\x93" "2009" "\xE2\x80\x93" "0095 (HM" "\xE2\x80\x93" "224F)"},
    {24, Day(2015, 1, 1), Day(2015, 12, 23), Day(2015, 12, 23),
     "PHMSA" "\xE2\x80\x93" "2013" "\xE2\x80\x93" "0260 (HM" "\xE2\x80\x93" "215M)"},
    {25, Day(2015, 12, 23), Day(2015, 12, 23), Day(2016, 1, 20),
     "PHMSA" "\xE2\x80\x93" "2015" "\xE2\x80\x93" "0103 (HM" "\xE2\x80\x93" "260)"},
    {26, Day(2016, 1, 20), Day(2016, 1, 20), Day(2016, 2, 22),
     "PHMSA" "\xE2\x80\x93" "2011" "\xE2\x80\x93" "0345 (HM" "\xE2\x80\x93" "233D)"},
    {27, Day(2016, 2, 22), Day(2017, 1, 23), Day(2017, 1, 23),
     "PHMSA" "\xE2\x80\x93" "2013" "\xE2\x80\x93" "0042 (HM" "\xE2\x80\x93" "233F)"},
    {28, Day(2016, 3, 31), Day(2016, 3, 31), Day(2016, 7, 5),
     "PHMSA" "\xE2\x80\x93" "2011" "\xE2\x80\x93" "0143 (HM" "\xE2\x80\x93" "253)"},
    {29, Day(2016, 6, 2), Day(2016, 7, 5), Day(2018, 1, 1),
     "PHMSA" "\xE2\x80\x93" "2013" "\xE2\x80\x93" "0225 (HM" "\xE2\x80\x93" "218H)"},
    {30, Day(2017, 1, 1), Day(2018, 1, 1), Day(2018, 9, 17),
     "PHMSA" "\xE2\x80\x93" "2015" "\xE2\x80\x93" "0273 (HM" "\xE2\x80\x93" "215N)"},
    {31, Day(2018, 6, 18), Day(2018, 9, 17), Day(2019, 3, 6),
     "PHMSA" "\xE2\x80\x93" "2013" "\xE2\x80\x93" "0225 (HM" "\xE2\x80\x93" "218H)"},
    {32, Day(2019, 3, 6), Day(2019, 3, 6), Day(2019, 10, 18),
     "PHMSA" "\xE2\x80\x93" "2016" "\xE2\x80\x93" "0014 (HM" "\xE2\x80\x93" "224I)"},
    {33, Day(2020, 7, 24), Day(2020, 8, 24), Day(2020, 8, 24),
     "PHMSA" "\xE2\x80\x93" "2018" "\xE2\x80\x93" "0025 (HM" "\xE2\x80\x93" "264)"},
    {34, Day(2018, 10, 18), Day(2019, 10, 18), Day(2021, 1, 21),
     "PHMSA" "\xE2\x80\x93" "2015" "\xE2\x80\x93" "0100 (HM" "\xE2\x80\x93" "259)"},
    {35, Day(2020, 12, 21), Day(2021, 1, 21), Day(2021, 5, 10),
     "PHMSA" "\xE2\x80\x93" "2018" "\xE2\x80\x93" "0082 (HM" "\xE2\x80\x93" "260A)"},
    {36, Day(2020, 5, 11), Day(2021, 5, 10), Day(2021, 11, 26),
     "PHMSA" "\xE2\x80\x93" "2017" "\xE2\x80\x93" "0108 (HM" "\xE2\x80\x93" "215O)"},
    {37, Day(2020, 12, 28), Day(2021, 11, 26), Day(2022, 12, 27),
     "PHMSA" "\xE2\x80\x93" "2017" "\xE2\x80\x93" "0120 (HM" "\xE2\x80\x93" "219C)"},
    {38, Day(2022, 12, 27), Day(2022, 12, 27), Day(2023, 7, 26),
     "PHMSA" "\xE2\x80\x93" "2021" "\xE2\x80\x93" "0091 (HM" "\xE2\x80\x93" "260B)"},
    {39, Day(2022, 8, 25), Day(2023, 7, 26), Day(2023, 10, 31),
     "PHMSA" "\xE2\x80\x93" "2019" "\xE2\x80\x93" "0030 (HM" "\xE2\x80\x93" "215P)"},
    {40, Day(2022, 7, 26), Day(2023, 10, 31), Day(2024, 4, 3),
     "PHMSA" "\xE2\x80\x93" "2021" "\xE2\x80\x93" "0058 (HM" "\xE2\x80\x93" "64A)"},
    {41, Day(2024, 4, 3), Day(2024, 4, 3), Day(2024, 5, 10),
     "PHMSA" "\xE2\x80\x93" "2020" "\xE2\x80\x93" "0102 (HM" "\xE2\x80\x93" "219D)"},
    {42, Day(2023, 1, 1), Day(2024, 5, 10), Day(2030, 1, 1),
     "PHMSA" "\xE2\x80\x93" "2021" "\xE2\x80\x93" "0092 (HM" "\xE2\x80\x93" "215Q)"},
};

std::optional<Stamp> g_testClock;
int g_currentRuleset = 0;

} // namespace

const Ruleset *GetRuleset(int index)
{
    if (index < 0 || index >= kRulesetCount)
        return nullptr;
    return &kRulesets[index];
}

Stamp Now()
{
    if (g_testClock)
        return *g_testClock;
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

void SetClockForTesting(Stamp now) { g_testClock = now; }
void ClearClockForTesting() { g_testClock.reset(); }

bool IsRulesetActive(int index)
{
    const Ruleset *r = GetRuleset(index);
    if (r == nullptr)
        return false;
    const Stamp now = Now();
    return r->availability < now && now < r->retirement;
}

int DefaultRuleset()
{
    // When the clock is earlier than every compliance date there is no
    // mandatory version; ruleset 0, the oldest, keeps every lookup on a valid
    // index.
    const Stamp now = Now();
    int result = 0;
    for (const Ruleset &r : kRulesets)
        if (r.compliance < now)
            result = r.index;
    return result;
}

int CurrentRuleset() { return g_currentRuleset; }

void SetCurrentRuleset(int index)
{
    if (GetRuleset(index) != nullptr)
        g_currentRuleset = index;
}

} // namespace dravlen

using namespace dravlen;

// The rule interface: the engine offers it but defines no switchable rules,
// so every check of the computation is always on.
struct Rule {
    const char *name;
    uint32_t startStamp;
    uint32_t stopStamp;
    const char *description;
    const char *regulation;
    int32_t enabled;
};

extern "C" {

DRAVLEN_API int GetNumActiveRulesets_HazData(void)
{
    int n = 0;
    for (int i = 0; i < kRulesetCount; ++i)
        n += IsRulesetActive(i) ? 1 : 0;
    return n;
}

DRAVLEN_API int GetActiveRuleset_HazData(int n)
{
    int seen = 0;
    int highest = 0;
    for (int i = 0; i < kRulesetCount; ++i) {
        if (!IsRulesetActive(i))
            continue;
        if (seen == n)
            return i;
        ++seen;
        highest = i;
    }
    return highest;
}

DRAVLEN_API const char *GetDocket_Ruleset(int index)
{
    const Ruleset *r = GetRuleset(index);
    return r ? r->docket : nullptr;
}

DRAVLEN_API const char *GetStatus_Ruleset(int index)
{
    const Ruleset *r = GetRuleset(index);
    if (r == nullptr)
        return nullptr;
    const Stamp now = Now();
    bool anyMandatory = false;
    for (const Ruleset &x : kRulesets)
        anyMandatory = anyMandatory || x.compliance < now;
    if (!anyMandatory)
        return nullptr;
    if (r->availability > now)
        return "Upcoming";
    if (r->retirement < now)
        return "Retired";
    if (r->compliance > now)
        return "Voluntary";
    if (r->compliance == now)
        return nullptr;
    return index == DefaultRuleset() ? "Current" : "Antiquated";
}

DRAVLEN_API int GetRuleset_Engine(Engine * /*engine*/) { return CurrentRuleset(); }

DRAVLEN_API int GetNumRules_Engine(Engine * /*engine*/) { return 0; }
DRAVLEN_API Rule *GetRule_Engine(Engine * /*engine*/, int /*n*/) { return nullptr; }
DRAVLEN_API void EnableRule_Engine(Engine * /*engine*/, int /*n*/, int /*enabled*/) {}

DRAVLEN_API const char *GetName_Rule(const Rule *rule) { return rule ? rule->name : nullptr; }
DRAVLEN_API uint32_t GetStartStamp_Rule(const Rule *rule) { return rule ? rule->startStamp : 0; }
DRAVLEN_API uint32_t GetStopStamp_Rule(const Rule *rule) { return rule ? rule->stopStamp : 0; }
DRAVLEN_API const char *GetDescription_Rule(const Rule *rule) { return rule ? rule->description : nullptr; }
DRAVLEN_API const char *GetRegulation_Rule(const Rule *rule) { return rule ? rule->regulation : nullptr; }
DRAVLEN_API int IsEnabled_Rule(const Rule *rule) { return rule ? (rule->enabled != 0) : 0; }

} // extern "C"
