// The main window's logic without its widgets: Rules menu, ruleset switch,
// command enabling and the launchers.
#include "support/fakes.h"
#include "app/dravlen_library.h"
#include "app/launchers.h"
#include "app/main_window.h"
#include "app/rules_menu.h"
#include "tavisto/citation_url.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

class AppLogicTest : public QObject {
    Q_OBJECT
private slots:
    void rulesMenuForActiveRulesets();
    void nullStatusIsEmptyText();
    void rulesetSwitch();
    void editCommandsPerView();
    void regulationsLauncher();
    void citationsToEcfr();
    void helpLinkFailure();
};

void AppLogicTest::rulesMenuForActiveRulesets()
{
    // As the library reports on 2024-04-05: 41 Current, 42 Voluntary.
    const std::vector<RulesetFacts> facts = {
        {41, std::string("Current"), std::string("PHMSA\u2013" "2020\u2013" "0102 (HM\u2013" "219D)")},
        {42, std::string("Voluntary"), std::string("PHMSA\u2013" "2021\u2013" "0092 (HM\u2013" "215Q)")}};
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

void AppLogicTest::nullStatusIsEmptyText()
{
    // At a compliance second the library has no status.
    QCOMPARE(statusText(std::nullopt), QString());
    QCOMPARE(complianceTitle(std::nullopt), QStringLiteral("Compliance Requirements ()"));
    QCOMPARE(complianceTitle(std::string("Current")), QStringLiteral("Compliance Requirements (Current)"));
    const auto entries = buildRulesMenu({{7, std::nullopt, std::string("D")}}, 0);
    QCOMPARE(entries[0].caption, QStringLiteral(" Rules (D)"));
}

void AppLogicTest::rulesetSwitch()
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

void AppLogicTest::editCommandsPerView()
{
    const EditCommands before{true, true, true, true, false};
    const EditCommands truckload = editCommandsForView(View::Truckload, before, true);
    QCOMPARE(truckload, (EditCommands{true, false, true, true, true}));   // Edit, Cut/Copy unchanged
    QCOMPARE(editCommandsForView(View::Truckload, EditCommands{}, false), (EditCommands{true, false, false, false, false}));
    QCOMPARE(editCommandsForView(View::Compliance, before, true), EditCommands{});
    QCOMPARE(editCommandsForView(View::Search, before, true), (EditCommands{true, false, false, false, false}));
    QCOMPARE(editCommandsForView(View::SavedTruckloads, before, true), EditCommands{});
}

void AppLogicTest::regulationsLauncher()
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

void AppLogicTest::citationsToEcfr()
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

void AppLogicTest::helpLinkFailure()
{
    ScriptedPrompts prompts;
    openHelpLink("missing.pdf", prompts, [](const QString &) { return false; });
    QCOMPARE(prompts.texts(), QStringList{"Cannot find file: missing.pdf"});
    openHelpLink("https://example.org", prompts, [](const QString &) { return true; });
    QCOMPARE(prompts.shown.size(), size_t(1));
}

QTEST_MAIN(AppLogicTest)
#include "app_logic_test.moc"
