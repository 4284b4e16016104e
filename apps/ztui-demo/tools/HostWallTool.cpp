#include "apps/ztui-demo/tools/HostWallTool.h"

#include "platform/cad/DgnApplication.h"
#include "platform/cad/DgnProject.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "ztui/drawinput/ZTToolLayoutMgn.h"

namespace ztdemo {

namespace {
constexpr const wchar_t* kFirstPointPrompt = L"请输入墙起点/右键取消：";
constexpr const wchar_t* kNextPointPrompt = L"请输入墙下一点/右键取消：";
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
    BeginChain();
    return true;
}

void HostWallTool::BeginChain()
{
    zt::ZTToolLayoutMgn& layout = zt::ZTToolLayoutMgn::Get();
    layout.Begin();
    layout.SetDrawWay(zt::ZTDrawWay::Line);
    m_chain.clear();
    m_placedSegments = 0;
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
    bool more = layout.AddDataButtonPoint(point);
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
    ICurvePrimitivePtr preview = zt::ZTToolLayoutMgn::Get().AddDynamicPoint(point);
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
    EndChain();
    zt::ZTToolLayoutMgn::Get().End();
    m_dynamics.clear();
}

} // namespace ztdemo
