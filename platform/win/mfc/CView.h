#pragma once
// A view: the child of a frame that draws the document. Views are created with new and delete
// themselves when their window is destroyed.

#include "platform/win/mfc/CWnd.h"

class CDocument;
class CFrameWnd;

class CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
public:
    CView();
    ~CView() override;

    virtual void OnDraw(CDC* pDC) = 0;
    CFrameWnd* GetParentFrame() const;
    CDocument* GetDocument() const { return m_pDocument; }
    // Joins the document (and leaves the previous one); null leaves it.
    void SetDocument(CDocument* pDocument);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PostNcDestroy() override;

protected:
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    CDocument* m_pDocument = nullptr;
};
