// The messages of one pass, gathered in a hash and written to the output
// once, in the order InsertMessage would have left them.
#include "compute/messages.h"
#include "compute/output_build.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <unordered_set>
#include <utility>

namespace dravlen {

namespace {

std::string_view View(const char *text)
{
    return text ? std::string_view(text) : std::string_view();
}

size_t Mix(size_t seed, size_t value)
{
    return seed ^ (value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2));
}

// Two items named by a message, in either order.
struct PairOfIds {
    std::string_view first, second;
    bool operator==(const PairOfIds &) const = default;
};

PairOfIds Unordered(std::string_view a, std::string_view b)
{
    return a < b ? PairOfIds{a, b} : PairOfIds{b, a};
}

struct PairOfIdsHash {
    size_t operator()(const PairOfIds &p) const
    {
        const std::hash<std::string_view> h;
        return Mix(h(p.first), h(p.second));
    }
};

} // namespace

size_t MessageBook::KeyHash::operator()(const Key &k) const
{
    const std::hash<std::string_view> h;
    size_t seed = static_cast<size_t>(k.msg) * 131 + static_cast<size_t>(k.type);
    seed = Mix(seed, h(k.id1));
    seed = Mix(seed, h(k.id2));
    seed = Mix(seed, h(k.class1));
    return Mix(seed, h(k.class2));
}

MessageBook::MessageBook(Output *out) : out_(out)
{
    // The output's list is ordered by code, newest first within a code: as
    // postings, its first message is the latest of them.
    seeded_.assign(out->messages, out->messages + out->messageCount);
    for (int i = 0; i < out->messageCount; ++i) {
        const HazSeg &m = seeded_[i];
        const Key key{m.type, m.msg, View(m.id1), View(m.id2), View(m.class1), View(m.class2)};
        if (index_.emplace(key, entries_.size()).second)
            entries_.push_back({key, -1 - static_cast<int64_t>(i), i, MessageSubject{}});
    }
}

void MessageBook::Post(const MessageSubject &subject, int code)
{
    const MessageDef *def = FindMessageDef(code);
    if (def == nullptr)
        return;
    ApplyMessageLegality(out_, def->type);
    const Key key{def->type, code, View(subject.id1), View(subject.id2), View(subject.class1),
                  View(subject.class2)};
    const auto [it, added] = index_.emplace(key, entries_.size());
    if (added) {
        entries_.push_back({key, next_++, -1, subject});
        return;
    }
    // The newer posting is the one kept, at the head of its code.
    Entry &e = entries_[it->second];
    e.order = next_++;
    e.seeded = -1;
    e.subject = subject;
}

// The entries in the order of the list InsertMessage leaves: by code, and
// within a code the latest posting first.  Postings are numbered, so one
// walk from the latest posting back to the oldest message of the output,
// dealt out by code, gives that order without comparing entries.
std::vector<const MessageBook::Entry *> MessageBook::Ordered() const
{
    std::vector<const Entry *> newestFirst;
    newestFirst.reserve(entries_.size());
    std::vector<int32_t> atOrder(static_cast<size_t>(next_), -1);
    for (size_t k = 0; k < entries_.size(); ++k)
        if (entries_[k].order >= 0)
            atOrder[static_cast<size_t>(entries_[k].order)] = static_cast<int32_t>(k);
    for (size_t order = atOrder.size(); order-- > 0;)
        if (atOrder[order] >= 0)
            newestFirst.push_back(&entries_[static_cast<size_t>(atOrder[order])]);
    // The messages of the output not posted again, newest (first listed)
    // first: they were entered in list order.
    for (const Entry &e : entries_)
        if (e.order < 0)
            newestFirst.push_back(&e);
    if (newestFirst.empty())
        return newestFirst;

    int32_t low = newestFirst.front()->key.msg, high = low;
    for (const Entry *e : newestFirst) {
        low = std::min(low, e->key.msg);
        high = std::max(high, e->key.msg);
    }
    constexpr int64_t kCountingRange = 4096;
    if (int64_t{high} - low >= kCountingRange) {
        std::stable_sort(newestFirst.begin(), newestFirst.end(),
                         [](const Entry *a, const Entry *b) { return a->key.msg < b->key.msg; });
        return newestFirst;
    }
    std::vector<size_t> start(static_cast<size_t>(high - low) + 2, 0);
    for (const Entry *e : newestFirst)
        ++start[static_cast<size_t>(e->key.msg - low) + 1];
    for (size_t c = 1; c < start.size(); ++c)
        start[c] += start[c - 1];
    std::vector<const Entry *> order(newestFirst.size());
    for (const Entry *e : newestFirst)
        order[start[static_cast<size_t>(e->key.msg - low)]++] = e;
    return order;
}

void MessageBook::Publish()
{
    const std::vector<const Entry *> order = Ordered();

    // 177.848(d): two materials that must not be loaded together need no
    // message telling to separate them as well.
    std::unordered_set<PairOfIds, PairOfIdsHash> doNotLoad;
    for (const Entry *e : order)
        if (e->key.type == kMsgDoNotLoad)
            doNotLoad.insert(Unordered(e->key.id1, e->key.id2));

    HazSeg *list = nullptr;
    int count = 0;
    if (!order.empty()) {
        list = static_cast<HazSeg *>(std::malloc(sizeof(HazSeg) * order.size()));
        if (!list)
            return;  // the output keeps the list it had
    }
    for (const Entry *e : order) {
        if (e->key.type == kMsgSeparate && doNotLoad.count(Unordered(e->key.id1, e->key.id2)))
            continue;
        HazSeg &slot = list[count];
        if (e->seeded >= 0)
            slot = seeded_[e->seeded];
        else if (!BuildSegregationMessage(e->subject, e->key.msg, &slot))
            continue;
        slot.reason[sizeof slot.reason - 1] = '\0';
        slot.citation[sizeof slot.citation - 1] = '\0';
        ++count;
    }
    std::free(out_->messages);
    out_->messages = count ? list : nullptr;
    out_->messageCount = count;
    if (!count)
        std::free(list);
}

} // namespace dravlen
