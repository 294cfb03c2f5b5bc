// The explanation of a computed truckload: truckloads at the edge of each
// threshold, and the reason lines (kind, citation, key figure) each must
// produce, read through the public interface.
#include "placarding_truckload.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace placarding_test;

constexpr int kSodium = 804;             // UN1428, 4.3 PG I (Table 1)
constexpr int kAcetone = 545;            // UN1090, 3 PG II
constexpr int kSodiumHydroxide = 1133;   // UN1823, 8 PG II
constexpr int kCorrosiveWaterReactive = 2076; // UN3094, 8 with 4.3 subsidiary
constexpr int kChlorine = 482;           // UN1017, 2.3 (5.1, 8), zone B
constexpr int kDimethylSulfate = 927;    // UN1595, 6.1 (8), zone B
constexpr int kGasoline = 631;           // UN1203
constexpr int kHydrogen = 509;           // UN1049, 2.1
constexpr int kNitrogen = 524;           // UN1066, 2.2
constexpr int kOxygen = 529;             // UN1072, 2.2 (5.1)
constexpr int kBlastingA = 151;          // UN0081, 1.1D
constexpr int kFireworks = 306;          // UN0336, 1.4G
constexpr int kAmmoniumNitrate = 1220;   // UN1942, 5.1 PG III
constexpr int kToxicSolid = 1883;        // UN2811, 6.1 PG I-III
constexpr int kUraniumHexafluoride = 1988; // UN2978, 7 (6.1, 8)
constexpr int kFuelOil = 58;             // NA1993 fuel oil
constexpr int kElevatedTempLiquid = 2241;  // UN3257, 9

struct Line {
    int kind;
    std::string text;
    std::string citation;
    std::vector<int> items;
    int placard;
};

// A line the explanation must hold: of this kind, with this citation, its
// text containing every fragment (the figures), about these items.
struct Expect {
    DravlenReasonKind kind;
    const char *citation;
    std::vector<const char *> fragments;
    std::vector<int> items;
};

struct Case {
    const char *name;
    std::vector<ItemRow> items;
    Switches switches;
    int option;                       // 0-based
    std::vector<Expect> present;
    std::vector<const char *> absentCitations;  // no line may cite these
};

std::vector<Line> Explain(Engine *engine, int option)
{
    std::vector<Line> lines;
    DravlenExplanation *e = Explain_Engine(engine, option);
    EXPECT_NE(e, nullptr);
    for (int i = 0; i < GetCount_Explanation(e); ++i) {
        Line line{GetKind_Explanation(e, i), GetText_Explanation(e, i), GetCitation_Explanation(e, i), {},
                  GetPlacard_Explanation(e, i)};
        for (int n = 0; n < GetItemCount_Explanation(e, i); ++n)
            line.items.push_back(GetItem_Explanation(e, i, n));
        lines.push_back(line);
    }
    Free_Explanation(e);
    return lines;
}

std::string Dump(const std::vector<Line> &lines)
{
    std::string s;
    for (const Line &l : lines) {
        s += "  [" + std::to_string(l.kind) + " p" + std::to_string(l.placard) + "] " + l.text + "  {" + l.citation + "} items";
        for (int i : l.items)
            s += " " + std::to_string(i);
        s += "\n";
    }
    return s;
}

bool Holds(const Line &line, const Expect &e)
{
    if (line.kind != e.kind || line.citation != e.citation || line.items != e.items)
        return false;
    for (const char *f : e.fragments)
        if (line.text.find(f) == std::string::npos)
            return false;
    return true;
}

const Case kCases[] = {
    {"Table2At1000_NoPlacard", {{kAcetone, -1, 1000}}, {}, 0,
     {{REASON_NO_PLACARD, "49 CFR 172.504(c)", {"UN1090", "aggregate 1,000 lb < 1,001 lb"}, {0}}},
     {"49 CFR 172.504(e) Table 1"}},
    {"Table2At1001_Placard", {{kAcetone, -1, 1001}}, {}, 0,
     {{REASON_PLACARD, "49 CFR 172.504(c)", {"FLAMMABLE for UN1090", "aggregate 1,001 lb ≥ 1,001 lb"}, {0}},
      {REASON_DANGEROUS, "49 CFR 172.504(b)", {"not offered", "one category", "Class 3 1,001 lb"}, {0}}},
     {}},
    {"Category2204_CoveredByDangerous", {{kAcetone, -1, 2204}, {kSodiumHydroxide, -1, 500}}, {}, 1,
     {{REASON_PLACARD, "49 CFR 172.504(b)", {"DANGEROUS", "Class 3 2,204 lb", "Class 8 500 lb"}, {0, 1}},
      {REASON_DANGEROUS, "49 CFR 172.504(b)", {"DANGEROUS offered", "this option uses it"}, {0, 1}}},
     {"49 CFR 172.504(c)"}},
    {"Category2205_OwnPlacardBesideDangerous", {{kAcetone, -1, 2205}, {kSodiumHydroxide, -1, 500}}, {}, 1,
     {{REASON_PLACARD, "49 CFR 172.504(b)", {"FLAMMABLE for UN1090", "Class 3 2,205 lb ≥ 2,205 lb"}, {0}},
      {REASON_PLACARD, "49 CFR 172.504(b)", {"DANGEROUS", "Class 8 500 lb"}, {1}}},
     {}},
    {"StandardOptionBesideDangerous_NamesTheOtherOption", {{kAcetone, -1, 600}, {kSodiumHydroxide, -1, 500}}, {}, 0,
     {{REASON_PLACARD, "49 CFR 172.504(c)", {"CORROSIVE for UN1823", "aggregate 1,100 lb ≥ 1,001 lb"}, {1}},
      {REASON_DANGEROUS, "49 CFR 172.504(b)", {"2 categories", "another option uses it"}, {0, 1}}},
     {}},
    {"SingleMaterial8819_NoNumber", {{kAcetone, -1, 8819}}, {.criteria8820 = true}, 0,
     {{REASON_PLACARD, "49 CFR 172.504(c)", {"aggregate 8,819 lb"}, {0}}},
     {"49 CFR 172.301(a)(3), 172.334", "49 CFR 172.301(a)(3)"}},
    {"SingleMaterial8820_NumberOnPlacard", {{kAcetone, -1, 8820}}, {.criteria8820 = true}, 0,
     {{REASON_IDENTIFICATION_NUMBER, "49 CFR 172.301(a)(3), 172.334",
       {"1090 on the FLAMMABLE placard", "8,820 lb ≥ 8,820 lb"}, {0}},
      {REASON_PLACARD, "49 CFR 172.504(a), 172.301(a)(3)", {"FLAMMABLE with 1090", "8,820 lb"}, {0}}},
     {}},
    {"SingleMaterial8820_OrangePanelWithoutNumbersOnPlacards", {{kAcetone, -1, 8820}},
     {.bulkPlacards = false, .criteria8820 = true}, 0,
     {{REASON_IDENTIFICATION_NUMBER, "49 CFR 172.301(a)(3), 172.336(b)", {"1090 on an orange panel", "8,820 lb"},
       {0}}},
     {}},
    {"Table1_AnyQuantity", {{kSodium, -1, 10}}, {}, 0,
     {{REASON_PLACARD, "49 CFR 172.504(e) Table 1", {"DANGEROUS WHEN WET for UN1428", "Table 1", "10 lb"}, {0}}},
     {}},
    {"SubsidiaryPlacard_172_505", {{kCorrosiveWaterReactive, 2, 50}}, {}, 0,
     {{REASON_PLACARD, "49 CFR 172.505(c)", {"DANGEROUS WHEN WET for UN3094", "subsidiary hazard 4.3"}, {0}},
      {REASON_PLACARD, "49 CFR 172.504(c), 172.505", {"CORROSIVE for UN3094", "any quantity"}, {0}}},
     {}},
    {"LimitedQuantity_NoPlacard", {{kAcetone, -1, 1500, kLimitedQuantity}}, {}, 0,
     {{REASON_NO_PLACARD, "49 CFR 172.500(b)(2)", {"UN1090", "1,500 lb", "limited quantity"}, {0}}},
     {"49 CFR 172.504(c)"}},
    {"Residue_NotCounted", {{kAcetone, -1, 600, kResidue}, {kSodiumHydroxide, -1, 500}}, {}, 0,
     {{REASON_NO_PLACARD, "49 CFR 172.504(d)", {"UN1090", "residue"}, {0}},
      {REASON_NO_PLACARD, "49 CFR 172.504(c)", {"UN1823", "aggregate 500 lb < 1,001 lb"}, {1}}},
     {}},
    {"InhalationHazard2204_NoNumber", {{kDimethylSulfate, -1, 2204}}, {}, 0, {}, {"49 CFR 172.313(c), 172.334"}},
    {"InhalationHazard2205_Number", {{kDimethylSulfate, -1, 2205}}, {}, 0,
     {{REASON_IDENTIFICATION_NUMBER, "49 CFR 172.313(c), 172.334",
       {"1595 on the POISON INHALATION HAZARD placard", "zone B", "2,205 lb ≥ 2,205 lb"}, {0}},
      {REASON_PLACARD, "49 CFR 172.555", {"POISON INHALATION HAZARD"}, {0}}},
     {}},
    {"Bulk_NumberOnPlacard", {{kGasoline, -1, 3000, kBulk}}, {}, 0,
     {{REASON_IDENTIFICATION_NUMBER, "49 CFR 172.302(a), 172.336, 172.334",
       {"1203 on the FLAMMABLE placard", "bulk packaging (3,000 lb)"}, {0}},
      {REASON_PLACARD, "49 CFR 172.504(a), (c)", {"FLAMMABLE with 1203", "bulk packaging"}, {0}}},
     {}},
    {"SegregationTableCellAndPoisonGasStandsForPIH", {{kChlorine, -1, 100}, {kAcetone, -1, 100}}, {}, 0,
     {{REASON_SEGREGATION, "49 CFR 177.848(d)", {"2.3 (UN1017) with 3 (UN1090)", "\"O\""}, {0, 1}},
      {REASON_NO_PLACARD, "49 CFR 172.504(c)", {"UN1090", "aggregate 100 lb < 1,001 lb"}, {1}}},
     {}},
    {"PermitZoneBBulk", {{kChlorine, -1, 3000, kBulk}}, {}, 0,
     {{REASON_PERMIT, "49 CFR 385.403(d)", {"UN1017", "hazard zone B", "bulk", "permit required"}, {0}}},
     {"49 CFR 385.403"}},
    {"NoPermit_TheFactsItLacks", {{kAcetone, -1, 500}}, {}, 0,
     {{REASON_PERMIT, "49 CFR 385.403", {"No hazmat safety permit"}, {}}},
     {}},
    // 385.403(b) turns on net explosive mass: 100 lb gross leaves it open
    // until the item's net figure settles it either way.
    {"PermitExplosives_GrossOnly", {{kBlastingA, -1, 100}}, {}, 0,
     {{REASON_PERMIT, "49 CFR 385.403(b)", {"UN0081", "100 lb", "permit may be required"}, {0}}},
     {}},
    {"PermitExplosives_NetAbove25kg", {{kBlastingA, -1, 100, 0, {}, 0, 0, 30.0}}, {}, 0,
     {{REASON_PERMIT, "49 CFR 385.403(b)", {"UN0081", "net explosive mass above 25 kg", "permit required"}, {0}}},
     {}},
    {"PermitExplosives_NetAt20kg", {{kBlastingA, -1, 100, 0, {}, 0, 0, 20.0}}, {}, 0,
     {{REASON_PERMIT, "49 CFR 385.403", {"No hazmat safety permit", "Division 1.1 44 lb ≤ 55 lb"}, {}}},
     {"49 CFR 385.403(b)"}},
};

class Explanation : public ::testing::TestWithParam<Case> {};

TEST_P(Explanation, HoldsTheRuleAndFiguresOfEachFinding)
{
    const Case &c = GetParam();
    Truckload t;
    for (const ItemRow &row : c.items)
        t.Add(row);
    t.Apply(c.switches);
    Calculate_Engine(t.engine());
    ASSERT_LT(c.option, GetNumOutputs_Engine(t.engine()));
    const std::vector<Line> lines = Explain(t.engine(), c.option);
    for (const Expect &e : c.present) {
        bool found = false;
        for (const Line &l : lines)
            found = found || Holds(l, e);
        EXPECT_TRUE(found) << "no line of kind " << e.kind << " citing " << e.citation << " with "
                           << (e.fragments.empty() ? "" : e.fragments.front()) << "\n" << Dump(lines);
    }
    for (const char *citation : c.absentCitations)
        for (const Line &l : lines)
            EXPECT_NE(l.citation, citation) << l.text << "\n" << Dump(lines);
    // Every line is one line of text and names its rule.
    for (const Line &l : lines) {
        EXPECT_EQ(l.text.find_first_of("\r\n"), std::string::npos) << l.text;
        EXPECT_FALSE(l.text.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Thresholds, Explanation, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

// Every placard of every option has a line naming it, and every marking
// one of its own.
TEST(ExplanationCoverage, EveryPlacardAndMarkingOfEveryOptionIsExplained)
{
    Truckload t;
    t.Add({kGasoline, -1, 3000, kBulk});
    t.Add({kAcetone, -1, 600});
    t.Add({kSodiumHydroxide, -1, 500});
    t.Add({kCorrosiveWaterReactive, 2, 50});
    Calculate_Engine(t.engine());
    const std::vector<OptionText> options = t.Options();
    ASSERT_GE(options.size(), 2u);
    for (int o = 0; o < static_cast<int>(options.size()); ++o) {
        const std::vector<Line> lines = Explain(t.engine(), o);
        size_t numberLines = 0;
        for (const Line &l : lines) {
            EXPECT_FALSE(l.citation.empty()) << l.text;
            numberLines += l.kind == REASON_IDENTIFICATION_NUMBER && l.placard < 0;
            numberLines += l.kind == REASON_MARKING;
        }
        const OptionText &shown = options[static_cast<size_t>(o)];
        for (size_t k = 0; k < shown.placards.size(); ++k) {
            bool named = false;
            for (const Line &l : lines)
                named = named || (l.kind == REASON_PLACARD && l.placard == static_cast<int>(k));
            EXPECT_TRUE(named) << "option " << o << " placard " << shown.placards[k] << "\n" << Dump(lines);
        }
        EXPECT_EQ(numberLines, shown.markings.size()) << Dump(lines);
    }
}

// Loads where one placard stands for another, a wording replaces another,
// OXIDIZER gives way to EXPLOSIVES or uranium hexafluoride adds placards:
// every placard of every option is tied to the material and rule behind it,
// and every material needing a placard finds it.
TEST(ExplanationCoverage, EveryPlacardIsTiedToItsMaterialAndRule)
{
    const struct {
        const char *name;
        std::vector<ItemRow> items;
        Switches switches;
    } loads[] = {
        {"FlammableGasForNonFlammable", {{kHydrogen, -1, 600}, {kNitrogen, -1, 600}}, {}},
        {"PoisonGasForInhalationHazard", {{kChlorine, -1, 100}, {kDimethylSulfate, -1, 100}}, {}},
        {"ExplosivesLowerDivisionAndOxidizer", {{kBlastingA, -1, 100}, {kFireworks, -1, 100}, {kAmmoniumNitrate, -1, 2000}}, {}},
        {"OxygenWording", {{kOxygen, -1, 1500}}, {}},
        {"PoisonPackingGroupIII", {{kToxicSolid, 3, 1500}}, {}},
        {"UraniumHexafluoride", {{kUraniumHexafluoride, -1, 1200}}, {}},
        {"FuelOilCargoTank", {{kFuelOil, -1, 4000, kBulk}}, {.vehicle = "MC/TC 306"}},
        {"HotBulkNumbersOnPanels", {{kElevatedTempLiquid, -1, 4000, kBulk}}, {.bulkPlacards = false}},
    };
    for (const auto &load : loads) {
        Truckload t;
        for (const ItemRow &row : load.items)
            t.Add(row);
        t.Apply(load.switches);
        Calculate_Engine(t.engine());
        const std::vector<OptionText> options = t.Options();
        for (int o = 0; o < static_cast<int>(options.size()); ++o) {
            const std::vector<Line> lines = Explain(t.engine(), o);
            for (size_t k = 0; k < options[static_cast<size_t>(o)].placards.size(); ++k) {
                bool tied = false;
                for (const Line &l : lines)
                    tied = tied || (l.kind == REASON_PLACARD && l.placard == static_cast<int>(k) && !l.items.empty());
                EXPECT_TRUE(tied) << load.name << " option " << o << " placard "
                                  << options[static_cast<size_t>(o)].placards[k] << "\n" << Dump(lines);
            }
            for (const Line &l : lines)
                EXPECT_EQ(l.text.find("yet no placard"), std::string::npos) << load.name << "\n" << Dump(lines);
        }
    }
}

// The explanation reads the output without moving the current option, and
// refuses an option that does not exist.
TEST(ExplanationInterface, LeavesTheCurrentOptionAndRefusesOutOfRange)
{
    Truckload t;
    t.Add({kAcetone, -1, 600});
    t.Add({kSodiumHydroxide, -1, 500});
    Calculate_Engine(t.engine());
    ASSERT_EQ(GetNumOutputs_Engine(t.engine()), 2);
    Output *out = GetOutput_Engine(t.engine(), 1);
    const int placards = GetNumPlacards_Output(out);
    DravlenExplanation *e = Explain_Engine(t.engine(), 0);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(GetNumPlacards_Output(out), placards);
    EXPECT_EQ(GetText_Explanation(e, GetCount_Explanation(e)), nullptr);
    EXPECT_EQ(GetCitation_Explanation(e, -1), nullptr);
    EXPECT_EQ(GetKind_Explanation(e, -1), 0);
    EXPECT_EQ(GetItemCount_Explanation(e, GetCount_Explanation(e)), -1);
    EXPECT_EQ(GetItem_Explanation(e, 0, 99), -1);
    Free_Explanation(e);
    EXPECT_EQ(Explain_Engine(t.engine(), 2), nullptr);
    EXPECT_EQ(Explain_Engine(t.engine(), -1), nullptr);
    EXPECT_EQ(GetCount_Explanation(nullptr), 0);
    Free_Explanation(nullptr);
}

} // namespace
