// The tracer as the host runs it: the tool on the work thread, the box on the user-interface
// thread, a flood of cursor moves crossing one way while committed values cross the other.
#include "TracerTestSupport.h"

#include "platform/host/Executors.h"

#include <atomic>

using namespace zt::tracer_ids;
using zt::TracerProxy;
using zt::host::ExecutorMode;
using zt::host::Executors;

namespace {

constexpr int kCommits = 10'000;
constexpr int kMovesPerCommit = 100; // a million moves in all

struct ThreadedTracer : ::testing::Test
{
    void SetUp() override
    {
        TracerProxy::ResetState();
        env::UserEnvironment::getInstance()->setDefaultDomain(TesselDomain_Architecture);
        IndexedViewSet& views = IViewManager::GetManager().GetActiveViewSet();
        IndexedViewport* viewport = views.OpenViewport(0);
        viewport->SetViewSize(1200, 900);
        viewport->SetScale(0.05);
        views.SetSelectedViewport(0);
        Executors::Get().Start(ExecutorMode::Threaded);
    }
    void TearDown() override
    {
        Executors::Get().Stop();
        IViewManager::GetManager().GetActiveViewSet().CloseAll();
    }
};

} // namespace

TEST_F(ThreadedTracer, EveryCommittedValueReachesTheToolOnceAndInOrderUnderAFloodOfMoves)
{
    TracerTool tool;
    std::thread::id workThread;
    Executors::Get().RunOnWork([&] {
        workThread = std::this_thread::get_id();
        TracerProxy::Register(&tool);
        TracerProxy::SetStartPoint(DPoint3d::From(0, 0, 0));
    });
    std::unique_ptr<DesktopFixture> desk;
    Executors::Get().RunOnUIAndWait([&] {
        desk = std::make_unique<DesktopFixture>();
        ASSERT_TRUE(zt::ZTDlgArchTracer::Instance().EnsureWindow());
    });
    Executors::Get().RunOnWork([] { TracerProxy::CreateTracer(); });

    std::atomic<long> moves{0};
    for (int i = 1; i <= kCommits; ++i) {
        Executors::Get().PostToWork([&moves, i] {
            for (int m = 0; m < kMovesPerCommit; ++m) {
                TracerProxy::MoveTracer(DPoint3d::From(i + m, m - 50.0, 0));
                ++moves;
            }
        });
        Executors::Get().RunOnUIAndWait([i] {
            zt::ZTDlgArchTracer& box = zt::ZTDlgArchTracer::Instance();
            CString text;
            text.Format(L"%d", i);
            box.GetField(kDistance)->SetWindowText(text);
            box.SendMessage(CCustomEdit::kMsgValueCommitted, kDistance, CCustomEdit::kReasonEnter);
        });
    }
    Executors::Get().RunOnWork([] { TracerProxy::CloseTracer(); });
    Executors::Get().RunOnUIAndWait([&] {
        zt::ZTDlgArchTracer::DestroyInstance();
        desk.reset();
    });
    Executors::Get().RunOnWork([] { TracerProxy::UnRegister(); });

    EXPECT_EQ(moves.load(), long{kCommits} * kMovesPerCommit);
    ASSERT_EQ(tool.inputs.size(), std::size_t{kCommits});
    for (int i = 0; i < kCommits; ++i) {
        ASSERT_NEAR(tool.inputs[i].distance, i + 1.0, 1e-6) << "value " << i;
        ASSERT_EQ(tool.inputThreads[i], workThread);
    }
}
