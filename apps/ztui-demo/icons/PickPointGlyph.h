#pragma once
// The reference host's "pick point" glyph: a crosshair with a red centre, drawn in code.

#include "platform/win/resources/ResourceModule.h"

#include <cstdint>

namespace ztdemo {

// The colour of the centre dot, 0xRRGGBB; at 16 pixels the pixel (7, 7) is its centre.
inline constexpr std::uint32_t kPickPointCentre = 0xE03C31;
// The crosshair's colour.
inline constexpr std::uint32_t kPickPointInk = 0x1F3A5F;

zt::win::IconImage RenderPickPoint(int size);

} // namespace ztdemo
