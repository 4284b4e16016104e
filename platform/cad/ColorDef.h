#pragma once
// A colour as red, green and blue bytes plus a transparency byte (0 is opaque). Colour values
// of the CAD platform are written 0xRRGGBB; Windows COLORREFs are 0x00BBGGRR, and both have
// their own constructor so that neither is mistaken for the other.

#include <cstdint>

struct ColorDef
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t transparency = 0;

    static constexpr ColorDef From(std::uint8_t r, std::uint8_t g, std::uint8_t b)
    {
        return ColorDef{r, g, b, 0};
    }
    // 0xRRGGBB.
    static constexpr ColorDef FromRgb(std::uint32_t rgb)
    {
        return From(std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb));
    }
    // 0x00BBGGRR, the layout of a Windows COLORREF.
    static constexpr ColorDef FromColorRef(std::uint32_t colorRef)
    {
        return From(std::uint8_t(colorRef), std::uint8_t(colorRef >> 8),
                    std::uint8_t(colorRef >> 16));
    }

    constexpr std::uint32_t GetRgb() const
    {
        return std::uint32_t(red) << 16 | std::uint32_t(green) << 8 | blue;
    }
    constexpr std::uint32_t GetColorRef() const
    {
        return std::uint32_t(blue) << 16 | std::uint32_t(green) << 8 | red;
    }

    friend constexpr bool operator==(const ColorDef&, const ColorDef&) = default;
};
