// Small readings of an item that the segregation, permit and exemption rules
// share: its hazard codes, its table row's per-packing-group lists, and its
// weight in whole pounds.
#pragma once

#include "dravlen.h"
#include "items/hazmat_internal.h"  // column codes of the table row

#include <cstring>

namespace dravlen {

inline int HazardCount(const Hazmat *item)
{
    const int n = GetNumHazDivs_Hazmat(item);
    return n > 0 ? n : 0;
}

inline bool ValidHazardIndex(const Hazmat *item, int index)
{
    return index >= 0 && index < HazardCount(item);
}

// Hazard code text of index i ("" when there is none).
inline const char *HazardText(const Hazmat *item, int index)
{
    const char *text = ValidHazardIndex(item, index) ? GetHazDivString_Hazmat(item, index) : nullptr;
    return text ? text : "";
}

// Parsed hazard code i; all zero when there is none.
inline HazDiv Hazard(const Hazmat *item, int index)
{
    HazDiv d{};
    Init_HazDiv(&d, HazardText(item, index));
    return d;
}

inline bool HazardIs(const Hazmat *item, int index, const char *code)
{
    return std::strcmp(HazardText(item, index), code) == 0;
}

inline bool IsDivision(const HazDiv &d, int hazClass, int division)
{
    return d.hazClass == hazClass && d.division == division;
}

// The item's row lists `text` in `column` for the item's packing-group slot.
inline bool RowLists(const Hazmat *item, int column, const char *text)
{
    const CTRec *row = GetCTRec_HazData(GetPID_Hazmat(item));
    return row != nullptr && HasElement_CTRec(row, GetPackingGroup_Hazmat(item), column, text) != 0;
}

inline bool RowLists(const ItemReading &r, int column, const char *text)
{
    return SlotHas(r, column, text);  // no list of the slot when none is chosen
}

inline bool IdIs(const Hazmat *item, const char *id)
{
    const char *own = GetID_Hazmat(item);
    return own != nullptr && std::strcmp(own, id) == 0;
}

// Weight in whole pounds.
inline long Pounds(const Hazmat *item)
{
    return static_cast<long>(GetWeight_Hazmat(item, 0));
}

} // namespace dravlen
