// The main window's reference commands: the Emergency Response Guide of the
// selected items (menu, toolbar and pop-up menu), and the regulations
// command, both in the program's own windows.
#include "support/fakes.h"
#include "app/dravlen_library.h"
#include "app/main_window.h"
#include "search/search_view.h"
#include "viewer/erg_window.h"
#include "viewer/regulations_viewer.h"

#include "dravlen.h"

#include <QComboBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

namespace {

// The program folder of the test holds the data the build puts beside the
// program.
void copyData(const QString &to)
{
    const QDir from(QStringLiteral(VIEWER_TEST_DATA));
    for (const char *folder : {"EMERRESP", "regulations"}) {
        QDir(to).mkpath(QString::fromLatin1(folder));
        for (QDirIterator it(from.filePath(QString::fromLatin1(folder)), QDir::Files); it.hasNext();) {
            const QString file = it.next();
            QFile::copy(file, QDir(to).filePath(QString::fromLatin1(folder) + QLatin1Char('/') + QFileInfo(file).fileName()));
        }
    }
}

void addItem(Engine *engine, const char *id)
{
    alignas(std::max_align_t) unsigned char storage[256] = {};
    auto *item = reinterpret_cast<Hazmat *>(storage);
    QVERIFY(Init_Hazmat(item, SearchCT_HazData(id, 2, 0)));
    SetWeight_Hazmat(item, 1000);
    QVERIFY(Add_Load(GetLoad_Engine(engine), item) >= 0);
    Reset_Hazmat(item, 0);
}

// The guide windows open now, newest last.
QList<viewer::EmergencyResponseGuideWindow *> guides(MainWindow &w)
{
    return w.findChildren<viewer::EmergencyResponseGuideWindow *>();
}

} // namespace

class ViewerMainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void guideOfTheSelectionAndTheRegulations()
    {
        QTemporaryDir dir;
        copyData(dir.path());
        const std::string folder = withTrailingSeparator(dir.path().toStdString());
        DravlenLibrary lib;
        ScriptedPrompts prompts;
        MainWindow w(lib, prompts, {folder, folder, folder});
        QVERIFY(w.started());
        w.show();

        // The "ER" menu and the toolbar button.
        QAction *menuEntry = nullptr;
        for (QAction *m : w.menuBar()->actions())
            if (m->text() == QLatin1String("ER"))
                for (QAction *a : m->menu()->actions())
                    if (a->text() == QLatin1String("&Emergency Response Guide"))
                        menuEntry = a;
        QVERIFY(menuEntry);
        QVERIFY(w.findChild<QToolBar *>());

        // Empty truckload: the start page.
        w.showView(View::Truckload);
        menuEntry->trigger();
        QCOMPARE(guides(w).size(), 1);
        QVERIFY(guides(w).last()->browser()->toPlainText().contains(QStringLiteral("Guides for explosives")));

        // No item selected: every item of the truckload, each with its guide.
        addItem(lib.engine(), "UN1017");
        addItem(lib.engine(), "UN1203");
        w.showView(View::Truckload);
        menuEntry->trigger();
        QString page = guides(w).last()->browser()->toPlainText();
        QVERIFY(page.contains(QStringLiteral("GUIDE 124")));
        QVERIFY(page.contains(QStringLiteral("GUIDE 128")));
        QVERIFY(page.contains(QStringLiteral("60 m (200 ft)")));

        // Search view: the selected result.
        w.showView(View::Search);
        w.searchView()->lookForEdit()->setText(QStringLiteral("UN0336"));
        w.searchView()->lookInCombo()->setCurrentIndex(2);
        w.searchView()->searchButton()->click();
        QVERIFY(w.searchView()->results()->topLevelItemCount() >= 1);
        w.searchView()->results()->topLevelItem(0)->setSelected(true);
        w.findChild<QAction *>(QStringLiteral("popupEmergencyResponseGuide"))->trigger();
        page = guides(w).last()->browser()->toPlainText();
        QVERIFY(page.contains(QStringLiteral("GUIDE 114")));
        QVERIFY(!page.contains(QStringLiteral("GUIDE 124")));

        // The regulations command: the program's own viewer, no outside program.
        w.showRegulations();
        auto *regulations = w.findChild<viewer::RegulationsViewer *>();
        QVERIFY(regulations && regulations->isVisible() && regulations->isLoaded());
        QVERIFY(prompts.texts().isEmpty());
        QCOMPARE(regulations->contents()->topLevelItemCount(), 8);
    }
};

QTEST_MAIN(ViewerMainWindowTest)
#include "viewer_main_window_test.moc"
