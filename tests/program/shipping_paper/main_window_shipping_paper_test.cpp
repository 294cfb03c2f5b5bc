// The shipping-paper auditor and the Show-Me command as the main window
// offers them: menu and pop-up entries and their enabling, the auditor
// window on the real truckload with its PDF export, and the program's
// reaction to a Show-Me component that records, fails or is missing.
#include "auditors/shipping_paper/open_from_main_window.h"
#include "auditors/shipping_paper/shipping_paper_window.h"
#include "auditors/shipping_paper/show_me.h"
#include "support/fakes.h"
#include "support/truckload_items.h"
#include "app/dravlen_library.h"
#include "app/main_window.h"
#include "compliance/compliance_view.h"
#include "documents/documents.h"
#include "refviews/table_entry_view.h"

#include "dravlen.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

namespace {

QAction *findAction(QMenu *menu, const QString &name)
{
    for (QAction *a : menu->actions())
        if (a->objectName() == name)
            return a;
    return nullptr;
}

// A started main window on the real library, its folders in a scratch
// directory.
struct Session {
    QTemporaryDir dir;
    std::string folder = withTrailingSeparator(dir.path().toStdString());
    DravlenLibrary lib;
    ScriptedPrompts prompts;
    MainWindow window{lib, prompts, {folder, folder, folder}};
};

} // namespace

class MainWindowShippingPaperTest : public QObject {
    Q_OBJECT
private slots:
    void entriesFollowTheTruckload()
    {
        Session session;
        MainWindow &w = session.window;
        ScriptedPrompts &prompts = session.prompts;
        QVERIFY(w.started());
        QAction *menuAuditor = findAction(w.auditingMenu(), QStringLiteral("actShippingPaperAuditor"));
        QAction *popupAuditor = findAction(w.popupMenu(), QStringLiteral("popupShippingPaperAuditor"));
        QVERIFY(menuAuditor && popupAuditor);
        QCOMPARE(menuAuditor->text(), QStringLiteral("HazMat &Shipping Paper Auditor"));
        QCOMPARE(popupAuditor->text(), QStringLiteral("HazMat Shipping Paper Auditor"));
        // Show Me What You See exists in both menus and is never offered.
        for (QAction *a : {findAction(w.auditingMenu(), QStringLiteral("actShowMe")),
                           findAction(w.popupMenu(), QStringLiteral("popupShowMe"))}) {
            QVERIFY(a);
            QCOMPARE(a->text(), QStringLiteral("Show Me What You See"));
            QVERIFY(!a->isVisible());
        }

        emit w.auditingMenu()->aboutToShow();
        emit w.popupMenu()->aboutToShow();
        QVERIFY(!menuAuditor->isEnabled());
        QVERIFY(!popupAuditor->isEnabled());
        addItem(w.engine(), "UN1203", 2, 3000);
        addItem(w.engine(), "UN1017", 0, 500);
        // Added behind the window's back: the compliance view still shows
        // the empty truckload until something refreshes it.
        QCOMPARE(w.complianceView()->optionCount(), 0);
        emit w.auditingMenu()->aboutToShow();
        emit w.popupMenu()->aboutToShow();
        QVERIFY(menuAuditor->isEnabled());
        QVERIFY(popupAuditor->isEnabled());

        // The window opens modally on the whole truckload and exports its
        // page as a PDF.
        QString title, page;
        const QString pdf = session.dir.filePath(QStringLiteral("audit.pdf"));
        QTimer::singleShot(0, this, [&] {
            auto *auditor = qobject_cast<shipping_paper::ShippingPaperWindow *>(QApplication::activeModalWidget());
            QVERIFY(auditor);
            title = auditor->windowTitle();
            page = auditor->html();
            auditor->output().askPdfPath = [&](const QString &) { return pdf; };
            auditor->pdfButton->click();
            auditor->reject();
        });
        menuAuditor->trigger();
        QCOMPARE(title, QStringLiteral("HazMat Shipping Paper Auditor"));
        QVERIFY(page.contains(QStringLiteral(">UN1203</td>")));
        QVERIFY(page.contains(QStringLiteral(">UN1017</td>")));
        // Closing the auditor refreshes the views: they show the truckload
        // as a fresh computation does.
        const QString shownAfterAudit = w.complianceView()->infoText();
        const int optionsAfterAudit = w.complianceView()->optionCount();
        QVERIFY(optionsAfterAudit > 0);
        w.showCompliance();
        QCOMPARE(w.complianceView()->infoText(), shownAfterAudit);
        QCOMPARE(w.complianceView()->optionCount(), optionsAfterAudit);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
        QVERIFY(prompts.shown.empty());
    }

    void showMeRun_data()
    {
        QTest::addColumn<QString>("library");
        QTest::addColumn<QString>("error");       // start of the message, empty for none
        QTest::addColumn<bool>("dirty");
        QTest::addColumn<bool>("completed");
        QTest::newRow("component missing") << QStringLiteral("/nonexistent/showmeaudit")
                                           << QStringLiteral("Show Me What You See is not available") << false << false;
        QTest::newRow("component records findings") << QStringLiteral(SHOW_ME_RECORDS) << QString() << true << true;
        // What the component wrote before failing stays and is unsaved work.
        QTest::newRow("component fails") << QStringLiteral(SHOW_ME_FAILS)
                                         << QStringLiteral("The Show-Me audit failed") << true << false;
    }
    void showMeRun()
    {
        QFETCH(QString, library);
        QFETCH(QString, error);
        QFETCH(bool, dirty);
        QFETCH(bool, completed);
        Session session;
        MainWindow &w = session.window;
        ScriptedPrompts &prompts = session.prompts;
        QVERIFY(w.started());
        addItem(w.engine(), "UN1203", 2, 3000);
        w.setDirty(false);
        shipping_paper::runShowMe(w, prompts, library);
        if (error.isEmpty()) {
            QVERIFY2(prompts.shown.empty(), qPrintable(prompts.texts().join(QLatin1Char('\n'))));
        } else {
            QCOMPARE(prompts.shown.size(), size_t(1));
            QCOMPARE(prompts.shown.front().type, PromptType::Error);
            QVERIFY2(prompts.shown.front().text.startsWith(error), qPrintable(prompts.shown.front().text));
        }
        Load *load = GetLoad_Engine(w.engine());
        QCOMPARE(w.isDirty(), dirty);
        QCOMPARE(CompletedShowMe_Vehicle(load) != 0, completed);
        QCOMPARE(HasShowMeAudit_Vehicle(load) != 0, dirty);
        if (completed) {
            // The finding joins the truckload's violations.
            QCOMPARE(GetNumViolations_Vehicle(load), uint32_t(1));
        }
    }

    void programFolderComponent()
    {
        QCOMPARE(shipping_paper::showMeLibraryPath(QStringLiteral("/opt/velmora")),
                 QStringLiteral("/opt/velmora/showmeaudit"));
    }
};

QTEST_MAIN(MainWindowShippingPaperTest)
#include "main_window_shipping_paper_test.moc"
