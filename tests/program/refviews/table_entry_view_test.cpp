// The information window against the real engine library: the exact pages
// of real Hazardous Materials Table entries, the cargo tank page and the
// link clicks that reach the regulations program.
#include "support/truckload_items.h"
#include "refviews/table_entry_view.h"

#include "support/fakes.h"

#include "dravlen.h"

#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

#include <cstdlib>

using namespace velmora;
using velmora::test::ScriptedPrompts;

namespace {

using velmora::test::TestEngine;

const CTRec *rowOf(const char *id) { return GetCTRec_HazData(SearchCT_HazData(id, 2, 0)); }

// The data rows of the entry table: from the first data row to the end of
// the entry table.
QString dataRows(const QString &page)
{
    const int from = page.indexOf(QStringLiteral("<TR BGCOLOR=\"#eeeeee\">"));
    const int to = page.indexOf(QStringLiteral("</TABLE>"), from);
    return from < 0 || to < 0 ? QString() : page.mid(from, to - from);
}

const char *const kHeader =
    "<HTML>\n<HEAD> <TITLE> </TITLE> </HEAD>\n<BODY>\n"
    "<TABLE WIDTH=\"100%\" BORDER=\"0\" CELLSPACING=\"0\" CELLPADDING=\"3\">\n<TR>\n<TD>\n<FONT FACE=\"arial\">\n"
    "<TABLE WIDTH=\"100%\" BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"3\">\n"
    "<TR BGCOLOR=\"#91aedf\">\n"
    "<TH ROWSPAN=3><FONT SIZE=2>Symbols</FONT></TH>\n"
    "<TH ROWSPAN=3><FONT SIZE=2>Hazardous materials descriptions and proper shipping names</FONT></TH>\n"
    "<TH ROWSPAN=3><FONT SIZE=2>Hazard class or division</FONT></TH>\n"
    "<TH ROWSPAN=3><FONT SIZE=2>Identification No.</FONT></TH>\n"
    "<TH ROWSPAN=3><FONT SIZE=2>PG</FONT></TH>\n"
    "<TH ROWSPAN=3><FONT SIZE=2>Label codes</FONT></TH>\n"
    "<TH ROWSPAN=3><FONT SIZE=2>Special provisions (&sect;172.102)</FONT></TH>\n"
    "<TH COLSPAN=3><FONT SIZE=2>(8)</FONT></TH>\n"
    "<TH COLSPAN=2><FONT SIZE=2>(9)</FONT></TH>\n"
    "<TH COLSPAN=2><FONT SIZE=2>(10)</FONT></TH>\n</TR>\n"
    "<TR BGCOLOR=\"#91aedf\">\n"
    "<TH COLSPAN=3><FONT SIZE=2>Packaging (&sect;173.***)</FONT></TH>\n"
    "<TH COLSPAN=2><FONT SIZE=2>Quantity limitations<FONT SIZE=1> (see &sect;&sect;173.27 and 175.75)</FONT></FONT></TH>\n"
    "<TH COLSPAN=2><FONT SIZE=2>Vessel stowage</FONT></TH>\n</TR>\n"
    "<TR BGCOLOR=\"#91aedf\">\n"
    "<TH><FONT SIZE=2>Exceptions</FONT></TH>\n<TH><FONT SIZE=2>Non-Bulk</FONT></TH>\n"
    "<TH><FONT SIZE=2>Bulk</FONT></TH>\n<TH><FONT SIZE=2>Passenger aircraft/rail</FONT></TH>\n"
    "<TH><FONT SIZE=2>Cargo aircraft only</FONT></TH>\n<TH><FONT SIZE=2>Location</FONT></TH>\n"
    "<TH><FONT SIZE=2>Other</FONT></TH>\n</TR>\n"
    "<TR BGCOLOR=\"#bbddff\">\n"
    "<TH><FONT SIZE=2>(1)</FONT></TH>\n<TH><FONT SIZE=2>(2)</FONT></TH>\n<TH><FONT SIZE=2>(3)</FONT></TH>\n"
    "<TH><FONT SIZE=2>(4)</FONT></TH>\n<TH><FONT SIZE=2>(5)</FONT></TH>\n<TH><FONT SIZE=2>(6)</FONT></TH>\n"
    "<TH><FONT SIZE=2>(7)</FONT></TH>\n<TH><FONT SIZE=2>(8A)</FONT></TH>\n<TH><FONT SIZE=2>(8B)</FONT></TH>\n"
    "<TH><FONT SIZE=2>(8C)</FONT></TH>\n<TH><FONT SIZE=2>(9A)</FONT></TH>\n<TH><FONT SIZE=2>(9B)</FONT></TH>\n"
    "<TH><FONT SIZE=2>(10A)</FONT></TH>\n<TH><FONT SIZE=2>(10B)</FONT></TH>\n</TR>\n";

const char *const kNoMatches =
    "<TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"3\">\n"
    "<TR><TH BGCOLOR=\"#91aedf\"><FONT SIZE=2>Marine Pollutant table matches:</FONT></TH></TR>\n"
    "<TR><TD><FONT SIZE=2>No Matches Found</FONT></TD></TR>\n</TABLE><BR>\n"
    "<TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"3\">\n"
    "<TR><TH BGCOLOR=\"#91aedf\"><FONT SIZE=2>Hazardous Substance table matches:</FONT></TH></TR>\n"
    "<TR><TD><FONT SIZE=2>No Matches Found</FONT></TD></TR>\n</TABLE><BR>";

const char *const kClosing =
    "</TD></TR><TR><TD ALIGN=\"CENTER\"><FONT FACE=\"arial\"><A HREF=\"//\">Close</A></FONT></TD></TR>\n"
    "</TABLE>\n</FONT>\n</BODY>\n</HTML>";

// Finds the viewport point of the link whose href is `href`.
QPoint linkPoint(QTextBrowser *browser, const QString &href)
{
    for (QTextBlock b = browser->document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.charFormat().isAnchor() && f.charFormat().anchorHref() == href) {
                QTextCursor c(browser->document());
                c.setPosition(f.position() + 1);
                return browser->cursorRect(c).center();
            }
        }
    return {-1, -1};
}

} // namespace

class TableEntryViewTest : public QObject {
    Q_OBJECT
    TestEngine engine_;

private slots:
    void gasolinePageIsExact()
    {
        const CTRec *row = rowOf("UN1203");
        QVERIFY(row);
        const QString cell = QStringLiteral("<TD ALIGN=\"CENTER\"><FONT SIZE=2>");
        const QString expected =
            QString::fromLatin1(kHeader) + QStringLiteral("<TR BGCOLOR=\"#eeeeee\">\n") + cell +
            "&nbsp;</FONT></TD>\n" + cell +
            "Gasoline <I>includes gasoline mixed with ethyl alcohol, with not more than 10% alcohol</I></FONT></TD>\n" + cell +
            "3</FONT></TD>\n" + cell + "UN1203</FONT></TD>\n" + cell + "II</FONT></TD>\n" + cell +
            "<a href=\"49cfr172.419\">3</a></FONT></TD>\n" + cell +
            "<a href=\"49cfr172.102(144)\">144</a>, <a href=\"49cfr172.102(177)\">177</a>, "
            "<a href=\"49cfr172.102(B1)\">B1</a>, <a href=\"49cfr172.102(B33)\">B33</a>, "
            "<a href=\"49cfr172.102(IB2)\">IB2</a>, <a href=\"49cfr172.102(T4)\">T4</a></FONT></TD>\n" +
            cell + "<a href=\"49cfr173.150\">150</a></FONT></TD>\n" + cell +
            "<a href=\"49cfr173.202\">202</a></FONT></TD>\n" + cell + "<a href=\"49cfr173.242\">242</a></FONT></TD>\n" +
            cell + "5 L</FONT></TD>\n" + cell + "60 L</FONT></TD>\n" + cell +
            "<a href=\"49cfr172.101(k)(5)\">E</a></FONT></TD>\n" + cell + "&nbsp;</FONT></TD>\n</TR>\n</TABLE>\n"
            "</TD></TR><TR>\n<TD ALIGN=CENTER><BR>\n" + kNoMatches + "\n" + kClosing;
        QCOMPARE(tableEntryPage(row), expected);
    }

    // Entries whose data rows show the per-slot rules: no packaging
    // exception reads "None", a forbidden quantity is red, several packing
    // groups share columns (1) to (4).
    void dataRowsOfEntries_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QStringList>("fragments");
        const QString red = QStringLiteral("<TD ALIGN=\"CENTER\"><FONT SIZE=2 COLOR=\"RED\">");
        QTest::newRow("anhydrous ammonia") << "UN1005" << QStringList{
            "<TD ALIGN=\"CENTER\"><FONT SIZE=2><a href=\"49cfr172.101(b)(3)\">D</a></FONT></TD>\n",
            "<TD ALIGN=\"CENTER\"><FONT SIZE=2>&nbsp;</FONT></TD>\n<TD ALIGN=\"CENTER\"><FONT SIZE=2>"
            "<a href=\"49cfr172.415\">2.2</a></FONT></TD>\n",
            "<a href=\"49cfr172.102(13)\">13</a>, <a href=\"49cfr172.102(379)\">379</a>, "
            "<a href=\"49cfr172.102(T50)\">T50</a>",
            "<TD ALIGN=\"CENTER\"><FONT SIZE=2>None</FONT></TD>\n<TD ALIGN=\"CENTER\"><FONT SIZE=2>"
            "<a href=\"49cfr173.304\">304</a></FONT></TD>\n",
            red + "<a href=\"49cfr172.101(j)(1)\">Forbidden</a></FONT></TD>\n" + red +
                "<a href=\"49cfr172.101(j)(1)\">Forbidden</a></FONT></TD>\n",
            "<a href=\"49cfr176.84(b)\">40</a>, <a href=\"49cfr176.84(b)\">52</a>, <a href=\"49cfr176.84(b)\">57</a>"};
        QTest::newRow("consumer commodity, no packing group") << "ID8000" << QStringList{
            "<TR BGCOLOR=\"#eeeeee\">\n<TD ALIGN=\"CENTER\"><FONT SIZE=2>&nbsp;</FONT></TD>\n"
            "<TD ALIGN=\"CENTER\"><FONT SIZE=2>Consumer commodity</FONT></TD>\n"
            "<TD ALIGN=\"CENTER\"><FONT SIZE=2>9</FONT></TD>\n<TD ALIGN=\"CENTER\"><FONT SIZE=2>ID8000</FONT></TD>\n"
            "<TD ALIGN=\"CENTER\"><FONT SIZE=2>&nbsp;</FONT></TD>\n",
            "<TD ALIGN=\"CENTER\"><FONT SIZE=2>30 kg gross</FONT></TD>\n"
            "<TD ALIGN=\"CENTER\"><FONT SIZE=2>30 kg gross</FONT></TD>\n"};
        QTest::newRow("dangerous goods in machinery: quantities referred to A105") << "UN3363" << QStringList{
            "<TD ALIGN=\"CENTER\"><FONT SIZE=2>See A105</FONT></TD>\n"
            "<TD ALIGN=\"CENTER\"><FONT SIZE=2>See A105</FONT></TD>\n"};
        QTest::newRow("polyester resin kit: packing groups II and III share their columns") << "UN3269" << QStringList{
            "<TR BGCOLOR=\"#eeeeee\">\n<TD ROWSPAN=2 ALIGN=\"CENTER\"><FONT SIZE=2>",
            "<TD ALIGN=\"CENTER\"><FONT SIZE=2>II</FONT></TD>\n",
            "</TR>\n<TR BGCOLOR=\"#eeeeee\">\n<TD ALIGN=\"CENTER\"><FONT SIZE=2>III</FONT></TD>\n"};
        QTest::newRow("flammable liquids n.o.s., three packing groups") << "UN1993" << QStringList{
            "<TR BGCOLOR=\"#eeeeee\">\n<TD ROWSPAN=3 ALIGN=\"CENTER\"><FONT SIZE=2>",
            "<TD ROWSPAN=3 ALIGN=\"CENTER\"><FONT SIZE=2>UN1993</FONT></TD>\n"
            "<TD ALIGN=\"CENTER\"><FONT SIZE=2>I</FONT></TD>\n",
            "</TR>\n<TR BGCOLOR=\"#eeeeee\">\n<TD ALIGN=\"CENTER\"><FONT SIZE=2>II</FONT></TD>\n",
            "</TR>\n<TR BGCOLOR=\"#eeeeee\">\n<TD ALIGN=\"CENTER\"><FONT SIZE=2>III</FONT></TD>\n"};
    }
    void dataRowsOfEntries()
    {
        QFETCH(QString, id);
        QFETCH(QStringList, fragments);
        const CTRec *row = rowOf(id.toLatin1().constData());
        QVERIFY(row);
        const QString rows = dataRows(tableEntryPage(row));
        for (const QString &f : fragments)
            QVERIFY2(rows.contains(f), qPrintable(f + QStringLiteral("\nnot in\n") + rows));
        // Every data row opened is closed, and one opens per packing group.
        int slotCount = 0;
        for (int s = 0; s <= 3; ++s)
            slotCount += HasPackingGroup_CTRec(row, s);
        QCOMPARE(rows.count(QStringLiteral("<TR BGCOLOR=\"#eeeeee\">")), slotCount);
        QCOMPARE(rows.count(QStringLiteral("</TR>")), slotCount);
    }

    // Appendix B matches by PID and by CAS number, Appendix A matches with
    // the singular "lb." for a reportable quantity of 1.
    void matchTables_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QStringList>("pollutants");
        QTest::addColumn<QStringList>("substances");
        QTest::newRow("acrolein: pollutant by PID, two substance names")
            << "UN1092" << QStringList{"Acrolein, stabilized"}
            << QStringList{"2-Propenal (1 lb. Reportable Quantity)", "Acrolein (1 lb. Reportable Quantity)"};
        QTest::newRow("mercuric nitrate: severe pollutant by CAS")
            << "UN1625" << QStringList{"Mercuric nitrate (severe marine pollutant)"}
            << QStringList{"Mercuric nitrate (10 lbs. Reportable Quantity)"};
        QTest::newRow("gasoline: no CAS number, no pollutant")
            << "UN1203" << QStringList{"No Matches Found"} << QStringList{"No Matches Found"};
    }
    void matchTables()
    {
        QFETCH(QString, id);
        QFETCH(QStringList, pollutants);
        QFETCH(QStringList, substances);
        auto table = [](const QString &title, const QStringList &rows) {
            QString t = QStringLiteral("<TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"3\">\n"
                                       "<TR><TH BGCOLOR=\"#91aedf\"><FONT SIZE=2>") +
                        title + QStringLiteral("</FONT></TH></TR>\n");
            for (const QString &r : rows)
                t += QStringLiteral("<TR><TD><FONT SIZE=2>") + r + QStringLiteral("</FONT></TD></TR>\n");
            return t + QStringLiteral("</TABLE><BR>");
        };
        const CTRec *row = rowOf(id.toLatin1().constData());
        QVERIFY(row);
        QCOMPARE(matchesBlock(row), table(QStringLiteral("Marine Pollutant table matches:"), pollutants) + "\n" +
                                        table(QStringLiteral("Hazardous Substance table matches:"), substances));
    }

    void ammoniaMatchesTheSubstanceTable()
    {
        const QString page = tableEntryPage(rowOf("UN1005"));
        QVERIFY(page.contains(QStringLiteral("<TR><TD><FONT SIZE=2>Ammonia (100 lbs. Reportable Quantity)</FONT></TD></TR>")));
        QVERIFY(!page.contains(QStringLiteral("Hazardous Substance table matches:</FONT></TH></TR>\n"
                                              "<TR><TD><FONT SIZE=2>No Matches Found")));
    }

    void citationClickReachesTheRegulationsProgramRaw()
    {
        QTemporaryDir dir;
        const QString viewer = dir.filePath(QStringLiteral("quarvel"));
        QFile f(viewer);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        ScriptedPrompts prompts;
        InfoWindow window(QString::fromLatin1(kTableEntryMode), tableEntryPage(rowOf("UN1203")), dir.path(),
                               viewer, prompts);
        QStringList started;
        window.openCitation = [&](const QString &citation) { started << citation; };
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Hazardous Material Table Entry"));
        if (const QByteArray snapshots = qgetenv("VELMORA_SNAPSHOT_DIR"); !snapshots.isEmpty())
            window.grab().save(QString::fromLocal8Bit(snapshots) + QStringLiteral("/table-entry.png"));
        // Every word of the column heads stays whole on one line.
        for (QTextBlock b = window.browser()->document()->begin(); b.isValid(); b = b.next())
            for (const QString word : b.text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
                for (int line = 0; line < b.layout()->lineCount(); ++line) {
                    const QTextLine l = b.layout()->lineAt(line);
                    const int at = b.text().indexOf(word);
                    QVERIFY2(at < l.textStart() || at + word.size() <= l.textStart() + l.textLength() ||
                                 at >= l.textStart() + l.textLength(),
                             qPrintable(QStringLiteral("\"%1\" is broken across lines").arg(word)));
                }
        const QPoint at = linkPoint(window.browser(), QStringLiteral("49cfr172.102(B33)"));
        QVERIFY(at.x() >= 0);
        QTest::mouseClick(window.browser()->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(started, (QStringList{QStringLiteral("49cfr172.102(B33)")}));
        QVERIFY(prompts.shown.empty());

        // Keyboard: Tab to the next link (the one after B33), then Return.
        started.clear();
        window.browser()->setFocus();
        QTest::keyClick(window.browser(), Qt::Key_Tab);
        QTest::keyClick(window.browser(), Qt::Key_Return);
        QCOMPARE(started, (QStringList{QStringLiteral("49cfr172.102(IB2)")}));

        // A citation written with blanks reaches the viewer without them.
        started.clear();
        window.linkClicked(QStringLiteral("49 cfr 173.150"));
        QCOMPARE(started, (QStringList{QStringLiteral("49cfr173.150")}));
        QVERIFY(prompts.shown.empty());

        // A help page named by a "viewer" link replaces the page.
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("HAZMAT")));
        QFile page(dir.filePath(QStringLiteral("HAZMAT/sp.htm")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<HTML><BODY>Special provisions help</BODY></HTML>");
        page.close();
        window.linkClicked(QStringLiteral("viewer /cgi-bin/qvget.cgi?db=HAZMAT&doc=sp.htm"));
        QCOMPARE(window.browser()->toPlainText(), QStringLiteral("Special provisions help"));
        window.browser()->setHtml(tableEntryPage(rowOf("UN1203")));

        // "Close" closes the window.
        QTest::mouseClick(window.browser()->viewport(), Qt::LeftButton, {}, linkPoint(window.browser(), "//"));
        QVERIFY(!window.isVisible());
    }

    void linkTargets_data()
    {
        QTest::addColumn<QString>("href");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("value");
        QTest::newRow("close") << "//" << int(InfoLinkAction::Close) << "";
        QTest::newRow("citation, blanks removed") << "49 CFR 172.504" << int(InfoLinkAction::OpenRegulations)
                                                  << "49CFR172.504";
        QTest::newRow("viewer page") << "VIEWER /cgi-bin/qvget.cgi?db=HAZMAT&doc=page.htm"
                                     << int(InfoLinkAction::ShowFile) << "HAZMAT/page.htm";
        QTest::newRow("viewer page missing") << "viewer x?db=HAZMAT&doc=none.htm" << int(InfoLinkAction::Nothing) << "";
        QTest::newRow("viewer without doc") << "viewer x?db=HAZMAT" << int(InfoLinkAction::Nothing) << "";
        QTest::newRow("viewer climbing out") << "viewer x?db=HAZMAT&doc=../../secret.htm"
                                             << int(InfoLinkAction::Nothing) << "";
    }
    void linkTargets()
    {
        QFETCH(QString, href);
        QFETCH(int, kind);
        QFETCH(QString, value);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("prog"));
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/HAZMAT")));
        for (const QString &name : {folder + QStringLiteral("/HAZMAT/page.htm"), dir.filePath(QStringLiteral("secret.htm"))}) {
            QFile f(name);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        const InfoLinkAction a = infoLinkAction(href, folder);
        QCOMPARE(int(a.kind), kind);
        if (a.kind == InfoLinkAction::ShowFile)
            QCOMPARE(a.value, QDir(folder).canonicalPath() + QLatin1Char('/') + value);
        else
            QCOMPARE(a.value, value);
    }
};

QTEST_MAIN(TableEntryViewTest)
#include "table_entry_view_test.moc"
