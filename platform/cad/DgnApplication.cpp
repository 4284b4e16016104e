#include "platform/cad/DgnApplication.h"
#include "platform/cad/AbstractUiStateManager.h"
#include "platform/cad/IViewManager.h"
#include "platform/cad/MessageSender.h"
#include "platform/cad/ProjectEvents.h"

DgnApplication& DgnApplication::Get()
{
    static DgnApplication application;
    return application;
}

DgnProject* DgnApplication::GetCurrentProject() const
{
    std::lock_guard lock(m_mutex);
    return m_project.get();
}

DgnProjectPtr DgnApplication::GetCurrentProjectPtr() const
{
    std::lock_guard lock(m_mutex);
    return m_project;
}

void DgnApplication::SetCurrentProject(DgnProjectPtr project)
{
    DgnProjectPtr old;
    {
        std::lock_guard lock(m_mutex);
        if (project == m_project)
            return;
        old = m_project;
    }
    if (old)
        old->Close();
    {
        std::lock_guard lock(m_mutex);
        m_project = project;
    }
    if (project)
        ProjectEvents::Get().NotifyProject([&](auto& l) { l.OnProjectOpened(*project); });
}

DgnProject* DgnApplication::NewProject(const Utf8String& path, DgnProjectStatus* status)
{
    DgnProjectPtr project = path.empty() ? DgnProject::CreateTemporaryProject(status)
                                         : DgnProject::CreateProject(path, status);
    if (!project)
        return nullptr;
    SetCurrentProject(project);
    return project.get();
}

DgnProject* DgnApplication::OpenProject(const Utf8String& path, DgnProjectStatus* status)
{
    DgnProjectPtr project = DgnProject::OpenProject(path, status);
    if (!project)
        return nullptr;
    SetCurrentProject(project);
    return project.get();
}

void DgnApplication::CloseProject()
{
    SetCurrentProject(nullptr);
}

IndexedViewport* DgnApplication::GetSelectedViewport() const
{
    return IViewManager::GetManager().GetActiveViewSet().GetSelectedViewport();
}

AbstractUiStateManager& DgnApplication::GetUiStateManager() const
{
    return AbstractUiStateManager::Get();
}

MessageSender& DgnApplication::GetMessageSender() const
{
    return MessageSender::Get();
}
