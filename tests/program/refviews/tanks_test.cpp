// "View Authorized Motor Cargo Tanks" against the real engine library: the
// allowed tanks of a selected bulk item or of the whole truckload, and the
// page the information window shows for them.
#include "support/truckload_items.h"
#include "refviews/tanks_dialog.h"

#include "dravlen.h"

#include <QtTest>

#include <cstdlib>

using namespace velmora;

namespace {

class TestEngine : public velmora::test::TestEngine {
public:
    // Adds the first packing group of the entry `id`; false when refused.
    bool add(const char *id, bool bulk)
    {
        alignas(std::max_align_t) unsigned char storage[256] = {};
        auto *item = reinterpret_cast<Hazmat *>(storage);
        Init_Hazmat(item, 0);
        bool ok = Reset_Hazmat(item, SearchCT_HazData(id, 2, 0)) != 0;
        for (int slot = 0; ok && GetPackingGroup_Hazmat(item) < 0 && slot <= 3; ++slot)
            SetPackingGroup_Hazmat(item, slot);
        if (ok) {
            SetWeight_Hazmat(item, 5000);
            SetBulkPackaging_Hazmat(item, bulk ? -1 : 0);
            ok = bulk == (IsBulkPackaging_Hazmat(item) != 0) && Add_Load(load(), item) >= 0;
        }
        Reset_Hazmat(item, 0);
        return ok;
    }

private:
    Engine *engine_;
};

} // namespace

class TanksTest : public QObject {
    Q_OBJECT
private slots:
    void gasolineInBulkSelected()
    {
        TestEngine engine;
        QVERIFY(engine.add("UN1203", true));
        const CargoTanksRequest r = cargoTanksRequest(engine.load(), {0});
        // 49 CFR 173.242(b): the specification cargo tanks for gasoline.
        const QString tanks = QStringLiteral(
            "DOT/TC 406, DOT/TC 407, DOT/TC 412, MC 300, MC 301, MC 302, MC 303, MC 304, MC 305, MC/TC 306, "
            "MC/TC 307, MC 310, MC 311, MC/TC 312, MC/TC 330, MC/TC 331");
        QCOMPARE(r.allowedTanks, tanks);
        QCOMPARE(cargoTanksPage(r),
                 QStringLiteral(
                     "<HTML>\n<HEAD> <TITLE> </TITLE> </HEAD>\n<BODY>\n"
                     "<TABLE WIDTH=\"100%\" BORDER=\"0\" CELLSPACING=\"0\" CELLPADDING=\"10\">\n<TR>\n<TD>\n"
                     "<TABLE WIDTH=\"100%\" BORDER=\"0\" CELLSPACING=\"0\" CELLPADDING=\"0\">\n<TR>\n<TD>\n"
                     "<FONT FACE=\"arial\">\n"
                     "<TABLE WIDTH=\"100%\" BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"3\">\n"
                     "<TR><TH ALIGN=\"CENTER\" BGCOLOR=\"#91aedf\"><B>Allowed Tanks - UN1203</B></TH></TR>\n"
                     "<TR BGCOLOR=\"#eeeeee\"><TD ALIGN=\"CENTER\"><FONT SIZE=2>") +
                     tanks +
                     QStringLiteral(
                         "</FONT></TD></TR>\n"
                         "<TR><TD><FONT SIZE=2><B>Packing Group II, Special Provisions: </B>"
                         "<a href=\"49cfr172.102(144)\">144</a>, <a href=\"49cfr172.102(177)\">177</a>, "
                         "<a href=\"49cfr172.102(B1)\">B1</a>, <a href=\"49cfr172.102(B33)\">B33</a>, "
                         "<a href=\"49cfr172.102(IB2)\">IB2</a>, <a href=\"49cfr172.102(T4)\">T4</a>"
                         "</FONT></TD></TR>\n</TABLE>\n"
                         "</TD></TR><TR><TD ALIGN=\"CENTER\"><FONT FACE=\"arial\"><A HREF=\"//\">Close</A></FONT>"
                         "</TD></TR>\n</TABLE>\n</FONT>\n</TD></TR>\n</TABLE>\n</BODY>\n</HTML>"));
    }

    // The title, provisions line and non-bulk note follow the selection.
    void selections_data()
    {
        QTest::addColumn<bool>("secondBulk");
        QTest::addColumn<QList<uint>>("selected");
        QTest::addColumn<QStringList>("fragments");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("nothing selected, a non-bulk item")
            << false << QList<uint>{}
            << QStringList{"<B>Allowed Tanks - For Truckload</B>", "<B>Remember to Check Special Provisions</B>",
                           "<FONT SIZE=1>* Non-Bulk hazmats are not applicable for cargo tank transportation.</FONT>"}
            << QStringList{"Special Provisions: "};
        QTest::newRow("both selected, all in bulk")
            << true << QList<uint>{0, 1}
            << QStringList{"<B>Allowed Tanks - For Truckload</B>", "<B>Remember to Check Special Provisions</B>"}
            << QStringList{"applicable for cargo tank"};
        QTest::newRow("the non-bulk item selected")
            << false << QList<uint>{1}
            << QStringList{"<B>Allowed Tanks - UN1090</B>", "<B>Packing Group II, Special Provisions: </B>",
                           "* This non-bulk hazmat is not applicable for cargo tank transportation."}
            << QStringList{};
        QTest::newRow("the bulk item selected beside a non-bulk one")
            << false << QList<uint>{0} << QStringList{"<B>Allowed Tanks - UN1203</B>"}
            << QStringList{"applicable for cargo tank"};
    }
    void selections()
    {
        QFETCH(bool, secondBulk);
        QFETCH(QList<uint>, selected);
        QFETCH(QStringList, fragments);
        QFETCH(QStringList, absent);
        TestEngine engine;
        QVERIFY(engine.add("UN1203", true));
        QVERIFY(engine.add("UN1090", secondBulk));   // acetone
        const QString page =
            cargoTanksPage(cargoTanksRequest(engine.load(), std::vector<uint32_t>(selected.begin(), selected.end())));
        for (const QString &f : fragments)
            QVERIFY2(page.contains(f), qPrintable(f + QStringLiteral("\nnot in\n") + page));
        for (const QString &f : absent)
            QVERIFY2(!page.contains(f), qPrintable(f));
        QVERIFY(!page.contains(QStringLiteral("<TD ALIGN=\"CENTER\"><FONT SIZE=2></FONT>")));   // a tanks text
    }
};

QTEST_MAIN(TanksTest)
#include "tanks_test.moc"
