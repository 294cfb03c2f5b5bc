// The Search and Browse view: the "Look for" box, the "Look in" choice, the
// Search button and the results.  A result activated (double-click or
// Enter) is offered for the truckload unless it is on the Do Not Ship list.
#pragma once

#include "search/list_sort.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class HazmatLibrary;
class Prompts;
struct DoNotShipList;

class SearchView : public QWidget {
    Q_OBJECT
public:
    SearchView(HazmatLibrary &library, Prompts &prompts, const DoNotShipList &doNotShip, int fontAdjust,
               QWidget *parent = nullptr);

    QLineEdit *lookForEdit() const { return lookFor_; }
    QComboBox *lookInCombo() const { return lookIn_; }
    QPushButton *searchButton() const { return searchButton_; }
    QTreeWidget *results() const { return results_; }
    // The table row (PID) of the one selected result; 0 when none is.
    int selectedPid() const;
    // The current result when it is selected (what Add Item takes); 0 otherwise.
    int currentPid() const;

public slots:
    void search();
    // An empty view with the default "Look in", ready for typing.
    void reset();
    // Clears the results (they belong to the table of another ruleset).
    void clearResults();
    // A header click: that column ascending, then descending.
    void sortByColumn(int column);
    void activateResult(QTreeWidgetItem *row);
    // Ends a running search early (the window is closing).
    void setStopping(bool on) { stopping_ = on; }

signals:
    void statusChanged(const QString &text);
    // An activated result that may go on the truckload.
    void addRequested(int pid);
    void contextMenuRequested(const QPoint &globalPos);

private:
    HazmatLibrary &lib_;
    Prompts &prompts_;
    const DoNotShipList &doNotShip_;
    QLineEdit *lookFor_ = nullptr;
    QComboBox *lookIn_ = nullptr;
    QPushButton *searchButton_ = nullptr;
    QTreeWidget *results_ = nullptr;
    SortState sort_;
    bool stopping_ = false;
};

} // namespace velmora
