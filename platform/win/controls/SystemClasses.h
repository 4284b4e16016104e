#pragma once
// The system's window classes ("Button", "Static", "Edit", "ListBox", "ComboBox", "ComboLBox",
// "ScrollBar", "tooltips_class32" and the dialog class "#32770"), which every desktop offers
// without registration. One table lists them; it is offered to the window manager as a class
// provider (Desktop::AddClassProvider), so that each class is registered, as a global class, on
// its first use in each desktop.

#include "platform/win/WinUserDefs.h"

namespace zt::win::controls {

// lowerName is the class name in lower case. Registers the class on the current desktop and
// returns true when it is one of the system classes.
bool RegisterSystemClass(const wchar_t* lowerName);

LRESULT ButtonWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT EditWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ListBoxWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ComboBoxWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ScrollBarWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ToolTipWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace zt::win::controls
