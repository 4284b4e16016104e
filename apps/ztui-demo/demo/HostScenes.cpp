#include "apps/ztui-demo/demo/HostScenes.h"

#include "apps/ztui-demo/demo/SceneContext.h"
#include "platform/cad/DgnProject.h"
#include "platform/cad/DgnTool.h"
#include "platform/cad/IndexedViewport.h"
#include "platform/host/Executors.h"
#include "platform/host/TSArchiWall.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "platform/win/Desktop.h"
#include "ztui/frame/ZTDlgPopMessage.h"
#include "ztui/frame/ZTUiMgn.h"

#include <algorithm>
#include <cmath>

namespace ztdemo {

namespace {

// Points of the new wall, a partition across the west room, in millimetres.
const DPoint3d kNewWallStart{600, 3000, 0};
const DPoint3d kNewWallEnd{4400, 3000, 0};

std::size_t CountWalls(DemoSession& session)
{
    DgnProject* project = session.Project();
    if (!project || !project->GetDefaultModel())
        return 0;
    std::size_t walls = 0;
    for (ElementRef* element : project->GetDefaultModel()->GetElementRefs())
        if (dynamic_cast<TSArchiWall*>(TSObjectExtensionManager::Get().GetTSObject(element).get()))
            ++walls;
    return walls;
}

// Whether anything is drawn across a wall whose axis passes through the point in the plan:
// a strip from one face to the other, wider than the wall.
bool ShowsWallAcross(SceneContext& c, const DPoint3d& onAxis)
{
    POINT a = c.ScreenOf({onAxis.x, onAxis.y - 400, 0});
    POINT b = c.ScreenOf({onAxis.x, onAxis.y + 400, 0});
    RECT strip{a.x - 1, std::min(a.y, b.y), a.x + 2, std::max(a.y, b.y) + 1};
    return c.DrawnShare(strip) > 0;
}

void Plan(SceneContext& c, SceneChecks& checks)
{
    c.session().ShowPlan();
    c.Settle();
    IndexedViewport* view = c.session().View();
    checks.expect(view != nullptr, "there is a selected view");
    StandardView standard = StandardView::NotStandard;
    checks.expect(view && view->GetViewController().IsStandardViewRotation(&standard) &&
                      standard == StandardView::Top,
                  "the view looks down on the building");
    checks.expect(CountWalls(c.session()) >= 12, "the sample building has its twelve walls");
    checks.expect(ShowsWallAcross(c, {6000, 0, 0}), "the south wall is drawn");
    checks.expect(c.DrawnShare(c.ViewRect()) > 0.01, "the plan shows the building");
}

void Iso(SceneContext& c, SceneChecks& checks)
{
    c.session().ShowIso();
    c.Settle();
    IndexedViewport* view = c.session().View();
    StandardView standard = StandardView::NotStandard;
    checks.expect(view && view->GetViewController().IsStandardViewRotation(&standard) &&
                      standard == StandardView::Iso,
                  "the view is the iso view");
    checks.expect(c.DrawnShare(c.ViewRect()) > 0.08, "the solids fill part of the view");
}

void WallPreview(SceneContext& c, SceneChecks& checks)
{
    c.session().ShowPlan();
    c.Settle();
    c.user().click(c.RibbonButtonCentre(DemoSession::kWallTool));
    c.Settle();
    checks.expect(DgnTool::GetActivePrimitiveTool() != nullptr, "the wall tool is active");
    c.user().click(c.ScreenOf(kNewWallStart));
    c.Settle();
    c.user().moveTo(c.ScreenOf(kNewWallEnd));
    c.Settle();
    DPoint3d middle{(kNewWallStart.x + kNewWallEnd.x) / 2, kNewWallStart.y, 0};
    checks.expect(ShowsWallAcross(c, middle), "the rubber band follows the cursor");
}

void WallDrawn(SceneContext& c, SceneChecks& checks)
{
    std::size_t before = CountWalls(c.session());
    c.user().click(c.ScreenOf(kNewWallEnd));
    c.Settle();
    // The right button ends the chain of walls; a second one leaves the tool.
    POINT away = c.ScreenOf({kNewWallEnd.x - 1000, kNewWallEnd.y - 1500, 0});
    c.user().rightClick(away.x, away.y);
    c.Settle();
    c.user().rightClick(away.x, away.y);
    c.Settle();
    checks.expect(CountWalls(c.session()) == before + 1, "one new wall is in the model");
    DPoint3d middle{(kNewWallStart.x + kNewWallEnd.x) / 2, kNewWallStart.y, 0};
    checks.expect(ShowsWallAcross(c, middle), "the new wall is drawn");
}

void RibbonSwitched(SceneContext& c, SceneChecks& checks)
{
    // A tool that leaves only drawing and the views available, as a modal tool does.
    std::vector<CString> keep{DemoSession::kWallTool, DemoSession::kPlanView,
                              DemoSession::kIsoView};
    zt::host::Executors::Get().RunOnWork(
        [&] { zt::ZTUiMgn::instance().enableRibbonButtonOnly(keep); });
    c.Settle();
    zt::host::RibbonBar& ribbon = c.session().Ribbon();
    checks.expect(ribbon.IsButtonEnabled(DemoSession::kWallTool), "the wall button stays on");
    checks.expect(!ribbon.IsButtonEnabled(DemoSession::kMoveTool), "move is switched off");
    checks.expect(!ribbon.IsButtonEnabled(DemoSession::kMirrorTool), "mirror is switched off");
}

void PopFromWork(SceneContext& c, SceneChecks& checks)
{
    std::vector<CString> none;
    zt::ZTUiMgn::instance().disableRibbonButtonOnly(none); // every button back on
    zt::host::Executors::Get().PostToWork(
        [] { zt::ZTUiMgn::PopMessageWorkThread(L"墙体已创建", zt::POP_MSG_INFO, 3000); });
    c.Settle();
    checks.expect(zt::ZTDlgPopMessage::Exists() &&
                      zt::ZTDlgPopMessage::Instance()->IsWindowVisible(),
                  "the message shows over the main frame");
    checks.expect(c.session().Ribbon().IsButtonEnabled(DemoSession::kMoveTool),
                  "the ribbon is whole again");
}

} // namespace

void AddHostScenes(SceneRunner& runner)
{
    runner.add({"plan",
                "The sample building's ground floor in plan: walls, columns, doors and windows",
                &Plan});
    runner.add({"iso", "The same building as lit solids in the iso view", &Iso});
    runner.add({"wall-preview",
                "Drawing a wall: after the first click the tool layout manager previews the "
                "wall under the cursor",
                &WallPreview});
    runner.add({"wall-drawn", "The second click places the wall; the right button ends the tool",
                &WallDrawn});
    runner.add({"ribbon-switched",
                "A tool leaves only the wall and view buttons on: the others are greyed",
                &RibbonSwitched});
    runner.add({"pop-message",
                "A message raised on the work thread shows over the main frame, see-through "
                "and click-through",
                &PopFromWork});
}

} // namespace ztdemo
