// The reference-table lookups through the public interface.
#include "dravlen.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

int CountHS()
{
    int n = 0;
    while (GetHSRec_HazData(n) != nullptr)
        ++n;
    return n;
}

TEST(HazardousSubstances, SearchByCasWalksEveryNameInOrder)
{
    // 100-01-6 has two names, the first records of the table.
    EXPECT_EQ(SearchHS_HazData("100-01-6", -1), 0);
    EXPECT_STREQ(GetName_HSRec(GetHSRec_HazData(0)), "Benzenamine, 4-nitro-");
    EXPECT_EQ(SearchHS_HazData("100-01-6", 0), 1);
    EXPECT_STREQ(GetName_HSRec(GetHSRec_HazData(1)), "p-Nitroaniline");
    EXPECT_EQ(GetRQ_HSRec(GetHSRec_HazData(1)), 5000u);
    EXPECT_EQ(SearchHS_HazData("100-01-6", 1), -1);
    EXPECT_EQ(SearchHS_HazData("100-01-6", -7), 0);

    // Exact comparison: a prefix or an unknown number finds nothing.
    EXPECT_EQ(SearchHS_HazData("100-01", -1), -1);
    EXPECT_EQ(SearchHS_HazData("", -1), -1);
    EXPECT_EQ(SearchHS_HazData(nullptr, -1), -1);
    const int count = CountHS();
    EXPECT_EQ(SearchHS_HazData("100-01-6", count - 1), -1);
    EXPECT_EQ(SearchHS_HazData("100-01-6", count + 5), -1);
}

TEST(HazardousSubstances, RangeAndFields)
{
    const int count = CountHS();
    EXPECT_EQ(count, 1382);
    EXPECT_EQ(GetHSRec_HazData(-1), nullptr);
    EXPECT_EQ(GetHSRec_HazData(count), nullptr);
    EXPECT_EQ(GetCAS_HSRec(nullptr), nullptr);
    EXPECT_EQ(GetName_HSRec(nullptr), nullptr);
    EXPECT_EQ(GetRQ_HSRec(nullptr), 0u);

    // Every reportable quantity is one of the five of 40 CFR 302.4 / 49 CFR
    // 172.101 Appendix A; substances without CAS number come last as "NA".
    const std::set<uint32_t> rqs = {1, 10, 100, 1000, 5000};
    bool seenNA = false;
    int na = 0;
    for (int i = 0; i < count; ++i) {
        const HSRec *r = GetHSRec_HazData(i);
        EXPECT_EQ(rqs.count(GetRQ_HSRec(r)), 1u) << i;
        const std::string cas = GetCAS_HSRec(r);
        if (cas == "NA") {
            seenNA = true;
            ++na;
        } else {
            EXPECT_FALSE(seenNA) << "CAS after NA at " << i;
            EXPECT_NE(cas.find('-'), std::string::npos) << cas;
        }
    }
    EXPECT_EQ(na, 198);

    // Benzene, 10 pounds (RQ of 71-43-2).
    const int benzene = SearchHS_HazData("71-43-2", -1);
    ASSERT_GE(benzene, 0);
    EXPECT_EQ(GetRQ_HSRec(GetHSRec_HazData(benzene)), 10u);
}

TEST(MarinePollutants, KeysAndSearches)
{
    int count = 0, byCas = 0, byPid = 0, severe = 0;
    for (const MPRec *r; (r = GetMPRec_HazData(count)) != nullptr; ++count) {
        const char *cas = GetCAS_MPRec(r);
        const uint32_t pid = GetPID_MPRec(r);
        EXPECT_FALSE(cas != nullptr && pid != 0) << count;
        byCas += cas != nullptr;
        byPid += pid != 0;
        const int type = GetType_MPRec(r);
        EXPECT_TRUE(type == 0 || type == 1);
        severe += type;
        ASSERT_NE(GetName_MPRec(r), nullptr);
        EXPECT_NE(GetName_MPRec(r)[0], '\0');

        // Each keyed record is found by its own key, starting just before it.
        if (cas != nullptr) {
            EXPECT_EQ(SearchMPByCAS_HazData(cas, count - 1), count);
        }
        if (pid != 0) {
            EXPECT_EQ(SearchMPByPID_HazData(static_cast<int>(pid), count - 1), count);
        }
    }
    EXPECT_EQ(byCas, 103);
    EXPECT_EQ(byPid, 125);  // 110 names keyed to table entries, some to several
    EXPECT_EQ(count, 575);
    EXPECT_EQ(severe, 186);
    EXPECT_EQ(GetMPRec_HazData(-1), nullptr);
    EXPECT_EQ(GetMPRec_HazData(count), nullptr);

    // Aldrin (309-00-2) is a severe marine pollutant.
    const int aldrin = SearchMPByCAS_HazData("309-00-2", -1);
    ASSERT_GE(aldrin, 0);
    EXPECT_STREQ(GetName_MPRec(GetMPRec_HazData(aldrin)), "Aldrin");
    EXPECT_EQ(GetType_MPRec(GetMPRec_HazData(aldrin)), 1);
    EXPECT_EQ(SearchMPByCAS_HazData("309-00-2", aldrin), -1);

    // PID 0 and negative PIDs are no key; unkeyed records never match.
    EXPECT_EQ(SearchMPByPID_HazData(0, -1), -1);
    EXPECT_EQ(SearchMPByPID_HazData(-3, -1), -1);
    EXPECT_EQ(SearchMPByCAS_HazData("", -1), -1);
    EXPECT_EQ(SearchMPByCAS_HazData(nullptr, -1), -1);
    EXPECT_EQ(GetCAS_MPRec(nullptr), nullptr);
    EXPECT_EQ(GetPID_MPRec(nullptr), 0u);
    EXPECT_EQ(GetType_MPRec(nullptr), 0);
}

// Citations that the engine posts itself (segregation, cargo tank and
// shipping-paper rules) must be in the table.
TEST(ViolationCodes, CitationsThatTheEnginePosts)
{
    struct Case {
        const char *citation;
        const char *code;
        const char *category;
    };
    const Case cases[] = {
        {"173.24(c)", "173.24C", "H"},   {"173.33(a)", "173.33A", "H"},
        {"171.2(a)", "171.2A", "H"},     {"177.848(d)", "177.848D", "H"},
        {"177.848(f)", "177.848F", "H"}, {"393.55(a)", "393.55A", "V"},
        {"172.403(g)", "172.403G", "H"}, {"392.2", "392.2", "D"},
    };
    for (const auto &c : cases) {
        const int i = SearchVI_HazData(c.citation);
        ASSERT_GE(i, 0) << c.citation;
        const VIRec *r = GetVIRec_HazData(i);
        EXPECT_STREQ(GetField_VIRec(r, 6), c.citation);
        EXPECT_STREQ(GetField_VIRec(r, 0), c.code);
        EXPECT_STREQ(GetField_VIRec(r, 9), c.category);
        // First match in table order: no earlier record has the citation.
        for (int j = 0; j < i; ++j)
            ASSERT_STRNE(GetField_VIRec(GetVIRec_HazData(j), 6), c.citation) << j;
    }
    EXPECT_EQ(SearchVI_HazData("392"), -1);
    EXPECT_EQ(SearchVI_HazData(""), -1);
    EXPECT_EQ(SearchVI_HazData(nullptr), -1);
    // The cargo tank inspection's own citations are not violation codes.
    EXPECT_EQ(SearchVI_HazData("78.3"), -1);
}

TEST(ViolationCodes, FieldsAndUnknownOutOfService)
{
    int count = 0;
    std::set<std::string> citations;
    int at3922 = 0;
    for (const VIRec *r; (r = GetVIRec_HazData(count)) != nullptr; ++count) {
        for (int f = 0; f < 10; ++f)
            ASSERT_NE(GetField_VIRec(r, f), nullptr);
        EXPECT_EQ(GetField_VIRec(r, 10), nullptr);
        EXPECT_EQ(GetField_VIRec(r, -1), nullptr);
        // No public source gives the out-of-service flag: it is stored as
        // unknown, never as "Y" or "P" (out of service) or "N".
        EXPECT_STREQ(GetField_VIRec(r, 5), "U") << GetField_VIRec(r, 0);
        const std::string category = GetField_VIRec(r, 9);
        EXPECT_TRUE(category == "H" || category == "V" || category == "D") << category;
        EXPECT_NE(GetField_VIRec(r, 0)[0], '\0');
        citations.insert(GetField_VIRec(r, 6));
        at3922 += std::string(GetField_VIRec(r, 6)) == "392.2";
    }
    EXPECT_EQ(count, 935);
    EXPECT_EQ(citations.size(), 813u);
    EXPECT_EQ(at3922, 23);
    EXPECT_EQ(GetVIRec_HazData(-1), nullptr);
    EXPECT_EQ(GetField_VIRec(nullptr, 0), nullptr);
}

TEST(RegulationLinks, Lookup)
{
    struct Case {
        int column;
        const char *value;
        const char *target; // null: no link
    };
    const Case cases[] = {
        {6, "101", "49cfr172.102(101)"},
        {6, "10", nullptr},          // key 0610| is a prefix of no record's key
        {6, "B1", "49cfr172.102(B1)"},
        {6, "T9", "49cfr172.102(T9)"},
        {0, "+", "49cfr172.101(b)(1)"},
        {0, "W", "49cfr172.101(b)(6)"},
        {5, "3", "49cfr172.419"},
        {5, "6.1", "49cfr172.430"},
        {7, "150", "49cfr173.150"},
        {8, "202", "49cfr173.202"},
        {9, "242", "49cfr173.242"},
        {10, "Forbidden", "49cfr172.101(j)(1)"},
        {12, "E", "49cfr172.101(k)(5)"},
        {12, "01", "49cfr172.101(k)(6)"},
        {13, "40", "49cfr176.84(b)"},
        {6, "", nullptr},
        {6, "101|", nullptr},
        {60, "101", nullptr},
        {-6, "101", nullptr},
        {100, "101", nullptr},
        {6, "a value far too long to be the key of any thirty-two byte record", nullptr},
        {6, nullptr, nullptr},
    };
    for (const auto &c : cases) {
        const char *got = GetLink_HazData(c.column, c.value);
        if (c.target == nullptr)
            EXPECT_EQ(got, nullptr) << c.column << " " << (c.value ? c.value : "(null)");
        else
            EXPECT_STREQ(got, c.target) << c.column << " " << c.value;
    }
}

} // namespace
