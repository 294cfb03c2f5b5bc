// Searches from the one box against the real library: what the text is
// taken for, exact classes, ranked names, progress and the hint when a
// field choice finds nothing.
#include "search/search_run.h"
#include "app/dravlen_library.h"
#include "search/search_listing.h"

#include <QtTest>

using namespace velmora;

Q_DECLARE_METATYPE(velmora::LookIn)

class SearchRunTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { lib.initEngine(); }

    void oneBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<LookIn>("lookIn");
        QTest::addColumn<QString>("firstName");   // how the best match begins, or empty
        QTest::addColumn<QString>("everyClass");  // each row's primary class must match, or empty
        QTest::addColumn<bool>("hint");
        QTest::newRow("an ID in the one box") << "1203" << LookIn::Any << "Gasoline" << "" << false;
        QTest::newRow("an ID looked for among names") << "1203" << LookIn::Name << "" << "" << true;
        QTest::newRow("a class in the one box") << "3" << LookIn::Any << "" << "3" << false;
        QTest::newRow("a division") << "2.3" << LookIn::Any << "" << "2.3" << false;
        QTest::newRow("a name ranks the exact entry first") << "gasoline" << LookIn::Any << "Gasoline" << "" << false;
        QTest::newRow("a name's beginning") << "sulfuric acid" << LookIn::Any << "Sulfuric acid" << "" << false;
        QTest::newRow("words in another order") << "acid sulfuric" << LookIn::Any << "Sulfuric acid" << "" << false;
        QTest::newRow("explicit class choice") << "8" << LookIn::Class << "" << "8" << false;
    }
    void oneBox()
    {
        QFETCH(QString, text);
        QFETCH(LookIn, lookIn);
        QFETCH(QString, firstName);
        QFETCH(QString, everyClass);
        QFETCH(bool, hint);
        QList<int> steps;
        const SearchOutcome out = findEntries(lib, text, lookIn, [&](int p) { steps << p; });
        QCOMPARE(!out.hint.isEmpty(), hint);
        if (hint) {
            QVERIFY(out.rows.empty());
            QVERIFY2(out.hint.contains(QLatin1String("ID number")), qPrintable(out.hint));
            return;
        }
        QVERIFY(!out.rows.empty());
        if (!firstName.isEmpty())
            QVERIFY2(displayPsn(out.rows.front().psn).startsWith(firstName), out.rows.front().psn.c_str());
        for (const SearchRow &r : out.rows)
            if (!everyClass.isEmpty())
                QVERIFY2(classMatches(everyClass, QString::fromStdString(r.hazardClass)), r.hazardClass.c_str());
        // progress climbs to 100
        QVERIFY(!steps.isEmpty());
        QCOMPARE(steps.last(), 100);
        QVERIFY(std::is_sorted(steps.begin(), steps.end()));
    }

    void classThreeIsExact()
    {
        // The library's class search also finds 1.3 and 2.3 for "3"; the
        // box lists only class 3 entries, and fewer than the library.
        const auto all = runSearch(lib, "3", SearchMode::Class);
        const SearchOutcome three = findEntries(lib, QStringLiteral("3"), LookIn::Any);
        QVERIFY(three.rows.size() < all.size());
        const auto isThree = [](const SearchRow &r) { return classMatches(QStringLiteral("3"), QString::fromStdString(r.hazardClass)); };
        QCOMPARE(three.rows.size(), static_cast<size_t>(std::count_if(all.begin(), all.end(), isThree)));
    }

    void rowsSortedIgnoringCase()
    {
        const SearchOutcome out = findEntries(lib, QStringLiteral("2.3"), LookIn::Any);
        for (size_t i = 1; i < out.rows.size(); ++i)
            QVERIFY(compareCaseInsensitive(displayPsn(out.rows[i - 1].psn), displayPsn(out.rows[i].psn)) <= 0);
    }

    void stopsWhenAsked()
    {
        int calls = 0;
        const SearchOutcome out = findEntries(lib, QStringLiteral("a"), LookIn::Name, {}, [&] { return ++calls >= 5; });
        QVERIFY(out.stopped);
        QCOMPARE(out.rows.size(), size_t(5));
    }

private:
    DravlenLibrary lib;
};

QTEST_MAIN(SearchRunTest)
#include "search_run_test.moc"
