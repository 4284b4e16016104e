// Injected input, hit testing, capture, focus and activation.
#include "platform/win/desktop/DesktopState.h"

#include <cstdlib>
#include <functional>

namespace zt::win {

// Internal: a mouse input whose coordinates are screen pixels (SetCursorPos).
constexpr DWORD kMouseEventPixels = 0x40000000;
constexpr UINT kDoubleClickTime = 500;
constexpr int kHoverSize = 4;            // SM_CXMOUSEHOVER
constexpr DWORD kDefaultHoverTime = 400; // SPI_GETMOUSEHOVERTIME

namespace {

bool IsHittable(Window* w, POINT pt)
{
    if (!w->IsVisibleFlag() || !w->IsEnabledFlag() || (w->exStyle & WS_EX_TRANSPARENT))
        return false;
    if (w->style & WS_MINIMIZE)
        return false;
    if (!PtInRectInclusiveExclusive(w->window, pt))
        return false;
    // Pixels of a layered window's colour key let the pointer through, as on Windows.
    if ((w->exStyle & WS_EX_LAYERED) && (w->layeredFlags & LWA_COLORKEY) && w->surface) {
        Window* owner = SurfaceOwnerOf(w);
        if (owner && owner->surface) {
            cairo_surface_t* s = owner->surface;
            unsigned int px = SurfacePixel(s, pt.x - owner->window.left, pt.y - owner->window.top);
            COLORREF c = RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
            if (c == w->colorKey)
                return false;
        }
    }
    return true;
}

Window* FindTarget(Window* parent, POINT pt, LRESULT* hit)
{
    std::vector<HWND> order;
    for (Window* c : parent->children)
        order.push_back(c->handle);
    for (HWND h : order) {
        Window* c = FindWindowRecord(h);
        if (!c || !IsHittable(c, pt))
            continue;
        if (PtInRectInclusiveExclusive(c->client, pt))
            if (Window* deeper = FindTarget(c, pt, hit))
                return deeper;
        LRESULT code = SendTo(c, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
        if (!FindWindowRecord(h) || code == HTTRANSPARENT)
            continue;
        *hit = code;
        return c;
    }
    return nullptr;
}

void SetKeyDown(BYTE* keys, int vk, bool down)
{
    if (vk <= 0 || vk > 255)
        return;
    if (down && !(keys[vk] & 0x80))
        keys[vk] ^= 0x01; // toggle state changes on each press
    keys[vk] = static_cast<BYTE>((keys[vk] & 0x01) | (down ? 0x80 : 0));
}

void UpdateKeys(BYTE* keys, int vk, bool down)
{
    SetKeyDown(keys, vk, down);
    auto pair = [&](int generic, int left, int right) {
        if (vk == left || vk == right) {
            bool any = (keys[left] & 0x80) || (keys[right] & 0x80);
            SetKeyDown(keys, generic, any);
        } else if (vk == generic) {
            SetKeyDown(keys, left, down);
        }
    };
    pair(VK_SHIFT, VK_LSHIFT, VK_RSHIFT);
    pair(VK_CONTROL, VK_LCONTROL, VK_RCONTROL);
    pair(VK_MENU, VK_LMENU, VK_RMENU);
}

WPARAM MouseKeyFlags(const BYTE* keys)
{
    WPARAM f = 0;
    if (keys[VK_LBUTTON] & 0x80)
        f |= MK_LBUTTON;
    if (keys[VK_RBUTTON] & 0x80)
        f |= MK_RBUTTON;
    if (keys[VK_MBUTTON] & 0x80)
        f |= MK_MBUTTON;
    if (keys[VK_SHIFT] & 0x80)
        f |= MK_SHIFT;
    if (keys[VK_CONTROL] & 0x80)
        f |= MK_CONTROL;
    return f;
}

void Queue(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    DesktopState& d = Desk();
    d.cooked.push_back(MSG{hwnd, msg, wParam, lParam, static_cast<DWORD>(d.Now()), d.cursor});
}

void CheckMouseLeave(HWND now, bool client)
{
    DesktopState& d = Desk();
    if (!d.trackLeave)
        return;
    bool left = now != d.trackLeave || client == d.trackLeaveNonClient;
    if (!left)
        return;
    HWND h = d.trackLeave;
    bool nc = d.trackLeaveNonClient;
    d.trackLeave = nullptr;
    Queue(h, nc ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
}

// One mouse event: move (button 0) or a button change.
void CookMouse(UINT clientMsg, bool isDown)
{
    DesktopState& d = Desk();
    POINT pt = d.cursor;
    Window* target = nullptr;
    LRESULT hit = HTCLIENT;
    if (d.capture) {
        target = d.Find(d.capture);
    } else {
        target = FindTarget(d.desktopWindow.get(), pt, &hit);
    }
    if (!target)
        return;
    HWND h = target->handle;
    bool client = hit == HTCLIENT;
    if (clientMsg == WM_MOUSEMOVE) {
        d.lastMouseWindow = h;
        d.lastMouseHit = hit;
        CheckMouseLeave(h, client);
        // Hovering starts over when the pointer leaves the hover rectangle.
        int half = kHoverSize / 2;
        if (d.trackHover &&
            (std::abs(pt.x - d.hoverOrigin.x) > half || std::abs(pt.y - d.hoverOrigin.y) > half)) {
            d.hoverOrigin = pt;
            d.hoverDue = d.Now() + d.hoverTime;
        }
    }
    if (!d.capture) {
        SendTo(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(h), MAKELPARAM(hit, clientMsg));
        if (!(target = d.Find(h)))
            return;
    }
    if (isDown && !d.capture) {
        Window* top = TopLevelOf(target);
        if (top && top->handle != d.active) {
            LRESULT ma = SendTo(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top->handle),
                                MAKELPARAM(hit, clientMsg));
            if ((ma == MA_ACTIVATE || ma == MA_ACTIVATEANDEAT) && d.Find(top->handle) &&
                CanActivate(top))
                ActivateWindow(top, WA_CLICKACTIVE);
            if (ma == MA_ACTIVATEANDEAT || ma == MA_NOACTIVATEANDEAT)
                return;
            if (!(target = d.Find(h)))
                return;
        }
    }
    UINT msg = clientMsg;
    if (isDown) {
        ClickRecord& last = d.lastClick;
        DWORD now = static_cast<DWORD>(d.Now());
        int half = GetSystemMetrics(SM_CXDOUBLECLK) / 2;
        bool sameArea = (last.hit == HTCLIENT) == client;
        bool dbl = last.downMessage == clientMsg && last.hwnd == h && sameArea &&
                   now - last.time <= kDoubleClickTime && std::abs(pt.x - last.pt.x) <= half &&
                   std::abs(pt.y - last.pt.y) <= half &&
                   (!client || (target->cls && (target->cls->style & CS_DBLCLKS)));
        if (dbl) {
            msg = clientMsg + 2; // WM_xBUTTONDBLCLK follows WM_xBUTTONDOWN by two
            last = ClickRecord{};
        } else {
            last = ClickRecord{clientMsg, h, hit, now, pt};
        }
    }
    if (client) {
        LPARAM lp = MAKELPARAM(pt.x - target->client.left, pt.y - target->client.top);
        Queue(h, msg, MouseKeyFlags(d.keys), lp);
    } else {
        Queue(h, msg - WM_MOUSEMOVE + WM_NCMOUSEMOVE, static_cast<WPARAM>(hit),
              MAKELPARAM(pt.x, pt.y));
    }
}

void CookWheel(int delta, bool horizontal)
{
    DesktopState& d = Desk();
    // The wheel goes to the window under the pointer (or the capture window), as Windows 10
    // delivers it by default; DefWindowProc hands it on to the parent.
    Window* target = nullptr;
    LRESULT hit = HTCLIENT;
    if (d.capture)
        target = d.Find(d.capture);
    else
        target = FindTarget(d.desktopWindow.get(), d.cursor, &hit);
    if (!target)
        return;
    WPARAM wp = MAKEWPARAM(static_cast<WORD>(MouseKeyFlags(d.keys)), static_cast<WORD>(delta));
    Queue(target->handle, horizontal ? WM_MOUSEHWHEEL : WM_MOUSEWHEEL, wp,
          MAKELPARAM(d.cursor.x, d.cursor.y));
}

void CookKey(const KEYBDINPUT& ki)
{
    DesktopState& d = Desk();
    bool up = ki.dwFlags & KEYEVENTF_KEYUP;
    int vk = ki.wVk;
    wchar_t ch = 0;
    if (ki.dwFlags & KEYEVENTF_UNICODE) {
        vk = VK_PACKET;
        ch = static_cast<wchar_t>(ki.wScan);
    }
    if (vk <= 0 || vk > 255)
        return;
    bool wasDown = d.keys[vk] & 0x80;
    if (vk != VK_PACKET)
        UpdateKeys(d.keys, vk, !up);
    Window* target = d.Find(d.focus);
    bool noFocus = !target;
    if (noFocus)
        target = d.Find(d.active);
    if (!target)
        return;
    bool alt = d.keys[VK_MENU] & 0x80;
    bool ctrl = d.keys[VK_CONTROL] & 0x80;
    bool sys = (alt && !ctrl) || vk == VK_MENU || vk == VK_F10 || vk == VK_LMENU ||
               vk == VK_RMENU || noFocus;
    UINT msg = sys ? (up ? WM_SYSKEYUP : WM_SYSKEYDOWN) : (up ? WM_KEYUP : WM_KEYDOWN);
    ULONGLONG lp = 1 | (static_cast<ULONGLONG>(ki.wScan & 0xFF) << 16);
    if (ki.dwFlags & KEYEVENTF_EXTENDEDKEY)
        lp |= 1ULL << 24;
    if (alt)
        lp |= 1ULL << 29;
    if (wasDown || up)
        lp |= 1ULL << 30;
    if (up)
        lp |= 1ULL << 31;
    if (vk == VK_PACKET)
        lp = (lp & 0xFFFFFFFFULL) | (static_cast<ULONGLONG>(ch) << 32);
    Queue(target->handle, msg, static_cast<WPARAM>(vk), static_cast<LPARAM>(lp));
}

} // namespace

void CookRawInput(const INPUT& in)
{
    DesktopState& d = Desk();
    if (in.type == INPUT_KEYBOARD) {
        CookKey(in.ki);
        return;
    }
    if (in.type != INPUT_MOUSE)
        return;
    const MOUSEINPUT& mi = in.mi;
    SIZE s = GetInbox().screenSize;
    if (mi.dwFlags & (MOUSEEVENTF_MOVE | kMouseEventPixels)) {
        POINT p = d.cursor;
        if (mi.dwFlags & kMouseEventPixels) {
            p = {mi.dx, mi.dy};
        } else if (mi.dwFlags & MOUSEEVENTF_ABSOLUTE) {
            p.x = static_cast<LONG>((static_cast<long long>(mi.dx) * s.cx) / 65536);
            p.y = static_cast<LONG>((static_cast<long long>(mi.dy) * s.cy) / 65536);
        } else {
            p.x += mi.dx;
            p.y += mi.dy;
        }
        p.x = std::clamp<LONG>(p.x, 0, s.cx - 1);
        p.y = std::clamp<LONG>(p.y, 0, s.cy - 1);
        d.cursor = p;
        CookMouse(WM_MOUSEMOVE, false);
    }
    struct Button
    {
        DWORD flag;
        int vk;
        UINT msg;
        bool down;
    };
    static const Button kButtons[] = {
        {MOUSEEVENTF_LEFTDOWN, VK_LBUTTON, WM_LBUTTONDOWN, true},
        {MOUSEEVENTF_LEFTUP, VK_LBUTTON, WM_LBUTTONUP, false},
        {MOUSEEVENTF_RIGHTDOWN, VK_RBUTTON, WM_RBUTTONDOWN, true},
        {MOUSEEVENTF_RIGHTUP, VK_RBUTTON, WM_RBUTTONUP, false},
        {MOUSEEVENTF_MIDDLEDOWN, VK_MBUTTON, WM_MBUTTONDOWN, true},
        {MOUSEEVENTF_MIDDLEUP, VK_MBUTTON, WM_MBUTTONUP, false},
    };
    for (const Button& b : kButtons) {
        if (!(mi.dwFlags & b.flag))
            continue;
        UpdateKeys(d.keys, b.vk, b.down);
        CookMouse(b.msg, b.down);
    }
    if (mi.dwFlags & MOUSEEVENTF_WHEEL)
        CookWheel(static_cast<int>(static_cast<LONG>(mi.mouseData)), false);
    if (mi.dwFlags & MOUSEEVENTF_HWHEEL)
        CookWheel(static_cast<int>(static_cast<LONG>(mi.mouseData)), true);
}

void CheckMouseHover()
{
    DesktopState& d = Desk();
    if (!d.trackHover || d.Now() < d.hoverDue)
        return;
    HWND h = d.trackHover;
    bool nc = d.trackHoverNonClient;
    d.trackHover = nullptr;
    Window* w = d.Find(h);
    if (!w || d.lastMouseWindow != h)
        return;
    POINT pt = d.cursor;
    if (nc)
        Queue(h, WM_NCMOUSEHOVER, static_cast<WPARAM>(d.lastMouseHit), MAKELPARAM(pt.x, pt.y));
    else
        Queue(h, WM_MOUSEHOVER, MouseKeyFlags(d.keys),
              MAKELPARAM(pt.x - w->client.left, pt.y - w->client.top));
}

} // namespace zt::win

using namespace zt::win;

UINT SendInput(UINT count, LPINPUT inputs, int size)
{
    if (!inputs || size != static_cast<int>(sizeof(INPUT)))
        return 0;
    DesktopState* d = DesktopState::Current();
    bool onUI = d && d->uiThread == std::this_thread::get_id();
    Inbox& in = GetInbox();
    {
        std::lock_guard lock(in.mutex);
        for (UINT i = 0; i < count; ++i)
            in.raw.push_back(inputs[i]);
    }
    if (onUI) {
        for (UINT i = 0; i < count; ++i) {
            const INPUT& e = inputs[i];
            if (e.type == INPUT_KEYBOARD && !(e.ki.dwFlags & KEYEVENTF_UNICODE))
                UpdateKeys(d->asyncKeys, e.ki.wVk, !(e.ki.dwFlags & KEYEVENTF_KEYUP));
            if (e.type == INPUT_MOUSE) {
                if (e.mi.dwFlags & (MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP))
                    UpdateKeys(d->asyncKeys, VK_LBUTTON, e.mi.dwFlags & MOUSEEVENTF_LEFTDOWN);
                if (e.mi.dwFlags & (MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_RIGHTUP))
                    UpdateKeys(d->asyncKeys, VK_RBUTTON, e.mi.dwFlags & MOUSEEVENTF_RIGHTDOWN);
                if (e.mi.dwFlags & (MOUSEEVENTF_MIDDLEDOWN | MOUSEEVENTF_MIDDLEUP))
                    UpdateKeys(d->asyncKeys, VK_MBUTTON, e.mi.dwFlags & MOUSEEVENTF_MIDDLEDOWN);
            }
        }
    }
    in.cv.notify_all();
    return count;
}

void mouse_event(DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extraInfo)
{
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi = MOUSEINPUT{static_cast<LONG>(dx), static_cast<LONG>(dy), data, flags, 0, extraInfo};
    SendInput(1, &in, sizeof(INPUT));
}

void keybd_event(BYTE vk, BYTE scan, DWORD flags, ULONG_PTR extraInfo)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki = KEYBDINPUT{vk, scan, flags, 0, extraInfo};
    SendInput(1, &in, sizeof(INPUT));
}

SHORT GetKeyState(int vk)
{
    if (vk <= 0 || vk > 255)
        return 0;
    BYTE k = Desk().keys[vk];
    return static_cast<SHORT>(((k & 0x80) ? 0x8000 : 0) | (k & 0x01));
}

SHORT GetAsyncKeyState(int vk)
{
    if (vk <= 0 || vk > 255)
        return 0;
    DesktopState& d = Desk();
    BYTE k = d.asyncKeys[vk] | (d.keys[vk] & 0x80);
    return static_cast<SHORT>((k & 0x80) ? 0x8000 : 0);
}

BOOL GetCursorPos(LPPOINT point)
{
    if (!point)
        return FALSE;
    *point = Desk().cursor;
    return TRUE;
}

BOOL SetCursorPos(int x, int y)
{
    DesktopState& d = Desk();
    SIZE s = GetInbox().screenSize;
    d.cursor = {std::clamp(x, 0, static_cast<int>(s.cx) - 1),
                std::clamp(y, 0, static_cast<int>(s.cy) - 1)};
    // Moving the pointer produces a mouse move, as on Windows.
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = d.cursor.x;
    in.mi.dy = d.cursor.y;
    in.mi.dwFlags = kMouseEventPixels;
    SendInput(1, &in, sizeof(INPUT));
    return TRUE;
}

HCURSOR SetCursor(HCURSOR cursor)
{
    DesktopState& d = Desk();
    HCURSOR old = d.currentCursor;
    d.currentCursor = cursor;
    return old;
}

HCURSOR GetCursor()
{
    return Desk().currentCursor;
}

HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name)
{
    // The system cursors are identified by handles derived from their resource ids.
    if (instance || !name || !IS_INTRESOURCE(name))
        return nullptr;
    ULONG_PTR id = reinterpret_cast<ULONG_PTR>(name);
    if (id < 32512 || id > 32651)
        return nullptr;
    return reinterpret_cast<HCURSOR>(static_cast<ULONG_PTR>(0x7F000000) + id);
}

BOOL AttachThreadInput(DWORD, DWORD, BOOL)
{
    // One desktop, one input queue: every thread already shares it.
    return TRUE;
}

BOOL TrackMouseEvent(LPTRACKMOUSEEVENT track)
{
    if (!track || track->cbSize != sizeof(TRACKMOUSEEVENT))
        return FALSE;
    DesktopState& d = Desk();
    if (track->dwFlags & TME_QUERY) {
        track->dwFlags =
            d.trackLeave ? (TME_LEAVE | (d.trackLeaveNonClient ? TME_NONCLIENT : 0)) : 0;
        track->hwndTrack = d.trackLeave;
        return TRUE;
    }
    if (!d.Find(track->hwndTrack))
        return FALSE;
    bool nc = track->dwFlags & TME_NONCLIENT;
    if (track->dwFlags & TME_CANCEL) {
        if ((track->dwFlags & TME_LEAVE) && d.trackLeave == track->hwndTrack)
            d.trackLeave = nullptr;
        if ((track->dwFlags & TME_HOVER) && d.trackHover == track->hwndTrack)
            d.trackHover = nullptr;
        return TRUE;
    }
    if (track->dwFlags & TME_HOVER) {
        d.trackHover = track->hwndTrack;
        d.trackHoverNonClient = nc;
        d.hoverTime = track->dwHoverTime == HOVER_DEFAULT || track->dwHoverTime == 0
                          ? kDefaultHoverTime
                          : track->dwHoverTime;
        d.hoverOrigin = d.cursor;
        d.hoverDue = d.Now() + d.hoverTime;
    }
    if (track->dwFlags & TME_LEAVE) {
        bool inside = d.lastMouseWindow == track->hwndTrack && ((d.lastMouseHit == HTCLIENT) != nc);
        if (!inside) {
            Queue(track->hwndTrack, nc ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
            return TRUE;
        }
        d.trackLeave = track->hwndTrack;
        d.trackLeaveNonClient = nc;
    }
    return TRUE;
}

UINT GetDoubleClickTime()
{
    return kDoubleClickTime;
}

BOOL DragDetect(HWND hwnd, POINT point)
{
    DesktopState& d = Desk();
    if (!d.Find(hwnd))
        return FALSE;
    POINT start = point;
    ClientToScreen(hwnd, &start);
    int cx = GetSystemMetrics(SM_CXDRAG), cy = GetSystemMetrics(SM_CYDRAG);
    MSG m;
    for (;;) {
        m = MSG{};
        if (!RetrieveMessage(&m, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, true)) {
            if (!WaitForMore())
                return FALSE;
            continue;
        }
        if (m.message == WM_LBUTTONUP)
            return FALSE;
        if (m.message == WM_MOUSEMOVE &&
            (std::abs(d.cursor.x - start.x) > cx || std::abs(d.cursor.y - start.y) > cy))
            return TRUE;
    }
}

HWND WindowFromPoint(POINT point)
{
    LRESULT hit = HTNOWHERE;
    Window* w = FindTarget(Desk().desktopWindow.get(), point, &hit);
    return HandleOf(w);
}

HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags)
{
    Window* p = FindWindowRecord(parent);
    if (!p)
        return nullptr;
    POINT s{point.x + p->client.left, point.y + p->client.top};
    if (!PtInRectInclusiveExclusive(p->window, s))
        return nullptr;
    for (Window* c : p->children) {
        if ((flags & CWP_SKIPINVISIBLE) && !c->IsVisibleFlag())
            continue;
        if ((flags & CWP_SKIPDISABLED) && !c->IsEnabledFlag())
            continue;
        if ((flags & CWP_SKIPTRANSPARENT) && (c->exStyle & WS_EX_TRANSPARENT))
            continue;
        if (PtInRectInclusiveExclusive(c->window, s))
            return c->handle;
    }
    return parent;
}

HWND ChildWindowFromPoint(HWND parent, POINT point)
{
    return ChildWindowFromPointEx(parent, point, CWP_ALL);
}

HWND RealChildWindowFromPoint(HWND parent, POINT point)
{
    return ChildWindowFromPointEx(parent, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
}
