// The compliance output records and the accessors through which callers
// read a computation's results.
#include "compute/output_build.h"

#include <cstdlib>
#include <cstring>

namespace dravlen {

namespace {

// The placard key (see GetHash_Placard).
constexpr uint32_t kIdPlacardBit = 1u << 13;
constexpr uint32_t kNotDangerousBit = 1u << 12;
constexpr uint32_t kDangerousLowBits = 4; // class 0, division 0, letter 'D'

bool IsVisibleAllowed(const PlacOp &op, const Placard &allowed)
{
    const uint32_t key = GetHash_Placard(&allowed);
    for (int i = 0; i < op.placardCount; ++i) {
        if (GetHash_Placard(&op.placards[i]) == key)
            return false;
    }
    return !(op.coverageValid && GetHash_Placard(&op.coverage) == key);
}

// Index of the first visible allowed placard at or after `from`, or
// allowedCount when there is none.
int NextVisibleAllowed(const Output *out, int from)
{
    int i = from < 0 ? 0 : from;
    while (i < out->allowedCount && !IsVisibleAllowed(*out->current, out->allowed[i]))
        ++i;
    return i;
}

template <typename T>
int CopyOut(const T *record, T *out)
{
    if (!record)
        return 0;
    if (out)
        *out = *record;
    return 1;
}

} // namespace

} // namespace dravlen

using namespace dravlen;

extern "C" {

/* ---- sizes and storage ---- */

DRAVLEN_API int GetSizeOf_Output(void) { return sizeof(Output); }
DRAVLEN_API int GetSizeOf_Placard(void) { return sizeof(Placard); }
DRAVLEN_API int GetSizeOf_Marking(void) { return sizeof(Marking); }
DRAVLEN_API int GetSizeOf_HazSeg(void) { return sizeof(HazSeg); }
DRAVLEN_API Output *Alloc_Output(void) { return static_cast<Output *>(std::malloc(sizeof(Output))); }
DRAVLEN_API Placard *Alloc_Placard(void) { return static_cast<Placard *>(std::malloc(sizeof(Placard))); }
DRAVLEN_API Marking *Alloc_Marking(void) { return static_cast<Marking *>(std::malloc(sizeof(Marking))); }
DRAVLEN_API HazSeg *Alloc_HazSeg(void) { return static_cast<HazSeg *>(std::malloc(sizeof(HazSeg))); }

/* ---- the output ---- */

DRAVLEN_API void Init_Output(Output *output)
{
    std::memset(output, 0, sizeof *output);
    output->legal = 1;
    output->undetermined = 0;
}

DRAVLEN_API void Reset_Output(Output *output)
{
    for (int i = 0; i < output->optionCount; ++i) {
        std::free(output->options[i].placards);
        std::free(output->options[i].markings);
    }
    std::free(output->options);
    std::free(output->allowed);
    std::free(output->messages);
    Init_Output(output);
}

DRAVLEN_API int GetNumPlacOps_Output(const Output *output) { return output->optionCount; }

DRAVLEN_API PlacOp *SetPlacOp_Output(Output *output, uint32_t index)
{
    if (index >= static_cast<uint32_t>(output->optionCount))
        return nullptr;
    output->current = output->options + index;
    return output->current;
}

DRAVLEN_API int GetLegality_Output(const Output *output)
{
    if (output->undetermined)
        return 2;
    return output->legal ? 0 : 1;
}

/* ---- placards of the current option ---- */

DRAVLEN_API int GetNumPlacards_Output(const Output *output)
{
    return output->current ? output->current->placardCount : 0;
}

DRAVLEN_API Placard *GetFirstPlacardPointer_Output(Output *output)
{
    PlacOp *op = output->current;
    if (!op)
        return nullptr;
    op->placardCursor = 0;
    return op->placardCount > 0 ? &op->placards[0] : nullptr;
}

DRAVLEN_API Placard *GetNextPlacardPointer_Output(Output *output)
{
    PlacOp *op = output->current;
    if (!op)
        return nullptr;
    if (++op->placardCursor >= op->placardCount) {
        op->placardCursor = 0;
        return nullptr;
    }
    return &op->placards[op->placardCursor];
}

DRAVLEN_API int GetFirstPlacard_Output(Output *output, Placard *out)
{
    return CopyOut(GetFirstPlacardPointer_Output(output), out);
}

DRAVLEN_API int GetNextPlacard_Output(Output *output, Placard *out)
{
    return CopyOut(GetNextPlacardPointer_Output(output), out);
}

DRAVLEN_API Placard *GetPlacardPointer_Output(Output *output, uint32_t index)
{
    PlacOp *op = output->current;
    if (!op || index >= static_cast<uint32_t>(op->placardCount))
        return nullptr;
    return &op->placards[index];
}

DRAVLEN_API int GetCurrentPlacardIndex(const Output *output)
{
    return output->current ? output->current->placardCursor : -1;
}

/* ---- markings of the current option ---- */

DRAVLEN_API int GetNumMarkings_Output(const Output *output)
{
    return output->current ? output->current->markingCount : 0;
}

DRAVLEN_API Marking *GetFirstMarkingPointer_Output(Output *output)
{
    PlacOp *op = output->current;
    if (!op)
        return nullptr;
    op->markingCursor = 0;
    return op->markingCount > 0 ? &op->markings[0] : nullptr;
}

DRAVLEN_API Marking *GetNextMarkingPointer_Output(Output *output)
{
    PlacOp *op = output->current;
    if (!op)
        return nullptr;
    if (++op->markingCursor >= op->markingCount) {
        op->markingCursor = 0;
        return nullptr;
    }
    return &op->markings[op->markingCursor];
}

DRAVLEN_API int GetFirstMarking_Output(Output *output, Marking *out)
{
    return CopyOut(GetFirstMarkingPointer_Output(output), out);
}

DRAVLEN_API int GetNextMarking_Output(Output *output, Marking *out)
{
    return CopyOut(GetNextMarkingPointer_Output(output), out);
}

DRAVLEN_API Marking *GetMarkingPointer_Output(Output *output, uint32_t index)
{
    PlacOp *op = output->current;
    if (!op || index >= static_cast<uint32_t>(op->markingCount))
        return nullptr;
    return &op->markings[index];
}

/* ---- allowed placards visible for the current option ---- */

DRAVLEN_API Placard *GetFirstAllowedPlacardPointer_Output(Output *output)
{
    if (!output->current)
        return nullptr;
    output->allowedCursor = NextVisibleAllowed(output, 0);
    return output->allowedCursor < output->allowedCount ? &output->allowed[output->allowedCursor]
                                                        : nullptr;
}

DRAVLEN_API Placard *GetNextAllowedPlacardPointer_Output(Output *output)
{
    if (!output->current || output->allowedCursor >= output->allowedCount)
        return nullptr;
    output->allowedCursor = NextVisibleAllowed(output, output->allowedCursor + 1);
    return output->allowedCursor < output->allowedCount ? &output->allowed[output->allowedCursor]
                                                        : nullptr;
}

DRAVLEN_API int GetFirstAllowedPlacard_Output(Output *output, Placard *out)
{
    return CopyOut(GetFirstAllowedPlacardPointer_Output(output), out);
}

DRAVLEN_API int GetNextAllowedPlacard_Output(Output *output, Placard *out)
{
    return CopyOut(GetNextAllowedPlacardPointer_Output(output), out);
}

DRAVLEN_API int GetNumAllowedPlacards_Output(Output *output)
{
    int n = 0;
    for (Placard *p = GetFirstAllowedPlacardPointer_Output(output); p;
         p = GetNextAllowedPlacardPointer_Output(output))
        ++n;
    return n;
}

DRAVLEN_API Placard *GetAllowedPlacardPointer_Output(Output *output, uint32_t n)
{
    if (!output->current)
        return nullptr;
    uint32_t seen = 0;
    for (int i = NextVisibleAllowed(output, 0); i < output->allowedCount;
         i = NextVisibleAllowed(output, i + 1)) {
        if (seen++ == n)
            return &output->allowed[i];
    }
    return nullptr;
}

/* ---- segregation and legality messages ---- */

DRAVLEN_API int GetNumSegregations_Output(const Output *output) { return output->messageCount; }

DRAVLEN_API int GetFirstSegregation_Output(Output *output, HazSeg *out)
{
    output->messageCursor = 0;
    return output->messageCount > 0 ? CopyOut(&output->messages[0], out) : 0;
}

DRAVLEN_API int GetNextSegregation_Output(Output *output, HazSeg *out)
{
    // Past the end the cursor stays there until the next first call.
    if (output->messageCursor < output->messageCount)
        ++output->messageCursor;
    if (output->messageCursor >= output->messageCount)
        return 0;
    return CopyOut(&output->messages[output->messageCursor], out);
}

/* ---- Placard ---- */

DRAVLEN_API int GetClass_Placard(const Placard *p) { return p->hazClass; }
DRAVLEN_API int GetDivision_Placard(const Placard *p) { return p->division; }
DRAVLEN_API char GetCompatGroup_Placard(const Placard *p) { return p->hazClass == 1 ? p->letter : 0; }
DRAVLEN_API char GetRawCompatGroup_Placard(const Placard *p) { return p->letter; }
DRAVLEN_API int IsPrimary_Placard(const Placard *p) { return p->primary; }
DRAVLEN_API int IsBulk_Placard(const Placard *p) { return p->marking.type != 0 ? 1 : 0; }
DRAVLEN_API int GetIDNo_Placard(const Placard *p) { return p->marking.type != 0 ? p->marking.idNumber : 0; }
DRAVLEN_API int GetIDNoBypass_Placard(const Placard *p) { return p->marking.idNumber; }

DRAVLEN_API uint32_t GetHash_Placard(const Placard *p)
{
    const bool idPlacard = p->marking.type != 0;
    uint32_t letter = 0;
    if (p->letter >= 'A' && p->letter <= 'Z' && p->hazClass != 1)
        letter = static_cast<uint32_t>(p->letter - 'A' + 1);
    // FLAMMABLE and GASOLINE with the number look alike: the key of an ID
    // placard of class 3 ignores the variant letters F and G.
    if (idPlacard && p->hazClass == 3 && p->division == 0 && (p->letter == 'F' || p->letter == 'G'))
        letter = 0;
    uint32_t key = letter | (static_cast<uint32_t>(p->division) & 0x7u) << 5
                 | (static_cast<uint32_t>(p->hazClass) & 0xFu) << 8;
    if (key != kDangerousLowBits)
        key |= kNotDangerousBit;
    if (idPlacard)
        key |= kIdPlacardBit;
    return key;
}

/* ---- Marking ---- */

DRAVLEN_API int GetType_Marking(const Marking *m) { return m->type; }
DRAVLEN_API int GetPID_Marking(const Marking *m) { return m->pid; }
DRAVLEN_API int GetIDNo_Marking(const Marking *m) { return m->idNumber; }
DRAVLEN_API const char *GetPSN_Marking(const Marking *m) { return m->psn; }

/* ---- HazSeg ---- */

DRAVLEN_API int GetType_HazSeg(const HazSeg *s) { return s->type; }
DRAVLEN_API int GetMsg_HazSeg(const HazSeg *s) { return s->msg; }
DRAVLEN_API int GetPID1_HazSeg(const HazSeg *s) { return s->pid1; }
DRAVLEN_API int GetPID2_HazSeg(const HazSeg *s) { return s->pid2; }
DRAVLEN_API const char *GetID1_HazSeg(const HazSeg *s) { return s->id1 ? s->id1 : ""; }
DRAVLEN_API const char *GetID2_HazSeg(const HazSeg *s) { return s->id2 ? s->id2 : ""; }
DRAVLEN_API const char *GetClass1_HazSeg(const HazSeg *s) { return s->class1 ? s->class1 : ""; }
DRAVLEN_API const char *GetClass2_HazSeg(const HazSeg *s) { return s->class2 ? s->class2 : ""; }
DRAVLEN_API const char *GetReason_HazSeg(const HazSeg *s) { return s->reason; }
DRAVLEN_API const char *GetCitation_HazSeg(const HazSeg *s) { return s->citation; }

} // extern "C"
