#pragma once
// A frame window: a top-level window whose client area is filled by its view (the child with
// id AFX_IDW_PANE_FIRST). Frames are created with new and delete themselves when their window
// is destroyed.

#include "platform/base/CString.h"
#include "platform/win/mfc/CWnd.h"

class CDocument;
class CView;

inline constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    static const RECT rectDefault;

    CFrameWnd();
    ~CFrameWnd() override;

    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                        DWORD dwStyle = WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                        CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
                        DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    using CWnd::Create;

    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    // The document of the active view, or null.
    virtual CDocument* GetActiveDocument();
    // Captions the frame "document title - frame title" (the frame title alone without a
    // document). The frame title is the window name the frame was created with.
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    const CString& GetTitle() const { return m_strTitle; }
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle ? lpszTitle : L""; }
    // Gives the whole client area to the view.
    virtual void RecalcLayout(BOOL bNotify = TRUE);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PostNcDestroy() override;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    CView* m_pViewActive = nullptr;
    CString m_strTitle;
};
