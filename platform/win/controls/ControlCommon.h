#pragma once
// Small helpers every standard control uses: its state pointer in the window's extra bytes,
// notifications to the parent, control-colour requests and the default font.

#include "platform/win/WinCtl.h"
#include "platform/win/WinUser.h"

namespace zt::win::controls {

template <class T>
T* StateOf(HWND hwnd)
{
    return reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, 0));
}

inline void SetState(HWND hwnd, void* state)
{
    SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(state));
}

// The window procedure of a control whose state object lives from WM_NCCREATE to
// WM_NCDESTROY: `make` builds the state at creation, every other message goes to its Handle.
template <class Window, class Make>
LRESULT RunControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, Make make)
{
    if (msg == WM_NCCREATE) {
        SetState(hwnd, make());
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    auto* window = StateOf<Window>(hwnd);
    if (!window)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetState(hwnd, nullptr);
        delete window;
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    return window->Handle(msg, wParam, lParam);
}

inline DWORD StyleOf(HWND hwnd)
{
    return static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
}

// WM_COMMAND with the control's id and the code, to `to` (the parent when null).
inline void NotifyCommand(HWND hwnd, UINT code, HWND to = nullptr)
{
    HWND target = to ? to : GetParent(hwnd);
    if (target)
        SendMessageW(target, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code),
                     reinterpret_cast<LPARAM>(hwnd));
}

// Asks the parent (or `to`) for the brush and colours; falls back to the default answer.
inline HBRUSH RequestCtlColor(HWND hwnd, HDC dc, UINT msg, HWND to = nullptr)
{
    HWND target = to ? to : GetParent(hwnd);
    HBRUSH b = nullptr;
    if (target)
        b = reinterpret_cast<HBRUSH>(SendMessageW(target, msg, reinterpret_cast<WPARAM>(dc),
                                                  reinterpret_cast<LPARAM>(hwnd)));
    if (!b)
        b = reinterpret_cast<HBRUSH>(DefWindowProcW(hwnd, msg, reinterpret_cast<WPARAM>(dc),
                                                    reinterpret_cast<LPARAM>(hwnd)));
    return b;
}

inline HFONT FontOrDefault(HFONT font)
{
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

inline bool KeyDown(int vk)
{
    return GetKeyState(vk) < 0;
}

} // namespace zt::win::controls
