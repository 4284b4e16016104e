#pragma once
// The module that holds the system's icons: LoadIcon(NULL, IDI_HAND) and the others read it.

#include "platform/win/WinDlgDefs.h"

namespace zt::win {

HINSTANCE SystemIconModule();
// True for a NULL instance with one of the IDI_ ids.
bool IsSystemIconName(HINSTANCE instance, LPCWSTR name);

} // namespace zt::win
