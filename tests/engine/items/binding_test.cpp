// Binding an item to a table entry and its core properties.
#include "item_fixture.h"

#include <cstring>
#include <string>

using namespace items_test;

namespace {

struct BindingCase {
    int pid;
    int slot;            // packing group chosen by binding, -1 none
    int nameIndex;
    char zone;           // GetHazardZone_Hazmat
    int pih;
    int elevated;
    const char *zones;   // GetHazardZones_Hazmat (null = none)
};

const BindingCase kBindings[] = {
    // Gasoline: one packing group (II), one shipping name, no zone.
    {kGasoline, 2, 1, 0, 0, 0, "n/a"},
    // Two packing groups: nothing chosen, so no zone settled either (an
    // undecided zone counts as poisonous by inhalation until decided).
    {kEthylAlcohol, -1, 1, '*', 1, 0, "n/a"},
    // Asphalt at or above its flash point is an elevated temperature material.
    {kAsphalt, 3, 1, 0, 0, 1, "n/a"},
    // Anhydrous ammonia: zone D only, by its entry.
    {kAmmonia, 0, 1, 'D', 1, 0, "Zone D"},
    {kPoisonGasZoneA, 0, 1, 'A', 1, 0, "Zone A"},
    {kPoisonZoneB, 1, 1, 'B', 1, 0, "Zone B"},
    {kPoisonGasZoneC, 0, 1, 'C', 1, 0, "Zone C"},
    {kPoisonGasZoneD, 0, 1, 'D', 1, 0, "Zone D"},
    // SP 5: any zone or none; nothing chosen, counts as PIH until decided.
    {kFlammableGasAnyZone, 0, 1, '*', 1, 0, "Zones A, B, C, D or n/a"},
};

} // namespace

TEST_F(ItemTest, BindingChoosesTheDefaultsTheEntryImplies)
{
    for (const BindingCase &c : kBindings) {
        SCOPED_TRACE(c.pid);
        Hazmat *item = Bind(c.pid);
        EXPECT_EQ(GetPID_Hazmat(item), c.pid);
        EXPECT_EQ(GetPackingGroup_Hazmat(item), c.slot);
        EXPECT_EQ(GetRomanIndex_Hazmat(item), c.nameIndex);
        EXPECT_EQ(GetHazardZone_Hazmat(item), c.zone);
        EXPECT_EQ(GetPIH_Hazmat(item), c.pih);
        EXPECT_EQ(IsElevatedTemperature_Hazmat(item), c.elevated);
        const char *zones = GetHazardZones_Hazmat(item);
        EXPECT_STREQ(zones ? zones : "(null)", c.zones);
        Reset_Hazmat(item, 0);
        --used_;
    }
}

TEST_F(ItemTest, UnknownPidLeavesTheItemUnboundAndEveryAccessorEmpty)
{
    for (int pid : {0, -3, 2608, 99999}) {
        Hazmat item;
        EXPECT_EQ(Init_Hazmat(&item, pid), 0);
        EXPECT_EQ(GetPID_Hazmat(&item), 0);
        EXPECT_EQ(GetID_Hazmat(&item), nullptr);
        EXPECT_EQ(GetPSN_Hazmat(&item), nullptr);
        EXPECT_EQ(GetNumHazDivs_Hazmat(&item), 0);
        EXPECT_EQ(GetPackingGroup_Hazmat(&item), -1);
        EXPECT_EQ(GetPackingGroups_Hazmat(&item), nullptr);
        EXPECT_EQ(SetPackingGroup_Hazmat(&item, 0), 0);
        EXPECT_EQ(GetPIH_Hazmat(&item), 0);
        EXPECT_EQ(IsTable1_Hazmat(&item), 0);
        EXPECT_EQ(IsTable2_Hazmat(&item), 0);
        EXPECT_EQ(ExemptFromPlacarding_Hazmat(&item), 0);
        Reset_Hazmat(&item, 0);
    }
}

TEST_F(ItemTest, NamesCodesAndGuideComeFromTheRow)
{
    Hazmat *gas = Bind(kGasoline);
    EXPECT_STREQ(GetID_Hazmat(gas), "UN1203");
    EXPECT_STREQ(GetErgNumber_Hazmat(gas), "128");
    EXPECT_EQ(GetNumRomanPSNs_Hazmat(gas), 1);
    // 172.101(c)(1): the italic words describe; the roman ones name.
    EXPECT_STREQ(GetRomanPSN_Hazmat(gas), "Gasoline");
    EXPECT_STREQ(GetPSN_Hazmat(gas),
                 "Gasoline <I>includes gasoline mixed with ethyl alcohol, with not more than 10% alcohol</I>");
    EXPECT_EQ(SetRomanIndex_Hazmat(gas, 0), 0);
    EXPECT_EQ(SetRomanIndex_Hazmat(gas, 2), 0);
    EXPECT_EQ(GetRomanIndex_Hazmat(gas), 1);
    EXPECT_STREQ(GetPackingGroups_Hazmat(gas), "II");
    EXPECT_STREQ(GetHazDivDesc_Hazmat(gas, 0), "Flammable");
    char *primary = GetPrimaryClass_Hazmat(gas);
    EXPECT_STREQ(primary, "3");
    qv_free(primary);

    EXPECT_STREQ(GetPackingGroups_Hazmat(Bind(kEthylAlcohol)), "II, III");
    EXPECT_STREQ(GetPackingGroups_Hazmat(Bind(kCombustibleCreosote)), "I, II, III");
    EXPECT_STREQ(GetPackingGroups_Hazmat(Bind(kAmmonia)), "");
}

TEST_F(ItemTest, HazardCodesFollowLabelsAndDeclaredSubsidiaries)
{
    // Labels 2.3, 2.1: primary is the class, then the subsidiary label.
    Hazmat *gas = Bind(kPoisonGasZoneC);
    ASSERT_EQ(GetNumHazDivs_Hazmat(gas), 2);
    EXPECT_STREQ(GetHazDivString_Hazmat(gas, 0), "2.3");
    EXPECT_STREQ(GetHazDivString_Hazmat(gas, 1), "2.1");
    EXPECT_EQ(GetHazDivString_Hazmat(gas, 2), nullptr);
    EXPECT_EQ(HasSubsidiary_Hazmat(gas, "2.1"), 1);
    EXPECT_EQ(HasSubsidiary_Hazmat(gas, "2.3"), 0);  // the primary is no subsidiary

    // Exemption 32 (173.225(c)(8)) adds a corrosive subsidiary hazard to an
    // organic peroxide: labels 5.2, 1 then the added "8".
    Hazmat *peroxide = Bind(kPeroxideB);
    ASSERT_EQ(GetNumHazDivs_Hazmat(peroxide), 2);
    SetExemption_Hazmat(peroxide, 32, 1);
    ASSERT_EQ(GetNumHazDivs_Hazmat(peroxide), 3);
    EXPECT_STREQ(GetHazDivString_Hazmat(peroxide, 0), "5.2");
    EXPECT_STREQ(GetHazDivString_Hazmat(peroxide, 1), "1");
    EXPECT_STREQ(GetHazDivString_Hazmat(peroxide, 2), "8");

    // No packing group chosen: codes are read from slot 2 (PG II).
    Hazmat *alcohol = Bind(kEthylAlcohol);
    EXPECT_STREQ(GetHazDivString_Hazmat(alcohol, 0), "3");
    EXPECT_EQ(GetNumHazDivs_Hazmat(alcohol), 1);
}

TEST_F(ItemTest, WeightConvertsAtTwoPointTwoZeroFivePoundsPerKilogram)
{
    struct Case { uint32_t stored; int unit; uint32_t pounds; uint32_t kilograms; };
    const Case cases[] = {
        {1000, 0, 1000, 453},  // 453.5 kg, fraction dropped
        {1000, 1, 2205, 1000},
        {4000, 1, 8820, 4000},
        {0, 1, 0, 0},
        {4294967295u, 1, 4294967295u, 4294967295u},  // saturates, never wraps
    };
    Hazmat *item = Bind(kGasoline);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stored);
        SetWeightUnit_Hazmat(item, c.unit);
        SetWeight_Hazmat(item, c.stored);
        EXPECT_EQ(GetWeightUnit_Hazmat(item), c.unit);
        EXPECT_EQ(GetWeight_Hazmat(item, 0), c.pounds);
        EXPECT_EQ(GetWeight_Hazmat(item, 1), c.kilograms);
    }
    // Switching the unit does not convert the stored figure.
    SetWeight_Hazmat(item, 1000);
    SetWeightUnit_Hazmat(item, 0);
    SetWeightUnit_Hazmat(item, -1);  // any value but 1 is pounds
    EXPECT_EQ(GetWeightUnit_Hazmat(item), 0);
    EXPECT_EQ(GetWeight_Hazmat(item, 0), 1000u);
}

TEST_F(ItemTest, PackingGroupChoiceSettlesZoneAndDropsQualifiersNoLongerAllowed)
{
    // UN1583 allows limited quantity (173.153) in PG II, not in PG I.
    Hazmat *item = Bind(kAnyZone);
    EXPECT_EQ(SetPackingGroup_Hazmat(item, 0), 0);  // the row lacks slot 0
    EXPECT_EQ(GetPackingGroup_Hazmat(item), -1);
    ASSERT_EQ(SetPackingGroup_Hazmat(item, 2), 1);
    EXPECT_EQ(GetHazardZone_Hazmat(item), 0);  // PG II: no zone settled
    SetLimitedQuantity_Hazmat(item, 1);
    ASSERT_EQ(IsLimitedQuantity_Hazmat(item), 1);
    ASSERT_EQ(SetPackingGroup_Hazmat(item, 1), 1);
    EXPECT_EQ(IsLimitedQuantity_Hazmat(item), 0);
    Reset_Hazmat(item, 0);

    // A 6.1 entry with SP 5: choosing a zone, then none.
    Hazmat *poison = Bind(kAnyZone);
    ASSERT_EQ(SetPackingGroup_Hazmat(poison, 1), 1);
    EXPECT_EQ(GetHazardZone_Hazmat(poison), '*');
    SetHazardZone_Hazmat(poison, 'C');
    EXPECT_EQ(GetHazardZone_Hazmat(poison), 'C');
    SetHazardZone_Hazmat(poison, 'E');  // not a zone: ignored
    EXPECT_EQ(GetHazardZone_Hazmat(poison), 'C');
    SetHazardZone_Hazmat(poison, 0);
    EXPECT_EQ(GetHazardZone_Hazmat(poison), 0);
    EXPECT_EQ(GetPIH_Hazmat(poison), 0);

    // Ammonia may not go without a zone.
    Hazmat *ammonia = Bind(kAmmonia);
    SetHazardZone_Hazmat(ammonia, 0);
    EXPECT_EQ(GetHazardZone_Hazmat(ammonia), 'D');
}

TEST_F(ItemTest, PhysicalStateIsRecordedOnlyWhereTheEntryLeavesItOpen)
{
    Hazmat *gas = Bind(kGasoline);  // class 3: liquid by its entry
    EXPECT_EQ(FixedPhysicalState_Hazmat(gas), 1);
    SetPhysicalState_Hazmat(gas, 'S');
    EXPECT_EQ(GetPhysicalState_Hazmat(gas), 'L');
    EXPECT_EQ(gas->wordA & 0x70u, 0u);

    Hazmat *ex = Bind(kBlastingCaps);  // class 1: state not fixed
    ASSERT_EQ(FixedPhysicalState_Hazmat(ex), 0);
    EXPECT_EQ(GetPhysicalState_Hazmat(ex), 0);
    EXPECT_EQ(IsLiquid_Hazmat(ex), 1);
    for (char s : {'G', 'L', 'N', 'S'}) {
        SetPhysicalState_Hazmat(ex, s);
        EXPECT_EQ(GetPhysicalState_Hazmat(ex), s);
        EXPECT_EQ(IsLiquid_Hazmat(ex), s == 'L' ? 1 : 0);
    }
    SetPhysicalState_Hazmat(ex, 'X');
    EXPECT_EQ(GetPhysicalState_Hazmat(ex), 'S');
}
