#pragma once
// What a drop-down window tells the editor that owns it.

#include "platform/base/CString.h"

namespace zt {

class actrl_ComboBox;

class actrl_ComboBox_msgHook
{
public:
    virtual ~actrl_ComboBox_msgHook() = default;
    // The user chose another entry (by mouse, keys or wheel); index is the window's current
    // selection.
    virtual void onSelChange(actrl_ComboBox* combo, int index) = 0;
    // Enter was pressed in the typing field with this text.
    virtual void onEditEnter(actrl_ComboBox* combo, const CString& text) = 0;
};

} // namespace zt
