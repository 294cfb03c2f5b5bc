// Seams: the load-wide marking rules and the placard alternatives fill these
// passes; they need the item predicates, which do not exist yet.  Until
// then the passes leave every option as the placarding built it.
#include "compute/load_markings.h"

namespace dravlen {

void MarkCompressedGasNames(Engine * /*engine*/) {}  // Seam: shipping name on a cargo tank of gas.
void MarkMarinePollutants(Engine * /*engine*/) {}    // Seam: MARINE POLLUTANT marking.
void MarkMoltenMaterials(Engine * /*engine*/) {}     // Seam: MOLTEN SULFUR / MOLTEN ALUMINUM.
void MarkNonOdorizedLpg(Engine * /*engine*/) {}      // Seam: NON-ODORIZED on LPG tanks.
void MarkSourCrude(Engine * /*engine*/) {}           // Seam: sour crude oil hazard marking.

void AddPlacardAlternatives(Engine * /*engine*/, bool /*division11or12*/, bool /*division15Aggregate*/)
{
    // Seam: sorting of every option and the alternative options.
}

void ApplyOrganicPeroxideTransition(Engine * /*engine*/)
{
    // Seam: the organic peroxide placard transition.
}

} // namespace dravlen
