// Internal interface of the item family: the row an item is bound to, its
// packing-group slot, the exemption storage and the hazard codes.  An item
// never copies table data; its row is looked up through the PID in the
// current ruleset, by each helper taking an item, or once for many questions
// by an ItemReading.
#pragma once

#include "dravlen.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace dravlen {

// Column codes of the CTRec accessors used by the item code.
enum CTColumn : int {
    kColSymbols = 0,
    kColProperName = 1,
    kColHazardClass = 2,
    kColIDNumber = 3,
    kColLabelCodes = 5,
    kColSpecialProvisions = 6,
    kColPackagingExceptions = 7,
    kColNonBulkPackaging = 8,
    kColBulkPackaging = 9,
    kColShippingNames = 14,
    kColCASNumbers = 15,
};

// The item's row in the current ruleset; null when unbound or when the PID
// has no row there.
const CTRec *ItemRow(const Hazmat *item);
// The chosen packing-group slot 0-3, or -1 when none is chosen.
int ItemSlot(const Hazmat *item);
// The slot the hazard codes are read from: the chosen one; otherwise slot 1
// when the row has packing group I, else slot 2.
int HazardCodeSlot(const Hazmat *item, const CTRec *row);
// The row's ID number text ("UN1203"), or null.
const char *ItemID(const Hazmat *item);
// The ID is exactly one of ids.
bool IDIsOneOf(const char *id, std::initializer_list<const char *> ids);
// The ID is "UN" followed by a number within [low, high].
bool UNInRange(const char *id, int low, int high);
// Some hazard code of the item equals text.
bool HasHazardCode(const Hazmat *item, const char *text);
// The row lists text in column code for the item's slot.
bool SlotHas(const Hazmat *item, int code, const char *text);
// The row's packing groups include slot (regardless of the chosen one).
bool RowHasSlot(const Hazmat *item, int slot);

// Hazard codes (0 = primary).  The count is 0 when unbound.
int HazardCodeCount(const Hazmat *item);
// Hazard code text i, or null when out of range.
const char *HazardCode(const Hazmat *item, int i);
// Hazard code i parsed (all zero when absent or unparsable).
HazDiv HazardDiv(const Hazmat *item, int i);
// Hazard code 0 equals text exactly.
bool PrimaryIs(const Hazmat *item, const char *text);

// Zone letter 'A'-'D' when one is chosen, else 0.
char ChosenZone(const Hazmat *item);

// Exemption storage (numbers 1-34, see qualifier_bits.h): whether the
// stored bit(s) are set, regardless of whether the exemption is allowed.
bool ExemptionStored(const Hazmat *item, unsigned n);
void StoreExemption(Hazmat *item, unsigned n, bool on);
// Every exemption stored, bit n for exemption n.
uint64_t StoredExemptions(const Hazmat *item);
// Held = allowed for the item (no load) and stored.
bool Held(const Hazmat *item, unsigned n);

// Whether exemption n is allowed for the item travelling in load (null = an
// empty load).  The one seam between item-level and load-level exemption
// rules: see exemption_rules.cpp.
bool ExemptionAllowedForLoad(const Hazmat *item, const Load *load, unsigned n);

// One reading of an item for several questions: its row in the current
// ruleset looked up once, with what its hazard codes and exemptions need.
// The item functions make one per question, and a calculation one per kind
// of item (KindFacts).  Valid while the item, the current ruleset and the
// reference store stay as they are.
struct ItemReading {
    const Hazmat *item = nullptr;
    const CTRec *row = nullptr;             // null: unbound, or no row in the current ruleset
    int slot = -1;                          // ItemSlot
    const char *const *labels = nullptr;    // label codes of the HazardCodeSlot
    int labelCount = 0;
    int hazardCount = 0;                    // HazardCodeCount
    const char *declared = nullptr;         // the last hazard code when exemption 10 or 32 adds one
    HazDiv primary{};                       // hazard code 0 parsed (all zero without a row)
    uint64_t stored = 0;                    // bit n: ExemptionStored(item, n)
};
ItemReading ReadItem(const Hazmat *item);

// The helpers above, on a reading.
const char *ItemID(const ItemReading &r);
bool SlotHas(const ItemReading &r, int code, const char *text);
const char *HazardCode(const ItemReading &r, int i);
HazDiv HazardDiv(const ItemReading &r, int i);
bool PrimaryIs(const ItemReading &r, const char *text);
bool HasHazardCode(const ItemReading &r, const char *text);
// Held: stored (most items store no exemption) and allowed.
inline bool Held(const ItemReading &r, unsigned n)
{
    return n < 64 && (r.stored >> n & 1) != 0 && ExemptionAllowedForLoad(r.item, nullptr, n);
}
// Some exemption of the mask (bit n for exemption n) is held.
bool HeldAny(const ItemReading &r, uint64_t mask);
constexpr uint64_t ExemptionBits(std::initializer_list<unsigned> numbers)
{
    uint64_t mask = 0;
    for (unsigned n : numbers)
        mask |= uint64_t{1} << n;
    return mask;
}

// The placarding, marking and vehicle questions of placarding_predicates.cpp,
// hazard_zone.cpp and vehicle_permission.cpp on a reading; the exported
// _Hazmat functions named beside them answer through these.
bool IsTable1(const ItemReading &r);
bool SubsidiaryNeedsPlacard(const ItemReading &r, int i);
bool HasPlacardableSubsidiary(const ItemReading &r);
bool ExemptFromPlacarding(const ItemReading &r);
bool ExemptFromMarking(const ItemReading &r);
// IsExemptFromPlacarding_Hazmat: the residue of a non-bulk packaging.
bool ResidueExemptFromPlacarding(const ItemReading &r);
bool NoIDsOnPlacards(const ItemReading &r);
char HazardZone(const ItemReading &r);   // GetHazardZone_Hazmat
bool PoisonByInhalation(const ItemReading &r);  // GetPIH_Hazmat
bool VehicleAllowed(const ItemReading &r, int code);  // IsVehicleAllowed_Hazmat
// GetRomanPSN_Hazmat and GetPhysicalState_Hazmat of an item whose row (null:
// none) is known.
const char *RomanName(const Hazmat *item, const CTRec *row);
char PhysicalState(const Hazmat *item, const CTRec *row);

// Binds a cleared item to pid (binding defaults included); false when the
// PID has no row in the current ruleset (the item is then unbound).
bool BindHazmat(Hazmat *item, int pid);
// Clears the values of an item (words, weight, indexes, stale flag) without
// touching its lists.
void ClearHazmatValues(Hazmat *item);

// Writes the version 7 record of item with dict as its dictionary into out
// (at least 32 + DictBlockLength(dict) bytes).  Returns the bytes written.
size_t WriteHazmatRecord(const Hazmat *item, const Dict *dict, uint8_t *out);

// Reads one item record of the given version from at most avail bytes.
// Returns the bytes the record occupies, or 0 when it is refused: unknown
// version, record longer than avail, dictionary length negative or beyond
// the bytes that remain, malformed dictionary block, PID without a row or a
// failed packing-group check.
size_t UnserializeHazmatBounded(Hazmat *item, const uint8_t *record, size_t avail,
                                uint32_t version);

} // namespace dravlen
