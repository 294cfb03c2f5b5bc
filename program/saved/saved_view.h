// The Saved Truckloads view: the saved files as a report list or as large
// icons, the Preview/Report/Filter/Export buttons, and a hint in place of
// the lists while there is nothing to show.
#pragma once

#include "saved/saved_list.h"
#include "search/list_sort.h"

#include <QWidget>

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QStackedLayout;
class QTreeWidget;

namespace velmora {

class SavedView : public QWidget {
    Q_OBJECT
public:
    explicit SavedView(int fontAdjust, QWidget *parent = nullptr);

    QTreeWidget *list() const { return list_; }
    QListWidget *iconList() const { return iconList_; }
    QPushButton *exportButton() const { return exportButton_; }
    QPushButton *filterButton() const { return filterButton_; }
    // The hint shown instead of the lists when no truckload is listed.
    QLabel *emptyHint() const { return hint_; }

    // With legality processed the list has the summary columns and the
    // Preview/Report buttons show; without it only the report list is offered.
    void setLegalityShown(bool shown);
    enum class Style { Preview = 0, Report = 1 };
    void setStyle(Style style);
    bool showsIcons() const;
    // Fills both lists with `rows` (their indexes are what the selection
    // answers) and sorts them; `hint` is shown when `rows` is empty.
    void setRows(const std::vector<SavedRow> &rows, const QString &hint);
    void clear();
    // Selected rows of the showing list, as indexes into the rows given.
    std::vector<size_t> selectedRows() const;
    // All rows in the report list's order.
    std::vector<size_t> rowsInListOrder() const;
    // The sort lasts for the run; a rebuild after a Preferences change
    // starts again from the first column ascending.
    void resetSort();

signals:
    void openRequested();
    void deleteRequested();
    void rowClicked();
    void exportListRequested();
    void filterRequested();
    // The pop-up menu of either list.
    void contextMenuRequested(const QPoint &globalPos);

private:
    void sortList();
    void showListOrHint();

    bool legality_ = true;
    bool icons_ = false;
    bool empty_ = true;
    QTreeWidget *list_ = nullptr;
    QListWidget *iconList_ = nullptr;
    QLabel *hint_ = nullptr;
    QPushButton *previewButton_ = nullptr, *reportButton_ = nullptr, *filterButton_ = nullptr,
                *exportButton_ = nullptr;
    SortState sort_;
};

} // namespace velmora
