#pragma once
// The pixels of a view's back buffer (a GDI DIB section), written directly: a view draws tens
// of thousands of lines on every redraw, far more than one GDI call each can afford. Thin pens
// are walked exactly as GDI walks them (the window system's PenRaster: Bresenham through pixel
// centres, the last pixel of each segment left out, dashes running on across segments), so a
// view's lines look as a GDI window's lines do; heavier pens widen every pixel to a square of
// the pen's width, and polygons fill the pixels whose centres lie inside (even-odd rule).
// Everything stays inside the clip rectangle.

#include "platform/base/WinTypes.h"
#include "platform/win/gdi/PenRaster.h"

#include <cstdint>
#include <vector>

class ViewRaster
{
public:
    // pixels: rows top-down, `stride` pixels apart, 0xAARRGGBB (written opaque).
    ViewRaster(std::uint32_t* pixels, int width, int height, int stride);

    void SetClip(const RECT& clip);
    void FillRect(const RECT& rect, COLORREF color);
    void Polyline(const POINT* points, int count, bool closed, COLORREF color, int width,
                  int penStyle);
    void Polygon(const POINT* points, int count, COLORREF color);

private:
    void FillRun(int y, int x0, int x1, std::uint32_t pixel);
    // The common case, a solid one-pixel pen, written straight into the pixels along the same
    // walk as the pen raster's; false when a segment is too long for it (nothing is drawn).
    bool ThinSolidPolyline(const POINT* points, int count, bool closed, std::uint32_t pixel);
    void ThinSolidSegment(POINT from, POINT to, std::uint32_t pixel);

    std::uint32_t* m_pixels;
    int m_width;
    int m_height;
    int m_stride;
    RECT m_clip;
    std::vector<double> m_crossings;
    zt::win::PenRaster m_pen{0};
};
