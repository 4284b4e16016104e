#pragma once
// What an edit window tells the editor that owns it.

class CWnd;

namespace zt {

class actrl_Edit;

class actrl_Edit_msgHook
{
public:
    virtual ~actrl_Edit_msgHook() = default;
    // The edit lost the focus, or Enter was released in a single-line edit: time to commit.
    virtual void onKillFocus(actrl_Edit* edit, CWnd* newFocus) = 0;
    virtual void onSetFocus(actrl_Edit* edit, CWnd* oldFocus) = 0;
};

} // namespace zt
