#include "viewer/guide_items.h"

#include "frontend/holders.h"
#include "viewer/reference_links.h"

#include <dravlen.h>

namespace velmora::viewer {

QVector<ErgItem> guideItemsOfTruckload(Load *load, const std::vector<uint32_t> &selected)
{
    QVector<ErgItem> items;
    if (!load)
        return items;
    std::vector<uint32_t> rows = selected;
    if (rows.empty())
        for (uint32_t i = 0; i < GetItemCount_Load(load); ++i)
            rows.push_back(i);
    for (uint32_t i : rows)
        if (const Hazmat *item = GetHazmat_Load(load, i))
            items.push_back(ergItemOf(item));
    return items;
}

QVector<ErgItem> guideItemsOfEntry(int pid)
{
    // A scratch item bound to the entry's table row.
    frontend::ItemHolder item(pid);
    if (!item.bound())
        return {};
    return {ergItemOf(item.get())};
}

} // namespace velmora::viewer
