#pragma once
// How a combo box and its drop-down list talk: private registered messages sent by the list to
// its combo box, and by the combo box to its list. Registered messages are 0xC000 and above,
// so a procedure compares only such messages against them.

#include "platform/win/WinUser.h"

namespace zt::win::controls {

// List -> combo: the user finished with the open list. wParam TRUE picks the list's current
// selection, FALSE cancels.
inline UINT ComboListDoneMessage()
{
    return RegisterWindowMessageW(L"ZtComboListDone");
}

// Combo -> list: the list was shown (wParam TRUE) or hidden (FALSE); the shown list takes the
// mouse so that a click anywhere else closes it.
inline UINT ComboListShownMessage()
{
    return RegisterWindowMessageW(L"ZtComboListShown");
}

} // namespace zt::win::controls
