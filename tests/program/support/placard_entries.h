// Placards of an option as the program reads them from the engine, made by
// hand for drawing tests.
#pragma once

#include "compliance/compliance_results.h"
#include "frontend/compliance_vocabulary.h"

namespace velmora::test {

// A placard of the given kind; showing idNumber (0: none) as bulk placards do.
inline PlacardEntry placard(unsigned key, int hazardClass, int division = 0, int idNumber = 0, bool primary = true)
{
    PlacardEntry e;
    e.key = key;
    e.pictureKey = PlacardPictureKey(key, hazardClass, idNumber != 0, 0);
    e.hazardClass = hazardClass;
    e.division = division;
    e.idNumber = idNumber;
    e.primary = primary;
    return e;
}

} // namespace velmora::test
