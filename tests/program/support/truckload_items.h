// Putting real table entries on a truckload, for the program's tests.
#pragma once

#include "dravlen.h"

#include <QtTest>

#include <cstddef>
#include <cstdint>

namespace velmora::test {

// Adds the entry of an ID number in the given packing-group slot; the item
// is held, as the program holds its items, in 256 bytes of its own.
inline void addItem(Engine *engine, const char *id, int packingGroup, uint32_t weight)
{
    alignas(std::max_align_t) unsigned char storage[256] = {};
    auto *item = reinterpret_cast<Hazmat *>(storage);
    Init_Hazmat(item, SearchCT_HazData(id, 2, 0));
    SetPackingGroup_Hazmat(item, packingGroup);
    SetWeight_Hazmat(item, weight);
    QVERIFY(Add_Load(GetLoad_Engine(engine), item) >= 0);
    Reset_Hazmat(item, 0);
}

} // namespace velmora::test
