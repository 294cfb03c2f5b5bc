// The summary icon of a saved truckload: 77 by 77, the first placarding
// option's placards on the colour of the verdict (white legal, red illegal,
// yellow cannot be determined), or "No Placards".
//
// A list of thousands of saved truckloads shows a few dozen at a time, so
// the icon is a QIcon that draws itself only when a view paints it, at the
// size painted; drawn icons are kept in QPixmapCache under a key of what
// they show, so rows showing the same placards share one drawing.
#pragma once

#include "compliance/compliance_results.h"

#include <QIcon>
#include <QImage>

#include <vector>

namespace velmora {

inline constexpr int kLegalityIconSide = 77;

// The icon drawn at once (legality 0 legal, 1 illegal, 2 cannot be
// determined).
QImage drawLegalityIcon(int legality, const std::vector<PlacardEntry> &placards, int fontAdjust);

// The same icon, drawn on demand.  At sizes other than 77 by 77 and in the
// disabled, active and selected modes it looks as a QIcon made from the
// drawn image does: scaled smoothly within the size asked, then given the
// style's look for the mode.
QIcon legalityIcon(int legality, std::vector<PlacardEntry> placards, int fontAdjust);

} // namespace velmora
