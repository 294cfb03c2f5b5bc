// Segregation and legality (49 CFR 177.848 and the related per-load limits):
// the last pass of a calculation.
#pragma once

#include "dravlen.h"

namespace dravlen {

// Pair and single-item checks, explosives compatibility groups, duplicate
// removal, and the segregation violation kept in step with the findings.
void CheckSegregation(Engine *engine);

// Removes repeated messages (same type, code, IDs and hazard codes; the
// first stays) and the separations (type 2) of any two items that already
// have a do-not-load (type 1) message.
void RemoveRedundantMessages(Output *output);

} // namespace dravlen
