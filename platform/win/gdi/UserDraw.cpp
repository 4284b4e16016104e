// USER's drawing helpers: brush fills and frames, inversion, focus rectangles, 3-D edges, and
// the system colour table.

#include "platform/win/WinGdi.h"
#include "platform/win/WinUserDraw.h"
#include "platform/win/gdi/Shapes.h"

#include <algorithm>
#include <array>

using namespace zt::win;

namespace {

constexpr int kSysColorCount = 31;

// A default Windows 10 desktop.
constexpr std::array<COLORREF, kSysColorCount> kSysColors = {
    RGB(200, 200, 200), // COLOR_SCROLLBAR
    RGB(0, 0, 0),       // COLOR_BACKGROUND
    RGB(153, 180, 209), // COLOR_ACTIVECAPTION
    RGB(191, 205, 219), // COLOR_INACTIVECAPTION
    RGB(240, 240, 240), // COLOR_MENU
    RGB(255, 255, 255), // COLOR_WINDOW
    RGB(100, 100, 100), // COLOR_WINDOWFRAME
    RGB(0, 0, 0),       // COLOR_MENUTEXT
    RGB(0, 0, 0),       // COLOR_WINDOWTEXT
    RGB(0, 0, 0),       // COLOR_CAPTIONTEXT
    RGB(180, 180, 180), // COLOR_ACTIVEBORDER
    RGB(244, 247, 252), // COLOR_INACTIVEBORDER
    RGB(171, 171, 171), // COLOR_APPWORKSPACE
    RGB(0, 120, 215),   // COLOR_HIGHLIGHT
    RGB(255, 255, 255), // COLOR_HIGHLIGHTTEXT
    RGB(240, 240, 240), // COLOR_BTNFACE
    RGB(160, 160, 160), // COLOR_BTNSHADOW
    RGB(109, 109, 109), // COLOR_GRAYTEXT
    RGB(0, 0, 0),       // COLOR_BTNTEXT
    RGB(0, 0, 0),       // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255), // COLOR_BTNHIGHLIGHT
    RGB(105, 105, 105), // COLOR_3DDKSHADOW
    RGB(227, 227, 227), // COLOR_3DLIGHT
    RGB(0, 0, 0),       // COLOR_INFOTEXT
    RGB(255, 255, 225), // COLOR_INFOBK
    RGB(0, 0, 0),       // unused slot 25
    RGB(0, 102, 204),   // COLOR_HOTLIGHT
    RGB(185, 209, 234), // COLOR_GRADIENTACTIVECAPTION
    RGB(215, 228, 242), // COLOR_GRADIENTINACTIVECAPTION
    RGB(51, 153, 255),  // COLOR_MENUHILIGHT
    RGB(240, 240, 240), // COLOR_MENUBAR
};

// A brush argument: a real brush, or a system colour index plus one.
struct BrushArg
{
    std::shared_ptr<BrushObject> brush;
    COLORREF color = 0;
    bool valid = false;
};

BrushArg ResolveBrush(HBRUSH handle)
{
    BrushArg arg;
    const auto value = reinterpret_cast<std::uintptr_t>(handle);
    if (value >= 1 && value <= kSysColorCount) {
        arg.color = kSysColors[value - 1];
        arg.valid = true;
        return arg;
    }
    arg.brush = FindBrush(handle);
    arg.valid = arg.brush != nullptr;
    return arg;
}

Ink InkOf(const BrushArg& arg)
{
    return Ink{arg.color, arg.brush.get()};
}

void FillLogicalRect(DeviceContext& dc, const RECT& r, const Ink& ink, BYTE rop3)
{
    const POINT a = dc.ToSurface(r.left, r.top);
    const POINT b = dc.ToSurface(r.right, r.bottom);
    FillSurfaceRect(dc, RECT{a.x, a.y, b.x, b.y}, ink, rop3);
}

} // namespace

DWORD GetSysColor(int index)
{
    if (index < 0 || index >= kSysColorCount)
        return 0;
    return kSysColors[static_cast<size_t>(index)];
}

HBRUSH GetSysColorBrush(int index)
{
    if (index < 0 || index >= kSysColorCount)
        return nullptr;
    // One brush for every system colour, all made on the first request (see StockObject).
    static const auto* brushes = [] {
        auto* all = new std::array<HBRUSH, kSysColorCount>{};
        for (int i = 0; i < kSysColorCount; ++i) {
            auto b = std::make_shared<BrushObject>();
            b->stock = true;
            b->sysColor = i;
            b->color = kSysColors[static_cast<size_t>(i)];
            (*all)[static_cast<size_t>(i)] = static_cast<HBRUSH>(GdiTable::Instance().Add(b));
        }
        return all;
    }();
    return (*brushes)[static_cast<size_t>(index)];
}

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush)
{
    auto dc = FindDC(hdc);
    const BrushArg arg = ResolveBrush(brush);
    if (!dc || !rect || !arg.valid)
        return 0;
    if (arg.brush && arg.brush->style == BS_NULL)
        return 1;
    FillLogicalRect(*dc, *rect, InkOf(arg), kRopPatCopy);
    return 1;
}

int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush)
{
    auto dc = FindDC(hdc);
    const BrushArg arg = ResolveBrush(brush);
    if (!dc || !rect || !arg.valid)
        return 0;
    if (rect->right <= rect->left || rect->bottom <= rect->top)
        return 1;
    const RECT s = dc->RectToSurface(rect->left, rect->top, rect->right, rect->bottom);
    FillSurfaceRects(
        *dc,
        {RECT{s.left, s.top, s.right, s.top + 1}, RECT{s.left, s.bottom - 1, s.right, s.bottom},
         RECT{s.left, s.top, s.left + 1, s.bottom}, RECT{s.right - 1, s.top, s.right, s.bottom}},
        InkOf(arg), kRopPatCopy);
    return 1;
}

BOOL InvertRect(HDC hdc, const RECT* rect)
{
    auto dc = FindDC(hdc);
    if (!dc || !rect)
        return FALSE;
    FillLogicalRect(*dc, *rect, Ink{}, Rop3Code(DSTINVERT));
    return TRUE;
}

// Every other pixel of the frame, inverted, so that a second call takes the frame away.
BOOL DrawFocusRect(HDC hdc, const RECT* rect)
{
    auto dc = FindDC(hdc);
    if (!dc || !rect)
        return FALSE;
    const RECT s = dc->RectToSurface(rect->left, rect->top, rect->right, rect->bottom);
    if (s.right - s.left < 1 || s.bottom - s.top < 1)
        return TRUE;
    // The frame's pixels on a checkerboard, each one once.
    std::vector<RECT> dots;
    auto dot = [&dots, &s](int x, int y) {
        if (((x - s.left) + (y - s.top)) % 2 == 0)
            dots.push_back(RECT{x, y, x + 1, y + 1});
    };
    // Only the stretch inside the clip is walked; the checkerboard keeps its phase.
    const RECT clip = dc->ClipBounds();
    const int x0 = std::max(s.left, clip.left);
    const int x1 = std::min(s.right, clip.right);
    const int y0 = std::max(s.top + 1, clip.top);
    const int y1 = std::min(s.bottom - 1, clip.bottom);
    for (int x = x0; x < x1; ++x) {
        dot(x, s.top);
        if (s.bottom - 1 > s.top)
            dot(x, s.bottom - 1);
    }
    for (int y = y0; y < y1; ++y) {
        dot(s.left, y);
        if (s.right - 1 > s.left)
            dot(s.right - 1, y);
    }
    FillSurfaceRects(*dc, dots, Ink{RGB(255, 255, 255), nullptr}, Rop2ToRop3(R2_XORPEN));
    return TRUE;
}

namespace {

struct EdgeColors
{
    COLORREF topLeft;
    COLORREF bottomRight;
};

// Colours of one ring of a 3-D edge: raised rings are light at the top left, sunken rings dark.
EdgeColors RingColors(UINT edge, bool outer, UINT flags)
{
    const bool raised = outer ? (edge & BDR_RAISEDOUTER) : (edge & BDR_RAISEDINNER);
    if (flags & BF_MONO)
        return {GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME)};
    if (flags & BF_FLAT)
        return outer ? EdgeColors{GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNSHADOW)}
                     : EdgeColors{GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE)};
    if (outer)
        return raised ? EdgeColors{GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW)}
                      : EdgeColors{GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT)};
    return raised ? EdgeColors{GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW)}
                  : EdgeColors{GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT)};
}

void Ring(DeviceContext& dc, RECT& r, EdgeColors colors, UINT flags)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    const RECT s = dc.RectToSurface(r.left, r.top, r.right, r.bottom);
    std::vector<RECT> light;
    std::vector<RECT> dark;
    if (flags & BF_TOP)
        light.push_back(RECT{s.left, s.top, s.right - 1, s.top + 1});
    if (flags & BF_LEFT)
        light.push_back(RECT{s.left, s.top, s.left + 1, s.bottom - 1});
    if (flags & BF_BOTTOM)
        dark.push_back(RECT{s.left, s.bottom - 1, s.right, s.bottom});
    if (flags & BF_RIGHT)
        dark.push_back(RECT{s.right - 1, s.top, s.right, s.bottom});
    FillSurfaceRects(dc, light, Ink{colors.topLeft, nullptr}, kRopPatCopy);
    FillSurfaceRects(dc, dark, Ink{colors.bottomRight, nullptr}, kRopPatCopy);
    if (flags & BF_LEFT)
        ++r.left;
    if (flags & BF_TOP)
        ++r.top;
    if (flags & BF_RIGHT)
        --r.right;
    if (flags & BF_BOTTOM)
        --r.bottom;
}

} // namespace

BOOL DrawEdge(HDC hdc, LPRECT rect, UINT edge, UINT flags)
{
    auto dc = FindDC(hdc);
    if (!dc || !rect)
        return FALSE;
    RECT r = *rect;
    if (edge & BDR_OUTER)
        Ring(*dc, r, RingColors(edge, true, flags), flags);
    if (edge & BDR_INNER)
        Ring(*dc, r, RingColors(edge, false, flags), flags);
    if (flags & BF_MIDDLE)
        FillLogicalRect(*dc, r,
                        Ink{GetSysColor((flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE), nullptr},
                        kRopPatCopy);
    if (flags & BF_ADJUST)
        *rect = r;
    return TRUE;
}
