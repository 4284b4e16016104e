#include "tests/host/HostProjectFixture.h"

#include "apps/ztui-demo/tools/HostCopyTool.h"
#include "apps/ztui-demo/tools/HostMirrorTool.h"
#include "apps/ztui-demo/tools/HostMoveTool.h"
#include "apps/ztui-demo/tools/HostPromoteTool.h"
#include "apps/ztui-demo/tools/HostRotateTool.h"
#include "apps/ztui-demo/tools/HostToolSession.h"
#include "platform/cad/IViewManager.h"
#include "platform/cad/SelectionSetManager.h"
#include "platform/host/TSArchiWall.h"
#include "platform/host/TSObjectExtensionManager.h"

using ztdemo::HostToolSession;

namespace {

// One wall from (1000, 0) to (3000, 0), selected.
class TransformTool : public HostProjectFixture
{
protected:
    void SetUp() override
    {
        HostProjectFixture::SetUp();
        IViewManager::GetManager().GetActiveViewSet().CloseAll();
        TSArchiWallPtr wall = TSArchiWall::Create();
        wall->SetStart({1000, 0, 0});
        wall->SetEnd({3000, 0, 0});
        m_wall = wall->AddToModel(Model());
        ASSERT_NE(m_wall, INVALID_ELEMENTID);
        SelectionSetManager::GetManager().ReplaceWith({Model().FindElementById(m_wall)});
    }
    void TearDown() override
    {
        HostToolSession::Get().Stop();
        SelectionSetManager::GetManager().Clear();
        HostProjectFixture::TearDown();
    }

    void Click(double x, double y) { HostToolSession::Get().DataPoint(DPoint3d{x, y, 0}); }
    RefCountedPtr<TSArchiWall> Wall(ElementId id)
    {
        auto obj = TSObjectExtensionManager::Get().GetTSObject(id, &Model());
        return dynamic_cast<TSArchiWall*>(obj.get());
    }
    DPoint3d Start(ElementId id)
    {
        auto obj = TSObjectExtensionManager::Get().GetTSObject(id, &Model());
        return dynamic_cast<TSArchiWall*>(obj.get())->GetStart();
    }
    DPoint3d End(ElementId id)
    {
        auto obj = TSObjectExtensionManager::Get().GetTSObject(id, &Model());
        return dynamic_cast<TSArchiWall*>(obj.get())->GetEnd();
    }

    ElementId m_wall = INVALID_ELEMENTID;
};

} // namespace

TEST_F(TransformTool, MoveTakesTheSelectionFromTheBasePointToTheTargetAndUndoes)
{
    ASSERT_TRUE(HostToolSession::Get().Start(ztdemo::HostMoveTool::Create()));
    EXPECT_EQ(HostToolSession::Get().GetActiveTool()->GetPrompt(), L"请指定基点/右键取消：");
    Click(0, 0);
    EXPECT_EQ(HostToolSession::Get().GetActiveTool()->GetPrompt(), L"请指定目标点/右键取消：");
    HostToolSession::Get().Motion(DPoint3d{500, 500, 0});
    EXPECT_EQ(HostToolSession::Get().GetActiveTool()->GetDynamics().size(), 2u)
        << "the guide line and the wall's box";
    Click(1000, 500);
    EXPECT_EQ(HostToolSession::Get().GetActiveTool(), nullptr) << "a move ends the tool";
    EXPECT_DOUBLE_EQ(Start(m_wall).x, 2000.0);
    EXPECT_DOUBLE_EQ(End(m_wall).y, 500.0);
    EXPECT_NEAR(Model().FindElementById(m_wall)->GetRange().low.x, 2000.0, 1e-9)
        << "the body moved with the values";

    ASSERT_TRUE(Project().GetTxnManager().Undo());
    EXPECT_DOUBLE_EQ(Start(m_wall).x, 1000.0);
    ASSERT_TRUE(Project().GetTxnManager().Redo());
    EXPECT_DOUBLE_EQ(Start(m_wall).x, 2000.0);
}

TEST_F(TransformTool, CopyPlacesOneCopyPerTargetEachItsOwnStep)
{
    auto tool = ztdemo::HostCopyTool::Create();
    ASSERT_TRUE(HostToolSession::Get().Start(tool));
    Click(0, 0);
    Click(0, 3000);
    Click(0, 6000);
    EXPECT_EQ(HostToolSession::Get().GetActiveTool(), tool.get()) << "copying goes on";
    ASSERT_EQ(tool->GetCopies().size(), 2u);
    EXPECT_DOUBLE_EQ(Start(tool->GetCopies()[0]).y, 3000.0);
    EXPECT_DOUBLE_EQ(Start(tool->GetCopies()[1]).y, 6000.0);
    EXPECT_DOUBLE_EQ(Start(m_wall).y, 0.0) << "the original stays";
    EXPECT_EQ(Model().GetElementCount(), 3u);
    HostToolSession::Get().Reset();
    EXPECT_EQ(HostToolSession::Get().GetActiveTool(), nullptr);

    ASSERT_TRUE(Project().GetTxnManager().Undo());
    EXPECT_EQ(Model().GetElementCount(), 2u);
    ASSERT_TRUE(Project().GetTxnManager().Undo());
    EXPECT_EQ(Model().GetElementCount(), 1u);
    ASSERT_TRUE(Project().GetTxnManager().Redo());
    EXPECT_EQ(Model().GetElementCount(), 2u);
}

TEST_F(TransformTool, RotateTurnsByTheAngleBetweenTheTwoDirections)
{
    ASSERT_TRUE(HostToolSession::Get().Start(ztdemo::HostRotateTool::Create()));
    Click(0, 0);
    Click(10, 0);
    Click(0, 10);
    EXPECT_NEAR(Start(m_wall).x, 0.0, 1e-9);
    EXPECT_NEAR(Start(m_wall).y, 1000.0, 1e-9);
    EXPECT_NEAR(End(m_wall).y, 3000.0, 1e-9);
    ASSERT_TRUE(Project().GetTxnManager().Undo());
    EXPECT_NEAR(End(m_wall).x, 3000.0, 1e-9);
}

TEST_F(TransformTool, MirrorReflectsAcrossTheLineThroughTwoPoints)
{
    ASSERT_TRUE(HostToolSession::Get().Start(ztdemo::HostMirrorTool::Create()));
    Click(0, -5);
    Click(0, 5);
    EXPECT_NEAR(Start(m_wall).x, -1000.0, 1e-9);
    EXPECT_NEAR(End(m_wall).x, -3000.0, 1e-9);
    EXPECT_EQ(Model().GetElementCount(), 1u);
    ASSERT_TRUE(Project().GetTxnManager().Undo());
    EXPECT_NEAR(Start(m_wall).x, 1000.0, 1e-9);
}

TEST_F(TransformTool, PromoteRaisesByTheDistanceAboveTheBaseAndLowersBelowIt)
{
    ASSERT_TRUE(HostToolSession::Get().Start(ztdemo::HostPromoteTool::Create()));
    EXPECT_EQ(HostToolSession::Get().GetActiveTool()->GetPrompt(), L"请指定基点/右键取消：");
    Click(0, 0);
    EXPECT_EQ(HostToolSession::Get().GetActiveTool()->GetPrompt(),
              L"请指定提升高度/右键取消：");
    Click(300, 400);
    EXPECT_EQ(HostToolSession::Get().GetActiveTool(), nullptr);
    EXPECT_NEAR(Wall(m_wall)->GetBottomOffset(), 500.0, 1e-9);
    EXPECT_NEAR(Start(m_wall).x, 1000.0, 1e-9) << "a raise does not move in plan";
    EXPECT_NEAR(Start(m_wall).z, 0.0, 1e-9) << "the placement stays on the storey";
    EXPECT_NEAR(Model().FindElementById(m_wall)->GetRange().low.z, 500.0, 1e-9)
        << "the body rose with the offset";

    ASSERT_TRUE(HostToolSession::Get().Start(ztdemo::HostPromoteTool::Create()));
    Click(0, 0);
    Click(0, -200);
    EXPECT_NEAR(Wall(m_wall)->GetBottomOffset(), 300.0, 1e-9);
    ASSERT_TRUE(Project().GetTxnManager().Undo());
    ASSERT_TRUE(Project().GetTxnManager().Undo());
    EXPECT_NEAR(Wall(m_wall)->GetBottomOffset(), 0.0, 1e-9);

    // A pick with height takes the height as it is; a level line to the left lowers.
    EXPECT_DOUBLE_EQ(ztdemo::HostPromoteTool::RiseOf({0, 0, 100}, {50, 50, 350}), 250.0);
    EXPECT_DOUBLE_EQ(ztdemo::HostPromoteTool::RiseOf({0, 0, 0}, {-30, 0, 0}), -30.0);
}

TEST_F(TransformTool, NothingSelectedNothingStarts)
{
    SelectionSetManager::GetManager().Clear();
    EXPECT_FALSE(HostToolSession::Get().Start(ztdemo::HostMoveTool::Create()));
    EXPECT_EQ(HostToolSession::Get().GetActiveTool(), nullptr);
}

TEST_F(TransformTool, AResetBeforeTheLastPointChangesNothing)
{
    ASSERT_TRUE(HostToolSession::Get().Start(ztdemo::HostRotateTool::Create()));
    Click(0, 0);
    Click(10, 0);
    HostToolSession::Get().Reset();
    EXPECT_EQ(HostToolSession::Get().GetActiveTool(), nullptr);
    EXPECT_DOUBLE_EQ(Start(m_wall).x, 1000.0);
    EXPECT_FALSE(Project().GetTxnManager().CanRedo());
}
