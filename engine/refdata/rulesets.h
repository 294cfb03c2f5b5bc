// Rulesets: the 43 regulatory versions of the Hazardous Materials Table,
// each with the dates on which it may be chosen, becomes mandatory and
// retires, and the process-wide current ruleset.
#pragma once

#include <cstdint>

namespace dravlen {

constexpr int kRulesetCount = 43;

// Seconds since 1970-01-01 UTC.
using Stamp = int64_t;

struct Ruleset {
    int32_t index;
    Stamp availability;  // may be chosen from this moment (voluntary compliance)
    Stamp compliance;    // mandatory from this moment
    Stamp retirement;    // may no longer be chosen from this moment
    const char *docket;  // UTF-8 text
};

// The ruleset record of index 0-42, or null.
const Ruleset *GetRuleset(int index);

// "Now": read afresh at every evaluation from the system clock, unless a
// test has set the clock.
Stamp Now();
// Test seam: fixes "now" at the given stamp; ClearClockForTesting returns to
// the system clock.
void SetClockForTesting(Stamp now);
void ClearClockForTesting();

// Active: availability < now < retirement.
bool IsRulesetActive(int index);
// The highest index whose compliance date is before now; 0 when the clock is
// earlier than every compliance date.
int DefaultRuleset();

// The process-wide current ruleset used by every table lookup.
int CurrentRuleset();
void SetCurrentRuleset(int index);

} // namespace dravlen
