#pragma once
// The editor of image-list rows: a choice-only drop-down whose entries show the item's images.
// It keeps the font its window uses for as long as it lives.

#include "ztui/proplist/editors/actrl_ComboBoxEx.h"
#include "ztui/proplist/editors/actrl_ComboBoxEx_msgHook.h"
#include "ztui/proplist/editors/ctrl_object.h"

namespace zt {

class ZTUI_EXPORT ctrl_comboboxEx final : public ctrl_object, public actrl_ComboBoxEx_msgHook
{
public:
    static constexpr int kListExtent = 100;
    static constexpr const wchar_t* kFontFace = L"宋体";
    static constexpr int kFontHeight = 14;
    static constexpr int kFontWeight = 400;

    bool create(CWnd* parent, PropertyItem_imp& item, UINT id, DWORD extraStyle) override;
    bool rebind(PropertyItem_imp& item) override;
    HWND window() const override { return m_combo.m_hWnd; }
    void move(const RECT& rect) override;

    void onSelChange(actrl_ComboBoxEx* combo, int index) override;
    // The image drop-down has no typing field.
    void onEditEnter(actrl_ComboBoxEx*, const CString&) override {}

    actrl_ComboBoxEx& combo() { return m_combo; }
    const CFont& font() const { return m_font; }

private:
    // Entries, selection and placeholder of the item, into an empty window.
    void Fill(PropertyItem_imp& item);

    PropertyItem_imp* m_item = nullptr;
    // Declared before the window so that it outlives it.
    CFont m_font;
    actrl_ComboBoxEx m_combo;
};

} // namespace zt
