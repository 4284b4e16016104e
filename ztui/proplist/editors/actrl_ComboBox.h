#pragma once
// The drop-down of list rows. Owner-drawn so that entries and the closed face follow the style
// tree; it reports selection changes and Enter in its typing field to its editor, and it does
// not let the mouse wheel change the value: a user scrolling the property list over it would
// otherwise change properties without noticing. The wheel goes to the list instead.

#include "platform/base/CString.h"
#include "platform/win/afxwin.h"
#include "ztui/ZTUiExport.h"

namespace zt {

class actrl_ComboBox_msgHook;

class ZTUI_EXPORT actrl_ComboBox : public CComboBox
{
public:
    // Entries and the selection field are this tall.
    static constexpr int kEntryHeight = 18;
    static constexpr DWORD kBaseStyle =
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS;

    actrl_ComboBox() = default;
    ~actrl_ComboBox() override;

    void SetHook(actrl_ComboBox_msgHook* hook) { m_hook = hook; }
    // extraStyle: CBS_DROPDOWNLIST (choice only) or CBS_DROPDOWN (with typing); anything else
    // counts as choice only.
    BOOL CreateCombo(const RECT& rect, CWnd* parent, UINT id, DWORD extraStyle);
    bool HasTypingField() const;
    // The typing field's window; null for a choice-only drop-down.
    HWND TypingField() const;
    // Index of the entry whose text is exactly `text` (case-sensitive), or -1.
    int FindExact(const CString& text) const;
    // Adds an entry of the standard height at `index` (-1: at the end); its new index.
    int InsertEntry(int index, const CString& text);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnSelChange();
    DECLARE_MESSAGE_MAP()

private:
    actrl_ComboBox_msgHook* m_hook = nullptr;
};

} // namespace zt
