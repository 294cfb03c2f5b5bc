// The Saved Truckloads view of the main window with the real engine: the
// list of saved files, opening one by double-click, deleting and renaming
// with their questions, and the spreadsheet export.
#include "support/fakes.h"
#include "app/dravlen_library.h"
#include "app/main_window.h"
#include "saved/saved_view.h"
#include "saved/saved_truckloads.h"
#include "saved/saved_store.h"

#include "dravlen.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include "support/truckload_items.h"

#include <QtTest>

using namespace velmora;
using namespace velmora::test;

namespace {

QTreeWidgetItem *rowNamed(QTreeWidget *list, const QString &name)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(0) == name)
            return list->topLevelItem(i);
    return nullptr;
}

} // namespace

class SavedViewTest : public QObject {
    Q_OBJECT
private slots:
    void savedViewListsOpensRenamesDeletesAndExports()
    {
        QTemporaryDir dir;
        const std::string folder = withTrailingSeparator(dir.path().toStdString());
        DravlenLibrary lib;
        ScriptedPrompts prompts;
        ScriptedDialogs dialogs;
        MainWindow w(lib, prompts, {folder, folder, folder}, &dialogs);
        QVERIFY(w.started());
        std::deque<std::optional<QString>> ids;
        dialogs.truckIdDialog = scriptedTruckIds(ids);
        dialogs.saveAsDialog = scriptedSaveNames(ids);
        QString chosenFile;
        dialogs.fileDialog = [&](bool, const QString &, const QString &) { return chosenFile; };
        const QString savePath = QString::fromStdString(withTrailingSeparator(w.settings().savePath));

        // No saved truckloads yet: the view itself says how to save one,
        // naming File menu entries that exist; no message box interrupts.
        const size_t messages = prompts.shown.size();
        w.showView(View::SavedTruckloads);
        QCOMPARE(prompts.shown.size(), messages);
        QCOMPARE(w.savedView()->list()->topLevelItemCount(), 0);
        QLabel *hint = w.savedView()->emptyHint();
        QCOMPARE(hint->text(), noSavedTruckloadsText());
        QVERIFY(!hint->isHidden());
        QVERIFY(w.savedView()->list()->isHidden() && w.savedView()->iconList()->isHidden());
        for (QAction *entry : {w.savedTruckloads()->saveAsAction(), w.savedTruckloads()->importAction()}) {
            QVERIFY(w.menuBar()->actions().first()->menu()->actions().contains(entry));
            QVERIFY(hint->text().contains(QStringLiteral("File > ") + entry->text().remove(QLatin1Char('&'))));
        }

        // Two saved truckloads.
        addItem(lib.engine(), "UN1203", 2, 3000);
        ids = {QStringLiteral("Gas")};
        w.showView(View::Truckload);
        w.savedTruckloads()->saveAs();
        addItem(lib.engine(), "UN1830", 2, 500);
        ids = {QStringLiteral("Gas and Acid")};
        w.savedTruckloads()->saveAs();
        QVERIFY(QFile::exists(savePath + QStringLiteral("Gas and Acid.vlm")));

        w.showView(View::SavedTruckloads);
        QCOMPARE(w.savedView()->list()->topLevelItemCount(), 2);
        QCOMPARE(w.savedView()->list()->topLevelItem(0)->text(0), QStringLiteral("Gas"));   // sorted by name
        QCOMPARE(w.savedView()->list()->topLevelItem(0)->text(2), QStringLiteral("Yes"));
        QCOMPARE(w.statusText(), QStringLiteral("2 saved truckloads found"));
        QVERIFY(w.savedView()->exportButton()->isEnabled());
        QVERIFY(hint->isHidden());

        // Double-click opens the row's file.
        w.setDirty(false);
        w.savedView()->list()->setCurrentItem(rowNamed(w.savedView()->list(), QStringLiteral("Gas")));
        w.savedView()->iconList()->hide();
        w.savedTruckloads()->openSelected();
        QCOMPARE(GetItemCount_Load(GetLoad_Engine(lib.engine())), 1u);
        QCOMPARE(w.truckloadName(), QStringLiteral("Gas"));
        QCOMPARE(w.currentView(), View::Compliance);

        // Rename "Gas" onto the existing "Gas and Acid": asked, declined.
        w.showView(View::SavedTruckloads);
        w.savedView()->iconList()->hide();
        w.savedView()->list()->setCurrentItem(rowNamed(w.savedView()->list(), QStringLiteral("Gas")));
        ids = {QStringLiteral("Gas and Acid")};
        prompts.answers = {PromptAnswer::No};
        w.savedTruckloads()->renameSelected();
        QCOMPARE(prompts.texts().last(),
                 QStringLiteral("Are you sure that you want to overwrite Gas and Acid with the current truckload?"));
        QVERIFY(QFile::exists(savePath + QStringLiteral("Gas.vlm")));
        // Renamed to a free name.
        w.savedView()->list()->setCurrentItem(rowNamed(w.savedView()->list(), QStringLiteral("Gas")));
        ids = {QStringLiteral("Fuel")};
        w.savedTruckloads()->renameSelected();
        QVERIFY(QFile::exists(savePath + QStringLiteral("Fuel.vlm")));
        QVERIFY(rowNamed(w.savedView()->list(), QStringLiteral("Fuel")));
        QVERIFY(!rowNamed(w.savedView()->list(), QStringLiteral("Gas")));

        // Delete: declined keeps the file, accepted removes it.
        w.savedView()->list()->setCurrentItem(rowNamed(w.savedView()->list(), QStringLiteral("Fuel")));
        prompts.answers = {PromptAnswer::No};
        w.savedTruckloads()->deleteSelected();
        QCOMPARE(prompts.texts().last(), QStringLiteral("Are you sure you want to delete \"Fuel\" ?"));
        QVERIFY(QFile::exists(savePath + QStringLiteral("Fuel.vlm")));
        w.savedView()->list()->setCurrentItem(rowNamed(w.savedView()->list(), QStringLiteral("Fuel")));
        w.savedTruckloads()->deleteSelected();
        QVERIFY(!QFile::exists(savePath + QStringLiteral("Fuel.vlm")));
        QCOMPARE(w.savedView()->list()->topLevelItemCount(), 1);

        // The spreadsheet export: one line per item of the listed truckload.
        chosenFile = dir.filePath(QStringLiteral("loads.csv"));
        w.savedTruckloads()->exportList();
        QCOMPARE(w.statusText(), QStringLiteral("Saved loads have been exported to ") + chosenFile);
        QFile csv(chosenFile);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = csv.readAll().split('\n');
        QCOMPARE(lines.size(), 4);   // header, two items, final line break
        QCOMPARE(lines[0], QByteArray("Truckload,Date,Proper Shipping Name,Class,ID,PG,Permit,Weight,Packaging,PIH"));
        QVERIFY(lines[1].startsWith("\"Gas and Acid\","));
    }

    // Each row acts on its own file, whatever dots its name holds and
    // whatever the letter case of its extension: "a.vlm.b.vlm" is not
    // "a.vlm", "T.VLM" is not "T.vlm".
    void rowsActOnTheirOwnFiles()
    {
        QTemporaryDir dir;
        const std::string folder = withTrailingSeparator(dir.path().toStdString());
        DravlenLibrary lib;
        ScriptedPrompts prompts;
        ScriptedDialogs dialogs;
        MainWindow w(lib, prompts, {folder, folder, folder}, &dialogs);
        QVERIFY(w.started());
        std::deque<std::optional<QString>> ids;
        dialogs.truckIdDialog = scriptedTruckIds(ids);
        dialogs.saveAsDialog = scriptedSaveNames(ids);
        QString chosenFile;
        dialogs.fileDialog = [&](bool, const QString &, const QString &) { return chosenFile; };
        const QString savePath = QString::fromStdString(folder);

        // Files with one, two and three items under names the old code confused.
        struct Case {
            const char *row, *file;
            unsigned items;
        } const cases[] = {{"a", "a.vlm", 1}, {"a.vlm.b", "a.vlm.b.vlm", 2}, {"T", "T.VLM", 3}, {"t", "t.vlm", 4}};
        const char *const ids4[] = {"UN1203", "UN1830", "UN1090", "UN1263"};
        for (size_t n = 0; n < std::size(cases); ++n) {
            addItem(lib.engine(), ids4[n], 2, 500);
            ids = {QStringLiteral("staging")};
            w.savedTruckloads()->saveAs();
            QVERIFY(QFile::rename(savePath + QStringLiteral("staging.vlm"), savePath + QLatin1String(cases[n].file)));
        }
        const auto select = [&](const QString &name) {
            w.showView(View::SavedTruckloads);
            w.savedView()->iconList()->hide();
            QTreeWidgetItem *item = rowNamed(w.savedView()->list(), name);
            w.savedView()->list()->setCurrentItem(item);
            return item != nullptr;
        };
        const auto bytesOf = [](const QString &path) {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };

        for (const Case &c : cases) {
            const QString row = QLatin1String(c.row), file = savePath + QLatin1String(c.file);
            // Open reads the row's own truckload.
            w.setDirty(false);
            QVERIFY2(select(row), c.row);
            w.savedTruckloads()->openSelected();
            QCOMPARE(GetItemCount_Load(GetLoad_Engine(lib.engine())), c.items);
            // Export copies the row's own file.
            QVERIFY(select(row));
            chosenFile = dir.filePath(QStringLiteral("exported.bin"));
            w.savedTruckloads()->exportTruckload();
            QCOMPARE(bytesOf(chosenFile), bytesOf(file));
        }
        // Rename moves the row's own file, leaving the look-alikes.
        QVERIFY(select(QStringLiteral("a.vlm.b")));
        ids = {QStringLiteral("renamed")};
        w.savedTruckloads()->renameSelected();
        QVERIFY(!QFile::exists(savePath + QStringLiteral("a.vlm.b.vlm")));
        QVERIFY(QFile::exists(savePath + QStringLiteral("a.vlm")));
        QVERIFY(QFile::exists(savePath + QStringLiteral("renamed.vlm")));
        // Delete removes the row's own file only.
        for (const char *gone : {"T", "a"}) {
            QVERIFY(select(QLatin1String(gone)));
            prompts.answers = {PromptAnswer::Yes};
            w.savedTruckloads()->deleteSelected();
        }
        QVERIFY(!QFile::exists(savePath + QStringLiteral("T.VLM")));
        QVERIFY(!QFile::exists(savePath + QStringLiteral("a.vlm")));
        QVERIFY(QFile::exists(savePath + QStringLiteral("t.vlm")));
        QVERIFY(QFile::exists(savePath + QStringLiteral("renamed.vlm")));
        QCOMPARE(w.savedView()->list()->topLevelItemCount(), 2);
    }
};

QTEST_MAIN(SavedViewTest)
#include "saved_view_test.moc"
