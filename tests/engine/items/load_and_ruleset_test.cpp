// Truckload questions built on the item predicates, the vehicle choice and
// the ruleset switch that re-validates the truckload's items.
#include "item_fixture.h"

#include <cstring>
#include <string>

using namespace items_test;

namespace {

// Adds an item of pid (already prepared by prep) to the engine's load.
template <typename Prep>
void AddItem(Engine *engine, int pid, uint32_t weight, Prep prep)
{
    Hazmat item;
    Init_Hazmat(&item, pid);
    SetWeight_Hazmat(&item, weight);
    prep(&item);
    ASSERT_GE(Add_Load(&engine->load, &item), 0);
    ASSERT_EQ(GetPID_Hazmat(GetHazmat_Load(&engine->load, GetItemCount_Load(&engine->load) - 1)),
              pid);
    Reset_Hazmat(&item, 0);
}

void AddItem(Engine *engine, int pid, uint32_t weight)
{
    AddItem(engine, pid, weight, [](Hazmat *) {});
}

void Bulk(Hazmat *h) { SetBulkPackaging_Hazmat(h, 1); }

} // namespace

TEST_F(ItemTest, The8820PoundDeclaration)
{
    Load *load = &engine_.load;
    EXPECT_EQ(Is8820Allowed_Load(load), 0);
    AddItem(&engine_, kGasoline, 5000);
    AddItem(&engine_, kGasoline, 3819);
    EXPECT_EQ(Is8820Allowed_Load(load), 0);
    SetWeight_Hazmat(GetHazmat_Load(load, 1), 3820);
    EXPECT_EQ(Is8820Allowed_Load(load), 1);
    AddItem(&engine_, kFuelOil, 1);
    EXPECT_EQ(Is8820Allowed_Load(load), 0);
    Reset_Load(load);

    AddItem(&engine_, kGasoline, 4000, [](Hazmat *h) { SetWeightUnit_Hazmat(h, 1); });
    EXPECT_EQ(Is8820Allowed_Load(load), 1);
    AddItem(&engine_, kGasoline, 1, [](Hazmat *h) { SetLimitedQuantity_Hazmat(h, 1); });
    EXPECT_EQ(Is8820Allowed_Load(load), 0);
}

TEST_F(ItemTest, DangerousPlacardPerItemCountsTheSameTable2Category)
{
    Load *load = &engine_.load;
    AddItem(&engine_, kGasoline, 1000);
    AddItem(&engine_, kFuelOil, 1000);
    AddItem(&engine_, kEthylAlcohol, 5000, [](Hazmat *h) {
        SetPackingGroup_Hazmat(h, 3);
        SetLimitedQuantity_Hazmat(h, 1);  // exempt from placarding: not counted
    });
    AddItem(&engine_, kPoisonGasZoneA, 10);  // Table 1
    EXPECT_EQ(CanUseDangerousPlacard_Hazmat_Load(load, 0), 1);
    EXPECT_EQ(CanUseDangerousPlacard_Hazmat_Load(load, 3), 0);
    EXPECT_EQ(CanUseDangerousPlacard_Hazmat_Load(load, 4), 0);  // out of range
    SetWeight_Hazmat(GetHazmat_Load(load, 1), 1205);  // 2205 lb of class 3
    EXPECT_EQ(CanUseDangerousPlacard_Hazmat_Load(load, 0), 0);
}

TEST_F(ItemTest, GreatestPoisonInhalationHazard)
{
    Load *load = &engine_.load;
    EXPECT_EQ(GetGreatestPIH_Vehicle(load), -1);
    AddItem(&engine_, kPoisonZoneB, 3000);
    AddItem(&engine_, kCyanogenZoneB, 4000);
    AddItem(&engine_, kGasoline, 9000);
    EXPECT_EQ(GetGreatestPIH_Vehicle(load), 1);
    AddItem(&engine_, kPoisonGasZoneA, 2204);
    EXPECT_EQ(GetGreatestPIH_Vehicle(load), 1);  // below 2,205 lb
    SetWeight_Hazmat(GetHazmat_Load(load, 3), 2205);
    EXPECT_EQ(GetGreatestPIH_Vehicle(load), 3);
}

TEST_F(ItemTest, VehicleChoiceAndForbiddenItems)
{
    Load *load = &engine_.load;
    EXPECT_EQ(IsVehicleAllowed_Load(load, 19), 1);  // empty load
    AddItem(&engine_, kGasoline, 100, Bulk);
    AddItem(&engine_, kAmmonia, 100);
    AddItem(&engine_, kFuelOil, 100, Bulk);
    EXPECT_EQ(IsVehicleAllowed_Load(load, 18), 1);
    EXPECT_EQ(IsVehicleAllowed_Load(load, 19), 0);

    int out = 7;
    EXPECT_EQ(TestSetVehicle_Load(load, "Unknown", &out), 0);
    EXPECT_EQ(TestSetVehicle_Load(load, "MC 999", &out), 0);
    EXPECT_EQ(out, 7);
    EXPECT_EQ(TestSetVehicle_Load(load, "MC/TC 338", &out), 0);
    EXPECT_EQ(out, 1);
    EXPECT_EQ(TestSetVehicle_Load(load, "MC/TC 331", &out), 1);
    EXPECT_EQ(out, 0);

    ASSERT_EQ(SetVehicle_Load(load, "MC/TC 338"), 1);
    EXPECT_EQ(IsCurrentVehicleAllowed_Load(load), 0);
    EXPECT_STREQ(GetFirstVehicleForbiddenUN_Load(load), "UN1203");
    EXPECT_STREQ(GetNextVehicleForbiddenUN_Load(load), "NA1993");
    EXPECT_EQ(GetNextVehicleForbiddenUN_Load(load), nullptr);
    EXPECT_EQ(GetNextVehicleForbiddenUN_Load(load), nullptr);
    EXPECT_STREQ(GetFirstVehicleForbiddenUN_Load(load), "UN1203");

    out = 7;
    EXPECT_EQ(TestVehicle_Engine(&engine_, "MC/TC 331", &out), 1);
    EXPECT_EQ(out, 7);
    EXPECT_EQ(TestVehicle_Engine(&engine_, "Unknown", &out), 1);
    EXPECT_EQ(TestVehicle_Engine(&engine_, "Not a tank", &out), 0);
    EXPECT_EQ(out, 7);
    ASSERT_NE(GetLegality_Engine(&engine_), 1);
    EXPECT_EQ(TestVehicle_Engine(&engine_, "MC/TC 338", &out), 0);
    EXPECT_EQ(out, 1);
}

// 2021-03-01: rulesets 35, 36 and 37 are active.  NA0331 (PID 5) has a row
// up to ruleset 35 only.
TEST_F(ItemTest, RulesetSwitchRemovesItemsWithoutRepresentation)
{
    dravlen::SetClockForTesting(1614556800);
    ASSERT_EQ(SetRuleset_Engine(&engine_, 35), 1);
    ASSERT_EQ(GetRuleset_Engine(&engine_), 35);
    AddItem(&engine_, kExplosive15D, 50);
    AddItem(&engine_, kGasoline, 700);
    Load *load = &engine_.load;
    Add_Dict(&GetHazmat_Load(load, 1)->dict, "SPA_QID3", "1");

    EXPECT_EQ(TestRulesetConversion_Engine(&engine_, 37), 0);
    EXPECT_EQ(GetRuleset_Engine(&engine_), 35);
    EXPECT_EQ(TestRulesetConversion_Engine(&engine_, 35), 1);
    EXPECT_EQ(TestRulesetConversion_Engine(&engine_, 0), 0);  // not active
    EXPECT_EQ(SetRuleset_Engine(&engine_, 0), 0);
    EXPECT_EQ(GetRuleset_Engine(&engine_), 35);
    EXPECT_EQ(GetItemCount_Load(load), 2u);

    ASSERT_EQ(SetRuleset_Engine(&engine_, 37), 1);
    EXPECT_EQ(GetRuleset_Engine(&engine_), 37);
    ASSERT_EQ(GetItemCount_Load(load), 1u);
    const Hazmat *gas = GetHazmat_Load(load, 0);
    EXPECT_EQ(GetPID_Hazmat(gas), kGasoline);
    EXPECT_EQ(GetWeight_Hazmat(gas, 0), 700u);
    EXPECT_STREQ(Find_Dict(&gas->dict, "SPA_QID3"), "1");
    EXPECT_EQ(TestRulesetConversion_Engine(&engine_, 35), 1);
}
