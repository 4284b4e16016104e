#pragma once
// The editor of check rows. A mixed value starts in the indeterminate state; only a click that
// lands on a definite state different from the item's value writes it.

#include "ztui/proplist/editors/actrl_CheckBox.h"
#include "ztui/proplist/editors/actrl_CheckBox_msgHook.h"
#include "ztui/proplist/editors/ctrl_object.h"

namespace zt {

class ZTUI_EXPORT ctrl_CheckBox final : public ctrl_object, public actrl_CheckBox_msgHook
{
public:
    bool create(CWnd* parent, PropertyItem_imp& item, UINT id, DWORD extraStyle) override;
    bool rebind(PropertyItem_imp& item) override;
    HWND window() const override { return m_check.m_hWnd; }
    void move(const RECT& rect) override;

    void onClick(actrl_CheckBox* checkbox) override;

    actrl_CheckBox& checkBox() { return m_check; }

private:
    PropertyItem_imp* m_item = nullptr;
    // The window's style: three states for a mixed value.
    bool m_threeState = false;
    actrl_CheckBox m_check;
};

} // namespace zt
