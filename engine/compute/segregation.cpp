#include "compute/segregation.h"

namespace dravlen {

void CheckSegregation(Engine * /*engine*/)
{
    // Seam: the 177.848 segregation table, explosives compatibility, the
    // 177.841 cautions, per-load limits and permits post their messages here
    // with InsertMessage.  They need the item predicates, which do not exist
    // yet; until then no message is posted and the load stays legal.
}

} // namespace dravlen
