#include "platform/win/gdi/PenRaster.h"

#include "platform/win/GdiTypes.h"

#include <algorithm>
#include <cstdlib>

namespace zt::win {

PenRaster::PenRaster(int penStyle)
{
    Reset(penStyle);
}

void PenRaster::Reset(int penStyle)
{
    m_pattern.clear();
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
    m_index = 0;
    m_left = m_pattern.empty() ? 0 : m_pattern[0];
    m_on.clear();
    m_off.clear();
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

void PenRaster::Advance(long long steps)
{
    if (m_pattern.empty() || steps <= 0)
        return;
    long long period = 0;
    for (int n : m_pattern)
        period += n;
    steps %= period;
    while (steps-- > 0) {
        if (--m_left <= 0) {
            m_index = (m_index + 1) % m_pattern.size();
            m_left = m_pattern[m_index];
        }
    }
}

void PenRaster::Plot(int x, int y, const RECT& limit)
{
    bool on = true;
    if (!m_pattern.empty()) {
        on = (m_index % 2) == 0;
        if (--m_left <= 0) {
            m_index = (m_index + 1) % m_pattern.size();
            m_left = m_pattern[m_index];
        }
    }
    if (x < limit.left || x >= limit.right || y < limit.top || y >= limit.bottom)
        return;
    Append(on ? m_on : m_off, x, y);
}

// Solid pens along a row or a column, the grid lines and frames of every dialog, skip the walk:
// the pixels are the span from `from` up to, not including, `to`.
void PenRaster::AddSolidStraight(POINT from, POINT to, const RECT& limit)
{
    const bool row = from.y == to.y;
    const long long a = row ? from.x : from.y;
    const long long b = row ? to.x : to.y;
    long long first = a < b ? a : b + 1;
    long long last = a < b ? b : a + 1; // one past
    const long long across = row ? from.y : from.x;
    if (across < (row ? limit.top : limit.left) || across >= (row ? limit.bottom : limit.right))
        return;
    first = std::max<long long>(first, row ? limit.left : limit.top);
    last = std::min<long long>(last, row ? limit.right : limit.bottom);
    if (first >= last)
        return;
    if (row) {
        const RECT run{LONG(first), LONG(across), LONG(last), LONG(across + 1)};
        RECT* back = m_on.empty() ? nullptr : &m_on.back();
        if (back && back->top == run.top && back->left <= run.right && run.left <= back->right) {
            back->left = std::min(back->left, run.left);
            back->right = std::max(back->right, run.right);
        } else {
            m_on.push_back(run);
        }
        return;
    }
    for (long long y = first; y < last; ++y)
        Append(m_on, int(across), int(y));
}

void PenRaster::AddPixel(int x, int y)
{
    Plot(x, y, RECT{x, y, x + 1, y + 1});
}

namespace {

// Segments longer than this are walked only across the limit rectangle.
constexpr long long kLongSegment = 4096;

} // namespace

void PenRaster::AddSegment(POINT from, POINT to, const RECT& limit)
{
    const long long ddx = static_cast<long long>(to.x) - from.x;
    const long long ddy = static_cast<long long>(to.y) - from.y;
    const long long steps = std::max(std::llabs(ddx), std::llabs(ddy));
    if (m_pattern.empty() && steps > 0 && (ddx == 0 || ddy == 0)) {
        AddSolidStraight(from, to, limit);
        return;
    }
    if (steps > kLongSegment) {
        // Walk the steps whose major coordinate lies within the limit, placing the minor
        // coordinate by rounding (Bresenham's choice away from exact ties).
        const bool xMajor = std::llabs(ddx) >= std::llabs(ddy);
        const long long major0 = xMajor ? from.x : from.y;
        const long long dMajor = xMajor ? ddx : ddy;
        const long long lo = xMajor ? limit.left : limit.top;
        const long long hi = xMajor ? limit.right : limit.bottom;
        long long k0 = dMajor > 0 ? lo - major0 : major0 - (hi - 1);
        long long k1 = dMajor > 0 ? hi - major0 : major0 - lo + 1;
        k0 = std::clamp<long long>(k0, 0, steps);
        k1 = std::clamp<long long>(k1, 0, steps);
        Advance(k0);
        const long long minor0 = xMajor ? from.y : from.x;
        const long long dMinor = xMajor ? ddy : ddx;
        const long long sMajor = dMajor > 0 ? 1 : -1;
        for (long long k = k0; k < k1; ++k) {
            const long long num = 2 * k * dMinor;
            const long long den = 2 * steps;
            const long long minor =
                minor0 + (num >= 0 ? (num + steps) / den : -((-num + steps - 1) / den));
            const long long major = major0 + sMajor * k;
            if (xMajor)
                Plot(int(major), int(minor), limit);
            else
                Plot(int(minor), int(major), limit);
        }
        Advance(steps - std::max(k0, k1));
        return;
    }
    WalkThinSegment(from, to, [&](int x, int y) { Plot(x, y, limit); });
}

} // namespace zt::win
