// The shipping-paper auditor page: its exact HTML at the edges (nothing to
// enter, a limited quantity alone, an exclusive use shipment, a truck ID
// that looks like markup), and for real truckloads the entries 49 CFR
// 172.202 and 172.203 require the officer to look for.
#include "auditors/shipping_paper/shipping_paper_page.h"
#include "support/truckload_items.h"

#include "dravlen.h"

#include <QtTest>
#include <functional>

using namespace velmora;
using namespace velmora::test;
using velmora::shipping_paper::shippingPaperPage;

namespace {

const QString kHead = QStringLiteral(
    "<html>\r\n\r\n<head>\r\n\t<title>Hazmat Shipping Paper Auditor - T 1</title>\r\n</head>\r\n\r\n"
    "<body bgcolor=\"#ffffff\" text=\"#000000\"><h2>Truck ID: T 1</h2><h2><a href=\"viewer "
    "/cgi-bin/qvget.cgi?db=HAZMAT&doc=CHECK.HTM\">Global Shipping Paper Checklist</a></h2>\r\n\r\n");
const QString kEnd = QStringLiteral("</table>\r\n\r\n</body>\r\n\r\n</html>");

// Adds the entry of `id` (packing-group slot 0) and lets `mark` set its
// qualifiers; the item is the library's own copy.
void add(Engine *engine, const char *id, uint32_t weight, const std::function<void(Hazmat *)> &mark = {})
{
    alignas(std::max_align_t) unsigned char storage[256] = {};
    auto *item = reinterpret_cast<Hazmat *>(storage);
    Init_Hazmat(item, SearchCT_HazData(id, 2, 0));
    SetWeight_Hazmat(item, weight);
    if (mark)
        mark(item);
    QVERIFY(Add_Load(GetLoad_Engine(engine), item) >= 0);
    Reset_Hazmat(item, 0);
}

int rowsOpenedBy(const QString &page, const QString &open) { return page.count(open); }

} // namespace

class ShippingPaperPageTest : public QObject {
    Q_OBJECT
private slots:
    void nothingToEnter_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("excepted");
        QTest::newRow("empty truckload") << QString() << false;
        QTest::newRow("only an excepted quantity") << QStringLiteral("UN1263") << true;
    }
    void nothingToEnter()
    {
        QFETCH(QString, id);
        QFETCH(bool, excepted);
        TestEngine engine;
        if (!id.isEmpty())
            add(engine.get(), id.toLatin1().constData(), 10, [&](Hazmat *h) {
                SetPackingGroup_Hazmat(h, 2);
                SetExceptedQuantity_Hazmat(h, excepted);
            });
        QCOMPARE(shippingPaperPage(engine.load(), QStringLiteral("T 1")),
                 kHead + QStringLiteral("<h3>No Shipping Paper entries are required</h3>\r\n\r\n</body>\r\n\r\n</html>"));
    }

    // A limited quantity needs no emergency response number (172.604(d)):
    // no row of other entries, but the grey notes row is always there.
    void limitedQuantityAlone()
    {
        TestEngine engine;
        add(engine.get(), "UN1263", 40, [](Hazmat *h) {
            SetPackingGroup_Hazmat(h, 2);
            SetLimitedQuantity_Hazmat(h, 1);
        });
        const QString page = shippingPaperPage(engine.load(), QStringLiteral("T 1"));
        QVERIFY(page.startsWith(kHead + QStringLiteral("<table ")));   // no load-level paragraph
        QVERIFY(page.endsWith(QStringLiteral("<tr>\r\n\t<td colspan=\"7\" bgcolor=\"#cccccc\">&nbsp;</td>\r\n</tr>\r\n") + kEnd));
        QCOMPARE(rowsOpenedBy(page, QStringLiteral("<td colspan=\"7\">")), 0);
        QCOMPARE(rowsOpenedBy(page, QStringLiteral("<tr>\r\n\t<td align=\"center\" width=\"3%\">")), 1);
        QVERIFY(page.contains(QStringLiteral("\t<td align=\"center\">UN1263</td>\r\n")));
        QVERIFY(page.contains(QStringLiteral("\t<td align=\"center\">II</td>\r\n")));
        QVERIFY(page.contains(QStringLiteral("\t<td align=\"center\">40&nbsp;lbs.</td>\r\n</tr>\r\n")));
        QVERIFY(page.contains(QStringLiteral("doc=LTDQTY3.HTM\">Ltd Qty</a></p></td>\r\n")));
        // The column heads link their help pages.
        for (const char *column : {"COLHM", "COLBD", "COLID", "COLSN", "COLHC", "COLPG", "COLAI", "COLQTY"})
            QVERIFY2(page.contains(QStringLiteral("doc=%1.HTM\"").arg(QLatin1String(column))), column);
    }

    void exclusiveUseShipment()
    {
        TestEngine engine;
        // One radioactive package with a transport index above 10
        // (172.403(c), 173.441(b)).
        add(engine.get(), "UN2915", 20, [](Hazmat *h) { SetTransportIndex_Hazmat(h, 101); });
        const QString page = shippingPaperPage(engine.load(), QStringLiteral("T 1"));
        QVERIFY(page.startsWith(kHead + QStringLiteral(
            "<p><a href=\"viewer /cgi-bin/qvget.cgi?db=HAZMAT&doc=EUSHIP.HTM\">Exclusive Use Shipment</a></p>\n<table ")));
        // Class 7 always has other entries (172.203(d)): their own row.
        QCOMPARE(rowsOpenedBy(page, QStringLiteral("<td colspan=\"7\">")), 1);
        QVERIFY(page.endsWith(kEnd));
    }

    void truckIdIsText()
    {
        TestEngine engine;
        const QString page = shippingPaperPage(engine.load(), QStringLiteral("<b>A&B</b>"));
        QVERIFY(page.contains(QStringLiteral("<h2>Truck ID: &lt;b&gt;A&amp;B&lt;/b&gt;</h2>")));
        QVERIFY(!page.contains(QStringLiteral("<b>A")));
    }

    // Each truckload holds one item whose entry the regulation shapes; the
    // page must ask for what the paragraph asks for.
    void requiredEntries_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("packingGroup");
        QTest::addColumn<int>("marks");   // 1 hazardous substance, 2 limited quantity, 4 bulk residue
        QTest::addColumn<QStringList>("wanted");
        QTest::addColumn<QStringList>("unwanted");
        const QString rq = QStringLiteral("doc=RADIORQ.HTM\">RQ</a></td>");
        const QString phone = QStringLiteral("Emergency response telephone number");
        QTest::newRow("172.203(c)(2) hazardous substance: RQ in the HM column")
            << QStringLiteral("UN1090") << 2 << 1 << QStringList{rq, phone} << QStringList{};
        QTest::newRow("172.203(m) PIH material: the words and the zone")
            << QStringLiteral("UN1017") << 0 << 0
            << QStringList{QStringLiteral("Poison-Inhalation Hazard, Zone B"), phone} << QStringList{rq};
        QTest::newRow("172.203(b) limited quantity: Ltd Qty, no emergency number")
            << QStringLiteral("UN1263") << 2 << 2 << QStringList{QStringLiteral("Ltd Qty")}
            << QStringList{phone, rq};
        QTest::newRow("172.203(k) n.o.s. entry: technical name")
            << QStringLiteral("UN1993") << 2 << 0
            << QStringList{QStringLiteral("doc=NOS.HTM\">n.o.s.</a>"), QStringLiteral("Technical name(s)")}
            << QStringList{QStringLiteral("Ltd Qty")};
        QTest::newRow("172.203(e) bulk residue: RESIDUE: Last Contained")
            << QStringLiteral("UN1203") << 2 << 4
            << QStringList{QStringLiteral("doc=RESIDUE.HTM\">RESIDUE: Last Contained * * * </a>"), phone}
            << QStringList{QStringLiteral("Technical name(s)")};
    }
    void requiredEntries()
    {
        QFETCH(QString, id);
        QFETCH(int, packingGroup);
        QFETCH(int, marks);
        QFETCH(QStringList, wanted);
        QFETCH(QStringList, unwanted);
        TestEngine engine;
        add(engine.get(), id.toLatin1().constData(), 1200, [&](Hazmat *h) {
            SetPackingGroup_Hazmat(h, packingGroup);
            SetHazardousSubstance_Hazmat(h, (marks & 1) != 0);
            SetLimitedQuantity_Hazmat(h, (marks & 2) != 0);
            SetBulkPackaging_Hazmat(h, (marks & 4) != 0);
            SetResidue_Hazmat(h, (marks & 4) != 0);
        });
        const QString page = shippingPaperPage(engine.load(), QStringLiteral("T 1"));
        // 172.202(a)(1): the identification number in its own cell.
        QVERIFY2(page.contains(QStringLiteral("\t<td align=\"center\">") + id + QStringLiteral("</td>")), qPrintable(page));
        for (const QString &w : wanted)
            QVERIFY2(page.contains(w), qPrintable(w + QStringLiteral("\n") + page));
        for (const QString &u : unwanted)
            QVERIFY2(!page.contains(u), qPrintable(u + QStringLiteral("\n") + page));
    }

    // 172.202(a)(2) with 172.101(c)(1): the cell holds the item's roman
    // shipping name, and where the entry gives several, each acceptable one.
    void shippingNameCell_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("roman");   // SetRomanIndex_Hazmat; 0 keeps the first
        QTest::addColumn<QString>("cell");
        const QString any = QStringLiteral(
            "<br>Any one of these names is acceptable (<a href=\"quarvel cite=49cfr172.101(c)(1)\">"
            "49 CFR 172.101(c)(1)</a>): ");
        QTest::newRow("one roman name, italic words left out")
            << QStringLiteral("UN1203") << 0 << QStringLiteral("\t<td>Gasoline</td>\r\n");
        QTest::newRow("two names, the first chosen")
            << QStringLiteral("UN1075") << 0
            << QStringLiteral("\t<td>Petroleum gases, liquefied") + any +
                   QStringLiteral("<i>Petroleum gases, liquefied</i>; <i>Liquefied petroleum gas</i></td>\r\n");
        QTest::newRow("two names, the second chosen")
            << QStringLiteral("UN1075") << 2
            << QStringLiteral("\t<td>Liquefied petroleum gas") + any +
                   QStringLiteral("<i>Petroleum gases, liquefied</i>; <i>Liquefied petroleum gas</i></td>\r\n");
        QTest::newRow("refrigerated liquid names")
            << QStringLiteral("UN1972") << 0
            << QStringLiteral("\t<td>Methane, refrigerated liquid") + any +
                   QStringLiteral("<i>Methane, refrigerated liquid</i>; <i>Natural gas, refrigerated liquid</i></td>\r\n");
    }
    void shippingNameCell()
    {
        QFETCH(QString, id);
        QFETCH(int, roman);
        QFETCH(QString, cell);
        TestEngine engine;
        add(engine.get(), id.toLatin1().constData(), 3000, [&](Hazmat *h) {
            if (HasPackingGroup_Hazmat(h, 2))
                SetPackingGroup_Hazmat(h, 2);
            if (roman)
                QVERIFY(SetRomanIndex_Hazmat(h, roman));
        });
        const QString page = shippingPaperPage(engine.load(), QStringLiteral("T 1"));
        QVERIFY2(page.contains(QStringLiteral("\t<td align=\"center\">") + id + QStringLiteral("</td>\r\n") + cell),
                 qPrintable(page));
    }

    // A mixed truckload: each item gets its own row group, in truckload
    // order; an excepted quantity among them gets none.
    void mixedTruckload()
    {
        TestEngine engine;
        add(engine.get(), "UN1203", 3000, [](Hazmat *h) { SetPackingGroup_Hazmat(h, 2); });
        add(engine.get(), "UN1263", 5, [](Hazmat *h) {
            SetPackingGroup_Hazmat(h, 2);
            SetExceptedQuantity_Hazmat(h, 1);
        });
        add(engine.get(), "UN1017", 500);
        const QString page = shippingPaperPage(engine.load(), QStringLiteral("T 1"));
        QCOMPARE(rowsOpenedBy(page, QStringLiteral("bgcolor=\"#cccccc\"")), 2);
        const int gasoline = page.indexOf(QStringLiteral(">UN1203</td>"));
        const int chlorine = page.indexOf(QStringLiteral(">UN1017</td>"));
        QVERIFY(gasoline > 0 && chlorine > gasoline);
        QVERIFY(!page.contains(QStringLiteral(">UN1263</td>")));
    }
};

QTEST_MAIN(ShippingPaperPageTest)
#include "shipping_paper_page_test.moc"
