// Questions about the item's table entry itself: property flags, labels,
// symbols, validity in a ruleset and the entries some rules name.
#include "items/hazmat_internal.h"
#include "items/qualifier_bits.h"

#include <cstring>

using namespace dravlen;

extern "C" {

DRAVLEN_API int IsCyanide_Hazmat(const Hazmat *item)
{
    const CTRec *row = ItemRow(item);
    return (row && IsCyanide_CTRec(row)) ? 1 : 0;
}

DRAVLEN_API int IsAcid_Hazmat(const Hazmat *item)
{
    const CTRec *row = ItemRow(item);
    return (row && IsAcid_CTRec(row)) ? 1 : 0;
}

DRAVLEN_API int HasLabelCodes_Hazmat(const Hazmat *item)
{
    const CTRec *row = ItemRow(item);
    return (row && HasLabelCodes_CTRec(row, ItemSlot(item))) ? 1 : 0;
}

DRAVLEN_API int HasSymbol_Hazmat(const Hazmat *item, char symbol)
{
    const CTRec *row = ItemRow(item);
    const char text[2] = {symbol, '\0'};
    return (row && symbol != 0 && HasElement_CTRec(row, -1, kColSymbols, text)) ? 1 : 0;
}

DRAVLEN_API int ActiveInRuleset_Hazmat(const Hazmat *item, int ruleset)
{
    const CTRec *row = ItemRow(item);
    if (!row)
        return 0;
    return (HasPackingGroup_CTRec(row, ItemSlot(item)) && ActiveInRuleset_CTRec(row, ruleset)) ? 1
                                                                                              : 0;
}

DRAVLEN_API int IsFuelOil_Hazmat(const Hazmat *item) { return item->pid == 58 ? 1 : 0; }
DRAVLEN_API int IsDieselFuel_Hazmat(const Hazmat *item) { return item->pid == 57 ? 1 : 0; }
DRAVLEN_API int IsGasoline_Hazmat(const Hazmat *item) { return item->pid == 631 ? 1 : 0; }
DRAVLEN_API int IsSourCrudeOil_Hazmat(const Hazmat *item) { return item->pid == 2515 ? 1 : 0; }
DRAVLEN_API int IsBulkSourCrudeOil_Hazmat(const Hazmat *item)
{
    return (item->pid == 2515 && (item->wordA & bits::kBulk)) ? 1 : 0;
}

// Liquefied petroleum gas entries (172.326(d) non-odorized marking).
DRAVLEN_API int IsLPG_Hazmat(const Hazmat *item)
{
    return IDIsOneOf(ItemID(item),
                     {"UN1011", "UN1012", "UN1055", "UN1075", "UN1077", "UN1969", "UN1978"})
               ? 1
               : 0;
}

} // extern "C"
