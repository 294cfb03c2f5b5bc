#include "app/window_views.h"

namespace velmora {

EditCommands editCommandsForView(View view, const EditCommands &previous, bool clipboardHasItems)
{
    EditCommands c;   // Compliance, Saved Truckloads: everything off
    switch (view) {
    case View::Truckload:
        c = previous;
        c.add = true;
        c.remove = false;
        c.paste = clipboardHasItems;
        break;
    case View::Search:
        c.add = true;
        break;
    case View::Compliance:
    case View::SavedTruckloads:
        break;
    }
    return c;
}

} // namespace velmora
