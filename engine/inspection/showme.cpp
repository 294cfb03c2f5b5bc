#include "inspection/showme.h"

#include "compute/dict.h"
#include "inspection/violation.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace dravlen {

namespace {

constexpr char kEntryPrefix[] = "ShowMeViolation";
constexpr char kCountKey[] = "NumShowMeViolations";

// A canonical decimal number (no sign, no leading zero unless "0").
bool ParseNumber(const char *text, uint64_t *out)
{
    if (!text || !*text || (text[0] == '0' && text[1] != '\0'))
        return false;
    uint64_t value = 0;
    for (const char *p = text; *p; ++p) {
        if (*p < '0' || *p > '9' || value > UINT32_MAX)
            return false;
        value = value * 10 + static_cast<uint64_t>(*p - '0');
    }
    *out = value;
    return true;
}

bool TableOutOfService(const std::string &citation)
{
    Violation v;
    return InitViolation(&v, citation.c_str()) && v.outOfService;
}

} // namespace

std::string ShowMeKey(uint32_t number) { return kEntryPrefix + std::to_string(number); }

std::vector<uint32_t> ShowMeEntryNumbers(const Dict *dict)
{
    std::vector<uint32_t> numbers;
    uint64_t count = 0;
    if (!ParseNumber(Find_Dict(dict, kCountKey), &count))
        return numbers;
    const std::size_t prefix = std::strlen(kEntryPrefix);
    for (const DictEntry *e = dict->head; e; e = e->next) {
        uint64_t n = 0;
        if (std::strncmp(e->key, kEntryPrefix, prefix) == 0 && ParseNumber(e->key + prefix, &n) &&
            n < count)
            numbers.push_back(static_cast<uint32_t>(n));
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

int Separators(const std::string &entry)
{
    return static_cast<int>(std::count(entry.begin(), entry.end(), '|'));
}

ShowMeFinding ParseFinding(const std::string &entry)
{
    std::string *fields[6];
    ShowMeFinding f;
    fields[0] = &f.citation;
    fields[1] = &f.description;
    fields[2] = &f.detail;
    fields[3] = &f.enabled;
    fields[4] = &f.unit;
    fields[5] = &f.outOfService;
    std::size_t start = 0;
    for (int i = 0; i < 6; ++i) {
        const std::size_t bar = entry.find('|', start);
        if (bar == std::string::npos) {
            fields[i]->assign(entry, start, std::string::npos);
            return f;
        }
        fields[i]->assign(entry, start, bar - start);
        start = bar + 1;
    }
    f.override.assign(entry, start, std::string::npos);
    return f;
}

std::string FormatFinding(const ShowMeFinding &f)
{
    return f.citation + "|" + f.description + "|" + f.detail + "|" + f.enabled + "|" + f.unit +
           "|" + f.outOfService + "|" + f.override;
}

bool CountsAsDeleted(const std::string &entry)
{
    return Separators(entry) < 3 || ParseFinding(entry).enabled == "0";
}

std::string NormalisedEntry(const std::string &entry)
{
    ShowMeFinding f = ParseFinding(entry);
    if (Separators(entry) >= 6 && !f.outOfService.empty())
        return entry;
    if (f.outOfService.empty())
        f.outOfService = TableOutOfService(f.citation) ? "1" : "0";
    return FormatFinding(f);
}

std::vector<uint32_t> ReadableFindings(const Dict *dict)
{
    std::vector<uint32_t> readable;
    for (uint32_t n : ShowMeEntryNumbers(dict)) {
        const char *text = Find_Dict(dict, ShowMeKey(n).c_str());
        if (!text || CountsAsDeleted(text))
            continue;
        Violation v;
        if (InitViolation(&v, ParseFinding(text).citation.c_str()))
            readable.push_back(n);
    }
    return readable;
}

bool FindingToViolation(const ShowMeFinding &f, Violation *out)
{
    if (!InitViolation(out, f.citation.c_str()))
        return false;
    std::string description = f.description;
    if (!f.detail.empty())
        description += " (" + f.detail + ")";
    SetDescriptionText(out, description.c_str());
    if (!f.unit.empty())
        out->unit = f.unit[0];
    out->outOfService = f.outOfService == "1";
    if (!f.override.empty())
        SetCitationText(out, f.override.c_str());
    out->next = nullptr;
    return true;
}

} // namespace dravlen
