// The bar in the threaded host: the window on the user-interface thread, a click's factory
// code on the work thread, and the tool it starts there too.

#include "ContextbarTestSupport.h"

#include "platform/cad/IViewManager.h"
#include "platform/host/MainFrame.h"
#include "ztui/frame/GraphicsViewHook.h"
#include "ztui/widgets/IconButton.h"

using zt::host::ExecutorMode;
using zt::host::Executors;

namespace {

std::thread::id g_toolThread;

struct ThreadedBar : ::testing::Test
{
    void SetUp() override { Executors::Get().Start(ExecutorMode::Threaded); }
    void TearDown() override { Executors::Get().Stop(); }
};

} // namespace

TEST_F(ThreadedBar, AClickRunsTheFactoryAndStartsTheToolOnTheWorkThread)
{
    ScratchProject project;
    std::vector<ElementRef*> walls{project.AddWall(0), project.AddWall(3000)};
    TesselToolsManager::RegisterFun("Tessel.Tool.ArchRotate",
                                    [] { g_toolThread = std::this_thread::get_id(); });
    RecordingFactory factory;
    std::thread::id workThread;
    Executors::Get().RunOnWork([&] { workThread = std::this_thread::get_id(); });
    std::thread::id uiThread;
    std::size_t changes = 0;
    bool pressed = false;
    Executors::Get().RunOnUIAndWait([&] {
        uiThread = std::this_thread::get_id();
        DesktopFixture desk;
        zt::host::HostMainFrame* frame = zt::host::CreateMainFrame(RECT{0, 0, 1000, 700});
        ASSERT_NE(frame, nullptr);
        zt::ZTContextbarFactoryManager::RegisterFactory("TSArchiWall", &factory);
        SelectionSetManager::GetManager().ReplaceWith({walls[0], walls[1]});
        zt::ZTContextBarProxy::UpdateStartPoint(DPoint3d{120, 90, 0});
        SendPick(walls, DPoint3d{0.5, 0.5, 0});
        desk.pump();
        if (zt::ZTDlgUiContextbar* bar = zt::ZTDlgUiContextbar::GetWindow()) {
            CRect r;
            zt::ZTDlgUiContextbar::GetButtonControl(1)->GetWindowRect(&r);
            desk.click(r.CenterPoint());
            desk.pump();
            pressed = bar->currentId() == 30001;
        }
        changes = factory.changes.size();
        SendClose();
        desk.pump();
        zt::ZTContextbarEvent::instance().factories.clear();
        zt::UninstallGraphicsViewHook();
        zt::host::DestroyMainFrame();
        IViewManager::GetManager().GetActiveViewSet().CloseAll();
        desk.pump();
    });
    // The tool was queued by the click; one more call to the work thread runs after it.
    Executors::Get().RunOnWork([] {});
    TesselToolsManager::UnregisterFun("Tessel.Tool.ArchRotate");

    EXPECT_NE(uiThread, workThread);
    ASSERT_EQ(changes, 2u);
    for (const RecordingFactory::Change& change : factory.changes)
        EXPECT_EQ(change.thread, workThread);
    EXPECT_EQ(factory.changes[1].info.operating, TSOperating_Rotate);
    EXPECT_TRUE(pressed);
    EXPECT_EQ(g_toolThread, workThread);
}
