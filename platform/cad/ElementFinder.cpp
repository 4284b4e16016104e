#include "platform/cad/ElementFinder.h"
#include "platform/cad/DgnApplication.h"

bvector<ElementId> ElementFinder::GetElementsOfModel(DgnModelId modelId)
{
    DgnProjectPtr project = DgnApplication::Get().GetCurrentProjectPtr();
    return project ? GetElementsOfModel(*project, modelId) : bvector<ElementId>{};
}

bvector<ElementId> ElementFinder::GetElementsOfModel(DgnProject& project, DgnModelId modelId)
{
    DgnModel* model = project.GetModel(modelId);
    return model ? model->GetElementIds() : bvector<ElementId>{};
}

bvector<ElementRef*> ElementFinder::GetElementRefsOfModel(DgnModelId modelId)
{
    DgnProjectPtr project = DgnApplication::Get().GetCurrentProjectPtr();
    DgnModel* model = project ? project->GetModel(modelId) : nullptr;
    return model ? model->GetElementRefs() : bvector<ElementRef*>{};
}

ElementRef* ElementFinder::FindElement(ElementId id)
{
    DgnProjectPtr project = DgnApplication::Get().GetCurrentProjectPtr();
    return project ? project->FindElementById(id) : nullptr;
}

ElementRef* ElementFinder::FindElement(const ECInstanceKey& key)
{
    DgnProjectPtr project = DgnApplication::Get().GetCurrentProjectPtr();
    return project ? project->FindElementByInstance(key) : nullptr;
}
