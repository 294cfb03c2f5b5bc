// The regulations viewer and the Emergency Response Guide without a
// display: citations as the program writes them, paragraph location in the
// shipped regulation text, link forms, pages, and guide lookups in the
// shipped guidebook.
#include "viewer/citation.h"
#include "viewer/erg_library.h"
#include "viewer/erg_page.h"
#include "viewer/regulation_library.h"
#include "viewer/regulation_page.h"
#include "viewer/viewer_links.h"

#include "shipped_data.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace velmora::viewer;

using namespace velmora::viewer::test;

class ViewerLogicTest : public QObject {
    Q_OBJECT
private slots:
    void citationParsing_data();
    void citationParsing();
    void paragraphLocation_data();
    void paragraphLocation();
    void designationNesting_data();
    void designationNesting();
    void regulationTextIsReadOrRefused_data();
    void regulationTextIsReadOrRefused();
    void searchFindsAcrossSections();
    void contentsKnowEveryPart();
    void linkForms_data();
    void linkForms();
    void localPagesStayInTheProgramFolder();
    void sectionPageMarkup();
    void missingSectionPageOffersTheAddress();
    void ergGuideLookup_data();
    void ergGuideLookup();
    void ergPages();
    void ergDataRefusedWhenMalformed();
};

void ViewerLogicTest::citationParsing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QStringList>("paragraphs");
    QTest::addColumn<QString>("address");
    QTest::newRow("plain") << "49CFR172.504(f)(2)" << true << "172.504" << QStringList{"f", "2"}
                           << "https://www.ecfr.gov/current/title-49/section-172.504#p-172.504(f)(2)";
    QTest::newRow("quarvel link") << "quarvel cite=49CFR177.848" << true << "177.848" << QStringList{}
                                  << "https://www.ecfr.gov/current/title-49/section-177.848";
    QTest::newRow("capitals") << "QUARVEL CITE=49CFR172.504" << true << "172.504" << QStringList{}
                              << "https://www.ecfr.gov/current/title-49/section-172.504";
    QTest::newRow("special provision") << "cite=49cfr172.102(144)" << true << "172.102" << QStringList{"144"}
                                       << "https://www.ecfr.gov/current/title-49/section-172.102#p-172.102(144)";
    QTest::newRow("no title") << "173.150(f)(3)(ii)" << true << "173.150" << QStringList{"f", "3", "ii"}
                              << "https://www.ecfr.gov/current/title-49/section-173.150#p-173.150(f)(3)(ii)";
    QTest::newRow("permit") << "385.403(b)" << true << "385.403" << QStringList{"b"}
                            << "https://www.ecfr.gov/current/title-49/section-385.403#p-385.403(b)";
    QTest::newRow("blanks and section sign") << "49 CFR \u00A7 172.301(a)(3)" << true << "172.301"
                                             << QStringList{"a", "3"}
                                             << "https://www.ecfr.gov/current/title-49/section-172.301#p-172.301(a)(3)";
    QTest::newRow("suffix") << "49CFR178.337-1(a)" << true << "178.337-1" << QStringList{"a"}
                            << "https://www.ecfr.gov/current/title-49/section-178.337-1#p-178.337-1(a)";
    QTest::newRow("letter section") << "49cfr173.4b" << true << "173.4b" << QStringList{}
                                    << "https://www.ecfr.gov/current/title-49/section-173.4b";
    QTest::newRow("other title") << "40CFR302.4" << true << "302.4" << QStringList{}
                                 << "https://www.ecfr.gov/current/title-40/section-302.4";
    QTest::newRow("whole part") << "49CFR397" << true << "" << QStringList{}
                                << "https://www.ecfr.gov/current/title-49/part-397";
    QTest::newRow("trailing text ignored") << "172.504(e) and (f)." << true << "172.504" << QStringList{"e"}
                                           << "https://www.ecfr.gov/current/title-49/section-172.504#p-172.504(e)";
    QTest::newRow("not a citation") << "cite=abc" << false << "" << QStringList{}
                                    << "https://www.ecfr.gov/current/title-49";
    QTest::newRow("empty") << "" << false << "" << QStringList{} << "https://www.ecfr.gov/current/title-49";
}

void ViewerLogicTest::citationParsing()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QString, section);
    QFETCH(QStringList, paragraphs);
    QFETCH(QString, address);
    const Citation c = parseCitation(text);
    QCOMPARE(c.valid, valid);
    QCOMPARE(c.section, section);
    QCOMPARE(c.paragraphs, paragraphs);
    QCOMPARE(ecfrAddress(c), address);
}

void ViewerLogicTest::paragraphLocation_data()
{
    QTest::addColumn<QString>("citation");
    QTest::addColumn<QString>("firstLineStart");   // empty: the paragraph is not in the copy
    QTest::addColumn<int>("matched");
    QTest::addColumn<int>("minimumLines");
    QTest::newRow("172.504(f)(2)") << "49CFR172.504(f)(2)" << "(2) A FLAMMABLE placard may be used in place of a COMBUSTIBLE"
                                   << 2 << 2;
    QTest::newRow("capital letter in link") << "49CFR172.504(F)(2)"
                                            << "(2) A FLAMMABLE placard may be used in place of a COMBUSTIBLE" << 2 << 2;
    QTest::newRow("177.848(d)") << "quarvel cite=49CFR177.848(d)" << "(d) Except as otherwise provided in this subchapter"
                                << 1 << 1;
    QTest::newRow("roman after number") << "173.150(f)(3)(ii)" << "(ii) Marking of packages;" << 3 << 1;
    QTest::newRow("roman x, not the letter") << "173.150(f)(3)(x)" << "(x) Emergency response information" << 3 << 1;
    QTest::newRow("385.403(b)") << "385.403(b)" << "(b) More than 25 kg (55 pounds)" << 1 << 1;
    QTest::newRow("cargo tank specification") << "49CFR178.337-1(a)(3)" << "(3) Made of steel or aluminum" << 2 << 1;
    QTest::newRow("special provision text not in copy") << "cite=49cfr172.102(144)" << "" << 0 << 0;
    QTest::newRow("deeper than the copy") << "49CFR385.403(b)(7)" << "(b) More than 25 kg (55 pounds)" << 1 << 1;
}

void ViewerLogicTest::paragraphLocation()
{
    QFETCH(QString, citation);
    QFETCH(QString, firstLineStart);
    QFETCH(int, matched);
    QFETCH(int, minimumLines);
    const Citation c = parseCitation(citation);
    const Section *s = regulations().find(c.section);
    QVERIFY2(s, qPrintable(c.section));
    const ParagraphSpan span = locateParagraph(s->lines, c.paragraphs);
    QCOMPARE(span.matched, matched);
    if (firstLineStart.isEmpty()) {
        QCOMPARE(span.first, -1);
        return;
    }
    QVERIFY(span.first >= 0);
    QVERIFY2(s->lines[span.first].startsWith(firstLineStart), qPrintable(s->lines[span.first]));
    QVERIFY(span.last - span.first + 1 >= minimumLines);
    // The paragraph ends where the next one of its level or above begins.
    if (span.last + 1 < s->lines.size()) {
        const QStringList next = designationPaths(s->lines)[span.last + 1];
        QVERIFY(next.mid(0, span.matched) != c.paragraphs.mid(0, span.matched));
    }
}

void ViewerLogicTest::designationNesting_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("line");
    QTest::addColumn<QStringList>("path");
    const QStringList hi = {"(h) H.", "(1) One.", "(i) Which?", "(j) J."};
    QTest::newRow("letter i, the next is j") << hi << 2 << QStringList{"i"};
    const QStringList roman = {"(h) H.", "(1) One.", "(i) Which?", "(ii) Two."};
    QTest::newRow("roman i, the next is ii") << roman << 2 << QStringList{"h", "1", "i"};
    const QStringList deep = {"(a) A.", "(1) One.", "(i) Roman.", "(A) Capital.", "(1) Italic one.", "(2) Italic two.",
                              "(2) Two."};
    QTest::newRow("number under a capital") << deep << 4 << QStringList{"a", "1", "i", "A", "1"};
    QTest::newRow("back to the number level") << deep << 6 << QStringList{"a", "2"};
    const QStringList chained = {"(a) A.", "(c)(1) Chained.", "| cell | cell |", "Undesignated text."};
    QTest::newRow("chained designations") << chained << 1 << QStringList{"c", "1"};
    QTest::newRow("table rows belong to the paragraph above") << chained << 2 << QStringList{"c", "1"};
    QTest::newRow("cross reference is not a designation")
        << QStringList{"(a) See paragraph (b) of this section.", "paragraph (c) applies."} << 1 << QStringList{"a"};
}

void ViewerLogicTest::designationNesting()
{
    QFETCH(QStringList, lines);
    QFETCH(int, line);
    QFETCH(QStringList, path);
    QCOMPARE(designationPaths(lines)[line], path);
}

void ViewerLogicTest::regulationTextIsReadOrRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("reason");
    QTest::newRow("good") << "# comment\n\u00A7 1.1\tHead.\t1\tA\t2024-10-01\tx\n(a) Text.\n" << true << "";
    QTest::newRow("short header") << "\u00A7 1.1\tHead.\t1\n(a) Text.\n" << false << "not a section header";
    QTest::newRow("text before any section") << "(a) Text.\n\u00A7 1.1\tH\t1\tA\t2024\tx\n" << false << "outside any section";
    QTest::newRow("empty") << "" << false << "no section";
    QTest::newRow("foreign bytes") << QString::fromLatin1("\xff\xfe\x00garbage", 10) << false << "";
}

void ViewerLogicTest::regulationTextIsReadOrRefused()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QString, reason);
    RegulationLibrary lib;
    QString error;
    QCOMPARE(lib.loadText(text, &error), ok);
    QCOMPARE(lib.sections().isEmpty(), !ok);
    if (!ok)
        QVERIFY2(!error.isEmpty() && error.contains(reason), qPrintable(error));
    // A missing file says which file.
    QVERIFY(!lib.load(QStringLiteral("/nonexistent/cfr-sections.txt"), &error));
    QVERIFY(error.contains(QStringLiteral("/nonexistent/cfr-sections.txt")));
}

void ViewerLogicTest::searchFindsAcrossSections()
{
    const QVector<SearchHit> hits = regulations().search(QStringLiteral("dangerous placard"));
    QVERIFY(!hits.isEmpty());
    QSet<QString> sections;
    for (const SearchHit &h : hits) {
        const Section &s = regulations().sections()[h.section];
        sections.insert(s.number);
        const QString text = h.line < 0 ? s.heading : s.lines[h.line];
        QVERIFY(text.contains(QStringLiteral("dangerous"), Qt::CaseInsensitive));
        QVERIFY(text.contains(QStringLiteral("placard"), Qt::CaseInsensitive));
    }
    QVERIFY(sections.contains(QStringLiteral("172.504")));
    QVERIFY(sections.size() > 1);
    // A heading match comes before text matches.
    const QVector<SearchHit> heading = regulations().search(QStringLiteral("general placarding requirements"));
    QVERIFY(!heading.isEmpty());
    QCOMPARE(heading.front().line, -1);
    QCOMPARE(regulations().sections()[heading.front().section].number, QStringLiteral("172.504"));
    QVERIFY(regulations().search(QStringLiteral("   ")).isEmpty());
    QVERIFY(regulations().search(QStringLiteral("zzqxv nonsense")).isEmpty());
}

void ViewerLogicTest::contentsKnowEveryPart()
{
    const QStringList parts = regulations().parts();
    QCOMPARE(parts, (QStringList{"171", "172", "173", "177", "178", "180", "385", "397"}));
    for (const QString &p : parts)
        QVERIFY2(!partTitle(p).isEmpty(), qPrintable(p));
    for (const Section &s : regulations().sections()) {
        QVERIFY2(!s.edition.isEmpty() && !s.heading.isEmpty(), qPrintable(s.number));
        QVERIFY2(!editionText(s).startsWith(QStringLiteral("Edition:")), qPrintable(s.edition));
    }
    QVERIFY(regulations().find(QStringLiteral("392.9")) == nullptr);
    QVERIFY(regulations().find(QStringLiteral("385.405t")) != nullptr);
}

void ViewerLogicTest::linkForms_data()
{
    QTest::addColumn<QString>("href");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("document");
    QTest::newRow("quarvel cite") << "quarvel cite=49CFR173.25" << int(ViewerLink::Citation) << "49CFR173.25" << "";
    QTest::newRow("capitals") << "QUARVEL CITE=49CFR172.504" << int(ViewerLink::Citation) << "49CFR172.504" << "";
    QTest::newRow("bare citation of the table page") << "49cfr172.102(101)" << int(ViewerLink::Citation)
                                                     << "49cfr172.102(101)" << "";
    QTest::newRow("viewer's own") << "cite:173.403" << int(ViewerLink::Citation) << "173.403" << "";
    QTest::newRow("help page") << "viewer /cgi-bin/qvget.cgi?db=HAZMAT&doc=CHECK.HTM" << int(ViewerLink::LocalPage) << ""
                               << "CHECK.HTM";
    QTest::newRow("regulation document") << "quarvel /cgi-bin/qvget.cgi?db=HM181&doc=00090052.HTM"
                                         << int(ViewerLink::CgiDocument) << "/cgi-bin/qvget.cgi?db=HM181&doc=00090052.HTM"
                                         << "00090052.HTM";
    QTest::newRow("close") << "close" << int(ViewerLink::Close) << "" << "";
    QTest::newRow("anchor") << "#haz2" << int(ViewerLink::Anchor) << "haz2" << "";
    QTest::newRow("file") << "pictures/x.htm" << int(ViewerLink::File) << "pictures/x.htm" << "";
}

void ViewerLogicTest::linkForms()
{
    QFETCH(QString, href);
    QFETCH(int, kind);
    QFETCH(QString, value);
    QFETCH(QString, document);
    const ViewerLink link = classifyLink(href);
    QCOMPARE(int(link.kind), kind);
    QCOMPARE(link.value, value);
    QCOMPARE(link.document, document);
}

void ViewerLogicTest::localPagesStayInTheProgramFolder()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("HAZMAT")));
    QFile page(dir.filePath(QStringLiteral("HAZMAT/CHECK.HTM")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html></html>");
    page.close();
    QFile outside(dir.filePath(QStringLiteral("secret.txt")));
    QVERIFY(outside.open(QIODevice::WriteOnly));
    outside.close();
    const QString found = localPagePath(dir.path(), QStringLiteral("hazmat"), QStringLiteral("check.htm"));
    QCOMPARE(QFileInfo(found).fileName(), QStringLiteral("CHECK.HTM"));
    QVERIFY(localPagePath(dir.path(), QStringLiteral("HAZMAT"), QStringLiteral("../secret.txt")).isEmpty());
    QVERIFY(localPagePath(dir.path(), QStringLiteral(".."), QStringLiteral("secret.txt")).isEmpty());
    QVERIFY(localPagePath(dir.path(), QStringLiteral("/etc"), QStringLiteral("passwd")).isEmpty());
    QVERIFY(localPagePath(dir.path(), QStringLiteral("HAZMAT"), QStringLiteral("MISSING.HTM")).isEmpty());
}

void ViewerLogicTest::sectionPageMarkup()
{
    // Markup of the copy becomes HTML; text that looks like HTML stays text;
    // section references become links the viewer follows.
    QCOMPARE(lineHtml(QStringLiteral("**Table 1** a < b \\* c")), QStringLiteral("<b>Table 1</b> a &lt; b * c"));
    QCOMPARE(lineHtml(QStringLiteral("(a) *General.* See \u00A7 172.504(e).")),
             QStringLiteral("(a) <i>General.</i> See \u00A7 <a href=\"cite:172.504(e)\">172.504(e)</a>."));
    QCOMPARE(lineHtml(QStringLiteral("x<br>y")), QStringLiteral("x<br>y"));

    const Section *s = regulations().find(QStringLiteral("172.504"));
    QVERIFY(s);
    const ParagraphSpan span = locateParagraph(s->lines, {"f", "2"});
    const QString html = sectionPageHtml(*s, span, QStringLiteral("NOTE"), QStringLiteral("flammable"));
    QVERIFY(html.contains(QStringLiteral("<a name=\"p%1\"></a><p style=\"margin-left:24px;background-color:#fff3a0;\">")
                              .arg(span.first)));
    QVERIFY(html.contains(QStringLiteral("October 1, 2024")));
    QVERIFY(html.contains(QStringLiteral("NOTE")));
    QVERIFY(html.contains(QStringLiteral("<span style=\"background-color:#a6e3ff\">FLAMMABLE</span>")));
}

void ViewerLogicTest::missingSectionPageOffersTheAddress()
{
    const Citation c = parseCitation(QStringLiteral("quarvel cite=49cfr392.9(a)"));
    QVERIFY(c.valid);
    QVERIFY(!regulations().find(c.section));
    const QString html = missingPageHtml(c, regulations().parts());
    QVERIFY(html.contains(QStringLiteral("49 CFR 392.9(a) is not in the offline copy")));
    QVERIFY(html.contains(QStringLiteral("https://www.ecfr.gov/current/title-49/section-392.9#p-392.9(a)")));
    QVERIFY(html.contains(QStringLiteral("172, 173")));
    const QString note = paragraphNotFoundNote(parseCitation(QStringLiteral("172.102(144)")), ParagraphSpan{});
    QVERIFY(note.contains(QStringLiteral("special provisions")));
    QVERIFY(note.contains(QStringLiteral("section-172.102#p-172.102(144)")));
}

void ViewerLogicTest::ergGuideLookup_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hazardClass");
    QTest::addColumn<QString>("tableGuide");
    QTest::addColumn<QString>("guide");
    QTest::addColumn<QString>("smallIsolate");   // first Table 1 row, empty when none
    QTest::addColumn<QString>("waterGases");
    QTest::newRow("chlorine, TIH gas") << "UN1017" << "Chlorine" << "2.3" << "" << "124" << "60 m (200 ft)" << "";
    QTest::newRow("phosgene, TIH gas") << "UN1076" << "Phosgene" << "2.3" << "" << "125" << "100 m (300 ft)" << "";
    QTest::newRow("ammonia, large spill in Table 3") << "UN1005" << "Ammonia, anhydrous" << "2.2" << "" << "125"
                                                     << "30 m (100 ft)" << "";
    QTest::newRow("gasoline") << "UN1203" << "Gasoline" << "3" << "" << "128" << "" << "";
    QTest::newRow("diesel under an NA number") << "NA1993" << "Diesel fuel" << "3" << "" << "128" << "" << "";
    QTest::newRow("LPG") << "UN1075" << "Petroleum gases, liquefied" << "2.1" << "" << "115" << "" << "";
    QTest::newRow("sulfuric acid") << "1830" << "Sulfuric acid" << "8" << "" << "137" << "" << "";
    QTest::newRow("ethylene oxide, may polymerize") << "UN1040" << "Ethylene oxide" << "2.3" << "" << "119P"
                                                    << "30 m (100 ft)" << "";
    QTest::newRow("infectious substance") << "UN2814" << "Infectious substance, affecting humans" << "6.2" << ""
                                          << "158" << "" << "";
    QTest::newRow("lithium ion batteries") << "UN3480" << "Lithium ion batteries" << "9" << "" << "147" << "" << "";
    QTest::newRow("water-reactive TIH") << "UN1162" << "Dimethyldichlorosilane" << "3" << "" << "155"
                                        << "30 m (100 ft)" << "HCl";
    QTest::newRow("explosive 1.4, not in the index") << "UN0336" << "Fireworks" << "1.4G" << "" << "114" << "" << "";
    QTest::newRow("explosive 1.1 over the table's guide") << "UN0081" << "Explosive, blasting, type A" << "1.1D" << "999"
                                                          << "112" << "" << "";
    QTest::newRow("explosive 1.5") << "UN0331" << "Explosive, blasting, type B" << "1.5D" << "" << "112" << "" << "";
    QTest::newRow("table guide wins for others") << "UN1993" << "Flammable liquid, n.o.s." << "3" << "128" << "128"
                                                 << "" << "";
    QTest::newRow("unknown ID") << "UN9999" << "Nothing" << "9" << "" << "" << "" << "";
    QTest::newRow("garbled ID") << "12" << "Nothing" << "3" << "" << "" << "" << "";
}

void ViewerLogicTest::ergGuideLookup()
{
    QFETCH(QString, id);
    QFETCH(QString, name);
    QFETCH(QString, hazardClass);
    QFETCH(QString, tableGuide);
    QFETCH(QString, guide);
    QFETCH(QString, smallIsolate);
    QFETCH(QString, waterGases);
    const ErgLookup look = guidebook().lookup(id, name, hazardClass, tableGuide);
    QCOMPARE(look.guide, guide);
    if (!guide.isEmpty())
        QVERIFY2(guidebook().guide(guide), qPrintable(guide));
    QCOMPARE(look.distances.isEmpty() ? QString() : look.distances.front().smallIsolate, smallIsolate);
    QCOMPARE(look.waterReactive.isEmpty() ? QString() : look.waterReactive.front().gases, waterGases);
}

void ViewerLogicTest::ergPages()
{
    const ErgLibrary &erg = guidebook();
    QCOMPARE(erg.guideNumbers().size(), 64);
    for (const QString &n : erg.guideNumbers()) {
        const Guide *g = erg.guide(n);
        if (n == QLatin1String("121") || n == QLatin1String("167"))
            continue;   // no material refers to these in this edition
        for (const char *section : {"POTENTIAL HAZARDS", "PUBLIC SAFETY", "EMERGENCY RESPONSE"})
            QVERIFY2(!g->section(QString::fromLatin1(section)).isEmpty(), qPrintable(n + QLatin1Char(' ') + section));
    }
    // One item: no list of links; its guide, and the distances of its name.
    const QString one = ergPageHtml(erg, {{"UN1017", "Chlorine", "2.3", "124"}});
    QVERIFY(!one.contains(QStringLiteral("<ol>")));
    QVERIFY(one.contains(QStringLiteral("GUIDE 124 &mdash; Gases - Toxic and/or Corrosive - Oxidizing")));
    QVERIFY(one.contains(QStringLiteral("bgcolor=\"#88C946\">UN1017")));
    QVERIFY(one.contains(QStringLiteral("<td>60 m (200 ft)</td>")));
    // Several items: links to each part; an item with no distances has a white row.
    const QString two = ergPageHtml(erg, {{"UN1017", "Chlorine", "2.3", "124"}, {"UN1203", "Gasoline", "3", "128"}});
    QVERIFY(two.contains(QStringLiteral("<li><a href=\"#haz1\">UN1203 Gasoline</a></li>")));
    QVERIFY(two.contains(QStringLiteral("bgcolor=\"#ffffff\">UN1203")));
    // No guide for an ID: says so and points to guide 111.
    QVERIFY(ergPageHtml(erg, {{"UN9999", "X", "9", ""}}).contains(QStringLiteral("guide:111")));
    // No item: the start page lists every guide.
    const QString start = ergPageHtml(erg, {});
    QVERIFY(start.contains(QStringLiteral("<a href=\"guide:174\">174</a>")));
    QVERIFY(guidePageHtml(erg, QStringLiteral("131P")).contains(QStringLiteral("GUIDE 131 &mdash; Flammable Liquids - Toxic")));
    QVERIFY(guidePageHtml(erg, QStringLiteral("999")).contains(QStringLiteral("no guide 999")));
}

void ViewerLogicTest::ergDataRefusedWhenMalformed()
{
    ErgLibrary erg;
    QString error;
    QVERIFY(!erg.loadGuidesText(QStringLiteral("* bullet before any guide\n"), &error));
    QVERIFY(error.contains(QStringLiteral("before the first guide")));
    QVERIFY(!erg.loadGuidesText(QStringLiteral("@guide 128\n"), &error));
    QVERIFY(error.contains(QStringLiteral("not a guide header")));
    QTemporaryDir dir;
    QVERIFY(!erg.load(dir.path(), &error));
    QVERIFY(error.contains(QStringLiteral("erg2024-guides.txt")));
    // A table with a short row names the file and line.
    for (const char *name : {"erg2024-guides.txt", "erg2024-tih.tsv", "erg2024-water.tsv"})
        QVERIFY(QFile::copy(QDir(ergFolder(kData)).filePath(QString::fromLatin1(name)), dir.filePath(QString::fromLatin1(name))));
    QFile index(dir.filePath(QStringLiteral("erg2024-index.tsv")));
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.write("id4\tname\tguide\ttih\twater_reactive_tih\n1017\tChlorine\t124\n");
    index.close();
    QVERIFY(!erg.load(dir.path(), &error));
    QVERIFY2(error.contains(QStringLiteral("erg2024-index.tsv, line 2")), qPrintable(error));
}

QTEST_GUILESS_MAIN(ViewerLogicTest)
#include "viewer_logic_test.moc"
