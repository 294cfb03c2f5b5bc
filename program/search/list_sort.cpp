#include "search/list_sort.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>
#include <cmath>
#include <optional>

namespace velmora {

void SortState::click(int column)
{
    const Direction old = direction(column);
    directions_.clear();
    directions_[column] = old == Direction::Ascending ? Direction::Descending : Direction::Ascending;
    column_ = column;
}

SortState::Direction SortState::direction(int column) const
{
    const auto it = directions_.find(column);
    return it == directions_.end() ? Direction::None : it->second;
}

namespace {

std::optional<QDateTime> asDateTime(const QString &s)
{
    // Every date the lists show, and every short date format of a locale,
    // begins with a digit: a truckload or shipping name that does not is
    // not tried against each format (a scan sorts thousands of them).
    const QString trimmed = s.trimmed();
    if (trimmed.isEmpty() || !trimmed.front().isDigit())
        return std::nullopt;
    static const QStringList formats = {QStringLiteral("MM/dd/yyyy hh:mm:ss"), QStringLiteral("M/d/yyyy h:mm:ss"),
                                        QStringLiteral("MM/dd/yyyy"), QStringLiteral("M/d/yyyy")};
    for (const auto &f : formats) {
        QDateTime dt = QDateTime::fromString(s, f);
        if (dt.isValid())
            return dt;
    }
    const QLocale locale;
    QDateTime dt = locale.toDateTime(s, QLocale::ShortFormat);
    if (dt.isValid())
        return dt;
    const QDate d = locale.toDate(s, QLocale::ShortFormat);
    if (d.isValid())
        return QDateTime(d, QTime(0, 0));
    return std::nullopt;
}

QStringList runs(const QString &s)
{
    QStringList out;
    QString current;
    for (QChar c : s) {
        if (!current.isEmpty() && current.back().isDigit() != c.isDigit()) {
            out << current;
            current.clear();
        }
        current += c;
    }
    if (!current.isEmpty())
        out << current;
    return out;
}

} // namespace

CellSortKey cellSortKey(const QString &text)
{
    CellSortKey key;
    key.text = text;
    if (const auto when = asDateTime(text)) {
        key.dateTime = true;
        key.msecs = when->toMSecsSinceEpoch();
    }
    // case does not order a list: "acetone" sorts with "Acetone"
    for (const QString &run : runs(text))
        key.foldedRuns << run.toCaseFolded();
    return key;
}

int compareCellKeys(const CellSortKey &a, const CellSortKey &b)
{
    if (a.text == b.text)
        return 0;
    if (a.dateTime && b.dateTime) {
        const double days = static_cast<double>(a.msecs - b.msecs) / 86400000.0;
        const long rounded = std::lround(days);
        return rounded < 0 ? -1 : (rounded > 0 ? 1 : 0);
    }
    for (qsizetype i = 0; i < a.foldedRuns.size() && i < b.foldedRuns.size(); ++i) {
        const int c = QString::localeAwareCompare(a.foldedRuns[i], b.foldedRuns[i]);
        if (c != 0)
            return c;
    }
    return 0;
}

int compareCellTexts(const QString &a, const QString &b)
{
    return a == b ? 0 : compareCellKeys(cellSortKey(a), cellSortKey(b));
}

int compareRows(const QString &a, int imageA, const QString &b, int imageB, bool descending)
{
    int c = compareCellTexts(a, b);
    if (c == 0)
        c = imageA < imageB ? -1 : (imageA > imageB ? 1 : 0);
    return descending ? -c : c;
}

} // namespace velmora
