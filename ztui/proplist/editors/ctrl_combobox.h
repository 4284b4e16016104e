#pragma once
// The editor of list rows, choice only or with typing. The window's entries are the item's
// entries in order; a mixed value adds the placeholder as one more entry at the end, which is
// shown but never written into the item.

#include "ztui/proplist/editors/actrl_ComboBox.h"
#include "ztui/proplist/editors/actrl_ComboBox_msgHook.h"
#include "ztui/proplist/editors/ctrl_object.h"

namespace zt {

class ZTUI_EXPORT ctrl_combobox final : public ctrl_object, public actrl_ComboBox_msgHook
{
public:
    // The open list's room below the selection field.
    static constexpr int kListExtent = 100;

    // extraStyle: CBS_DROPDOWNLIST or CBS_DROPDOWN.
    bool create(CWnd* parent, PropertyItem_imp& item, UINT id, DWORD extraStyle) override;
    bool rebind(PropertyItem_imp& item) override;
    HWND window() const override { return m_combo.m_hWnd; }
    void move(const RECT& rect) override;

    void onSelChange(actrl_ComboBox* combo, int index) override;
    // A text not among the entries becomes a new entry of the window and of the item (before
    // the placeholder, so that window and item indices stay equal); either way it is then
    // chosen as if picked from the list. Empty text is ignored.
    void onEditEnter(actrl_ComboBox* combo, const CString& text) override;

    actrl_ComboBox& combo() { return m_combo; }

private:
    // Entries, selection and placeholder of the item, into an empty window.
    void Fill(PropertyItem_imp& item);

    PropertyItem_imp* m_item = nullptr;
    actrl_ComboBox m_combo;
};

} // namespace zt
