// Items of one kind: a truckload often repeats an entry with only another
// weight, and passes that compare items with each other read each kind once.
#pragma once

#include "dravlen.h"

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

} // namespace dravlen
