// The stored counts of an item's quantity facts (see quantity_facts.cpp),
// for rules that compare them with the regulation's thresholds exactly.
#pragma once

#include "dravlen.h"

#include <cstdint>

namespace dravlen {

// Each answers false when the fact is absent (or its stored value is not
// one this engine writes).
bool NetExplosiveGrams(const Hazmat *item, uint32_t &grams);
bool PackageMillilitres(const Hazmat *item, uint32_t &millilitres);
bool BulkCapacityHundredthsOfGallon(const Hazmat *item, uint32_t &hundredths);

} // namespace dravlen
