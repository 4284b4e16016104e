#pragma once
// Paints display lists through the window system's GDI, as every other window paints: lines
// with pens of the item's colour, weight and style, fills with solid brushes, dots as small
// squares and texts in the font of their face. Lines are unsmoothed and pixel-exact, so what a
// view shows can be checked pixel by pixel.

#include "platform/base/Handles.h"
#include "platform/base/WinTypes.h"
#include "platform/cad/ViewDisplayList.h"

class ViewPainter
{
public:
    // Paints the list with view point (0, 0) at the device point origin. Nothing outside the
    // device context's clip region changes.
    static void Paint(HDC dc, const ViewDisplayList& list, POINT origin);
};
