// What the segregation pass found that the truckload's inspection records as
// a violation (the load's segregation violation list).
#pragma once

#include "dravlen.h"

namespace dravlen {

struct SegregationFindings {
    bool tableConflict = false;       // a do-not-load of the 177.848(d) table
    bool explosivesConflict = false;  // 177.848(f)-(h) compatibility
    // Another violation (per-load limits, cyanides, reacting materials):
    // the citation noted last, e.g. "49 CFR 173.170(b)"; null when none.
    const char *otherCitation = nullptr;
};

// Keeps the load's segregation violation list in step with the findings.
// The list holds at most one violation, filed under a reference key:
//  - a table conflict: "177.848(d)" under key 0 (keys 1 and 2 removed);
//  - else an explosives conflict: "177.848(f)" under key 1 (0, 2 removed);
//  - else another violation: "171.2(a)" under key 2 (0, 1 removed), its
//    description set to "Violation of <citation>.";
//  - else keys 0, 1 and 2 are removed.
// An existing violation under the key is kept (with its disabled state); a
// citation missing from the violation table adds nothing.
void PostSegregationViolations(Load *load, const SegregationFindings &findings);

} // namespace dravlen
