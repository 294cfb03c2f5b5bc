// What the shipping-paper questions of an appended item need from the
// items before it, kept between calls so that adding an item does not walk
// the truckload: the count of their questions (where the new item's
// questions start in the shipping-paper index space), how many of them
// carry each plain shipping name (the item's label), and whether any of
// them may have shipping-paper violations waiting for evaluation.
//
// The public Load record has no room for this, and its layout is fixed, so
// the tallies live in a small table of their own keyed by the truckload's
// address.  A tally is only a shortcut: whenever it cannot be trusted (no
// entry, another item array, another item count, another ruleset, an item
// of the truckload replaced, renamed or given another packing group in
// place) it is rebuilt by one walk over the items,
// which gives what the walk without a tally would have given.
#pragma once

#include "dravlen.h"

#include <cstdint>
#include <string>
#include <unordered_map>

namespace dravlen {

struct PaperTally {
    uint32_t questions = 0;                    // questions of the counted items
    std::unordered_map<std::string, int> names; // plain shipping name -> items
    bool allRadioactive = true;                // true for no items
};

// An item with a class 7 hazard code.  It depends on the item's entry,
// packing group and qualifiers only, and of these only a new entry or
// packing group can take the code away or bring it.
bool IsRadioactiveItem(const Hazmat *item);

// What items [0, count) of the load hold: their questions, and how many of
// them carry the plain shipping name `name`.  From the kept tally when it
// covers exactly those items, else from a walk that is kept.
struct TallyAnswer {
    uint32_t questions = 0;
    int sameName = 0;
    bool allRadioactive = true;
};
TallyAnswer LookUpTally(Load *load, uint32_t count, const std::string &name);

// Records that the tally of every item of the load is `tally` (after a walk
// that rebuilt every item's questions).
void RecordTally(Load *load, PaperTally &&tally);

// Counts the load's last item, whose questions were just built, into a
// tally that covers the items before it.
void CountAppendedItem(Load *load);

// The item was re-bound, replaced, renamed or given another packing group:
// a tally counting it is forgotten.  Cheap for items outside any truckload.
void ForgetItemTally(const Hazmat *item);

// The load was emptied, reset or is new storage: its tally is dropped.
void DropTally(const Load *load);

// An item of the load may have shipping-paper violations to evaluate.
void NoteStaleItem(const Load *load);
// False only when, since the last walk over every item, no item of the load
// has been marked stale.
bool MayHaveStaleItems(const Load *load);
// A walk evaluated every stale item of the load.
void NoteNoStaleItems(const Load *load);

} // namespace dravlen
