// Where each numbered exemption is stored in the qualifier words.  The
// layout is part of the saved item format (qualifier_bits.h).
//
//   1-8    word A bits 24-31 (bit 23 + n)
//   9-19   word B bits 0-10  (bit n - 9)
//   20     no storage: never held
//   21     word B bit 13 (lab pack)
//   22     word B bit 16 (marine pollutant marking exemption)
//   23     no bit of its own: it shares the bits of exemptions 18 and 19
//          (word B bits 9 and 10).  Saved files written since special
//          provision 338 appeared store it that way, so the sharing is kept:
//          setting 23 sets both bits, clearing it clears both, and it reads
//          as stored when either is set.
//   24     word B bit 17, the residue bit; it never reads as stored
//   25-34  word B bits 18-27 (bit n - 7)
#include "items/hazmat_internal.h"
#include "items/qualifier_bits.h"

#include <bit>

namespace dravlen {
namespace {

struct Storage {
    uint32_t Hazmat::*word;
    uint32_t mask;
};

Storage StorageOf(unsigned n)
{
    if (n >= 1 && n <= 8)
        return {&Hazmat::wordA, 1u << (bits::kWordAFirstExemptionBit + n)};
    if (n >= 9 && n <= 19)
        return {&Hazmat::wordB, 1u << (n - 9)};
    switch (n) {
    case 21: return {&Hazmat::wordB, bits::kLabPack};
    case 22: return {&Hazmat::wordB, bits::kMarinePollutantExempt};
    case 23: return {&Hazmat::wordB, (1u << (18 - 9)) | (1u << (19 - 9))};
    case 24: return {&Hazmat::wordB, bits::kResidue};
    default: break;
    }
    if (n >= 25 && n <= 34)
        return {&Hazmat::wordB, 1u << (n - 7)};
    return {nullptr, 0};
}

} // namespace

bool ExemptionStored(const Hazmat *item, unsigned n)
{
    if (n == 24)
        return false;
    const Storage s = StorageOf(n);
    return s.word && (item->*s.word & s.mask) != 0;
}

uint64_t StoredExemptions(const Hazmat *item)
{
    // The storage bits of the layout above: most items store none.
    constexpr uint32_t kWordA = 0xFF000000u;
    constexpr uint32_t kWordB = 0x7FFu | bits::kLabPack | bits::kMarinePollutantExempt | (0x3FFu << 18);
    if ((item->wordA & kWordA) == 0 && (item->wordB & kWordB) == 0)
        return 0;
    uint64_t stored = 0;
    for (unsigned n = 1; n <= 34; ++n)
        if (ExemptionStored(item, n))
            stored |= uint64_t{1} << n;
    return stored;
}

void StoreExemption(Hazmat *item, unsigned n, bool on)
{
    const Storage s = StorageOf(n);
    if (!s.word)
        return;
    item->*s.word &= ~s.mask;
    if (on)
        item->*s.word |= s.mask;
}

bool Held(const Hazmat *item, unsigned n)
{
    return ExemptionStored(item, n) && ExemptionAllowedForLoad(item, nullptr, n);
}

bool HeldAny(const ItemReading &r, uint64_t mask)
{
    for (uint64_t left = r.stored & mask; left != 0; left &= left - 1) {
        if (ExemptionAllowedForLoad(r.item, nullptr, static_cast<unsigned>(std::countr_zero(left))))
            return true;
    }
    return false;
}

} // namespace dravlen

using namespace dravlen;

extern "C" {

DRAVLEN_API int IsExemptionAllowed_Hazmat(const Hazmat *item, unsigned n)
{
    return ExemptionAllowedForLoad(item, nullptr, n) ? 1 : 0;
}

DRAVLEN_API int HasExemption_Hazmat(const Hazmat *item, unsigned n)
{
    return Held(item, n) ? 1 : 0;
}

DRAVLEN_API void SetExemption_Hazmat(Hazmat *item, unsigned n, int on)
{
    if (n == 20)
        return;
    const bool set = on != 0 && ExemptionAllowedForLoad(item, nullptr, n);
    StoreExemption(item, n, set);
    // A fissile-exempt package (173.453) carries no criticality safety
    // index.
    if (set && n == 12)
        item->csi = 0;
}

} // extern "C"
