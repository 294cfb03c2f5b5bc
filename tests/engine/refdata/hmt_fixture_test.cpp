// Hazardous Materials Table lookups on a small fixture table in the stored
// format (hmt-fixture.tsv, built by hmt_gen): rows per ruleset, the shared
// resin-kit slots, unusable rows, the searches and the ID messages.
#include "dravlen.h"
#include "refdata/hmt_table.h"
#include "refdata/rulesets.h"
#include "refdata/store.h"

#include <gtest/gtest.h>

#include <ctime>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace dravlen;

namespace {

Stamp Utc(int y, int m, int d)
{
    struct tm t {};
    t.tm_year = y - 1900;
    t.tm_mon = m - 1;
    t.tm_mday = d;
    return Stamp(timegm(&t));
}

std::vector<char> ReadFixture()
{
    std::ifstream in(HMT_FIXTURE_BIN, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), {});
}

std::string Take(char *msg)
{
    std::string s = msg ? msg : "(null)";
    qv_free(msg);
    return s;
}

class HmtFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        table_ = ReadFixture();
        ASSERT_EQ(table_.size() % kRecordSize, 0u);
        ASSERT_GT(table_.size(), 0u);
        SetClockForTesting(Utc(2026, 6, 1));
        UseHmtTableForTesting(table_.data(), table_.size());
        AcquireReferenceStore();
        SetCurrentRuleset(42);
    }
    void TearDown() override
    {
        ReleaseReferenceStore();
        UseHmtTableForTesting(nullptr, 0);
        ClearClockForTesting();
    }
    std::vector<char> table_;
};

std::vector<std::string> Elements(const CTRec *row, int slot, int code)
{
    std::vector<std::string> out;
    for (int i = 0; i < GetNumElements_CTRec(row, slot, code); ++i)
        out.push_back(GetElement_CTRec(row, slot, code, i));
    return out;
}

TEST_F(HmtFixture, StoreCreationDecodesNothingAndLookupDecodesOnDemand)
{
    EXPECT_EQ(HmtDecodedCount(), 0u);
    // A full-ID search decodes only that ID's records.
    EXPECT_EQ(SearchCT_HazData("UN1203", 2, 0), 631);
    EXPECT_EQ(HmtDecodedCount(), 2u);
    // An index miss decodes the whole table once.
    EXPECT_EQ(GetCTRec_HazData(2362), nullptr);
    EXPECT_EQ(HmtDecodedCount(), HmtRecordCount());
}

TEST_F(HmtFixture, GasolineRowDependsOnTheRuleset)
{
    const std::vector<std::string> sp42 = {"144", "177", "B1", "B33", "IB2", "T4"};
    const std::vector<std::string> sp0 = {"144", "B1", "B33", "IB2", "TP1", "T4"};
    CTRec *row = GetCTRec_HazData(631);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(Elements(row, 2, 6), sp42);
    EXPECT_TRUE(ActiveInRuleset_CTRec(row, 36));
    EXPECT_FALSE(ActiveInRuleset_CTRec(row, 35));
    for (int slot : {0, 1, 3})
        EXPECT_FALSE(HasPackingGroup_CTRec(row, slot)) << slot;
    EXPECT_STREQ(GetElement_CTRec(row, 2, 4, 0), "II");
    EXPECT_TRUE(IsLimitedQuantityAllowed_CTRec(row, 2));
    EXPECT_TRUE(IsBulkPackagingAllowed_CTRec(row, 2));
    EXPECT_EQ(GetPhysicalState_CTRec(row), 'L');

    SetCurrentRuleset(0);
    row = GetCTRec_HazData(631);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(Elements(row, 2, 6), sp0);
    EXPECT_EQ(SearchCT_HazData("un1203", 2, 0), 631);
}

TEST_F(HmtFixture, ConsumerCommodityFromRuleset14)
{
    SetCurrentRuleset(13);
    EXPECT_EQ(GetCTRec_HazData(2514), nullptr);
    EXPECT_FALSE(HasPID_HazData(2514));
    SetCurrentRuleset(14);
    const CTRec *row = GetCTRec_HazData(2514);
    ASSERT_NE(row, nullptr);
    EXPECT_TRUE(HasPackingGroup_CTRec(row, 0));
    EXPECT_FALSE(HasPackingGroup_CTRec(row, 1));
    EXPECT_STREQ(GetElement_CTRec(row, -1, 2, 0), "9");
    EXPECT_EQ(Elements(row, 0, 7), std::vector<std::string>{"167"});
    EXPECT_STREQ(GetElement_CTRec(row, 0, 4, 0), "");
}

TEST_F(HmtFixture, ResinKitSlotsTwoAndThreeShareTheirLists)
{
    const CTRec *row = GetCTRec_HazData(2253);
    ASSERT_NE(row, nullptr);
    EXPECT_FALSE(HasPackingGroup_CTRec(row, 0));
    ASSERT_TRUE(HasPackingGroup_CTRec(row, 2));
    ASSERT_TRUE(HasPackingGroup_CTRec(row, 3));
    for (int code = 5; code <= 13; ++code)
        EXPECT_EQ(Elements(row, 2, code), Elements(row, 3, code)) << code;
    EXPECT_EQ(Elements(row, 3, 6), (std::vector<std::string>{"40", "149"}));
    EXPECT_TRUE(IsLimitedQuantityAllowed_CTRec(row, 2));
    EXPECT_TRUE(IsLimitedQuantityAllowed_CTRec(row, 3));
    EXPECT_FALSE(IsBulkPackagingAllowed_CTRec(row, 2));
    // The shipping-name descriptions still follow the shared lists.
    EXPECT_EQ(Elements(row, -1, 16), std::vector<std::string>{""});
}

TEST_F(HmtFixture, RowWithoutHazardClassIsNeverFound)
{
    EXPECT_EQ(SearchCT_HazData("UN0190", 2, 0), 0);
    EXPECT_EQ(GetCTRec_HazData(2362), nullptr);
    EXPECT_EQ(SearchCT_HazData("Samples", 0, 0), 0);
    EXPECT_EQ(Take(GetIDInfo_HazData("UN0190")), "UN0190 is not a recognized ID number.");
}

TEST_F(HmtFixture, LaterRowWinsWhereTwoRowsOfAPidOverlap)
{
    SetCurrentRuleset(4);
    EXPECT_STREQ(GetElement_CTRec(GetCTRec_HazData(800), -1, 1, 0), "First row of a pair");
    SetCurrentRuleset(5);
    EXPECT_STREQ(GetElement_CTRec(GetCTRec_HazData(800), -1, 1, 0), "Second row of a pair");
}

TEST_F(HmtFixture, ElementAccessorsAndPredicates)
{
    const CTRec *row = GetCTRec_HazData(905);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(GetPID_CTRec(row), 905);
    EXPECT_EQ(GetNumElements_CTRec(row, -1, 1), 1);
    EXPECT_EQ(GetNumElements_CTRec(row, -1, 5), 0);
    EXPECT_EQ(GetNumElements_CTRec(row, 0, 5), 0);   // no slot 0
    EXPECT_EQ(GetNumElements_CTRec(row, 4, 5), 0);
    EXPECT_EQ(GetNumElements_CTRec(row, 1, 17), 0);
    EXPECT_EQ(GetElement_CTRec(row, 1, 4, 1), nullptr);
    EXPECT_EQ(GetElement_CTRec(row, -1, 1, 1), nullptr);
    EXPECT_EQ(GetElement_CTRec(row, 1, 6, -1), nullptr);
    EXPECT_EQ(Elements(row, -1, 14), (std::vector<std::string>{"Toxic liquid, test", "Poison liquid, test"}));
    EXPECT_EQ(Elements(row, -1, 16), (std::vector<std::string>{"", "Division 6.1"}));
    EXPECT_EQ(Elements(row, -1, 15), (std::vector<std::string>{"74-90-8", "143-33-9"}));
    EXPECT_EQ(Elements(row, 1, 7), std::vector<std::string>{});
    EXPECT_TRUE(HasElement_CTRec(row, -2, 6, "IB2"));
    EXPECT_FALSE(HasElement_CTRec(row, 1, 6, "IB2"));
    EXPECT_FALSE(HasElement_CTRec(row, -2, 6, "ib2"));
    EXPECT_TRUE(Query_CTRec(row, -1, 1, "test poison"));
    EXPECT_FALSE(Query_CTRec(row, -1, 1, "test gas"));
    EXPECT_TRUE(HasLabelCodes_CTRec(row, 3));
    EXPECT_FALSE(IsLimitedQuantityAllowed_CTRec(row, 1));   // 8A "None"
    EXPECT_TRUE(IsLimitedQuantityAllowed_CTRec(row, 2));
    EXPECT_TRUE(IsBulkPackagingAllowed_CTRec(row, 1));
    EXPECT_FALSE(IsBulkPackagingAllowed_CTRec(row, 3));
    EXPECT_FALSE(IsBulkPackagingAllowed_CTRec(row, 7));
    EXPECT_TRUE(IsCyanide_CTRec(row));
    EXPECT_FALSE(IsAcid_CTRec(row));
    EXPECT_TRUE(IsLSA_CTRec(row));
    EXPECT_FALSE(IsSCO_CTRec(row));
    EXPECT_EQ(GetPhysicalState_CTRec(row), 'L');
    EXPECT_FALSE(IsHRCQAllowed_CTRec(row));

    struct ZoneCase { int slot; char zone; int allowed; };
    const ZoneCase zones[] = {
        {1, 'A', 1}, {1, 'B', 0}, {1, 0, 0}, {2, 'B', 1}, {2, 'A', 0},
        {3, 0, 1}, {3, 'D', 0}, {3, 'E', 0}, {1, 'a', 0}};
    for (const ZoneCase &z : zones)
        EXPECT_EQ(IsHazardZoneAllowed_CTRec(row, z.slot, z.zone), z.allowed) << z.slot << " " << z.zone;
    const CTRec *ammonia = GetCTRec_HazData(472);
    ASSERT_NE(ammonia, nullptr);
    EXPECT_TRUE(IsHazardZoneAllowed_CTRec(ammonia, 0, 'D'));
    EXPECT_FALSE(IsHazardZoneAllowed_CTRec(ammonia, 0, 0));
    EXPECT_EQ(GetPhysicalState_CTRec(ammonia), 'G');
}

TEST_F(HmtFixture, SearchesIterateInPidOrder)
{
    struct Case { const char *text; int mode; std::vector<int> pids; };
    const Case cases[] = {
        {"entry", 0, {900, 903}},             // 904 retired before 42, 901/902 before 10
        {"TEST toxic", 0, {905}},
        {"6.1", 1, {905}},
        {"2.2", 1, {472}},
        {"999", 2, {900, 903, 905}},
        {"UN9992", 2, {900}},
        {"UN9991", 2, {}},                    // the PID's row now carries UN9992
        {"anything", 3, {}},
    };
    for (const Case &c : cases) {
        std::vector<int> found;
        for (int pid = SearchCT_HazData(c.text, c.mode, 0); pid; pid = SearchCT_HazData(c.text, c.mode, pid))
            found.push_back(pid);
        EXPECT_EQ(found, c.pids) << c.text << " mode " << c.mode;
    }
    EXPECT_EQ(SearchCT_HazData(nullptr, 0, 0), 0);
}

TEST_F(HmtFixture, IdInfoExplainsWhereAnIdNumberIs)
{
    const std::string d41 = GetRuleset(41)->docket;
    const std::string d42 = GetRuleset(42)->docket;
    struct Case { Stamp now; int current; const char *id; std::string expected; };
    const Case cases[] = {
        {Utc(2026, 6, 1), 42, "UN9991", "UN9991 is represented as UN9992 in this ruleset.\n\n"},
        {Utc(2026, 6, 1), 42, "UN9993", "UN9993 expired on Oct 01, 2008."},
        {Utc(2026, 6, 1), 42, "9993",
         "UN9993 expired on Oct 01, 2008.\n\nNA9993 expired on Oct 01, 2008."},
        {Utc(2024, 4, 5), 42, "UN9995", "UN9995 is available by switching to the " + d41 + " ruleset."},
        {Utc(2024, 4, 5), 41, "UN9994", "UN9994 is available by switching to the " + d42 + " ruleset."},
        {Utc(2022, 6, 1), 37, "UN9994",
         "UN9994 is in the upcoming ruleset " + d42 + " which will be available Jan 01, 2023."},
        {Utc(2026, 6, 1), 42, "UN1234", "(null)"},
        {Utc(2026, 6, 1), 42, "UN12", "(null)"},
    };
    for (const Case &c : cases) {
        SetClockForTesting(c.now);
        SetCurrentRuleset(c.current);
        EXPECT_EQ(Take(GetIDInfo_HazData(c.id)), c.expected) << c.id;
    }
}

TEST_F(HmtFixture, DamagedRecordIsUnusableNotOverread)
{
    // A record whose bytes hold no terminator at all: the decoder must stay
    // inside the record and refuse it.
    std::vector<char> broken(table_);
    std::fill(broken.begin() + 11, broken.begin() + long(kRecordSize), 'X');
    ReleaseReferenceStore();
    UseHmtTableForTesting(broken.data(), broken.size());
    AcquireReferenceStore();
    EXPECT_EQ(DecodeHmtRecord(0), 0);
    EXPECT_EQ(HmtRecordRow(0), nullptr);
    ReleaseReferenceStore();
    UseHmtTableForTesting(table_.data(), table_.size());
    AcquireReferenceStore();
}

TEST(HmtStore, NoStoreMeansNoRows)
{
    ASSERT_EQ(ReferenceStoreUsers(), 0);
    EXPECT_EQ(GetCTRec_HazData(631), nullptr);
    EXPECT_EQ(SearchCT_HazData("UN1203", 2, 0), 0);
    EXPECT_EQ(GetIDInfo_HazData("UN1203"), nullptr);
}

} // namespace
