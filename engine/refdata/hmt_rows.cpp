// Row accessors and derived predicates of Hazardous Materials Table rows.
// Every text returned points into the embedded table (library-owned).
#include "refdata/hmt_table.h"

#include <cstring>
#include <initializer_list>

using namespace dravlen;

namespace {

enum Code {
    kSymbols = 0, kPsn = 1, kClass = 2, kId = 3, kPackingGroup = 4,
    kFirstSlotCode = 5, kSpecialProvisions = 6, kPackagingExceptions = 7,
    kLastSlotCode = 13, kShippingNames = 14, kCas = 15, kDescriptions = 16
};

const char *const kPackingGroupText[4] = {"", "I", "II", "III"};

const CTSlot *Slot(const CTRec *row, int slot)
{
    return (row && slot >= 0 && slot < 4) ? row->slot[slot] : nullptr;
}

int Count(const CTRec *row, int slot, int code)
{
    if (row == nullptr)
        return 0;
    switch (code) {
    case kPsn: case kClass: case kId: return 1;
    case kSymbols: return int(row->symbolCount);
    case kShippingNames: case kDescriptions: return int(row->nameCount);
    case kCas: return int(row->casCount);
    case kPackingGroup: return Slot(row, slot) ? 1 : 0;
    default:
        if (code >= kFirstSlotCode && code <= kLastSlotCode) {
            const CTSlot *s = Slot(row, slot);
            return s ? int(s->count[code - kFirstSlotCode]) : 0;
        }
        return 0;
    }
}

const char *Element(const CTRec *row, int slot, int code, int index)
{
    if (index < 0 || index >= Count(row, slot, code))
        return nullptr;
    switch (code) {
    case kPsn: return row->psn;
    case kClass: return row->hazClass;
    case kId: return row->id;
    case kSymbols: return row->symbols[index];
    case kShippingNames: return row->names[index];
    case kDescriptions: return row->descs[index];
    case kCas: return row->cas[index];
    case kPackingGroup: return kPackingGroupText[slot];
    default: return Slot(row, slot)->list[code - kFirstSlotCode][index];
    }
}

template <typename Test>
int AnyElement(const CTRec *row, int slot, int code, Test test)
{
    if (slot == -2) {
        for (int s = 0; s < 4; ++s)
            if (AnyElement(row, s, code, test))
                return 1;
        return 0;
    }
    const int n = Count(row, slot, code);
    if (n <= 0)
        return 0;
    // The lists of a row are read in place: Element checks its bounds on
    // every call, and these predicates are asked many times per calculation.
    const char *const *list = nullptr;
    switch (code) {
    case kSymbols: list = row->symbols; break;
    case kShippingNames: list = row->names; break;
    case kDescriptions: list = row->descs; break;
    case kCas: list = row->cas; break;
    default:
        if (code >= kFirstSlotCode && code <= kLastSlotCode)
            list = Slot(row, slot)->list[code - kFirstSlotCode];
        break;
    }
    if (list == nullptr)
        return test(Element(row, slot, code, 0)) ? 1 : 0;
    for (int i = 0; i < n; ++i)
        if (test(list[i]))
            return 1;
    return 0;
}

bool SlotHas(const CTRec *row, int slot, const char *text)
{
    return HasElement_CTRec(row, slot, kSpecialProvisions, text) != 0;
}

} // namespace

extern "C" {

DRAVLEN_API const char *GetCTColName(int code)
{
    static const char *const kTitles[17] = {
        "Symbols", "Proper Shipping Name", "Hazard Class", "ID Number", "Packing Group",
        "Label Codes", "Special Provisions", "Packaging Exceptions", "Non-Bulk Packaging",
        "Bulk Packaging", "Passenger Aircraft / Rail Quantity Limitations",
        "Cargo Aircraft Quantity Limitations", "Vessel Stowage Location", "Vessel Stowage Other",
        "Shipping Names", "Related CAS Numbers", "Shipping Name Descriptions"};
    return (code >= 0 && code <= 16) ? kTitles[code] : nullptr;
}

DRAVLEN_API int GetPID_CTRec(const CTRec *row) { return row ? row->pid : 0; }

DRAVLEN_API int ActiveInRuleset_CTRec(const CTRec *row, int ruleset)
{
    return row && RowValidIn(row, ruleset) ? 1 : 0;
}

DRAVLEN_API int GetNumElements_CTRec(const CTRec *row, int slot, int code)
{
    return Count(row, slot, code);
}

DRAVLEN_API const char *GetElement_CTRec(const CTRec *row, int slot, int code, int index)
{
    return Element(row, slot, code, index);
}

DRAVLEN_API int HasElement_CTRec(const CTRec *row, int slot, int code, const char *text)
{
    if (text == nullptr)
        return 0;
    return AnyElement(row, slot, code, [text](const char *e) { return e[0] == text[0] && std::strcmp(e, text) == 0; });
}

DRAVLEN_API int Query_CTRec(const CTRec *row, int slot, int code, const char *words)
{
    if (words == nullptr)
        return 0;
    return AnyElement(row, slot, code, [words](const char *e) { return MatchesWords(e, words); });
}

DRAVLEN_API int HasPackingGroup_CTRec(const CTRec *row, int slot) { return Slot(row, slot) ? 1 : 0; }

DRAVLEN_API int HasLabelCodes_CTRec(const CTRec *row, int slot)
{
    const CTSlot *s = Slot(row, slot);
    return s && s->count[0] > 0 ? 1 : 0;
}

DRAVLEN_API int IsLimitedQuantityAllowed_CTRec(const CTRec *row, int slot)
{
    return row && slot >= 0 && slot < 4 && (row->bits & (kBitLqSlot0 << slot)) ? 1 : 0;
}

DRAVLEN_API int IsBulkPackagingAllowed_CTRec(const CTRec *row, int slot)
{
    return row && slot >= 0 && slot < 4 && (row->bits & (kBitBulkSlot0 << slot)) ? 1 : 0;
}

DRAVLEN_API char GetPhysicalState_CTRec(const CTRec *row)
{
    if (row == nullptr)
        return 0;
    if (row->bits & kBitGas)
        return 'G';
    if (row->bits & kBitLiquid)
        return 'L';
    if (row->bits & kBitSolid)
        return 'S';
    return 0;
}

DRAVLEN_API int IsCyanide_CTRec(const CTRec *row) { return row && row->flags[0] == 'C'; }
DRAVLEN_API int IsAcid_CTRec(const CTRec *row) { return row && row->flags[1] == 'A'; }
DRAVLEN_API int IsLSA_CTRec(const CTRec *row) { return row && row->flags[2] == 'L'; }
DRAVLEN_API int IsSCO_CTRec(const CTRec *row) { return row && row->flags[2] == 'S'; }

// Inhalation hazard zones (172.102(c)(1)): special provisions 1-4 name
// zones A-D; provisions 5 and 6 admit every zone, and any of 1-4 or 6 means
// a zone must be named.  Anhydrous ammonia (UN1005) and ammonia solution
// (UN3318) are zone D materials whatever their provisions.
DRAVLEN_API int IsHazardZoneAllowed_CTRec(const CTRec *row, int slot, char zone)
{
    if (row == nullptr)
        return 0;
    const bool ammonia = row->pid == 472 || row->pid == 2331;
    switch (zone) {
    case 0:
        if (ammonia)
            return 0;
        for (const char *sp : {"1", "2", "3", "4", "6"})
            if (SlotHas(row, slot, sp))
                return 0;
        return 1;
    case 'A': case 'B': case 'C': {
        const char own[2] = {char('1' + (zone - 'A')), 0};
        return SlotHas(row, slot, own) || SlotHas(row, slot, "5") || SlotHas(row, slot, "6");
    }
    case 'D':
        return ammonia || SlotHas(row, slot, "4") || SlotHas(row, slot, "5") || SlotHas(row, slot, "6");
    default:
        return 0;
    }
}

// Highway route controlled quantities (173.403) are Class 7 packages other
// than Type A packages.
DRAVLEN_API int IsHRCQAllowed_CTRec(const CTRec *row)
{
    if (row == nullptr || std::strcmp(row->hazClass, "7") != 0)
        return 0;
    const bool typeA = ContainsNoCase(row->psn, "type a", 6);
    const bool typeB = ContainsNoCase(row->psn, "type b", 6);
    return (typeA && !typeB) ? 0 : 1;
}

DRAVLEN_API int IsYellowIIIAllowed_CTRec(const CTRec *row, int /*slot*/) { return row ? 1 : 0; }

} // extern "C"
