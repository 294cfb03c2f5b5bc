// Physical state of the material as offered: gas, liquid, solid or "not
// liquid".  Where the table entry fixes the state it always wins; otherwise
// the shipper's recorded state is used (the liquid test matters for
// 173.226(f), exemption 25).
#include "items/hazmat_internal.h"
#include "items/qualifier_bits.h"

namespace dravlen {

char PhysicalState(const Hazmat *item, const CTRec *row)
{
    if (!row)
        return 0;
    if (const char fixed = GetPhysicalState_CTRec(row))
        return fixed;
    switch (item->wordA & bits::kStateMask) {
    case bits::kStateLiquid: return 'L';
    case bits::kStateNotLiquid: return 'N';
    case bits::kStateGas: return 'G';
    case bits::kStateSolid: return 'S';
    default: return 0;
    }
}

} // namespace dravlen

using namespace dravlen;

extern "C" {

DRAVLEN_API int FixedPhysicalState_Hazmat(const Hazmat *item)
{
    const CTRec *row = ItemRow(item);
    return (row && GetPhysicalState_CTRec(row) != 0) ? 1 : 0;
}

DRAVLEN_API void SetPhysicalState_Hazmat(Hazmat *item, char state)
{
    if (!ItemRow(item) || FixedPhysicalState_Hazmat(item))
        return;
    uint32_t value;
    switch (state) {
    case 'G': value = bits::kStateGas; break;
    case 'L': value = bits::kStateLiquid; break;
    case 'N': value = bits::kStateNotLiquid; break;
    case 'S': value = bits::kStateSolid; break;
    default: return;
    }
    item->wordA = (item->wordA & ~bits::kStateMask) | value;
}

DRAVLEN_API char GetPhysicalState_Hazmat(const Hazmat *item)
{
    return PhysicalState(item, ItemRow(item));
}

DRAVLEN_API int IsLiquid_Hazmat(const Hazmat *item)
{
    if (!ItemRow(item))
        return 0;
    return (item->wordA & bits::kStateNotLiquid) ? 0 : 1;
}

} // extern "C"
