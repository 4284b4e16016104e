// Capture, keyboard focus and activation.
#include "platform/win/desktop/DesktopState.h"

namespace zt::win {

bool CanActivate(const Window* top)
{
    return top && !top->IsChild() && !top->destroying && !(top->exStyle & WS_EX_NOACTIVATE) &&
           top->IsEnabledFlag() && top->IsVisibleFlag();
}

bool ActivateWindow(Window* top, WORD how)
{
    DesktopState& d = Desk();
    HWND newH = HandleOf(top);
    if (d.active == newH)
        return true;
    if (top && !CanActivate(top))
        return false;
    HWND oldH = d.active;
    if (Window* old = d.Find(oldH)) {
        SendTo(old, WM_NCACTIVATE, FALSE, 0);
        if ((old = d.Find(oldH)))
            SendTo(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, (old->style & WS_MINIMIZE) ? 1 : 0),
                   reinterpret_cast<LPARAM>(newH));
    }
    d.active = newH;
    if ((top = d.Find(newH))) {
        Window* parent = top->parent;
        UnlinkChild(top);
        Window* below = parent->children.front();
        if (!(top->exStyle & WS_EX_TOPMOST))
            while (below && (below->exStyle & WS_EX_TOPMOST))
                below = ChildList::Below(below);
        LinkChild(parent, top, below);
        MarkScreenDirty(top);
        SendTo(top, WM_NCACTIVATE, TRUE, 0);
        if ((top = d.Find(newH)))
            SendTo(top, WM_ACTIVATE, MAKEWPARAM(how, (top->style & WS_MINIMIZE) ? 1 : 0),
                   reinterpret_cast<LPARAM>(oldH));
    }
    // Keyboard focus does not stay in a window that lost activation.
    if (oldH && d.focus && (d.focus == oldH || ::IsChild(oldH, d.focus)))
        SetFocus(nullptr);
    return true;
}

void ForgetWindowForInput(Window* w)
{
    DesktopState& d = Desk();
    HWND h = w->handle;
    if (d.capture == h) {
        d.capture = nullptr;
        SendTo(w, WM_CAPTURECHANGED, 0, 0);
    }
    if (d.focus == h) {
        d.focus = nullptr;
        SendTo(w, WM_KILLFOCUS, 0, 0);
    }
    if (d.active == h) {
        d.active = nullptr;
        Window* next = nullptr;
        if (w->owner && IsShownOnScreen(w->owner) && CanActivate(w->owner))
            next = w->owner;
        for (Window* t : d.desktopWindow->children)
            if (!next && t != w && IsShownOnScreen(t) && CanActivate(t))
                next = t;
        if (next)
            ActivateWindow(next, WA_ACTIVE);
    }
    if (d.trackLeave == h)
        d.trackLeave = nullptr;
    if (d.trackHover == h)
        d.trackHover = nullptr;
    if (d.lastMouseWindow == h)
        d.lastMouseWindow = nullptr;
    if (d.lastClick.hwnd == h)
        d.lastClick = ClickRecord{};
}

} // namespace zt::win

using namespace zt::win;

HWND SetCapture(HWND hwnd)
{
    DesktopState& d = Desk();
    if (!d.Find(hwnd))
        return nullptr;
    HWND old = d.capture;
    if (old == hwnd)
        return old;
    d.capture = hwnd;
    if (Window* o = d.Find(old))
        SendTo(o, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

BOOL ReleaseCapture()
{
    DesktopState& d = Desk();
    HWND old = d.capture;
    if (!old)
        return TRUE;
    d.capture = nullptr;
    if (Window* o = d.Find(old))
        SendTo(o, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture()
{
    return Desk().capture;
}

HWND SetFocus(HWND hwnd)
{
    DesktopState& d = Desk();
    Window* w = nullptr;
    if (hwnd) {
        w = d.Find(hwnd);
        if (!w || w == d.desktopWindow.get())
            return nullptr;
        Window* top = TopLevelOf(w);
        // Focus into a non-activating window leaves the active window as it is.
        if (top && top->handle != d.active && CanActivate(top)) {
            ActivateWindow(top, WA_ACTIVE);
            if (!(w = d.Find(hwnd)))
                return nullptr;
        }
    }
    HWND old = d.focus;
    if (old == hwnd)
        return old;
    if (Window* o = d.Find(old)) {
        d.focus = nullptr;
        SendTo(o, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    }
    if (hwnd && !d.Find(hwnd))
        return old;
    d.focus = hwnd;
    if (w)
        SendTo(w, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return old;
}

HWND GetFocus()
{
    return Desk().focus;
}

HWND SetActiveWindow(HWND hwnd)
{
    DesktopState& d = Desk();
    Window* w = d.Find(hwnd);
    Window* top = w ? TopLevelOf(w) : nullptr;
    if (!CanActivate(top))
        return nullptr;
    HWND old = d.active;
    ActivateWindow(top, WA_ACTIVE);
    return old;
}

HWND GetActiveWindow()
{
    return Desk().active;
}

HWND GetForegroundWindow()
{
    return Desk().active;
}

BOOL SetForegroundWindow(HWND hwnd)
{
    DesktopState& d = Desk();
    Window* w = d.Find(hwnd);
    Window* top = w ? TopLevelOf(w) : nullptr;
    if (!CanActivate(top))
        return FALSE;
    ActivateWindow(top, WA_ACTIVE);
    return TRUE;
}
