#include "apps/ztui-demo/demo/DrawAidScenes.h"

#include "apps/ztui-demo/demo/SceneContext.h"
#include "apps/ztui-demo/tools/HostToolSession.h"
#include "apps/ztui-demo/tools/HostWallTool.h"
#include "platform/cad/DgnTool.h"
#include "platform/cad/IndexedViewport.h"
#include "platform/host/Commands.h"
#include "platform/host/Executors.h"
#include "platform/host/TSModelInfoManager.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "platform/host/TSStoreyModelViewManager.h"
#include "ztui/drawinput/ZTArchAuxiliaryMacrosMgn.h"
#include "ztui/drawinput/ZTToolLayoutMgn.h"
#include "ztui/drawinput/ZTViewBoxTransients.h"

#include <cmath>

namespace ztdemo {

namespace {

// The wall starts in the west room; the 45-degree line from there meets the westward
// extension of the corridor wall (y = 5600, from x = 5000) near (4600, 5600).
const DPoint3d kStart{1000, 2000, 0};
const DPoint3d kSnapTarget{4600, 5600, 0};
constexpr double kCorridorY = 5600;

// Where the 45-degree line from a first point (where the click landed) meets the corridor
// wall's line.
DPoint3d CrossingFrom(const DPoint3d& first)
{
    return DPoint3d{first.x + (kCorridorY - first.y), kCorridorY, 0};
}
// Where the user lets go of the mouse: close to the crossing, not on it.
const DPoint3d kCursor{4630, 5640, 0};
// The view box's edge between the front and the top face.
constexpr int kTopFrontEdge = 8;

zt::ZTArchAuxiliaryMacrosMgn& Aids()
{
    return zt::ZTArchAuxiliaryMacrosMgn::GetInstance();
}

// The host shows the ground storey in the first view, as a storey model view.
void ShowStoreyInFirstView(DemoSession& session)
{
    zt::host::Executors::Get().RunOnWork([&session] {
        DgnProject* project = session.Project();
        if (!project)
            return;
        TSStoreyModelViewInfoPtr view =
            TSStoreyModelViewManager::Get().EnsureViewportView(*project);
        TSModelInfo info;
        if (view.IsValid() &&
            TSModelInfoManager::Get().GetModelInfo(*project, view->modelId, info) &&
            info.modelType != TSModelType_Storey) {
            info.modelType = TSModelType_Storey;
            TSModelInfoManager::Get().ReplaceModelInfo(*project, info);
        }
    });
}

void SnapToExtensionAndPolar(SceneContext& c, SceneChecks& checks)
{
    ShowStoreyInFirstView(c.session());
    c.session().ShowPlan();
    c.Settle();
    c.user().click(c.RibbonButtonCentre(DemoSession::kWallTool));
    c.Settle();
    checks.expect(DgnTool::GetActivePrimitiveTool() != nullptr, "the wall tool is active");
    checks.expect(Aids().IsActive(), "the auxiliary lines are on while the tool runs");
    c.user().click(c.ScreenOf(kStart));
    c.Settle();
    c.user().moveTo(c.ScreenOf(kCursor));
    c.Settle();
    const zt::AuxiliaryMoveDrawing& drawn = Aids().GetLastDrawing();
    checks.expect(drawn.trackingLine.IsValid() && drawn.trackingLabel == L"45",
                  "the polar line runs at 45 degrees, labelled 45");
    checks.expect(drawn.indicatorArc.has_value(), "the angle indicator spans from the X axis");
    checks.expect(Aids().GetShownLines().size() >= 2, "the extension and the polar line are shown");
    checks.expect(!Aids().GetWrittenElements().empty(),
                  "the shown lines are in the auxiliary model for snapping");
    bool previewAtTarget = false;
    const bvector<DPoint3d>& clicked = zt::ZTToolLayoutMgn::Get().GetPoints();
    if (auto* tool = dynamic_cast<HostWallTool*>(HostToolSession::Get().GetActiveTool());
        tool && !clicked.empty())
        for (const ICurvePrimitivePtr& curve : tool->GetDynamics()) {
            DPoint3d s, e;
            if (curve->GetStartEnd(s, e) && e.DistanceXY(CrossingFrom(clicked.front())) < 1e-6 &&
                e.DistanceXY(kSnapTarget) < 20)
                previewAtTarget = true;
        }
    checks.expect(previewAtTarget, "the wall preview ends on the crossing, not at the cursor");
}

void WallOnTheCrossing(SceneContext& c, SceneChecks& checks)
{
    c.user().click(c.ScreenOf(kCursor));
    c.Settle();
    bool placed = false;
    if (DgnProject* project = c.session().Project())
        for (ElementRef* element : project->GetDefaultModel()->GetElementRefs()) {
            const auto object = TSObjectExtensionManager::Get().GetTSObject(element);
            if (auto* wall = dynamic_cast<TSArchiWall*>(object.get()))
                placed |= wall->GetStart().DistanceXY(kStart) < 20 &&
                          wall->GetEnd().DistanceXY(CrossingFrom(wall->GetStart())) < 1e-6;
        }
    checks.expect(placed, "the new wall ends exactly where the two lines cross");
    POINT away = c.ScreenOf({kSnapTarget.x - 1500, kSnapTarget.y - 1500, 0});
    c.user().rightClick(away.x, away.y);
    c.Settle();
    c.user().rightClick(away.x, away.y);
    c.Settle();
    checks.expect(!Aids().IsActive(), "leaving the tool closes the auxiliary lines");
    checks.expect(Aids().GetWrittenElements().empty(), "and takes their elements away");
}

void HoverViewBoxEdge(SceneContext& c, SceneChecks& checks)
{
    ShowStoreyInFirstView(c.session());
    c.session().ShowIso();
    TesselUserInputManager::ExeCommand(zt::kAddViewBoxCommand);
    c.Settle();
    zt::ZTViewBoxTransients& box = zt::ZTViewBoxTransients::instance();
    checks.expect(box.isShow(), "the view box shows in the storey's 3-D view");
    IndexedViewport* view = c.session().View();
    zt::ViewBoxGeometry geometry;
    if (!checks.expect(view && geometry.Place(*view), "the box fits the view"))
        return;
    // On the top face, next to its front edge.
    c.user().moveTo(c.ScreenOf(geometry.FacePoint(5, 0.5, 0.08)));
    c.Settle();
    checks.expect(box.IsHovering() && box.GetHover().edge == kTopFrontEdge,
                  "the edge between the top and the front face lights up");
}

void TurnToViewBoxEdge(SceneContext& c, SceneChecks& checks)
{
    IndexedViewport* view = c.session().View();
    zt::ViewBoxGeometry geometry;
    if (!checks.expect(view && geometry.Place(*view), "the box is there"))
        return;
    const POINT edge = c.ScreenOf(geometry.FacePoint(5, 0.5, 0.08));
    c.user().click(edge);
    c.Settle();
    checks.expect(
        view->GetRotMatrix().IsEqual(zt::ViewBoxGeometry::EdgeRotation(kTopFrontEdge), 1e-9),
        "the view looks at the building across that edge");
    // The picture keeps the cursor over the turned box, in the corner.
    c.user().moveTo(POINT{edge.x, edge.y});
    c.Settle();
}

} // namespace

void AddDrawAidScenes(SceneRunner& runner)
{
    runner.add({"aux-snap",
                "Drawing a wall: the corridor wall's extension and the 45° polar line cross, the "
                "angle indicator shows 45° and the preview snaps to the crossing",
                &SnapToExtensionAndPolar});
    runner.add({"aux-wall", "The wall placed on the crossing; leaving the tool clears the aids",
                &WallOnTheCrossing});
    runner.add({"viewbox-hover",
                "The view box of the 3-D view, the top front edge under the cursor",
                &HoverViewBoxEdge});
    runner.add({"viewbox-edge", "A click on that edge turns the view to look across it",
                &TurnToViewBoxEdge});
}

} // namespace ztdemo
