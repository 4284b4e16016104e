// DrawFrameControl: the standard controls' parts in the classic style, built from edges, fills
// and small glyphs so that owner-drawn and standard controls look alike.

#include "platform/win/WinGdi.h"
#include "platform/win/WinUserDraw.h"

#include <algorithm>
#include <vector>

namespace {

// Selects a solid pen and brush of one colour for the scope.
class Ink
{
public:
    Ink(HDC dc, COLORREF color)
        : m_dc(dc), m_pen(CreatePen(PS_SOLID, 1, color)), m_brush(CreateSolidBrush(color)),
          m_oldPen(SelectObject(dc, m_pen)), m_oldBrush(SelectObject(dc, m_brush))
    {}
    ~Ink()
    {
        SelectObject(m_dc, m_oldPen);
        SelectObject(m_dc, m_oldBrush);
        DeleteObject(m_pen);
        DeleteObject(m_brush);
    }
    Ink(const Ink&) = delete;
    Ink& operator=(const Ink&) = delete;

private:
    HDC m_dc;
    HPEN m_pen;
    HBRUSH m_brush;
    HGDIOBJ m_oldPen;
    HGDIOBJ m_oldBrush;
};

void Fill(HDC dc, const RECT& r, COLORREF color)
{
    HBRUSH b = CreateSolidBrush(color);
    FillRect(dc, &r, b);
    DeleteObject(b);
}

COLORREF GlyphColor(UINT state)
{
    return GetSysColor((state & DFCS_INACTIVE) ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
}

// The largest square of `side` at most, centred in r.
RECT CentredSquare(const RECT& r, int side)
{
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    side = std::min({side, w, h});
    const int x = r.left + (w - side) / 2;
    const int y = r.top + (h - side) / 2;
    return RECT{x, y, x + side, y + side};
}

// A filled triangle pointing in one direction, centred in r.
void Arrow(HDC dc, const RECT& r, UINT direction, COLORREF color)
{
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    const int size = std::max(2, std::min(w, h) / 3);
    const int cx = r.left + w / 2;
    const int cy = r.top + h / 2;
    POINT p[3];
    switch (direction) {
    case DFCS_SCROLLUP:
        p[0] = {cx - size, cy + size / 2};
        p[1] = {cx + size, cy + size / 2};
        p[2] = {cx, cy - size / 2 - 1};
        break;
    case DFCS_SCROLLLEFT:
        p[0] = {cx + size / 2, cy - size};
        p[1] = {cx + size / 2, cy + size};
        p[2] = {cx - size / 2 - 1, cy};
        break;
    case DFCS_SCROLLRIGHT:
        p[0] = {cx - size / 2, cy - size};
        p[1] = {cx - size / 2, cy + size};
        p[2] = {cx + size / 2 + 1, cy};
        break;
    default: // down and the combo box button
        p[0] = {cx - size, cy - size / 2};
        p[1] = {cx + size, cy - size / 2};
        p[2] = {cx, cy + size / 2 + 1};
        break;
    }
    Ink ink(dc, color);
    Polygon(dc, p, 3);
}

void CheckMark(HDC dc, const RECT& box, COLORREF color)
{
    // Three pixels thick, from the lower left up to the right, as the classic mark.
    const int x = box.left + (box.right - box.left - 7) / 2;
    const int y = box.top + (box.bottom - box.top - 7) / 2;
    Ink ink(dc, color);
    for (int i = 0; i < 3; ++i) {
        MoveToEx(dc, x, y + 2 + i, nullptr);
        LineTo(dc, x + 2, y + 4 + i);
        LineTo(dc, x + 7, y - 1 + i);
    }
}

void ButtonFace(HDC dc, RECT& r, UINT state)
{
    const bool down = state & (DFCS_PUSHED | DFCS_CHECKED);
    UINT flags = BF_RECT | BF_MIDDLE | BF_SOFT;
    if (state & DFCS_FLAT)
        flags |= BF_FLAT;
    if (state & DFCS_MONO)
        flags |= BF_MONO;
    DrawEdge(dc, &r, down ? EDGE_SUNKEN : EDGE_RAISED, flags | BF_ADJUST);
}

void CheckBox(HDC dc, const RECT& r, UINT state)
{
    RECT box = CentredSquare(RECT{r.left, r.top, r.left + 13, r.bottom}, 13);
    RECT inside = box;
    DrawEdge(dc, &inside, EDGE_SUNKEN, BF_RECT | BF_ADJUST | ((state & DFCS_FLAT) ? BF_FLAT : 0));
    const bool dim = state & (DFCS_INACTIVE | DFCS_PUSHED);
    Fill(dc, inside, GetSysColor(dim ? COLOR_BTNFACE : COLOR_WINDOW));
    if (state & DFCS_CHECKED)
        CheckMark(dc, inside,
                  (state & (DFCS_BUTTON3STATE | DFCS_INACTIVE)) ? GetSysColor(COLOR_GRAYTEXT)
                                                                : GetSysColor(COLOR_WINDOWTEXT));
}

void RadioButton(HDC dc, const RECT& r, UINT state)
{
    const RECT box = CentredSquare(RECT{r.left, r.top, r.left + 12, r.bottom}, 12);
    {
        Ink outer(dc, GetSysColor(COLOR_BTNSHADOW));
        Ellipse(dc, box.left, box.top, box.right, box.bottom);
    }
    const bool dim = state & (DFCS_INACTIVE | DFCS_PUSHED);
    {
        Ink inner(dc, GetSysColor(dim ? COLOR_BTNFACE : COLOR_WINDOW));
        Ellipse(dc, box.left + 1, box.top + 1, box.right - 1, box.bottom - 1);
    }
    if (state & DFCS_CHECKED) {
        Ink dot(dc, GetSysColor((state & DFCS_INACTIVE) ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
        Ellipse(dc, box.left + 4, box.top + 4, box.right - 4, box.bottom - 4);
    }
}

void CaptionGlyph(HDC dc, const RECT& r, UINT kind, COLORREF color)
{
    const RECT g = CentredSquare(r, std::max(4, std::min(r.right - r.left, r.bottom - r.top) - 6));
    Ink ink(dc, color);
    switch (kind) {
    case DFCS_CAPTIONCLOSE:
        for (int i = 0; i < 2; ++i) {
            MoveToEx(dc, g.left + i, g.top, nullptr);
            LineTo(dc, g.right + i - 1, g.bottom);
            MoveToEx(dc, g.right - 2 + i, g.top, nullptr);
            LineTo(dc, g.left - 1 + i, g.bottom);
        }
        break;
    case DFCS_CAPTIONMIN:
        Rectangle(dc, g.left, g.bottom - 2, g.right - 1, g.bottom);
        break;
    case DFCS_CAPTIONMAX: {
        RECT frame = g;
        FrameRect(dc, &frame, GetSysColorBrush(COLOR_BTNTEXT));
        Rectangle(dc, g.left, g.top, g.right, g.top + 2);
        break;
    }
    case DFCS_CAPTIONRESTORE: {
        const int s = (g.right - g.left) * 2 / 3;
        RECT back{g.right - s, g.top, g.right, g.top + s};
        RECT front{g.left, g.bottom - s, g.left + s, g.bottom};
        FrameRect(dc, &back, GetSysColorBrush(COLOR_BTNTEXT));
        Fill(dc, front, GetSysColor(COLOR_BTNFACE));
        FrameRect(dc, &front, GetSysColorBrush(COLOR_BTNTEXT));
        break;
    }
    default: {
        RECT t = g;
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, color);
        DrawTextW(dc, L"?", 1, &t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        break;
    }
    }
}

void SizeGrip(HDC dc, const RECT& r)
{
    // Three diagonal ridges in the bottom right corner.
    for (int i = 0; i < 3; ++i) {
        const int d = 4 + i * 4;
        for (int k = 0; k < 2; ++k) {
            Ink ink(dc, GetSysColor(k == 0 ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW));
            MoveToEx(dc, r.right - d + k, r.bottom - 1, nullptr);
            LineTo(dc, r.right, r.bottom - d - 1 + k);
        }
    }
}

} // namespace

BOOL DrawFrameControl(HDC dc, LPRECT rect, UINT type, UINT state)
{
    if (!rect || GetObjectType(dc) == 0)
        return FALSE;
    const int saved = SaveDC(dc);
    RECT r = *rect;
    const UINT kind = state & 0xFF;
    BOOL ok = TRUE;
    switch (type) {
    case DFC_BUTTON:
        if (kind & DFCS_BUTTONPUSH)
            ButtonFace(dc, r, state);
        else if (kind & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE | DFCS_BUTTONRADIOMASK))
            RadioButton(dc, r, state);
        else
            CheckBox(dc, r, state);
        break;
    case DFC_SCROLL:
        if (kind == DFCS_SCROLLSIZEGRIP || kind == DFCS_SCROLLSIZEGRIPRIGHT) {
            SizeGrip(dc, r);
            break;
        }
        ButtonFace(dc, r, state);
        if (state & DFCS_PUSHED)
            OffsetRect(&r, 1, 1);
        Arrow(dc, r, kind == DFCS_SCROLLCOMBOBOX ? DFCS_SCROLLDOWN : kind, GlyphColor(state));
        break;
    case DFC_CAPTION:
        ButtonFace(dc, r, state);
        if (state & DFCS_PUSHED)
            OffsetRect(&r, 1, 1);
        CaptionGlyph(dc, r, kind, GlyphColor(state));
        break;
    case DFC_MENU:
    case DFC_POPUPMENU:
        if (kind == DFCS_MENUCHECK)
            CheckMark(dc, r, GlyphColor(state));
        else if (kind == DFCS_MENUBULLET) {
            const RECT dot = CentredSquare(r, 5);
            Ink ink(dc, GlyphColor(state));
            Ellipse(dc, dot.left, dot.top, dot.right, dot.bottom);
        } else
            Arrow(dc, r, DFCS_SCROLLRIGHT, GlyphColor(state));
        break;
    default:
        ok = FALSE;
        break;
    }
    RestoreDC(dc, saved);
    if (ok && (state & DFCS_ADJUSTRECT) && (type == DFC_BUTTON && (kind & DFCS_BUTTONPUSH)))
        InflateRect(rect, -2, -2);
    return ok;
}
