// The main window: start-up and shutdown of the program's session, the four
// views with their navigation bar, the menus, the search and the rulesets.
#pragma once

#include "settings/do_not_ship.h"
#include "app/hazmat_library.h"
#include "settings/help_links.h"
#include "search/list_sort.h"
#include "app/program_folder.h"
#include "saved/saved_list.h"   // saved truckloads
#include "app/prompts.h"
#include "settings/settings.h"

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QStackedWidget;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
struct Engine;
struct Hazmat;

namespace velmora {

class TruckloadEditor;   // truckload editing (main_window_editing.cpp)
class ReportCommands;    // printing and PDF export (documents/main_window_documents.cpp)
class SavedStore;        // saved truckloads (saved_main_window.cpp)
class InfoWindow;   // reference views (main_window_refviews.cpp)
class ComplianceView;   // compliance rendering
namespace auditors {
class AuditorWindow;   // label and package-marking auditors
}

enum class View { Truckload = 0, Compliance = 1, Search = 2, SavedTruckloads = 3 };

// Which editing commands a view leaves enabled.
struct EditCommands {
    bool add = false, remove = false, edit = false, cutCopy = false, paste = false;
    bool operator==(const EditCommands &) const = default;
};
// Switching to `view` from `previous` (the edit and cut/copy states the
// truckload view leaves unchanged come from `previous`).
EditCommands editCommandsForView(View view, const EditCommands &previous, bool clipboardHasItems);

// A row of the window's lists, sorted by the lists' comparison.
QTreeWidgetItem *newListRow(QTreeWidget *list);

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(HazmatLibrary &library, Prompts &prompts, const Folders &folders, QWidget *parent = nullptr);
    ~MainWindow() override;

    // False when start-up could not create the settings file; the program ends.
    bool started() const { return started_; }

    // Seams for the commands that arrive with later work:
    // the Save flow before closing (true when the truckload was saved) ...
    std::function<bool()> saveTruckloadAs;
    // ... and adding a search result to the truckload (the add-item dialog).
    std::function<void(int pid)> addFromSearch;

    // State the views and tests read.
    const Settings &settings() const { return settings_; }
    const DoNotShipList &doNotShip() const { return dns_; }
    View currentView() const { return view_; }
    const EditCommands &editCommands() const { return commands_; }
    QString statusText() const;
    QString complianceTitleText() const;
    bool isDirty() const { return dirty_; }
    // Compliance rendering: recompute and redraw the compliance view (call
    // after every change of the truckload or of a placarding switch).
    void showCompliance();
    ComplianceView *complianceView() const { return complianceView_; }
    // The truckload has unsaved changes; the caption shows it.
    void setDirty(bool dirty)
    {
        dirty_ = dirty;
        setWindowModified(dirty);
    }
    const QString &programFolder() const { return programFolder_; }

    // --- Truckload editing (main_window_editing.cpp) ---
    // The item dialog: fills `item` and answers whether the user confirmed.
    // Runs AddItemDialog; tests replace it with a script.
    std::function<bool(Hazmat *item, bool fromSearch)> itemDialog;
    // The window's engine; null when the library is not the engine library.
    Engine *engine() const { return engine_; }
    TruckloadEditor *truckloadEditor() const { return editor_.get(); }
    QAction *actAdd = nullptr, *actRemove = nullptr, *actEdit = nullptr;
    QAction *actCut = nullptr, *actCopy = nullptr, *actPaste = nullptr;
    QCheckBox *criteria8820Check = nullptr;
    QCheckBox *dodShipmentCheck = nullptr;
    // --- end truckload editing ---

    // --- Saved truckloads (saved_main_window.cpp) ---
    SavedStore *savedStore() const { return saved_.get(); }
    // The truck ID dialog (tests replace it): the accepted name or nothing.
    std::function<std::optional<QString>(const QString &initial, bool rename)> truckIdDialog;
    // File dialogs (tests replace them): the chosen path, or "" when cancelled.
    // `save` asks for a new file; `proposed` is the file name offered.
    std::function<QString(bool save, const QString &filter, const QString &proposed)> fileDialog;
    QAction *actNew = nullptr, *actOpen = nullptr, *actSave = nullptr, *actSaveAs = nullptr, *actImport = nullptr, *actExport = nullptr,
            *actTruckID = nullptr;
    QString truckloadName() const;
    // The Saved Truckloads view: the report list and the large-icon list.
    QTreeWidget *savedList = nullptr;
    QListWidget *savedIconList = nullptr;
    QPushButton *savedExportButton = nullptr;
    SavedFilter savedFilter;   // lasts for the run
    const std::vector<SavedRow> &savedRows() const { return savedRows_; }
    // Rebuilds the list with the scan that "ProcessLegality" selects.
    void rebuildSavedList();
    // --- end saved truckloads ---
    // --- Printing (documents/main_window_documents.cpp) ---
    ReportCommands *reportCommands() const { return reports_.get(); }
    QAction *actPrint = nullptr, *actPrintAll = nullptr, *actPrintPreview = nullptr, *actComplianceReport = nullptr,
            *actExportPdf = nullptr;
    // --- end printing ---
    // --- Reference views (main_window_refviews.cpp) ---
    // The pop-up menu of the truckload list and the search results.
    QMenu *popupMenu = nullptr;
    QAction *actViewTableEntry = nullptr, *actViewCargoTanks = nullptr;
    QAction *actEmergencyResponseGuide = nullptr;   // pop-up menu entry
    // Shows the information window modally; tests replace it.
    std::function<void(InfoWindow &window)> runInfoWindow;
    // --- end reference views ---
    // --- Label and package-marking auditors (main_window_auditors.cpp) ---
    QAction *actLabelAuditor = nullptr, *actMarkingAuditor = nullptr;
    QAction *popupLabelAuditor = nullptr, *popupMarkingAuditor = nullptr;
    // Shows an auditor window modally; tests replace it.
    std::function<void(auditors::AuditorWindow &window)> runAuditorWindow;
    // The item the auditors open on: the only item of the truckload, else
    // the one selected truckload row; null when there is neither.
    const Hazmat *auditedItem() const;
    // --- end auditors ---

    // Controls (tests drive them like a user would).
    QLineEdit *lookForEdit = nullptr;
    QComboBox *lookInCombo = nullptr;
    QPushButton *searchButton = nullptr;
    QTreeWidget *searchList = nullptr;
    QTreeWidget *truckloadList = nullptr;
    QListWidget *vehicleList = nullptr;
    QMenu *rulesMenu = nullptr;
    QMenu *helpMenu = nullptr;
    QMenu *auditingMenu = nullptr;   // the auditors add their commands
    QMenu *viewMenu = nullptr;
    QToolButton *idToggleButton = nullptr;

public slots:
    void startUp();
    void search();
    void searchResultActivated(QTreeWidgetItem *item);
    void showPreferences();
    void selectRuleset(int index);
    void showView(velmora::View view);
    void showHelpContents();
    void searchHelp();
    void showRegulations();
    // The guide of the selected item(s) (viewer/main_window_viewer.cpp).
    void showEmergencyResponseGuide();
    void showAbout();
    void openCustomHelpLink(int line);
    void toggleIdSearch(bool down);
    void sortSearchList(int column);
    // Truckload editing (main_window_editing.cpp).
    void newItem();
    void editItem();
    void removeItems();
    void cut();
    void copy();
    void paste();
    void addSearchResult(int pid);
    void truckloadSelectionChanged();
    void toggle8820Criteria(bool on);
    // Saved truckloads (saved_main_window.cpp).
    void newTruckload();
    void openTruckloadFile();
    void openTruckloadPath(const QString &path);   // a file given on the command line
    void save();
    void saveAs();
    void importTruckload();
    void exportTruckload();
    void editTruckId();
    void openSavedTruckload();
    void deleteSavedTruckloads();
    void renameSavedTruckload();
    void exportSavedList();
    void selectVehicle(const QString &name);
    // Reference views (main_window_refviews.cpp).
    void updatePopupMenu();
    void showTableEntry();
    void showCargoTanks();
    // Auditors (main_window_auditors.cpp).
    void showLabelAuditor();
    void showMarkingAuditor();
    void updateAuditorCommands();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Opens the help window at its contents or its search page.
    void openHelp(bool atSearch);
    // maybeClose: false when the close was cancelled.
    bool maybeClose();
    void buildMenus();
    void buildViews();
    void buildRulesMenu();
    void buildCustomHelpLinks();
    void fillVehicleList();
    void refillTruckloadList();
    void applyCommands();
    void setStatus(const QString &text);
    void setIDToggle(bool down, const QString &hint);
    void applyPreferences(const class PreferencesDialog &dialog);
    QString windowCaption() const;
    QWidget *makeTitledView(const QString &title, QLabel **titleLabel);
    // Truckload editing (main_window_editing.cpp).
    void setUpEditing();
    void buildEditCommands(QMenu *editMenu, QAction *before);
    std::vector<uint32_t> selectedTruckloadRows() const;
    std::vector<uint32_t> rowsToEdit() const;
    void removeTruckloadRows(const std::vector<uint32_t> &rows);
    bool runItemDialog(Hazmat *item, bool fromSearch);
    void addItem(int pid, bool fromSearch);
    void fillTruckloadRows();
    // Saved truckloads (saved_main_window.cpp).
    void buildFileCommands(QMenu *fileMenu, QAction *before);
    void buildPrintCommands(QMenu *fileMenu, QAction *before);
    void addSavedReportEntries(QMenu &menu, bool oneSelected);
    std::unique_ptr<ReportCommands> reports_;
    void setUpSaved();
    void buildSavedView(QWidget *view);
    void showSavedTruckloads(bool alreadyShowing);
    void setSavedStyle(int style);   // 0 Preview (icons), 1 Report
    void sortSavedList();
    // The rows selected in the showing saved list (indexes into savedRows_).
    std::vector<size_t> selectedSavedRows() const;
    // Reference views (main_window_refviews.cpp).
    void setUpReferenceViews();
    // Auditors (main_window_auditors.cpp).
    void setUpAuditors();
    void arrangeAuditorMenus();

    HazmatLibrary &lib_;
    Prompts &prompts_;
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
    bool closing_ = false;
    bool closed_ = false;
    bool dirty_ = false;
    View view_ = View::Truckload;
    EditCommands commands_;
    SortState searchSort_;
    bool savedLoadsNeedRebuild_ = false;

    QStackedWidget *stack_ = nullptr;
    QLabel *status_ = nullptr;
    QLabel *truckloadTitle_ = nullptr;
    QLabel *complianceTitle_ = nullptr;
    ComplianceView *complianceView_ = nullptr;   // compliance rendering
    QToolBar *toolbar_ = nullptr;
    QActionGroup *rulesGroup_ = nullptr;
    std::vector<QAction *> viewActions_;
    QAction *actToolbar_ = nullptr;
    QAction *actStatusBar_ = nullptr;
    // Truckload editing.
    Engine *engine_ = nullptr;
    std::unique_ptr<TruckloadEditor> editor_;
    // Saved truckloads.
    std::unique_ptr<SavedStore> saved_;
    std::vector<SavedRow> savedRows_;
    SortState savedSort_;
    QPushButton *savedPreviewButton_ = nullptr, *savedReportButton_ = nullptr, *savedFilterButton_ = nullptr;
};

} // namespace velmora
