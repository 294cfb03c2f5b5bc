// The words of an explanation.
#include "compute/explain_words.h"

#include "compute/placard_rules.h"

#include <cstring>

namespace dravlen {

std::string PoundsText(uint64_t pounds)
{
    std::string digits = std::to_string(pounds);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<size_t>(at), ",");
    return digits + " lb";
}

namespace {

// The placards of 172.521-172.560 by class, division and variant letter.
const char *PlainPlacardName(int hazClass, int division, char letter)
{
    switch (hazClass) {
    case 0: return letter == kLetterDangerous ? "DANGEROUS" : "UNKNOWN";
    case 1: return "EXPLOSIVES";
    case 2:
        if (division == 1) return "FLAMMABLE GAS";
        if (division == 3) return "POISON GAS";
        return letter == kLetterOxygen ? "OXYGEN" : "NON-FLAMMABLE GAS";
    case 3:
        if (letter == kLetterCombustible) return "COMBUSTIBLE";
        if (letter == kLetterFuelOil) return "FUEL OIL";
        if (letter == kLetterGasoline) return "GASOLINE";
        return "FLAMMABLE";
    case 4:
        if (division == 2) return "SPONTANEOUSLY COMBUSTIBLE";
        if (division == 3) return "DANGEROUS WHEN WET";
        return "FLAMMABLE SOLID";
    case 5:
        if (division == 2) return letter == kLetterOxygen ? "ORGANIC PEROXIDE (earlier design)" : "ORGANIC PEROXIDE";
        return "OXIDIZER";
    case 6:
        if (letter == kLetterInhalation) return "POISON INHALATION HAZARD";
        if (letter == kLetterPoisonPG3) return "POISON (PG III)";
        if (letter == kLetterPoisonAlt) return "TOXIC";
        return "POISON";
    case 7: return "RADIOACTIVE";
    case 8: return "CORROSIVE";
    case 9: return "CLASS 9";
    default: return "UNKNOWN";
    }
}

} // namespace

std::string PlacardName(const Placard &p)
{
    std::string name = PlainPlacardName(p.hazClass, p.division, p.letter);
    if (p.hazClass == 1) {
        name += " 1." + std::to_string(p.division);
        if (p.letter)
            name += p.letter;
    }
    return name;
}

std::string HazardPlacardName(const char *code)
{
    HazDiv d{};
    if (!code || !Init_HazDiv(&d, code) || d.hazClass == 0)
        return code ? code : "";
    Placard p{};
    p.hazClass = d.hazClass;
    p.division = d.division;
    p.letter = d.compatGroup;
    return PlacardName(p);
}

std::string ItemName(const Hazmat *item)
{
    const char *id = GetID_Hazmat(item);
    const char *code = GetHazDivString_Hazmat(item, 0);
    std::string name = id ? id : "(no ID)";
    if (code && *code) {
        HazDiv d{};
        Init_HazDiv(&d, code);
        name += std::strcmp(code, "COMB") == 0 ? " (combustible liquid)"
              : d.division ? std::string(" (Division ") + code + ")"
                           : std::string(" (Class ") + code + ")";
    }
    return name;
}

std::string CategoryName(int category)
{
    if (category < 0)
        return "no class";
    const int hazClass = category / 256;
    const int division = category % 256;
    if (division == 0)
        return "Class " + std::to_string(hazClass);
    return "Division " + std::to_string(hazClass) + "." + std::to_string(division);
}

namespace {

bool IsUtf8(const std::string &s)
{
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        const size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size())
            return false;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += n;
    }
    return true;
}

void AppendCodePoint(std::string &out, unsigned cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Windows-1252 0x80-0x9F; the rest of the upper half is Latin-1.
constexpr unsigned kWindows1252[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

} // namespace

std::string OneLineUtf8(const char *text)
{
    std::string in = text ? text : "";
    std::string line;
    for (char c : in) {
        if (c == '\r' || c == '\n') {
            if (!line.empty() && line.back() != ' ')
                line += ' ';
        } else {
            line += c;
        }
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    if (IsUtf8(line))
        return line;
    std::string out;
    for (char c : line) {
        const unsigned char b = static_cast<unsigned char>(c);
        AppendCodePoint(out, b < 0x80 ? b : b < 0xA0 ? kWindows1252[b - 0x80] : b);
    }
    return out;
}

std::string CitationOfKey(const char *key)
{
    if (!key || !*key)
        return "";
    std::string k = key;
    if (k.rfind("49cfr", 0) == 0)
        return "49 CFR " + k.substr(5);
    return k;
}

} // namespace dravlen
