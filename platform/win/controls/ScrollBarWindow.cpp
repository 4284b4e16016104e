// The scroll bar control: a bar filling its window that reports to its parent. Its state lives
// here; the window manager's scroll functions reach it with SB_CTL through the SBM_ messages.
#include "platform/win/controls/ControlCommon.h"
#include "platform/win/controls/ScrollBars.h"
#include "platform/win/controls/SystemClasses.h"

namespace zt::win::controls {

namespace {

struct ScrollBarControl
{
    ScrollState state{0, 0, 0, 0, 0, false};
    ScrollTracker tracker;
};

bool Vertical(HWND hwnd)
{
    return (StyleOf(hwnd) & SBS_VERT) != 0;
}

void PaintControl(HWND hwnd, ScrollBarControl& c)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc)
        return;
    RECT r{};
    GetClientRect(hwnd, &r);
    ScrollState s = c.state;
    s.disabled = s.disabled || !IsWindowEnabled(hwnd);
    PaintScrollBar(dc, LayoutScrollBar(r, Vertical(hwnd), s), s);
    EndPaint(hwnd, &ps);
}

int SetInfo(HWND hwnd, ScrollBarControl& c, const SCROLLINFO* info, bool redraw)
{
    if (!info)
        return c.state.pos;
    ScrollState& s = c.state;
    s.Set(*info);
    if (!c.tracker.Active())
        s.track = s.pos;
    if (redraw)
        InvalidateRect(hwnd, nullptr, TRUE);
    return s.pos;
}

} // namespace

LRESULT ScrollBarWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        SetState(hwnd, new ScrollBarControl);
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    auto* c = StateOf<ScrollBarControl>(hwnd);
    if (!c)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_NCDESTROY:
        SetState(hwnd, nullptr);
        delete c;
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        PaintControl(hwnd, *c);
        return 0;
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(hwnd, &p);
        c->tracker.Begin(hwnd, SB_CTL, &c->state, p);
        if (IsWindow(hwnd))
            InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (c->tracker.Active()) {
            POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(hwnd, &p);
            c->tracker.Move(p);
        }
        return 0;
    case WM_LBUTTONUP:
        if (c->tracker.Active()) {
            c->tracker.End();
            if (IsWindow(hwnd))
                InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_TIMER:
        if (c->tracker.Timer(wParam))
            return 0;
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case SBM_SETPOS: {
        int old = c->state.pos;
        SCROLLINFO si{sizeof si, SIF_POS, 0, 0, 0, static_cast<int>(wParam), 0};
        SetInfo(hwnd, *c, &si, lParam != 0);
        return old;
    }
    case SBM_GETPOS:
        return c->state.pos;
    case SBM_SETRANGE: {
        int old = c->state.pos;
        SCROLLINFO si{sizeof si, SIF_RANGE, static_cast<int>(wParam), static_cast<int>(lParam), 0,
                      0,         0};
        SetInfo(hwnd, *c, &si, false);
        return old;
    }
    case SBM_GETRANGE:
        if (wParam)
            *reinterpret_cast<int*>(wParam) = c->state.min;
        if (lParam)
            *reinterpret_cast<int*>(lParam) = c->state.max;
        return 0;
    case SBM_ENABLE_ARROWS:
        c->state.disabled = wParam == ESB_DISABLE_BOTH;
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    case SBM_SETSCROLLINFO:
        return SetInfo(hwnd, *c, reinterpret_cast<const SCROLLINFO*>(lParam), wParam != 0);
    case SBM_GETSCROLLINFO: {
        auto* info = reinterpret_cast<SCROLLINFO*>(lParam);
        if (!info)
            return FALSE;
        c->state.Get(info);
        return TRUE;
    }
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace zt::win::controls
