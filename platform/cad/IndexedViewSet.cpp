#include "platform/cad/IndexedViewSet.h"

#include "platform/cad/IViewOutput.h"

namespace {

void TellOutput(const std::unique_ptr<IndexedViewport>& view)
{
    if (view)
        if (IViewOutput* output = view->GetIViewOutput())
            output->ViewportClosing();
}

} // namespace

IndexedViewSet::IndexedViewSet() = default;
IndexedViewSet::~IndexedViewSet() = default;

IndexedViewport* IndexedViewSet::GetViewport(int viewNumber) const
{
    if (viewNumber < 0 || viewNumber >= MAX_VIEWS)
        return nullptr;
    std::lock_guard lock(m_mutex);
    return m_views[viewNumber].get();
}

IndexedViewport* IndexedViewSet::OpenViewport(int viewNumber)
{
    if (viewNumber < 0 || viewNumber >= MAX_VIEWS)
        return nullptr;
    std::lock_guard lock(m_mutex);
    if (!m_views[viewNumber])
        m_views[viewNumber] = std::make_unique<IndexedViewport>(viewNumber);
    return m_views[viewNumber].get();
}

bool IndexedViewSet::CloseViewport(int viewNumber)
{
    if (viewNumber < 0 || viewNumber >= MAX_VIEWS)
        return false;
    std::unique_ptr<IndexedViewport> closing;
    {
        std::lock_guard lock(m_mutex);
        if (!m_views[viewNumber])
            return false;
        IndexedViewport* expected = m_views[viewNumber].get();
        m_selected.compare_exchange_strong(expected, nullptr);
        closing = std::move(m_views[viewNumber]);
    }
    TellOutput(closing);
    return true;
}

void IndexedViewSet::CloseAll()
{
    std::array<std::unique_ptr<IndexedViewport>, MAX_VIEWS> closing;
    {
        std::lock_guard lock(m_mutex);
        m_selected.store(nullptr);
        closing.swap(m_views);
    }
    for (const auto& view : closing)
        TellOutput(view);
}

int IndexedViewSet::GetOpenCount() const
{
    std::lock_guard lock(m_mutex);
    int count = 0;
    for (const auto& view : m_views)
        count += view ? 1 : 0;
    return count;
}

bool IndexedViewSet::Contains(const IndexedViewport* viewport) const
{
    std::lock_guard lock(m_mutex);
    for (const auto& view : m_views)
        if (viewport && view.get() == viewport)
            return true;
    return false;
}

std::vector<IndexedViewport*> IndexedViewSet::GetOpenViewports() const
{
    std::lock_guard lock(m_mutex);
    std::vector<IndexedViewport*> open;
    for (const auto& view : m_views)
        if (view)
            open.push_back(view.get());
    return open;
}

bool IndexedViewSet::SetSelectedViewport(int viewNumber)
{
    IndexedViewport* view = GetViewport(viewNumber);
    if (!view)
        return false;
    m_selected.store(view);
    return true;
}

bool IndexedViewSet::SetSelectedViewport(IndexedViewport* viewport)
{
    if (!viewport || GetViewport(viewport->GetViewNumber()) != viewport)
        return false;
    m_selected.store(viewport);
    return true;
}
