#pragma once
// The host's command line as a window: a one-line strip along the bottom of the main frame
// that shows the prompt and what is typed, and feeds every character it gets to the command
// line (where a loaded library's hook sees it first).

#include "platform/win/afxwin.h"

namespace zt::host {

class CommandLineBar : public CWnd
{
    DECLARE_DYNAMIC(CommandLineBar)
public:
    static constexpr int kHeight = 26;
    static constexpr COLORREF kBackground = RGB(250, 250, 250);

    BOOL Create(CWnd* parent, UINT id);

    // The words before the typed text, for instance what the active tool asks for.
    void SetPrompt(const CString& prompt);
    const CString& GetPrompt() const { return m_prompt; }
    // Repaints after the command line's text changed elsewhere.
    void Refresh();

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

private:
    CString m_prompt = L"命令:";
    bool m_focused = false;
};

} // namespace zt::host
