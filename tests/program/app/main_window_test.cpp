// The main window, the Preferences dialog and the password dialog, driven
// headless with a scripted library and scripted answers.
#include "support/fakes.h"
#include "app/dravlen_library.h"
#include "settings/do_not_ship.h"
#include "settings/ini_file.h"
#include "app/main_window.h"
#include "truckload/truckload_view.h"
#include "search/search_view.h"
#include "settings/password_dialog.h"
#include "settings/preferences_dialog.h"
#include "saved/saved_truckloads.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <fstream>
#include <functional>
#include <map>

using namespace velmora;
using namespace velmora::test;

namespace {

Folders foldersIn(const QTemporaryDir &dir)
{
    const std::string f = withTrailingSeparator(dir.path().toStdString());
    return {f, f, f};
}

// Runs `act` on the next modal dialog once it is open.
void onNextModal(std::function<void(QWidget *)> act)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(w);
        }
    });
    timer->start(10);
}

// The engine library, counting how often the window ends its engine.
class CountingLibrary : public DravlenLibrary {
public:
    int engineDestroys = 0;
    void destroyEngine() override
    {
        ++engineDestroys;
        DravlenLibrary::destroyEngine();
    }
};

QAction *rulesEntry(MainWindow &w, int index)
{
    for (QAction *a : w.rulesMenu()->actions())
        if (a->data().toInt() == index)
            return a;
    return nullptr;
}

} // namespace

class ShellWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void firstRunInEmptyProgramFolder();
    void settingsFileCannotBeCreated();
    void startupReadsListsAndHelpLinks();
    void searchViewListsAndRefuses();
    void viewSwitchingStatusTexts();
    void rulesetSwitchFromMenu();
    void preferencesRoundTrip();
    void preferencesRefusals();
    void doNotShipTab();
    void passwordDialog();
    void doNotShipFolderChangeWritesAtShutdown();
    void closeWithUnsavedChanges();
    void helpMissing();
    void menuShortcutsAreDistinct();
};

void ShellWindowsTest::firstRunInEmptyProgramFolder()
{
    QTemporaryDir dir;
    FakeLibrary lib;
    ScriptedPrompts prompts;
    {
        MainWindow w(lib, prompts, foldersIn(dir));
        QVERIFY(w.started());
        QVERIFY(prompts.shown.empty());
        QCOMPARE(lib.engineInits, 1);
        QVERIFY(QFile::exists(dir.filePath("hazmat.ini")));
        IniFile ini;
        QVERIFY(ini.load(dir.filePath("hazmat.ini").toStdString()));
        QCOMPARE(ini.value("General", "CurrentVersion").value(), std::string());   // the skeleton
        QCOMPARE(w.settings(), firstRunSettings(withTrailingSeparator(dir.path().toStdString())));
        QCOMPARE(lib.bulk, true);              // first-run placarding switches reach the engine
        QCOMPARE(lib.dangerousFirst, false);
        QCOMPARE(w.statusText(), QStringLiteral("Ready"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Velmora - Commercial[*]"));
        QCOMPARE(w.complianceTitleText(), QStringLiteral("Compliance Requirements (Current)"));
        QCOMPARE(w.currentView(), View::Truckload);
        // Code 0 "Unknown" is not offered; the first vehicle is chosen.
        QCOMPARE(w.truckloadView()->vehicleSelector()->count(), 2);
        QCOMPARE(w.truckloadView()->vehicleSelector()->itemText(0), QStringLiteral("Van"));
        QCOMPARE(lib.vehicle, std::string("Van"));
        QVERIFY(w.idToggleButton()->isChecked());
        QCOMPARE(w.idToggleButton()->toolTip(), QStringLiteral("Display ID markings on orange panels (on)"));
        QCOMPARE(w.rulesMenu()->actions().size(), 2);
        QVERIFY(rulesEntry(w, 41)->isChecked());
        QVERIFY(w.close());
        QCOMPARE(lib.engineDestroys, 1);
    }
    QCOMPARE(lib.engineDestroys, 1);   // not twice
    // The second start stamps the version.
    MainWindow again(lib, prompts, foldersIn(dir));
    IniFile ini;
    ini.load(dir.filePath("hazmat.ini").toStdString());
    QCOMPARE(ini.value("General", "CurrentVersion").value(), std::string("7.51.1"));
}

void ShellWindowsTest::settingsFileCannotBeCreated()
{
    QTemporaryDir dir;
    FakeLibrary lib;
    ScriptedPrompts prompts;
    Folders f = foldersIn(dir);
    f.settingsFolder = dir.filePath("no/such/folder/").toStdString();
    MainWindow w(lib, prompts, f);
    QVERIFY(!w.started());
    QCOMPARE(prompts.texts(), QStringList{"Unable to write to the program directory. Please ensure Velmora has write "
                                          "permission to the instlled folder."});
}

void ShellWindowsTest::startupReadsListsAndHelpLinks()
{
    QTemporaryDir dir;
    QVERIFY(saveDoNotShip(dir.path().toStdString(), {"UN1203"}));
    {
        std::ofstream links(dir.filePath("UserDefinedHelpLinks.txt").toStdString(), std::ios::binary);
        links << "just a caption\r\nAgency|https://example.org\r\n";
        std::ofstream ini(dir.filePath("hazmat.ini").toStdString(), std::ios::binary);
        ini << "[General]\r\nCurrentVersion=7.51.1\r\n[PlacardOptions]\r\nEnableBulk=0\r\nEnableDangerousFirst=1\r\n"
               "[Installation]\r\nOrganization=State Patrol\r\n";
    }
    FakeLibrary lib;
    lib.statuses[41] = std::nullopt;   // at the compliance second
    ScriptedPrompts prompts;
    MainWindow w(lib, prompts, foldersIn(dir));
    QCOMPARE(w.doNotShip().ids, std::vector<std::string>{"UN1203"});
    QVERIFY(!w.doNotShip().changed);
    QCOMPARE(lib.bulk, false);
    QCOMPARE(lib.dangerousFirst, true);
    QVERIFY(!w.idToggleButton()->isChecked());
    QCOMPARE(w.idToggleButton()->toolTip(), QStringLiteral("Display ID markings on orange panels (off)"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Velmora - Commercial - State Patrol[*]"));
    QCOMPARE(w.complianceTitleText(), QStringLiteral("Compliance Requirements ()"));
    QCOMPARE(rulesEntry(w, 41)->text(), QStringLiteral(" Rules (RULES-41)"));
    QVERIFY(w.findChild<QAction *>("CustomMenuItemSeparator0"));
    QVERIFY(!w.findChild<QAction *>("CustomMenuItem1"));
    QAction *agency = w.findChild<QAction *>("CustomMenuItem2");
    QVERIFY(agency);
    QCOMPARE(agency->text(), QStringLiteral("Agency"));
}

void ShellWindowsTest::searchViewListsAndRefuses()
{
    QTemporaryDir dir;
    QVERIFY(saveDoNotShip(dir.path().toStdString(), {"UN1203"}));
    FakeLibrary lib;
    lib.table = {{{631, "Gasoline", "3", "UN1203", "II", ""}, "3"},
                 {{632, "Fuel oil", "3", "NA1993", "III", ""}, "3"},
                 {{700, "Ammonia, anhydrous", "2.2", "UN1005", "", "Zones A, B, C, D or n/a"}, "2.2"}};
    lib.idInfos["UN9999"] = "UN9999 expired on Jan 01, 2010.";
    ScriptedPrompts prompts;
    MainWindow w(lib, prompts, foldersIn(dir));
    std::vector<int> added;
    QObject::connect(w.searchView(), &SearchView::addRequested, [&](int pid) { added.push_back(pid); });
    w.showView(View::Search);

    struct Case {
        const char *query;
        int lookIn;
        QStringList ids;   // in display order (by name)
        QString status;
    } cases[] = {
        {"o", 0, {"UN1005", "NA1993", "UN1203"}, "3 matches found"},
        {"3", 1, {"NA1993", "UN1203"}, "2 matches found"},
        {"1005", 2, {"UN1005"}, "1 match found"},
        {"zzz", 0, {}, "0 matches found"},
    };
    for (const auto &c : cases) {
        w.searchView()->lookForEdit()->setText(c.query);
        w.searchView()->lookInCombo()->setCurrentIndex(c.lookIn);
        QTest::mouseClick(w.searchView()->searchButton(), Qt::LeftButton);
        QStringList ids;
        for (int i = 0; i < w.searchView()->results()->topLevelItemCount(); ++i)
            ids << w.searchView()->results()->topLevelItem(i)->text(2);
        QCOMPARE(ids, c.ids);
        QCOMPARE(w.statusText(), c.status);
    }
    QVERIFY(prompts.shown.empty());

    // The row shows the class, packing groups and zones as the library gives them.
    w.searchView()->lookForEdit()->setText("ammonia");
    w.searchView()->lookInCombo()->setCurrentIndex(0);
    QTest::mouseClick(w.searchView()->searchButton(), Qt::LeftButton);
    QTreeWidgetItem *row = w.searchView()->results()->topLevelItem(0);
    QCOMPARE(row->text(0), QStringLiteral("Ammonia, anhydrous"));
    QCOMPARE(row->text(1), QStringLiteral("2.2"));
    QCOMPARE(row->text(4), QStringLiteral("Zones A, B, C, D or n/a"));

    // Do Not Ship refusal on a double-click; other entries go on to be added.
    w.searchView()->lookForEdit()->setText("o");
    QTest::mouseClick(w.searchView()->searchButton(), Qt::LeftButton);
    w.searchView()->activateResult(w.searchView()->results()->topLevelItem(2));   // UN1203
    QCOMPARE(prompts.texts(), QStringList{"Cannot add UN1203, it is on the DO NOT SHIP list."});
    QVERIFY(added.empty());
    w.searchView()->activateResult(w.searchView()->results()->topLevelItem(1));
    QCOMPARE(added, std::vector<int>{632});

    // An ID that is not in the current ruleset is explained.
    prompts.shown.clear();
    w.searchView()->lookForEdit()->setText("un9999");
    w.searchView()->lookInCombo()->setCurrentIndex(2);
    QTest::mouseClick(w.searchView()->searchButton(), Qt::LeftButton);
    QCOMPARE(prompts.texts(), QStringList{"UN9999 expired on Jan 01, 2010."});
    QCOMPARE(int(prompts.shown[0].type), int(PromptType::Information));

    // Header clicks: ascending, then descending.
    w.searchView()->lookForEdit()->setText("o");
    w.searchView()->lookInCombo()->setCurrentIndex(0);
    QTest::mouseClick(w.searchView()->searchButton(), Qt::LeftButton);
    w.searchView()->sortByColumn(2);
    QCOMPARE(w.searchView()->results()->topLevelItem(0)->text(2), QStringLiteral("NA1993"));
    w.searchView()->sortByColumn(2);
    QCOMPARE(w.searchView()->results()->topLevelItem(0)->text(2), QStringLiteral("UN1203"));

    // Leaving and coming back clears the view.
    w.showView(View::Truckload);
    w.showView(View::Search);
    QCOMPARE(w.searchView()->results()->topLevelItemCount(), 0);
    QCOMPARE(w.searchView()->lookForEdit()->text(), QString());
    QCOMPARE(w.searchView()->lookInCombo()->currentText(), QStringLiteral("PSN"));
}

void ShellWindowsTest::viewSwitchingStatusTexts()
{
    QTemporaryDir dir;
    FakeLibrary lib;
    ScriptedPrompts prompts;
    MainWindow w(lib, prompts, foldersIn(dir));
    struct Case {
        View view;
        unsigned items;
        QString status;
        bool add;
    } cases[] = {
        {View::Truckload, 1, "There is 1 item on this truckload.", true},
        {View::Compliance, 1, "", false},
        {View::Truckload, 0, "There are 0 items on this truckload.", true},
        {View::SavedTruckloads, 0, "", false},
        {View::Search, 2, "", true},
        {View::Truckload, 2, "There are 2 items on this truckload.", true},
    };
    for (const auto &c : cases) {
        lib.items = c.items;
        w.showView(c.view);
        QCOMPARE(w.currentView(), c.view);
        QCOMPARE(w.statusText(), c.status);
        QCOMPARE(w.editCommands().add, c.add);
        QVERIFY(!w.editCommands().remove);
    }
}

void ShellWindowsTest::rulesetSwitchFromMenu()
{
    QTemporaryDir dir;
    FakeLibrary lib;
    lib.table = {{{631, "Gasoline", "3", "UN1203", "II", ""}, "3"}};
    lib.conversionOk = false;   // an item of the truckload has no entry in the other ruleset
    ScriptedPrompts prompts;
    MainWindow w(lib, prompts, foldersIn(dir));
    w.showView(View::Search);
    w.searchView()->lookForEdit()->setText("gas");
    QTest::mouseClick(w.searchView()->searchButton(), Qt::LeftButton);
    QCOMPARE(w.searchView()->results()->topLevelItemCount(), 1);

    prompts.answers = {PromptAnswer::No};
    rulesEntry(w, 42)->trigger();
    QCOMPARE(lib.current, 41);
    QVERIFY(rulesEntry(w, 41)->isChecked());
    QVERIFY(!rulesEntry(w, 42)->isChecked());
    QCOMPARE(w.complianceTitleText(), QStringLiteral("Compliance Requirements (Current)"));

    prompts.answers = {PromptAnswer::Yes};
    rulesEntry(w, 42)->trigger();
    QCOMPARE(lib.current, 42);
    QVERIFY(rulesEntry(w, 42)->isChecked());
    QCOMPARE(w.complianceTitleText(), QStringLiteral("Compliance Requirements (Voluntary)"));
    QCOMPARE(w.searchView()->results()->topLevelItemCount(), 0);   // results of the old table are gone
    QCOMPARE(prompts.shown.size(), size_t(2));
}

void ShellWindowsTest::preferencesRoundTrip()
{
    QTemporaryDir dir;
    QTemporaryDir other;
    FakeLibrary lib;
    ScriptedPrompts prompts;
    MainWindow w(lib, prompts, foldersIn(dir));
    onNextModal([&](QWidget *modal) {
        auto *d = qobject_cast<PreferencesDialog *>(modal);
        QVERIFY(d);
        QCOMPARE(d->tabs->currentIndex(), 0);
        d->bulkPlacardsCheck->setChecked(false);
        d->dangerousFirstCheck->setChecked(true);
        d->savePromptCheck->setChecked(false);
        d->savePathEdit->setText(other.path());
        d->reportRadio->setChecked(true);
        d->defaultInspectionCheck->setChecked(true);
        d->inspectorNameEdit->setText("J. Doe");
        d->customMessageRadio->setChecked(true);
        d->customMessageEdit->setPlainText("Line one\nLine two");
        d->customEntryCheck->setChecked(true);
        d->customEntryEdit->setText("Dispatcher");
        d->acceptIfValid();
    });
    w.showPreferences();
    QVERIFY(prompts.shown.empty());
    const Settings &s = w.settings();
    QCOMPARE(s.enableBulk, false);
    QCOMPARE(s.enableDangerousFirst, true);
    QCOMPARE(s.savePath, withTrailingSeparator(other.path().toStdString()));
    QCOMPARE(s.defaultViewStyle, 1);
    QCOMPARE(s.customMessage, std::string("Line one||Line two"));
    QCOMPARE(lib.bulk, false);
    QCOMPARE(lib.dangerousFirst, true);
    QVERIFY(!w.idToggleButton()->isChecked());
    QCOMPARE(w.idToggleButton()->toolTip(), QStringLiteral("Display ID markings on orange panels"));

    // The file holds the new values, and the next start reads them back.
    FakeLibrary lib2;
    MainWindow again(lib2, prompts, foldersIn(dir));
    QCOMPARE(again.settings(), s);

    // The dialog shows the stored message with real line breaks.
    PreferencesDialog d(s, {}, PreferencesContext{&lib, &prompts, "X", dir.path().toStdString(), {}, {}});
    QCOMPARE(d.customMessageEdit->toPlainText(), QStringLiteral("Line one\nLine two"));
    QVERIFY(d.inspectorNameEdit->isEnabled());
}

void ShellWindowsTest::preferencesRefusals()
{
    QTemporaryDir dir;
    FakeLibrary lib;
    ScriptedPrompts prompts;
    const Settings start = firstRunSettings(withTrailingSeparator(dir.path().toStdString()));
    PreferencesContext context{&lib, &prompts, "X", dir.path().toStdString(), {}, {}};

    // Custom message chosen but empty: nothing stored, the dialog stays.
    {
        PreferencesDialog d(start, {}, context);
        d.customMessageRadio->setChecked(true);
        d.bulkPlacardsCheck->setChecked(false);
        d.acceptIfValid();
        QCOMPARE(prompts.texts(), QStringList{"Please enter a Custom message"});
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(d.settings().enableBulk, true);
        QCOMPARE(d.tabs->currentIndex(), 2);
    }
    prompts.shown.clear();
    {
        PreferencesDialog d(start, {}, context);
        d.customEntryCheck->setChecked(true);
        d.acceptIfValid();
        QCOMPARE(prompts.texts(), QStringList{"Please enter a Custom Entry Item."});
        QCOMPARE(d.result(), int(QDialog::Rejected));
    }
    // A folder that does not exist is refused with a warning; the rest is stored.
    prompts.shown.clear();
    {
        PreferencesDialog d(start, {}, context);
        const QString missing = dir.filePath("missing");
        d.doNotShipPathEdit->setText(missing);
        d.defaultIdCheck->setChecked(true);
        d.acceptIfValid();
        QCOMPARE(prompts.texts(), QStringList{"The \"" + missing + "\" directory doesn't exist."});
        QCOMPARE(int(prompts.shown[0].type), int(PromptType::Warning));
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.settings().dnsPath, start.dnsPath);
        QCOMPARE(d.settings().enableDefaultID, true);
        QCOMPARE(d.doNotShipPathEdit->text(), QString());
    }
    // Folder fields are locked when path editing is off.
    Settings locked = start;
    locked.enablePathEdit = false;
    PreferencesDialog d(locked, {}, context);
    QVERIFY(!d.savePathEdit->isEnabled());
    QVERIFY(!d.browseDoNotShipButton->isEnabled());
}

void ShellWindowsTest::doNotShipTab()
{
    QTemporaryDir dir;
    FakeLibrary lib;
    lib.idInfos["UN1203"] = "UN1203 is available by switching to the X ruleset.";
    ScriptedPrompts prompts;
    const Settings start = firstRunSettings(withTrailingSeparator(dir.path().toStdString()));
    bool passwordOk = false;
    PreferencesContext context{&lib, &prompts, "X", dir.path().toStdString(),
                               [&](QWidget *) { return passwordOk; }, {}};

    // Password cancelled: the list stays untouched and uneditable.
    {
        PreferencesDialog d(start, {"NA1993"}, context);
        d.tabs->setCurrentIndex(3);
        QVERIFY(!d.idNumberEdit->isEnabled());
        QVERIFY(!d.addButton->isEnabled());
        QCOMPARE(d.doNotShipTable->topLevelItemCount(), 0);
    }
    passwordOk = true;
    PreferencesDialog d(start, {"NA1993"}, context);
    d.show();
    d.tabs->setCurrentIndex(3);
    QVERIFY(d.idNumberEdit->isEnabled());
    QCOMPARE(d.doNotShipTable->topLevelItemCount(), 1);
    QVERIFY(d.deleteAllButton->isEnabled());

    struct Step {
        const char *typed;
        PromptAnswer answer;
        QString message;   // empty: no message
        size_t count;
    } steps[] = {
        {"   ", PromptAnswer::Ok, "Please enter an ID number.", 1},
        {"un1203", PromptAnswer::Ok, "", 2},   // upper-cased; the library knows the number
        {"UN1203", PromptAnswer::Cancel, "UN1203 already exists. Add anyway?", 2},
        {"ZZ0000", PromptAnswer::Cancel, "ZZ0000 is not a recognized ID number. Add anyway?", 2},
        {"ZZ0000", PromptAnswer::Ok, "ZZ0000 is not a recognized ID number. Add anyway?", 3},
    };
    for (const auto &s : steps) {
        prompts.shown.clear();
        prompts.answers = {s.answer};
        d.idNumberEdit->clear();
        QTest::keyClicks(d.idNumberEdit, s.typed);
        d.addDoNotShipEntry();
        QCOMPARE(prompts.texts(), s.message.isEmpty() ? QStringList{} : QStringList{s.message});
        QCOMPARE(d.doNotShipIds().size(), s.count);
    }
    QCOMPARE(d.doNotShipIds(), (std::vector<std::string>{"NA1993", "UN1203", "ZZ0000"}));
    QCOMPARE(d.doNotShipTable->topLevelItem(2)->text(0), QStringLiteral("3"));

    // Delete renumbers; Cancel with unsaved edits asks first.
    d.doNotShipTable->setCurrentItem(d.doNotShipTable->topLevelItem(0));
    QVERIFY(d.deleteButton->isEnabled());
    d.deleteDoNotShipEntries();
    QCOMPARE(d.doNotShipIds(), (std::vector<std::string>{"UN1203", "ZZ0000"}));
    QCOMPARE(d.doNotShipTable->topLevelItem(0)->text(0), QStringLiteral("1"));
    prompts.shown.clear();
    prompts.answers = {PromptAnswer::No};
    d.cancel();
    QCOMPARE(prompts.texts(), QStringList{"You have unsaved Do Not Ship items. Cancel anyway?"});
    QVERIFY(d.isVisible());   // No keeps the dialog and its edits

    // The read-only list file blocks adding.
    QVERIFY(saveDoNotShip(dir.path().toStdString(), {}));
    QFile::setPermissions(dir.filePath("vlmdns.dat"), QFileDevice::ReadOwner);
    if (!QFileInfo(dir.filePath("vlmdns.dat")).isWritable()) {
        prompts.shown.clear();
        d.idNumberEdit->setText("UN1005");
        d.addDoNotShipEntry();
        QCOMPARE(prompts.texts(), QStringList{"The Do Not Ship file is Read-Only. Items cannot be added."});
    }
    QFile::setPermissions(dir.filePath("vlmdns.dat"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    // Delete All and OK empties the list.
    d.deleteAllDoNotShipEntries();
    d.acceptIfValid();
    QVERIFY(d.doNotShipEdited());
    QVERIFY(d.doNotShipIds().empty());
}

void ShellWindowsTest::passwordDialog()
{
    PasswordDialog dlg("SECRET7");
    dlg.show();
    dlg.passwordField()->setText("wrong");
    dlg.checkPassword();
    QVERIFY(dlg.isVisible());
    QVERIFY(dlg.invalidLabel()->isVisible());
    dlg.passwordField()->setText("secret7");   // typed in lower case
    dlg.checkPassword();
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
}

void ShellWindowsTest::doNotShipFolderChangeWritesAtShutdown()
{
    QTemporaryDir dir;
    QTemporaryDir newFolder;
    QVERIFY(saveDoNotShip(dir.path().toStdString(), {"UN1203"}));
    FakeLibrary lib;
    ScriptedPrompts prompts;
    {
        MainWindow w(lib, prompts, foldersIn(dir));
        onNextModal([&](QWidget *modal) {
            auto *d = qobject_cast<PreferencesDialog *>(modal);
            d->doNotShipPathEdit->setText(newFolder.path());
            d->acceptIfValid();
        });
        w.showPreferences();
        QVERIFY(w.doNotShip().changed);
        QVERIFY(w.close());
    }
    int error = 0;
    QCOMPARE(loadDoNotShip(newFolder.path().toStdString(), error), std::optional(std::vector<std::string>{"UN1203"}));
    QVERIFY(prompts.shown.empty());

    // A write that fails is reported.
    MainWindow w(lib, prompts, foldersIn(dir));   // reads the settings that now name newFolder
    onNextModal([&](QWidget *modal) {
        auto *d = qobject_cast<PreferencesDialog *>(modal);
        d->doNotShipPathEdit->setText(dir.path());
        d->acceptIfValid();
    });
    w.showPreferences();
    QFile::remove(dir.filePath("vlmdns.dat"));
    QVERIFY(QDir().mkdir(dir.filePath("vlmdns.dat")));   // a folder in the file's place
    QVERIFY(w.close());
    QCOMPARE(prompts.texts(), QStringList{"Unable to write the Do Not Ship list to " + dir.filePath("vlmdns.dat") + "."});
}

void ShellWindowsTest::closeWithUnsavedChanges()
{
    struct Case {
        bool dirty;
        bool savePrompt;
        PromptAnswer answer;
        bool saveSucceeds;
        bool closes;
        size_t questions;
        int saves;
    } cases[] = {
        {false, true, PromptAnswer::Yes, true, true, 0, 0},
        {true, false, PromptAnswer::Yes, true, true, 0, 0},   // prompt switched off
        {true, true, PromptAnswer::No, true, true, 1, 0},     // the user lets it go
        {true, true, PromptAnswer::Yes, true, true, 1, 1},    // saved, then closed
        {true, true, PromptAnswer::Yes, false, false, 1, 1},  // save cancelled: stay open
        {true, true, PromptAnswer::Cancel, true, false, 1, 0},   // Cancel or Escape: nothing saved, stays open
    };
    for (const auto &c : cases) {
        QTemporaryDir dir;
        if (!c.savePrompt) {
            std::ofstream ini(dir.filePath("hazmat.ini").toStdString(), std::ios::binary);
            ini << "[General]\r\nEnableSavePrompt=0\r\nCurrentVersion=7.51.1\r\n";
        }
        CountingLibrary lib;
        ScriptedPrompts prompts;
        ScriptedDialogs dialogs;
        MainWindow w(lib, prompts, foldersIn(dir), &dialogs);
        // Saving a truckload without a name asks where to save it first;
        // cancelling that cancels the save.
        int saves = 0;
        dialogs.saveAsDialog = [&](const QString &proposed) -> std::optional<QString> {
            ++saves;
            return c.saveSucceeds ? std::optional<QString>(QFileInfo(proposed).absolutePath() + "/Kept.vlm")
                                  : std::nullopt;
        };
        w.setDirty(c.dirty);
        w.show();
        prompts.answers = {c.answer};
        QCOMPARE(w.close(), c.closes);
        QCOMPARE(prompts.shown.size(), c.questions);
        if (c.questions) {
            QCOMPARE(prompts.shown[0].text, QStringLiteral("Do you want to save the changes made to the current truckload?"));
            QCOMPARE(int(prompts.shown[0].type), int(PromptType::Warning));
        }
        QCOMPARE(saves, c.saves);
        QCOMPARE(QFile::exists(QString::fromStdString(withTrailingSeparator(w.settings().savePath)) + "Kept.vlm"),
                 c.saves == 1 && c.saveSucceeds);
        QCOMPARE(lib.engineDestroys, c.closes ? 1 : 0);
        QCOMPARE(w.isVisible(), !c.closes);
    }
}

void ShellWindowsTest::helpMissing()
{
    QTemporaryDir dir;
    FakeLibrary lib;
    ScriptedPrompts prompts;
    MainWindow w(lib, prompts, foldersIn(dir));
    w.showHelpContents();
    QCOMPARE(prompts.texts(), QStringList{"Unable to open the help file."});
}

// Two actions with one key sequence make Qt call the key ambiguous and run
// neither; the file commands users reach for by key must have one.
void ShellWindowsTest::menuShortcutsAreDistinct()
{
    QTemporaryDir dir;
    DravlenLibrary lib;
    ScriptedPrompts prompts;
    ScriptedDialogs dialogs;
    MainWindow w(lib, prompts, foldersIn(dir), &dialogs);
    QVERIFY(w.started());
    std::map<QString, QString> owner;   // key sequence -> action text
    std::function<void(const QList<QAction *> &)> walk = [&](const QList<QAction *> &actions) {
        for (QAction *a : actions) {
            if (a->menu())
                walk(a->menu()->actions());
            for (const QKeySequence &keys : a->shortcuts()) {
                const QString text = keys.toString();
                const auto [it, fresh] = owner.emplace(text, a->text());
                QVERIFY2(fresh || it->second == a->text(),
                         qPrintable(text + " belongs to both " + it->second + " and " + a->text()));
            }
        }
    };
    walk(w.menuBar()->actions());
    for (QAction *a : {w.savedTruckloads()->newAction(), w.savedTruckloads()->openAction(),
                       w.savedTruckloads()->saveAction(), w.savedTruckloads()->saveAsAction()})
        QVERIFY2(!a->shortcut().isEmpty(), qPrintable(a->text()));
}

QTEST_MAIN(ShellWindowsTest)
#include "main_window_test.moc"
