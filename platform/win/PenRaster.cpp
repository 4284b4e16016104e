#include "platform/win/PenRaster.h"

#include "platform/win/GdiTypes.h"

#include <algorithm>
#include <cstdlib>

namespace zt::win {

PenRaster::PenRaster(int penStyle)
{
    switch (penStyle & PS_STYLE_MASK) {
    case PS_DASH:
        m_pattern = {18, 6};
        break;
    case PS_DOT:
        m_pattern = {3, 3};
        break;
    case PS_DASHDOT:
        m_pattern = {9, 6, 3, 6};
        break;
    case PS_DASHDOTDOT:
        m_pattern = {9, 3, 3, 3, 3, 3};
        break;
    default:
        break;
    }
    if (!m_pattern.empty())
        m_left = m_pattern[0];
}

void PenRaster::Append(std::vector<RECT>& runs, int x, int y)
{
    if (!runs.empty()) {
        RECT& last = runs.back();
        if (last.top == y && last.right == x) {
            ++last.right;
            return;
        }
        if (last.top == y && last.left == x + 1) {
            --last.left;
            return;
        }
    }
    runs.push_back(RECT{x, y, x + 1, y + 1});
}

void PenRaster::Plot(int x, int y)
{
    bool on = true;
    if (!m_pattern.empty()) {
        on = (m_index % 2) == 0;
        if (--m_left <= 0) {
            m_index = (m_index + 1) % m_pattern.size();
            m_left = m_pattern[m_index];
        }
    }
    Append(on ? m_on : m_off, x, y);
    if (!m_any) {
        m_bounds = RECT{x, y, x + 1, y + 1};
        m_any = true;
    } else {
        m_bounds.left = std::min<LONG>(m_bounds.left, x);
        m_bounds.top = std::min<LONG>(m_bounds.top, y);
        m_bounds.right = std::max<LONG>(m_bounds.right, x + 1);
        m_bounds.bottom = std::max<LONG>(m_bounds.bottom, y + 1);
    }
}

void PenRaster::AddPixel(int x, int y)
{
    Plot(x, y);
}

void PenRaster::AddSegment(POINT from, POINT to)
{
    int x = from.x;
    int y = from.y;
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    int err = dx + dy;
    while (x != to.x || y != to.y) {
        Plot(x, y);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

} // namespace zt::win
