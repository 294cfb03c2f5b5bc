// The regulations viewer and the Emergency Response Guide windows, headless:
// a citation opens its section scrolled to the highlighted paragraph; back,
// forward, contents, search and copy; a section the copy lacks says so and
// hands over the eCFR address even without a browser; help pages and their
// links; the guide of an item.
#include "viewer/erg_window.h"
#include "viewer/reference_links.h"
#include "viewer/regulations_viewer.h"

#include "dravlen.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>

#include <cstdlib>

using namespace velmora::viewer;

namespace {

const QString kData = QStringLiteral(VIEWER_TEST_DATA);

// Saves what the window shows when VELMORA_SCREENSHOTS names a folder, so
// that the windows can be looked at as a user sees them.
void screenshot(QWidget *w, const char *name)
{
    const QString dir = qEnvironmentVariable("VELMORA_SCREENSHOTS");
    if (!dir.isEmpty())
        w->grab().save(QDir(dir).filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
}

// The first block of the page on the highlight's yellow ground.
QTextBlock firstHighlightedBlock(QTextBrowser *b)
{
    for (QTextBlock block = b->document()->begin(); block.isValid(); block = block.next())
        if (block.blockFormat().background().color() == QColor(QStringLiteral("#fff3a0")))
            return block;
    return {};
}

} // namespace

class ViewerWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void citationOpensTheParagraph();
    void backForwardAndContents();
    void searchShowsTheHit();
    void missingSectionOffersTheAddress();
    void helpPagesAndTheirLinks();
    void copyGivesTheParagraphWithItsCitation();
    void guideOfItems();
    void programEntryPoints();
};

void ViewerWindowsTest::citationOpensTheParagraph()
{
    RegulationsViewer viewer(kData);
    QVERIFY(viewer.isLoaded());
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    viewer.openLink(QStringLiteral("quarvel cite=49CFR172.504(f)(2)"));
    QVERIFY(viewer.currentSection());
    QCOMPARE(viewer.currentSection()->number, QStringLiteral("172.504"));
    QVERIFY(!viewer.showingMissing());
    QCOMPARE(viewer.highlight().matched, 2);
    QVERIFY(viewer.windowTitle().contains(QStringLiteral("172.504")));
    QVERIFY2(viewer.editionLabel()->text().contains(QStringLiteral("October 1, 2024")),
             qPrintable(viewer.editionLabel()->text()));
    QApplication::processEvents();
    // Scrolled down to the paragraph, which is on a highlighted ground near
    // the top of the view.
    QVERIFY(viewer.browser()->verticalScrollBar()->value() > 0);
    const QTextBlock lit = firstHighlightedBlock(viewer.browser());
    QVERIFY(lit.isValid());
    QVERIFY2(lit.text().startsWith(QStringLiteral("(2) A FLAMMABLE placard")), qPrintable(lit.text()));
    const QRect at = viewer.browser()->cursorRect(QTextCursor(lit));
    QVERIFY2(at.top() >= 0 && at.top() < viewer.browser()->viewport()->height() / 3, qPrintable(QString::number(at.top())));
    screenshot(&viewer, "regulations-172.504-f-2");
    // The contents follow the page.
    QVERIFY(viewer.contents()->currentItem());
    QVERIFY(viewer.contents()->currentItem()->text(0).startsWith(QStringLiteral("\u00A7 172.504 ")));
}

void ViewerWindowsTest::backForwardAndContents()
{
    RegulationsViewer viewer(kData);
    viewer.show();
    QVERIFY(!viewer.canGoBack());
    viewer.showCitation(QStringLiteral("49cfr177.848(d)"));
    screenshot(&viewer, "regulations-177.848-d");
    viewer.showCitation(QStringLiteral("385.403(b)"));
    QCOMPARE(viewer.currentSection()->number, QStringLiteral("385.403"));
    screenshot(&viewer, "regulations-385.403-b");
    QVERIFY(viewer.editionLabel()->text().contains(QStringLiteral("January 2025")));
    viewer.goBack();
    QCOMPARE(viewer.currentSection()->number, QStringLiteral("177.848"));
    QVERIFY(viewer.canGoForward());
    viewer.goForward();
    QCOMPARE(viewer.currentSection()->number, QStringLiteral("385.403"));
    QVERIFY(!viewer.canGoForward());
    // Contents: one entry per part, sections under their subparts.
    QCOMPARE(viewer.contents()->topLevelItemCount(), 8);
    QTreeWidgetItem *part177 = viewer.contents()->topLevelItem(3);
    QVERIFY(part177->text(0).startsWith(QStringLiteral("Part 177 \u2014 Carriage by Public Highway")));
    QTreeWidgetItem *subpart = part177->child(0);
    QVERIFY(subpart->text(0).startsWith(QStringLiteral("Subpart ")));
    QTreeWidgetItem *section = subpart->child(0);
    emit viewer.contents()->itemActivated(section, 0);
    QVERIFY(section->text(0).startsWith(QStringLiteral("\u00A7 ") + viewer.currentSection()->number + QLatin1Char(' ')));
    viewer.goBack();
    QCOMPARE(viewer.currentSection()->number, QStringLiteral("385.403"));
}

void ViewerWindowsTest::searchShowsTheHit()
{
    RegulationsViewer viewer(kData);
    viewer.show();
    viewer.showSearch(QStringLiteral("sour crude"));
    QVERIFY(viewer.searchResults()->count() > 0);
    QListWidgetItem *first = viewer.searchResults()->item(0);
    emit viewer.searchResults()->itemActivated(first);
    screenshot(&viewer, "regulations-search");
    QVERIFY(viewer.currentSection());
    QVERIFY(viewer.currentSection()->lines.join(QLatin1Char(' ')).contains(QStringLiteral("sour crude"), Qt::CaseInsensitive));
    QVERIFY(viewer.browser()->toHtml().contains(QStringLiteral("#a6e3ff")));
    viewer.showSearch(QStringLiteral("zzqxv"));
    QCOMPARE(viewer.searchResults()->count(), 1);
    QVERIFY(viewer.searchResults()->item(0)->text().startsWith(QStringLiteral("No section holds")));
}

void ViewerWindowsTest::missingSectionOffersTheAddress()
{
    RegulationsViewer viewer(kData);
    viewer.show();
    QUrl opened;
    viewer.openUrl = [&](const QUrl &url) {
        opened = url;
        return false;   // a machine without a browser
    };
    viewer.openLink(QStringLiteral("quarvel cite=49CFR392.9"));
    QVERIFY(viewer.showingMissing());
    QVERIFY(!viewer.currentSection());
    QCOMPARE(viewer.currentAddress(), QStringLiteral("https://www.ecfr.gov/current/title-49/section-392.9"));
    QVERIFY(viewer.browser()->toPlainText().contains(QStringLiteral("49 CFR 392.9 is not in the offline copy")));
    screenshot(&viewer, "regulations-missing");
    QApplication::clipboard()->clear();
    viewer.openAddressInBrowser();
    QCOMPARE(opened, QUrl(QStringLiteral("https://www.ecfr.gov/current/title-49/section-392.9")));
    // Without a browser the address is copied and the user is told.
    QCOMPARE(QApplication::clipboard()->text(), viewer.currentAddress());
    QVERIFY(viewer.statusBar()->currentMessage().contains(QStringLiteral("No web browser")));
    // A paragraph the copy lacks: the section, with a note.
    viewer.openLink(QStringLiteral("49cfr172.102(144)"));
    QCOMPARE(viewer.currentSection()->number, QStringLiteral("172.102"));
    QVERIFY(viewer.browser()->toPlainText().contains(QStringLiteral("Paragraph (144) was not found")));
    // The appendix documents of the shipping paper notes.
    viewer.openLink(QStringLiteral("quarvel /cgi-bin/qvget.cgi?db=HM181&doc=00090052.HTM"));
    QVERIFY(viewer.browser()->toPlainText().contains(QStringLiteral("List of Marine Pollutants")));
    QVERIFY(viewer.currentAddress().contains(QStringLiteral("Appendix%20B")));
    // A section in a reserved range: the range's entry, with a note.
    viewer.showCitation(QStringLiteral("49cfr178.340-6"));
    QCOMPARE(viewer.currentSection()->number, QStringLiteral("178.340-178.343"));
    QVERIFY(viewer.browser()->toPlainText().contains(QStringLiteral("lists as reserved")));
    // Text that is no citation at all.
    viewer.showCitation(QStringLiteral("hello"));
    QVERIFY(viewer.showingMissing());
    QVERIFY(viewer.browser()->toPlainText().contains(QStringLiteral("Not a citation")));
}

void ViewerWindowsTest::helpPagesAndTheirLinks()
{
    RegulationsViewer viewer(kData);
    viewer.show();
    viewer.openLink(QStringLiteral("viewer /cgi-bin/qvget.cgi?db=HAZMAT&doc=sploc.htm"));
    QVERIFY(viewer.browser()->toPlainText().contains(QStringLiteral("Where the shipping paper is kept")));
    screenshot(&viewer, "help-sploc");
    // A link of the page, as the view reports it.
    emit viewer.browser()->anchorClicked(QUrl(QStringLiteral("quarvel cite=49CFR177.817(e)")));
    QCOMPARE(viewer.currentSection()->number, QStringLiteral("177.817"));
    QCOMPARE(viewer.highlight().matched, 1);
    emit viewer.browser()->anchorClicked(QUrl(QStringLiteral("viewer /cgi-bin/qvget.cgi?db=HAZMAT&doc=CHECK.HTM")));
    QVERIFY(viewer.browser()->toPlainText().contains(QStringLiteral("Shipping paper checklist")));
    // A section reference inside the regulation text is a link too.
    viewer.showCitation(QStringLiteral("177.817"));
    emit viewer.browser()->anchorClicked(QUrl(QStringLiteral("cite:172.604")));
    QCOMPARE(viewer.currentSection()->number, QStringLiteral("172.604"));
    // A page that is not supplied says so.
    viewer.openLink(QStringLiteral("viewer /cgi-bin/qvget.cgi?db=HAZMAT&doc=NOPE.HTM"));
    QVERIFY(viewer.browser()->toPlainText().contains(QStringLiteral("Page not found")));
}

void ViewerWindowsTest::copyGivesTheParagraphWithItsCitation()
{
    RegulationsViewer viewer(kData);
    viewer.show();
    viewer.showCitation(QStringLiteral("385.403(b)"));
    viewer.copy();
    const QString text = QApplication::clipboard()->text();
    QVERIFY2(text.startsWith(QStringLiteral("49 CFR \u00A7 385.403 Prohibited transportation without safety permit.\n"
                                            "(b) More than 25 kg")),
             qPrintable(text));
    QVERIFY(!text.contains(QStringLiteral("(c) More than one liter")));
    QVERIFY(text.contains(QStringLiteral("January 2025")));
    viewer.copyAddress();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("https://www.ecfr.gov/current/title-49/section-385.403#p-385.403(b)"));
}

void ViewerWindowsTest::guideOfItems()
{
    EmergencyResponseGuideWindow w(kData);
    QVERIFY(w.isLoaded());
    w.show();
    QCOMPARE(w.windowTitle(), QStringLiteral("Emergency Response Guide"));
    QVERIFY(w.browser()->toPlainText().contains(QStringLiteral("Guides for explosives")));
    w.showItems({{"UN1017", "Chlorine", "2.3", "124"}});
    const QString page = w.browser()->toPlainText();
    QVERIFY(page.contains(QStringLiteral("GUIDE 124")));
    QVERIFY(page.contains(QStringLiteral("POTENTIAL HAZARDS")));
    QVERIFY(page.contains(QStringLiteral("Initial isolation and protective action distances")));
    QVERIFY(page.contains(QStringLiteral("60 m (200 ft)")));
    screenshot(&w, "erg-chlorine");
    w.showItems({{"UN0336", "Fireworks", "1.4G", ""}, {"UN1203", "Gasoline", "3", "128"}});
    QVERIFY(w.browser()->toPlainText().contains(QStringLiteral("GUIDE 114")));
    QVERIFY(w.browser()->toPlainText().contains(QStringLiteral("GUIDE 128")));
    screenshot(&w, "erg-two-items");
    w.idEdit()->setText(QStringLiteral("1005"));
    emit w.idEdit()->returnPressed();
    QVERIFY(w.browser()->toPlainText().contains(QStringLiteral("GUIDE 125")));
    w.showId(QStringLiteral("UN9999"));
    QVERIFY(w.browser()->toPlainText().contains(QStringLiteral("9999 is not in the guidebook")));
    w.showId(QStringLiteral("chlorine"));
    QVERIFY(w.browser()->toPlainText().contains(QStringLiteral("Not an ID number")));
    emit w.browser()->anchorClicked(QUrl(QStringLiteral("guide:FA")));
    QVERIFY(w.browser()->toPlainText().contains(QStringLiteral("General First Aid")));
}

void ViewerWindowsTest::programEntryPoints()
{
    // One viewer for the whole program: a second link reuses it, so back
    // leads to the first citation.
    QWidget main;
    RegulationsViewer *first = openReferenceLink(QStringLiteral("quarvel cite=49CFR177.848(d)"), kData, &main);
    RegulationsViewer *second = openReferenceLink(QStringLiteral("49CFR172.301(a)(3)"), kData, &main);
    QCOMPARE(first, second);
    QVERIFY(second->isWindow() && second->isVisible());
    QCOMPARE(second->currentSection()->number, QStringLiteral("172.301"));
    second->goBack();
    QCOMPARE(second->currentSection()->number, QStringLiteral("177.848"));
    QVERIFY(openReferenceLink(QString(), kData, &main)->browser()->toPlainText().contains(QStringLiteral("offline copy")));

    // The guide of real table entries, as the Emergency Response Guide
    // command reads them from the selected item (the table needs an engine).
    Engine *engine = static_cast<Engine *>(std::calloc(1, size_t(GetSizeOf_Engine())));
    Init_Engine(engine);
    struct Case { const char *id; const char *guide; const char *text; };
    const Case cases[] = {
        {"UN1017", "124", "60 m (200 ft)"},   // chlorine: Table 1 distances
        {"UN0336", "114", "GUIDE 114"},       // fireworks, 1.4G
        {"UN1203", "128", "GUIDE 128"},       // gasoline
    };
    for (const Case &c : cases) {
        alignas(std::max_align_t) unsigned char storage[256] = {};
        auto *item = reinterpret_cast<Hazmat *>(storage);
        QVERIFY(Init_Hazmat(item, SearchCT_HazData(c.id, 2, 0)));
        const ErgItem e = ergItemOf(item);
        QCOMPARE(e.id, QString::fromLatin1(c.id));
        QVERIFY2(!e.name.contains(QLatin1Char('<')), qPrintable(e.name));
        EmergencyResponseGuideWindow *w = openEmergencyResponseGuide({e}, kData, &main);
        QCOMPARE(w->library().lookup(e.id, e.name, e.hazardClass, e.tableGuide).guide, QString::fromLatin1(c.guide));
        QVERIFY2(w->browser()->toPlainText().contains(QString::fromLatin1(c.text)), c.id);
        w->close();
        Reset_Hazmat(item, 0);
    }
    Destroy_Engine(engine);
    std::free(engine);
}

QTEST_MAIN(ViewerWindowsTest)
#include "viewer_windows_test.moc"
