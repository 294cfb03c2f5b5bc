// The motor cargo tank inspection window: the tank selector and inspection
// header on the left, the Inspection / Violations / Details pages on the
// right.  Everything it records lives in the main window's truckload.
#pragma once

#include "auditors/cargo_tank/tank_inspection.h"
#include "app/prompts.h"
#include "settings/settings.h"

#include <QDateTime>
#include <QDialog>

#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPrinter;
class QTabWidget;
class QTimeEdit;
class QWidget;

namespace velmora::cargo_tank {

class TankBrowser;
class TankChartWindow;

// What the window needs from the program.
struct InspectionHost {
    Engine *engine = nullptr;
    Prompts *prompts = nullptr;
    const Settings *settings = nullptr;
    QString programFolder;   // ends with "/"
    // The saved-truckloads store's Save As: true when the truckload was
    // written.
    std::function<bool()> saveTruckload;
    // The main window's unsaved-changes flag.
    std::function<void(bool)> setDirty;
    // Opens the regulations viewer at a citation ("49cfr178.345-14").
    std::function<void(const QString &citation)> openRegulation;
    // Opens a help topic; false when it cannot be opened.
    std::function<bool(const QString &topic)> openHelp;
};

class CargoTankInspectionWindow : public QDialog {
    Q_OBJECT
public:
    CargoTankInspectionWindow(const InspectionHost &host, QWidget *parent = nullptr);
    ~CargoTankInspectionWindow() override;

    TankInspection &inspection() { return inspection_; }

    enum class Report { InspectionReport, QuestionsUnanswered, QuestionsCurrent, Violations };
    // The page a print command prints.
    QStringList reportPage(Report report);
    // Shows the chart window modally; tests replace it.  The chosen link,
    // or an invalid choice when the chart was closed.
    std::function<ChartChoice(const QString &path)> runChart;
    // The print dialog; tests replace it with a PDF printer.
    std::function<bool(QPrinter &printer)> choosePrinter;

    // Controls (tests drive them like a user would).
    QComboBox *tankList = nullptr;
    QLineEdit *reportNumberEdit = nullptr, *usdotEdit = nullptr, *inspectorEdit = nullptr, *carrierEdit = nullptr;
    QDateEdit *startDateEdit = nullptr;
    QTimeEdit *startTimeEdit = nullptr;
    QTabWidget *tabs = nullptr;
    TankBrowser *inspectionPage = nullptr, *violationsPage = nullptr, *detailsPage = nullptr, *tankPanel = nullptr;
    QWidget *currentInspectionPanel = nullptr;
    QAction *actSave = nullptr, *actSaveAs = nullptr, *actYes = nullptr, *actNo = nullptr, *actReset = nullptr,
            *actNew = nullptr, *actCopy = nullptr, *actPaste = nullptr, *actSelectAll = nullptr,
            *actViewTanks = nullptr, *actCurrent = nullptr, *actContents = nullptr;
    QAction *actPrint[4] = {};

public slots:
    void chooseTankFromList(int index);
    void save();
    void setAllAnswersYes(bool on);
    void setAllAnswersNo(bool on);
    void resetInspection();
    void startNewInspection();
    void viewTanks();
    void copySelection();
    void pasteIntoField();
    void selectAllOfFocus();
    void showHelpContents();
    void printReport(int report);
    void tabChanged(int index);
    void followLink(const QString &href);

protected:
    // Closing, however it happens, keeps the header in the truckload.
    void done(int result) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildMenus();
    void buildPanels();
    void readHeader();
    void storeHeader();
    void showForms();
    void refreshViolations(bool warn);
    void refreshTank();
    void enableCommands();
    void selectTankInCombo(const QString &tank);
    void openChart(const QString &variant);
    void afterChoice(TankInspection::Choice choice);
    QString referenceText() const;
    QString picturesFolder() const;
    QLineEdit *focusedEdit() const;
    void markDirty();

    InspectionHost host_;
    TankInspection inspection_;
    bool violationsValid_ = false;
    bool updatingCombo_ = false;
    bool shown_ = false;
};

// Opens the inspection window for the truckload of `host`: warns first when
// the truckload holds non-bulk hazmats (the window opens on Yes only).
// `afterClose` runs when the window was shown (the main window refreshes
// its views).  True when the window was shown.
bool openCargoTankInspection(const InspectionHost &host, QWidget *parent,
                             const std::function<void(CargoTankInspectionWindow &)> &run = {});

// The warning before opening the window on a truckload with non-bulk items.
QString nonBulkWarning();

} // namespace velmora::cargo_tank
