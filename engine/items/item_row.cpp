// The table row behind an item, looked up afresh through its PID in the
// current ruleset, and the item's packing-group slot.
#include "items/hazmat_internal.h"
#include "items/qualifier_bits.h"
#include "refdata/hmt_table.h"

#include <cstring>

namespace dravlen {

bool IDIsOneOf(const char *id, std::initializer_list<const char *> ids)
{
    if (!id)
        return false;
    for (const char *candidate : ids) {
        if (std::strcmp(id, candidate) == 0)
            return true;
    }
    return false;
}

// "UN" followed by a number within [low, high].
bool UNInRange(const char *id, int low, int high)
{
    if (!id || std::strncmp(id, "UN", 2) != 0 || std::strlen(id) != 6)
        return false;
    int number = 0;
    for (int i = 2; i < 6; ++i) {
        if (id[i] < '0' || id[i] > '9')
            return false;
        number = number * 10 + (id[i] - '0');
    }
    return number >= low && number <= high;
}

bool HasHazardCode(const Hazmat *item, const char *text)
{
    return HasHazardCode(ReadItem(item), text);
}

bool HasHazardCode(const ItemReading &r, const char *text)
{
    for (int i = 0; i < r.hazardCount; ++i) {
        const char *code = HazardCode(r, i);
        if (code && std::strcmp(code, text) == 0)
            return true;
    }
    return false;
}

ItemReading ReadItem(const Hazmat *item)
{
    ItemReading r;
    r.item = item;
    r.row = ItemRow(item);
    r.stored = StoredExemptions(item);
    if (!r.row)
        return r;
    r.slot = ItemSlot(item);
    // HazardCodeSlot: the chosen slot, else packing group I when the row
    // has it, else II.
    const int codeSlot = r.slot >= 0 ? r.slot : (r.row->slot[1] ? 1 : 2);
    if (const CTSlot *s = r.row->slot[codeSlot]) {
        r.labels = s->list[kColLabelCodes - 5];
        r.labelCount = static_cast<int>(s->count[kColLabelCodes - 5]);
    }
    // The primary hazard and the subsidiary label codes; exemptions 10 and
    // 32 declare one more subsidiary hazard (see hazard_codes.cpp).
    r.hazardCount = r.labelCount < 1 ? 1 : r.labelCount;
    if (Held(r, 10))
        r.declared = "3";
    else if (Held(r, 32))
        r.declared = "8";
    if (r.declared)
        ++r.hazardCount;
    Init_HazDiv(&r.primary, HazardCode(r, 0));
    return r;
}


const CTRec *ItemRow(const Hazmat *item)
{
    if (item == nullptr || item->pid <= 0)
        return nullptr;
    return GetCTRec_HazData(item->pid);
}

int ItemSlot(const Hazmat *item)
{
    // The code is slot + 1 so that 0 can mean "not chosen"; codes 5-7 never
    // come from a setter and read as "not chosen" too.
    const uint32_t code = item->wordA & bits::kPackingGroupMask;
    return (code >= 1 && code <= 4) ? static_cast<int>(code) - 1 : -1;
}

int HazardCodeSlot(const Hazmat *item, const CTRec *row)
{
    const int slot = ItemSlot(item);
    if (slot >= 0)
        return slot;
    return HasPackingGroup_CTRec(row, 1) ? 1 : 2;
}

const char *ItemID(const Hazmat *item)
{
    const CTRec *row = ItemRow(item);
    return row ? GetElement_CTRec(row, -1, kColIDNumber, 0) : nullptr;
}

const char *ItemID(const ItemReading &r)
{
    return r.row ? r.row->id : nullptr;
}

bool SlotHas(const Hazmat *item, int code, const char *text)
{
    const CTRec *row = ItemRow(item);
    const int slot = ItemSlot(item);
    return row && slot >= 0 && HasElement_CTRec(row, slot, code, text);
}

bool SlotHas(const ItemReading &r, int code, const char *text)
{
    // HasElement_CTRec on the slot's list, read in place: the calculation
    // asks a few of these of every kind of item.
    if (!r.row || r.slot < 0 || r.slot > 3 || code < kColLabelCodes || code > kColLabelCodes + 8 || !text)
        return r.row && r.slot >= 0 && HasElement_CTRec(r.row, r.slot, code, text);
    const CTSlot *s = r.row->slot[r.slot];
    if (!s)
        return false;
    const char *const *list = s->list[code - kColLabelCodes];
    const uint32_t n = s->count[code - kColLabelCodes];
    for (uint32_t i = 0; i < n; ++i)
        if (list[i][0] == text[0] && std::strcmp(list[i], text) == 0)
            return true;
    return false;
}

bool RowHasSlot(const Hazmat *item, int slot)
{
    const CTRec *row = ItemRow(item);
    return row && HasPackingGroup_CTRec(row, slot);
}

char ChosenZone(const Hazmat *item)
{
    const uint32_t zone = item->wordA & bits::kZoneMask;
    if (zone < bits::kZoneA || zone > bits::kZoneA + 3 * 0x1000)
        return 0;
    return static_cast<char>('A' + (zone - bits::kZoneA) / 0x1000);
}

} // namespace dravlen
