// Placarding options of whole truckloads: placards, ID numbers, markings and
// alternatives as the public interface reports them after Calculate_Engine.
#include "placarding_truckload.h"

#include <gtest/gtest.h>

namespace {

using namespace placarding_test;

// Entries of the Hazardous Materials Table used below.
constexpr int kSodium = 804;             // UN1428, 4.3 PG I
constexpr int kAcetone = 545;            // UN1090, 3 PG II
constexpr int kSodiumHydroxide = 1133;   // UN1823, 8 PG II
constexpr int kCorrosiveWaterReactive = 2076; // UN3094, 8 with 4.3 subsidiary
constexpr int kChlorine = 482;           // UN1017, 2.3 (5.1, 8), zone B
constexpr int kDimethylSulfate = 927;    // UN1595, 6.1 (8), zone B
constexpr int kHydrogen = 509;           // UN1049, 2.1
constexpr int kNitrogen = 524;           // UN1066, 2.2
constexpr int kOxygen = 529;             // UN1072, 2.2 (5.1)
constexpr int kBlastingA = 151;          // UN0081, 1.1D
constexpr int kFireworks = 306;          // UN0336, 1.4G
constexpr int kAmmoniumNitrate = 1220;   // UN1942, 5.1 PG III
constexpr int kCleaningLiquid = 55;      // NA1993, 3
constexpr int kWeedKiller = 56;          // NA1993, 3
constexpr int kToxicSolid = 1883;        // UN2811, 6.1 PG I-III
constexpr int kLsa = 1949;               // UN2912, 7
constexpr int kUraniumHexafluoride = 1988; // UN2978, 7 (6.1, 8)
constexpr int kElevatedTempLiquid = 2241;  // UN3257, 9
constexpr int kEnvHazardousSolid = 2059;   // UN3077, 9
constexpr int kFuelOil = 58;             // NA1993 fuel oil
constexpr int kGasoline = 631;           // UN1203
constexpr int kCombustibleNos = 54;      // NA1993 Combustible liquid, n.o.s.
constexpr int kOrganicPeroxideC = 2085;  // UN3103, 5.2

struct Case {
    const char *name;
    std::vector<ItemRow> items;
    Switches switches;
    std::vector<OptionText> expected;
};

OptionText P(std::vector<std::string> placards, std::vector<std::string> markings = {})
{
    return OptionText{std::move(placards), std::move(markings)};
}

const Case kCases[] = {
    {"EmptyLoad_OneOptionNoPlacards", {}, {}, {P({})}},

    // 172.504(e) Table 1: any quantity.
    {"Table1_AnyQuantity_172_504e", {{kSodium, -1, 10}}, {}, {P({"4.3"})}},

    // 172.504(c): Table 2 below 1,001 pounds needs no placard.
    {"Table2_Below1001_172_504c", {{kAcetone, -1, 600}, {kSodiumHydroxide, -1, 300}}, {}, {P({})}},
    // 172.504(c) with placard-all-hazmats: every Table 2 material placarded.
    {"Table2_Below1001_PlacardAll_172_504c",
     {{kAcetone, -1, 600}, {kSodiumHydroxide, -1, 300}}, {.placardAll = true}, {P({"3", "8"})}},
    // 172.504(c), (b): over 1,001 pounds; DANGEROUS for two categories.
    {"Table2_Over1001_DangerousSecond_172_504b",
     {{kAcetone, -1, 600}, {kSodiumHydroxide, -1, 500}}, {}, {P({"3", "8"}), P({"DANGEROUS"})}},
    {"Table2_Over1001_DangerousFirst_172_504b",
     {{kAcetone, -1, 600}, {kSodiumHydroxide, -1, 500}}, {.dangerousFirst = true},
     {P({"DANGEROUS"}), P({"3", "8"})}},
    // 172.504(b): a category of 2,205 pounds keeps its own placard.
    {"Dangerous_Category2205KeepsPlacard_172_504b",
     {{kAcetone, -1, 2205}, {kSodiumHydroxide, -1, 500}}, {}, {P({"3", "8"}), P({"DANGEROUS", "3"})}},
    {"Dangerous_Category2204Covered_172_504b",
     {{kAcetone, -1, 2204}, {kSodiumHydroxide, -1, 500}}, {}, {P({"3", "8"}), P({"DANGEROUS"})}},
    // One category only: no DANGEROUS option.
    {"Dangerous_OneCategoryNotPossible_172_504b", {{kAcetone, -1, 600}, {kCleaningLiquid, 2, 600}}, {}, {P({"3"})}},

    // 172.505(c): a DANGEROUS WHEN WET subsidiary is placarded in any quantity,
    // and the material's own placard with it.
    {"Subsidiary43_AnyQuantity_172_505c", {{kCorrosiveWaterReactive, 2, 50}}, {}, {P({"4.3", "8"})}},
    // 172.504(f)(8): POISON GAS stands for POISON INHALATION HAZARD.
    {"PoisonGasSupersedesPIH_172_504f8", {{kChlorine, -1, 100}, {kDimethylSulfate, -1, 100}}, {}, {P({"2.3"})}},
    // 172.504(f)(3): FLAMMABLE GAS makes NON-FLAMMABLE GAS unnecessary.
    {"FlammableGasSupersedesNonFlammable_172_504f3",
     {{kHydrogen, -1, 600}, {kNitrogen, -1, 600}}, {}, {P({"2.1"}), P({"DANGEROUS"})}},
    // 172.504(f)(1): the lowest explosives division governs.
    {"Explosives11Supersedes14_172_504f1", {{kBlastingA, -1, 100}, {kFireworks, -1, 1500}}, {}, {P({"1.1D"})}},
    // 172.504(f)(4): no OXIDIZER placard beside EXPLOSIVES 1.1.
    {"Explosives11DropsOxidizer_172_504f4", {{kBlastingA, -1, 100}, {kAmmoniumNitrate, -1, 2000}}, {},
     {P({"1.1D"})}},

    // 172.302(a), 172.336: bulk numbers on the placard or on an orange panel.
    {"BulkNumberOnPlacard_172_302a", {{kAcetone, -1, 5000, kBulk}}, {}, {P({"3#1090"})}},
    {"BulkNumberOnOrangePanel_172_302a", {{kAcetone, -1, 5000, kBulk}}, {.bulkPlacards = false},
     {P({"3"}, {"3:1090"})}},
    // Two bulk entries sharing number 1993 show it once.
    {"TwoBulkSameNumberOnePlacard_172_336", {{kCleaningLiquid, 2, 5000, kBulk}, {kWeedKiller, 2, 5000, kBulk}}, {},
     {P({"3#1993"})}},
    // 172.504(f)(2): FLAMMABLE may stand for COMBUSTIBLE, never the other
    // way round: a flammable and a combustible liquid in bulk sharing number
    // 1993 show FLAMMABLE 1993 whichever is loaded first.
    {"FlammableThenCombustibleSameNumber_172_504f2",
     {{kCleaningLiquid, 2, 5000, kBulk}, {kWeedKiller, 2, 5000, kBulk | kCombustible}}, {}, {P({"3#1993"})}},
    {"CombustibleThenFlammableSameNumber_172_504f2",
     {{kWeedKiller, 2, 5000, kBulk | kCombustible}, {kCleaningLiquid, 2, 5000, kBulk}}, {}, {P({"3#1993"})}},
    // 172.504(d): only non-bulk packagings holding the residue of a Table 2
    // material are left out; an emptied bulk packaging stays placarded
    // (172.514(b)) and a Table 1 residue is placarded as the material.
    {"ResidueNonBulkTable2NotCounted_172_504d",
     {{kAcetone, -1, 600, kResidue}, {kSodiumHydroxide, -1, 500}}, {}, {P({})}},
    {"ResidueBulkKeepsPlacardWithPanel_172_504d", {{kAcetone, -1, 5000, kBulk | kResidue}},
     {.bulkPlacards = false}, {P({"3"}, {"3:1090"})}},
    {"ResidueBulkKeepsIdPlacard_172_504d", {{kAcetone, -1, 5000, kBulk | kResidue}}, {}, {P({"3#1090"})}},
    {"ResidueNonBulkTable1Placarded_172_504d", {{kSodium, -1, 10, kResidue}}, {}, {P({"4.3"})}},
    {"ResidueNonBulkSubsidiary43Placarded_172_505c", {{kCorrosiveWaterReactive, 2, 50, kResidue}}, {},
     {P({"4.3", "8"})}},
    // 172.334(a): RADIOACTIVE never shows the number; it goes on a panel.
    {"RadioactiveBulkNumberOnPanel_172_334a", {{kLsa, -1, 5000, kBulk | kLsaPlacard}}, {},
     {P({"7"}, {"3:2912"})}},

    // 172.301(a)(3): 8,820 pounds of one material in non-bulk packages.
    {"SingleMaterial8820OnPlacard_172_301a3", {{kAcetone, -1, 8820}}, {.criteria8820 = true}, {P({"3#1090"})}},
    {"SingleMaterial8820OnPanel_172_301a3", {{kAcetone, -1, 8820}}, {.bulkPlacards = false, .criteria8820 = true},
     {P({"3"}, {"1:1090"})}},
    {"SingleMaterialBelow8820NoNumber_172_301a3", {{kAcetone, -1, 8819}}, {.criteria8820 = true}, {P({"3"})}},
    // 172.301(a)(3)(v): not for Class 1.
    {"SingleMaterial8820NotForClass1_172_301a3v", {{kBlastingA, -1, 9000}}, {.criteria8820 = true},
     {P({"1.1D"})}},

    // 172.313(c): 1,000 kg of one PIH material in non-bulk packages.
    {"PIH2205OnPlacard_172_313c", {{kDimethylSulfate, -1, 2205}}, {}, {P({"6.1A#1595"})}},
    {"PIH2205OnPanel_172_313c", {{kDimethylSulfate, -1, 2205}}, {.bulkPlacards = false}, {P({"6.1A"}, {"2:1595"})}},
    {"PIHBelow2205NoNumber_172_313c", {{kDimethylSulfate, -1, 2204}}, {}, {P({"6.1A"})}},

    // 172.505(b): uranium hexafluoride of 1,001 pounds adds CORROSIVE and
    // POISON; the POISON placard then has its alternative wording.
    {"UraniumHexafluoride1001_172_505b", {{kUraniumHexafluoride, -1, 1001, 0, {}, '3'}}, {},
     {P({"6.1", "7", "8"}), P({"6.1X", "7", "8"})}},
    {"UraniumHexafluoride1000_172_505b", {{kUraniumHexafluoride, -1, 1000, 0, {}, '3'}}, {}, {P({"7"})}},

    // 172.325(a), 172.504(f)(9): HOT and the number of a bulk Class 9.
    {"HotBulkClass9OnPlacard_172_325a", {{kElevatedTempLiquid, -1, 5000, kBulk}}, {},
     {P({"9#3257"}, {"11:3257"})}},
    {"HotBulkClass9OnPanel_172_325a", {{kElevatedTempLiquid, -1, 5000, kBulk}}, {.bulkPlacards = false},
     {P({}, {"3:3257", "11:3257"})}},

    // 172.322(b), (c), (d)(3): the MARINE POLLUTANT mark only where no
    // placard is shown; a placarded vehicle needs none except by vessel.
    {"MarinePollutantPlacardedNoMark_172_322d3",
     {{kAcetone, -1, 600, kMarinePollutant}, {kSodiumHydroxide, -1, 500}}, {},
     {P({"3", "8"}), P({"DANGEROUS"})}},
    {"MarinePollutantUnplacardedMarked_172_322c",
     {{kAcetone, -1, 600, kMarinePollutant}}, {}, {P({}, {"8:1090"})}},
    {"MarinePollutantBulkClass9NoPlacard_172_322d3", {{kEnvHazardousSolid, 3, 5000, kBulk | kMarinePollutant}},
     {.bulkPlacards = false}, {P({}, {"3:3077", "8:3077"})}},

    // 172.544(c), 172.336(c): bulk fuel oil in a cargo tank.
    {"FuelOilCargoTank_ThreeOptions_172_544c", {{kFuelOil, -1, 6000, kBulk | kCombustible}},
     {.vehicle = "MC/TC 306"}, {P({"3C#1993"}), P({"3F"}), P({"3C"}, {"4:0"})}},
    {"FuelOilCargoTankPanel_ThreeOptions_172_544c", {{kFuelOil, -1, 6000, kBulk | kCombustible}},
     {.bulkPlacards = false, .vehicle = "MC/TC 306"},
     {P({"3C"}, {"3:1993"}), P({"3F"}), P({"3C"}, {"4:0"})}},
    // 172.544(c): FUEL OIL only on a cargo tank or portable tank; a bulk
    // item on another vehicle may be an IBC: COMBUSTIBLE alone.
    {"FuelOilBulkNotCargoTank_Combustible_172_544c", {{kFuelOil, -1, 6000, kBulk | kCombustible}},
     {.vehicle = "Unit Load"}, {P({"3C#1993"})}},
    // 172.504(f)(2): FLAMMABLE for COMBUSTIBLE only on a cargo tank,
    // portable tank or compartmented tank car: an IBC of a combustible
    // liquid shows COMBUSTIBLE.
    {"CombustibleBulkNotCargoTank_CombustibleOnly_172_504f2", {{kCombustibleNos, 3, 6000, kBulk, {16}}},
     {.vehicle = "Unit Load"}, {P({"3C#1993"})}},
    {"CombustibleCargoTank_FlammableAllowed_172_504f2", {{kCombustibleNos, 3, 6000, kBulk, {16}}},
     {.vehicle = "MC/TC 306"}, {P({"3#1993"}), P({"3C#1993"})}},
    // 172.542(c), 172.336(c): bulk gasoline in a cargo tank.
    {"GasolineCargoTank_ThreeOptions_172_542c", {{kGasoline, -1, 6000, kBulk}}, {.vehicle = "MC/TC 306"},
     {P({"3#1203"}), P({"3G"}), P({"3"}, {"5:0"})}},
    {"GasolineCargoTankPanel_ThreeOptions_172_542c", {{kGasoline, -1, 6000, kBulk}},
     {.bulkPlacards = false, .vehicle = "MC/TC 306"}, {P({"3"}, {"3:1203"}), P({"3G"}), P({"3"}, {"5:0"})}},
    // 172.542(c): GASOLINE only on a cargo tank or portable tank of
    // gasoline: not for non-bulk packages, nor a bulk item off a cargo tank.
    {"GasolineNonBulk_FlammableOnly_172_542c", {{kGasoline, -1, 2000}}, {}, {P({"3"})}},
    {"GasolineNonBulkOnCargoTankVehicle_FlammableOnly_172_542c", {{kGasoline, -1, 2000}},
     {.vehicle = "MC/TC 306"}, {P({"3"})}},
    {"GasolineBulkNotCargoTank_FlammableOnly_172_542c", {{kGasoline, -1, 6000, kBulk}}, {.vehicle = "Unit Load"},
     {P({"3#1203"})}},
    // 172.504(f)(7): OXYGEN or NON-FLAMMABLE GAS.
    {"OxygenOrNonFlammable_172_504f7", {{kOxygen, -1, 2000}}, {}, {P({"2.2O"}), P({"2.2"})}},
    // 172.504(f)(10): POISON, POISON with "PG III", the alternative POISON.
    {"PoisonPG3Alternatives_172_504f10", {{kToxicSolid, 3, 2000}}, {}, {P({"6.1"}), P({"6.1T"}), P({"6.1X"})}},
};

void PrintTo(const Case &c, std::ostream *os) { *os << c.name; }

class PlacardingOptions : public ::testing::TestWithParam<Case> {};

TEST_P(PlacardingOptions, ShowsTheExpectedOptions)
{
    const Case &c = GetParam();
    Truckload t;
    for (const ItemRow &item : c.items)
        ASSERT_NO_FATAL_FAILURE(t.Add(item));
    ASSERT_NO_FATAL_FAILURE(t.Apply(c.switches));
    Calculate_Engine(t.engine());
    EXPECT_EQ(t.Options(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Truckloads, PlacardingOptions, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
