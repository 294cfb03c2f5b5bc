#include "refviews/tanks_dialog.h"

#include "app/hazmat_library.h"
#include "frontend/holders.h"

#include <dravlen.h>

namespace velmora {

namespace {

// The library allocates the text; it is copied and released at once.
QString takeText(char *text)
{
    if (!text)
        return {};
    const QString copy = fromLibraryText(text);
    qv_free(text);
    return copy;
}

} // namespace

CargoTanksRequest cargoTanksRequest(Load *load, const std::vector<uint32_t> &selected)
{
    CargoTanksRequest r;
    if (!load)
        return r;
    r.selectedCount = static_cast<int>(selected.size());
    // Cargo tanks are bulk packagings (49 CFR 171.8): an item shipped in
    // non-bulk packagings has no cargo tank to choose.
    for (uint32_t i = 0; i < GetItemCount_Load(load); ++i)
        if (const Hazmat *item = GetHazmat_Load(load, i); item && !IsBulkPackaging_Hazmat(item))
            r.hasNonBulk = true;
    const Hazmat *item = selected.size() == 1 ? GetHazmat_Load(load, selected.front()) : nullptr;
    if (item) {
        r.row = GetCTRec_HazData(GetPID_Hazmat(item));
        r.packingGroupSlot = GetPackingGroup_Hazmat(item);
        r.selectedBulkId = fromLibraryText(GetID_Hazmat(item) ? GetID_Hazmat(item) : "");
        r.hasNonBulk = !IsBulkPackaging_Hazmat(item);
        r.allowedTanks = takeText(GetAllowedTanksText_Hazmat(item));
    } else {
        if (r.selectedCount == 1)   // the selected row names no item
            r.selectedCount = 0;
        r.allowedTanks = takeText(GetAllowedTanksText_Vehicle(load));
    }
    return r;
}

CargoTanksRequest cargoTanksRequestForEntry(int pid)
{
    CargoTanksRequest r;
    frontend::ItemHolder item(pid);
    if (!item.bound())
        return r;
    // The entry shipped in bulk: cargo tanks are bulk packagings (171.8).
    SetBulkPackaging_Hazmat(item.get(), 1);
    r.row = GetCTRec_HazData(pid);
    r.packingGroupSlot = GetPackingGroup_Hazmat(item.get());
    r.selectedCount = 1;
    r.selectedBulkId = fromLibraryText(GetID_Hazmat(item.get()) ? GetID_Hazmat(item.get()) : "");
    r.allowedTanks = takeText(GetAllowedTanksText_Hazmat(item.get()));
    return r;
}

} // namespace velmora
