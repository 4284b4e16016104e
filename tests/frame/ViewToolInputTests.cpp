// The host's graphics view with the library loaded: mouse input reaches the active tool
// through the view's pre-translation, where a listener of the library may consume it first.
#include "platform/cad/DgnTool.h"
#include "platform/cad/IViewManager.h"
#include "platform/host/MainFrame.h"
#include "tests/support/DesktopFixture.h"
#include "ztui/frame/GraphicsViewHook.h"
#include "ztui/frame/ZTViewMsgEventListener.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class CountingTool : public DgnPrimitiveTool
{
public:
    bool _OnDataButton(DgnButtonEventCR ev) override
    {
        ++data;
        last = ev.GetPoint();
        return true;
    }
    bool _OnResetButton(DgnButtonEventCR) override
    {
        ++resets;
        return true;
    }
    void _OnModelMotion(DgnButtonEventCR) override { ++motions; }
    int data = 0, resets = 0, motions = 0;
    DPoint3d last;
};

class ConsumeClicks : public zt::ZTViewMsgEvent
{
public:
    bool OnViewMessage(MSG* msg) override
    {
        if (msg->message != WM_LBUTTONDOWN)
            return false;
        ++seen;
        return consume;
    }
    bool consume = true;
    int seen = 0;
};

struct ViewToolInput : ::testing::Test
{
    DesktopFixture desk;
    zt::host::HostMainFrame* frame = nullptr;
    CountingTool tool;
    ConsumeClicks listener;

    void SetUp() override
    {
        frame = zt::host::CreateMainFrame(RECT{0, 0, 900, 700});
        ASSERT_NE(frame, nullptr);
        ASSERT_TRUE(zt::IsGraphicsViewHookInstalled());
        zt::ZTViewMsgEventListener::instance().AddListener(&listener);
        tool.InstallTool();
    }
    void TearDown() override
    {
        tool.ExitTool();
        zt::ZTViewMsgEventListener::instance().DropListener(&listener);
        zt::UninstallGraphicsViewHook();
        zt::host::DestroyMainFrame();
        IViewManager::GetManager().GetActiveViewSet().CloseAll();
    }
    POINT ScreenOf(const DPoint3d& world)
    {
        const DPoint3d s = IViewManager::GetManager()
                               .GetActiveViewSet()
                               .GetSelectedViewport()
                               ->WorldToScreen(world);
        return POINT{LONG(std::lround(s.x)), LONG(std::lround(s.y))};
    }
};

TEST_F(ViewToolInput, AConsumedViewMessageNeverReachesTheTool)
{
    const POINT at = ScreenOf(DPoint3d{30, 40, 0});
    desk.click(at);
    EXPECT_EQ(listener.seen, 1);
    EXPECT_EQ(tool.data, 0) << "the listener consumed the button";
    EXPECT_GT(tool.motions, 0) << "moves were not consumed";

    listener.consume = false;
    desk.advance(1000); // not a double click
    desk.click(at);
    EXPECT_EQ(listener.seen, 2);
    ASSERT_EQ(tool.data, 1);
    const double pixel =
        IViewManager::GetManager().GetActiveViewSet().GetSelectedViewport()->GetPixelSizeAtPoint();
    EXPECT_LE(tool.last.Distance(DPoint3d{30, 40, 0}), pixel);
    desk.rightClick(at.x, at.y);
    EXPECT_EQ(tool.resets, 1);
}

} // namespace
