#include "tavisto/citation_url.h"

#include <cctype>

namespace tavisto {

namespace {

bool startsWithNoCase(const std::string &s, const std::string &prefix)
{
    if (s.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(s[i])) != std::toupper(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

size_t digitsAt(const std::string &s, size_t pos)
{
    size_t n = 0;
    while (pos + n < s.size() && std::isdigit(static_cast<unsigned char>(s[pos + n])))
        ++n;
    return n;
}

} // namespace

std::string citationToUrl(const std::string &citationIn)
{
    std::string c;
    for (char ch : citationIn)
        if (!std::isspace(static_cast<unsigned char>(ch)))
            c += ch;
    if (startsWithNoCase(c, "cite="))
        c.erase(0, 5);

    // Optional title: "49CFR", "40CFR"; the program's citations are Title 49.
    std::string title = "49";
    const size_t lead = digitsAt(c, 0);
    if (lead > 0 && startsWithNoCase(c.substr(lead), "CFR")) {
        title = c.substr(0, lead);
        c.erase(0, lead + 3);
    } else if (startsWithNoCase(c, "CFR")) {
        c.erase(0, 3);
    }

    const std::string titleUrl = std::string(kEcfrBase) + "title-" + title;
    const size_t partDigits = digitsAt(c, 0);
    if (partDigits == 0)
        return titleUrl;
    const std::string part = c.substr(0, partDigits);
    if (partDigits >= c.size() || c[partDigits] != '.' || digitsAt(c, partDigits + 1) == 0)
        return titleUrl + "/part-" + part;

    // Section "172.504", possibly with a suffix such as "178.345-1".
    size_t end = partDigits + 1 + digitsAt(c, partDigits + 1);
    if (end + 1 < c.size() && c[end] == '-' && std::isdigit(static_cast<unsigned char>(c[end + 1])))
        end += 1 + digitsAt(c, end + 1);
    const std::string section = c.substr(0, end);
    std::string url = titleUrl + "/section-" + section;

    // A paragraph "(e)", "(a)(3)" becomes the page's paragraph anchor.
    std::string paragraph;
    size_t pos = end;
    while (pos < c.size() && c[pos] == '(') {
        const size_t close = c.find(')', pos);
        if (close == std::string::npos || close == pos + 1)
            break;
        bool clean = true;
        for (size_t i = pos + 1; i < close; ++i)
            clean = clean && std::isalnum(static_cast<unsigned char>(c[i]));
        if (!clean)
            break;
        paragraph += c.substr(pos, close - pos + 1);
        pos = close + 1;
    }
    if (!paragraph.empty())
        url += "#p-" + section + paragraph;
    return url;
}

} // namespace tavisto
