#pragma once
// A document: what a frame's views show. It keeps its title and its views; setting the title
// puts it in the caption of every frame that shows one of its views, as "title - frame title".

#include "platform/base/CString.h"
#include "platform/win/mfc/CCmdTarget.h"

#include <vector>

class CView;

class CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCTSTR lpszTitle);

    // A view joins its document when the document is set on it (CView::SetDocument).
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    const std::vector<CView*>& GetViews() const { return m_views; }
    // Re-captions the frames of the document's views.
    void UpdateFrameCounts();

    // Public as in the class library, where host code sets it before the title operation runs.
    CString m_strTitle;

private:
    std::vector<CView*> m_views;
};
