// Shared set-up of the fuzz targets: the reference data loaded once, under
// a fixed clock and ruleset, so that a finding replays the same way.
#pragma once

#include "dravlen.h"
#include "refdata/rulesets.h"

#include <cstdlib>

namespace velmora_fuzz {

// 2024-04-10 00:00:00 UTC: rulesets 41 and 42 active.
constexpr dravlen::Stamp kClock = 1712707200;

// An engine that lives for the whole run (it holds the reference store).
inline Engine &SharedEngine()
{
    static Engine *engine = [] {
        dravlen::SetClockForTesting(kClock);
        auto *e = Alloc_Engine();
        Init_Engine(e);
        dravlen::SetCurrentRuleset(42);
        return e;
    }();
    return *engine;
}

// A property of the readers that must hold for every input.
inline void Require(bool holds)
{
    if (!holds)
        std::abort();
}

} // namespace velmora_fuzz
