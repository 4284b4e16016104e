#include "platform/cad/EditElementHandle.h"
#include "platform/cad/DgnProject.h"

EditElementHandle::EditElementHandle(ElementRef* element)
{
    if (!element || element->IsDeleted())
        return;
    m_element = element;
    m_model = element->GetDgnModelP();
    m_data = *element->GetData();
}

EditElementHandle::EditElementHandle(ElementId id, DgnModel* model)
    : EditElementHandle(model ? model->FindElementById(id) : nullptr)
{}

ElementId EditElementHandle::GetElementId() const
{
    return m_element ? m_element->GetElementId() : INVALID_ELEMENTID;
}

bool EditElementHandle::ReplaceInModel()
{
    if (!m_element)
        return false;
    return m_element->GetDgnProject().ReplaceElement(*m_element, m_data);
}

bool EditElementHandle::ReplaceInModel(ElementRef& element, ElementData content)
{
    return element.GetDgnProject().ReplaceElement(element, std::move(content));
}

ElementId EditElementHandle::AddToModel(DgnModel* model)
{
    DgnModel* target = model ? model : m_model;
    if (!target)
        return INVALID_ELEMENTID;
    ElementRef* added = target->GetDgnProject().AddElement(*target, m_data);
    if (!added)
        return INVALID_ELEMENTID;
    m_element = added;
    m_model = target;
    m_data = *added->GetData();
    return added->GetElementId();
}

bool EditElementHandle::DeleteFromModel()
{
    if (!m_element)
        return false;
    bool deleted = m_element->GetDgnProject().DeleteElement(*m_element);
    if (deleted)
        m_element = nullptr;
    return deleted;
}
