#pragma once
// The editor holder of ordinary and angle rows: one editor chosen by the item's kind.

#include "ztui/proplist/editors/ctrl_object.h"
#include "ztui/proplist/editors/item_ctrl.h"

#include <memory>

namespace zt {

class PropertyItem_imp;

class ZTUI_EXPORT item_ctrl_simple final : public item_ctrl
{
public:
    // Builds the editor of the item's kind; a kind without one leaves the holder empty.
    item_ctrl_simple(PropertyItem_imp& item, CWnd* parent, UINT id);
    ~item_ctrl_simple() override;
    // Whether the item's kind has an editor at all (a point list shows only its text).
    static bool HasEditor(const PropertyItem_imp& item);

    HWND window() const override;
    void move(const RECT& rect) override;
    void itemChanged() override;
    bool rebind(PropertyItem_imp& item, int part) override;
    ctrl_object* editor() const { return m_editor.get(); }

private:
    std::unique_ptr<ctrl_object> m_editor;
};

} // namespace zt
