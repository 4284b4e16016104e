#pragma once
// Finding elements of the application's current project (or of a given one).

#include "platform/cad/BVector.h"
#include "platform/cad/DgnIds.h"

class DgnProject;
class ElementRef;

class ElementFinder
{
public:
    // The ids of the live elements of the model, ascending; empty without a project or model.
    static bvector<ElementId> GetElementsOfModel(DgnModelId modelId);
    static bvector<ElementId> GetElementsOfModel(DgnProject& project, DgnModelId modelId);
    static bvector<ElementRef*> GetElementRefsOfModel(DgnModelId modelId);
    static ElementRef* FindElement(ElementId id);
    static ElementRef* FindElement(const ECInstanceKey& key);
};
