// Violations derived from inspection answers: a "No" to a question whose
// citation names a row of the violation table becomes that violation.
// Evaluation is lazy: answers mark their list stale and the count
// operations bring the lists up to date.
#include "inspection/catalogue.h"
#include "inspection/inspection.h"
#include "inspection/item_facts.h"
#include "inspection/paper_tally.h"
#include "inspection/question.h"
#include "inspection/violation.h"

#include <cstring>
#include <string>

namespace dravlen {

namespace {

// 49 CFR 173.24(c): the packaging (here the cargo tank) must be authorized
// for every material in it.
constexpr const char kUnauthorizedPackaging[] = "173.24(c)";
// 49 CFR 173.33(a): general cargo tank requirements, for MCTI citations
// that the violation table does not carry.
constexpr const char kCargoTankGeneral[] = "173.33(a)";
// 49 CFR 171.2(a): the general duty to comply, for shipping-paper
// citations that the violation table does not carry.
constexpr const char kGeneralDuty[] = "171.2(a)";

void DescribeAsViolationOf(ViolationList *list, int32_t ref, const char *citation)
{
    if (Violation *v = FindReference(*list, ref))
        SetDescriptionText(v, ("Violation of " + std::string(citation) + ".").c_str());
}

// Posts the violation of a "No" answer, falling back to 171.2(a).
void PostPaperViolation(ViolationList *list, const Question *q, int32_t ref)
{
    if (AddToList(list, q->citation, ref))
        return;
    if (AddToList(list, kGeneralDuty, ref))
        DescribeAsViolationOf(list, ref, q->citation);
}

} // namespace

void EvaluateStaleItems(Load *load)
{
    // Items turn stale only through an answer (which notes it) or a
    // rebuild of their list (which evaluates them at once): unless an
    // answer came since the last walk, there is nothing to walk for.
    if (!MayHaveStaleItems(load))
        return;
    // The bases in one walk: item k's questions follow those of the load
    // and of every earlier item.
    uint32_t base = load->spaQuestions.count;
    for (uint32_t k = 0; k < load->itemCount; ++k) {
        if (load->items[k].spaStale)
            EvaluateItemPaperViolations(load, k, base);
        base += load->items[k].questions.count;
    }
    NoteNoStaleItems(load);
}

void UpdateMctiViolations(Load *load)
{
    if (!load->mctiStale)
        return;
    if (load->vehicleCode != load->lastInspectedVehicle)
        FreeViolationList(&load->mctiViolations);
    if (LoadAllowsVehicle(load, load->vehicleCode))
        RemoveReference(&load->mctiViolations, kVehicleRuleRef);
    else
        AddToList(&load->mctiViolations, kUnauthorizedPackaging, kVehicleRuleRef);
    int32_t index = 0;
    for (const Question *q = load->mctiQuestions.head; q; q = NextInTree(q), ++index) {
        if (std::strcmp(q->subCategory, kGroupVehicleType) == 0)
            continue;
        if (q->answer != kNo)
            RemoveReference(&load->mctiViolations, index);
        else if (!AddToList(&load->mctiViolations, q->citation, index))
            AddToList(&load->mctiViolations, kCargoTankGeneral, index);
    }
    load->mctiStale = 0;
    load->lastInspectedVehicle = load->vehicleCode;
}

void EvaluateItemPaperViolations(Load *load, uint32_t item)
{
    if (item < load->itemCount)
        EvaluateItemPaperViolations(load, item, ItemPaperBase(load, item));
}

void EvaluateItemPaperViolations(Load *load, uint32_t item, uint32_t paperBase)
{
    if (item >= load->itemCount)
        return;
    Hazmat *h = &load->items[item];
    const int32_t base = static_cast<int32_t>(paperBase);
    int32_t j = 0;
    for (const Question *q = h->questions.head; q; q = NextInTree(q), ++j) {
        if (q->answer != kNo || q->firstChild)
            RemoveReference(&h->violations, base + j);
        else
            PostPaperViolation(&h->violations, q, base + j);
    }
    // Violations of questions that are gone (a rebuild, or a shift of the
    // index space) would otherwise linger under stale references.
    RemoveReferencesOutside(&h->violations, base, h->questions.count);
    h->spaStale = 0;
}

void EvaluateLoadPaperViolations(Load *load)
{
    int32_t i = 0;
    for (const Question *q = load->spaQuestions.head; q; q = NextInTree(q), ++i) {
        // A "No" to a parent question only opens its follow-up questions;
        // question 16 (172.202(a)(5)) is a violation in itself.
        if (q->answer == kNo && (!q->firstChild || q->id == 16))
            PostPaperViolation(&load->spaViolations, q, i);
        else
            RemoveReference(&load->spaViolations, i);
    }
    RemoveReferencesOutside(&load->spaViolations, 0, load->spaQuestions.count);
    load->spaStale = 0;
    EvaluateStaleItems(load);
}

void UpdatePaperViolations(Load *load)
{
    if (load->spaStale) {
        EvaluateLoadPaperViolations(load);
        return;
    }
    EvaluateStaleItems(load);
}

void PostSegregationViolation(Load *load, int32_t ref, const char *citation)
{
    ViolationList *list = &load->segregationViolations;
    if (ref < kSegregationTableRef || ref > kOtherSegregationRef) {
        FreeViolationList(list);
        return;
    }
    RemoveReferencesOutside(list, ref, 1);
    switch (ref) {
    case kSegregationTableRef:
        AddToList(list, "177.848(d)", ref);
        break;
    case kClass1SeparationRef:
        AddToList(list, "177.848(f)", ref);
        break;
    default:
        if (AddToList(list, kGeneralDuty, ref))
            DescribeAsViolationOf(list, ref, citation ? citation : "");
        break;
    }
}

} // namespace dravlen
