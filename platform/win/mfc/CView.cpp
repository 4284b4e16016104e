#include "platform/win/mfc/CView.h"

#include "platform/win/afxgdi.h"
#include "platform/win/mfc/CDocument.h"
#include "platform/win/mfc/CFrameWnd.h"
#include "platform/win/mfc/CPaintDC.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
ON_WM_PAINT()
ON_WM_MOUSEACTIVATE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CView::CView() = default;
CView::~CView()
{
    SetDocument(nullptr);
}

void CView::SetDocument(CDocument* pDocument)
{
    if (m_pDocument == pDocument)
        return;
    if (m_pDocument)
        m_pDocument->RemoveView(this);
    m_pDocument = pDocument;
    if (m_pDocument)
        m_pDocument->AddView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = AFX_WNDFRAMEORVIEW;
    // A view asks for a border and gets the sunken client edge instead, as views always have.
    if (cs.style & WS_BORDER) {
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
        cs.style &= ~static_cast<LONG>(WS_BORDER);
    }
    cs.style |= WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    return TRUE;
}

void CView::PostNcDestroy()
{
    delete this;
}

CFrameWnd* CView::GetParentFrame() const
{
    for (HWND h = ::GetParent(m_hWnd); h; h = ::GetParent(h)) {
        CWnd* w = FromHandlePermanent(h);
        if (w && w->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return static_cast<CFrameWnd*>(w);
    }
    return nullptr;
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnDraw(&dc);
}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    int result = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (result == MA_NOACTIVATE || result == MA_NOACTIVATEANDEAT)
        return result;
    // Clicking a view makes it the active view and gives it the keyboard.
    if (CFrameWnd* frame = GetParentFrame())
        frame->SetActiveView(this);
    if (::GetFocus() != m_hWnd && !::IsChild(m_hWnd, ::GetFocus()))
        ::SetFocus(m_hWnd);
    return result;
}

void CView::OnDestroy()
{
    if (CFrameWnd* frame = GetParentFrame())
        if (frame->GetActiveView() == this)
            frame->SetActiveView(nullptr);
    CWnd::OnDestroy();
}
