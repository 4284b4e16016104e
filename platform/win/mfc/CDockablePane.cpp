#include "platform/win/mfc/CDockablePane.h"

#include "platform/win/mfc/CPaintDC.h"

IMPLEMENT_DYNAMIC(CDockablePane, CWnd)

BEGIN_MESSAGE_MAP(CDockablePane, CWnd)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BOOL CDockablePane::Create(LPCTSTR lpszCaption, CWnd* pParentWnd, const RECT& rect,
                           BOOL bHasGripper, UINT nID, DWORD dwStyle)
{
    m_bHasGripper = bHasGripper;
    LPCTSTR cls = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW), nullptr);
    return CreateEx(WS_EX_CONTROLPARENT, cls, lpszCaption,
                    dwStyle | WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, rect, pParentWnd, nID);
}

void CDockablePane::GetHostRect(LPRECT lpRect) const
{
    if (!lpRect)
        return;
    GetClientRect(lpRect);
    lpRect->top += GetCaptionHeight();
    if (lpRect->top > lpRect->bottom)
        lpRect->top = lpRect->bottom;
}

BOOL CDockablePane::SetHostedWindow(CWnd* pWnd)
{
    m_pHosted = pWnd;
    if (!pWnd || !pWnd->m_hWnd || !m_hWnd)
        return pWnd == nullptr;
    pWnd->ModifyStyle(WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, WS_CHILD);
    pWnd->ModifyStyleEx(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE, WS_EX_CONTROLPARENT);
    pWnd->SetParent(this);
    RECT r;
    GetHostRect(&r);
    pWnd->MoveWindow(&r);
    pWnd->ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CDockablePane::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CDockablePane::OnPaint()
{
    CPaintDC dc(this);
    RECT client;
    GetClientRect(&client);
    RECT body = client;
    body.top += GetCaptionHeight();
    ::FillRect(dc.m_hDC, &body, ::GetSysColorBrush(COLOR_BTNFACE));
    if (!m_bHasGripper)
        return;
    RECT caption{client.left, client.top, client.right, client.top + kCaptionHeight};
    bool active =
        m_hWnd && ::GetFocus() && (::GetFocus() == m_hWnd || ::IsChild(m_hWnd, ::GetFocus()));
    ::FillRect(dc.m_hDC, &caption,
               ::GetSysColorBrush(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    CString title;
    GetWindowText(title);
    HGDIOBJ old = ::SelectObject(dc.m_hDC, ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(dc.m_hDC, TRANSPARENT);
    ::SetTextColor(dc.m_hDC, ::GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    RECT text{caption.left + 4, caption.top, caption.right - 4, caption.bottom};
    ::DrawTextW(dc.m_hDC, title, title.GetLength(), &text,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    ::SelectObject(dc.m_hDC, old);
}

void CDockablePane::OnSize(UINT, int, int)
{
    if (m_pHosted && m_pHosted->m_hWnd && ::GetParent(m_pHosted->m_hWnd) == m_hWnd) {
        RECT r;
        GetHostRect(&r);
        m_pHosted->MoveWindow(&r);
    }
    Invalidate();
}
