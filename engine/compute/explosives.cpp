#include "compute/explosives.h"

#include "compute/kind_facts.h"

namespace dravlen {

namespace {

// The item's primary hazard code parsed, and its weight in whole pounds.
// An item without hazard codes (unbound) is not counted.
bool PrimaryHazardAndPounds(const Hazmat &item, HazDiv &primary, uint32_t &pounds)
{
    if (GetNumHazDivs_Hazmat(&item) < 1)
        return false;
    Init_HazDiv(&primary, GetHazDivString_Hazmat(&item, 0));
    pounds = GetWeight_Hazmat(&item, 0);
    return true;
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

ExplosivesSummary SummarizeExplosives(const LoadKinds &kinds)
{
    ExplosivesSummary summary;
    const Load *load = kinds.TheLoad();
    for (uint32_t i = 0; i < kinds.ItemCount(); ++i) {
        const KindFacts &k = kinds.ItemFacts(i);
        // Only class 1 is noted: the weight of any other item is not read.
        if (k.HazardCount() > 0 && k.code[0].hazClass == 1)
            NoteExplosive(summary, k.code[0], GetWeight_Hazmat(&load->items[i], 0));
    }
    return summary;
}

} // namespace dravlen
