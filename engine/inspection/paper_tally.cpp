// The tallies of the truckloads' items, kept in a small table keyed by the
// truckload's address (see paper_tally.h).
#include "inspection/paper_tally.h"

#include "refdata/rulesets.h"

#include <cstring>
#include <functional>
#include <mutex>
#include <utility>
#include <vector>

namespace dravlen {

namespace {

// A program holds a handful of truckloads at once (the one being edited,
// one being read for a list, an item being edited); a truckload that falls
// out of the table only costs one walk at its next append.
constexpr std::size_t kKeptTallies = 8;

struct Entry {
    const Load *load = nullptr;
    // The item array and item count the tally counts; an item replaced in
    // place inside that range makes it untrustworthy.
    const Hazmat *items = nullptr;
    uint32_t count = 0;
    int ruleset = -1;  // names and hazard codes are read through it
    bool counted = false;
    bool noStaleItems = false;
    PaperTally tally;
};

// Made on first use and never destroyed: a truckload may be filled by a
// static constructor or reset by a static destructor of another file.
std::mutex &Lock()
{
    static auto *lock = new std::mutex;
    return *lock;
}

std::vector<Entry> &Entries()
{
    static auto *entries = new std::vector<Entry>;
    return *entries;
}

Entry *Find(const Load *load)
{
    for (Entry &e : Entries())
        if (e.load == load)
            return &e;
    return nullptr;
}

Entry &FindOrAdd(const Load *load)
{
    if (Entry *e = Find(load))
        return *e;
    std::vector<Entry> &entries = Entries();
    if (entries.size() >= kKeptTallies)
        entries.erase(entries.begin()); // the oldest
    entries.emplace_back();
    entries.back().load = load;
    return entries.back();
}

bool Counts(const Entry &e, const Hazmat *item)
{
    const std::less<const Hazmat *> before;
    return e.counted && e.count > 0 && !before(item, e.items) && before(item, e.items + e.count);
}

} // namespace

bool IsRadioactiveItem(const Hazmat *item)
{
    const int n = GetNumHazDivs_Hazmat(item);
    for (int d = 0; d < n; ++d) {
        const char *code = GetHazDivString_Hazmat(item, d);
        if (code && std::strcmp(code, "7") == 0)
            return true;
    }
    return false;
}

TallyAnswer LookUpTally(Load *load, uint32_t count, const std::string &name)
{
    std::lock_guard<std::mutex> hold(Lock());
    Entry &e = FindOrAdd(load);
    if (!e.counted || e.items != load->items || e.count != count || e.ruleset != CurrentRuleset()) {
        PaperTally walked;
        for (uint32_t i = 0; i < count && i < load->itemCount; ++i) {
            const Hazmat *item = &load->items[i];
            walked.questions += item->questions.count;
            if (const char *other = GetRomanPSN_Hazmat(item))
                ++walked.names[other];
            walked.allRadioactive = walked.allRadioactive && IsRadioactiveItem(item);
        }
        e.tally = std::move(walked);
        e.items = load->items;
        e.count = count;
        e.ruleset = CurrentRuleset();
        e.counted = true;
    }
    const auto same = e.tally.names.find(name);
    return {e.tally.questions, same == e.tally.names.end() ? 0 : same->second, e.tally.allRadioactive};
}

void RecordTally(Load *load, PaperTally &&tally)
{
    std::lock_guard<std::mutex> hold(Lock());
    Entry &e = FindOrAdd(load);
    e.tally = std::move(tally);
    e.items = load->items;
    e.count = load->itemCount;
    e.ruleset = CurrentRuleset();
    e.counted = true;
}

void CountAppendedItem(Load *load)
{
    std::lock_guard<std::mutex> hold(Lock());
    Entry *e = Find(load);
    if (!e || !e->counted || load->itemCount == 0 || e->items != load->items || e->count + 1 != load->itemCount ||
        e->ruleset != CurrentRuleset())
        return;
    const Hazmat *added = &load->items[load->itemCount - 1];
    e->tally.questions += added->questions.count;
    if (const char *name = GetRomanPSN_Hazmat(added))
        ++e->tally.names[name];
    e->tally.allRadioactive = e->tally.allRadioactive && IsRadioactiveItem(added);
    e->count = load->itemCount;
}

void ForgetItemTally(const Hazmat *item)
{
    std::lock_guard<std::mutex> hold(Lock());
    for (Entry &e : Entries())
        if (Counts(e, item))
            e.counted = false;
}

void DropTally(const Load *load)
{
    std::lock_guard<std::mutex> hold(Lock());
    std::vector<Entry> &entries = Entries();
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        if (it->load == load) {
            entries.erase(it);
            return;
        }
    }
}

void NoteStaleItem(const Load *load)
{
    std::lock_guard<std::mutex> hold(Lock());
    if (Entry *e = Find(load))
        e->noStaleItems = false;
}

bool MayHaveStaleItems(const Load *load)
{
    std::lock_guard<std::mutex> hold(Lock());
    const Entry *e = Find(load);
    return !e || !e->noStaleItems;
}

void NoteNoStaleItems(const Load *load)
{
    std::lock_guard<std::mutex> hold(Lock());
    FindOrAdd(load).noStaleItems = true;
}

} // namespace dravlen
