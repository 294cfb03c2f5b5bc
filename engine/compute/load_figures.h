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

// GetGreatestPIH_Vehicle (172.313(c), 172.505) with the hazard zone of each
// item p given by zoneOf(p): its zone when it is poisonous by inhalation, 0
// otherwise.  When several materials poisonous by inhalation of 1,000 kg or
// more are carried, the number shown is that of a Hazard Zone A material
// before Zone B, then the greatest aggregate weight.
template <typename ZoneOf>
int GreatestInhalationItem(const Load *load, ZoneOf zoneOf)
{
    char heldZone = 'C';
    uint64_t heldTotal = 0;
    int held = -1;
    for (uint32_t p = 0; p < load->itemCount; ++p) {
        const char zone = zoneOf(p);
        if (zone != 'A' && zone != 'B')
            continue;
        const uint64_t total = InhalationMaterialPounds(load, p);
        if (total < kInhalationMaterialPounds)
            continue;
        if (held < 0 || (zone == 'A' && heldZone == 'B')) {
            heldZone = zone;
            heldTotal = total;
            held = static_cast<int>(p);
        } else if (heldZone == 'A' && zone == 'B') {
            continue;
        } else if (total > heldTotal) {
            heldTotal = total;
            held = static_cast<int>(p);
        }
    }
    return held;
}

} // namespace dravlen
