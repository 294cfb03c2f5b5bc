// Hazard class and division codes.
//
// Every hazard of a material (49 CFR 172.101 column 3 and the label codes
// of column 6) is written as a short code: a class ("3"), a class and
// division ("2.3"), an explosive's division with its compatibility group
// (173.52, "1.4S"), or "COMB" for a combustible liquid (173.120(b)).
// Parsing is strict, so a malformed table entry can never yield a placard.
#include "dravlen.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

// Divisions that exist per class: 1.1-1.6, 2.1-2.3, 4.1-4.3, 5.1-5.2,
// 6.1-6.2 (49 CFR 173.2 and 173.50-173.134).
bool DivisionExists(unsigned hazClass, unsigned division)
{
    switch (hazClass) {
    case 1: return division >= 1 && division <= 6;
    case 2: return division >= 1 && division <= 3;
    case 4: return division >= 1 && division <= 3;
    case 5: return division >= 1 && division <= 2;
    case 6: return division >= 1 && division <= 2;
    default: return false;
    }
}

// Compatibility groups of 173.52 (I, K, M, O, P, Q, R, T-Z are not letters
// of that table; K is not used for transport here).
constexpr const char kCompatGroups[] = "ABCDEFGHJLNS";

// Fixed-width description table, in the order GetDesc_HazDiv indexes it.
constexpr char kDescriptions[17][28] = {
    "Explosives",
    "Flammable Gas",
    "Non-Flammable Gas",
    "Poison Gas",
    "Flammable",
    "Combustible",
    "Flammable Solid",
    "Spontaneously Combustible",
    "Dangerous When Wet",
    "Oxidizer",
    "Organic Peroxide",
    "Poison",
    "Infectious Substance",
    "Radioactive",
    "Corrosive",
    "Class 9",
    "Unknown",
};
constexpr int kUnknown = 16;

int DescriptionIndex(const HazDiv *hd)
{
    const int d = hd->division;
    switch (hd->hazClass) {
    case 1: return 0;
    case 2: return (d >= 1 && d <= 3) ? d : kUnknown;
    case 3:
        if (hd->compatGroup == 0) return 4;
        if (hd->compatGroup == 'C') return 5;
        return kUnknown;
    case 4: return (d >= 1 && d <= 3) ? 5 + d : kUnknown;
    case 5: return (d >= 1 && d <= 2) ? 8 + d : kUnknown;
    case 6: return (d >= 1 && d <= 2) ? 10 + d : kUnknown;
    case 7: return 13;
    case 8: return 14;
    case 9: return 15;
    default: return kUnknown;
    }
}

char g_stringBuffer[16];

} // namespace

extern "C" {

DRAVLEN_API int Init_HazDiv(HazDiv *hd, const char *code)
{
    hd->hazClass = 0;
    hd->division = 0;
    hd->compatGroup = 0;
    if (code == nullptr || code[0] == '\0')
        return 1;

    // The forms are read as the C library's "%u" conversions read them; in
    // codes of at most four characters that leaves exactly these patterns
    // (a sign or a blank always leaves a conversion short).  Parsed by hand:
    // the calculation parses every item's codes for every pair it checks.
    auto digit = [](char ch) { return ch >= '0' && ch <= '9'; };
    const size_t len = std::strlen(code);
    switch (len) {
    case 1:
        if (code[0] >= '1' && code[0] <= '9') {
            hd->hazClass = static_cast<uint8_t>(code[0] - '0');
            return 1;
        }
        return 0;
    case 3: {
        if (!digit(code[0]) || code[1] != '.' || !digit(code[2]))
            return 0;
        const unsigned c = static_cast<unsigned>(code[0] - '0');
        const unsigned d = static_cast<unsigned>(code[2] - '0');
        if (!DivisionExists(c, d))
            return 0;
        hd->hazClass = static_cast<uint8_t>(c);
        hd->division = static_cast<uint8_t>(d);
        return 1;
    }
    case 4: {
        if (std::tolower(static_cast<unsigned char>(code[0])) == 'c' &&
            std::tolower(static_cast<unsigned char>(code[1])) == 'o' &&
            std::tolower(static_cast<unsigned char>(code[2])) == 'm' &&
            std::tolower(static_cast<unsigned char>(code[3])) == 'b') {
            hd->hazClass = 3;
            hd->compatGroup = 'C';
            return 1;
        }
        if (code[0] != '1' || code[1] != '.' || code[2] < '1' || code[2] > '6')
            return 0;
        const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(code[3])));
        if (upper == 0 || std::strchr(kCompatGroups, upper) == nullptr)
            return 0;
        hd->hazClass = 1;
        hd->division = static_cast<uint8_t>(code[2] - '0');
        hd->compatGroup = upper;
        return 1;
    }
    default:
        return 0;
    }
}

DRAVLEN_API int GetClass_HazDiv(const HazDiv *hd) { return hd->hazClass; }
DRAVLEN_API int GetDivision_HazDiv(const HazDiv *hd) { return hd->division; }
DRAVLEN_API char GetCompatGroup_HazDiv(const HazDiv *hd) { return hd->compatGroup; }

DRAVLEN_API const char *GetString_HazDiv(const HazDiv *hd)
{
    if (hd->hazClass == 0)
        return nullptr;
    if (hd->hazClass == 3 && hd->compatGroup == 'C')
        std::snprintf(g_stringBuffer, sizeof g_stringBuffer, "COMB");
    else if (hd->division == 0)
        std::snprintf(g_stringBuffer, sizeof g_stringBuffer, "%d", hd->hazClass);
    else if (hd->compatGroup != 0)
        std::snprintf(g_stringBuffer, sizeof g_stringBuffer, "%d.%d%c", hd->hazClass,
                      hd->division, hd->compatGroup);
    else
        std::snprintf(g_stringBuffer, sizeof g_stringBuffer, "%d.%d", hd->hazClass, hd->division);
    return g_stringBuffer;
}

DRAVLEN_API const char *GetDesc_HazDiv(const HazDiv *hd)
{
    return kDescriptions[DescriptionIndex(hd)];
}

} // extern "C"
