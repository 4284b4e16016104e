#include "platform/cad/ViewDisplayList.h"

#include <algorithm>
#include <cmath>

void ViewDisplayList::Clear()
{
    m_items.clear();
    m_points.clear();
    m_texts.clear();
    m_symbologies.clear();
    m_pendingSet = false;
}

void ViewDisplayList::SetSymbology(const DisplaySymbology& symbology)
{
    m_pending = symbology;
    m_pendingSet = true;
}

std::uint32_t ViewDisplayList::CurrentSymbology()
{
    // The symbology is stored when something is drawn with it, so that switching back and
    // forth without drawing costs nothing.
    if (m_symbologies.empty() || (m_pendingSet && !(m_symbologies.back() == m_pending)))
        m_symbologies.push_back(m_pendingSet ? m_pending : DisplaySymbology{});
    m_pendingSet = false;
    return static_cast<std::uint32_t>(m_symbologies.size() - 1);
}

void ViewDisplayList::AddPoints(DisplayOp op, const ViewPoint2f* points, std::uint32_t count,
                                float depth)
{
    if (!points || count == 0)
        return;
    const std::uint32_t symbology = CurrentSymbology();
    m_items.push_back(
        DisplayItem{op, symbology, static_cast<std::uint32_t>(m_points.size()), count, depth});
    m_points.insert(m_points.end(), points, points + count);
}

void ViewDisplayList::AddPolyline(const ViewPoint2f* points, std::uint32_t count, bool closed,
                                  float depth)
{
    if (count >= 2)
        AddPoints(closed ? DisplayOp::ClosedPolyline : DisplayOp::Polyline, points, count, depth);
}

void ViewDisplayList::AddFill(const ViewPoint2f* points, std::uint32_t count, float depth)
{
    if (count >= 3)
        AddPoints(DisplayOp::Fill, points, count, depth);
}

void ViewDisplayList::AddDots(const ViewPoint2f* points, std::uint32_t count, float depth)
{
    AddPoints(DisplayOp::Dots, points, count, depth);
}

void ViewDisplayList::AddText(DisplayText text, float depth)
{
    if (text.text.empty())
        return;
    const std::uint32_t symbology = CurrentSymbology();
    m_items.push_back(DisplayItem{DisplayOp::Text, symbology,
                                  static_cast<std::uint32_t>(m_texts.size()), 1, depth});
    m_texts.push_back(std::move(text));
}

void ViewDisplayList::Append(const ViewDisplayList& other)
{
    // What this list draws with next stays what it was, whatever the other list ends with.
    if (!m_pendingSet && !m_symbologies.empty()) {
        m_pending = m_symbologies.back();
        m_pendingSet = true;
    }
    const auto pointBase = static_cast<std::uint32_t>(m_points.size());
    const auto textBase = static_cast<std::uint32_t>(m_texts.size());
    const auto symbologyBase = static_cast<std::uint32_t>(m_symbologies.size());
    m_points.insert(m_points.end(), other.m_points.begin(), other.m_points.end());
    m_texts.insert(m_texts.end(), other.m_texts.begin(), other.m_texts.end());
    m_symbologies.insert(m_symbologies.end(), other.m_symbologies.begin(),
                         other.m_symbologies.end());
    for (DisplayItem item : other.m_items) {
        item.first += item.op == DisplayOp::Text ? textBase : pointBase;
        item.symbology += symbologyBase;
        m_items.push_back(item);
    }
}

void ViewDisplayList::SortBackToFront()
{
    std::stable_sort(m_items.begin(), m_items.end(),
                     [](const DisplayItem& a, const DisplayItem& b) { return a.depth < b.depth; });
}

bool ViewDisplayList::PaintedBounds(RECT& bounds) const
{
    // Beyond this a point is far outside any view; its line may cross the view anywhere.
    constexpr float kFar = 1.0e6f;
    float left = 0, top = 0, right = 0, bottom = 0;
    bool any = false;
    for (const DisplayItem& item : m_items) {
        if (item.op == DisplayOp::Text)
            return false;
        // Lines and dots reach half their width past their points, rounding one more pixel.
        const float reach = float(m_symbologies[item.symbology].weight) / 2.0f + 2.0f;
        for (std::uint32_t i = item.first; i < item.first + item.count; ++i) {
            const ViewPoint2f& p = m_points[i];
            if (!(std::fabs(p.x) < kFar) || !(std::fabs(p.y) < kFar))
                return false;
            if (!any) {
                left = p.x - reach, top = p.y - reach, right = p.x + reach, bottom = p.y + reach;
                any = true;
                continue;
            }
            left = std::min(left, p.x - reach);
            top = std::min(top, p.y - reach);
            right = std::max(right, p.x + reach);
            bottom = std::max(bottom, p.y + reach);
        }
    }
    bounds = any ? RECT{LONG(std::floor(left)), LONG(std::floor(top)), LONG(std::ceil(right)) + 1,
                        LONG(std::ceil(bottom)) + 1}
                 : RECT{0, 0, 0, 0};
    return true;
}
