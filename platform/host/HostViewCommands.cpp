#include "platform/host/HostViewCommands.h"

#include "platform/cad/DgnApplication.h"
#include "platform/cad/IndexedViewport.h"
#include "platform/host/Commands.h"
#include "platform/host/TSStoreyModelViewManager.h"

namespace zt::host {

void RegisterHostViewCommands()
{
    TesselToolsManager::RegisterFun(kZoomExtentsCommand, &ZoomToExtents);
}

void ZoomToExtents()
{
    DgnProjectPtr project = DgnApplication::Get().GetCurrentProjectPtr();
    IndexedViewport* viewport = DgnApplication::Get().GetSelectedViewport();
    if (project.IsNull() || !viewport)
        return;
    TSStoreyModelViewInfoPtr view = TSStoreyModelViewManager::Get().GetModelViewInfoByViewportIndex(
        *project, viewport->GetViewNumber());
    DRange3d range = DRange3d::NullRange();
    for (DgnModel* model : project->GetModels()) {
        if (view.IsValid() && !view->IsModelVisible(model->GetModelId()))
            continue;
        for (ElementRef* element : model->GetElementRefs())
            range.Extend(element->GetRange());
    }
    if (range.IsNull())
        return;
    if (viewport->GetViewControllerR().LookAtVolume(range))
        viewport->UpdateView();
}

} // namespace zt::host
