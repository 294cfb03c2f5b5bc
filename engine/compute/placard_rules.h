// The placard rules of 49 CFR 172.504 and 172.519-172.560 as single-placard
// operations: making the placard one hazard of one item calls for, and
// deciding when one placard may stand in place of another.
#pragma once

#include "dravlen.h"

#include <vector>

namespace dravlen {

struct ItemReading;

// Variant letters (besides the class 1 compatibility groups) that select a
// different placard of the same class.
constexpr char kLetterDangerous = 'D';    // class 0: DANGEROUS, 172.521
constexpr char kLetterCombustible = 'C';  // class 3: COMBUSTIBLE, 172.544
constexpr char kLetterFuelOil = 'F';      // class 3: FUEL OIL, 172.544(c)
constexpr char kLetterGasoline = 'G';     // class 3: GASOLINE, 172.542(c)
constexpr char kLetterOxygen = 'O';       // 2.2: OXYGEN, 172.530; 5.2: earlier ORGANIC PEROXIDE
constexpr char kLetterInhalation = 'A';   // 6.1: POISON INHALATION HAZARD, 172.555
constexpr char kLetterPoisonPG3 = 'T';    // 6.1: POISON with "PG III", 172.504(f)(10)
constexpr char kLetterPoisonAlt = 'X';    // 6.1: the alternative POISON placard

// PIDs whose placards have their own wording.
constexpr int kPidFuelOilEntry = 58;      // NA1993 fuel oil
constexpr int kPidGasolineEntry = 631;    // UN1203 gasoline
constexpr int kPidOxygenCompressed = 529; // UN1072
constexpr int kPidOxygenRefrigerated = 530; // UN1073

// The item's identification number as a number: the digits after the
// two-letter prefix ("UN1203" gives 1203); 0 when the item has no ID.
int ItemIdNumber(const Hazmat *item);

// The digits after the ID's two-letter prefix as text, or "" when none.
const char *ItemIdDigits(const Hazmat *item);
const char *ItemIdDigits(const ItemReading &r);

// A marking of the given type for an item: PID, identification number (none
// for type 7, the shipping name on a cargo tank) and roman shipping name.
Marking MakeItemMarking(const Hazmat *item, int type);
Marking MakeItemMarking(const ItemReading &r, int type);

// A placard shows an identification number (an ID placard).
inline bool IsIdPlacard(const Placard &p) { return p.marking.type != 0; }

// Builds the placard for hazard h of an item.  markingType 0 makes a
// placard without a number; variant 0 is the plain placard, 1 the special
// wordings (FUEL OIL, GASOLINE, OXYGEN, 6.1 packing group III), 2 the
// alternative 6.1 placard.  When h is not a hazard index of the item the
// placard is left as it is.
void MakePlacard(Placard *placard, const Hazmat *item, int h, int markingType, int variant);
void MakePlacard(Placard *placard, const ItemReading &r, int h, int markingType, int variant);
// The three variants (0-2) of hazard h's placard without a number, as
// MakePlacard makes them; false when h is not a hazard index of the item.
bool MakePlacardVariants(Placard variants[3], const ItemReading &r, int h);

// The same placard: class, division, letter, flammableAllowed and equal
// markings.
bool SamePlacard(const Placard &a, const Placard &b);

// Whether placard b may stand in place of placard a.
bool SupersedesPlacard(const Placard &a, const Placard &b);

// If b supersedes a: a becomes a copy of b, both carry the primary flag of
// either, and an ID COMBUSTIBLE b becomes an ID FLAMMABLE placard.  Returns
// whether b superseded a.
bool MergePlacard(Placard *a, Placard *b);

// Inserts a placard into the placards of an option before the first placard
// whose key (GetHash_Placard) is greater.
void InsertPlacardByKey(std::vector<Placard> &list, const Placard &placard);

// Adds a placard to the placards of an option: merged (MergePlacard either
// way) into the first placard of its class that stands for it or that it
// stands for, which may then stand for later ones as well; otherwise
// inserted by key.  Returns whether the placards changed.
bool MergeOrInsertPlacard(std::vector<Placard> &list, const Placard &offered);

} // namespace dravlen
