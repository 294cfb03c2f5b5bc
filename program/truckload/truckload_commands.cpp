#include "truckload/truckload_commands.h"

#include "app/dialogs.h"
#include "app/dravlen_library.h"
#include "app/help_window.h"
#include "app/launchers.h"
#include "frontend/holders.h"
#include "search/search_listing.h"
#include "search/search_view.h"
#include "truckload/add_item.h"
#include "truckload/clipboard.h"
#include "truckload/truckload_editing.h"
#include "truckload/truckload_view.h"
#include "viewer/reference_links.h"

#include "dravlen.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

namespace velmora {

TruckloadCommands::TruckloadCommands(const Context &context, TruckloadView &view, SearchView &search, QObject *parent)
    : QObject(parent), context_(context), view_(view), search_(search)
{
    if (context_.engine) {
        editor_ = std::make_unique<TruckloadEditor>(context_.engine, *context_.prompts);
        editor_->changed = [this] {
            if (editor_->dirty())
                markModified();
            editor_->setDirty(false);
            emit truckloadChanged();
        };
    }
    auto make = [this](const char *caption, const QKeySequence &keys, const char *hint, void (TruckloadCommands::*slot)()) {
        auto *a = new QAction(QString::fromLatin1(caption), this);
        a->setShortcut(keys);
        a->setToolTip(QString::fromLatin1(hint));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    cut_ = make("Cu&t", QKeySequence(QKeySequence::Cut), "Cut", &TruckloadCommands::cut);
    copy_ = make("&Copy", QKeySequence(QKeySequence::Copy), "Copy", &TruckloadCommands::copy);
    paste_ = make("&Paste", QKeySequence(QKeySequence::Paste), "Paste", &TruckloadCommands::paste);
    add_ = make("&Add Item To Truckload...", QKeySequence(Qt::CTRL | Qt::Key_I), "Add To Truckload",
                &TruckloadCommands::newItem);
    remove_ = make("&Remove Item(s) From Truckload", QKeySequence(Qt::CTRL | Qt::Key_D), "Remove From Truckload",
                   &TruckloadCommands::removeItems);
    edit_ = make("&Edit Truckload Item...", QKeySequence(Qt::CTRL | Qt::Key_E), "Edit Item On Truckload",
                 &TruckloadCommands::editItem);
    // Short toolbar captions, so that the toolbar fits a 1024-pixel screen;
    // the menus and hints keep the full texts.
    add_->setIconText(QStringLiteral("Add"));
    remove_->setIconText(QStringLiteral("Remove"));
    edit_->setIconText(QStringLiteral("Edit"));

    connect(&view_, &TruckloadView::selectionChanged, this, &TruckloadCommands::selectionChanged);
    connect(&view_, &TruckloadView::rowDoubleClicked, this, &TruckloadCommands::editItem);
    connect(&view_, &TruckloadView::criteria8820Clicked, this, &TruckloadCommands::toggle8820Criteria);
    connect(&view_, &TruckloadView::vehicleChosen, this, &TruckloadCommands::selectVehicle);
    connect(&search_, &SearchView::addRequested, this, &TruckloadCommands::addSearchResult);
    // Paste follows the clipboard while the truckload view shows.
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        if (*context_.shownView == View::Truckload) {
            commands_.paste = clipboardHasItems();
            applyCommands();
        }
    });
    applyCommands();
}

TruckloadCommands::~TruckloadCommands() = default;

void TruckloadCommands::markModified() { context_.window->setWindowModified(true); }

void TruckloadCommands::enterView(View view)
{
    commands_ = editCommandsForView(view, commands_, clipboardHasItems());
    applyCommands();
}

void TruckloadCommands::applyCommands()
{
    add_->setEnabled(commands_.add);
    remove_->setEnabled(commands_.remove);
    edit_->setEnabled(commands_.edit);
    cut_->setEnabled(commands_.cutCopy);
    copy_->setEnabled(commands_.cutCopy);
    paste_->setEnabled(commands_.paste);
}

void TruckloadCommands::resetVehicle()
{
    HazmatLibrary &lib = *context_.library;
    QStringList names;
    // Code 0 ("Unknown") is never offered.
    for (int i = 1; i < lib.numVehicles(); ++i)
        names << QString::fromStdString(lib.vehicleName(i));
    view_.setVehicles(names);
    if (!names.isEmpty())
        lib.setVehicle(names.front().toStdString());
    lib.set8820Criteria(false);
    lib.setDODShipment(false);
    const QSignalBlocker b1(view_.criteria8820Check()), b2(view_.dodShipmentCheck());
    view_.criteria8820Check()->setChecked(false);
    view_.dodShipmentCheck()->setChecked(false);
}

bool TruckloadCommands::runItemDialog(Hazmat *item, bool fromSearch)
{
    QWidget *window = context_.window;
    const QString programFolder = context_.programFolder;
    AddItemContext context;
    context.prompts = context_.prompts;
    context.load = context_.engine ? GetLoad_Engine(context_.engine) : nullptr;
    context.doNotShip = context_.doNotShip;
    context.organisation = context_.organisation;
    context.openRegulation = [=](const QString &cite) { viewer::openReferenceLink(cite, programFolder, window); };
    context.openDocument = [](const QString &target) { return openDesktopTarget(target); };
    context.openHelpPage = [=](const QString &page) {
        const QString path = QDir(helpFolder(programFolder)).filePath(page);
        if (!QFileInfo::exists(path))
            return false;
        HelpWindow help(helpFolder(programFolder), window);
        help.browser()->setSource(QUrl::fromLocalFile(path));
        help.exec();
        return true;
    };
    return context_.dialogs->editItem(item, fromSearch, context, window);
}

void TruckloadCommands::addItem(int pid, bool fromSearch)
{
    if (!editor_)
        return;
    frontend::ItemHolder item(pid);
    bool kept = false;
    if (runItemDialog(item.get(), fromSearch))
        kept = editor_->add(item.get(), ItemChange::Add);
    refreshRows();
    if (kept)
        emit statusChanged(editor_->statusText());
}

void TruckloadCommands::newItem()
{
    const View shown = *context_.shownView;
    if (shown == View::SavedTruckloads || shown == View::Compliance)
        return;
    const int pid = shown == View::Search ? search_.currentPid() : 0;
    addItem(pid, pid != 0);
}

void TruckloadCommands::addSearchResult(int pid) { addItem(pid, true); }

std::vector<uint32_t> TruckloadCommands::selectedRows() const { return view_.selectedRows(); }

void TruckloadCommands::editItem()
{
    if (!editor_ || *context_.shownView != View::Truckload)
        return;
    const std::optional<uint32_t> index = view_.rowToEdit();
    if (!index) {
        newItem();
        return;
    }
    Load *load = GetLoad_Engine(context_.engine);
    if (*index >= GetItemCount_Load(load))
        return;
    frontend::ItemHolder copy(0);
    Copy_Hazmat(copy.get(), GetHazmat_Load(load, *index));
    if (runItemDialog(copy.get(), false))
        editor_->edit(*index, copy.get());
    refreshRows();
    commands_.remove = commands_.cutCopy = false;
    applyCommands();
}

// The selected truckload rows, when the editing commands apply to them.
std::vector<uint32_t> TruckloadCommands::rowsToEdit() const
{
    if (!editor_ || *context_.shownView != View::Truckload)
        return {};
    return selectedRows();
}

void TruckloadCommands::removeRows(const std::vector<uint32_t> &rows)
{
    editor_->remove(rows);
    refreshRows();
    commands_.remove = commands_.cutCopy = false;
    applyCommands();
}

void TruckloadCommands::removeItems()
{
    const auto rows = rowsToEdit();
    if (rows.empty())
        return;
    removeRows(rows);
    emit statusChanged(itemCountText(GetItemCount_Load(GetLoad_Engine(context_.engine))));
}

void TruckloadCommands::copy()
{
    const auto rows = rowsToEdit();
    if (rows.empty())
        return;
    putClipboardBlock(editor_->copy(rows));
    commands_.paste = true;
    applyCommands();
}

void TruckloadCommands::cut()
{
    const auto rows = rowsToEdit();
    if (rows.empty())
        return;
    putClipboardBlock(editor_->copy(rows));
    commands_.paste = true;
    removeRows(rows);
}

void TruckloadCommands::paste()
{
    if (!editor_ || *context_.shownView != View::Truckload)
        return;
    const auto block = clipboardBlockFromSystem();
    if (!block)
        return;
    const int kept = editor_->paste(*block);
    refreshRows();
    if (kept > 0)
        emit statusChanged(editor_->statusText());
}

void TruckloadCommands::selectionChanged()
{
    if (*context_.shownView != View::Truckload)
        return;
    const size_t n = view_.selectedRows().size();
    commands_.edit = n == 1;
    commands_.remove = commands_.cutCopy = n >= 1;
    applyCommands();
}

void TruckloadCommands::toggle8820Criteria(bool on)
{
    if (!context_.engine)
        return;
    Load *load = GetLoad_Engine(context_.engine);
    if (on != (Has8820Criteria_Load(load) != 0))
        markModified();
    Set8820Criteria_Load(load, on ? -1 : 0);
    emit truckloadChanged();
}

void TruckloadCommands::selectVehicle(const QString &name)
{
    if (name.isEmpty())
        return;
    if (context_.engine) {
        const char *current = GetVehicle_Load(GetLoad_Engine(context_.engine));
        if (!current || name != fromLibraryText(current))
            markModified();
    }
    context_.library->setVehicle(name.toStdString());
    emit truckloadChanged();
}

void TruckloadCommands::refreshRows()
{
    if (!context_.engine) {
        view_.setRows({});
        return;
    }
    Load *load = GetLoad_Engine(context_.engine);
    // The vehicle selector shows the truckload's vehicle (the first type
    // when it names none of them).
    view_.showVehicle(fromLibraryText(GetVehicle_Load(load)));
    // The 8,820-pound rule of 172.301(a)(3) applies only to a single
    // material loaded at one facility.
    QCheckBox *criteria8820 = view_.criteria8820Check();
    const QSignalBlocker block(criteria8820);
    if (Is8820Allowed_Load(load)) {
        criteria8820->setEnabled(true);
        criteria8820->setChecked(Has8820Criteria_Load(load) != 0);
    } else {
        criteria8820->setEnabled(false);
        criteria8820->setChecked(false);
        Set8820Criteria_Load(load, 0);
    }
    {
        const QSignalBlocker dodBlock(view_.dodShipmentCheck());
        view_.dodShipmentCheck()->setChecked(IsDODShipment_Load(load) != 0);
    }
    std::vector<TruckloadRow> rows;
    for (uint32_t i = 0; i < GetItemCount_Load(load); ++i)
        rows.push_back(truckloadRow(load, i));
    view_.setRows(rows);
    for (const QString &warning : doNotShipWarnings(load, *context_.doNotShip))
        context_.prompts->error(warning);
}

} // namespace velmora
