// The code the program and velmora-check share: reading typed ID numbers,
// the entries of an ID.
#include "frontend/entries.h"
#include "frontend/holders.h"

#include <gtest/gtest.h>

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
