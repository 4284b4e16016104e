#include "platform/cad/ViewDisplayList.h"

#include <algorithm>

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
