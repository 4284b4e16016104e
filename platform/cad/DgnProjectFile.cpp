// Creating, opening, saving and closing a project.

#include "platform/cad/DgnProject.h"
#include "platform/cad/ProjectEvents.h"
#include "platform/cad/storage/ProjectStore.h"

#include <filesystem>
#include <system_error>

namespace {

thread_local Utf8String t_lastOpenError;

void Report(DgnProjectStatus* out, DgnProjectStatus status, Utf8String message = {})
{
    if (out)
        *out = status;
    if (status == DgnProjectStatus::Success)
        t_lastOpenError.clear();
    else
        t_lastOpenError =
            message.empty() ? Utf8String(DgnProjectStatusToString(status)) : std::move(message);
}

} // namespace

Utf8String DgnProject::GetLastOpenError()
{
    return t_lastOpenError;
}

DgnProjectPtr DgnProject::CreateProject(const Utf8String& path, DgnProjectStatus* status)
{
    Utf8String message;
    DgnProjectStatus result = DgnProjectStatus::Success;
    auto store = ProjectStore::Create(path, result, message);
    if (!store) {
        Report(status, result, message);
        return nullptr;
    }
    DgnProjectPtr project(new DgnProject());
    {
        std::lock_guard lock(project->m_mutex);
        project->m_fileName = path;
        project->m_store = std::move(store);
        project->CreateModelLocked(1, DEFAULT_MODEL_NAME, DgnModelType::Physical);
        project->m_modelsDirty = true;
        project->m_levelsDirty = true;
    }
    // A new project is a file from the start, so that it can be opened again even if nothing
    // more is ever saved.
    DgnProjectStatus saved = project->SaveChanges();
    if (saved != DgnProjectStatus::Success) {
        project->Close();
        std::error_code ec;
        std::filesystem::remove(std::filesystem::u8path(path.c_str()), ec);
        Report(status, DgnProjectStatus::CannotCreate, "the new project could not be written");
        return nullptr;
    }
    Report(status, DgnProjectStatus::Success);
    return project;
}

DgnProjectPtr DgnProject::OpenProject(const Utf8String& path, DgnProjectStatus* status)
{
    DgnProjectPtr project(new DgnProject());
    Utf8String message;
    DgnProjectStatus result = DgnProjectStatus::Success;
    {
        std::lock_guard lock(project->m_mutex);
        project->ResetContentLocked();
        project->m_store = ProjectStore::Open(path, *project, result, message);
        if (!project->m_store) {
            project->ResetContentLocked();
            project->m_open = false;
            Report(status, result, message);
            return nullptr;
        }
        project->m_fileName = path;
        project->m_neverSaved = false;
        project->m_dirtyElements.clear();
        project->m_levelsDirty = false;
        project->m_modelsDirty = false;
    }
    Report(status, DgnProjectStatus::Success);
    return project;
}

DgnProjectStatus DgnProject::SaveChanges()
{
    if (!IsOpen())
        return DgnProjectStatus::NotOpen;
    // Listeners write their cached data first, outside the lock, so that it joins this save.
    ProjectEvents::Get().NotifyProject([this](auto& l) { l.OnProjectSaving(*this); });
    DgnProjectStatus result;
    {
        std::lock_guard lock(m_mutex);
        if (!m_open || !m_store)
            return DgnProjectStatus::NotOpen;
        result = m_store->Save(*this);
        if (result == DgnProjectStatus::Success) {
            m_dirtyElements.clear();
            m_levelsDirty = false;
            m_modelsDirty = false;
            m_neverSaved = false;
            m_colors.ClearDirty();
            m_schemas.ClearDirty();
            m_extension.ClearDirty();
        }
    }
    if (result == DgnProjectStatus::Success)
        ProjectEvents::Get().NotifyProject([this](auto& l) { l.OnProjectSaved(*this); });
    return result;
}

void DgnProject::Close()
{
    if (!IsOpen())
        return;
    ProjectEvents::Get().NotifyProject([this](auto& l) { l.OnProjectClosing(*this); });
    Utf8String tempFolder;
    {
        std::lock_guard lock(m_mutex);
        if (!m_open)
            return;
        m_open = false;
        m_txn.ClearHistory();
        m_store.reset();
        m_pending.clear();
        tempFolder = m_tempFolder;
        // Element pointers handed out stay valid until the project object itself goes, as
        // someone may still hold one; only the file and the history are let go now.
    }
    if (!tempFolder.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(std::filesystem::u8path(tempFolder.c_str()), ec);
    }
}
