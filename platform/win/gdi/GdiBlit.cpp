// Blits between device contexts, and single pixels.

#include "platform/win/WinGdi.h"
#include "platform/win/WinUserDraw.h"
#include "platform/win/gdi/Shapes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace zt::win;

namespace {

bool IsMonochrome(const DeviceContext& dc)
{
    return dc.memory && dc.bitmap && dc.bitmap->bitsPixel == 1;
}

void MarkDibDirty(DeviceContext& dc)
{
    // The caller may have written a DIB section's pixels behind cairo's back.
    if (dc.memory && dc.bitmap && dc.bitmap->dibSection)
        cairo_surface_mark_dirty(dc.bitmap->surface.get());
}

// The source rectangle (logical, width and height may be negative to mirror) scaled to w x h
// pixels, as a new ARGB32 image.
SurfacePtr SourceImage(DeviceContext& src, int xs, int ys, int ws, int hs, int w, int h,
                       bool smooth)
{
    MarkDibDirty(src);
    SurfacePtr image = NewSurface(w, h, 0xFF000000u);
    if (!src.surface || ws == 0 || hs == 0)
        return image;
    const POINT origin = src.ToSurface(xs, ys);
    CairoPtr cr(cairo_create(image.get()));
    cairo_scale(cr.get(), double(w) / ws, double(h) / hs);
    cairo_translate(cr.get(), -origin.x, -origin.y);
    cairo_set_source_surface(cr.get(), src.surface.get(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr.get()),
                             smooth ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
    cairo_rectangle(cr.get(), origin.x, origin.y, ws, hs);
    cairo_fill(cr.get());
    cairo_surface_flush(image.get());
    return image;
}

// Converts between monochrome and colour as GDI does: monochrome 0 takes the destination's text
// colour and 1 its background colour; colour pixels equal to the source's background colour
// become 1 (white) in a monochrome destination, all others 0 (black).
void ConvertForTarget(SurfacePtr& image, const DeviceContext& src, const DeviceContext& dst)
{
    const bool srcMono = IsMonochrome(src);
    const bool dstMono = IsMonochrome(dst);
    if (srcMono == dstMono)
        return;
    int stride = 0;
    std::uint32_t* p = SurfacePixels(image.get(), &stride);
    if (!p)
        return;
    const int w = cairo_image_surface_get_width(image.get());
    const int h = cairo_image_surface_get_height(image.get());
    const std::uint32_t fore = PixelOf(dst.state.textColor);
    const std::uint32_t back = PixelOf(dst.state.bkColor);
    const std::uint32_t key = PixelOf(src.state.bkColor) & 0xFFFFFF;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            std::uint32_t& px = p[y * stride + x];
            if (srcMono)
                px = (px & 0xFFFFFF) ? back : fore;
            else
                px = (PixelOf(ColorOfPixel(px)) & 0xFFFFFF) == key ? 0xFFFFFFFFu : 0xFF000000u;
        }
    }
    cairo_surface_mark_dirty(image.get());
}

void PaintAt(DeviceContext& dst, cairo_surface_t* image, int x, int y, cairo_operator_t op,
             double alpha = 1.0)
{
    cairo_t* cr = dst.Context();
    if (!cr)
        return;
    cairo_save(cr);
    cairo_set_source_surface(cr, image, x, y);
    cairo_set_operator(cr, op);
    cairo_rectangle(cr, x, y, cairo_image_surface_get_width(image),
                    cairo_image_surface_get_height(image));
    cairo_clip(cr);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
}

// Cuts a blit (destination size positive) to the destination's clip; the source rectangle
// shrinks in proportion. False when nothing of it can show.
bool ClipBlit(const DeviceContext& dst, int& x, int& y, int& w, int& h, int& xs, int& ys, int& ws,
              int& hs)
{
    const POINT at = dst.ToSurface(x, y);
    const RECT clip = dst.ClipBounds();
    const long long left = std::max<long long>(at.x, clip.left);
    const long long top = std::max<long long>(at.y, clip.top);
    const long long right = std::min<long long>(0ll + at.x + w, clip.right);
    const long long bottom = std::min<long long>(0ll + at.y + h, clip.bottom);
    if (right <= left || bottom <= top)
        return false;
    const long long cutLeft = left - at.x;
    const long long cutTop = top - at.y;
    const long long newW = right - left;
    const long long newH = bottom - top;
    auto scaled = [](long long amount, int source, int dest) {
        return static_cast<int>(std::llround(double(amount) * source / dest));
    };
    auto shift = [](int value, long long by) {
        return static_cast<int>(std::clamp<long long>(value + by, INT32_MIN, INT32_MAX));
    };
    xs = shift(xs, scaled(cutLeft, ws, w));
    ys = shift(ys, scaled(cutTop, hs, h));
    ws = ws == w ? int(newW) : scaled(newW, ws, w);
    hs = hs == h ? int(newH) : scaled(newH, hs, h);
    x += int(cutLeft);
    y += int(cutTop);
    w = int(newW);
    h = int(newH);
    return ws != 0 && hs != 0;
}

BOOL Blit(HDC hdc, int x, int y, int w, int h, HDC hsrc, int xs, int ys, int ws, int hs, DWORD rop)
{
    auto dst = FindDC(hdc);
    if (!dst)
        return FALSE;
    const BYTE rop3 = Rop3Code(rop);
    if (!RopUsesSource(rop3))
        return PatBlt(hdc, x, y, w, h, rop);
    auto src = FindDC(hsrc);
    if (!src || w == 0 || h == 0)
        return FALSE;
    // A negative destination size mirrors, as does a negative source size; fold both into the
    // source so the destination is always a plain rectangle.
    x = DeviceContext::Clamp(x);
    y = DeviceContext::Clamp(y);
    xs = DeviceContext::Clamp(xs);
    ys = DeviceContext::Clamp(ys);
    w = DeviceContext::Clamp(w);
    h = DeviceContext::Clamp(h);
    ws = DeviceContext::Clamp(ws);
    hs = DeviceContext::Clamp(hs);
    if (w < 0) {
        x += w;
        w = -w;
        xs += ws;
        ws = -ws;
    }
    if (h < 0) {
        y += h;
        h = -h;
        ys += hs;
        hs = -hs;
    }
    const bool sameSize = ws == w && hs == h;
    if (!ClipBlit(*dst, x, y, w, h, xs, ys, ws, hs))
        return TRUE;
    MarkDibDirty(*dst);
    const POINT at = dst->ToSurface(x, y);
    const bool convert = IsMonochrome(*src) != IsMonochrome(*dst);
    if (rop3 == kRopSrcCopy && sameSize && !convert && src->surface.get() != dst->surface.get()) {
        cairo_t* cr = dst->Context();
        if (!cr)
            return FALSE;
        MarkDibDirty(*src);
        const POINT from = src->ToSurface(xs, ys);
        cairo_set_source_surface(cr, src->surface.get(), at.x - from.x, at.y - from.y);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_rectangle(cr, at.x, at.y, w, h);
        cairo_fill(cr);
        return TRUE;
    }
    SurfacePtr image =
        SourceImage(*src, xs, ys, ws, hs, w, h, !sameSize && dst->state.stretchMode == HALFTONE);
    ConvertForTarget(image, *src, *dst);
    if (rop3 == kRopSrcCopy) {
        PaintAt(*dst, image.get(), at.x, at.y, CAIRO_OPERATOR_SOURCE);
        return TRUE;
    }
    const Ink ink{0, dst->state.brush.get()};
    ApplyRop(*dst, RECT{at.x, at.y, at.x + w, at.y + h}, nullptr, &ink, image.get(), rop3);
    return TRUE;
}

} // namespace

BOOL BitBlt(HDC hdc, int x, int y, int width, int height, HDC source, int xSource, int ySource,
            DWORD rop)
{
    return Blit(hdc, x, y, width, height, source, xSource, ySource, width, height, rop);
}

BOOL StretchBlt(HDC hdc, int x, int y, int width, int height, HDC source, int xSource, int ySource,
                int widthSource, int heightSource, DWORD rop)
{
    return Blit(hdc, x, y, width, height, source, xSource, ySource, widthSource, heightSource, rop);
}

BOOL TransparentBlt(HDC hdc, int x, int y, int width, int height, HDC source, int xSource,
                    int ySource, int widthSource, int heightSource, UINT transparent)
{
    auto dst = FindDC(hdc);
    auto src = FindDC(source);
    if (!dst || !src || width <= 0 || height <= 0 || widthSource <= 0 || heightSource <= 0)
        return FALSE;
    width = DeviceContext::Clamp(width);
    height = DeviceContext::Clamp(height);
    if (!ClipBlit(*dst, x, y, width, height, xSource, ySource, widthSource, heightSource))
        return TRUE;
    SurfacePtr image =
        SourceImage(*src, xSource, ySource, widthSource, heightSource, width, height, false);
    int stride = 0;
    std::uint32_t* p = SurfacePixels(image.get(), &stride);
    if (!p)
        return FALSE;
    const std::uint32_t key = PixelOf(transparent & 0xFFFFFF) & 0xFFFFFF;
    for (int yy = 0; yy < height; ++yy)
        for (int xx = 0; xx < width; ++xx) {
            std::uint32_t& px = p[yy * stride + xx];
            px = (px & 0xFFFFFF) == key ? 0u : (px | 0xFF000000u);
        }
    cairo_surface_mark_dirty(image.get());
    const POINT at = dst->ToSurface(x, y);
    PaintAt(*dst, image.get(), at.x, at.y, CAIRO_OPERATOR_OVER);
    return TRUE;
}

BOOL AlphaBlend(HDC hdc, int x, int y, int width, int height, HDC source, int xSource, int ySource,
                int widthSource, int heightSource, BLENDFUNCTION blend)
{
    auto dst = FindDC(hdc);
    auto src = FindDC(source);
    if (!dst || !src || blend.BlendOp != AC_SRC_OVER || width < 0 || height < 0 ||
        widthSource < 0 || heightSource < 0)
        return FALSE;
    if (width == 0 || height == 0)
        return TRUE;
    // GDI refuses a source rectangle that leaves the source surface.
    if (src->surface) {
        const POINT from = src->ToSurface(xSource, ySource);
        if (from.x < 0 || from.y < 0 ||
            0ll + from.x + widthSource > cairo_image_surface_get_width(src->surface.get()) ||
            0ll + from.y + heightSource > cairo_image_surface_get_height(src->surface.get()))
            return FALSE;
    }
    SurfacePtr image = SourceImage(*src, xSource, ySource, widthSource, heightSource, width, height,
                                   widthSource != width || heightSource != height);
    if (!(blend.AlphaFormat & AC_SRC_ALPHA)) {
        int stride = 0;
        std::uint32_t* p = SurfacePixels(image.get(), &stride);
        for (int yy = 0; yy < height; ++yy)
            for (int xx = 0; xx < width; ++xx)
                p[yy * stride + xx] |= 0xFF000000u;
        cairo_surface_mark_dirty(image.get());
    }
    const POINT at = dst->ToSurface(x, y);
    PaintAt(*dst, image.get(), at.x, at.y, CAIRO_OPERATOR_OVER, blend.SourceConstantAlpha / 255.0);
    return TRUE;
}

namespace {

std::uint32_t* PixelAt(DeviceContext& dc, int x, int y)
{
    if (!dc.surface)
        return nullptr;
    const POINT p = dc.ToSurface(x, y);
    RegionPtr clip = dc.EffectiveClip();
    if (!cairo_region_contains_point(clip.get(), p.x, p.y))
        return nullptr;
    int stride = 0;
    std::uint32_t* pixels = SurfacePixels(dc.surface.get(), &stride);
    return pixels ? pixels + p.y * stride + p.x : nullptr;
}

} // namespace

COLORREF GetPixel(HDC hdc, int x, int y)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return CLR_INVALID;
    MarkDibDirty(*dc);
    const std::uint32_t* p = PixelAt(*dc, x, y);
    if (!p)
        return CLR_INVALID;
    std::uint32_t v = *p;
    if (cairo_image_surface_get_format(dc->surface.get()) == CAIRO_FORMAT_RGB24)
        v |= 0xFF000000u;
    return ColorOfPixel(v);
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return CLR_INVALID;
    std::uint32_t* p = PixelAt(*dc, x, y);
    if (!p)
        return CLR_INVALID;
    if (IsMonochrome(*dc))
        color = (GetRValue(color) + GetGValue(color) + GetBValue(color)) >= 3 * 128
                    ? RGB(255, 255, 255)
                    : RGB(0, 0, 0);
    *p = PixelOf(color & 0xFFFFFF);
    const POINT s = dc->ToSurface(x, y);
    cairo_surface_mark_dirty_rectangle(dc->surface.get(), s.x, s.y, 1, 1);
    return color & 0xFFFFFF;
}

BOOL SetPixelV(HDC hdc, int x, int y, COLORREF color)
{
    return SetPixel(hdc, x, y, color) != CLR_INVALID;
}
