// The reference views reached from the main window's pop-up menu: the
// table entry of a search result or a truckload item, the authorized cargo
// tanks of the truckload, and their enabling.
#include "support/fakes.h"
#include "app/dravlen_library.h"
#include "app/main_window.h"
#include "truckload/truckload_view.h"
#include "search/search_view.h"
#include "refviews/reference_commands.h"
#include "refviews/table_entry_view.h"

#include "dravlen.h"

#include <QAction>
#include <QLineEdit>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

class MainWindowRefviewsTest : public QObject {
    Q_OBJECT
private slots:
    void popupOpensTheReferenceViews()
    {
        QTemporaryDir dir;
        const std::string folder = withTrailingSeparator(dir.path().toStdString());
        DravlenLibrary lib;
        ScriptedPrompts prompts;
        ScriptedDialogs dialogs;
        MainWindow w(lib, prompts, {folder, folder, folder}, &dialogs);
        QVERIFY(w.started());
        QStringList shown;   // caption, then page text of each window shown
        dialogs.runWindow = [&](QDialog &shownWindow) {
            auto &window = dynamic_cast<InfoWindow &>(shownWindow);
            shown << window.windowTitle() << window.browser()->toPlainText();
        };

        // Search view: the entry of the selected result.
        w.showView(View::Search);
        w.searchView()->lookForEdit()->setText(QStringLiteral("UN1005"));
        w.searchView()->lookInCombo()->setCurrentIndex(2);
        w.searchView()->searchButton()->click();
        QVERIFY(w.searchView()->results()->topLevelItemCount() >= 1);
        QCOMPARE(w.searchView()->results()->currentItem(), w.searchView()->results()->topLevelItem(0));   // Enter adds the first result
        w.searchView()->results()->clearSelection();
        w.referenceCommands()->updateActions();
        QVERIFY(!w.referenceCommands()->tableEntryAction()->isEnabled());   // nothing selected
        QVERIFY(!w.referenceCommands()->cargoTanksAction()->isEnabled());
        w.searchView()->results()->topLevelItem(0)->setSelected(true);
        w.referenceCommands()->updateActions();
        QVERIFY(w.referenceCommands()->tableEntryAction()->isEnabled());
        QVERIFY(w.referenceCommands()->cargoTanksAction()->isEnabled());
        w.referenceCommands()->tableEntryAction()->trigger();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(0), QStringLiteral("Hazardous Material Table Entry"));
        QVERIFY(shown.at(1).contains(QStringLiteral("UN1005")));
        QVERIFY(shown.at(1).contains(w.searchView()->results()->topLevelItem(0)->text(0)));
        // The tanks of the selected entry, shipped in bulk: a liquefied
        // compressed gas goes in MC 330/331 cargo tanks (173.315).
        w.referenceCommands()->cargoTanksAction()->trigger();
        QCOMPARE(shown.size(), 4);
        QCOMPARE(shown.at(2), QStringLiteral("Authorized Motor Cargo Tanks"));
        QVERIFY(shown.at(3).contains(QStringLiteral("Allowed Tanks - UN1005")));
        QVERIFY(shown.at(3).contains(QStringLiteral("331")));
        QVERIFY(!shown.at(3).contains(QStringLiteral("non-bulk")));

        // Truckload view: gasoline in a cargo tank.
        alignas(std::max_align_t) unsigned char storage[256] = {};
        auto *item = reinterpret_cast<Hazmat *>(storage);
        Init_Hazmat(item, SearchCT_HazData("UN1203", 2, 0));
        SetPackingGroup_Hazmat(item, 2);
        SetWeight_Hazmat(item, 3000);
        SetBulkPackaging_Hazmat(item, -1);
        QVERIFY(Add_Load(GetLoad_Engine(w.engine()), item) >= 0);
        Reset_Hazmat(item, 0);
        w.showView(View::Truckload);
        QCOMPARE(w.truckloadView()->list()->topLevelItemCount(), 1);
        w.truckloadView()->list()->clearSelection();
        w.referenceCommands()->updateActions();
        QVERIFY(!w.referenceCommands()->tableEntryAction()->isEnabled());
        QVERIFY(w.referenceCommands()->cargoTanksAction()->isEnabled());
        w.referenceCommands()->cargoTanksAction()->trigger();
        QCOMPARE(shown.at(4), QStringLiteral("Authorized Motor Cargo Tanks"));
        QVERIFY(shown.at(5).contains(QStringLiteral("Allowed Tanks - For Truckload")));
        QVERIFY(shown.at(5).contains(QStringLiteral("MC/TC 306")));

        w.truckloadView()->list()->topLevelItem(0)->setSelected(true);
        w.referenceCommands()->updateActions();
        QVERIFY(w.referenceCommands()->tableEntryAction()->isEnabled());
        w.referenceCommands()->cargoTanksAction()->trigger();
        QVERIFY(shown.at(7).contains(QStringLiteral("Allowed Tanks - UN1203")));
        w.referenceCommands()->tableEntryAction()->trigger();
        QCOMPARE(shown.at(8), QStringLiteral("Hazardous Material Table Entry"));
        QVERIFY(shown.at(9).contains(QStringLiteral("Gasoline includes gasoline")));
        QVERIFY(prompts.shown.empty());

        // The compliance view offers neither.
        w.showView(View::Compliance);
        w.referenceCommands()->updateActions();
        QVERIFY(!w.referenceCommands()->tableEntryAction()->isEnabled());
        QVERIFY(!w.referenceCommands()->cargoTanksAction()->isEnabled());
    }
};

QTEST_MAIN(MainWindowRefviewsTest)
#include "main_window_refviews_test.moc"
