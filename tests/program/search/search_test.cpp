// The search listing and the sorting of the window's lists, against a
// scripted table.
#include "support/fakes.h"
#include "app/dravlen_library.h"
#include "search/list_sort.h"
#include "search/search_listing.h"

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

class SearchTest : public QObject {
    Q_OBJECT
private slots:
    void searchByNameClassAndId();
    void searchTheEmbeddedTable();
    void idSearchWithoutMatchExplains();
    void classTextOfCodes();
    void countTexts();
    void sortDirections();
    void cellComparison();
};

void SearchTest::searchByNameClassAndId()
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

void SearchTest::searchTheEmbeddedTable()
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

void SearchTest::idSearchWithoutMatchExplains()
{
    FakeLibrary lib;
    lib.idInfos["UN9999"] = "UN9999 is available by switching to the PHMSA\u2013" "2021 ruleset.";
    QCOMPARE(noMatchExplanation(lib, "un9999", SearchMode::Id, 0).value(),
             QString::fromUtf8("UN9999 is available by switching to the PHMSA\u20132021 ruleset."));
    QVERIFY(!noMatchExplanation(lib, "UN9999", SearchMode::Id, 1));      // it was found
    QVERIFY(!noMatchExplanation(lib, "UN9999", SearchMode::Name, 0));    // not an ID search
    QVERIFY(!noMatchExplanation(lib, "UN12", SearchMode::Id, 0));        // no ID-shaped text
    QVERIFY(!noMatchExplanation(lib, "UN1203", SearchMode::Id, 0));      // the library has nothing to say
    QCOMPARE(doNotShipRefusal("UN1203"), QStringLiteral("Cannot add UN1203, it is on the DO NOT SHIP list."));
}

void SearchTest::classTextOfCodes()
{
    QCOMPARE(classText({"3"}), std::string("3"));
    QCOMPARE(classText({"3", "8"}), std::string("3, (8)"));
    QCOMPARE(classText({"2.3", "5.1", "8"}), std::string("2.3, (5.1, 8)"));
    QCOMPARE(classText({}), std::string());
}

void SearchTest::countTexts()
{
    QCOMPARE(matchCountText(0), QStringLiteral("0 matches found"));
    QCOMPARE(matchCountText(1), QStringLiteral("1 match found"));
    QCOMPARE(matchCountText(2), QStringLiteral("2 matches found"));
    QCOMPARE(itemCountText(0), QStringLiteral("There are 0 items on this truckload."));
    QCOMPARE(itemCountText(1), QStringLiteral("There is 1 item on this truckload."));
    QCOMPARE(itemCountText(3), QStringLiteral("There are 3 items on this truckload."));
}

void SearchTest::sortDirections()
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

void SearchTest::cellComparison()
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

QTEST_MAIN(SearchTest)
#include "search_test.moc"
