// The graphics view hook: installed when the main frame is ready, it shows every message that
// the view pre-translates to the view-message listeners first.
#include "platform/host/MainFrame.h"
#include "platform/win/afxwin.h"
#include "tests/support/DesktopFixture.h"
#include "ztui/frame/GraphicsViewHook.h"
#include "ztui/frame/ZTUiMainFrameEventListener.h"
#include "ztui/frame/ZTUiModule.h"
#include "ztui/frame/ZTViewMsgEventListener.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace {

// A view of its own class, counting what its own pre-translation and procedure see.
class CountingView : public CView
{
    DECLARE_DYNAMIC(CountingView)
public:
    static int preTranslated;
    static int keysHandled;
    static bool throwInPreTranslate;
    void OnDraw(CDC*) override {}
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN)
            ++preTranslated;
        if (throwInPreTranslate)
            throw std::runtime_error("view failed");
        return FALSE;
    }

protected:
    afx_msg void OnKeyDown(UINT, UINT, UINT) { ++keysHandled; }
    DECLARE_MESSAGE_MAP()
};
int CountingView::preTranslated = 0;
int CountingView::keysHandled = 0;
bool CountingView::throwInPreTranslate = false;

IMPLEMENT_DYNAMIC(CountingView, CView)
BEGIN_MESSAGE_MAP(CountingView, CView)
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

class Listener : public zt::ZTViewMsgEvent
{
public:
    std::function<bool(MSG*)> onMessage;
    int calls = 0;
    int depth = 0;
    int maxDepth = 0;
    bool OnViewMessage(MSG* msg) override
    {
        if (msg->message != WM_KEYDOWN)
            return false;
        ++calls;
        maxDepth = std::max(maxDepth, ++depth);
        bool r = onMessage ? onMessage(msg) : false;
        --depth;
        return r;
    }
};

struct ViewHook : ::testing::Test
{
    DesktopFixture desk;
    CWinApp app{L"view hook test"};
    CFrameWnd* frame = nullptr;
    CountingView* view = nullptr;
    Listener listener;

    void SetUp() override
    {
        CountingView::preTranslated = 0;
        CountingView::keysHandled = 0;
        CountingView::throwInPreTranslate = false;
        frame = new CFrameWnd;
        ASSERT_TRUE(frame->Create(nullptr, L"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  CRect(0, 0, 600, 400)));
        app.m_pMainWnd = frame;
        view = AddView();
        zt::ZTViewMsgEventListener::instance().AddListener(&listener);
    }
    void TearDown() override
    {
        zt::ZTViewMsgEventListener::instance().DropListener(&listener);
        zt::UninstallGraphicsViewHook();
        app.m_pMainWnd = nullptr;
    }
    CountingView* AddView()
    {
        auto* v = new CountingView;
        CRect rc;
        frame->GetClientRect(&rc);
        EXPECT_TRUE(v->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, rc, frame,
                              AFX_IDW_PANE_FIRST));
        return v;
    }
    void KeyInto(CWnd* target, int vk = 'A')
    {
        target->SetFocus();
        desk.key(vk);
    }
};

TEST_F(ViewHook, MainFrameReadyHooksTheViewFoundByClassNameAndClientEdge)
{
    EXPECT_EQ(view->GetExStyle() & WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE);
    EXPECT_FALSE(zt::IsGraphicsViewHookInstalled());
    Tessel::TSMainFrameEventListener::Get().NotifyMainFrameReady();
    EXPECT_TRUE(zt::IsGraphicsViewHookInstalled());
    KeyInto(view);
    EXPECT_EQ(listener.calls, 1);
    EXPECT_EQ(CountingView::preTranslated, 1) << "the view's own pre-translation still runs";
    EXPECT_EQ(CountingView::keysHandled, 1);
}

TEST_F(ViewHook, WithoutAViewNothingIsHooked)
{
    view->DestroyWindow();
    Tessel::TSMainFrameEventListener::Get().NotifyMainFrameReady();
    EXPECT_FALSE(zt::IsGraphicsViewHookInstalled());
}

TEST_F(ViewHook, AConsumingListenerHidesTheMessageFromTheView)
{
    zt::InstallGraphicsViewHook();
    listener.onMessage = [](MSG*) { return true; };
    KeyInto(view);
    EXPECT_EQ(listener.calls, 1);
    EXPECT_EQ(CountingView::preTranslated, 0);
    EXPECT_EQ(CountingView::keysHandled, 0) << "neither translated nor dispatched";
}

TEST_F(ViewHook, AListenerThatPumpsDoesNotRecurseIntoTheHook)
{
    zt::InstallGraphicsViewHook();
    int nested = 0;
    listener.onMessage = [&](MSG*) {
        if (nested++ == 0) {
            keybd_event('B', 0, 0, 0);
            desk.pump(); // the nested key goes straight to the view's own handling
        }
        return false;
    };
    KeyInto(view);
    EXPECT_EQ(listener.maxDepth, 1);
    EXPECT_EQ(listener.calls, 1);
    EXPECT_EQ(CountingView::preTranslated, 2);
    EXPECT_EQ(CountingView::keysHandled, 2);
    desk.key('C');
    EXPECT_EQ(listener.calls, 2) << "the hook is back after the dispatch";
}

TEST_F(ViewHook, ASecondMainFrameReadyDoesNotHookTwice)
{
    Tessel::TSMainFrameEventListener::Get().NotifyMainFrameReady();
    auto hook = RUNTIME_CLASS(CountingView)->m_wndOps;
    Tessel::TSMainFrameEventListener::Get().NotifyMainFrameReady();
    EXPECT_EQ(RUNTIME_CLASS(CountingView)->m_wndOps.pfnPreTranslateMessage,
              hook.pfnPreTranslateMessage);
    KeyInto(view);
    EXPECT_EQ(listener.calls, 1) << "one hook, one dispatch";
    EXPECT_EQ(CountingView::preTranslated, 1);
    zt::UninstallGraphicsViewHook();
    EXPECT_EQ(RUNTIME_CLASS(CountingView)->m_wndOps.pfnPreTranslateMessage, nullptr)
        << "the original, not the hook, was remembered";
}

TEST_F(ViewHook, ViewsOfTheClassCreatedLaterAreHookedToo)
{
    zt::InstallGraphicsViewHook();
    CountingView* later = AddView();
    KeyInto(later);
    EXPECT_EQ(listener.calls, 1);
    later->DestroyWindow();
}

TEST_F(ViewHook, TheHookIsPutBackWhenTheDispatchThrows)
{
    zt::InstallGraphicsViewHook();
    CountingView::throwInPreTranslate = true;
    MSG msg{view->m_hWnd, WM_KEYDOWN, 'A', 0, 0, {}};
    EXPECT_THROW(zt::GraphicsViewHook::HookPreTranslate(view, &msg), std::runtime_error);
    CountingView::throwInPreTranslate = false;
    EXPECT_EQ(RUNTIME_CLASS(CountingView)->m_wndOps.pfnPreTranslateMessage,
              &zt::GraphicsViewHook::HookPreTranslate);
}

TEST_F(ViewHook, DetachDropsTheMainFrameListenerAndTheHook)
{
    zt::InstallGraphicsViewHook();
    HINSTANCE module = zt::ZTUiModule::GetModuleHandle();
    ASSERT_TRUE(zt::ZTUiModule::IsAttached());
    EXPECT_TRUE(Tessel::TSMainFrameEventListener::Get().HasListener(
        &zt::ZTUiMainFrameEventListener::instance()));
    zt::ZTUiModule::Detach();
    EXPECT_FALSE(zt::IsGraphicsViewHookInstalled());
    EXPECT_FALSE(Tessel::TSMainFrameEventListener::Get().HasListener(
        &zt::ZTUiMainFrameEventListener::instance()));
    EXPECT_TRUE(zt::ZTUiModule::Attach(module));
}

TEST(HostMainFrame, HasAGraphicsViewThatTheHookFinds)
{
    DesktopFixture desk;
    zt::host::HostMainFrame* frame = zt::host::CreateMainFrame(RECT{0, 0, 800, 600});
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(getMainFrameWnd(), frame);
    EXPECT_EQ(zt::host::CreateMainFrame(), frame) << "one main frame";
    CWnd* view = frame->GetGraphicsView();
    ASSERT_NE(view, nullptr);
    wchar_t cls[64];
    ::GetClassNameW(view->m_hWnd, cls, 64);
    EXPECT_STREQ(cls, L"AfxFrameOrView120u");
    EXPECT_EQ(view->GetExStyle() & WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE);
    EXPECT_TRUE(zt::IsGraphicsViewHookInstalled()) << "the ready notification installed it";
    CRect rc;
    view->GetWindowRect(&rc);
    EXPECT_EQ(desk.pixel(rc.CenterPoint().x, rc.CenterPoint().y),
              zt::host::HostGraphicsView::kBackground);
    zt::UninstallGraphicsViewHook();
    zt::host::DestroyMainFrame();
    EXPECT_EQ(getMainFrameWnd(), nullptr);
}

} // namespace
