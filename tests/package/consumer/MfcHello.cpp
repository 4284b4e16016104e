// The classic MFC program: an application object whose InitInstance creates a frame window
// with a message map; the frame paints, counts timer ticks and closes itself after the third.
// There is no main: MFC's entry point runs the application.

#include <afxwin.h>

static int g_ticks = 0;
static int g_paints = 0;

class CMainFrame : public CFrameWnd
{
public:
    CMainFrame() { Create(NULL, _T("Hello MFC")); }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
            return -1;
        SetTimer(1, 100, NULL);
        return 0;
    }
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        dc.TextOut(10, 10, _T("Hello, MFC!"));
        ++g_paints;
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        if (nIDEvent == 1 && ++g_ticks == 3) {
            KillTimer(1);
            DestroyWindow();
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_PAINT()
ON_WM_TIMER()
END_MESSAGE_MAP()

class CMyApp : public CWinApp
{
public:
    BOOL InitInstance() override
    {
        m_pMainWnd = new CMainFrame;
        m_pMainWnd->ShowWindow(m_nCmdShow);
        m_pMainWnd->UpdateWindow();
        return TRUE;
    }
    int ExitInstance() override
    {
        CWinApp::ExitInstance();
        return g_ticks == 3 && g_paints > 0 ? 0 : 4;
    }
};

CMyApp theApp;
