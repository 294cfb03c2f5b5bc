// The explosives facts the alternative-placard pass needs: whether EXPLOSIVES
// 1.1 or 1.2 placards may stand for OXIDIZER (172.504(f)(4)), and the
// Division 1.5 aggregate for 172.504(c) and (f)(5).
#pragma once

#include "dravlen.h"

#include <cstdint>

namespace dravlen {

class LoadKinds;

struct ExplosivesSummary {
    bool division11or12 = false; // Division 1.1 or 1.2, or a bare class 1
    uint32_t division15Pounds = 0;
};

// Adds one item, given its primary hazard code and weight in whole pounds.
void NoteExplosive(ExplosivesSummary &summary, const HazDiv &primary, uint32_t pounds);

// One pass over the truckload's items in load order.
ExplosivesSummary SummarizeExplosives(const Load *load);
// The same from the primary hazard codes of the calculation's kinds.
ExplosivesSummary SummarizeExplosives(const LoadKinds &kinds);

} // namespace dravlen
