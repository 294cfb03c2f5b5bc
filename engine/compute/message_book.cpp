// The messages of one pass, gathered in a hash and written to the output
// once, in the order InsertMessage would have left them.
#include "compute/messages.h"
#include "compute/output_build.h"

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <functional>
#include <vector>

#include <sys/mman.h>
#include <utility>

namespace dravlen {

namespace {

size_t Mix(size_t seed, size_t value)
{
    return seed ^ (value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2));
}

size_t Address(const char *text) { return reinterpret_cast<uintptr_t>(text); }

// Two items named by a message, in either order (interned IDs).
using PairOfIds = std::pair<const char *, const char *>;

PairOfIds Unordered(const char *a, const char *b)
{
    return std::less<const char *>()(a, b) ? PairOfIds{a, b} : PairOfIds{b, a};
}

const char *Interned(const char *text) { return InternText(text ? text : ""); }

// The message list, freed with free() like every list of the output.  A
// list of many megabytes (a long truckload of distinct entries has tens of
// thousands of messages) is asked for in huge pages where the system
// offers them on request: writing it then takes a few page faults instead
// of one per 4 KiB.
HazSeg *AllocateMessages(size_t count)
{
    const size_t bytes = sizeof(HazSeg) * count;
    constexpr size_t kHugePage = size_t{2} << 20;
#ifdef MADV_HUGEPAGE
    if (bytes >= 2 * kHugePage) {
        const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        if (void *p = std::aligned_alloc(kHugePage, rounded)) {
            madvise(p, rounded, MADV_HUGEPAGE);  // advice only: a refusal changes nothing
            return static_cast<HazSeg *>(p);
        }
    }
#endif
    return static_cast<HazSeg *>(std::malloc(bytes));
}

} // namespace

size_t MessageBook::Hash(const Key &k)
{
    size_t seed = static_cast<size_t>(k.msg) * 131 + static_cast<size_t>(k.type);
    seed = Mix(seed, Address(k.id1));
    seed = Mix(seed, Address(k.id2));
    seed = Mix(seed, Address(k.class1));
    seed = Mix(seed, Address(k.class2));
    // Interned texts sit at regular addresses: the bits are mixed through
    // (the 64-bit finalizer of MurmurHash3) so that neighbouring keys do not
    // fill neighbouring slots and lengthen every probe.
    seed ^= seed >> 33;
    seed *= 0xff51afd7ed558ccdULL;
    seed ^= seed >> 33;
    seed *= 0xc4ceb9fe1a85ec53ULL;
    seed ^= seed >> 33;
    return seed;
}

MessageSubject MessageBook::SubjectOf(const Entry &e)
{
    MessageSubject s;
    s.pid1 = e.facts.pid1;
    s.id1 = e.key.id1;
    s.class1 = e.key.class1;
    s.index1 = e.facts.index1;
    s.pid2 = e.facts.pid2;
    s.id2 = e.key.id2;
    s.class2 = e.key.class2;
    s.index2 = e.facts.index2;
    s.vehicle = e.facts.vehicle;
    s.interned = true;
    return s;
}

std::pair<size_t, bool> MessageBook::Find(const Key &key)
{
    if ((entries_.size() + 1) * 2 > slots_.size())
        Rehash(entries_.size() + 1);
    const size_t mask = slots_.size() - 1;
    for (size_t at = Hash(key) & mask;; at = (at + 1) & mask) {
        if (!slots_[at]) {
            slots_[at] = static_cast<uint32_t>(entries_.size() + 1);
            return {entries_.size(), true};
        }
        if (entries_[slots_[at] - 1].key == key)
            return {slots_[at] - 1, false};
    }
}

MessageBook::MessageBook(Output *out) : out_(out)
{
    // The output's list is ordered by code, newest first within a code: as
    // postings, its first message is the latest of them.
    seeded_.assign(out->messages, out->messages + out->messageCount);
    for (int i = 0; i < out->messageCount; ++i) {
        const HazSeg &m = seeded_[i];
        const Key key{m.type, m.msg, Interned(m.id1), Interned(m.id2), Interned(m.class1), Interned(m.class2)};
        if (Find(key).second)
            entries_.push_back({key, -1 - static_cast<int64_t>(i), i, Facts{}});
    }
}

MessageBook::~MessageBook() { std::free(spare_); }

void MessageBook::OfferSpace(HazSeg *list, size_t capacity)
{
    std::free(spare_);
    spare_ = list;
    spareCapacity_ = list ? capacity : 0;
    // The calculation before kept that many messages: the same truckload
    // calculated again posts about as many, so the book is sized for them
    // at once instead of growing (and moving its entries) step by step.
    if (spareCapacity_ > entries_.capacity()) {
        entries_.reserve(spareCapacity_ + spareCapacity_ / 8);
        Rehash(entries_.capacity());
    }
}

void MessageBook::Rehash(size_t entries)
{
    size_t size = std::max<size_t>(64, slots_.size());
    while ((entries + 1) * 2 > size)
        size *= 2;
    if (size == slots_.size())
        return;
    std::vector<uint32_t> grown(size, 0);
    const size_t mask = grown.size() - 1;
    for (size_t k = 0; k < entries_.size(); ++k) {
        size_t at = Hash(entries_[k].key) & mask;
        while (grown[at])
            at = (at + 1) & mask;
        grown[at] = static_cast<uint32_t>(k + 1);
    }
    slots_.swap(grown);
}

void MessageBook::Post(const MessageSubject &posted, int code)
{
    const MessageDef *def = FindMessageDef(code);
    if (def == nullptr)
        return;
    ApplyMessageLegality(out_, def->type);
    MessageSubject subject = posted;
    if (!subject.interned) {
        subject.id1 = Interned(subject.id1);
        subject.id2 = Interned(subject.id2);
        subject.class1 = Interned(subject.class1);
        subject.class2 = Interned(subject.class2);
        subject.interned = true;
    }
    const Key key{def->type, code, subject.id1, subject.id2, subject.class1, subject.class2};
    const Facts facts{subject.pid1, subject.pid2, subject.index1, subject.index2, subject.vehicle};
    const auto [at, added] = Find(key);
    if (added) {
        entries_.push_back({key, next_++, -1, facts});
        return;
    }
    // The newer posting is the one kept, at the head of its code.
    Entry &e = entries_[at];
    e.order = next_++;
    e.seeded = -1;
    e.facts = facts;
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
    // message telling to separate them as well.  The do-not-load pairs go
    // into an open-addressing set keyed by the interned IDs (one
    // allocation, a look-up per separation, no sort).
    size_t doNotLoadCount = 0;
    for (const Entry *e : order)
        doNotLoadCount += e->key.type == kMsgDoNotLoad ? 1 : 0;
    size_t setSize = 16;
    while (setSize < doNotLoadCount * 2)
        setSize *= 2;
    std::vector<PairOfIds> doNotLoad(doNotLoadCount ? setSize : 0, PairOfIds{nullptr, nullptr});
    const size_t setMask = setSize - 1;
    auto slotOf = [setMask](const PairOfIds &p) {
        return Mix(Address(p.first), Address(p.second)) * 0x9e3779b97f4a7c15ULL >> 17 & setMask;
    };
    for (const Entry *e : order) {
        if (e->key.type != kMsgDoNotLoad)
            continue;
        const PairOfIds p = Unordered(e->key.id1, e->key.id2);
        size_t at = slotOf(p);
        while (doNotLoad[at].first && doNotLoad[at] != p)
            at = (at + 1) & setMask;
        doNotLoad[at] = p;
    }
    auto dropped = [&doNotLoad, &slotOf, setMask](const Entry *e) {
        if (e->key.type != kMsgSeparate || doNotLoad.empty())
            return false;
        const PairOfIds p = Unordered(e->key.id1, e->key.id2);
        for (size_t at = slotOf(p); doNotLoad[at].first; at = (at + 1) & setMask)
            if (doNotLoad[at] == p)
                return true;
        return false;
    };
    // The list is sized to the messages kept, so that its count is also its
    // room when a later calculation offers it back (OfferSpace).
    std::vector<char> keep(order.size());
    size_t kept = 0;
    for (size_t k = 0; k < order.size(); ++k) {
        keep[k] = dropped(order[k]) ? 0 : 1;
        kept += keep[k];
    }

    HazSeg *list = nullptr;
    int count = 0;
    if (kept > 0) {
        if (spare_ && spareCapacity_ >= kept) {
            list = spare_;
            spare_ = nullptr;
        } else {
            list = AllocateMessages(kept);
            if (!list)
                return;  // the output keeps the list it had
        }
    }
    for (size_t k = 0; k < order.size(); ++k) {
        if (!keep[k])
            continue;
        const Entry *e = order[k];
        HazSeg &slot = list[count];
        if (e->seeded >= 0)
            slot = seeded_[e->seeded];
        else if (!BuildSegregationMessage(SubjectOf(*e), e->key.msg, &slot))
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
