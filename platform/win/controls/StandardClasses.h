#pragma once
// The system's control classes ("Edit", "ListBox", "ComboBox", "ComboLBox", "ScrollBar"), which
// every desktop offers without registration: they are offered to the window manager as a class
// provider (Desktop::AddClassProvider) and registered on their first use in each desktop.

#include "platform/win/WinUserDefs.h"

#include <string>

namespace zt::win::controls {

// lowerName is the class name in lower case. Registers the class on the current desktop and
// returns true when it is one of the standard classes.
bool RegisterStandardClass(const std::wstring& lowerName);

LRESULT EditWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ListBoxWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ComboBoxWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ScrollBarWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace zt::win::controls
