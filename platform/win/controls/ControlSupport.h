#pragma once
// What the standard controls share: their state object kept in the window's extra bytes, the
// font they draw with, notifications to the parent and the colours the parent chooses.

#include "platform/win/WinUser.h"

#include <memory>

namespace zt::win::controls {

// The control's state lives in the first pointer-sized slot of its extra bytes; it is created
// at WM_NCCREATE and freed at WM_NCDESTROY.
template <class State>
State* GetState(HWND hwnd)
{
    return reinterpret_cast<State*>(GetWindowLongPtrW(hwnd, 0));
}

template <class State>
State* CreateState(HWND hwnd)
{
    auto* s = new State();
    SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(s));
    return s;
}

template <class State>
void FreeState(HWND hwnd)
{
    delete GetState<State>(hwnd);
    SetWindowLongPtrW(hwnd, 0, 0);
}

// The font a control draws with: the one set by WM_SETFONT, else DEFAULT_GUI_FONT.
HFONT ControlFont(HFONT set);

// WM_COMMAND with the code to the parent (or owner), as controls notify.
void NotifyParent(HWND control, UINT code);

// Asks the parent for the brush and colours through WM_CTLCOLOR*; the default when the
// parent gives none. The DC receives the text and background colours.
HBRUSH ParentCtlColor(HWND control, HDC dc, UINT ctlColorMessage);

// The client rectangle.
RECT ClientRect(HWND hwnd);

} // namespace zt::win::controls
