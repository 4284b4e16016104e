#include "ztui/contextbar/ZTContextBarProxy.h"

#include "platform/cad/DgnTool.h"
#include "platform/cad/IViewManager.h"
#include "platform/host/Executors.h"
#include "ztui/contextbar/ZTContextBarDataMgn.h"
#include "ztui/contextbar/ZTContextbarFactory.h"
#include "ztui/contextbar/ZTDlgUiContextbar.h"

#include <array>
#include <cmath>

namespace zt {

namespace {

struct ProxyState
{
    ZTContextbarFactory* factory = nullptr;
    TSContextbarWay way = TSContextbarWay_Default;
    DPoint3d startPoint{0.0, 0.0, 0.0};
    bool exists = false;
};

ProxyState& State()
{
    static ProxyState state;
    return state;
}

// How far around the bar the cursor may roam before the bar follows it.
constexpr double kZoneSide = 150.0;
constexpr double kZoneAboveBelow = 165.0;
constexpr double kZoneBarMargin = 20.0;
constexpr double kAnchorShift = 10.0;

bool Crossing(const DPoint3d& a, const DPoint3d& b, const DPoint3d& c, const DPoint3d& d,
              DPoint3d& at)
{
    const double rx = b.x - a.x, ry = b.y - a.y;
    const double sx = d.x - c.x, sy = d.y - c.y;
    const double denom = rx * sy - ry * sx;
    if (denom == 0.0)
        return false;
    const double t = ((c.x - a.x) * sy - (c.y - a.y) * sx) / denom;
    const double u = ((c.x - a.x) * ry - (c.y - a.y) * rx) / denom;
    if (t < 0.0 || t > 1.0 || u < 0.0 || u > 1.0)
        return false;
    at = DPoint3d{a.x + t * rx, a.y + t * ry, 0.0};
    return true;
}

} // namespace

DPoint3d ZTContextBarProxy::FollowCursor(const DPoint3d& start, int w, int h,
                                         const DPoint3d& cursor)
{
    const double sx = start.x, sy = start.y;
    const DPoint3d anchor{sx + w / 2 + kAnchorShift, sy, 0.0};
    const double left = sx - kZoneSide, right = sx + w + kZoneSide;
    const double top = sy - kZoneAboveBelow, bottom = sy + h + kZoneBarMargin + kZoneAboveBelow;
    const DPoint3d to{cursor.x, cursor.y, 0.0};
    if (to.x >= left && to.x <= right && to.y >= top && to.y <= bottom)
        return DPoint3d{sx, sy, 0.0};
    // y grows downward: the bottom edge has the larger y.
    const std::array<std::array<DPoint3d, 2>, 4> edges{{
        {DPoint3d{left, bottom, 0}, DPoint3d{right, bottom, 0}},
        {DPoint3d{right, bottom, 0}, DPoint3d{right, top, 0}},
        {DPoint3d{right, top, 0}, DPoint3d{left, top, 0}},
        {DPoint3d{left, top, 0}, DPoint3d{left, bottom, 0}},
    }};
    for (const auto& edge : edges) {
        DPoint3d q;
        if (!Crossing(anchor, to, edge[0], edge[1], q))
            continue;
        const double toCursor = std::hypot(to.x - anchor.x, to.y - anchor.y);
        const double toZone = std::hypot(q.x - anchor.x, q.y - anchor.y);
        if (toCursor <= 0.0)
            break;
        const double beyond = toCursor - toZone;
        const double ux = (to.x - anchor.x) / toCursor, uy = (to.y - anchor.y) / toCursor;
        return DPoint3d{sx + ux * beyond, sy + uy * beyond, 0.0};
    }
    return DPoint3d{sx, sy, 0.0};
}

void ZTContextBarProxy::CreateContextbar()
{
    ProxyState& state = State();
    if (DgnTool::GetActivePrimitiveTool() && !state.exists) {
        DgnButtonEvent event;
        IndexedViewport* view = IViewManager::GetManager().GetActiveViewSet().GetSelectedViewport();
        if (view && DgnTool::GetCurrentDgnButtonEvent(event)) {
            DPoint3d at = view->WorldToView(event.GetPoint());
            UpdateStartPoint(DPoint3d{at.x + kToolCursorOffsetX, at.y + kToolCursorOffsetY, 0.0});
        }
    }
    if (!state.exists) {
        state.exists = true;
        TSContextbarButton record;
        if (state.factory)
            state.factory->addContextbarButton(record);
        ZTContextBarDataMgn& data = ZTContextBarDataMgn::instance();
        record.clickType = data.getTSClickType();
        if (record.operating == TSOperating_None)
            record.operating = data.getOldOperating();
        if (record.clickType == TSClickType_ToolSetting && !record.preselect)
            record.operating = TSOperating_None;
        ZTDlgUiContextbar::SetBarState(record);
    }
    ZTDlgUiContextbar::RequestShow();
}

void ZTContextBarProxy::ReleseContextbar()
{
    State().exists = false;
    ZTDlgUiContextbar::ClearBarButtons();
    ZTDlgUiContextbar::RequestClose();
}

void ZTContextBarProxy::Register(ZTContextbarFactory* factory)
{
    State().factory = factory;
}

void ZTContextBarProxy::UnRegister()
{
    ZTDlgUiContextbar::ClearBarButtons();
    ZTDlgUiContextbar::RequestClose();
    State().factory = nullptr;
    State().way = TSContextbarWay_Default;
}

void ZTContextBarProxy::UpdateStartPoint(const DPoint3d& point)
{
    const DPoint3d flat{point.x, point.y, 0.0};
    State().startPoint = flat;
    ZTDlgUiContextbar::SetBarPosition(flat);
}

void ZTContextBarProxy::SetStartPointOnly(const DPoint3d& point)
{
    State().startPoint = DPoint3d{point.x, point.y, 0.0};
}

void ZTContextBarProxy::MoveContextbar(const DPoint3d& world)
{
    int w = 0, h = 0;
    const bool window = ZTDlgUiContextbar::GetWindow() != nullptr;
    if (window)
        ZTDlgUiContextbar::QueryBarSize(w, h);
    IndexedViewport* view = IViewManager::GetManager().GetActiveViewSet().GetSelectedViewport();
    if (!view)
        return;
    const DPoint3d cursor = view->WorldToView(world);
    const DPoint3d start = State().startPoint;
    const DPoint3d next = FollowCursor(start, w, h, cursor);
    if (next.x == start.x && next.y == start.y)
        return;
    if (window)
        ZTDlgUiContextbar::MoveBarTo(next.x, next.y);
    UpdateStartPoint(next);
}

void ZTContextBarProxy::UpdateStatus(TSContextbarStatus status)
{
    auto* call = new CallerFA<void (*)(const TSContextbarStatus&), TSContextbarStatus>(
        &ZTDlgUiContextbar::ApplyStatusUpdate, std::move(status));
    TesselFuncCall::ToCallOnUITread(call);
    call->Release();
}

bool ZTContextBarProxy::IsBarExist()
{
    return State().exists;
}

void ZTContextBarProxy::SetContextbarWay(TSContextbarWay way)
{
    State().way = way;
}

ZTContextbarFactory* ZTContextBarProxy::GetFactory()
{
    return State().factory;
}

TSContextbarWay ZTContextBarProxy::GetContextbarWay()
{
    return State().way;
}

DPoint3d ZTContextBarProxy::GetStartPoint()
{
    return State().startPoint;
}

} // namespace zt
