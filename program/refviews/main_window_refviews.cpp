// The main window's reference views: the pop-up menu of the truckload list
// and the search results, the table entry and the authorized cargo tanks.
#include "app/main_window.h"
#include "refviews/table_entry_view.h"
#include "refviews/tanks_dialog.h"

#include <dravlen.h>

#include <QMenu>
#include <QTreeWidget>

namespace velmora {

void TForm1::setUpReferenceViews()
{
    mnuPopup = new QMenu(this);
    mnuPopup->setObjectName(QStringLiteral("mnuPopup"));
    actViewTableEntry = mnuPopup->addAction(QStringLiteral("View Hazardous Material Table Entry"));
    actViewCargoTanks = mnuPopup->addAction(QStringLiteral("View Authorized Motor Cargo Tanks"));
    connect(actViewTableEntry, &QAction::triggered, this, &TForm1::ViewTableEntryClick);
    connect(actViewCargoTanks, &QAction::triggered, this, &TForm1::ViewCargoTanksClick);
    for (QTreeWidget *list : {lvTruckload, lvSearch}) {
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QWidget::customContextMenuRequested, this, [this, list](const QPoint &at) {
            updatePopupMenu();
            mnuPopup->popup(list->viewport()->mapToGlobal(at));
        });
    }
    runInfoWindow = [](TfrmInfoDisplay &window) { window.exec(); };
}

// Evaluated each time the pop-up opens.
void TForm1::updatePopupMenu()
{
    const bool truckload = view_ == View::Truckload;
    const bool search = view_ == View::Search;
    const int selected = truckload ? static_cast<int>(lvTruckload->selectedItems().size())
                         : search  ? static_cast<int>(lvSearch->selectedItems().size())
                                   : 0;
    actViewTableEntry->setEnabled(engine_ && (truckload || search) && selected == 1);
    actViewCargoTanks->setEnabled(engine_ && truckload && GetItemCount_Load(GetLoad_Engine(engine_)) > 0);
}

void TForm1::ViewTableEntryClick()
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
        const auto rows = lvSearch->selectedItems();
        if (rows.size() != 1)
            return;
        pid = rows.front()->data(0, Qt::UserRole).toInt();
    }
    const CTRec *row = GetCTRec_HazData(pid);
    if (!row)   // no entry in the current ruleset: nothing to show
        return;
    TfrmInfoDisplay window(QString::fromLatin1(kTableEntryMode), tableEntryPage(row), programFolder_, viewerPath_,
                           prompts_, this);
    runInfoWindow(window);
}

void TForm1::ViewCargoTanksClick()
{
    if (!engine_ || view_ != View::Truckload)
        return;
    Load *load = GetLoad_Engine(engine_);
    if (GetItemCount_Load(load) == 0)
        return;
    TfrmInfoDisplay window(QString::fromLatin1(kCargoTanksMode),
                           cargoTanksPage(cargoTanksRequest(load, selectedTruckloadRows())), programFolder_,
                           viewerPath_, prompts_, this);
    runInfoWindow(window);
}

} // namespace velmora
