#pragma once
// The application as the platform sees it: its current project (absent until one is created
// or opened), the selected viewport, the interface-state store and the message hub. Opening or
// creating a project closes the current one first; listeners hear OnProjectClosing of the old
// and OnProjectOpened of the new project.

#include "platform/cad/DgnProject.h"

#include <mutex>

class AbstractUiStateManager;
class IndexedViewport;
class MessageSender;

class DgnApplication
{
public:
    static DgnApplication& Get();

    // Null when there is no project. The pointer stays valid until the project is replaced or
    // closed; hold a DgnProjectPtr (GetCurrentProjectPtr) to keep it across that.
    DgnProject* GetCurrentProject() const;
    DgnProjectPtr GetCurrentProjectPtr() const;

    // A new project at the path; with an empty path, a temporary one (DgnProject::
    // CreateTemporaryProject). Null on failure; the current project is then unchanged.
    DgnProject* NewProject(const Utf8String& path = {}, DgnProjectStatus* status = nullptr);
    DgnProject* OpenProject(const Utf8String& path, DgnProjectStatus* status = nullptr);
    // Makes an already open project current (null: none).
    void SetCurrentProject(DgnProjectPtr project);
    // Closes the current project without saving.
    void CloseProject();

    IndexedViewport* GetSelectedViewport() const;
    AbstractUiStateManager& GetUiStateManager() const;
    MessageSender& GetMessageSender() const;

    DgnApplication(const DgnApplication&) = delete;
    DgnApplication& operator=(const DgnApplication&) = delete;

private:
    DgnApplication() = default;

    mutable std::mutex m_mutex;
    DgnProjectPtr m_project;
};
