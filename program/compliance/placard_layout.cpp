#include "compliance/placard_layout.h"

#include <algorithm>

namespace velmora {

namespace {

// Offsets of the placards from the origin, in drawing order: the first two
// side by side, then around them in rings.
constexpr QPoint kPositions[kMaxPlacardsShown] = {
    {0, 0},       {100, 0},    {50, 50},     {50, -50},   {-50, -50},   {150, -50}, {150, 50},
    {-50, 50},    {-100, 0},   {200, 0},     {0, -100},   {100, 100},   {0, 100},   {100, -100},
    {-100, -100}, {200, -100}, {-100, 100},  {200, 100},  {-150, -50},  {250, 50},  {-150, 50},
    {250, -50},   {-200, 0},   {300, 0},     {-200, 100}, {300, 100},   {-200, -100}, {300, -100},
};

int clampCount(int n) { return std::clamp(n, 1, kMaxPlacardsShown); }

} // namespace

QSize placardCanvasSize(int n)
{
    n = clampCount(n);
    int w = 600;
    if (n == 1)
        w = 100;
    else if (n <= 4)
        w = 200;
    else if (n == 5)
        w = 250;
    else if (n <= 8)
        w = 300;
    else if (n == 9)
        w = 350;
    else if (n <= 18)
        w = 400;
    else if (n == 19)
        w = 450;
    else if (n <= 22)
        w = 500;
    int h = 300;
    if (n <= 2)
        h = 100;
    else if (n == 3)
        h = 150;
    else if (n <= 10)
        h = 200;
    else if (n == 11)
        h = 250;
    return {w, h};
}

QPoint placardOrigin(int n)
{
    n = clampCount(n);
    const int x = n <= 4 ? 0 : n <= 8 ? 50 : n <= 18 ? 100 : n <= 22 ? 150 : 200;
    const int y = n <= 3 ? 0 : n <= 10 ? 50 : 100;
    return {x, y};
}

QPoint placardPosition(int i, int n)
{
    return placardOrigin(n) + kPositions[std::clamp(i, 0, kMaxPlacardsShown - 1)];
}

QPolygon placardDiamond(QPoint p)
{
    const int x = p.x(), y = p.y();
    return QPolygon({QPoint(x + 50, y - 1), QPoint(x - 1, y + 50), QPoint(x + 50, y + 101), QPoint(x + 101, y + 50)});
}

int placardAt(QPoint point, int n)
{
    const int shown = std::min(n, kMaxPlacardsShown);
    for (int i = 0; i < shown; ++i)
        if (placardDiamond(placardPosition(i, n)).containsPoint(point, Qt::OddEvenFill))
            return i;
    return -1;
}

} // namespace velmora
