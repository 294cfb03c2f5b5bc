// How many placards a compliance answer may show, and the one computation
// both the program and the checker use to stay within it.
#pragma once

struct Engine;

namespace velmora::frontend {

// The placard positions of a vehicle picture: four sides, seven each.
constexpr int kMaxPlacardsShown = 28;

// After Calculate_Engine: when bulk placards show their ID numbers and an
// option needs more than kMaxPlacardsShown placards, recomputes without ID
// numbers on the placards, so that they fall together into plain ones
// (49 CFR 172.334), then puts the switch back for the next computation.  True when it recomputed.
bool computeWithinPlacardLimit(Engine *engine);

} // namespace velmora::frontend
