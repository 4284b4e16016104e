// The standard scroll bars of a window: the scroll functions on their state, their drawing in
// the frame and the tracking loop that DefWindowProc runs when one is pressed. What a bar looks
// like and how a press is tracked is the scroll bar control's own code.
#include "platform/win/desktop/DesktopState.h"

namespace zt::win {

using controls::ScrollState;

namespace {

ScrollState* StateOf(Window* w, int bar)
{
    if (bar == SB_VERT)
        return &w->vscroll;
    if (bar == SB_HORZ)
        return &w->hscroll;
    return nullptr;
}

void RedrawFrame(Window* w)
{
    if (IsShownOnScreen(w)) {
        w->ncPaint = true;
        QueuePaint(w);
        MarkScreenDirty(w);
    }
}

} // namespace

// Draws the window's scroll bars onto its window DC; origin is the window's top-left corner.
void DrawScrollBars(Window* w, HDC dc)
{
    RECT client = w->client;
    ShiftRect(&client, -w->window.left, -w->window.top);
    int across = GetSystemMetrics(SM_CXVSCROLL);
    int down = GetSystemMetrics(SM_CYHSCROLL);
    if (w->style & WS_VSCROLL) {
        RECT bar{client.right, client.top, client.right + across, client.bottom};
        controls::PaintScrollBar(dc, controls::LayoutScrollBar(bar, true, w->vscroll), w->vscroll);
    }
    if (w->style & WS_HSCROLL) {
        RECT bar{client.left, client.bottom, client.right, client.bottom + down};
        controls::PaintScrollBar(dc, controls::LayoutScrollBar(bar, false, w->hscroll), w->hscroll);
    }
    if ((w->style & WS_VSCROLL) && (w->style & WS_HSCROLL)) {
        RECT corner{client.right, client.bottom, client.right + across, client.bottom + down};
        FillRect(dc, &corner, GetSysColorBrush(COLOR_BTNFACE));
    }
}

// DefWindowProc's modal loop for a press on a window's own bar: the shared tracker does the
// work, fed from a local loop on the same input as everything else. On the hand-driven clock
// the loop ends when the queued input runs out, so a test that pressed without releasing does
// not hang.
LRESULT RunScrollLoop(Window* w, int bar, POINT start)
{
    DesktopState& d = Desk();
    HWND h = w->handle;
    ScrollState* s = StateOf(w, bar);
    controls::ScrollTracker tracker;
    if (!s || !tracker.Begin(h, bar, s, start))
        return 0;
    if ((w = d.Find(h)))
        RedrawFrame(w);
    while (tracker.Active()) {
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
        if (!d.Find(h))
            return 0;
        if (m.message == WM_LBUTTONUP)
            break;
        if (m.message == WM_TIMER && m.hwnd == h && tracker.Timer(m.wParam))
            continue;
        if (m.message == WM_MOUSEMOVE) {
            tracker.Move(d.cursor);
            continue;
        }
        if ((m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST) ||
            (m.message >= WM_KEYFIRST && m.message <= WM_KEYLAST))
            continue;
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    tracker.End();
    if ((w = d.Find(h)))
        RedrawFrame(w);
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
    ScrollState* s = StateOf(w, bar);
    if (!s)
        return 0;
    s->Set(*info);
    // A bar with nothing to scroll goes away unless asked to stay (disabled).
    if (info->fMask & (SIF_RANGE | SIF_PAGE)) {
        bool needed = s->Scrollable();
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
    ScrollState* s = StateOf(w, bar);
    if (!s)
        return FALSE;
    s->Get(info);
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
