// The four views of the main window and which editing commands each leaves
// enabled.
#pragma once

namespace velmora {

enum class View { Truckload = 0, Compliance = 1, Search = 2, SavedTruckloads = 3 };

// Which editing commands a view leaves enabled.
struct EditCommands {
    bool add = false, remove = false, edit = false, cutCopy = false, paste = false;
    bool operator==(const EditCommands &) const = default;
};
// Switching to `view` from `previous` (the edit and cut/copy states the
// truckload view leaves unchanged come from `previous`).
EditCommands editCommandsForView(View view, const EditCommands &previous, bool clipboardHasItems);

} // namespace velmora
