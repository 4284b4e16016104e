#include "platform/cad/ViewRaster.h"

#include "platform/win/GdiTypes.h"
#include "platform/win/gdi/PenRaster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Segments longer than the pen raster's own long-segment threshold take its path: it walks
// them differently, and the two must agree pixel for pixel.
constexpr long long kThinWalkLimit = 4096;

bool IsSolidStyle(int penStyle)
{
    switch (penStyle & PS_STYLE_MASK) {
    case PS_DASH:
    case PS_DOT:
    case PS_DASHDOT:
    case PS_DASHDOTDOT:
        return false;
    default:
        return true;
    }
}

std::uint32_t PixelOf(COLORREF c)
{
    return 0xFF000000u | (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) |
           GetBValue(c);
}

} // namespace

ViewRaster::ViewRaster(std::uint32_t* pixels, int width, int height, int stride)
    : m_pixels(pixels), m_width(std::max(0, width)), m_height(std::max(0, height)),
      m_stride(stride), m_clip{0, 0, m_width, m_height}
{}

void ViewRaster::SetClip(const RECT& clip)
{
    m_clip =
        RECT{std::clamp<LONG>(clip.left, 0, m_width), std::clamp<LONG>(clip.top, 0, m_height),
             std::clamp<LONG>(clip.right, 0, m_width), std::clamp<LONG>(clip.bottom, 0, m_height)};
}

// Kept inline: most runs of a line are a single pixel, and a call per pixel would cost more
// than the pixel.
inline void ViewRaster::FillRun(int y, int x0, int x1, std::uint32_t pixel)
{
    if (y < m_clip.top || y >= m_clip.bottom || !m_pixels)
        return;
    x0 = std::max<int>(x0, m_clip.left);
    x1 = std::min<int>(x1, m_clip.right);
    std::uint32_t* row = m_pixels + std::size_t(y) * m_stride;
    if (x1 - x0 > 8) {
        std::fill(row + x0, row + x1, pixel);
        return;
    }
    for (int x = x0; x < x1; ++x)
        row[x] = pixel;
}

void ViewRaster::FillRect(const RECT& rect, COLORREF color)
{
    const std::uint32_t pixel = PixelOf(color);
    for (int y = std::max<int>(rect.top, m_clip.top); y < std::min<int>(rect.bottom, m_clip.bottom);
         ++y)
        FillRun(y, rect.left, rect.right, pixel);
}

void ViewRaster::Polyline(const POINT* points, int count, bool closed, COLORREF color, int width,
                          int penStyle)
{
    if (!points || count < 2 || m_clip.left >= m_clip.right || m_clip.top >= m_clip.bottom)
        return;
    width = std::max(1, width);
    const std::uint32_t pixel = PixelOf(color);
    if (width == 1 && IsSolidStyle(penStyle) && m_pixels &&
        ThinSolidPolyline(points, count, closed, pixel))
        return;
    // Heavy pens reach up to half their width past the centre line; so must the walk.
    const int grow = width / 2 + 1;
    const RECT limit{m_clip.left - grow, m_clip.top - grow, m_clip.right + grow,
                     m_clip.bottom + grow};
    zt::win::PenRaster& raster = m_pen;
    raster.Reset(width == 1 ? penStyle : 0);
    for (int i = 0; i + 1 < count; ++i)
        raster.AddSegment(points[i], points[i + 1], limit);
    if (closed && (points[0].x != points[count - 1].x || points[0].y != points[count - 1].y))
        raster.AddSegment(points[count - 1], points[0], limit);
    const int before = (width - 1) / 2, after = width - before;
    for (const RECT& run : raster.On())
        for (int y = run.top - (width > 1 ? before : 0);
             y < run.bottom + (width > 1 ? after - 1 : 0); ++y)
            FillRun(y, run.left - (width > 1 ? before : 0), run.right + (width > 1 ? after - 1 : 0),
                    pixel);
}

bool ViewRaster::ThinSolidPolyline(const POINT* points, int count, bool closed,
                                   std::uint32_t pixel)
{
    auto tooLong = [](POINT a, POINT b) {
        return std::max(std::llabs(static_cast<long long>(b.x) - a.x),
                        std::llabs(static_cast<long long>(b.y) - a.y)) > kThinWalkLimit;
    };
    const bool closing =
        closed && (points[0].x != points[count - 1].x || points[0].y != points[count - 1].y);
    for (int i = 0; i + 1 < count; ++i)
        if (tooLong(points[i], points[i + 1]))
            return false;
    if (closing && tooLong(points[count - 1], points[0]))
        return false;
    for (int i = 0; i + 1 < count; ++i)
        ThinSolidSegment(points[i], points[i + 1], pixel);
    if (closing)
        ThinSolidSegment(points[count - 1], points[0], pixel);
    return true;
}

// The pen raster's own walk, each pixel written where it falls inside the clip.
void ViewRaster::ThinSolidSegment(POINT from, POINT to, std::uint32_t pixel)
{
    const int left = m_clip.left, top = m_clip.top;
    const unsigned width = unsigned(m_clip.right - left), height = unsigned(m_clip.bottom - top);
    // A segment whose box misses the clip leaves no pixel.
    if (std::max(from.x, to.x) < left || std::min(from.x, to.x) >= m_clip.right ||
        std::max(from.y, to.y) < top || std::min(from.y, to.y) >= m_clip.bottom)
        return;
    zt::win::WalkThinSegment(from, to, [&](int x, int y) {
        if (unsigned(x - left) < width && unsigned(y - top) < height)
            m_pixels[std::size_t(y) * m_stride + x] = pixel;
    });
}

void ViewRaster::Polygon(const POINT* points, int count, COLORREF color)
{
    if (!points || count < 3)
        return;
    int top = points[0].y, bottom = points[0].y;
    for (int i = 1; i < count; ++i) {
        top = std::min<int>(top, points[i].y);
        bottom = std::max<int>(bottom, points[i].y);
    }
    top = std::max<int>(top, m_clip.top);
    bottom = std::min<int>(bottom, m_clip.bottom);
    const std::uint32_t pixel = PixelOf(color);
    for (int y = top; y < bottom; ++y) {
        // Pixel centres: a row is sampled half a pixel down, a span covers the centres inside.
        const double sy = y + 0.5;
        m_crossings.clear();
        for (int i = 0; i < count; ++i) {
            const POINT& a = points[i];
            const POINT& b = points[(i + 1) % count];
            if ((a.y <= sy) == (b.y <= sy))
                continue;
            m_crossings.push_back(a.x + (sy - a.y) * double(b.x - a.x) / double(b.y - a.y));
        }
        std::sort(m_crossings.begin(), m_crossings.end());
        for (std::size_t k = 0; k + 1 < m_crossings.size(); k += 2)
            FillRun(y, int(std::ceil(m_crossings[k] - 0.5)),
                    int(std::ceil(m_crossings[k + 1] - 0.5)), pixel);
    }
}
