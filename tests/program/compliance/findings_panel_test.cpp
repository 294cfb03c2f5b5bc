// The findings under their headings: what each line says, merged repeats,
// and hover and click on a finding.
#include "compliance/findings_panel.h"

#include <QApplication>
#include <QFrame>
#include <QSignalSpy>
#include <QtTest>

using namespace velmora;

namespace {

MessageEntry finding(int type, int code, const char *id1, const char *id2, const char *reason, const char *citation)
{
    MessageEntry m;
    m.type = type;
    m.code = code;
    m.id1 = QString::fromLatin1(id1);
    m.id2 = QString::fromLatin1(id2);
    m.pid1 = *id1 ? 1 : 0;
    m.pid2 = *id2 ? 2 : 0;
    m.reason = QString::fromUtf8(reason);
    m.citation = QString::fromLatin1(citation);
    return m;
}

const char *kDoNotLoad = "[UN1076, UN1203] 49 CFR 177.848(d), (e)(2): These materials may not be loaded, transported, "
                         "or stored together.\n\nThis do not load is caused by the primary class 2.3 of UN1076";

} // namespace

class FindingsPanelTest : public QObject {
    Q_OBJECT
private slots:
    void summary_data()
    {
        QTest::addColumn<QString>("id1");
        QTest::addColumn<QString>("id2");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two items, bracket and citation dropped")
            << "UN1076" << "UN1203" << kDoNotLoad
            << "UN1076 and UN1203: These materials may not be loaded, transported, or stored together. This do not load "
               "is caused by the primary class 2.3 of UN1076";
        QTest::newRow("a warning without items says what it is")
            << "" << ""
            << "49 CFR \u00a7177.841(c): The transportation of a Division 2.3 material is not permitted if there is any "
               "interconnection between packages."
            << "The transportation of a Division 2.3 material is not permitted if there is any interconnection between "
               "packages.";
        QTest::newRow("plain advice kept") << "" << "" << "Check your company policy before co-loading foodstuffs."
                                           << "Check your company policy before co-loading foodstuffs.";
        QTest::newRow("one item") << "UN1076" << ""
                                  << "[UN1076] 49 CFR \u00a7385.403(c): This hazmat requires a safety permit."
                                  << "UN1076: This hazmat requires a safety permit.";
        QTest::newRow("long reason cut at a word")
            << "" << "" << QString(40, QLatin1Char('x')) + QStringLiteral(" word").repeated(40)
            << QString(40, QLatin1Char('x')) + QStringLiteral(" word").repeated(22) + QChar(0x2026);
    }
    void summary()
    {
        QFETCH(QString, id1);
        QFETCH(QString, id2);
        QFETCH(QString, reason);
        QFETCH(QString, expected);
        MessageEntry m;
        m.id1 = id1;
        m.id2 = id2;
        m.reason = reason;
        QCOMPARE(findingSummary(m), expected);
    }

    void groupsHoverAndClick()
    {
        FindingsPanel panel;
        panel.setFindings({finding(4, 20, "", "", "49 CFR 177.841(c): No interconnection.", "49cfr177.841(c)"),
                           finding(1, 1, "UN1076", "UN1203", kDoNotLoad, "49cfr177.848(d)"),
                           finding(1, 1, "UN1203", "UN1076", kDoNotLoad, "49cfr177.848(d)"),
                           finding(4, 21, "", "", "Check your company policy.", "")});
        QCOMPARE(panel.headings(), QStringList({"Do Not Load (1)", "Information (2)"}));
        QCOMPARE(panel.findingCount(), 3);

        QSignalSpy hovered(&panel, &FindingsPanel::findingHovered);
        QSignalSpy clicked(&panel, &FindingsPanel::citationClicked);
        const auto rows = panel.findChildren<QFrame *>(QStringLiteral("finding"));
        QCOMPARE(rows.size(), 3);
        QWidget *first = rows.first();
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(first, &enter);
        QCOMPARE(hovered.count(), 1);
        const auto *shown = hovered.at(0).at(0).value<const MessageEntry *>();
        QVERIFY(shown);
        QCOMPARE(shown->code, 1);
        QTest::mouseClick(first, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toString(), QStringLiteral("49cfr177.848(d)"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(first, &leave);
        QCOMPARE(hovered.last().at(0).value<const MessageEntry *>(), nullptr);
        // a finding without a citation opens nothing
        QTest::mouseClick(rows.last(), Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);

        panel.setFindings({});
        QCOMPARE(panel.findingCount(), 0);
    }
};

Q_DECLARE_METATYPE(const velmora::MessageEntry *)
QTEST_MAIN(FindingsPanelTest)
#include "findings_panel_test.moc"
