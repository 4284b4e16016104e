// The current project's elements in the views: their symbology, their levels, and building
// bodies as plan outlines in a top view and as lit solids in 3-D.
#include "platform/cad/DgnApplication.h"
#include "platform/cad/EditElementHandle.h"
#include "platform/cad/ProjectViewScene.h"
#include "tests/cad/ProjectTestSupport.h"
#include "tests/cad/ViewTestSupport.h"

#include <gtest/gtest.h>

namespace {

class ProjectScene : public ::testing::Test
{
protected:
    void SetUp() override
    {
        project = DgnApplication::Get().NewProject();
        ASSERT_NE(project, nullptr);
        model = project->GetDefaultModel();
        ProjectViewScene::Install();
    }
    void TearDown() override { DgnApplication::Get().CloseProject(); }

    IndexedViewport& vp() { return f.selected(); }

    ViewWindowFixture f;
    DgnProject* project = nullptr;
    DgnModel* model = nullptr;
};

TEST_F(ProjectScene, LinesShowInTheirColourAndWeight)
{
    auto graphics = model->CreatePhysicalGraphics();
    graphics->SetSymbology(ElementSymbology::From(project->GetElementColor(0xFF0000), 2, 0));
    graphics->AddCurvePrimitive(
        *ICurvePrimitive::CreateLine(DPoint3d{-100, 20, 0}, DPoint3d{100, 20, 0}));
    ASSERT_NE(graphics->Save(), INVALID_ELEMENTID);
    vp().UpdateView();
    EXPECT_EQ(f.pixelOf(vp(), DPoint3d{0, 20, 0}), RGB(255, 0, 0));
    const POINT on = f.screenOf(vp(), DPoint3d{0, 20, 0});
    EXPECT_EQ(f.desk.pixel(on.x, on.y + 1), RGB(255, 0, 0)) << "weight 2 is three pixels wide";
    EXPECT_EQ(f.desk.pixel(on.x, on.y + 3), vp().GetBackgroundColor());
}

TEST_F(ProjectScene, ByLevelGeometryFollowsItsLevelAndHiddenLevelsDrawNothing)
{
    LevelDefinition def;
    def.name = "墙";
    def.color = project->GetElementColor(0x00FF00);
    const LevelId level = project->Levels().CreateLevel("墙", 0, def);
    ASSERT_NE(level, 0u);
    const ElementId id = AddLine(*model, DPoint3d{-50, -30, 0}, DPoint3d{50, -30, 0}, level);
    ASSERT_NE(id, INVALID_ELEMENTID);
    vp().UpdateView();
    EXPECT_EQ(f.pixelOf(vp(), DPoint3d{0, -30, 0}), RGB(0, 255, 0));

    ASSERT_TRUE(project->Levels().FindLevelById(level, def));
    def.displayed = false;
    ASSERT_TRUE(project->Levels().ReplaceLevel(def));
    vp().UpdateView();
    EXPECT_EQ(f.pixelOf(vp(), DPoint3d{0, -30, 0}), vp().GetBackgroundColor());
}

TEST_F(ProjectScene, AViewLimitedToSomeModelsLeavesTheOthersOut)
{
    DgnModel* other = project->CreateModel(Utf8String("辅助"), DgnModelType::Auxiliary);
    ASSERT_NE(other, nullptr);
    AddLine(*model, DPoint3d{-60, 50, 0}, DPoint3d{60, 50, 0});
    AddLine(*other, DPoint3d{-60, -50, 0}, DPoint3d{60, -50, 0});
    vp().UpdateView();
    EXPECT_NE(f.pixelOf(vp(), DPoint3d{0, -50, 0}), vp().GetBackgroundColor());

    vp().SetViewedModels(std::vector<DgnModelId>{model->GetModelId()});
    vp().UpdateView();
    EXPECT_NE(f.pixelOf(vp(), DPoint3d{0, 50, 0}), vp().GetBackgroundColor());
    EXPECT_EQ(f.pixelOf(vp(), DPoint3d{0, -50, 0}), vp().GetBackgroundColor());

    vp().SetViewedModels(std::nullopt);
    vp().UpdateView();
    EXPECT_NE(f.pixelOf(vp(), DPoint3d{0, -50, 0}), vp().GetBackgroundColor());

    // The list belongs to the project it was made for.
    const DgnModelId mainId = model->GetModelId();
    vp().SetViewedModels(std::vector<DgnModelId>{other->GetModelId()});
    DgnApplication::Get().CloseProject();
    EXPECT_TRUE(vp().IsModelViewed(mainId));
}

TEST_F(ProjectScene, APlanShowsWhatReachesItsCutAndAnotherViewShowsAll)
{
    AddLine(*model, DPoint3d{-60, 40, 0}, DPoint3d{60, 40, 0});      // on this floor
    AddLine(*model, DPoint3d{-60, -40, 5000}, DPoint3d{60, -40, 5000}); // the floor above
    vp().SetPlanCut(Viewport::PlanCut{0.0, 1200.0});
    vp().UpdateView();
    EXPECT_NE(f.pixelOf(vp(), DPoint3d{0, 40, 0}), vp().GetBackgroundColor());
    EXPECT_EQ(f.pixelOf(vp(), DPoint3d{0, -40, 5000}), vp().GetBackgroundColor());

    // Seen from aside, nothing is cut away.
    vp().GetViewControllerR().SetStandardViewRotation(StandardView::Front);
    vp().UpdateView();
    EXPECT_NE(f.pixelOf(vp(), DPoint3d{0, -40, 5000}), vp().GetBackgroundColor());
    vp().GetViewControllerR().SetStandardViewRotation(StandardView::Top);
    vp().SetPlanCut(std::nullopt);
    vp().UpdateView();
    EXPECT_NE(f.pixelOf(vp(), DPoint3d{0, -40, 5000}), vp().GetBackgroundColor());
}

TEST_F(ProjectScene, ADeletedElementLeavesTheViewAtTheNextUpdate)
{
    const ElementId id = AddLine(*model, DPoint3d{0, -80, 0}, DPoint3d{0, 80, 0});
    vp().UpdateView();
    EXPECT_NE(f.pixelOf(vp(), DPoint3d{0, 40, 0}), vp().GetBackgroundColor());
    EditElementHandle handle(id, model);
    ASSERT_TRUE(handle.DeleteFromModel());
    vp().UpdateView();
    EXPECT_EQ(f.pixelOf(vp(), DPoint3d{0, 40, 0}), vp().GetBackgroundColor());
}

TEST_F(ProjectScene, BuildingBodiesArePlanOutlinesFromAboveAndLitSolidsIn3D)
{
    // A body alone, without plan geometry of its own, so that what shows is the body; it takes
    // the symbology of its level (the default level's is white).
    auto graphics = model->CreatePhysicalGraphics();
    auto profile = CurveVector::Create(CurveVector::BOUNDARY_TYPE_Outer,
                                       ICurvePrimitive::CreateRectangle(-100, -40, 100, 40, 0));
    ASSERT_TRUE(graphics->SetExtrusion(ElementExtrusion{profile, 0.0, 120.0}));
    ASSERT_NE(graphics->Save(), INVALID_ELEMENTID);
    vp().UpdateView();
    EXPECT_EQ(f.pixelOf(vp(), DPoint3d{0, 40, 0}), RGB(255, 255, 255)) << "the outline";
    EXPECT_EQ(f.pixelOf(vp(), DPoint3d{0, 0, 0}), vp().GetBackgroundColor()) << "not filled";

    ViewFlags flags = vp().GetViewFlags();
    flags.SetRenderMode(MSRenderMode::SmoothShade);
    vp().SetViewFlags(flags);
    vp().GetViewControllerR().SetRotation(RotMatrix::FromStandardView(StandardView::Iso));
    vp().GetViewControllerR().LookAtVolume(
        DRange3d::From(DPoint3d{-100, -40, 0}, DPoint3d{100, 40, 120}));
    vp().UpdateView();
    const COLORREF top = f.pixelOf(vp(), DPoint3d{0, 0, 120});
    const COLORREF side = f.pixelOf(vp(), DPoint3d{0, -40, 60});
    EXPECT_NE(top, vp().GetBackgroundColor()) << "the top face is filled";
    EXPECT_NE(side, vp().GetBackgroundColor()) << "so is the front";
    EXPECT_NE(top, side) << "faces turned differently to the light differ";
}

} // namespace
