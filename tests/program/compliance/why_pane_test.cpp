// The Why? pane of the compliance view: the reasons of the option shown,
// read from the engine's explanation of a real truckload, and the reasons
// of a hovered placard.
#include "support/truckload_items.h"
#include "compliance/compliance_view.h"
#include "compliance/why_pane.h"

#include "dravlen.h"

#include <QTreeWidget>
#include <QtTest>

using namespace velmora;

namespace {

QStringList rows(const WhyPane *pane, int column)
{
    QStringList texts;
    for (int i = 0; i < pane->list()->topLevelItemCount(); ++i)
        texts << pane->list()->topLevelItem(i)->text(column);
    return texts;
}

bool hasRow(const WhyPane *pane, const QString &about, const QString &fragment, const QString &citation)
{
    for (int i = 0; i < pane->list()->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = pane->list()->topLevelItem(i);
        if (row->text(0) == about && row->text(1).contains(fragment) && row->text(2) == citation)
            return true;
    }
    return false;
}

} // namespace

class WhyPaneTest : public QObject {
    Q_OBJECT
private slots:
    void citationKeys_data()
    {
        QTest::addColumn<QString>("citation");
        QTest::addColumn<QString>("key");
        QTest::newRow("paragraph") << "49 CFR 172.504(c)" << "49cfr172.504(c)";
        QTest::newRow("several, the first") << "49 CFR 172.504(a), (c)" << "49cfr172.504(a)";
        QTest::newRow("nested") << "49 CFR 172.301(a)(3), 172.334" << "49cfr172.301(a)(3)";
        QTest::newRow("table") << "49 CFR 172.504(e) Table 1" << "49cfr172.504(e)";
        QTest::newRow("section") << "49 CFR 385.403" << "49cfr385.403";
        QTest::newRow("none") << "" << "";
    }
    void citationKeys()
    {
        QFETCH(QString, citation);
        QFETCH(QString, key);
        QCOMPARE(reasonCitationKey(citation), key);
    }

    // 600 lb of acetone and 500 lb of sodium hydroxide: both placards from
    // the 1,100-lb aggregate in option 1, DANGEROUS in option 2.
    void showsTheReasonsOfTheOptionShown()
    {
        velmora::test::TestEngine engine;
        velmora::test::addItem(engine.get(), "1090", 2, 600);
        velmora::test::addItem(engine.get(), "1823", 2, 500);
        Calculate_Engine(engine.get());

        ComplianceView view;
        QStringList cited;
        view.onCitation = [&cited](const QString &key) { cited << key; };
        view.resize(1000, 760);
        view.show();
        view.refresh(engine.get());
        WhyPane *why = view.whyPane();
        QVERIFY(why->isVisible());
        QCOMPARE(view.optionCount(), 2);
        QVERIFY2(hasRow(why, QStringLiteral("placard"), QStringLiteral("FLAMMABLE for UN1090 (Class 3): Table 2 aggregate 1,100 lb ≥ 1,001 lb"),
                        QStringLiteral("49 CFR 172.504(c)")),
                 qPrintable(rows(why, 1).join('\n')));
        QVERIFY(hasRow(why, QStringLiteral("DANGEROUS"), QStringLiteral("another option uses it"),
                       QStringLiteral("49 CFR 172.504(b)")));
        QVERIFY(hasRow(why, QStringLiteral("permit"), QStringLiteral("No hazmat safety permit"),
                       QStringLiteral("49 CFR 385.403")));

        view.showOption(2);
        QVERIFY2(hasRow(why, QStringLiteral("placard"), QStringLiteral("DANGEROUS: in place of the Table 2 placards of Class 3 600 lb, Class 8 500 lb"),
                        QStringLiteral("49 CFR 172.504(b)")),
                 qPrintable(rows(why, 1).join('\n')));
        QVERIFY(!rows(why, 1).join('\n').contains(QStringLiteral("FLAMMABLE for")));
        QTest::qWait(20);   // the rows are measured once laid out
        // Long reasons wrap within their column rather than end in "...".
        QTreeWidget *list = why->list();
        const int oneLine = list->fontMetrics().height();
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QTreeWidgetItem *row = list->topLevelItem(i);
            if (list->fontMetrics().horizontalAdvance(row->text(1)) > list->columnWidth(1))
                QVERIFY2(list->visualItemRect(row).height() >= 2 * oneLine, qPrintable(row->text(1) + QStringLiteral(" w=%1 h=%2 hint=%3").arg(list->columnWidth(1)).arg(list->visualItemRect(row).height()).arg(row->sizeHint(1).height())));
        }
        if (!qEnvironmentVariableIsEmpty("VELMORA_SNAPSHOT_DIR"))
            view.grab().save(qEnvironmentVariable("VELMORA_SNAPSHOT_DIR") + QStringLiteral("/why-pane.png"));

        // A row opens the regulations at its first citation.
        QTreeWidgetItem *first = why->list()->topLevelItem(0);
        emit why->list()->itemActivated(first, 1);
        QCOMPARE(cited, QStringList{QStringLiteral("49cfr172.504(b)")});
    }

    // Hovering a placard gives its reasons as the tooltip and marks its rows.
    void hoveredPlacardShowsItsReasons()
    {
        velmora::test::TestEngine engine;
        velmora::test::addItem(engine.get(), "1428", 1, 10);   // sodium, Table 1
        Calculate_Engine(engine.get());
        ComplianceView view;
        view.resize(1000, 760);
        view.show();
        view.refresh(engine.get());
        QCOMPARE(view.placards().count(), 1);
        QWidget *area = view.placardArea();
        QTest::mouseMove(area, QPoint(area->width() / 2, area->height() / 2));
        QCOMPARE(view.infoTitle(), QStringLiteral("Placard"));
        QVERIFY2(area->toolTip().contains(QStringLiteral("Table 1 material: placarded in any quantity (10 lb) (49 CFR 172.504(e) Table 1)")),
                 qPrintable(area->toolTip()));
        const QList<QTreeWidgetItem *> marked = view.whyPane()->list()->selectedItems();
        QCOMPARE(marked.size(), 1);
        QVERIFY(marked.front()->text(1).startsWith(QStringLiteral("DANGEROUS WHEN WET for UN1428")));
        QTest::mouseMove(area, QPoint(2, 2));
        QVERIFY(area->toolTip().isEmpty());
        QVERIFY(view.whyPane()->list()->selectedItems().isEmpty());
    }
};

QTEST_MAIN(WhyPaneTest)
#include "why_pane_test.moc"
