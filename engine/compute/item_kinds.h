// Items of one kind: a truckload often repeats an entry with only another
// weight, and passes that compare items with each other read each kind once.
#pragma once

#include "dravlen.h"

#include <algorithm>
#include <cstdint>
#include <tuple>
#include <vector>

namespace dravlen {

// Two items of one kind: everything an item's answers are read from except
// its weight (entry, qualifier words, shipping name choice, transport and
// criticality safety indexes).  Items of one kind give the same answer to
// every item question that is not about weight, so a pass that compares
// items with each other may read one item of each kind.
inline bool SameKind(const Hazmat &x, const Hazmat &y)
{
    return x.pid == y.pid && x.wordA == y.wordA && x.wordB == y.wordB && x.nameIndex == y.nameIndex &&
           x.transportIndex == y.transportIndex && x.csi == y.csi;
}

// For each item of the load, the index of the first item of its kind: the
// items sorted by what makes a kind (stable, so the first of each run is
// the kind's first item), in n log n however many kinds the load has.
inline std::vector<uint32_t> FirstOfKind(const Load *load)
{
    const uint32_t n = load->itemCount;
    auto tie = [load](uint32_t i) {
        const Hazmat &x = load->items[i];
        return std::tie(x.pid, x.wordA, x.wordB, x.nameIndex, x.transportIndex, x.csi);
    };
    std::vector<uint32_t> byKind(n);
    for (uint32_t i = 0; i < n; ++i)
        byKind[i] = i;
    std::stable_sort(byKind.begin(), byKind.end(), [&tie](uint32_t a, uint32_t b) { return tie(a) < tie(b); });
    std::vector<uint32_t> first(n);
    for (uint32_t k = 0; k < n; ++k) {
        const uint32_t i = byKind[k];
        first[i] = (k > 0 && SameKind(load->items[byKind[k - 1]], load->items[i])) ? first[byKind[k - 1]] : i;
    }
    return first;
}

} // namespace dravlen
