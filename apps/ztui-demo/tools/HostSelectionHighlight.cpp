#include "apps/ztui-demo/tools/HostSelectionHighlight.h"

#include "platform/cad/ElemMatSymb.h"
#include "platform/cad/ElementRef.h"
#include "platform/cad/IDrawGeom.h"
#include "platform/cad/IViewManager.h"
#include "platform/cad/PlatformWorkQueue.h"
#include "platform/cad/ViewContext.h"

namespace ztdemo {

HostSelectionHighlight::~HostSelectionHighlight()
{
    Stop();
}

void HostSelectionHighlight::Start()
{
    if (m_started)
        return;
    m_started = true;
    SelectionSetManager::GetManager().AddListener(this);
    IViewManager::GetManager().AddViewTransientHandler(this);
}

void HostSelectionHighlight::Stop()
{
    if (!m_started)
        return;
    m_started = false;
    SelectionSetManager::GetManager().DropListener(this);
    IViewManager::GetManager().DropViewTransientHandler(this);
}

void HostSelectionHighlight::OnSelectionChanged(SelectionSetAction, const bvector<ElementRef*>&)
{
    // Views are redrawn on the work thread, whichever thread changed the selection.
    PlatformWorkQueue::Post([] { IViewManager::GetManager().UpdateAllViews(); });
}

void HostSelectionHighlight::_DrawTransients(ViewContext& context, bool isPreUpdate)
{
    if (isPreUpdate)
        return;
    ElemMatSymb symbology;
    symbology.SetLineColorTBGR(kHighlightColour);
    symbology.SetWidth(kHighlightWeight);
    IDrawGeom& geom = context.GetIDrawGeom();
    geom.ActivateMatSymb(&symbology);
    for (ElementRef* element : SelectionSetManager::GetManager().GetElements()) {
        if (!element || element->IsDeleted())
            continue;
        std::shared_ptr<const ElementData> data = element->GetData();
        const std::optional<ElementExtrusion>& body = data->geometry.extrusion;
        if (!body || !body->baseProfile)
            continue;
        geom.DrawCurveVector(*body->baseProfile, false);
    }
}

} // namespace ztdemo
