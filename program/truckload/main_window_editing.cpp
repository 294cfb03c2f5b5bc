// The main window's truckload editing commands: add, edit, remove, cut,
// copy and paste, the truckload list's rows and the vehicle questions.
#include "app/main_window.h"

#include "dravlen.h"
#include "truckload/add_item.h"
#include "truckload/clipboard.h"
#include "app/dravlen_library.h"
#include "app/help_window.h"
#include "app/launchers.h"
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

// An item the window holds outside the truckload, in the 256 bytes the
// program reserves for one.
class HeldItem {
public:
    explicit HeldItem(int pid) { Init_Hazmat(item(), pid); }
    ~HeldItem() { Reset_Hazmat(item(), 0); }
    HeldItem(const HeldItem &) = delete;
    HeldItem &operator=(const HeldItem &) = delete;
    Hazmat *item() { return reinterpret_cast<Hazmat *>(storage_); }

private:
    alignas(std::max_align_t) unsigned char storage_[256];
};

} // namespace

void TForm1::buildEditCommands(QMenu *editMenu, QAction *before)
{
    auto make = [&](const char *caption, const QKeySequence &keys, const char *hint, void (TForm1::*slot)()) {
        auto *a = new QAction(QString::fromLatin1(caption), this);
        a->setShortcut(keys);
        a->setToolTip(QString::fromLatin1(hint));
        connect(a, &QAction::triggered, this, slot);
        editMenu->insertAction(before, a);
        return a;
    };
    actCut = make("Cu&t", QKeySequence(Qt::CTRL | Qt::Key_X), "Cut", &TForm1::CutClick);
    actCopy = make("&Copy", QKeySequence(Qt::CTRL | Qt::Key_C), "Copy", &TForm1::CopyClick);
    actPaste = make("&Paste", QKeySequence(Qt::CTRL | Qt::Key_V), "Paste", &TForm1::PasteClick);
    editMenu->insertSeparator(before);
    actAdd = make("&Add Item To Truckload...", QKeySequence(Qt::CTRL | Qt::Key_I), "Add To Truckload",
                  &TForm1::AddItemClick);
    actRemove = make("&Remove Item(s) From Truckload", QKeySequence(Qt::CTRL | Qt::Key_D), "Remove From Truckload",
                     &TForm1::RemoveItemClick);
    actEdit = make("&Edit Truckload Item...", QKeySequence(Qt::CTRL | Qt::Key_E), "Edit Item On Truckload",
                   &TForm1::EditItemClick);
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

void TForm1::setUpEditing()
{
    if (auto *dravlen = dynamic_cast<DravlenLibrary *>(&lib_)) {
        engine_ = dravlen->engine();
        editor_ = std::make_unique<TruckloadEditor>(engine_, prompts_);
        editor_->changed = [this] {
            if (editor_->dirty())
                dirty_ = true;
            editor_->setDirty(false);
            showCompliance();
        };
    }
    if (!addFromSearch)
        addFromSearch = [this](int pid) { addSearchResult(pid); };
    itemDialog = [this](Hazmat *item, bool fromSearch) { return runItemDialog(item, fromSearch); };
    connect(lvTruckload, &QTreeWidget::itemSelectionChanged, this, &TForm1::lvTruckloadSelectionChange);
    connect(lvTruckload, &QTreeWidget::itemDoubleClicked, this, [this] { EditItemClick(); });
    connect(chk8820, &QCheckBox::clicked, this, &TForm1::chk8820Click);
    // Paste follows the clipboard while the truckload view shows.
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        if (view_ == View::Truckload) {
            commands_.paste = clipboardHasItems();
            applyCommands();
        }
    });
}

bool TForm1::runItemDialog(Hazmat *item, bool fromSearch)
{
    AddItemContext context;
    context.prompts = &prompts_;
    context.load = engine_ ? GetLoad_Engine(engine_) : nullptr;
    context.doNotShip = &dns_;
    context.organisation = QString::fromStdString(organisation_);
    context.openRegulation = [this](const QString &cite) { openRegulations(viewerPath_, cite, prompts_); };
    context.openDocument = [](const QString &target) { return openDesktopTarget(target); };
    context.openHelpPage = [this](const QString &page) {
        const QString path = QDir(helpFolder(programFolder_)).filePath(page);
        if (!QFileInfo::exists(path))
            return false;
        THelpWindow help(helpFolder(programFolder_), this);
        help.browser()->setSource(QUrl::fromLocalFile(path));
        help.exec();
        return true;
    };
    TAddItem dialog(item, fromSearch, context, this);
    return dialog.exec() == QDialog::Accepted;
}

void TForm1::addItem(int pid, bool fromSearch)
{
    if (!editor_)
        return;
    HeldItem item(pid);
    bool kept = false;
    if (itemDialog && itemDialog(item.item(), fromSearch))
        kept = editor_->add(item.item(), ItemChange::Add);
    refillTruckloadList();
    if (kept)
        setStatus(editor_->statusText());
}

void TForm1::AddItemClick()
{
    if (view_ == View::SavedTruckloads || view_ == View::Compliance)
        return;
    int pid = 0;
    if (view_ == View::Search && lvSearch->currentItem() && lvSearch->currentItem()->isSelected())
        pid = lvSearch->currentItem()->data(0, Qt::UserRole).toInt();
    addItem(pid, pid != 0);
}

void TForm1::addSearchResult(int pid) { addItem(pid, true); }

std::vector<uint32_t> TForm1::selectedTruckloadRows() const
{
    std::vector<uint32_t> rows;
    for (QTreeWidgetItem *row : lvTruckload->selectedItems())
        rows.push_back(row->data(0, Qt::UserRole).toUInt());
    return rows;
}

void TForm1::EditItemClick()
{
    if (!editor_ || view_ != View::Truckload)
        return;
    const auto rows = selectedTruckloadRows();
    if (rows.empty()) {
        AddItemClick();
        return;
    }
    QTreeWidgetItem *current = lvTruckload->currentItem();
    const uint32_t index =
        current && current->isSelected() ? current->data(0, Qt::UserRole).toUInt() : rows.front();
    Load *load = GetLoad_Engine(engine_);
    if (index >= GetItemCount_Load(load))
        return;
    HeldItem copy(0);
    Copy_Hazmat(copy.item(), GetHazmat_Load(load, index));
    if (itemDialog && itemDialog(copy.item(), false))
        editor_->edit(index, copy.item());
    refillTruckloadList();
    commands_.remove = commands_.cutCopy = false;
    applyCommands();
}

// The selected truckload rows, when the editing commands apply to them.
std::vector<uint32_t> TForm1::rowsToEdit() const
{
    if (!editor_ || view_ != View::Truckload)
        return {};
    return selectedTruckloadRows();
}

void TForm1::removeTruckloadRows(const std::vector<uint32_t> &rows)
{
    editor_->remove(rows);
    refillTruckloadList();
    commands_.remove = commands_.cutCopy = false;
    applyCommands();
}

void TForm1::RemoveItemClick()
{
    const auto rows = rowsToEdit();
    if (rows.empty())
        return;
    removeTruckloadRows(rows);
    setStatus(itemCountText(GetItemCount_Load(GetLoad_Engine(engine_))));
}

void TForm1::CopyClick()
{
    const auto rows = rowsToEdit();
    if (rows.empty())
        return;
    putClipboardBlock(editor_->copy(rows));
    commands_.paste = true;
    applyCommands();
}

void TForm1::CutClick()
{
    const auto rows = rowsToEdit();
    if (rows.empty())
        return;
    putClipboardBlock(editor_->copy(rows));
    commands_.paste = true;
    removeTruckloadRows(rows);
}

void TForm1::PasteClick()
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

void TForm1::lvTruckloadSelectionChange()
{
    if (view_ != View::Truckload)
        return;
    const auto n = lvTruckload->selectedItems().size();
    commands_.edit = n == 1;
    commands_.remove = commands_.cutCopy = n >= 1;
    applyCommands();
}

void TForm1::chk8820Click(bool on)
{
    if (!engine_)
        return;
    Load *load = GetLoad_Engine(engine_);
    if (on != (Has8820Criteria_Load(load) != 0))
        dirty_ = true;
    Set8820Criteria_Load(load, on ? -1 : 0);
    showCompliance();
}

void TForm1::lbVehiclesChange(const QString &name)
{
    if (name.isEmpty())
        return;
    if (started_ && engine_) {
        const char *current = GetVehicle_Load(GetLoad_Engine(engine_));
        if (!current || name != QString::fromLatin1(current))
            dirty_ = true;
    }
    lib_.setVehicle(name.toStdString());
    if (started_)
        showCompliance();
}

void TForm1::fillTruckloadRows()
{
    lvTruckload->clear();
    if (!engine_)
        return;
    Load *load = GetLoad_Engine(engine_);
    // The vehicle list shows the truckload's vehicle (the first entry when
    // it names none of them).
    {
        const QString vehicle = QString::fromLatin1(GetVehicle_Load(load) ? GetVehicle_Load(load) : "");
        const auto found = lbVehicles->findItems(vehicle, Qt::MatchExactly);
        const QSignalBlocker block(lbVehicles);
        if (!found.isEmpty())
            lbVehicles->setCurrentItem(found.first());
        else if (lbVehicles->count() > 0)
            lbVehicles->setCurrentRow(0);
    }
    // The 8,820-pound rule of 172.301(a)(3) applies only to a single
    // material loaded at one facility.
    if (Is8820Allowed_Load(load)) {
        chk8820->setEnabled(true);
        chk8820->setChecked(Has8820Criteria_Load(load) != 0);
    } else {
        chk8820->setEnabled(false);
        chk8820->setChecked(false);
        Set8820Criteria_Load(load, 0);
    }
    chkDOD->setChecked(IsDODShipment_Load(load) != 0);
    lvTruckload->setSortingEnabled(false);
    for (uint32_t i = 0; i < GetItemCount_Load(load); ++i) {
        const TruckloadRow r = truckloadRow(load, i);
        QTreeWidgetItem *row = newListRow(lvTruckload);
        const QString cells[] = {r.psn, r.hazardClass, r.id, r.packingGroup, r.permit, r.weight, r.packaging, r.pih};
        for (int c = 0; c < 8; ++c)
            row->setText(c, cells[c]);
        row->setData(0, Qt::UserRole, i);
    }
    for (const QString &warning : doNotShipWarnings(load, dns_))
        prompts_.error(warning);
}

} // namespace velmora
