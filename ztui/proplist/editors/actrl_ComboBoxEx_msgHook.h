#pragma once
// What an image drop-down window tells the editor that owns it.

#include "platform/base/CString.h"

namespace zt {

class actrl_ComboBoxEx;

class actrl_ComboBoxEx_msgHook
{
public:
    virtual ~actrl_ComboBoxEx_msgHook() = default;
    // The user chose another entry (by mouse, keys or wheel); index is the window's current
    // selection.
    virtual void onSelChange(actrl_ComboBoxEx* combo, int index) = 0;
    // Enter was pressed in the typing field with this text.
    virtual void onEditEnter(actrl_ComboBoxEx* combo, const CString& text) = 0;
};

} // namespace zt
