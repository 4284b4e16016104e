// Window rectangles, the non-client frame, positions, z-order and show states.
#include "platform/win/desktop/DesktopState.h"

#include <algorithm>
#include <cairo.h>
#include <cstring>

namespace zt::win {

// WINDOWPOS flags that the window manager sets for WM_WINDOWPOSCHANGED, as Windows does, so
// that DefWindowProc knows whether to send WM_MOVE and WM_SIZE.
constexpr UINT kSwpNoClientSize = 0x0800;
constexpr UINT kSwpNoClientMove = 0x1000;

namespace {

constexpr int kCaptionHeight = 18;
constexpr int kThickFrame = 4;
constexpr int kDialogFrame = 3;
constexpr int kBorder = 1;
constexpr int kClientEdge = 2;
constexpr int kStaticEdge = 1;
constexpr int kScrollBarSize = 17;

RECT FrameInsets(DWORD style, DWORD exStyle)
{
    int frame = 0;
    if (style & WS_THICKFRAME)
        frame = kThickFrame;
    else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME))
        frame = kDialogFrame;
    else if (style & WS_BORDER)
        frame = kBorder;
    int edge = 0;
    if (exStyle & WS_EX_CLIENTEDGE)
        edge += kClientEdge;
    if (exStyle & WS_EX_STATICEDGE)
        edge += kStaticEdge;
    RECT r{frame + edge, frame + edge, frame + edge, frame + edge};
    if ((style & WS_CAPTION) == WS_CAPTION)
        r.top += kCaptionHeight;
    if (style & WS_VSCROLL)
        r.right += kScrollBarSize;
    if (style & WS_HSCROLL)
        r.bottom += kScrollBarSize;
    return r;
}

void PlaceInSiblings(Window* w, HWND after)
{
    Window* parent = w->parent;
    if (!parent)
        return;
    UnlinkChild(w);
    auto bandStart = [&] {
        Window* below = parent->children.front();
        if (!(w->exStyle & WS_EX_TOPMOST))
            while (below && (below->exStyle & WS_EX_TOPMOST))
                below = ChildList::Below(below);
        return below;
    };
    if (after == HWND_TOPMOST) {
        if (!w->IsChild())
            w->exStyle |= WS_EX_TOPMOST;
        LinkChild(parent, w, bandStart());
    } else if (after == HWND_NOTOPMOST) {
        w->exStyle &= ~WS_EX_TOPMOST;
        LinkChild(parent, w, bandStart());
    } else if (after == HWND_TOP) {
        LinkChild(parent, w, bandStart());
    } else if (after == HWND_BOTTOM) {
        LinkChild(parent, w, nullptr);
    } else {
        Window* a = FindWindowRecord(after);
        if (!a || a == w || a->parent != parent || !a->links.linked)
            LinkChild(parent, w, bandStart());
        else
            LinkChild(parent, w, ChildList::Below(a));
    }
}

Window* NextToActivate(Window* leaving)
{
    if (leaving->owner && IsShownOnScreen(leaving->owner) && CanActivate(leaving->owner))
        return leaving->owner;
    for (Window* t : Desk().desktopWindow->children)
        if (t != leaving && IsShownOnScreen(t) && CanActivate(t) && !(t->style & WS_MINIMIZE))
            return t;
    return nullptr;
}

void HideFromInput(Window* w)
{
    DesktopState& d = Desk();
    HWND h = w->handle;
    if (d.focus && (d.focus == h || IsChild(h, d.focus)))
        SetFocus(w->IsChild() ? w->parent->handle : nullptr);
    if (d.capture && (d.capture == h || IsChild(h, d.capture)))
        ReleaseCapture();
    if (!w->IsChild() && d.active == h) {
        Window* next = NextToActivate(w);
        if (next)
            ActivateWindow(next, WA_ACTIVE);
        else
            ActivateWindow(nullptr, WA_INACTIVE);
    }
}

} // namespace

RECT ParentClientOrigin(const Window* w)
{
    if (w->IsChild() && w->parent)
        return w->parent->client;
    return RECT{0, 0, 0, 0};
}

void RecomputeClientRect(Window* w)
{
    RECT pc = ParentClientOrigin(w);
    RECT r = w->window;
    ShiftRect(&r, -pc.left, -pc.top);
    RECT oldClient = w->client;
    // DefWindowProc answers from the styles; a control may reserve its own frame.
    SendTo(w, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&r));
    if (w->destroyed)
        return;
    ShiftRect(&r, pc.left, pc.top);
    r.left = std::clamp(r.left, w->window.left, w->window.right);
    r.right = std::clamp(r.right, r.left, w->window.right);
    r.top = std::clamp(r.top, w->window.top, w->window.bottom);
    r.bottom = std::clamp(r.bottom, r.top, w->window.bottom);
    w->client = r;
    int dx = r.left - oldClient.left, dy = r.top - oldClient.top;
    if (dx || dy)
        for (Window* c : w->children)
            OffsetWindowTree(c, dx, dy);
}

RECT DefaultClientFromWindow(const Window* w, RECT windowRect)
{
    RECT in = FrameInsets(w->style, w->exStyle);
    windowRect.left += in.left;
    windowRect.top += in.top;
    windowRect.right -= in.right;
    windowRect.bottom -= in.bottom;
    return windowRect;
}

void OffsetWindowTree(Window* w, int dx, int dy)
{
    ShiftRect(&w->window, dx, dy);
    ShiftRect(&w->client, dx, dy);
    for (Window* c : w->children)
        OffsetWindowTree(c, dx, dy);
}

void EnsureSurface(Window* w)
{
    // A window may be far larger than any screen (a template of huge dialog units, a size
    // typed by a program); its pixels beyond the largest display anyone drives (8K, with room)
    // stay unpainted, as they would be off every screen. Backing such a window whole would
    // cost gigabytes and seconds of painting for pixels nobody can see.
    constexpr int kLargestSurface = 8192;
    int cx = std::clamp<int>(w->window.right - w->window.left, 1, kLargestSurface);
    int cy = std::clamp<int>(w->window.bottom - w->window.top, 1, kLargestSurface);
    if (w->surface && cairo_image_surface_get_width(w->surface) == cx &&
        cairo_image_surface_get_height(w->surface) == cy)
        return;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, cx, cy);
    if (w->surface && cairo_surface_status(s) == CAIRO_STATUS_SUCCESS &&
        cairo_surface_status(w->surface) == CAIRO_STATUS_SUCCESS) {
        cairo_t* cr = cairo_create(s);
        cairo_set_source_surface(cr, w->surface, 0, 0);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_paint(cr);
        cairo_destroy(cr);
    }
    if (w->surface)
        cairo_surface_destroy(w->surface);
    w->surface = s;
}

void DropSurface(Window* w)
{
    if (w->surface) {
        cairo_surface_destroy(w->surface);
        w->surface = nullptr;
    }
}

} // namespace zt::win

using namespace zt::win;

BOOL GetWindowRect(HWND hwnd, LPRECT rect)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w || !rect)
        return FALSE;
    *rect = w->window;
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w || !rect)
        return FALSE;
    *rect = {0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
    return TRUE;
}

BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL, DWORD exStyle)
{
    if (!rect)
        return FALSE;
    RECT in = FrameInsets(style & ~(WS_VSCROLL | WS_HSCROLL), exStyle);
    rect->left -= in.left;
    rect->top -= in.top;
    rect->right += in.right;
    rect->bottom += in.bottom;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT point)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w || !point)
        return FALSE;
    point->x -= w->client.left;
    point->y -= w->client.top;
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT point)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w || !point)
        return FALSE;
    point->x += w->client.left;
    point->y += w->client.top;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count)
{
    POINT a{0, 0}, b{0, 0};
    if (from && !ClientToScreen(from, &a))
        return 0;
    if (to && !ClientToScreen(to, &b))
        return 0;
    int dx = a.x - b.x, dy = a.y - b.y;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    DesktopState& d = Desk();
    Window* w = d.Find(hwnd);
    if (!w || w == d.desktopWindow.get())
        return FALSE;
    RECT pc = ParentClientOrigin(w);
    WINDOWPOS wp{hwnd, insertAfter, x, y, cx, cy, flags};
    if (flags & SWP_NOMOVE) {
        wp.x = w->window.left - pc.left;
        wp.y = w->window.top - pc.top;
    }
    if (flags & SWP_NOSIZE) {
        wp.cx = w->window.right - w->window.left;
        wp.cy = w->window.bottom - w->window.top;
    }
    if (!(flags & SWP_NOSENDCHANGING))
        SendTo(w, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
    if (!(w = d.Find(hwnd)))
        return FALSE;
    wp.x = ClampWindowPosition(wp.x);
    wp.y = ClampWindowPosition(wp.y);
    wp.cx = ClampWindowSize(wp.cx);
    wp.cy = ClampWindowSize(wp.cy);
    pc = ParentClientOrigin(w);
    bool wasShown = IsShownOnScreen(w);
    RECT oldWindow = w->window, oldClient = w->client;
    RECT newWindow{pc.left + wp.x, pc.top + wp.y, pc.left + wp.x + wp.cx, pc.top + wp.y + wp.cy};
    bool moved = newWindow.left != oldWindow.left || newWindow.top != oldWindow.top;
    bool sized = (newWindow.right - newWindow.left) != (oldWindow.right - oldWindow.left) ||
                 (newWindow.bottom - newWindow.top) != (oldWindow.bottom - oldWindow.top);
    bool frame = (wp.flags & SWP_FRAMECHANGED) != 0;
    if (wasShown && w->IsChild() && (moved || sized || (wp.flags & SWP_HIDEWINDOW)))
        InvalidateParentArea(w, oldWindow);
    if (moved)
        OffsetWindowTree(w, newWindow.left - oldWindow.left, newWindow.top - oldWindow.top);
    if (sized || frame) {
        w->window.right = w->window.left + wp.cx;
        w->window.bottom = w->window.top + wp.cy;
        RecomputeClientRect(w);
        if (!(w = d.Find(hwnd)))
            return FALSE;
        if (w->surface || WantsOwnSurface(w))
            EnsureSurface(w);
    }
    if (!(wp.flags & SWP_NOZORDER))
        PlaceInSiblings(w, wp.hwndInsertAfter);
    bool showing = (wp.flags & SWP_SHOWWINDOW) && !w->IsVisibleFlag();
    if (wp.flags & SWP_SHOWWINDOW)
        w->style |= WS_VISIBLE;
    if ((wp.flags & SWP_HIDEWINDOW) && w->IsVisibleFlag()) {
        w->style &= ~WS_VISIBLE;
        HideFromInput(w);
        if (!(w = d.Find(hwnd)))
            return FALSE;
    }
    bool shown = IsShownOnScreen(w);
    if (shown && !(wp.flags & SWP_NOREDRAW)) {
        if (showing || sized || frame || (moved && !WantsOwnSurface(w)))
            InvalidateWindowArea(w, nullptr,
                                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    if (shown || wasShown) {
        MarkScreenDirty(oldWindow);
        MarkScreenDirty(w);
    }
    bool clientMoved = (w->client.left - oldClient.left) || (w->client.top - oldClient.top);
    bool clientSized = (w->client.right - w->client.left) != (oldClient.right - oldClient.left) ||
                       (w->client.bottom - w->client.top) != (oldClient.bottom - oldClient.top);
    if (!clientMoved)
        wp.flags |= kSwpNoClientMove;
    if (!clientSized)
        wp.flags |= kSwpNoClientSize;
    if (!(wp.flags & SWP_NOACTIVATE) && !w->IsChild() && shown && CanActivate(w) &&
        (showing || !(wp.flags & SWP_NOZORDER)))
        ActivateWindow(w, WA_ACTIVE);
    if (!(w = d.Find(hwnd)))
        return TRUE;
    SendTo(w, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint)
{
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL BringWindowToTop(HWND hwnd)
{
    return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL ShowWindow(HWND hwnd, int cmdShow)
{
    DesktopState& d = Desk();
    Window* w = d.Find(hwnd);
    if (!w || w == d.desktopWindow.get())
        return FALSE;
    BOOL wasVisible = w->IsVisibleFlag() ? TRUE : FALSE;
    if (cmdShow == SW_HIDE) {
        if (!wasVisible)
            return FALSE;
        SendTo(w, WM_SHOWWINDOW, FALSE, 0);
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return wasVisible;
    }
    bool noActivate = cmdShow == SW_SHOWNOACTIVATE || cmdShow == SW_SHOWNA ||
                      cmdShow == SW_SHOWMINNOACTIVE || cmdShow == SW_MINIMIZE ||
                      (w->exStyle & WS_EX_NOACTIVATE) || w->IsChild();
    UINT flags = SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE;
    if (noActivate)
        flags |= SWP_NOACTIVATE | SWP_NOZORDER;
    int x = 0, y = 0, cx = 0, cy = 0;
    const bool wasNormal = !(w->style & (WS_MINIMIZE | WS_MAXIMIZE));
    const bool leavesNormal = cmdShow == SW_SHOWMAXIMIZED || cmdShow == SW_MINIMIZE ||
                              cmdShow == SW_SHOWMINIMIZED || cmdShow == SW_SHOWMINNOACTIVE;
    if (wasNormal && leavesNormal && !w->IsChild()) {
        w->normal = w->window;
        w->hasNormal = true;
    }
    if (cmdShow == SW_SHOWMAXIMIZED && !w->IsChild()) {
        w->style = (w->style | WS_MAXIMIZE) & ~WS_MINIMIZE;
        SIZE s = GetInbox().screenSize;
        cx = s.cx;
        cy = s.cy;
        flags &= ~(SWP_NOMOVE | SWP_NOSIZE);
    } else if (cmdShow == SW_MINIMIZE || cmdShow == SW_SHOWMINIMIZED ||
               cmdShow == SW_SHOWMINNOACTIVE) {
        w->style = (w->style | WS_MINIMIZE) & ~WS_MAXIMIZE;
        MarkScreenDirty(w);
    } else if (cmdShow == SW_RESTORE || cmdShow == SW_SHOWNORMAL) {
        // A size given while minimized was the icon's: the window comes back to its own.
        if (!wasNormal && w->hasNormal && !w->IsChild()) {
            x = w->normal.left;
            y = w->normal.top;
            cx = w->normal.right - w->normal.left;
            cy = w->normal.bottom - w->normal.top;
            flags &= ~(SWP_NOMOVE | SWP_NOSIZE);
        }
        w->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
        MarkScreenDirty();
    }
    if (!wasVisible)
        SendTo(w, WM_SHOWWINDOW, TRUE, 0);
    if (!d.Find(hwnd))
        return wasVisible;
    SetWindowPos(hwnd, HWND_TOP, x, y, cx, cy, flags);
    return wasVisible;
}

HWND SetParent(HWND child, HWND newParent)
{
    DesktopState& d = Desk();
    Window* w = d.Find(child);
    Window* p = newParent ? d.Find(newParent) : d.desktopWindow.get();
    if (!w || !p || w == d.desktopWindow.get() || w == p)
        return nullptr;
    for (Window* a = p; a; a = a->parent)
        if (a == w)
            return nullptr; // no cycles
    Window* old = w->parent;
    bool wasShown = IsShownOnScreen(w);
    if (wasShown && w->IsChild())
        InvalidateParentArea(w, w->window);
    RECT oldOrigin = ParentClientOrigin(w);
    UnlinkChild(w);
    LinkChild(p, w, p->children.front());
    RECT newOrigin = ParentClientOrigin(w);
    OffsetWindowTree(w, newOrigin.left - oldOrigin.left, newOrigin.top - oldOrigin.top);
    if (WantsOwnSurface(w))
        EnsureSurface(w);
    if (IsShownOnScreen(w))
        InvalidateWindowArea(w, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    MarkScreenDirty();
    return old == d.desktopWindow.get() ? d.desktopWindow->handle : old->handle;
}

int GetSystemMetrics(int index)
{
    SIZE s = GetInbox().screenSize;
    switch (index) {
    case SM_CXSCREEN:
    case SM_CXVIRTUALSCREEN:
        return s.cx;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN:
        return s.cy;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
        return kScrollBarSize;
    case SM_CYCAPTION:
        return kCaptionHeight;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return kBorder;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return kDialogFrame;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return kThickFrame;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return kClientEdge;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
    case SM_CXDRAG:
    case SM_CYDRAG:
        return 4;
    case SM_CMONITORS:
        return 1;
    case SM_CXMINTRACK:
        return 136;
    case SM_CYMINTRACK:
        return 39;
    default:
        return 0;
    }
}

namespace {

HMONITOR const kPrimaryMonitor = reinterpret_cast<HMONITOR>(static_cast<std::uintptr_t>(0x1001));

RECT ScreenRect()
{
    SIZE s = GetInbox().screenSize;
    return RECT{0, 0, s.cx, s.cy};
}

HMONITOR MonitorFor(const RECT& r, DWORD flags)
{
    RECT over;
    if (IntersectRects(&over, r, ScreenRect()) || flags != MONITOR_DEFAULTTONULL)
        return kPrimaryMonitor;
    return nullptr;
}

} // namespace

HMONITOR MonitorFromWindow(HWND hwnd, DWORD flags)
{
    RECT r{};
    if (!GetWindowRect(hwnd, &r))
        return flags == MONITOR_DEFAULTTONULL ? nullptr : kPrimaryMonitor;
    return MonitorFor(r, flags);
}

HMONITOR MonitorFromPoint(POINT point, DWORD flags)
{
    return MonitorFor(RECT{point.x, point.y, point.x + 1, point.y + 1}, flags);
}

HMONITOR MonitorFromRect(LPCRECT rect, DWORD flags)
{
    return rect ? MonitorFor(*rect, flags) : nullptr;
}

BOOL GetMonitorInfoW(HMONITOR monitor, LPMONITORINFO info)
{
    if (monitor != kPrimaryMonitor || !info || info->cbSize < sizeof(MONITORINFO))
        return FALSE;
    info->rcMonitor = ScreenRect();
    info->rcWork = ScreenRect();
    info->dwFlags = MONITORINFOF_PRIMARY;
    return TRUE;
}

BOOL SystemParametersInfoW(UINT action, UINT, LPVOID data, UINT)
{
    if (!data)
        return FALSE;
    switch (action) {
    case SPI_GETWORKAREA:
        *static_cast<RECT*>(data) = ScreenRect();
        return TRUE;
    case SPI_GETMOUSEHOVERTIME:
        *static_cast<UINT*>(data) = 400;
        return TRUE;
    case SPI_GETWHEELSCROLLLINES:
        *static_cast<UINT*>(data) = 3;
        return TRUE;
    default:
        return FALSE;
    }
}
