#include "refviews/reference_commands.h"

#include "app/dialogs.h"
#include "refviews/table_entry_view.h"
#include "refviews/tanks_dialog.h"
#include "search/search_view.h"
#include "truckload/truckload_view.h"

#include <dravlen.h>

#include <QAction>
#include <QMenu>

namespace velmora {

ReferenceCommands::ReferenceCommands(const Context &context, QMenu &popup, const TruckloadView &truckload,
                                     const SearchView &search, QObject *parent)
    : QObject(parent), context_(context), truckload_(truckload), search_(search)
{
    tableEntry_ = popup.addAction(QStringLiteral("View Hazardous Material Table Entry"));
    cargoTanks_ = popup.addAction(QStringLiteral("View Authorized Motor Cargo Tanks"));
    connect(tableEntry_, &QAction::triggered, this, &ReferenceCommands::showTableEntry);
    connect(cargoTanks_, &QAction::triggered, this, &ReferenceCommands::showCargoTanks);
    connect(&popup, &QMenu::aboutToShow, this, &ReferenceCommands::updateActions);
}

// Evaluated each time the pop-up opens: the table entry of one selected
// row; the cargo tanks of the truckload (or its selected item), or of the
// selected search result.
void ReferenceCommands::updateActions()
{
    const View shown = *context_.shownView;
    const bool engine = context_.engine != nullptr;
    const bool truckload = shown == View::Truckload;
    const bool search = shown == View::Search;
    const size_t selected = truckload ? truckload_.selectedRows().size() : search ? (search_.selectedPid() ? 1 : 0) : 0;
    tableEntry_->setEnabled(engine && (truckload || search) && selected == 1);
    cargoTanks_->setEnabled(engine && ((truckload && GetItemCount_Load(GetLoad_Engine(context_.engine)) > 0) ||
                                       (search && selected == 1)));
}

void ReferenceCommands::showTableEntry()
{
    if (!context_.engine)
        return;
    int pid = 0;
    if (*context_.shownView == View::Truckload) {
        const auto rows = truckload_.selectedRows();
        if (rows.size() != 1)
            return;
        if (const Hazmat *item = GetHazmat_Load(GetLoad_Engine(context_.engine), rows.front()))
            pid = GetPID_Hazmat(item);
    } else if (*context_.shownView == View::Search) {
        pid = search_.selectedPid();
    }
    const CTRec *row = GetCTRec_HazData(pid);
    if (!row)   // no entry in the current ruleset: nothing to show
        return;
    InfoWindow window(QString::fromLatin1(kTableEntryMode), tableEntryPage(row), context_.programFolder,
                      context_.viewerPath, *context_.prompts, context_.window);
    context_.dialogs->exec(window);
}

void ReferenceCommands::showCargoTanks()
{
    if (!context_.engine)
        return;
    CargoTanksRequest request;
    if (*context_.shownView == View::Truckload) {
        Load *load = GetLoad_Engine(context_.engine);
        if (GetItemCount_Load(load) == 0)
            return;
        request = cargoTanksRequest(load, truckload_.selectedRows());
    } else if (*context_.shownView == View::Search) {
        const int pid = search_.selectedPid();
        if (!pid)
            return;
        request = cargoTanksRequestForEntry(pid);
        if (!request.row)
            return;
    } else {
        return;
    }
    InfoWindow window(QString::fromLatin1(kCargoTanksMode), cargoTanksPage(request), context_.programFolder,
                      context_.viewerPath, *context_.prompts, context_.window);
    context_.dialogs->exec(window);
}

} // namespace velmora
