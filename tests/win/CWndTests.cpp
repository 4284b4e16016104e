// The class library's window object: message maps, reflection, the pre-translate chain,
// subclassing, the handle map and run-time classes.
#include "platform/win/afxwin.h"
#include "tests/support/DesktopFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_events;

class Panel : public CWnd
{
    DECLARE_DYNCREATE(Panel)
public:
    BOOL preTranslateResult = FALSE;
    int commands = 0;
    UINT lastRangeId = 0;
    int notifications = 0;
    CPoint lastDown;
    int created = 0;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN)
            g_events.push_back("pre:panel");
        return preTranslateResult;
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT cs)
    {
        ++created;
        return CWnd::OnCreate(cs);
    }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point)
    {
        lastDown = point;
        g_events.push_back("down");
        CWnd::OnLButtonDown(nFlags, point);
    }
    afx_msg void OnKeyDown(UINT nChar, UINT, UINT)
    {
        g_events.push_back("key:" + std::to_string(nChar));
    }
    afx_msg void OnOk() { ++commands; }
    afx_msg void OnRange(UINT id) { lastRangeId = id; }
    afx_msg void OnChildNotify(NMHDR*, LRESULT* result)
    {
        ++notifications;
        *result = 77;
    }
    afx_msg LRESULT OnUser(WPARAM w, LPARAM l) { return static_cast<LRESULT>(w + l); }
    afx_msg void OnTimer(UINT_PTR id) { g_events.push_back("timer:" + std::to_string(id)); }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(Panel, CWnd)

BEGIN_MESSAGE_MAP(Panel, CWnd)
ON_WM_CREATE()
ON_WM_LBUTTONDOWN()
ON_WM_KEYDOWN()
ON_WM_TIMER()
ON_COMMAND(100, OnOk)
ON_COMMAND_RANGE(200, 210, OnRange)
ON_NOTIFY(55, 300, OnChildNotify)
ON_MESSAGE(WM_USER + 10, OnUser)
END_MESSAGE_MAP()

// A control that handles its own notifications through reflection.
class Gauge : public CWnd
{
    DECLARE_DYNAMIC(Gauge)
public:
    int clicked = 0;
    int drawn = 0;
    bool declineClicks = false;

protected:
    afx_msg void OnClicked() { ++clicked; }
    afx_msg void DrawItem(LPDRAWITEMSTRUCT) { ++drawn; }
    afx_msg HBRUSH CtlColor(CDC*, UINT) { return static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)); }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNAMIC(Gauge, CWnd)

BEGIN_MESSAGE_MAP(Gauge, CWnd)
ON_CONTROL_REFLECT(7, OnClicked)
ON_WM_DRAWITEM_REFLECT()
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class Frame : public CWnd
{
public:
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN)
            g_events.push_back("pre:frame");
        return FALSE;
    }
};

struct CWndTest : ::testing::Test
{
    DesktopFixture desk;
    void SetUp() override { g_events.clear(); }
};

TEST_F(CWndTest, CreateAttachesTheObjectBeforeWmCreateAndMapsTheHandle)
{
    Panel panel;
    ASSERT_TRUE(
        panel.CreateEx(0, nullptr, L"p", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr));
    EXPECT_EQ(panel.created, 1);
    EXPECT_EQ(CWnd::FromHandlePermanent(panel.m_hWnd), &panel);
    EXPECT_EQ(CWnd::FromHandle(panel.m_hWnd), &panel);
    wchar_t cls[64];
    ::GetClassNameW(panel.m_hWnd, cls, 64);
    EXPECT_STREQ(cls, AFX_WND);
    HWND h = panel.m_hWnd;
    EXPECT_TRUE(panel.DestroyWindow());
    EXPECT_EQ(panel.m_hWnd, nullptr) << "WM_NCDESTROY detached the object";
    EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
}

TEST_F(CWndTest, MessageMapHandlersGetUnpackedArguments)
{
    Panel panel;
    panel.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, 100, 100, 200, 100, nullptr, nullptr);
    desk.click(130, 140);
    EXPECT_EQ(panel.lastDown.x, 30);
    EXPECT_EQ(panel.lastDown.y, 40);
    EXPECT_EQ(panel.SendMessage(WM_USER + 10, 3, 4), 7);
    panel.SendMessage(WM_COMMAND, MAKEWPARAM(100, 0), 0);
    EXPECT_EQ(panel.commands, 1);
    panel.SendMessage(WM_COMMAND, MAKEWPARAM(205, 0), 0);
    EXPECT_EQ(panel.lastRangeId, 205u);
    panel.SetTimer(9, 50);
    desk.advance(50);
    EXPECT_EQ(g_events.back(), "timer:9");
}

TEST_F(CWndTest, NotificationsReachTheParentsMapWithTheirResult)
{
    Panel panel;
    panel.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr);
    HWND child = ::CreateWindowExW(0, AFX_WND, L"", WS_CHILD, 0, 0, 10, 10, panel.m_hWnd,
                                   reinterpret_cast<HMENU>(300), nullptr, nullptr);
    NMHDR nm{child, 300, 55};
    LRESULT r = panel.SendMessage(WM_NOTIFY, 300, reinterpret_cast<LPARAM>(&nm));
    EXPECT_EQ(panel.notifications, 1);
    EXPECT_EQ(r, 77);
    nm.code = 56;
    EXPECT_EQ(panel.SendMessage(WM_NOTIFY, 300, reinterpret_cast<LPARAM>(&nm)), 0);
    EXPECT_EQ(panel.notifications, 1);
}

TEST_F(CWndTest, ControlNotificationsAreReflectedToTheControlFirst)
{
    Panel parent;
    parent.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr);
    Gauge gauge;
    ASSERT_TRUE(gauge.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 20, 20), &parent, 201));
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(201, 7), reinterpret_cast<LPARAM>(gauge.m_hWnd));
    EXPECT_EQ(gauge.clicked, 1);
    EXPECT_EQ(parent.lastRangeId, 0u) << "the reflected handler consumed it";
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(201, 8), reinterpret_cast<LPARAM>(gauge.m_hWnd));
    EXPECT_EQ(parent.lastRangeId, 0u) << "code 8 is not a command";
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(202, 0), reinterpret_cast<LPARAM>(gauge.m_hWnd));
    EXPECT_EQ(parent.lastRangeId, 202u) << "an unreflected notification reaches the parent";

    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_BUTTON;
    dis.hwndItem = gauge.m_hWnd;
    EXPECT_EQ(parent.SendMessage(WM_DRAWITEM, 201, reinterpret_cast<LPARAM>(&dis)), TRUE);
    EXPECT_EQ(gauge.drawn, 1);

    HDC dc = ::GetDC(gauge.m_hWnd);
    LRESULT brush = parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(gauge.m_hWnd));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), GetStockObject(BLACK_BRUSH));
    ::ReleaseDC(gauge.m_hWnd, dc);
}

TEST_F(CWndTest, PreTranslateWalksFromTheTargetUpToTheTopLevel)
{
    Frame frame;
    frame.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr);
    Panel panel;
    panel.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 100, 100), &frame, 1);
    panel.SetFocus();
    desk.key('A');
    EXPECT_EQ(g_events, (std::vector<std::string>{"pre:panel", "pre:frame", "key:65"}));
    g_events.clear();
    panel.preTranslateResult = TRUE;
    desk.key('B');
    EXPECT_EQ(g_events, (std::vector<std::string>{"pre:panel"})) << "consumed: not dispatched";
}

TEST_F(CWndTest, ApplicationLoopPreTranslatesThroughTheMainWindow)
{
    CWinApp app(L"test");
    Frame frame;
    frame.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr);
    app.m_pMainWnd = &frame;
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_EQ(AfxGetMainWnd(), &frame);
    frame.SetFocus();
    keybd_event('C', 0, 0, 0);
    EXPECT_TRUE(app.PumpMessage());
    EXPECT_EQ(g_events, (std::vector<std::string>{"pre:frame"}));
    PostQuitMessage(5);
    EXPECT_EQ(app.Run(), 5) << "Run ends with the quit code";
    app.m_pMainWnd = nullptr;
}

TEST_F(CWndTest, SubclassingAnExistingWindowRoutesItsMessagesThroughTheMap)
{
    HWND plain = ::CreateWindowExW(0, AFX_WND, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   nullptr, nullptr);
    if (!plain) {
        AfxEnsureStandardClass(AFX_WND);
        plain = ::CreateWindowExW(0, AFX_WND, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    }
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(plain), nullptr);
    CWnd* temp = CWnd::FromHandle(plain);
    ASSERT_NE(temp, nullptr);
    EXPECT_EQ(CWnd::FromHandle(plain), temp) << "one temporary object per window";
    Panel panel;
    ASSERT_TRUE(panel.SubclassWindow(plain));
    EXPECT_EQ(CWnd::FromHandle(plain), &panel);
    EXPECT_EQ(::SendMessageW(plain, WM_USER + 10, 1, 2), 3);
    EXPECT_EQ(panel.UnsubclassWindow(), plain);
    EXPECT_EQ(::SendMessageW(plain, WM_USER + 10, 1, 2), 0);
    ::DestroyWindow(plain);
}

class SelfDeleting : public CWnd
{
public:
    static int deleted;
    ~SelfDeleting() override { ++deleted; }
    void PostNcDestroy() override { delete this; }
};
int SelfDeleting::deleted = 0;

TEST_F(CWndTest, PostNcDestroyRunsAfterTheWindowIsGone)
{
    auto* w = new SelfDeleting;
    w->CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    HWND h = w->m_hWnd;
    ::DestroyWindow(h);
    EXPECT_EQ(SelfDeleting::deleted, 1);
}

TEST_F(CWndTest, DestroyingTheObjectDestroysItsWindow)
{
    HWND h = nullptr;
    {
        Panel panel;
        panel.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
        h = panel.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(h));
}

TEST_F(CWndTest, RunTimeClassesKnowTheirBasesAndCreateObjects)
{
    EXPECT_TRUE(RUNTIME_CLASS(Panel)->IsDerivedFrom(RUNTIME_CLASS(CWnd)));
    EXPECT_FALSE(RUNTIME_CLASS(CWnd)->IsDerivedFrom(RUNTIME_CLASS(Panel)));
    EXPECT_STREQ(RUNTIME_CLASS(Gauge)->m_lpszClassName, "Gauge");
    CObject* made = RUNTIME_CLASS(Panel)->CreateObject();
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CCmdTarget)));
    EXPECT_NE(DYNAMIC_DOWNCAST(Panel, made), nullptr);
    EXPECT_EQ(DYNAMIC_DOWNCAST(Gauge, made), nullptr);
    delete made;
    EXPECT_EQ(RUNTIME_CLASS(Gauge)->CreateObject(), nullptr) << "DYNAMIC only, no factory";
}

int g_hookCalls = 0;
BOOL CountingPreTranslate(CWnd*, MSG* msg)
{
    if (msg->message != WM_KEYDOWN && msg->message != WM_KEYUP)
        return FALSE;
    ++g_hookCalls;
    return TRUE;
}

TEST_F(CWndTest, OperationTableReplacesPreTranslateForEveryObjectOfTheClass)
{
    g_hookCalls = 0;
    Panel early;
    early.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr);
    RUNTIME_CLASS(Panel)->m_wndOps.pfnPreTranslateMessage = &CountingPreTranslate;
    Panel late;
    late.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, 200, 0, 100, 100, nullptr, nullptr);
    early.SetFocus();
    desk.key('A');
    late.SetFocus();
    desk.key('B');
    RUNTIME_CLASS(Panel)->m_wndOps.pfnPreTranslateMessage = nullptr;
    EXPECT_EQ(g_hookCalls, 4) << "key down and up of both objects";
    EXPECT_TRUE(g_events.empty()) << "the hook consumed every key";
}

class Painted : public CWnd
{
public:
    COLORREF colour = RGB(0, 0, 0);

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        dc.FillSolidRect(&rc, colour);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Painted, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

TEST_F(CWndTest, APaintMessageEatenByPreTranslateDoesNotComeBackForever)
{
    RUNTIME_CLASS(Panel)->m_wndOps.pfnPreTranslateMessage = [](CWnd*, MSG*) -> BOOL {
        return TRUE;
    };
    Panel panel;
    panel.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr);
    std::size_t n = desk.pump();
    RUNTIME_CLASS(Panel)->m_wndOps.pfnPreTranslateMessage = nullptr;
    EXPECT_LT(n, 10u);
}

TEST_F(CWndTest, PaintDCDrawsIntoTheWindowOnTheScreen)
{
    Painted w;
    w.colour = RGB(12, 34, 56);
    w.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, 10, 10, 50, 50, nullptr, nullptr);
    EXPECT_EQ(desk.pixel(30, 30), RGB(12, 34, 56));
    CClientDC dc(&w);
    dc.SetPixel(1, 1, RGB(200, 0, 0));
    EXPECT_EQ(dc.GetPixel(1, 1), RGB(200, 0, 0));
}

} // namespace
