// The segregation pass: every pair of items against the 49 CFR 177.848
// table, the explosives compatibility rules over the whole load, and the
// single-item checks; then the message list is cleaned up and the load's
// segregation violation brought up to date.
#include "compute/segregation.h"

#include "compute/item_facts.h"
#include "compute/kind_facts.h"
#include "compute/messages.h"
#include "compute/output_build.h"
#include "compute/segregation_items.h"
#include "compute/segregation_pairs.h"
#include "compute/violation_posting.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <span>
#include <utility>
#include <vector>

namespace dravlen {
namespace {

// A lab pack (exemption 21, 173.12(b)) is kept out of the segregation rules
// unless the load carries explosives (class 1) or radioactive material
// (class 7), for which 173.12(e) gives no exception.
bool LoadHasClass1Or7(const LoadKinds &kinds)
{
    for (int k = 0; k < kinds.KindCount(); ++k) {
        for (const char *text : kinds.Facts(k).codeText) {
            if (text[0] == '1' || text[0] == '7')
                return true;
        }
    }
    return false;
}

struct PassContext {
    Load *load;
    const LoadKinds &kinds;
    bool class1Or7;
};

bool Skipped(const PassContext &ctx, const Hazmat *item)
{
    if (ExemptFromSegregationForLoad_Hazmat(item, ctx.load))
        return true;
    return !ctx.class1Or7 && HasExemptionForLoad_Hazmat(item, 21, ctx.load);
}

bool NoItemCode(int code) { return code == 20 || code == 21 || code == 22; }

// One class 1 hazard code somewhere in the load.
struct ExplosiveCode {
    const KindFacts *item;
    int index;
    HazDiv code;
};

// The class 1 codes of the items subject to segregation (taking part[i]).
// An item kept out of 177.848 (a limited quantity, special provision 50,
// ORM-D and the other exceptions) is not counted in the compatibility
// groups of the load either.
std::vector<ExplosiveCode> ExplosiveCodes(const LoadKinds &kinds, const std::vector<char> &part)
{
    std::vector<ExplosiveCode> codes;
    for (uint32_t i = 0; i < kinds.ItemCount(); ++i) {
        if (!part[i])
            continue;
        const KindFacts &item = kinds.ItemFacts(i);
        for (int k = 0; k < item.HazardCount(); ++k) {
            if (item.code[k].hazClass == 1)
                codes.push_back({&item, k, item.code[k]});
        }
    }
    return codes;
}

// 177.848(g)(3)(ii)-(vi) and (h): groups that may travel together only
// when reassigned, and articles of group G.
void CheckCompatibilityGroups(MessageBook &out, const LoadKinds &kinds,
                              const std::vector<ExplosiveCode> &codes, const std::vector<char> &part)
{
    bool c = false, d = false, e = false, g = false, n = false, s = false, other = false;
    for (const ExplosiveCode &x : codes) {
        switch (x.code.compatGroup) {
        case 'C': c = true; break;
        case 'D': d = true; break;
        case 'E': e = true; break;
        case 'G': g = true; break;
        case 'N': n = true; break;
        case 'S': s = true; break;
        default: other = true; break;
        }
    }

    if (g && (c || d || e || n || s || other)) {
        if (n || other) {
            // (h): group G articles with substances: do not load.
            for (const ExplosiveCode &x : codes) {
                if (x.code.compatGroup != 'G')
                    continue;
                for (uint32_t j = 0; j < kinds.ItemCount(); ++j) {
                    if (!part[j])
                        continue;
                    const KindFacts &y = kinds.ItemFacts(j);
                    const HazDiv p = y.HazardCount() > 0 ? y.code[0] : HazDiv{};
                    if (p.hazClass == 1 && p.compatGroup != 'G')
                        AddSegregationMessage(out, x.item, &y, x.index, 0, 16);
                }
            }
        } else {
            // (g)(3)(vi): fireworks or special stowage make the load illegal.
            for (const ExplosiveCode &x : codes)
                if (x.code.compatGroup == 'G')
                    AddSegregationMessage(out, x.item, nullptr, x.index, 0, 15);
        }
    }

    if (!other) {
        const int cde = (c ? 1 : 0) + (d ? 1 : 0) + (e ? 1 : 0);
        if (!n && cde >= 2) {
            // (g)(3)(ii): C, D and E together are reassigned to group E.
            for (const ExplosiveCode &x : codes)
                if (std::strchr("CDE", x.code.compatGroup) && x.code.compatGroup)
                    AddSegregationMessage(out, x.item, nullptr, x.index, 0, 11);
        } else if (n && cde >= 1) {
            // (g)(3)(iii): N with C, D or E is reassigned to group D.
            for (const ExplosiveCode &x : codes)
                if (std::strchr("NCDE", x.code.compatGroup) && x.code.compatGroup)
                    AddSegregationMessage(out, x.item, nullptr, x.index, 0, 12);
        }
    }
}

// 177.848(i): explosives of one compatibility group but different divisions
// are shipped as the lowest division; 1.5D with 1.2D as 1.1D.
void CheckLowestDivisions(MessageBook &out, const std::vector<ExplosiveCode> &codes)
{
    bool has15D = false, has12D = false;
    for (const ExplosiveCode &x : codes) {
        if (x.code.compatGroup == 'D' && x.code.division == 5)
            has15D = true;
        if (x.code.compatGroup == 'D' && x.code.division == 2)
            has12D = true;
    }
    for (const char letter : {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'J', 'K', 'L', 'N', 'S'}) {
        const ExplosiveCode *lowest = nullptr;
        for (const ExplosiveCode &x : codes)
            if (x.code.compatGroup == letter && (!lowest || x.code.division < lowest->code.division))
                lowest = &x;
        if (!lowest)
            continue;
        for (const ExplosiveCode &x : codes) {
            if (x.code.compatGroup != letter)
                continue;
            if (letter == 'D' && has15D && has12D)
                AddSegregationMessage(out, x.item, nullptr, x.index, 0, 18);
            else if (x.code.division > lowest->code.division)
                AddSegregationMessage(out, x.item, lowest->item, x.index, lowest->index, 17);
        }
    }
}

// What the pair rules find for two items: the item-level rule, then every
// pair of hazard codes with a finding, in the order they are posted.
struct HazardFinding {
    int a;
    int b;
    int code;
};

// The findings of one pair as the pass reads them.
struct PairOutcome {
    int itemRule = kNoFinding;
    std::span<const HazardFinding> hazards;
    // No other pair of the pass names these two IDs (PairPlan): its
    // messages are posted by nothing else.
    bool uniqueIds = false;
};

// A pair's outcome as the plan keeps it: its hazard findings are a run of
// the plan's one list of findings.
struct StoredOutcome {
    int itemRule = kNoFinding;
    uint32_t first = 0;
    uint32_t count = 0;

    bool Empty() const { return itemRule == kNoFinding && count == 0; }
};

StoredOutcome EvaluatePair(const KindFacts &x, const KindFacts &y, std::vector<HazardFinding> &findings)
{
    StoredOutcome o;
    o.first = static_cast<uint32_t>(findings.size());
    // One entry never conflicts with itself: two items of it (another
    // weight, packing group or zone) meet through their own subsidiary
    // hazards, which 177.848(e)(6) lets materials of one class disregard.
    // No message names such a pair, so no violation may be filed for it.
    if (x.pid == y.pid)
        return o;
    o.itemRule = CheckItemPair(x, y);
    const int nx = x.HazardCount();
    const int ny = y.HazardCount();
    for (int a = 0; a < nx; ++a) {
        for (int b = 0; b < ny; ++b) {
            const int r = CheckHazardPair(x, y, a, b);
            if (r != kNoFinding) {
                findings.push_back({a, b, r});
                ++o.count;
            }
        }
    }
    return o;
}

// One kind of the plan: its first and last item and its facts.
struct PlanKind {
    uint32_t first;
    uint32_t last;
    const KindFacts *facts;
};

} // namespace

// The plan's lists (PairPlan), kept by an engine from one calculation to
// the next so that a calculation reuses their room instead of asking for
// it anew; every list is refilled before it is read.
struct SegregationScratch {
    std::vector<int> kind;             // per item; -1 when skipped
    std::vector<PlanKind> kinds;
    std::vector<int> byLast;           // kinds in increasing last item
    std::vector<uint32_t> visitStart;  // per item, its pairs in visits
    std::vector<int> visits;           // second kinds of the pairs, by first item
    std::vector<int> signature;        // per kind (PairSignature)
    std::vector<StoredOutcome> outcomes;  // per pair of signatures
    std::vector<HazardFinding> findings;
    std::vector<char> evaluated;
    // Working lists of the plan's construction.
    std::vector<int> planKind;
    std::vector<char> taken;
    std::vector<int> seenAt;
    std::vector<int> lastSeen;
    std::vector<int> planPid;
    std::vector<std::pair<int, int>> pairs;
    std::vector<std::pair<const char *, int>> ids;
    std::vector<char> uniqueIds;  // per kind
    std::vector<uint32_t> fill;
    std::vector<PairSignature> signatures;  // one per signature number
    std::vector<int> signatureSlots;        // open addressing: signature number + 1, 0 when free
    MessageBook::Room book;
};

SegregationScratch *NewSegregationScratch() { return new SegregationScratch; }

void DeleteSegregationScratch(SegregationScratch *scratch) { delete scratch; }

namespace {

// The pair (i, j), i < j: item rules, then every pair of hazard codes.
void PostPair(MessageBook &out, const KindFacts *x, const KindFacts *y, const PairOutcome &o)
{
    auto unique = [&o](int code) { return o.uniqueIds && (kPairRuleCodes >> code & 1); };
    if (o.itemRule != kNoFinding)
        AddSegregationMessage(out, x, y, 0, 0, o.itemRule, unique(o.itemRule));
    for (const HazardFinding &f : o.hazards) {
        if (f.code == 32) {
            // The item with the bare "1" subsidiary is the one in doubt.
            const KindFacts *about = (f.a == 1 && std::strcmp(x->Text(1), "1") == 0) ? x : y;
            AddSegregationMessage(out, about, nullptr, 0, 0, f.code);
        } else {
            AddSegregationMessage(out, x, y, f.a, f.b, f.code, unique(f.code));
        }
    }
}

// The pairs of a truckload, visited once per kind of pair.
//
// No pair rule and no message reads an item's weight: two items of one
// kind (SameKind) give identical findings and identical message records.  A long truckload
// repeats a few kinds, so the pass evaluates each ordered pair of kinds
// once.
//
// Posting a message that is already listed moves it to the head of its code
// (MessageBook): the final list depends only on the last time each
// message is posted.  So each kind pair is posted at its last occurrence in
// the (i, j) order of the plain double loop; earlier occurrences post the
// same records and are overtaken by it, and the list comes out identical.
//
// The plan lives only during one pass: items keep no table data (its
// lists may keep their room in the engine's SegregationScratch).
class PairPlan {
public:
    PairPlan(const PassContext &ctx, SegregationScratch &s)
        : facts_(ctx.kinds), kind_(s.kind), kinds_(s.kinds), byLast_(s.byLast), uniqueIds_(s.uniqueIds),
          visitStart_(s.visitStart),
          visits_(s.visits), signature_(s.signature), outcomes_(s.outcomes), findings_(s.findings),
          evaluated_(s.evaluated)
    {
        const Load *load = ctx.load;
        const uint32_t n = load->itemCount;
        kind_.assign(n, -1);
        kinds_.clear();
        findings_.clear();
        // The plan's kinds are those of the load not kept out of the rules,
        // numbered in the order of their first item.
        std::vector<int> &planKind = s.planKind;
        planKind.assign(facts_.KindCount(), -1);
        for (int k = 0; k < facts_.KindCount(); ++k) {
            // Whether an item is kept out of the rules depends on its kind
            // and the load, not on its weight.
            if (Skipped(ctx, &load->items[facts_.FirstItem(k)]))
                continue;
            planKind[k] = static_cast<int>(kinds_.size());
            kinds_.push_back({facts_.FirstItem(k), facts_.FirstItem(k), &facts_.Facts(k)});
        }
        for (uint32_t i = 0; i < n; ++i) {
            const int k = planKind[facts_.KindOf(i)];
            if (k < 0)
                continue;
            kinds_[k].last = i;
            kind_[i] = k;
        }
        const size_t kn = kinds_.size();
        // The kinds in increasing last item: the items walked from the end,
        // each kind taken at its last item.
        byLast_.clear();
        std::vector<char> &taken = s.taken;
        taken.assign(kn, 0);
        for (uint32_t i = n; i-- > 0 && byLast_.size() < kn;) {
            const int k = kind_[i];
            if (k >= 0 && !taken[static_cast<size_t>(k)]) {
                taken[static_cast<size_t>(k)] = 1;
                byLast_.push_back(k);
            }
        }
        std::reverse(byLast_.begin(), byLast_.end());
        // Kinds with equal signatures share a number, given in the order the
        // signatures are first met.
        std::vector<PairSignature> &known = s.signatures;
        std::vector<int> &slots = s.signatureSlots;
        known.clear();
        size_t slotCount = 16;
        while (slotCount < kn * 2)
            slotCount *= 2;
        slots.assign(slotCount, 0);
        signature_.resize(kn);
        PairSignature sig;
        for (size_t k = 0; k < kn; ++k) {
            if (!sig.Read(*kinds_[k].facts)) {
                signature_[k] = static_cast<int>(known.size());
                known.push_back(PairSignature{});
                continue;
            }
            size_t at = static_cast<size_t>(sig.Hash()) & (slotCount - 1);
            while (slots[at] && !(known[static_cast<size_t>(slots[at] - 1)] == sig))
                at = (at + 1) & (slotCount - 1);
            if (!slots[at]) {
                known.push_back(sig);
                slots[at] = static_cast<int>(known.size());
            }
            signature_[k] = slots[at] - 1;
        }
        signatureCount_ = known.size();
        outcomes_.resize(signatureCount_ * signatureCount_);
        evaluated_.assign(signatureCount_ * signatureCount_, 0);

        // The last occurrence of the kind pair (a, b) is (i, last item of
        // kind b) with i the greatest item of kind a before that last item.
        // Walking the items once, the items of each kind seen so far give
        // it for every b whose last item is reached.
        // seenAt[b][a]: that i, or -1; a row is filled when the last item
        // of its kind b is reached.
        std::vector<int> &seenAt = s.seenAt;
        seenAt.resize(kn * kn);
        std::vector<int> &lastSeen = s.lastSeen;
        lastSeen.assign(kn, -1);
        size_t next = 0;
        for (uint32_t i = 0; i < n && next < kn; ++i) {
            for (; next < kn && kinds_[byLast_[next]].last == i; ++next) {
                const size_t b = static_cast<size_t>(byLast_[next]);
                std::copy(lastSeen.begin(), lastSeen.end(), seenAt.begin() + static_cast<std::ptrdiff_t>(b * kn));
            }
            if (kind_[i] >= 0)
                lastSeen[kind_[i]] = static_cast<int>(i);
        }
        // The pair of kinds (a, b) is visited at that item i, unless its
        // reverse (b, a) occurs later: the pair rules give (b, a) the
        // findings of (a, b) with the items swapped, and a message names its
        // two items in PID order whichever comes first in the pair, so the
        // later visit posts every message of the earlier one again and
        // overtakes it.  (The visits of item i come after those of every
        // earlier item, and an item is of one kind: the two visits never
        // fall on the same item.)  Two kinds of one entry find nothing
        // (EvaluatePair), nor do most pairs of kinds: a pair is visited only
        // when its outcome has findings.
        std::vector<int> &pid = s.planPid;
        pid.resize(kn);
        for (size_t k = 0; k < kn; ++k)
            pid[k] = kinds_[k].facts->pid;
        std::vector<std::pair<int, int>> &pairs = s.pairs;  // (i, b) in increasing last item of b
        pairs.clear();
        const int *seen = seenAt.data();
        const int *signature = signature_.data();
        for (const int second : byLast_) {
            const size_t b = static_cast<size_t>(second);
            const int *row = seen + b * kn;
            const int pidB = pid[b];
            const size_t signatureB = static_cast<size_t>(signature[b]);
            for (size_t a = 0; a < kn; ++a) {
                const int at = row[a];
                if (at < 0 || at <= seen[a * kn + b] || pid[a] == pidB)
                    continue;
                const size_t o = static_cast<size_t>(signature[a]) * signatureCount_ + signatureB;
                if (!evaluated_[o])
                    Evaluate(a, b);
                if (!outcomes_[o].Empty())
                    pairs.emplace_back(at, second);
            }
        }
        // Per item, the pairs it is the first item of, in increasing last
        // item of the second kind: one list for all items.
        visitStart_.assign(n + 1, 0);
        for (const auto &[at, b] : pairs)
            ++visitStart_[static_cast<size_t>(at) + 1];
        for (uint32_t i = 0; i < n; ++i)
            visitStart_[i + 1] += visitStart_[i];
        visits_.resize(visitStart_[n]);
        std::vector<uint32_t> &fill = s.fill;
        fill.assign(visitStart_.begin(), visitStart_.end() - 1);
        for (const auto &[at, b] : pairs)
            visits_[fill[static_cast<size_t>(at)]++] = b;

        // A kind whose ID no other kind of the plan has, and whose hazard
        // codes differ from each other: each pair is visited once, so the
        // messages of a pair of such kinds (their two IDs, two codes and a
        // rule) are posted once, and by no other pair.
        std::vector<std::pair<const char *, int>> &ids = s.ids;
        ids.clear();
        for (size_t k = 0; k < kn; ++k)
            ids.emplace_back(kinds_[k].facts->id, static_cast<int>(k));
        // The kinds' texts are interned (LoadKinds): one text, one address.
        auto sameText = [](const char *a, const char *b) { return a == b; };
        std::sort(ids.begin(), ids.end(),
                  [](const auto &a, const auto &b) { return std::less<const char *>()(a.first, b.first); });
        uniqueIds_.assign(kn, 0);
        for (size_t r = 0; r < kn; ++r) {
            const bool alone = (r == 0 || !sameText(ids[r - 1].first, ids[r].first)) &&
                               (r + 1 == kn || !sameText(ids[r + 1].first, ids[r].first));
            const KindFacts &k = *kinds_[static_cast<size_t>(ids[r].second)].facts;
            bool distinctCodes = k.id[0] != '\0';
            for (int c = 0; c < k.HazardCount() && distinctCodes; ++c)
                for (int d = c + 1; d < k.HazardCount(); ++d)
                    distinctCodes = distinctCodes && !sameText(k.codeText[c], k.codeText[d]);
            uniqueIds_[static_cast<size_t>(ids[r].second)] = alone && distinctCodes ? 1 : 0;
        }
    }

    bool IsSkipped(uint32_t i) const { return kind_[i] < 0; }

    int KindCount() const { return static_cast<int>(kinds_.size()); }
    int KindOf(uint32_t i) const { return kind_[i]; }

    // Calls visit(j, outcome) for the pairs (i, j) that are the last
    // occurrence of their kind pair, in increasing j.
    template <typename Visit>
    void ForEachPair(uint32_t i, Visit visit)
    {
        const int a = kind_[i];
        if (a < 0)
            return;
        for (uint32_t v = visitStart_[i]; v < visitStart_[i + 1]; ++v) {
            const int b = visits_[v];
            const uint32_t j = kinds_[b].last;
            const StoredOutcome &o = Outcome(static_cast<size_t>(a), static_cast<size_t>(b));
            visit(j, PairOutcome{o.itemRule, std::span<const HazardFinding>(findings_.data() + o.first, o.count),
                                 uniqueIds_[a] && uniqueIds_[b]});
        }
    }

private:
    // The outcome of the kinds (a, b), worked out once per pair of
    // signatures.
    const StoredOutcome &Outcome(size_t a, size_t b)
    {
        const size_t at = static_cast<size_t>(signature_[a]) * signatureCount_ + static_cast<size_t>(signature_[b]);
        if (!evaluated_[at])
            Evaluate(a, b);
        return outcomes_[at];
    }

    // Works the outcome of (a, b) out, and that of (b, a) with it.
    void Evaluate(size_t a, size_t b)
    {
        const size_t at = static_cast<size_t>(signature_[a]) * signatureCount_ + static_cast<size_t>(signature_[b]);
        outcomes_[at] = EvaluatePair(*kinds_[a].facts, *kinds_[b].facts, findings_);
        evaluated_[at] = 1;
        const size_t reverse = static_cast<size_t>(signature_[b]) * signatureCount_ + static_cast<size_t>(signature_[a]);
        if (!evaluated_[reverse]) {
            outcomes_[reverse] = Swapped(outcomes_[at]);
            evaluated_[reverse] = 1;
        }
    }

    // The outcome of (b, a) from that of (a, b): the pair rules do not
    // depend on which item comes first, so the findings are those of (a, b)
    // with the hazard indexes swapped, in the order EvaluatePair gives them
    // (by the first item's index, then the second's).
    StoredOutcome Swapped(const StoredOutcome &o)
    {
        StoredOutcome r{o.itemRule, static_cast<uint32_t>(findings_.size()), o.count};
        for (uint32_t k = 0; k < o.count; ++k) {
            const HazardFinding f = findings_[o.first + k];
            findings_.push_back({f.b, f.a, f.code});
        }
        // A pair has a few findings: sorted in place, equal indexes keeping
        // their order.
        HazardFinding *run = findings_.data() + r.first;
        for (uint32_t k = 1; k < r.count; ++k) {
            const HazardFinding f = run[k];
            uint32_t at = k;
            for (; at > 0 && run[at - 1].a > f.a; --at)
                run[at] = run[at - 1];
            run[at] = f;
        }
        return r;
    }

    const LoadKinds &facts_;
    std::vector<int> &kind_;
    std::vector<PlanKind> &kinds_;
    std::vector<int> &byLast_;
    std::vector<char> &uniqueIds_;
    std::vector<uint32_t> &visitStart_;
    std::vector<int> &visits_;
    std::vector<int> &signature_;
    size_t signatureCount_ = 0;
    std::vector<StoredOutcome> &outcomes_;
    std::vector<HazardFinding> &findings_;
    std::vector<char> &evaluated_;
};

// The single-item findings of every item not skipped, item after item.
struct Singles {
    std::vector<int> codes;
    std::vector<uint32_t> start;  // item i's codes: [start[i], start[i + 1])

    std::span<const int> Of(uint32_t i) const { return {codes.data() + start[i], codes.data() + start[i + 1]}; }
};

// The single-item findings, worked out once for both the messages and the
// inspection violation.
Singles SingleFindings(const PassContext &ctx, const PairPlan &plan)
{
    const Load *load = ctx.load;
    const uint64_t csi = TotalCsi(load);
    Singles singles;
    singles.start.assign(load->itemCount + 1, 0);
    // Items of one kind share every finding but the permit, whose answer
    // may read the item's own quantities: the shared part is read from
    // the kind's first item, the permit again only where it read more.
    struct KindSingles {
        int item = -1;
        int permit = 0;
        bool permitReadsItem = false;
    };
    std::vector<KindSingles> byKind(plan.KindCount());
    // The explosives of the whole truckload settle one item's permit: read
    // once when first needed, not once per item.
    ExplosivePermit explosives;
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        singles.start[i] = static_cast<uint32_t>(singles.codes.size());
        if (plan.IsSkipped(i))
            continue;
        KindSingles &k = byKind[plan.KindOf(i)];
        int permit = 0;
        if (k.item < 0) {
            k.item = static_cast<int>(i);
            const std::vector<int> checks = KindChecks(load, i, csi);
            singles.codes.insert(singles.codes.end(), checks.begin(), checks.end());
            k.permit = PermitFinding(load, i, &k.permitReadsItem, &explosives);
            permit = k.permit;
        } else {
            // The first item's codes, without its permit.
            const uint32_t from = singles.start[static_cast<uint32_t>(k.item)];
            const uint32_t to = singles.start[static_cast<uint32_t>(k.item) + 1] - (k.permit ? 1 : 0);
            for (uint32_t c = from; c < to; ++c) {
                const int code = singles.codes[c];
                singles.codes.push_back(code);
            }
            permit = k.permitReadsItem ? PermitFinding(load, i, nullptr, &explosives) : k.permit;
        }
        if (permit)
            singles.codes.push_back(permit);
        singles.start[i + 1] = static_cast<uint32_t>(singles.codes.size());
    }
    singles.start[load->itemCount] = static_cast<uint32_t>(singles.codes.size());
    return singles;
}

// Which single-item messages to post (one flag per code of singles): not
// one that a later item posts again (the same code about an item of the
// same kind, or a code that names no item).  The later copy overtakes it in
// the message list (see PairPlan), so posting it would change nothing.
std::vector<char> SinglesToPost(const PairPlan &plan, const Singles &singles, uint32_t itemCount)
{
    std::vector<char> post(singles.codes.size(), 1);
    // Per kind (0: no item), the codes 0-63 a later item posts; a code
    // outside them is always posted.
    std::vector<uint64_t> later(static_cast<size_t>(plan.KindCount()) + 1, 0);
    for (uint32_t i = itemCount; i-- > 0;) {
        if (plan.IsSkipped(i))
            continue;
        for (uint32_t c = singles.start[i]; c < singles.start[i + 1]; ++c) {
            const int code = singles.codes[c];
            if (code < 0 || code >= 64)
                continue;
            const size_t kind = NoItemCode(code) ? 0 : static_cast<size_t>(plan.KindOf(i)) + 1;
            const uint64_t bit = uint64_t{1} << code;
            post[c] = (later[kind] & bit) ? 0 : 1;
            later[kind] |= bit;
        }
    }
    return post;
}

// What the violation reads of the single-item findings of one item: the
// per-load limits' citations.
void NoteSingles(SegregationFindings &f, std::span<const int> codes)
{
    for (int code : codes) {
        switch (code) {
        case 33: f.otherCitation = "49 CFR 173.170(b)"; break;
        case 34: f.otherCitation = "49 CFR 173.171(b)"; break;
        case 35: f.otherCitation = "49 CFR 173.63(a)"; break;
        case 37: f.otherCitation = "49 CFR 173.457(e)"; break;
        default: break;
        }
    }
}

// What the violation reads of one pair's findings.
void NotePair(SegregationFindings &f, const PairOutcome &o)
{
    if (o.itemRule == 6 || o.itemRule == 29)
        f.otherCitation = "49 CFR 177.848(c)";
    for (const HazardFinding &h : o.hazards) {
        switch (h.code) {
        case 1: f.tableConflict = true; break;
        case 9: case 10: case 13: case 14: case 15: case 16: case 47:
            f.explosivesConflict = true;
            break;
        case 19: f.otherCitation = "49 CFR 177.848(e)(6)"; break;
        default: break;
        }
    }
}

// The violation's findings: those of every single item, then those of every
// pair in the plan's order.  Only the last citation noted counts, so a pair's
// citation wins over any item's.
SegregationFindings Combine(const SegregationFindings &singles, const SegregationFindings &pairs)
{
    SegregationFindings f = pairs;
    if (!f.otherCitation)
        f.otherCitation = singles.otherCitation;
    return f;
}

// The findings again, without posting, for the inspection violation.
SegregationFindings Findings(const PassContext &ctx, PairPlan &plan, const Singles &singles)
{
    SegregationFindings fromSingles;
    SegregationFindings fromPairs;
    const Load *load = ctx.load;
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        if (plan.IsSkipped(i))
            continue;
        NoteSingles(fromSingles, singles.Of(i));
        plan.ForEachPair(i, [&fromPairs](uint32_t, const PairOutcome &o) { NotePair(fromPairs, o); });
    }
    return Combine(fromSingles, fromPairs);
}

} // namespace

SegregationFindings FindSegregationViolations(Load *load)
{
    const LoadKinds kinds(load);
    const PassContext ctx{load, kinds, LoadHasClass1Or7(kinds)};
    SegregationScratch scratch;
    PairPlan plan(ctx, scratch);
    return Findings(ctx, plan, SingleFindings(ctx, plan));
}

void CheckSegregation(Engine *engine) { CheckSegregation(engine, LoadKinds(&engine->load)); }

void CheckSegregation(Engine *engine, const LoadKinds &kinds, HazSeg *spare, size_t spareCount,
                      SegregationScratch *scratch)
{
    SegregationScratch own;
    SegregationScratch &lists = scratch ? *scratch : own;
    Load *load = &engine->load;
    MessageBook out(&engine->output, &lists.book);
    out.SetVehicle(GetVehicle_Load(load));
    out.ExpectUniqueCodes(kPairRuleCodes);
    out.OfferSpace(spare, spareCount);
    const PassContext ctx{load, kinds, LoadHasClass1Or7(kinds)};
    const uint32_t n = load->itemCount;
    PairPlan plan(ctx, lists);
    const Singles singles = SingleFindings(ctx, plan);
    const std::vector<char> post = SinglesToPost(plan, singles, n);

    // The violation's findings are noted in the same walk (Findings).
    SegregationFindings fromSingles;
    SegregationFindings fromPairs;
    for (uint32_t i = 0; i < n; ++i) {
        const KindFacts *x = &kinds.ItemFacts(i);
        if (plan.IsSkipped(i))
            continue;
        for (uint32_t c = singles.start[i]; c < singles.start[i + 1]; ++c) {
            const int code = singles.codes[c];
            if (post[c])
                AddSegregationMessage(out, NoItemCode(code) ? nullptr : x, nullptr, 0, 0, code);
        }
        NoteSingles(fromSingles, singles.Of(i));
        plan.ForEachPair(i, [&](uint32_t j, const PairOutcome &o) {
            PostPair(out, x, &kinds.ItemFacts(j), o);
            NotePair(fromPairs, o);
        });
    }

    std::vector<char> part(n);
    for (uint32_t i = 0; i < n; ++i)
        part[i] = plan.IsSkipped(i) ? 0 : 1;
    const std::vector<ExplosiveCode> explosives = ExplosiveCodes(kinds, part);
    CheckCompatibilityGroups(out, kinds, explosives, part);
    CheckLowestDivisions(out, explosives);

    // The list in code order, without repeats and without the separations
    // of two items that must not be loaded together.
    out.Publish();
    PostSegregationViolations(load, Combine(fromSingles, fromPairs));
}

} // namespace dravlen
