// The passes after the options are built (load-wide markings, alternatives,
// the organic peroxide transition), the messages placarding posts, and the
// placarding steps exported on the engine.
#include "placarding_truckload.h"

#include "refdata/rulesets.h"

#include <gtest/gtest.h>

namespace {

using namespace placarding_test;

constexpr int kAcetone = 545;            // UN1090, 3 PG II
constexpr int kSodiumHydroxide = 1133;   // UN1823, 8 PG II
constexpr int kLpg = 531;                // UN1075, 2.1
constexpr int kAmmoniaAnhydrous = 472;   // UN1005, 2.2, special provision 13
constexpr int kMoltenSulfur = 1608;      // UN2448, 4.1, special provision 30
constexpr int kSourCrude = 2515;         // UN3494, 3 (6.1)
constexpr int kFuelOil = 58;             // NA1993 fuel oil
constexpr int kBlastingB = 301;          // UN0331, 1.5D
constexpr int kAmmoniumNitrate = 1220;   // UN1942, 5.1 PG III
constexpr int kWetBattery = 1875;        // UN2794, 8
constexpr int kSodiumBattery = 2280;     // UN3292, 4.3, batteries
constexpr int kSodiumCells = 2281;       // UN3292, 4.3, cells
constexpr int kTypeAPackage = 1951;      // UN2915, 7
constexpr int kTypeASpecialForm = 2351;  // UN3332, 7
constexpr int kLsa = 1949;               // UN2912, 7
constexpr int kOrganicPeroxideC = 2085;  // UN3103, 5.2
constexpr int kToxicSolid = 1883;        // UN2811, 6.1 PG I-III

OptionText P(std::vector<std::string> placards, std::vector<std::string> markings = {})
{
    return OptionText{std::move(placards), std::move(markings)};
}

struct Case {
    const char *name;
    std::vector<ItemRow> items;
    Switches switches;
    std::vector<OptionText> expected;
};

void PrintTo(const Case &c, std::ostream *os) { *os << c.name; }

const Case kCases[] = {
    // 172.328(b): the gas's name on a cargo tank, once per option even for
    // two bulk items of the same name; not on a unit load.
    {"GasNameOncePerOption_172_328b",
     {{kLpg, -1, 5000, kBulk}, {kLpg, -1, 4000, kBulk}, {kAcetone, -1, 600}, {kSodiumHydroxide, -1, 500}},
     {.vehicle = "MC/TC 331"},
     {P({"3", "8", "2.1#1075"}, {"7:0"}), P({"DANGEROUS", "2.1#1075"}, {"7:0"})}},
    {"GasNameNotOnUnitLoad_172_328b", {{kLpg, -1, 5000, kBulk}}, {.vehicle = "Unit Load"}, {P({"2.1#1075"})}},
    // 172.325(b): MOLTEN sulfur on a cargo tank; special provision 30 lifts
    // the placard but the bulk number stays.
    {"MoltenSulfurCargoTank_172_325b", {{kMoltenSulfur, -1, 5000, kBulk}}, {.vehicle = "MC/TC 307"},
     {P({"4.1#2448"}, {"9:2448"})}},
    {"MoltenSulfurNotOnUnitLoad_172_325b", {{kMoltenSulfur, -1, 5000, kBulk}}, {.vehicle = "Unit Load"},
     {P({"4.1#2448"})}},
    // 172.327: petroleum sour crude oil in bulk.
    {"SourCrudeBulk_172_327", {{kSourCrude, 2, 5000, kBulk}}, {}, {P({"3#3494"}, {"13:3494"})}},
    // 172.328(e): NON-ODORIZED on a cargo tank of LPG; off a cargo tank only
    // for bulk packagings.
    {"NonOdorizedCargoTank_172_328e", {{kLpg, -1, 100, kNonOdorized}}, {.vehicle = "MC/TC 331"},
     {P({}, {"12:1075"})}},
    {"NonOdorizedNonBulkOffTank_172_328e", {{kLpg, -1, 100, kNonOdorized}}, {}, {P({})}},
    // 172.313: a bulk code-13 material is marked INHALATION HAZARD.
    {"InhalationHazardBulkCode13_172_313", {{kAmmoniaAnhydrous, -1, 5000, kBulk}}, {.vehicle = "MC/TC 331"},
     {P({"2.2#1005"}, {"6:0", "7:0"})}},
    // 172.504(f)(2), 172.544(c): fuel oil that may show FLAMMABLE.
    {"FuelOilFlammableAllowed_FiveOptions_172_504f2", {{kFuelOil, -1, 6000, kBulk | kCombustible, {16}}},
     {.vehicle = "MC/TC 306"},
     {P({"3C#1993"}), P({"3F"}), P({"3C"}, {"4:0"}), P({"3#1993"}), P({"3"}, {"4:0"})}},
    // 172.504(f)(5): no OXIDIZER beside EXPLOSIVES 1.5 from 1,001 pounds.
    {"Explosives15DropsOxidizer_172_504f5", {{kBlastingB, -1, 1200}, {kAmmoniumNitrate, -1, 600}}, {},
     {P({"1.5D"}), P({"DANGEROUS"})}},
    {"Explosives15Below1001KeepsOxidizer_172_504f5", {{kBlastingB, -1, 900}, {kAmmoniumNitrate, -1, 600}}, {},
     {P({"1.5D", "5.1"}), P({"DANGEROUS"})}},
    // 173.159(e): batteries alone under the exception need no placard.
    {"BatteryExceptionAlone_173_159e", {{kWetBattery, -1, 2000, 0, {2}}, {kWetBattery, -1, 2000, 0, {2}}}, {},
     {P({})}},
};

class PlacardingPasses : public ::testing::TestWithParam<Case> {};

TEST_P(PlacardingPasses, ShowsTheExpectedOptions)
{
    const Case &c = GetParam();
    Truckload t;
    for (const ItemRow &item : c.items)
        ASSERT_NO_FATAL_FAILURE(t.Add(item));
    ASSERT_NO_FATAL_FAILURE(t.Apply(c.switches));
    Calculate_Engine(t.engine());
    EXPECT_EQ(t.Options(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Truckloads, PlacardingPasses, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

// Messages posted while placarding: code, how often, and the PID of the
// item it names.
struct MessageCase {
    const char *name;
    std::vector<ItemRow> items;
    int code;
    int count;
    int pid1;     // of the (first) message with that code; 0 when count is 0
    int legality; // 0 legal, 1 illegal
};

void PrintTo(const MessageCase &c, std::ostream *os) { *os << c.name; }

const MessageCase kMessageCases[] = {
    {"BatteryExceptionAloneNoMessage_173_159e",
     {{kWetBattery, -1, 2000, 0, {2}}, {kWetBattery, -1, 2000, 0, {2}}}, 23, 0, 0, 0},
    {"BatteryExceptionNotTakenWithOthers_173_159e", {{kAcetone, -1, 100}, {kWetBattery, -1, 500, 0, {2}}}, 23, 1,
     kWetBattery, 0},
    {"SodiumBatteriesAloneSeparated_173_189d4iii", {{kSodiumBattery, -1, 100}}, 24, 1, kSodiumBattery, 0},
    // Batteries and cells containing sodium are two entries of one number:
    // together they are still only sodium batteries, not "other hazardous
    // material".
    {"SodiumBatteriesAndCellsOnly_173_189d4iii", {{kSodiumBattery, -1, 100}, {kSodiumCells, -1, 100}}, 24, 1,
     kSodiumBattery, 0},
    {"SodiumBatteriesWithOtherHazmat_173_189d4iii", {{kAcetone, -1, 100}, {kSodiumBattery, -1, 100}}, 25, 1,
     kAcetone, 1},
    {"HighwayRouteControlledOnce_172_507a",
     {{kTypeAPackage, -1, 100, 0, {}, 'H'}, {kTypeASpecialForm, -1, 100, 0, {}, 'H'}}, 26, 1, kTypeAPackage, 0},
    {"TransportIndexAbove10_172_403c", {{kTypeAPackage, -1, 100, 0, {}, '3', 110}}, 27, 1, kTypeAPackage, 0},
    {"TransportIndex10NoMessage_172_403c", {{kTypeAPackage, -1, 100, 0, {}, '2', 100}}, 27, 0, 0, 0},
    {"CombinedTransportIndexAbove50AtThirdItem_177_842a",
     {{kTypeAPackage, -1, 100, 0, {}, '3', 200},
      {kTypeASpecialForm, -1, 100, 0, {}, '3', 200},
      {kLsa, -1, 100, 0, {}, '3', 200}},
     28, 1, kLsa, 0},
};

class PlacardingMessages : public ::testing::TestWithParam<MessageCase> {};

TEST_P(PlacardingMessages, PostsTheMessage)
{
    const MessageCase &c = GetParam();
    Truckload t;
    for (const ItemRow &item : c.items)
        ASSERT_NO_FATAL_FAILURE(t.Add(item));
    Calculate_Engine(t.engine());
    EXPECT_EQ(t.CountMessages(c.code), c.count);
    for (const auto &[code, pid] : t.Messages()) {
        if (code == c.code) {
            EXPECT_EQ(pid, c.pid1);
            break;
        }
    }
    EXPECT_EQ(GetLegality_Engine(t.engine()), c.legality);
}

INSTANTIATE_TEST_SUITE_P(Truckloads, PlacardingMessages, ::testing::ValuesIn(kMessageCases),
                         [](const auto &info) { return std::string(info.param.name); });

// The earlier ORGANIC PEROXIDE placard was an alternative until 2014-01-01.
class OrganicPeroxideTransition : public ::testing::Test {
protected:
    void TearDown() override { dravlen::ClearClockForTesting(); }
};

TEST_F(OrganicPeroxideTransition, BeforeTheEndDateOffersTheEarlierPlacard)
{
    struct {
        dravlen::Stamp now;
        std::vector<OptionText> expected;
    } const cases[] = {
        {1388534400, {P({"5.2"}), P({"5.2O"})}}, // 2014-01-01 00:00:00 UTC
        {1388534401, {P({"5.2"})}},
    };
    for (const auto &c : cases) {
        Truckload t;
        ASSERT_NO_FATAL_FAILURE(t.Add({kOrganicPeroxideC, -1, 2000}));
        dravlen::SetClockForTesting(c.now);
        Calculate_Engine(t.engine());
        EXPECT_EQ(t.Options(), c.expected) << c.now;
        dravlen::ClearClockForTesting();
    }
}

TEST(PlacardingSteps, AnalyzeLoadWritesTheSummaryFlags)
{
    Truckload t;
    AnalyzeLoad_Engine(t.engine());
    EXPECT_EQ(IsOnlyGasoline_Load(t.load()), 0) << "an empty load is not all gasoline";
    ASSERT_NO_FATAL_FAILURE(t.Add({631, -1, 1000, kBulk}));
    ASSERT_NO_FATAL_FAILURE(t.Add({631, -1, 1000}));
    AnalyzeLoad_Engine(t.engine());
    EXPECT_EQ(IsOnlyGasoline_Load(t.load()), 1);
    EXPECT_EQ(IsOnlyFuelOil_Load(t.load()), 0);
    ASSERT_NO_FATAL_FAILURE(t.Add({kAcetone, -1, 100}));
    AnalyzeLoad_Engine(t.engine());
    EXPECT_EQ(IsOnlyGasoline_Load(t.load()), 0);
}

TEST(PlacardingSteps, FuelOilCountsOnlyAsCombustible)
{
    Truckload t;
    ASSERT_NO_FATAL_FAILURE(t.Add({kFuelOil, -1, 1000}));
    AnalyzeLoad_Engine(t.engine());
    EXPECT_EQ(IsOnlyFuelOil_Load(t.load()), 0) << "fuel oil still classed 3";
    Truckload c;
    ASSERT_NO_FATAL_FAILURE(c.Add({kFuelOil, -1, 1000, kCombustible}));
    AnalyzeLoad_Engine(c.engine());
    EXPECT_EQ(IsOnlyFuelOil_Load(c.load()), 1);
}

TEST(PlacardingSteps, DangerousPossibleFollowsTheCategories)
{
    struct {
        const char *what;
        std::vector<ItemRow> items;
        bool bulkPlacards;
        int expected;
    } const cases[] = {
        {"two categories over 1,001 pounds", {{kAcetone, -1, 600}, {kSodiumHydroxide, -1, 500}}, true, 1},
        {"below 1,001 pounds", {{kAcetone, -1, 600}, {kSodiumHydroxide, -1, 300}}, true, 0},
        {"every category at 2,205 pounds", {{kAcetone, -1, 2205}, {kSodiumHydroxide, -1, 2205}}, true, 0},
        // A bulk packaging of the category shows its own placard: with ID
        // placards off nothing of that category can be covered.
        {"bulk of both categories, ID placards off",
         {{kAcetone, -1, 600}, {kSodiumHydroxide, -1, 500}, {kAcetone, -1, 5000, kBulk},
          {kSodiumHydroxide, -1, 5000, kBulk}},
         false, 0},
        {"bulk of both categories, ID placards on",
         {{kAcetone, -1, 600}, {kSodiumHydroxide, -1, 500}, {kAcetone, -1, 5000, kBulk},
          {kSodiumHydroxide, -1, 5000, kBulk}},
         true, 0},
        {"bulk of one category, ID placards off",
         {{kAcetone, -1, 600}, {kSodiumHydroxide, -1, 500}, {kAcetone, -1, 5000, kBulk}}, false, 1},
    };
    for (const auto &c : cases) {
        Truckload t;
        for (const ItemRow &item : c.items)
            ASSERT_NO_FATAL_FAILURE(t.Add(item));
        SetBulkPlacards_Engine(t.engine(), c.bulkPlacards ? -1 : 0);
        EXPECT_EQ(IsDangerousPossible_Engine(t.engine()), c.expected) << c.what;
    }
}

// The allowed placards an option does not show; a placard the DANGEROUS
// placard stands for is hidden when it is the only one covered.
TEST(PlacardingSteps, AllowedPlacardsHideShownAndCoveredOnes)
{
    struct {
        const char *what;
        std::vector<ItemRow> items;
        std::vector<int> visiblePerOption;
    } const cases[] = {
        {"poison PG III: POISON, PG III, alternative", {{kToxicSolid, 3, 2000}}, {2, 2, 2}},
        {"DANGEROUS covers one placard", {{kAcetone, -1, 2205}, {kSodiumHydroxide, -1, 500}}, {0, 0}},
        {"DANGEROUS covers two placards", {{kAcetone, -1, 2204}, {kSodiumHydroxide, -1, 500}}, {0, 2}},
    };
    for (const auto &c : cases) {
        Truckload t;
        for (const ItemRow &item : c.items)
            ASSERT_NO_FATAL_FAILURE(t.Add(item));
        Calculate_Engine(t.engine());
        ASSERT_EQ(GetNumOutputs_Engine(t.engine()), static_cast<int>(c.visiblePerOption.size())) << c.what;
        for (size_t i = 0; i < c.visiblePerOption.size(); ++i) {
            Output *out = GetOutput_Engine(t.engine(), static_cast<int>(i));
            EXPECT_EQ(GetNumAllowedPlacards_Output(out), c.visiblePerOption[i]) << c.what << ", option " << i;
        }
    }
}

TEST(PlacardingSteps, AllowedPlacardsListEachKeyOnce)
{
    Truckload t;
    ASSERT_NO_FATAL_FAILURE(t.Add({kToxicSolid, 3, 100}));
    ASSERT_NO_FATAL_FAILURE(t.Add({kToxicSolid, 3, 100}));
    Calculate_Engine(t.engine());
    Output *out = GetOutput_Engine(t.engine(), 0);
    ASSERT_NE(out, nullptr);
    std::vector<std::string> allowed;
    for (Placard *p = GetFirstAllowedPlacardPointer_Output(out); p; p = GetNextAllowedPlacardPointer_Output(out))
        allowed.push_back(PlacardText(p));
    // 100 pounds of Table 2: no placard shown, every wording allowed.
    EXPECT_EQ(allowed, (std::vector<std::string>{"6.1", "6.1T", "6.1X"}));
}

} // namespace
