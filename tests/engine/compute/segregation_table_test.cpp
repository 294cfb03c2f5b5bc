// The 49 CFR 177.848(d) segregation table, cell by cell, through a real
// truckload: two items loaded, calculated, and the pair messages and the
// legality read back.
#include "truckload_fixture.h"

#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace velmora_test {
namespace {

// Entries standing for the rows and columns of the table.
const ItemSpec E11{"UN0081"};                       // 1.1D explosive, blasting, type A
const ItemSpec E13{"UN0161"};                       // 1.3C powder, smokeless
const ItemSpec E14{"UN0312"};                       // 1.4G cartridges, signal
const ItemSpec E15{"UN0331"};                       // 1.5D explosive, blasting, type B
const ItemSpec E16{"UN0486"};                       // 1.6N articles, extremely insensitive
const ItemSpec G21{"UN1049"};                       // 2.1 hydrogen, compressed
const ItemSpec G22{"UN1066"};                       // 2.2 nitrogen, compressed
const ItemSpec G23A{"UN1076", nullptr, -1, 'A'};    // 2.3 (8) phosgene, zone A
const ItemSpec G23B{"UN1017", nullptr, -1, 'B'};    // 2.3 (5.1, 8) chlorine, zone B
const ItemSpec G23C{"UN1079", nullptr, -1, 'C'};    // 2.3 (8) sulfur dioxide, zone C
const ItemSpec F3{"UN1203"};                        // 3 gasoline
const ItemSpec COMB{"NA1993", "COMB"};              // combustible liquid, n.o.s.
const ItemSpec S41{"UN1325", nullptr, 2};           // 4.1 flammable solid, organic
const ItemSpec S42{"UN1361", nullptr, 2};           // 4.2 carbon
const ItemSpec S43{"UN1428"};                       // 4.3 sodium
const ItemSpec O51{"UN1479", nullptr, 2};           // 5.1 oxidizing solid
const ItemSpec AN{"UN1942"};                        // 5.1 ammonium nitrate
const ItemSpec P61A{"UN3381", nullptr, -1, 'A'};    // 6.1 liquid, PG I, zone A
const ItemSpec P61{"UN2810", nullptr, 2};           // 6.1 liquid, PG II, no zone
const ItemSpec R7{"UN2915"};                        // 7 radioactive, Type A package
const ItemSpec C8L{"UN1830", nullptr, -1, 0, 'L'};  // 8 sulfuric acid, liquid
const ItemSpec C8S{"UN1759", nullptr, 2};           // 8 corrosive solid

struct Cell {
    const char *paragraph;
    ItemSpec a;
    ItemSpec b;
    std::set<int> pairCodes;  // codes of the messages about the two items
    int legality;
};

void PrintTo(const Cell &c, std::ostream *os)
{
    *os << c.paragraph << ": " << c.a.id << " with " << c.b.id;
}

const Cell kCells[] = {
    // "X": may not be loaded, transported or stored together.
    {"177.848(d) 1.1 x 2.1", E11, G21, {1}, 1},
    {"177.848(d) 1.1 x 2.2", E11, G22, {1}, 1},
    {"177.848(d) 1.1 x 2.3 zone A", E11, G23A, {1}, 1},
    {"177.848(d) 1.1 x 3", E11, F3, {1}, 1},
    {"177.848(d) 1.1 x 4.1", E11, S41, {1}, 1},
    {"177.848(d) 1.1 x 4.2", E11, S42, {1}, 1},
    {"177.848(d) 1.1 x 4.3", E11, S43, {1}, 1},
    {"177.848(d) 1.1 x 5.1", E11, O51, {1}, 1},
    {"177.848(d) 1.1 x 6.1 liquid PG I zone A", E11, P61A, {1}, 1},
    {"177.848(d) 1.1 x 7", E11, R7, {1}, 1},
    {"177.848(d) 1.1 x 8 liquid", E11, C8L, {1}, 1},
    {"177.848(d) 1.5 x 4.1", E15, S41, {1}, 1},
    {"177.848(d) 1.3 x 2.1", E13, G21, {1}, 1},
    {"177.848(d) 1.3 x 2.3 zone A", E13, G23A, {1}, 1},
    {"177.848(d) 1.3 x 3", E13, F3, {1}, 1},
    {"177.848(d) 1.3 x 4.2", E13, S42, {1}, 1},
    {"177.848(d) 1.3 x 4.3", E13, S43, {1}, 1},
    {"177.848(d) 1.3 x 5.1", E13, O51, {1}, 1},
    {"177.848(d), (e)(5) 1.3 x ammonium nitrate (no exception)", E13, AN, {1}, 1},
    {"177.848(d) 1.3 x 6.1 liquid PG I zone A", E13, P61A, {1}, 1},
    {"177.848(d) 1.3 x 8 liquid", E13, C8L, {1}, 1},
    {"177.848(d) 2.1 x 2.3 zone A", G21, G23A, {1}, 1},
    {"177.848(d) 2.3 zone A x 3", G23A, F3, {1}, 1},
    {"177.848(d) 2.3 zone A x 4.1", G23A, S41, {1}, 1},
    {"177.848(d) 2.3 zone A x 5.1", G23A, O51, {1}, 1},
    {"177.848(d) 2.3 zone A x 8 liquid", G23A, C8L, {1}, 1},
    {"177.848(d) 3 x 6.1 liquid PG I zone A", F3, P61A, {1}, 1},
    {"177.848(d) 4.1 x 6.1 liquid PG I zone A", S41, P61A, {1}, 1},
    {"177.848(d) 5.1 x 6.1 liquid PG I zone A", O51, P61A, {1}, 1},
    {"177.848(d) 6.1 liquid PG I zone A x 8 liquid", P61A, C8L, {1}, 1},
    {"177.848(d) 4.2 x 8 liquid", S42, C8L, {1}, 1},
    // "O": separated so that leaking packages cannot commingle.
    {"177.848(d) 1.4 x 2.1", E14, G21, {2}, 0},
    {"177.848(d) 1.4 x 2.3 zone A", E14, G23A, {2}, 0},
    {"177.848(d) 1.4 x 3", E14, F3, {2}, 0},
    {"177.848(d) 1.4 x 4.2", E14, S42, {2}, 0},
    {"177.848(d) 1.4 x 6.1 liquid PG I zone A", E14, P61A, {2}, 0},
    {"177.848(d) 1.4 x 8 liquid", E14, C8L, {2}, 0},
    {"177.848(d) 2.1 x 2.3 zone B", G21, G23B, {2}, 0},
    {"177.848(d) 2.1 x 6.1 liquid PG I zone A", G21, P61A, {2}, 0},
    {"177.848(d) 2.1 x 7", G21, R7, {2}, 0},
    {"177.848(d) 2.3 zone B x 3", G23B, F3, {2}, 0},
    {"177.848(d) 2.3 zone B x 4.1", G23B, S41, {2}, 0},
    {"177.848(d) 3 x 5.1", F3, O51, {2}, 0},
    // 177.848(e)(3): corrosive liquids not above or adjacent to 4.x / 5.x.
    {"177.848(e)(3) 4.1 x 8 liquid", S41, C8L, {7}, 0},
    {"177.848(e)(3) 4.3 x 8 liquid", S43, C8L, {7}, 0},
    {"177.848(e)(3) 5.1 x 8 liquid", O51, C8L, {7}, 0},
    // 177.848(e)(5): ammonium nitrate with Division 1.1 or 1.5.
    {"177.848(e)(5) 1.1 x ammonium nitrate", E11, AN, {8}, 0},
    {"177.848(e)(5) 1.5 x ammonium nitrate", E15, AN, {8}, 0},
    // Blank cells: no restriction.
    {"177.848(d) 1.1 x 2.3 zone C", E11, G23C, {}, 0},
    {"177.848(d) 1.1 x combustible liquid", E11, COMB, {}, 0},
    {"177.848(d) 1.1 x 6.1 PG II", E11, P61, {}, 0},
    {"177.848(d) 1.1 x 8 solid", E11, C8S, {}, 0},
    {"177.848(d) 1.3 x 2.2", E13, G22, {}, 0},
    {"177.848(d) 1.3 x 4.1", E13, S41, {}, 0},
    {"177.848(d) 1.3 x 7", E13, R7, {}, 0},
    {"177.848(d) 1.4 x 2.2", E14, G22, {}, 0},
    {"177.848(d) 1.4 x 4.1", E14, S41, {}, 0},
    {"177.848(d) 1.4 x 4.3", E14, S43, {}, 0},
    {"177.848(d) 1.4 x 5.1", E14, O51, {}, 0},
    {"177.848(d) 1.4 x 7", E14, R7, {}, 0},
    {"177.848(d) 1.6 x 2.1", E16, G21, {}, 0},
    {"177.848(d) 1.6 x 3", E16, F3, {}, 0},
    {"177.848(d) 1.6 x 5.1", E16, O51, {}, 0},
    {"177.848(d) 2.1 x 3", G21, F3, {}, 0},
    {"177.848(d) 2.2 x 3", G22, F3, {}, 0},
    {"177.848(d) 2.3 zone C x 3", G23C, F3, {}, 0},
    {"177.848(d) combustible liquid x 5.1", COMB, O51, {}, 0},
    {"177.848(d) 3 x 8 liquid", F3, C8L, {}, 0},
    {"177.848(d) 4.2 x 8 solid", S42, C8S, {}, 0},
    {"177.848(d) 6.1 PG II x 8 liquid", P61, C8L, {}, 0},
    {"177.848(d) 7 x 8 liquid", R7, C8L, {}, 0},
};

class SegregationTable : public Truckload, public ::testing::WithParamInterface<Cell> {};

TEST_P(SegregationTable, PairMessageAndLegality)
{
    const Cell &c = GetParam();
    ASSERT_NE(Add(c.a), nullptr);
    ASSERT_NE(Add(c.b), nullptr);
    const auto all = Calculate();
    const auto multi = PairCodes(all);
    EXPECT_EQ(std::set<int>(multi.begin(), multi.end()), c.pairCodes);
    EXPECT_EQ(Legality(), c.legality);

    // The order in which the items were loaded does not matter.
    Remove_Load(load(), 0);
    ASSERT_NE(Add(c.a), nullptr);
    const auto again = PairCodes(Calculate());
    EXPECT_EQ(std::set<int>(again.begin(), again.end()), c.pairCodes) << "reversed";
}

INSTANTIATE_TEST_SUITE_P(Cells, SegregationTable, ::testing::ValuesIn(kCells));

TEST_F(Truckload, ConflictMessageNamesBothHazardsWithTheSmallerPidFirst)
{
    Add(F3);
    Add(G23A);
    const auto all = Calculate();
    ASSERT_EQ(Count(all, 1), 1);
    const HazSeg &m = all.front();
    EXPECT_EQ(m.type, 1);
    EXPECT_EQ(m.pid1, PidOf("UN1076"));  // phosgene (PID 532) before gasoline (631)
    EXPECT_STREQ(m.id1, "UN1076");
    EXPECT_STREQ(m.class1, "2.3");
    EXPECT_STREQ(m.class2, "3");
    EXPECT_NE(std::string(m.reason).find("the primary class 2.3 of UN1076 conflicting with the primary class 3 "
                                         "of UN1203"),
              std::string::npos)
        << m.reason;
    EXPECT_STREQ(m.citation, "49cfr177.848(d)");
}

TEST_F(Truckload, SameEntryTwiceNeverConflicts)
{
    Add(E11);
    Add(E11);
    Add(C8L);
    Add(C8L);
    const auto all = Calculate();
    for (const HazSeg &m : all) {
        if (m.pid1 && m.pid2) {
            EXPECT_NE(m.pid1, m.pid2) << m.msg;
        }
    }
    // Each distinct conflict is reported once.
    EXPECT_EQ(Count(all, 1), 1);
}

TEST_F(Truckload, DoNotLoadSupersedesSeparationOfTheSamePair)
{
    // Acrolein (6.1 liquid PG I zone A, with a class 3 subsidiary) and an
    // oxidizer: the 6.1 code gives "do not load", the class 3 subsidiary
    // "separate"; only the first remains.
    Add(ItemSpec{"UN1092", nullptr, -1, 'A'});
    Add(O51);
    const auto all = Calculate();
    EXPECT_EQ(Count(all, 1), 1);
    EXPECT_EQ(Count(all, 2), 0);
    EXPECT_EQ(Legality(), 1);
}

// The separation of a do-not-load pair goes, whichever group of messages
// is the larger; the separations of other pairs stay.
struct SupersedeCase {
    const char *name;
    std::vector<ItemSpec> items;
    std::vector<std::pair<int, int>> separated;  // item indexes: a separation stays
    std::vector<std::pair<int, int>> doNotLoad;  // item indexes: do not load, no separation
};

TEST_F(Truckload, DoNotLoadSupersedesOnlyTheSeparationsOfItsPair)
{
    const ItemSpec acrolein{"UN1092", nullptr, -1, 'A'};
    const SupersedeCase cases[] = {
        // Acrolein and the oxidizer: do not load (6.1 zone A with 5.1), and
        // separate (its class 3 subsidiary with 5.1), which goes.
        {"more separations than do-not-loads", {acrolein, O51, F3, G21, R7},
         {{2, 1}, {3, 4}, {3, 0}}, {{0, 1}, {0, 2}}},
        {"more do-not-loads than separations", {acrolein, O51, G23A, F3},
         {{3, 1}}, {{0, 1}, {2, 1}, {2, 3}, {0, 3}, {2, 0}}},
    };
    for (const SupersedeCase &c : cases) {
        SCOPED_TRACE(c.name);
        Reset_Load(load());
        std::vector<int> pid;
        for (const ItemSpec &item : c.items)
            pid.push_back(GetPID_Hazmat(Add(item)));
        const auto all = Calculate();
        auto count = [&all, &pid](int type, std::pair<int, int> items) {
            int n = 0;
            for (const HazSeg &m : all) {
                const bool pair = (m.pid1 == pid[items.first] && m.pid2 == pid[items.second]) ||
                                  (m.pid2 == pid[items.first] && m.pid1 == pid[items.second]);
                n += pair && m.type == type ? 1 : 0;
            }
            return n;
        };
        int separations = 0;
        for (const HazSeg &m : all)
            separations += m.type == 2 ? 1 : 0;
        EXPECT_EQ(separations, static_cast<int>(c.separated.size()));
        for (const auto &items : c.separated)
            EXPECT_EQ(count(2, items), 1) << items.first << "," << items.second;
        for (const auto &items : c.doNotLoad) {
            EXPECT_GE(count(1, items), 1) << items.first << "," << items.second;
            EXPECT_EQ(count(2, items), 0) << items.first << "," << items.second;
        }
    }
}

TEST_F(Truckload, TwoEntriesOfOneIdConflictingWithAThirdGiveOneMessage)
{
    // Cleaning compounds and diesel fuel are two entries of NA1993, class 3:
    // each with phosgene (2.3, zone A) is "do not load", and the two
    // findings are one message about NA1993 and UN1076.
    const int na1993 = PidOf("NA1993", "3");
    ASSERT_NE(na1993, 0);
    int second = 0;
    for (int pid = SearchCT_HazData("1993", 2, na1993); pid && !second; pid = SearchCT_HazData("1993", 2, pid)) {
        const CTRec *row = GetCTRec_HazData(pid);
        if (std::string(GetElement_CTRec(row, -1, 3, 0)) == "NA1993" &&
            std::string(GetElement_CTRec(row, -1, 2, 0)) == "3")
            second = pid;
    }
    ASSERT_NE(second, 0);
    for (const int pid : {na1993, second}) {
        Hazmat item;
        ASSERT_TRUE(Init_Hazmat(&item, pid));
        for (int slot = 1; GetPackingGroup_Hazmat(&item) < 0 && slot <= 3; ++slot)
            SetPackingGroup_Hazmat(&item, slot);
        SetWeight_Hazmat(&item, 100);
        ASSERT_GE(Add_Load(load(), &item), 0);
        Reset_Hazmat(&item, 0);
    }
    Add(G23A);
    int found = 0;
    for (const HazSeg &m : Calculate())
        found += m.msg == 1 && std::string(m.id1) == "NA1993" && std::string(m.id2) == "UN1076" ? 1 : 0;
    EXPECT_EQ(found, 1);
}

TEST_F(Truckload, EmptyLoadIsLegalWithoutMessages)
{
    EXPECT_TRUE(Calculate().empty());
    EXPECT_EQ(Legality(), 0);
}

} // namespace
} // namespace velmora_test
