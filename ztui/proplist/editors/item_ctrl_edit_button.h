#pragma once
// The editor holder of an edit-button row: the item's text with a button showing the item's
// button picture. Every value set on the item takes up its text, picture and format check;
// a commit stores the text, whether or not it changed, unless it is the mixed-value
// placeholder left as it stands.

#include "ztui/proplist/editors/actrl_edit_button.h"
#include "ztui/proplist/editors/item_ctrl.h"

namespace zt {

class PropertyItem_imp;

class ZTUI_EXPORT item_ctrl_edit_button final : public item_ctrl
{
public:
    item_ctrl_edit_button(PropertyItem_imp& item, CWnd* parent, UINT id);
    ~item_ctrl_edit_button() override;

    HWND window() const override { return m_window.m_hWnd; }
    void move(const RECT& rect) override;
    void itemChanged() override;
    bool rebind(PropertyItem_imp& item, int part) override;

    actrl_edit_button& composite() { return m_window; }

    // The text-committed callback: setEditButton(text), then valueChanged.
    void onTextCommitted(const CString& text);
    // The button callback: buttonClicked.
    void onButton();

private:
    void TakeUpItem();

    PropertyItem_imp* m_item;
    actrl_edit_button m_window;
};

} // namespace zt
