#pragma once
// How an element's piece of geometry looks: its element colour (an entry of the project's
// colour table, DgnColors), line weight and line style. Each may instead follow the level the
// element is on, which is what new geometry does unless told otherwise.

#include <cstdint>

constexpr std::uint32_t COLOR_BYLEVEL = 0xFFFFFFFFu;
constexpr std::uint32_t WEIGHT_BYLEVEL = 0xFFFFFFFFu;
constexpr std::int32_t STYLE_BYLEVEL = 0x7FFFFFFF;

// Weights run from 0 (one pixel) to this; styles are the platform's numbered line codes
// 0 (solid) to 7.
constexpr std::uint32_t MAX_LINE_WEIGHT = 31;
constexpr std::int32_t MAX_LINE_CODE = 7;

struct ElementSymbology
{
    std::uint32_t color = COLOR_BYLEVEL;
    std::uint32_t weight = WEIGHT_BYLEVEL;
    std::int32_t style = STYLE_BYLEVEL;

    // The platform's default: everything by level.
    static ElementSymbology Default() { return ElementSymbology{}; }
    static ElementSymbology From(std::uint32_t color, std::uint32_t weight, std::int32_t style)
    {
        return ElementSymbology{color, weight, style};
    }

    friend bool operator==(const ElementSymbology&, const ElementSymbology&) = default;
};
