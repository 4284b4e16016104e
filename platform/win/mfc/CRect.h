#pragma once
// MFC's CRect: a RECT with the members MFC code uses. Like MFC, nothing normalises a rectangle
// behind the caller's back; NormalizeRect does it when asked.

#include "platform/win/WinGdi.h"
#include "platform/win/WinUserDraw.h"
#include "platform/win/mfc/CPoint.h"

#include <utility>

class CRect : public RECT
{
public:
    CRect() noexcept : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) noexcept : RECT{l, t, r, b} {}
    CRect(const RECT& r) noexcept : RECT(r) {}
    CRect(LPCRECT r) noexcept : RECT(r ? *r : RECT{0, 0, 0, 0}) {}
    CRect(POINT p, SIZE s) noexcept : RECT{p.x, p.y, p.x + s.cx, p.y + s.cy} {}
    CRect(POINT topLeft, POINT bottomRight) noexcept
        : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y}
    {}

    int Width() const noexcept { return right - left; }
    int Height() const noexcept { return bottom - top; }
    CSize Size() const noexcept { return CSize(Width(), Height()); }
    CPoint& TopLeft() noexcept { return *reinterpret_cast<CPoint*>(&left); }
    CPoint& BottomRight() noexcept { return *reinterpret_cast<CPoint*>(&right); }
    const CPoint& TopLeft() const noexcept { return *reinterpret_cast<const CPoint*>(&left); }
    const CPoint& BottomRight() const noexcept { return *reinterpret_cast<const CPoint*>(&right); }
    CPoint CenterPoint() const noexcept { return CPoint((left + right) / 2, (top + bottom) / 2); }
    void SwapLeftRight() noexcept { std::swap(left, right); }

    operator LPRECT() noexcept { return this; }
    operator LPCRECT() const noexcept { return this; }

    BOOL IsRectEmpty() const noexcept { return ::IsRectEmpty(this); }
    BOOL IsRectNull() const noexcept { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    BOOL PtInRect(POINT p) const noexcept { return ::PtInRect(this, p); }
    BOOL EqualRect(LPCRECT r) const noexcept { return ::EqualRect(this, r); }

    void SetRect(int l, int t, int r, int b) noexcept { *this = CRect(l, t, r, b); }
    void SetRect(POINT topLeft, POINT bottomRight) noexcept { *this = CRect(topLeft, bottomRight); }
    void SetRectEmpty() noexcept { *this = CRect(); }
    void CopyRect(LPCRECT r) noexcept
    {
        if (r)
            *this = *r;
    }

    void InflateRect(int x, int y) noexcept { ::InflateRect(this, x, y); }
    void InflateRect(SIZE s) noexcept { InflateRect(s.cx, s.cy); }
    void InflateRect(LPCRECT r) noexcept
    {
        left -= r->left;
        top -= r->top;
        right += r->right;
        bottom += r->bottom;
    }
    void InflateRect(int l, int t, int r, int b) noexcept
    {
        left -= l;
        top -= t;
        right += r;
        bottom += b;
    }
    void DeflateRect(int x, int y) noexcept { InflateRect(-x, -y); }
    void DeflateRect(SIZE s) noexcept { InflateRect(-s.cx, -s.cy); }
    void DeflateRect(LPCRECT r) noexcept
    {
        left += r->left;
        top += r->top;
        right -= r->right;
        bottom -= r->bottom;
    }
    void DeflateRect(int l, int t, int r, int b) noexcept { InflateRect(-l, -t, -r, -b); }

    void OffsetRect(int dx, int dy) noexcept { ::OffsetRect(this, dx, dy); }
    void OffsetRect(POINT p) noexcept { OffsetRect(p.x, p.y); }
    void OffsetRect(SIZE s) noexcept { OffsetRect(s.cx, s.cy); }
    void MoveToX(int x) noexcept
    {
        right = x + Width();
        left = x;
    }
    void MoveToY(int y) noexcept
    {
        bottom = y + Height();
        top = y;
    }
    void MoveToXY(int x, int y) noexcept
    {
        MoveToX(x);
        MoveToY(y);
    }
    void MoveToXY(POINT p) noexcept { MoveToXY(p.x, p.y); }
    void NormalizeRect() noexcept
    {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
    }

    BOOL IntersectRect(LPCRECT a, LPCRECT b) noexcept { return ::IntersectRect(this, a, b); }
    BOOL UnionRect(LPCRECT a, LPCRECT b) noexcept { return ::UnionRect(this, a, b); }
    BOOL SubtractRect(LPCRECT a, LPCRECT b) noexcept { return ::SubtractRect(this, a, b); }

    CRect& operator=(const RECT& r) noexcept
    {
        RECT::operator=(r);
        return *this;
    }
    BOOL operator==(const RECT& r) const noexcept { return ::EqualRect(this, &r); }
    BOOL operator!=(const RECT& r) const noexcept { return !(*this == r); }
    void operator+=(POINT p) noexcept { OffsetRect(p); }
    void operator+=(SIZE s) noexcept { OffsetRect(s); }
    void operator+=(LPCRECT r) noexcept { InflateRect(r); }
    void operator-=(POINT p) noexcept { OffsetRect(-p.x, -p.y); }
    void operator-=(SIZE s) noexcept { OffsetRect(-s.cx, -s.cy); }
    void operator-=(LPCRECT r) noexcept { DeflateRect(r); }
    void operator&=(const RECT& r) noexcept { ::IntersectRect(this, this, &r); }
    void operator|=(const RECT& r) noexcept { ::UnionRect(this, this, &r); }
    CRect operator+(POINT p) const noexcept
    {
        CRect r(*this);
        r.OffsetRect(p);
        return r;
    }
    CRect operator-(POINT p) const noexcept
    {
        CRect r(*this);
        r.OffsetRect(-p.x, -p.y);
        return r;
    }
    CRect operator+(SIZE s) const noexcept
    {
        CRect r(*this);
        r.OffsetRect(s);
        return r;
    }
    CRect operator-(SIZE s) const noexcept
    {
        CRect r(*this);
        r.OffsetRect(-s.cx, -s.cy);
        return r;
    }
    CRect operator+(LPCRECT inflate) const noexcept
    {
        CRect r(*this);
        r.InflateRect(inflate);
        return r;
    }
    CRect operator-(LPCRECT deflate) const noexcept
    {
        CRect r(*this);
        r.DeflateRect(deflate);
        return r;
    }
    CRect operator&(const RECT& other) const noexcept
    {
        CRect r;
        ::IntersectRect(&r, this, &other);
        return r;
    }
    CRect operator|(const RECT& other) const noexcept
    {
        CRect r;
        ::UnionRect(&r, this, &other);
        return r;
    }
    CRect MulDiv(int multiplier, int divisor) const noexcept
    {
        return CRect(::MulDiv(left, multiplier, divisor), ::MulDiv(top, multiplier, divisor),
                     ::MulDiv(right, multiplier, divisor), ::MulDiv(bottom, multiplier, divisor));
    }
};
