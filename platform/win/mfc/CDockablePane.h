#pragma once
// A minimal docking pane: a child window with a caption bar that hosts one window (usually a
// dialog) in the rest of its client area and keeps it sized to fit. The caption carries a close
// box; a pane that is shown or hidden (ShowPane, the close box) asks its frame to lay out its
// edges again, so that the view takes the room of a hidden pane.

#include "platform/win/mfc/CWnd.h"

class CDockablePane : public CWnd
{
    DECLARE_DYNAMIC(CDockablePane)
public:
    static constexpr int kCaptionHeight = 20;
    // The close box at the caption's right end.
    static constexpr int kCloseBoxSize = 16;

    CDockablePane() = default;
    virtual BOOL Create(LPCTSTR lpszCaption, CWnd* pParentWnd, const RECT& rect, BOOL bHasGripper,
                        UINT nID, DWORD dwStyle = WS_CHILD | WS_VISIBLE);
    // Makes the window a child of the pane below the caption; a pop-up dialog loses its
    // frame. NULL leaves the pane empty.
    BOOL SetHostedWindow(CWnd* pWnd);
    CWnd* GetHostedWindow() const { return m_pHosted; }
    // The client area below the caption.
    void GetHostRect(LPRECT lpRect) const;
    int GetCaptionHeight() const { return m_bHasGripper ? kCaptionHeight : 0; }
    // The close box in client coordinates; empty without a caption.
    CRect GetCloseBoxRect() const;

    // Shows or hides the pane and has the frame it is docked in lay its edges out again.
    // bDelay and bActivate are accepted for the callers' sake; the pane is shown without
    // activation and at once.
    virtual void ShowPane(BOOL bShow, BOOL bDelay, BOOL bActivate);
    BOOL IsPaneVisible() const { return m_hWnd && (GetStyle() & WS_VISIBLE) != 0; }

protected:
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    CWnd* m_pHosted = nullptr;
    BOOL m_bHasGripper = TRUE;
};
