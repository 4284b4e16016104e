#include "apps/ztui-demo/demo/ContextbarScenes.h"

#include "apps/ztui-demo/demo/SceneContext.h"
#include "apps/ztui-demo/tools/HostMoveTool.h"
#include "apps/ztui-demo/tools/HostToolSession.h"
#include "platform/cad/ElementRef.h"
#include "platform/cad/IndexedViewport.h"
#include "platform/cad/SelectionSetManager.h"
#include "platform/host/TSArchiWall.h"
#include "platform/host/CommandLine.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "ztui/contextbar/ZTContextBarProxy.h"
#include "ztui/contextbar/ZTDlgUiContextbar.h"
#include "ztui/tracer/TracerProxy.h"
#include "ztui/widgets/IconButton.h"

#include <cmath>
#include <string>

namespace ztdemo {

namespace {

// On the partition between the office and the meeting room, clear of its ends.
const DPoint3d kPartition{5000, 1500, 0};
// How far the scene moves the partition, in millimetres, along the x axis.
constexpr double kOffset = 600.0;
constexpr int kMoveButton = 0;

zt::ZTDlgUiContextbar* Bar()
{
    return zt::ZTDlgUiContextbar::GetWindow();
}

POINT ButtonCentre(int index)
{
    CRect r;
    if (zt::CIconButton* button = zt::ZTDlgUiContextbar::GetButtonControl(index))
        button->GetWindowRect(&r);
    return r.CenterPoint();
}

HWND VisibleTip()
{
    for (HWND h = ::GetTopWindow(nullptr); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        wchar_t cls[64];
        ::GetClassNameW(h, cls, 64);
        if (std::wstring(cls) == L"tooltips_class32" && ::IsWindowVisible(h))
            return h;
    }
    return nullptr;
}

DPoint3d WallStart(ElementRef* element)
{
    RefCountedPtr<ITSObject> obj = TSObjectExtensionManager::Get().GetTSObject(element);
    auto* wall = dynamic_cast<TSArchiWall*>(obj.get());
    return wall ? wall->GetStart() : DPoint3d{NAN, NAN, NAN};
}

void BarOpens(SceneContext& c, SceneChecks& checks)
{
    c.user().advance(10000);
    c.session().ShowPlan();
    c.Settle();
    c.user().click(c.RibbonButtonCentre(DemoSession::kSelectTool));
    c.Settle();
    c.user().click(c.ScreenOf(kPartition));
    c.Settle();
    ElementRef* picked = SelectionSetManager::GetManager().GetElement(0);
    checks.expect(picked && dynamic_cast<TSArchiWall*>(
                                TSObjectExtensionManager::Get().GetTSObject(picked).get()),
                  "the partition wall is selected");
    zt::ZTDlgUiContextbar* bar = Bar();
    if (!checks.expect(bar && bar->IsWindowVisible(), "the context bar is open"))
        return;
    checks.expect(zt::ZTContextBarProxy::IsBarExist(), "the proxy knows the bar is open");
    checks.expect(bar->buttonCount() == 5, "it shows the five common operations");
    checks.expect(bar->labels().size() == 5 && bar->labels()[0] == WString(L"移动"),
                  "the first is move");
    CRect rect;
    bar->GetWindowRect(&rect);
    const POINT pick = c.ScreenOf(kPartition);
    checks.expect(rect.Width() == 170 && rect.Height() == 50, "one row of five buttons");
    checks.expect(std::abs(rect.left - pick.x) < 200 && std::abs(rect.top - pick.y) < 250,
                  "the bar floats beside the picked wall");
    checks.expect(c.DrawnShare(rect) > 0.9, "the bar is drawn over the view");
}

void BarTooltip(SceneContext& c, SceneChecks& checks)
{
    if (!checks.expect(Bar() != nullptr, "the bar is open"))
        return;
    c.user().moveTo(ButtonCentre(2));
    c.user().advance(800);
    c.Settle();
    HWND tip = VisibleTip();
    checks.expect(tip != nullptr, "hovering a button shows its tooltip");
    checks.expect(Bar() && Bar()->labels().size() > 2 && Bar()->labels()[2] == WString(L"镜像"),
                  "the button under the pointer is mirror");
}

void BarMove(SceneContext& c, SceneChecks& checks)
{
    if (!checks.expect(Bar() != nullptr, "the bar is open"))
        return;
    ElementRef* wall = SelectionSetManager::GetManager().GetElement(0);
    const DPoint3d before = WallStart(wall);
    c.user().advance(1000);
    c.user().click(ButtonCentre(kMoveButton));
    c.Settle();
    HostTool* tool = HostToolSession::Get().GetActiveTool();
    checks.expect(tool && std::string(tool->GetToolId()) == HostMoveTool::TOOL_ID,
                  "移动 starts the move tool");
    checks.expect(Bar() && Bar()->currentId() == 30000, "the move button is pressed");
    // The base point on the wall; the offset typed into the tracer: 600, Tab, 0 degrees, Enter.
    c.user().advance(1000);
    c.user().click(c.ScreenOf(kPartition));
    c.Settle();
    c.user().moveTo(c.ScreenOf({kPartition.x + 300, kPartition.y + 900, 0}));
    c.Settle();
    checks.expect(zt::TracerProxy::GetTracerIsOpen(), "the tracer opens at the base point");
    TesselCommandLine::Get().TypeChar(L'6');
    c.Settle();
    c.user().type(L"00\t0");
    c.Settle();
    c.user().key(VK_RETURN);
    c.Settle();
    const DPoint3d after = WallStart(wall);
    const double pixel = c.session().View() ? c.session().View()->GetPixelSizeAtPoint() : 1.0;
    checks.expect(std::abs(after.x - before.x - kOffset) <= 2 * pixel &&
                      std::abs(after.y - before.y) <= 2 * pixel,
                  "the wall moved by the offset (" + std::to_string(after.x - before.x) + ")");
}

} // namespace

void AddContextbarScenes(SceneRunner& runner)
{
    runner.add({"contextbar-open",
                "A wall picked in the plan: the context bar of its operations opens beside it, "
                "semi-transparent over the view",
                &BarOpens});
    runner.add({"contextbar-tooltip", "Hovering a button of the bar shows its label as a tooltip",
                &BarTooltip});
    runner.add({"contextbar-move",
                "移动 on the bar starts the move tool; 600 typed at 0° in the tracer moves the wall by 600 mm",
                &BarMove});
}

} // namespace ztdemo
