#pragma once
// The process-wide lists of element-change and project listeners. Listeners are not owned;
// one must be dropped before it is destroyed. Adding one twice keeps one entry. Dispatch
// walks a copy, so a listener may add or drop listeners from inside its call.

#include "platform/cad/IElementChangeListener.h"
#include "platform/cad/IProjectEventListener.h"

#include <functional>
#include <mutex>
#include <vector>

class ProjectEvents
{
public:
    static ProjectEvents& Get();

    void AddElementListener(IElementChangeListener* listener);
    void DropElementListener(IElementChangeListener* listener);
    void AddProjectListener(IProjectEventListener* listener);
    void DropProjectListener(IProjectEventListener* listener);

    // For the project's own use.
    void NotifyElements(const std::function<void(IElementChangeListener&)>& call);
    void NotifyProject(const std::function<void(IProjectEventListener&)>& call);

private:
    ProjectEvents() = default;

    std::mutex m_mutex;
    std::vector<IElementChangeListener*> m_elementListeners;
    std::vector<IProjectEventListener*> m_projectListeners;
};
