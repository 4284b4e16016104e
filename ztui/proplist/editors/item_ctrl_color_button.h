#pragma once
// The editor holder of Color rows: a colour swatch. Choosing a colour writes it into a writable
// item and tells the list's owner, first as a button click, then as a changed value; a read-only
// item's swatch changes only itself.

#include "ztui/proplist/editors/ButtonColor.h"
#include "ztui/proplist/editors/item_ctrl.h"

namespace zt {

class PropertyItem_imp;

class ZTUI_EXPORT item_ctrl_color_button final : public item_ctrl
{
public:
    item_ctrl_color_button(PropertyItem_imp& item, CWnd* parent, UINT id);
    ~item_ctrl_color_button() override;

    HWND window() const override { return m_button.m_hWnd; }
    void move(const RECT& rect) override;
    bool rebind(PropertyItem_imp& item, int part) override;
    ButtonColor& button() { return m_button; }

private:
    // A writable item takes the chosen colour and hears of it; a read-only one does not.
    void Bind(PropertyItem_imp& item);

    ButtonColor m_button;
};

} // namespace zt
