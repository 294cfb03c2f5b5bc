#include "inspection/violation.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace dravlen {

namespace {

constexpr int kFieldOutOfService = 5;
constexpr int kFieldCitation = 6;
constexpr int kFieldUnit = 9;
constexpr std::size_t kMaxSavedCitation = 255;

// The second and later bytes of a UTF-8 character.
bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Copies an edited text into a fixed field.  The saved list text separates
// its fields with "~", so a "~" typed into a description or citation would
// break the record and lose every later violation when the truckload is
// reopened: it is stored as "-".
// A UTF-8 text is cut after `chars` characters and never inside one.
void CopyBounded(char *dest, std::size_t size, std::size_t chars, const char *text)
{
    std::size_t n = 0;
    for (std::size_t i = 0; text && text[i] != '\0';) {
        std::size_t length = 1;
        while (IsContinuation(text[i + length]))
            ++length;
        if (chars == 0 || length > size - 1 - n)
            break;
        --chars;
        for (; length > 0; --length, ++i)
            dest[n++] = text[i] == '~' ? '-' : text[i];
    }
    dest[n] = '\0';
}

bool Field(const Violation *v, int f, char c)
{
    const char *text = GetField_VIRec(v->row, f);
    return text && text[0] == c && text[1] == '\0';
}

void Link(ViolationList *list, Violation *v, Violation *before)
{
    Violation **slot = &list->head;
    while (*slot && *slot != before)
        slot = &(*slot)->next;
    v->next = *slot;
    *slot = v;
    if (!v->disabled)
        ++list->enabledCount;
}

} // namespace

bool InitViolation(Violation *v, const char *citation)
{
    if (!citation)
        return false;
    const int index = SearchVI_HazData(citation);
    const VIRec *row = index >= 0 ? GetVIRec_HazData(index) : nullptr;
    if (!row)
        return false;
    std::memset(v, 0, sizeof *v);
    v->row = row;
    // Out-of-service criteria: "Y" and "P" (pending) put the unit out of
    // service; "N" and an unknown indicator do not.
    v->outOfService = Field(v, kFieldOutOfService, 'Y') || Field(v, kFieldOutOfService, 'P');
    v->questionRef = kVehicleRuleRef;
    v->unit = Field(v, kFieldUnit, 'V') ? '1' : 'D';
    return true;
}

void SetDescriptionText(Violation *v, const char *text)
{
    CopyBounded(v->description, sizeof v->description, kViolationDescriptionChars, text);
}

void SetCitationText(Violation *v, const char *text)
{
    CopyBounded(v->citation, sizeof v->citation, kViolationCitationChars, text);
}

int AddToList(ViolationList *list, const char *citation, int32_t ref)
{
    Violation probe;
    if (!InitViolation(&probe, citation))
        return 0;
    Violation *before = nullptr;
    if (ref != kHandAddedRef) {
        for (Violation *v = list->head; v; v = v->next) {
            if (v->questionRef == ref)
                return 1;
            if (!before && v->questionRef > ref)
                before = v;
        }
    }
    auto *v = static_cast<Violation *>(std::malloc(sizeof(Violation)));
    if (!v)
        return 0;
    *v = probe;
    v->questionRef = ref;
    Link(list, v, before);
    return 1;
}

Violation *FindReference(const ViolationList &list, int32_t ref)
{
    for (Violation *v = list.head; v; v = v->next) {
        if (v->questionRef == ref)
            return v;
    }
    return nullptr;
}

namespace {

template <typename Pred>
void RemoveIf(ViolationList *list, Pred pred)
{
    Violation **slot = &list->head;
    while (*slot) {
        Violation *v = *slot;
        if (pred(v)) {
            *slot = v->next;
            if (!v->disabled && list->enabledCount > 0)
                --list->enabledCount;
            std::free(v);
        } else {
            slot = &v->next;
        }
    }
}

} // namespace

void RemoveReference(ViolationList *list, int32_t ref)
{
    RemoveIf(list, [ref](const Violation *v) { return v->questionRef == ref; });
}

void RemoveReferencesOutside(ViolationList *list, int64_t first, int64_t count)
{
    RemoveIf(list, [first, count](const Violation *v) {
        return v->questionRef < first || v->questionRef >= first + count;
    });
}

void FreeViolationList(ViolationList *list)
{
    Violation *v = list->head;
    while (v) {
        Violation *next = v->next;
        std::free(v);
        v = next;
    }
    list->head = nullptr;
    list->enabledCount = 0;
}

uint32_t ListLength(const ViolationList &list)
{
    uint32_t n = 0;
    for (const Violation *v = list.head; v; v = v->next)
        ++n;
    return n;
}

Violation *ListAt(const ViolationList &list, uint32_t n, bool filtered)
{
    for (Violation *v = list.head; v; v = v->next) {
        if (filtered && v->disabled)
            continue;
        if (n == 0)
            return v;
        --n;
    }
    return nullptr;
}

void RestoreList(ViolationList *list)
{
    for (Violation *v = list->head; v; v = v->next) {
        if (v->disabled) {
            v->disabled = 0;
            ++list->enabledCount;
        }
    }
}

bool HasDisabled(const ViolationList &list)
{
    for (const Violation *v = list.head; v; v = v->next) {
        if (v->disabled)
            return true;
    }
    return false;
}

std::string WriteListText(const ViolationList &list)
{
    std::string text = "0";
    for (const Violation *v = list.head; v; v = v->next) {
        const char *citation = GetField_VIRec(v->row, kFieldCitation);
        text += citation ? citation : "";
        text += '~';
        text += v->disabled ? 'Y' : 'N';
        text += v->outOfService ? 'Y' : 'N';
        text += v->unit;
        text += std::to_string(v->questionRef);
        text += '~';
        text += v->description;
        text += '~';
        text += v->citation;
        text += '~';
    }
    return text;
}

namespace {

// Reads up to the next '~' into out (at most max characters); false when
// there is no '~' or the field is longer.
bool ReadField(const char *&p, std::string &out, std::size_t max)
{
    const char *end = std::strchr(p, '~');
    if (!end)
        return false;
    std::size_t chars = 0;
    for (const char *c = p; c < end; ++c)
        chars += IsContinuation(*c) ? 0 : 1;
    if (chars > max)
        return false;
    out.assign(p, end);
    p = end + 1;
    return true;
}

bool ReadReference(const char *&p, int32_t &ref)
{
    const char *start = p;
    if (*p == '-' || *p == '+')
        ++p;
    const char *digits = p;
    while (*p >= '0' && *p <= '9')
        ++p;
    if (p == digits || *p != '~')
        return false;
    errno = 0;
    const long long value = std::strtoll(start, nullptr, 10);
    if (errno == ERANGE || value < INT32_MIN || value > INT32_MAX)
        return false;
    ref = static_cast<int32_t>(value);
    ++p; // the '~'
    return true;
}

} // namespace

void ReadListText(ViolationList *list, const char *text)
{
    FreeViolationList(list);
    if (!text || text[0] != '0')
        return;
    const char *p = text + 1;
    Violation *tail = nullptr;
    while (*p) {
        std::string citation, description, override;
        if (!ReadField(p, citation, kMaxSavedCitation))
            return;
        // Three flag characters, none of them the terminator or a separator.
        char flags[3];
        for (char &c : flags) {
            if (*p == '\0' || *p == '~')
                return;
            c = *p++;
        }
        int32_t ref = 0;
        if (!ReadReference(p, ref))
            return;
        if (!ReadField(p, description, kViolationDescriptionChars) ||
            !ReadField(p, override, kViolationCitationChars))
            return;
        Violation record;
        if (!InitViolation(&record, citation.c_str()))
            continue; // unknown citation: this record only is dropped
        auto *v = static_cast<Violation *>(std::malloc(sizeof(Violation)));
        if (!v)
            return;
        *v = record;
        v->disabled = flags[0] == 'Y';
        v->outOfService = flags[1] == 'Y';
        v->unit = flags[2];
        v->questionRef = ref;
        SetDescriptionText(v, description.c_str());
        SetCitationText(v, override.c_str());
        v->next = nullptr;
        if (tail)
            tail->next = v;
        else
            list->head = v;
        tail = v;
        if (!v->disabled)
            ++list->enabledCount;
    }
}

} // namespace dravlen
