// Where the placards of one option stand in the placard picture: the canvas
// size and origin by placard count, the 28 positions and the diamond each
// placard occupies.  Neighbouring diamonds interlock, so a point is matched
// against the diamonds, not against the pictures' squares.
#pragma once

#include "frontend/placard_limit.h"

#include <QPoint>
#include <QPolygon>
#include <QSize>

namespace velmora {

// The placard picture holds at most this many placards.
using frontend::kMaxPlacardsShown;   // shared with velmora-check

// Canvas of the placard picture for n placards (1..28).
QSize placardCanvasSize(int n);
// Origin (X0, Y0) that the position table is added to, for n placards.
QPoint placardOrigin(int n);
// Top left corner of placard i (0-based) of n placards on the canvas.
QPoint placardPosition(int i, int n);
// The diamond of a placard whose picture stands at topLeft.
QPolygon placardDiamond(QPoint topLeft);
// The placard whose diamond holds point, or -1.
int placardAt(QPoint point, int n);

} // namespace velmora
