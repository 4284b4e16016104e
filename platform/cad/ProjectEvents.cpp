#include "platform/cad/ProjectEvents.h"

#include <algorithm>

namespace {

template <class T>
void AddOnce(std::vector<T*>& list, T* item)
{
    if (item && std::find(list.begin(), list.end(), item) == list.end())
        list.push_back(item);
}

template <class T>
void Drop(std::vector<T*>& list, T* item)
{
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

// Calls each listener of the copy that is still registered when its turn comes, so that a
// listener dropped by an earlier one is not called after it may have gone.
template <class T>
void Dispatch(std::mutex& mutex, std::vector<T*>& list, const std::function<void(T&)>& call)
{
    std::vector<T*> copy;
    {
        std::lock_guard lock(mutex);
        copy = list;
    }
    for (T* listener : copy) {
        {
            std::lock_guard lock(mutex);
            if (std::find(list.begin(), list.end(), listener) == list.end())
                continue;
        }
        call(*listener);
    }
}

} // namespace

ProjectEvents& ProjectEvents::Get()
{
    static ProjectEvents events;
    return events;
}

void ProjectEvents::AddElementListener(IElementChangeListener* listener)
{
    std::lock_guard lock(m_mutex);
    AddOnce(m_elementListeners, listener);
}

void ProjectEvents::DropElementListener(IElementChangeListener* listener)
{
    std::lock_guard lock(m_mutex);
    Drop(m_elementListeners, listener);
}

void ProjectEvents::AddProjectListener(IProjectEventListener* listener)
{
    std::lock_guard lock(m_mutex);
    AddOnce(m_projectListeners, listener);
}

void ProjectEvents::DropProjectListener(IProjectEventListener* listener)
{
    std::lock_guard lock(m_mutex);
    Drop(m_projectListeners, listener);
}

void ProjectEvents::NotifyElements(const std::function<void(IElementChangeListener&)>& call)
{
    Dispatch(m_mutex, m_elementListeners, call);
}

void ProjectEvents::NotifyProject(const std::function<void(IProjectEventListener&)>& call)
{
    Dispatch(m_mutex, m_projectListeners, call);
}
