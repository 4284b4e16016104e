// The proxy without windows: what it keeps, which messages it posts to which box, and what
// reaches the tool. Boxes that record their messages stand in for the real ones.
#include "TracerTestSupport.h"

#include "platform/host/Executors.h"
#include "platform/win/mfc/CDialog.h"
#include "ztui/tracer/TracerMessages.h"
#include "ztui/tracer/ZTDlgArchTracerDim.h"
#include "ztui/tracer/ZTDlgTracerCustom.h"

using zt::TracerProxy;
using zt::TracerShared;
using zt::host::Executors;

namespace {

class RecordingBox : public CDialog, public zt::ITracerBox
{
public:
    void OnTracerMessage(const char* name) override
    {
        messages.emplace_back(name);
        readyWhileHandling = TracerShared::Get().IsBoxReady();
    }
    std::vector<std::string> messages;
    bool readyWhileHandling = true;
};

class TracerProxyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Executors::Get().PumpAll(); // what the load sequence queued
        TracerProxy::ResetState();
        env::UserEnvironment::getInstance()->setDefaultDomain(TesselDomain_Architecture);
        auto& dialogs = TesselModelessDialogManager::Get();
        dialogs.Register("TesselTracerDialog", &arch);
        dialogs.Register("ZTDlgArchTracerDim", &dim);
        dialogs.Register("TesselTracerCusDlg", &custom);
        IndexedViewSet& views = IViewManager::GetManager().GetActiveViewSet();
        viewport = views.OpenViewport(0);
        viewport->SetViewSize(800, 600);
        viewport->SetScale(0.5);
        viewport->SetViewOrigin(DPoint3d::From(-100, 500, 0));
        viewport->SetScreenOrigin(DPoint2d::From(40, 30));
        views.SetSelectedViewport(0);
    }
    void TearDown() override
    {
        TracerProxy::UnRegister();
        auto& dialogs = TesselModelessDialogManager::Get();
        for (const char* name : {"TesselTracerDialog", "ZTDlgArchTracerDim", "TesselTracerCusDlg"})
            dialogs.Unregister(name);
        IViewManager::GetManager().GetActiveViewSet().CloseAll();
        env::UserEnvironment::getInstance()->setDefaultDomain(TesselDomain_Architecture);
    }
    void Pump() { Executors::Get().PumpAll(); }

    RecordingBox arch;
    RecordingBox dim;
    RecordingBox custom;
    TracerTool tool;
    IndexedViewport* viewport = nullptr;
};

using Messages = std::vector<std::string>;

} // namespace

TEST_F(TracerProxyTest, RegisterOutsideTheArchitectureDomainLeavesTheProxyUnregistered)
{
    env::UserEnvironment::getInstance()->setDefaultDomain(TesselDomain_Structure);
    TracerProxy::SetTracerType(zt::TRACER_DIM);
    TracerProxy::Register(&tool);
    EXPECT_FALSE(TracerProxy::IsRegister());
    EXPECT_EQ(TracerProxy::GetTracerType(), zt::TRACER_DIM);

    env::UserEnvironment::getInstance()->setDefaultDomain(TesselDomain_Architecture);
    TracerProxy::Register(&tool);
    EXPECT_TRUE(TracerProxy::IsRegister());
    EXPECT_EQ(TracerProxy::GetTracerType(), zt::TRACER_ARCH);
}

TEST_F(TracerProxyTest, UnRegisterForgetsTheToolItsPointsTypeAndReason)
{
    TracerProxy::Register(&tool);
    TracerProxy::SetTracerOpenReason(zt::REASON_SELECTION);
    TracerProxy::AddOprePoint(DPoint3d::From(1, 2, 3));
    TracerProxy::AddOprePoint(DPoint3d::From(4, 5, 6));
    ASSERT_EQ(TracerProxy::GetOperPonits().size(), 2u);
    EXPECT_EQ(TracerProxy::GetOperPonits()[1].y, 5.0);
    TracerProxy::UnRegister();
    EXPECT_FALSE(TracerProxy::IsRegister());
    EXPECT_TRUE(TracerProxy::GetOperPonits().empty());
    EXPECT_EQ(TracerProxy::GetTracerType(), zt::TRACER_NONE);
    EXPECT_EQ(TracerProxy::GetTracerOpenReason(), zt::REASON_NONE);
    // With no type no box hears anything.
    TracerProxy::CreateTracer();
    Pump();
    EXPECT_TRUE(arch.messages.empty());
}

TEST_F(TracerProxyTest, EachOperationPostsItsMessageToTheBoxOfTheType)
{
    TracerProxy::Register(&tool);
    TracerProxy::CreateTracer();
    Pump();
    TracerProxy::ResetTracer();
    Pump();
    TracerProxy::MoveTracer(DPoint3d::From(10, 20, 0));
    Pump();
    TracerProxy::NotifyNumDown(L"7");
    Pump();
    TracerProxy::ResponseTab();
    Pump();
    TracerProxy::CloseTracer();
    Pump();
    EXPECT_EQ(arch.messages,
              (Messages{"wm_work2ui_createdlg", "wm_work2ui_createdlg", "wm_work2ui_movetacer",
                        "wm_worl2ui_numdown", "wm_work2ui_tabdown", "wm_work2ui_relesedlg"}));
    EXPECT_FALSE(arch.readyWhileHandling) << "the box is busy while it handles a message";
    EXPECT_TRUE(TracerShared::Get().IsBoxReady());
    EXPECT_EQ(TracerShared::Get().GetTypedText(), L"7");
    EXPECT_TRUE(TracerProxy::GetTracerOpenSeen());
    EXPECT_FALSE(TracerProxy::GetTracerIsOpen());

    // Switching the type releases the old box first; the new one hears the rest.
    arch.messages.clear();
    TracerProxy::SetTracerType(zt::TRACER_DIM);
    TracerProxy::CreateTracer();
    Pump();
    EXPECT_EQ(arch.messages, Messages{"wm_work2ui_relesedlg"});
    EXPECT_EQ(dim.messages, Messages{"wm_work2ui_createdlg"});
}

TEST_F(TracerProxyTest, MessagesPostedWhileTheBoxIsBusyAreDropped)
{
    TracerProxy::Register(&tool);
    TracerShared::Get().SetBoxReady(false);
    TracerProxy::CreateTracer();
    TracerProxy::MoveTracer(DPoint3d::From(1, 1, 0));
    Pump();
    EXPECT_TRUE(arch.messages.empty());
    TracerShared::Get().SetBoxReady(true);
    // Posted while ready, they arrive in order; moves still waiting are merged into the one
    // that waits, which reads the newest point.
    TracerProxy::CreateTracer();
    TracerProxy::MoveTracer(DPoint3d::From(1, 1, 0));
    TracerProxy::MoveTracer(DPoint3d::From(2, 1, 0));
    TracerProxy::ResponseTab();
    Pump();
    EXPECT_EQ(arch.messages,
              (Messages{"wm_work2ui_createdlg", "wm_work2ui_movetacer", "wm_work2ui_tabdown"}));
    ExpectPointNear(TracerShared::Get().GetMovePoint(), DPoint3d::From(2, 1, 0), 0.0);
    TracerProxy::SetTraceStatus(false);
    TracerProxy::MoveTracer(DPoint3d::From(3, 1, 0));
    Pump();
    EXPECT_EQ(arch.messages.size(), 4u) << "a move after the last one ran posts again";
}

TEST_F(TracerProxyTest, AMoveReleasedUnrunDoesNotBlockTheNextOne)
{
    TracerProxy::Register(&tool);
    TracerProxy::MoveTracer(DPoint3d::From(1, 1, 0));
    Executors::Get().Start(zt::host::ExecutorMode::Manual); // drops what is queued
    TracerProxy::MoveTracer(DPoint3d::From(2, 1, 0));
    Pump();
    EXPECT_EQ(arch.messages, Messages{"wm_work2ui_movetacer"});
}

TEST_F(TracerProxyTest, MoveTracerProjectsThePointAndIsIgnoredWhileTyping)
{
    TracerProxy::Register(&tool);
    const DPoint3d p = DPoint3d::From(120, 300, 0);
    TracerProxy::MoveTracer(p);
    Pump();
    const DPoint3d s = viewport->WorldToScreen(p);
    EXPECT_NEAR(TracerShared::Get().GetScreenPoint().x, s.x, 1e-9);
    EXPECT_NEAR(TracerShared::Get().GetScreenPoint().y, s.y, 1e-9);
    ExpectPointNear(TracerShared::Get().GetMovePoint(), p, 0.0);

    TracerProxy::SetTraceStatus(true);
    arch.messages.clear();
    TracerProxy::MoveTracer(DPoint3d::From(999, 999, 0));
    Pump();
    EXPECT_TRUE(arch.messages.empty());
    ExpectPointNear(TracerShared::Get().GetMovePoint(), p, 0.0);

    // Without a selected viewport there is nothing to follow.
    TracerProxy::SetTraceStatus(false);
    IViewManager::GetManager().GetActiveViewSet().ClearSelectedViewport();
    TracerProxy::MoveTracer(DPoint3d::From(5, 5, 0));
    Pump();
    EXPECT_TRUE(arch.messages.empty());
}

TEST_F(TracerProxyTest, TheCustomTypeMovesOnlyTheScreenPointAndTakesHitPoints)
{
    TracerProxy::Register(&tool);
    TracerProxy::SetTracerType(zt::TRACER_CUSTOM);
    TracerProxy::SetStartPoint(DPoint3d::From(1, 1, 0));
    TracerProxy::MoveTracer(DPoint3d::From(50, 60, 0));
    Pump();
    ExpectPointNear(TracerShared::Get().GetMovePoint(), DPoint3d::From(0, 0, 0), 0.0);
    EXPECT_NEAR(TracerShared::Get().GetScreenPoint().x,
                viewport->WorldToScreen(DPoint3d::From(50, 60, 0)).x, 1e-9);

    TracerProxy::SetNewHitPt(DPoint3d::From(7, 8, 9));
    Pump();
    ExpectPointNear(TracerShared::Get().GetMovePoint(), DPoint3d::From(7, 8, 9), 0.0);
    EXPECT_EQ(custom.messages, (Messages{"wm_work2ui_movetacer", "wm_work2ui_updateui"}));

    // Other types ignore hit points.
    TracerProxy::SetTracerType(zt::TRACER_ARCH);
    TracerProxy::SetNewHitPt(DPoint3d::From(0, 0, 0));
    ExpectPointNear(TracerShared::Get().GetMovePoint(), DPoint3d::From(7, 8, 9), 0.0);
}

TEST_F(TracerProxyTest, ANewCustomFunctionRebuildsTheCustomBoxFirst)
{
    TracerProxy::SetTracerType(zt::TRACER_CUSTOM);
    TracerProxy::CreateTracer();
    Pump();
    EXPECT_TRUE(custom.messages.empty()) << "the custom box needs a registered tool";

    TracerProxy::Register(&tool);
    TracerProxy::SetTracerType(zt::TRACER_CUSTOM);
    zt::TracerEvState state;
    state.funName = "Arc.Radius";
    state.kind = 1;
    TracerProxy::SetCusContext({{0, L"500"}});
    TracerProxy::SetCurEvState(state);
    EXPECT_TRUE(TracerShared::Get().Snapshot().customContext.empty())
        << "a new state empties the context";
    TracerProxy::CreateTracer();
    TracerProxy::CreateTracer();
    Pump();
    EXPECT_EQ(custom.messages,
              (Messages{"wm_work2ui_relesedlg", "wm_work2ui_createdlg", "wm_work2ui_createdlg"}));
    EXPECT_EQ(TracerShared::Get().Snapshot().customDescription.funName, "Arc.Radius");
    EXPECT_EQ(TracerShared::Get().Snapshot().customDescription.kind, 1u);

    // The custom box is not guarded: it hears every message even while a box is busy.
    custom.messages.clear();
    TracerShared::Get().SetBoxReady(false);
    TracerProxy::ResetTracer();
    Pump();
    EXPECT_EQ(custom.messages, Messages{"wm_work2ui_createdlg"});
    TracerShared::Get().SetBoxReady(true);
}

TEST_F(TracerProxyTest, ResultsReachTheToolOnTheWorkThreadByName)
{
    TracerProxy::Register(&tool);
    zt::TracerInputValue value;
    value.distance = 12.5;
    value.values[2] = L"abc";
    value.point = DPoint3d::From(1, 2, 3);
    TracerShared::Get().SetResult(value);
    TracerProxy::DeliverResult();
    ASSERT_EQ(tool.inputs.size(), 1u);
    EXPECT_EQ(tool.inputs[0].distance, 12.5);
    EXPECT_EQ(tool.inputs[0].values.at(2), L"abc");
    TracerProxy::DeliverChange();
    ASSERT_EQ(tool.changes.size(), 1u);
    EXPECT_EQ(tool.changes[0].point.z, 3.0);

    // Without a tool a result goes nowhere, quietly.
    TracerProxy::UnRegister();
    TracerProxy::DeliverResult();
    TracerProxy::DeliverChange();
    EXPECT_EQ(tool.inputs.size(), 1u);
}

TEST_F(TracerProxyTest, TheStatusObserverHearsEveryChange)
{
    struct Observer : zt::ZTArchTracerStatuChange
    {
        std::vector<bool> seen;
        void OnTraceStatusChange(bool typing) override { seen.push_back(typing); }
    } observer;
    TracerProxy::SetStatusObserver(&observer);
    TracerProxy::SetTraceStatus(true);
    TracerProxy::CloseTracer();
    TracerProxy::SetStatusObserver(nullptr);
    TracerProxy::SetTraceStatus(true);
    EXPECT_EQ(observer.seen, (std::vector<bool>{true, false}));
}
