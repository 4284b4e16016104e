#pragma once
// Shape painting shared by the GDI and USER drawing functions. Coordinates are surface pixels.

#include "platform/win/gdi/RasterOps.h"

#include <vector>

namespace zt::win {

// Fills [left, right) x [top, bottom).
void FillSurfaceRect(DeviceContext& dc, const RECT& rect, const Ink& ink, BYTE rop3);
// Fills a list of rectangles as one shape (overlaps are painted once).
void FillSurfaceRects(DeviceContext& dc, const std::vector<RECT>& rects, const Ink& ink, BYTE rop3);
// Draws the selected pen along the points, closing the figure when asked.
void StrokePoints(DeviceContext& dc, const std::vector<POINT>& points, bool closed);
// Adds a rounded rectangle over the pixel edges of [l, r) x [t, b) with corner radii rx, ry.
void AddRoundRectPath(cairo_t* cr, double l, double t, double r, double b, double rx, double ry);

} // namespace zt::win
