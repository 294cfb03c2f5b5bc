// The main window's reference views: the pop-up menu of the truckload list
// and the search results, the table entry and the authorized cargo tanks.
#include "app/main_window.h"
#include "refviews/table_entry_view.h"
#include "refviews/tanks_dialog.h"

#include <dravlen.h>

#include <QMenu>
#include <QTreeWidget>

namespace velmora {

void MainWindow::setUpReferenceViews()
{
    popupMenu = new QMenu(this);
    popupMenu->setObjectName(QStringLiteral("popupMenu"));
    actViewTableEntry = popupMenu->addAction(QStringLiteral("View Hazardous Material Table Entry"));
    actViewCargoTanks = popupMenu->addAction(QStringLiteral("View Authorized Motor Cargo Tanks"));
    connect(actViewTableEntry, &QAction::triggered, this, &MainWindow::showTableEntry);
    connect(actViewCargoTanks, &QAction::triggered, this, &MainWindow::showCargoTanks);
    for (QTreeWidget *list : {truckloadList, searchList}) {
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QWidget::customContextMenuRequested, this, [this, list](const QPoint &at) {
            updatePopupMenu();
            popupMenu->popup(list->viewport()->mapToGlobal(at));
        });
    }
    runInfoWindow = [](InfoWindow &window) { window.exec(); };
}

// Evaluated each time the pop-up opens.
void MainWindow::updatePopupMenu()
{
    const bool truckload = view_ == View::Truckload;
    const bool search = view_ == View::Search;
    const int selected = truckload ? static_cast<int>(truckloadList->selectedItems().size())
                         : search  ? static_cast<int>(searchList->selectedItems().size())
                                   : 0;
    actViewTableEntry->setEnabled(engine_ && (truckload || search) && selected == 1);
    actViewCargoTanks->setEnabled(engine_ && truckload && GetItemCount_Load(GetLoad_Engine(engine_)) > 0);
}

void MainWindow::showTableEntry()
{
    if (!engine_)
        return;
    int pid = 0;
    if (view_ == View::Truckload) {
        const auto rows = selectedTruckloadRows();
        if (rows.size() != 1)
            return;
        if (const Hazmat *item = GetHazmat_Load(GetLoad_Engine(engine_), rows.front()))
            pid = GetPID_Hazmat(item);
    } else if (view_ == View::Search) {
        const auto rows = searchList->selectedItems();
        if (rows.size() != 1)
            return;
        pid = rows.front()->data(0, Qt::UserRole).toInt();
    }
    const CTRec *row = GetCTRec_HazData(pid);
    if (!row)   // no entry in the current ruleset: nothing to show
        return;
    InfoWindow window(QString::fromLatin1(kTableEntryMode), tableEntryPage(row), programFolder_, viewerPath_,
                           prompts_, this);
    runInfoWindow(window);
}

void MainWindow::showCargoTanks()
{
    if (!engine_ || view_ != View::Truckload)
        return;
    Load *load = GetLoad_Engine(engine_);
    if (GetItemCount_Load(load) == 0)
        return;
    InfoWindow window(QString::fromLatin1(kCargoTanksMode),
                           cargoTanksPage(cargoTanksRequest(load, selectedTruckloadRows())), programFolder_,
                           viewerPath_, prompts_, this);
    runInfoWindow(window);
}

} // namespace velmora
