// The main window's truckload editing commands: add, edit, remove, cut,
// copy and paste, the truckload list's rows and the vehicle questions.
#include "app/main_window.h"
#include "frontend/holders.h"

#include "dravlen.h"
#include "truckload/add_item.h"
#include "truckload/clipboard.h"
#include "app/dravlen_library.h"
#include "app/help_window.h"
#include "app/launchers.h"
#include "viewer/reference_links.h"
#include "search/search_listing.h"
#include "truckload/truckload_editing.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>

#include <cstddef>

namespace velmora {

namespace {

} // namespace

void MainWindow::buildEditCommands(QMenu *editMenu, QAction *before)
{
    auto make = [&](const char *caption, const QKeySequence &keys, const char *hint, void (MainWindow::*slot)()) {
        auto *a = new QAction(QString::fromLatin1(caption), this);
        a->setShortcut(keys);
        a->setToolTip(QString::fromLatin1(hint));
        connect(a, &QAction::triggered, this, slot);
        editMenu->insertAction(before, a);
        return a;
    };
    actCut = make("Cu&t", QKeySequence(QKeySequence::Cut), "Cut", &MainWindow::cut);
    actCopy = make("&Copy", QKeySequence(QKeySequence::Copy), "Copy", &MainWindow::copy);
    actPaste = make("&Paste", QKeySequence(QKeySequence::Paste), "Paste", &MainWindow::paste);
    editMenu->insertSeparator(before);
    actAdd = make("&Add Item To Truckload...", QKeySequence(Qt::CTRL | Qt::Key_I), "Add To Truckload",
                  &MainWindow::newItem);
    actRemove = make("&Remove Item(s) From Truckload", QKeySequence(Qt::CTRL | Qt::Key_D), "Remove From Truckload",
                     &MainWindow::removeItems);
    actEdit = make("&Edit Truckload Item...", QKeySequence(Qt::CTRL | Qt::Key_E), "Edit Item On Truckload",
                   &MainWindow::editItem);
    editMenu->insertSeparator(before);

    // Toolbar: Cut, Copy, Paste, separator, Add, Remove, Edit, separator,
    // ahead of the buttons already there.
    QAction *first = toolbar_->actions().isEmpty() ? nullptr : toolbar_->actions().first();
    for (QAction *a : {actCut, actCopy, actPaste})
        toolbar_->insertAction(first, a);
    toolbar_->insertSeparator(first);
    for (QAction *a : {actAdd, actRemove, actEdit})
        toolbar_->insertAction(first, a);
    toolbar_->insertSeparator(first);
}

void MainWindow::setUpEditing()
{
    if (auto *dravlen = dynamic_cast<DravlenLibrary *>(&lib_)) {
        engine_ = dravlen->engine();
        editor_ = std::make_unique<TruckloadEditor>(engine_, prompts_);
        editor_->changed = [this] {
            if (editor_->dirty())
                setDirty(true);
            editor_->setDirty(false);
            showCompliance();
        };
    }
    if (!addFromSearch)
        addFromSearch = [this](int pid) { addSearchResult(pid); };
    itemDialog = [this](Hazmat *item, bool fromSearch) { return runItemDialog(item, fromSearch); };
    connect(truckloadList, &QTreeWidget::itemSelectionChanged, this, &MainWindow::truckloadSelectionChanged);
    connect(truckloadList, &QTreeWidget::itemDoubleClicked, this, [this] { editItem(); });
    connect(criteria8820Check, &QCheckBox::clicked, this, &MainWindow::toggle8820Criteria);
    // Paste follows the clipboard while the truckload view shows.
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        if (view_ == View::Truckload) {
            commands_.paste = clipboardHasItems();
            applyCommands();
        }
    });
}

bool MainWindow::runItemDialog(Hazmat *item, bool fromSearch)
{
    AddItemContext context;
    context.prompts = &prompts_;
    context.load = engine_ ? GetLoad_Engine(engine_) : nullptr;
    context.doNotShip = &dns_;
    context.organisation = QString::fromStdString(organisation_);
    context.openRegulation = [this](const QString &cite) { viewer::openReferenceLink(cite, programFolder_, this); };
    context.openDocument = [](const QString &target) { return openDesktopTarget(target); };
    context.openHelpPage = [this](const QString &page) {
        const QString path = QDir(helpFolder(programFolder_)).filePath(page);
        if (!QFileInfo::exists(path))
            return false;
        HelpWindow help(helpFolder(programFolder_), this);
        help.browser()->setSource(QUrl::fromLocalFile(path));
        help.exec();
        return true;
    };
    AddItemDialog dialog(item, fromSearch, context, this);
    return dialog.exec() == QDialog::Accepted;
}

void MainWindow::addItem(int pid, bool fromSearch)
{
    if (!editor_)
        return;
    frontend::ItemHolder item(pid);
    bool kept = false;
    if (itemDialog && itemDialog(item.get(), fromSearch))
        kept = editor_->add(item.get(), ItemChange::Add);
    refillTruckloadList();
    if (kept)
        setStatus(editor_->statusText());
}

void MainWindow::newItem()
{
    if (view_ == View::SavedTruckloads || view_ == View::Compliance)
        return;
    int pid = 0;
    if (view_ == View::Search && searchList->currentItem() && searchList->currentItem()->isSelected())
        pid = searchList->currentItem()->data(0, Qt::UserRole).toInt();
    addItem(pid, pid != 0);
}

void MainWindow::addSearchResult(int pid) { addItem(pid, true); }

std::vector<uint32_t> MainWindow::selectedTruckloadRows() const
{
    std::vector<uint32_t> rows;
    for (QTreeWidgetItem *row : truckloadList->selectedItems())
        rows.push_back(row->data(0, Qt::UserRole).toUInt());
    return rows;
}

void MainWindow::editItem()
{
    if (!editor_ || view_ != View::Truckload)
        return;
    const auto rows = selectedTruckloadRows();
    if (rows.empty()) {
        newItem();
        return;
    }
    QTreeWidgetItem *current = truckloadList->currentItem();
    const uint32_t index =
        current && current->isSelected() ? current->data(0, Qt::UserRole).toUInt() : rows.front();
    Load *load = GetLoad_Engine(engine_);
    if (index >= GetItemCount_Load(load))
        return;
    frontend::ItemHolder copy(0);
    Copy_Hazmat(copy.get(), GetHazmat_Load(load, index));
    if (itemDialog && itemDialog(copy.get(), false))
        editor_->edit(index, copy.get());
    refillTruckloadList();
    commands_.remove = commands_.cutCopy = false;
    applyCommands();
}

// The selected truckload rows, when the editing commands apply to them.
std::vector<uint32_t> MainWindow::rowsToEdit() const
{
    if (!editor_ || view_ != View::Truckload)
        return {};
    return selectedTruckloadRows();
}

void MainWindow::removeTruckloadRows(const std::vector<uint32_t> &rows)
{
    editor_->remove(rows);
    refillTruckloadList();
    commands_.remove = commands_.cutCopy = false;
    applyCommands();
}

void MainWindow::removeItems()
{
    const auto rows = rowsToEdit();
    if (rows.empty())
        return;
    removeTruckloadRows(rows);
    setStatus(itemCountText(GetItemCount_Load(GetLoad_Engine(engine_))));
}

void MainWindow::copy()
{
    const auto rows = rowsToEdit();
    if (rows.empty())
        return;
    putClipboardBlock(editor_->copy(rows));
    commands_.paste = true;
    applyCommands();
}

void MainWindow::cut()
{
    const auto rows = rowsToEdit();
    if (rows.empty())
        return;
    putClipboardBlock(editor_->copy(rows));
    commands_.paste = true;
    removeTruckloadRows(rows);
}

void MainWindow::paste()
{
    if (!editor_ || view_ != View::Truckload)
        return;
    const auto block = clipboardBlockFromSystem();
    if (!block)
        return;
    const int kept = editor_->paste(*block);
    refillTruckloadList();
    if (kept > 0)
        setStatus(editor_->statusText());
}

void MainWindow::truckloadSelectionChanged()
{
    if (view_ != View::Truckload)
        return;
    const auto n = truckloadList->selectedItems().size();
    commands_.edit = n == 1;
    commands_.remove = commands_.cutCopy = n >= 1;
    applyCommands();
}

void MainWindow::toggle8820Criteria(bool on)
{
    if (!engine_)
        return;
    Load *load = GetLoad_Engine(engine_);
    if (on != (Has8820Criteria_Load(load) != 0))
        setDirty(true);
    Set8820Criteria_Load(load, on ? -1 : 0);
    showCompliance();
}

void MainWindow::selectVehicle(const QString &name)
{
    if (name.isEmpty())
        return;
    if (started_ && engine_) {
        const char *current = GetVehicle_Load(GetLoad_Engine(engine_));
        if (!current || name != fromLibraryText(current))
            setDirty(true);
    }
    lib_.setVehicle(name.toStdString());
    if (started_)
        showCompliance();
}

void MainWindow::fillTruckloadRows()
{
    truckloadList->clear();
    if (!engine_)
        return;
    Load *load = GetLoad_Engine(engine_);
    // The vehicle list shows the truckload's vehicle (the first entry when
    // it names none of them).
    {
        const QString vehicle = fromLibraryText(GetVehicle_Load(load));
        const auto found = vehicleList->findItems(vehicle, Qt::MatchExactly);
        const QSignalBlocker block(vehicleList);
        if (!found.isEmpty())
            vehicleList->setCurrentItem(found.first());
        else if (vehicleList->count() > 0)
            vehicleList->setCurrentRow(0);
    }
    // The 8,820-pound rule of 172.301(a)(3) applies only to a single
    // material loaded at one facility.
    if (Is8820Allowed_Load(load)) {
        criteria8820Check->setEnabled(true);
        criteria8820Check->setChecked(Has8820Criteria_Load(load) != 0);
    } else {
        criteria8820Check->setEnabled(false);
        criteria8820Check->setChecked(false);
        Set8820Criteria_Load(load, 0);
    }
    dodShipmentCheck->setChecked(IsDODShipment_Load(load) != 0);
    truckloadList->setSortingEnabled(false);
    for (uint32_t i = 0; i < GetItemCount_Load(load); ++i) {
        const TruckloadRow r = truckloadRow(load, i);
        QTreeWidgetItem *row = newListRow(truckloadList);
        const QString cells[] = {r.psn, r.hazardClass, r.id, r.packingGroup, r.permit, r.weight, r.packaging, r.pih};
        for (int c = 0; c < 8; ++c)
            row->setText(c, cells[c]);
        row->setData(0, Qt::UserRole, i);
    }
    for (const QString &warning : doNotShipWarnings(load, dns_))
        prompts_.error(warning);
}

} // namespace velmora
