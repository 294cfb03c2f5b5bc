#include "compute/explosives.h"

namespace dravlen {

namespace {

// Seam: the item's primary hazard code (GetHazDivString_Hazmat(item, 0))
// and its weight in pounds (GetWeight_Hazmat(item, 0)) come from the item
// properties, which do not exist yet.  Until they do, no item has a hazard
// code and none is counted.
bool PrimaryHazardAndPounds(const Hazmat & /*item*/, HazDiv & /*primary*/, uint32_t & /*pounds*/)
{
    return false;
}

} // namespace

void NoteExplosive(ExplosivesSummary &summary, const HazDiv &primary, uint32_t pounds)
{
    if (GetClass_HazDiv(&primary) != 1)
        return;
    const int division = GetDivision_HazDiv(&primary);
    if (division <= 2)
        summary.division11or12 = true;
    else if (division == 5)
        summary.division15Pounds += pounds;
}

ExplosivesSummary SummarizeExplosives(const Load *load)
{
    ExplosivesSummary summary;
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        HazDiv primary{};
        uint32_t pounds = 0;
        if (PrimaryHazardAndPounds(load->items[i], primary, pounds))
            NoteExplosive(summary, primary, pounds);
    }
    return summary;
}

} // namespace dravlen
