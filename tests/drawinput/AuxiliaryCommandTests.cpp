// The host commands of the auxiliary models: the origin marker, showing and hiding a named
// model, and zooming to extents without the auxiliary models.

#include "tests/drawinput/AuxiliaryFixture.h"

#include "platform/cad/ElementFinder.h"
#include "platform/cad/PhysicalGraphics.h"
#include "platform/host/Commands.h"
#include "platform/host/Executors.h"
#include "platform/host/HostViewCommands.h"
#include "platform/host/TSModelInfoManager.h"
#include "ztui/drawinput/AuxiliaryCommands.h"

namespace {

class AuxiliaryCommands : public AuxiliaryTest
{
protected:
    // A model with the host's displayed name, holding one line from a to b.
    DgnModelId MakeModel(const char* name, const wchar_t* displayName, DPoint3d a, DPoint3d b)
    {
        TSModelInfo info;
        info.displayName = displayName;
        DgnModel* model = TSModelInfoManager::Get().CreateModel(Project(), name, info);
        EXPECT_NE(model, nullptr);
        PhysicalGraphicsPtr g = model->CreatePhysicalGraphics();
        g->AddCurvePrimitive(*ICurvePrimitive::CreateLine(a, b));
        g->Save();
        return model->GetModelId();
    }
    TSStoreyModelViewInfoPtr ShownView()
    {
        return TSStoreyModelViewManager::Get().GetModelViewInfoByViewportIndex(0);
    }
};

TEST_F(AuxiliaryCommands, CatchLocateRefillsTheTemporaryModelWithoutAnUndoStep)
{
    const DgnModelId tmp = MakeModel("tmp", zt::kTmpModelName, {5, 5, 0}, {9, 9, 0});
    ITxnManager& txn = Project().GetTxnManager();
    const std::size_t undo = txn.GetUndoCount();
    DgnApplication::Get().GetUiStateManager().SetValue(zt::k3DViewKey, false);

    ASSERT_TRUE(TesselToolsManager::IsRegistered(zt::kCatchLocateCommand));
    ASSERT_TRUE(TesselUserInputManager::ExeCommand(zt::kCatchLocateCommand));
    zt::host::Executors::Get().PumpAll();

    bvector<ElementRef*> markers = ElementFinder::GetElementRefsOfModel(tmp);
    ASSERT_EQ(markers.size(), 2u) << "the old content goes, two legs in a plan";
    for (ElementRef* marker : markers) {
        EXPECT_EQ(marker->GetLevel(), 64);
        const GeometricPrimitive& leg = marker->GetData()->geometry.primitives.at(0);
        EXPECT_EQ(leg.GetSymbology().style, 2);
        EXPECT_EQ(leg.GetSymbology().weight, 0u);
        EXPECT_EQ(leg.GetSymbology().color, Project().GetElementColor(0xFFBF00));
        DPoint3d s, e;
        leg.GetCurve()->GetStartEnd(s, e);
        EXPECT_POINT_NEAR(s, (DPoint3d{0, 0, 0}), 0);
        EXPECT_NEAR(s.Distance(e), 0.0001, 1e-12);
    }
    EXPECT_TRUE(ShownView()->IsModelVisible(tmp));
    EXPECT_EQ(txn.GetUndoCount(), undo);
    EXPECT_TRUE(txn.IsActive());

    DgnApplication::Get().GetUiStateManager().SetValue(zt::k3DViewKey, true);
    zt::CatchLocate();
    EXPECT_EQ(ElementFinder::GetElementsOfModel(tmp).size(), 3u) << "and a third leg in 3-D";
    EXPECT_EQ(txn.GetUndoCount(), undo);
}

TEST_F(AuxiliaryCommands, CatchLocateWithoutProjectOrModelDoesNothing)
{
    zt::CatchLocate(); // the project has no temporary model
    EXPECT_TRUE(Project().GetTxnManager().IsActive());
    DgnApplication::Get().CloseProject();
    zt::CatchLocate();
    zt::ArchZoome();
    zt::ShowModelInfo();
    EXPECT_EQ(DgnApplication::Get().GetCurrentProject(), nullptr)
        << "without a project the commands make none";
}

TEST_F(AuxiliaryCommands, ShowAndCloseTheModelNamedInTheInterfaceState)
{
    const DgnModelId grid = MakeModel("grid", L"轴网", {0, 0, 0}, {1, 0, 0});
    DgnApplication::Get().GetUiStateManager().SetValue(zt::kModelInfoNameKey, "轴网");
    zt::ShowModelInfo();
    EXPECT_TRUE(ShownView()->IsModelVisible(grid));
    zt::CloseModelInfo();
    EXPECT_FALSE(ShownView()->IsModelVisible(grid));
    DgnApplication::Get().GetUiStateManager().SetValue(zt::kModelInfoNameKey, "无此模型");
    zt::ShowModelInfo();
    EXPECT_FALSE(ShownView()->IsModelVisible(grid));
}

TEST_F(AuxiliaryCommands, ArchZoomeFitsTheViewWithoutTheAuxiliaryModels)
{
    zt::host::RegisterHostViewCommands();
    PhysicalGraphicsPtr wall = Project().GetDefaultModel()->CreatePhysicalGraphics();
    wall->AddCurvePrimitive(*ICurvePrimitive::CreateLine({0, 0, 0}, {100, 0, 0}));
    wall->Save();
    const DgnModelId far =
        MakeModel("resident", zt::kResidentAuxiliaryModelName, {1e6, 1e6, 0}, {1e6 + 1, 1e6, 0});
    TSStoreyModelViewManager::Get().ToggleModelVisibility(Project(), view->key, far, true, false);
    viewport->SetViewSize(800, 600);

    ASSERT_TRUE(TesselUserInputManager::ExeCommand(zt::kArchZoomeCommand));
    zt::host::Executors::Get().PumpAll();
    // The wall fills the view; the far auxiliary line is outside it.
    const DPoint3d left = viewport->WorldToView(DPoint3d{0, 0, 0});
    const DPoint3d right = viewport->WorldToView(DPoint3d{100, 0, 0});
    EXPECT_GT(right.x - left.x, 600.0);
    const DPoint3d outside = viewport->WorldToView(DPoint3d{1e6, 1e6, 0});
    EXPECT_TRUE(outside.x > 800 || outside.y < 0);
    EXPECT_TRUE(ShownView()->IsModelVisible(far)) << "shown again after the zoom";
    TesselToolsManager::UnregisterFun(zt::host::kZoomExtentsCommand);
}

} // namespace
