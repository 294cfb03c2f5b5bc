// List operations on the compliance output.
#include "compute/output_build.h"

#include "compute/record_array.h"

#include <algorithm>
#include <cstring>

namespace dravlen {

namespace {

bool IsIdMarking(int type)
{
    return type >= 1 && type <= 3;
}

void FreeOption(PlacOp &op)
{
    std::free(op.placards);
    std::free(op.markings);
    op.placards = nullptr;
    op.markings = nullptr;
    op.placardCount = 0;
    op.markingCount = 0;
}

int CurrentIndex(const Output *out)
{
    return out->current ? static_cast<int>(out->current - out->options) : -1;
}

bool SamePlacard(const Placard &a, const Placard &b)
{
    return a.hazClass == b.hazClass && a.division == b.division && a.letter == b.letter
        && a.flammableAllowed == b.flammableAllowed && SameMarking(a.marking, b.marking);
}

bool SameOption(const PlacOp &a, const PlacOp &b)
{
    if (a.placardCount != b.placardCount || a.markingCount != b.markingCount)
        return false;
    for (int i = 0; i < a.placardCount; ++i) {
        if (!SamePlacard(a.placards[i], b.placards[i]))
            return false;
    }
    for (int i = 0; i < a.markingCount; ++i) {
        if (!SameMarking(a.markings[i], b.markings[i]))
            return false;
    }
    return true;
}

} // namespace

bool SameMarking(const Marking &a, const Marking &b)
{
    if (IsIdMarking(a.type) && IsIdMarking(b.type))
        return a.idNumber == b.idNumber;
    if (a.type != b.type)
        return false;
    switch (a.type) {
    case 0: case 4: case 5: case 6: case 8: case 9: case 10: case 11: case 12: case 13:
        return true;
    case 7:
        if (!a.psn || !b.psn)
            return a.psn == b.psn;
        return std::strcmp(a.psn, b.psn) == 0;
    default:
        return false;
    }
}

bool MarkingBefore(const Marking &a, const Marking &b)
{
    if (IsIdMarking(a.type) && IsIdMarking(b.type))
        return a.idNumber < b.idNumber;
    return a.type < b.type;
}

int AppendPlacOp(Output *out)
{
    const int index = out->optionCount;
    const int current = CurrentIndex(out);
    if (!InsertSlot(out->options, out->optionCount, index)) {
        if (current >= 0)
            out->current = out->options + current;
        return -1;
    }
    out->current = out->options + index;
    return index;
}

int ClonePlacOp(Output *out)
{
    const int source = CurrentIndex(out);
    if (source < 0)
        return -1;
    const int index = out->optionCount;
    if (!InsertSlot(out->options, out->optionCount, index)) {
        out->current = out->options + source;
        return -1;
    }
    PlacOp &copy = out->options[index];
    copy = out->options[source];
    copy.placards = CopyArray(copy.placards, copy.placardCount);
    copy.markings = CopyArray(copy.markings, copy.markingCount);
    if ((copy.placardCount > 0 && !copy.placards) || (copy.markingCount > 0 && !copy.markings)) {
        FreeOption(copy);
        RemoveSlot(out->options, out->optionCount, index);
        out->current = out->options + source;
        return -1;
    }
    out->current = out->options + index;
    return index;
}

void SortPlacOp(Output *out)
{
    PlacOp *op = out->current;
    if (!op)
        return;
    // An option shows a few placards and markings, most often already in
    // order (an option is sorted again whenever it is compared): a stable
    // insertion sort, each placard's key worked out once.
    constexpr int kShort = 64;
    if (op->placardCount <= kShort) {
        uint32_t keys[kShort];
        for (int i = 0; i < op->placardCount; ++i) {
            const Placard p = op->placards[i];
            const uint32_t key = GetHash_Placard(&p);
            int j = i;
            for (; j > 0 && key < keys[j - 1]; --j) {
                keys[j] = keys[j - 1];
                op->placards[j] = op->placards[j - 1];
            }
            keys[j] = key;
            op->placards[j] = p;
        }
    } else {
        std::stable_sort(op->placards, op->placards + op->placardCount,
                         [](const Placard &a, const Placard &b) {
                             return GetHash_Placard(&a) < GetHash_Placard(&b);
                         });
    }
    if (op->markingCount <= kShort) {
        for (int i = 1; i < op->markingCount; ++i) {
            const Marking m = op->markings[i];
            int j = i;
            for (; j > 0 && MarkingBefore(m, op->markings[j - 1]); --j)
                op->markings[j] = op->markings[j - 1];
            op->markings[j] = m;
        }
    } else {
        std::stable_sort(op->markings, op->markings + op->markingCount, MarkingBefore);
    }
}

bool RemoveDuplicatePlacOp(Output *out)
{
    const int index = CurrentIndex(out);
    if (index < 0)
        return false;
    SortPlacOp(out);
    for (int i = 0; i < out->optionCount; ++i) {
        if (i == index || !SameOption(out->options[i], out->options[index]))
            continue;
        FreeOption(out->options[index]);
        RemoveSlot(out->options, out->optionCount, index);
        out->current = out->options; // at least option i remains
        return true;
    }
    return false;
}

int AppendPlacard(Output *out, const Placard &placard)
{
    PlacOp *op = out->current;
    if (!op)
        return -1;
    const int index = op->placardCount;
    Placard *slot = InsertSlot(op->placards, op->placardCount, index);
    if (!slot)
        return -1;
    *slot = placard;
    return index;
}

bool InsertMarking(Output *out, const Marking &marking)
{
    PlacOp *op = out->current;
    if (!op)
        return false;
    int at = op->markingCount;
    for (int i = 0; i < op->markingCount; ++i) {
        const Marking &m = op->markings[i];
        // 172.301(a)(3), 172.302(a), 172.313(c): one number is shown once.
        if (IsIdMarking(marking.type) && IsIdMarking(m.type) && m.idNumber == marking.idNumber)
            return false;
        // 172.325(a): one HOT marking serves the whole vehicle.
        if (marking.type == 11 && m.type == 11)
            return false;
        if (at == op->markingCount && m.type >= marking.type)
            at = i;
    }
    Marking *slot = InsertSlot(op->markings, op->markingCount, at);
    if (!slot)
        return false;
    *slot = marking;
    return true;
}

void RemovePlacard(Output *out, int index)
{
    if (PlacOp *op = out->current)
        RemoveSlot(op->placards, op->placardCount, index);
}

void RemoveMarking(Output *out, int index)
{
    if (PlacOp *op = out->current)
        RemoveSlot(op->markings, op->markingCount, index);
}

bool InsertAllowedPlacard(Output *out, const Placard &placard)
{
    const uint32_t key = GetHash_Placard(&placard);
    int at = 0;
    while (at < out->allowedCount && GetHash_Placard(&out->allowed[at]) < key)
        ++at;
    if (at < out->allowedCount && GetHash_Placard(&out->allowed[at]) == key)
        return false;
    Placard *slot = InsertSlot(out->allowed, out->allowedCount, at);
    if (!slot)
        return false;
    *slot = placard;
    return true;
}

void ApplyMessageLegality(Output *out, int32_t type)
{
    if (type == 1) {
        // Do not load (177.848(d)): the load is illegal whatever else is found.
        out->legal = 0;
        out->undetermined = 0;
    } else if (type == 3 && out->legal) {
        // Illegal only under a condition the user must judge.
        out->undetermined = 1;
    }
}

void InsertMessage(Output *out, const HazSeg &message)
{
    ApplyMessageLegality(out, message.type);
    int at = 0;
    while (at < out->messageCount && out->messages[at].msg < message.msg)
        ++at;
    HazSeg *slot = nullptr;
    for (int k = at; k < out->messageCount && out->messages[k].msg == message.msg; ++k) {
        if (SameMessage(out->messages[k], message)) {
            // The newer copy is the one kept, at the head of its code.
            std::memmove(&out->messages[at + 1], &out->messages[at], sizeof(HazSeg) * (k - at));
            slot = &out->messages[at];
            break;
        }
    }
    if (!slot)
        slot = InsertSlot(out->messages, out->messageCount, at);
    if (!slot)
        return;
    *slot = message;
    slot->reason[sizeof slot->reason - 1] = '\0';
    slot->citation[sizeof slot->citation - 1] = '\0';
}

namespace {
bool SameText(const char *a, const char *b)
{
    return std::strcmp(a ? a : "", b ? b : "") == 0;
}
} // namespace

bool SameMessage(const HazSeg &a, const HazSeg &b)
{
    return a.type == b.type && a.msg == b.msg && SameText(a.id1, b.id1) && SameText(a.id2, b.id2) &&
           SameText(a.class1, b.class1) && SameText(a.class2, b.class2);
}

void RemoveMessage(Output *out, int index)
{
    RemoveSlot(out->messages, out->messageCount, index);
}

} // namespace dravlen
