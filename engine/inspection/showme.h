// Findings of the external Show-Me audit, kept as text entries of the
// truckload's dictionary: "NumShowMeViolations" = n and
// "ShowMeViolation<i>" for i in 0..n-1, each
//   citation|description|detail|enabled|unit|out of service|citation override
// Older entries carry only the first four fields.
#pragma once

#include "dravlen.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dravlen {

struct ShowMeFinding {
    std::string citation;
    std::string description;
    std::string detail;
    std::string enabled;
    std::string unit;
    std::string outOfService;
    std::string override; // the rest of the entry
};

// The entry numbers 0..n-1 present in the dictionary, ascending.  Found by
// walking the dictionary, so a large or damaged count costs nothing.
std::vector<uint32_t> ShowMeEntryNumbers(const Dict *dict);

std::string ShowMeKey(uint32_t number);

// Number of "|" separators in an entry.
int Separators(const std::string &entry);

// Splits an entry with at least three separators into its fields.
ShowMeFinding ParseFinding(const std::string &entry);
std::string FormatFinding(const ShowMeFinding &finding);

// An entry with fewer than three separators, or whose Enabled field is
// "0", counts as deleted.
bool CountsAsDeleted(const std::string &entry);

// Brings an entry (three or more separators) to the seven-field form: a
// missing or empty out-of-service field takes the value that the citation's
// table row gives.
std::string NormalisedEntry(const std::string &entry);

// The enabled findings whose citation is in the violation table, in entry
// order: these are the Show-Me part of the combined violation sequence.
std::vector<uint32_t> ReadableFindings(const Dict *dict);

// Builds a violation record from a finding; false for an unknown citation.
bool FindingToViolation(const ShowMeFinding &finding, Violation *out);

} // namespace dravlen
