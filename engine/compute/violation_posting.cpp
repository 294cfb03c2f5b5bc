// Files what the segregation pass found in the truckload's segregation
// violation list, through the inspection violation model.
#include "compute/violation_posting.h"

#include "inspection/inspection.h"

namespace dravlen {

void PostSegregationViolations(Load *load, const SegregationFindings &findings)
{
    if (findings.tableConflict)
        PostSegregationViolation(load, kSegregationTableRef, nullptr);
    else if (findings.explosivesConflict)
        PostSegregationViolation(load, kClass1SeparationRef, nullptr);
    else if (findings.otherCitation != nullptr)
        PostSegregationViolation(load, kOtherSegregationRef, findings.otherCitation);
    else
        PostSegregationViolation(load, -1, nullptr);
}

} // namespace dravlen
