#pragma once
// Hooks of the host application for libraries it loads: the hook that hears of each refresh
// of the host's own property list, and the host's layer combination control.

#include "platform/base/Handles.h"
#include "platform/base/WString.h"

#include <map>

using BeforeRefreshPropertyListHook = void (*)(const WString& toolKey,
                                               const std::map<const wchar_t*, bool>& groups);

// Installs the hook the host calls before it refreshes its property list, with the key of
// the tool whose properties it shows and the expanded state of each group shown so far.
// A null hook removes it.
void App_RegisteBeforeRefreshPropertyList(BeforeRefreshPropertyListHook hook);
// What the host calls; nothing happens without a hook. A hook that throws is stopped here.
void App_NotifyBeforeRefreshPropertyList(const WString& toolKey,
                                         const std::map<const wchar_t*, bool>& groups);

// The host's layer combination control (a drop-down list of the current combination's
// layers), or null while the host has none.
HWND App_GetLayerComb();
void App_SetLayerComb(HWND combo);
