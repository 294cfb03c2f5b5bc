// The help window's search: every help page is searched, ".htm" pages as
// well as ".html", and a page matches when it holds every word.
#include "app/help_window.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;

class HelpSearchTest : public QObject {
    Q_OBJECT
private slots:
    void searchFindsPagesOfBothExtensions()
    {
        QTemporaryDir dir;
        const struct {
            const char *name, *html;
        } pages[] = {
            {"contents.html", "<html><body>Building a truckload</body></html>"},
            {"common_dialog_item_editor.htm", "<html><body>The item editor: packing group and weight</body></html>"},
            {"OLD_PAGE.HTM", "<html><body>Weight of a truckload</body></html>"},
            {"notes.txt", "weight truckload"},
        };
        for (const auto &p : pages) {
            QFile f(dir.filePath(QLatin1String(p.name)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(p.html);
        }
        struct Case {
            const char *query;
            QStringList found;
        } const cases[] = {
            {"packing group", {"common_dialog_item_editor.htm"}},
            {"WEIGHT", {"OLD_PAGE.HTM", "common_dialog_item_editor.htm"}},
            {"truckload", {"OLD_PAGE.HTM", "contents.html"}},
            {"weight truckload", {"OLD_PAGE.HTM"}},
            {"nothing like this", {}},
            {"", {}},
        };
        for (const Case &c : cases)
            QCOMPARE(HelpWindow::searchPages(dir.path(), QLatin1String(c.query)), c.found);
    }
};

QTEST_MAIN(HelpSearchTest)
#include "help_search_test.moc"
