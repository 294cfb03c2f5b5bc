// Qualifiers: the raw bit layout (a file format), the eligibility rules and
// the mutual exclusions, on real table entries.
#include "item_fixture.h"

#include <functional>

using namespace items_test;

namespace {

struct BitCase {
    const char *what;
    int pid;
    std::function<void(Hazmat *)> set;
    uint32_t wordA;  // bits expected set in word A beyond the binding's
    uint32_t wordB;
};

} // namespace

// Each setter lands on the bit position that saved files carry.
TEST_F(ItemTest, EachSetterWritesItsRawBitPosition)
{
    const BitCase cases[] = {
        {"kilograms", kGasoline, [](Hazmat *h) { SetWeightUnit_Hazmat(h, 1); }, 0x8, 0},
        {"state G", kBlastingCaps, [](Hazmat *h) { SetPhysicalState_Hazmat(h, 'G'); }, 0x50, 0},
        {"state S", kBlastingCaps, [](Hazmat *h) { SetPhysicalState_Hazmat(h, 'S'); }, 0x70, 0},
        {"state N", kBlastingCaps, [](Hazmat *h) { SetPhysicalState_Hazmat(h, 'N'); }, 0x40, 0},
        {"state L", kBlastingCaps, [](Hazmat *h) { SetPhysicalState_Hazmat(h, 'L'); }, 0x20, 0},
        {"combustible", kFuelOil, [](Hazmat *h) { ReclassifyToCombustible_Hazmat(h, 1); }, 0x80, 0},
        {"radiation 1", kFissile, [](Hazmat *h) { SetRadiationClassification_Hazmat(h, '1'); }, 0x100, 0},
        {"radiation 2", kFissile, [](Hazmat *h) { SetRadiationClassification_Hazmat(h, '2'); }, 0x200, 0},
        {"radiation 3", kFissile, [](Hazmat *h) { SetRadiationClassification_Hazmat(h, '3'); }, 0x300, 0},
        {"radiation H", kFissile, [](Hazmat *h) { SetRadiationClassification_Hazmat(h, 'H'); }, 0x400, 0},
        {"bulk", kGasoline, [](Hazmat *h) { SetBulkPackaging_Hazmat(h, 1); }, 0x10000, 0},
        {"limited quantity", kGasoline, [](Hazmat *h) { SetLimitedQuantity_Hazmat(h, 1); }, 0x20000, 0},
        {"substance", kGasoline, [](Hazmat *h) { SetHazardousSubstance_Hazmat(h, 1); }, 0x40000, 0},
        {"waste", kGasoline, [](Hazmat *h) { SetHazardousWaste_Hazmat(h, 1); }, 0x80000, 0},
        {"marine pollutant", kGasoline, [](Hazmat *h) { SetMarinePollutant_Hazmat(h, 1); }, 0x100000, 0},
        {"severe MP", kGasoline, [](Hazmat *h) { SetSevereMarinePollutant_Hazmat(h, 1); }, 0x300000, 0},
        {"excepted quantity", kGasoline, [](Hazmat *h) { SetExceptedQuantity_Hazmat(h, 1); }, 0x400000, 0},
        {"exemption 1", kBatteryFluid, [](Hazmat *h) { SetExemption_Hazmat(h, 1, 1); }, 1u << 24, 0},
        {"exemption 7", kFireExtinguisher, [](Hazmat *h) { SetExemption_Hazmat(h, 7, 1); }, 1u << 30, 0},
        {"exemption 8 / ORM-D", kGasoline, [](Hazmat *h) { SetOrmD_Hazmat(h, 1); }, 1u << 31, 0x80000000u},
        {"exemption 13", kGasoline, [](Hazmat *h) { SetExemption_Hazmat(h, 13, 1); }, 0, 1u << 4},
        {"elevated temperature", kGasoline, [](Hazmat *h) { SetElevatedTemperature_Hazmat(h, 1); }, 0, 0x800},
        {"non-odorized LPG", kGasoline, [](Hazmat *h) { SetNonOdorizedLPG_Hazmat(h, 1); }, 0, 0x1000},
        {"lab pack", kFuelOil, [](Hazmat *h) { SetHazardousWaste_Hazmat(h, 1); SetLabPackExemption_Hazmat(h, 1); }, 0x80000, 0x2000},
        {"MP exemption (22)", kGasoline, [](Hazmat *h) { SetMarinePollutantExemption_Hazmat(h, 1); }, 0, 0x10000},
        {"residue", kGasoline, [](Hazmat *h) { SetResidue_Hazmat(h, 1); }, 0, 0x20000},
        {"exemption 33", kGasoline, [](Hazmat *h) { SetExemption_Hazmat(h, 33, 1); }, 0, 1u << 26},
        {"exemption 31", kFerrousChloride, [](Hazmat *h) { SetExemption_Hazmat(h, 31, 1); }, 0, 1u << 24},
        {"reverse logistics (30)", kGasoline, [](Hazmat *h) { SetReverseLogistics_Hazmat(h, 1); }, 0x20000, 1u << 23},
    };
    for (const BitCase &c : cases) {
        SCOPED_TRACE(c.what);
        Hazmat *item = Bind(c.pid);
        const uint32_t a = item->wordA;
        const uint32_t b = item->wordB;
        c.set(item);
        EXPECT_EQ(item->wordA ^ a, c.wordA);
        EXPECT_EQ(item->wordB ^ b, c.wordB);
        Reset_Hazmat(item, 0);
        --used_;
    }
}

TEST_F(ItemTest, PackagingQualifiersExcludeEachOther)
{
    Hazmat *gas = Bind(kGasoline);
    SetLimitedQuantity_Hazmat(gas, 1);
    SetBulkPackaging_Hazmat(gas, 1);
    EXPECT_EQ(IsBulkPackaging_Hazmat(gas), 0);
    SetExceptedQuantity_Hazmat(gas, 1);
    EXPECT_EQ(IsExceptedQuantity_Hazmat(gas), 0);
    SetLimitedQuantity_Hazmat(gas, 0);
    SetBulkPackaging_Hazmat(gas, -1);
    EXPECT_EQ(IsBulkPackaging_Hazmat(gas), 1);
    SetLimitedQuantity_Hazmat(gas, 1);
    EXPECT_EQ(IsLimitedQuantity_Hazmat(gas), 0);

    // No bulk packaging for fireworks 1.4S; no limited quantity for 1.1D.
    Hazmat *fw = Bind(kFireworks14S);
    SetBulkPackaging_Hazmat(fw, 1);
    EXPECT_EQ(IsBulkPackaging_Hazmat(fw), 0);
    Hazmat *caps = Bind(kBlastingCaps);
    SetLimitedQuantity_Hazmat(caps, 1);
    EXPECT_EQ(IsLimitedQuantity_Hazmat(caps), 0);

    // 173.154(b): for a corrosive that may claim exemption 31, limited
    // quantity follows the claim.
    Hazmat *corr = Bind(kFerrousChloride);
    EXPECT_EQ(IsLimitedQuantityAllowed_Hazmat(corr), 0);
    SetExemption_Hazmat(corr, 31, 1);
    EXPECT_EQ(IsLimitedQuantityAllowed_Hazmat(corr), 1);
}

TEST_F(ItemTest, ExceptedQuantityFollowsClassPackingGroupAndEntry)
{
    struct Case { int pid; int slot; char zone; int allowed; };
    const Case cases[] = {
        {kGasoline, -1, 0, 1},          // "3"
        {kAerosol, -1, 0, 0},           // UN1950 is left out
        {kOxygenCryo, -1, 0, 0},        // 2.2 with a subsidiary hazard
        {kAmmonia, -1, 0, 1},           // 2.2 alone
        {kPoisonGasZoneC, -1, 0, 0},    // 2.3
        {kBlastingCaps, -1, 0, 0},      // class 1
        {kMetalPowder, 2, 0, 1},        // 4.1 PG II
        {kSelfReactive, -1, 0, 0},      // UN3221, and no packing group
        {kCalciumCarbide, -1, 0, 1},    // 4.3 PG II
        {kPerborate, -1, 0, 1},         // 5.1 PG III
        {kPeroxideB, -1, 0, 1},         // 5.2
        {kAnyZone, 1, 'A', 0},          // 6.1 PG I zone A
        {kAnyZone, 1, 'C', 1},          // 6.1 PG I zone C
        {kFissile, -1, 0, 1},           // 7
        {kCorrosiveLiquid, 1, 0, 0},    // 8 PG I
        {kCorrosiveLiquid, 2, 0, 1},    // 8 PG II
        {kBatteryFluid, -1, 0, 0},      // 8 without packing group
        {kEHSSolid, -1, 0, 1},          // 9
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.pid);
        Hazmat *item = Bind(c.pid);
        if (c.slot >= 0) {
            ASSERT_EQ(SetPackingGroup_Hazmat(item, c.slot), 1);
        }
        if (c.zone)
            SetHazardZone_Hazmat(item, c.zone);
        EXPECT_EQ(IsExceptedQuantityAllowed_Hazmat(item), c.allowed);
        Reset_Hazmat(item, 0);
        --used_;
    }
    Hazmat *combustible = Bind(kFuelOil);
    ReclassifyToCombustible_Hazmat(combustible, 1);
    EXPECT_EQ(IsExceptedQuantityAllowed_Hazmat(combustible), 0);  // "COMB"
}

TEST_F(ItemTest, CombustibleReclassificationAndElevatedTemperature)
{
    Hazmat *gas = Bind(kGasoline);
    EXPECT_EQ(IsCombustibleAllowed_Hazmat(gas), 0);
    EXPECT_EQ(ReclassifyToCombustible_Hazmat(gas, 1), 0);
    EXPECT_EQ(ReclassedToCombustible_Hazmat(gas), 0);

    Hazmat *oil = Bind(kFuelOil);
    ASSERT_EQ(IsCombustibleAllowed_Hazmat(oil), 1);
    EXPECT_EQ(ReclassifyToCombustible_Hazmat(oil, 1), 1);
    EXPECT_STREQ(GetHazDivString_Hazmat(oil, 0), "COMB");
    SetElevatedTemperature_Hazmat(oil, 1);
    EXPECT_EQ(ReclassedToCombustible_Hazmat(oil), 0);
    EXPECT_STREQ(GetHazDivString_Hazmat(oil, 0), "3");
    EXPECT_EQ(IsCombustibleAllowed_Hazmat(oil), 0);

    EXPECT_EQ(IsElevatedTemperatureLocked_Hazmat(Bind(kAsphalt)), 1);
    EXPECT_EQ(IsElevatedTemperatureLocked_Hazmat(oil), 0);
}

TEST_F(ItemTest, MarinePollutantSevereNeedsBothBits)
{
    Hazmat *item = Bind(kGasoline);
    SetMarinePollutant_Hazmat(item, 1);
    EXPECT_EQ(IsMarinePollutant_Hazmat(item), 1);
    EXPECT_EQ(IsSevereMarinePollutant_Hazmat(item), 0);
    SetSevereMarinePollutant_Hazmat(item, 1);
    EXPECT_EQ(IsSevereMarinePollutant_Hazmat(item), 1);
    SetMarinePollutant_Hazmat(item, 0);  // leaves bit 21 alone
    EXPECT_EQ(IsMarinePollutant_Hazmat(item), 0);
    EXPECT_EQ(IsSevereMarinePollutant_Hazmat(item), 0);
    EXPECT_EQ(IsMarinePollutantLocked_Hazmat(item), 0);
    EXPECT_EQ(IsMarinePollutantLocked_Hazmat(Bind(kEHSSolid)), 1);
}

TEST_F(ItemTest, ResidueOrmDAndExemption24ShareStorageAsStated)
{
    Hazmat *item = Bind(kGasoline);
    SetResidue_Hazmat(item, 1);
    EXPECT_EQ(IsResidue_Hazmat(item), 1);
    EXPECT_EQ(HasExemption_Hazmat(item, 24), 0);
    SetExemption_Hazmat(item, 24, 1);  // never allowed: clears the shared bit
    EXPECT_EQ(IsResidue_Hazmat(item), 0);
    SetOrmD_Hazmat(item, 1);
    EXPECT_EQ(IsOrmD_Hazmat(item), 1);
    EXPECT_EQ(HasExemption_Hazmat(item, 8), 1);
    SetExemption_Hazmat(item, 20, 1);
    EXPECT_EQ(HasExemption_Hazmat(item, 20), 0);
}

// 173.157: reverse logistics for limited quantities of Class 3, Division
// 4.1 other than self-reactive, 5.1, 6.1, Class 8 and 9; not 4.2/4.3.
TEST_F(ItemTest, ReverseLogisticsFollows173_157)
{
    struct Case { int pid; int slot; int allowed; };
    const Case cases[] = {
        {kGasoline, -1, 1},
        {kMetalPowder, 2, 1},         // 4.1
        {kSelfReactive, -1, 0},       // 4.1 self-reactive (no packing group: no LQ either)
        {kCalciumCarbide, -1, 0},     // 4.3 with a 4.1 subsidiary
        {kPerborate, -1, 1},          // 5.1
        {kAnyZone, 2, 1},             // 6.1
        {kEHSSolid, -1, 1},           // 9
        {kAmmonia, -1, 0},            // 2.2, no limited quantity section of its own here
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.pid);
        Hazmat *item = Bind(c.pid);
        if (c.slot >= 0) {
            ASSERT_EQ(SetPackingGroup_Hazmat(item, c.slot), 1);
        }
        EXPECT_EQ(SetReverseLogistics_Hazmat(item, 1), c.allowed);
        EXPECT_EQ(IsReverseLogisticsAllowed_Hazmat(item), c.allowed);
        Reset_Hazmat(item, 0);
        --used_;
    }
    Hazmat *waste = Bind(kGasoline);
    SetHazardousWaste_Hazmat(waste, 1);
    EXPECT_EQ(SetReverseLogistics_Hazmat(waste, 1), 0);
}

TEST_F(ItemTest, ExemptionsAreHeldOnlyWhileAllowed)
{
    struct Case { int pid; unsigned n; int allowed; };
    const Case cases[] = {
        {kBatteryFluid, 1, 1}, {kBatteryFluid, 2, 0}, {kOxygenCryo, 3, 1},
        {kFireExtinguisher, 7, 1}, {kGasoline, 13, 1}, {kFuelOil, 13, 0},
        {kFissile, 12, 1}, {kFerrousChloride, 31, 1},
        {kCorrosiveLiquid, 31, 0},  // no packing group chosen: no 173.154 listed yet
        {kPeroxideB, 32, 1}, {kGasoline, 32, 0}, {kGasoline, 22, 1}, {kGasoline, 33, 1},
        {kGasoline, 16, 0}, {kGasoline, 20, 0}, {kGasoline, 0, 0}, {kGasoline, 35, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.pid << " exemption " << c.n);
        Hazmat *item = Bind(c.pid);
        EXPECT_EQ(IsExemptionAllowed_Hazmat(item, c.n), c.allowed);
        SetExemption_Hazmat(item, c.n, 1);
        EXPECT_EQ(HasExemption_Hazmat(item, c.n), c.allowed);
        SetExemption_Hazmat(item, c.n, 0);
        EXPECT_EQ(HasExemption_Hazmat(item, c.n), 0);
        Reset_Hazmat(item, 0);
        --used_;
    }

    // Exemption 23 shares the bits of 18 and 19: stored bits read as 23.
    Hazmat *item = Bind(kGasoline);
    item->wordB |= 1u << 9;
    EXPECT_EQ(HasExemption_Hazmat(item, 23), 0);  // 23 not allowed (no SP 338)

    // Exemption 16 needs a bulk combustible liquid.
    Hazmat *oil = Bind(kFuelOil);
    ReclassifyToCombustible_Hazmat(oil, 1);
    EXPECT_EQ(IsExemptionAllowed_Hazmat(oil, 16), 0);
    SetBulkPackaging_Hazmat(oil, 1);
    EXPECT_EQ(IsExemptionAllowed_Hazmat(oil, 16), 1);
}

TEST_F(ItemTest, RadioactiveValues)
{
    Hazmat *fissile = Bind(kFissile);
    EXPECT_EQ(NeedsCSI_Hazmat(fissile), 1);
    SetCSI_Hazmat(fissile, 35);
    EXPECT_EQ(GetCSI_Hazmat(fissile), 35u);
    SetExemption_Hazmat(fissile, 12, 1);  // fissile exempt: no CSI
    EXPECT_EQ(NeedsCSI_Hazmat(fissile), 0);
    EXPECT_EQ(GetCSI_Hazmat(fissile), 0u);
    EXPECT_EQ(IsHRCQAllowed_Hazmat(fissile), 0);  // a Type A package entry
    EXPECT_EQ(IsYellowIIIPossible_Hazmat(fissile), 1);

    Hazmat *gas = Bind(kGasoline);
    SetCSI_Hazmat(gas, 35);
    EXPECT_EQ(gas->csi, 0u);
    EXPECT_EQ(GetCSI_Hazmat(gas), 0u);
    SetRadiationClassification_Hazmat(fissile, 'H');
    SetRadiationClassification_Hazmat(fissile, 'x');
    EXPECT_EQ(GetRadiationClassification_Hazmat(fissile), 'H');
    SetRadiationClassification_Hazmat(fissile, 0);
    EXPECT_EQ(GetRadiationClassification_Hazmat(fissile), 'N');
}
