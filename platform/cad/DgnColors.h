#pragma once
// The project's element colour table. Entries 0 to 255 are the platform's indexed colours,
// the same in every project; any other colour asked for by value is given an entry of its own
// (256 and up) that is kept with the project, so an element colour always names one colour.
//
// Thread-safe: drawing reads colours on the user-interface thread while tools add them on the
// work thread.

#include "platform/cad/ColorDef.h"

#include <cstdint>
#include <map>
#include <mutex>
#include <vector>

class DgnColors
{
public:
    static constexpr std::uint32_t INDEXED_COLOR_COUNT = 256;

    DgnColors() = default;
    DgnColors(const DgnColors&) = delete;
    DgnColors& operator=(const DgnColors&) = delete;

    // The colour of one of the 256 indexed entries (index 0 is white, 1 blue, 2 green, 3 red,
    // 4 yellow, 5 violet, 6 orange, 7 grey ...); black for larger indexes.
    static ColorDef GetIndexedColor(std::uint32_t index);

    // The element colour for the value: the indexed entry when one matches exactly, else the
    // project's own entry for it, made now when there is none yet.
    std::uint32_t GetElementColor(const ColorDef& color);
    // 0xRRGGBB.
    std::uint32_t GetElementColor(std::uint32_t rgb)
    {
        return GetElementColor(ColorDef::FromRgb(rgb));
    }
    // The colour of an element colour; false (color untouched) for values that name nothing,
    // COLOR_BYLEVEL included.
    bool GetColor(std::uint32_t elementColor, ColorDef& color) const;

    // The project's own entries, in the order they were made (entry 256 first); for storage.
    std::vector<ColorDef> GetExtendedColors() const;
    void SetExtendedColors(const std::vector<ColorDef>& colors);
    // True once an entry was made since the last ClearDirty, so that saving writes the table.
    bool IsDirty() const;
    void ClearDirty();

private:
    mutable std::mutex m_mutex;
    std::vector<ColorDef> m_extended;
    std::map<std::uint32_t, std::uint32_t> m_byRgba;
    bool m_dirty = false;
};
