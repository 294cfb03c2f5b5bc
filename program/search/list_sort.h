// Sorting of the window's lists (search results, saved truckloads): the
// direction per column and the comparison of two cell texts.
#pragma once

#include <QString>
#include <QStringList>
#include <map>

namespace velmora {

// Direction state of one list: clicking a column resets the others; the
// clicked column starts ascending and flips on each further click.
class SortState {
public:
    enum class Direction { None, Ascending, Descending };
    void click(int column);
    void clear() { directions_.clear(); column_ = -1; }
    void set(int column, Direction d) { directions_.clear(); directions_[column] = d; column_ = column; }
    int column() const { return column_; }
    Direction direction(int column) const;

private:
    std::map<int, Direction> directions_;
    int column_ = -1;
};

// Compares two cell texts: equal texts are equal; two date-times compare by
// whole days; otherwise by runs of digits and of non-digits, each pair by
// the locale's comparison with case ignored; the comparison ends "equal" when
// either text runs out of runs.  <0, 0, >0.
int compareCellTexts(const QString &a, const QString &b);

// A cell text prepared for many comparisons (a long list sorts with n log n
// of them): whether it reads as a date-time, and its runs case-folded.
struct CellSortKey {
    QString text;
    bool dateTime = false;
    qint64 msecs = 0;   // since the epoch, when dateTime
    QStringList foldedRuns;
};
CellSortKey cellSortKey(const QString &text);
// As compareCellTexts on the keys' texts.
int compareCellKeys(const CellSortKey &a, const CellSortKey &b);

// Full row order: the cell comparison, then the image index, then reversed
// for a descending sort.
int compareRows(const QString &a, int imageA, const QString &b, int imageB, bool descending);

} // namespace velmora
