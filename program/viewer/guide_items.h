// What the Emergency Response Guide command opens the guide on: the
// selected truckload items (every item when none is selected), or the
// entry of a search result.
#pragma once

#include "viewer/erg_page.h"

#include <QVector>

#include <cstdint>
#include <vector>

struct Load;

namespace velmora::viewer {

QVector<ErgItem> guideItemsOfTruckload(Load *load, const std::vector<uint32_t> &selected);
// The entry with table row `pid`; none when it names no entry.
QVector<ErgItem> guideItemsOfEntry(int pid);

} // namespace velmora::viewer
