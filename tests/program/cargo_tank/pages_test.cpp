// The inspection pages as exact HTML: the questions form (groups, shading,
// answers, the vacuum question, plain and linked citations), the violations
// list, the unanswered-question reminder, the tank panel and details page,
// and the printed inspection report.  The questions of real tanks come from
// the engine's catalogue.
#include "auditors/cargo_tank/tank_html.h"
#include "auditors/cargo_tank/tank_inspection.h"
#include "auditors/cargo_tank/tank_pages.h"
#include "support/truckload_items.h"

#include "dravlen.h"

#include <QtTest>

using namespace velmora;
using namespace velmora::cargo_tank;
using namespace velmora::test;

namespace {

// The lines of a page that start with `prefix`.
QStringList linesStarting(const QStringList &page, const QString &prefix)
{
    QStringList found;
    for (const QString &line : page)
        if (line.startsWith(prefix))
            found << line;
    return found;
}

// The questions form of a real tank, as the window shows it.
QStringList formFor(Engine *engine, const QString &tank)
{
    TankInspection inspection(engine);
    inspection.chooseTank(tank);
    return questionsForm(inspection.questionsPage(false));
}

const QString kYesNoUnchecked0 =
    "<TH NOWRAP><INPUT TYPE=\"radio\" OnClick=\"display\" ID=\"0\" NAME=\"0\" VALUE=\"Yes\"> Yes &nbsp;"
    "<INPUT TYPE=\"radio\" OnClick=\"display\" ID=\"0\" NAME=\"0\" VALUE=\"No\"> No </TH>";

} // namespace

class CargoTankPagesTest : public QObject {
    Q_OBJECT
private slots:
    // A small form, line by line: caption, header row, a group row that
    // restarts the shading, the answers, and citations split at commas.
    void questionsFormExactLines()
    {
        QuestionsPage page;
        page.tank = QStringLiteral("MC/TC 307");
        page.questions = {
            {QStringLiteral("Spec plate"), QStringLiteral("178.345-14"), QString(), 1},
            {QStringLiteral("Valves"), QStringLiteral("178.345-11, 393.11"), QString(), 0},
            {QStringLiteral("Vents"), QStringLiteral("178.345-10"), QStringLiteral("Top"), 2},
            {QStringLiteral("Manholes"), QStringLiteral("178.345-5"), QStringLiteral("Top"), 2},
        };
        const QStringList expected{
            "<!--Questions-->",
            "<FORM>",
            "<TABLE WIDTH=\"100%\" CELLPADDING=5 CELLSPACING=0>",
            "<CAPTION ALIGN=\"CENTER\"><B><BIG><BIG>MC/TC 307 Tank Inspection</BIG></BIG></B></CAPTION>",
            "<TR BGCOLOR=91aedf>",
            "<TH></TH>",
            "<TH></TH>",
            "<TH ALIGN=\"LEFT\">Question</TH>",
            "<TH ALIGN=\"LEFT\">Regulation</TH>",
            "</TR>",
            "<TR><TD>1.</TD>",
            "<TH NOWRAP><INPUT TYPE=\"radio\" OnClick=\"display\" CHECKED ID=\"0\" NAME=\"0\" VALUE=\"Yes\"> Yes &nbsp;"
            "<INPUT TYPE=\"radio\" OnClick=\"display\" ID=\"0\" NAME=\"0\" VALUE=\"No\"> No </TH>",
            "<TD>Spec plate</TD>",
            "<TD><A HREF=\"quarvel cite=49cfr178.345-14\">178.345-14</A></TD>",
            "</TR>",
            "<TR BGCOLOR=eeeeee><TD>2.</TD>",
            "<TH NOWRAP><INPUT TYPE=\"radio\" OnClick=\"display\" ID=\"1\" NAME=\"1\" VALUE=\"Yes\"> Yes &nbsp;"
            "<INPUT TYPE=\"radio\" OnClick=\"display\" CHECKED ID=\"1\" NAME=\"1\" VALUE=\"No\"> No </TH>",
            "<TD>Valves</TD>",
            "<TD><A HREF=\"quarvel cite=49cfr178.345-11\">178.345-11</A>, "
            "<A HREF=\"quarvel cite=49cfr393.11\">393.11</A></TD>",
            "</TR>",
            "<TH BGCOLOR=bbccdd ALIGN=LEFT COLSPAN=4>Top</TH>",
            "<TR><TD>3.</TD>",
            "<TH NOWRAP><INPUT TYPE=\"radio\" OnClick=\"display\" ID=\"2\" NAME=\"2\" VALUE=\"Yes\"> Yes &nbsp;"
            "<INPUT TYPE=\"radio\" OnClick=\"display\" ID=\"2\" NAME=\"2\" VALUE=\"No\"> No </TH>",
            "<TD>Vents</TD>",
            "<TD><A HREF=\"quarvel cite=49cfr178.345-10\">178.345-10</A></TD>",
            "</TR>",
            "<TR BGCOLOR=eeeeee><TD>4.</TD>",
            "<TH NOWRAP><INPUT TYPE=\"radio\" OnClick=\"display\" ID=\"3\" NAME=\"3\" VALUE=\"Yes\"> Yes &nbsp;"
            "<INPUT TYPE=\"radio\" OnClick=\"display\" ID=\"3\" NAME=\"3\" VALUE=\"No\"> No </TH>",
            "<TD>Manholes</TD>",
            "<TD><A HREF=\"quarvel cite=49cfr178.345-5\">178.345-5</A></TD>",
            "</TR>",
            "</TABLE>",
            "</FORM>",
        };
        QCOMPARE(questionsForm(page), expected);

        // The blank form for printing shows no answer at all.
        page.blankForm = true;
        QVERIFY(!questionsForm(page).join(QString()).contains(QLatin1String("CHECKED")));
    }

    void captionsAndCitationForms_data()
    {
        QTest::addColumn<QString>("tank");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("regulation");
        QTest::newRow("MC 300 plain") << "MC 300" << "MC 300 Tank Inspection" << "<TD>78.321-5, 393.11</TD>";
        QTest::newRow("MC 303 plain") << "MC 303" << "MC 303 Tank Inspection" << "<TD>78.321-5, 393.11</TD>";
        QTest::newRow("MC 304 links")
            << "MC 304" << "MC 304 Tank Inspection"
            << "<TD><A HREF=\"quarvel cite=49cfr78.321-5\">78.321-5</A>, <A HREF=\"quarvel cite=49cfr393.11\">393.11</A></TD>";
        QTest::newRow("name holding Tank")
            << "Non-Spec Cargo Tank" << "Non-Spec Cargo Tank Inspection"
            << "<TD><A HREF=\"quarvel cite=49cfr78.321-5\">78.321-5</A>, <A HREF=\"quarvel cite=49cfr393.11\">393.11</A></TD>";
    }
    void captionsAndCitationForms()
    {
        QFETCH(QString, tank);
        QFETCH(QString, caption);
        QFETCH(QString, regulation);
        QuestionsPage page;
        page.tank = tank;
        page.questions = {{QStringLiteral("Q"), QStringLiteral("78.321-5,393.11"), QString(), 2}};
        const QStringList lines = questionsForm(page);
        QCOMPARE(lines.at(3), "<CAPTION ALIGN=\"CENTER\"><B><BIG><BIG>" + caption + "</BIG></BIG></B></CAPTION>");
        QCOMPARE(lines.at(13), regulation);
    }

    // MC/TC 306 from the catalogue: 19 ungrouped questions, then 21 under
    // Sides, Top, Rear, Front and Bottom; 40 running numbers.
    void mc306FormFromTheCatalogue()
    {
        TestEngine engine;
        const QStringList lines = formFor(engine.get(), QStringLiteral("MC/TC 306"));
        const QStringList numbers = linesStarting(lines, QStringLiteral("<TR"));
        QStringList numbered;
        for (const QString &line : lines) {
            static const QRegularExpression number(QStringLiteral("<TD>(\\d+)\\.</TD>$"));
            const auto m = number.match(line);
            if (m.hasMatch())
                numbered << m.captured(1);
        }
        QStringList oneToForty;
        for (int n = 1; n <= 40; ++n)
            oneToForty << QString::number(n);
        QCOMPARE(numbered, oneToForty);

        QStringList groups;
        for (const QString &line : linesStarting(lines, QStringLiteral("<TH BGCOLOR=bbccdd")))
            groups << line.section(QLatin1Char('>'), 1).section(QLatin1Char('<'), 0, 0);
        QCOMPARE(groups, (QStringList{"Sides", "Top", "Rear", "Front", "Bottom"}));
        // The first group row follows question 19 and precedes question 20,
        // which starts unshaded again.
        const int sides = lines.indexOf(QStringLiteral("<TH BGCOLOR=bbccdd ALIGN=LEFT COLSPAN=4>Sides</TH>"));
        QVERIFY(sides > 0);
        QVERIFY(lines.at(sides - 5).endsWith(QLatin1String("<TD>19.</TD>")));
        QCOMPARE(lines.at(sides + 1), QStringLiteral("<TR><TD>20.</TD>"));
        QVERIFY(!numbers.isEmpty());
    }

    // DOT/TC 407: question 1 asks about vacuum loading, has no group row and
    // carries the View Tank link; answering it Yes changes the picture and
    // the family line.
    void vacuumQuestionOf407()
    {
        TestEngine engine;
        TankInspection inspection(engine.get());
        inspection.chooseTank(QStringLiteral("DOT/TC 407"));
        const QStringList lines = questionsForm(inspection.questionsPage(false));
        QCOMPARE(lines.at(10), QStringLiteral("<TR><TD>1.</TD>"));
        QCOMPARE(lines.at(11), kYesNoUnchecked0);
        QCOMPARE(lines.at(12), QStringLiteral("<TD>Is this a vacuum loaded tank?&nbsp;&nbsp;<A HREF=\"//\">View&nbsp;Tank</A></TD>"));
        QCOMPARE(lines.at(13), QStringLiteral("<TD></TD>"));
        QVERIFY(!lines.contains(QStringLiteral("<TH BGCOLOR=bbccdd ALIGN=LEFT COLSPAN=4>Vehicle Type</TH>")));

        // Undecided: the panel has no content yet.
        QVERIFY(!tankPage(inspection.tankPage(false, "T/", {})).join(QString()).contains(QLatin1String("<IMG")));

        inspection.answer(0, 1);
        QVERIFY(inspection.vacuumDecided() && inspection.vacuum());
        const QStringList details = tankPage(inspection.tankPage(true, "T/", {}));
        QVERIFY(details.contains(QStringLiteral("<TR><TD ALIGN=\"CENTER\"><IMG SRC=\"T/407.svg\"><HR WIDTH=\"100%\"></TD></TR>")));
        QVERIFY(details.contains(QStringLiteral(
            "<TR><TD ALIGN=\"CENTER\"><B><BIG><FONT COLOR=LIGHTGREY>DOT/TC&nbsp;412</Font> DOT/TC&nbsp;407&nbsp; </BIG></B></TD></TR>")));
        QCOMPARE(questionsForm(inspection.questionsPage(false)).at(11),
                 QStringLiteral("<TH NOWRAP><INPUT TYPE=\"radio\" OnClick=\"display\" CHECKED ID=\"0\" NAME=\"0\" "
                                "VALUE=\"Yes\"> Yes &nbsp;<INPUT TYPE=\"radio\" OnClick=\"display\" ID=\"0\" "
                                "NAME=\"0\" VALUE=\"No\"> No </TH>"));

        inspection.answer(0, 0);
        const QStringList plain = tankPage(inspection.tankPage(false, "T/", {}));
        QVERIFY(plain.contains(QStringLiteral("<TR><TD ALIGN=\"CENTER\"><IMG SRC=\"T/307s.svg\"><HR WIDTH=\"100%\"></TD></TR>")));
        QVERIFY(plain.contains(QStringLiteral(
            "<TR><TD ALIGN=\"CENTER\"><B>DOT/TC&nbsp;407&nbsp; <FONT COLOR=LIGHTGREY>MC/TC&nbsp;307</Font> "
            "<FONT COLOR=LIGHTGREY>MC&nbsp;304</Font> </B></TD></TR>")));
    }

    void violationsList_data()
    {
        QTest::addColumn<bool>("disabled");
        QTest::addColumn<int>("reference");
        QTest::addColumn<QStringList>("row");
        QTest::newRow("deleted in red")
            << true << 4
            << QStringList{"<TR>", "<TD ALIGN=\"CENTER\"><FONT COLOR=\"RED\">5</FONT></TD>",
                           "<TD ALIGN=\"CENTER\"><FONT COLOR=\"RED\">393.11</FONT></TD>",
                           "<TD ALIGN=\"LEFT\"><FONT COLOR=\"RED\">Lamps (User removed)</FONT></TD>",
                           "<TD ALIGN=\"CENTER\"><FONT COLOR=\"RED\">Unknown</FONT></TD>", "</TR>"};
        QTest::newRow("vehicle rule has no question number")
            << false << -1
            << QStringList{"<TR>", "<TD ALIGN=\"CENTER\"></TD>", "<TD ALIGN=\"CENTER\">393.11</TD>",
                           "<TD ALIGN=\"LEFT\">Lamps</TD>",
                           "<TD ALIGN=\"CENTER\">Unknown <A HREF=\"oos:0\">(mark out of service)</A></TD>",
                           "</TR>"};
    }
    void violationsList()
    {
        QFETCH(bool, disabled);
        QFETCH(int, reference);
        QFETCH(QStringList, row);
        ViolationRow v;
        v.questionReference = reference;
        v.aspenCode = QStringLiteral("393.11");
        v.description = QStringLiteral("Lamps");
        v.disabled = disabled;
        v.combinedIndex = disabled ? -1 : 0;
        const QStringList lines = cargo_tank::violationsList(QStringLiteral("MC/TC 306"), {v}, true);
        QCOMPARE(lines.mid(0, 3),
                 (QStringList{"<!--Violations-->", "<TABLE WIDTH=\"100%\" CELLPADDING=5 CELLSPACING=0>",
                              "<CAPTION ALIGN=\"CENTER\"><B><BIG><BIG><FONT COLOR=RED>MC/TC 306 Tank Inspection "
                              "Violations</FONT></BIG></BIG></B></CAPTION>"}));
        QCOMPARE(lines.mid(9, 6), row);
        QCOMPARE(lines.last(), QStringLiteral("</TABLE>"));
    }

    void outOfServiceShownAsMarked_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("interactive");
        QTest::addColumn<QString>("cell");
        QTest::newRow("marked") << int(OutOfService::Yes) << true
                                << "<TD ALIGN=\"CENTER\">Yes <A HREF=\"oos:2\">(clear)</A></TD>";
        QTest::newRow("table says no") << int(OutOfService::No) << true
                                       << "<TD ALIGN=\"CENTER\">No <A HREF=\"oos:2\">(mark out of service)</A></TD>";
        QTest::newRow("on paper") << int(OutOfService::Unknown) << false << "<TD ALIGN=\"CENTER\">Unknown</TD>";
    }
    void outOfServiceShownAsMarked()
    {
        QFETCH(int, state);
        QFETCH(bool, interactive);
        QFETCH(QString, cell);
        ViolationRow v;
        v.outOfService = static_cast<OutOfService>(state);
        v.combinedIndex = 2;
        QCOMPARE(cargo_tank::violationsList(QStringLiteral("MC 331"), {v}, interactive).at(13), cell);
        QCOMPARE(outOfServiceIndex(outOfServiceHref(2)), 2);
        QCOMPARE(outOfServiceIndex(QStringLiteral("oos:x")), -1);
    }

    void noViolations()
    {
        const QStringList lines = cargo_tank::violationsList(QStringLiteral("Non-Spec Cargo Tank"), {}, true);
        QCOMPARE(lines.mid(2),
                 (QStringList{"<CAPTION ALIGN=\"CENTER\"><B><BIG><BIG><FONT COLOR=RED>Non-Spec Cargo Tank Inspection "
                              "Violations</FONT></BIG></BIG></B></CAPTION>",
                              "<TR BGCOLOR=91aedf>", "<TH ALIGN=\"CENTER\">Question</TH>",
                              "<TH ALIGN=\"CENTER\">Violation Code</TH>", "<TH ALIGN=\"LEFT\">Violation</TH>",
                              "<TH ALIGN=\"CENTER\">Out of Service</TH>", "</TR>", "</TABLE>", "<CENTER>",
                              "<B><BIG><BIG>None</BIG></BIG></B>", "</CENTER>"}));
    }

    void unansweredWarningText_data()
    {
        QTest::addColumn<std::vector<int>>("numbers");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << std::vector<int>{} << QString();
        QTest::newRow("one") << std::vector<int>{7} << "Please answer the following inspection question: 7";
        QTest::newRow("several") << std::vector<int>{3, 7} << "Please answer the following inspection questions: 3, 7";
    }
    void unansweredWarningText()
    {
        QFETCH(std::vector<int>, numbers);
        QFETCH(QString, text);
        QCOMPARE(unansweredWarning(numbers), text);
    }

    void tankPictureAndFamily_data()
    {
        QTest::addColumn<QString>("tank");
        QTest::addColumn<QString>("base");
        QTest::addColumn<int>("familySize");
        QTest::newRow("MC 300") << "MC 300" << "306" << 7;
        QTest::newRow("DOT/TC 406") << "DOT/TC 406" << "306" << 7;
        QTest::newRow("MC 304") << "MC 304" << "307" << 3;
        QTest::newRow("MC 310") << "MC 310" << "312" << 4;
        QTest::newRow("MC/TC 330") << "MC/TC 330" << "331" << 2;
        QTest::newRow("MC/TC 338") << "MC/TC 338" << "338" << 1;
        QTest::newRow("Non-Spec") << "Non-Spec Cargo Tank" << "" << 1;
    }
    void tankPictureAndFamily()
    {
        QFETCH(QString, tank);
        QFETCH(QString, base);
        QFETCH(int, familySize);
        QCOMPARE(pictureBase(tank, false), base);
        QCOMPARE(tankFamily(tank, false).size(), familySize);
        QVERIFY(tankFamily(tank, false).contains(tank));
    }

    // The panel and the details page of a tank without a reference table,
    // whole; and the not-approved line.
    void tankPagesWhole()
    {
        TankPage panel;
        panel.tank = QStringLiteral("MC/TC 330");
        panel.picturesFolder = QStringLiteral("P/");
        panel.notApproved = QStringLiteral("UN1005, UN1017");
        QCOMPARE(tankPage(panel),
                 (QStringList{"<HTML><HEAD><TITLE></TITLE></HEAD>", "<BODY>",
                              "<TABLE ALIGN=\"CENTER\" WIDTH=\"100%\" CELLPADDING=3>",
                              "<CAPTION ALIGN=\"CENTER\"><B><BIG>Selected Tank</BIG></B></CAPTION>",
                              "<TR BGCOLOR=91aedf>", "<TH></TH>", "</TR>", "</TABLE>",
                              "<TABLE ALIGN=\"CENTER\" COLS=1 WIDTH=\"95%\">",
                              "<TR><TD ALIGN=\"CENTER\"><IMG SRC=\"P/331s.svg\"><HR WIDTH=\"100%\"></TD></TR>",
                              "<TR><TD ALIGN=\"CENTER\"><B><FONT COLOR=LIGHTGREY>MC/TC&nbsp;331</Font> "
                              "MC/TC&nbsp;330&nbsp; </B></TD></TR>",
                              "<TR><TD><CENTER><B><FONT COLOR=RED>MC/TC 330 is not approved to carry UN1005, "
                              "UN1017</FONT></B></CENTER><HR></TD></TR>",
                              "</TABLE>", "</BODY></HTML>"}));

        TankPage details = panel;
        details.large = true;
        const QStringList lines = tankPage(details);
        QCOMPARE(lines.at(3), QStringLiteral("<CAPTION ALIGN=\"CENTER\"><B><BIG><BIG>Tank Details</BIG></BIG></B></CAPTION>"));
        QCOMPARE(lines.mid(11, 3),
                 (QStringList{"<TR><TD><HR WIDTH=\"100%\"></TD></TR>",
                              "<TR><TD ALIGN=\"LEFT\"> <B>USAGE:</B> Gasses (Liquified Petroleum Gas, Chlorine, Freon, "
                              "Anhydrous ammonia)</TR></TD>",
                              "<TR><TD><HR WIDTH=\"100%\"></TD></TR><TR><TD ALIGN=\"LEFT\"><B>DETAILS: </B>Tank built "
                              "prior to December 1, 1967 to old US DOT Specification MC 330 for the transportation of "
                              "compressed gases. This tank was typically constructed of quenched and tempered or "
                              "carbon steel for a pressure of 250 to 265 psig. This tank is a predecessor of the MC "
                              "331 tank.</TD></TR>"}));
        QVERIFY(!lines.join(QString()).contains(QLatin1String("not approved")));

        // A tank with a reference table shows the table, and no tank shows
        // the heading only.
        details.tank = QStringLiteral("MC/TC 331");
        details.referenceText = QStringLiteral("<TABLE>ref</TABLE>");
        QVERIFY(tankPage(details).contains(QStringLiteral("<TR><TD><TABLE>ref</TABLE></TD></TR>")));
        QCOMPARE(tankPage(TankPage{}).size(), 9);
    }

    void inspectionReportHeader()
    {
        InspectionHeader h{"R-17", "123456", "J. Doe", "Acme <Haulers>", "12/10/2026", "9:30 AM"};
        const QStringList lines = inspectionReport("DOT/TC 406", h, {"<!--Questions-->"}, {"<!--Violations-->"});
        QCOMPARE(lines,
                 (QStringList{"<!--Quarvel Inc. Cargo Tank Inspection-->", "<!--DOT/TC 406-->",
                              "<HTML><HEAD><TITLE></TITLE></HEAD>", "<BODY>", "<!--Inspection-->",
                              "<TABLE COLS=2 WIDTH=\"100%\">",
                              "<TR><TD ALIGN=LEFT><B>Inspection Report #: </B>R-17</TD><TD ALIGN=RIGHT><B>Inspection "
                              "Date </B>12/10/2026</TD></TR>",
                              "<TR><TD ALIGN=LEFT><B>USDOT #: </B>123456</TD><TD ALIGN=RIGHT><B>Inspection Time "
                              "</B>9:30 AM</TD></TR>",
                              "<TR><TD ALIGN=LEFT><B>Carrier Name: </B>Acme &lt;Haulers&gt;</TD></TR>",
                              "<TR><TD ALIGN=LEFT><B>Inspector's Name: </B>J. Doe</TD></TR>", "</TABLE>",
                              "<!--Questions-->", "<BR>", "<BR>", "<!--Violations-->", "</BODY></HTML>"}));
    }

    // What Qt's rich text gets: the caption above its table, radio buttons
    // as answer links.
    void renderAdapter()
    {
        const QString html = renderableHtml(
            {"<FORM>", "<TABLE WIDTH=\"100%\">", "<CAPTION ALIGN=\"CENTER\"><B>T</B></CAPTION>",
             "<TH NOWRAP><INPUT TYPE=\"radio\" OnClick=\"display\" CHECKED ID=\"12\" NAME=\"12\" VALUE=\"Yes\"> Yes "
             "&nbsp;<INPUT TYPE=\"radio\" OnClick=\"display\" ID=\"12\" NAME=\"12\" VALUE=\"No\"> No </TH>",
             "</TABLE>", "</FORM>"});
        QCOMPARE(html, QStringLiteral("\n<P ALIGN=\"CENTER\"><B>T</B></P>\n<TABLE WIDTH=\"100%\">\n"
                                      "<TH NOWRAP><A HREF=\"answer:12:Yes\" STYLE=\"text-decoration:none\">&#9673;</A> "
                                      "Yes &nbsp;<A HREF=\"answer:12:No\" STYLE=\"text-decoration:none\">&#9675;</A> "
                                      "No </TH>\n</TABLE>\n"));
        int q = -1, a = -1;
        QVERIFY(parseAnswerHref(QStringLiteral("answer:12:No"), &q, &a));
        QCOMPARE(q, 12);
        QCOMPARE(a, 0);
        QVERIFY(!parseAnswerHref(QStringLiteral("answer:x:No"), &q, &a));
        QCOMPARE(citationOfHref(regulationHref(QStringLiteral("180.407(c)"))), QStringLiteral("180.407(c)"));
        QCOMPARE(citationOfHref(QStringLiteral("//")), QString());
    }

    void chartLinks_data()
    {
        QTest::addColumn<QString>("href");
        QTest::addColumn<QString>("tank");
        QTest::addColumn<bool>("vacuum");
        QTest::addColumn<bool>("valid");
        QTest::newRow("tank") << "DOT/TC 406" << "DOT/TC 406" << false << true;
        QTest::newRow("vacuum") << "DOT/TC 412 Vacuum" << "DOT/TC 412" << true << true;
        QTest::newRow("vacuum of a tank without") << "MC/TC 331 Vacuum" << "MC/TC 331" << true << false;
        QTest::newRow("not a tank") << "Unit Load" << "Unit Load" << false << false;
        QTest::newRow("unknown name") << "MC 999" << "MC 999" << false << false;
    }
    void chartLinks()
    {
        QFETCH(QString, href);
        QFETCH(QString, tank);
        QFETCH(bool, vacuum);
        QFETCH(bool, valid);
        const ChartChoice c = parseChartLink(href);
        QCOMPARE(c.tank, tank);
        QCOMPARE(c.vacuum, vacuum);
        QCOMPARE(c.valid, valid);
    }

    void storedDates()
    {
        QCOMPARE(storedDate(QDate(2026, 3, 7)), QStringLiteral("3-7-2026"));
        QCOMPARE(parseStoredDate(QStringLiteral("12-31-2025")), QDate(2025, 12, 31));
        QVERIFY(!parseStoredDate(QStringLiteral("31-12-2025")).isValid());
    }
};

QTEST_MAIN(CargoTankPagesTest)
#include "pages_test.moc"
