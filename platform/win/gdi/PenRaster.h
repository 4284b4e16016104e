#pragma once
// One-pixel pens as GDI draws them: Bresenham lines through pixel centres, the last pixel of each
// segment left out, and dash patterns that run on across the segments of one call. The pixels
// come out as horizontal runs, split into those the pen paints and the gaps between dashes.

#include "platform/base/WinTypes.h"

#include <vector>

namespace zt::win {

// The pixels a one-pixel pen visits from `from` to `to`, the last left out, in walking order.
// Shared by every thin-line raster, so that they all put exactly the same pixels.
template <class Visit>
inline void WalkThinSegment(POINT from, POINT to, Visit&& visit)
{
    int x = from.x;
    int y = from.y;
    const int dx = to.x > from.x ? to.x - from.x : from.x - to.x;
    const int dy = -(to.y > from.y ? to.y - from.y : from.y - to.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    int err = dx + dy;
    while (x != to.x || y != to.y) {
        visit(x, y);
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

class PenRaster
{
public:
    explicit PenRaster(int penStyle);
    // Starts again with another pen, keeping the memory of the runs: a view draws thousands
    // of lines one after the other.
    void Reset(int penStyle);

    // Surface pixels. Pixels outside `limit` are left out; a long segment is only walked where
    // it can cross the limit, so a line to a far-away point costs no more than a short one.
    void AddSegment(POINT from, POINT to, const RECT& limit);
    void AddPixel(int x, int y); // a single pixel, in the current dash state

    const std::vector<RECT>& On() const { return m_on; }
    const std::vector<RECT>& Off() const { return m_off; }

private:
    void Plot(int x, int y, const RECT& limit);
    void AddSolidStraight(POINT from, POINT to, const RECT& limit);
    void Advance(long long steps);
    static void Append(std::vector<RECT>& runs, int x, int y);

    std::vector<int> m_pattern; // alternating on and off lengths; empty for solid pens
    std::size_t m_index = 0;
    int m_left = 0;
    std::vector<RECT> m_on;
    std::vector<RECT> m_off;
};

} // namespace zt::win
