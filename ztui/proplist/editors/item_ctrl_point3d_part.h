#pragma once
// The editor holder of one coordinate row (X, Y or Z) of a point item. The row shows the
// item's current coordinate (or the mixed-value placeholder), taken up whenever a value of the
// item is set; a commit writes the typed number into that coordinate of the point, except for the placeholder
// left as it stands.

#include "ztui/proplist/editors/actrl_point3d_part.h"
#include "ztui/proplist/editors/item_ctrl.h"

namespace zt {

class PropertyItem_imp;

class ZTUI_EXPORT item_ctrl_point3d_part final : public item_ctrl
{
public:
    // part: 0, 1 or 2 for X, Y, Z (anything else counts as the nearest of them).
    item_ctrl_point3d_part(PropertyItem_imp& item, int part, CWnd* parent, UINT id);
    ~item_ctrl_point3d_part() override;

    HWND window() const override { return m_window.m_hWnd; }
    void move(const RECT& rect) override;
    void itemChanged() override;
    bool rebind(PropertyItem_imp& item, int part) override;

    actrl_point3d_part& composite() { return m_window; }
    int part() const { return m_part; }

    // The text-committed callback: the leading number of the text (0 without one) becomes
    // the coordinate, then the owner hears valueChanged.
    void onTextCommitted(const CString& text);
    // The button callback: the owner hears buttonClicked.
    void onButton();

private:
    CString CoordinateText() const;

    PropertyItem_imp* m_item;
    int m_part;
    actrl_point3d_part m_window;
};

} // namespace zt
