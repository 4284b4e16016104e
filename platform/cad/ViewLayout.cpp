#include "platform/cad/ViewLayout.h"

#include <algorithm>

namespace zt::cad {

namespace {

RECT Cell(const RECT& r, int left, int top, int right, int bottom)
{
    RECT c{left, top, right, bottom};
    c.left = std::clamp(c.left, r.left, r.right);
    c.right = std::clamp(c.right, c.left, r.right);
    c.top = std::clamp(c.top, r.top, r.bottom);
    c.bottom = std::clamp(c.bottom, c.top, r.bottom);
    return c;
}

} // namespace

std::vector<RECT> LayoutViews(const RECT& client, int count)
{
    count = std::min(count, kMaxWindowViews);
    std::vector<RECT> cells;
    if (count <= 0)
        return cells;
    const int half = kViewSplitPixels / 2;
    const int midX = (client.left + client.right) / 2;
    const int midY = (client.top + client.bottom) / 2;
    const RECT& c = client;
    switch (count) {
    case 1:
        cells.push_back(c);
        break;
    case 2:
        cells.push_back(Cell(c, c.left, c.top, midX - half, c.bottom));
        cells.push_back(Cell(c, midX + half, c.top, c.right, c.bottom));
        break;
    case 3:
        cells.push_back(Cell(c, c.left, c.top, midX - half, c.bottom));
        cells.push_back(Cell(c, midX + half, c.top, c.right, midY - half));
        cells.push_back(Cell(c, midX + half, midY + half, c.right, c.bottom));
        break;
    default:
        cells.push_back(Cell(c, c.left, c.top, midX - half, midY - half));
        cells.push_back(Cell(c, midX + half, c.top, c.right, midY - half));
        cells.push_back(Cell(c, c.left, midY + half, midX - half, c.bottom));
        cells.push_back(Cell(c, midX + half, midY + half, c.right, c.bottom));
        break;
    }
    return cells;
}

} // namespace zt::cad
