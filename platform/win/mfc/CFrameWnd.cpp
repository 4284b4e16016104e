#include "platform/win/mfc/CFrameWnd.h"

#include "platform/win/afxgdi.h"
#include "platform/win/mfc/CDocument.h"
#include "platform/win/mfc/CView.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const RECT CFrameWnd::rectDefault = {CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_WM_CLOSE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd() = default;
CFrameWnd::~CFrameWnd() = default;

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                       const RECT& rect, CWnd* pParentWnd, LPCTSTR, DWORD dwExStyle,
                       CCreateContext*)
{
    bool useDefault = rect.left == CW_USEDEFAULT;
    int x = useDefault ? CW_USEDEFAULT : rect.left;
    int y = useDefault ? CW_USEDEFAULT : rect.top;
    int cx = useDefault ? CW_USEDEFAULT : rect.right - rect.left;
    int cy = useDefault ? CW_USEDEFAULT : rect.bottom - rect.top;
    m_strTitle = lpszWindowName ? lpszWindowName : L"";
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, cx, cy,
                    pParentWnd ? pParentWnd->m_hWnd : nullptr, nullptr);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = AFX_WNDFRAMEORVIEW;
    cs.style |= WS_CLIPCHILDREN;
    return TRUE;
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL)
{
    m_pViewActive = pViewNew;
}

CDocument* CFrameWnd::GetActiveDocument()
{
    return m_pViewActive ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!m_hWnd)
        return;
    CDocument* doc = GetActiveDocument();
    CString caption = m_strTitle;
    if (bAddToTitle && doc && !doc->GetTitle().IsEmpty())
        caption = m_strTitle.IsEmpty() ? doc->GetTitle() : doc->GetTitle() + L" - " + m_strTitle;
    SetWindowText(caption);
}

void CFrameWnd::RecalcLayout(BOOL)
{
    HWND pane = ::GetDlgItem(m_hWnd, static_cast<int>(AFX_IDW_PANE_FIRST));
    if (!pane)
        return;
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    ::SetWindowPos(pane, nullptr, 0, 0, rc.right, rc.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive && m_pViewActive->m_hWnd)
        ::SetFocus(m_pViewActive->m_hWnd);
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::OnClose()
{
    DestroyWindow();
}

void CFrameWnd::OnDestroy()
{
    m_pViewActive = nullptr;
    CWnd::OnDestroy();
}
