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

// What the pair rules above read of a kind, and nothing they do not read
// for it: its hazard codes (parsed, and whether "COMB"); its physical state
// only when it has a class 8 or Division 6.1 code, its hazard zone only
// with a Division 2.3 or 6.1 code, its packing group only with a 6.1 code;
// the cyanide, acid and label 8 answers; the ammonium nitrate answer only
// with a class 5 code; the 177.835(g) name words and whether it is the
// fireworks entry only with a class 1 code; its PID only in compatibility
// group L.  Two kinds of one signature give the same findings against any
// kind of another entry, so a pass over many pairs works each pair of
// signatures out once.
struct PairSignature {
    static constexpr int kMostCodes = 6;
    uint32_t code[kMostCodes] = {};
    int32_t codeCount = 0;
    int32_t groupLPid = 0;
    char physicalState = 0;
    char hazardZone = 0;
    int16_t packingGroup = 0;
    uint32_t flags = 0;

    bool operator==(const PairSignature &) const = default;

    // False for a kind of more hazard codes than a signature holds: it then
    // shares its outcomes with no other kind.
    bool Read(const KindFacts &k);
    uint64_t Hash() const;
};

} // namespace dravlen
