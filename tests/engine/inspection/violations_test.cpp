// Violations derived from answers, the combined sequence with delete,
// restore and edit, the saved list text, and the Show-Me findings.
#include "inspection_fixture.h"

#include "inspection/inspection.h"
#include "inspection/violation.h"

namespace {

using Violations = InspectionFixture;

TEST_F(Violations, CargoTankAnswersBecomeViolationsLazily)
{
    SetVehicle_Load(load, "Unit Load"); // 61 (393.55(a)), 63
    EXPECT_EQ(GetNumViolations_Vehicle(load), 0u);
    ASSERT_EQ(SetAnswer_Vehicle(load, 0, 0, 0), 1);
    EXPECT_EQ(GetViolation_Vehicle(load, 0), nullptr); // stale until counted
    EXPECT_EQ(DeleteViolation_Vehicle(load, 0), 0);
    ASSERT_EQ(GetNumViolations_Vehicle(load), 1u);
    const Violation *v = GetViolation_Vehicle(load, 0);
    ASSERT_NE(v, nullptr);
    EXPECT_STREQ(GetAspenCode_Violation(v), "393.55A");
    EXPECT_STREQ(GetReg_Violation(v), "393.55(a)");
    EXPECT_EQ(GetQuestionReference_Violation(v), 0);
    EXPECT_EQ(GetUnit_Violation(v), '1'); // a vehicle violation
    EXPECT_EQ(IsOOS_Violation(v), 0);
    SetAnswer_Vehicle(load, 0, 0, 0);
    EXPECT_EQ(GetNumViolations_Vehicle(load), 1u); // no duplicate
    SetAnswer_Vehicle(load, 0, 1, 0);
    EXPECT_EQ(GetNumViolations_Vehicle(load), 0u);
}

TEST_F(Violations, CitationsOutsideTheTableFallBack)
{
    SetVehicle_Load(load, "MC 301");
    const int q4 = IndexOf(4, 0); // 78.322-18
    SetAnswer_Vehicle(load, q4, 0, 0);
    ASSERT_EQ(GetNumViolations_Vehicle(load), 1u);
    EXPECT_STREQ(GetReg_Violation(GetViolation_Vehicle(load, 0)), "173.33(a)");
    EXPECT_EQ(GetQuestionReference_Violation(GetViolation_Vehicle(load, 0)), q4);

    // Shipping papers: 172.203 is not in the table.
    const int q10 = IndexOf(10, 1);
    UpdateQuestions_Vehicle(load, 1);
    SetAnswer_Vehicle(load, IndexOf(10, 1), 0, 1);
    ASSERT_EQ(GetNumSPAViolations_Vehicle(load), 1u);
    const Violation *v = GetSPAViolation_Vehicle(load, 0);
    EXPECT_STREQ(GetReg_Violation(v), "171.2(a)");
    EXPECT_STREQ(GetDescription_Violation(v), "Violation of 172.203.");
    (void)q10;
}

TEST_F(Violations, ParentQuestionsYieldNoViolationExceptSixteen)
{
    UpdateQuestions_Vehicle(load, 1);
    SetAnswer_Vehicle(load, IndexOf(14, 1), 0, 1);
    EXPECT_EQ(GetNumSPAViolations_Vehicle(load), 0u);
    SetAnswer_Vehicle(load, IndexOf(16, 1), 0, 1);
    ASSERT_EQ(GetNumSPAViolations_Vehicle(load), 1u);
    EXPECT_STREQ(GetAspenCode_Violation(GetSPAViolation_Vehicle(load, 0)), "172.202A5");
    SetAnswer_Vehicle(load, IndexOf(2, 1), 0, 1); // no citation, has a child
    EXPECT_EQ(GetNumSPAViolations_Vehicle(load), 1u);
}

TEST_F(Violations, DeletedStaysDeletedUntilTheAnswerChanges)
{
    SetVehicle_Load(load, "Unit Load");
    SetAnswer_Vehicle(load, 0, 0, 0);
    ASSERT_EQ(GetNumViolations_Vehicle(load), 1u);
    EXPECT_EQ(DeleteViolation_Vehicle(load, 0), 1);
    EXPECT_EQ(GetNumViolations_Vehicle(load), 0u);
    EXPECT_EQ(DeleteViolation_Vehicle(load, 0), 0); // past the end
    SetAnswer_Vehicle(load, 0, 0, 0);
    EXPECT_EQ(GetNumViolations_Vehicle(load), 0u);
    EXPECT_EQ(GetNumUnfilteredMCTIViolations_Vehicle(load), 1u);
    EXPECT_EQ(IsDisabled_Violation(GetUnfilteredMCTIViolation_Vehicle(load, 0)), 1);
    SetAnswer_Vehicle(load, 0, 1, 0);
    EXPECT_EQ(GetNumViolations_Vehicle(load), 0u);
    SetAnswer_Vehicle(load, 0, 0, 0);
    EXPECT_EQ(GetNumViolations_Vehicle(load), 1u);
    EXPECT_EQ(IsDisabled_Violation(GetViolation_Vehicle(load, 0)), 0);
}

TEST_F(Violations, RestoreBringsBackWhatCanRestoreCounts)
{
    UpdateQuestions_Vehicle(load, 1);
    SetAnswer_Vehicle(load, IndexOf(1, 1), 0, 1);
    ASSERT_EQ(GetNumViolations_Vehicle(load), 1u);
    ASSERT_EQ(AddViolation_Vehicle(load, "172.504(a)"), 1);
    ASSERT_EQ(GetNumViolations_Vehicle(load), 2u);
    // Sequence: manual first, then the load-level shipping papers.
    EXPECT_STREQ(GetReg_Violation(GetViolation_Vehicle(load, 0)), "172.504(a)");
    EXPECT_EQ(GetQuestionReference_Violation(GetViolation_Vehicle(load, 0)), INT32_MIN);
    ASSERT_EQ(DeleteViolation_Vehicle(load, 1), 1);
    EXPECT_EQ(CanRestoreDeletedViolations_Vehicle(load), 1);
    RestoreDeletedViolations_Vehicle(load);
    EXPECT_EQ(CanRestoreDeletedViolations_Vehicle(load), 0);
    EXPECT_EQ(GetNumViolations_Vehicle(load), 2u);
    // The hand-added list is not restored and not counted.
    DeleteViolation_Vehicle(load, 0);
    EXPECT_EQ(CanRestoreDeletedViolations_Vehicle(load), 0);
    RestoreDeletedViolations_Vehicle(load);
    EXPECT_EQ(GetNumViolations_Vehicle(load), 1u);
    EXPECT_EQ(AddViolation_Vehicle(load, "999.99(z)"), 0);
}

TEST_F(Violations, EditsAndBooleanSetters)
{
    AddViolation_Vehicle(load, "172.504(a)");
    GetNumViolations_Vehicle(load);
    EXPECT_EQ(SetOOS_Violation_Vehicle(load, 0, 1), 1);
    EXPECT_EQ(IsOOS_Violation(GetViolation_Vehicle(load, 0)), 1);
    SetOOS_Violation_Vehicle(load, 0, 0);
    EXPECT_EQ(IsOOS_Violation(GetViolation_Vehicle(load, 0)), 0);
    SetDesc_Violation_Vehicle(load, 0, std::string(300, 'x').c_str());
    EXPECT_EQ(std::strlen(GetDescription_Violation(GetViolation_Vehicle(load, 0))), 162u);
    SetCitation_Violation_Vehicle(load, 0, "172.504(a)(1)(ii)(B)");
    EXPECT_STREQ(GetCitation_Violation(GetViolation_Vehicle(load, 0)), "172.504(a)(1)(i");
    SetUnit_Violation_Vehicle(load, 0, 'H');
    EXPECT_EQ(GetUnit_Violation(GetViolation_Vehicle(load, 0)), 'H');
    EXPECT_EQ(SetUnit_Violation_Vehicle(load, 5, 'H'), 0);
}

TEST_F(Violations, VehicleNotAllowedByAnItemIsAViolation)
{
    // Find a table item and a cargo tank that may not carry it.
    int pid = 0, code = 0;
    for (int p = 1; p <= 2607 && !pid; ++p) {
        Hazmat h;
        if (Init_Hazmat(&h, p)) {
            SetBulkPackaging_Hazmat(&h, 1);
            for (int c = 2; c < 20 && !pid; ++c) {
                if (!IsVehicleAllowed_Hazmat(&h, c)) {
                    pid = p;
                    code = c;
                }
            }
        }
        Reset_Hazmat(&h, 0);
    }
    ASSERT_NE(pid, 0);
    AddItem(pid, [](Hazmat *h) { SetBulkPackaging_Hazmat(h, 1); });
    SetVehicle_Load(load, GetVehicleName(code));
    ASSERT_GE(GetNumViolations_Vehicle(load), 1u);
    const Violation *v = GetViolation_Vehicle(load, 0);
    EXPECT_STREQ(GetAspenCode_Violation(v), "173.24C");
    EXPECT_EQ(GetQuestionReference_Violation(v), -1);
}

TEST_F(Violations, SegregationFindingKeepsOneViolation)
{
    dravlen::PostSegregationViolation(load, 0, nullptr);
    ASSERT_EQ(GetNumViolations_Vehicle(load), 1u);
    EXPECT_STREQ(GetReg_Violation(GetViolation_Vehicle(load, 0)), "177.848(d)");
    dravlen::PostSegregationViolation(load, 2, "177.835(c)");
    ASSERT_EQ(GetNumViolations_Vehicle(load), 1u);
    EXPECT_STREQ(GetDescription_Violation(GetViolation_Vehicle(load, 0)), "Violation of 177.835(c).");
    dravlen::PostSegregationViolation(load, -1, nullptr);
    EXPECT_EQ(GetNumViolations_Vehicle(load), 0u);
}

TEST(ViolationListText, WritesAndReadsBack)
{
    Engine *engine = Alloc_Engine();
    Init_Engine(engine);
    ViolationList list{};
    dravlen::ReadListText(&list, "0172.403(g)~NY139~~~");
    ASSERT_EQ(list.enabledCount, 1u);
    EXPECT_EQ(list.head->questionRef, 39);
    EXPECT_EQ(list.head->outOfService, 1);
    EXPECT_EQ(list.head->unit, '1');
    EXPECT_EQ(dravlen::WriteListText(list), "0172.403(g)~NY139~~~");

    dravlen::AddToList(&list, "172.504(a)", INT32_MIN);
    list.head->next->disabled = 1;
    --list.enabledCount;
    dravlen::SetDescriptionText(list.head->next, "desc");
    dravlen::SetCitationText(list.head->next, "cit");
    const std::string text = dravlen::WriteListText(list);
    EXPECT_EQ(text, "0172.403(g)~NY139~~~172.504(a)~YND-2147483648~desc~cit~");
    ViolationList back{};
    dravlen::ReadListText(&back, text.c_str());
    EXPECT_EQ(dravlen::WriteListText(back), text);
    EXPECT_EQ(back.enabledCount, 1u);

    // Malformed texts stop reading; what was read before stays.
    struct Case {
        const char *text;
        uint32_t length;
    } const cases[] = {
        {"", 0},
        {"1172.403(g)~NY139~~~", 0},
        {"0172.403(g)~NY1", 0},
        {"0172.403(g)~NY1x~~~", 0},
        {"0172.403(g)~NY139~~", 0},
        {"0172.403(g)~NY139~~~172.504(a)", 1},
        {"0172.403(g)~NY139~~~999.9~NN10~~~172.504(a)~NN11~~~", 2}, // unknown citation dropped
        {"0172.403(g)~NY199999999999~~~", 0},
        {"0172.403(g)~NY1~~0123456789abcdef~", 0}, // override too long
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        dravlen::ReadListText(&back, c.text);
        EXPECT_EQ(dravlen::ListLength(back), c.length);
    }
    const std::string longDesc = "0172.403(g)~NY1~" + std::string(163, 'd') + "~~";
    dravlen::ReadListText(&back, longDesc.c_str());
    EXPECT_EQ(dravlen::ListLength(back), 0u);
    dravlen::FreeViolationList(&back);
    dravlen::FreeViolationList(&list);
    Destroy_Engine(engine);
    qv_free(engine);
}

using ShowMe = InspectionFixture;

TEST_F(ShowMe, FindingsJoinTheSequenceAndAreNormalised)
{
    SetValue_Vehicle(load, "NumShowMeViolations", "3");
    SetValue_Vehicle(load, "ShowMeViolation0", "172.504(a)|Placard missing|front|1");
    SetValue_Vehicle(load, "ShowMeViolation1", "172.504(a)|short");  // deleted
    SetValue_Vehicle(load, "ShowMeViolation2", "393.55(a)|ABS|||D|1|393.55");
    EXPECT_EQ(CompletedShowMe_Vehicle(load), 1);
    ASSERT_EQ(GetNumViolations_Vehicle(load), 2u);
    Violation *v = GetViolation_Vehicle(load, 0);
    ASSERT_NE(v, nullptr);
    EXPECT_STREQ(GetDescription_Violation(v), "Placard missing (front)");
    EXPECT_EQ(IsOOS_Violation(v), 0);
    qv_free(v);
    EXPECT_STREQ(GetValue_Vehicle(load, "ShowMeViolation0"), "172.504(a)|Placard missing|front|1||0|");
    v = GetViolation_Vehicle(load, 1);
    EXPECT_EQ(GetUnit_Violation(v), 'D');
    EXPECT_EQ(IsOOS_Violation(v), 1);
    EXPECT_STREQ(GetCitation_Violation(v), "393.55");
    qv_free(v);

    // Edits in the dictionary; any non-zero value means out of service.
    SetOOS_Violation_Vehicle(load, 0, 1);
    SetUnit_Violation_Vehicle(load, 0, 'H');
    SetDesc_Violation_Vehicle(load, 0, "New");
    EXPECT_STREQ(GetValue_Vehicle(load, "ShowMeViolation0"), "172.504(a)|New||1|H|1|");
    EXPECT_EQ(EditedShowMeViolations_Vehicle(load), 1);
    SetOOS_Violation_Vehicle(load, 0, 0);
    EXPECT_STREQ(GetValue_Vehicle(load, "ShowMeViolation0"), "172.504(a)|New||1|H|0|");

    EXPECT_EQ(DeleteViolation_Vehicle(load, 1), 1);
    EXPECT_STREQ(GetValue_Vehicle(load, "ShowMeViolation2"), "393.55(a)|ABS||0|D|1|393.55");
    EXPECT_EQ(GetNumViolations_Vehicle(load), 1u);
    EXPECT_EQ(CanRestoreDeletedViolations_Vehicle(load), 1);
    RestoreDeletedViolations_Vehicle(load);
    EXPECT_EQ(GetNumViolations_Vehicle(load), 2u);
    EXPECT_EQ(CanRestoreDeletedViolations_Vehicle(load), 0); // the short entry cannot return

    ClearShowMeViolations_Vehicle(load);
    EXPECT_EQ(CompletedShowMe_Vehicle(load), 0);
    EXPECT_EQ(GetValue_Vehicle(load, "ShowMeViolation2"), nullptr);
    EXPECT_EQ(GetNumViolations_Vehicle(load), 0u);
}

TEST_F(ShowMe, DamagedCountsCostNothing)
{
    SetValue_Vehicle(load, "NumShowMeViolations", "4000000000");
    SetValue_Vehicle(load, "ShowMeViolation3999999999", "172.504(a)|x||1||0|");
    SetValue_Vehicle(load, "ShowMeViolation07", "172.504(a)|x||1||0|"); // not a canonical number
    EXPECT_EQ(GetNumViolations_Vehicle(load), 1u);
}

TEST_F(ShowMe, StatusKeys)
{
    EXPECT_EQ(HasShowMeAudit_Vehicle(load), 0);
    SetShowMeChanged_Vehicle(load, -1);
    EXPECT_STREQ(GetValue_Vehicle(load, "ShowMeChanged"), "1");
    EXPECT_EQ(ShowMeChanged_Vehicle(load), 1);
    EXPECT_EQ(HasShowMeAudit_Vehicle(load), 1);
    ResetShowMeStatus_Vehicle(load);
    EXPECT_EQ(HasShowMeAudit_Vehicle(load), 0);
    EXPECT_EQ(ShowMeUpdatedVersion_Vehicle(load, 1.0), 1);
    SetValue_Vehicle(load, "savedShowMeVersion", "2.5");
    EXPECT_EQ(ShowMeUpdatedVersion_Vehicle(load, 2.5), 0);
    EXPECT_EQ(ShowMeUpdatedVersion_Vehicle(load, 2.6), 1);
    SetShowMeViosEdited_Violation(GetDictionary_Vehicle(load), 0);
    EXPECT_EQ(EditedShowMeViolations_Vehicle(load), 0);
}

} // namespace

// CopyViolation_Vehicle gives a record of the caller's own for a list
// violation and a Show-Me finding alike: editing or freeing it leaves the
// truckload's violations as they were.
TEST_F(ShowMe, CopiesAreTheCallersOwnWhateverTheIndex)
{
    ASSERT_EQ(AddViolation_Vehicle(load, "172.504(a)"), 1);
    SetValue_Vehicle(load, "NumShowMeViolations", "1");
    SetValue_Vehicle(load, "ShowMeViolation0", "393.55(a)|ABS|||D|1|393.55");
    ASSERT_EQ(GetNumViolations_Vehicle(load), 2u);
    const struct {
        uint32_t index;
        const char *reg;
        bool libraryOwned;  // what GetViolation_Vehicle answers at the index
    } cases[] = {{0, "172.504(a)", true}, {1, "393.55(a)", false}};
    for (const auto &c : cases) {
        Violation *copy = CopyViolation_Vehicle(load, c.index);
        ASSERT_NE(copy, nullptr) << c.index;
        Violation *held = GetViolation_Vehicle(load, c.index);
        ASSERT_NE(held, nullptr);
        EXPECT_NE(copy, held) << c.index;
        EXPECT_STREQ(GetReg_Violation(copy), c.reg);
        EXPECT_STREQ(GetDescription_Violation(copy), GetDescription_Violation(held));
        SetDescription_Violation(copy, "edited copy");
        qv_free(copy);
        EXPECT_STRNE(GetDescription_Violation(held), "edited copy");
        if (!c.libraryOwned)
            qv_free(held);
    }
    EXPECT_EQ(CopyViolation_Vehicle(load, 2), nullptr);
}
