// The default window procedure.
#include "platform/win/desktop/DesktopState.h"

#include <algorithm>

namespace zt::win {
constexpr UINT kSwpNoClientSize = 0x0800;
constexpr UINT kSwpNoClientMove = 0x1000;

namespace {

constexpr int kCornerSize = 16;

LRESULT HitTestFrame(Window* w, POINT pt)
{
    if (!PtInRectInclusiveExclusive(w->window, pt))
        return HTNOWHERE;
    if (PtInRectInclusiveExclusive(w->client, pt))
        return HTCLIENT;
    RECT frame = w->window;
    if (w->style & WS_THICKFRAME) {
        int b = GetSystemMetrics(SM_CXFRAME);
        bool left = pt.x < frame.left + b, right = pt.x >= frame.right - b;
        bool top = pt.y < frame.top + b, bottom = pt.y >= frame.bottom - b;
        bool nearLeft = pt.x < frame.left + kCornerSize,
             nearRight = pt.x >= frame.right - kCornerSize;
        bool nearTop = pt.y < frame.top + kCornerSize,
             nearBottom = pt.y >= frame.bottom - kCornerSize;
        if ((top && nearLeft) || (left && nearTop))
            return HTTOPLEFT;
        if ((top && nearRight) || (right && nearTop))
            return HTTOPRIGHT;
        if ((bottom && nearLeft) || (left && nearBottom))
            return HTBOTTOMLEFT;
        if ((bottom && nearRight) || (right && nearBottom))
            return HTBOTTOMRIGHT;
        if (left)
            return HTLEFT;
        if (right)
            return HTRIGHT;
        if (top)
            return HTTOP;
        if (bottom)
            return HTBOTTOM;
    }
    RECT inner = DefaultClientFromWindow(w, w->window);
    if ((w->style & WS_CAPTION) == WS_CAPTION) {
        int captionBottom = inner.top;
        if (w->exStyle & WS_EX_CLIENTEDGE)
            captionBottom -= GetSystemMetrics(SM_CXEDGE);
        int captionTop = captionBottom - GetSystemMetrics(SM_CYCAPTION);
        if (pt.y >= captionTop && pt.y < captionBottom)
            return HTCAPTION;
    }
    if ((w->style & WS_VSCROLL) && pt.x >= w->client.right &&
        pt.x < w->client.right + GetSystemMetrics(SM_CXVSCROLL) && pt.y >= w->client.top &&
        pt.y < w->client.bottom)
        return HTVSCROLL;
    if ((w->style & WS_HSCROLL) && pt.y >= w->client.bottom &&
        pt.y < w->client.bottom + GetSystemMetrics(SM_CYHSCROLL) && pt.x >= w->client.left &&
        pt.x < w->client.right)
        return HTHSCROLL;
    return HTBORDER;
}

LPCWSTR CursorForHit(LRESULT hit)
{
    switch (hit) {
    case HTLEFT:
    case HTRIGHT:
        return IDC_SIZEWE;
    case HTTOP:
    case HTBOTTOM:
        return IDC_SIZENS;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return IDC_SIZENWSE;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        return IDC_SIZENESW;
    default:
        return IDC_ARROW;
    }
}

} // namespace

} // namespace zt::win

using namespace zt::win;

LRESULT DefWindowProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    DesktopState& d = Desk();
    Window* w = d.Find(hwnd);
    if (!w)
        return 0;
    switch (msg) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName))
            w->text = cs->lpszName;
        return TRUE;
    }
    case WM_NCCALCSIZE: {
        RECT* r = reinterpret_cast<RECT*>(lParam);
        if (!r)
            return 0;
        if (wParam)
            r = &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0];
        *r = DefaultClientFromWindow(w, *r);
        return 0;
    }
    case WM_NCHITTEST:
        return HitTestFrame(w, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCPAINT:
        DefaultNcPaint(w);
        return 0;
    case WM_NCACTIVATE:
        if ((w->style & WS_CAPTION) == WS_CAPTION && IsShownOnScreen(w))
            DefaultNcPaint(w);
        return TRUE;
    case WM_ERASEBKGND: {
        LRESULT r = 0;
        DefaultEraseBackground(w, reinterpret_cast<HDC>(wParam), &r);
        return r;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        if (BeginPaint(hwnd, &ps))
            EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_SETTEXT:
        w->text = lParam ? reinterpret_cast<LPCWSTR>(lParam) : L"";
        if ((w->style & WS_CAPTION) == WS_CAPTION && IsShownOnScreen(w)) {
            w->ncPaint = true;
            QueuePaint(w);
        }
        return TRUE;
    case WM_GETTEXT: {
        auto* buf = reinterpret_cast<LPWSTR>(lParam);
        if (!buf || wParam == 0)
            return 0;
        std::size_t n = std::min<std::size_t>(w->text.size(), wParam - 1);
        w->text.copy(buf, n);
        buf[n] = 0;
        return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(w->text.size());
    case WM_SETREDRAW:
        w->redraw = wParam != 0;
        if (!w->redraw)
            ValidateAll(w);
        return 0;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_SETCURSOR: {
        if (w->IsChild() && w->parent && SendTo(w->parent, WM_SETCURSOR, wParam, lParam))
            return TRUE;
        if (!(w = d.Find(hwnd)))
            return 0;
        LRESULT hit = static_cast<SHORT>(LOWORD(lParam));
        if (hit == HTCLIENT) {
            if (w->cls && w->cls->cursor) {
                SetCursor(w->cls->cursor);
                return TRUE;
            }
            return FALSE;
        }
        SetCursor(LoadCursorW(nullptr, CursorForHit(hit)));
        return FALSE;
    }
    case WM_MOUSEACTIVATE: {
        if (w->IsChild() && w->parent) {
            if (LRESULT r = SendTo(w->parent, WM_MOUSEACTIVATE, wParam, lParam))
                return r;
        }
        Window* top = TopLevelOf(w);
        return top && (top->exStyle & WS_EX_NOACTIVATE) ? MA_NOACTIVATE : MA_ACTIVATE;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) {
            if (!d.focus || (d.focus != hwnd && !IsChild(hwnd, d.focus)))
                SetFocus(hwnd);
        }
        return 0;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_CONTEXTMENU:
    case WM_HELP:
        if (w->IsChild() && w->parent)
            return SendTo(w->parent, msg, wParam, lParam);
        return 0;
    case WM_NCLBUTTONDOWN:
        if (wParam == static_cast<WPARAM>(HTCAPTION))
            SendTo(w, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lParam);
        else if (wParam >= static_cast<WPARAM>(HTLEFT) &&
                 wParam <= static_cast<WPARAM>(HTBOTTOMRIGHT))
            SendTo(w, WM_SYSCOMMAND, SC_SIZE | (wParam - HTLEFT + WMSZ_LEFT), lParam);
        else if (wParam == static_cast<WPARAM>(HTVSCROLL) ||
                 wParam == static_cast<WPARAM>(HTHSCROLL))
            return RunScrollLoop(w, wParam == static_cast<WPARAM>(HTVSCROLL) ? SB_VERT : SB_HORZ,
                                 POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_NCLBUTTONDBLCLK:
        // A second quick press on a scroll bar scrolls again.
        if (wParam == static_cast<WPARAM>(HTVSCROLL) || wParam == static_cast<WPARAM>(HTHSCROLL))
            return RunScrollLoop(w, wParam == static_cast<WPARAM>(HTVSCROLL) ? SB_VERT : SB_HORZ,
                                 POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        if (wParam == static_cast<WPARAM>(HTCAPTION) && (w->style & WS_MAXIMIZEBOX))
            SendTo(w, WM_SYSCOMMAND, (w->style & WS_MAXIMIZE) ? SC_RESTORE : SC_MAXIMIZE, lParam);
        return 0;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_MOVE:
            return RunMoveLoop(w, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        case SC_SIZE:
            return RunSizeLoop(w, static_cast<int>(wParam & 0x000F),
                               POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        case SC_CLOSE:
            SendTo(w, WM_CLOSE, 0, 0);
            return 0;
        case SC_MAXIMIZE:
            ShowWindow(hwnd, SW_SHOWMAXIMIZED);
            return 0;
        case SC_MINIMIZE:
            ShowWindow(hwnd, SW_MINIMIZE);
            return 0;
        case SC_RESTORE:
            ShowWindow(hwnd, SW_RESTORE);
            return 0;
        default:
            return 0;
        }
    case WM_SYSKEYDOWN:
        if (wParam == static_cast<WPARAM>(VK_F4) && (lParam & (1LL << 29)))
            SendTo(TopLevelOf(w), WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    case WM_WINDOWPOSCHANGED: {
        auto* wp = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (!wp)
            return 0;
        UINT flags = wp->flags;
        if (!(flags & kSwpNoClientMove)) {
            RECT pc = ParentClientOrigin(w);
            SendTo(w, WM_MOVE, 0, MAKELPARAM(w->client.left - pc.left, w->client.top - pc.top));
        }
        if (!(w = d.Find(hwnd)))
            return 0;
        if (!(flags & kSwpNoClientSize)) {
            WPARAM kind = (w->style & WS_MAXIMIZE)   ? SIZE_MAXIMIZED
                          : (w->style & WS_MINIMIZE) ? SIZE_MINIMIZED
                                                     : SIZE_RESTORED;
            SendTo(w, WM_SIZE, kind,
                   MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
        }
        return 0;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        bool window = msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX;
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(window ? COLOR_WINDOW : COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(window ? COLOR_WINDOW : COLOR_BTNFACE));
    }
    case WM_CANCELMODE:
        if (d.capture == hwnd)
            ReleaseCapture();
        return 0;
    default:
        return 0;
    }
}

LRESULT CallWindowProcW(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!proc)
        return 0;
    return proc(hwnd, msg, wParam, lParam);
}
