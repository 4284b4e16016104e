#include "platform/win/mfc/CDockablePane.h"

#include "platform/win/mfc/CFrameWnd.h"
#include "platform/win/mfc/CPaintDC.h"

IMPLEMENT_DYNAMIC(CDockablePane, CWnd)

BEGIN_MESSAGE_MAP(CDockablePane, CWnd)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
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

CRect CDockablePane::GetCloseBoxRect() const
{
    if (!m_hWnd || !m_bHasGripper)
        return CRect();
    CRect client;
    GetClientRect(&client);
    int top = (kCaptionHeight - kCloseBoxSize) / 2;
    return CRect(client.right - 2 - kCloseBoxSize, top, client.right - 2, top + kCloseBoxSize);
}

void CDockablePane::ShowPane(BOOL bShow, BOOL, BOOL)
{
    if (!m_hWnd)
        return;
    ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
    if (CWnd* parent = GetParent(); parent && parent->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        static_cast<CFrameWnd*>(parent)->RecalcLayout();
}

void CDockablePane::OnLButtonDown(UINT, CPoint point)
{
    if (GetCloseBoxRect().PtInRect(point))
        ShowPane(FALSE, FALSE, FALSE);
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
    RECT text{caption.left + 4, caption.top, caption.right - 6 - kCloseBoxSize, caption.bottom};
    ::DrawTextW(dc.m_hDC, title, title.GetLength(), &text,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    ::SelectObject(dc.m_hDC, old);
    // The close box: a cross in the caption's text colour.
    CRect box = GetCloseBoxRect();
    HPEN pen = ::CreatePen(PS_SOLID, 2,
                           ::GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    HGDIOBJ oldPen = ::SelectObject(dc.m_hDC, pen);
    box.DeflateRect(4, 4);
    ::MoveToEx(dc.m_hDC, box.left, box.top, nullptr);
    ::LineTo(dc.m_hDC, box.right, box.bottom);
    ::MoveToEx(dc.m_hDC, box.right, box.top, nullptr);
    ::LineTo(dc.m_hDC, box.left, box.bottom);
    ::SelectObject(dc.m_hDC, oldPen);
    ::DeleteObject(pen);
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
