// The truckload: items by value, name, vehicle, declarations and the
// load-level questions.  Items here are unbound or carry hand-set PIDs and
// qualifier words.
#include "dravlen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr uint32_t kBulk = 0x10000;

// Items are copied into the load through their item record, which binds
// them to the table: they carry real PIDs, bound with their defaults, and
// the extra qualifier bits given.
Hazmat Item(int pid, uint32_t wordA = 0)
{
    Hazmat h;
    Init_Hazmat(&h, pid);
    h.wordA |= wordA;
    return h;
}

struct LoadFixture : ::testing::Test {
    Engine engine; // holds the reference store the items bind through
    Load load;
    LoadFixture()
    {
        Init_Engine(&engine);
        Init_Load(&load);
    }
    ~LoadFixture() override
    {
        Reset_Load(&load);
        Destroy_Engine(&engine);
    }

    void Add(int pid, uint32_t wordA = 0)
    {
        Hazmat h = Item(pid, wordA);
        Add_Load(&load, &h);
        Reset_Hazmat(&h, 0);
    }
    std::vector<int> Pids()
    {
        std::vector<int> pids;
        for (uint32_t i = 0; i < GetItemCount_Load(&load); ++i)
            pids.push_back(GetPID_Hazmat(GetHazmat_Load(&load, i)));
        return pids;
    }
};

TEST_F(LoadFixture, NewLoadIsEmpty)
{
    EXPECT_EQ(GetSizeOf_Load(), static_cast<int>(sizeof(Load)));
    EXPECT_EQ(GetItemCount_Load(&load), 0u);
    EXPECT_EQ(GetHazmat_Load(&load, 0), nullptr);
    EXPECT_EQ(GetName_Load(&load), nullptr);
    EXPECT_STREQ(GetVehicle_Load(&load), "Unknown");
    EXPECT_EQ(Has8820Criteria_Load(&load), 0);
    EXPECT_EQ(IsDODShipment_Load(&load), 0);
    EXPECT_EQ(load.lastInspectedVehicle, 0);
    EXPECT_EQ(HasNonBulk_Load(&load), 0);
}

TEST_F(LoadFixture, AddCopiesTheItem)
{
    Hazmat mine = Item(631, kBulk);
    mine.weight = 5000;
    Add_Dict(&mine.dict, "SPA_QID13", "1");
    EXPECT_EQ(Add_Load(&load, &mine), 0);

    // The caller's item stays the caller's.
    mine.weight = 1;
    Add_Dict(&mine.dict, "SPA_QID13", "0");
    Reset_Hazmat(&mine, 0);

    const Hazmat *held = GetHazmat_Load(&load, 0);
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(held->pid, 631);
    EXPECT_EQ(held->wordA & kBulk, kBulk);
    EXPECT_EQ(held->weight, 5000u);
    EXPECT_STREQ(Find_Dict(&held->dict, "SPA_QID13"), "1");
    EXPECT_EQ(Add_Load(&load, nullptr), -1);
    EXPECT_EQ(GetItemCount_Load(&load), 1u);
}

TEST_F(LoadFixture, RemoveKeepsOrderAndTheLastRemovalLeavesNoArray)
{
    for (int pid : {0, 57, 58, 631})
        Add(pid);
    Add_Dict(&GetHazmat_Load(&load, 3)->dict, "k", "v"); // moves with its item
    EXPECT_EQ(Pids(), (std::vector<int>{0, 57, 58, 631}));
    EXPECT_EQ(Remove_Load(&load, 4), 0);
    EXPECT_EQ(Remove_Load(&load, 1), 1);
    EXPECT_EQ(Pids(), (std::vector<int>{0, 58, 631}));
    EXPECT_STREQ(Find_Dict(&GetHazmat_Load(&load, 2)->dict, "k"), "v");
    EXPECT_EQ(Remove_Load(&load, 0), 1);
    EXPECT_EQ(Remove_Load(&load, 1), 1);
    EXPECT_EQ(Pids(), (std::vector<int>{58}));
    EXPECT_EQ(Remove_Load(&load, 0), 1);
    EXPECT_EQ(GetItemCount_Load(&load), 0u);
    EXPECT_EQ(load.items, nullptr);
    EXPECT_EQ(Remove_Load(&load, 0), 0);
}

TEST_F(LoadFixture, ResetEmptiesAllButTheLastInspectedVehicle)
{
    Add(631);
    SetName_Load(&load, "Truck 7");
    SetVehicle_Load(&load, "MC/TC 306");
    Set8820Criteria_Load(&load, -1);
    SetDODShipment_Load(&load, -1);
    Add_Dict(&load.dict, "Carrier Name", "X");
    load.lastInspectedVehicle = 12;
    load.allGasoline = 1;

    Reset_Load(&load);
    EXPECT_EQ(GetItemCount_Load(&load), 0u);
    EXPECT_EQ(load.items, nullptr);
    EXPECT_EQ(GetName_Load(&load), nullptr);
    EXPECT_STREQ(GetVehicle_Load(&load), "Unknown");
    EXPECT_EQ(Has8820Criteria_Load(&load), 0);
    EXPECT_EQ(IsDODShipment_Load(&load), 0);
    EXPECT_EQ(load.dict.head, nullptr);
    EXPECT_EQ(IsOnlyGasoline_Load(&load), 0);
    EXPECT_EQ(load.lastInspectedVehicle, 12);
}

TEST_F(LoadFixture, NameIsACopy)
{
    std::string name = "Truck 7";
    SetName_Load(&load, name.c_str());
    name[0] = 'X';
    EXPECT_STREQ(GetName_Load(&load), "Truck 7");
    SetName_Load(&load, "Other");
    EXPECT_STREQ(GetName_Load(&load), "Other");
    SetName_Load(&load, nullptr);
    EXPECT_EQ(GetName_Load(&load), nullptr);
}

TEST_F(LoadFixture, VehicleByName)
{
    EXPECT_EQ(SetVehicle_Load(&load, "DOT/TC 406"), 1);
    EXPECT_STREQ(GetVehicle_Load(&load), "DOT/TC 406");
    EXPECT_EQ(load.vehicleCode, 3);
    EXPECT_EQ(SetVehicle_Load(&load, "DOT/TC 406"), 1);
    for (const char *unknown : {"dot/tc 406", "MC 999", "", static_cast<const char *>(nullptr)}) {
        EXPECT_EQ(SetVehicle_Load(&load, unknown), 0);
        EXPECT_STREQ(GetVehicle_Load(&load), "DOT/TC 406");
    }
    EXPECT_EQ(SetVehicle_Load(&load, "Unknown"), 1);
    EXPECT_EQ(load.vehicleCode, 0);
}

TEST_F(LoadFixture, DeclarationsAreStoredAsGiven)
{
    Set8820Criteria_Load(&load, -1);
    SetDODShipment_Load(&load, 7);
    EXPECT_EQ(Has8820Criteria_Load(&load), -1);
    EXPECT_EQ(IsDODShipment_Load(&load), 7);
}

TEST(LoadQuestions, ByPidAndPackaging)
{
    using Pred = int (*)(const Load *);
    struct Case {
        const char *what;
        std::vector<std::pair<int, uint32_t>> items; // pid, word A
        Pred pred;
        int expected;
    } const cases[] = {
        {"fuel oil", {{1, 0}, {58, 0}}, HasFuelOil_Load, 1},
        {"diesel is not fuel oil", {{57, 0}}, HasFuelOil_Load, 0},
        {"diesel fuel", {{57, 0}}, HasDieselFuel_Load, 1},
        {"gasoline", {{631, kBulk}}, HasGasoline_Load, 1},
        {"no gasoline", {{632, 0}}, HasGasoline_Load, 0},
        {"molten sulfur NA2448", {{66, 0}}, HasMoltenSulfur_Load, 1},
        {"molten sulfur UN2448", {{1608, 0}}, HasMoltenSulfur_Load, 1},
        {"no molten sulfur", {{65, 0}}, HasMoltenSulfur_Load, 0},
        {"molten aluminum", {{101, 0}}, HasMoltenAluminum_Load, 1},
        {"all bulk", {{631, kBulk}, {58, kBulk}}, HasNonBulk_Load, 0},
        {"one non-bulk", {{631, kBulk}, {58, 0x20000}}, HasNonBulk_Load, 1},
        {"empty load asks nothing", {}, HasGasoline_Load, 0},
    };
    Engine engine; // holds the reference store the items bind through
    Init_Engine(&engine);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Load load;
        Init_Load(&load);
        for (auto [pid, wordA] : c.items) {
            Hazmat h = Item(pid, wordA);
            Add_Load(&load, &h);
            Reset_Hazmat(&h, 0);
        }
        EXPECT_EQ(c.pred(&load), c.expected);
        Reset_Load(&load);
    }
    Destroy_Engine(&engine);
}

TEST_F(LoadFixture, OnlyFlagsAreThoseOfTheLastAnalysis)
{
    Add(58);
    EXPECT_EQ(IsOnlyFuelOil_Load(&load), 0); // not recomputed here
    load.allFuelOil = 1;
    load.allGasoline = 1;
    EXPECT_EQ(IsOnlyFuelOil_Load(&load), 1);
    EXPECT_EQ(IsOnlyGasoline_Load(&load), 1);
}

} // namespace
