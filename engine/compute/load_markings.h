// The passes that run over every placarding option after the options are
// built: load-wide markings (172.302, 172.322, 172.325, 172.327, 172.328,
// 172.336), placard alternatives and the organic peroxide transition.
#pragma once

#include "dravlen.h"

namespace dravlen {

void MarkCompressedGasNames(Engine *engine);   // 172.328(b), bulk Class 2
void MarkMarinePollutants(Engine *engine);     // 172.322
void MarkMoltenMaterials(Engine *engine);      // 172.325(b), sulfur and aluminum
void MarkNonOdorizedLpg(Engine *engine);       // 172.328(e)
void MarkSourCrude(Engine *engine);            // 172.327
// Sorts every option, then adds the alternative options that 172.504 allows;
// given whether Division 1.1 or 1.2 is present and whether the Division 1.5
// total reaches 1,001 pounds.
void AddPlacardAlternatives(Engine *engine, bool division11or12, bool division15Aggregate);
void ApplyOrganicPeroxideTransition(Engine *engine);

} // namespace dravlen
