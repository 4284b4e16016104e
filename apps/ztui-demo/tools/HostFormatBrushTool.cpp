#include "apps/ztui-demo/tools/HostFormatBrushTool.h"

#include "apps/ztui-demo/tools/HostElementPicker.h"
#include "apps/ztui-demo/tools/HostSelectTool.h"
#include "platform/cad/DgnApplication.h"
#include "platform/cad/ITxnManager.h"
#include "platform/host/TSGraphicElement.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "ztui/propertypanel/ZTPropertyDataMgn.h"
#include "ztui/propertypanel/ZTPropertySetMgn.h"

namespace ztdemo {

namespace {

constexpr const wchar_t* kSourcePrompt = L"请选择源构件/右键取消：";
constexpr const wchar_t* kTargetPrompt = L"请选择目标构件/右键结束：";

RefCountedPtr<TSObject> ObjectAt(DgnProject& project, const DPoint3d& point)
{
    DgnModel* model = HostTool::GetActiveModel(project);
    ElementRef* element =
        model ? HostElementPicker::Pick(*model, point, HostSelectTool::kPickTolerance) : nullptr;
    if (!element)
        return nullptr;
    RefCountedPtr<ITSObject> obj = TSObjectExtensionManager::Get().GetTSObject(element);
    return dynamic_cast<TSObject*>(obj.get());
}

} // namespace

bool HostFormatBrushTool::OnStart()
{
    m_project = DgnApplication::Get().GetCurrentProjectPtr();
    if (m_project.IsNull())
        return false;
    m_prompt = kSourcePrompt;
    return true;
}

bool HostFormatBrushTool::OnDataPoint(const DPoint3d& point)
{
    if (m_project.IsNull() || !m_project->IsOpen())
        return false;
    RefCountedPtr<TSObject> picked = ObjectAt(*m_project, point);
    if (picked.IsNull())
        return true;
    if (m_source.IsNull()) {
        m_source = picked;
        zt::ZTPropertyDataMgn::instance().setPickUpObject(picked->GetECClassName(),
                                                          picked->GetECSchemaName(), picked);
        m_prompt = kTargetPrompt;
        return true;
    }
    std::map<CString, bool> filter;
    if (!zt::ZTPropertySetMgn::instance().getCurrentPropertySet(TOOL_ID, filter)) {
        // Without a set of the user's, the values travel but the element stays where and on
        // which storey it is (points never travel as texts).
        filter = {{L"转角", false}, {L"方向", false}, {L"楼层", false}};
    }
    ITxnManager& txn = m_project->GetTxnManager();
    txn.StartTxnGroup();
    if (zt::ZTPropertyDataMgn::instance().cloneObject(m_source, picked, filter))
        ++m_applied;
    txn.EndTxnGroup();
    return true;
}

void HostFormatBrushTool::OnCleanup()
{
    m_source = nullptr;
    m_project = nullptr;
}

} // namespace ztdemo
