#include "platform/win/WinUserDraw.h"

#include <algorithm>

BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom)
{
    if (!rect)
        return FALSE;
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL SetRectEmpty(LPRECT rect)
{
    return SetRect(rect, 0, 0, 0, 0);
}

BOOL CopyRect(LPRECT destination, const RECT* source)
{
    if (!destination || !source)
        return FALSE;
    *destination = *source;
    return TRUE;
}

BOOL InflateRect(LPRECT rect, int dx, int dy)
{
    if (!rect)
        return FALSE;
    rect->left -= dx;
    rect->top -= dy;
    rect->right += dx;
    rect->bottom += dy;
    return TRUE;
}

BOOL OffsetRect(LPRECT rect, int dx, int dy)
{
    if (!rect)
        return FALSE;
    rect->left += dx;
    rect->top += dy;
    rect->right += dx;
    rect->bottom += dy;
    return TRUE;
}

BOOL IsRectEmpty(const RECT* rect)
{
    return !rect || rect->right <= rect->left || rect->bottom <= rect->top;
}

BOOL IntersectRect(LPRECT destination, const RECT* source1, const RECT* source2)
{
    if (!destination)
        return FALSE;
    if (!source1 || !source2 || IsRectEmpty(source1) || IsRectEmpty(source2)) {
        SetRectEmpty(destination);
        return FALSE;
    }
    RECT r{std::max(source1->left, source2->left), std::max(source1->top, source2->top),
           std::min(source1->right, source2->right), std::min(source1->bottom, source2->bottom)};
    if (IsRectEmpty(&r)) {
        SetRectEmpty(destination);
        return FALSE;
    }
    *destination = r;
    return TRUE;
}

BOOL UnionRect(LPRECT destination, const RECT* source1, const RECT* source2)
{
    if (!destination)
        return FALSE;
    const bool empty1 = IsRectEmpty(source1);
    const bool empty2 = IsRectEmpty(source2);
    if (empty1 && empty2) {
        SetRectEmpty(destination);
        return FALSE;
    }
    if (empty1) {
        *destination = *source2;
        return TRUE;
    }
    if (empty2) {
        *destination = *source1;
        return TRUE;
    }
    *destination =
        RECT{std::min(source1->left, source2->left), std::min(source1->top, source2->top),
             std::max(source1->right, source2->right), std::max(source1->bottom, source2->bottom)};
    return TRUE;
}

// Win32 only cuts when the second rectangle covers the first completely along one axis, so that
// the result stays a rectangle; otherwise the first rectangle is returned unchanged.
BOOL SubtractRect(LPRECT destination, const RECT* source1, const RECT* source2)
{
    if (!destination || !source1)
        return FALSE;
    if (IsRectEmpty(source1)) {
        SetRectEmpty(destination);
        return FALSE;
    }
    RECT r = *source1;
    RECT overlap;
    if (source2 && IntersectRect(&overlap, source1, source2)) {
        if (overlap.top == r.top && overlap.bottom == r.bottom) {
            if (overlap.left == r.left)
                r.left = overlap.right;
            else if (overlap.right == r.right)
                r.right = overlap.left;
        } else if (overlap.left == r.left && overlap.right == r.right) {
            if (overlap.top == r.top)
                r.top = overlap.bottom;
            else if (overlap.bottom == r.bottom)
                r.bottom = overlap.top;
        }
    }
    if (IsRectEmpty(&r)) {
        SetRectEmpty(destination);
        return FALSE;
    }
    *destination = r;
    return TRUE;
}

BOOL PtInRect(const RECT* rect, POINT point)
{
    return rect && point.x >= rect->left && point.x < rect->right && point.y >= rect->top &&
           point.y < rect->bottom;
}

BOOL EqualRect(const RECT* rect1, const RECT* rect2)
{
    return rect1 && rect2 && rect1->left == rect2->left && rect1->top == rect2->top &&
           rect1->right == rect2->right && rect1->bottom == rect2->bottom;
}
