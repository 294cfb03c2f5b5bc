// Inspection violations: one violation made from a row of the roadside
// inspection violation table, the lists a truckload and its items keep,
// and the text form in which a list is saved with the truckload.
#pragma once

#include "dravlen.h"

#include <climits>
#include <cstdint>
#include <string>

// The edited texts hold a number of characters, in UTF-8: the fields have
// room for the longest form of as many characters of the saved list's
// Windows-1252 (3 bytes each) and a terminator.
constexpr std::size_t kViolationDescriptionChars = 162;
constexpr std::size_t kViolationCitationChars = 15;
constexpr std::size_t kViolationDescriptionSize = 3 * kViolationDescriptionChars + 1;
constexpr std::size_t kViolationCitationSize = 3 * kViolationCitationChars + 1;

struct Violation {
    const VIRec *row;
    int32_t disabled;      // nonzero once deleted
    int32_t outOfService;  // nonzero: out of service
    int32_t questionRef;   // index of the question that produced it
    char description[kViolationDescriptionSize]; // override; "" unless set
    char citation[kViolationCitationSize];       // override; "" unless set
    char unit;             // '1' vehicle, 'D' otherwise; any character once edited
    Violation *next;
};

namespace dravlen {

// Question reference of the load-level vehicle rule (173.24(c)).
constexpr int32_t kVehicleRuleRef = -1;
// Question reference of a violation added by hand.
constexpr int32_t kHandAddedRef = INT32_MIN;

// Initialises v from the table row whose citation equals `citation`
// exactly.  False (v untouched) when there is none.
bool InitViolation(Violation *v, const char *citation);

// Copies at most the field's number of characters, never part of one.
void SetDescriptionText(Violation *v, const char *text);
void SetCitationText(Violation *v, const char *text);

// Adds a violation for `citation` with question reference `ref`.  0 when
// the citation is not in the table (list unchanged); 1 otherwise.  A
// reference already in the list (enabled or not) is kept as it is; a new
// violation goes before the first one with a larger reference, a
// hand-added one always at the end.
int AddToList(ViolationList *list, const char *citation, int32_t ref);

// The first violation (disabled ones included) with that reference.
Violation *FindReference(const ViolationList &list, int32_t ref);

// Unlinks and frees every violation with that reference.
void RemoveReference(ViolationList *list, int32_t ref);

// Unlinks and frees every violation whose reference is outside [first,
// first + count): their questions no longer exist.
void RemoveReferencesOutside(ViolationList *list, int64_t first, int64_t count);

// Frees every violation; the list is empty afterwards.
void FreeViolationList(ViolationList *list);

// Number of violations, disabled ones included.
uint32_t ListLength(const ViolationList &list);

// The n-th violation: among the enabled ones (filtered) or among all.
Violation *ListAt(const ViolationList &list, uint32_t n, bool filtered);

// Re-enables every disabled violation.
void RestoreList(ViolationList *list);

bool HasDisabled(const ViolationList &list);

// The saved text form: "0", then for each violation in list order
// "%s~%c%c%c%d~%s~%s~" (citation, disabled Y/N, out of service Y/N, unit,
// question reference, description override, citation override).
std::string WriteListText(const ViolationList &list);

// Replaces the list by the violations of a saved text.  A text that does
// not begin with "0" gives an empty list; reading stops without error at
// the first malformed record (the records before it stay); a citation not
// in the table drops its record only.  Never reads past the terminator.
void ReadListText(ViolationList *list, const char *text);

} // namespace dravlen
