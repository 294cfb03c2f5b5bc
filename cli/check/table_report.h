// The checker's table commands: "search" lists matching entries of the
// current ruleset, "show" prints every column of one entry.
#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace velmora::check {

// One line per matching entry: PID, ID, proper shipping name, class,
// packing groups.  An ID that is not found gets GetIDInfo_HazData's words.
// mode: kSearchAny (an ID number is searched as one, anything else as
// name words) or a DravlenSearchMode.  Names match and are ranked as in
// the program (frontend/name_search.h); an ID number lists the UN, NA and
// ID entries of its number.
constexpr int kSearchAny = -1;
std::string SearchEntries(const std::string &text, int mode, bool &found);

// Every column of the entry of an ID (all its entries) or a PID, per
// packing group; empty when nothing matches.
std::string ShowEntry(const std::string &idOrPid, bool &found);

// The same as a JSON array, one object per entry: pid, id,
// proper_shipping_name (column 2 as printed), shipping_names (its roman
// names), descriptions, hazard_class, symbols, cas_numbers, erg_guide (null
// when none), packing_groups[] with packing_group, columns (by column
// title), limited_quantity_allowed and bulk_packaging_allowed.
nlohmann::json ShowEntryJson(const std::string &idOrPid, bool &found);

} // namespace velmora::check
