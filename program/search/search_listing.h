// The search view's listing: the rows of every Hazardous Materials Table
// entry that matches a query, and the texts the view shows about them.
#pragma once

#include "app/hazmat_library.h"

#include <functional>
#include <string>
#include <vector>

#include <QString>

namespace velmora {

enum class SearchMode { Name = 0, Class = 1, Id = 2 };   // "PSN", "Class", "ID"

// The class text of an item from its hazard codes (0 = primary): "3", or
// "3, (8)" with a subsidiary, "2.3, (5.1, 8)" with two.
std::string classText(const std::vector<std::string> &codes);

// Italic markup of a shipping name as the lists show it: "<I>" → "[", "</I>" → "]".
QString displayPsn(const std::string &psn);

// Rows of every matching entry, in the library's order.  `pump` runs
// between steps; the listing stops early when `stop` answers true.
std::vector<SearchRow> runSearch(HazmatLibrary &lib, const std::string &query, SearchMode mode,
                                 const std::function<void()> &pump = {},
                                 const std::function<bool()> &stop = {});

QString matchCountText(size_t count);   // "1 match found", "3 matches found"
QString itemCountText(unsigned count);  // "There is 1 item on this truckload." ...

// An explanation for an ID search that found nothing (where the ID number
// can be found instead), or nothing.
std::optional<QString> noMatchExplanation(HazmatLibrary &lib, const std::string &query, SearchMode mode,
                                          size_t matches);

QString doNotShipRefusal(const std::string &id);   // "Cannot add " + ID + ", it is on the DO NOT SHIP list."

} // namespace velmora
