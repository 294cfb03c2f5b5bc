// An ID number with several table entries asks which one: "1993" lists
// UN1993 and every NA1993 entry; Escape chooses nothing.
#include "search/entry_chooser.h"
#include "app/dravlen_library.h"
#include "search/search_listing.h"

#include <QApplication>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using namespace velmora;

namespace {

std::vector<EntryChoice> entriesOf(DravlenLibrary &lib, const char *number)
{
    std::vector<EntryChoice> out;
    for (const SearchRow &r : runSearch(lib, number, SearchMode::Id))
        out.push_back({r.pid, QString::fromStdString(r.id), displayPsn(r.psn), QString::fromStdString(r.hazardClass),
                       QString::fromStdString(r.packingGroups)});
    return out;
}

// Acts on the chooser once it is shown.
void whenShown(const std::function<void(EntryChooser *)> &act)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto *chooser = qobject_cast<EntryChooser *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(chooser);
        }
    });
    timer->start();
}

} // namespace

class EntryChooserTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { lib.initEngine(); }

    void listsUnAndNaEntries()
    {
        const auto entries = entriesOf(lib, "1993");
        EntryChooser chooser(QStringLiteral("1993"), entries);
        QStringList ids, names;
        for (int i = 0; i < chooser.list()->topLevelItemCount(); ++i) {
            ids << chooser.list()->topLevelItem(i)->text(0);
            names << chooser.list()->topLevelItem(i)->text(1);
        }
        QVERIFY(ids.contains(QLatin1String("UN1993")));
        QVERIFY(ids.contains(QLatin1String("NA1993")));
        QVERIFY(names.contains(QLatin1String("Diesel fuel")));
        QVERIFY(names.contains(QLatin1String("Combustible liquid, n.o.s.")));
    }

    void chooserAnswers_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("pick");   // shipping name to choose; empty: press Escape
        QTest::addColumn<QString>("expected");   // shipping name of the answer; empty: none
        QTest::newRow("diesel fuel chosen") << "1993" << "Diesel fuel" << "Diesel fuel";
        QTest::newRow("escape chooses nothing") << "1993" << "" << "";
        QTest::newRow("one entry needs no question") << "1203" << "" << "Gasoline";
    }
    void chooserAnswers()
    {
        QFETCH(QString, number);
        QFETCH(QString, pick);
        QFETCH(QString, expected);
        const auto entries = entriesOf(lib, number.toLatin1().constData());
        QVERIFY(!entries.empty());
        bool asked = false;
        if (entries.size() > 1)
            whenShown([&](EntryChooser *chooser) {
                asked = true;
                if (pick.isEmpty()) {
                    QTest::keyClick(chooser, Qt::Key_Escape);
                    return;
                }
                const auto found = chooser->list()->findItems(pick, Qt::MatchExactly, 1);
                QVERIFY(!found.isEmpty());
                chooser->list()->setCurrentItem(found.first());
                QTest::keyClick(chooser->list(), Qt::Key_Return);
            });
        const std::optional<int> pid = chooseEntry(nullptr, number, entries);
        QCOMPARE(asked, entries.size() > 1);
        if (expected.isEmpty()) {
            QVERIFY(!pid);
            return;
        }
        QVERIFY(pid);
        const auto row = lib.rowForPid(*pid);
        QVERIFY(row);
        QVERIFY2(displayPsn(row->psn).startsWith(expected), row->psn.c_str());
    }

private:
    DravlenLibrary lib;
};

QTEST_MAIN(EntryChooserTest)
#include "entry_chooser_test.moc"
