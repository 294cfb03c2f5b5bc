// Rulesets: statuses, active sets and the default ruleset follow the clock.
#include "dravlen.h"
#include "refdata/rulesets.h"
#include "refdata/store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using dravlen::Stamp;

constexpr Stamp kDay = 86400;

// Midnight UTC of a calendar day.
Stamp Utc(int y, int m, int d)
{
    // Civil-from-days inverse, small and independent of the library's own.
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return (static_cast<Stamp>(era) * 146097 + doe - 719468) * kDay;
}

class RulesetClock : public ::testing::Test {
protected:
    void TearDown() override { dravlen::ClearClockForTesting(); }
    static void At(Stamp t) { dravlen::SetClockForTesting(t); }
    static std::vector<int> Active()
    {
        std::vector<int> v;
        for (int i = 0; i < GetNumActiveRulesets_HazData(); ++i)
            v.push_back(GetActiveRuleset_HazData(i));
        return v;
    }
    static std::string Status(int i)
    {
        const char *s = GetStatus_Ruleset(i);
        return s ? s : "(null)";
    }
};

struct StatusCase {
    int y, m, d;
    int ruleset;
    const char *status;
};

TEST_F(RulesetClock, StatusesOnKnownDays)
{
    const StatusCase cases[] = {
        // 2024-04-05: HM-219D (41) is mandatory, HM-215Q (42) voluntary,
        // HM-64A (40) retired two days before.
        {2024, 4, 5, 41, "Current"},
        {2024, 4, 5, 42, "Voluntary"},
        {2024, 4, 5, 40, "Retired"},
        // 2024-06-01: only 42 remains, and it is mandatory.
        {2024, 6, 1, 42, "Current"},
        {2024, 6, 1, 41, "Retired"},
        // Before availability.
        {2022, 1, 1, 42, "Upcoming"},
        // 2020-09-01: both 33 (compliance 2020-08-24) and 34 (2019-10-18)
        // have passed; the higher index is the default, so 33 is antiquated.
        {2020, 9, 1, 34, "Current"},
        {2020, 9, 1, 33, "Retired"},
        {2021, 2, 1, 35, "Current"},
        {2021, 2, 1, 36, "Voluntary"},
        // Out of range: no status.
        {2024, 6, 1, 43, "(null)"},
        {2024, 6, 1, -1, "(null)"},
    };
    for (const StatusCase &c : cases) {
        At(Utc(c.y, c.m, c.d));
        EXPECT_EQ(Status(c.ruleset), c.status)
            << c.y << "-" << c.m << "-" << c.d << " ruleset " << c.ruleset;
    }
}

TEST_F(RulesetClock, AntiquatedIsAnActiveRulesetThatIsNotTheDefault)
{
    // 2013-09-01: HM-215L (17) is still usable until 2014, but HM-257 (20)
    // became mandatory on 2013-08-15 and has the higher index.
    At(Utc(2013, 9, 1));
    EXPECT_TRUE(dravlen::IsRulesetActive(17));
    EXPECT_EQ(Status(17), "Antiquated");
    EXPECT_EQ(Status(20), "Current");
    EXPECT_EQ(Status(19), "Retired");
}

TEST_F(RulesetClock, ComplianceAtTheExactSecondHasNoStatus)
{
    At(Utc(2024, 5, 10));  // ruleset 42's compliance date, to the second
    EXPECT_EQ(GetStatus_Ruleset(42), nullptr);
}

TEST_F(RulesetClock, ActiveSetsAndTheDefault)
{
    At(Utc(2024, 4, 5));
    EXPECT_EQ(Active(), (std::vector<int>{41, 42}));
    EXPECT_EQ(dravlen::DefaultRuleset(), 41);

    At(Utc(2024, 6, 1));
    EXPECT_EQ(Active(), (std::vector<int>{42}));
    EXPECT_EQ(GetActiveRuleset_HazData(5), 42);  // past the end: highest active
    EXPECT_EQ(dravlen::DefaultRuleset(), 42);

    At(Utc(2020, 9, 1));
    EXPECT_EQ(dravlen::DefaultRuleset(), 34);
    At(Utc(2021, 2, 1));
    EXPECT_EQ(dravlen::DefaultRuleset(), 35);

    At(Utc(2031, 1, 1));  // everything retired
    EXPECT_EQ(GetNumActiveRulesets_HazData(), 0);
    EXPECT_EQ(GetActiveRuleset_HazData(0), 0);
}

TEST_F(RulesetClock, RulesetThreeIsNeverActive)
{
    // Availability and retirement fall on the same day.
    for (Stamp t = Utc(2006, 9, 30); t <= Utc(2006, 10, 2); t += 3600) {
        At(t);
        EXPECT_FALSE(dravlen::IsRulesetActive(3)) << t;
    }
}

TEST_F(RulesetClock, BeforeEveryComplianceDateTheDefaultIsTheOldest)
{
    At(Utc(2000, 1, 1));
    EXPECT_EQ(dravlen::DefaultRuleset(), 0);
    EXPECT_EQ(GetStatus_Ruleset(0), nullptr);
    EXPECT_EQ(GetStatus_Ruleset(42), nullptr);
}

TEST_F(RulesetClock, NewStoreStartsOnTheMandatoryRuleset)
{
    ASSERT_EQ(dravlen::ReferenceStoreUsers(), 0);
    At(Utc(2024, 4, 5));
    dravlen::AcquireReferenceStore();
    EXPECT_EQ(dravlen::CurrentRuleset(), 41);
    EXPECT_EQ(GetRuleset_Engine(nullptr), 41);
    // A second user does not reset the current ruleset.
    dravlen::SetCurrentRuleset(42);
    dravlen::AcquireReferenceStore();
    EXPECT_EQ(dravlen::CurrentRuleset(), 42);
    EXPECT_EQ(dravlen::ReferenceStoreUsers(), 2);
    dravlen::ReleaseReferenceStore();
    dravlen::ReleaseReferenceStore();
    EXPECT_EQ(dravlen::ReferenceStoreUsers(), 0);
    dravlen::ReleaseReferenceStore();  // without a store: nothing happens
    EXPECT_EQ(dravlen::ReferenceStoreUsers(), 0);
}

TEST(RulesetTable, DocketsAreByteExact)
{
    // Rows 11 and 12 differ only in their dashes: the en dash (U+2013, in
    // UTF-8) in row 11, ASCII hyphens in row 12.
    EXPECT_STREQ(GetDocket_Ruleset(11),
                 "PHMSA\u2013" "2007\u2013" "0065 (HM\u2013" "224D) and PHMSA\u2013"
                 "2008\u2013" "0005 (HM\u2013" "215J)");
    EXPECT_STREQ(GetDocket_Ruleset(12),
                 "PHMSA-2007-0065 (HM-224D) and PHMSA-2008-0005 (HM-215J)");
    EXPECT_STREQ(GetDocket_Ruleset(0), "RSPA-2000-7702 (HM-215D)");
    EXPECT_STREQ(GetDocket_Ruleset(13), "PHMSA\u2013" "06-25736 (HM-231)");
    EXPECT_STREQ(GetDocket_Ruleset(42), "PHMSA\u2013" "2021\u2013" "0092 (HM\u2013" "215Q)");
    EXPECT_STREQ(GetDocket_Ruleset(29), GetDocket_Ruleset(31));
    EXPECT_EQ(GetDocket_Ruleset(43), nullptr);
    EXPECT_EQ(GetDocket_Ruleset(-1), nullptr);
    for (int i = 0; i < dravlen::kRulesetCount; ++i) {
        const dravlen::Ruleset *r = dravlen::GetRuleset(i);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->index, i);
        EXPECT_EQ(r->availability % kDay, 0);
        EXPECT_LE(std::strlen(r->docket), 255u);
        // UTF-8 text: ASCII and the en dash, nothing else.
        std::string rest = r->docket;
        for (size_t at = rest.find("\u2013"); at != std::string::npos; at = rest.find("\u2013"))
            rest.erase(at, 3);
        for (const char c : rest)
            EXPECT_LT(static_cast<unsigned char>(c), 0x80) << r->docket;
    }
    const dravlen::Ruleset *r33 = dravlen::GetRuleset(33);
    EXPECT_EQ(r33->compliance, Utc(2020, 8, 24));
    EXPECT_EQ(dravlen::GetRuleset(42)->retirement, Utc(2030, 1, 1));
}

TEST(RuleInterface, HoldsNoRules)
{
    for (int n : {-1, 0, 1, 100})
        EXPECT_EQ(GetRule_Engine(nullptr, n), nullptr);
    EXPECT_EQ(GetNumRules_Engine(nullptr), 0);
}

} // namespace

namespace {

// The ruleset in force on a day, whatever today is: the latest one whose
// compliance date falls on or before it.
TEST_F(RulesetClock, RulesetInForceOnADay)
{
    At(Utc(2024, 4, 10));  // today plays no part
    const struct {
        int y, m, d;
        int expected;
    } cases[] = {
        {2020, 8, 23, 34},   // the day before ruleset 33's compliance date: 34 (2019-10-18) is newer
        {2020, 8, 24, 34},
        {2024, 5, 9, 41},    // the day before ruleset 42 becomes mandatory
        {2024, 5, 10, 42},   // its compliance day
        {2099, 1, 1, 42},
        {1970, 1, 1, -1},    // before every compliance date
        {2005, 2, 29, -1},   // no such day
        {2024, 2, 29, 40},   // a leap day
        {2020, 13, 1, -1},
        {2020, 0, 1, -1},
        {2020, 4, 31, -1},
        {1969, 12, 31, -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(GetRulesetInForce_HazData(c.y, c.m, c.d), c.expected) << c.y << "-" << c.m << "-" << c.d;
}

// A retired ruleset is chosen by its date and the engine switches to it.
TEST_F(RulesetClock, SwitchingToTheRulesetOfAPastDay)
{
    At(Utc(2024, 4, 10));
    Engine engine;
    Init_Engine(&engine);
    const int index = SetRulesetInForce_Engine(&engine, 2015, 1, 1);
    EXPECT_GE(index, 0);
    EXPECT_EQ(GetRuleset_Engine(&engine), index);
    EXPECT_EQ(SetRuleset_Engine(&engine, index), 0) << "not active today";
    EXPECT_EQ(SetRulesetInForce_Engine(&engine, 2015, 2, 30), -1);
    EXPECT_EQ(GetRuleset_Engine(&engine), index) << "a refused day changes nothing";
    EXPECT_EQ(SetRulesetInForce_Engine(nullptr, 2015, 1, 1), -1);
    Destroy_Engine(&engine);
}

} // namespace
