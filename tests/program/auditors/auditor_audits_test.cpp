// Real table entries driven through the committed label and marking
// scripts with scripted answers: the labels and marks each result page
// requires, as 49 CFR 172.400, 172.402 and 172.301-172.331 state them.
#include "auditors/scripts/label_audit.h"
#include "auditors/scripts/marking_audit.h"
#include "support/truckload_items.h"

#include "dravlen.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmora::auditors;

namespace {

const QString kData = QStringLiteral(VELMORA_AUDITOR_DATA);

struct Qualifiers {
    bool limitedQuantity = false;
    bool exceptedQuantity = false;
    bool bulk = false;
    bool hazardousSubstance = false;
    bool hazardousWaste = false;
    bool marinePollutant = false;
};

// The entry of an ID number in a packing-group slot, with qualifiers, read as
// the auditors read it.  Empty ID when the table has no such entry.
AuditItem realItem(Engine *engine, const QString &id, int packingGroup, const Qualifiers &q)
{
    alignas(std::max_align_t) unsigned char storage[256] = {};
    auto *item = reinterpret_cast<Hazmat *>(storage);
    const int pid = SearchCT_HazData(id.toLatin1().constData(), 2, 0);
    if (pid <= 0)
        return {};
    Init_Hazmat(item, pid);
    SetPackingGroup_Hazmat(item, packingGroup);
    SetWeight_Hazmat(item, 100);
    SetLimitedQuantity_Hazmat(item, q.limitedQuantity ? -1 : 0);
    SetExceptedQuantity_Hazmat(item, q.exceptedQuantity ? -1 : 0);
    SetBulkPackaging_Hazmat(item, q.bulk ? -1 : 0);
    SetHazardousSubstance_Hazmat(item, q.hazardousSubstance ? -1 : 0);
    SetHazardousWaste_Hazmat(item, q.hazardousWaste ? -1 : 0);
    SetMarinePollutant_Hazmat(item, q.marinePollutant ? -1 : 0);
    AuditItem a = auditItemFromHazmat(item, GetRuleset_Engine(engine));
    Reset_Hazmat(item, 0);
    return a;
}

// Answers every question: YES when the page holds one of the texts, else NO.
// Returns the number of questions answered.
int answerAll(Audit &audit, const QStringList &yesWhen)
{
    int answered = 0;
    while (audit.answersEnabled() && !audit.finished() && answered < 60) {
        const QString page = audit.view();
        const bool yes = std::any_of(yesWhen.begin(), yesWhen.end(), [&](const QString &t) { return page.contains(t); });
        audit.answer(yes);
        ++answered;
    }
    return answered;
}

// The pictures of a page, in order: file names under LABELS/ or Markings/.
QStringList pictures(const QString &page, const QString &folder)
{
    static const QRegularExpression src(QStringLiteral("SRC=\"[^\"]*/(LABELS|Markings)/([^\"]+)\""));
    QStringList out;
    for (auto m = src.globalMatch(page); m.hasNext();) {
        const auto match = m.next();
        if (match.captured(1) == folder)
            out << match.captured(2);
    }
    return out;
}

// The cite keys of every regulation link of a page.
QStringList citeKeys(const QString &page)
{
    static const QRegularExpression link(QStringLiteral("quarvel cite=([^\"]+)\""), QRegularExpression::CaseInsensitiveOption);
    QStringList out;
    for (auto m = link.globalMatch(page); m.hasNext();)
        out << m.next().captured(1);
    return out;
}

const QStringList kLabelingApplies = {QStringLiteral("holding a package that must be labeled?"),
                                      QStringLiteral("label is required")};

} // namespace

class AuditorAuditsTest : public QObject {
    Q_OBJECT
private slots:
    void labelsOfRealItems_data();
    void labelsOfRealItems();
    void labelExceptionsAtTheStart_data();
    void labelExceptionsAtTheStart();
    void overpackShowsTheOverpackMark();
    void explosiveWithPoisonSubsidiaryGetsTheWaiverLine();
    void corrosiveExemptionOverridesThePrimaryLabel();
    void labelScriptRunningOffItsEnd();
    void retryStartsOver();
    void marksOfRealItems_data();
    void marksOfRealItems();
    void markingPagesWithoutQuestions();
    void markingScriptErrorNamesFileAndLine();

private:
    velmora::test::TestEngine engine_;
};

void AuditorAuditsTest::labelsOfRealItems_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("packingGroup");
    QTest::addColumn<QStringList>("yesWhen");
    QTest::addColumn<QStringList>("labels");     // primary first, then subsidiaries
    QTest::addColumn<QStringList>("citations");  // cite keys the page must link

    const QStringList applies = kLabelingApplies;
    // 172.400(b): the label of the primary hazard.
    QTest::newRow("gasoline, class 3") << "UN1203" << 2 << applies << QStringList{"3flmliq.jpg"}
                                       << QStringList{"49CFR172.419"};
    QTest::newRow("sodium, 4.3") << "UN1428" << 1 << applies << QStringList{"4dwet.gif"} << QStringList{"49CFR172.423"};
    QTest::newRow("infectious substance, 6.2") << "UN2814" << 0 << applies << QStringList{"6infect.gif"}
                                               << QStringList{"49CFR172.432"};
    QTest::newRow("sulfuric acid, 8") << "UN1830" << 2 << applies << QStringList{"8corrv.gif"}
                                      << QStringList{"49CFR172.442"};
    // 172.411: EXPLOSIVE 1.4 with its compatibility group.
    QTest::newRow("cartridges, 1.4S") << "UN0012" << 0 << applies << QStringList{"1_4S.gif"}
                                      << QStringList{"49CFR172.411"};
    // 172.400(b) and 172.402(g): POISON GAS with OXIDIZER and CORROSIVE.
    QTest::newRow("chlorine, 2.3 (5.1, 8), inhalation hazard")
        << "UN1017" << 0 << applies << QStringList{"2poison.gif", "5oxid.gif", "8corrv.gif"}
        << QStringList{"49CFR172.416", "49CFR172.426", "49CFR172.442"};
    // 172.400(b): POISON INHALATION HAZARD; 172.402(a): the Class 3 subsidiary label.
    QTest::newRow("acrolein, 6.1 (3), inhalation hazard")
        << "UN1092" << 1 << applies << QStringList{"6pih.gif", "3flmliq.jpg"} << QStringList{"49CFR172.429", "49CFR172.419"};
    // 172.402(a): the Division 6.1 subsidiary of a material poisonous by
    // inhalation is labeled POISON INHALATION HAZARD (172.400(b)).
    QTest::newRow("bromine, 8 (6.1), inhalation hazard")
        << "UN1744" << 1 << applies << QStringList{"8corrv.gif", "6pih.gif"} << QStringList{"49CFR172.442", "49CFR172.429"};
    QTest::newRow("flammable liquid, toxic, 3 (6.1)") << "UN1992" << 2 << applies << QStringList{"3flmliq.jpg", "6POISN.GIF"}
                                       << QStringList{"49CFR172.419", "49CFR172.430"};
    // 172.405(c): PG III in place of POISON; 172.402(a)(2): a Class 3
    // subsidiary in packing group III is labeled unless the flash point is at
    // or above 38 °C.
    QTest::newRow("pesticide 6.1 (3) PG III, flash point below 38 C")
        << "UN2903" << 3 << applies << QStringList{"6pgiii.gif", "3flmliq.jpg"}
        << QStringList{"49CFR172.405(c)", "49CFR172.419"};
    QTest::newRow("pesticide 6.1 (3) PG III, flash point 38 C or above")
        << "UN2903" << 3 << applies + QStringList{"flashpoint at or above 38"} << QStringList{"6pgiii.gif"}
        << QStringList{"49CFR172.405(c)"};
    // 172.405(b): the OXYGEN label in place of NON-FLAMMABLE GAS and OXIDIZER.
    QTest::newRow("oxygen, OXYGEN label") << "UN1072" << 0 << applies + QStringList{"labeled with the OXYGEN label"}
                                          << QStringList{"oxygen.gif"} << QStringList{"49CFR172.405(b)"};
    QTest::newRow("oxygen, NON-FLAMMABLE GAS and OXIDIZER")
        << "UN1072" << 0 << applies << QStringList{"2nonflam.gif", "5oxid.gif"}
        << QStringList{"49CFR172.415", "49CFR172.426"};
    // 172.403(c): transport index over 1 gives RADIOACTIVE YELLOW-III.
    QTest::newRow("radioactive, Yellow-III")
        << "UN2916" << 0 << QStringList{"transport index more than 1", "transport index more than 0"}
        << QStringList{"7yellow3.gif"} << QStringList{"49CFR172.440"};
    // 172.447: lithium batteries bear the LITHIUM BATTERY label.
    QTest::newRow("lithium ion batteries, 9") << "UN3480" << 0 << applies << QStringList{"9lithbat.gif"}
                                              << QStringList{"49CFR172.447"};
    // 172.402(c): CARGO AIRCRAFT ONLY when offered by air as such.
    QTest::newRow("sodium by cargo aircraft") << "UN1428" << 1 << applies + QStringList{"cargo aircraft only?"}
                                              << QStringList{"4dwet.gif", "cao.gif"}
                                              << QStringList{"49CFR172.423", "49CFR172.448"};
}

void AuditorAuditsTest::labelsOfRealItems()
{
    QFETCH(QString, id);
    QFETCH(int, packingGroup);
    QFETCH(QStringList, yesWhen);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, citations);

    const AuditItem item = realItem(engine_.get(), id, packingGroup, {});
    QCOMPARE(item.id, id);
    LabelAudit audit(item, AuditorFolders(kData));
    audit.start();
    QVERIFY(audit.answersEnabled());
    QVERIFY(answerAll(audit, yesWhen) > 0);
    QVERIFY2(audit.finished(), qPrintable(audit.view().right(400)));
    QVERIFY(!audit.panelVisible());
    QVERIFY(audit.printEnabled());
    QVERIFY2(audit.takeProblems().isEmpty(), "the committed scripts read cleanly");
    const QString page = audit.view();
    QCOMPARE(pictures(page, QStringLiteral("LABELS")), labels);
    const QStringList keys = citeKeys(page);
    for (const QString &c : citations)
        QVERIFY2(keys.contains(c), qPrintable(c + QStringLiteral(" in ") + keys.join(u' ')));
    QVERIFY(page.contains(QStringLiteral("Labeling Instructions")));
    QCOMPARE(page.contains(QStringLiteral("Subsidiary Labels")), labels.size() > 2);
    QVERIFY(page.contains(labels.size() == 1 ? QStringLiteral("Subsidiary Label(s)") : QStringLiteral("Subsidiary Label")));
    // Radioactive instructions only for Class 7.
    QCOMPARE(page.contains(QStringLiteral("radioactive")), item.primary() == u"7");
    if (item.primary() == u"8") {
        const QList<AuditMessage> messages = audit.takeMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages.first().text.startsWith(QStringLiteral("No label is required if shipper/filler")));
    }
}

void AuditorAuditsTest::labelExceptionsAtTheStart_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("packingGroup");
    QTest::addColumn<bool>("limitedQuantity");
    QTest::addColumn<bool>("exceptedQuantity");
    QTest::addColumn<QString>("citation");
    // 172.400a(b): limited quantities are excepted from labeling.
    QTest::newRow("paint, limited quantity") << "UN1263" << 2 << true << false << "49 CFR 172.400a(b)";
    // 173.4a: excepted quantities.
    QTest::newRow("methanol, excepted quantity") << "UN1230" << 2 << false << true << "49 CFR 173.4a";
    // 173.150(f): a combustible liquid has no label.
    QTest::newRow("combustible fuel oil") << "NA1993" << 3 << false << false << "49 CFR 173.150(f)";
}

void AuditorAuditsTest::labelExceptionsAtTheStart()
{
    QFETCH(QString, id);
    QFETCH(int, packingGroup);
    QFETCH(bool, limitedQuantity);
    QFETCH(bool, exceptedQuantity);
    QFETCH(QString, citation);
    Qualifiers q;
    q.limitedQuantity = limitedQuantity;
    q.exceptedQuantity = exceptedQuantity;
    AuditItem item = realItem(engine_.get(), id, packingGroup, q);
    QCOMPARE(item.id, id);
    QCOMPARE(item.limitedQuantity, limitedQuantity);
    QCOMPARE(item.exceptedQuantity, exceptedQuantity);
    if (id == u"NA1993")
        item.hazardCodes = QStringList{QStringLiteral("COMB")};  // reclassed as a combustible liquid
    LabelAudit audit(item, AuditorFolders(kData));
    audit.start();
    QVERIFY(audit.finished());
    QVERIFY(!audit.answersEnabled());
    const QString page = audit.view();
    QVERIFY2(page.contains(QStringLiteral("Exempt from labeling according to")), qPrintable(page));
    QVERIFY(page.contains(QStringLiteral("<B>%1</B>").arg(citation)));
    QVERIFY(pictures(page, QStringLiteral("LABELS")).isEmpty());
}

void AuditorAuditsTest::overpackShowsTheOverpackMark()
{
    const AuditItem item = realItem(engine_.get(), QStringLiteral("UN1203"), 2, {});
    LabelAudit audit(item, AuditorFolders(kData));
    audit.start();
    answerAll(audit, kLabelingApplies + QStringList{QStringLiteral("Is the hazmat in an overpack")});
    QVERIFY(audit.finished());
    const QString page = audit.view();
    QCOMPARE(pictures(page, QStringLiteral("LABELS")), QStringList({"3flmliq.jpg", "overpack.jpg"}));
    QVERIFY(page.contains(QStringLiteral("Primary Labels")));
    QVERIFY(citeKeys(page).contains(QStringLiteral("49CFR173.25")));
}

void AuditorAuditsTest::explosiveWithPoisonSubsidiaryGetsTheWaiverLine()
{
    AuditItem item;
    item.id = QStringLiteral("UN0143");
    item.shippingName = QStringLiteral("Nitroglycerin, desensitized");
    item.hazardCodes = {QStringLiteral("1.1D"), QStringLiteral("6.1")};
    LabelAudit audit(item, AuditorFolders(kData));
    audit.start();
    answerAll(audit, kLabelingApplies);
    QVERIFY(audit.finished());
    const QString page = audit.view();
    QCOMPARE(pictures(page, QStringLiteral("LABELS")), QStringList({"1_1D.gif", "6POISN.GIF"}));
    // Special Provision 125 comes right after the table opener of the instructions.
    const QStringList lines = page.split(QStringLiteral("\r\n"));
    const qsizetype opener = lines.indexOf(QStringLiteral("<TABLE WIDTH=\"100%\" CELLPADDING=\"2\">"));
    QVERIFY(opener > 0);
    QVERIFY(lines.value(opener + 1).contains(QStringLiteral("Special Provision 125:")));
}

void AuditorAuditsTest::corrosiveExemptionOverridesThePrimaryLabel()
{
    AuditItem item;
    item.id = QStringLiteral("UN2794");
    item.hazardCodes = {QStringLiteral("8")};
    item.packingGroup = 3;
    item.exemptions.set(32);
    LabelAudit audit(item, AuditorFolders(kData));
    audit.start();
    // The first answer that reaches a primary action finishes the audit.
    const int answered = answerAll(audit, kLabelingApplies);
    QVERIFY(audit.finished());
    QCOMPARE(pictures(audit.view(), QStringLiteral("LABELS")), QStringList{"8corrv.gif"});
    QVERIFY(citeKeys(audit.view()).contains(QStringLiteral("49CFR172.442")));
    QVERIFY(!audit.view().contains(QStringLiteral("Labeling Instructions")));
    QVERIFY(answered > 0);

    // Exemption 15 (173.199) answers itself before any question.
    AuditItem categoryB;
    categoryB.id = QStringLiteral("UN3373");
    categoryB.hazardCodes = {QStringLiteral("6.2")};
    categoryB.exemptions.set(15);
    LabelAudit exempt(categoryB, AuditorFolders(kData));
    exempt.start();
    QVERIFY(exempt.finished());
    QVERIFY(exempt.view().contains(QStringLiteral("<B>49 CFR 173.199</B>")));
}

void AuditorAuditsTest::labelScriptRunningOffItsEnd()
{
    // A script whose last answer says "NEXT": the audit finishes as "STOP"
    // does, in either phase, and never reads past the script.
    QTemporaryDir dir;
    QDir root(dir.path());
    QVERIFY(root.mkpath(QStringLiteral("HAZMAT")));
    QVERIFY(root.mkpath(QStringLiteral("LABELS")));
    QFile::copy(kData + QStringLiteral("LABELS/4flmsol.svg"), root.filePath(QStringLiteral("LABELS/4flmsol.svg")));
    auto write = [&](const QString &name, const QByteArray &text) {
        QFile f(root.filePath(QStringLiteral("HAZMAT/") + name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    };
    write(QStringLiteral("4.1.DIV"), "49 CFR 172.420|Is it?|NEXT|PRIM@49 CFR 172.420@4flmsol.gif@NEXT\n");
    AuditItem item;
    item.id = QStringLiteral("UN1325");
    item.hazardCodes = {QStringLiteral("4.1")};
    item.packingGroup = 2;

    LabelAudit noLabel(item, AuditorFolders(dir.path()));
    noLabel.start();
    noLabel.answer(false);  // DOD question
    noLabel.answer(false);  // runs off the end before any label
    QVERIFY(noLabel.finished());
    QVERIFY(noLabel.view().contains(QStringLiteral("ended without a label decision")));
    QVERIFY(pictures(noLabel.view(), QStringLiteral("LABELS")).isEmpty());

    LabelAudit labeled(item, AuditorFolders(dir.path()));
    labeled.start();
    labeled.answer(false);
    labeled.answer(true);  // the label, then past the end in the subsidiary phase
    QVERIFY(labeled.finished());
    QCOMPARE(pictures(labeled.view(), QStringLiteral("LABELS")), QStringList{"4flmsol.gif"});
    QVERIFY(labeled.view().contains(QStringLiteral("Subsidiary Label(s)")));
    QCOMPARE(labeled.lineIndex(), labeled.script().size());

    // "STOP" finishes whichever answer chose it, YES included.
    write(QStringLiteral("SUBSIDIARY.DIV"), "49 CFR 172.402(c)|By cargo aircraft?|NEXT|STOP\n"
                                            "49 CFR 172.402(c)|Never asked?|NEXT|NEXT\n");
    LabelAudit stopped(item, AuditorFolders(dir.path()));
    stopped.start();
    stopped.answer(false);
    stopped.answer(true);
    QVERIFY(!stopped.finished());
    stopped.answer(true);
    QVERIFY(stopped.finished());
    QVERIFY(!stopped.view().contains(QStringLiteral("Never asked?")));
    QCOMPARE(pictures(stopped.view(), QStringLiteral("LABELS")), QStringList{"4flmsol.gif"});
}

void AuditorAuditsTest::retryStartsOver()
{
    const AuditItem item = realItem(engine_.get(), QStringLiteral("UN1203"), 2, {});
    LabelAudit audit(item, AuditorFolders(kData));
    audit.start();
    QVERIFY(audit.printEnabled());
    answerAll(audit, kLabelingApplies);
    QVERIFY(audit.finished());
    const QString first = audit.view();
    audit.retry();
    QVERIFY(!audit.finished());
    QVERIFY(audit.panelVisible());
    QVERIFY(!audit.printEnabled());
    QCOMPARE(audit.lineIndex(), 0);
    answerAll(audit, kLabelingApplies);
    QCOMPARE(audit.view(), first);
    QVERIFY(audit.printEnabled());
}

void AuditorAuditsTest::marksOfRealItems_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("packingGroup");
    QTest::addColumn<QString>("qualifiers");  // letters: L limited, B bulk, S substance, W waste, M marine pollutant
    QTest::addColumn<QStringList>("yesWhen");
    QTest::addColumn<QStringList>("marks");
    QTest::addColumn<QStringList>("required");  // cite keys of the instruction rows
    QTest::addColumn<QStringList>("absent");

    // 172.315(a): a limited quantity bears the limited quantity mark and
    // needs neither the name and ID number nor the consignee (172.301(a)).
    QTest::newRow("paint, limited quantity") << "UN1263" << 2 << "L" << QStringList() << QStringList{"LTD_QTY.GIF"}
                                             << QStringList{"49CFR172.315(a)"}
                                             << QStringList{"49CFR172.301(a)", "49CFR172.324(a)"};
    // ... unless it is a hazardous substance: then the name, ID and RQ too (172.324).
    QTest::newRow("paint, limited quantity, hazardous substance")
        << "UN1263" << 2 << "LS" << QStringList() << QStringList{"LTD_QTY.GIF"}
        << QStringList{"49CFR172.315(a)", "49CFR172.301(a)", "49CFR172.324(a)", "49CFR172.324(b)", "49CFR172.301(d)"}
        << QStringList{"49CFR172.302(a)"};
    // 172.301(a), (d): a non-bulk package; 172.312(a): orientation arrows.
    QTest::newRow("methanol in a combination package")
        << "UN1230" << 2 << "" << QStringList{"inner packagings holding liquids"} << QStringList{"ARROWS.GIF"}
        << QStringList{"49CFR172.301(a)", "49CFR172.301(d)", "49CFR172.312(a)"} << QStringList{"49CFR172.302(a)"};
    // 40 CFR 262.32 and 172.324 for a hazardous waste.
    QTest::newRow("methanol, hazardous waste") << "UN1230" << 2 << "W" << QStringList() << QStringList()
                                               << QStringList{"49CFR172.301(a)", "49CFR172.324(a)"}
                                               << QStringList{"49CFR172.324(b)"};
    // 172.302(a): a bulk packaging shows the ID number; 172.328 for a cargo tank.
    QTest::newRow("gasoline in a cargo tank") << "UN1203" << 2 << "B" << QStringList{"in a cargo tank?"} << QStringList()
                                              << QStringList{"49CFR172.302(a)", "49CFR172.328(a)", "49CFR172.328(d)"}
                                              << QStringList{"49CFR172.301(a)"};
    // 172.331(b): numbers on panels or placards replace the 172.302(a) row.
    QTest::newRow("gasoline in an IBC") << "UN1203" << 2 << "B" << QStringList{"(for example an IBC)"} << QStringList()
                                        << QStringList{"49CFR172.331(b)"} << QStringList{"49CFR172.302(a)"};
    // 172.322(b): a bulk marine pollutant bears the MARINE POLLUTANT mark.
    QTest::newRow("bulk marine pollutant") << "UN1993" << 3 << "BM" << QStringList() << QStringList{"FISH.GIF"}
                                           << QStringList{"49CFR172.322(b)", "49CFR172.302(a)"} << QStringList();
    // 172.313(a): Inhalation Hazard; (b) POISON only for Division 6.1.
    // Its NON-FLAMMABLE GAS label does not say "Inhalation Hazard": the mark goes on the package.
    QTest::newRow("ammonia, inhalation hazard, 2.2") << "UN1005" << 0 << "" << QStringList{"labels do not carry the words"}
                                                     << QStringList{"INHALHAZ.GIF"}
                                                     << QStringList{"49CFR172.313(a)", "49CFR172.301(a)"}
                                                     << QStringList{"49CFR172.313(b)"};
    QTest::newRow("acrolein, inhalation hazard, 6.1") << "UN1092" << 1 << "" << QStringList() << QStringList()
                                                      << QStringList{"49CFR172.313(a)", "49CFR172.313(b)"}
                                                      << QStringList{"49CFR172.313(d)"};
    // 172.320: EX-numbers for explosives.
    QTest::newRow("cartridges, 1.4S") << "UN0012" << 0 << "" << QStringList() << QStringList()
                                      << QStringList{"49CFR172.320(a)", "49CFR172.320(e)"} << QStringList();
    // 172.325: HOT, named by the hot-material list without a question.
    QTest::newRow("elevated temperature liquid in bulk") << "UN3257" << 3 << "B" << QStringList() << QStringList{"HOT.GIF"}
                                                         << QStringList{"49CFR172.302(a)", "49CFR172.325"}
                                                         << QStringList();
    // 172.325: the HOT question for an item not on the list.
    QTest::newRow("road tar shipped hot") << "NA1999" << 3 << "B" << QStringList{"elevated temperature material"}
                                         << QStringList{"HOT.GIF"} << QStringList{"49CFR172.325(a)"} << QStringList();
}

void AuditorAuditsTest::marksOfRealItems()
{
    QFETCH(QString, id);
    QFETCH(int, packingGroup);
    QFETCH(QString, qualifiers);
    QFETCH(QStringList, yesWhen);
    QFETCH(QStringList, marks);
    QFETCH(QStringList, required);
    QFETCH(QStringList, absent);

    Qualifiers q;
    q.limitedQuantity = qualifiers.contains(u'L');
    q.bulk = qualifiers.contains(u'B');
    q.hazardousSubstance = qualifiers.contains(u'S');
    q.hazardousWaste = qualifiers.contains(u'W');
    q.marinePollutant = qualifiers.contains(u'M');
    const AuditItem item = realItem(engine_.get(), id, packingGroup, q);
    QCOMPARE(item.id, id);
    QCOMPARE(item.limitedQuantity, q.limitedQuantity);
    QCOMPARE(item.bulk, q.bulk);
    QCOMPARE(item.hazardousSubstance, q.hazardousSubstance);
    QCOMPARE(item.hazardousWaste, q.hazardousWaste);
    QCOMPARE(item.marinePollutant, q.marinePollutant);

    MarkingAudit audit(item, AuditorFolders(kData));
    audit.start();
    QVERIFY(!audit.printEnabled());
    QVERIFY(answerAll(audit, yesWhen) > 0);
    QVERIFY(audit.finished());
    QVERIFY(!audit.panelVisible());
    QVERIFY(audit.printEnabled());
    QVERIFY(audit.takeProblems().isEmpty());
    QVERIFY(audit.takeMessages().isEmpty());
    const QString page = audit.view();
    QVERIFY(page.contains(QStringLiteral("Package Marking Graphics")));
    QCOMPARE(pictures(page, QStringLiteral("Markings")), marks);
    QCOMPARE(page.contains(QStringLiteral("Applicable Regulations:")), marks.size() > 1);
    const QString instructions = page.mid(page.indexOf(QStringLiteral("Package Marking Instructions")));
    const QStringList keys = citeKeys(instructions);
    for (const QString &c : required)
        QVERIFY2(keys.contains(c) || citeKeys(page).contains(c), qPrintable(c + QStringLiteral(" in ") + keys.join(u' ')));
    for (const QString &c : absent)
        QVERIFY2(!keys.contains(c), qPrintable(c));
    if (item.hazardousWaste && !item.bulk)
        QVERIFY(instructions.contains(QStringLiteral("40 CFR 262.32(b)(1)")));
    // A hot material on the list is not asked about; the others are, last.
    QCOMPARE(audit.hotMaterialKnown(), id == u"UN3257");
    if (id == u"UN3257")
        QVERIFY(page.contains(QStringLiteral("49 CFR 172.325:")));
}

void AuditorAuditsTest::markingPagesWithoutQuestions()
{
    // 172.203(d): a radioactive item is marked as its shipping papers say.
    MarkingAudit radioactive(realItem(engine_.get(), QStringLiteral("UN2916"), 0, {}), AuditorFolders(kData));
    radioactive.start();
    QVERIFY(radioactive.finished());
    QVERIFY(radioactive.view().contains(QStringLiteral("quarvel cite=49CFR172.203(d)")));
    QVERIFY(radioactive.printEnabled());

    // 173.4a(g): the excepted quantity mark.
    Qualifiers eq;
    eq.exceptedQuantity = true;
    MarkingAudit excepted(realItem(engine_.get(), QStringLiteral("UN1230"), 2, eq), AuditorFolders(kData));
    excepted.start();
    QVERIFY(excepted.finished());
    QCOMPARE(pictures(excepted.view(), QStringLiteral("Markings")), QStringList{"EQ.JPG"});
    QVERIFY(excepted.view().contains(QStringLiteral("49 CFR 173.4a(g)(1)")));

    // 173.185(c): the lithium questions come first and the lithium battery
    // mark shows, from the ruleset that brought them in.
    AuditItem lithium = realItem(engine_.get(), QStringLiteral("UN3480"), 0, {});
    QVERIFY(lithium.ruleset > 22);
    MarkingAudit battery(lithium, AuditorFolders(kData));
    battery.start();
    QVERIFY(battery.view().contains(QStringLiteral("49 CFR 173.185(c)(1)(iii)")));
    answerAll(battery, {});
    QCOMPARE(pictures(battery.view(), QStringLiteral("Markings")), QStringList{"lithiumcells.gif"});
    lithium.ruleset = 22;
    MarkingAudit older(lithium, AuditorFolders(kData));
    older.start();
    QVERIFY(!older.view().contains(QStringLiteral("173.185(c)(1)(iii)")));
    answerAll(older, {});
    QVERIFY(pictures(older.view(), QStringLiteral("Markings")).isEmpty());
}

void AuditorAuditsTest::markingScriptErrorNamesFileAndLine()
{
    QTemporaryDir dir;
    QDir root(dir.path());
    QVERIFY(root.mkpath(QStringLiteral("HAZMAT")));
    QFile f(root.filePath(QStringLiteral("HAZMAT/3.MRK")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("49 CFR 172.312(a)|First?|NEXT|NEXT\n\n49 CFR 172.301(c)|Second?|NEXT|GOTO 9\n");
    f.close();
    MarkingAudit audit(realItem(engine_.get(), QStringLiteral("UN1203"), 2, {}), AuditorFolders(dir.path()));
    audit.start();
    // The reader names the line already.
    const QList<DataFileProblem> problems = audit.takeProblems();
    QCOMPARE(problems.size(), 1);
    QCOMPARE(problems.first().text(), QStringLiteral("HAZMAT/3.MRK, line 3: unknown action \"GOTO 9\""));
    audit.answer(true);
    audit.answer(true);
    const QList<AuditMessage> messages = audit.takeMessages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().kind, AuditMessage::Kind::Error);
    QCOMPARE(messages.first().text, QStringLiteral("Division file \"3.MRK\" contains errors on line 3."));
    QVERIFY(audit.view().isEmpty());
    QVERIFY(!audit.panelVisible());
    QVERIFY(audit.script().isEmpty());
    // Answers after the error change nothing.
    audit.answer(false);
    QVERIFY(audit.takeMessages().isEmpty());
}

QTEST_GUILESS_MAIN(AuditorAuditsTest)
#include "auditor_audits_test.moc"
