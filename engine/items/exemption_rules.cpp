// When each numbered exemption may be claimed for an item (49 CFR 171-173
// exceptions, one number each; see the table below).
//
// This is the one seam between item-level and truckload-level rules: the
// only load-dependent rule is exemption 27 (172.102 special provision 380:
// the other materials of the truckload must be Class 3, 8 or 4.1 in packing
// group II or III).
#include "items/hazmat_internal.h"
#include "items/qualifier_bits.h"
#include "refdata/rulesets.h"


namespace dravlen {
namespace {

bool HasSymbol(const Hazmat *item, const char *symbol)
{
    const CTRec *row = ItemRow(item);
    return row && HasElement_CTRec(row, -1, kColSymbols, symbol);
}

bool SP(const Hazmat *item, const char *code)
{
    return SlotHas(item, kColSpecialProvisions, code);
}

// Special provisions 189 and 190 changed on 2008-10-01: 189 applies after
// 2008-09-30 23:59:59 UTC, 190 before 2008-10-01 00:00:00 UTC.
constexpr Stamp kSP189From = 1222819199;
constexpr Stamp kSP190Until = 1222819200;

} // namespace

bool ExemptionAllowedForLoad(const Hazmat *item, const Load *load, unsigned n)
{
    const CTRec *row = ItemRow(item);
    if (!row)
        return false;
    const char *id = ItemID(item);
    switch (n) {
    case 1: return IDIsOneOf(id, {"UN2800"});                      // 173.159(d)
    case 2: return IDIsOneOf(id, {"UN2794", "UN2795"});            // 173.159(e)
    case 3:                                                   // 173.320
        return IDIsOneOf(id, {"UN1003", "UN1073", "UN1913", "UN1951", "UN1963", "UN1970",
                         "UN1977", "UN2591"});
    case 4: return HasSymbol(item, "A");                      // 172.101(b)(2)
    case 5: return HasSymbol(item, "W");                      // 172.101(b)(6)
    case 6: return HasSymbol(item, "A") && HasSymbol(item, "W");
    case 7: return IDIsOneOf(id, {"UN1044"});                      // 173.309
    case 8: return true;                                      // ORM-D
    case 9: return SP(item, "30") && IDIsOneOf(id, {"UN1350", "NA1350"});
    case 10: return SP(item, "151");
    case 11: return SP(item, "156");
    case 12:                                                  // 173.453 fissile exempt
        return item->pid == 2382 || item->pid == 2383 || item->pid == 2384 ||
               item->pid == 2387;
    case 13: return item->pid == 631;                         // leaded gasoline
    case 14: return SlotHas(item, kColPackagingExceptions, "307");
    case 15: return SlotHas(item, kColNonBulkPackaging, "199");
    case 16:                                                  // 172.504(f)(2)
        return (item->wordA & bits::kBulk) && PrimaryIs(item, "COMB");
    case 17: return SP(item, "188");
    case 18: return SP(item, "189") && Now() > kSP189From;
    case 19: return SP(item, "190") && Now() < kSP190Until;
    case 20: return false;
    case 21: {                                                // lab pack, 173.12(b)
        if (!(item->wordA & bits::kHazardousWaste) || (item->wordA & bits::kBulk))
            return false;
        if (GetPIH_Hazmat(item))
            return false;
        if (item->pid == 1743 || item->pid == 1158 || item->pid == 1159)
            return false;
        return !(HasHazardCode(item, "6.1") && ItemSlot(item) == 1);
    }
    case 22: return true;                                     // 171.4(c), 172.322(d)
    case 23: return SP(item, "338");
    case 24: return false;
    case 25:                                                  // 173.226(f)
        return IsLiquid_Hazmat(item) && RowHasSlot(item, 1) && PrimaryIs(item, "6.1") &&
               GetHazardZone_Hazmat(item) == 'A';
    case 26: return IDIsOneOf(id, {"UN1415", "UN2257", "UN1428"}); // 173.151(e)
    case 27: {                                                // 172.102(380)
        // A cylinder (4BW240, DOT-51) under special provision 380 may travel
        // only with other materials of Class 3, Class 8 or Division 4.1 in
        // packing group II or III.  Every other item of the load passes when
        // its own row lists 380 (for its own packing group); otherwise its
        // primary hazard must be "3" or "8", its packing group II or III,
        // and each of its hazard codes Class 3, Class 8 or Division 4.1.
        // A null load counts as empty.
        if (!SP(item, "380"))
            return false;
        for (uint32_t k = 0; load && k < load->itemCount; ++k) {
            const Hazmat *other = &load->items[k];
            if (SP(other, "380"))
                continue;
            if (!PrimaryIs(other, "3") && !PrimaryIs(other, "8"))
                return false;
            if (ItemSlot(other) != 2 && ItemSlot(other) != 3)
                return false;
            for (int h = 0; h < HazardCodeCount(other); ++h) {
                const HazDiv d = HazardDiv(other, h);
                const bool ok = (d.hazClass == 3 && d.compatGroup == 0) || (d.hazClass == 8 && d.division == 0) ||
                                (d.hazClass == 4 && d.division == 1);
                if (!ok)
                    return false;
            }
        }
        return true;
    }
    case 28: return SP(item, "382");
    case 29: return SP(item, "B131");
    case 30: return IsReverseLogisticsAllowed_Hazmat(item) != 0;  // 173.157
    case 31:                                                  // 173.154(b)
        return PrimaryIs(item, "8") && SlotHas(item, kColPackagingExceptions, "154") &&
               (RowHasSlot(item, 2) || RowHasSlot(item, 3));
    case 32: return UNInRange(id, 3101, 3120) || IDIsOneOf(id, {"UN3545"});  // 173.225(c)(8)
    case 33: return true;
    case 34: return IDIsOneOf(id, {"UN1066", "UN1956", "UN1002"}); // 172.102(396)
    default: return false;
    }
}

} // namespace dravlen
