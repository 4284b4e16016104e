#pragma once
// What a check box window tells the editor that owns it.

namespace zt {

class actrl_CheckBox;

class actrl_CheckBox_msgHook
{
public:
    virtual ~actrl_CheckBox_msgHook() = default;
    // The user clicked; the window's check state has already moved on.
    virtual void onClick(actrl_CheckBox* checkbox) = 0;
};

} // namespace zt
