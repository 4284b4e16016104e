#include "platform/host/MainFrame.h"

#include "platform/host/Executors.h"
#include "platform/host/MainFrameEvent.h"

namespace zt::host {

namespace {

// Set and cleared on the user-interface thread only.
HostMainFrame* g_mainFrame = nullptr;

} // namespace

IMPLEMENT_DYNCREATE(HostGraphicsView, ViewWindow)

IMPLEMENT_DYNCREATE(HostMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(HostMainFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

int HostMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    auto* view = new HostGraphicsView;
    CRect rc;
    GetClientRect(&rc);
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, rc, this,
                      AFX_IDW_PANE_FIRST)) {
        delete view;
        return -1;
    }
    m_view = view;
    SetActiveView(view);
    return 0;
}

void HostMainFrame::OnDestroy()
{
    Tessel::TSMainFrameEventListener::Get().NotifyMainFrameClosing();
    m_view = nullptr;
    CFrameWnd::OnDestroy();
}

void HostMainFrame::PostNcDestroy()
{
    if (g_mainFrame == this)
        g_mainFrame = nullptr;
    CFrameWnd::PostNcDestroy();
}

HostMainFrame* CreateMainFrame(const RECT& rect, int showCmd)
{
    HostMainFrame* result = nullptr;
    Executors::Get().RunOnUIAndWait([&] {
        if (g_mainFrame) {
            result = g_mainFrame;
            return;
        }
        auto* frame = new HostMainFrame;
        if (!frame->Create(nullptr, L"Tessel", WS_OVERLAPPEDWINDOW, rect)) {
            delete frame;
            return;
        }
        g_mainFrame = frame;
        if (CWinApp* app = AfxGetApp())
            app->m_pMainWnd = frame;
        frame->ShowWindow(showCmd);
        frame->UpdateWindow();
        result = frame;
        Tessel::TSMainFrameEventListener::Get().NotifyMainFrameReady();
    });
    return result;
}

void DestroyMainFrame()
{
    Executors::Get().RunOnUIAndWait([] {
        if (g_mainFrame && g_mainFrame->m_hWnd)
            g_mainFrame->DestroyWindow();
    });
}

} // namespace zt::host

CWnd* getMainFrameWnd()
{
    return zt::host::g_mainFrame;
}
