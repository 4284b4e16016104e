#pragma once
// A dialog with its own background colour.

#include "platform/win/mfc/CDialog.h"

class CDialogEx : public CDialog
{
    DECLARE_DYNAMIC(CDialogEx)
public:
    CDialogEx() = default;
    explicit CDialogEx(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialogEx(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CDialogEx() override;

    // The dialog and its static controls are painted on this colour.
    void SetBackgroundColor(COLORREF color, BOOL bRepaint = TRUE);

protected:
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

private:
    HBRUSH m_brBackground = nullptr;
    COLORREF m_clrBackground = 0;
};
