// Findings about one item of the truckload on its own.
#pragma once

#include "dravlen.h"

#include <cstdint>
#include <vector>

namespace dravlen {

// Permit code of item i (HazmatNeedsPermit_Load).
int PermitCode(const Load *load, uint32_t i);
// 385.403(b) for Divisions 1.1-1.3 over the whole truckload: the one item
// whose permit code the explosives settle (-1 for none) and that code.
struct ExplosivePermit {
    bool found = false;  // filled in (a pass asks for it once, when needed)
    int64_t item = -1;
    int code = 0;
};
ExplosivePermit FindExplosivePermit(const Load *load);

// The same; *readsItem (when given) tells whether the answer read more than
// the item's kind (SameKind): its own quantities, its weight or the other
// items.  explosives, when given, keeps FindExplosivePermit of the load
// once it is first needed.
int PermitCode(const Load *load, uint32_t i, bool *readsItem, ExplosivePermit *explosives);

// The single-item findings for item i of the load, in the order they are
// reported: vehicle approval (38), diluent (36), per-load limits of
// 173.170(b), 173.171(b) and 173.63(a) (33, 34, 35), the criticality safety
// index limit of 173.457(e) (37), the 177.841 poison cautions (20, 21, 22)
// and the safety permit of 385.403 (40, 41, 43-46).
//
// Written as a plain function returning the whole sequence: it keeps no
// state between calls, so the checks of two items or two engines can never
// interleave.
std::vector<int> SingleItemChecks(const Load *load, uint32_t i);

// The same with the load's total criticality safety index (TotalCsi) worked
// out once by the caller: the pass checks every item against one total.
std::vector<int> SingleItemChecks(const Load *load, uint32_t i, uint64_t totalCsi);
uint64_t TotalCsi(const Load *load);

// The same findings in two parts: those every item of one kind shares
// (all but the permit), and the permit message (0 for none) with whether
// it read more than the item's kind (see PermitCode).
std::vector<int> KindChecks(const Load *load, uint32_t i, uint64_t totalCsi);
int PermitFinding(const Load *load, uint32_t i, bool *readsItem, ExplosivePermit *explosives);

} // namespace dravlen
