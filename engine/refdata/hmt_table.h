// The embedded Hazardous Materials Table (49 CFR 172.101): stored records,
// decoded rows and the per-ruleset PID indexes of the reference store.
//
// The stored table is a run of fixed-width records (kRecordSize bytes, NUL
// padded), sorted by the bytes of the ID number at offset kIdOffset.  A
// record is decoded into a CTRec on first need; every text pointer of a row
// points into the stored table, nothing is copied.
#pragma once

#include "dravlen.h"
#include "refdata/rulesets.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// One packing-group slot: the nine per-group columns (Label Codes through
// Vessel Stowage Other, column codes 5-13).
struct CTSlot {
    const char **list[9];
    uint32_t count[9];
};

struct CTRec {
    int32_t pid;          // 0 while undecoded or unusable
    uint32_t bits;        // dravlen::kBit* derived bits
    const char *id;
    const char *psn;
    const char **names;
    const char **descs;
    uint32_t nameCount;
    const char *hazClass;
    const char **symbols;
    uint32_t symbolCount;
    const char *flags;    // 4 characters
    const char **cas;
    uint32_t casCount;
    const char *erg;
    int32_t first;
    int32_t end;          // 0 = open
    CTSlot *slot[4];      // null where the row lacks the slot
    void *storage;        // the one allocation behind the arrays above
};

namespace dravlen {

constexpr size_t kRecordSize = 579;
constexpr size_t kIdOffset = 5;
constexpr size_t kIdLength = 6;
constexpr int kPidLimit = 2608;   // valid PIDs are 1 .. kPidLimit - 1

constexpr uint32_t kBitGas = 0x1, kBitLiquid = 0x2, kBitSolid = 0x4;
constexpr uint32_t kBitLqSlot0 = 0x10;    // << slot
constexpr uint32_t kBitBulkSlot0 = 0x100; // << slot

// Creates / frees the table part of the reference store (store.cpp calls
// these when the first user arrives and the last one leaves).
void CreateHmtState();
void FreeHmtState();
bool HmtStateExists();

// Test seam: makes the lookups use another stored table (bytes must stay
// valid while in use); null returns to the embedded table.  Any decoded
// state is dropped and rebuilt empty if a store exists.
void UseHmtTableForTesting(const char *data, size_t bytes);

// Number of stored records and the ID text (6 bytes, not terminated) of
// record n.
size_t HmtRecordCount();
const char *HmtRecordId(size_t n);
// Decodes record n if needed; its PID, or 0 when unusable.
int DecodeHmtRecord(size_t n);
// The decoded row of record n (after DecodeHmtRecord), or null if unusable.
CTRec *HmtRecordRow(size_t n);
// Number of records decoded so far (usable or not).
size_t HmtDecodedCount();
// Decodes every record once per store.
void DecodeWholeHmt();
// The index entry of pid in ruleset r, decoding the whole table on a miss.
CTRec *HmtRow(int pid, int ruleset);
// The proper shipping name (column 2 text) of each PID's row in a ruleset,
// indexed by PID (null: no row), read from the stored records without
// decoding them, once per store and ruleset: the first search by name does
// not pay for building every row.  Valid until the store goes.
const std::vector<const char *> &HmtNamesOfRuleset(int ruleset);
// The index entry as it stands, without decoding anything.
CTRec *HmtIndexEntry(int pid, int ruleset);
// First and one-past-last record with this 6-character ID (false if none).
bool FindHmtIdRange(const char *id6, size_t *first, size_t *last);

// The row's validity test: first <= r and (end == 0 or r < end).
inline bool RowValidIn(const CTRec *row, int r)
{
    return row->first <= r && (row->end == 0 || r < row->end);
}

// Word rule of the searches: the query is split at single blanks and every
// word must occur in the text, case-insensitively, in any order.
bool MatchesWords(const char *text, const char *words);
bool ContainsNoCase(const char *text, const char *word, size_t wordLen);

// Names the table lists as Forbidden (49 CFR 172.101(d)(1)): they have no ID
// number and no row; a search by name can tell the user the material may not
// be offered for transportation.  Case-insensitive exact comparison.
bool IsForbiddenName(const char *name);

} // namespace dravlen
