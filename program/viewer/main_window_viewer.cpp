// The main window's Emergency Response Guide command: the guide of the
// selected truckload item (every item when none is selected) in the
// truckload and compliance views, of the selected search result in the
// search view; the start page otherwise.
#include "app/main_window.h"
#include "viewer/reference_links.h"

#include <dravlen.h>

#include <QTreeWidget>

#include <cstddef>

namespace velmora {

void MainWindow::showEmergencyResponseGuide()
{
    QVector<viewer::ErgItem> items;
    if (engine_ && (view_ == View::Truckload || view_ == View::Compliance)) {
        Load *load = GetLoad_Engine(engine_);
        std::vector<uint32_t> rows = selectedTruckloadRows();
        if (rows.empty())
            for (uint32_t i = 0; i < GetItemCount_Load(load); ++i)
                rows.push_back(i);
        for (uint32_t i : rows)
            if (const Hazmat *item = GetHazmat_Load(load, i))
                items.push_back(viewer::ergItemOf(item));
    } else if (engine_ && view_ == View::Search) {
        const auto selected = searchList->selectedItems();
        if (!selected.isEmpty()) {
            // A scratch item bound to the result's table row.
            alignas(std::max_align_t) unsigned char storage[256] = {};
            auto *item = reinterpret_cast<Hazmat *>(storage);
            if (Init_Hazmat(item, selected.front()->data(0, Qt::UserRole).toInt()))
                items.push_back(viewer::ergItemOf(item));
            Reset_Hazmat(item, 0);
        }
    }
    viewer::openEmergencyResponseGuide(items, programFolder_, this);
}

} // namespace velmora
