// The main window hosts the compliance view and recomputes it when the view
// is shown; clicking a citation opens the program's regulations viewer.
#include "support/fakes.h"
#include "compliance/compliance_view.h"
#include "app/dravlen_library.h"
#include "app/main_window.h"
#include "settings/preferences_dialog.h"
#include "viewer/regulations_viewer.h"

#include "dravlen.h"

#include <QCheckBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

class MainWindowComplianceTest : public QObject {
    Q_OBJECT
private slots:
    void complianceViewShowsTheTruckload()
    {
        QTemporaryDir dir;
        const std::string folder = withTrailingSeparator(dir.path().toStdString());
        DravlenLibrary lib;
        ScriptedPrompts prompts;
        MainWindow w(lib, prompts, {folder, folder, folder});
        QVERIFY(w.started());
        w.resize(1000, 700);
        w.show();

        // Gasoline in a cargo tank, put on the truckload directly.
        alignas(std::max_align_t) unsigned char storage[256] = {};
        auto *item = reinterpret_cast<Hazmat *>(storage);
        Init_Hazmat(item, SearchCT_HazData("UN1203", 2, 0));
        SetPackingGroup_Hazmat(item, 2);
        SetWeight_Hazmat(item, 3000);
        SetBulkPackaging_Hazmat(item, -1);
        QVERIFY(Add_Load(GetLoad_Engine(lib.engine()), item) >= 0);
        Reset_Hazmat(item, 0);
        SetVehicle_Load(GetLoad_Engine(lib.engine()), "MC/TC 306");

        w.showView(View::Compliance);
        ComplianceView *view = w.complianceView();
        QVERIFY(view && view->isVisible());
        QCOMPARE(view->optionCount(), 3);
        QCOMPARE(view->placards().placards().at(0).idNumber, 1203);
        const QByteArray snapshots = qgetenv("VELMORA_SNAPSHOT_DIR");
        if (!snapshots.isEmpty())
            w.grab().save(QString::fromLocal8Bit(snapshots) + QStringLiteral("/main-window-compliance.png"));

        // The marking of option 3 cites 172.336(c): the program's own
        // regulations viewer opens at it, no outside program needed.
        view->showOption(3);
        QTest::mouseClick(view->markingStrip(), Qt::LeftButton, {}, QPoint(20, 15));
        QVERIFY(prompts.texts().isEmpty());
        viewer::RegulationsViewer *regulations = w.findChild<viewer::RegulationsViewer *>();
        QVERIFY(regulations && regulations->isVisible());
        QCOMPARE(regulations->currentKey(), QStringLiteral("49CFR172.336(c)"));

        // Turning ID numbers off recomputes the showing view: no numbers.
        QVERIFY(w.idToggleButton()->isChecked());
        w.idToggleButton()->click();
        QCOMPARE(view->optionNumber(), 1);
        for (const PlacardEntry &p : view->placards().placards())
            QCOMPARE(p.idNumber, 0);
        w.idToggleButton()->click();
        QCOMPARE(view->placards().placards().at(0).idNumber, 1203);

        // A preference takes effect at once: numbers off in Preferences
        // redraw the showing view without them.
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&answer] {
            if (auto *d = qobject_cast<PreferencesDialog *>(QApplication::activeModalWidget())) {
                answer.stop();
                d->bulkPlacardsCheck->setChecked(false);
                d->acceptIfValid();
            }
        });
        answer.start(10);
        w.showPreferences();
        QVERIFY(!w.settings().enableBulk);
        QCOMPARE(view->placards().placards().at(0).idNumber, 0);

        // Emptying the truckload and showing the view again recomputes it.
        Reset_Load(GetLoad_Engine(lib.engine()));
        w.showView(View::Compliance);
        QCOMPARE(view->placards().count(), 0);
        QVERIFY(!view->navigatorVisible());
    }
};

QTEST_MAIN(MainWindowComplianceTest)
#include "main_window_compliance_test.moc"
