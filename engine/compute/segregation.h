// Segregation and legality (49 CFR 177.848 and the related per-load limits):
// the last pass of a calculation.
#pragma once

#include "dravlen.h"

#include <cstddef>
#include "compute/violation_posting.h"

namespace dravlen {

class LoadKinds;

// Room for the lists of the segregation pass, kept by an engine between its
// calculations (see Calculate_Engine); owned by the caller of New, given
// back with Delete.
struct SegregationScratch;
SegregationScratch *NewSegregationScratch();
void DeleteSegregationScratch(SegregationScratch *scratch);

// Pair and single-item checks, explosives compatibility groups, duplicate
// removal, and the segregation violation kept in step with the findings.
void CheckSegregation(Engine *engine);
// The same with the kinds of the truckload read once by the calculation.
// spare, when given, is the message list of the calculation before (room for
// spareCount records), taken over by the pass (MessageBook::OfferSpace).
// scratch, when given, lends the pass its lists' room.
void CheckSegregation(Engine *engine, const LoadKinds &kinds, HazSeg *spare = nullptr, size_t spareCount = 0,
                      SegregationScratch *scratch = nullptr);

// The findings of the pass that become the load's segregation violation,
// worked out again without posting any message: per-load limits and the
// criticality safety index (173.170(b), 173.171(b), 173.63(a), 173.457(e)),
// cyanides (177.848(c)), table conflicts (177.848(d)), explosives conflicts
// (177.848(f)-(h)) and reacting materials (177.848(e)(6)).
SegregationFindings FindSegregationViolations(Load *load);

} // namespace dravlen
