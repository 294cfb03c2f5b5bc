// Putting real table entries on a truckload, for the program's tests.
#pragma once

#include "dravlen.h"
#include "frontend/holders.h"

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

#include <QString>

#include <QFileInfo>

#include <cstdlib>
#include <deque>
#include <functional>
#include <optional>

namespace velmora::test {

// One engine for a test, released at its end.
using TestEngine = frontend::EngineHolder;

// A scripted truck ID dialog: each call takes the next answer (nullopt =
// cancelled); with no answer left it accepts the name offered.
inline std::function<std::optional<QString>(const QString &, bool)>
scriptedTruckIds(std::deque<std::optional<QString>> &answers)
{
    return [&answers](const QString &initial, bool) -> std::optional<QString> {
        if (answers.empty())
            return initial;
        const std::optional<QString> next = answers.front();
        answers.pop_front();
        return next;
    };
}

// A scripted "Save Truckload As" file dialog: each call takes the next
// truck ID and answers that file in the proposed folder (nullopt =
// cancelled); with no answer left it accepts the file proposed.
inline std::function<std::optional<QString>(const QString &)>
scriptedSaveNames(std::deque<std::optional<QString>> &answers)
{
    return [&answers](const QString &proposed) -> std::optional<QString> {
        if (answers.empty())
            return proposed;
        const std::optional<QString> next = answers.front();
        answers.pop_front();
        if (!next)
            return std::nullopt;
        return QFileInfo(proposed).absolutePath() + QLatin1Char('/') + *next + QStringLiteral(".vlm");
    };
}

} // namespace velmora::test
