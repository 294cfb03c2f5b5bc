// The embedded Hazardous Materials Table against the regulation as in
// effect 2026-06-01 (ruleset 42): well-known entries, counts of the
// generated table, and the Forbidden names.
#include "dravlen.h"
#include "refdata/hmt_table.h"
#include "refdata/rulesets.h"
#include "refdata/store.h"
#include "table_in_force_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <set>
#include <string>
#include <vector>

using namespace dravlen;

namespace {

std::vector<std::string> Elements(const CTRec *row, int slot, int code)
{
    std::vector<std::string> out;
    for (int i = 0; i < GetNumElements_CTRec(row, slot, code); ++i)
        out.push_back(GetElement_CTRec(row, slot, code, i));
    return out;
}

std::string Joined(const CTRec *row, int slot, int code)
{
    std::string s;
    for (const std::string &e : Elements(row, slot, code))
        s += (s.empty() ? "" : ",") + e;
    return s;
}

using HmtTable = TableInForce;

TEST_F(HmtTable, StoreCreationDecodesNothing)
{
    EXPECT_EQ(CurrentRuleset(), 42);
    EXPECT_EQ(HmtDecodedCount(), 0u);
}

// The counts hmt_gen prints at build time.
TEST_F(HmtTable, GeneratedCounts)
{
    const size_t n = HmtRecordCount();
    EXPECT_EQ(n, 3090u);
    size_t un = 0, na = 0, id = 0, unusable = 0;
    std::set<int> pids;
    DecodeWholeHmt();  // its speed is measured in bench/, not here
    for (size_t i = 0; i < n; ++i) {
        const std::string prefix(HmtRecordId(i), 2);
        (prefix == "UN" ? un : prefix == "NA" ? na : id)++;
        const CTRec *row = HmtRecordRow(i);
        if (row == nullptr)
            ++unusable;
        else
            pids.insert(GetPID_CTRec(row));
        if (i > 0) {
            EXPECT_LE(std::string(HmtRecordId(i - 1), 6), std::string(HmtRecordId(i), 6));
        }
    }
    EXPECT_EQ(un, 3028u);
    EXPECT_EQ(na, 61u);
    EXPECT_EQ(id, 1u);
    EXPECT_EQ(unusable, 1u);           // UN0190, no hazard class
    EXPECT_EQ(pids.size(), 2484u);     // 2485 distinct PIDs less UN0190's
}

TEST_F(HmtTable, EveryRowCarriesValidHazardCodes)
{
    for (int r : {0, 42}) {
        SetCurrentRuleset(r);
        int rows = 0;
        for (int pid = 1; pid < kPidLimit; ++pid) {
            const CTRec *row = GetCTRec_HazData(pid);
            if (row == nullptr)
                continue;
            ++rows;
            HazDiv hd;
            EXPECT_TRUE(Init_HazDiv(&hd, GetElement_CTRec(row, -1, 2, 0))) << pid;
            for (int slot = 0; slot < 4; ++slot)
                for (const std::string &label : Elements(row, slot, 5))
                    EXPECT_TRUE(Init_HazDiv(&hd, label.c_str())) << pid << " " << label;
            EXPECT_GE(GetNumElements_CTRec(row, -1, 14), 1) << pid;
        }
        EXPECT_GT(rows, 2400) << r;
    }
}

struct KnownEntry {
    const char *id;
    int pid;           // 0: not pinned, found by the search
    const char *name;  // word query on the proper shipping name
    const char *hazClass;
    int slot;
    const char *labels;
    const char *specialProvisions;
    const char *exceptions;
    const char *bulk;
    int lq;
    int bulkAllowed;
    char state;
};

TEST_F(HmtTable, WellKnownEntriesMatchTheRegulation)
{
    const KnownEntry entries[] = {
        {"UN1203", 631, "Gasoline", "3", 2, "3", "144,177,B1,B33,IB2,T4", "150", "242", 1, 1, 'L'},
        {"UN1005", 472, "Ammonia, anhydrous", "2.2", 0, "2.2", "13,379,T50", "", "314,315", 0, 1, 'G'},
        {"UN1017", 0, "Chlorine", "2.3", 0, "2.3,5.1,8", "2,B9,B14,N86,T50,TP19", "", "314,315", 0, 1, 'G'},
        {"UN1830", 0, "Sulfuric acid", "8", 2, "8", "A3,A7,B3,B83,B84,IB2,N34,T8,TP2", "154", "242", 1, 1, 'L'},
        {"ID8000", 2514, "Consumer commodity", "9", 0, "9", "", "167", "", 0, 0, 0},
        {"UN3077", 2059, "Environmentally hazardous substance, solid", "9", 3, "9",
         "8,146,335,384,441,A112,B54,B120,IB8,IP3,N20,N91,T1,TP33", "155", "240", 1, 1, 'S'},
        {"UN3082", 2063, "Environmentally hazardous substance, liquid", "9", 3, "9",
         "8,146,173,335,441,IB3,T4,TP1,TP29", "155", "241", 1, 1, 'L'},
        {"UN0081", 0, "Explosive, blasting, type A", "1.1D", 0, "1.1D", "148", "", "", 0, 0, 0},
        {"UN1051", 0, "Hydrogen cyanide, stabilized", "6.1", 1, "6.1,3", "1,387,B35,B61,B65,B77,B82", "", "244", 0, 1, 'L'},
        {"UN3111", 2093, "Organic peroxide type B, liquid, temperature controlled", "5.2", 0, "5.2,1", "53", "", "", 0, 0, 'L'},
        {"UN3328", 2383, "Type B(U) package, fissile", "7", 0, "7", "A56", "453", "417", 1, 1, 0},
    };
    for (const KnownEntry &e : entries) {
        const int pid = SearchCT_HazData(e.id, 2, 0);
        ASSERT_NE(pid, 0) << e.id;
        if (e.pid) {
            EXPECT_EQ(pid, e.pid) << e.id;
        }
        const CTRec *row = GetCTRec_HazData(pid);
        ASSERT_NE(row, nullptr) << e.id;
        EXPECT_STREQ(GetElement_CTRec(row, -1, 3, 0), e.id);
        EXPECT_TRUE(Query_CTRec(row, -1, 1, e.name)) << e.id;
        EXPECT_STREQ(GetElement_CTRec(row, -1, 2, 0), e.hazClass) << e.id;
        ASSERT_TRUE(HasPackingGroup_CTRec(row, e.slot)) << e.id;
        EXPECT_EQ(Joined(row, e.slot, 5), e.labels) << e.id;
        EXPECT_EQ(Joined(row, e.slot, 6), e.specialProvisions) << e.id;
        EXPECT_EQ(Joined(row, e.slot, 7), e.exceptions) << e.id;
        EXPECT_EQ(Joined(row, e.slot, 9), e.bulk) << e.id;
        EXPECT_EQ(IsLimitedQuantityAllowed_CTRec(row, e.slot), e.lq) << e.id;
        EXPECT_EQ(IsBulkPackagingAllowed_CTRec(row, e.slot), e.bulkAllowed) << e.id;
        EXPECT_EQ(GetPhysicalState_CTRec(row), e.state) << e.id;
    }
}

TEST_F(HmtTable, PinnedEntriesAndTheirRules)
{
    // Domestic anhydrous ammonia is a zone D material (172.102(c)(1)).
    const CTRec *ammonia = GetCTRec_HazData(472);
    ASSERT_NE(ammonia, nullptr);
    EXPECT_TRUE(HasElement_CTRec(ammonia, -1, 0, "D"));
    EXPECT_TRUE(IsHazardZoneAllowed_CTRec(ammonia, 0, 'D'));
    EXPECT_FALSE(IsHazardZoneAllowed_CTRec(ammonia, 0, 0));
    EXPECT_EQ(Elements(ammonia, -1, 15), std::vector<std::string>{"7664-41-7"});

    struct NameCase { int pid; const char *id; const char *words; };
    const NameCase pins[] = {
        {54, "NA1993", "Combustible liquid"}, {57, "NA1993", "Diesel fuel"},
        {58, "NA1993", "Fuel oil"}, {61, "NA1999", "Asphalt"},
        {2206, "UN3221", "Self-reactive liquid type B"},
        {2225, "UN3240", "Self-reactive solid type F, temperature controlled"},
        {2253, "UN3269", "Polyester resin kit"}, {2583, "UN3527", "Polyester resin kit, solid"},
        {2331, "UN3318", "Ammonia solution"}, {2515, "UN3494", "sour crude"},
        {2382, "UN3327", "Type A package, fissile"}};
    for (const NameCase &c : pins) {
        const CTRec *row = GetCTRec_HazData(c.pid);
        ASSERT_NE(row, nullptr) << c.pid;
        EXPECT_STREQ(GetElement_CTRec(row, -1, 3, 0), c.id) << c.pid;
        EXPECT_TRUE(Query_CTRec(row, -1, 1, c.words)) << c.pid;
    }
    EXPECT_STREQ(GetElement_CTRec(GetCTRec_HazData(54), -1, 2, 0), "COMB");
    // Chlorine: zone B (special provision 2).
    const CTRec *chlorine = GetCTRec_HazData(SearchCT_HazData("UN1017", 2, 0));
    EXPECT_TRUE(IsHazardZoneAllowed_CTRec(chlorine, 0, 'B'));
    EXPECT_FALSE(IsHazardZoneAllowed_CTRec(chlorine, 0, 'A'));
    EXPECT_TRUE(IsCyanide_CTRec(GetCTRec_HazData(SearchCT_HazData("UN1051", 2, 0))));
    EXPECT_TRUE(IsAcid_CTRec(GetCTRec_HazData(SearchCT_HazData("UN1830", 2, 0))));
    // Highway route controlled quantities: Type B packages, not Type A.
    EXPECT_TRUE(IsHRCQAllowed_CTRec(GetCTRec_HazData(2383)));
    EXPECT_FALSE(IsHRCQAllowed_CTRec(GetCTRec_HazData(2382)));
    // Resin kits: slots II and III with limited quantity (173.165).
    const CTRec *kit = GetCTRec_HazData(2583);
    EXPECT_TRUE(IsLimitedQuantityAllowed_CTRec(kit, 2));
    EXPECT_TRUE(IsLimitedQuantityAllowed_CTRec(kit, 3));
    EXPECT_FALSE(HasPackingGroup_CTRec(kit, 0));
}

TEST_F(HmtTable, SearchesAndIdInformation)
{
    // Words in any order: "dichloride methyl" reaches Methyl phosphonic
    // dichloride (NA9206) among the names holding both words.
    std::vector<int> byName;
    for (int pid = SearchCT_HazData("dichloride methyl", 0, 0); pid; pid = SearchCT_HazData("dichloride methyl", 0, pid))
        byName.push_back(pid);
    EXPECT_NE(std::find(byName.begin(), byName.end(), SearchCT_HazData("NA9206", 2, 0)), byName.end());
    EXPECT_EQ(SearchCT_HazData("UN0190", 2, 0), 0);
    char *msg = GetIDInfo_HazData("UN0190");
    EXPECT_STREQ(msg, "UN0190 is not a recognized ID number.");
    qv_free(msg);
    // "1993" finds the NA1993 entries (PIDs 54-58) before the UN1993 ones.
    std::vector<int> found;
    for (int pid = SearchCT_HazData("1993", 2, 0); pid; pid = SearchCT_HazData("1993", 2, pid))
        found.push_back(pid);
    ASSERT_GE(found.size(), 6u);
    EXPECT_EQ(found[0], 54);
    EXPECT_EQ(found[3], 57);
    EXPECT_EQ(found[4], 58);
    // UN1169 (extracts, aromatic, liquid) is in the 2019 edition only.
    msg = GetIDInfo_HazData("UN1169");
    EXPECT_STREQ(msg, "UN1169 expired on May 10, 2021.");
    qv_free(msg);
}

// A search by name before anything is decoded reads the names from the
// stored records; it must find exactly the rows the decoded table holds
// for the current ruleset, in PID order, whatever the case of the words.
TEST_F(HmtTable, FirstSearchByNameDecodesNothingAndAgreesWithTheDecodedTable)
{
    const char *const queries[] = {"acid", "SULFURIC Acid", "dichloride methyl", "n.o.s. flammable", "gasoline"};
    std::vector<std::vector<int>> lazy;
    for (const char *q : queries) {
        lazy.emplace_back();
        for (int pid = SearchCT_HazData(q, 0, 0); pid; pid = SearchCT_HazData(q, 0, pid))
            lazy.back().push_back(pid);
    }
    EXPECT_EQ(HmtDecodedCount(), 0u);
    EXPECT_NE(std::find(lazy[1].begin(), lazy[1].end(), SearchCT_HazData("UN1830", 2, 0)), lazy[1].end());

    for (size_t k = 0; k < std::size(queries); ++k) {
        std::vector<int> decoded;
        for (int pid = 1; pid < kPidLimit; ++pid) {
            const CTRec *row = GetCTRec_HazData(pid);
            if (row && MatchesWords(row->psn, queries[k]))
                decoded.push_back(pid);
        }
        EXPECT_FALSE(decoded.empty()) << queries[k];
        EXPECT_EQ(lazy[k], decoded) << queries[k];
    }
}

TEST(ForbiddenNames, TableForbiddenEntriesAreKnown)
{
    EXPECT_TRUE(IsForbiddenName("Explosive, forbidden. See \u00A7 173.54"));
    EXPECT_TRUE(IsForbiddenName("1,1-DINITROETHANE (DRY)"));
    EXPECT_FALSE(IsForbiddenName("Gasoline"));
    EXPECT_FALSE(IsForbiddenName(nullptr));
}

TEST(ForbiddenNames, SearchByWordsWalksEveryMatch)
{
    // "dinitroethane" names two Forbidden materials, in name order.
    std::vector<std::string> found;
    for (int i = SearchForbidden_HazData("DINITROETHANE", -1); i >= 0; i = SearchForbidden_HazData("DINITROETHANE", i))
        found.push_back(GetForbiddenName_HazData(i));
    EXPECT_EQ(found, (std::vector<std::string>{"1,1-Dinitroethane (dry)", "1,2-Dinitroethane"}));
    EXPECT_EQ(SearchForbidden_HazData("gasoline", -1), -1);
    EXPECT_EQ(SearchForbidden_HazData(nullptr, -1), -1);
    EXPECT_EQ(GetForbiddenName_HazData(-1), nullptr);
    EXPECT_EQ(GetForbiddenName_HazData(100000), nullptr);
}

} // namespace
