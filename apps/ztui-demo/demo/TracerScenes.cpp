#include "apps/ztui-demo/demo/TracerScenes.h"

#include "apps/ztui-demo/demo/SceneContext.h"
#include "apps/ztui-demo/tools/HostToolSession.h"
#include "apps/ztui-demo/tools/HostWallTool.h"
#include "platform/cad/DgnApplication.h"
#include "platform/cad/DgnProject.h"
#include "platform/host/CommandLine.h"
#include "platform/host/Executors.h"
#include "platform/host/TSArchiColumn.h"
#include "platform/host/TSArchiSlab.h"
#include "platform/host/TSArchiWall.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "ztui/tracer/TracerGeometry.h"
#include "ztui/tracer/TracerProxy.h"
#include "ztui/tracer/TracerResources.h"
#include "ztui/tracer/ZTCustomTraceMgn.h"
#include "ztui/tracer/ZTDlgArchTracer.h"
#include "ztui/tracer/ZTDlgArchTracerDim.h"
#include "ztui/tracer/ZTDlgTracerCustom.h"
#include "ztui/tracer/ZTTracerFunPoolMgn.h"

#include <cmath>
#include <string>

namespace ztdemo {

namespace {

using zt::TracerProxy;

// In the meeting room east of the partition, clear of the walls of the earlier scenes.
const DPoint3d kWallStart{6000, 1000, 0};
const DPoint3d kFirstCursor{7800, 2200, 0};
const DPoint3d kCorner{9000, 5200, 0};
const DPoint3d kRingCentre{8000, 3000, 0};
constexpr const char* kColumnFunction = "Demo.ColumnOnRing";

// The wall tool as a host's wall tool runs with the tracer: every click restarts the box at
// the clicked point, and a value typed into the box is the next point of the chain.
class TracedWallTool : public HostTool, public zt::ITracerEvent
{
public:
    const char* GetToolId() const override { return HostWallTool::TOOL_ID; }
    bool OnStart() override
    {
        if (!m_walls->OnStart())
            return false;
        TracerProxy::Register(this);
        Sync();
        return true;
    }
    bool OnDataPoint(const DPoint3d& point) override
    {
        m_typed = false;
        const bool more = m_walls->OnDataPoint(point);
        TracerProxy::SetStartPoint(point);
        TracerProxy::CreateTracer();
        Sync();
        return more;
    }
    // While the user types, the preview shows the typed point, not the cursor's.
    void OnMotion(const DPoint3d& point) override
    {
        m_walls->OnMotion(m_typed && TracerProxy::GetTraceStatus() ? m_typedPoint : point);
        Sync();
    }
    bool OnReset() override
    {
        TracerProxy::CloseTracer();
        const bool going = m_walls->OnReset();
        Sync();
        return going;
    }
    void OnCleanup() override
    {
        TracerProxy::CloseTracer();
        TracerProxy::UnRegister();
        m_walls->OnCleanup();
        Sync();
    }
    void OnTracerInput(const zt::TracerInputValue& value) override { OnDataPoint(value.point); }
    void OnTracerChange(const zt::TracerInputValue& value) override
    {
        m_typed = true;
        m_typedPoint = value.point;
        OnMotion(value.point);
    }

private:
    void Sync()
    {
        m_prompt = m_walls->GetPrompt();
        m_dynamics = m_walls->GetDynamics();
    }
    RefCountedPtr<HostWallTool> m_walls = HostWallTool::Create();
    DPoint3d m_typedPoint;
    bool m_typed = false;
};

// Places a rectangle of two typed dimensions from a clicked corner, as a thin slab.
class TracedRectangleTool : public HostTool, public zt::ITracerEvent
{
public:
    const char* GetToolId() const override { return "Demo.Tool.Rectangle"; }
    bool OnStart() override
    {
        if (!DgnApplication::Get().GetCurrentProject())
            return false;
        TracerProxy::Register(this);
        TracerProxy::SetTracerType(zt::TRACER_DIM);
        m_prompt = L"请输入矩形角点/右键取消：";
        return true;
    }
    bool OnDataPoint(const DPoint3d& point) override
    {
        if (!m_haveCorner) {
            m_corner = point;
            m_haveCorner = true;
            TracerProxy::SetStartPoint(point);
            TracerProxy::CreateTracer();
            m_prompt = L"请输入矩形对角点/右键取消：";
            return true;
        }
        Place(point);
        return false;
    }
    void OnMotion(const DPoint3d& point) override
    {
        m_dynamics.clear();
        if (m_haveCorner)
            m_dynamics.push_back(
                ICurvePrimitive::CreateRectangle(m_corner.x, m_corner.y, point.x, point.y, 0.0));
    }
    bool OnReset() override { return false; }
    void OnCleanup() override
    {
        TracerProxy::CloseTracer();
        TracerProxy::UnRegister();
        m_dynamics.clear();
    }
    void OnTracerInput(const zt::TracerInputValue& value) override
    {
        Place(value.point);
        placed = true;
    }
    void OnTracerChange(const zt::TracerInputValue& value) override { OnMotion(value.point); }

    bool placed = false;

private:
    void Place(const DPoint3d& far)
    {
        DgnProject* project = DgnApplication::Get().GetCurrentProject();
        DgnModel* model = project ? GetActiveModel(*project) : nullptr;
        TSArchiSlabPtr slab = TSArchiSlab::Create();
        if (!model || slab.IsNull())
            return;
        slab->SetProfile({{m_corner.x, m_corner.y, 0},
                          {far.x, m_corner.y, 0},
                          {far.x, far.y, 0},
                          {m_corner.x, far.y, 0}});
        slab->SetThickness(100);
        slab->AddToModel(*model);
        m_dynamics.clear();
        TracerProxy::CloseTracer();
    }

    DPoint3d m_corner;
    bool m_haveCorner = false;
};

// The custom rows of a column tool: radius and angle about a clicked centre, through the
// library's own layout for them.
class RingFunction : public zt::ZTTracerCusFunBase
{
public:
    void OnUpdateUi(zt::CtrlList& list, const DPoint3d& start, const DPoint3d& cursor) override
    {
        zt::ZTCustomTraceMgn::GetInstance().OnUpdateUi(list, start, cursor);
    }
    void OnPlaceCtrl(zt::CtrlList& list) override
    {
        zt::ZTCustomTraceMgn::GetInstance().OnPlaceCtrl(list);
    }
    void OnSurePlace(zt::CtrlList& list, const DPoint3d& start, DPoint3d& result) override
    {
        zt::ZTCustomTraceMgn::GetInstance().OnSurePlace(list, start, result);
    }
};

RingFunction g_ring;

class TracedColumnTool : public HostTool, public zt::ITracerEvent
{
public:
    const char* GetToolId() const override { return "Demo.Tool.ColumnOnRing"; }
    bool OnStart() override
    {
        if (!DgnApplication::Get().GetCurrentProject())
            return false;
        zt::ZTTracerFunPoolMgn::Get().RegisterFunPool(kColumnFunction, &g_ring);
        TracerProxy::Register(this);
        TracerProxy::SetTracerType(zt::TRACER_CUSTOM);
        zt::TracerEvState state;
        state.funName = kColumnFunction;
        state.kind = zt::ZTCustomTraceMgn::kKindRadiusAngle;
        zt::ZTCustomTraceMgn::GetInstance().InsertType(state);
        TracerProxy::SetCurEvState(state);
        m_prompt = L"请输入圆心/右键取消：";
        return true;
    }
    bool OnDataPoint(const DPoint3d& point) override
    {
        centre = point;
        TracerProxy::SetStartPoint(point);
        TracerProxy::SetNewHitPt(point);
        TracerProxy::CreateTracer();
        return true;
    }
    // While the user types, the rows hold the typed values, not the cursor's.
    void OnMotion(const DPoint3d& point) override
    {
        if (!TracerProxy::GetTraceStatus())
            TracerProxy::SetNewHitPt(point);
    }
    bool OnReset() override { return false; }
    void OnCleanup() override
    {
        TracerProxy::CloseTracer();
        TracerProxy::UnRegister();
        zt::ZTTracerFunPoolMgn::Get().UnregisterFunPool(kColumnFunction);
    }
    void OnTracerInput(const zt::TracerInputValue& value) override
    {
        DgnProject* project = DgnApplication::Get().GetCurrentProject();
        DgnModel* model = project ? GetActiveModel(*project) : nullptr;
        TSArchiColumnPtr column = TSArchiColumn::Create();
        if (!model || column.IsNull())
            return;
        column->SetCenter(value.point);
        column->SetWidth(500);
        column->SetDepth(500);
        column->SetHeight(3300);
        column->AddToModel(*model);
        placedAt = value.point;
        ++placed;
    }
    void OnTracerChange(const zt::TracerInputValue&) override {}

    DPoint3d centre;
    DPoint3d placedAt;
    int placed = 0;
};

std::size_t Count(DemoSession& session, const char* className)
{
    DgnProject* project = session.Project();
    if (!project || !project->GetDefaultModel())
        return 0;
    std::size_t n = 0;
    for (ElementRef* element : project->GetDefaultModel()->GetElementRefs()) {
        RefCountedPtr<ITSObject> obj = TSObjectExtensionManager::Get().GetTSObject(element);
        n += obj.IsValid() && obj->GetECClassName() == className ? 1 : 0;
    }
    return n;
}

void StartTool(HostToolPtr tool)
{
    zt::host::Executors::Get().RunOnWork([tool] { HostToolSession::Get().Start(tool); });
}

void StopTool()
{
    zt::host::Executors::Get().RunOnWork([] { HostToolSession::Get().Stop(); });
}

// A digit typed at the command line, as the host hands it to the library first.
void TypeAtCommandLine(SceneContext& c, wchar_t digit)
{
    TesselCommandLine::Get().TypeChar(digit);
    c.Settle();
}

std::size_t g_wallsBefore = 0;

void Following(SceneContext& c, SceneChecks& checks)
{
    c.session().ShowPlan();
    c.Settle();
    g_wallsBefore = Count(c.session(), TSArchiWall::CLASS_NAME);
    StartTool(new TracedWallTool);
    c.Settle();
    c.user().click(c.ScreenOf(kWallStart));
    c.Settle();
    // The first move after a click starts the values at the clicked point.
    c.user().moveTo(c.ScreenOf({kWallStart.x + 100, kWallStart.y, 0}));
    c.Settle();
    const POINT cursor = c.ScreenOf(kFirstCursor);
    c.user().moveTo(cursor);
    c.Settle();
    zt::ZTDlgArchTracer& box = zt::ZTDlgArchTracer::Instance();
    checks.expect(box.m_hWnd && box.IsWindowVisible(), "the tracer box shows");
    CRect r;
    box.GetWindowRect(&r);
    checks.expect(r.left == cursor.x + 50 && r.top == cursor.y + 50,
                  "the box floats 50 pixels below and right of the cursor");
    const double distance = kWallStart.Distance(kFirstCursor);
    checks.expect(std::fabs(zt::TracerReadNumber(box.GetFieldText(zt::tracer_ids::kDistance)) -
                            distance) < 30,
                  "the box shows the distance from the first point");
    checks.expect(!TracerProxy::GetTraceStatus(), "the box follows, nobody types yet");
}

void Typing(SceneContext& c, SceneChecks& checks)
{
    TypeAtCommandLine(c, L'3');
    c.user().type(L"600\t90");
    c.Settle();
    zt::ZTDlgArchTracer& box = zt::ZTDlgArchTracer::Instance();
    checks.expect(TracerProxy::GetTraceStatus(), "the box takes the keys");
    checks.expect(box.GetFieldText(zt::tracer_ids::kDistance) == L"3600",
                  "the distance field holds 3600");
    checks.expect(box.GetFocusedId() == zt::tracer_ids::kAngle, "the angle field has the focus");
    checks.expect(!box.AreButtonsHidden(), "the commit buttons show beside the field");
    // The preview runs along the old direction for the typed 3600 (the angle is not in yet).
    const DPoint3d end = DPoint3d::FromSumOf(
        kWallStart, DVec3d::FromStartEndNormalize(kWallStart, kFirstCursor), 3600);
    const POINT e = c.ScreenOf(end);
    checks.expect(c.DrawnShare(RECT{e.x - 3, e.y - 3, e.x + 4, e.y + 4}) > 0,
                  "the wall preview ends at the typed distance");
}

void WallsTyped(SceneContext& c, SceneChecks& checks)
{
    c.user().key(VK_RETURN);
    c.Settle();
    // The second wall: east, 4000 long.
    TypeAtCommandLine(c, L'4');
    c.user().type(L"000\t0\r");
    c.Settle();
    checks.expect(Count(c.session(), TSArchiWall::CLASS_NAME) == g_wallsBefore + 2,
                  "two walls were placed by typed values");
    const DPoint3d corner{kWallStart.x, kWallStart.y + 3600, 0};
    POINT cursor;
    ::GetCursorPos(&cursor);
    const POINT end = c.ScreenOf({corner.x + 4000, corner.y, 0});
    checks.expect(std::abs(cursor.x - end.x) <= 1 && std::abs(cursor.y - end.y) <= 1,
                  "the cursor jumped to the end of the second wall");
    checks.expect(c.DrawnShare(RECT{c.ScreenOf(corner).x - 2, c.ScreenOf(corner).y - 2,
                                    c.ScreenOf(corner).x + 3, c.ScreenOf(corner).y + 3}) > 0,
                  "the corner of the two walls is drawn");
    // The picture shows the box following from the new point.
    c.user().moveTo(c.ScreenOf({corner.x + 4000, corner.y - 1500, 0}));
    c.Settle();
}

std::size_t g_slabsBefore = 0;

void Dimensions(SceneContext& c, SceneChecks& checks)
{
    StopTool();
    c.Settle();
    g_slabsBefore = Count(c.session(), TSArchiSlab::CLASS_NAME);
    auto* tool = new TracedRectangleTool;
    HostToolPtr keep = tool;
    StartTool(keep);
    c.Settle();
    c.user().click(c.ScreenOf(kCorner));
    c.Settle();
    c.user().moveTo(c.ScreenOf({kCorner.x + 1000, kCorner.y + 700, 0}));
    c.Settle();
    TypeAtCommandLine(c, L'1');
    c.user().type(L"200\t800");
    c.Settle();
    zt::ZTDlgArchTracerDim& box = zt::ZTDlgArchTracerDim::Instance();
    checks.expect(box.m_hWnd && box.IsWindowVisible(), "the dimension box shows");
    checks.expect(box.GetFieldText(zt::tracer_ids::kFirst) == L"1200", "the width is 1200");
    c.user().key(VK_RETURN);
    c.Settle();
    checks.expect(tool->placed, "the typed rectangle reached the tool");
    checks.expect(Count(c.session(), TSArchiSlab::CLASS_NAME) == g_slabsBefore + 1,
                  "the rectangle is in the model");
    // Show the box once more over the placed rectangle, for the picture.
    TracerProxy::SetStartPoint(kCorner);
    TracerProxy::CreateTracer();
    c.user().moveTo(c.ScreenOf({kCorner.x + 1200, kCorner.y + 800, 0}));
    c.Settle();
}

void CustomRing(SceneContext& c, SceneChecks& checks)
{
    StopTool();
    c.Settle();
    auto* tool = new TracedColumnTool;
    HostToolPtr keep = tool;
    StartTool(keep);
    c.Settle();
    c.user().click(c.ScreenOf(kRingCentre));
    c.Settle();
    c.user().moveTo(c.ScreenOf({kRingCentre.x + 900, kRingCentre.y + 900, 0}));
    c.Settle();
    zt::ZTDlgTracerCustom& box = zt::ZTDlgTracerCustom::Instance();
    checks.expect(box.m_hWnd && box.IsWindowVisible(), "the custom box shows");
    checks.expect(box.GetLabelText(0) == L"半径" && box.GetLabelText(1) == L"角度",
                  "the function named its rows radius and angle");
    TracerProxy::ResponseTab();
    c.Settle();
    c.user().type(L"1500");
    c.user().key(VK_TAB);
    c.user().type(L"45");
    c.Settle();
    c.user().key(VK_TAB);
    c.user().type(L"1500\r");
    c.Settle();
    checks.expect(tool->placed == 1, "one column was placed");
    const double radians = 45.0 * 3.14159265358979323846 / 180.0;
    const DPoint3d centre = tool->centre;
    checks.expect(tool->placedAt.DistanceXY({centre.x + 1500 * std::cos(radians),
                                             centre.y + 1500 * std::sin(radians), 0}) < 1.0,
                  "the column stands 1500 from the centre at 45 degrees (it stands at " +
                      std::to_string(tool->placedAt.x) + ", " + std::to_string(tool->placedAt.y) +
                      ", the centre at " + std::to_string(centre.x) + ", " +
                      std::to_string(centre.y) + ")");
    // The box follows again from the column, for the picture.
    c.user().moveTo(c.ScreenOf({tool->placedAt.x + 600, tool->placedAt.y - 400, 0}));
    c.Settle();
}

} // namespace

void AddTracerScenes(SceneRunner& runner)
{
    runner.add({"tracer-following",
                "Drawing walls with the tracer: the box follows the cursor 50 pixels off and "
                "shows distance and angle from the first point",
                &Following});
    runner.add({"tracer-typing",
                "3600 typed, Tab, 90: the box stops and takes the keys, the focused field "
                "highlighted, its commit buttons beside it",
                &Typing});
    runner.add({"tracer-walls",
                "Enter places the wall; 4000 at 0 degrees the next one; the cursor jumps to the "
                "end and the box follows again from there",
                &WallsTyped});
    runner.add({"tracer-dimensions",
                "The dimension box: 1200 by 800 typed from the clicked corner place a rectangle",
                &Dimensions});
    runner.add({"tracer-custom",
                "A column tool's custom box: radius 1500 and angle 45 about the clicked centre "
                "place the column",
                &CustomRing});
}

} // namespace ztdemo
