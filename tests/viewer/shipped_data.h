// The data as shipped (program/resources, laid out as in the program
// folder), read once per test program.
#pragma once

#include "viewer/erg_library.h"
#include "viewer/regulation_library.h"

#include <QString>

namespace velmora::viewer::test {

inline const QString kData = QStringLiteral(VIEWER_TEST_DATA);

inline const RegulationLibrary &regulations()
{
    static RegulationLibrary lib;
    static const bool loaded = lib.load(regulationDataPath(kData));
    Q_UNUSED(loaded);
    return lib;
}

inline const ErgLibrary &guidebook()
{
    static ErgLibrary erg;
    static const bool loaded = erg.load(ergFolder(kData));
    Q_UNUSED(loaded);
    return erg;
}

} // namespace velmora::viewer::test
