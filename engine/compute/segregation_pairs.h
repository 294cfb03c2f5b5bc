// The pair rules of 49 CFR 177.848: the segregation table of paragraph (d),
// the explosives compatibility rules of paragraphs (f) to (h), and the
// cyanide/acid rule of paragraph (c).
#pragma once

#include "dravlen.h"
#include "compute/kind_facts.h"

#include <cstdint>

namespace dravlen {

// UN0337, fireworks 1.4S: 177.848(g)(3)(v) names it.
constexpr int kPidFireworks14S = 307;

// Every code the pair rules below return but 32 (a bare "1" subsidiary,
// which is about one item), as bits.
constexpr uint64_t kPairRuleCodes = 1ull << 1 | 1ull << 2 | 1ull << 6 | 1ull << 7 | 1ull << 8 | 1ull << 9 |
                                    1ull << 10 | 1ull << 13 | 1ull << 14 | 1ull << 19 | 1ull << 29 | 1ull << 47;

// The segregation table for hazard code a of item A and hazard code b of
// item B.  Returns a message code, or 5 (kNoFinding) when the pair may
// travel together (also for an invalid hazard index).
int CheckHazardPair(const Hazmat *A, const Hazmat *B, int a, int b);

// Item-level pair rules (cyanides with acids): 6, 29 or 5.
int CheckItemPair(const Hazmat *A, const Hazmat *B);

// The same on facts read once per kind (what a pass over many pairs uses).
int CheckHazardPair(const KindFacts &A, const KindFacts &B, int a, int b);
int CheckItemPair(const KindFacts &A, const KindFacts &B);

} // namespace dravlen
