#include "frontend/name_search.h"

#include "dravlen.h"

#include <algorithm>
#include <cctype>
#include <numeric>
#include <tuple>

namespace velmora::frontend {

namespace {

std::string withoutMarkup(std::string_view text)
{
    std::string s(text);
    for (const char *tag : {"<I>", "</I>", "<i>", "</i>"})
        for (std::size_t at; (at = s.find(tag)) != std::string::npos;)
            s.erase(at, std::char_traits<char>::length(tag));
    return s;
}

bool separates(unsigned char c)
{
    return std::isspace(c) || c == '-' || c == '/' || c == ',' || c == '(' || c == ')';
}

// PIDs name the entries of the table across rulesets: 1 to 2607.
constexpr int kLargestPid = 2607;

// Shortest word in which a final "s" is a plural ending rather
// than part of a short word ("gas", "nos").
constexpr std::size_t kShortestPlural = 4;

} // namespace

std::vector<std::string> nameWords(std::string_view text)
{
    std::vector<std::string> words;
    std::string word;
    const auto finish = [&] {
        if (word.size() >= kShortestPlural && word.back() == 's')
            word.pop_back();
        if (!word.empty())
            words.push_back(word);
        word.clear();
    };
    for (const char ch : withoutMarkup(text)) {
        const auto c = static_cast<unsigned char>(ch);
        if (separates(c))
            finish();
        else if (c >= 0x80 || std::isalnum(c))
            word += static_cast<char>(std::tolower(c));
    }
    finish();
    return words;
}

int nameRank(std::string_view query, std::string_view name)
{
    const std::vector<std::string> q = nameWords(query), n = nameWords(name);
    if (q.empty())
        return 4;
    if (q == n)
        return 0;
    bool begins = n.size() >= q.size();
    for (std::size_t i = 0; begins && i < q.size(); ++i)
        begins = i + 1 < q.size() ? n[i] == q[i] : n[i].rfind(q[i], 0) == 0;
    if (begins)
        return 1;
    std::string joined;
    for (const std::string &w : n)
        joined += (joined.empty() ? "" : " ") + w;
    bool allStart = true, allOccur = true;
    for (const std::string &w : q) {
        const bool starts = std::any_of(n.begin(), n.end(), [&](const std::string &x) { return x.rfind(w, 0) == 0; });
        allStart = allStart && starts;
        allOccur = allOccur && (starts || joined.find(w) != std::string::npos);
    }
    return allStart ? 2 : allOccur ? 3 : 4;
}

int entryNameRank(std::string_view query, int pid)
{
    const CTRec *row = GetCTRec_HazData(pid);
    if (row == nullptr)
        return 4;
    const char *printed = GetElement_CTRec(row, SLOT_ROW, CT_COL_PROPER_SHIPPING_NAME, 0);
    int best = printed ? nameRank(query, printed) : 4;
    const int n = GetNumElements_CTRec(row, SLOT_ROW, CT_COL_SHIPPING_NAMES);
    for (int i = 0; i < n && best > 0; ++i)
        if (const char *roman = GetElement_CTRec(row, SLOT_ROW, CT_COL_SHIPPING_NAMES, i))
            best = std::min(best, nameRank(query, roman));
    return best;
}

int compareIgnoringCase(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int x = std::tolower(static_cast<unsigned char>(a[i]));
        const int y = std::tolower(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b) < 0 ? -1 : a.compare(b) > 0 ? 1 : 0;
}

std::vector<std::size_t> nameMatchOrder(const std::vector<int> &pids, std::string_view query)
{
    struct Key {
        int rank;
        std::string printed;
    };
    std::vector<Key> keys;
    keys.reserve(pids.size());
    for (const int pid : pids) {
        const CTRec *row = GetCTRec_HazData(pid);
        const char *printed = row ? GetElement_CTRec(row, SLOT_ROW, CT_COL_PROPER_SHIPPING_NAME, 0) : nullptr;
        keys.push_back({entryNameRank(query, pid), withoutMarkup(printed ? printed : "")});
    }
    std::vector<std::size_t> order(pids.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const Key &x = keys[a], &y = keys[b];
        if (x.rank != y.rank)
            return x.rank < y.rank;
        if (x.rank >= 1 && x.printed.size() != y.printed.size())
            return x.printed.size() < y.printed.size();
        return compareIgnoringCase(x.printed, y.printed) < 0;
    });
    return order;
}

std::vector<int> entriesMatchingName(std::string_view query)
{
    std::vector<int> matches;
    for (int pid = 1; pid <= kLargestPid; ++pid)
        if (HasPID_HazData(pid) && entryNameRank(query, pid) < 4)
            matches.push_back(pid);
    std::vector<int> ordered;
    ordered.reserve(matches.size());
    for (const std::size_t i : nameMatchOrder(matches, query))
        ordered.push_back(matches[i]);
    return ordered;
}

} // namespace velmora::frontend
