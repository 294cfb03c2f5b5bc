// Identity of an item: its table entry's ID number, shipping names (172.101
// column 2: the proper shipping name in roman type with the italic
// descriptive words marked "<I>", and the selectable roman names), related
// CAS numbers and the Emergency Response Guidebook guide.
#include "inspection/paper_tally.h"
#include "items/hazmat_internal.h"
#include "refdata/hmt_table.h"

namespace dravlen {
namespace {

int NameCount(const Hazmat *item)
{
    const CTRec *row = ItemRow(item);
    return row ? GetNumElements_CTRec(row, -1, kColShippingNames) : 0;
}

} // namespace

const char *RomanName(const Hazmat *item, const CTRec *row)
{
    if (!row)
        return nullptr;
    // No name chosen yet: the first roman name (172.101(c)(1): the italic
    // words of column 2 and a second alternative are no part of it).
    const uint32_t index = item->nameIndex == 0 ? 0 : item->nameIndex - 1;
    // An index saved under another ruleset may exceed this row's names: the
    // answer is then null rather than another entry's text.
    return index < row->nameCount ? row->names[index] : nullptr;
}

} // namespace dravlen

using namespace dravlen;

extern "C" {

DRAVLEN_API const char *GetID_Hazmat(const Hazmat *item)
{
    return ItemID(item);
}

DRAVLEN_API const char *GetPSN_Hazmat(const Hazmat *item)
{
    const CTRec *row = ItemRow(item);
    return row ? GetElement_CTRec(row, -1, kColProperName, 0) : nullptr;
}

DRAVLEN_API int GetNumRomanPSNs_Hazmat(const Hazmat *item)
{
    return NameCount(item);
}

DRAVLEN_API int SetRomanIndex_Hazmat(Hazmat *item, int n)
{
    if (n < 1 || n > NameCount(item))
        return 0;
    item->nameIndex = static_cast<uint32_t>(n);
    dravlen::ForgetItemTally(item);  // its plain shipping name may differ now
    return 1;
}

DRAVLEN_API int GetRomanIndex_Hazmat(const Hazmat *item)
{
    return static_cast<int>(item->nameIndex);
}

DRAVLEN_API const char *GetRomanPSN_Hazmat(const Hazmat *item)
{
    return RomanName(item, ItemRow(item));
}

DRAVLEN_API int GetNumCas_Hazmat(const Hazmat *item)
{
    const CTRec *row = ItemRow(item);
    return row ? GetNumElements_CTRec(row, -1, kColCASNumbers) : 0;
}

DRAVLEN_API const char *GetCas_Hazmat(const Hazmat *item, int i)
{
    const CTRec *row = ItemRow(item);
    return row ? GetElement_CTRec(row, -1, kColCASNumbers, i) : nullptr;
}

} // extern "C"
