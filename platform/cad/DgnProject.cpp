#include "platform/cad/DgnProject.h"
#include "platform/cad/ProjectEvents.h"
#include "platform/cad/storage/ProjectStore.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

const char* DgnProjectStatusToString(DgnProjectStatus status)
{
    switch (status) {
    case DgnProjectStatus::Success:
        return "success";
    case DgnProjectStatus::FileNotFound:
        return "the project file does not exist";
    case DgnProjectStatus::AlreadyExists:
        return "a file of that name already exists";
    case DgnProjectStatus::CannotCreate:
        return "the project file cannot be created";
    case DgnProjectStatus::NotAProject:
        return "the file is not a project";
    case DgnProjectStatus::Corrupt:
        return "the project file is damaged";
    case DgnProjectStatus::VersionTooNew:
        return "the project was written by a newer version";
    case DgnProjectStatus::WriteFailed:
        return "the project could not be written";
    case DgnProjectStatus::NotOpen:
        return "the project is closed";
    }
    return "unknown status";
}

DgnProject::DgnProject() : m_levels(*this), m_txn(*this)
{
    ResetContentLocked();
}

DgnProject::~DgnProject()
{
    if (m_open)
        Close();
}

void DgnProject::ResetContentLocked()
{
    m_models.clear();
    m_elements.clear();
    m_liveElementCount = 0;
    m_levelTable.clear();
    m_nextModelId = 1;
    m_nextElementId = 1;
    LevelDefinition defaultLevel;
    defaultLevel.id = LEVEL_DEFAULT_LEVEL_ID;
    defaultLevel.name = DgnLevels::DEFAULT_LEVEL_NAME;
    m_levelTable.emplace(defaultLevel.id, defaultLevel);
}

DgnProjectPtr DgnProject::CreateTemporaryProject(DgnProjectStatus* status)
{
    std::error_code ec;
    std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    if (ec)
        base = "/tmp";
    std::string pattern = (base / "ztproject-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        if (status)
            *status = DgnProjectStatus::CannotCreate;
        return nullptr;
    }
    Utf8String file = (std::filesystem::path(pattern) / "Untitled").string() + FILE_EXTENSION;
    DgnProjectPtr project = CreateProject(file, status);
    if (!project) {
        std::filesystem::remove_all(pattern, ec);
        return nullptr;
    }
    project->m_tempFolder = pattern;
    return project;
}

DgnModel* DgnProject::CreateModelLocked(DgnModelId id, const Utf8String& name, DgnModelType type)
{
    auto model = std::unique_ptr<DgnModel>(new DgnModel(*this, id, name, type));
    DgnModel* raw = model.get();
    m_models.emplace(id, std::move(model));
    m_nextModelId = std::max(m_nextModelId, id + 1);
    return raw;
}

ElementRef* DgnProject::CreateElementLocked(ElementId id, DgnModel& model,
                                            std::shared_ptr<const ElementData> data, bool deleted)
{
    auto element = std::unique_ptr<ElementRef>(
        new ElementRef(id, &model, data ? data : std::make_shared<const ElementData>()));
    ElementRef* raw = element.get();
    raw->m_deleted.store(deleted);
    m_elements[id] = std::move(element);
    if (!deleted) {
        model.m_members.emplace(id, raw);
        ++m_liveElementCount;
    }
    m_nextElementId = std::max(m_nextElementId, id + 1);
    return raw;
}

bool DgnProject::IsOpen() const
{
    std::lock_guard lock(m_mutex);
    return m_open;
}

bool DgnProject::HasUnsavedChanges() const
{
    std::lock_guard lock(m_mutex);
    if (!m_open)
        return false;
    return m_neverSaved || !m_dirtyElements.empty() || m_levelsDirty || m_modelsDirty ||
           m_colors.IsDirty() || m_schemas.IsDirty() || !m_extension.GetChanges().IsEmpty();
}

DgnModel* DgnProject::CreateModel(const Utf8String& name, DgnModelType type)
{
    std::lock_guard lock(m_mutex);
    if (!m_open || name.empty() || FindModelByName(name))
        return nullptr;
    m_modelsDirty = true;
    return CreateModelLocked(m_nextModelId, name, type);
}

DgnModel* DgnProject::GetModel(DgnModelId id) const
{
    std::lock_guard lock(m_mutex);
    auto it = m_models.find(id);
    return it == m_models.end() ? nullptr : it->second.get();
}

DgnModel* DgnProject::FindModelByName(const Utf8String& name) const
{
    std::lock_guard lock(m_mutex);
    for (const auto& [id, model] : m_models)
        if (model->m_name == name)
            return model.get();
    return nullptr;
}

bvector<DgnModel*> DgnProject::GetModels() const
{
    std::lock_guard lock(m_mutex);
    bvector<DgnModel*> models;
    for (const auto& [id, model] : m_models)
        models.push_back(model.get());
    return models;
}

DgnModel* DgnProject::GetDefaultModel() const
{
    std::lock_guard lock(m_mutex);
    for (const auto& [id, model] : m_models)
        if (model->GetModelType() == DgnModelType::Physical)
            return model.get();
    return nullptr;
}

ElementRef* DgnProject::FindElementById(ElementId id) const
{
    std::lock_guard lock(m_mutex);
    auto it = m_elements.find(id);
    if (it == m_elements.end() || it->second->IsDeleted())
        return nullptr;
    return it->second.get();
}

ElementRef* DgnProject::FindElementByInstance(const ECInstanceKey& key) const
{
    if (!key.IsValid())
        return nullptr;
    ElementRef* element = FindElementById(key.GetECInstanceId());
    return element && element->GetECClassId() == key.GetECClassId() ? element : nullptr;
}

std::size_t DgnProject::GetElementCount() const
{
    std::lock_guard lock(m_mutex);
    return m_liveElementCount;
}
