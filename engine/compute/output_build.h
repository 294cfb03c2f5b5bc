// Building the compliance output: the list operations that placarding,
// load markings and segregation use to fill an Output.  Callers outside the
// library read results only through the exported accessors.
#pragma once

#include "dravlen.h"

namespace dravlen {

// Marking equality as used for options and placards: the same type among
// 0, 4, 5, 6, 8-13; or both type 7 with the same shipping name text; or both
// identification-number markings (types 1-3, types may differ) with the same
// number.
bool SameMarking(const Marking &a, const Marking &b);

// Marking order: two identification-number markings (types 1-3) by number,
// anything else by type.
bool MarkingBefore(const Marking &a, const Marking &b);

// Appends an empty option (no placards, no markings, all-zero coverage
// placard, coverage not valid) and makes it current.  Returns its index.
int AppendPlacOp(Output *out);

// Appends a deep copy of the current option and makes the copy current.
// Returns its index, or -1 when no option is current.
int ClonePlacOp(Output *out);

// Sorts the current option's placards by key and its markings by the
// marking order.
void SortPlacOp(Output *out);

// Sorts the current option; when another option has the same placards
// (class, division, letter, flammableAllowed and marking, position by
// position) and the same markings, removes the current option and makes the
// first option current.  Returns true when the option was removed.
bool RemoveDuplicatePlacOp(Output *out);

// Appends a placard to the current option (unsorted; SortPlacOp orders
// them).  Returns its index, or -1 when no option is current.
int AppendPlacard(Output *out, const Placard &placard);

// Inserts a marking into the current option.  An identification-number
// marking (types 1-3) is dropped when the option already shows that number,
// a HOT marking (type 11) when the option already has one; otherwise it goes
// before the first marking whose type is greater than or equal to its own.
// Returns true when inserted.
bool InsertMarking(Output *out, const Marking &marking);

// Remove the placard / marking at a position of the current option and
// close the gap.  Out-of-range positions are ignored.
void RemovePlacard(Output *out, int index);
void RemoveMarking(Output *out, int index);

// Inserts a placard into the allowed list, which stays sorted by key and
// holds each key once.  Returns true when inserted, false when a placard of
// the same key is already listed.
bool InsertAllowedPlacard(Output *out, const Placard &placard);

// Posts a message: applies the legality effect of its severity (type 1, do
// not load: illegal for good; type 3, conditional: cannot be determined while
// still legal) and inserts it before the first message whose code is
// greater than or equal to its own, so the list stays ordered by code with
// newer messages ahead of older ones of the same code.
//
// A message equal to one already listed (SameMessage) takes that one's
// place at the head of its code: the list the duplicate removal of the
// segregation pass would leave, without ever holding the copies.  A load of
// a hundred items posts thousands of pair messages that reduce to a few.
void InsertMessage(Output *out, const HazSeg &message);

// The legality effect of posting a message of a severity (see InsertMessage).
void ApplyMessageLegality(Output *out, int32_t type);

// Same severity, code, items and hazard codes: one finding posted twice.
bool SameMessage(const HazSeg &a, const HazSeg &b);

// Removes the message at a position and closes the gap.
void RemoveMessage(Output *out, int index);

} // namespace dravlen
