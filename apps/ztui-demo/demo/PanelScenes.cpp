#include "apps/ztui-demo/demo/PanelScenes.h"

#include "apps/ztui-demo/demo/HostRerun.h"
#include "apps/ztui-demo/demo/SceneContext.h"
#include "platform/cad/DgnProject.h"
#include "platform/cad/ElementRef.h"
#include "platform/cad/SelectionSetManager.h"
#include "platform/host/TSArchiSlab.h"
#include "platform/host/TSArchiWall.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "platform/win/Desktop.h"
#include "ztui/propertypanel/ZTPropertyMgn.h"
#include "ztui/proplist/editors/item_ctrl.h"
#include "ztui/proplist/window/ListBoxProperty.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace ztdemo {

namespace {

// A point on the axis of the south wall of the ground storey, clear of its door and columns.
const DPoint3d kSouthWall{3800, 0, 0};
// Inside the east room, on nothing but its floor slab.
const DPoint3d kEastRoomFloor{8500, 3000, 0};
// On the partition between the office and the meeting room.
const DPoint3d kPartition{5000, 1500, 0};
constexpr double kNewThickness = 400.0;
// Set for the two runs of the host that the restart scene starts.
constexpr const char* kRestartRun = "ZTDEMO_PANEL_RESTART";

zt::PropertyList_imp& Model()
{
    return *zt::ZTPropertyMgn::instance().context().listModel;
}

zt::ListBoxProperty* List(SceneContext& c)
{
    return c.session().Panel().GetPropertyList();
}

zt::PropertyItem_imp* ItemNamed(const wchar_t* name)
{
    for (const auto& item : Model().items())
        if (item->name() == CString(name))
            return item.get();
    return nullptr;
}

std::vector<std::wstring> GroupNames()
{
    std::vector<std::wstring> names;
    for (const auto& group : Model().rows().groups())
        names.emplace_back(group->text().GetString());
    return names;
}

void StartSelecting(SceneContext& c)
{
    // Messages of earlier scenes have had their time.
    c.user().advance(10000);
    c.session().ShowPlan();
    c.Settle();
    c.user().click(c.RibbonButtonCentre(DemoSession::kSelectTool));
    c.Settle();
}

void Pick(SceneContext& c, const DPoint3d& at, bool addToSelection)
{
    if (addToSelection)
        c.user().keyDown(VK_CONTROL);
    c.user().click(c.ScreenOf(at));
    if (addToSelection)
        c.user().keyUp(VK_CONTROL);
    c.Settle();
}

template <class T>
T* SelectedAs(std::size_t index)
{
    ElementRef* e = SelectionSetManager::GetManager().GetElement(index);
    return dynamic_cast<T*>(TSObjectExtensionManager::Get().GetTSObject(e).get());
}

double ThicknessOfSelected(std::size_t index)
{
    ElementRef* e = SelectionSetManager::GetManager().GetElement(index);
    RefCountedPtr<ITSObject> obj = TSObjectExtensionManager::Get().GetTSObject(e);
    auto* wall = dynamic_cast<TSArchiWall*>(obj.get());
    return wall ? wall->GetThickness() : -1.0;
}

// The visible row of an item's first row, or -1.
int RowOf(const zt::PropertyItem_imp* item)
{
    const auto& rows = Model().rows().visibleRows();
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i]->item() == item)
            return static_cast<int>(i);
    return -1;
}

HWND EditorOf(SceneContext& c, const zt::PropertyItem_imp* item)
{
    int row = RowOf(item);
    zt::item_ctrl* holder = row < 0 ? nullptr : List(c)->Editor(Model().rows().visibleRow(row));
    return holder ? holder->window() : nullptr;
}

std::wstring WindowText(HWND h)
{
    wchar_t text[256] = {};
    ::GetWindowTextW(h, text, 255);
    return text;
}

// How many pixels the south wall spans across its axis in the plan: from the first to the last
// drawn pixel of a short strip across it. The selection's outline is taken away meanwhile, so
// that what is measured is the model's own drawing.
int SpanAcrossSouthWall(SceneContext& c)
{
    c.session().Highlight().Stop();
    c.Settle();
    struct Restart
    {
        SceneContext& c;
        ~Restart()
        {
            c.session().Highlight().Start();
            c.Settle();
        }
    } restart{c};
    POINT a = c.ScreenOf({kSouthWall.x, kSouthWall.y - 600, 0});
    POINT b = c.ScreenOf({kSouthWall.x, kSouthWall.y + 600, 0});
    int first = -1;
    int last = -1;
    for (int y = std::min(a.y, b.y); y <= std::max(a.y, b.y); ++y) {
        RECT pixel{a.x, y, a.x + 1, y + 1};
        if (c.DrawnShare(pixel) > 0) {
            if (first < 0)
                first = y;
            last = y;
        }
    }
    return first < 0 ? 0 : last - first;
}

// Where a group header's fold glyph is, on the screen.
POINT HeaderGlyph(SceneContext& c, int visibleRow)
{
    CRect r;
    List(c)->GetItemRect(visibleRow, &r);
    List(c)->ClientToScreen(&r);
    return POINT{r.right - 6, r.CenterPoint().y};
}

bool GroupOpen(const wchar_t* group)
{
    for (const auto& item : Model().items())
        if (item->groupName() == CString(group))
            return item->groupExpanded();
    return false;
}

void SelectWall(SceneContext& c, SceneChecks& checks)
{
    StartSelecting(c);
    Pick(c, kSouthWall, false);
    checks.expect(SelectionSetManager::GetManager().NumSelected() == 1, "one element is selected");
    checks.expect(SelectedAs<TSArchiWall>(0) != nullptr, "the element picked is the south wall");
    checks.expect(GroupNames() == std::vector<std::wstring>{L"几何", L"材质", L"位置"},
                  "the panel shows the wall's three groups");
    zt::PropertyItem_imp* thickness = ItemNamed(L"厚度");
    checks.expect(thickness && thickness->doubleValue() == 240.0, "the wall is 240 thick");
    checks.expect(ItemNamed(L"起点") && ItemNamed(L"材料") && ItemNamed(L"图层"),
                  "its points, material and layer are listed");
    HWND editor = EditorOf(c, thickness);
    checks.expect(editor && WindowText(editor) == L"240.00", "the thickness shows as 240.00");
    checks.expect(List(c) && List(c)->IsWindowVisible(), "the list fills the dock pane");
}

void ChangeThickness(SceneContext& c, SceneChecks& checks)
{
    int before = SpanAcrossSouthWall(c);
    HWND editor = EditorOf(c, ItemNamed(L"厚度"));
    if (!checks.expect(editor != nullptr, "the thickness has an editor"))
        return;
    CRect cell;
    ::GetWindowRect(editor, &cell);
    c.user().click(cell.CenterPoint());
    c.user().keyDown(VK_CONTROL);
    c.user().key('A');
    c.user().keyUp(VK_CONTROL);
    c.user().type(L"400");
    c.user().key(VK_RETURN);
    c.Settle();
    checks.expect(ThicknessOfSelected(0) == kNewThickness, "the wall in the model is 400 thick");
    ElementRef* wall = SelectionSetManager::GetManager().GetElement(0);
    checks.expect(
        wall && std::abs(wall->GetRange().high.y - wall->GetRange().low.y - kNewThickness) < 1e-6,
        "its body is 400 across");
    zt::PropertyItem_imp* thickness = ItemNamed(L"厚度");
    checks.expect(thickness && thickness->doubleValue() == kNewThickness,
                  "the panel, refreshed from the wall, shows 400");
    int after = SpanAcrossSouthWall(c);
    checks.expect(before > 0 && after > before, "the wall in the view is thicker (" +
                                                    std::to_string(before) + " to " +
                                                    std::to_string(after) + " pixels)");
}

void MixedSelection(SceneContext& c, SceneChecks& checks)
{
    Pick(c, kEastRoomFloor, true);
    Pick(c, kPartition, true);
    SelectionSetManager& selection = SelectionSetManager::GetManager();
    checks.expect(selection.NumSelected() == 3, "a wall, a slab and a partition are selected");
    checks.expect(SelectedAs<TSArchiSlab>(1) != nullptr, "the second is the floor slab");
    std::vector<std::wstring> names;
    for (const auto& item : Model().items())
        names.emplace_back(item->name().GetString());
    checks.expect(names == std::vector<std::wstring>{L"厚度", L"材料", L"楼层", L"图层"},
                  "the panel lists what walls and slabs both have");
    zt::PropertyItem_imp* thickness = ItemNamed(L"厚度");
    checks.expect(thickness && thickness->hasDisplayText(), "the thickness has several values");
    HWND editor = EditorOf(c, thickness);
    checks.expect(editor && WindowText(editor) == L"*多种*", "its editor shows *多种*");
    zt::PropertyItem_imp* material = ItemNamed(L"材料");
    checks.expect(material && !material->hasDisplayText(),
                  "the material they share shows as it is");
}

// One run of the host for the restart scene: picks the wall and, in the first run, closes its
// geometry group.
void RestartFirstRun(SceneContext& c, SceneChecks& checks)
{
    StartSelecting(c);
    Pick(c, kSouthWall, false);
    if (!checks.expect(GroupOpen(L"几何"), "the geometry group starts open"))
        return;
    c.user().click(HeaderGlyph(c, 0));
    c.Settle();
    checks.expect(!Model().rows().groups().front()->expanded() && Model().rows().visibleRow(1) &&
                      Model().rows().visibleRow(1)->kind() == zt::PropertyRowKind::Group,
                  "the geometry group is folded to its header");
}

void RestartSecondRun(SceneContext& c, SceneChecks& checks)
{
    StartSelecting(c);
    Pick(c, kSouthWall, false);
    checks.expect(!GroupOpen(L"几何"), "the geometry group is still closed");
    checks.expect(GroupOpen(L"材质") && GroupOpen(L"位置"), "the other groups are open");
}

void Restart(SceneContext& c, SceneChecks& checks)
{
    DgnProject* project = c.session().Project();
    if (!checks.expect(project != nullptr, "a project is open"))
        return;
    std::filesystem::path file(project->GetFileName().c_str());
    std::filesystem::path base = file.parent_path() / "panel-restart";
    std::filesystem::path appData = base / "appdata";
    std::error_code ec;
    std::filesystem::remove_all(base, ec);
    checks.expect(
        RunHostAgain(base / "first", file, appData, false, "panel-restart-first", kRestartRun) == 0,
        "the first run closed the group and ended");
    std::ifstream memory(appData / "TSArch" / "Config" / "PropertyGroupExtend.json");
    std::stringstream text;
    text << memory.rdbuf();
    checks.expect(text.str().find("\"TSArchToolProperty几何\":false") != std::string::npos,
                  "the first run left the closed group in PropertyGroupExtend.json");
    checks.expect(RunHostAgain(base / "second", file, appData, true, "panel-restart-second",
                               kRestartRun) == 0,
                  "the second run found the group closed");
    checks.usePicture(base / "second" / "01-panel-restart-second.png");
}

} // namespace

void AddPanelScenes(SceneRunner& runner)
{
    if (std::getenv(kRestartRun)) {
        runner.add({"panel-restart-first", "First run: the wall's geometry group is closed",
                    &RestartFirstRun});
        runner.add({"panel-restart-second", "Second run: the wall's geometry group is still closed",
                    &RestartSecondRun});
        return;
    }
    runner.add({"panel-wall",
                "The selection tool picks the south wall: the property panel in the dock pane "
                "shows its groups and values",
                &SelectWall});
    runner.add({"panel-thickness",
                "400 typed as the wall's thickness in the panel: the wall in the view is thicker",
                &ChangeThickness});
    runner.add({"panel-mixed",
                "Ctrl+click adds the floor slab and the partition: the panel shows what walls and "
                "slabs share, the thickness as *多种*",
                &MixedSelection});
    runner.add({"panel-restart",
                "The host started again after the user closed the geometry group: the group is "
                "still closed",
                &Restart});
}

} // namespace ztdemo
