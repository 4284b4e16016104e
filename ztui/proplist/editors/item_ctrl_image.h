#pragma once
// The editor holder of an image row: a button showing the item's picture, with the item's
// name as caption. Pressing it asks the owner (buttonClicked) unless the item is read-only.

#include "ztui/proplist/editors/ButtonBitmap.h"
#include "ztui/proplist/editors/item_ctrl.h"

namespace zt {

class PropertyItem_imp;

class ZTUI_EXPORT item_ctrl_image final : public item_ctrl
{
public:
    item_ctrl_image(PropertyItem_imp& item, CWnd* parent, UINT id);
    ~item_ctrl_image() override;

    HWND window() const override { return m_button.m_hWnd; }
    void move(const RECT& rect) override;
    // A new picture replaces (and deletes) the item's old one: the button lets go of it.
    void itemChanged() override;
    bool rebind(PropertyItem_imp& item, int part) override;

    ButtonBitmap& button() { return m_button; }

    // The click callback, installed only for writable items.
    void onClick(UINT id);

private:
    PropertyItem_imp* m_item;
    ButtonBitmap m_button;
};

} // namespace zt
