#include "platform/cad/IViewManager.h"

#include "platform/cad/ViewRenderer.h"

#include <algorithm>

IViewManager& IViewManager::GetManager()
{
    static IViewManager manager;
    return manager;
}

void IViewManager::AddViewTransientHandler(IViewTransients* handler)
{
    if (!handler)
        return;
    {
        std::lock_guard lock(m_mutex);
        if (std::find(m_transients.begin(), m_transients.end(), handler) != m_transients.end())
            return;
        m_transients.push_back(handler);
    }
    UpdateAllViews();
}

void IViewManager::DropViewTransientHandler(IViewTransients* handler)
{
    {
        std::lock_guard lock(m_mutex);
        auto it = std::find(m_transients.begin(), m_transients.end(), handler);
        if (it == m_transients.end())
            return;
        m_transients.erase(it);
    }
    UpdateAllViews();
}

bool IViewManager::HasViewTransientHandler(IViewTransients* handler) const
{
    std::lock_guard lock(m_mutex);
    return std::find(m_transients.begin(), m_transients.end(), handler) != m_transients.end();
}

std::vector<IViewTransients*> IViewManager::GetViewTransientHandlers() const
{
    std::lock_guard lock(m_mutex);
    return m_transients;
}

void IViewManager::SetViewScene(IViewScene* scene, bool updateViews)
{
    m_scene.store(scene);
    if (updateViews)
        UpdateAllViews();
}

void IViewManager::UpdateAllViews()
{
    for (IndexedViewport* view : m_activeViewSet.GetOpenViewports())
        ViewRenderer::Update(*view, false);
}

void IViewManager::UpdateAllDynamics()
{
    for (IndexedViewport* view : m_activeViewSet.GetOpenViewports())
        ViewRenderer::UpdateDynamics(*view);
}
