// The text dictionary and its block form.
#include "compute/dict.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Block(const std::string &raw)
{
    return Bytes(raw.begin(), raw.end());
}

struct DictFixture : ::testing::Test {
    Dict dict{nullptr};
    ~DictFixture() override { dravlen::ReleaseDict(&dict); }

    std::vector<std::string> Keys() const
    {
        std::vector<std::string> keys;
        for (const DictEntry *e = dict.head; e; e = e->next)
            keys.emplace_back(e->key);
        return keys;
    }

    Bytes Write() const
    {
        Bytes out(dravlen::DictBlockLength(&dict), 0xEE);
        EXPECT_EQ(dravlen::WriteDictBlock(&dict, out.data()), out.size());
        return out;
    }
};

TEST_F(DictFixture, AddReplacesInPlaceRemovesAndAppends)
{
    EXPECT_EQ(Add_Dict(&dict, nullptr, "v"), 0);
    EXPECT_EQ(dict.head, nullptr);

    EXPECT_NE(Add_Dict(&dict, "a", "1"), 0);
    EXPECT_NE(Add_Dict(&dict, "b", "2"), 0);
    EXPECT_NE(Add_Dict(&dict, "c", "3"), 0);
    EXPECT_NE(Add_Dict(&dict, "a", "changed"), 0);
    EXPECT_EQ(Keys(), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_STREQ(Find_Dict(&dict, "a"), "changed");

    // Keys are case-sensitive.
    EXPECT_EQ(Find_Dict(&dict, "A"), nullptr);
    EXPECT_EQ(Find_Dict(&dict, nullptr), nullptr);

    EXPECT_NE(Add_Dict(&dict, "b", nullptr), 0); // no value removes
    EXPECT_EQ(Keys(), (std::vector<std::string>{"a", "c"}));
    EXPECT_NE(Add_Dict(&dict, "zz", nullptr), 0); // absent key, no value: no change
    EXPECT_EQ(Keys(), (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(Find_Dict(&dict, "zz"), nullptr);
}

TEST_F(DictFixture, ValuesAreCopies)
{
    char key[] = "key";
    char value[] = "value";
    Add_Dict(&dict, key, value);
    key[0] = 'X';
    value[0] = 'X';
    EXPECT_STREQ(Find_Dict(&dict, "key"), "value");
}

TEST_F(DictFixture, BlockLayoutPadsEachTextToFourBytes)
{
    EXPECT_EQ(dravlen::DictBlockLength(&dict), 0u);

    Add_Dict(&dict, "ab", "xyz");
    EXPECT_EQ(dravlen::DictBlockLength(&dict), 8u);
    const Bytes one = Write();
    EXPECT_EQ(Bytes(one.begin(), one.begin() + 3), Block(std::string("ab\0", 3)));
    EXPECT_EQ(Bytes(one.begin() + 4, one.end()), Block(std::string("xyz\0", 4)));

    // A 4-character key takes 8 bytes: the text, its zero and 3 pad bytes.
    Add_Dict(&dict, "abcd", "");
    EXPECT_EQ(dravlen::DictBlockLength(&dict), 8u + 8u + 4u);
    const Bytes two = Write();
    EXPECT_EQ(Bytes(two.begin() + 8, two.begin() + 13), Block(std::string("abcd\0", 5)));
    EXPECT_EQ(two[16], 0); // the empty value is a lone zero
}

TEST_F(DictFixture, BlockRoundTripKeepsOrderAndLaterDuplicateWins)
{
    Add_Dict(&dict, "_8820 Criteria Met", "1");
    Add_Dict(&dict, "SPA_QID13", "0");
    Add_Dict(&dict, "k", "");
    const Bytes block = Write();

    Dict back{nullptr};
    ASSERT_TRUE(dravlen::ReadDictBlock(&back, block.data(), block.size()));
    std::vector<std::string> keys;
    for (const DictEntry *e = back.head; e; e = e->next)
        keys.emplace_back(std::string(e->key) + "=" + e->value);
    EXPECT_EQ(keys, (std::vector<std::string>{"_8820 Criteria Met=1", "SPA_QID13=0", "k="}));
    dravlen::ReleaseDict(&back);

    const Bytes twice = Block(std::string("ab\0\0one\0ab\0\0two\0", 16));
    ASSERT_TRUE(dravlen::ReadDictBlock(&dict, twice.data(), twice.size()));
    EXPECT_STREQ(Find_Dict(&dict, "ab"), "two");

    EXPECT_TRUE(dravlen::ReadDictBlock(&dict, nullptr, 0)); // an empty block
}

TEST_F(DictFixture, BlockStoresWindows1252AndReadsUtf8)
{
    // The library's texts are UTF-8; the block keeps the single-byte
    // Windows-1252 of the files written before.
    Add_Dict(&dict, "Note", "\u00A7 177.848 caf\u00E9");
    Add_Dict(&dict, "Arrow", "a\u2192b");
    const Bytes block = Write();
    EXPECT_EQ(block, Block(std::string("Note\0\0\0\0" "\xA7 177.848 caf\xE9\0\0"
                                       "Arrow\0\0\0" "a?b\0", 36)));

    Dict back{nullptr};
    ASSERT_TRUE(dravlen::ReadDictBlock(&back, block.data(), block.size()));
    EXPECT_STREQ(Find_Dict(&back, "Note"), "\u00A7 177.848 caf\u00E9");
    EXPECT_STREQ(Find_Dict(&back, "Arrow"), "a?b");  // what Windows-1252 lacks is written as '?'
    dravlen::ReleaseDict(&back);
}

TEST_F(DictFixture, MalformedBlocksAreRefusedWithoutChange)
{
    struct Case {
        const char *what;
        std::string raw;
    };
    const Case cases[] = {
        {"key without terminator", std::string("abcd", 4)},
        {"key without a value", std::string("ab\0\0", 4)},
        {"value without terminator", std::string("ab\0\0xyzw", 8)},
        {"value padding cut short", std::string("ab\0\0xyzw\0", 9)},
        {"key padding cut short", std::string("abcd\0", 5)},
        {"second entry truncated", std::string("ab\0\0xy\0\0cd\0\0", 12)},
        {"stray byte after the last entry", std::string("ab\0\0xy\0\0Z", 9)},
    };
    Add_Dict(&dict, "kept", "yes");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        // A copy in its own allocation, so that ASan sees any read past it.
        auto *data = new unsigned char[c.raw.size()];
        std::copy(c.raw.begin(), c.raw.end(), data);
        EXPECT_FALSE(dravlen::ReadDictBlock(&dict, data, c.raw.size()));
        delete[] data;
        EXPECT_EQ(Keys(), std::vector<std::string>{"kept"});
    }
}

TEST_F(DictFixture, CopyIsIndependent)
{
    Add_Dict(&dict, "a", "1");
    Add_Dict(&dict, "b", "2");
    Dict copy{nullptr};
    ASSERT_TRUE(dravlen::CopyDict(&copy, &dict));
    Add_Dict(&dict, "a", "changed");
    Add_Dict(&dict, "b", nullptr);
    EXPECT_STREQ(Find_Dict(&copy, "a"), "1");
    EXPECT_STREQ(Find_Dict(&copy, "b"), "2");
    dravlen::ReleaseDict(&copy);
    EXPECT_EQ(copy.head, nullptr);
}

} // namespace
