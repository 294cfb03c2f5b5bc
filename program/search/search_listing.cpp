#include "search/search_listing.h"

#include <set>

namespace velmora {

std::string classText(const std::vector<std::string> &codes)
{
    if (codes.empty())
        return {};
    std::string s = codes[0];
    if (codes.size() > 1) {
        s += ", (";
        for (size_t i = 1; i < codes.size(); ++i)
            s += (i > 1 ? ", " : "") + codes[i];
        s += ")";
    }
    return QString::fromStdString(s).trimmed().toStdString();
}

QString displayPsn(const std::string &psn)
{
    QString s = QString::fromUtf8(psn.c_str());
    s.replace(QStringLiteral("<I>"), QStringLiteral("["));
    s.replace(QStringLiteral("</I>"), QStringLiteral("]"));
    return s;
}

std::vector<SearchRow> runSearch(HazmatLibrary &lib, const std::string &query, SearchMode mode,
                                 const std::function<void()> &pump, const std::function<bool()> &stop)
{
    std::vector<SearchRow> rows;
    std::set<int> seen;   // the walk ends if the library ever hands back a PID twice
    for (int pid = lib.search(query, static_cast<int>(mode), 0); pid != 0;
         pid = lib.search(query, static_cast<int>(mode), pid)) {
        if (!seen.insert(pid).second)
            break;
        if (auto row = lib.rowForPid(pid))
            rows.push_back(*row);
        if (pump)
            pump();
        if (stop && stop())
            break;
    }
    return rows;
}

QString matchCountText(size_t count)
{
    return QString::number(count) + (count == 1 ? QStringLiteral(" match found") : QStringLiteral(" matches found"));
}

QString itemCountText(unsigned count)
{
    if (count == 1)
        return QStringLiteral("There is 1 item on this truckload.");
    return QStringLiteral("There are ") + QString::number(count) + QStringLiteral(" items on this truckload.");
}

std::optional<QString> noMatchExplanation(HazmatLibrary &lib, const std::string &query, SearchMode mode,
                                          size_t matches)
{
    if (matches != 0 || mode != SearchMode::Id)
        return std::nullopt;
    const std::string id = QString::fromStdString(query).trimmed().toUpper().toStdString();
    if (id.size() != 4 && id.size() != 6)
        return std::nullopt;
    if (auto info = lib.idInfo(id))
        return fromLibraryText(*info);
    return std::nullopt;
}

QString doNotShipRefusal(const std::string &id)
{
    return QStringLiteral("Cannot add ") + QString::fromStdString(id) + QStringLiteral(", it is on the DO NOT SHIP list.");
}

} // namespace velmora
