// The reference host's session: it builds the sample project once, keeps it across reopening,
// shows the frame the scenes drive, and leaves nothing behind when it closes.

#include "apps/ztui-demo/session/DemoSession.h"
#include "apps/ztui-demo/tools/HostToolSession.h"
#include "platform/cad/DgnProject.h"
#include "platform/cad/MessageSender.h"
#include "platform/host/AppServices.h"
#include "platform/host/Executors.h"
#include "platform/host/TSArchiStoreyManager.h"
#include "tests/support/DesktopFixture.h"
#include "ztui/frame/ZTUiMgn.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using ztdemo::DemoSession;

int CountTopLevelWindows()
{
    int count = 0;
    ::EnumWindows(
        [](HWND hwnd, LPARAM counter) {
            if (::IsWindowVisible(hwnd))
                ++*reinterpret_cast<int*>(counter);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

class DemoSessionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("ztui-session-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        options.project = folder / "办公楼.ztproj";
        options.frame = RECT{0, 0, 1400, 800};
    }
    void TearDown() override { fs::remove_all(folder); }

    DesktopFixture desktop;
    fs::path folder;
    DemoSession::Options options;
};

TEST_F(DemoSessionTest, BuildsTheSampleOnceAndFindsItAgainAfterReopening)
{
    std::size_t elements = 0;
    {
        DemoSession session;
        std::string error;
        ASSERT_TRUE(session.Open(options, error)) << error;
        const ztdemo::SampleCounts& built = session.Built();
        EXPECT_EQ(built.storeys, 2u);
        EXPECT_EQ(built.walls, 12u);
        EXPECT_GT(built.doors, 0u);
        EXPECT_GT(built.windows, 0u);
        EXPECT_GT(built.columns, 0u);
        elements = session.Project()->GetElementCount();
        EXPECT_EQ(elements, built.total());
        EXPECT_FALSE(session.Project()->HasUnsavedChanges()) << "the new sample was saved";
        EXPECT_EQ(session.Caption(), L"办公楼 - Tessel");
    }
    ASSERT_TRUE(fs::exists(options.project));
    DemoSession again;
    std::string error;
    ASSERT_TRUE(again.Open(options, error)) << error;
    EXPECT_EQ(again.Built().total(), 0u) << "an existing project is not built again";
    EXPECT_EQ(again.Project()->GetElementCount(), elements);
    EXPECT_EQ(TSArchiStoreyManager::Get().GetStoreys(*again.Project()).size(), 2u);
}

TEST_F(DemoSessionTest, TheFrameHasItsRibbonLayerBoxAndCommandLine)
{
    DemoSession session;
    std::string error;
    ASSERT_TRUE(session.Open(options, error)) << error;
    desktop.pump();
    EXPECT_EQ(session.Ribbon().GetButtons().size(), zt::ZTUiMgn::instance().ribbonButtons.size());
    EXPECT_GE(session.Ribbon().FindButton(DemoSession::kWallTool), 0);
    for (const zt::host::RibbonButton& b : session.Ribbon().GetButtons())
        EXPECT_NE(b.icon, nullptr) << "no icon for the button " << b.caption.size();
    EXPECT_EQ(App_GetLayerComb(), session.LayerCombo().m_hWnd);
    EXPECT_EQ(session.LayerCombo().GetCount(), 6) << "the six layers of the current combination";
    EXPECT_NE(session.View(), nullptr);
}

TEST_F(DemoSessionTest, TheCommandLineShowsWhatTheRunningToolAsksFor)
{
    DemoSession session;
    std::string error;
    ASSERT_TRUE(session.Open(options, error)) << error;
    desktop.pump();
    EXPECT_EQ(std::wstring(session.CommandLine().GetPrompt().GetString()), L"命令:");

    const int wall = session.Ribbon().FindButton(DemoSession::kWallTool);
    ASSERT_GE(wall, 0);
    CRect r = session.Ribbon().GetButtonRect(wall);
    session.Ribbon().ClientToScreen(&r);
    desktop.click(r.CenterPoint());
    desktop.pump();
    EXPECT_EQ(std::wstring(session.CommandLine().GetPrompt().GetString()),
              L"请输入墙起点/右键取消：");

    // The tool ends; the command line is idle again.
    zt::host::Executors::Get().RunOnWork([] { ztdemo::HostToolSession::Get().Stop(); });
    desktop.pump();
    EXPECT_EQ(std::wstring(session.CommandLine().GetPrompt().GetString()), L"命令:");
}

TEST_F(DemoSessionTest, ClosingLeavesNothingBehind)
{
    int before = CountTopLevelWindows();
    {
        DemoSession session;
        std::string error;
        ASSERT_TRUE(session.Open(options, error)) << error;
        session.Close();
        session.Close(); // a second close is harmless
    }
    desktop.pump();
    EXPECT_EQ(CountTopLevelWindows(), before);
    EXPECT_EQ(App_GetLayerComb(), nullptr);
    EXPECT_TRUE(zt::ZTUiMgn::instance().ribbonButtons.empty());
    // The ribbon stopped listening: a message to it finds no receiver to crash into.
    MessageSender::Get().Send(JsonMessage("Tessel.Message.DisableButton", Json::Value("墙")));
}

TEST_F(DemoSessionTest, AProjectThatIsNotAProjectIsAClearError)
{
    fs::create_directories(folder);
    {
        std::FILE* f = std::fopen(options.project.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputs("not a database at all", f);
        std::fclose(f);
    }
    DemoSession session;
    std::string error;
    EXPECT_FALSE(session.Open(options, error));
    EXPECT_NE(error.find("cannot be opened"), std::string::npos) << error;
    EXPECT_EQ(CountTopLevelWindows(), 0);
}

} // namespace
