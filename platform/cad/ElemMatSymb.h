#pragma once
// The symbology that drawing in a view uses: line and fill colours, line weight and style.
// Colours are TBGR values: the low three bytes a COLORREF (red in the lowest byte) and the top
// byte the transparency, 0 opaque to 255 invisible.

#include "platform/base/WinTypes.h"

#include <algorithm>
#include <cstdint>

// The platform's line styles; any other number draws solid.
enum class LineStyleCode : std::uint32_t
{
    Solid = 0,
    Dotted = 1,
    MediumDash = 2,
    LongDash = 3,
    DashDot = 4,
    ShortDash = 5,
    DashDotDot = 6,
    LongDashShortDash = 7,
};

class ElemMatSymb
{
public:
    // The heaviest weight the platform draws; heavier ones draw as this.
    static constexpr std::uint32_t kMaxWeight = 31;

    static std::uint32_t TBGR(COLORREF rgb, std::uint8_t transparency = 0)
    {
        return (rgb & 0x00FFFFFFu) | (std::uint32_t(transparency) << 24);
    }
    static COLORREF ColorOf(std::uint32_t tbgr) { return tbgr & 0x00FFFFFFu; }
    static std::uint8_t TransparencyOf(std::uint32_t tbgr) { return std::uint8_t(tbgr >> 24); }

    void SetLineColorTBGR(std::uint32_t tbgr) { m_lineColor = tbgr; }
    void SetFillColorTBGR(std::uint32_t tbgr) { m_fillColor = tbgr; }
    std::uint32_t GetLineColorTBGR() const { return m_lineColor; }
    std::uint32_t GetFillColorTBGR() const { return m_fillColor; }
    // Weight 0 is one pixel wide; each step adds a pixel.
    void SetWidth(std::uint32_t weight) { m_weight = std::min(weight, kMaxWeight); }
    std::uint32_t GetWidth() const { return m_weight; }
    void SetLineStyle(std::uint32_t style) { m_style = style; }
    std::uint32_t GetLineStyle() const { return m_style; }
    // Shapes drawn with this symbology are filled even when the call does not ask for it.
    void SetIsFilled(bool filled) { m_filled = filled; }
    bool IsFilled() const { return m_filled; }

    bool operator==(const ElemMatSymb&) const = default;

private:
    std::uint32_t m_lineColor = TBGR(RGB(255, 255, 255));
    std::uint32_t m_fillColor = TBGR(RGB(255, 255, 255));
    std::uint32_t m_weight = 0;
    std::uint32_t m_style = 0;
    bool m_filled = false;
};

using ElemMatSymbCP = const ElemMatSymb*;
