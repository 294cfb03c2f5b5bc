// The auditors reached from the main window: the Auditing menu and the
// pop-up menu, their enabling, and the item they open on.
#include "support/fakes.h"
#include "app/dravlen_library.h"
#include "app/main_window.h"
#include "truckload/truckload_view.h"
#include "auditors/auditor_commands.h"
#include "auditors/auditor_view.h"
#include "auditors/auditor_window.h"

#include "dravlen.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

namespace {

void addEntry(MainWindow &w, const char *id, int packingGroup)
{
    alignas(std::max_align_t) unsigned char storage[256] = {};
    auto *item = reinterpret_cast<Hazmat *>(storage);
    Init_Hazmat(item, SearchCT_HazData(id, 2, 0));
    SetPackingGroup_Hazmat(item, packingGroup);
    SetWeight_Hazmat(item, 100);
    QVERIFY(Add_Load(GetLoad_Engine(w.engine()), item) >= 0);
    Reset_Hazmat(item, 0);
}

} // namespace

class MainWindowAuditorsTest : public QObject {
    Q_OBJECT
private slots:
    void menusOpenTheAuditorsOnOneItem()
    {
        QTemporaryDir dir;
        const std::string folder = withTrailingSeparator(dir.path().toStdString());
        DravlenLibrary lib;
        ScriptedPrompts prompts;
        ScriptedDialogs dialogs;
        MainWindow w(lib, prompts, {folder, folder, folder}, &dialogs);
        QVERIFY(w.started());
        QStringList shown;   // caption and page text of each auditor shown
        dialogs.runWindow = [&](QDialog &shownWindow) {
            auto &window = dynamic_cast<auditors::AuditorWindow &>(shownWindow);
            window.begin();
            shown << window.windowTitle() << window.view()->toPlainText();
        };

        // The Auditing menu sits before Help and starts with the two auditors;
        // the pop-up menu starts with them too.
        const QList<QAction *> bar = w.menuBar()->actions();
        const auto auditing = std::find_if(bar.begin(), bar.end(), [](QAction *a) { return a->text() == "&Auditing"; });
        QVERIFY(auditing != bar.end());
        QVERIFY(bar.indexOf(*auditing) < bar.indexOf(w.helpMenu()->menuAction()));
        QCOMPARE((*auditing)->menu()->actions().value(0), w.auditorCommands()->labelAuditorAction());
        QCOMPARE((*auditing)->menu()->actions().value(1), w.auditorCommands()->markingAuditorAction());
        QCOMPARE(w.auditorCommands()->labelAuditorAction()->text(), QStringLiteral("HazMat &Label Auditor"));
        QCOMPARE(w.auditorCommands()->markingAuditorAction()->text(), QStringLiteral("HazMat &Package Marking Auditor"));
        QCOMPARE(w.popupMenu()->actions().value(0)->text(), QStringLiteral("HazMat Label Auditor"));
        QCOMPARE(w.popupMenu()->actions().value(1)->text(), QStringLiteral("HazMat Package Marking Auditor"));
        // The pop-up menu lists the auditors in the menu's order, then one
        // separator before the reference entries.
        QStringList popup;
        for (QAction *a : w.popupMenu()->actions())
            popup << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(popup.mid(0, 6), QStringList({QStringLiteral("HazMat Label Auditor"),
                                               QStringLiteral("HazMat Package Marking Auditor"),
                                               QStringLiteral("HazMat Shipping Paper Auditor"),
                                               QStringLiteral("Motor Cargo Tank Inspection"),
                                               QStringLiteral("Show Me What You See"), QStringLiteral("-")}));
        QVERIFY(popup.count(QStringLiteral("-")) == 2);   // and the one before the guide

        // Nothing on the truckload: nothing to audit.
        w.auditorCommands()->updateActions();
        QVERIFY(!w.auditorCommands()->labelAuditorAction()->isEnabled());
        QVERIFY(!w.auditorCommands()->popupMarkingAuditorAction()->isEnabled());
        w.auditorCommands()->labelAuditorAction()->trigger();
        QVERIFY(shown.isEmpty());

        // One item: the auditors open on it without a selection.
        addEntry(w, "UN1203", 2);
        w.showView(View::Truckload);
        w.auditorCommands()->updateActions();
        QVERIFY(w.auditorCommands()->labelAuditorAction()->isEnabled());
        QVERIFY(w.auditorCommands()->popupLabelAuditorAction()->isEnabled());
        w.auditorCommands()->labelAuditorAction()->trigger();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(0), QStringLiteral("HazMat Label Auditor"));
        QVERIFY(shown.at(1).contains(QStringLiteral("UN1203")));

        // Two items: only with one row selected, and on that row's item.
        addEntry(w, "UN1830", 2);
        w.showView(View::Search);
        w.showView(View::Truckload);
        QCOMPARE(w.truckloadView()->list()->topLevelItemCount(), 2);
        w.truckloadView()->list()->clearSelection();
        w.auditorCommands()->updateActions();
        QVERIFY(!w.auditorCommands()->markingAuditorAction()->isEnabled());
        w.truckloadView()->list()->selectAll();
        w.auditorCommands()->updateActions();
        QVERIFY(!w.auditorCommands()->markingAuditorAction()->isEnabled());
        w.truckloadView()->list()->clearSelection();
        QTreeWidgetItem *sulfuric = nullptr;
        for (int i = 0; i < w.truckloadView()->list()->topLevelItemCount(); ++i)
            for (int c = 0; c < w.truckloadView()->list()->columnCount(); ++c)
                if (w.truckloadView()->list()->topLevelItem(i)->text(c).contains(QStringLiteral("1830")))
                    sulfuric = w.truckloadView()->list()->topLevelItem(i);
        QVERIFY(sulfuric);
        sulfuric->setSelected(true);
        w.auditorCommands()->updateActions();
        QVERIFY(w.auditorCommands()->markingAuditorAction()->isEnabled());
        w.auditorCommands()->popupMarkingAuditorAction()->trigger();
        QCOMPARE(shown.size(), 4);
        QCOMPARE(shown.at(2), QStringLiteral("HazMat Package Marking Auditor"));
        QVERIFY(shown.at(3).contains(QStringLiteral("UN1830")));
        QVERIFY(!shown.at(3).contains(QStringLiteral("UN1203")));
    }
};

QTEST_MAIN(MainWindowAuditorsTest)
#include "main_window_auditors_test.moc"
