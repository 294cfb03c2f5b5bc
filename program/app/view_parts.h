// What every view of the main window is built from: the coloured title bar
// across its top and the lists whose rows sort by the lists' comparison.
#pragma once

#include <QStringList>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;
class QWidget;

namespace velmora {

// Lays out `view` as a column starting with its title bar; `fontAdjust` is
// the screen's font adjustment (larger fonts on high-resolution screens).
QLabel *addViewTitle(QWidget *view, const QString &title, int fontAdjust);
// The column layout addViewTitle gave `view`.
QVBoxLayout *viewColumn(QWidget *view);

// A list with clickable headers, its first column stretched.
QTreeWidget *makeListView(QWidget *parent, const QStringList &headers);
// A row of such a list, sorted by compareCellTexts on the sort column.
QTreeWidgetItem *newListRow(QTreeWidget *list);

} // namespace velmora
