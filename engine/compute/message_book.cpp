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

uint64_t MessageBook::Hash(const Key &k)
{
    // Each field multiplied by its own odd constant, independently, then
    // mixed through once: interned texts sit at regular addresses, and
    // neighbouring keys must not fill neighbouring slots.
    uint64_t h = (static_cast<uint64_t>(static_cast<uint32_t>(k.msg)) << 8 | static_cast<uint8_t>(k.type)) *
                 0x9e3779b97f4a7c15ULL;
    h ^= Address(k.id1) * 0xc2b2ae3d27d4eb4fULL;
    h ^= Address(k.id2) * 0x165667b19e3779f9ULL;
    h ^= Address(k.class1) * 0xd6e8feb86659fd93ULL;
    h ^= Address(k.class2) * 0xff51afd7ed558ccdULL;
    h ^= h >> 32;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 29;
    return h;
}

MessageSubject MessageBook::SubjectOf(const Entry &e) const
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
    s.vehicle = vehicle_;
    s.interned = true;
    return s;
}

namespace {

constexpr uint64_t kIndexBits = 0xffffffffULL;

uint64_t SlotValue(uint64_t hash, size_t index)
{
    return (hash & ~kIndexBits) | (static_cast<uint64_t>(index) + 1);
}

} // namespace

void MessageBook::Count(const Key &key)
{
    ++current_;
    lowCode_ = current_ == 1 ? key.msg : std::min(lowCode_, key.msg);
    highCode_ = current_ == 1 ? key.msg : std::max(highCode_, key.msg);
    doNotLoad_ += key.type == kMsgDoNotLoad ? 1 : 0;
    separate_ += key.type == kMsgSeparate ? 1 : 0;
}

void MessageBook::Enter(const Key &key, uint64_t hash, int32_t seeded, const Facts &facts)
{
    if ((hashed_ + 1) * 2 > slots_.size())
        Rehash(hashed_ + 1);
    const uint64_t tag = hash & ~kIndexBits;
    const size_t mask = slots_.size() - 1;
    size_t at = static_cast<size_t>(hash) & mask;
    for (;; at = (at + 1) & mask) {
        const uint64_t slot = slots_[at];
        if (!slot) {
            // A new finding (one posted again keeps its code and type).
            Count(key);
            ++hashed_;
            break;
        }
        if ((slot & ~kIndexBits) == tag) {
            Entry &old = entries_[(slot & kIndexBits) - 1];
            if (old.key == key) {
                // The newer posting is the one kept, at the head of its code.
                old.current = false;
                break;
            }
        }
    }
    slots_[at] = SlotValue(hash, entries_.size());
    entries_.push_back({key, seeded, true, true, facts});
}

MessageBook::MessageBook(Output *out, Room *room)
    : out_(out), room_(room ? *room : own_), entries_(room_.entries), slots_(room_.slotTable)
{
    entries_.clear();
    std::fill(slots_.begin(), slots_.end(), 0);
    // The output's list is ordered by code, newest first within a code: as
    // postings, its last message is the oldest, entered first.
    seeded_.assign(out->messages, out->messages + out->messageCount);
    for (int i = out->messageCount; i-- > 0;) {
        const HazSeg &m = seeded_[i];
        const Key key{m.type, m.msg, Interned(m.id1), Interned(m.id2), Interned(m.class1), Interned(m.class2)};
        Enter(key, Hash(key), i, Facts{});
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
    if (spareCapacity_ > entries_.capacity())
        entries_.reserve(spareCapacity_ + spareCapacity_ / 8);
    if (spareCapacity_ > hashed_ && !uniqueAllowed_)
        Rehash(spareCapacity_ + spareCapacity_ / 8);
}

void MessageBook::Rehash(size_t entries)
{
    size_t size = std::max<size_t>(64, slots_.size());
    while ((entries + 1) * 2 > size)
        size *= 2;
    if (size == slots_.size())
        return;
    std::vector<uint64_t> grown(size, 0);
    const size_t mask = grown.size() - 1;
    for (size_t k = 0; k < entries_.size(); ++k) {
        if (!entries_[k].current || !entries_[k].hashed)
            continue;
        const uint64_t hash = Hash(entries_[k].key);
        size_t at = static_cast<size_t>(hash) & mask;
        while (grown[at])
            at = (at + 1) & mask;
        grown[at] = SlotValue(hash, k);
    }
    slots_.swap(grown);
}

void MessageBook::Post(const MessageSubject &posted, int code)
{
    if (posted.interned) {
        PostInterned(code, posted.id1, posted.id2, posted.class1, posted.class2,
                     Facts{posted.pid1, posted.pid2, posted.index1, posted.index2});
        return;
    }
    PostInterned(code, Interned(posted.id1), Interned(posted.id2), Interned(posted.class1), Interned(posted.class2),
                 Facts{posted.pid1, posted.pid2, posted.index1, posted.index2});
}

void MessageBook::PostInterned(int code, const char *id1, const char *id2, const char *class1, const char *class2,
                               const Facts &facts)
{
    const MessageDef *def = FindMessageDef(code);
    if (def != nullptr)
        Post(Key{def->type, code, id1, id2, class1, class2}, facts, false);
}

void MessageBook::ExpectUniqueCodes(uint64_t codes)
{
    uniqueAllowed_ = true;
    for (const HazSeg &m : seeded_)
        if (m.msg >= 0 && m.msg < 64 && (codes >> m.msg & 1))
            uniqueAllowed_ = false;
}

void MessageBook::PostUnique(int code, const char *id1, const char *id2, const char *class1, const char *class2,
                             const Facts &facts)
{
    const MessageDef *def = FindMessageDef(code);
    if (def != nullptr)
        Post(Key{def->type, code, id1, id2, class1, class2}, facts, uniqueAllowed_);
}

void MessageBook::Post(const Key &key, const Facts &facts, bool unique)
{
    ApplyMessageLegality(out_, key.type);
    if (unique && pendingCount_ == 0) {
        // Nothing held back to go before it.
        Count(key);
        entries_.push_back({key, -1, true, false, facts});
        return;
    }
    Pending &p = pending_[pendingCount_++];
    p.key = key;
    p.facts = facts;
    p.unique = unique;
    if (!unique) {
        p.hash = Hash(key);
        if (!slots_.empty())
            __builtin_prefetch(&slots_[static_cast<size_t>(p.hash) & (slots_.size() - 1)]);
    }
    if (pendingCount_ == kBatch)
        Flush();
}

void MessageBook::Flush()
{
    for (size_t k = 0; k < pendingCount_; ++k) {
        const Pending &p = pending_[k];
        if (p.unique) {
            Count(p.key);
            entries_.push_back({p.key, -1, true, false, p.facts});
        } else {
            Enter(p.key, p.hash, -1, p.facts);
        }
    }
    pendingCount_ = 0;
}

// The current entries in the order of the list InsertMessage leaves: by
// code, and within a code the latest posting first.  The entries stand in
// the order of their latest posting, so one walk from the last back to the
// first, dealt out by code, gives that order without comparing entries.
const std::vector<uint32_t> &MessageBook::Ordered()
{
    std::vector<uint32_t> &order = room_.order;
    order.clear();
    if (current_ == 0)
        return order;
    // The codes of the current entries lie within [lowCode_, highCode_]
    // (a dropped separation may have narrowed them).
    const int32_t low = lowCode_, high = highCode_;
    order.resize(current_);
    constexpr int64_t kCountingRange = 4096;
    if (int64_t{high} - low >= kCountingRange) {
        size_t at = 0;
        for (size_t k = entries_.size(); k-- > 0;)
            if (entries_[k].current)
                order[at++] = static_cast<uint32_t>(k);
        std::stable_sort(order.begin(), order.end(),
                         [this](uint32_t a, uint32_t b) { return entries_[a].key.msg < entries_[b].key.msg; });
        return order;
    }
    std::vector<uint32_t> &start = room_.start;
    start.assign(static_cast<size_t>(high - low) + 2, 0);
    for (const Entry &e : entries_)
        if (e.current)
            ++start[static_cast<size_t>(e.key.msg - low) + 1];
    for (size_t c = 1; c < start.size(); ++c)
        start[c] += start[c - 1];
    for (size_t k = entries_.size(); k-- > 0;)
        if (entries_[k].current)
            order[start[static_cast<size_t>(entries_[k].key.msg - low)]++] = static_cast<uint32_t>(k);
    return order;
}

// 177.848(d): two materials that must not be loaded together need no
// message telling to separate them as well.  The pairs of IDs of the
// smaller of the two groups of messages go into an open-addressing table
// (kept in the room from one calculation to the next); the other group
// looks its pairs up there.  The separations dropped leave the book: it is
// not posted to after Publish.
void MessageBook::DropSeparationsOfDoNotLoadPairs()
{
    const size_t doNotLoad = doNotLoad_, separate = separate_;
    if (!doNotLoad || !separate)
        return;
    // Tabled: the separations (each entry, a pair may have several), or
    // the do-not-load pairs.
    const int32_t tabled = separate <= doNotLoad ? kMsgSeparate : kMsgDoNotLoad;
    const int32_t looking = tabled == kMsgSeparate ? kMsgDoNotLoad : kMsgSeparate;
    size_t size = 16;
    while (size < std::min(separate, doNotLoad) * 2)
        size *= 2;
    std::vector<PairSlot> &table = room_.pairs;
    table.assign(size, PairSlot{});
    const size_t mask = size - 1;
    auto slotOf = [mask](const PairOfIds &p) {
        uint64_t h = Address(p.first) * 0x9e3779b97f4a7c15ULL ^ Address(p.second) * 0xc2b2ae3d27d4eb4fULL;
        h ^= h >> 29;
        h *= 0xbf58476d1ce4e5b9ULL;
        return static_cast<size_t>(h ^ (h >> 32)) & mask;
    };
    for (size_t k = 0; k < entries_.size(); ++k) {
        const Entry &e = entries_[k];
        if (!e.current || e.key.type != tabled)
            continue;
        const PairOfIds p = Unordered(e.key.id1, e.key.id2);
        size_t at = slotOf(p);
        while (table[at].ids.first && !(tabled == kMsgDoNotLoad && table[at].ids == p))
            at = (at + 1) & mask;
        table[at] = PairSlot{p, static_cast<uint32_t>(k)};
    }
    auto drop = [this](Entry &e) {
        if (e.current) {
            e.current = false;
            --current_;
            --separate_;
        }
    };
    for (Entry &e : entries_) {
        if (!e.current || e.key.type != looking)
            continue;
        const PairOfIds p = Unordered(e.key.id1, e.key.id2);
        for (size_t at = slotOf(p); table[at].ids.first; at = (at + 1) & mask) {
            if (table[at].ids != p)
                continue;
            if (tabled == kMsgDoNotLoad) {
                drop(e);
                break;
            }
            drop(entries_[table[at].entry]);  // every separation of the pair
        }
    }
}

void MessageBook::Publish()
{
    Flush();
    DropSeparationsOfDoNotLoadPairs();

    // The list is sized to the messages kept, so that its count is also its
    // room when a later calculation offers it back (OfferSpace).
    const std::vector<uint32_t> &order = Ordered();
    HazSeg *list = nullptr;
    int count = 0;
    if (!order.empty()) {
        if (spare_ && spareCapacity_ >= order.size()) {
            list = spare_;
            spare_ = nullptr;
        } else {
            list = AllocateMessages(order.size());
            if (!list)
                return;  // the output keeps the list it had
        }
    }
    for (const uint32_t k : order) {
        const Entry &e = entries_[k];
        HazSeg &slot = list[count];
        if (e.seeded >= 0) {
            // A message of the output before this pass: its texts are
            // terminated within their fields whatever the list held.
            slot = seeded_[e.seeded];
            slot.reason[sizeof slot.reason - 1] = '\0';
            slot.citation[sizeof slot.citation - 1] = '\0';
        } else if (!BuildSegregationMessage(SubjectOf(e), e.key.msg, &slot)) {
            continue;
        }
        ++count;
    }
    std::free(out_->messages);
    out_->messages = count ? list : nullptr;
    out_->messageCount = count;
    if (!count)
        std::free(list);
}

} // namespace dravlen
