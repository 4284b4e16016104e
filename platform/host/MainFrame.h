#pragma once
// The host's main frame: a frame window whose client area is the graphics view, a child of
// class "AfxFrameOrView120u" with WS_EX_CLIENTEDGE: the CAD platform's view window, which
// shows the views of the active view set.

#include "platform/cad/ViewWindow.h"
#include "platform/cad/Viewport.h"
#include "platform/win/afxwin.h"

namespace zt::host {

class HostGraphicsView : public ViewWindow
{
    DECLARE_DYNCREATE(HostGraphicsView)
public:
    static constexpr COLORREF kBackground = Viewport::kDefaultBackground;
};

class HostMainFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(HostMainFrame)
public:
    HostGraphicsView* GetGraphicsView() const { return m_view; }

    // Windows along the edges of the client area, the view taking the rest: a bar across the
    // top (the ribbon) and one across the bottom (the command line) at their own heights, and
    // a pane down the right side at the given width (none while the pane is hidden). Null leaves
    // an edge empty. The frame does not own them.
    void SetEdgeWindows(CWnd* top, CWnd* bottom, CWnd* right, int rightWidth);
    void RecalcLayout(BOOL bNotify = TRUE) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

private:
    HostGraphicsView* m_view = nullptr;
    CWnd* m_top = nullptr;
    CWnd* m_bottom = nullptr;
    CWnd* m_right = nullptr;
    int m_rightWidth = 0;
};

// Creates the main frame on the user-interface thread (once; a second call returns the
// existing frame), shows it with showCmd, makes it the application's main window when an
// application object exists, and then tells the main-frame listeners that it is ready.
HostMainFrame* CreateMainFrame(const RECT& rect = RECT{0, 0, 1280, 800}, int showCmd = SW_SHOW);
// Destroys the main frame, if any.
void DestroyMainFrame();

} // namespace zt::host

// The host's main frame window, or null before it exists.
CWnd* getMainFrameWnd();
