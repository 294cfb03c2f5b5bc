// One search of the search view from the text in its one box: what the
// text asks for (or the explicit "Look in" choice), the library's walk in
// steps with progress, exact class matching and ranked names.
#pragma once

#include "search/search_query.h"
#include "app/hazmat_library.h"

#include <QString>

#include <functional>
#include <vector>

namespace velmora {

// The "Look in" choices: what the text says, or one field only.
enum class LookIn { Any = 0, Name = 1, Class = 2, Id = 3 };

struct SearchOutcome {
    std::vector<SearchRow> rows;   // ranked: best names first, then by name ignoring case
    QueryKind searchedAs = QueryKind::Name;
    QString hint;                  // why nothing was found and what to try, or empty
    bool stopped = false;          // stopped before the end (the window is closing)
};

// Runs the search for `text`.  `progress` gets a percentage between steps
// (the user interface repaints and takes input there); `stop` ends the walk
// early when it answers true.
SearchOutcome findEntries(HazmatLibrary &lib, const QString &text, LookIn lookIn,
                          const std::function<void(int percent)> &progress = {},
                          const std::function<bool()> &stop = {});

// Orders name matches as velmora-check does (frontend::nameMatchOrder):
// exact names, then names starting with the words, then word matches.
void rankByName(std::vector<SearchRow> &rows, const QString &query);

} // namespace velmora
