// Hazard class and division codes: parsing, canonical text, descriptions.
#include "dravlen.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <string>

namespace {

struct ParseCase {
    const char *code;
    int ok;
    int hazClass;
    int division;
    char letter;
    const char *canonical;   // nullptr = GetString_HazDiv returns null
    const char *description;
};

void PrintTo(const ParseCase &c, std::ostream *os)
{
    *os << '"' << (c.code ? c.code : "(null)") << '"';
}

class HazDivParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(HazDivParse, ParsesPrintsAndDescribes)
{
    const ParseCase &c = GetParam();
    HazDiv hd{9, 9, 'X'};
    EXPECT_EQ(Init_HazDiv(&hd, c.code), c.ok);
    EXPECT_EQ(GetClass_HazDiv(&hd), c.hazClass);
    EXPECT_EQ(GetDivision_HazDiv(&hd), c.division);
    EXPECT_EQ(GetCompatGroup_HazDiv(&hd), c.letter);
    const char *s = GetString_HazDiv(&hd);
    if (c.canonical == nullptr)
        EXPECT_EQ(s, nullptr);
    else
        EXPECT_STREQ(s, c.canonical);
    EXPECT_STREQ(GetDesc_HazDiv(&hd), c.description);
}

const ParseCase kCases[] = {
    // Accepted forms.
    {"3", 1, 3, 0, 0, "3", "Flammable"},
    {"8", 1, 8, 0, 0, "8", "Corrosive"},
    {"1", 1, 1, 0, 0, "1", "Explosives"},
    {"2", 1, 2, 0, 0, "2", "Unknown"},           // class 2 needs a division to describe
    {"9", 1, 9, 0, 0, "9", "Class 9"},
    {"7", 1, 7, 0, 0, "7", "Radioactive"},
    {"2.1", 1, 2, 1, 0, "2.1", "Flammable Gas"},
    {"2.2", 1, 2, 2, 0, "2.2", "Non-Flammable Gas"},
    {"2.3", 1, 2, 3, 0, "2.3", "Poison Gas"},
    {"4.1", 1, 4, 1, 0, "4.1", "Flammable Solid"},
    {"4.2", 1, 4, 2, 0, "4.2", "Spontaneously Combustible"},
    {"4.3", 1, 4, 3, 0, "4.3", "Dangerous When Wet"},
    {"5.1", 1, 5, 1, 0, "5.1", "Oxidizer"},
    {"5.2", 1, 5, 2, 0, "5.2", "Organic Peroxide"},
    {"6.1", 1, 6, 1, 0, "6.1", "Poison"},
    {"6.2", 1, 6, 2, 0, "6.2", "Infectious Substance"},
    {"1.5", 1, 1, 5, 0, "1.5", "Explosives"},
    {"1.4s", 1, 1, 4, 'S', "1.4S", "Explosives"},  // letter upper-cased
    {"1.1d", 1, 1, 1, 'D', "1.1D", "Explosives"},
    {"1.6N", 1, 1, 6, 'N', "1.6N", "Explosives"},
    {"COMB", 1, 3, 0, 'C', "COMB", "Combustible"},
    {"Comb", 1, 3, 0, 'C', "COMB", "Combustible"},
    {"comb", 1, 3, 0, 'C', "COMB", "Combustible"},
    {"", 1, 0, 0, 0, nullptr, "Unknown"},
    {nullptr, 1, 0, 0, 0, nullptr, "Unknown"},
    // Rejected: letters outside the compatibility groups of 173.52.
    {"1.4I", 0, 0, 0, 0, nullptr, "Unknown"},
    {"1.4T", 0, 0, 0, 0, nullptr, "Unknown"},
    {"1.4K", 0, 0, 0, 0, nullptr, "Unknown"},
    // Rejected: divisions that do not exist.
    {"1.7A", 0, 0, 0, 0, nullptr, "Unknown"},
    {"3.1", 0, 0, 0, 0, nullptr, "Unknown"},
    {"7.1", 0, 0, 0, 0, nullptr, "Unknown"},
    {"9.1", 0, 0, 0, 0, nullptr, "Unknown"},
    {"2.4", 0, 0, 0, 0, nullptr, "Unknown"},
    {"5.3", 0, 0, 0, 0, nullptr, "Unknown"},
    {"2.3A", 0, 0, 0, 0, nullptr, "Unknown"},    // only class 1 takes a letter
    // Rejected: not a code at all.
    {"0", 0, 0, 0, 0, nullptr, "Unknown"},
    {"10", 0, 0, 0, 0, nullptr, "Unknown"},
    {"1.", 0, 0, 0, 0, nullptr, "Unknown"},
    {"A", 0, 0, 0, 0, nullptr, "Unknown"},
    {"1.10", 0, 0, 0, 0, nullptr, "Unknown"},    // no letter after the division
    {"COMBX", 0, 0, 0, 0, nullptr, "Unknown"},
    {"Comb liq", 0, 0, 0, 0, nullptr, "Unknown"},
};

INSTANTIATE_TEST_SUITE_P(Codes, HazDivParse, ::testing::ValuesIn(kCases));

TEST(HazDivString, SharedBufferIsOverwrittenByTheNextCall)
{
    HazDiv a, b;
    Init_HazDiv(&a, "2.3");
    Init_HazDiv(&b, "1.4S");
    const std::string first = GetString_HazDiv(&a);
    const char *p = GetString_HazDiv(&b);
    EXPECT_EQ(first, "2.3");
    EXPECT_STREQ(p, "1.4S");
}

TEST(HazDivDescription, UnusualRecordsDescribeAsUnknown)
{
    // Records built by hand rather than parsed: class 3 with another letter,
    // class 4 without division, a class beyond 9.
    const HazDiv cases[] = {{3, 0, 'X'}, {4, 0, 0}, {5, 3, 0}, {6, 0, 0}, {12, 0, 0}};
    for (const HazDiv &hd : cases)
        EXPECT_STREQ(GetDesc_HazDiv(&hd), "Unknown") << int(hd.hazClass) << "." << int(hd.division);
}

// The codes are defined by the "%u" conversions of the C library; the
// parser reads them by hand.  Every text of one to four characters over an
// alphabet of digits, signs, blanks, dots and letters parses the same way
// as the conversions would.
HazDiv ReferenceParse(const char *code, int *ok)
{
    HazDiv hd{0, 0, 0};
    *ok = 0;
    unsigned c = 0, d = 0;
    char letter = 0;
    int n = 0;
    const size_t len = std::strlen(code);
    auto divisionExists = [](unsigned k, unsigned v) {
        return (k == 1 && v >= 1 && v <= 6) || ((k == 2 || k == 4) && v >= 1 && v <= 3) ||
               ((k == 5 || k == 6) && v >= 1 && v <= 2);
    };
    if (len == 1 && std::sscanf(code, "%u%n", &c, &n) == 1 && n == 1 && c >= 1 && c <= 9) {
        hd.hazClass = static_cast<uint8_t>(c);
        *ok = 1;
    } else if (len == 3 && std::sscanf(code, "%u.%u", &c, &d) == 2 && divisionExists(c, d)) {
        hd.hazClass = static_cast<uint8_t>(c);
        hd.division = static_cast<uint8_t>(d);
        *ok = 1;
    } else if (len == 4) {
        char low[5];
        for (int i = 0; i < 5; ++i)
            low[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(code[i])));
        if (std::strcmp(low, "comb") == 0) {
            hd.hazClass = 3;
            hd.compatGroup = 'C';
            *ok = 1;
        } else if (std::sscanf(code, "%u.%u%c", &c, &d, &letter) == 3 && c == 1 && d >= 1 && d <= 6) {
            const char up = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
            if (up != 0 && std::strchr("ABCDEFGHJLNS", up) != nullptr) {
                hd.hazClass = 1;
                hd.division = static_cast<uint8_t>(d);
                hd.compatGroup = up;
                *ok = 1;
            }
        }
    }
    return hd;
}

TEST(HazDivParse, AgreesWithTheLibraryConversionsOnEveryShortText)
{
    const char alphabet[] = "0123456789.+- \tsSKcomb";
    const size_t k = std::strlen(alphabet);
    char code[5];
    long checked = 0;
    for (size_t len = 1; len <= 4; ++len) {
        size_t total = 1;
        for (size_t i = 0; i < len; ++i)
            total *= k;
        for (size_t v = 0; v < total; ++v) {
            size_t x = v;
            for (size_t i = 0; i < len; ++i, x /= k)
                code[i] = alphabet[x % k];
            code[len] = 0;
            int expectOk = 0;
            const HazDiv expected = ReferenceParse(code, &expectOk);
            HazDiv got;
            ASSERT_EQ(Init_HazDiv(&got, code), expectOk) << '"' << code << '"';
            ASSERT_EQ(got.hazClass, expected.hazClass) << '"' << code << '"';
            ASSERT_EQ(got.division, expected.division) << '"' << code << '"';
            ASSERT_EQ(got.compatGroup, expected.compatGroup) << '"' << code << '"';
            ++checked;
        }
    }
    EXPECT_GT(checked, 200000);
}

} // namespace
