#include "platform/win/mfc/CDC.h"

#include "platform/win/mfc/AfxHandleMaps.h"

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace zt::win {

HandleMap<CDC>& DcWrapperMap()
{
    static auto* map = new HandleMap<CDC>([](CDC& w) { w.m_hDC = w.m_hAttribDC = nullptr; });
    return *map;
}

} // namespace zt::win

CDC::~CDC()
{
    if (m_hDC)
        ::DeleteDC(Detach());
}

CDC* CDC::FromHandle(HDC dc)
{
    if (!dc)
        return nullptr;
    zt::win::EnsureHandleMapHook();
    if (CDC* known = zt::win::DcWrapperMap().Find(dc))
        return known;
    if (::GetObjectType(dc) != OBJ_DC && ::GetObjectType(dc) != OBJ_MEMDC)
        return nullptr;
    auto wrapper = std::make_unique<CDC>();
    wrapper->m_hDC = wrapper->m_hAttribDC = dc;
    return zt::win::DcWrapperMap().KeepTemporary(dc, std::move(wrapper));
}

BOOL CDC::Attach(HDC dc)
{
    if (!dc || m_hDC)
        return FALSE;
    zt::win::EnsureHandleMapHook();
    m_hDC = m_hAttribDC = dc;
    zt::win::DcWrapperMap().SetPermanent(dc, this);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC dc = m_hDC;
    if (dc)
        zt::win::DcWrapperMap().DropPermanent(dc, this);
    m_hDC = m_hAttribDC = nullptr;
    return dc;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    return ::DeleteDC(Detach());
}

BOOL CDC::CreateCompatibleDC(CDC* dc)
{
    // A wrapper that already holds a DC keeps it, and the new one is not left behind.
    if (m_hDC)
        return FALSE;
    return Attach(::CreateCompatibleDC(dc ? dc->m_hDC : nullptr));
}

CPen* CDC::SelectObject(CPen* pen)
{
    return pen ? CPen::FromHandle(static_cast<HPEN>(::SelectObject(m_hDC, pen->m_hObject)))
               : nullptr;
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    return brush ? CBrush::FromHandle(static_cast<HBRUSH>(::SelectObject(m_hDC, brush->m_hObject)))
                 : nullptr;
}

CFont* CDC::SelectObject(CFont* font)
{
    return font ? CFont::FromHandle(static_cast<HFONT>(::SelectObject(m_hDC, font->m_hObject)))
                : nullptr;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    return bitmap
               ? CBitmap::FromHandle(static_cast<HBITMAP>(::SelectObject(m_hDC, bitmap->m_hObject)))
               : nullptr;
}

CGdiObject* CDC::SelectObject(CGdiObject* object)
{
    return object ? CGdiObject::FromHandle(::SelectObject(m_hDC, object->m_hObject)) : nullptr;
}

int CDC::SelectObject(CRgn* region)
{
    return region ? ::SelectClipRgn(m_hDC, *region) : ERROR;
}

CGdiObject* CDC::SelectStockObject(int index)
{
    HGDIOBJ stock = ::GetStockObject(index);
    return stock ? CGdiObject::FromHandle(::SelectObject(m_hDC, stock)) : nullptr;
}

CPen* CDC::GetCurrentPen() const
{
    return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hDC, OBJ_PEN)));
}

CBrush* CDC::GetCurrentBrush() const
{
    return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hDC, OBJ_BRUSH)));
}

CFont* CDC::GetCurrentFont() const
{
    return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT)));
}

CBitmap* CDC::GetCurrentBitmap() const
{
    return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

// The 50% grey pattern that tracking rectangles and splitter bars are inverted with.
CBrush* CDC::GetHalftoneBrush()
{
    static CBrush* brush = [] {
        WORD pattern[8];
        for (int i = 0; i < 8; ++i)
            pattern[i] = WORD(0x5555 << (i & 1));
        CBitmap bitmap;
        bitmap.CreateBitmap(8, 8, 1, 1, pattern);
        auto* b = new CBrush;
        b->CreatePatternBrush(&bitmap);
        return b;
    }();
    return brush;
}

namespace {

template <BOOL (*Set)(HDC, int, int, LPPOINT)>
CPoint SetOrigin(HDC dc, int x, int y)
{
    POINT old{0, 0};
    Set(dc, x, y, &old);
    return CPoint(old);
}

template <BOOL (*Get)(HDC, LPPOINT)>
CPoint GetOrigin(HDC dc)
{
    POINT p{0, 0};
    Get(dc, &p);
    return CPoint(p);
}

} // namespace

CPoint CDC::SetViewportOrg(int x, int y)
{
    return SetOrigin<::SetViewportOrgEx>(m_hDC, x, y);
}
CPoint CDC::OffsetViewportOrg(int dx, int dy)
{
    return SetOrigin<::OffsetViewportOrgEx>(m_hDC, dx, dy);
}
CPoint CDC::GetViewportOrg() const
{
    return GetOrigin<::GetViewportOrgEx>(m_hDC);
}
CPoint CDC::SetWindowOrg(int x, int y)
{
    return SetOrigin<::SetWindowOrgEx>(m_hDC, x, y);
}
CPoint CDC::OffsetWindowOrg(int dx, int dy)
{
    return SetOrigin<::OffsetWindowOrgEx>(m_hDC, dx, dy);
}
CPoint CDC::GetWindowOrg() const
{
    return GetOrigin<::GetWindowOrgEx>(m_hDC);
}
CPoint CDC::SetBrushOrg(int x, int y)
{
    return SetOrigin<::SetBrushOrgEx>(m_hDC, x, y);
}
CPoint CDC::GetBrushOrg() const
{
    return GetOrigin<::GetBrushOrgEx>(m_hDC);
}

int CDC::SelectClipRgn(CRgn* region)
{
    return ::SelectClipRgn(m_hDC, region ? HRGN(*region) : nullptr);
}

int CDC::SelectClipRgn(CRgn* region, int mode)
{
    return ::ExtSelectClipRgn(m_hDC, region ? HRGN(*region) : nullptr, mode);
}

int CDC::ExcludeClipRect(LPCRECT rect)
{
    return rect ? ::ExcludeClipRect(m_hDC, rect->left, rect->top, rect->right, rect->bottom)
                : ERROR;
}

int CDC::IntersectClipRect(LPCRECT rect)
{
    return rect ? ::IntersectClipRect(m_hDC, rect->left, rect->top, rect->right, rect->bottom)
                : ERROR;
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT old{0, 0};
    ::MoveToEx(m_hDC, x, y, &old);
    return CPoint(old);
}

CPoint CDC::GetCurrentPosition() const
{
    POINT p{0, 0};
    ::GetCurrentPositionEx(m_hDC, &p);
    return CPoint(p);
}

BOOL CDC::Rectangle(LPCRECT rect)
{
    return rect && ::Rectangle(m_hDC, rect->left, rect->top, rect->right, rect->bottom);
}

BOOL CDC::RoundRect(LPCRECT rect, POINT corner)
{
    return rect &&
           ::RoundRect(m_hDC, rect->left, rect->top, rect->right, rect->bottom, corner.x, corner.y);
}

BOOL CDC::Ellipse(LPCRECT rect)
{
    return rect && ::Ellipse(m_hDC, rect->left, rect->top, rect->right, rect->bottom);
}

void CDC::FillRect(LPCRECT rect, CBrush* brush)
{
    if (brush)
        ::FillRect(m_hDC, rect, *brush);
}

void CDC::FrameRect(LPCRECT rect, CBrush* brush)
{
    if (brush)
        ::FrameRect(m_hDC, rect, *brush);
}

namespace {

// A coordinate plus a size, kept inside the range drawing works in.
LONG SumOf(int a, int b)
{
    return LONG(std::clamp(0ll + a + b, -(1ll << 30), 1ll << 30));
}

} // namespace

void CDC::FillSolidRect(LPCRECT rect, COLORREF color)
{
    ::SetBkColor(m_hDC, color);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color)
{
    const RECT r{x, y, SumOf(x, cx), SumOf(y, cy)};
    FillSolidRect(&r, color);
}

void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight)
{
    if (rect)
        Draw3dRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
                   topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(SumOf(x, cx), y, -1, cy, bottomRight);
    FillSolidRect(x, SumOf(y, cy), cx, -1, bottomRight);
}

BOOL CDC::FillRgn(CRgn* region, CBrush* brush)
{
    return region && brush && ::FillRgn(m_hDC, *region, *brush);
}

BOOL CDC::FrameRgn(CRgn* region, CBrush* brush, int width, int height)
{
    return region && brush && ::FrameRgn(m_hDC, *region, *brush, width, height);
}

BOOL CDC::InvertRgn(CRgn* region)
{
    return region && ::InvertRgn(m_hDC, *region);
}

BOOL CDC::PaintRgn(CRgn* region)
{
    return region && ::PaintRgn(m_hDC, *region);
}

BOOL CDC::BitBlt(int x, int y, int w, int h, CDC* source, int xs, int ys, DWORD rop)
{
    return ::BitBlt(m_hDC, x, y, w, h, source ? source->m_hDC : nullptr, xs, ys, rop);
}

BOOL CDC::StretchBlt(int x, int y, int w, int h, CDC* source, int xs, int ys, int ws, int hs,
                     DWORD rop)
{
    return ::StretchBlt(m_hDC, x, y, w, h, source ? source->m_hDC : nullptr, xs, ys, ws, hs, rop);
}

BOOL CDC::TransparentBlt(int x, int y, int w, int h, CDC* source, int xs, int ys, int ws, int hs,
                         UINT transparent)
{
    return ::TransparentBlt(m_hDC, x, y, w, h, source ? source->m_hDC : nullptr, xs, ys, ws, hs,
                            transparent);
}

BOOL CDC::AlphaBlend(int x, int y, int w, int h, CDC* source, int xs, int ys, int ws, int hs,
                     BLENDFUNCTION blend)
{
    return ::AlphaBlend(m_hDC, x, y, w, h, source ? source->m_hDC : nullptr, xs, ys, ws, hs, blend);
}

CSize CDC::GetTextExtent(LPCWSTR text, int length) const
{
    SIZE s{0, 0};
    ::GetTextExtentPoint32W(m_hDC, text, length, &s);
    return CSize(s);
}

int CDC::GetTextFace(CString& face) const
{
    wchar_t buffer[LF_FACESIZE] = {};
    const int n = ::GetTextFaceW(m_hDC, LF_FACESIZE, buffer);
    face = buffer;
    return n;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    return dc && AttachCreated(::CreateCompatibleBitmap(dc->m_hDC, width, height));
}

BOOL CFont::CreatePointFont(int pointSize, LPCWSTR faceName, CDC* dc)
{
    LOGFONTW log{};
    log.lfHeight = pointSize;
    log.lfCharSet = DEFAULT_CHARSET;
    if (faceName)
        std::wcsncpy(log.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreatePointFontIndirect(&log, dc);
}

// The height is in tenths of a point: turned into logical units at the DC's resolution, as
// a negative (character) height.
BOOL CFont::CreatePointFontIndirect(const LOGFONTW* logFont, CDC* dc)
{
    if (!logFont)
        return FALSE;
    LOGFONTW log = *logFont;
    const int dpi = dc && dc->m_hDC ? ::GetDeviceCaps(dc->m_hDC, LOGPIXELSY) : 96;
    log.lfHeight = -std::abs(0ll + ::MulDiv(logFont->lfHeight, dpi, 720));
    return CreateFontIndirect(&log);
}
