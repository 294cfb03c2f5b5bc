// Entries of the Hazardous Materials Table by ID number, for the program and
// the command-line checker alike.
#pragma once

#include <string>
#include <vector>

namespace velmora::frontend {

// The IDs a typed ID text may mean: "un1203" -> {"UN1203"}; four bare
// digits -> UN, then NA, then ID ("1203" -> UN1203, NA1203, ID1203), the
// order in which a user means them.  Anything else gives nothing.
std::vector<std::string> idCandidates(const std::string &text);

// The PIDs of the current ruleset whose row carries exactly this ID, in the
// library's order; a search that comes round again ends the list.
std::vector<int> entriesOfId(const std::string &id);

} // namespace velmora::frontend
