// Inspection questions: cargo tank lists by vehicle, the shipping-paper
// lists of the load and its items, visibility, numbering and answers that
// survive rebuilds.
#include "inspection_fixture.h"

namespace {

using Questions = InspectionFixture;

struct VehicleCase {
    const char *vehicle;
    uint32_t count;
    std::vector<int> firstIds;
};

TEST_F(Questions, CargoTankListFollowsTheVehicle)
{
    const VehicleCase cases[] = {
        {"Unknown", 0, {}},
        {"Unit Load", 2, {61, 63}},
        {"Non-Spec Cargo Tank", 4, {1, 61, 62, 63}},
        {"DOT/TC 406", 40, {1, 2, 3, 6}},
        {"DOT/TC 407", 42, {53, 1, 2, 3}},
        {"DOT/TC 412", 42, {53, 1, 2, 3}},
        {"MC 304", 15, {1, 2, 4, 8}},
        {"MC 310", 12, {1, 9, 10, 14}},
        {"MC/TC 312", 41, {1, 2, 3, 6}},
        {"MC/TC 330", 16, {1, 2, 25, 12}},
        {"MC/TC 331", 43, {1, 2, 7, 10}},
        {"MC/TC 338", 16, {1, 2, 7, 25}},
    };
    for (const VehicleCase &c : cases) {
        SCOPED_TRACE(c.vehicle);
        ASSERT_EQ(SetVehicle_Load(load, c.vehicle), 1);
        EXPECT_EQ(GetNumQuestions_Vehicle(load, 0), c.count);
        const std::vector<int> ids = Ids(0, 0, static_cast<uint32_t>(c.firstIds.size()));
        EXPECT_EQ(ids, c.firstIds);
        for (uint32_t i = 0; i < c.count; ++i) {
            EXPECT_EQ(GetAnswer_Vehicle(load, i, 0), 2);
            EXPECT_STREQ(GetTopCat_Question(GetQuestion_Vehicle(load, i, 0)), "MCTI");
            EXPECT_EQ(GetQuestionLink_Question(GetQuestion_Vehicle(load, i, 0)), nullptr);
        }
    }
}

TEST_F(Questions, CargoTankCitationsDependOnTheVehicle)
{
    struct Case {
        const char *vehicle;
        int id;
        const char *group;
        const char *citation;
    } const cases[] = {
        {"DOT/TC 406", 2, "", "178.345-6"},
        {"MC 301", 4, "", "78.322-18"},
        {"MC 304", 2, "", "78.325-13"},
        {"MC/TC 331", 34, "Sides", "178.337-17(a)"},
        {"MC/TC 331", 22, "", "178.337-11(a)(2)"},
        {"DOT/TC 407", 53, "Vehicle Type", ""},
        {"Unit Load", 63, "", "172.516(c)(4)"},
        {"MC/TC 338", 10, "", "178.338-12"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.vehicle) + " Q" + std::to_string(c.id));
        SetVehicle_Load(load, c.vehicle);
        const int i = IndexOf(c.id, 0);
        ASSERT_GE(i, 0);
        const Question *q = GetQuestion_Vehicle(load, static_cast<uint32_t>(i), 0);
        EXPECT_STREQ(GetReg_Question(q), c.citation);
        EXPECT_STREQ(GetSubCat_Question(q), c.group);
    }
}

TEST_F(Questions, ChoosingTheSameVehicleKeepsAnswersAnotherResetsThem)
{
    SetVehicle_Load(load, "MC/TC 331");
    ASSERT_EQ(SetAnswer_Vehicle(load, 5, 0, 0), 1);
    SetVehicle_Load(load, "MC/TC 331");
    EXPECT_EQ(GetAnswer_Vehicle(load, 5, 0), 0);
    SetVehicle_Load(load, "MC/TC 330");
    SetVehicle_Load(load, "MC/TC 331");
    EXPECT_EQ(GetAnswer_Vehicle(load, 5, 0), 2);
}

TEST_F(Questions, AnswersOutsideTheRangesAreRefused)
{
    SetVehicle_Load(load, "Unit Load");
    EXPECT_EQ(SetAnswer_Vehicle(load, 0, 3, 0), 0);
    EXPECT_EQ(SetAnswer_Vehicle(load, 0, -1, 0), 0);
    EXPECT_EQ(GetAnswer_Vehicle(load, 0, 0), 2);
    EXPECT_EQ(SetAnswer_Vehicle(load, 2, 1, 0), 0);
    EXPECT_EQ(GetAnswer_Vehicle(load, 2, 0), -1);
    EXPECT_EQ(GetQuestion_Vehicle(load, 0, 2), nullptr);
    EXPECT_EQ(SetAnswer_Vehicle(load, 0, 1, 2), 0);
    EXPECT_EQ(SetAnswerByID_Vehicle(load, 63, 1), 1);
    EXPECT_EQ(GetAnswer_Vehicle(load, 1, 0), 1);
    EXPECT_EQ(SetAnswerByID_Vehicle(load, 1, 1), 0); // not asked for a unit load
}

TEST_F(Questions, VehicleTableAndCategoryNames)
{
    EXPECT_EQ(GetNumVehicles(), 20);
    EXPECT_STREQ(GetVehicleName(19), "MC/TC 338");
    EXPECT_EQ(GetVehicleName(20), nullptr);
    EXPECT_EQ(GetVehicleCode("mc/tc 331"), -1);
    EXPECT_EQ(GetVehicleCode("MC/TC 331"), 18);
    EXPECT_STREQ(GetCategoryName(0), "MCTI");
    EXPECT_STREQ(GetCategoryName(1), "");
    EXPECT_STREQ(GetCategoryName(9), "Shipping");
    EXPECT_EQ(GetCategoryName(10), nullptr);
    EXPECT_EQ(GetCategoryName(-1), nullptr);
}

TEST_F(Questions, LoadLevelListTreeVisibilityAndLinks)
{
    EXPECT_EQ(UpdateQuestions_Vehicle(load, 1), 17u);
    EXPECT_EQ(Ids(1), (std::vector<int>{1, 2, 3, 4, 5, 6, 13, 8, 9, 7, 19, 18, 10, 14, 16, 17, 15}));
    const int q14 = IndexOf(14, 1), q16 = IndexOf(16, 1), q17 = IndexOf(17, 1);
    EXPECT_EQ(GetNumChildren_Vehicle(load, q14), 1u);
    EXPECT_EQ(GetQuestionLevel_Vehicle(load, q17), 2);
    EXPECT_STREQ(GetQuestionNumber_Vehicle(load, q14), "13");
    EXPECT_STREQ(GetQuestionNumber_Vehicle(load, q16), "13.1");
    EXPECT_STREQ(GetQuestionNumber_Vehicle(load, q17), "13.1.1");
    EXPECT_STREQ(GetQuestionNumber_Vehicle(load, IndexOf(15, 1)), "14");
    EXPECT_STREQ(GetQuestionLink_Question(GetQuestion_Vehicle(load, q17, 1)), "QUANTITY.HTM");
    EXPECT_STREQ(GetQuestionLink_Question(GetQuestion_Vehicle(load, 0, 1)), "SPLOC.HTM");
    EXPECT_STREQ(GetSubCat_Question(GetQuestion_Vehicle(load, 0, 1)), "Global");

    // 16 hides when 14 is Yes; 17 hides when 16 is No, and with its parent.
    struct Step {
        int a14, a16;
        int visible16, visible17;
    } const steps[] = {{2, 2, 1, 1}, {0, 2, 1, 1}, {1, 2, 0, 0}, {0, 0, 1, 0}, {0, 1, 1, 1}};
    for (const Step &s : steps) {
        SCOPED_TRACE(std::to_string(s.a14) + "/" + std::to_string(s.a16));
        SetAnswer_Vehicle(load, q14, s.a14, 1);
        SetAnswer_Vehicle(load, q16, s.a16, 1);
        EXPECT_EQ(IsQuestionVisible_Vehicle(load, q16), s.visible16);
        EXPECT_EQ(IsQuestionVisible_Vehicle(load, q17), s.visible17);
    }
    // Past the end: no question and neutral answers.
    const uint32_t end = GetNumQuestions_Vehicle(load, 1);
    EXPECT_EQ(GetQuestion_Vehicle(load, end, 1), nullptr);
    EXPECT_EQ(IsQuestionVisible_Vehicle(load, end), 0);
    EXPECT_EQ(GetNumChildren_Vehicle(load, end), 0u);
    EXPECT_STREQ(GetQuestionNumber_Vehicle(load, end), "");
}

TEST_F(Questions, LoadLevelAnswersSurviveRebuilds)
{
    UpdateQuestions_Vehicle(load, 1);
    ASSERT_EQ(SetAnswer_Vehicle(load, IndexOf(4, 1), 0, 1), 1);
    UpdateQuestions_Vehicle(load, 1);
    EXPECT_EQ(GetAnswer_Vehicle(load, IndexOf(4, 1), 1), 0);
    EXPECT_STREQ(GetValue_Vehicle(load, "SPA_QID4"), "0");
    // A saved value that is not an answer leaves the question unanswered.
    SetValue_Vehicle(load, "SPA_QID5", "7");
    SetAnswer_Vehicle(load, IndexOf(5, 1), 2, 1);
    SetValue_Vehicle(load, "SPA_QID5", "x");
    UpdateQuestions_Vehicle(load, 1);
    EXPECT_EQ(GetAnswer_Vehicle(load, IndexOf(5, 1), 1), 2);
}

constexpr int kGasoline = 631;     // UN1203, class 3
constexpr int kRadioactive = 1951; // UN2915, class 7

TEST_F(Questions, ItemListsJoinTheIndexSpaceAndNumbering)
{
    const int first = AddItem(kGasoline);
    const int second = AddItem(kGasoline);
    const int third = AddItem(kGasoline);
    ASSERT_EQ(third, 2);
    (void)first;
    (void)second;
    const uint32_t loadCount = 17;
    ASSERT_EQ(load->spaQuestions.count, loadCount);
    const Hazmat *h = GetHazmat_Load(load, 0);
    const uint32_t perItem = h->questions.count;
    ASSERT_GT(perItem, 0u);
    EXPECT_EQ(GetNumQuestions_Vehicle(load, 1), loadCount + 3 * perItem);

    // Labels: ID and plain name; the second of a same-named pair carries a
    // trailing space.
    const std::string label = std::string(GetID_Hazmat(h)) + " - " + GetRomanPSN_Hazmat(h);
    const char *labels[] = {"", " ", ""};
    for (uint32_t k = 0; k < 3; ++k) {
        const Question *q = GetQuestion_Vehicle(load, loadCount + k * perItem, 1);
        EXPECT_EQ(std::string(GetSubCat_Question(q)), label + labels[k]);
        EXPECT_STREQ(GetTopCat_Question(q), "Shipping");
        // 14 top-level load-level questions, then the items' in order.
        EXPECT_EQ(std::string(GetQuestionNumber_Vehicle(load, loadCount + k * perItem)),
                  std::to_string(15 + k * dravlen::TopLevelCount(h->questions)));
    }
}

TEST_F(Questions, PackingGroupQuestionForAPlainFlammableLiquid)
{
    AddItem(kGasoline);
    const Hazmat *h = GetHazmat_Load(load, 0);
    ASSERT_EQ(h->questions.count, 1u);
    const Question *q = h->questions.head;
    EXPECT_EQ(q->id, 59);
    EXPECT_STREQ(GetReg_Question(q), "172.202(a)(4)");
    EXPECT_STREQ(GetQuestionLink_Question(q), "COLPG.HTM");
}

TEST_F(Questions, ExclusiveUseQuestionsFollowAllRadioactiveLoads)
{
    AddItem(kRadioactive);
    AddItem(kRadioactive);
    EXPECT_EQ(load->spaQuestions.count, 19u);
    const int q11 = IndexOf(11, 1);
    ASSERT_GE(q11, 0);
    SetAnswer_Vehicle(load, q11, 1, 1);
    AddItem(kGasoline);
    EXPECT_EQ(load->spaQuestions.count, 17u);
    EXPECT_STREQ(GetValue_Vehicle(load, "SPA_QID11"), "1");
    Remove_Load(load, 2);
    UpdateQuestions_Vehicle(load, 1);
    ASSERT_EQ(load->spaQuestions.count, 19u);
    EXPECT_EQ(GetAnswer_Vehicle(load, IndexOf(11, 1), 1), 1);
    // Radioactive item list: 43 first, 48 under 47.
    const Hazmat *h = GetHazmat_Load(load, 0);
    EXPECT_EQ(h->questions.head->id, 43);
}

TEST_F(Questions, UnansweredCheckIgnoresUntouchedAndFinishedSets)
{
    EXPECT_EQ(HasUnansweredQuestions_Vehicle(load, 0), 0); // no cargo tank questions
    SetVehicle_Load(load, "Unit Load");
    EXPECT_EQ(HasUnansweredQuestions_Vehicle(load, 0), 0);
    SetAnswer_Vehicle(load, 0, 1, 0);
    EXPECT_EQ(HasUnansweredQuestions_Vehicle(load, 0), 1);
    SetAnswer_Vehicle(load, 1, 0, 0);
    EXPECT_EQ(HasUnansweredQuestions_Vehicle(load, 0), 0);

    // Mode 1: the only unanswered questions hidden by their parent's answer.
    UpdateQuestions_Vehicle(load, 1);
    for (uint32_t i = 0; i < GetNumQuestions_Vehicle(load, 1); ++i)
        SetAnswer_Vehicle(load, i, 1, 1);
    EXPECT_EQ(HasUnansweredQuestions_Vehicle(load, 1), 0);
    SetAnswer_Vehicle(load, IndexOf(16, 1), 2, 1); // hidden: 14 is Yes
    SetAnswer_Vehicle(load, IndexOf(17, 1), 2, 1);
    EXPECT_EQ(HasUnansweredQuestions_Vehicle(load, 1), 0);
    SetAnswer_Vehicle(load, IndexOf(1, 1), 2, 1);
    EXPECT_EQ(HasUnansweredQuestions_Vehicle(load, 1), 1);
}

TEST_F(Questions, AllowedTanksTextIsACompleteGrowingList)
{
    char *text = GetAllowedTanksText_Vehicle(load);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::string(text).rfind("Non-Spec Cargo Tank, DOT/TC 406", 0), 0u);
    EXPECT_NE(std::string(text).find("MC/TC 338"), std::string::npos);
    qv_free(text);
    EXPECT_EQ(CanUseOxygenPlacard_Vehicle(load), 0);
}

} // namespace
