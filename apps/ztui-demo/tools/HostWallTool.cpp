#include "apps/ztui-demo/tools/HostWallTool.h"

#include "platform/cad/DgnApplication.h"
#include "platform/cad/DgnProject.h"
#include "platform/cad/IndexedViewport.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "ztui/drawinput/AuxiliaryCandidates.h"
#include "ztui/drawinput/ZTToolLayoutMgn.h"

#include <algorithm>
#include <cmath>

namespace ztdemo {

namespace {
constexpr const wchar_t* kFirstPointPrompt = L"请输入墙起点/右键取消：";
constexpr const wchar_t* kNextPointPrompt = L"请输入墙下一点/右键取消：";
// The cursor snaps to auxiliary lines this close, in pixels.
constexpr double kSnapPixels = 10.0;

struct Near
{
    DSegment3d line;
    double distance;
};

bool Crossing(const DSegment3d& a, const DSegment3d& b, DPoint3d& at)
{
    const DVec3d da = a.Direction(), db = b.Direction();
    const double cross = da.CrossProductXY(db);
    if (std::fabs(cross) < 1e-9 * da.MagnitudeXY() * db.MagnitudeXY())
        return false;
    const double t = (b.point[0] - a.point[0]).CrossProductXY(db) / cross;
    at = a.point[0] + da * t;
    return true;
}
} // namespace

bool HostWallTool::OnStart()
{
    m_project = DgnApplication::Get().GetCurrentProjectPtr();
    if (!m_project)
        return false;
    auto obj = TSObjectExtensionManager::Get().GetTSObject(
        m_project.get(), TSBuildingElement::SCHEMA, TSArchiWall::CLASS_NAME);
    m_template = dynamic_cast<TSArchiWall*>(obj.get());
    if (m_template.IsNull())
        return false;
    zt::ZTArchAuxiliaryMacrosMgn::GetInstance().AddListener(&m_auxiliaryLines);
    zt::ZTArchAuxiliaryMacrosMgn::GetInstance().AddListener(&m_auxiliaryArcs);
    m_auxiliary._StartAuxiliary();
    BeginChain();
    return true;
}

void HostWallTool::CollectReferenceLines()
{
    bvector<ICurvePrimitivePtr> axes;
    if (DgnModel* model = GetActiveModel(*m_project))
        for (ElementRef* element : model->GetElementRefs()) {
            const auto object = TSObjectExtensionManager::Get().GetTSObject(element);
            if (auto* wall = dynamic_cast<TSArchiWall*>(object.get()))
                axes.push_back(ICurvePrimitive::CreateLine(wall->GetStart(), wall->GetEnd()));
        }
    m_auxiliary._SetICurvePrimitiveLine(axes);
}

DPoint3d HostWallTool::Snap(const DPoint3d& cursor)
{
    IndexedViewport* view = DgnApplication::Get().GetSelectedViewport();
    if (!view)
        return cursor;
    // The walls stand on the plane z = 0; the view's cursor lies on its target plane, which
    // may be higher up. The aids work in the walls' plane, and the click keeps its own height.
    const DPoint3d point{cursor.x, cursor.y, 0.0};
    auto keepHeight = [&](const DPoint3d& p) { return DPoint3d{p.x, p.y, cursor.z}; };
    zt::ZTToolLayoutMgn& layout = zt::ZTToolLayoutMgn::Get();
    if (layout.GetPointSize() > 0) {
        const DPoint3d last = layout.GetStartPoint();
        const DPoint3d from{last.x, last.y, 0.0};
        DVec3d along = DVec3d::UnitX();
        if (layout.GetProfileSize() > 0) {
            DPoint3d s, e;
            layout.GetProfile(layout.GetProfileSize() - 1)->GetStartEnd(s, e);
            along = DVec3d::FromStartEndNormalize(s, e);
        }
        m_auxiliary._SetAuxiliaryAngleInfo(from, along);
    } else {
        m_auxiliary._ClearAuxiliaryAngleInfo();
    }
    m_auxiliary._OnMove(
        DgnButtonEvent(view, point, view->WorldToView(point), view->WorldToScreen(point), 0));

    const double reach = kSnapPixels * view->GetPixelSizeAtPoint(&point);
    std::vector<Near> near;
    for (const ICurvePrimitivePtr& shown :
         zt::ZTArchAuxiliaryMacrosMgn::GetInstance().GetShownLines()) {
        DSegment3d line;
        CurveLocationDetail where;
        if (zt::AuxiliaryStraightSegment(*shown, line) &&
            shown->ClosestPointBounded(point, where) && where.a <= reach)
            near.push_back(Near{line, where.a});
    }
    std::sort(near.begin(), near.end(),
              [](const Near& a, const Near& b) { return a.distance < b.distance; });
    if (near.empty())
        return cursor;
    DPoint3d crossing;
    if (near.size() > 1 && Crossing(near[0].line, near[1].line, crossing) &&
        crossing.Distance(point) <= 2 * reach)
        return keepHeight(crossing);
    DPoint3d foot;
    double fraction = 0.0;
    near[0].line.ProjectPointBounded(foot, fraction, point);
    return keepHeight(foot);
}

void HostWallTool::BeginChain()
{
    zt::ZTToolLayoutMgn& layout = zt::ZTToolLayoutMgn::Get();
    layout.Begin();
    layout.SetDrawWay(zt::ZTDrawWay::Line);
    m_chain.clear();
    m_placedSegments = 0;
    CollectReferenceLines();
    m_dynamics.clear();
    m_prompt = kFirstPointPrompt;
}

void HostWallTool::EndChain()
{
    if (m_groupOpen && m_project && m_project->IsOpen())
        m_project->GetTxnManager().EndTxnGroup();
    m_groupOpen = false;
}

void HostWallTool::PlaceNewSegments()
{
    zt::ZTToolLayoutMgn& layout = zt::ZTToolLayoutMgn::Get();
    DgnModel* model = GetActiveModel(*m_project);
    for (; m_placedSegments < layout.GetProfileSize(); ++m_placedSegments) {
        ICurvePrimitivePtr segment = layout.GetProfile(m_placedSegments);
        DSegment3d line;
        if (!model || !segment || !segment->TryGetLine(line))
            continue; // walls are straight; other curves of the layout are passed over
        TSObjectPtr copy = m_template->Clone();
        auto* wall = dynamic_cast<TSArchiWall*>(copy.get());
        wall->SetStart(line.point[0]);
        wall->SetEnd(line.point[1]);
        if (!m_groupOpen) {
            m_project->GetTxnManager().StartTxnGroup();
            m_groupOpen = true;
        }
        ElementId id = wall->AddToModel(*model);
        if (id != INVALID_ELEMENTID)
            m_chain.push_back(id);
    }
}

bool HostWallTool::OnDataPoint(const DPoint3d& point)
{
    if (!m_project || !m_project->IsOpen())
        return false;
    zt::ZTToolLayoutMgn& layout = zt::ZTToolLayoutMgn::Get();
    const DPoint3d snapped = Snap(point);
    m_auxiliary._SetButton(snapped);
    bool more = layout.AddDataButtonPoint(snapped);
    PlaceNewSegments();
    m_prompt = kNextPointPrompt;
    if (!more || layout.IsClosed()) {
        EndChain();
        BeginChain();
    }
    return true;
}

void HostWallTool::OnMotion(const DPoint3d& point)
{
    m_dynamics.clear();
    ICurvePrimitivePtr preview = zt::ZTToolLayoutMgn::Get().AddDynamicPoint(Snap(point));
    DSegment3d line;
    if (preview.IsNull() || !preview->TryGetLine(line))
        return;
    m_dynamics.push_back(preview);
    // The outline of the wall the next click places.
    TSObjectPtr copy = m_template->Clone();
    auto* wall = dynamic_cast<TSArchiWall*>(copy.get());
    wall->SetStart(line.point[0]);
    wall->SetEnd(line.point[1]);
    ElementGeometry body;
    if (wall->BuildGeometry(body) && body.extrusion)
        for (const ICurvePrimitivePtr& edge : *body.extrusion->baseProfile)
            m_dynamics.push_back(edge);
}

bool HostWallTool::OnReset()
{
    bool chainBegun = zt::ZTToolLayoutMgn::Get().GetPointSize() > 0;
    EndChain();
    if (!chainBegun)
        return false;
    BeginChain();
    return true;
}

void HostWallTool::OnCleanup()
{
    m_auxiliary._CloseAuxiliary();
    zt::ZTArchAuxiliaryMacrosMgn::GetInstance().DropListener(&m_auxiliaryLines);
    zt::ZTArchAuxiliaryMacrosMgn::GetInstance().DropListener(&m_auxiliaryArcs);
    EndChain();
    zt::ZTToolLayoutMgn::Get().End();
    m_dynamics.clear();
}

} // namespace ztdemo
