// The verdict of the compliance view for real truckloads computed by the
// engine, and the findings grouped under their headings.
#include "compliance/verdict.h"
#include "compliance/verdict_bar.h"
#include "support/truckload_items.h"

#include "dravlen.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

using namespace velmora;

namespace {

MessageEntry finding(int type, int code, const char *id1, const char *id2, const char *reason)
{
    MessageEntry m;
    m.type = type;
    m.code = code;
    m.id1 = QString::fromLatin1(id1);
    m.id2 = QString::fromLatin1(id2);
    m.reason = QString::fromLatin1(reason);
    return m;
}

} // namespace

class VerdictTest : public QObject {
    Q_OBJECT
private slots:
    void verdictOfRealTruckloads_data()
    {
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<int>("legality");
        QTest::addColumn<QString>("headline");
        QTest::addColumn<QString>("reasonPart");
        QTest::addColumn<QString>("citation");
        QTest::addColumn<int>("permit");
        QTest::addColumn<QString>("badge");
        QTest::addColumn<QString>("permitBadge");
        QTest::newRow("gasoline alone is legal")
            << QStringList{"UN1203"} << 0 << "Legal" << "No segregation or loading rule" << "" << 0 << "LEGAL"
            << "NO PERMIT NEEDED";
        QTest::newRow("phosgene with gasoline is illegal")
            << QStringList{"UN1203", "UN1076"} << 1 << "Illegal" << "may not be loaded, transported, or stored together"
            << "49cfr177.848(d)" << 1 << "ILLEGAL" << "PERMIT MAY BE NEEDED";
        QTest::newRow("detonators with blasting explosives cannot be determined")
            << QStringList{"UN0030", "UN0081"} << 2 << "Cannot be determined" << "No detonator assembly"
            << "49cfr177.835(g)" << 1 << "CANNOT BE DETERMINED" << "PERMIT MAY BE NEEDED";
    }
    void verdictOfRealTruckloads()
    {
        QFETCH(QStringList, ids);
        QFETCH(int, legality);
        QFETCH(QString, headline);
        QFETCH(QString, reasonPart);
        QFETCH(QString, citation);
        QFETCH(int, permit);
        QFETCH(QString, badge);
        QFETCH(QString, permitBadge);
        test::TestEngine engine;
        for (const QString &id : ids)
            test::addItem(engine.get(), id.toLatin1().constData(), 0, id == QLatin1String("UN1076") ? 100 : 500);
        Calculate_Engine(engine.get());
        QCOMPARE(GetLegality_Engine(engine.get()), legality);
        const Verdict v = makeVerdict(GetLegality_Engine(engine.get()), readOption(engine.get(), 0).messages);
        QCOMPARE(static_cast<int>(v.legality), legality);
        QVERIFY2(v.legalityLine.headline.startsWith(headline), qPrintable(v.legalityLine.headline));
        // every answer carries its reason
        QVERIFY(!v.legalityLine.reason.isEmpty());
        QVERIFY2(v.legalityLine.reason.contains(reasonPart), qPrintable(v.legalityLine.reason));
        QCOMPARE(v.legalityLine.citation, citation);
        QCOMPARE(static_cast<int>(v.permit), permit);
        QVERIFY(!v.permitLine.reason.isEmpty());

        // The bar shows both answers with their reasons and citations.
        VerdictBar bar;
        bar.setVerdict(v);
        QVERIFY2(bar.legalityText().startsWith(badge + QLatin1Char(' ')), qPrintable(bar.legalityText()));
        QVERIFY(bar.legalityText().contains(reasonPart));
        if (!citation.isEmpty())
            QVERIFY(bar.legalityText().contains(citationDisplay(citation)));
        QVERIFY2(bar.permitText().startsWith(permitBadge + QLatin1Char(' ')), qPrintable(bar.permitText()));
        QVERIFY(bar.permitText().contains(v.permitLine.reason));
    }

    void barLinks()
    {
        VerdictBar bar;
        bar.setVerdict(makeVerdict(1, {finding(1, 1, "UN1076", "UN1203", "Do not load")}));
        QSignalSpy findings(&bar, &VerdictBar::findingsRequested);
        QSignalSpy cites(&bar, &VerdictBar::citationClicked);
        const auto labels = bar.findChildren<QLabel *>();
        QLabel *text = *std::find_if(labels.begin(), labels.end(),
                                     [](QLabel *l) { return l->text().contains(QLatin1String("#findings")); });
        emit text->linkActivated(QStringLiteral("#findings"));
        emit text->linkActivated(QStringLiteral("cite:49cfr177.848(d)"));
        QCOMPARE(findings.count(), 1);
        QCOMPARE(cites.count(), 1);
        QCOMPARE(cites.at(0).at(0).toString(), QStringLiteral("49cfr177.848(d)"));
        QCOMPARE(citationDisplay(QStringLiteral("49cfr177.848(d)")), QStringLiteral("49 CFR 177.848(d)"));
        // A load without findings offers no link to them.
        bar.setVerdict(makeVerdict(0, {}));
        for (QLabel *l : bar.findChildren<QLabel *>())
            QVERIFY2(!l->text().contains(QLatin1String("#findings")), qPrintable(l->text()));
        bar.clear();
        QVERIFY(bar.legalityText().contains(QLatin1String("empty")));
    }

    void undeterminedWithoutAFindingStillExplains()
    {
        const Verdict v = makeVerdict(2, {finding(4, 20, "", "", "Information only")});
        QCOMPARE(v.legality, Legality::Undetermined);
        QVERIFY(!v.legalityLine.reason.isEmpty());
        QVERIFY(v.legalityLine.reason != QLatin1String("Information only"));
    }

    void permitRequiredOutranksPossible()
    {
        const Verdict v = makeVerdict(0, {finding(6, 43, "UN1076", "", "maybe"), finding(5, 40, "UN2977", "", "yes"),
                                          finding(5, 41, "UN2978", "", "also")});
        QCOMPARE(v.permit, PermitAnswer::Needed);
        QCOMPARE(v.permitLine.reason, QStringLiteral("UN2977: yes"));
        QCOMPARE(v.permitLine.moreFindings, 1);
    }

    // What a warning before a change says about why.
    void decidingFindingsText_data()
    {
        QTest::addColumn<int>("legality");
        QTest::addColumn<int>("pairs");
        QTest::addColumn<QString>("expected");
        const QString rule = QStringLiteral("UN1076 and UN%1: These materials may not be loaded together. (49 CFR 177.848(d), (e)(2))");
        QTest::newRow("legal: nothing to add") << 0 << 2 << QString();
        QTest::newRow("one rule broken") << 1 << 1 << QStringLiteral("\n\nThe rule it breaks:\n") + rule.arg(1001);
        QTest::newRow("several, the rest counted")
            << 1 << 5
            << QStringLiteral("\n\nThe rules it breaks:\n") + QStringList{rule.arg(1001), rule.arg(1002), rule.arg(1003)}.join('\n') +
                   QStringLiteral("\n... and 2 more.");
        QTest::newRow("undetermined without an indefinite finding") << 2 << 1 << QString();
    }
    void decidingFindingsText()
    {
        QFETCH(int, legality);
        QFETCH(int, pairs);
        QFETCH(QString, expected);
        std::vector<MessageEntry> messages;
        for (int i = 1; i <= pairs; ++i) {
            const QByteArray other = "UN" + QByteArray::number(1000 + i);
            const QByteArray reason = "[UN1076, " + other + "] 49 CFR 177.848(d), (e)(2): These materials may not be loaded together.";
            messages.push_back(finding(1, 1, "UN1076", other.constData(), reason.constData()));
            messages.push_back(finding(1, 1, other.constData(), "UN1076", reason.constData()));   // the same pair again
        }
        QCOMPARE(velmora::decidingFindingsText(legality, messages), expected);
    }

    void findingsGroupedAndMerged()
    {
        const std::vector<MessageEntry> messages = {
            finding(4, 20, "", "", "No interconnection"),
            finding(2, 8, "UN1203", "UN1830", "Separate"),
            finding(1, 1, "UN1076", "UN1203", "Do not load"),
            finding(1, 1, "UN1203", "UN1076", "Do not load"),   // the same pair the other way round
            finding(1, 1, "UN1076", "UN1090", "Do not load"),   // another pair
            finding(4, 20, "", "", "No interconnection"),       // repeated
            finding(4, 21, "", "", "Company policy"),
            finding(6, 43, "UN1076", "", "Possible permit"),
        };
        const auto groups = groupFindings(messages);
        QStringList headings;
        QList<int> sizes;
        for (const FindingGroup &g : groups) {
            headings << g.heading;
            sizes << static_cast<int>(g.findings.size());
        }
        QCOMPARE(headings, QStringList({"Do Not Load", "Possible Permit", "Segregate", "Information"}));
        QCOMPARE(sizes, QList<int>({2, 1, 1, 2}));
    }
};

QTEST_MAIN(VerdictTest)
#include "verdict_test.moc"
