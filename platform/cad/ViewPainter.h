#pragma once
// Paints display lists into a view's back buffer: lines in the item's colour, weight and style,
// fills, and dots as small squares straight into its pixels (ViewRaster), texts through GDI in
// the font of their face on the buffer's device context. Lines are unsmoothed and pixel-exact,
// so what a view shows can be checked pixel by pixel once the buffer is on the screen.

#include "platform/base/Handles.h"
#include "platform/base/WinTypes.h"
#include "platform/cad/ViewDisplayList.h"

class ViewRaster;

class ViewPainter
{
public:
    // Paints the list with view point (0, 0) at the buffer point origin. textDc is the device
    // context of the same buffer; nothing outside the raster's clip, or the context's, changes.
    static void Paint(ViewRaster& raster, HDC textDc, const ViewDisplayList& list, POINT origin);
};
