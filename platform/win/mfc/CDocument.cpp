#include "platform/win/mfc/CDocument.h"

#include "platform/win/mfc/CFrameWnd.h"
#include "platform/win/mfc/CView.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

CDocument::CDocument() = default;

CDocument::~CDocument()
{
    // Views outlive a document only by mistake; they must not point at it any more.
    for (CView* view : std::vector<CView*>(m_views))
        view->SetDocument(nullptr);
}

void CDocument::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle ? lpszTitle : L"";
    UpdateFrameCounts();
}

void CDocument::AddView(CView* pView)
{
    if (pView && std::find(m_views.begin(), m_views.end(), pView) == m_views.end())
        m_views.push_back(pView);
}

void CDocument::RemoveView(CView* pView)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), pView), m_views.end());
}

void CDocument::UpdateFrameCounts()
{
    for (CView* view : m_views) {
        if (!view->m_hWnd)
            continue;
        if (CFrameWnd* frame = view->GetParentFrame())
            frame->OnUpdateFrameTitle(TRUE);
    }
}
