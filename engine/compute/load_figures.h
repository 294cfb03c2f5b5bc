// The weights behind two truckload questions, shared by the questions
// themselves and by the explanation of a computed truckload.
#pragma once

#include "dravlen.h"

#include <cstdint>

namespace dravlen {

// 172.301(a)(3)(ii): 4,000 kg (8,820 pounds) or more of a single material in
// non-bulk packages loaded at one facility.
constexpr uint64_t kSingleMaterialPounds = 8820;
// 172.313(c)(2): 1,000 kg (2,205 pounds) or more of one material poisonous by
// inhalation in non-bulk packages.
constexpr uint64_t kInhalationMaterialPounds = 2205;

// The weight the 8,820-pound declaration is tested against: every item not
// excepted from identification number marking, in whole pounds.
uint64_t SingleMaterialPounds(const Load *load);

// The weight of item p's entry that 172.313(c) counts: every item of the same
// entry that is not a limited quantity; 0 when one of them is in bulk (a bulk
// packaging shows its own number).
uint64_t InhalationMaterialPounds(const Load *load, uint32_t p);

} // namespace dravlen
