#include "platform/host/MainFrame.h"

#include "platform/host/Executors.h"
#include "platform/host/MainFrameEvent.h"

#include <algorithm>

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

void HostMainFrame::SetEdgeWindows(CWnd* top, CWnd* bottom, CWnd* right, int rightWidth)
{
    m_top = top;
    m_bottom = bottom;
    m_right = right;
    m_rightWidth = std::max(rightWidth, 0);
    RecalcLayout();
}

void HostMainFrame::RecalcLayout(BOOL bNotify)
{
    if (!m_top && !m_bottom && !m_right) {
        CFrameWnd::RecalcLayout(bNotify);
        return;
    }
    CRect rc;
    GetClientRect(&rc);
    auto heightOf = [](CWnd* w) {
        CRect r;
        w->GetWindowRect(&r);
        return r.Height();
    };
    auto place = [](CWnd* w, int x, int y, int cx, int cy) {
        if (w && w->m_hWnd)
            w->SetWindowPos(nullptr, x, y, std::max(cx, 0), std::max(cy, 0),
                            SWP_NOZORDER | SWP_NOACTIVATE);
    };
    int top = m_top && m_top->m_hWnd ? heightOf(m_top) : 0;
    int bottom = m_bottom && m_bottom->m_hWnd ? heightOf(m_bottom) : 0;
    // A hidden pane gives its room to the view.
    bool rightShown = m_right && m_right->m_hWnd && (m_right->GetStyle() & WS_VISIBLE);
    int right = rightShown ? std::min(m_rightWidth, rc.Width() / 2) : 0;
    int middle = rc.Height() - top - bottom;
    place(m_top, 0, 0, rc.Width(), top);
    place(m_bottom, 0, rc.bottom - bottom, rc.Width(), bottom);
    place(m_right, rc.right - right, top, right, middle);
    place(m_view, 0, top, rc.Width() - right, middle);
}

void HostMainFrame::OnDestroy()
{
    m_top = m_bottom = m_right = nullptr;
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
