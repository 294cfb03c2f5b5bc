// The main window's logic without its widgets: Rules menu, ruleset switch,
// search listing, list sorting, command enabling and the launchers.
#include "fakes.h"
#include "shell/dravlen_library.h"
#include "shell/launchers.h"
#include "shell/list_sort.h"
#include "shell/main_window.h"
#include "shell/rules_menu.h"
#include "shell/search_listing.h"
#include "tavisto/citation_url.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

namespace {

FakeLibrary smallTable()
{
    FakeLibrary lib;
    lib.table = {
        {{631, "Gasoline <I>includes gasoline mixed with ethyl alcohol</I>", "3", "UN1203", "II", ""}, "3"},
        {{632, "Gasoline, casinghead", "3", "NA1203", "II", ""}, "3"},
        {{700, "Hydrofluoric acid", "8, (6.1)", "UN1790", "I, II", ""}, "8"},
        {{900, "Chlorine", "2.3, (5.1, 8)", "UN1017", "", "Zone B"}, "2.3"},
    };
    return lib;
}

} // namespace

class ShellLogicTest : public QObject {
    Q_OBJECT
private slots:
    void rulesMenuForActiveRulesets();
    void nullStatusIsEmptyText();
    void rulesetSwitch();
    void searchByNameClassAndId();
    void searchTheEmbeddedTable();
    void idSearchWithoutMatchExplains();
    void classTextOfCodes();
    void countTexts();
    void sortDirections();
    void cellComparison();
    void editCommandsPerView();
    void regulationsLauncher();
    void citationsToEcfr();
    void helpLinkFailure();
};

void ShellLogicTest::rulesMenuForActiveRulesets()
{
    // As the library reports on 2024-04-05: 41 Current, 42 Voluntary.
    const std::vector<RulesetFacts> facts = {
        {41, std::string("Current"), std::string("PHMSA\x96" "2020\x96" "0102 (HM\x96" "219D)")},
        {42, std::string("Voluntary"), std::string("PHMSA\x96" "2021\x96" "0092 (HM\x96" "215Q)")}};
    const auto entries = buildRulesMenu(facts, 41);
    QCOMPARE(entries.size(), size_t(2));
    QCOMPARE(entries[0].index, 41);
    QCOMPARE(entries[0].caption, QString::fromUtf8("Current Rules (PHMSA\u20132020\u20130102 (HM\u2013219D))"));
    QVERIFY(entries[0].checked);
    QCOMPARE(entries[1].caption, QString::fromUtf8("Voluntary Rules (PHMSA\u20132021\u20130092 (HM\u2013215Q))"));
    QVERIFY(!entries[1].checked);
    QVERIFY(buildRulesMenu({}, 41).empty());

    // Through the library interface, in its order.
    FakeLibrary lib;
    lib.active = {42};
    lib.statuses = {{42, "Current"}};
    const auto facts2 = activeRulesetFacts(lib);
    QCOMPARE(facts2.size(), size_t(1));
    QCOMPARE(facts2[0].index, 42);
    QCOMPARE(buildRulesMenu(facts2, 42)[0].caption, QString::fromUtf8("Current Rules (PHMSA\u20132021\u20130092 (HM\u2013215Q))"));
}

void ShellLogicTest::nullStatusIsEmptyText()
{
    // At a compliance second the library has no status.
    QCOMPARE(statusText(std::nullopt), QString());
    QCOMPARE(complianceTitle(std::nullopt), QStringLiteral("Compliance Requirements ()"));
    QCOMPARE(complianceTitle(std::string("Current")), QStringLiteral("Compliance Requirements (Current)"));
    const auto entries = buildRulesMenu({{7, std::nullopt, std::string("D")}}, 0);
    QCOMPARE(entries[0].caption, QStringLiteral(" Rules (D)"));
}

void ShellLogicTest::rulesetSwitch()
{
    struct Case {
        bool conversionOk;
        PromptAnswer answer;
        int target;
        bool asked;
        bool switched;
        int currentAfter;
    } cases[] = {
        {true, PromptAnswer::Yes, 42, false, true, 42},   // every item survives: no question
        {false, PromptAnswer::No, 42, true, false, 41},   // declined: nothing changes
        {false, PromptAnswer::Yes, 42, true, true, 42},   // accepted: items are dropped by the switch
        {true, PromptAnswer::Yes, 41, false, true, 41},   // the current one again still switches
        {true, PromptAnswer::Yes, 12, false, false, 41},  // not active: the library refuses
    };
    for (const auto &c : cases) {
        FakeLibrary lib;
        lib.conversionOk = c.conversionOk;
        ScriptedPrompts prompts;
        prompts.answers = {c.answer};
        QCOMPARE(switchRuleset(lib, prompts, c.target), c.switched);
        QCOMPARE(lib.current, c.currentAfter);
        QCOMPARE(prompts.shown.size(), size_t(c.asked ? 1 : 0));
        if (c.asked) {
            QCOMPARE(prompts.shown[0].text,
                     QStringLiteral("Some hazardous materials have no previous representation in the old hazardous "
                                    "materials table and will be removed from the load.  Continue?"));
            QCOMPARE(int(prompts.shown[0].buttons), int(PromptButtons::YesNo));
            QCOMPARE(lib.setRulesetCalls, c.answer == PromptAnswer::No ? 0 : 1);
        }
    }
}

void ShellLogicTest::searchByNameClassAndId()
{
    FakeLibrary lib = smallTable();
    struct Case {
        const char *query;
        SearchMode mode;
        std::vector<int> pids;
    } cases[] = {
        {"gasoline", SearchMode::Name, {631, 632}},
        {"acid", SearchMode::Name, {700}},
        {"2.3", SearchMode::Class, {900}},
        {"3", SearchMode::Class, {631, 632}},
        {"1203", SearchMode::Id, {631, 632}},
        {"UN1017", SearchMode::Id, {900}},
        {"nothing like it", SearchMode::Name, {}},
    };
    for (const auto &c : cases) {
        int pumps = 0;
        const auto rows = runSearch(lib, c.query, c.mode, [&] { ++pumps; });
        std::vector<int> pids;
        for (const auto &r : rows)
            pids.push_back(r.pid);
        QCOMPARE(pids, c.pids);
        QCOMPARE(pumps, int(c.pids.size()));
    }
    // The listing stops when the window closes.
    const auto stopped = runSearch(lib, "gasoline", SearchMode::Name, {}, [] { return true; });
    QCOMPARE(stopped.size(), size_t(1));
    QCOMPARE(displayPsn(lib.table[0].row.psn), QStringLiteral("Gasoline [includes gasoline mixed with ethyl alcohol]"));
}

void ShellLogicTest::searchTheEmbeddedTable()
{
    // The program's own library adapter over the table of the current ruleset.
    DravlenLibrary lib;
    lib.initEngine();
    auto ids = [](const std::vector<SearchRow> &rows) {
        QStringList out;
        for (const auto &r : rows)
            out << QString::fromStdString(r.id);
        return out;
    };
    const auto byFullId = runSearch(lib, "un1203", SearchMode::Id);
    QVERIFY(!byFullId.empty());
    QVERIFY(ids(byFullId).count("UN1203") == qsizetype(byFullId.size()));
    QVERIFY(QString::fromStdString(byFullId[0].psn).contains("Gasoline"));
    QCOMPARE(byFullId[0].hazardClass.substr(0, 1), std::string("3"));
    const QStringList both = ids(runSearch(lib, "1203", SearchMode::Id));
    QVERIFY(both.contains("UN1203"));
    for (const QString &id : both)   // by the word rule: any ID holding the digits
        QVERIFY(id.contains("1203"));
    const auto byName = runSearch(lib, "dichloride methyl", SearchMode::Name);
    QVERIFY(std::any_of(byName.begin(), byName.end(),
                        [](const SearchRow &r) { return r.psn.find("Methyl phosphonic dichloride") != std::string::npos; }));
    const auto byClass = runSearch(lib, "2.3", SearchMode::Class);
    QVERIFY(byClass.size() > 10);
    QVERIFY(runSearch(lib, "UN0190", SearchMode::Id).empty());   // never usable
    QVERIFY(runSearch(lib, "no such material at all", SearchMode::Name).empty());
    lib.destroyEngine();
}

void ShellLogicTest::idSearchWithoutMatchExplains()
{
    FakeLibrary lib;
    lib.idInfos["UN9999"] = "UN9999 is available by switching to the PHMSA\x96" "2021 ruleset.";
    QCOMPARE(noMatchExplanation(lib, "un9999", SearchMode::Id, 0).value(),
             QString::fromUtf8("UN9999 is available by switching to the PHMSA\u20132021 ruleset."));
    QVERIFY(!noMatchExplanation(lib, "UN9999", SearchMode::Id, 1));      // it was found
    QVERIFY(!noMatchExplanation(lib, "UN9999", SearchMode::Name, 0));    // not an ID search
    QVERIFY(!noMatchExplanation(lib, "UN12", SearchMode::Id, 0));        // no ID-shaped text
    QVERIFY(!noMatchExplanation(lib, "UN1203", SearchMode::Id, 0));      // the library has nothing to say
    QCOMPARE(doNotShipRefusal("UN1203"), QStringLiteral("Cannot add UN1203, it is on the DO NOT SHIP list."));
}

void ShellLogicTest::classTextOfCodes()
{
    QCOMPARE(classText({"3"}), std::string("3"));
    QCOMPARE(classText({"3", "8"}), std::string("3, (8)"));
    QCOMPARE(classText({"2.3", "5.1", "8"}), std::string("2.3, (5.1, 8)"));
    QCOMPARE(classText({}), std::string());
}

void ShellLogicTest::countTexts()
{
    QCOMPARE(matchCountText(0), QStringLiteral("0 matches found"));
    QCOMPARE(matchCountText(1), QStringLiteral("1 match found"));
    QCOMPARE(matchCountText(2), QStringLiteral("2 matches found"));
    QCOMPARE(itemCountText(0), QStringLiteral("There are 0 items on this truckload."));
    QCOMPARE(itemCountText(1), QStringLiteral("There is 1 item on this truckload."));
    QCOMPARE(itemCountText(3), QStringLiteral("There are 3 items on this truckload."));
}

void ShellLogicTest::sortDirections()
{
    SortState s;
    QCOMPARE(int(s.direction(0)), int(SortState::Direction::None));
    s.click(1);
    QCOMPARE(int(s.direction(1)), int(SortState::Direction::Ascending));
    s.click(1);
    QCOMPARE(int(s.direction(1)), int(SortState::Direction::Descending));
    s.click(2);   // another column starts ascending; the others reset
    QCOMPARE(int(s.direction(2)), int(SortState::Direction::Ascending));
    QCOMPARE(int(s.direction(1)), int(SortState::Direction::None));
    s.click(1);
    QCOMPARE(int(s.direction(1)), int(SortState::Direction::Ascending));
}

void ShellLogicTest::cellComparison()
{
    QCOMPARE(compareCellTexts("Load", "Load"), 0);
    QVERIFY(compareCellTexts("Acetone", "Benzene") < 0);
    QVERIFY(compareCellTexts("UN1203", "UN1993") < 0);
    // Runs are compared as text, and the comparison ends with the shorter text.
    QCOMPARE(compareCellTexts("Load", "Load2"), 0);
    QVERIFY(compareCellTexts("Load 10", "Load 9") < 0);
    // Two saved times on the same day compare equal; days decide otherwise.
    QCOMPARE(compareCellTexts("04/03/2025 09:05:07", "04/03/2025 17:00:00"), 0);
    QVERIFY(compareCellTexts("04/02/2025 09:05:07", "04/03/2025 08:00:00") < 0);
    QVERIFY(compareCellTexts("12/31/2024 23:00:00", "01/02/2025 01:00:00") < 0);
    // Equal texts fall back to the image index; descending reverses all.
    QVERIFY(compareRows("A", 1, "A", 2, false) < 0);
    QVERIFY(compareRows("A", 1, "A", 2, true) > 0);
    QVERIFY(compareRows("A", 5, "B", 0, true) > 0);
}

void ShellLogicTest::editCommandsPerView()
{
    const EditCommands before{true, true, true, true, false};
    const EditCommands truckload = editCommandsForView(View::Truckload, before, true);
    QCOMPARE(truckload, (EditCommands{true, false, true, true, true}));   // Edit, Cut/Copy unchanged
    QCOMPARE(editCommandsForView(View::Truckload, EditCommands{}, false), (EditCommands{true, false, false, false, false}));
    QCOMPARE(editCommandsForView(View::Compliance, before, true), EditCommands{});
    QCOMPARE(editCommandsForView(View::Search, before, true), (EditCommands{true, false, false, false, false}));
    QCOMPARE(editCommandsForView(View::SavedTruckloads, before, true), EditCommands{});
}

void ShellLogicTest::regulationsLauncher()
{
    QTemporaryDir dir;
    const QString viewer = regulationsViewerPath(dir.path());
    QCOMPARE(viewer, dir.path() + "/Tavisto/quarvel");
    QStringList started;
    auto starter = [&](const QString &program, const QStringList &args) {
        started << program << args;
        return true;
    };
    ScriptedPrompts prompts;
    QVERIFY(!openRegulations(viewer, "49CFR172.504(e)", prompts, starter));
    QCOMPARE(prompts.texts(), QStringList{"Unable to locate Tavisto."});
    QCOMPARE(int(prompts.shown[0].type), int(PromptType::Error));
    QVERIFY(started.isEmpty());

    QDir(dir.path()).mkpath("Tavisto");
    QFile f(viewer);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QVERIFY(openRegulations(viewer, "49CFR172.504(e)", prompts, starter));
    QCOMPARE(started, (QStringList{viewer, "cite=49CFR172.504(e)"}));
    started.clear();
    QVERIFY(openRegulations(viewer, QString(), prompts, starter));
    QCOMPARE(started, QStringList{viewer});   // no citation: no argument
    QCOMPARE(prompts.shown.size(), size_t(1));
}

void ShellLogicTest::citationsToEcfr()
{
    const std::string base = "https://www.ecfr.gov/current/title-49";
    struct Case {
        const char *citation;
        std::string url;
    } cases[] = {
        {"49CFR172.504(e)", base + "/section-172.504#p-172.504(e)"},
        {"49CFR172.504", base + "/section-172.504"},
        {"49 CFR 172.301(a)(3)", base + "/section-172.301#p-172.301(a)(3)"},
        {"cite=49CFR177.848", base + "/section-177.848"},
        {"173.150", base + "/section-173.150"},
        {"49cfr178.345-1", base + "/section-178.345-1"},
        {"49CFR172", base + "/part-172"},
        {"40CFR261.3", "https://www.ecfr.gov/current/title-40/section-261.3"},
        {"", base},
        {"not a citation", base},
        {"49CFR172.504(e;rm -rf)", base + "/section-172.504"},
    };
    for (const auto &c : cases)
        QCOMPARE(tavisto::citationToUrl(c.citation), c.url);
}

void ShellLogicTest::helpLinkFailure()
{
    ScriptedPrompts prompts;
    openHelpLink("missing.pdf", prompts, [](const QString &) { return false; });
    QCOMPARE(prompts.texts(), QStringList{"Cannot find file: missing.pdf"});
    openHelpLink("https://example.org", prompts, [](const QString &) { return true; });
    QCOMPARE(prompts.shown.size(), size_t(1));
}

QTEST_MAIN(ShellLogicTest)
#include "shell_logic_test.moc"
