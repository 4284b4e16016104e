#pragma once
// The host as a drawing tool sees it, for the tracer's tests: a main frame with its graphics
// view (hooked by the library), a selected viewport, and a tool that is both the active
// primitive tool and the tracer's event receiver, counting what reaches it. Manual executors:
// every action pumps the desktop, which runs the work thread's queue too.

#include "platform/cad/AbstractUiStateManager.h"
#include "platform/cad/DgnTool.h"
#include "platform/cad/IViewManager.h"
#include "platform/host/MainFrame.h"
#include "platform/host/ModelessDialogManager.h"
#include "platform/host/UserEnvironment.h"
#include "tests/support/DesktopFixture.h"
#include "tests/support/Printers.h"
#include "ztui/frame/GraphicsViewHook.h"
#include "ztui/tracer/TracerProxy.h"
#include "ztui/tracer/TracerResources.h"
#include "ztui/tracer/TracerShared.h"
#include "ztui/tracer/ZTDlgArchTracer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <thread>
#include <vector>

using zt::CCustomEdit;

class TracerTool : public DgnPrimitiveTool, public zt::ITracerEvent
{
public:
    bool _OnDataButton(DgnButtonEventCR) override
    {
        ++dataButtons;
        return true;
    }
    bool _OnResetButton(DgnButtonEventCR) override { return true; }
    void _OnModelMotion(DgnButtonEventCR) override { ++motions; }

    void OnTracerInput(const zt::TracerInputValue& value) override
    {
        inputs.push_back(value);
        inputThreads.push_back(std::this_thread::get_id());
    }
    void OnTracerChange(const zt::TracerInputValue& value) override
    {
        changes.push_back(value);
        motionsAtLastChange = motions;
    }

    int dataButtons = 0;
    int motions = 0;
    int motionsAtLastChange = -1;
    std::vector<zt::TracerInputValue> inputs;
    std::vector<std::thread::id> inputThreads;
    std::vector<zt::TracerInputValue> changes;
};

class TracerWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        zt::TracerProxy::ResetState();
        AbstractUiStateManager::Get().Clear();
        env::UserEnvironment::getInstance()->setDefaultDomain(TesselDomain_Architecture);
        frame = zt::host::CreateMainFrame(RECT{0, 0, 1000, 760});
        ASSERT_NE(frame, nullptr);
        ASSERT_TRUE(zt::IsGraphicsViewHookInstalled());
        viewport = IViewManager::GetManager().GetActiveViewSet().GetSelectedViewport();
        ASSERT_NE(viewport, nullptr);
        // A tenth of a pixel per millimetre about a point that keeps every test's points on
        // the screen.
        ASSERT_TRUE(viewport->SetScale(0.1));
        viewport->CenterOn(DPoint3d::From(1500, 500, 0));
        // The load sequence's commands create the boxes hidden once the queues run.
        desk.pump();
        tool.InstallTool();
        zt::TracerProxy::Register(&tool);
        ::SetFocus(View());
        desk.pump();
    }
    void TearDown() override
    {
        zt::TracerProxy::UnRegister();
        tool.ExitTool();
        zt::UninstallGraphicsViewHook();
        zt::host::DestroyMainFrame();
        IViewManager::GetManager().GetActiveViewSet().CloseAll();
        desk.pump();
    }

    HWND View() const { return frame->GetGraphicsView()->m_hWnd; }
    zt::ZTDlgArchTracer& Box() { return zt::ZTDlgArchTracer::Instance(); }

    POINT ScreenOf(const DPoint3d& world) const
    {
        const DPoint3d s = viewport->WorldToScreen(world);
        return POINT{LONG(std::lround(s.x)), LONG(std::lround(s.y))};
    }
    // The world point the tool sees for a screen pixel (the cursor's point in the view).
    DPoint3d CurrentPoint() const
    {
        DgnButtonEvent event;
        DgnTool::GetCurrentDgnButtonEvent(event);
        return event.GetPoint();
    }
    // The tool opens the tracer at a start point, as after its first click; the first move
    // after a new start point only takes the start.
    void OpenAt(const DPoint3d& start)
    {
        zt::TracerProxy::SetStartPoint(start);
        zt::TracerProxy::CreateTracer();
        desk.pump();
        MoveTo(start);
    }
    // The tool follows a world point, as its motion handler does, on the work thread.
    void MoveTo(const DPoint3d& world)
    {
        zt::TracerProxy::MoveTracer(world);
        desk.pump();
    }
    CRect BoxRect()
    {
        CRect r;
        Box().GetWindowRect(&r);
        return r;
    }
    CRect FieldRect(int id)
    {
        CRect r;
        if (CCustomEdit* f = Box().GetField(id))
            f->GetWindowRect(&r);
        return r;
    }
    // Types into whatever has the keyboard focus.
    void Type(const std::wstring& text) { desk.type(text); }

    DesktopFixture desk;
    zt::host::HostMainFrame* frame = nullptr;
    IndexedViewport* viewport = nullptr;
    TracerTool tool;
};

inline void ExpectPointNear(const DPoint3d& actual, const DPoint3d& expected, double tolerance)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}
