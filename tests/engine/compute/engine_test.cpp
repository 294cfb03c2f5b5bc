// The engine handle and the calculation pipeline.
#include "compute/explosives.h"
#include "compute/kind_facts.h"
#include "compute/messages.h"
#include "compute/placarding.h"
#include "refdata/store.h"

#include "dravlen.h"
#include "truckload_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct EngineFixture : ::testing::Test {
    Engine engine;
    EngineFixture() { Init_Engine(&engine); }
    ~EngineFixture() override { Destroy_Engine(&engine); }
};

TEST(EngineLifecycle, InitSetsDefaultsAndHoldsTheReferenceStore)
{
    const int before = dravlen::ReferenceStoreUsers();
    Engine *a = Alloc_Engine();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(GetSizeOf_Engine(), static_cast<int>(sizeof(Engine)));
    EXPECT_EQ(Init_Engine(a), a);
    EXPECT_EQ(IsDangerousOptionFirst_Engine(a), 0);
    EXPECT_EQ(UsingBulkPlacards_Engine(a), 1);
    EXPECT_EQ(PlacardAllHazmats_Engine(a), 0);
    EXPECT_EQ(static_cast<void *>(GetLoad_Engine(a)), static_cast<void *>(a));
    EXPECT_EQ(GetItemCount_Load(GetLoad_Engine(a)), 0u);
    EXPECT_EQ(dravlen::ReferenceStoreUsers(), before + 1);

    Engine b;
    Init_Engine(&b);
    EXPECT_EQ(dravlen::ReferenceStoreUsers(), before + 2);
    Destroy_Engine(&b);
    Destroy_Engine(a);
    EXPECT_EQ(dravlen::ReferenceStoreUsers(), before);
    qv_free(a);
}

TEST_F(EngineFixture, SwitchesAreStoredAsGiven)
{
    ShowDangerousOptionFirst_Engine(&engine, -1);
    SetBulkPlacards_Engine(&engine, 0);
    SetPlacardAllHazmats_Engine(&engine, -1);
    EXPECT_EQ(IsDangerousOptionFirst_Engine(&engine), -1);
    EXPECT_EQ(UsingBulkPlacards_Engine(&engine), 0);
    EXPECT_EQ(PlacardAllHazmats_Engine(&engine), -1);
}

TEST_F(EngineFixture, EmptyLoadGivesOneEmptyLegalOption)
{
    for (int dangerousFirst : {0, -1}) {
        SCOPED_TRACE(dangerousFirst);
        ShowDangerousOptionFirst_Engine(&engine, dangerousFirst);
        // Twice: results never accumulate across calculations.
        for (int run = 0; run < 2; ++run) {
            EXPECT_EQ(Calculate_Engine(&engine), 1);
            EXPECT_EQ(GetNumOutputs_Engine(&engine), 1);
            EXPECT_EQ(GetLegality_Engine(&engine), 0);
            Output *out = GetOutput_Engine(&engine, 0);
            ASSERT_EQ(out, &engine.output);
            EXPECT_EQ(GetNumPlacards_Output(out), 0);
            EXPECT_EQ(GetNumMarkings_Output(out), 0);
            EXPECT_EQ(GetNumSegregations_Output(out), 0);
            EXPECT_EQ(GetNumAllowedPlacards_Output(out), 0);
        }
    }
}

TEST_F(EngineFixture, OutputIndexOutOfRangeKeepsTheCurrentOption)
{
    Calculate_Engine(&engine);
    ASSERT_NE(GetOutput_Engine(&engine, 0), nullptr);
    const PlacOp *current = engine.output.current;
    EXPECT_EQ(GetOutput_Engine(&engine, 1), nullptr);
    EXPECT_EQ(GetOutput_Engine(&engine, -1), nullptr);
    EXPECT_EQ(engine.output.current, current);
}

TEST(PlacardingOptionOrder, StandardAndDangerousOptions)
{
    struct Case {
        bool dangerousFirst, dangerousPossible;
        std::vector<bool> order; // true = the DANGEROUS option
    } const cases[] = {
        {false, false, {false}},
        {true, false, {false}},
        {false, true, {false, true}},
        {true, true, {true, false}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << c.dangerousFirst << c.dangerousPossible);
        bool order[2] = {};
        const int n = dravlen::PlacardingOptionOrder(c.dangerousFirst, c.dangerousPossible, order);
        EXPECT_EQ(std::vector<bool>(order, order + n), c.order);
    }
}

TEST(ExplosivesSummary, DivisionsAndTheDivision15Total)
{
    struct Item {
        const char *code;
        uint32_t pounds;
    };
    struct Case {
        const char *what;
        std::vector<Item> items;
        bool division11or12;
        uint32_t division15Pounds;
    } const cases[] = {
        {"two Division 1.5 items of 600 pounds", {{"1.5D", 600}, {"1.5D", 600}}, false, 1200},
        {"bare class 1 counts as 1.1 or 1.2", {{"1", 10}}, true, 0},
        {"Division 1.1", {{"1.1A", 1}}, true, 0},
        {"Division 1.2", {{"1.2B", 1}}, true, 0},
        {"Divisions 1.3, 1.4 and 1.6 count for neither", {{"1.3C", 5}, {"1.4S", 5}, {"1.6N", 5}}, false, 0},
        {"other classes count for neither", {{"5.1", 5000}, {"3", 5000}}, false, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        dravlen::ExplosivesSummary summary;
        for (const Item &item : c.items) {
            HazDiv hd;
            ASSERT_EQ(Init_HazDiv(&hd, item.code), 1) << item.code;
            dravlen::NoteExplosive(summary, hd, item.pounds);
        }
        EXPECT_EQ(summary.division11or12, c.division11or12);
        EXPECT_EQ(summary.division15Pounds, c.division15Pounds);
    }
}

// The texts a calculation interns are remembered by the address they were
// read at; what is answered must be InternText of the text found there now.
TEST(InternedTexts, AnswerTheTextAtTheAddressAsItIsNow)
{
    dravlen::InternedTexts texts;
    // More texts than the first table holds, so that it grows.
    std::vector<std::string> read;
    for (int i = 0; i < 200; ++i)
        read.push_back("UN" + std::to_string(1000 + i));
    for (int pass = 0; pass < 2; ++pass) {
        for (const std::string &t : read) {
            SCOPED_TRACE(t);
            EXPECT_EQ(texts.Intern(t.c_str()), dravlen::InternText(t.c_str()));
        }
    }
    // The tables under an address changed (another ruleset, another table).
    char at[8] = "UN1203";
    EXPECT_EQ(texts.Intern(at), dravlen::InternText("UN1203"));
    std::strcpy(at, "NA1993");
    EXPECT_EQ(texts.Intern(at), dravlen::InternText("NA1993"));
    EXPECT_STREQ(texts.Intern(at), "NA1993");
    EXPECT_STREQ(texts.Intern(""), "");
    EXPECT_STREQ(texts.Intern(nullptr), "");
}

// A placard or marking as the interface shows it, with the material it
// names (Placard begins with its Marking).
std::string Describe(const Marking *m)
{
    const char *psn = GetPSN_Marking(m);
    return std::to_string(GetType_Marking(m)) + "/" + std::to_string(GetPID_Marking(m)) + "/" +
           std::to_string(GetIDNo_Marking(m)) + "/" + (psn ? psn : "-");
}

std::string Describe(Placard *p)
{
    return std::to_string(GetClass_Placard(p)) + "." + std::to_string(GetDivision_Placard(p)) + "/" +
           std::to_string(static_cast<int>(GetRawCompatGroup_Placard(p))) + "/" +
           std::to_string(IsPrimary_Placard(p)) + "/" + Describe(reinterpret_cast<const Marking *>(p));
}

// Every placarding option of the last calculation (placards and markings,
// in order) and the allowed placards, one line each.
std::vector<std::string> PlacardingResults(Engine *engine)
{
    std::vector<std::string> lines;
    for (int i = 0; i < GetNumOutputs_Engine(engine); ++i) {
        Output *out = GetOutput_Engine(engine, i);
        lines.push_back("option " + std::to_string(i));
        for (Placard *p = GetFirstPlacardPointer_Output(out); p; p = GetNextPlacardPointer_Output(out))
            lines.push_back(" placard " + Describe(p));
        for (Marking *m = GetFirstMarkingPointer_Output(out); m; m = GetNextMarkingPointer_Output(out))
            lines.push_back(" marking " + Describe(m));
    }
    Output *out = GetOutput_Engine(engine, 0);
    for (Placard *p = out ? GetFirstAllowedPlacardPointer_Output(out) : nullptr; p;
         p = GetNextAllowedPlacardPointer_Output(out))
        lines.push_back("allowed " + Describe(p));
    return lines;
}

// An engine keeps room between its calculations: a short truckload after a
// long one (fewer items, kinds and pair outcomes) must come out exactly as
// on a fresh engine.
using EngineReuse = velmora_test::Truckload;

TEST_F(EngineReuse, ShortTruckloadAfterALongOneMatchesAFreshEngine)
{
    using velmora_test::ItemSpec;
    // The long truckload has bulk packagings (placards with numbers), more
    // categories and a poison gas; the short one shares some of its kinds,
    // in another order, and is heavy enough to be placarded.
    const std::vector<ItemSpec> longLoad = {
        {"UN1203", nullptr, 2}, {"UN1830", nullptr, 2}, {"UN1017"}, {"UN1479", nullptr, 2}, {"UN1325", nullptr, 2},
        {"UN1993", nullptr, 3, 0, 0, true, 3000}, {"UN2794"}, {"UN1072"}, {"UN1005", nullptr, -1, 0, 0, true, 5000},
        {"UN1203", nullptr, 2, 0, 0, true, 4000}, {"UN1830", nullptr, 2, 0, 0, false, 2500}};
    const std::vector<ItemSpec> shortLoad = {{"UN1017"},
                                             {"UN1203", nullptr, 2, 0, 0, false, 1200},
                                             {"UN1830", nullptr, 2, 0, 0, false, 700}};
    for (const ItemSpec &s : longLoad)
        Add(s);
    ASSERT_FALSE(Calculate().empty());
    while (GetItemCount_Load(load()) > 0)
        ASSERT_EQ(Remove_Load(load(), 0), 1);
    for (const ItemSpec &s : shortLoad)
        Add(s);
    const std::vector<HazSeg> reused = Calculate();
    const std::vector<std::string> reusedPlacarding = PlacardingResults(&engine);

    Engine fresh;
    Init_Engine(&fresh);
    for (const ItemSpec &s : shortLoad) {
        Hazmat item;
        Bind(&item, s);
        Add_Load(GetLoad_Engine(&fresh), &item);
        Reset_Hazmat(&item, 0);
    }
    Calculate_Engine(&fresh);
    std::vector<HazSeg> expected;
    HazSeg m;
    for (int ok = GetFirstSegregation_Output(GetOutput_Engine(&fresh, 0), &m); ok;
         ok = GetNextSegregation_Output(GetOutput_Engine(&fresh, 0), &m))
        expected.push_back(m);
    EXPECT_EQ(Legality(), GetLegality_Engine(&fresh));
    const std::vector<std::string> freshPlacarding = PlacardingResults(&fresh);
    Destroy_Engine(&fresh);

    EXPECT_GT(freshPlacarding.size(), 3u);  // options with placards, and the allowed placards
    EXPECT_EQ(reusedPlacarding, freshPlacarding);

    ASSERT_FALSE(expected.empty());
    ASSERT_EQ(reused.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(std::tie(reused[i].type, reused[i].msg, reused[i].pid1, reused[i].pid2),
                  std::tie(expected[i].type, expected[i].msg, expected[i].pid1, expected[i].pid2));
        EXPECT_EQ(std::string(reused[i].reason), std::string(expected[i].reason));
    }
}

} // namespace
