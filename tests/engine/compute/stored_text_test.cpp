// Conversion between the library's UTF-8 and the Windows-1252 of the stored
// formats.
#include "compute/stored_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(StoredText, DecodesEveryWindows1252Byte)
{
    struct Case {
        std::string stored;
        std::string utf8;
    };
    const Case cases[] = {
        {"plain", "plain"},
        {"PHMSA\x96" "2020", "PHMSA\u2013" "2020"},          // en dash of dockets
        {"49 CFR \xA7" "172.504", "49 CFR \u00A7" "172.504"},  // section sign
        {"caf\xE9 \xC9", "caf\u00E9 \u00C9"},                 // Latin-1 half
        {"\x80\x99\x9F", "\u20AC\u2122\u0178"},
        {"\x81\x8D\x8F\x90\x9D", "\u0081\u008D\u008F\u0090\u009D"},  // unassigned: kept as C1 controls
        {"line\r\nnext", "line\r\nnext"},                    // line ends as stored
        {"", ""},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(dravlen::Windows1252ToUtf8(c.stored), c.utf8) << c.stored;
        // Writing back gives the bytes that were read, every one of them.
        EXPECT_EQ(dravlen::Utf8ToWindows1252(c.utf8), c.stored) << c.stored;
        EXPECT_EQ(dravlen::Windows1252Length(c.utf8), c.stored.size()) << c.stored;
    }
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(dravlen::Utf8ToWindows1252(dravlen::Windows1252ToUtf8(all)), all);
}

TEST(StoredText, WritesQuestionMarkForWhatWindows1252Lacks)
{
    struct Case {
        const char *what;
        std::string utf8;
        std::string stored;
    };
    const Case cases[] = {
        {"character outside Windows-1252", "\u2192 \u00A7", "? \xA7"},
        {"character beyond the first plane", "a\U0001F69Bb", "a?b"},
        {"stray continuation byte", "a\x80" "b", "a?b"},
        {"lead byte without its continuation", "a\xC3", "a?"},
        {"overlong form of '/'", "\xC0\xAF", "??"},
        {"surrogate", "\xED\xA0\x80", "???"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(dravlen::Utf8ToWindows1252(c.utf8), c.stored) << c.what;
        EXPECT_EQ(dravlen::Windows1252Length(c.utf8), c.stored.size()) << c.what;
    }
}

TEST(StoredText, CompleteLengthDropsACharacterCutShort)
{
    struct Case {
        std::string text;
        std::size_t n;
        std::size_t complete;
    };
    const Case cases[] = {
        {"ab", 2, 2},
        {"a\u00A7", 3, 3},       // whole section sign
        {"a\u00A7", 2, 1},       // its first byte only
        {"a\u2013", 3, 1},       // two bytes of an en dash
        {"\U0001F69B", 3, 0},
        {"", 0, 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(dravlen::Utf8CompleteLength(c.text.c_str(), c.n), c.complete) << c.text << " " << c.n;
}

} // namespace
