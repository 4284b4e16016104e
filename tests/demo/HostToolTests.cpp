#include "tests/host/HostProjectFixture.h"

#include "apps/ztui-demo/tools/HostDrawingTools.h"
#include "apps/ztui-demo/tools/HostToolSession.h"
#include "apps/ztui-demo/tools/HostWallTool.h"
#include "platform/cad/IViewManager.h"
#include "platform/host/Commands.h"
#include "platform/host/Executors.h"
#include "platform/host/TSObjectExtensionManager.h"

using ztdemo::HostToolSession;
using ztdemo::HostWallTool;

namespace {

class WallTool : public HostProjectFixture
{
protected:
    void SetUp() override
    {
        HostProjectFixture::SetUp();
        IViewManager::GetManager().GetActiveViewSet().CloseAll();
        ztdemo::HostDrawingTools::RegisterAll();
    }
    void TearDown() override
    {
        HostToolSession::Get().Stop();
        HostProjectFixture::TearDown();
    }

    HostWallTool* Start()
    {
        EXPECT_TRUE(TesselUserInputManager::ExeCommand(HostWallTool::TOOL_ID));
        zt::host::Executors::Get().PumpAll();
        return dynamic_cast<HostWallTool*>(HostToolSession::Get().GetActiveTool());
    }
    void Click(double x, double y) { HostToolSession::Get().DataPoint(DPoint3d{x, y, 0}); }

    TSArchiWall* Wall(ElementId id)
    {
        m_held = TSObjectExtensionManager::Get().GetTSObject(id, &Model());
        return dynamic_cast<TSArchiWall*>(m_held.get());
    }

    RefCountedPtr<ITSObject> m_held;
};

} // namespace

TEST_F(WallTool, ClicksPlaceAWallPerSegmentAndTheChainIsOneUndoStep)
{
    HostWallTool* tool = Start();
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(tool->GetPrompt(), L"请输入墙起点/右键取消：");
    tool->GetTemplate()->SetThickness(300.0);
    Click(0, 0);
    Click(6000, 0);
    Click(6000, 4000);
    EXPECT_EQ(tool->GetPrompt(), L"请输入墙下一点/右键取消：");
    ASSERT_EQ(tool->GetChainWalls().size(), 2u);
    ElementId second = tool->GetChainWalls()[1];
    EXPECT_EQ(Wall(second)->GetThickness(), 300.0);
    EXPECT_EQ(Wall(second)->GetEnd().y, 4000.0);

    HostToolSession::Get().Reset();
    EXPECT_EQ(HostToolSession::Get().GetActiveTool(), tool) << "a reset ends the chain only";
    EXPECT_EQ(Model().GetElementCount(), 2u);
    ASSERT_TRUE(Project().GetTxnManager().Undo());
    EXPECT_EQ(Model().GetElementCount(), 0u);
    ASSERT_TRUE(Project().GetTxnManager().Redo());
    EXPECT_EQ(Model().GetElementCount(), 2u);
    EXPECT_EQ(Wall(second)->GetThickness(), 300.0);

    HostToolSession::Get().Reset();
    EXPECT_EQ(HostToolSession::Get().GetActiveTool(), nullptr) << "a second reset ends the tool";
}

TEST_F(WallTool, ClosingOnTheFirstPointEndsTheChain)
{
    HostWallTool* tool = Start();
    ASSERT_NE(tool, nullptr);
    for (auto [x, y] : {std::pair{0.0, 0.0}, {5000.0, 0.0}, {5000.0, 5000.0}, {0.0, 5000.0}})
        Click(x, y);
    Click(0.4, 0.3); // within the click tolerance of the first point
    EXPECT_EQ(Model().GetElementCount(), 4u);
    EXPECT_TRUE(tool->GetChainWalls().empty()) << "a new chain has begun";
    EXPECT_EQ(tool->GetPrompt(), L"请输入墙起点/右键取消：");
    Click(10000, 0);
    Click(12000, 0);
    EXPECT_EQ(Model().GetElementCount(), 5u);
    HostToolSession::Get().Stop();
    ASSERT_TRUE(Project().GetTxnManager().Undo());
    EXPECT_EQ(Model().GetElementCount(), 4u) << "each chain is its own step";
}

TEST_F(WallTool, MotionPreviewsTheSegmentAndTheWallOutline)
{
    HostWallTool* tool = Start();
    ASSERT_NE(tool, nullptr);
    HostToolSession::Get().Motion(DPoint3d{100, 100, 0});
    EXPECT_TRUE(tool->GetDynamics().empty()) << "nothing to preview before the first point";
    Click(0, 0);
    HostToolSession::Get().Motion(DPoint3d{3000, 0, 0});
    ASSERT_FALSE(tool->GetDynamics().empty());
    DRange3d range;
    for (const ICurvePrimitivePtr& curve : tool->GetDynamics()) {
        DRange3d r;
        curve->GetRange(r);
        range.Extend(r);
    }
    EXPECT_NEAR(range.high.y - range.low.y, 240.0, 1e-9) << "the outline is as thick as the wall";
    EXPECT_EQ(Model().GetElementCount(), 0u) << "moving places nothing";
}

TEST_F(WallTool, DoesNotStartWithoutAProject)
{
    DgnApplication::Get().CloseProject();
    EXPECT_EQ(Start(), nullptr);
}
