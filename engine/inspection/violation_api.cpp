// The truckload's violations as one sequence (the Violation family): cargo
// tank inspection, segregation, hand-added, load-level shipping papers,
// each item's shipping papers, then the Show-Me findings.  Deleting hides
// a violation; restoring shows it again; edits override its texts.
#include "dravlen.h"

#include "inspection/inspection.h"
#include "inspection/showme.h"
#include "inspection/violation.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace dravlen {

namespace {

constexpr char kEdited[] = "ShowMeViosEdited";
constexpr char kChanged[] = "ShowMeChanged";
constexpr char kHasBeenRun[] = "ShowMeHasBeenRun";
constexpr char kCount[] = "NumShowMeViolations";
constexpr char kSavedVersion[] = "savedShowMeVersion";

// One element of the combined sequence: a list violation, or Show-Me
// entry number `showMe`.
struct Located {
    ViolationList *list = nullptr;
    Violation *violation = nullptr;
    int64_t showMe = -1;
};

bool TakeFrom(ViolationList *list, uint32_t &index, Located *out)
{
    if (index < list->enabledCount) {
        out->list = list;
        out->violation = ListAt(*list, index, true);
        return out->violation != nullptr;
    }
    index -= list->enabledCount;
    return false;
}

// Finds the index-th enabled element.  Items reached while stale are
// evaluated first.
bool Locate(Load *load, uint32_t index, Located *out)
{
    ViolationList *fixed[] = {&load->mctiViolations, &load->segregationViolations,
                              &load->manualViolations, &load->spaViolations};
    for (ViolationList *list : fixed) {
        if (TakeFrom(list, index, out))
            return true;
    }
    for (uint32_t k = 0; k < load->itemCount; ++k) {
        if (load->items[k].spaStale)
            EvaluateItemPaperViolations(load, k);
        if (TakeFrom(&load->items[k].violations, index, out))
            return true;
    }
    const std::vector<uint32_t> findings = ReadableFindings(&load->dict);
    if (index < findings.size()) {
        out->showMe = findings[index];
        return true;
    }
    return false;
}

// The stored finding, brought to the full form and written back.
std::string NormaliseStored(Load *load, uint32_t number)
{
    const std::string key = ShowMeKey(number);
    const char *text = Find_Dict(&load->dict, key.c_str());
    const std::string entry = NormalisedEntry(text ? text : "");
    if (!text || entry != text)
        Add_Dict(&load->dict, key.c_str(), entry.c_str());
    return entry;
}

// Rewrites a finding; marks the findings edited when it changed.
void EditFinding(Load *load, uint32_t number, void (*edit)(ShowMeFinding &, const void *),
                 const void *arg)
{
    const std::string before = NormaliseStored(load, number);
    ShowMeFinding f = ParseFinding(before);
    edit(f, arg);
    const std::string after = FormatFinding(f);
    if (after != before) {
        Add_Dict(&load->dict, ShowMeKey(number).c_str(), after.c_str());
        Add_Dict(&load->dict, kEdited, "1");
    }
}

bool Present(const Load *load, const char *key) { return Find_Dict(&load->dict, key) != nullptr; }

bool PresentAndNotZero(const Load *load, const char *key)
{
    const char *value = Find_Dict(&load->dict, key);
    return value && std::strcmp(value, "0") != 0;
}

uint32_t PaperCount(Load *load, bool filtered)
{
    uint32_t n = filtered ? load->spaViolations.enabledCount : ListLength(load->spaViolations);
    for (uint32_t k = 0; k < load->itemCount; ++k) {
        const ViolationList &list = load->items[k].violations;
        n += filtered ? list.enabledCount : ListLength(list);
    }
    return n;
}

Violation *PaperAt(Load *load, uint32_t index, bool filtered)
{
    if (load->spaStale)
        return nullptr;
    auto take = [&](const ViolationList &list) -> Violation * {
        const uint32_t n = filtered ? list.enabledCount : ListLength(list);
        if (index < n)
            return ListAt(list, index, filtered);
        index -= n;
        return nullptr;
    };
    if (Violation *v = take(load->spaViolations))
        return v;
    for (uint32_t k = 0; k < load->itemCount; ++k) {
        if (load->items[k].spaStale)
            EvaluateItemPaperViolations(load, k);
        if (Violation *v = take(load->items[k].violations))
            return v;
    }
    return nullptr;
}

// A Show-Me finding is saved as fields separated by "|": an edited text
// keeps its words but not the separator.
std::string FindingText(const char *text)
{
    std::string s = text ? text : "";
    for (char &c : s)
        if (c == '|')
            c = '/';
    return s;
}

// A unit is one printable character that is no separator of the saved
// texts ("~" in violation lists, "|" in Show-Me findings).
bool StorableUnit(char unit)
{
    return unit > ' ' && unit <= '~' && unit != '~' && unit != '|';
}

template <typename ListEdit, typename FindingEdit>
int EditAt(Load *load, uint32_t index, ListEdit listEdit, FindingEdit findingEdit, const void *arg)
{
    Located at;
    if (!Locate(load, index, &at))
        return 0;
    if (at.violation)
        listEdit(at.violation);
    else
        EditFinding(load, static_cast<uint32_t>(at.showMe), findingEdit, arg);
    return 1;
}

} // namespace

} // namespace dravlen

using namespace dravlen;

extern "C" {

DRAVLEN_API uint32_t GetNumViolations_Vehicle(Load *load)
{
    UpdateMctiViolations(load);
    UpdatePaperViolations(load);
    uint32_t n = load->mctiViolations.enabledCount + load->segregationViolations.enabledCount +
                 load->manualViolations.enabledCount + PaperCount(load, true);
    return n + static_cast<uint32_t>(ReadableFindings(&load->dict).size());
}

DRAVLEN_API Violation *GetViolation_Vehicle(Load *load, uint32_t index)
{
    if (load->mctiStale)
        return nullptr;
    Located at;
    if (!Locate(load, index, &at))
        return nullptr;
    if (at.violation)
        return at.violation;
    const std::string entry = NormaliseStored(load, static_cast<uint32_t>(at.showMe));
    auto *v = static_cast<Violation *>(std::malloc(sizeof(Violation)));
    if (!v || !FindingToViolation(ParseFinding(entry), v)) {
        std::free(v);
        return nullptr;
    }
    return v;
}

DRAVLEN_API Violation *CopyViolation_Vehicle(Load *load, uint32_t index)
{
    if (!load || load->mctiStale)
        return nullptr;
    Located at;
    if (!Locate(load, index, &at))
        return nullptr;
    if (!at.violation)
        return GetViolation_Vehicle(load, index);  // already a new record
    auto *v = static_cast<Violation *>(std::malloc(sizeof(Violation)));
    if (!v)
        return nullptr;
    *v = *at.violation;
    v->next = nullptr;  // the copy belongs to no list
    return v;
}

DRAVLEN_API int DeleteViolation_Vehicle(Load *load, uint32_t index)
{
    if (load->mctiStale || load->spaStale)
        return 0;
    Located at;
    if (!Locate(load, index, &at))
        return 0;
    if (at.violation) {
        at.violation->disabled = 1;
        --at.list->enabledCount;
    } else {
        EditFinding(load, static_cast<uint32_t>(at.showMe),
                    [](ShowMeFinding &f, const void *) { f.enabled = "0"; }, nullptr);
        Add_Dict(&load->dict, kEdited, "1");
    }
    return 1;
}

DRAVLEN_API int CanRestoreDeletedViolations_Vehicle(Load *load)
{
    if (HasDisabled(load->mctiViolations) || HasDisabled(load->segregationViolations) ||
        HasDisabled(load->spaViolations))
        return 1;
    for (uint32_t k = 0; k < load->itemCount; ++k) {
        if (HasDisabled(load->items[k].violations))
            return 1;
    }
    // Findings that a restore can bring back: a deleted entry in the
    // four- or seven-field form (one with fewer fields has no Enabled field).
    for (uint32_t n : ShowMeEntryNumbers(&load->dict)) {
        const char *text = Find_Dict(&load->dict, ShowMeKey(n).c_str());
        if (text && Separators(text) >= 3 && CountsAsDeleted(text))
            return 1;
    }
    return 0;
}

DRAVLEN_API void RestoreDeletedViolations_Vehicle(Load *load)
{
    // Everything that CanRestoreDeletedViolations_Vehicle counts; the hand-
    // added list is the officer's own and is not restored.
    RestoreList(&load->mctiViolations);
    RestoreList(&load->segregationViolations);
    RestoreList(&load->spaViolations);
    for (uint32_t k = 0; k < load->itemCount; ++k)
        RestoreList(&load->items[k].violations);
    for (uint32_t n : ShowMeEntryNumbers(&load->dict)) {
        const char *text = Find_Dict(&load->dict, ShowMeKey(n).c_str());
        if (!text || Separators(text) < 3 || !CountsAsDeleted(text))
            continue;
        ShowMeFinding f = ParseFinding(NormalisedEntry(text));
        f.enabled = "1";
        Add_Dict(&load->dict, ShowMeKey(n).c_str(), FormatFinding(f).c_str());
    }
}

DRAVLEN_API int AddViolation_Vehicle(Load *load, const char *citation)
{
    return AddToList(&load->manualViolations, citation, kHandAddedRef);
}

DRAVLEN_API uint32_t GetNumUnfilteredMCTIViolations_Vehicle(Load *load)
{
    UpdateMctiViolations(load);
    return ListLength(load->mctiViolations);
}

DRAVLEN_API Violation *GetUnfilteredMCTIViolation_Vehicle(Load *load, uint32_t index)
{
    return load->mctiStale ? nullptr : ListAt(load->mctiViolations, index, false);
}

DRAVLEN_API uint32_t GetNumSPAViolations_Vehicle(Load *load)
{
    UpdatePaperViolations(load);
    return PaperCount(load, true);
}

DRAVLEN_API uint32_t GetNumUnfilteredSPAViolations_Vehicle(Load *load)
{
    UpdatePaperViolations(load);
    return PaperCount(load, false);
}

DRAVLEN_API Violation *GetSPAViolation_Vehicle(Load *load, uint32_t index)
{
    return PaperAt(load, index, true);
}

DRAVLEN_API Violation *GetUnfilteredSPAViolation_Vehicle(Load *load, uint32_t index)
{
    return PaperAt(load, index, false);
}

DRAVLEN_API int SetDesc_Violation_Vehicle(Load *load, uint32_t index, const char *text)
{
    return EditAt(
        load, index, [text](Violation *v) { SetDescriptionText(v, text); },
        [](ShowMeFinding &f, const void *arg) {
            f.description = FindingText(static_cast<const char *>(arg));
            f.detail.clear();
        },
        text);
}

DRAVLEN_API int SetCitation_Violation_Vehicle(Load *load, uint32_t index, const char *text)
{
    return EditAt(
        load, index, [text](Violation *v) { SetCitationText(v, text); },
        [](ShowMeFinding &f, const void *arg) {
            f.override = FindingText(static_cast<const char *>(arg));
        },
        text);
}

DRAVLEN_API int SetUnit_Violation_Vehicle(Load *load, uint32_t index, char unit)
{
    if (!StorableUnit(unit))
        return 0;
    return EditAt(
        load, index, [unit](Violation *v) { v->unit = unit; },
        [](ShowMeFinding &f, const void *arg) {
            const char c = *static_cast<const char *>(arg);
            if (f.unit.empty())
                f.unit.assign(1, c);
            else
                f.unit[0] = c;
        },
        &unit);
}

DRAVLEN_API int SetOOS_Violation_Vehicle(Load *load, uint32_t index, int value)
{
    const int on = value != 0;
    return EditAt(
        load, index, [on](Violation *v) { v->outOfService = on; },
        [](ShowMeFinding &f, const void *arg) {
            f.outOfService = *static_cast<const int *>(arg) ? "1" : "0";
        },
        &on);
}

DRAVLEN_API void ClearShowMeViolations_Vehicle(Load *load)
{
    if (!Present(load, kCount))
        return;
    for (uint32_t n : ShowMeEntryNumbers(&load->dict))
        Add_Dict(&load->dict, ShowMeKey(n).c_str(), nullptr);
    Add_Dict(&load->dict, kCount, nullptr);
}

DRAVLEN_API int CompletedShowMe_Vehicle(Load *load) { return Present(load, kCount) ? 1 : 0; }

DRAVLEN_API void SetShowMeChanged_Vehicle(Load *load, int flag)
{
    Add_Dict(&load->dict, kChanged, flag ? "1" : "0");
}

DRAVLEN_API int ShowMeChanged_Vehicle(Load *load) { return PresentAndNotZero(load, kChanged) ? 1 : 0; }

DRAVLEN_API int HasShowMeAudit_Vehicle(Load *load)
{
    return Present(load, kHasBeenRun) || Present(load, kChanged) ? 1 : 0;
}

DRAVLEN_API void ResetShowMeStatus_Vehicle(Load *load)
{
    Add_Dict(&load->dict, kHasBeenRun, nullptr);
    Add_Dict(&load->dict, kChanged, nullptr);
}

DRAVLEN_API int ShowMeUpdatedVersion_Vehicle(Load *load, double version)
{
    const char *saved = Find_Dict(&load->dict, kSavedVersion);
    if (!saved)
        return 1;
    return version > std::strtod(saved, nullptr) ? 1 : 0;
}

DRAVLEN_API int EditedShowMeViolations_Vehicle(Load *load)
{
    return PresentAndNotZero(load, kEdited) ? 1 : 0;
}

DRAVLEN_API void SetShowMeViosEdited_Violation(Dict *dict, int flag)
{
    Add_Dict(dict, kEdited, flag ? "1" : "0");
}

DRAVLEN_API int GetSizeOf_Violation(void) { return sizeof(Violation); }

DRAVLEN_API int Init_Violation(Violation *v, const char *citation)
{
    if (!v || !InitViolation(v, citation))
        return 0;
    v->next = nullptr;
    return 1;
}

DRAVLEN_API Violation *InitAlloc_Violation(const char *citation)
{
    auto *v = static_cast<Violation *>(std::malloc(sizeof(Violation)));
    if (v && !Init_Violation(v, citation)) {
        std::free(v);
        return nullptr;
    }
    return v;
}

DRAVLEN_API const char *GetAspenCode_Violation(const Violation *v)
{
    return v && v->row ? GetField_VIRec(v->row, 0) : nullptr;
}

DRAVLEN_API const char *GetReg_Violation(const Violation *v)
{
    return v && v->row ? GetField_VIRec(v->row, 6) : nullptr;
}

DRAVLEN_API const char *GetDescription_Violation(const Violation *v)
{
    if (!v)
        return nullptr;
    if (v->description[0] || !v->row)
        return v->description;
    return GetField_VIRec(v->row, 1);
}

DRAVLEN_API void SetDescription_Violation(Violation *v, const char *text)
{
    if (v)
        SetDescriptionText(v, text);
}

DRAVLEN_API const char *GetCitation_Violation(const Violation *v) { return v ? v->citation : nullptr; }

DRAVLEN_API void SetCitation_Violation(Violation *v, const char *text)
{
    if (v)
        SetCitationText(v, text);
}

DRAVLEN_API int IsOOS_Violation(const Violation *v) { return v && v->outOfService ? 1 : 0; }

DRAVLEN_API void SetOOS_Violation(Violation *v, int value)
{
    if (v)
        v->outOfService = value != 0;
}

DRAVLEN_API char GetUnit_Violation(const Violation *v) { return v ? v->unit : '\0'; }

DRAVLEN_API void SetUnit_Violation(Violation *v, char unit)
{
    if (v && StorableUnit(unit))
        v->unit = unit;
}

DRAVLEN_API int IsDisabled_Violation(const Violation *v) { return v && v->disabled ? 1 : 0; }

DRAVLEN_API int GetQuestionReference_Violation(const Violation *v)
{
    return v ? v->questionRef : 0;
}

} // extern "C"
