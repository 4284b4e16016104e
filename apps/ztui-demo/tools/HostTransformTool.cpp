#include "apps/ztui-demo/tools/HostTransformTool.h"

#include "platform/cad/DgnApplication.h"
#include "platform/cad/SelectionSetManager.h"
#include "ztui/drawinput/ZTToolLayoutMgn.h"
#include "ztui/tracer/TracerProxy.h"

namespace ztdemo {

bool HostTransformTool::OnStart()
{
    m_project = DgnApplication::Get().GetCurrentProjectPtr();
    m_elements = SelectionSetManager::GetManager().GetElements();
    if (m_project.IsNull() || m_elements.empty())
        return false;
    zt::ZTToolLayoutMgn& layout = zt::ZTToolLayoutMgn::Get();
    layout.Begin();
    layout.SetDrawWay(zt::ZTDrawWay::Line);
    m_prompt = GetPointPrompt(0);
    zt::TracerProxy::Register(this);
    return true;
}

void HostTransformTool::OfferTracer()
{
    m_typed = false;
    const bvector<DPoint3d>& points = zt::ZTToolLayoutMgn::Get().GetPoints();
    if (points.empty() || points.size() + 1 != GetPointCount()) {
        zt::TracerProxy::CloseTracer();
        return;
    }
    zt::TracerProxy::SetStartPoint(points.back());
    zt::TracerProxy::CreateTracer();
}

void HostTransformTool::OnTracerInput(const zt::TracerInputValue& value)
{
    OnDataPoint(value.point);
}

void HostTransformTool::OnTracerChange(const zt::TracerInputValue& value)
{
    m_typed = true;
    m_typedPoint = value.point;
    Preview(value.point);
}

void HostTransformTool::RestartFromFirstPoint()
{
    zt::ZTToolLayoutMgn& layout = zt::ZTToolLayoutMgn::Get();
    DPoint3d first = layout.GetPoints().front();
    layout.Begin();
    layout.SetDrawWay(zt::ZTDrawWay::Line);
    layout.AddDataButtonPoint(first);
    m_prompt = GetPointPrompt(1);
    OfferTracer();
}

bool HostTransformTool::OnDataPoint(const DPoint3d& point)
{
    if (m_project.IsNull() || !m_project->IsOpen())
        return false;
    zt::ZTToolLayoutMgn& layout = zt::ZTToolLayoutMgn::Get();
    layout.AddDataButtonPoint(point);
    const bvector<DPoint3d>& points = layout.GetPoints();
    if (points.size() < GetPointCount()) {
        m_prompt = GetPointPrompt(points.size());
        OfferTracer();
        return true;
    }
    zt::TracerProxy::CloseTracer();
    // Elements deleted since the tool started (by undo, say) are left out.
    bvector<ElementRef*> live;
    for (ElementRef* element : m_elements)
        if (element && !element->IsDeleted())
            live.push_back(element);
    m_dynamics.clear();
    if (live.empty())
        return false;
    if (!Apply(live, ComputeTransform(points)))
        return false;
    RestartFromFirstPoint();
    return true;
}

void HostTransformTool::OnMotion(const DPoint3d& point)
{
    Preview(m_typed && zt::TracerProxy::GetTraceStatus() ? m_typedPoint : point);
}

void HostTransformTool::Preview(const DPoint3d& point)
{
    m_dynamics.clear();
    zt::ZTToolLayoutMgn& layout = zt::ZTToolLayoutMgn::Get();
    if (ICurvePrimitivePtr guide = layout.AddDynamicPoint(point))
        m_dynamics.push_back(guide);
    bvector<DPoint3d> points = layout.GetPoints();
    if (points.size() + 1 != GetPointCount())
        return;
    points.push_back(point);
    Transform transform = ComputeTransform(points);
    // Each element's plan box, where the click would put it.
    for (ElementRef* element : m_elements) {
        if (!element || element->IsDeleted())
            continue;
        DRange3d r = element->GetRange();
        bvector<DPoint3d> box{{r.low.x, r.low.y, r.low.z},
                              {r.high.x, r.low.y, r.low.z},
                              {r.high.x, r.high.y, r.low.z},
                              {r.low.x, r.high.y, r.low.z},
                              {r.low.x, r.low.y, r.low.z}};
        for (DPoint3d& p : box)
            p = transform.Multiply(p);
        m_dynamics.push_back(ICurvePrimitive::CreateLineString(box));
    }
}

void HostTransformTool::OnCleanup()
{
    zt::TracerProxy::CloseTracer();
    zt::TracerProxy::UnRegister();
    zt::ZTToolLayoutMgn::Get().End();
    m_dynamics.clear();
    m_elements.clear();
}

} // namespace ztdemo
