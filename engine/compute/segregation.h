// Segregation and legality (49 CFR 177.848 and the related per-load limits):
// the last pass of a calculation.
#pragma once

#include "dravlen.h"

namespace dravlen {

// Pair and single-item checks, duplicate-message removal, and the
// segregation violation kept in step with the findings.
void CheckSegregation(Engine *engine);

} // namespace dravlen
