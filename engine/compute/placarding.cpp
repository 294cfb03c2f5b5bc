// Seams: the placarding rules of 49 CFR 172.504 (Table 1 and Table 2, the
// 1,001-pound aggregate, DANGEROUS and its 2,205-pound limit, subsidiary
// placards) and the identification-number rules of 172.301(a)(3), 172.302(a),
// 172.313(c) fill AnalyzeLoad, DoAllPossiblePlacards, IsDangerousPossible
// and BuildPlacardOption.  They need the item predicates, which do not
// exist yet; until then no placard is made and no DANGEROUS option offered.
#include "compute/placarding.h"

namespace dravlen {

void AnalyzeLoad(Engine * /*engine*/)
{
    // Seam: the placarding analysis writes the five summary flags here.
}

void DoAllPossiblePlacards(Engine * /*engine*/)
{
    // Seam: MakePlacard for every hazard and variant of every item, inserted
    // with InsertAllowedPlacard.
}

bool IsDangerousPossible(Engine * /*engine*/)
{
    // Seam: the 172.504(b) test over the Table 2 materials of the load.
    return false;
}

void BuildPlacardOption(Engine * /*engine*/, bool /*dangerous*/)
{
    // Seam: the option builder fills the current option here.
}

int PlacardingOptionOrder(bool dangerousFirst, bool dangerousPossible, bool order[2])
{
    int n = 0;
    if (!dangerousFirst)
        order[n++] = false;
    if (dangerousPossible)
        order[n++] = true;
    if (dangerousFirst)
        order[n++] = false;
    return n;
}

} // namespace dravlen
