// The scroll bar control: a bar filling its window that reports to its parent.
#include "platform/win/controls/ControlCommon.h"
#include "platform/win/controls/ScrollBars.h"
#include "platform/win/controls/StandardClasses.h"

namespace zt::win::controls {

namespace {

bool Vertical(HWND hwnd)
{
    return (StyleOf(hwnd) & SBS_VERT) != 0;
}

void PaintControl(HWND hwnd, ScrollTracker* tracker)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc)
        return;
    RECT c{};
    GetClientRect(hwnd, &c);
    ScrollState s = LoadScrollState(hwnd, SB_CTL);
    s.disabled = s.disabled || !IsWindowEnabled(hwnd);
    PaintScrollBar(dc, LayoutScrollBar(c, Vertical(hwnd), s), s,
                   tracker && tracker->Active() ? tracker->Pressed() : ScrollPart::None);
    EndPaint(hwnd, &ps);
}

} // namespace

LRESULT ScrollBarWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        SetState(hwnd, new ScrollTracker);
        StoreScrollState(hwnd, SB_CTL, ScrollState{0, 100, 0, 0, 0, false});
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    auto* tracker = StateOf<ScrollTracker>(hwnd);
    if (!tracker)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_NCDESTROY:
        SetState(hwnd, nullptr);
        delete tracker;
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        PaintControl(hwnd, tracker);
        return 0;
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(hwnd, &p);
        tracker->Begin(hwnd, SB_CTL, p);
        if (IsWindow(hwnd))
            InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (tracker->Active()) {
            POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(hwnd, &p);
            tracker->Move(p);
        }
        return 0;
    case WM_LBUTTONUP:
        if (tracker->Active()) {
            tracker->End();
            if (IsWindow(hwnd))
                InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_TIMER:
        if (tracker->Timer(wParam))
            return 0;
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case SBM_SETPOS:
        return SetScrollPos(hwnd, SB_CTL, static_cast<int>(wParam), static_cast<BOOL>(lParam));
    case SBM_GETPOS:
        return GetScrollPos(hwnd, SB_CTL);
    case SBM_SETRANGE:
        SetScrollRange(hwnd, SB_CTL, static_cast<int>(wParam), static_cast<int>(lParam), FALSE);
        return GetScrollPos(hwnd, SB_CTL);
    case SBM_GETRANGE:
        return GetScrollRange(hwnd, SB_CTL, reinterpret_cast<int*>(wParam),
                              reinterpret_cast<int*>(lParam));
    case SBM_SETSCROLLINFO:
        return SetScrollInfo(hwnd, SB_CTL, reinterpret_cast<LPCSCROLLINFO>(lParam),
                             static_cast<BOOL>(wParam));
    case SBM_GETSCROLLINFO:
        return GetScrollInfo(hwnd, SB_CTL, reinterpret_cast<LPSCROLLINFO>(lParam));
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace zt::win::controls
