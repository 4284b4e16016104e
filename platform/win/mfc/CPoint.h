#pragma once
// MFC's CPoint: a POINT with arithmetic.

#include "platform/win/mfc/CSize.h"

class CPoint : public POINT
{
public:
    CPoint() noexcept : POINT{0, 0} {}
    CPoint(int x0, int y0) noexcept : POINT{x0, y0} {}
    CPoint(POINT p) noexcept : POINT(p) {}
    explicit CPoint(SIZE s) noexcept : POINT{s.cx, s.cy} {}
    // A point packed as in an LPARAM: x in the low word, y in the high word, both signed.
    explicit CPoint(LPARAM packed) noexcept : POINT{GET_X_LPARAM(packed), GET_Y_LPARAM(packed)} {}

    void Offset(int dx, int dy) noexcept
    {
        x += dx;
        y += dy;
    }
    void Offset(POINT p) noexcept { Offset(p.x, p.y); }
    void Offset(SIZE s) noexcept { Offset(s.cx, s.cy); }
    void SetPoint(int x0, int y0) noexcept
    {
        x = x0;
        y = y0;
    }

    BOOL operator==(POINT p) const noexcept { return x == p.x && y == p.y; }
    BOOL operator!=(POINT p) const noexcept { return !(*this == p); }
    void operator+=(SIZE s) noexcept { Offset(s); }
    void operator-=(SIZE s) noexcept { Offset(-s.cx, -s.cy); }
    void operator+=(POINT p) noexcept { Offset(p); }
    void operator-=(POINT p) noexcept { Offset(-p.x, -p.y); }
    CPoint operator+(SIZE s) const noexcept { return CPoint(x + s.cx, y + s.cy); }
    CPoint operator-(SIZE s) const noexcept { return CPoint(x - s.cx, y - s.cy); }
    CPoint operator+(POINT p) const noexcept { return CPoint(x + p.x, y + p.y); }
    CSize operator-(POINT p) const noexcept { return CSize(x - p.x, y - p.y); }
    CPoint operator-() const noexcept { return CPoint(-x, -y); }
};
