// The checker's table commands: "search" lists matching entries of the
// current ruleset, "show" prints every column of one entry.
#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace velmora::check {

// One line per matching entry: PID, ID, proper shipping name, class,
// packing groups.  An ID that is not found gets GetIDInfo_HazData's words.
std::string SearchEntries(const std::string &text, int mode, bool &found);

// Every column of the entry of an ID (all its entries) or a PID, per
// packing group; empty when nothing matches.
std::string ShowEntry(const std::string &idOrPid, bool &found);

} // namespace velmora::check
