#include "platform/cad/DgnModel.h"
#include "platform/cad/DgnProject.h"
#include "platform/cad/PhysicalGraphics.h"

DgnModel::DgnModel(DgnProject& project, DgnModelId id, Utf8String name, DgnModelType type)
    : m_project(project), m_id(id), m_name(std::move(name)), m_type(type)
{}

DgnModel::~DgnModel() = default;

Utf8String DgnModel::GetModelName() const
{
    std::lock_guard lock(m_project.m_mutex);
    return m_name;
}

bvector<ElementRef*> DgnModel::GetElementRefs() const
{
    std::lock_guard lock(m_project.m_mutex);
    bvector<ElementRef*> refs;
    refs.reserve(m_members.size());
    for (const auto& [id, ref] : m_members)
        refs.push_back(ref);
    return refs;
}

bvector<ElementId> DgnModel::GetElementIds() const
{
    std::lock_guard lock(m_project.m_mutex);
    bvector<ElementId> ids;
    ids.reserve(m_members.size());
    for (const auto& [id, ref] : m_members)
        ids.push_back(id);
    return ids;
}

std::size_t DgnModel::GetElementCount() const
{
    std::lock_guard lock(m_project.m_mutex);
    return m_members.size();
}

ElementRef* DgnModel::FindElementById(ElementId id) const
{
    std::lock_guard lock(m_project.m_mutex);
    auto it = m_members.find(id);
    return it == m_members.end() ? nullptr : it->second;
}

PhysicalGraphicsPtr DgnModel::CreatePhysicalGraphics(LevelId level)
{
    return PhysicalGraphicsPtr(new PhysicalGraphics(*this, level));
}

DgnModelId ElementRef::GetModelId() const
{
    return m_model->GetModelId();
}

DgnProject& ElementRef::GetDgnProject() const
{
    return m_model->GetDgnProject();
}

ECInstanceKey ElementRef::GetPrimaryInstance() const
{
    auto data = GetData();
    return data->classId > 0 ? ECInstanceKey(data->classId, data->instanceId) : ECInstanceKey();
}
