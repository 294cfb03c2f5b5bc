// The Emergency Response Guidebook guide of the item's table entry.
#include "items/hazmat_internal.h"
#include "refdata/hmt_table.h"

extern "C" DRAVLEN_API const char *GetErgNumber_Hazmat(const Hazmat *item)
{
    const CTRec *row = dravlen::ItemRow(item);
    return row ? row->erg : nullptr;
}
