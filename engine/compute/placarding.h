// Placarding under 49 CFR 172.504: the load summary, the allowed placards,
// whether a DANGEROUS option is offered, and building one option.
#pragma once

#include "dravlen.h"

namespace dravlen {

// Recomputes the truckload's summary flags (all gasoline, all fuel oil, all
// one PID, any bulk, any bulk inhalation hazard).
void AnalyzeLoad(Engine *engine);

// Fills the output's allowed-placard list with every distinct placard any
// item could legitimately show.
void DoAllPossiblePlacards(Engine *engine);

// Whether a DANGEROUS option is to be offered (172.504(b)).
bool IsDangerousPossible(Engine *engine);

// Builds the output's current option: its placards, its identification
// number and HOT markings, and the messages that arise while placarding.
// `dangerous` selects the option that uses the DANGEROUS placard.
void BuildPlacardOption(Engine *engine, bool dangerous);

// The order of the placarding options: a standard option, and a DANGEROUS
// option when it is possible, listed first when the engine's switch says
// so.  Writes up to two entries (true = the DANGEROUS option) and returns
// their number.
int PlacardingOptionOrder(bool dangerousFirst, bool dangerousPossible, bool order[2]);

} // namespace dravlen
