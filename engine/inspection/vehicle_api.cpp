// The truckload's inspection question sets (the Vehicle family): index
// spaces, visibility, numbering, answers and the rebuild that keeps the
// shipping-paper answers through the dictionaries.
#include "dravlen.h"

#include "compute/dict.h"
#include "inspection/catalogue.h"
#include "inspection/inspection.h"
#include "inspection/item_facts.h"
#include "inspection/paper_tally.h"
#include "inspection/question.h"
#include "inspection/vehicles.h"
#include "items/answer_mirror.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_map>

namespace dravlen {

namespace {

constexpr int kModeCargoTank = 0;
constexpr int kModeShippingPaper = 1;

bool ValidMode(int mode) { return mode == kModeCargoTank || mode == kModeShippingPaper; }

std::string AnswerKey(int32_t id) { return "SPA_QID" + std::to_string(id); }

// The saved answer under "SPA_QID<id>": 0-2, or unanswered when absent or
// not a number in that range.
int32_t SavedAnswer(const Dict *dict, int32_t id)
{
    const char *text = Find_Dict(dict, AnswerKey(id).c_str());
    if (!text || !*text)
        return kUnanswered;
    char *end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*end != '\0' || value < kNo || value > kUnanswered)
        return kUnanswered;
    return static_cast<int32_t>(value);
}

void RestoreAnswers(QuestionList *list, const Dict *dict)
{
    for (Question *q = list->head; q; q = NextInTree(q))
        q->answer = SavedAnswer(dict, q->id);
}

bool AllItemsRadioactive(const Load *load)
{
    if (load->itemCount == 0)
        return false;
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        if (!IsRadioactiveItem(&load->items[i]))
            return false;
    }
    return true;
}

// The group of an item's questions: ID number and plain shipping name.
// An item whose name an odd number of earlier items share gets a trailing
// space, so that successive items with the same name stay apart.
std::string ItemLabel(int sameNameBefore, const ItemFacts &facts)
{
    std::string label = facts.id + " - " + facts.romanPsn;
    if (sameNameBefore % 2 == 1)
        label += ' ';
    return label;
}

// Rebuilds item `index`'s list.  sameNameBefore: how many earlier items
// have its plain shipping name; base: its first index in the shipping-paper
// index space (the lists of the earlier items are final).
void RebuildItemList(Load *load, uint32_t index, const std::unordered_map<std::string, int> &names, uint32_t base)
{
    Hazmat *item = &load->items[index];
    const ItemFacts facts = ReadItemFacts(item);
    if (facts.exemptFromShippingPaper)
        return; // 172.200(b): no shipping paper entry, the old list stays
    const auto same = names.find(facts.romanPsn);
    MirrorAnswers(&item->questions, &item->dict);
    FreeQuestionList(&item->questions);
    BuildItemPaperList(&item->questions, facts, ItemLabel(same == names.end() ? 0 : same->second, facts),
                       load->vehicleCode);
    RestoreAnswers(&item->questions, &item->dict);
    item->spaStale = 1;
    ApplyDefaultLinks(&item->questions, ItemPaperDefaultLink);
    EvaluateItemPaperViolations(load, index, base);
}

uint32_t TopLevelNumberOffset(const Load *load, int64_t item)
{
    uint32_t offset = 0;
    if (item < 0)
        return 0;
    offset += TopLevelCount(load->spaQuestions);
    for (int64_t k = 0; k < item; ++k)
        offset += TopLevelCount(load->items[k].questions);
    return offset;
}

uint32_t PositionAmongSiblings(const Question *q)
{
    const Question *first = q->parent ? q->parent->firstChild : nullptr;
    uint32_t n = 1;
    for (const Question *s = first; s && s != q; s = s->next)
        ++n;
    return n;
}

std::string QuestionNumber(const Load *load, uint32_t index)
{
    PaperPosition where;
    if (!ResolvePaperIndex(load, index, &where))
        return std::string();
    const QuestionList &list =
        where.item < 0 ? load->spaQuestions : load->items[where.item].questions;
    const Question *q = QuestionAt(list, where.pos);
    if (!q)
        return std::string();
    std::string number;
    for (; q->parent; q = q->parent)
        number = "." + std::to_string(PositionAmongSiblings(q)) + number;
    uint32_t top = 1;
    for (const Question *s = list.head; s && s != q; s = s->next)
        ++top;
    return std::to_string(top + TopLevelNumberOffset(load, where.item)) + number;
}

Question *PaperQuestion(Load *load, uint32_t index)
{
    return QuestionAtIndex(load, index, kModeShippingPaper);
}

char *CopyText(const std::string &text)
{
    char *copy = static_cast<char *>(std::malloc(text.size() + 1));
    if (copy)
        std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

} // namespace

uint32_t PaperQuestionCount(const Load *load)
{
    uint32_t n = load->spaQuestions.count;
    for (uint32_t i = 0; i < load->itemCount; ++i)
        n += load->items[i].questions.count;
    return n;
}

uint32_t ItemPaperBase(const Load *load, uint32_t item)
{
    uint32_t base = load->spaQuestions.count;
    for (uint32_t i = 0; i < item && i < load->itemCount; ++i)
        base += load->items[i].questions.count;
    return base;
}

bool ResolvePaperIndex(const Load *load, uint32_t index, PaperPosition *out)
{
    if (index < load->spaQuestions.count) {
        out->item = -1;
        out->pos = index;
        return true;
    }
    uint32_t rest = index - load->spaQuestions.count;
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        const uint32_t count = load->items[i].questions.count;
        if (rest < count) {
            out->item = i;
            out->pos = rest;
            return true;
        }
        rest -= count;
    }
    return false;
}

Question *QuestionAtIndex(Load *load, uint32_t index, int mode)
{
    if (mode == kModeCargoTank)
        return QuestionAt(load->mctiQuestions, index);
    if (mode != kModeShippingPaper)
        return nullptr;
    PaperPosition where;
    if (!ResolvePaperIndex(load, index, &where))
        return nullptr;
    return QuestionAt(where.item < 0 ? load->spaQuestions : load->items[where.item].questions,
                      where.pos);
}

void RestoreLoadPaperAnswers(Load *load)
{
    RestoreAnswers(&load->spaQuestions, &load->dict);
    load->spaStale = 1;
}

namespace {

void RebuildLoadPaperList(Load *load, bool allRadioactive)
{
    MirrorAnswers(&load->spaQuestions, &load->dict);
    FreeQuestionList(&load->spaQuestions);
    BuildLoadPaperList(&load->spaQuestions, allRadioactive);
    RestoreAnswers(&load->spaQuestions, &load->dict);
    load->spaStale = 1;
}

// Rebuilds the list of every item.  Labels from the count of each name so
// far, bases from the lists before: one walk over the items.
void RebuildItemLists(Load *load)
{
    PaperTally tally;
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        RebuildItemList(load, i, tally.names, load->spaQuestions.count + tally.questions);
        if (const char *name = GetRomanPSN_Hazmat(&load->items[i]))
            ++tally.names[name];
        tally.questions += load->items[i].questions.count;
        tally.allRadioactive = tally.allRadioactive && IsRadioactiveItem(&load->items[i]);
    }
    RecordTally(load, std::move(tally));
}

} // namespace

void UpdateQuestionsForAppendedItem(Load *load)
{
    if (load->itemCount == 0)
        return;
    // The questions, names and radioactivity of the earlier items come
    // from the load's tally, which the append keeps up to date: no walk.
    const uint32_t last = load->itemCount - 1;
    const char *found = GetRomanPSN_Hazmat(&load->items[last]);
    const std::string name = found ? found : "";  // as ItemFacts reads it
    const TallyAnswer before = LookUpTally(load, last, name);
    const uint32_t loadLevel = load->spaQuestions.count;
    RebuildLoadPaperList(load, before.allRadioactive && IsRadioactiveItem(&load->items[last]));
    EvaluateLoadPaperViolations(load);
    // An earlier item's list depends on its own facts, the items before it
    // (its label), the vehicle and where it starts in the index space.
    // While the load-level set keeps its size none of these moved: its
    // rebuild would give back the same questions, answers and violations,
    // so only the new item's list is built.  When the set changes size (the
    // load became, or stopped being, all radioactive), every item's is.
    if (load->spaQuestions.count != loadLevel) {
        RebuildItemLists(load);
    } else {
        std::unordered_map<std::string, int> names;
        names[name] = before.sameName;
        RebuildItemList(load, last, names, load->spaQuestions.count + before.questions);
        CountAppendedItem(load);
    }
    ApplyDefaultLinks(&load->spaQuestions, LoadPaperDefaultLink);
    load->spaStale = 1;
}

uint32_t UpdateQuestions(Load *load, int mode)
{
    if (mode == kModeCargoTank) {
        FreeQuestionList(&load->mctiQuestions);
        BuildMctiList(&load->mctiQuestions, load->vehicleCode);
        load->mctiStale = 1;
    } else if (mode == kModeShippingPaper) {
        RebuildLoadPaperList(load, AllItemsRadioactive(load));
        EvaluateLoadPaperViolations(load);
        RebuildItemLists(load);
    }
    ApplyDefaultLinks(&load->spaQuestions, LoadPaperDefaultLink);
    load->spaStale = 1;
    return load->spaQuestions.count;
}

} // namespace dravlen

using namespace dravlen;

extern "C" {

DRAVLEN_API int GetNumVehicles(void) { return kVehicleCount; }

DRAVLEN_API const char *GetVehicleName(int code) { return VehicleName(code); }

DRAVLEN_API int GetVehicleCode(const char *name) { return VehicleCode(name); }

DRAVLEN_API uint32_t GetNumQuestions_Vehicle(Load *load, int mode)
{
    if (mode == kModeCargoTank)
        return load->mctiQuestions.count;
    if (mode == kModeShippingPaper)
        return PaperQuestionCount(load);
    return 0;
}

DRAVLEN_API Question *GetQuestion_Vehicle(Load *load, uint32_t index, int mode)
{
    return QuestionAtIndex(load, index, mode);
}

DRAVLEN_API int GetAnswer_Vehicle(Load *load, uint32_t index, int mode)
{
    const Question *q = QuestionAtIndex(load, index, mode);
    return q ? q->answer : -1;
}

DRAVLEN_API int SetAnswer_Vehicle(Load *load, uint32_t index, int answer, int mode)
{
    if (mode == kModeCargoTank) {
        Question *q = QuestionAt(load->mctiQuestions, index);
        if (!q || answer < kNo || answer > kUnanswered)
            return 0;
        q->answer = answer;
        load->mctiStale = 1;
        return 1;
    }
    if (mode != kModeShippingPaper)
        return 0;
    PaperPosition where;
    if (!ResolvePaperIndex(load, index, &where))
        return 0;
    if (where.item >= 0) {
        load->items[where.item].spaStale = 1; // set even when the answer is refused
        NoteStaleItem(load);
    }
    if (answer < kNo || answer > kUnanswered)
        return 0;
    QuestionList &list = where.item < 0 ? load->spaQuestions : load->items[where.item].questions;
    Question *q = QuestionAt(list, where.pos);
    if (!q)
        return 0;
    q->answer = answer;
    if (where.item < 0)
        load->spaStale = 1;
    return 1;
}

DRAVLEN_API int SetAnswerByID_Vehicle(Load *load, int id, int answer)
{
    uint32_t index = 0;
    for (const Question *q = load->mctiQuestions.head; q; q = NextInTree(q), ++index) {
        if (q->id == id)
            return SetAnswer_Vehicle(load, index, answer, kModeCargoTank);
    }
    return 0;
}

DRAVLEN_API int HasUnansweredQuestions_Vehicle(Load *load, int mode)
{
    if (mode != kModeCargoTank)
        UpdateQuestions(load, mode);
    UpdatePaperViolations(load);
    if (!ValidMode(mode))
        return 0;
    const uint32_t count = GetNumQuestions_Vehicle(load, mode);
    uint32_t unanswered = 0;
    bool visibleUnanswered = false;
    for (uint32_t i = 0; i < count; ++i) {
        const Question *q = QuestionAtIndex(load, i, mode);
        if (!q || q->answer == kNo || q->answer == kYes)
            continue;
        ++unanswered;
        if (mode == kModeCargoTank || IsVisible(q))
            visibleUnanswered = true;
    }
    // An untouched set, or a finished one, has nothing left to ask.
    if (unanswered == 0 || unanswered == count)
        return 0;
    return visibleUnanswered ? 1 : 0;
}

DRAVLEN_API uint32_t UpdateQuestions_Vehicle(Load *load, int mode)
{
    return UpdateQuestions(load, mode);
}

DRAVLEN_API uint32_t GetNumChildren_Vehicle(Load *load, uint32_t index)
{
    const Question *q = PaperQuestion(load, index);
    return q ? ChildCount(q) : 0;
}

DRAVLEN_API int QuestionHasChildren_Vehicle(Load *load, uint32_t index)
{
    const Question *q = PaperQuestion(load, index);
    return q && q->firstChild ? 1 : 0;
}

DRAVLEN_API int GetQuestionLevel_Vehicle(Load *load, uint32_t index)
{
    const Question *q = PaperQuestion(load, index);
    return q ? QuestionLevel(q) : 0;
}

DRAVLEN_API int IsQuestionVisible_Vehicle(Load *load, uint32_t index)
{
    const Question *q = PaperQuestion(load, index);
    return q && IsVisible(q) ? 1 : 0;
}

DRAVLEN_API const char *GetQuestionNumber_Vehicle(Load *load, uint32_t index)
{
    static std::string number;
    number = QuestionNumber(load, index);
    return number.c_str();
}

DRAVLEN_API const char *GetTopCat_Question(const Question *q) { return q ? q->topCategory : nullptr; }
DRAVLEN_API const char *GetSubCat_Question(const Question *q) { return q ? q->subCategory : nullptr; }
DRAVLEN_API const char *GetText_Question(const Question *q) { return q ? q->text : nullptr; }
DRAVLEN_API const char *GetReg_Question(const Question *q) { return q ? q->citation : nullptr; }
DRAVLEN_API int GetAnswer_Question(const Question *q) { return q ? q->answer : -1; }
DRAVLEN_API const char *GetQuestionLink_Question(const Question *q) { return q ? q->helpLink : nullptr; }

DRAVLEN_API const char *GetCategoryName(int index)
{
    static const char *const kNames[] = {"MCTI",  "",     "Front", "Back",   "Sides",
                                         "Vehicle Type", "Top", "Rear", "Bottom", "Shipping"};
    return index >= 0 && index < 10 ? kNames[index] : nullptr;
}

DRAVLEN_API const char *GetValue_Vehicle(Load *load, const char *key)
{
    return Find_Dict(&load->dict, key);
}

DRAVLEN_API int SetValue_Vehicle(Load *load, const char *key, const char *value)
{
    return Add_Dict(&load->dict, key, value);
}

DRAVLEN_API Dict *GetDictionary_Vehicle(Load *load)
{
    return &load->dict; 
}

DRAVLEN_API char *GetAllowedTanksText_Vehicle(Load *load)
{
    std::string text;
    for (int code = 2; code < kVehicleCount; ++code) {
        if (!LoadAllowsVehicle(load, code))
            continue;
        if (!text.empty())
            text += ", ";
        text += VehicleName(code);
    }
    return CopyText(text.empty() ? "No tanks are allowed." : text);
}

DRAVLEN_API int CanUseOxygenPlacard_Vehicle(Load *load)
{
    // 172.504(f)(7): the OXYGEN placard for oxygen, compressed (UN1072)
    // and oxygen, refrigerated liquid (UN1073).
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        const int pid = load->items[i].pid;
        if (pid == 529 || pid == 530)
            return 1;
    }
    return 0;
}

} // extern "C"
