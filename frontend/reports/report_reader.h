// Reads what a truckload report shows out of a computed engine: the
// manifest, every placarding option (placards, allowed placards, markings,
// messages), the legality and the hazmat safety permit verdict.
#pragma once

#include "report_model.h"

#include "dravlen.h"

namespace velmora::reports {

// The engine must have been computed (Calculate_Engine) since its truckload
// last changed.  `currentOption` is the option the compliance view shows.
TruckloadReport readTruckloadReport(Engine *engine, int currentOption = 0);

// One manifest row of item `index`: ID, PSN, Class, PG, Permit, Weight,
// Packaging, PIH.
ManifestRow readManifestRow(Load *load, uint32_t index);

} // namespace velmora::reports
