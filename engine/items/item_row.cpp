// The table row behind an item, looked up afresh through its PID in the
// current ruleset, and the item's packing-group slot.
#include "items/hazmat_internal.h"
#include "items/qualifier_bits.h"

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
    const int count = HazardCodeCount(item);
    for (int i = 0; i < count; ++i) {
        const char *code = HazardCode(item, i);
        if (code && std::strcmp(code, text) == 0)
            return true;
    }
    return false;
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

bool SlotHas(const Hazmat *item, int code, const char *text)
{
    const CTRec *row = ItemRow(item);
    const int slot = ItemSlot(item);
    return row && slot >= 0 && HasElement_CTRec(row, slot, code, text);
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
