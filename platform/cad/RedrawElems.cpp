#include "platform/cad/RedrawElems.h"

#include "platform/cad/IndexedViewSet.h"
#include "platform/cad/ViewContext.h"
#include "platform/cad/ViewRenderer.h"

#include <memory>
#include <mutex>
#include <optional>
#include <utility>

namespace {

struct DynamicItem
{
    IndexedViewport* viewport; // null: every view
    ICurvePrimitivePtr curve;
    std::optional<TextString> text;
    ElemMatSymb symbology;
};

struct DynamicItems
{
    std::mutex mutex;
    std::vector<DynamicItem> items;
};

DynamicItems& Items()
{
    static DynamicItems items;
    return items;
}

void Add(DynamicItem item)
{
    std::lock_guard lock(Items().mutex);
    Items().items.push_back(std::move(item));
}

// Redraws held on this thread (DeferScope).
thread_local int t_deferred = 0;

} // namespace

RedrawElems::DeferScope::DeferScope()
{
    ++t_deferred;
}

RedrawElems::DeferScope::~DeferScope()
{
    --t_deferred;
}

void RedrawElems::SetDynamicsViews(IndexedViewSet& viewSet, IndexedViewport* viewport)
{
    m_viewSet = &viewSet;
    m_viewport = viewport;
}

void RedrawElems::DoRedraw(const ICurvePrimitive& curve, const ElemMatSymb& symbology)
{
    Add(DynamicItem{m_viewport, curve.Clone(), std::nullopt, symbology});
    Redraw();
}

void RedrawElems::DoRedraw(const TextString& text, const ElemMatSymb& symbology)
{
    Add(DynamicItem{m_viewport, nullptr, text, symbology});
    Redraw();
}

void RedrawElems::EndBatch()
{
    m_batching = false;
    if (std::exchange(m_pending, false))
        Redraw();
}

void RedrawElems::Redraw()
{
    if (m_batching) {
        m_pending = true;
        return;
    }
    if (!m_viewSet || t_deferred > 0)
        return;
    if (m_viewport) {
        ViewRenderer::UpdateDynamics(*m_viewport);
        return;
    }
    for (IndexedViewport* view : m_viewSet->GetOpenViewports())
        ViewRenderer::UpdateDynamics(*view);
}

void RedrawElems::ClearDynamics()
{
    std::lock_guard lock(Items().mutex);
    Items().items.clear();
}

void RedrawElems::DrawInto(ViewContext& context)
{
    std::vector<DynamicItem> items;
    {
        std::lock_guard lock(Items().mutex);
        items = Items().items;
    }
    IDrawGeom& geom = context.GetIDrawGeom();
    for (const DynamicItem& item : items) {
        if (item.viewport && static_cast<Viewport*>(item.viewport) != context.GetViewport())
            continue;
        geom.ActivateMatSymb(&item.symbology);
        if (item.curve)
            geom.DrawCurvePrimitive(*item.curve, false, false);
        else if (item.text)
            geom.DrawTextString(*item.text);
    }
}
