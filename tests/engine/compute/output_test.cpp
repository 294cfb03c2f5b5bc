// The compliance output: placard keys, the list operations that build
// options, and the accessors that read them.
#include "compute/output_build.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

Placard MakePlacard(int hazClass, int division, char letter = 0, int idType = 0, int idNumber = 0)
{
    Placard p{};
    p.hazClass = hazClass;
    p.division = division;
    p.letter = letter;
    p.marking.type = idType;
    p.marking.idNumber = idNumber;
    return p;
}

Marking MakeMarking(int type, int idNumber = 0, const char *psn = nullptr)
{
    Marking m{};
    m.type = type;
    m.idNumber = idNumber;
    m.psn = psn;
    return m;
}

struct OutputFixture : ::testing::Test {
    Output out;
    OutputFixture() { Init_Output(&out); }
    ~OutputFixture() override { Reset_Output(&out); }

    std::vector<uint32_t> PlacardKeys()
    {
        std::vector<uint32_t> keys;
        for (Placard *p = GetFirstPlacardPointer_Output(&out); p; p = GetNextPlacardPointer_Output(&out))
            keys.push_back(GetHash_Placard(p));
        return keys;
    }
    std::vector<uint32_t> VisibleAllowedKeys()
    {
        std::vector<uint32_t> keys;
        Placard p;
        for (int ok = GetFirstAllowedPlacard_Output(&out, &p); ok; ok = GetNextAllowedPlacard_Output(&out, &p))
            keys.push_back(GetHash_Placard(&p));
        return keys;
    }
    std::vector<int> MarkingTypes()
    {
        std::vector<int> types;
        for (int i = 0; i < GetNumMarkings_Output(&out); ++i)
            types.push_back(GetType_Marking(GetMarkingPointer_Output(&out, i)));
        return types;
    }
};

TEST(PlacardKey, ExamplesAndBitFields)
{
    struct Case {
        const char *what;
        Placard placard;
        uint32_t key;
    } const cases[] = {
        {"DANGEROUS", MakePlacard(0, 0, 'D'), 4},
        {"FLAMMABLE", MakePlacard(3, 0), 0x1300},
        {"COMBUSTIBLE", MakePlacard(3, 0, 'C'), 0x1303},
        {"FLAMMABLE with number", MakePlacard(3, 0, 0, 3, 1993), 0x3300},
        {"GASOLINE with number looks like FLAMMABLE with number", MakePlacard(3, 0, 'G', 3, 1203), 0x3300},
        {"FUEL OIL with number looks like FLAMMABLE with number", MakePlacard(3, 0, 'F', 3, 1993), 0x3300},
        {"GASOLINE without number keeps its letter", MakePlacard(3, 0, 'G'), 0x1307},
        {"COMBUSTIBLE with number keeps its letter", MakePlacard(3, 0, 'C', 3, 1993), 0x3303},
        {"POISON INHALATION HAZARD", MakePlacard(6, 1, 'A'), 0x1621},
        {"Division 1.4, group S", MakePlacard(1, 4, 'S'), 0x1180},
        {"Division 1.4, group C", MakePlacard(1, 4, 'C'), 0x1180},
        {"Division 1.4, no group", MakePlacard(1, 4), 0x1180},
        {"all-zero record is not DANGEROUS", MakePlacard(0, 0), 0x1000},
        {"letter Z", MakePlacard(9, 0, 'Z'), 0x1900 | 26},
        {"non-letter ignored", MakePlacard(9, 0, '?'), 0x1900},
        {"division 2.3", MakePlacard(2, 3), 0x1260},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(GetHash_Placard(&c.placard), c.key);
    }
}

TEST(PlacardKey, IgnoresPrimaryFlammableAllowedAndNumber)
{
    Placard a = MakePlacard(3, 0, 0, 3, 1203);
    Placard b = MakePlacard(3, 0, 0, 1, 1993);
    b.primary = 1;
    b.flammableAllowed = 1;
    EXPECT_EQ(GetHash_Placard(&a), GetHash_Placard(&b));
}

TEST(PlacardAccessors, ReadTheMembers)
{
    Placard explosive = MakePlacard(1, 1, 'D');
    EXPECT_EQ(GetCompatGroup_Placard(&explosive), 'D');
    EXPECT_EQ(GetRawCompatGroup_Placard(&explosive), 'D');
    Placard pih = MakePlacard(6, 1, 'A');
    EXPECT_EQ(GetCompatGroup_Placard(&pih), 0);
    EXPECT_EQ(GetRawCompatGroup_Placard(&pih), 'A');
    EXPECT_EQ(GetClass_Placard(&pih), 6);
    EXPECT_EQ(GetDivision_Placard(&pih), 1);

    // A primary placard without a number still records the item's number.
    Placard plain = MakePlacard(3, 0, 0, 0, 1203);
    plain.primary = 1;
    EXPECT_EQ(IsBulk_Placard(&plain), 0);
    EXPECT_EQ(GetIDNo_Placard(&plain), 0);
    EXPECT_EQ(GetIDNoBypass_Placard(&plain), 1203);
    EXPECT_EQ(IsPrimary_Placard(&plain), 1);
    Placard numbered = MakePlacard(3, 0, 0, 3, 1203);
    EXPECT_EQ(IsBulk_Placard(&numbered), 1);
    EXPECT_EQ(GetIDNo_Placard(&numbered), 1203);
    EXPECT_EQ(GetIDNo_Marking(&numbered.marking), 1203);
}

TEST(MarkingRules, Equality)
{
    struct Case {
        Marking a, b;
        bool same;
    } const cases[] = {
        {MakeMarking(1, 1203), MakeMarking(3, 1203), true},  // ID markings of any of types 1-3
        {MakeMarking(1, 1203), MakeMarking(2, 1993), false},
        {MakeMarking(11), MakeMarking(11), true},
        {MakeMarking(8, 1), MakeMarking(8, 2), true},        // number irrelevant
        {MakeMarking(4), MakeMarking(5), false},
        {MakeMarking(7, 0, "PROPANE"), MakeMarking(7, 0, "PROPANE"), true},
        {MakeMarking(7, 0, "PROPANE"), MakeMarking(7, 0, "BUTANE"), false},
        {MakeMarking(7, 0, nullptr), MakeMarking(7, 0, "BUTANE"), false},
        {MakeMarking(14), MakeMarking(14), false},           // not a marking type
        {MakeMarking(3, 1203), MakeMarking(11, 1203), false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << c.a.type << "/" << c.b.type);
        EXPECT_EQ(dravlen::SameMarking(c.a, c.b), c.same);
        EXPECT_EQ(dravlen::SameMarking(c.b, c.a), c.same);
    }
}

TEST_F(OutputFixture, InitialStateHasNoCurrentOption)
{
    EXPECT_EQ(GetNumPlacOps_Output(&out), 0);
    EXPECT_EQ(GetLegality_Output(&out), 0);
    EXPECT_EQ(GetNumPlacards_Output(&out), 0);
    EXPECT_EQ(GetNumMarkings_Output(&out), 0);
    EXPECT_EQ(GetNumAllowedPlacards_Output(&out), 0);
    EXPECT_EQ(GetFirstPlacardPointer_Output(&out), nullptr);
    EXPECT_EQ(GetNextMarkingPointer_Output(&out), nullptr);
    EXPECT_EQ(GetCurrentPlacardIndex(&out), -1);
    EXPECT_EQ(SetPlacOp_Output(&out, 0), nullptr);
    Placard p = MakePlacard(3, 0);
    dravlen::InsertAllowedPlacard(&out, p);
    EXPECT_EQ(GetFirstAllowedPlacard_Output(&out, &p), 0); // no current option
    EXPECT_EQ(GetAllowedPlacardPointer_Output(&out, 0), nullptr);
    EXPECT_EQ(dravlen::AppendPlacard(&out, p), -1);
    EXPECT_EQ(dravlen::ClonePlacOp(&out), -1);
}

TEST_F(OutputFixture, SelectingOptions)
{
    EXPECT_EQ(dravlen::AppendPlacOp(&out), 0);
    dravlen::AppendPlacard(&out, MakePlacard(3, 0));
    EXPECT_EQ(dravlen::AppendPlacOp(&out), 1);
    EXPECT_EQ(GetNumPlacards_Output(&out), 0); // the new option is current
    EXPECT_EQ(GetNumPlacOps_Output(&out), 2);
    EXPECT_EQ(SetPlacOp_Output(&out, 0), &out.options[0]);
    EXPECT_EQ(GetNumPlacards_Output(&out), 1);
    EXPECT_EQ(SetPlacOp_Output(&out, 2), nullptr);
    EXPECT_EQ(GetNumPlacards_Output(&out), 1); // unchanged
}

TEST_F(OutputFixture, PlacardIteratorResetsAtTheEnd)
{
    dravlen::AppendPlacOp(&out);
    dravlen::AppendPlacard(&out, MakePlacard(3, 0));
    dravlen::AppendPlacard(&out, MakePlacard(8, 0));
    Placard p{};
    ASSERT_EQ(GetFirstPlacard_Output(&out, &p), 1);
    EXPECT_EQ(GetClass_Placard(&p), 3);
    EXPECT_EQ(GetCurrentPlacardIndex(&out), 0);
    ASSERT_EQ(GetNextPlacard_Output(&out, &p), 1);
    EXPECT_EQ(GetClass_Placard(&p), 8);
    EXPECT_EQ(GetCurrentPlacardIndex(&out), 1);
    EXPECT_EQ(GetNextPlacard_Output(&out, &p), 0);
    EXPECT_EQ(GetCurrentPlacardIndex(&out), 0);
    EXPECT_EQ(GetPlacardPointer_Output(&out, 1)->hazClass, 8);
    EXPECT_EQ(GetPlacardPointer_Output(&out, 2), nullptr);

    dravlen::AppendPlacOp(&out); // an option without placards
    EXPECT_EQ(GetFirstPlacard_Output(&out, &p), 0);
    EXPECT_EQ(GetCurrentPlacardIndex(&out), 0);
}

TEST_F(OutputFixture, MarkingInsertDropsRepeatedNumbersAndHot)
{
    dravlen::AppendPlacOp(&out);
    EXPECT_TRUE(dravlen::InsertMarking(&out, MakeMarking(8)));
    EXPECT_TRUE(dravlen::InsertMarking(&out, MakeMarking(3, 1993)));
    EXPECT_TRUE(dravlen::InsertMarking(&out, MakeMarking(11)));
    EXPECT_TRUE(dravlen::InsertMarking(&out, MakeMarking(1, 1203)));
    EXPECT_FALSE(dravlen::InsertMarking(&out, MakeMarking(2, 1993))); // number already shown
    EXPECT_FALSE(dravlen::InsertMarking(&out, MakeMarking(11)));      // one HOT marking
    EXPECT_TRUE(dravlen::InsertMarking(&out, MakeMarking(8)));        // other types may repeat
    EXPECT_TRUE(dravlen::InsertMarking(&out, MakeMarking(6)));
    // Each goes before the first marking whose type is not smaller.
    EXPECT_EQ(MarkingTypes(), (std::vector<int>{1, 3, 6, 8, 8, 11}));

    Marking m{};
    ASSERT_EQ(GetFirstMarking_Output(&out, &m), 1);
    EXPECT_EQ(GetIDNo_Marking(&m), 1203);
    int seen = 1;
    while (GetNextMarking_Output(&out, &m))
        ++seen;
    EXPECT_EQ(seen, 6);
    EXPECT_EQ(out.current->markingCursor, 0);

    dravlen::RemoveMarking(&out, 0);
    dravlen::RemoveMarking(&out, 42); // ignored
    EXPECT_EQ(MarkingTypes(), (std::vector<int>{3, 6, 8, 8, 11}));
}

TEST_F(OutputFixture, SortOrdersPlacardsByKeyAndMarkings)
{
    dravlen::AppendPlacOp(&out);
    dravlen::AppendPlacard(&out, MakePlacard(3, 0, 0, 3, 1203));
    dravlen::AppendPlacard(&out, MakePlacard(8, 0));
    dravlen::AppendPlacard(&out, MakePlacard(0, 0, 'D'));
    dravlen::AppendPlacard(&out, MakePlacard(2, 1));
    out.current->markings = static_cast<Marking *>(std::malloc(3 * sizeof(Marking)));
    out.current->markings[0] = MakeMarking(11);
    out.current->markings[1] = MakeMarking(3, 2000);
    out.current->markings[2] = MakeMarking(1, 1000);
    out.current->markingCount = 3;
    dravlen::SortPlacOp(&out);
    EXPECT_EQ(PlacardKeys(), (std::vector<uint32_t>{4, 0x1220, 0x1800, 0x3300}));
    EXPECT_EQ(out.current->markings[0].idNumber, 1000);
    EXPECT_EQ(out.current->markings[1].idNumber, 2000);
    EXPECT_EQ(out.current->markings[2].type, 11);

    dravlen::RemovePlacard(&out, 0);
    EXPECT_EQ(PlacardKeys(), (std::vector<uint32_t>{0x1220, 0x1800, 0x3300}));
}

TEST_F(OutputFixture, CloneIsADeepCopy)
{
    dravlen::AppendPlacOp(&out);
    dravlen::AppendPlacard(&out, MakePlacard(3, 0));
    dravlen::InsertMarking(&out, MakeMarking(1, 1203));
    out.current->coverage = MakePlacard(3, 0);
    out.current->coverageValid = 1;

    EXPECT_EQ(dravlen::ClonePlacOp(&out), 1);
    EXPECT_EQ(out.current, &out.options[1]);
    EXPECT_NE(out.options[1].placards, out.options[0].placards);
    EXPECT_NE(out.options[1].markings, out.options[0].markings);
    EXPECT_EQ(out.options[1].coverageValid, 1);
    dravlen::AppendPlacard(&out, MakePlacard(8, 0));
    dravlen::InsertMarking(&out, MakeMarking(11));
    EXPECT_EQ(out.options[0].placardCount, 1);
    EXPECT_EQ(out.options[0].markingCount, 1);
    EXPECT_EQ(out.options[1].placardCount, 2);
}

TEST_F(OutputFixture, DuplicateOptionsAreRemovedAfterSorting)
{
    dravlen::AppendPlacOp(&out);
    dravlen::AppendPlacard(&out, MakePlacard(3, 0));
    dravlen::AppendPlacard(&out, MakePlacard(8, 0));
    dravlen::InsertMarking(&out, MakeMarking(1, 1203));
    dravlen::SortPlacOp(&out);

    // The same placards in the other order, the same number on a bulk marking.
    dravlen::AppendPlacOp(&out);
    dravlen::AppendPlacard(&out, MakePlacard(8, 0));
    dravlen::AppendPlacard(&out, MakePlacard(3, 0));
    dravlen::InsertMarking(&out, MakeMarking(3, 1203));
    EXPECT_TRUE(dravlen::RemoveDuplicatePlacOp(&out));
    EXPECT_EQ(GetNumPlacOps_Output(&out), 1);
    EXPECT_EQ(out.current, &out.options[0]);
}

TEST_F(OutputFixture, OptionsThatDifferAreKept)
{
    struct Case {
        const char *what;
        Placard placard;
        Marking marking;
    } const cases[] = {
        {"flammableAllowed differs", [] { Placard p = MakePlacard(3, 0); p.flammableAllowed = 1; return p; }(),
         MakeMarking(1, 1203)},
        {"letter differs", MakePlacard(3, 0, 'C'), MakeMarking(1, 1203)},
        {"placard shows a number", MakePlacard(3, 0, 0, 3, 1203), MakeMarking(1, 1203)},
        {"marking number differs", MakePlacard(3, 0), MakeMarking(1, 1993)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Reset_Output(&out);
        dravlen::AppendPlacOp(&out);
        dravlen::AppendPlacard(&out, MakePlacard(3, 0));
        dravlen::InsertMarking(&out, MakeMarking(1, 1203));
        dravlen::AppendPlacOp(&out);
        dravlen::AppendPlacard(&out, c.placard);
        dravlen::InsertMarking(&out, c.marking);
        EXPECT_FALSE(dravlen::RemoveDuplicatePlacOp(&out));
        EXPECT_EQ(GetNumPlacOps_Output(&out), 2);
        EXPECT_EQ(out.current, &out.options[1]);
    }
}

TEST_F(OutputFixture, AllowedListIsSortedUniqueAndFilteredByTheOption)
{
    const Placard flammable = MakePlacard(3, 0);
    const Placard corrosive = MakePlacard(8, 0);
    const Placard dangerous = MakePlacard(0, 0, 'D');
    EXPECT_TRUE(dravlen::InsertAllowedPlacard(&out, corrosive));
    EXPECT_TRUE(dravlen::InsertAllowedPlacard(&out, flammable));
    EXPECT_TRUE(dravlen::InsertAllowedPlacard(&out, dangerous));
    Placard primaryFlammable = flammable;
    primaryFlammable.primary = 1;
    EXPECT_FALSE(dravlen::InsertAllowedPlacard(&out, primaryFlammable)); // same key
    ASSERT_EQ(out.allowedCount, 3);

    dravlen::AppendPlacOp(&out);
    EXPECT_EQ(VisibleAllowedKeys(), (std::vector<uint32_t>{4, 0x1300, 0x1800}));

    // FLAMMABLE with number does not hide FLAMMABLE without number.
    dravlen::AppendPlacard(&out, MakePlacard(3, 0, 0, 3, 1203));
    EXPECT_EQ(VisibleAllowedKeys(), (std::vector<uint32_t>{4, 0x1300, 0x1800}));

    dravlen::AppendPlacard(&out, corrosive);
    EXPECT_EQ(VisibleAllowedKeys(), (std::vector<uint32_t>{4, 0x1300}));

    // The coverage placard hides its key only while valid.
    out.current->coverage = flammable;
    EXPECT_EQ(GetNumAllowedPlacards_Output(&out), 2);
    out.current->coverageValid = 1;
    EXPECT_EQ(GetNumAllowedPlacards_Output(&out), 1);
    EXPECT_EQ(GetHash_Placard(GetAllowedPlacardPointer_Output(&out, 0)), 4u);
    EXPECT_EQ(GetAllowedPlacardPointer_Output(&out, 1), nullptr);
    EXPECT_EQ(GetNextAllowedPlacardPointer_Output(&out), nullptr); // stays at the end
}

TEST_F(OutputFixture, MessagesOrderedByCodeNewestFirstWithLegalityEffects)
{
    auto message = [](int type, int msg, const char *reason) {
        HazSeg s{};
        s.type = type;
        s.msg = msg;
        std::strncpy(s.reason, reason, sizeof s.reason - 1);
        return s;
    };
    dravlen::InsertMessage(&out, message(4, 20, "info"));
    EXPECT_EQ(GetLegality_Output(&out), 0);
    dravlen::InsertMessage(&out, message(3, 7, "conditional"));
    EXPECT_EQ(GetLegality_Output(&out), 2);
    dravlen::InsertMessage(&out, message(2, 7, "separate"));
    dravlen::InsertMessage(&out, message(1, 1, "do not load"));
    EXPECT_EQ(GetLegality_Output(&out), 1);
    dravlen::InsertMessage(&out, message(3, 9, "conditional after illegal"));
    EXPECT_EQ(GetLegality_Output(&out), 1); // illegal stays illegal

    std::vector<std::string> reasons;
    HazSeg s;
    for (int ok = GetFirstSegregation_Output(&out, &s); ok; ok = GetNextSegregation_Output(&out, &s))
        reasons.emplace_back(GetReason_HazSeg(&s));
    EXPECT_EQ(reasons, (std::vector<std::string>{"do not load", "separate", "conditional",
                                                 "conditional after illegal", "info"}));
    // Past the end the cursor stays there.
    EXPECT_EQ(GetNextSegregation_Output(&out, &s), 0);
    EXPECT_EQ(out.messageCursor, out.messageCount);
    EXPECT_EQ(GetNumSegregations_Output(&out), 5);
    EXPECT_STREQ(GetID1_HazSeg(&s), ""); // absent texts read as empty

    dravlen::RemoveMessage(&out, 0);
    ASSERT_EQ(GetFirstSegregation_Output(&out, &s), 1);
    EXPECT_STREQ(GetReason_HazSeg(&s), "separate");

    Reset_Output(&out);
    EXPECT_EQ(GetLegality_Output(&out), 0);
    EXPECT_EQ(GetFirstSegregation_Output(&out, &s), 0);
}

TEST_F(OutputFixture, ARepeatedFindingKeepsOnlyItsNewestCopyAtTheHeadOfItsCode)
{
    auto message = [](int msg, const char *id1, const char *id2, const char *reason) {
        HazSeg s{};
        s.type = 2;
        s.msg = msg;
        s.id1 = id1;
        s.id2 = id2;
        std::strncpy(s.reason, reason, sizeof s.reason - 1);
        return s;
    };
    dravlen::InsertMessage(&out, message(2, "UN1017", "UN1993", "first"));
    dravlen::InsertMessage(&out, message(2, "UN1017", "UN1830", "other pair"));
    dravlen::InsertMessage(&out, message(3, "UN1017", "UN1993", "other code"));
    dravlen::InsertMessage(&out, message(2, "UN1017", "UN1993", "again"));
    std::vector<std::string> reasons;
    HazSeg s;
    for (int ok = GetFirstSegregation_Output(&out, &s); ok; ok = GetNextSegregation_Output(&out, &s))
        reasons.emplace_back(GetReason_HazSeg(&s));
    EXPECT_EQ(reasons, (std::vector<std::string>{"again", "other pair", "other code"}));
}

} // namespace
