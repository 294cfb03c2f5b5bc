// Which cargo tanks may carry an item in bulk: the bulk packaging sections
// of 49 CFR 173 named in the item's 172.101 column 8C, and the tank
// specifications each section authorises.
#include "items/hazmat_internal.h"
#include "items/qualifier_bits.h"
#include "inspection/vehicles.h"

#include <cstdlib>
#include <cstring>
#include <string>

using namespace dravlen;

namespace {

// Vehicle codes of the vehicle table.
enum Vehicle : int {
    kUnknown = 0, kUnitLoad = 1, kNonSpec = 2, kDOT406 = 3, kDOT407 = 4, kDOT412 = 5,
    kMC300 = 6, kMC301 = 7, kMC302 = 8, kMC303 = 9, kMC304 = 10, kMC305 = 11,
    kMC306 = 12, kMC307 = 13, kMC310 = 14, kMC311 = 15, kMC312 = 16, kMC330 = 17,
    kMC331 = 18, kMC338 = 19,
};
bool Among(int code, std::initializer_list<int> codes)
{
    for (int c : codes) {
        if (c == code)
            return true;
    }
    return false;
}

// Whether the 49 CFR 173 bulk packaging section admits the vehicle.
bool SectionAdmits(long section, int code, bool primaryIs42)
{
    switch (section) {
    case 214: case 218: case 221: case 245:
        return true;
    case 225:  // organic peroxides: 173.225(h)
        return Among(code, {kDOT407, kDOT412, kMC307, kMC310, kMC311, kMC312, kMC331});
    case 240: case 241: case 247:
        return code >= kNonSpec && code <= kMC331;
    case 242:
        return code >= kDOT406 && code <= kMC331;
    case 243:
        return Among(code, {kDOT407, kDOT412, kMC304}) || (code >= kMC307 && code <= kMC331);
    case 244:  // poison inhalation hazard, 173.244(a)(2): pressure tanks
        return code == kMC330 || code == kMC331 ||
               (!primaryIs42 && (code == kDOT412 || code == kMC312));
    case 249:  // bromine, 173.249
        return Among(code, {kDOT412, kMC310, kMC311, kMC312, kMC331});
    case 315:  // compressed gases in cargo tanks, 173.315
        return code == kMC330 || code == kMC331 || code == kMC338;
    case 318:  // cryogenic liquids, 173.318
        return code == kMC338;
    case 323:  // ethylene oxide, 173.323
        return code == kMC330 || code == kMC331;
    default:
        return false;
    }
}

// A whole decimal number, or -1 for any other text.
long SectionNumber(const char *text)
{
    if (!text || *text < '0' || *text > '9')
        return -1;
    char *end = nullptr;
    const long n = std::strtol(text, &end, 10);
    return (end && *end == '\0') ? n : -1;
}

} // namespace

namespace dravlen {

bool VehicleAllowed(const ItemReading &r, int code)
{
    const Hazmat *item = r.item;
    const bool bulk = (item->wordA & bits::kBulk) != 0;
    if (!bulk || code == kUnknown || code == kUnitLoad)
        return true;
    if (HeldAny(r, ExemptionBits({1, 2, 3})))
        return true;
    const bool regulatedOnlyByAirOrVessel =
        HeldAny(r, ExemptionBits({4, 5, 6})) &&
        !(item->wordA & (bits::kHazardousSubstance | bits::kHazardousWaste));
    if (regulatedOnlyByAirOrVessel || HeldAny(r, ExemptionBits({8, 14, 17, 18, 19, 23})))
        return true;
    const CTRec *row = r.row;
    if (!row || code < 0 || code >= kVehicleCount)
        return false;
    // 172.102(c)(3) B2, B3, B4, B10: MC 300-303, 305, 306 and DOT 406 tanks
    // are not authorised.
    for (const char *sp : {"B2", "B3", "B4", "B10"}) {
        if (SlotHas(r, kColSpecialProvisions, sp) &&
            Among(code, {kDOT406, kMC300, kMC301, kMC302, kMC303, kMC305, kMC306}))
            return false;
    }
    const int slot = r.slot;
    // A combustible liquid in bulk is packaged under 173.241 (173.150(f)(3)).
    const bool combustible = PrimaryIs(r, "COMB");
    const bool primaryIs42 = PrimaryIs(r, "4.2");
    const int n = GetNumElements_CTRec(row, slot, kColBulkPackaging);
    for (int i = 0; i < n; ++i) {
        const long section =
            combustible ? 241 : SectionNumber(GetElement_CTRec(row, slot, kColBulkPackaging, i));
        if (SectionAdmits(section, code, primaryIs42))
            return true;
    }
    return false;
}

} // namespace dravlen

extern "C" {

DRAVLEN_API int IsVehicleAllowed_Hazmat(const Hazmat *item, int code)
{
    return VehicleAllowed(ReadItem(item), code) ? 1 : 0;
}

// Caller frees with qv_free.
DRAVLEN_API char *GetAllowedTanksText_Hazmat(const Hazmat *item)
{
    std::string text;
    for (int code = kNonSpec; code < kVehicleCount; ++code) {
        if (!IsVehicleAllowed_Hazmat(item, code))
            continue;
        if (!text.empty())
            text += ", ";
        text += VehicleName(code);
    }
    if (text.empty())
        text = "No tanks are allowed.";
    char *out = static_cast<char *>(std::malloc(text.size() + 1));
    if (out)
        std::memcpy(out, text.c_str(), text.size() + 1);
    return out;
}

} // extern "C"
