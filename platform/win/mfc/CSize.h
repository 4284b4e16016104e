#pragma once
// MFC's CSize: a SIZE with arithmetic.

#include "platform/base/WinTypes.h"

class CSize : public SIZE
{
public:
    CSize() noexcept : SIZE{0, 0} {}
    CSize(int x, int y) noexcept : SIZE{x, y} {}
    CSize(SIZE s) noexcept : SIZE(s) {}
    explicit CSize(POINT p) noexcept : SIZE{p.x, p.y} {}
    explicit CSize(DWORD packed) noexcept : SIZE{SHORT(LOWORD(packed)), SHORT(HIWORD(packed))} {}

    BOOL operator==(SIZE s) const noexcept { return cx == s.cx && cy == s.cy; }
    BOOL operator!=(SIZE s) const noexcept { return !(*this == s); }
    void operator+=(SIZE s) noexcept
    {
        cx += s.cx;
        cy += s.cy;
    }
    void operator-=(SIZE s) noexcept
    {
        cx -= s.cx;
        cy -= s.cy;
    }
    void SetSize(int x, int y) noexcept
    {
        cx = x;
        cy = y;
    }
    CSize operator+(SIZE s) const noexcept { return CSize(cx + s.cx, cy + s.cy); }
    CSize operator-(SIZE s) const noexcept { return CSize(cx - s.cx, cy - s.cy); }
    CSize operator-() const noexcept { return CSize(-cx, -cy); }
};
