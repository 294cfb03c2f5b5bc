// Truckload questions built on the item predicates: the 8,820-pound
// single-material declaration, the DANGEROUS placard option per item and
// the item that governs the inhalation hazard ID number display.  Weights
// are read in pounds.
#include "dravlen.h"

#include "compute/load_figures.h"

namespace {

// 172.504(b): 1,000 kg (2,205 lb) aggregate gross weight of one category.
constexpr uint32_t kDangerousLimit = 2205;

} // namespace

namespace dravlen {

uint64_t SingleMaterialPounds(const Load *load)
{
    uint64_t total = 0;
    for (uint32_t i = 0; i < load->itemCount; ++i)
        if (!ExemptFromMarking_Hazmat(&load->items[i]))
            total += GetWeight_Hazmat(&load->items[i], 0);
    return total;
}

uint64_t InhalationMaterialPounds(const Load *load, uint32_t p)
{
    const Hazmat *item = &load->items[p];
    uint64_t total = 0;
    bool bulk = false;
    for (uint32_t k = 0; k < load->itemCount; ++k) {
        const Hazmat *same = &load->items[k];
        if (same->pid != item->pid || IsLimitedQuantity_Hazmat(same))
            continue;
        total += GetWeight_Hazmat(same, 0);
        bulk = bulk || IsBulkPackaging_Hazmat(same);
    }
    return bulk ? 0 : total;  // a bulk PIH package shows its own ID number
}

} // namespace dravlen

extern "C" {

// 172.336(c)(4) / 172.313(c): a single material loaded at one facility,
// 8,820 pounds or more, in non-bulk packages; items exempt from marking
// do not count.
DRAVLEN_API int Is8820Allowed_Load(const Load *load)
{
    if (load->itemCount == 0)
        return 0;
    const int firstPid = load->items[0].pid;
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        const Hazmat *item = &load->items[i];
        if (item->pid != firstPid)
            return 0;
        if (IsBulkPackaging_Hazmat(item) || IsLimitedQuantity_Hazmat(item) ||
            IsExceptedQuantity_Hazmat(item))
            return 0;
    }
    return dravlen::SingleMaterialPounds(load) >= dravlen::kSingleMaterialPounds ? 1 : 0;
}

// 172.504(b): DANGEROUS may replace the placards of two or more Table 2
// categories, but not a category of which 1,000 kg or more is loaded at
// one facility.
DRAVLEN_API int CanUseDangerousPlacard_Hazmat_Load(const Load *load, uint32_t i)
{
    if (i >= load->itemCount)
        return 0;
    const Hazmat *item = &load->items[i];
    if (!IsTable2_Hazmat(item))
        return 0;
    uint64_t total = 0;
    for (uint32_t k = 0; k < load->itemCount; ++k) {
        const Hazmat *other = &load->items[k];
        if (IsTable2_Hazmat(other) && !ExemptFromPlacarding_Hazmat(other) &&
            SameCategory_Hazmat(item, other))
            total += GetWeight_Hazmat(other, 0);
    }
    return total < kDangerousLimit ? 1 : 0;
}

// 172.313(c) and 172.505: the item whose number a vehicle with several
// poison inhalation hazard materials of 1,000 kg or more shows.
DRAVLEN_API int GetGreatestPIH_Vehicle(const Load *load)
{
    return dravlen::GreatestInhalationItem(load, [load](uint32_t p) -> char {
        const Hazmat *item = &load->items[p];
        return GetPIH_Hazmat(item) ? GetHazardZone_Hazmat(item) : 0;
    });
}

} // extern "C"
