#pragma once
// MFC's CRgn.

#include "platform/win/mfc/CGdiObject.h"

class CRgn : public CGdiObject
{
public:
    static CRgn* FromHandle(HRGN handle) { return FromHandleAs<CRgn>(handle); }
    operator HRGN() const noexcept { return static_cast<HRGN>(m_hObject); }

    BOOL CreateRectRgn(int l, int t, int r, int b)
    {
        return AttachCreated(::CreateRectRgn(l, t, r, b));
    }
    BOOL CreateRectRgnIndirect(LPCRECT rect)
    {
        return AttachCreated(::CreateRectRgnIndirect(rect));
    }
    BOOL CreateRoundRectRgn(int l, int t, int r, int b, int w, int h)
    {
        return AttachCreated(::CreateRoundRectRgn(l, t, r, b, w, h));
    }
    BOOL CreateEllipticRgn(int l, int t, int r, int b)
    {
        return AttachCreated(::CreateEllipticRgn(l, t, r, b));
    }
    BOOL CreateEllipticRgnIndirect(LPCRECT rect)
    {
        return AttachCreated(::CreateEllipticRgnIndirect(rect));
    }
    BOOL CreatePolygonRgn(const POINT* points, int count, int fillMode)
    {
        return AttachCreated(::CreatePolygonRgn(points, count, fillMode));
    }
    int CombineRgn(const CRgn* a, const CRgn* b, int mode)
    {
        return ::CombineRgn(*this, a ? HRGN(*a) : nullptr, b ? HRGN(*b) : nullptr, mode);
    }
    int CopyRgn(const CRgn* source) { return CombineRgn(source, nullptr, RGN_COPY); }
    BOOL EqualRgn(const CRgn* other) const { return other && ::EqualRgn(*this, *other); }
    void SetRectRgn(int l, int t, int r, int b) { ::SetRectRgn(*this, l, t, r, b); }
    void SetRectRgn(LPCRECT rect)
    {
        if (rect)
            ::SetRectRgn(*this, rect->left, rect->top, rect->right, rect->bottom);
    }
    int OffsetRgn(int dx, int dy) { return ::OffsetRgn(*this, dx, dy); }
    int OffsetRgn(POINT p) { return ::OffsetRgn(*this, p.x, p.y); }
    int GetRgnBox(LPRECT rect) const { return ::GetRgnBox(*this, rect); }
    BOOL PtInRegion(int x, int y) const { return ::PtInRegion(*this, x, y); }
    BOOL PtInRegion(POINT p) const { return ::PtInRegion(*this, p.x, p.y); }
    BOOL RectInRegion(LPCRECT rect) const { return ::RectInRegion(*this, rect); }
};
