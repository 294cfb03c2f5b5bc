#include "app/main_window.h"

#include "app/about_box.h"
#include "app/dialogs.h"
#include "app/dravlen_library.h"
#include "app/help_window.h"
#include "app/launchers.h"
#include "app/rules_menu.h"
#include "auditors/auditor_commands.h"
#include "auditors/cargo_tank/open_from_main_window.h"
#include "auditors/shipping_paper/open_from_main_window.h"
#include "compliance/compliance_view.h"
#include "documents/print_commands.h"
#include "refviews/reference_commands.h"
#include "saved/saved_store.h"
#include "saved/saved_truckloads.h"
#include "saved/saved_view.h"
#include "search/search_listing.h"
#include "search/search_view.h"
#include "settings/help_links.h"
#include "settings/ini_file.h"
#include "settings/preferences_dialog.h"
#include "truckload/truckload_commands.h"
#include "truckload/truckload_view.h"
#include "viewer/guide_items.h"
#include "viewer/reference_links.h"

#include "dravlen.h"
#include "frontend/file_io.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>

namespace velmora {

MainWindow::MainWindow(HazmatLibrary &library, Prompts &prompts, const Folders &folders, Dialogs *dialogs,
                       QWidget *parent)
    : QMainWindow(parent), lib_(library), prompts_(prompts),
      ownDialogs_(dialogs ? nullptr : std::make_unique<Dialogs>()), dialogs_(dialogs ? dialogs : ownDialogs_.get()),
      folders_(folders)
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
    if (auto *dravlen = dynamic_cast<DravlenLibrary *>(&lib_))
        engine_ = dravlen->engine();
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
    buildFeatures();
    buildMenus();
    cargo_tank::installCargoTankCommands(*this, prompts_);
    shipping_paper::installShippingPaperCommands(*this, prompts_);
    AuditorCommands::arrangeMenus(*auditingMenu_, *popupMenu_);
    // 8-9: the Rules menu and the current ruleset.
    buildRulesMenu();
    lib_.setRuleset(lib_.currentRuleset());
    complianceTitle_->setText(complianceTitle(lib_.rulesetStatus(lib_.currentRuleset())));
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
    truckload_->resetVehicle();
    // 20-21.
    showView(View::Truckload);
    setStatus(QStringLiteral("Ready"));
    started_ = true;
}

// The commands of each feature, on the window's views.
void MainWindow::buildFeatures()
{
    TruckloadCommands::Context editing;
    editing.library = &lib_;
    editing.engine = engine_;
    editing.prompts = &prompts_;
    editing.dialogs = dialogs_;
    editing.doNotShip = &dns_;
    editing.organisation = QString::fromStdString(organisation_);
    editing.programFolder = programFolder_;
    editing.shownView = &view_;
    editing.window = this;
    truckload_ = std::make_unique<TruckloadCommands>(editing, *truckloadView_, *searchView_);
    connect(truckload_.get(), &TruckloadCommands::statusChanged, this, &MainWindow::setStatus);
    connect(truckload_.get(), &TruckloadCommands::truckloadChanged, this, &MainWindow::showCompliance);

    SavedTruckloads::Context saving;
    saving.engine = engine_;
    saving.prompts = &prompts_;
    saving.dialogs = dialogs_;
    saving.settings = &settings_;
    saving.programFolder = programFolder_;
    saving.fontAdjust = fontAdjust_;
    saving.shownView = &view_;
    saving.window = this;
    saved_ = std::make_unique<SavedTruckloads>(saving, *savedView_);
    connect(saved_.get(), &SavedTruckloads::statusChanged, this, &MainWindow::setStatus);
    connect(saved_.get(), &SavedTruckloads::nameChanged, truckloadView_, &TruckloadView::setTruckloadName);
    connect(saved_.get(), &SavedTruckloads::truckloadReplaced, this, &MainWindow::truckloadReplaced);
    connect(saved_.get(), &SavedTruckloads::truckloadCleared, this, &MainWindow::truckloadCleared);

    ReportSources sources;
    sources.view = [this] {
        switch (view_) {
        case View::Compliance: return ReportView::Compliance;
        case View::Search: return ReportView::Search;
        case View::SavedTruckloads: return ReportView::SavedTruckloads;
        case View::Truckload: break;
        }
        return ReportView::Truckload;
    };
    sources.engine = [this] { return engine_; };
    // The compliance view counts its options from 1.
    sources.currentOption = [this] { return std::max(complianceView_->optionNumber() - 1, 0); };
    sources.settings = [this] { return settings_; };
    sources.searchRows = [this] {
        std::vector<reports::SearchReportRow> rows;
        const QTreeWidget *list = searchView_->results();
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *item = list->topLevelItem(i);
            rows.push_back({item->text(0), item->text(1), item->text(2), item->text(3), item->text(4)});
        }
        return rows;
    };
    sources.savedLoads = [this] {
        reports::SavedLoadsReport report;
        report.processedLegality = settings_.processLegality;
        for (const SavedRow &row : saved_->rows()) {
            QStringList cells{row.name, row.lastSavedText()};
            if (report.processedLegality)
                cells << row.legalityText << row.placards << row.markings << row.messages;
            report.rows.push_back(cells);
        }
        return report;
    };
    sources.selectedSavedFile = [this] {
        const std::vector<size_t> rows = saved_->selectedRows();
        return rows.size() == 1 ? saved_->rows()[rows[0]].path() : QString();
    };
    print_ = std::make_unique<PrintCommands>(this, prompts_, std::move(sources));
    connect(print_.get(), &PrintCommands::statusChanged, this, &MainWindow::setStatus);
    connect(saved_.get(), &SavedTruckloads::contextMenuBuilding, print_.get(), &PrintCommands::addSavedReportEntries);

    // The pop-up menu of the truckload list and the search results: the
    // auditors, the reference views, the guide.
    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("popupMenu"));
    ReferenceCommands::Context references;
    references.engine = engine_;
    references.prompts = &prompts_;
    references.dialogs = dialogs_;
    references.programFolder = programFolder_;
    references.viewerPath = viewerPath_;
    references.shownView = &view_;
    references.window = this;
    references_ = std::make_unique<ReferenceCommands>(references, *popupMenu_, *truckloadView_, *searchView_);
    popupMenu_->addSeparator();
    QAction *guide = popupMenu_->addAction(QStringLiteral("Emergency Response Guide"));
    guide->setObjectName(QStringLiteral("popupEmergencyResponseGuide"));
    connect(guide, &QAction::triggered, this, &MainWindow::showEmergencyResponseGuide);
    connect(truckloadView_, &TruckloadView::contextMenuRequested, this, &MainWindow::showPopupMenu);
    connect(searchView_, &SearchView::contextMenuRequested, this, &MainWindow::showPopupMenu);
}

void MainWindow::showPopupMenu(const QPoint &globalPos) { popupMenu_->popup(globalPos); }

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
    if (!idToggleButton_)
        return;
    const QSignalBlocker block(idToggleButton_);
    idToggleButton_->setChecked(down);
    idToggleButton_->setToolTip(hint);
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
        saved_->rebuild();   // placards with or without numbers
}

// The engine recomputes, the view reads its output.  A scripted library
// (tests) has no engine: the view then shows nothing.
void MainWindow::showCompliance()
{
    Engine *engine = engineUp_ ? engine_ : nullptr;
    if (engine)
        Calculate_Engine(engine);
    complianceView_->refresh(engine);
}

void MainWindow::setStatus(const QString &text) { status_->setText(text); }
QString MainWindow::statusText() const { return status_->text(); }
QString MainWindow::complianceTitleText() const { return complianceTitle_->text(); }
const EditCommands &MainWindow::editCommands() const { return truckload_->commands(); }
SavedStore *MainWindow::savedStore() const { return saved_ ? saved_->store() : nullptr; }
ReportCommands *MainWindow::reportCommands() const { return print_ ? &print_->reports() : nullptr; }

QString MainWindow::truckloadName() const
{
    return savedStore() ? savedStore()->name() : QString::fromStdString(lib_.truckloadName());
}

void MainWindow::openCitation(const QString &citation) { viewer::openReferenceLink(citation, programFolder_, this); }

void MainWindow::buildMenus()
{
    fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu_->addActions({saved_->newAction(), saved_->openAction(), saved_->saveAction(), saved_->saveAsAction(),
                           saved_->importAction(), saved_->exportAction()});
    fileMenu_->addSeparator();
    fileMenu_->addAction(saved_->truckIdAction());
    fileMenu_->addSeparator();
    fileMenu_->addActions(print_->fileMenuActions());
    fileMenu_->addSeparator();
    exitAction_ = fileMenu_->addAction(QStringLiteral("E&xit"));
    exitAction_->setShortcut(QKeySequence::Quit);
    connect(exitAction_, &QAction::triggered, this, &QWidget::close);

    editMenu_ = menuBar()->addMenu(QStringLiteral("&Edit"));
    editMenu_->addActions({truckload_->cutAction(), truckload_->copyAction(), truckload_->pasteAction()});
    editMenu_->addSeparator();
    editMenu_->addActions({truckload_->addAction(), truckload_->removeAction(), truckload_->editAction()});
    editMenu_->addSeparator();
    // "Pre&ferences": R belongs to "&Remove Item(s)" in this menu.
    preferencesAction_ = editMenu_->addAction(QStringLiteral("Pre&ferences"));
    preferencesAction_->setShortcut(QKeySequence::Preferences);
    connect(preferencesAction_, &QAction::triggered, this, &MainWindow::showPreferences);

    viewMenu_ = menuBar()->addMenu(QStringLiteral("&View"));
    QAction *toolbar = viewMenu_->addAction(QStringLiteral("&Toolbar"));
    toolbar->setCheckable(true);
    toolbar->setChecked(true);
    connect(toolbar, &QAction::toggled, toolbar_, &QWidget::setVisible);
    QAction *statusBarShown = viewMenu_->addAction(QStringLiteral("&Status Bar"));
    statusBarShown->setCheckable(true);
    statusBarShown->setChecked(true);
    connect(statusBarShown, &QAction::toggled, statusBar(), &QWidget::setVisible);
    viewMenu_->addSeparator();
    const char *const names[] = {"Truckload", "Compliance", "Search and Browse", "Saved Truckloads"};
    for (int i = 0; i < 4; ++i) {
        QAction *a = viewMenu_->addAction(QString::fromLatin1(names[i]));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, i] { showView(static_cast<View>(i)); });
        viewActions_.push_back(a);
    }
    connect(viewMenu_, &QMenu::aboutToShow, this, [this] {
        for (size_t i = 0; i < viewActions_.size(); ++i)
            viewActions_[i]->setChecked(static_cast<int>(i) == static_cast<int>(view_));
    });

    auditingMenu_ = menuBar()->addMenu(QStringLiteral("&Auditing"));
    auditingMenu_->setObjectName(QStringLiteral("auditingMenu"));
    auditors_ = std::make_unique<AuditorCommands>(engine_, *dialogs_, programFolder_, *truckloadView_, *auditingMenu_,
                                                  *popupMenu_, this);

    rulesMenu_ = menuBar()->addMenu(QStringLiteral("&Rules"));
    rulesGroup_ = new QActionGroup(this);
    rulesGroup_->setExclusive(true);

    helpMenu_ = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction *contents = helpMenu_->addAction(QStringLiteral("&Contents"));
    contents->setShortcut(QKeySequence::HelpContents);
    connect(contents, &QAction::triggered, this, &MainWindow::showHelpContents);
    QAction *search = helpMenu_->addAction(QStringLiteral("&Search..."));
    // No F3: that is Find Next (QKeySequence::FindNext) in every program.
    connect(search, &QAction::triggered, this, &MainWindow::searchHelp);
    QMenu *er = menuBar()->insertMenu(helpMenu_->menuAction(), new QMenu(QStringLiteral("ER"), this))->menu();
    QAction *guide = er->addAction(QStringLiteral("&Emergency Response Guide"));
    connect(guide, &QAction::triggered, this, &MainWindow::showEmergencyResponseGuide);
    QAction *tavisto = helpMenu_->addAction(QStringLiteral("&Tavisto"));
    connect(tavisto, &QAction::triggered, this, &MainWindow::showRegulations);
    QAction *about = helpMenu_->addAction(QStringLiteral("&About ") + kProductTitle);
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);

    // Toolbar: editing, the current truckload's file commands, printing,
    // help and references, the ID toggle.
    toolbar_->addActions({truckload_->cutAction(), truckload_->copyAction(), truckload_->pasteAction()});
    toolbar_->addSeparator();
    toolbar_->addActions({truckload_->addAction(), truckload_->removeAction(), truckload_->editAction()});
    toolbar_->addSeparator();
    toolbar_->addActions({saved_->newAction(), saved_->openAction(), saved_->saveAction()});
    toolbar_->addSeparator();
    toolbar_->addAction(saved_->truckIdAction());
    toolbar_->addSeparator();
    toolbar_->addAction(print_->printAction());
    toolbar_->addAction(QIcon(QStringLiteral(":/icons/help.svg")), QStringLiteral("Help"), this, &MainWindow::showHelpContents);
    toolbar_->addAction(QIcon(QStringLiteral(":/icons/tavisto.svg")), QStringLiteral("Tavisto"), this,
                        &MainWindow::showRegulations);
    toolbar_->addAction(QIcon(QStringLiteral(":/icons/help.svg")), QStringLiteral("Emergency Response Guide"), this,
                        &MainWindow::showEmergencyResponseGuide);
    toolbar_->addSeparator();
    idToggleButton_ = new QToolButton(toolbar_);
    idToggleButton_->setObjectName(QStringLiteral("idToggleButton"));
    idToggleButton_->setText(QStringLiteral("ID"));
    idToggleButton_->setCheckable(true);
    toolbar_->addWidget(idToggleButton_);
    connect(idToggleButton_, &QToolButton::toggled, this, &MainWindow::toggleIdSearch);
}

void MainWindow::buildRulesMenu()
{
    rulesMenu_->clear();
    for (QAction *a : rulesGroup_->actions())
        rulesGroup_->removeAction(a);
    for (const auto &entry : velmora::buildRulesMenu(activeRulesetFacts(lib_), lib_.currentRuleset())) {
        QAction *a = rulesMenu_->addAction(entry.caption);
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
            saved_->rebuild();   // summaries under the new ruleset
    }
    // The check mark always shows the engine's ruleset (unchanged when declined).
    for (QAction *a : rulesGroup_->actions())
        a->setChecked(a->data().toInt() == lib_.currentRuleset());
    complianceTitle_->setText(complianceTitle(lib_.rulesetStatus(lib_.currentRuleset())));
    searchView_->clearResults();
}

void MainWindow::buildCustomHelpLinks()
{
    helpLinkLines_ = readHelpLinkLines(settings_.menuItemsPath);
    const HelpLinks links = buildHelpLinks(helpLinkLines_);
    if (links.hasSeparator) {
        QAction *sep = helpMenu_->addSeparator();
        sep->setObjectName(QStringLiteral("CustomMenuItemSeparator0"));
    }
    for (const auto &e : links.entries) {
        QAction *a = helpMenu_->addAction(QString::fromStdString(e.caption));
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

void MainWindow::refillTruckloadList()
{
    truckloadView_->setTruckloadName(truckloadName());
    truckload_->refreshRows();
    if (auto *exclusive = findChild<QCheckBox *>(QStringLiteral("exclusiveUseCheck")))
        exclusive->setChecked(engine_ && IsExclusiveUse_Load(GetLoad_Engine(engine_)));
}

// A truckload was read: the vehicle questions and the rows follow it.
void MainWindow::truckloadReplaced(bool opened)
{
    refillTruckloadList();
    showView(opened ? View::Compliance : View::Truckload);
}

// A new truckload starts on the first vehicle with both declarations off.
void MainWindow::truckloadCleared()
{
    truckload_->resetVehicle();
    setDirty(false);
    showView(View::Truckload);
    setStatus(QStringLiteral("Ready"));
}

void MainWindow::showView(View view)
{
    const View previous = view_;
    const bool wasShowing = stack_->currentIndex() == static_cast<int>(view);
    view_ = view;
    stack_->setCurrentIndex(static_cast<int>(view));
    truckload_->enterView(view);
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
        if (previous != View::Search)
            searchView_->reset();
        setStatus(QString());
        break;
    case View::SavedTruckloads:
        setStatus(QString());
        saved_->showView(wasShowing && previous == View::SavedTruckloads);
        break;
    }
}

// The guide of the selected truckload item (every item when none is
// selected) in the truckload and compliance views, of the selected search
// result in the search view; the start page otherwise.
void MainWindow::showEmergencyResponseGuide()
{
    QVector<viewer::ErgItem> items;
    if (engine_ && (view_ == View::Truckload || view_ == View::Compliance))
        items = viewer::guideItemsOfTruckload(GetLoad_Engine(engine_), truckloadView_->selectedRows());
    else if (engine_ && view_ == View::Search && searchView_->selectedPid())
        items = viewer::guideItemsOfEntry(searchView_->selectedPid());
    viewer::openEmergencyResponseGuide(items, programFolder_, this);
}

// Searches and scans in progress stop while the window closes.
void MainWindow::setStopping(bool on)
{
    searchView_->setStopping(on);
    saved_->setStopping(on);
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
        saved_->invalidate();
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
    setStopping(true);
    if (isDirty() && settings_.enableSavePrompt) {
        const PromptAnswer answer =
            prompts_.show(PromptType::Warning, QStringLiteral("Do you want to save the changes made to the current truckload?"),
                          PromptButtons::SaveDiscardCancel);
        // Cancel (or Escape), and a cancelled save (or truck ID), keep the
        // program open: the truckload is never dropped without Discard.
        if (answer != PromptAnswer::No && (answer != PromptAnswer::Yes || !saved_->save())) {
            setStopping(false);
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
