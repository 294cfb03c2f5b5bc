// Seam between the segregation pass and the inspection violation model.
//
// The segregation pass works out SegregationFindings on every calculation
// and hands them here.  Filing them needs the violation list operations
// (add by citation and reference key, remove by key, set a description) of
// the inspection violation model, which is not part of the library yet: the
// inspection task fills this body with the steps documented in
// violation_posting.h.  Until then the segregation violation list is left as
// it is (it is never filled before the model exists).
#include "compute/violation_posting.h"

namespace dravlen {

void PostSegregationViolations(Load * /*load*/, const SegregationFindings & /*findings*/)
{
    // Seam: filled by the inspection violation model.
}

} // namespace dravlen
