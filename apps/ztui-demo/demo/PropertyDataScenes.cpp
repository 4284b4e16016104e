#include "apps/ztui-demo/demo/PropertyDataScenes.h"

#include "apps/ztui-demo/demo/HostRerun.h"
#include "apps/ztui-demo/demo/SceneContext.h"
#include "apps/ztui-demo/session/SampleBuilding.h"
#include "apps/ztui-demo/tools/HostElementPicker.h"
#include "apps/ztui-demo/tools/HostFormatBrushTool.h"
#include "apps/ztui-demo/tools/HostSelectTool.h"
#include "apps/ztui-demo/tools/HostTool.h"
#include "platform/base/Encoding.h"
#include "platform/cad/DgnLevels.h"
#include "platform/cad/DgnProject.h"
#include "platform/cad/ElementRef.h"
#include "platform/cad/SelectionSetManager.h"
#include "platform/host/TSArchiWall.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "platform/host/ZTLayerCompsMgn.h"
#include "ztui/propertypanel/ZTPropertySetMgn.h"

#include <cstdlib>

namespace ztdemo {

namespace {

// On the axes of the ground storey's walls, clear of doors, windows and columns.
const DPoint3d kSouthWall{3800, 0, 0};
const DPoint3d kNorthWall{6500, 8000, 0};
const DPoint3d kEastWall{12000, 7000, 0};
// The corridor wall, clear of its door; the scenes before may have moved the partition.
const DPoint3d kCorridorWall{6500, 5600, 0};
constexpr double kBrushThickness = 370.0;
constexpr const wchar_t* kBrushMaterial = L"砖";
// Set for the second run of the host that the property-set scene starts.
constexpr const char* kSecondRun = "ZTDEMO_PROPERTY_SET_RUN";

// What the user keeps in the brush's property set: the look of a wall, not its size upward.
const std::map<CString, bool>& BrushSet()
{
    static const std::map<CString, bool> set{{L"厚度", true},  {L"材料", true},
                                             {L"高度", false}, {L"底部偏移", false},
                                             {L"楼层", false}, {L"图层", false}};
    return set;
}

RefCountedPtr<TSArchiWall> WallAt(SceneContext& c, const DPoint3d& at)
{
    DgnProject* project = c.session().Project();
    DgnModel* model = project ? HostTool::GetActiveModel(*project) : nullptr;
    ElementRef* element =
        model ? HostElementPicker::Pick(*model, at, HostSelectTool::kPickTolerance) : nullptr;
    RefCountedPtr<ITSObject> obj = TSObjectExtensionManager::Get().GetTSObject(element);
    return dynamic_cast<TSArchiWall*>(obj.get());
}

void Begin(SceneContext& c)
{
    // Nothing of the scenes before stays picked.
    SelectionSetManager::GetManager().Clear();
    c.user().advance(10000);
    c.session().ShowPlan();
    c.Settle();
}

void FormatBrush(SceneContext& c, SceneChecks& checks)
{
    Begin(c);
    RefCountedPtr<TSArchiWall> source = WallAt(c, kSouthWall);
    if (!checks.expect(source.IsValid(), "the south wall is there"))
        return;
    // The source wall as the user left it earlier: thicker, and of brick.
    source->SetThickness(kBrushThickness);
    source->SetMaterial(kBrushMaterial);
    source->UpdateInModel();
    zt::ZTPropertySetMgn::instance().setCurrentPropertySet(HostFormatBrushTool::TOOL_ID,
                                                           BrushSet());
    const double northHeight = WallAt(c, kNorthWall)->GetHeight();
    c.Settle();

    c.user().click(c.RibbonButtonCentre(DemoSession::kFormatBrushTool));
    c.Settle();
    c.user().click(c.ScreenOf(kSouthWall));
    c.Settle();
    checks.expect(std::wstring(c.session().CommandLine().GetPrompt().GetString()) ==
                      L"请选择目标构件/右键结束：",
                  "the brush asks for the walls to paint");
    c.user().click(c.ScreenOf(kNorthWall));
    c.Settle();
    c.user().click(c.ScreenOf(kEastWall));
    c.Settle();
    for (const DPoint3d& at : {kNorthWall, kEastWall}) {
        RefCountedPtr<TSArchiWall> wall = WallAt(c, at);
        checks.expect(wall.IsValid() && wall->GetThickness() == kBrushThickness,
                      "a painted wall took the thickness");
        checks.expect(wall.IsValid() && wall->GetMaterial() == WString(kBrushMaterial),
                      "a painted wall took the material");
    }
    checks.expect(WallAt(c, kNorthWall)->GetHeight() == northHeight,
                  "the height, left out of the property set, stayed");
}

void SavedSetFirstRun(SceneContext& c, SceneChecks& checks)
{
    DgnProject* project = c.session().Project();
    if (!checks.expect(project != nullptr, "a project is open"))
        return;
    zt::ZTPropertySetMgn::instance().setCurrentPropertySet(HostFormatBrushTool::TOOL_ID,
                                                           BrushSet());
    checks.expect(project->SaveChanges() == DgnProjectStatus::Success, "the project is saved");
    std::filesystem::path file(project->GetFileName().c_str());
    std::filesystem::path base = file.parent_path() / "property-set";
    std::error_code ec;
    std::filesystem::remove_all(base, ec);
    checks.expect(
        RunHostAgain(base, file, base / "appdata", false, "property-set-second", kSecondRun) == 0,
        "the host opened the project again and found the brush's set");
    checks.usePicture(base / "01-property-set-second.png");
}

void SavedSetSecondRun(SceneContext& c, SceneChecks& checks)
{
    Begin(c);
    std::map<CString, bool> set;
    checks.expect(
        zt::ZTPropertySetMgn::instance().getCurrentPropertySet(HostFormatBrushTool::TOOL_ID, set),
        "the brush has a property set in the reopened project");
    checks.expect(set == BrushSet(), "it is the set saved before");
    // The brush at work with the set: the source is picked, the targets are asked for.
    c.user().click(c.RibbonButtonCentre(DemoSession::kFormatBrushTool));
    c.Settle();
    c.user().click(c.ScreenOf(kSouthWall));
    c.Settle();
}

// The part of a square on the corridor wall's axis that is drawn on.
double CorridorWallDrawn(SceneContext& c)
{
    c.session().Highlight().Stop();
    c.Settle();
    POINT p = c.ScreenOf(kCorridorWall);
    double share = c.DrawnShare(RECT{p.x - 6, p.y - 6, p.x + 7, p.y + 7});
    c.session().Highlight().Start();
    c.Settle();
    return share;
}

void LayerHidden(SceneContext& c, SceneChecks& checks)
{
    Begin(c);
    c.user().click(c.RibbonButtonCentre(DemoSession::kSelectTool));
    c.Settle();
    c.user().click(c.ScreenOf(kCorridorWall));
    c.Settle();
    checks.expect(SelectionSetManager::GetManager().NumSelected() == 1,
                  "the corridor wall is picked");
    CComboBox& box = c.session().LayerCombo();
    CString shown;
    if (box.GetCurSel() >= 0)
        box.GetLBText(box.GetCurSel(), shown);
    checks.expect(shown == CString(zt::base::Utf8ToWide(kWallLayer).c_str()),
                  "the layer box shows the wall's layer");
    checks.expect(CorridorWallDrawn(c) > 0.0, "the corridor wall is drawn");

    // The user opens the layer box and steps down to the beams' layer.
    CRect r;
    box.GetWindowRect(&r);
    c.user().click(r.CenterPoint());
    c.Settle();
    const CString target(zt::base::Utf8ToWide(kBeamLayer).c_str());
    for (int i = 0; i < box.GetCount(); ++i) {
        CString text;
        box.GetLBText(box.GetCurSel(), text);
        if (text == target)
            break;
        c.user().key(VK_DOWN);
        c.Settle();
    }
    c.user().key(VK_RETURN);
    c.Settle();
    ElementRef* wall = SelectionSetManager::GetManager().GetElement(0);
    LevelDefinition level;
    checks.expect(wall && c.session().Project()->Levels().FindLevelById(wall->GetLevel(), level) &&
                      level.name == kBeamLayer,
                  "the corridor wall is on the beams' layer now");

    // The beams' layer hidden in the current combination takes the wall out of the view.
    DgnProject& project = *c.session().Project();
    ZTLayerCompsMgn& combs = ZTLayerCompsMgn::Get();
    checks.expect(combs.SetLayerVisible(project, combs.GetCurCompName(project), kBeamLayer, false),
                  "the beams' layer is hidden");
    SelectionSetManager::GetManager().Clear();
    c.Settle();
    checks.expect(CorridorWallDrawn(c) == 0.0, "the corridor wall is gone from the view");
}

} // namespace

void AddPropertyDataScenes(SceneRunner& runner)
{
    if (std::getenv(kSecondRun)) {
        runner.add({"property-set-second",
                    "The project opened again: the format brush's property set is still there",
                    &SavedSetSecondRun});
        return;
    }
    runner.add({"format-brush",
                "The format brush carries the south wall's thickness and brick to the north and "
                "east walls",
                &FormatBrush});
    runner.add({"property-set",
                "The host started again on the saved project: the brush's property set came back "
                "with it",
                &SavedSetFirstRun});
    runner.add({"layer-hidden",
                "The corridor wall moved to the beams' layer in the layer box, then that layer "
                "hidden: the wall leaves the view",
                &LayerHidden});
}

} // namespace ztdemo
