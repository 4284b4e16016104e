#include "platform/cad/IndexedViewSet.h"

IndexedViewSet::IndexedViewSet() = default;
IndexedViewSet::~IndexedViewSet() = default;

IndexedViewport* IndexedViewSet::GetViewport(int viewNumber) const
{
    if (viewNumber < 0 || viewNumber >= MAX_VIEWS)
        return nullptr;
    return m_views[viewNumber].get();
}

IndexedViewport* IndexedViewSet::OpenViewport(int viewNumber)
{
    if (viewNumber < 0 || viewNumber >= MAX_VIEWS)
        return nullptr;
    if (!m_views[viewNumber])
        m_views[viewNumber] = std::make_unique<IndexedViewport>(viewNumber);
    return m_views[viewNumber].get();
}

bool IndexedViewSet::CloseViewport(int viewNumber)
{
    IndexedViewport* view = GetViewport(viewNumber);
    if (!view)
        return false;
    if (m_selected == view)
        m_selected = nullptr;
    m_views[viewNumber].reset();
    return true;
}

void IndexedViewSet::CloseAll()
{
    m_selected = nullptr;
    for (auto& view : m_views)
        view.reset();
}

int IndexedViewSet::GetOpenCount() const
{
    int count = 0;
    for (const auto& view : m_views)
        count += view ? 1 : 0;
    return count;
}

bool IndexedViewSet::SetSelectedViewport(int viewNumber)
{
    IndexedViewport* view = GetViewport(viewNumber);
    if (!view)
        return false;
    m_selected = view;
    return true;
}

bool IndexedViewSet::SetSelectedViewport(IndexedViewport* viewport)
{
    if (!viewport || GetViewport(viewport->GetViewNumber()) != viewport)
        return false;
    m_selected = viewport;
    return true;
}
