// The library's windows after the host (or a crash of the view they belong to) destroyed their
// handles behind the library's back: every exported operation on them is quiet, and the next
// use makes the window again rather than using the dead handle.
#include "platform/host/MainFrame.h"
#include "platform/host/UserEnvironment.h"
#include "tests/support/DesktopFixture.h"
#include "ztui/contextbar/ZTDlgUiContextbar.h"
#include "ztui/frame/ZTDlgPopMessage.h"
#include "ztui/frame/ZTUiMgn.h"
#include "ztui/tracer/TracerMessages.h"
#include "ztui/tracer/TracerProxy.h"
#include "ztui/tracer/TracerResources.h"
#include "ztui/tracer/ZTDlgArchTracer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct DestroyedWindows : ::testing::Test
{
    void SetUp() override
    {
        env::UserEnvironment::getInstance()->setDefaultDomain(TesselDomain_Architecture);
        zt::TracerProxy::ResetState();
    }
    void TearDown() override
    {
        zt::ZTDlgArchTracer::DestroyInstance();
        zt::ZTDlgPopMessage::DestroyInstance();
        zt::ZTDlgUiContextbar::Close();
        zt::win::Desktop::Pump();
        zt::TracerProxy::ResetState();
    }
    DesktopFixture desk;
};

TEST_F(DestroyedWindows, TracerBoxTakesEveryMessageAfterItsHandleWentAndIsMadeAgain)
{
    zt::ZTDlgArchTracer& box = zt::ZTDlgArchTracer::Instance();
    ASSERT_TRUE(box.EnsureWindow());
    const HWND first = box.GetSafeHwnd();
    ASSERT_TRUE(::DestroyWindow(first));
    EXPECT_FALSE(::IsWindow(first));

    const std::string names[] = {
        std::string(zt::kTracerCreateDlg), std::string(zt::kTracerReleseDlg),
        std::string(zt::kTracerMoveTacer), std::string(zt::kTracerTabDown),
        std::string(zt::kTracerNumDown),   std::string(zt::kTracerUpdateUi),
        std::string(zt::kTracerMoveCurso), std::string(zt::kTracerInit),
        std::string("no such message"),    std::string(),
    };
    EXPECT_NO_THROW({
        for (const std::string& name : names)
            box.OnTracerMessage(name.c_str());
        box.OnTracerMessage(nullptr);
        zt::win::Desktop::Pump();
    });
    EXPECT_EQ(box.GetField(zt::tracer_ids::kDistance) != nullptr, ::IsWindow(box.GetSafeHwnd()) != 0);
    EXPECT_TRUE(box.GetFieldText(-1).IsEmpty());

    ASSERT_TRUE(box.EnsureWindow());
    EXPECT_TRUE(::IsWindow(box.GetSafeHwnd()));
}

TEST_F(DestroyedWindows, PopMessageShowsAgainAfterItsHandleWent)
{
    // Without a main frame there is nowhere to show it: nothing happens.
    zt::ZTUiMgn::PopMessage(CString(L"nowhere"), zt::POP_MSG_INFO, 1000);
    EXPECT_FALSE(zt::ZTDlgPopMessage::Exists() && zt::ZTDlgPopMessage::Instance()->GetSafeHwnd());

    ASSERT_NE(zt::host::CreateMainFrame(RECT{100, 40, 1380, 840}), nullptr);
    zt::ZTUiMgn::PopMessage(CString(L"first"), static_cast<zt::POP_MSG_TYPE>(0), 1000);
    zt::win::Desktop::Pump();
    zt::ZTDlgPopMessage* pop = zt::ZTDlgPopMessage::Instance();
    ASSERT_NE(pop, nullptr);
    const HWND first = pop->GetSafeHwnd();
    if (first) {
        ASSERT_TRUE(::DestroyWindow(first));
    }
    EXPECT_NO_THROW({
        zt::ZTUiMgn::PopMessage(CString(), static_cast<zt::POP_MSG_TYPE>(-7), -1);
        zt::ZTUiMgn::PopMessage(CString(L"second"), static_cast<zt::POP_MSG_TYPE>(99), 0);
        zt::win::Desktop::Pump();
        zt::win::Desktop::AdvanceClock(5000);
        zt::win::Desktop::Pump();
    });
    EXPECT_EQ(zt::ZTDlgPopMessage::Instance()->text(), CString(L"second"));
    EXPECT_GE(zt::ZTDlgPopMessage::LinesOf(CString()), 0);
    zt::ZTDlgPopMessage::DestroyInstance();
    zt::host::DestroyMainFrame();
}

TEST_F(DestroyedWindows, ContextBarWindowGoneBehindItsBack)
{
    zt::ZTDlgUiContextbar::Show();
    zt::win::Desktop::Pump();
    if (zt::ZTDlgUiContextbar* bar = zt::ZTDlgUiContextbar::GetWindow()) {
        if (HWND hwnd = bar->GetSafeHwnd()) {
            ASSERT_TRUE(::DestroyWindow(hwnd));
        }
    }
    EXPECT_NO_THROW({
        zt::ZTDlgUiContextbar::SetBarPosition(DPoint3d::From(-1e9, 1e9, 0));
        zt::ZTDlgUiContextbar::RequestShow();
        zt::ZTDlgUiContextbar::RequestClose();
        zt::ZTDlgUiContextbar::ClearBarButtons();
        zt::ZTDlgUiContextbar::Show();
        zt::win::Desktop::Pump();
        zt::ZTDlgUiContextbar::Close();
        zt::win::Desktop::Pump();
    });
    EXPECT_FALSE(zt::ZTDlgUiContextbar::IsBarVisible());
}

} // namespace
