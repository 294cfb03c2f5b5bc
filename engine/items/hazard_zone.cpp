// Hazard zone of a material poisonous by inhalation (49 CFR 173.116(a) for
// gases, 173.133(a) for liquids), as the special provisions 1-6 of 172.102
// allow it for the item's packing group.
#include "items/hazmat_internal.h"
#include "items/qualifier_bits.h"

namespace dravlen {

namespace {

// The zone of an item whose row (null: none) and slot are known.
char Zone(const Hazmat *item, const CTRec *row, int slot)
{
    if (!row)
        return 0;
    const uint32_t zone = item->wordA & bits::kZoneMask;
    if (zone == bits::kZoneNone)
        return 0;
    if (const char letter = ChosenZone(item))
        return letter;
    // Not chosen yet: "*" when going without a zone is possible, "?" when a
    // zone must still be chosen.
    return IsHazardZoneAllowed_CTRec(row, slot, 0) ? '*' : '?';
}

} // namespace

char HazardZone(const ItemReading &r) { return Zone(r.item, r.row, r.slot); }

bool PoisonByInhalation(const ItemReading &r)
{
    return r.row && (r.item->wordA & bits::kZoneMask) != bits::kZoneNone;
}

} // namespace dravlen

using namespace dravlen;

extern "C" {

DRAVLEN_API int IsHazardZoneAllowed_Hazmat(const Hazmat *item, char zone)
{
    const CTRec *row = ItemRow(item);
    if (!row)
        return 0;
    return IsHazardZoneAllowed_CTRec(row, ItemSlot(item), zone) ? 1 : 0;
}

DRAVLEN_API void SetHazardZone_Hazmat(Hazmat *item, char zone)
{
    if (zone != 0 && (zone < 'A' || zone > 'D'))
        return;
    if (!IsHazardZoneAllowed_Hazmat(item, zone))
        return;
    const uint32_t value = zone == 0 ? bits::kZoneNone
                                     : bits::kZoneA + static_cast<uint32_t>(zone - 'A') * 0x1000;
    item->wordA = (item->wordA & ~bits::kZoneMask) | value;
}

DRAVLEN_API char GetHazardZone_Hazmat(const Hazmat *item)
{
    return Zone(item, ItemRow(item), ItemSlot(item));
}

DRAVLEN_API const char *GetHazardZones_Hazmat(const Hazmat *item)
{
    const bool none = IsHazardZoneAllowed_Hazmat(item, 0) != 0;
    int letters = 0;
    char only = 0;
    for (char z = 'A'; z <= 'D'; ++z) {
        if (IsHazardZoneAllowed_Hazmat(item, z)) {
            ++letters;
            only = z;
        }
    }
    if (none)
        return letters == 4 ? "Zones A, B, C, D or n/a" : "n/a";
    if (letters == 4)
        return "Zones A, B, C, or D";
    if (letters == 1) {
        static const char *const kSingle[4] = {"Zone A", "Zone B", "Zone C", "Zone D"};
        return kSingle[only - 'A'];
    }
    return nullptr;
}

DRAVLEN_API int GetPIH_Hazmat(const Hazmat *item)
{
    if (!ItemRow(item))
        return 0;
    return (item->wordA & bits::kZoneMask) != bits::kZoneNone ? 1 : 0;
}

} // extern "C"
