// The reference views reached from the main window's pop-up menu: the
// table entry of a search result or a truckload item, the authorized cargo
// tanks of the truckload, and their enabling.
#include "support/fakes.h"
#include "app/dravlen_library.h"
#include "app/main_window.h"
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
        MainWindow w(lib, prompts, {folder, folder, folder});
        QVERIFY(w.started());
        QStringList shown;   // caption, then page text of each window shown
        w.runInfoWindow = [&](InfoWindow &window) {
            shown << window.windowTitle() << window.browser()->toPlainText();
        };

        // Search view: the entry of the selected result.
        w.showView(View::Search);
        w.lookForEdit->setText(QStringLiteral("UN1005"));
        w.lookInCombo->setCurrentIndex(2);
        w.searchButton->click();
        QVERIFY(w.searchList->topLevelItemCount() >= 1);
        QCOMPARE(w.searchList->currentItem(), w.searchList->topLevelItem(0));   // Enter adds the first result
        w.searchList->clearSelection();
        w.updatePopupMenu();
        QVERIFY(!w.actViewTableEntry->isEnabled());   // nothing selected
        w.searchList->topLevelItem(0)->setSelected(true);
        w.updatePopupMenu();
        QVERIFY(w.actViewTableEntry->isEnabled());
        QVERIFY(!w.actViewCargoTanks->isEnabled());   // truckload view only
        w.actViewTableEntry->trigger();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(0), QStringLiteral("Hazardous Material Table Entry"));
        QVERIFY(shown.at(1).contains(QStringLiteral("UN1005")));
        QVERIFY(shown.at(1).contains(w.searchList->topLevelItem(0)->text(0)));

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
        QCOMPARE(w.truckloadList->topLevelItemCount(), 1);
        w.truckloadList->clearSelection();
        w.updatePopupMenu();
        QVERIFY(!w.actViewTableEntry->isEnabled());
        QVERIFY(w.actViewCargoTanks->isEnabled());
        w.actViewCargoTanks->trigger();
        QCOMPARE(shown.at(2), QStringLiteral("Authorized Motor Cargo Tanks"));
        QVERIFY(shown.at(3).contains(QStringLiteral("Allowed Tanks - For Truckload")));
        QVERIFY(shown.at(3).contains(QStringLiteral("MC/TC 306")));

        w.truckloadList->topLevelItem(0)->setSelected(true);
        w.updatePopupMenu();
        QVERIFY(w.actViewTableEntry->isEnabled());
        w.actViewCargoTanks->trigger();
        QVERIFY(shown.at(5).contains(QStringLiteral("Allowed Tanks - UN1203")));
        w.actViewTableEntry->trigger();
        QCOMPARE(shown.at(6), QStringLiteral("Hazardous Material Table Entry"));
        QVERIFY(shown.at(7).contains(QStringLiteral("Gasoline includes gasoline")));
        QVERIFY(prompts.shown.empty());

        // The compliance view offers neither.
        w.showView(View::Compliance);
        w.updatePopupMenu();
        QVERIFY(!w.actViewTableEntry->isEnabled());
        QVERIFY(!w.actViewCargoTanks->isEnabled());
    }
};

QTEST_MAIN(MainWindowRefviewsTest)
#include "main_window_refviews_test.moc"
