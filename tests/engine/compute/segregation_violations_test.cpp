// What the segregation pass hands to the inspection as the load's
// segregation violation (which kind of conflict, which citation), and the
// pair rules' refusal of hazard indexes an item does not have.
#include "compute/kind_facts.h"
#include "compute/segregation.h"
#include "compute/segregation_pairs.h"

#include "truckload_fixture.h"

#include <deque>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace velmora_test {
namespace {

struct FindingCase {
    const char *paragraph;
    std::vector<ItemSpec> items;
    bool table;
    bool explosives;
    const char *other;  // null: none
};

void PrintTo(const FindingCase &c, std::ostream *os) { *os << c.paragraph; }

ItemSpec W(const char *id, uint32_t pounds)
{
    ItemSpec s{id};
    s.weight = pounds;
    return s;
}

const FindingCase kFindings[] = {
    {"no conflict", {{"UN1203"}, {"UN1066"}}, false, false, nullptr},
    {"177.848(d) table conflict", {{"UN1203"}, {"UN1076", nullptr, -1, 'A'}}, true, false, nullptr},
    {"177.848(d) separation is not a violation", {{"UN1203"}, {"UN1479", nullptr, 2}}, false, false, nullptr},
    {"177.848(g)(2) explosives conflict", {{"UN0029"}, {"UN0161"}}, false, true, nullptr},
    {"177.835(g) conditional explosives conflict", {{"UN0081"}, {"UN0455"}}, false, true, nullptr},
    {"177.835(g) named 1.4S article, no conflict", {{"UN0081"}, {"UN0070"}}, false, false, nullptr},
    {"177.835(g) detonator assemblies with 1.1D", {{"UN0081"}, {"UN0500"}}, false, true, nullptr},
    {"177.848(c) cyanide with an acid", {{"UN1689"}, {"UN1830", nullptr, -1, 0, 'L'}}, false, false,
     "49 CFR 177.848(c)"},
    {"177.848(c) cyanide with a corrosive", {{"UN1689"}, {"UN1759", nullptr, 2}}, false, false, "49 CFR 177.848(c)"},
    {"177.848(e)(6) reacting materials", {{"UN1092", nullptr, -1, 'A'}, {"UN1051", nullptr, -1, 'A'}}, false, false,
     "49 CFR 177.848(e)(6)"},
    {"173.170(b) black powder for small arms", {W("NA0027", 101)}, false, false, "49 CFR 173.170(b)"},
    {"173.171(b) smokeless powder for small arms", {W("NA3178", 101)}, false, false, "49 CFR 173.171(b)"},
    {"173.63(a) detonating cord", {W("UN0289", 100)}, false, false, "49 CFR 173.63(a)"},
    // One entry never conflicts with itself: two items of acrolein (6.1 with
    // a 3 subsidiary, PG I, zone A) meet through the subsidiary, but the pass
    // posts no message for them, so no violation may be filed either.
    {"177.848(e)(6) one entry twice is no conflict",
     {{"UN1092", nullptr, -1, 'A'}, {"UN1092", nullptr, -1, 'A', 0, false, 300}}, false, false, nullptr},
    {"173.156 limited quantity not subject",
     {{"UN1076", nullptr, -1, 'A'}, {"UN1203", nullptr, -1, 0, 0, false, 100, 0, true}}, false, false, nullptr},
};

class SegregationViolation : public Truckload, public ::testing::WithParamInterface<FindingCase> {};

TEST_P(SegregationViolation, Findings)
{
    const FindingCase &c = GetParam();
    for (const ItemSpec &s : c.items)
        ASSERT_NE(Add(s), nullptr);
    const dravlen::SegregationFindings f = dravlen::FindSegregationViolations(load());
    EXPECT_EQ(f.tableConflict, c.table);
    EXPECT_EQ(f.explosivesConflict, c.explosives);
    if (c.other)
        EXPECT_STREQ(f.otherCitation, c.other);
    else
        EXPECT_EQ(f.otherCitation, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Violations, SegregationViolation, ::testing::ValuesIn(kFindings));

TEST_F(Truckload, PairWithAnInvalidHazardIndexHasNoFinding)
{
    // Gasoline (one hazard code) and phosgene zone A (2.3 with an 8
    // subsidiary): the valid pair is "do not load".
    ASSERT_NE(Add({"UN1203"}), nullptr);
    ASSERT_NE(Add({"UN1076", nullptr, -1, 'A'}), nullptr);
    const Hazmat *gasoline = GetHazmat_Load(load(), 0);
    const Hazmat *phosgene = GetHazmat_Load(load(), 1);
    EXPECT_EQ(dravlen::CheckHazardPair(gasoline, phosgene, 0, 0), 1);
    EXPECT_EQ(dravlen::CheckHazardPair(phosgene, gasoline, 0, 0), 1);
    for (const auto &[a, b] : std::vector<std::pair<int, int>>{{1, 0}, {-1, 0}, {0, 2}, {0, -1}, {0, 99}})
        EXPECT_EQ(dravlen::CheckHazardPair(gasoline, phosgene, a, b), 5) << a << "," << b;
    EXPECT_EQ(dravlen::CheckItemPair(gasoline, gasoline), 5);
}

// Every table entry (also in zone A or B, liquid or solid, where the entry
// takes it), as the pair rules read it; items the rules cannot tell apart
// once.
class TableKinds : public Truckload {
protected:
    void SetUp() override
    {
        Truckload::SetUp();
        std::set<std::string> seen;
        for (int pid = 1; pid < 20000; ++pid) {
            if (!GetCTRec_HazData(pid))
                continue;
            for (const char variant : {'-', 'A', 'B', 'L', 'S'}) {
                Hazmat &item = items.emplace_back();
                if (!Init_Hazmat(&item, pid))
                    break;
                if (variant == 'A' || variant == 'B')
                    SetHazardZone_Hazmat(&item, variant);
                else if (variant != '-')
                    SetPhysicalState_Hazmat(&item, variant);
                const dravlen::KindFacts k = dravlen::ReadKindFacts(&item);
                std::string key = std::to_string(k.pid) + '|' + k.physicalState + k.hazardZone +
                                  std::to_string(k.packingGroup);
                for (const char *text : k.codeText)
                    key += std::string("|") + text;
                if (seen.insert(key).second)
                    kinds.push_back(k);
            }
        }
        ASSERT_GT(kinds.size(), 1000u);
    }
    void TearDown() override
    {
        for (Hazmat &item : items)
            Reset_Hazmat(&item, 0);
        Truckload::TearDown();
    }

    // The findings of x with y: the item rule, then each pair of codes.
    static std::vector<int> Findings(const dravlen::KindFacts &x, const dravlen::KindFacts &y)
    {
        std::vector<int> f{dravlen::CheckItemPair(x, y)};
        for (int a = 0; a < x.HazardCount(); ++a)
            for (int b = 0; b < y.HazardCount(); ++b)
                f.push_back(dravlen::CheckHazardPair(x, y, a, b));
        return f;
    }

    std::deque<Hazmat> items;
    std::vector<dravlen::KindFacts> kinds;
};

// The pass works out each pair of kinds once and reads the findings of
// (b, a) off those of (a, b) with the items swapped, so the pair rules must
// not depend on which item comes first.
TEST_F(TableKinds, PairRulesDoNotDependOnWhichItemComesFirst)
{
    size_t pairs = 0;
    for (size_t i = 0; i < kinds.size(); ++i) {
        for (size_t j = i + 1; j < kinds.size(); ++j) {
            const dravlen::KindFacts &x = kinds[i];
            const dravlen::KindFacts &y = kinds[j];
            ASSERT_EQ(dravlen::CheckItemPair(x, y), dravlen::CheckItemPair(y, x)) << x.id << " " << y.id;
            for (int a = 0; a < x.HazardCount(); ++a)
                for (int b = 0; b < y.HazardCount(); ++b)
                    ASSERT_EQ(dravlen::CheckHazardPair(x, y, a, b), dravlen::CheckHazardPair(y, x, b, a))
                        << x.id << " " << x.Text(a) << " / " << y.id << " " << y.Text(b);
            ++pairs;
        }
    }
    EXPECT_GT(pairs, 500000u);
}

// The pass works each pair of signatures out once: kinds of one signature
// must give the same findings against every kind of another entry.
TEST_F(TableKinds, KindsOfOneSignatureGiveTheSameFindings)
{
    std::map<std::vector<int>, size_t> first;  // signature fields -> first kind
    size_t shared = 0;
    for (size_t i = 0; i < kinds.size(); ++i) {
        dravlen::PairSignature sig;
        if (!sig.Read(kinds[i]))
            continue;
        std::vector<int> key(sig.code, sig.code + sig.codeCount);
        key.insert(key.end(), {sig.codeCount, sig.groupLPid, sig.physicalState, sig.hazardZone, sig.packingGroup,
                               static_cast<int>(sig.flags)});
        const auto [at, added] = first.emplace(key, i);
        if (added)
            continue;
        ++shared;
        const dravlen::KindFacts &x = kinds[at->second];
        const dravlen::KindFacts &z = kinds[i];
        for (const dravlen::KindFacts &y : kinds) {
            if (y.pid == x.pid || y.pid == z.pid)
                continue;
            ASSERT_EQ(Findings(x, y), Findings(z, y)) << x.id << " and " << z.id << " against " << y.id;
        }
    }
    EXPECT_GT(shared, 100u);
}

// Through the calculation: the finding is filed in the truckload's
// inspection, and taken back when the conflict goes.
TEST_F(Truckload, CalculationFilesTheFindingAsAnInspectionViolation)
{
    auto citations = [this] {
        std::vector<std::string> out;
        for (uint32_t i = 0; i < GetNumViolations_Vehicle(load()); ++i)
            out.push_back(GetReg_Violation(GetViolation_Vehicle(load(), i)));
        return out;
    };
    ASSERT_NE(Add({"UN1203"}), nullptr);
    ASSERT_NE(Add({"UN1076", nullptr, -1, 'A'}), nullptr);
    Calculate_Engine(&engine);
    EXPECT_EQ(GetLegality_Engine(&engine), 1);
    EXPECT_EQ(citations(), std::vector<std::string>{"177.848(d)"});

    Calculate_Engine(&engine);  // a second calculation files nothing twice
    EXPECT_EQ(citations(), std::vector<std::string>{"177.848(d)"});

    ASSERT_EQ(Remove_Load(load(), 1), 1);
    Calculate_Engine(&engine);
    EXPECT_EQ(GetLegality_Engine(&engine), 0);
    EXPECT_TRUE(citations().empty());
}

} // namespace
} // namespace velmora_test
