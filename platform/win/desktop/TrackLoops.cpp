// The move and size loops that DefWindowProc runs for WM_SYSCOMMAND SC_MOVE and SC_SIZE.
#include "platform/win/desktop/DesktopState.h"

#include <functional>

namespace zt::win {

// A local modal loop, driven by the same injected input as everything else, that follows the
// pointer until the left button goes up (or Enter; Escape restores the starting rectangle).
// `place` turns the pointer's offset from the start into the window's new rectangle in its
// parent's client coordinates.
LRESULT RunTrackLoop(Window* w, POINT start, const std::function<RECT(int dx, int dy)>& place)
{
    DesktopState& d = Desk();
    if (d.inMoveLoop)
        return 0;
    HWND h = w->handle;
    RECT pc = ParentClientOrigin(w);
    RECT origin = w->window;
    ShiftRect(&origin, -pc.left, -pc.top);
    auto apply = [&](const RECT& r) {
        SetWindowPos(h, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    };
    d.inMoveLoop = true;
    SetCapture(h);
    SendMessageW(h, WM_ENTERSIZEMOVE, 0, 0);
    MSG m;
    for (;;) {
        m = MSG{};
        if (!RetrieveMessage(&m, nullptr, 0, 0, true)) {
            if (!WaitForMore())
                break;
            continue;
        }
        if (m.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(m.wParam));
            break;
        }
        if (!d.Find(h))
            break;
        if (m.message == WM_MOUSEMOVE) {
            apply(place(d.cursor.x - start.x, d.cursor.y - start.y));
            continue;
        }
        if (m.message == WM_LBUTTONUP)
            break;
        if (m.message == WM_KEYDOWN && m.wParam == VK_ESCAPE) {
            apply(origin);
            break;
        }
        if (m.message == WM_KEYDOWN && m.wParam == VK_RETURN)
            break;
        if ((m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST) ||
            (m.message >= WM_KEYFIRST && m.message <= WM_KEYLAST))
            continue; // input belongs to the loop
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    d.inMoveLoop = false;
    if (d.capture == h)
        ReleaseCapture();
    if (d.Find(h))
        SendMessageW(h, WM_EXITSIZEMOVE, 0, 0);
    return 0;
}

LRESULT RunMoveLoop(Window* w, POINT start)
{
    RECT pc = ParentClientOrigin(w);
    RECT origin = w->window;
    ShiftRect(&origin, -pc.left, -pc.top);
    return RunTrackLoop(w, start, [origin](int dx, int dy) {
        RECT r = origin;
        ShiftRect(&r, dx, dy);
        return r;
    });
}

LRESULT RunSizeLoop(Window* w, int edge, POINT start)
{
    HWND h = w->handle;
    RECT pc = ParentClientOrigin(w);
    RECT origin = w->window;
    ShiftRect(&origin, -pc.left, -pc.top);
    bool left = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
    bool right = edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
    bool top = edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
    bool bottom = edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
    return RunTrackLoop(w, start, [=](int dx, int dy) {
        MINMAXINFO mmi{};
        mmi.ptMinTrackSize =
            POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
        SIZE screen = GetInbox().screenSize;
        mmi.ptMaxTrackSize = POINT{screen.cx, screen.cy};
        SendMessageW(h, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
        RECT r = origin;
        if (left)
            r.left = std::clamp<LONG>(origin.left + dx, r.right - mmi.ptMaxTrackSize.x,
                                      r.right - mmi.ptMinTrackSize.x);
        if (right)
            r.right = std::clamp<LONG>(origin.right + dx, r.left + mmi.ptMinTrackSize.x,
                                       r.left + mmi.ptMaxTrackSize.x);
        if (top)
            r.top = std::clamp<LONG>(origin.top + dy, r.bottom - mmi.ptMaxTrackSize.y,
                                     r.bottom - mmi.ptMinTrackSize.y);
        if (bottom)
            r.bottom = std::clamp<LONG>(origin.bottom + dy, r.top + mmi.ptMinTrackSize.y,
                                        r.top + mmi.ptMaxTrackSize.y);
        SendMessageW(h, WM_SIZING, static_cast<WPARAM>(edge), reinterpret_cast<LPARAM>(&r));
        return r;
    });
}

} // namespace zt::win
