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
    return line;
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
