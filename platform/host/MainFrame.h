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

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

private:
    HostGraphicsView* m_view = nullptr;
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
