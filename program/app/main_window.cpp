#include "app/main_window.h"

#include "documents/report_commands.h"
#include "search/search_run.h"
#include "saved/saved_store.h"   // saved truckloads

#include "compliance/compliance_view.h"
#include "app/about_box.h"
#include "app/dravlen_library.h"
#include "app/help_window.h"
#include "app/launchers.h"
#include "settings/preferences_dialog.h"
#include "app/rules_menu.h"
#include "auditors/cargo_tank/open_from_main_window.h"   // auditors
#include "auditors/shipping_paper/open_from_main_window.h"   // auditors
#include "search/search_listing.h"
#include "truckload/clipboard.h"          // truckload editing
#include "truckload/truckload_editing.h"  // truckload editing
#include "viewer/reference_links.h"       // regulations viewer, guide

#include "dravlen.h"
#include "frontend/file_io.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

namespace velmora {

EditCommands editCommandsForView(View view, const EditCommands &previous, bool clipboardHasItems)
{
    EditCommands c;   // Compliance, Saved Truckloads: everything off
    switch (view) {
    case View::Truckload:
        c = previous;
        c.add = true;
        c.remove = false;
        c.paste = clipboardHasItems;
        break;
    case View::Search:
        c.add = true;
        break;
    case View::Compliance:
    case View::SavedTruckloads:
        break;
    }
    return c;
}

MainWindow::MainWindow(HazmatLibrary &library, Prompts &prompts, const Folders &folders, QWidget *parent)
    : QMainWindow(parent), lib_(library), prompts_(prompts), folders_(folders)
{
    setObjectName(QStringLiteral("MainWindow"));
    startUp();
}

MainWindow::~MainWindow()
{
    // A window destroyed without a close event still ends its session.
    if (!closed_) {
        if (dns_.changed)
            saveDoNotShip(settings_.dnsPath, dns_.ids);
        if (engineUp_)
            lib_.destroyEngine();
    }
}

void MainWindow::startUp()
{
    // 2-3: lists, the screen font adjustment.
    const int dpi = QGuiApplication::primaryScreen() ? qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch()) : 96;
    fontAdjust_ = dpi == 144 ? 4 : (dpi == 120 ? 2 : 0);
    // 4: the engine.
    lib_.initEngine();
    engineUp_ = true;
    // 5: program folder and the regulations program.
    programFolder_ = QString::fromStdString(folders_.programFolder);
    viewerPath_ = regulationsViewerPath(programFolder_);
    // 6: settings.
    settingsPath_ = QDir(QString::fromStdString(folders_.settingsFolder)).filePath(QString::fromLatin1(kSettingsFileName));
    const SettingsStart start =
        startSettings(settingsPath_.toStdString(), folders_.dataFolder, folders_.programFolder);
    if (start.outcome == SettingsStart::Outcome::CannotCreate) {
        prompts_.error(QStringLiteral("Unable to write to the program directory. Please ensure Velmora has write "
                                      "permission to the instlled folder."));
        return;
    }
    if (start.outcome == SettingsStart::Outcome::ReadRewriteFailed)
        prompts_.information(QStringLiteral("Unable to save preferences to hazmat.ini"));
    if (start.outcome == SettingsStart::Outcome::Damaged)
        prompts_.error(QString::fromStdString(damagedSettingsText(settingsPath_.toStdString())));
    settings_ = start.settings;
    IniFile ini;
    ini.load(settingsPath_.toStdString());
    organisation_ = ini.value("Installation", "Organization").value_or(std::string());
    dnsPassword_ = doNotShipPassword(ini);
    // 7: placarding switches.
    lib_.setDangerousFirst(settings_.enableDangerousFirst);
    lib_.setBulkPlacards(settings_.enableBulk);
    lib_.setPlacardAllHazmats(false);

    buildViews();
    buildMenus();
    setUpEditing();   // truckload editing
    setUpSaved();     // saved truckloads
    setUpReferenceViews();   // reference views
    setUpAuditors();         // label and package-marking auditors
    cargo_tank::installCargoTankCommands(*this, prompts_);   // auditors
    shipping_paper::installShippingPaperCommands(*this, prompts_);   // auditors
    arrangeAuditorMenus();
    // Short toolbar captions, so that the toolbar fits a 1024-pixel screen;
    // the menus and hints keep the full texts.
    for (const auto &[action, caption] : {std::pair{actAdd, "Add"}, {actRemove, "Remove"}, {actEdit, "Edit"}})
        if (action)
            action->setIconText(QString::fromLatin1(caption));
    // 8-9: the Rules menu and the current ruleset.
    buildRulesMenu();
    lib_.setRuleset(lib_.currentRuleset());
    complianceTitle_->setText(complianceTitle(lib_.rulesetStatus(lib_.currentRuleset())));
    // 10: the sort of the saved loads starts at column 0 ascending (their view arrives later).
    // 12: the ID toggle.
    if (settings_.enableBulk)
        setIDToggle(true, QStringLiteral("Display ID markings on orange panels (on)"));
    else
        setIDToggle(false, QStringLiteral("Display ID markings on orange panels (off)"));
    // 14: the Do Not Ship list.  One that exists but cannot be read ends
    // the run: going on would let forbidden materials through unnoticed.
    int dnsError = 0;
    std::optional<std::vector<std::string>> dnsIds = loadDoNotShip(settings_.dnsPath, dnsError);
    if (!dnsIds) {
        prompts_.error(QString::fromStdString(doNotShipUnreadableText(settings_.dnsPath, dnsError)));
        return;
    }
    dns_.ids = std::move(*dnsIds);
    dns_.changed = false;
    // Temporary files of saves that were killed.
    for (const std::string &folder : {folders_.settingsFolder, settings_.dnsPath, settings_.savePath})
        frontend::removeStaleTemporaries(folder);
    // 15: custom help links.
    buildCustomHelpLinks();
    // 16, 18: captions; the truckload view first.
    setWindowTitle(windowCaption());
    QApplication::setApplicationDisplayName(QString());
    setMinimumSize(750, 450);
    // 19: vehicles.
    fillVehicleList();
    // 20-21.
    commands_ = EditCommands{};
    showView(View::Truckload);
    setStatus(QStringLiteral("Ready"));
    started_ = true;
}

QString MainWindow::windowCaption() const
{
    // "[*]" is where the caption marks unsaved changes (setWindowModified).
    QString caption = QString::fromLatin1(kProductTitle);
    if (!organisation_.empty())
        caption += QStringLiteral(" - ") + QString::fromStdString(organisation_);
    return caption + QStringLiteral("[*]");
}

void MainWindow::setIDToggle(bool down, const QString &hint)
{
    if (!idToggleButton)
        return;
    const QSignalBlocker block(idToggleButton);
    idToggleButton->setChecked(down);
    idToggleButton->setToolTip(hint);
}

void MainWindow::toggleIdSearch(bool down)
{
    settings_.enableBulk = down;
    lib_.setBulkPlacards(down);
    setIDToggle(down, down ? QStringLiteral("Display ID markings on orange panels (on)")
                           : QStringLiteral("Display ID markings on orange panels (off)"));
    if (view_ == View::Compliance)
        showCompliance();
    else if (view_ == View::SavedTruckloads)
        rebuildSavedList();   // saved truckloads: placards with or without numbers
}

// Compliance rendering: the engine recomputes, the view reads its output.
// A scripted library (tests) has no engine: the view then shows nothing.
void MainWindow::showCompliance()
{
    auto *dravlen = dynamic_cast<DravlenLibrary *>(&lib_);
    Engine *engine = dravlen && engineUp_ ? dravlen->engine() : nullptr;
    if (engine)
        Calculate_Engine(engine);
    complianceView_->refresh(engine);
}

void MainWindow::setStatus(const QString &text) { status_->setText(text); }
QString MainWindow::statusText() const { return status_->text(); }
QString MainWindow::complianceTitleText() const { return complianceTitle_->text(); }

void MainWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction *exit = file->addAction(QStringLiteral("E&xit"));
    exit->setShortcut(QKeySequence::Quit);
    connect(exit, &QAction::triggered, this, &QWidget::close);
    buildFileCommands(file, exit);   // saved truckloads
    buildPrintCommands(file, exit);  // printing and PDF export

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    // "Pre&ferences": R belongs to "&Remove Item(s)" in this menu.
    QAction *prefs = edit->addAction(QStringLiteral("Pre&ferences"));
    prefs->setShortcut(QKeySequence::Preferences);
    connect(prefs, &QAction::triggered, this, &MainWindow::showPreferences);
    buildEditCommands(edit, prefs);   // truckload editing

    viewMenu = menuBar()->addMenu(QStringLiteral("&View"));
    actToolbar_ = viewMenu->addAction(QStringLiteral("&Toolbar"));
    actToolbar_->setCheckable(true);
    actToolbar_->setChecked(true);
    connect(actToolbar_, &QAction::toggled, toolbar_, &QWidget::setVisible);
    actStatusBar_ = viewMenu->addAction(QStringLiteral("&Status Bar"));
    actStatusBar_->setCheckable(true);
    actStatusBar_->setChecked(true);
    connect(actStatusBar_, &QAction::toggled, statusBar(), &QWidget::setVisible);
    viewMenu->addSeparator();
    const char *const names[] = {"Truckload", "Compliance", "Search and Browse", "Saved Truckloads"};
    for (int i = 0; i < 4; ++i) {
        QAction *a = viewMenu->addAction(QString::fromLatin1(names[i]));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, i] { showView(static_cast<View>(i)); });
        viewActions_.push_back(a);
    }
    connect(viewMenu, &QMenu::aboutToShow, this, [this] {
        for (size_t i = 0; i < viewActions_.size(); ++i)
            viewActions_[i]->setChecked(static_cast<int>(i) == static_cast<int>(view_));
    });

    auditingMenu = menuBar()->addMenu(QStringLiteral("&Auditing"));   // auditors
    auditingMenu->setObjectName(QStringLiteral("auditingMenu"));

    rulesMenu = menuBar()->addMenu(QStringLiteral("&Rules"));
    rulesGroup_ = new QActionGroup(this);
    rulesGroup_->setExclusive(true);

    helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction *contents = helpMenu->addAction(QStringLiteral("&Contents"));
    contents->setShortcut(QKeySequence::HelpContents);
    connect(contents, &QAction::triggered, this, &MainWindow::showHelpContents);
    QAction *search = helpMenu->addAction(QStringLiteral("&Search..."));
    // No F3: that is Find Next (QKeySequence::FindNext) in every program.
    connect(search, &QAction::triggered, this, &MainWindow::searchHelp);
    QMenu *er = menuBar()->insertMenu(helpMenu->menuAction(), new QMenu(QStringLiteral("ER"), this))->menu();
    QAction *guide = er->addAction(QStringLiteral("&Emergency Response Guide"));
    connect(guide, &QAction::triggered, this, &MainWindow::showEmergencyResponseGuide);
    QAction *tavisto = helpMenu->addAction(QStringLiteral("&Tavisto"));
    connect(tavisto, &QAction::triggered, this, &MainWindow::showRegulations);
    QAction *about = helpMenu->addAction(QStringLiteral("&About ") + kProductTitle);
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);

    toolbar_->addAction(QIcon(QStringLiteral(":/icons/help.svg")), QStringLiteral("Help"), this, &MainWindow::showHelpContents);
    toolbar_->addAction(QIcon(QStringLiteral(":/icons/tavisto.svg")), QStringLiteral("Tavisto"), this,
                        &MainWindow::showRegulations);
    toolbar_->addAction(QIcon(QStringLiteral(":/icons/help.svg")), QStringLiteral("Emergency Response Guide"), this,
                        &MainWindow::showEmergencyResponseGuide);
    toolbar_->addSeparator();
    idToggleButton = new QToolButton(toolbar_);
    idToggleButton->setObjectName(QStringLiteral("idToggleButton"));
    idToggleButton->setText(QStringLiteral("ID"));
    idToggleButton->setCheckable(true);
    toolbar_->addWidget(idToggleButton);
    connect(idToggleButton, &QToolButton::toggled, this, &MainWindow::toggleIdSearch);
}

void MainWindow::buildRulesMenu()
{
    rulesMenu->clear();
    for (QAction *a : rulesGroup_->actions())
        rulesGroup_->removeAction(a);
    for (const auto &entry : velmora::buildRulesMenu(activeRulesetFacts(lib_), lib_.currentRuleset())) {
        QAction *a = rulesMenu->addAction(entry.caption);
        a->setCheckable(true);
        a->setChecked(entry.checked);
        a->setData(entry.index);
        rulesGroup_->addAction(a);
        const int index = entry.index;
        connect(a, &QAction::triggered, this, [this, index] { selectRuleset(index); });
    }
}

void MainWindow::selectRuleset(int index)
{
    if (switchRuleset(lib_, prompts_, index)) {
        refillTruckloadList();
        if (view_ == View::Compliance)
            showCompliance();
        else if (view_ == View::SavedTruckloads)
            rebuildSavedList();   // saved truckloads: summaries under the new ruleset
    }
    // The check mark always shows the engine's ruleset (unchanged when declined).
    for (QAction *a : rulesGroup_->actions())
        a->setChecked(a->data().toInt() == lib_.currentRuleset());
    complianceTitle_->setText(complianceTitle(lib_.rulesetStatus(lib_.currentRuleset())));
    searchList->clear();
}

void MainWindow::buildCustomHelpLinks()
{
    helpLinkLines_ = readHelpLinkLines(settings_.menuItemsPath);
    const HelpLinks links = buildHelpLinks(helpLinkLines_);
    if (links.hasSeparator) {
        QAction *sep = helpMenu->addSeparator();
        sep->setObjectName(QStringLiteral("CustomMenuItemSeparator0"));
    }
    for (const auto &e : links.entries) {
        QAction *a = helpMenu->addAction(QString::fromStdString(e.caption));
        a->setObjectName(QStringLiteral("CustomMenuItem") + QString::number(e.line));
        const int line = e.line;
        connect(a, &QAction::triggered, this, [this, line] { openCustomHelpLink(line); });
    }
}

void MainWindow::openCustomHelpLink(int line)
{
    if (line < 1 || line > static_cast<int>(helpLinkLines_.size()))
        return;
    const QString target = QString::fromStdString(helpLinkTarget(helpLinkLines_[static_cast<size_t>(line) - 1]));
    openHelpLink(target, prompts_);
}

void MainWindow::fillVehicleList()
{
    vehicleList->clear();
    const int n = lib_.numVehicles();
    for (int i = 1; i < n; ++i)
        vehicleList->addItem(QString::fromStdString(lib_.vehicleName(i)));
    if (vehicleList->count() > 0) {
        vehicleList->setCurrentRow(0);
        lib_.setVehicle(vehicleList->item(0)->text().toStdString());
    }
    lib_.set8820Criteria(false);
    lib_.setDODShipment(false);
}

void MainWindow::refillTruckloadList()
{
    // The rows of the truckload's items arrive with truckload editing; the
    // title and the item count are kept here.
    const QString name = truckloadName();   // saved truckloads: the truck ID
    truckloadTitle_->setText(name.isEmpty() ? QStringLiteral("Truckload") : QStringLiteral("Truckload (") + name + ")");
    fillTruckloadRows();   // truckload editing
    if (auto *exclusive = findChild<QCheckBox *>(QStringLiteral("exclusiveUseCheck")))
        exclusive->setChecked(engine_ && IsExclusiveUse_Load(GetLoad_Engine(engine_)));
}

void MainWindow::applyCommands()
{
    // Truckload editing: the commands follow commands_.
    if (!actAdd)
        return;
    actAdd->setEnabled(commands_.add);
    actRemove->setEnabled(commands_.remove);
    actEdit->setEnabled(commands_.edit);
    actCut->setEnabled(commands_.cutCopy);
    actCopy->setEnabled(commands_.cutCopy);
    actPaste->setEnabled(commands_.paste);
}

void MainWindow::showView(View view)
{
    const View previous = view_;
    const bool wasShowing = stack_->currentIndex() == static_cast<int>(view);
    view_ = view;
    stack_->setCurrentIndex(static_cast<int>(view));
    commands_ = editCommandsForView(view, commands_, clipboardHasItems());   // truckload editing: clipboard
    switch (view) {
    case View::Truckload:
        if (!wasShowing || previous != View::Truckload)
            refillTruckloadList();
        setStatus(itemCountText(lib_.itemCount()));
        break;
    case View::Compliance:
        showCompliance();
        setStatus(QString());
        break;
    case View::Search:
        if (previous != View::Search) {
            searchList->clear();
            searchSort_.clear();
            searchList->header()->setSortIndicatorShown(false);
            lookForEdit->clear();
            lookInCombo->setCurrentIndex(0);
            lookForEdit->setFocus();
        }
        setStatus(QString());
        break;
    case View::SavedTruckloads:
        setStatus(QString());
        showSavedTruckloads(wasShowing && previous == View::SavedTruckloads);   // saved truckloads
        break;
    }
    applyCommands();
}

void MainWindow::search()
{
    const int choice = lookInCombo->currentIndex();
    static const LookIn byChoice[] = {LookIn::Name, LookIn::Class, LookIn::Id, LookIn::Any};
    const LookIn lookIn = choice >= 0 && choice < 4 ? byChoice[choice] : LookIn::Name;
    const std::string query = lookForEdit->text().toStdString();
    setStatus(QStringLiteral("Searching..."));
    QApplication::processEvents();
    searchList->clear();
    // In steps: the window repaints, shows how far the search has come and
    // stays responsive; closing the window stops it.
    const SearchOutcome outcome = findEntries(
        lib_, lookForEdit->text(), lookIn,
        [this](int percent) {
            setStatus(QStringLiteral("Searching... %1%").arg(percent));
            QApplication::processEvents();
        },
        [this] { return closing_; });
    const auto &rows = outcome.rows;
    const SearchMode mode = outcome.searchedAs == QueryKind::Id      ? SearchMode::Id
                            : outcome.searchedAs == QueryKind::Class ? SearchMode::Class
                                                                     : SearchMode::Name;
    searchList->setSortingEnabled(false);
    for (const auto &r : rows) {
        QTreeWidgetItem *item = newListRow(searchList);
        item->setText(0, displayPsn(r.psn));
        item->setText(1, QString::fromStdString(r.hazardClass));
        item->setText(2, QString::fromStdString(r.id));
        item->setText(3, QString::fromStdString(r.packingGroups));
        item->setText(4, QString::fromStdString(r.hazardZones));
        item->setData(0, Qt::UserRole, r.pid);
    }
    if (lookIn == LookIn::Any) {
        // the best matches first, as ranked; a header click sorts
        searchSort_.clear();
        searchList->header()->setSortIndicatorShown(false);
    } else {
        searchSort_.set(0, SortState::Direction::Ascending);
        searchList->sortItems(0, Qt::AscendingOrder);
        searchList->header()->setSortIndicatorShown(true);
        searchList->header()->setSortIndicator(0, Qt::AscendingOrder);
    }
    if (searchList->topLevelItemCount() > 0)
        searchList->setCurrentItem(searchList->topLevelItem(0));   // Enter adds it
    setStatus(matchCountText(rows.size()));
    if (const auto why = noMatchExplanation(lib_, outcome.searchedAs == QueryKind::Id ? query : std::string(), mode,
                                            rows.size()))
        prompts_.information(*why);
    else if (!outcome.hint.isEmpty())
        prompts_.information(outcome.hint);
}

void MainWindow::sortSearchList(int column)
{
    searchSort_.click(column);
    const Qt::SortOrder order =
        searchSort_.direction(column) == SortState::Direction::Descending ? Qt::DescendingOrder : Qt::AscendingOrder;
    searchList->sortItems(column, order);
    searchList->header()->setSortIndicatorShown(true);
    searchList->header()->setSortIndicator(column, order);
}

void MainWindow::searchResultActivated(QTreeWidgetItem *item)
{
    if (!item)
        return;
    const std::string id = item->text(2).toStdString();
    if (dns_.contains(id)) {
        prompts_.error(doNotShipRefusal(id));
        return;
    }
    if (addFromSearch)
        addFromSearch(item->data(0, Qt::UserRole).toInt());
}

void MainWindow::showPreferences()
{
    PreferencesContext context;
    context.library = &lib_;
    context.prompts = &prompts_;
    context.doNotShipPassword = dnsPassword_;
    context.doNotShipFolder = settings_.dnsPath;
    PreferencesDialog dialog(settings_, dns_.ids, context, this);
    if (dialog.exec() == QDialog::Accepted)
        applyPreferences(dialog);
}

void MainWindow::applyPreferences(const PreferencesDialog &dialog)
{
    const std::string oldDnsPath = settings_.dnsPath;
    settings_ = dialog.settings();
    if (dialog.doNotShipEdited()) {
        dns_.ids = dialog.doNotShipIds();
        dns_.changed = true;
    }
    // A new Do Not Ship folder takes effect at the next start, so the list
    // must be written there at shutdown even when it was not edited.
    if (settings_.dnsPath != oldDnsPath)
        dns_.changed = true;
    if (dialog.savedLoadsViewChanged() || dialog.processLegalityChanged())
        savedLoadsNeedRebuild_ = true;
    lib_.setBulkPlacards(settings_.enableBulk);
    lib_.setDangerousFirst(settings_.enableDangerousFirst);
    setIDToggle(settings_.enableBulk, settings_.enableBulk ? QStringLiteral("Display ID markings on placards")
                                                           : QStringLiteral("Display ID markings on orange panels"));
    QApplication::processEvents();
    if (rewriteSettings(settingsPath_.toStdString(), settings_, folders_.programFolder))
        settings_.currentVersion = kProgramVersion;
    else
        prompts_.information(QStringLiteral("Unable to save preferences to hazmat.ini"));
    // The changes take effect at once in the view showing.
    if (view_ == View::SavedTruckloads)
        savedLoadsNeedRebuild_ = true;
    showView(view_);
}

void MainWindow::showHelpContents()
{
    openHelp(false);
}

void MainWindow::searchHelp()
{
    openHelp(true);
}

void MainWindow::openHelp(bool atSearch)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    HelpWindow help(helpFolder(programFolder_), this);
    const bool ok = help.showContents();
    QApplication::restoreOverrideCursor();
    if (!ok) {
        prompts_.error(QStringLiteral("Unable to open the help file."));
        return;
    }
    if (atSearch)
        help.showSearch();
    help.exec();
}

void MainWindow::showRegulations() { viewer::openReferenceLink(QString(), programFolder_, this); }

void MainWindow::showAbout()
{
    AboutBox about(this);
    about.exec();
}

bool MainWindow::maybeClose()
{
    closing_ = true;
    if (dirty_ && settings_.enableSavePrompt) {
        const PromptAnswer answer =
            prompts_.show(PromptType::Warning, QStringLiteral("Do you want to save the changes made to the current truckload?"),
                          PromptButtons::SaveDiscardCancel);
        // Cancel (or Escape), and a cancelled save (or truck ID), keep the
        // program open: the truckload is never dropped without Discard.
        if (answer != PromptAnswer::No && (answer != PromptAnswer::Yes || !saveTruckloadAs || !saveTruckloadAs())) {
            closing_ = false;
            return false;
        }
    }
    if (dns_.changed) {
        if (saveDoNotShip(settings_.dnsPath, dns_.ids))
            dns_.changed = false;
        else
            prompts_.error(QStringLiteral("Unable to write the Do Not Ship list to ") +
                           QDir(QString::fromStdString(settings_.dnsPath)).filePath(QString::fromLatin1(kDoNotShipFileName)) +
                           QStringLiteral("."));
    }
    if (engineUp_) {
        complianceView_->refresh(nullptr);   // it borrows the engine's output
        lib_.destroyEngine();
        engineUp_ = false;
    }
    closed_ = true;
    return true;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (closed_ || maybeClose())
        event->accept();
    else
        event->ignore();
}

} // namespace velmora
