// The standard scroll bars of a window: their state, their frame area, their drawing and the
// tracking loop that DefWindowProc runs when one is pressed.
#include "platform/win/desktop/DesktopState.h"

#include <algorithm>

namespace zt::win {

namespace {

constexpr UINT kRepeatDelay = 400; // first repeat of a held arrow or page area
constexpr UINT kRepeatPeriod = 50; // later repeats
constexpr int kMinimumThumb = 8;
constexpr UINT_PTR kRepeatTimer = 0xFFFF5C01;

enum class Part
{
    None,
    LineUp,
    PageUp,
    Thumb,
    PageDown,
    LineDown,
};

ScrollBarState* StateOf(Window* w, int bar)
{
    if (bar == SB_VERT)
        return &w->vscroll;
    if (bar == SB_HORZ)
        return &w->hscroll;
    return nullptr;
}

int Range(const ScrollBarState& s)
{
    return s.max - s.min + 1;
}

int MaxPos(const ScrollBarState& s)
{
    return std::max(s.min, s.max - std::max(static_cast<int>(s.page) - 1, 0));
}

// The bar's rectangle in screen coordinates.
RECT BarRect(const Window* w, int bar)
{
    int size = GetSystemMetrics(bar == SB_VERT ? SM_CXVSCROLL : SM_CYHSCROLL);
    if (bar == SB_VERT)
        return RECT{w->client.right, w->client.top, w->client.right + size, w->client.bottom};
    return RECT{w->client.left, w->client.bottom, w->client.right, w->client.bottom + size};
}

struct Layout
{
    RECT bar;
    int arrow;      // length of each arrow button
    int trackStart; // along the bar, in screen coordinates
    int trackEnd;
    int thumbStart;
    int thumbEnd;
};

Layout LayoutOf(const Window* w, int bar, const ScrollBarState& s, int pos)
{
    Layout l{};
    l.bar = BarRect(w, bar);
    bool vert = bar == SB_VERT;
    int start = vert ? l.bar.top : l.bar.left;
    int end = vert ? l.bar.bottom : l.bar.right;
    int length = end - start;
    l.arrow = std::min(GetSystemMetrics(vert ? SM_CYVSCROLL : SM_CXHSCROLL), length / 2);
    l.trackStart = start + l.arrow;
    l.trackEnd = end - l.arrow;
    int track = l.trackEnd - l.trackStart;
    int range = Range(s);
    int thumb = s.page
                    ? static_cast<int>(static_cast<long long>(track) * s.page / std::max(range, 1))
                    : GetSystemMetrics(vert ? SM_CYVTHUMB : SM_CXHTHUMB);
    thumb = std::clamp(thumb, std::min(kMinimumThumb, track), track);
    int span = MaxPos(s) - s.min;
    int offset =
        span > 0 ? static_cast<int>(static_cast<long long>(track - thumb) * (pos - s.min) / span)
                 : 0;
    l.thumbStart = l.trackStart + offset;
    l.thumbEnd = l.thumbStart + thumb;
    return l;
}

Part PartAt(const Layout& l, int bar, POINT pt)
{
    if (!PtInRectInclusiveExclusive(l.bar, pt))
        return Part::None;
    int v = bar == SB_VERT ? pt.y : pt.x;
    if (v < l.trackStart)
        return Part::LineUp;
    if (v >= l.trackEnd)
        return Part::LineDown;
    if (v < l.thumbStart)
        return Part::PageUp;
    if (v >= l.thumbEnd)
        return Part::PageDown;
    return Part::Thumb;
}

WPARAM CodeOf(Part p)
{
    switch (p) {
    case Part::LineUp:
        return SB_LINEUP;
    case Part::LineDown:
        return SB_LINEDOWN;
    case Part::PageUp:
        return SB_PAGEUP;
    case Part::PageDown:
        return SB_PAGEDOWN;
    default:
        return SB_ENDSCROLL;
    }
}

void DrawButton(HDC dc, RECT r, bool vert, bool towardsStart)
{
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    RECT edge = r;
    DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
    int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    POINT tri[3];
    if (vert) {
        int d = towardsStart ? -1 : 1;
        tri[0] = POINT{cx - 4, cy - 2 * d};
        tri[1] = POINT{cx + 4, cy - 2 * d};
        tri[2] = POINT{cx, cy + 2 * d};
    } else {
        int d = towardsStart ? -1 : 1;
        tri[0] = POINT{cx - 2 * d, cy - 4};
        tri[1] = POINT{cx - 2 * d, cy + 4};
        tri[2] = POINT{cx + 2 * d, cy};
    }
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    Polygon(dc, tri, 3);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
}

void SendScroll(HWND hwnd, int bar, WPARAM code, int pos)
{
    SendMessageW(hwnd, bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL,
                 MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(pos)), 0);
}

void RedrawFrame(Window* w)
{
    if (IsShownOnScreen(w)) {
        w->ncPaint = true;
        QueuePaint(w);
        MarkScreenDirty();
    }
}

} // namespace

// Draws the window's scroll bars onto its window DC; origin is the window's top-left corner.
void DrawScrollBars(Window* w, HDC dc)
{
    for (int bar : {SB_VERT, SB_HORZ}) {
        if (!(w->style & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)))
            continue;
        const ScrollBarState& s = *StateOf(w, bar);
        Layout l = LayoutOf(w, bar, s, s.pos);
        auto local = [&](RECT r) {
            ShiftRect(&r, -w->window.left, -w->window.top);
            return r;
        };
        RECT whole = local(l.bar);
        FillRect(dc, &whole, GetSysColorBrush(COLOR_SCROLLBAR));
        bool vert = bar == SB_VERT;
        RECT first = l.bar, second = l.bar, thumb = l.bar;
        if (vert) {
            first.bottom = l.trackStart;
            second.top = l.trackEnd;
            thumb.top = l.thumbStart;
            thumb.bottom = l.thumbEnd;
        } else {
            first.right = l.trackStart;
            second.left = l.trackEnd;
            thumb.left = l.thumbStart;
            thumb.right = l.thumbEnd;
        }
        DrawButton(dc, local(first), vert, true);
        DrawButton(dc, local(second), vert, false);
        if (!s.disabled && Range(s) > static_cast<int>(s.page)) {
            RECT t = local(thumb);
            FillRect(dc, &t, GetSysColorBrush(COLOR_BTNFACE));
            DrawEdge(dc, &t, EDGE_RAISED, BF_RECT);
        }
    }
    if ((w->style & WS_VSCROLL) && (w->style & WS_HSCROLL)) {
        RECT corner{w->client.right, w->client.bottom,
                    w->client.right + GetSystemMetrics(SM_CXVSCROLL),
                    w->client.bottom + GetSystemMetrics(SM_CYHSCROLL)};
        ShiftRect(&corner, -w->window.left, -w->window.top);
        FillRect(dc, &corner, GetSysColorBrush(COLOR_BTNFACE));
    }
}

LRESULT RunScrollLoop(Window* w, int bar, POINT start)
{
    DesktopState& d = Desk();
    HWND h = w->handle;
    ScrollBarState* s = StateOf(w, bar);
    if (!s || s->disabled)
        return 0;
    Layout l = LayoutOf(w, bar, *s, s->pos);
    Part part = PartAt(l, bar, start);
    if (part == Part::None)
        return 0;
    SetCapture(h);
    int grab = (bar == SB_VERT ? start.y : start.x) - l.thumbStart;
    s->trackPos = s->pos;
    if (part != Part::Thumb) {
        SendScroll(h, bar, CodeOf(part), 0);
        if (d.realClock)
            SetTimer(h, kRepeatTimer, kRepeatDelay, nullptr);
    }
    // A local modal loop on the same input as everything else. On the hand-driven clock the
    // loop ends when the queued input runs out, so a test that pressed without releasing
    // does not hang.
    for (;;) {
        MSG m{};
        if (!RetrieveMessage(&m, nullptr, 0, 0, true)) {
            if (!d.realClock || !WaitForMore())
                break;
            continue;
        }
        if (m.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(m.wParam));
            break;
        }
        if (!(w = d.Find(h)))
            return 0;
        s = StateOf(w, bar);
        if (m.message == WM_LBUTTONUP)
            break;
        if (m.message == WM_TIMER && m.hwnd == h && m.wParam == kRepeatTimer) {
            Layout now = LayoutOf(w, bar, *s, s->pos);
            if (PartAt(now, bar, d.cursor) == part)
                SendScroll(h, bar, CodeOf(part), 0);
            SetTimer(h, kRepeatTimer, kRepeatPeriod, nullptr);
            continue;
        }
        if (m.message == WM_MOUSEMOVE && part == Part::Thumb) {
            Layout now = LayoutOf(w, bar, *s, s->pos);
            int track = now.trackEnd - now.trackStart - (now.thumbEnd - now.thumbStart);
            int at = (bar == SB_VERT ? d.cursor.y : d.cursor.x) - grab - now.trackStart;
            int span = MaxPos(*s) - s->min;
            int pos = track > 0
                          ? s->min + static_cast<int>(
                                         (static_cast<long long>(std::clamp(at, 0, track)) * span +
                                          track / 2) /
                                         track)
                          : s->min;
            if (pos != s->trackPos) {
                s->trackPos = pos;
                SendScroll(h, bar, SB_THUMBTRACK, pos);
            }
            continue;
        }
        if ((m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST) ||
            (m.message >= WM_KEYFIRST && m.message <= WM_KEYLAST))
            continue;
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    if ((w = d.Find(h))) {
        KillTimer(h, kRepeatTimer);
        s = StateOf(w, bar);
        if (part == Part::Thumb)
            SendScroll(h, bar, SB_THUMBPOSITION, s->trackPos);
        if (d.Find(h))
            SendScroll(h, bar, SB_ENDSCROLL, 0);
    }
    if (d.capture == h)
        ReleaseCapture();
    return 0;
}

} // namespace zt::win

using namespace zt::win;

int SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w || !info)
        return 0;
    if (bar == SB_CTL)
        return static_cast<int>(
            SendMessageW(hwnd, SBM_SETSCROLLINFO, redraw, reinterpret_cast<LPARAM>(info)));
    ScrollBarState* s = StateOf(w, bar);
    if (!s)
        return 0;
    if (info->fMask & SIF_RANGE) {
        s->min = info->nMin;
        s->max = std::max(info->nMin, info->nMax);
    }
    if (info->fMask & SIF_PAGE)
        s->page = std::min<UINT>(info->nPage, static_cast<UINT>(Range(*s)));
    if (info->fMask & SIF_POS)
        s->pos = info->nPos;
    s->pos = std::clamp(s->pos, s->min, MaxPos(*s));
    // A bar with nothing to scroll goes away unless asked to stay (disabled).
    if (info->fMask & (SIF_RANGE | SIF_PAGE)) {
        bool needed = Range(*s) > static_cast<int>(s->page) && s->max > s->min;
        DWORD flag = bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
        bool keep = (info->fMask & SIF_DISABLENOSCROLL) != 0;
        s->disabled = !needed && keep;
        DWORD style = (needed || keep) ? (w->style | flag) : (w->style & ~flag);
        if (style != w->style) {
            w->style = style;
            SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                             SWP_FRAMECHANGED);
            w = FindWindowRecord(hwnd);
            if (!w)
                return 0;
            s = StateOf(w, bar);
        }
    }
    if (redraw)
        RedrawFrame(w);
    return s->pos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w || !info)
        return FALSE;
    if (bar == SB_CTL)
        return static_cast<BOOL>(
            SendMessageW(hwnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)));
    ScrollBarState* s = StateOf(w, bar);
    if (!s)
        return FALSE;
    if (info->fMask & SIF_RANGE) {
        info->nMin = s->min;
        info->nMax = s->max;
    }
    if (info->fMask & SIF_PAGE)
        info->nPage = s->page;
    if (info->fMask & SIF_POS)
        info->nPos = s->pos;
    if (info->fMask & SIF_TRACKPOS)
        info->nTrackPos = s->trackPos;
    return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw)
{
    int old = GetScrollPos(hwnd, bar);
    SCROLLINFO si{sizeof si, SIF_POS, 0, 0, 0, pos, 0};
    SetScrollInfo(hwnd, bar, &si, redraw);
    return old;
}

int GetScrollPos(HWND hwnd, int bar)
{
    SCROLLINFO si{sizeof si, SIF_POS, 0, 0, 0, 0, 0};
    return GetScrollInfo(hwnd, bar, &si) ? si.nPos : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw)
{
    SCROLLINFO si{sizeof si, SIF_RANGE, minPos, maxPos, 0, 0, 0};
    return FindWindowRecord(hwnd) ? (SetScrollInfo(hwnd, bar, &si, redraw), TRUE) : FALSE;
}

BOOL GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos)
{
    SCROLLINFO si{sizeof si, SIF_RANGE, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(hwnd, bar, &si))
        return FALSE;
    if (minPos)
        *minPos = si.nMin;
    if (maxPos)
        *maxPos = si.nMax;
    return TRUE;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w)
        return FALSE;
    if (bar == SB_CTL) {
        ShowWindow(hwnd, show ? SW_SHOW : SW_HIDE);
        return TRUE;
    }
    DWORD flags = bar == SB_VERT   ? WS_VSCROLL
                  : bar == SB_HORZ ? WS_HSCROLL
                                   : WS_VSCROLL | WS_HSCROLL;
    DWORD style = show ? (w->style | flags) : (w->style & ~flags);
    if (style != w->style) {
        w->style = style;
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w)
        return FALSE;
    if (bar == static_cast<UINT>(SB_CTL))
        return static_cast<BOOL>(SendMessageW(hwnd, SBM_ENABLE_ARROWS, arrows, 0));
    bool disabled = arrows == ESB_DISABLE_BOTH;
    if (bar == static_cast<UINT>(SB_VERT) || bar == static_cast<UINT>(SB_BOTH))
        w->vscroll.disabled = disabled;
    if (bar == static_cast<UINT>(SB_HORZ) || bar == static_cast<UINT>(SB_BOTH))
        w->hscroll.disabled = disabled;
    RedrawFrame(w);
    return TRUE;
}
