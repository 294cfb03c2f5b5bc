#include "saved/saved_truckloads.h"

#include "app/dialogs.h"
#include "app/prompts.h"
#include "saved/saved_filter_dialog.h"
#include "saved/saved_store.h"
#include "saved/saved_view.h"
#include "settings/settings.h"

#include "dravlen.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>

namespace velmora {

SavedTruckloads::SavedTruckloads(const Context &context, SavedView &view, QObject *parent)
    : QObject(parent), context_(context), view_(view)
{
    auto make = [this](const char *caption, const QKeySequence &keys, const char *hint, auto slot) {
        auto *a = new QAction(QString::fromLatin1(caption), this);
        if (!keys.isEmpty())
            a->setShortcut(keys);
        if (hint)
            a->setToolTip(QString::fromLatin1(hint));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    new_ = make("&New", QKeySequence(QKeySequence::New), "New", &SavedTruckloads::newTruckload);
    open_ = make("&Open...", QKeySequence(QKeySequence::Open), "Open a truckload file", &SavedTruckloads::openFile);
    save_ = make("&Save", QKeySequence(QKeySequence::Save), "Save the truckload", &SavedTruckloads::save);
    // Desktops without a Save As key of their own get the common one.
    const QKeySequence saveAsKeys = QKeySequence(QKeySequence::SaveAs).isEmpty()
                                        ? QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)
                                        : QKeySequence(QKeySequence::SaveAs);
    saveAs_ = make("Save Truckload &As...", saveAsKeys, "Save Truckload As",
                   &SavedTruckloads::saveAs);
    import_ = make("Import Truckload...", QKeySequence(), nullptr, &SavedTruckloads::importFile);
    export_ = make("Export Truckload...", QKeySequence(), nullptr, &SavedTruckloads::exportTruckload);
    truckId_ = make("Enter Truck &ID...", QKeySequence(Qt::CTRL | Qt::Key_T), "Enter Truck ID",
                    &SavedTruckloads::enterTruckId);

    connect(&view_, &SavedView::openRequested, this, &SavedTruckloads::openSelected);
    connect(&view_, &SavedView::deleteRequested, this, &SavedTruckloads::deleteSelected);
    connect(&view_, &SavedView::exportListRequested, this, &SavedTruckloads::exportList);
    connect(&view_, &SavedView::filterRequested, this, &SavedTruckloads::editFilter);
    connect(&view_, &SavedView::contextMenuRequested, this, &SavedTruckloads::showContextMenu);
    connect(&view_, &SavedView::rowClicked, this, [this] {
        const auto rows = selectedRows();
        if (rows.size() == 1)
            emit statusChanged(QStringLiteral("Double-click to load the saved truckload \"") + rows_[rows[0]].name +
                               QStringLiteral("\""));
    });

    if (!context_.engine)
        return;
    QWidget *window = context_.window;
    store_ = std::make_unique<SavedStore>(context_.engine, *context_.prompts, *context_.settings);
    store_->askTruckId = [this](const QString &initial, bool rename) {
        return context_.dialogs->truckId({context_.prompts, saveFolder(), initial, rename,
                                          context_.settings->enableDefaultID},
                                         context_.window);
    };
    store_->askSavePath = [this](const QString &proposed) -> std::optional<QString> {
        const QString path = context_.dialogs->fileName(FileDialogMode::SaveTruckload,
                                                        QStringLiteral("HazMat files (*.vlm)"), proposed,
                                                        context_.window);
        return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
    };
    store_->isDirty = [window] { return window->isWindowModified(); };
    store_->setDirty = [window](bool on) { window->setWindowModified(on); };
    store_->nameChanged = [this] { emit nameChanged(store_->name()); };
    store_->truckloadReplaced = [this](bool opened) { emit truckloadReplaced(opened); };
    store_->status = [this](const QString &text) { emit statusChanged(text); };
    store_->savedFilesChanged = [this] {
        if (*context_.shownView == View::SavedTruckloads)
            rebuild();
    };
}

SavedTruckloads::~SavedTruckloads() = default;

QString SavedTruckloads::saveFolder() const
{
    return QString::fromStdString(withTrailingSeparator(context_.settings->savePath));
}

void SavedTruckloads::newTruckload()
{
    if (store_ && store_->newTruckload())
        emit truckloadCleared();
}

bool SavedTruckloads::saveAs() { return store_ && store_->saveAs(); }

bool SavedTruckloads::save() { return store_ && store_->save(); }

QString SavedTruckloads::chooseTruckloadFile() const
{
    return context_.dialogs->fileName(FileDialogMode::Open, QStringLiteral("HazMat files (*.vlm)"), saveFolder(),
                                      context_.window);
}

void SavedTruckloads::openFile()
{
    if (!store_)
        return;
    if (const QString path = chooseTruckloadFile(); !path.isEmpty())
        store_->open(path);
}

void SavedTruckloads::openPath(const QString &path)
{
    if (store_)
        store_->open(path);
}

void SavedTruckloads::enterTruckId()
{
    if (store_)
        store_->enterTruckId();
}

void SavedTruckloads::importFile()
{
    if (!store_)
        return;
    if (const QString path = chooseTruckloadFile(); !path.isEmpty())
        store_->importFile(path);
}

void SavedTruckloads::exportTruckload()
{
    if (!store_)
        return;
    // One selected saved row: that file is copied; otherwise the current
    // truckload is written.
    const auto rows = *context_.shownView == View::SavedTruckloads ? selectedRows() : std::vector<size_t>{};
    const QString name = rows.size() == 1 ? rows_[rows[0]].name : store_->name();
    const QString path = context_.dialogs->fileName(FileDialogMode::Save, QStringLiteral("HazMat files (*.vlm)"),
                                                    saveFolder() + name + QLatin1String(kTruckloadExtension),
                                                    context_.window);
    if (path.isEmpty())
        return;
    if (rows.size() != 1) {
        store_->exportCurrent(path);
        return;
    }
    if (const int error = copyFileAtomically(rows_[rows[0]].path(), path))
        context_.prompts->error(saveFailureText(error, QFileInfo::exists(path)));
}

std::vector<size_t> SavedTruckloads::selectedRows() const { return view_.selectedRows(); }

void SavedTruckloads::showView(bool alreadyShowing)
{
    if (!store_ || (alreadyShowing && !needsRebuild_))
        return;
    if (needsRebuild_)
        view_.resetSort();
    needsRebuild_ = false;
    view_.setLegalityShown(context_.settings->processLegality);
    view_.setStyle(context_.settings->defaultViewStyle == 1 ? SavedView::Style::Report : SavedView::Style::Preview);
    rebuild();
}

void SavedTruckloads::rebuild()
{
    if (!store_)
        return;
    view_.clear();
    rows_.clear();
    const Settings &settings = *context_.settings;
    view_.setLegalityShown(settings.processLegality);
    convertLegacyFiles(context_.programFolder);
    ScanOptions options;
    options.folders = filter_.locationsOn && !filter_.locations.isEmpty() ? filter_.locations : QStringList{saveFolder()};
    options.ruleset = GetRuleset_Engine(context_.engine);
    options.processLegality = settings.processLegality;
    options.enableBulk = settings.enableBulk;
    options.dangerousFirst = settings.enableDangerousFirst;
    options.fontAdjust = context_.fontAdjust;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ScanResult result = scanSavedTruckloads(options, filter_, [this](int n) {
        emit statusChanged(QStringLiteral("loading file ") + QString::number(n));
        QApplication::processEvents();
        return !stopping_;
    });
    QApplication::restoreOverrideCursor();
    rows_ = result.rows;
    // With nothing listed the view says what brings truckloads there.
    const QString hint = result.loaded == 0 ? noSavedTruckloadsText()
                                            : QStringLiteral("No saved truckload matches the filter.");
    view_.setRows(rows_, hint);
    emit statusChanged(result.loaded == 0 ? QString() : scanStatusText(result, filter_));
}

void SavedTruckloads::editFilter()
{
    SavedFilterDialog dialog(filter_, context_.settings->processLegality, saveFolder(), *context_.prompts,
                             context_.window);
    if (dialog.exec() == QDialog::Accepted) {
        filter_ = dialog.result(QDateTime::currentDateTime());
        rebuild();
    }
    view_.filterButton()->setChecked(filter_.active());
}

void SavedTruckloads::showContextMenu(const QPoint &globalPos)
{
    const bool one = selectedRows().size() == 1;
    QMenu menu(context_.window);
    QAction *open = menu.addAction(QStringLiteral("Open"), this, &SavedTruckloads::openSelected);
    QFont bold = open->font();
    bold.setBold(true);
    open->setFont(bold);
    QAction *del = menu.addAction(QStringLiteral("Delete"), this, &SavedTruckloads::deleteSelected);
    QAction *ren = menu.addAction(QStringLiteral("Rename"), this, &SavedTruckloads::renameSelected);
    for (QAction *a : {open, del, ren})
        a->setVisible(one);
    menu.addAction(QStringLiteral("Export Truckload..."), this, &SavedTruckloads::exportTruckload);
    emit contextMenuBuilding(&menu, one);
    menu.exec(globalPos);
}

void SavedTruckloads::openSelected()
{
    const auto rows = selectedRows();
    if (rows.size() != 1 || !store_)
        return;
    const SavedRow row = rows_[rows[0]];
    store_->open(row.path());
}

void SavedTruckloads::deleteSelected()
{
    const auto rows = selectedRows();
    if (rows.size() != 1)
        return;
    const SavedRow row = rows_[rows[0]];
    if (context_.prompts->show(PromptType::Confirmation, deleteQuestion(row.name), PromptButtons::YesNo) !=
        PromptAnswer::Yes)
        return;
    if (!deleteSaved(row))
        context_.prompts->error(QStringLiteral("There was an error deleting the file."));
    rebuild();
}

void SavedTruckloads::renameSelected()
{
    const auto rows = selectedRows();
    if (rows.size() != 1)
        return;
    const SavedRow row = rows_[rows[0]];
    const std::optional<QString> chosen = context_.dialogs->truckId(
        {context_.prompts, saveFolder(), row.name, true, context_.settings->enableDefaultID}, context_.window);
    if (!chosen || *chosen == row.name)
        return;
    const bool exists = QFileInfo::exists(row.folder + *chosen + QLatin1String(kTruckloadExtension));
    if (exists && context_.prompts->show(PromptType::Confirmation, overwriteQuestion(*chosen), PromptButtons::YesNo) !=
                      PromptAnswer::Yes)
        return;
    if (!renameSaved(row, *chosen, exists)) {
        context_.prompts->error(saveFailureText(0, true));
        return;
    }
    if (*context_.shownView == View::SavedTruckloads)
        rebuild();
}

void SavedTruckloads::exportList()
{
    if (rows_.empty()) {
        context_.prompts->information(QStringLiteral("There are no saved truckloads to export."));
        return;
    }
    const QString path =
        context_.dialogs->fileName(FileDialogMode::Save, QStringLiteral("CSV file (*.csv)"), saveFolder(), context_.window);
    if (path.isEmpty())
        return;
    // The rows in list order.
    std::vector<SavedRow> rows;
    for (size_t i : view_.rowsInListOrder())
        rows.push_back(rows_[i]);
    if (!writeCsv(path, csvLines(rows, GetRuleset_Engine(context_.engine))))
        context_.prompts->error(QStringLiteral("Unable to save exported CSV file."));
    else
        emit statusChanged(QStringLiteral("Saved loads have been exported to ") + path);
}

} // namespace velmora
