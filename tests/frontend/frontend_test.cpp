// The code the program and velmora-check share: reading typed ID numbers,
// the entries of an ID.
#include "frontend/entries.h"
#include "frontend/holders.h"
#include "frontend/name_search.h"

#include "dravlen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace velmora::frontend;

TEST(IdCandidates, PrefixRule)
{
    struct Case {
        const char *typed;
        std::vector<std::string> ids;
    };
    const Case cases[] = {
        {"1203", {"UN1203", "NA1203", "ID1203"}},   // bare digits: UN, then NA, then ID
        {"un1203", {"UN1203"}},
        {"NA1993", {"NA1993"}},
        {"id8000", {"ID8000"}},
        {"UN12034", {}},
        {"203", {}},
        {"12a3", {}},
        {"XX1203", {}},
        {"UNABCD", {}},
        {"", {}},
        {" 1203", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(idCandidates(c.typed), c.ids) << c.typed;
}

TEST(EntriesOfId, RowsCarryingExactlyThatId)
{
    EngineHolder engine;
    struct Case {
        const char *id;
        size_t atLeast;   // entries the table has for it
        bool exactlyOne;
    };
    const Case cases[] = {
        {"UN1203", 1, false},   // gasoline
        {"UN1017", 1, true},    // chlorine
        {"NA1993", 2, false},   // combustible liquids and diesel fuel share it
        {"UN9999", 0, false},
        {"UN120", 0, false},
    };
    for (const Case &c : cases) {
        const std::vector<int> pids = entriesOfId(c.id);
        EXPECT_GE(pids.size(), c.atLeast) << c.id;
        if (c.atLeast == 0)
            EXPECT_TRUE(pids.empty()) << c.id;
        if (c.exactlyOne)
            EXPECT_EQ(pids.size(), 1u) << c.id;
        for (int pid : pids) {
            ItemHolder item(pid);
            ASSERT_TRUE(item.bound()) << c.id;
            EXPECT_STREQ(GetID_Hazmat(item.get()), c.id);
        }
    }
}


TEST(NameWords, IgnoreCasePunctuationHyphensAndAFinalS)
{
    struct Case {
        const char *text;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {"Corrosive liquids, n.o.s.", {"corrosive", "liquid", "nos"}},
        {"Corrosive liquid, n.o.s", {"corrosive", "liquid", "nos"}},
        {"lithium-ion", {"lithium", "ion"}},
        {"<I>Diesel fuel</I>", {"diesel", "fuel"}},
        {"1,2-Dinitroethane", {"1", "2", "dinitroethane"}},
        {"Gas; gases", {"gas", "gase"}},    // short words keep their "s"
        {"Glass (Class 9)", {"glas", "clas", "9"}},
        {"Ethanol/water", {"ethanol", "water"}},
        {" , . ", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(nameWords(c.text), c.words) << c.text;
}

TEST(NameRank, ExactThenStartThenWords)
{
    struct Case {
        const char *query;
        const char *name;
        int rank;
    };
    const Case cases[] = {
        {"gasoline", "Gasoline", 0},
        {"diesel fuel", "<I>Diesel fuel</I>", 0},
        {"Corrosive liquid, n.o.s.", "Corrosive liquids, n.o.s.", 0},
        {"sulfuric acid", "Sulfuric acid, fuming", 1},
        {"sulfuric ac", "Sulfuric acid", 1},
        {"acid sulf", "Sulfuric acid", 2},
        {"lithium-ion", "Lithium ion batteries including lithium ion polymer batteries", 1},
        {"ion lithium", "Lithium ion batteries", 2},
        {"oline", "Gasoline", 3},
        {"acid fuel", "Sulfuric acid", 4},
        {" , ", "Gasoline", 4},
    };
    for (const Case &c : cases)
        EXPECT_EQ(nameRank(c.query, c.name), c.rank) << c.query << " / " << c.name;
}

TEST(NameMatchOrder, RomanNamesRankTheirEntryFirst)
{
    EngineHolder engine;
    struct Case {
        const char *query;
        const char *firstId;  // the entry listed first among the matches
    };
    const Case cases[] = {
        {"Corrosive liquid, n.o.s.", "UN1760"},
        {"lithium-ion", "UN3480"},
        {"gasoline", "UN1203"},  // a roman name, italic words after it
        {"propane", "UN1978"},
    };
    for (const Case &c : cases) {
        std::vector<int> matches;
        for (int pid = 1; pid <= 2607; ++pid)
            if (HasPID_HazData(pid) && entryNameRank(c.query, pid) < 4)
                matches.push_back(pid);
        ASSERT_FALSE(matches.empty()) << c.query;
        const std::vector<std::size_t> order = nameMatchOrder(matches, c.query);
        ASSERT_EQ(order.size(), matches.size());
        const CTRec *first = GetCTRec_HazData(matches[order.front()]);
        EXPECT_STREQ(GetElement_CTRec(first, SLOT_ROW, CT_COL_ID_NUMBER, 0), c.firstId) << c.query;
        for (std::size_t i = 1; i < order.size(); ++i)
            EXPECT_LE(entryNameRank(c.query, matches[order[i - 1]]), entryNameRank(c.query, matches[order[i]]));
    }
}

TEST(CompareIgnoringCase, TotalOrder)
{
    std::vector<std::string> names = {"acetone", "Benzene", "ACETYLENE", "benzene", "Acetone"};
    std::sort(names.begin(), names.end(),
              [](const std::string &a, const std::string &b) { return compareIgnoringCase(a, b) < 0; });
    EXPECT_EQ(names, (std::vector<std::string>{"Acetone", "acetone", "ACETYLENE", "Benzene", "benzene"}));
}
