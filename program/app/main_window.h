// The main window: start-up and shutdown of the program's session, the
// navigation bar and the four views, the menus and toolbar, the rulesets,
// Preferences and help.  The views and the commands of each feature are
// objects of their own; the window creates and wires them.
#pragma once

#include "app/hazmat_library.h"
#include "app/program_folder.h"
#include "app/prompts.h"
#include "app/window_views.h"
#include "settings/do_not_ship.h"
#include "settings/settings.h"

#include <QMainWindow>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QStackedWidget;
class QToolBar;
class QToolButton;
struct Engine;

namespace velmora {

class AuditorCommands;
class ComplianceView;
class Dialogs;
class PrintCommands;
class ReferenceCommands;
class ReportCommands;
class SavedStore;
class SavedTruckloads;
class SavedView;
class SearchView;
class TruckloadCommands;
class TruckloadView;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `dialogs` answers the modal dialogs (the real ones when null).
    MainWindow(HazmatLibrary &library, Prompts &prompts, const Folders &folders, Dialogs *dialogs = nullptr,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    // False when start-up could not create the settings file; the program ends.
    bool started() const { return started_; }

    const Settings &settings() const { return settings_; }
    const DoNotShipList &doNotShip() const { return dns_; }
    const QString &programFolder() const { return programFolder_; }
    // The window's engine; null when the library is not the engine library.
    Engine *engine() const { return engine_; }
    View currentView() const { return view_; }
    const EditCommands &editCommands() const;
    QString statusText() const;
    QString complianceTitleText() const;
    QString truckloadName() const;
    // The truckload has unsaved changes; the caption shows it.
    bool isDirty() const { return isWindowModified(); }
    void setDirty(bool dirty) { setWindowModified(dirty); }

    // The views and the commands of each feature.
    TruckloadView *truckloadView() const { return truckloadView_; }
    ComplianceView *complianceView() const { return complianceView_; }
    SearchView *searchView() const { return searchView_; }
    SavedView *savedView() const { return savedView_; }
    TruckloadCommands *truckloadCommands() const { return truckload_.get(); }
    SavedTruckloads *savedTruckloads() const { return saved_.get(); }
    SavedStore *savedStore() const;
    ReferenceCommands *referenceCommands() const { return references_.get(); }
    AuditorCommands *auditorCommands() const { return auditors_.get(); }
    ReportCommands *reportCommands() const;
    PrintCommands *printCommands() const { return print_.get(); }
    // Menus other commands add their entries to: the Auditing menu and the
    // pop-up menu of the truckload list and the search results.
    QMenu *auditingMenu() const { return auditingMenu_; }
    QMenu *popupMenu() const { return popupMenu_; }
    QMenu *rulesMenu() const { return rulesMenu_; }
    QMenu *helpMenu() const { return helpMenu_; }
    QToolButton *idToggleButton() const { return idToggleButton_; }

public slots:
    void showView(velmora::View view);
    // Recomputes and redraws the compliance view (after every change of the
    // truckload or of a placarding switch).
    void showCompliance();
    void showPreferences();
    void selectRuleset(int index);
    void showHelpContents();
    void searchHelp();
    void showRegulations();
    // The guide of the selected item(s) or search result.
    void showEmergencyResponseGuide();
    void showAbout();
    void openCustomHelpLink(int line);
    void toggleIdSearch(bool down);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void startUp();
    void openHelp(bool atSearch);
    // false when the close was cancelled.
    bool maybeClose();
    void buildViews();
    void buildFeatures();
    void buildMenus();
    void buildRulesMenu();
    void buildCustomHelpLinks();
    void refillTruckloadList();
    void truckloadReplaced(bool opened);
    void truckloadCleared();
    void showPopupMenu(const QPoint &globalPos);
    void setStatus(const QString &text);
    void setIDToggle(bool down, const QString &hint);
    void applyPreferences(const class PreferencesDialog &dialog);
    void openCitation(const QString &citation);
    void setStopping(bool on);
    QString windowCaption() const;

    HazmatLibrary &lib_;
    Prompts &prompts_;
    std::unique_ptr<Dialogs> ownDialogs_;
    Dialogs *dialogs_;
    Folders folders_;
    QString programFolder_;
    QString viewerPath_;
    QString settingsPath_;
    Settings settings_;
    std::string organisation_;
    std::string dnsPassword_;
    DoNotShipList dns_;
    std::vector<std::string> helpLinkLines_;
    int fontAdjust_ = 0;
    bool started_ = false;
    bool engineUp_ = false;
    bool closed_ = false;
    View view_ = View::Truckload;
    Engine *engine_ = nullptr;

    QStackedWidget *stack_ = nullptr;
    QLabel *status_ = nullptr;
    QLabel *complianceTitle_ = nullptr;
    TruckloadView *truckloadView_ = nullptr;
    ComplianceView *complianceView_ = nullptr;
    SearchView *searchView_ = nullptr;
    SavedView *savedView_ = nullptr;
    QToolBar *toolbar_ = nullptr;
    QToolButton *idToggleButton_ = nullptr;
    QMenu *fileMenu_ = nullptr, *editMenu_ = nullptr, *viewMenu_ = nullptr, *auditingMenu_ = nullptr,
          *rulesMenu_ = nullptr, *helpMenu_ = nullptr, *popupMenu_ = nullptr;
    QAction *exitAction_ = nullptr, *preferencesAction_ = nullptr;
    QActionGroup *rulesGroup_ = nullptr;
    std::vector<QAction *> viewActions_;

    std::unique_ptr<TruckloadCommands> truckload_;
    std::unique_ptr<SavedTruckloads> saved_;
    std::unique_ptr<PrintCommands> print_;
    std::unique_ptr<ReferenceCommands> references_;
    std::unique_ptr<AuditorCommands> auditors_;
};

} // namespace velmora
