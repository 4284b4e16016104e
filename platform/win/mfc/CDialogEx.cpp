#include "platform/win/mfc/CDialogEx.h"

#include "platform/win/mfc/CDC.h"

IMPLEMENT_DYNAMIC(CDialogEx, CDialog)

BEGIN_MESSAGE_MAP(CDialogEx, CDialog)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CDialogEx::CDialogEx(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd) {}

CDialogEx::CDialogEx(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : CDialog(lpszTemplateName, pParentWnd)
{}

CDialogEx::~CDialogEx()
{
    if (m_brBackground)
        ::DeleteObject(m_brBackground);
}

void CDialogEx::SetBackgroundColor(COLORREF color, BOOL bRepaint)
{
    if (m_brBackground)
        ::DeleteObject(m_brBackground);
    m_brBackground = ::CreateSolidBrush(color);
    m_clrBackground = color;
    if (bRepaint && m_hWnd)
        ::RedrawWindow(m_hWnd, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

HBRUSH CDialogEx::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (m_brBackground && (nCtlColor == CTLCOLOR_DLG || nCtlColor == CTLCOLOR_STATIC)) {
        if (pDC) {
            pDC->SetBkColor(m_clrBackground);
            pDC->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
        }
        return m_brBackground;
    }
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}
