// Packaging qualifiers: bulk packaging (171.8), limited quantity (171.8 and
// the per-class limited quantity sections 173.150-173.155, 173.306) and
// excepted quantity (173.4a).  The three are mutually exclusive: an item is
// offered in exactly one way.
#include "items/hazmat_internal.h"
#include "items/qualifier_bits.h"

#include <cstring>

using namespace dravlen;

namespace {

bool InGroupIIOrIII(int slot)
{
    return slot == 2 || slot == 3;
}

// 173.4a(b): the hazard classes and divisions that may be shipped as
// excepted quantities, and the entries the regulation leaves out.
bool ExceptedQuantityAllowed(const Hazmat *item)
{
    const char *primary = HazardCode(item, 0);
    if (!primary)
        return false;
    const char *id = ItemID(item);
    const int slot = ItemSlot(item);
    auto is = [primary](const char *text) { return std::strcmp(primary, text) == 0; };

    if (is("2.2"))
        return HazardCodeCount(item) == 1 && !IDIsOneOf(id, {"UN1950"});
    if (is("3"))
        return true;
    HazDiv hd{};
    Init_HazDiv(&hd, primary);
    if (hd.hazClass == 4)
        return InGroupIIOrIII(slot) && !UNInRange(id, 3221, 3240);
    if (is("5.1"))
        return InGroupIIOrIII(slot);
    if (is("5.2"))
        return true;
    if (is("6.1")) {
        const char zone = ChosenZone(item);
        return !(slot == 1 && (zone == 'A' || zone == 'B'));
    }
    if (is("7"))
        return true;
    if (is("8"))
        return InGroupIIOrIII(slot) && !IDIsOneOf(id, {"UN2803", "UN2809"});
    if (is("9"))
        return !IDIsOneOf(id, {"UN1845", "UN3536", "UN3480", "UN3481", "UN3090", "UN3091"});
    return false;
}

} // namespace

extern "C" {

DRAVLEN_API int IsBulkPackagingAllowed_Hazmat(const Hazmat *item)
{
    const CTRec *row = ItemRow(item);
    return (row && IsBulkPackagingAllowed_CTRec(row, ItemSlot(item))) ? 1 : 0;
}

DRAVLEN_API int IsBulkPackaging_Hazmat(const Hazmat *item)
{
    return (item->wordA & bits::kBulk) ? 1 : 0;
}

DRAVLEN_API void SetBulkPackaging_Hazmat(Hazmat *item, int on)
{
    if (!on) {
        item->wordA &= ~bits::kBulk;
        return;
    }
    if ((item->wordA & bits::kLimitedQuantity) || !IsBulkPackagingAllowed_Hazmat(item))
        return;
    item->wordA |= bits::kBulk;
}

DRAVLEN_API int IsLimitedQuantityAllowed_Hazmat(const Hazmat *item)
{
    const CTRec *row = ItemRow(item);
    if (!row)
        return 0;
    // 173.154(b) (exemption 31) opens limited quantity to corrosive entries
    // on its own terms: where it may be claimed, limited quantity follows
    // the claim rather than the table's limited quantity section.
    const bool ex31 = ExemptionAllowedForLoad(item, nullptr, 31);
    if (ex31)
        return ExemptionStored(item, 31) ? 1 : 0;
    return IsLimitedQuantityAllowed_CTRec(row, ItemSlot(item)) ? 1 : 0;
}

DRAVLEN_API int IsLimitedQuantity_Hazmat(const Hazmat *item)
{
    return (item->wordA & bits::kLimitedQuantity) ? 1 : 0;
}

DRAVLEN_API void SetLimitedQuantity_Hazmat(Hazmat *item, int on)
{
    if (!on) {
        item->wordA &= ~bits::kLimitedQuantity;
        return;
    }
    if ((item->wordA & bits::kBulk) || !IsLimitedQuantityAllowed_Hazmat(item))
        return;
    item->wordA |= bits::kLimitedQuantity;
}

DRAVLEN_API int IsExceptedQuantityAllowed_Hazmat(const Hazmat *item)
{
    return ExceptedQuantityAllowed(item) ? 1 : 0;
}

DRAVLEN_API int IsExceptedQuantity_Hazmat(const Hazmat *item)
{
    return (item->wordA & bits::kExceptedQuantity) ? 1 : 0;
}

DRAVLEN_API void SetExceptedQuantity_Hazmat(Hazmat *item, int on)
{
    if (!on) {
        item->wordA &= ~bits::kExceptedQuantity;
        return;
    }
    if (item->wordA & (bits::kBulk | bits::kLimitedQuantity))
        return;
    item->wordA |= bits::kExceptedQuantity;
}

} // extern "C"
