// What the one search box makes of a text, exact class matching, the order
// of name matches and case-insensitive sorting.
#include "search/search_query.h"

#include <QtTest>

using namespace velmora;

Q_DECLARE_METATYPE(velmora::QueryKind)

class SearchQueryTest : public QObject {
    Q_OBJECT
private slots:
    void recognises_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QueryKind>("kind");
        QTest::addColumn<QString>("query");
        QTest::newRow("bare ID") << " 1203 " << QueryKind::Id << "1203";
        QTest::newRow("UN ID") << "un1993" << QueryKind::Id << "UN1993";
        QTest::newRow("NA ID with a space") << "NA 1993" << QueryKind::Id << "NA1993";
        QTest::newRow("class") << "3" << QueryKind::Class << "3";
        QTest::newRow("division") << "2.3" << QueryKind::Class << "2.3";
        QTest::newRow("division and group") << "1.4s" << QueryKind::Class << "1.4S";
        QTest::newRow("worded class") << "Class 8" << QueryKind::Class << "8";
        QTest::newRow("name") << "sulfuric acid" << QueryKind::Name << "sulfuric acid";
        QTest::newRow("five digits are not an ID") << "12034" << QueryKind::Name << "12034";
        QTest::newRow("name with a number") << "3-pentanol" << QueryKind::Name << "3-pentanol";
        QTest::newRow("class 0 does not exist") << "0" << QueryKind::Name << "0";
    }
    void recognises()
    {
        QFETCH(QString, text);
        QFETCH(QueryKind, kind);
        QFETCH(QString, query);
        const RecognisedQuery q = recogniseQuery(text);
        QCOMPARE(q.kind, kind);
        QCOMPARE(q.text, query);
    }

    void classMatching_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("entryClass");
        QTest::addColumn<bool>("matches");
        QTest::newRow("3 is 3") << "3" << "3" << true;
        QTest::newRow("3 with a subsidiary") << "3" << "3, (8)" << true;
        QTest::newRow("3 is not 1.3") << "3" << "1.3C" << false;
        QTest::newRow("3 is not 2.3") << "3" << "2.3" << false;
        QTest::newRow("3 is not a subsidiary 3") << "3" << "6.1, (3)" << false;
        QTest::newRow("2 holds 2.3") << "2" << "2.3, (5.1, 8)" << true;
        QTest::newRow("1 holds 1.4S") << "1" << "1.4S" << true;
        QTest::newRow("1.4 holds 1.4S") << "1.4" << "1.4S" << true;
        QTest::newRow("1.4S is not 1.4G") << "1.4S" << "1.4G" << false;
        QTest::newRow("1.4s is 1.4S") << "1.4s" << "1.4S" << true;
        QTest::newRow("5.1 is not 5.2") << "5.1" << "5.2" << false;
        QTest::newRow("6 holds 6.1") << "6" << "6.1" << true;
        QTest::newRow("8 is not 9") << "8" << "9" << false;
        QTest::newRow("empty entry class") << "3" << "" << false;
    }
    void classMatching()
    {
        QFETCH(QString, query);
        QFETCH(QString, entryClass);
        QFETCH(bool, matches);
        QCOMPARE(classMatches(query, entryClass), matches);
    }

    void sortingIgnoresCase()
    {
        QStringList names = {"acetone", "Benzene", "ACETYLENE", "benzene", "Acetone"};
        std::sort(names.begin(), names.end(),
                  [](const QString &a, const QString &b) { return compareCaseInsensitive(a, b) < 0; });
        QCOMPARE(names, QStringList({"Acetone", "acetone", "ACETYLENE", "Benzene", "benzene"}));
    }
};

QTEST_MAIN(SearchQueryTest)
#include "search_query_test.moc"
