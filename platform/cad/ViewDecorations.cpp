#include "platform/cad/ViewDecorations.h"

#include "platform/cad/ElemMatSymb.h"
#include "platform/cad/ViewContext.h"

#include <vector>

namespace {

// Decorations stand out over the model: one pixel heavier than a plain line.
constexpr std::uint32_t kDecorationWeight = 1;

} // namespace

ViewDecorations& ViewDecorations::Get()
{
    static ViewDecorations decorations;
    return decorations;
}

std::uint32_t ViewDecorations::Add(const CurveVector* curves, std::uint32_t color)
{
    if (!curves || curves->empty())
        return 0;
    Decoration d;
    d.curves = curves->Clone();
    d.color = color & 0x00FFFFFFu;
    std::lock_guard lock(m_mutex);
    const std::uint32_t id = m_nextId++;
    m_items.emplace(id, std::move(d));
    return id;
}

bool ViewDecorations::Delete(std::uint32_t id)
{
    std::lock_guard lock(m_mutex);
    return m_items.erase(id) > 0;
}

void ViewDecorations::Clear()
{
    std::lock_guard lock(m_mutex);
    m_items.clear();
}

std::size_t ViewDecorations::Count() const
{
    std::lock_guard lock(m_mutex);
    return m_items.size();
}

bool ViewDecorations::Contains(std::uint32_t id) const
{
    std::lock_guard lock(m_mutex);
    return m_items.count(id) > 0;
}

void ViewDecorations::_DrawTransients(ViewContext& context, bool /*isPreUpdate*/)
{
    std::vector<Decoration> items;
    {
        // The curves are never changed once added, so drawing works on shared references.
        std::lock_guard lock(m_mutex);
        items.reserve(m_items.size());
        for (const auto& [id, d] : m_items)
            items.push_back(d);
    }
    IDrawGeom& geom = context.GetIDrawGeom();
    for (const Decoration& d : items) {
        ElemMatSymb symb;
        symb.SetLineColorTBGR(ElemMatSymb::TBGR(d.color));
        symb.SetFillColorTBGR(ElemMatSymb::TBGR(d.color));
        symb.SetWidth(kDecorationWeight);
        geom.ActivateMatSymb(&symb);
        geom.DrawCurveVector(*d.curves, false);
    }
}
