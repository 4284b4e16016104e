#pragma once
// The value field of the tracer boxes: a single-line edit that takes numbers and the four
// arithmetic operators only, works the typed expression out when the user presses Enter or
// leaves the field, and reports both to its parent. The parent marks the field it considers
// focused with two messages, and the field paints itself in the colours they choose.

#include "platform/win/afxwin.h"
#include "ztui/ZTUiExport.h"

namespace zt {

class ZTUI_EXPORT CCustomEdit : public CEdit
{
    DECLARE_DYNAMIC(CCustomEdit)
public:
    // Sent to the parent: wParam is the control id, lParam one of the reasons below.
    static constexpr UINT kMsgValueCommitted = WM_USER + 100;
    static constexpr LPARAM kReasonEnter = 123;
    static constexpr LPARAM kReasonFocusLost = 124;
    static constexpr UINT kMsgClicked = WM_USER + 103;
    // Sent by the parent.
    static constexpr UINT kMsgShowUnfocused = WM_USER + 101;
    static constexpr UINT kMsgShowFocused = WM_USER + 102;

    static constexpr COLORREF kUnfocusedText = 0x000000;
    static constexpr COLORREF kUnfocusedBack = 0xFFFFFF;
    static constexpr COLORREF kFocusedText = 0xFFFFFF;
    static constexpr COLORREF kFocusedBack = 0xFF8533;

    CCustomEdit();
    ~CCustomEdit() override;

    // The id reported to the parent; until the owner sets one, the window's own control id.
    void SetCtrlId(UINT id);
    UINT GetCtrlId() const;

    // A read-only field takes no typing, keeps its colours and does not select its text when
    // it gains the focus. Hides CEdit::SetReadOnly so that both always agree.
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    bool IsReadOnly() const { return m_bReadOnly; }

    COLORREF GetTextColor() const { return m_clrText; }
    COLORREF GetBackColor() const { return m_clrBack; }
    // Changes both colours and repaints; read-only fields refuse, as they do the messages.
    void SetColors(COLORREF text, COLORREF back);

    // Evaluates the field's text and shows the result.
    void EvaluateAndShow();
    // True when the character would be taken now (the filter of the field, without typing it).
    bool AcceptsChar(UINT nChar) const;

protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg UINT OnGetDlgCode();
    afx_msg LRESULT OnShowUnfocused(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnShowFocused(WPARAM wParam, LPARAM lParam);
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

private:
    enum class CharAction
    {
        Reject,
        PassOn,
        AppendAtCaret,
    };
    CharAction Classify(UINT nChar) const;
    CString Text() const;
    void NotifyParent(UINT message, LPARAM lParam);

    UINT m_nCtrlId = 0;
    bool m_bCtrlIdSet = false;
    bool m_bReadOnly = false;
    COLORREF m_clrText = 0;
    COLORREF m_clrBack = 0;
    HBRUSH m_brBack = nullptr;
};

} // namespace zt
