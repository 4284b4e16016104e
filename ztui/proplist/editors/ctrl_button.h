#pragma once
// The editor of button rows: a push button whose click goes to the list's buttonClicked
// handler. With button data set, the owner draws an icon on it (see PropertyButtonIcon.h).

#include "ztui/proplist/editors/actrl_Button.h"
#include "ztui/proplist/editors/actrl_Button_msgHook.h"
#include "ztui/proplist/editors/ctrl_object.h"

namespace zt {

class ZTUI_EXPORT ctrl_button final : public ctrl_object, public actrl_Button_msgHook
{
public:
    bool create(CWnd* parent, PropertyItem_imp& item, UINT id, DWORD extraStyle) override;
    bool rebind(PropertyItem_imp& item) override;
    HWND window() const override { return m_button.m_hWnd; }
    void move(const RECT& rect) override;

    void onClick(actrl_Button* button) override;

    actrl_Button& button() { return m_button; }

private:
    PropertyItem_imp* m_item = nullptr;
    actrl_Button m_button;
};

} // namespace zt
