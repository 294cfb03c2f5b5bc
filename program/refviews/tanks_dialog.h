// "View Authorized Motor Cargo Tanks": what the information window is given
// for the truckload or for the one truckload item selected.
#pragma once

#include "refviews/table_entry_view.h"

#include <cstdint>
#include <vector>

struct Load;

namespace velmora {

// The cargo tanks allowed for the selected item (exactly one row selected)
// or for every item of the truckload; `selected` holds item indexes.
CargoTanksRequest cargoTanksRequest(Load *load, const std::vector<uint32_t> &selected);
// The cargo tanks allowed for one Hazardous Materials Table entry (a search
// result) shipped in bulk; an empty request when `pid` names no entry.
CargoTanksRequest cargoTanksRequestForEntry(int pid);

} // namespace velmora
