// The main window's File commands on the current truckload: New, Save
// Truckload As, Import, Export and Enter Truck ID.
#include "app/main_window.h"

#include "dravlen.h"
#include "app/dravlen_library.h"
#include "saved/saved_filter_dialog.h"
#include "saved/saved_store.h"
#include "saved/truck_id_dialog.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QToolBar>

namespace velmora {

void MainWindow::buildFileCommands(QMenu *fileMenu, QAction *before)
{
    auto make = [&](const char *caption, const QKeySequence &keys, const char *hint, void (MainWindow::*slot)()) {
        auto *a = new QAction(QString::fromLatin1(caption), this);
        if (!keys.isEmpty())
            a->setShortcut(keys);
        if (hint)
            a->setToolTip(QString::fromLatin1(hint));
        connect(a, &QAction::triggered, this, slot);
        fileMenu->insertAction(before, a);
        return a;
    };
    actNew = make("&New", QKeySequence(QKeySequence::New), "New", &MainWindow::newTruckload);
    actOpen = make("&Open...", QKeySequence(QKeySequence::Open), "Open a truckload file", &MainWindow::openTruckloadFile);
    actSave = make("&Save", QKeySequence(QKeySequence::Save), "Save the truckload", &MainWindow::save);
    actSaveAs = make("Save Truckload &As...", QKeySequence(QKeySequence::SaveAs), "Save Truckload As", &MainWindow::saveAs);
    actImport = make("Import Truckload...", QKeySequence(), nullptr, &MainWindow::importTruckload);
    actExport = make("Export Truckload...", QKeySequence(), nullptr, &MainWindow::exportTruckload);
    fileMenu->insertSeparator(before);
    actTruckID = make("Enter Truck &ID...", QKeySequence(Qt::CTRL | Qt::Key_T), "Enter Truck ID", &MainWindow::editTruckId);
    fileMenu->insertSeparator(before);

    QAction *first = toolbar_->actions().isEmpty() ? nullptr : toolbar_->actions().first();
    toolbar_->insertAction(first, actNew);
    toolbar_->insertAction(first, actOpen);
    toolbar_->insertAction(first, actSave);
    toolbar_->insertSeparator(first);
    toolbar_->insertAction(first, actTruckID);
    toolbar_->insertSeparator(first);
}

QString MainWindow::truckloadName() const
{
    return saved_ ? saved_->name() : QString::fromStdString(lib_.truckloadName());
}

void MainWindow::setUpSaved()
{
    if (!truckIdDialog)
        truckIdDialog = [this](const QString &initial, bool rename) {
            return askTruckId(prompts_, QString::fromStdString(withTrailingSeparator(settings_.savePath)), initial,
                              rename, settings_.enableDefaultID, this);
        };
    if (!fileDialog)
        fileDialog = [this](bool save, const QString &filter, const QString &proposed) {
            const QString start = QString::fromStdString(withTrailingSeparator(settings_.savePath)) + proposed;
            if (save) {
                QFileDialog d(this, QString(), start, filter);
                d.setAcceptMode(QFileDialog::AcceptSave);
                d.setDefaultSuffix(filter.contains(QLatin1String("csv")) ? QStringLiteral("csv") : QStringLiteral("vlm"));
                return d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty() ? d.selectedFiles().first()
                                                                                      : QString();
            }
            return QFileDialog::getOpenFileName(this, QString(), start, filter);
        };
    if (!engine_)
        return;
    saved_ = std::make_unique<SavedStore>(engine_, prompts_, settings_);
    saved_->askTruckId = [this](const QString &initial, bool rename) { return truckIdDialog(initial, rename); };
    saved_->isDirty = [this] { return dirty_; };
    saved_->setDirty = [this](bool on) { setDirty(on); };
    saved_->nameChanged = [this] {
        const QString name = saved_->name();
        truckloadTitle_->setText(name.isEmpty() ? QStringLiteral("Truckload")
                                                : QStringLiteral("Truckload (") + name + QStringLiteral(")"));
    };
    saved_->truckloadReplaced = [this](bool opened) {
        // The vehicle questions follow the truckload that was read.
        Load *load = GetLoad_Engine(engine_);
        {
            const QSignalBlocker b1(criteria8820Check), b2(dodShipmentCheck);
            criteria8820Check->setChecked(Has8820Criteria_Load(load) != 0);
            dodShipmentCheck->setChecked(IsDODShipment_Load(load) != 0);
            const QSignalBlocker b3(vehicleList);
            const QString vehicle = QString::fromLatin1(GetVehicle_Load(load));
            for (int i = 0; i < vehicleList->count(); ++i)
                if (vehicleList->item(i)->text() == vehicle)
                    vehicleList->setCurrentRow(i);
        }
        refillTruckloadList();
        showView(opened ? View::Compliance : View::Truckload);
    };
    saved_->status = [this](const QString &text) { setStatus(text); };
    saved_->savedFilesChanged = [this] {
        if (view_ == View::SavedTruckloads)
            rebuildSavedList();
    };
    saveTruckloadAs = [this] { return saved_->save(); };
}

void MainWindow::newTruckload()
{
    if (!saved_ || !saved_->newTruckload())
        return;
    // A new truckload starts on the first vehicle with both declarations off.
    fillVehicleList();
    {
        const QSignalBlocker b1(criteria8820Check), b2(dodShipmentCheck);
        criteria8820Check->setChecked(false);
        dodShipmentCheck->setChecked(false);
    }
    setDirty(false);
    showView(View::Truckload);
    setStatus(QStringLiteral("Ready"));
}

void MainWindow::saveAs()
{
    if (saved_)
        saved_->saveAs();
}

void MainWindow::save()
{
    if (saved_)
        saved_->save();
}

void MainWindow::openTruckloadFile()
{
    if (!saved_)
        return;
    const QString path = fileDialog(false, QStringLiteral("HazMat files (*.vlm)"), QString());
    if (!path.isEmpty())
        saved_->open(path);
}

void MainWindow::openTruckloadPath(const QString &path)
{
    if (saved_)
        saved_->open(path);
}

void MainWindow::editTruckId()
{
    if (saved_)
        saved_->enterTruckId();
}

void MainWindow::importTruckload()
{
    if (!saved_)
        return;
    const QString path = fileDialog(false, QStringLiteral("HazMat files (*.vlm)"), QString());
    if (!path.isEmpty())
        saved_->importFile(path);
}

void MainWindow::exportTruckload()
{
    if (!saved_)
        return;
    // One selected saved row: that file is copied; otherwise the current
    // truckload is written.
    const auto rows = view_ == View::SavedTruckloads ? selectedSavedRows() : std::vector<size_t>{};
    const QString name = rows.size() == 1 ? savedRows_[rows[0]].name : saved_->name();
    const QString path = fileDialog(true, QStringLiteral("HazMat files (*.vlm)"), name + QLatin1String(kTruckloadExtension));
    if (path.isEmpty())
        return;
    if (rows.size() != 1) {
        saved_->exportCurrent(path);
        return;
    }
    if (const int error = copyFileAtomically(savedRows_[rows[0]].path(), path))
        prompts_.error(saveFailureText(error, QFileInfo::exists(path)));
}

} // namespace velmora

// --- The Saved Truckloads view ---

namespace velmora {

void MainWindow::buildSavedView(QWidget *view)
{
    auto *layout = static_cast<QVBoxLayout *>(view->layout());
    auto *buttons = new QHBoxLayout;
    savedPreviewButton_ = new QPushButton(QStringLiteral("Preview"), view);
    savedReportButton_ = new QPushButton(QStringLiteral("Report"), view);
    savedExportButton = new QPushButton(QStringLiteral("Export"), view);
    savedFilterButton_ = new QPushButton(QStringLiteral("Filter"), view);
    savedFilterButton_->setCheckable(true);
    for (QPushButton *b : {savedPreviewButton_, savedReportButton_})
        b->setCheckable(true);
    buttons->addWidget(savedPreviewButton_);
    buttons->addWidget(savedReportButton_);
    buttons->addStretch(1);
    buttons->addWidget(savedFilterButton_);
    buttons->addWidget(savedExportButton);
    layout->addLayout(buttons);
    layout->addWidget(savedList, 1);
    savedIconList = new QListWidget(view);
    savedIconList->setViewMode(QListView::IconMode);
    savedIconList->setIconSize(QSize(77, 77));
    savedIconList->setGridSize(QSize(110, 110));
    savedIconList->setMovement(QListView::Static);
    savedIconList->setResizeMode(QListView::Adjust);
    savedIconList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    layout->addWidget(savedIconList, 1);
    savedIconList->hide();

    connect(savedPreviewButton_, &QPushButton::clicked, this, [this] { setSavedStyle(0); });
    connect(savedReportButton_, &QPushButton::clicked, this, [this] { setSavedStyle(1); });
    connect(savedExportButton, &QPushButton::clicked, this, &MainWindow::exportSavedList);
    connect(savedFilterButton_, &QPushButton::clicked, this, [this] {
        SavedFilterDialog dialog(savedFilter, settings_.processLegality,
                                    QString::fromStdString(withTrailingSeparator(settings_.savePath)), prompts_, this);
        if (dialog.exec() == QDialog::Accepted) {
            savedFilter = dialog.result(QDateTime::currentDateTime());
            rebuildSavedList();
        }
        savedFilterButton_->setChecked(savedFilter.active());
    });
    connect(savedList, &QTreeWidget::itemDoubleClicked, this, [this] { openSavedTruckload(); });
    connect(savedIconList, &QListWidget::itemDoubleClicked, this, [this] { openSavedTruckload(); });
    const auto clicked = [this] {
        const auto rows = selectedSavedRows();
        if (rows.size() == 1)
            setStatus(QStringLiteral("Double-click to load the saved truckload \"") + savedRows_[rows[0]].name +
                      QStringLiteral("\""));
    };
    connect(savedList, &QTreeWidget::itemClicked, this, clicked);
    connect(savedIconList, &QListWidget::itemClicked, this, clicked);
    connect(savedList->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        savedSort_.click(column);
        sortSavedList();
    });

    // The pop-up menu of both lists.
    for (QAbstractItemView *list : {static_cast<QAbstractItemView *>(savedList), static_cast<QAbstractItemView *>(savedIconList)}) {
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QWidget::customContextMenuRequested, this, [this, list](const QPoint &at) {
            const bool one = selectedSavedRows().size() == 1;
            QMenu menu(this);
            QAction *open = menu.addAction(QStringLiteral("Open"), this, &MainWindow::openSavedTruckload);
            QFont bold = open->font();
            bold.setBold(true);
            open->setFont(bold);
            QAction *del = menu.addAction(QStringLiteral("Delete"), this, &MainWindow::deleteSavedTruckloads);
            QAction *ren = menu.addAction(QStringLiteral("Rename"), this, &MainWindow::renameSavedTruckload);
            for (QAction *a : {open, del, ren})
                a->setVisible(one);
            menu.addAction(QStringLiteral("Export Truckload..."), this, &MainWindow::exportTruckload);
            addSavedReportEntries(menu, one);
            menu.exec(list->viewport()->mapToGlobal(at));
        });
        auto *del = new QShortcut(QKeySequence(Qt::Key_Delete), list, nullptr, nullptr, Qt::WidgetShortcut);
        connect(del, &QShortcut::activated, this, &MainWindow::deleteSavedTruckloads);
    }
    savedSort_.set(0, SortState::Direction::Ascending);
}

void MainWindow::setSavedStyle(int style)
{
    const bool report = style == 1 || !settings_.processLegality;
    savedList->setVisible(report);
    savedIconList->setVisible(!report);
    savedPreviewButton_->setChecked(!report);
    savedReportButton_->setChecked(report);
}

std::vector<size_t> MainWindow::selectedSavedRows() const
{
    std::vector<size_t> rows;
    if (savedIconList->isVisible()) {
        for (QListWidgetItem *item : savedIconList->selectedItems())
            rows.push_back(item->data(Qt::UserRole).toULongLong());
    } else {
        for (QTreeWidgetItem *item : savedList->selectedItems())
            rows.push_back(item->data(0, Qt::UserRole).toULongLong());
    }
    return rows;
}

void MainWindow::showSavedTruckloads(bool alreadyShowing)
{
    if (!saved_ || (alreadyShowing && !savedLoadsNeedRebuild_))
        return;
    if (savedLoadsNeedRebuild_)
        savedSort_.set(0, SortState::Direction::Ascending);
    savedLoadsNeedRebuild_ = false;
    savedPreviewButton_->setVisible(settings_.processLegality);
    savedReportButton_->setVisible(settings_.processLegality);
    setSavedStyle(settings_.defaultViewStyle);
    rebuildSavedList();
}

void MainWindow::sortSavedList()
{
    const int column = savedSort_.column() < 0 ? 0 : savedSort_.column();
    const Qt::SortOrder order =
        savedSort_.direction(column) == SortState::Direction::Descending ? Qt::DescendingOrder : Qt::AscendingOrder;
    savedList->sortItems(column, order);
    savedList->header()->setSortIndicatorShown(true);
    savedList->header()->setSortIndicator(column, order);
}

void MainWindow::rebuildSavedList()
{
    if (!saved_)
        return;
    savedExportButton->setEnabled(false);
    savedList->clear();
    savedIconList->clear();
    savedRows_.clear();
    const bool legality = settings_.processLegality;
    if (legality)
        savedList->setHeaderLabels({QStringLiteral("Truckload"), QStringLiteral("Last Saved"), QStringLiteral("Legal"),
                                  QStringLiteral("Placards"), QStringLiteral("Markings"), QStringLiteral("Messages"),
                                  QString()});
    else
        savedList->setHeaderLabels({QStringLiteral("Truckload"), QStringLiteral("Last Saved"), QString()});
    const int folderColumn = legality ? 6 : 2;
    savedList->setColumnHidden(folderColumn, true);

    convertLegacyFiles(programFolder_);
    ScanOptions options;
    options.folders = savedFilter.locationsOn && !savedFilter.locations.isEmpty()
                          ? savedFilter.locations
                          : QStringList{QString::fromStdString(withTrailingSeparator(settings_.savePath))};
    options.ruleset = GetRuleset_Engine(engine_);
    options.processLegality = legality;
    options.enableBulk = settings_.enableBulk;
    options.dangerousFirst = settings_.enableDangerousFirst;
    options.fontAdjust = fontAdjust_;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ScanResult result = scanSavedTruckloads(options, savedFilter, [this](int n) {
        setStatus(QStringLiteral("loading file ") + QString::number(n));
        QApplication::processEvents();
        return !closing_;
    });
    QApplication::restoreOverrideCursor();
    savedRows_ = result.rows;
    savedList->setSortingEnabled(false);
    for (size_t i = 0; i < savedRows_.size(); ++i) {
        const SavedRow &row = savedRows_[i];
        QTreeWidgetItem *item = newListRow(savedList);
        item->setText(0, row.name);
        item->setText(1, row.lastSavedText());
        if (legality) {
            item->setText(2, row.legalityText);
            item->setText(3, row.placards);
            item->setText(4, row.markings);
            item->setText(5, row.messages);
            const QColor colour = row.legalityText == QLatin1String("No")    ? QColor(255, 0, 0)
                                  : row.legalityText == QLatin1String("???") ? QColor(159, 159, 63)
                                                                             : QColor();
            if (colour.isValid())
                for (int c = 0; c < folderColumn; ++c)
                    item->setForeground(c, colour);
            item->setIcon(0, QIcon(QPixmap::fromImage(row.icon)));
            auto *icon = new QListWidgetItem(QIcon(QPixmap::fromImage(row.icon)), row.name, savedIconList);
            icon->setData(Qt::UserRole, static_cast<qulonglong>(i));
        }
        item->setText(folderColumn, row.folder);
        item->setData(0, Qt::UserRole, static_cast<qulonglong>(i));
    }
    sortSavedList();
    savedExportButton->setEnabled(true);
    if (result.loaded == 0)
        prompts_.show(PromptType::Information, noSavedTruckloadsText(), PromptButtons::Ok);
    else
        setStatus(scanStatusText(result, savedFilter));
}

void MainWindow::openSavedTruckload()
{
    const auto rows = selectedSavedRows();
    if (rows.size() != 1 || !saved_)
        return;
    const SavedRow row = savedRows_[rows[0]];
    saved_->open(row.path());
}

void MainWindow::deleteSavedTruckloads()
{
    const auto rows = selectedSavedRows();
    if (rows.size() != 1)
        return;
    const SavedRow row = savedRows_[rows[0]];
    if (prompts_.show(PromptType::Confirmation, deleteQuestion(row.name), PromptButtons::YesNo) != PromptAnswer::Yes)
        return;
    if (!deleteSaved(row))
        prompts_.error(QStringLiteral("There was an error deleting the file."));
    rebuildSavedList();
}

void MainWindow::renameSavedTruckload()
{
    const auto rows = selectedSavedRows();
    if (rows.size() != 1 || !truckIdDialog)
        return;
    const SavedRow row = savedRows_[rows[0]];
    const std::optional<QString> chosen = truckIdDialog(row.name, true);
    if (!chosen || *chosen == row.name)
        return;
    const bool exists = QFileInfo::exists(row.folder + *chosen + QLatin1String(kTruckloadExtension));
    if (exists && prompts_.show(PromptType::Confirmation, overwriteQuestion(*chosen), PromptButtons::YesNo) !=
                      PromptAnswer::Yes)
        return;
    if (!renameSaved(row, *chosen, exists)) {
        prompts_.error(saveFailureText(0, true));
        return;
    }
    if (view_ == View::SavedTruckloads)
        rebuildSavedList();
}

void MainWindow::exportSavedList()
{
    if (savedRows_.empty()) {
        prompts_.information(QStringLiteral("There are no saved truckloads to export."));
        return;
    }
    const QString path = fileDialog(true, QStringLiteral("CSV file (*.csv)"), QString());
    if (path.isEmpty())
        return;
    // The rows in list order.
    std::vector<SavedRow> rows;
    for (int i = 0; i < savedList->topLevelItemCount(); ++i)
        rows.push_back(savedRows_[savedList->topLevelItem(i)->data(0, Qt::UserRole).toULongLong()]);
    if (!writeCsv(path, csvLines(rows, GetRuleset_Engine(engine_))))
        prompts_.error(QStringLiteral("Unable to save exported CSV file."));
    else
        setStatus(QStringLiteral("Saved loads have been exported to ") + path);
}

} // namespace velmora
