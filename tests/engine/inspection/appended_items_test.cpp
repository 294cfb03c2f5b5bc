// Items added one at a time get the shipping-paper questions and violations
// that reading the whole truckload at once gives: the same labels (a
// trailing space on every second item of one plain shipping name), the same
// index space, the same answers and the same violations, also after
// removals, answers and re-adds between reads, and after an item of the
// truckload was replaced or renamed in place.
#include "inspection_fixture.h"

#include <cctype>
#include <string>
#include <vector>

namespace {

constexpr int kGasoline = 631;      // UN1203, class 3
constexpr int kRadioactive = 1951;  // UN2915, class 7
constexpr int kRefrigerant = 29;    // NA1954, two shipping names, no item questions
constexpr int kEther = 588;         // UN1155: "Diethyl ether" (1) or "Ethyl ether" (2)
constexpr int kAcetic1 = 1859;      // two entries of one plain shipping name,
constexpr int kAcetic2 = 1860;      // "Acetic acid solution"

// Everything a reader sees of the shipping-paper questions and of the
// violations, one line each.
std::vector<std::string> Snapshot(Load *load)
{
    std::vector<std::string> lines;
    const uint32_t n = GetNumQuestions_Vehicle(load, 1);
    for (uint32_t i = 0; i < n; ++i) {
        const Question *q = GetQuestion_Vehicle(load, i, 1);
        lines.push_back("Q" + std::to_string(q->id) + " [" + GetSubCat_Question(q) + "] " +
                        std::to_string(GetAnswer_Question(q)) + " " + GetQuestionNumber_Vehicle(load, i) +
                        (IsQuestionVisible_Vehicle(load, i) ? " visible" : " hidden"));
    }
    const uint32_t violations = GetNumViolations_Vehicle(load);
    for (uint32_t i = 0; i < violations; ++i) {
        const Violation *v = GetViolation_Vehicle(load, i);
        if (!v) {
            lines.push_back("V missing");
            continue;
        }
        lines.push_back(std::string("V ") + GetReg_Violation(v) + " " + GetDescription_Violation(v) + " ref " +
                        std::to_string(GetQuestionReference_Violation(v)));
    }
    return lines;
}

// The same truckload read back from its image into a fresh engine.
std::vector<std::string> SnapshotOfImage(Load *load)
{
    uint32_t size = 0;
    void *image = Serialize_Load(load, &size);
    Engine other;
    Init_Engine(&other);
    std::vector<std::string> lines;
    if (image && Unserialize_Load(GetLoad_Engine(&other), image, size, 0) == 0)
        lines = Snapshot(GetLoad_Engine(&other));
    else
        lines.push_back("image not read");
    qv_free(image);
    Destroy_Engine(&other);
    return lines;
}

enum class Op {
    Add,       // a: pid, b: shipping name index (0: the entry's default)
    Remove,    // a: item index, then the questions rebuilt (Remove_Load
               // leaves the lists of the later items as they were)
    RemoveLast,
    AnswerNo,  // a: shipping-paper question index counted from the end
    Read,      // compare with the truckload read from its image
};

struct Step {
    Op op;
    int a = 0;
    int b = 0;
};

struct Case {
    const char *name;
    std::vector<Step> steps;
};

const Case kCases[] = {
    {"one name repeated",
     {{Op::Add, kGasoline}, {Op::Add, kGasoline}, {Op::Add, kGasoline}, {Op::Read}, {Op::Add, kGasoline}, {Op::Read}}},
    {"names interleaved",
     {{Op::Add, kGasoline}, {Op::Add, kAcetic1}, {Op::Add, kGasoline}, {Op::Add, kAcetic2}, {Op::Add, kAcetic1},
      {Op::Add, kRefrigerant, 1}, {Op::Add, kRefrigerant, 2}, {Op::Add, kRefrigerant, 1}, {Op::Add, kEther, 1},
      {Op::Add, kEther, 2}, {Op::Add, kEther, 1}, {Op::Add, kEther, 2}, {Op::Add, kEther, 1}, {Op::Read}}},
    {"removals and re-adds between reads",
     {{Op::Add, kAcetic1}, {Op::Add, kAcetic2}, {Op::Add, kGasoline}, {Op::Read}, {Op::Remove, 0}, {Op::Add, kAcetic1},
      {Op::Read}, {Op::Remove, 2}, {Op::Remove, 0}, {Op::Add, kAcetic2}, {Op::Add, kGasoline}, {Op::Read}}},
    {"the last item removed and added again",
     {{Op::Add, kGasoline}, {Op::Add, kGasoline}, {Op::RemoveLast}, {Op::Add, kGasoline}, {Op::Add, kAcetic1},
      {Op::Read}, {Op::RemoveLast}, {Op::RemoveLast}, {Op::Add, kGasoline}, {Op::Add, kGasoline}, {Op::Read}}},
    {"answers before and after appends",
     {{Op::Add, kGasoline}, {Op::AnswerNo, 1}, {Op::Add, kGasoline}, {Op::AnswerNo, 2}, {Op::Read}, {Op::Add, kAcetic1},
      {Op::AnswerNo, 1}, {Op::RemoveLast}, {Op::Add, kGasoline}, {Op::AnswerNo, 3}, {Op::Add, kAcetic2}, {Op::Read}}},
    {"the load-level list changes size",
     {{Op::Add, kRadioactive}, {Op::Add, kRadioactive}, {Op::Read}, {Op::Add, kGasoline}, {Op::Add, kRadioactive},
      {Op::Read}, {Op::RemoveLast}, {Op::RemoveLast}, {Op::Add, kRadioactive}, {Op::Read}}},
};

struct AppendedItems : InspectionFixture, ::testing::WithParamInterface<Case> {};

TEST_P(AppendedItems, GiveWhatReadingTheImageGives)
{
    int reads = 0;
    for (const Step &s : GetParam().steps) {
        switch (s.op) {
        case Op::Add:
            ASSERT_GE(AddItem(s.a, [&](Hazmat *h) {
                          if (s.b)
                              SetRomanIndex_Hazmat(h, s.b);
                      }),
                      0);
            break;
        case Op::Remove:
            ASSERT_EQ(Remove_Load(load, static_cast<uint32_t>(s.a)), 1);
            UpdateQuestions_Vehicle(load, 1);
            break;
        case Op::RemoveLast:
            ASSERT_GT(GetItemCount_Load(load), 0u);
            ASSERT_EQ(Remove_Load(load, GetItemCount_Load(load) - 1), 1);
            break;
        case Op::AnswerNo: {
            const uint32_t n = GetNumQuestions_Vehicle(load, 1);
            ASSERT_GE(n, static_cast<uint32_t>(s.a));
            ASSERT_EQ(SetAnswer_Vehicle(load, n - static_cast<uint32_t>(s.a), 0, 1), 1);
            break;
        }
        case Op::Read:
            ++reads;
            EXPECT_EQ(Snapshot(load), SnapshotOfImage(load)) << "at read " << reads;
            break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Loads, AppendedItems, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case> &info) {
                             std::string name = info.param.name;
                             for (char &c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

// The label of an appended item counts the names the earlier items carry
// now, also when one of them was replaced or renamed in place since the
// last append.  Each check runs behind 0-15 items of another name, so that
// some appends find room in the item array and some move it.
struct InPlace : InspectionFixture {
    std::string LastLabel()
    {
        const uint32_t n = GetNumQuestions_Vehicle(load, 1);
        return n ? GetSubCat_Question(GetQuestion_Vehicle(load, n - 1, 1)) : "";
    }
    void Fill(int others)
    {
        Reset_Load(load);
        for (int i = 0; i < others; ++i)
            AddItem(kAcetic1);
    }
};

TEST_F(InPlace, ReplacedItemCountsUnderItsNewName)
{
    for (int others = 0; others < 16; ++others) {
        Fill(others);
        AddItem(kAcetic2);
        AddItem(kGasoline);
        Hazmat gasoline;
        Init_Hazmat(&gasoline, kGasoline);
        Copy_Hazmat(GetHazmat_Load(load, others), &gasoline);  // the acetic acid becomes gasoline
        Reset_Hazmat(&gasoline, 0);
        AddItem(kGasoline);
        // Two earlier gasoline items: an even count, no mark.
        const std::string label = LastLabel();
        ASSERT_EQ(label.rfind("UN1203 - ", 0), 0u) << "[" << label << "]";
        EXPECT_NE(label.back(), ' ') << "[" << label << "] behind " << others;
    }
}

TEST_F(InPlace, RenamedItemCountsUnderItsNewName)
{
    for (int others = 0; others < 16; ++others) {
        Fill(others);
        AddItem(kEther, [](Hazmat *h) { SetRomanIndex_Hazmat(h, 1); });
        AddItem(kEther, [](Hazmat *h) { SetRomanIndex_Hazmat(h, 2); });
        ASSERT_EQ(SetRomanIndex_Hazmat(GetHazmat_Load(load, others), 2), 1);
        AddItem(kEther, [](Hazmat *h) { SetRomanIndex_Hazmat(h, 2); });
        // Two earlier "Ethyl ether": an even count, no mark.
        const std::string label = LastLabel();
        ASSERT_EQ(label.rfind("UN1155 - Ethyl ether", 0), 0u) << "[" << label << "]";
        EXPECT_NE(label.back(), ' ') << "[" << label << "] behind " << others;
    }
}

TEST_F(InPlace, ReplacedItemEndsAnAllRadioactiveTruckload)
{
    for (int others = 0; others < 16; ++others) {
        Reset_Load(load);
        for (int i = 0; i <= others; ++i)
            AddItem(kRadioactive);
        ASSERT_EQ(load->spaQuestions.count, 19u);  // the exclusive use questions
        Hazmat gasoline;
        Init_Hazmat(&gasoline, kGasoline);
        Copy_Hazmat(GetHazmat_Load(load, 0), &gasoline);
        Reset_Hazmat(&gasoline, 0);
        AddItem(kRadioactive);
        EXPECT_EQ(load->spaQuestions.count, 17u) << "behind " << others;
    }
}

TEST_F(InPlace, ThirdItemOfANameIsMarkedAgain)
{
    // The mark itself: items 1 and 3 of a name plain, item 2 marked.
    AddItem(kGasoline);
    AddItem(kGasoline);
    EXPECT_EQ(LastLabel().back(), ' ');
    AddItem(kGasoline);
    EXPECT_NE(LastLabel().back(), ' ');
}

} // namespace
