#include "platform/cad/DgnColors.h"

#include <array>

namespace {

// The first eight follow the CAD convention every user knows; the rest are a regular
// colour cube and a grey ramp, so that every index shows something distinct.
std::array<ColorDef, DgnColors::INDEXED_COLOR_COUNT> BuildIndexedTable()
{
    std::array<ColorDef, DgnColors::INDEXED_COLOR_COUNT> table{};
    const std::uint32_t firstEight[] = {0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000,
                                        0xFFFF00, 0xFF00FF, 0xFF7F00, 0x808080};
    for (std::uint32_t i = 0; i < 8; ++i)
        table[i] = ColorDef::FromRgb(firstEight[i]);
    // 6 x 6 x 6 cube: indexes 8 to 223.
    const std::uint8_t levels[] = {0, 51, 102, 153, 204, 255};
    std::uint32_t index = 8;
    for (std::uint8_t r : levels)
        for (std::uint8_t g : levels)
            for (std::uint8_t b : levels)
                table[index++] = ColorDef::From(r, g, b);
    // Grey ramp: indexes 224 to 255.
    for (std::uint32_t i = 0; index < DgnColors::INDEXED_COLOR_COUNT; ++i, ++index) {
        auto v = std::uint8_t(8 + i * 8);
        table[index] = ColorDef::From(v, v, v);
    }
    return table;
}

const std::array<ColorDef, DgnColors::INDEXED_COLOR_COUNT>& IndexedTable()
{
    static const auto table = BuildIndexedTable();
    return table;
}

std::uint32_t Rgba(const ColorDef& c)
{
    return c.GetRgb() | std::uint32_t(c.transparency) << 24;
}

} // namespace

ColorDef DgnColors::GetIndexedColor(std::uint32_t index)
{
    return index < INDEXED_COLOR_COUNT ? IndexedTable()[index] : ColorDef{};
}

std::uint32_t DgnColors::GetElementColor(const ColorDef& color)
{
    const auto& table = IndexedTable();
    for (std::uint32_t i = 0; i < INDEXED_COLOR_COUNT; ++i)
        if (table[i] == color)
            return i;
    std::lock_guard lock(m_mutex);
    auto [it, added] =
        m_byRgba.try_emplace(Rgba(color), INDEXED_COLOR_COUNT + std::uint32_t(m_extended.size()));
    if (added) {
        m_extended.push_back(color);
        m_dirty = true;
    }
    return it->second;
}

bool DgnColors::GetColor(std::uint32_t elementColor, ColorDef& color) const
{
    if (elementColor < INDEXED_COLOR_COUNT) {
        color = IndexedTable()[elementColor];
        return true;
    }
    std::lock_guard lock(m_mutex);
    std::uint64_t extendedIndex = std::uint64_t(elementColor) - INDEXED_COLOR_COUNT;
    if (extendedIndex >= m_extended.size())
        return false;
    color = m_extended[extendedIndex];
    return true;
}

std::vector<ColorDef> DgnColors::GetExtendedColors() const
{
    std::lock_guard lock(m_mutex);
    return m_extended;
}

void DgnColors::SetExtendedColors(const std::vector<ColorDef>& colors)
{
    std::lock_guard lock(m_mutex);
    m_extended = colors;
    m_byRgba.clear();
    for (std::uint32_t i = 0; i < m_extended.size(); ++i)
        m_byRgba.try_emplace(Rgba(m_extended[i]), INDEXED_COLOR_COUNT + i);
    m_dirty = false;
}

bool DgnColors::IsDirty() const
{
    std::lock_guard lock(m_mutex);
    return m_dirty;
}

void DgnColors::ClearDirty()
{
    std::lock_guard lock(m_mutex);
    m_dirty = false;
}
