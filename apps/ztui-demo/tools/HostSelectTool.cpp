#include "apps/ztui-demo/tools/HostSelectTool.h"

#include "apps/ztui-demo/tools/HostElementPicker.h"
#include "platform/cad/DgnApplication.h"
#include "platform/cad/SelectionSetManager.h"

namespace ztdemo {

namespace {
constexpr const wchar_t* kPrompt = L"请选择构件，按住Ctrl加选/右键取消：";
} // namespace

bool HostSelectTool::OnStart()
{
    m_project = DgnApplication::Get().GetCurrentProjectPtr();
    if (m_project.IsNull())
        return false;
    m_prompt = kPrompt;
    return true;
}

bool HostSelectTool::OnDataPointKeys(const DPoint3d& point, bool controlKey)
{
    if (m_project.IsNull() || !m_project->IsOpen())
        return false;
    DgnModel* model = GetActiveModel(*m_project);
    ElementRef* picked = model ? HostElementPicker::Pick(*model, point, kPickTolerance) : nullptr;
    SelectionSetManager& selection = SelectionSetManager::GetManager();
    if (!controlKey) {
        if (picked)
            selection.ReplaceWith({picked});
        else
            selection.Clear();
    } else if (picked) {
        if (selection.IsSelected(picked))
            selection.RemoveElement(picked);
        else
            selection.AddElement(picked);
    }
    return true;
}

} // namespace ztdemo
