#include "apps/ztui-demo/tools/HostTool.h"

#include "platform/cad/DgnProject.h"
#include "platform/host/TSStoreyModelViewManager.h"

namespace ztdemo {

DgnModel* HostTool::GetActiveModel(DgnProject& project)
{
    TSStoreyModelViewInfoPtr view =
        TSStoreyModelViewManager::Get().GetModelViewInfoByViewportIndex(project, 0);
    if (view.IsValid())
        if (DgnModel* model = project.GetModel(view->modelId))
            return model;
    return project.GetDefaultModel();
}

} // namespace ztdemo
