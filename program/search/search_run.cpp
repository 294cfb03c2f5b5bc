#include "search/search_run.h"

#include "search/search_listing.h"

#include "frontend/name_search.h"

#include <algorithm>
#include <set>

namespace velmora {

namespace {

// PIDs run from 1 to 2607 and a search walks them upwards, so the PID
// reached tells about how far the walk has come.
constexpr int kLastPid = 2607;

int libraryMode(QueryKind kind)
{
    switch (kind) {
    case QueryKind::Name: return static_cast<int>(SearchMode::Name);
    case QueryKind::Class: return static_cast<int>(SearchMode::Class);
    case QueryKind::Id: return static_cast<int>(SearchMode::Id);
    }
    return 0;
}

QString kindName(QueryKind kind)
{
    switch (kind) {
    case QueryKind::Name: return QStringLiteral("a shipping name");
    case QueryKind::Class: return QStringLiteral("a hazard class");
    case QueryKind::Id: return QStringLiteral("an ID number");
    }
    return {};
}

} // namespace

void rankByName(std::vector<SearchRow> &rows, const QString &query)
{
    std::vector<int> pids;
    pids.reserve(rows.size());
    for (const SearchRow &row : rows)
        pids.push_back(row.pid);
    std::vector<SearchRow> ordered;
    ordered.reserve(rows.size());
    for (const std::size_t i : frontend::nameMatchOrder(pids, query.toStdString()))
        ordered.push_back(std::move(rows[i]));
    rows = std::move(ordered);
}

SearchOutcome findEntries(HazmatLibrary &lib, const QString &text, LookIn lookIn,
                          const std::function<void(int)> &progress, const std::function<bool()> &stop)
{
    const RecognisedQuery recognised = recogniseQuery(text);
    SearchOutcome out;
    switch (lookIn) {
    case LookIn::Any: out.searchedAs = recognised.kind; break;
    case LookIn::Name: out.searchedAs = QueryKind::Name; break;
    case LookIn::Class: out.searchedAs = QueryKind::Class; break;
    case LookIn::Id: out.searchedAs = QueryKind::Id; break;
    }
    const QString query = lookIn == LookIn::Any ? recognised.text : text.trimmed();
    const std::string bytes = query.toUtf8().toStdString();
    const int mode = libraryMode(out.searchedAs);
    std::set<int> seen;   // the walk ends if the library ever hands back a PID twice
    for (int pid = lib.search(bytes, mode, 0); pid != 0; pid = lib.search(bytes, mode, pid)) {
        if (!seen.insert(pid).second)
            break;
        if (auto row = lib.rowForPid(pid)) {
            if (out.searchedAs != QueryKind::Class || classMatches(query, QString::fromStdString(row->hazardClass)))
                out.rows.push_back(*row);
        }
        if (progress)
            progress(std::min(99, pid * 100 / kLastPid));
        if (stop && stop()) {
            out.stopped = true;
            break;
        }
    }
    if (out.searchedAs == QueryKind::Name)
        rankByName(out.rows, query);
    else
        std::stable_sort(out.rows.begin(), out.rows.end(), [](const SearchRow &a, const SearchRow &b) {
            return compareCaseInsensitive(displayPsn(a.psn), displayPsn(b.psn)) < 0;
        });
    if (progress)
        progress(100);
    if (out.rows.empty() && !out.stopped && lookIn != LookIn::Any && recognised.kind != out.searchedAs &&
        !query.isEmpty())
        out.hint = QStringLiteral("No %1 matches \"%2\". It looks like %3: choose Look in \"Any\" or \"%4\".")
                       .arg(kindName(out.searchedAs), query, kindName(recognised.kind),
                            recognised.kind == QueryKind::Id ? QStringLiteral("ID")
                            : recognised.kind == QueryKind::Class ? QStringLiteral("Class")
                                                                   : QStringLiteral("PSN"));
    return out;
}

} // namespace velmora
