#include "platform/win/gdi/RasterOps.h"

#include "platform/win/WinUserDraw.h"

#include <pixman.h>

namespace zt::win {

namespace {

std::uint32_t Mix(BYTE rop, std::uint32_t p, std::uint32_t s, std::uint32_t d)
{
    switch (rop) {
    case 0x00:
        return 0;
    case 0xFF:
        return 0xFFFFFF;
    case 0x5A:
        return p ^ d;
    case 0x55:
        return ~d;
    case 0x66:
        return s ^ d;
    case 0x88:
        return s & d;
    case 0xEE:
        return s | d;
    case 0x33:
        return ~s;
    case 0xF0:
        return p;
    case 0xCC:
        return s;
    case 0xA5:
        return ~(p ^ d);
    default:
        break;
    }
    std::uint32_t out = 0;
    for (int i = 0; i < 8; ++i) {
        if (!((rop >> i) & 1))
            continue;
        const std::uint32_t tp = ((0xF0 >> i) & 1) ? p : ~p;
        const std::uint32_t ts = ((0xCC >> i) & 1) ? s : ~s;
        const std::uint32_t td = ((0xAA >> i) & 1) ? d : ~d;
        out |= tp & ts & td;
    }
    return out;
}

} // namespace

BYTE Rop2ToRop3(int rop2)
{
    if (rop2 < R2_BLACK || rop2 > R2_WHITE)
        rop2 = R2_COPYPEN;
    const int table = rop2 - 1; // bit (pen << 1 | dest) of the ROP2 truth table
    BYTE out = 0;
    for (int i = 0; i < 8; ++i) {
        const int p = (0xF0 >> i) & 1;
        const int d = (0xAA >> i) & 1;
        if ((table >> ((p << 1) | d)) & 1)
            out |= BYTE(1 << i);
    }
    return out;
}

bool RopUsesSource(BYTE rop3)
{
    return ((rop3 >> 2) & 0x33) != (rop3 & 0x33);
}

bool RopUsesPattern(BYTE rop3)
{
    return ((rop3 >> 4) & 0x0F) != (rop3 & 0x0F);
}

void FillPath(DeviceContext& dc, const RECT& bounds, const PathBuilder& build, const Ink& ink,
              BYTE rop3, cairo_fill_rule_t rule, double strokeWidth)
{
    auto finish = [strokeWidth, rule](cairo_t* cr) {
        if (strokeWidth > 0) {
            cairo_set_line_width(cr, strokeWidth);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke(cr);
        } else {
            cairo_set_fill_rule(cr, rule);
            cairo_fill(cr);
        }
    };
    if (rop3 == kRopDst)
        return;
    if (rop3 == kRopPatCopy || rop3 == 0x00 || rop3 == 0xFF) {
        cairo_t* cr = dc.Context();
        if (!cr)
            return;
        if (rop3 == 0x00)
            SetSourceColor(cr, RGB(0, 0, 0));
        else if (rop3 == 0xFF)
            SetSourceColor(cr, RGB(255, 255, 255));
        else if (ink.brush)
            dc.SetBrushSource(cr, *ink.brush);
        else
            SetSourceColor(cr, ink.color);
        // Brush colours are opaque, so the target ends up opaque; only the gaps of a hatch
        // brush in transparent mode let the destination show through.
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        build(cr);
        finish(cr);
        return;
    }
    // The mask is filled after the builder runs; finishing here leaves it an empty path.
    PathBuilder withRule = [&](cairo_t* cr) {
        build(cr);
        finish(cr);
    };
    ApplyRop(dc, bounds, &withRule, &ink, nullptr, rop3);
}

bool SolidCopyPixel(const DeviceContext& dc, const Ink& ink, BYTE rop3, std::uint32_t* pixel)
{
    if (rop3 == 0x00) {
        *pixel = PixelOf(RGB(0, 0, 0));
        return true;
    }
    if (rop3 == 0xFF) {
        *pixel = PixelOf(RGB(255, 255, 255));
        return true;
    }
    if (rop3 != kRopPatCopy)
        return false;
    if (!ink.brush) {
        *pixel = PixelOf(ink.color);
        return true;
    }
    if (ink.brush->style != BS_SOLID)
        return false;
    *pixel = PixelOf(dc.BrushColor(*ink.brush));
    return true;
}

void FillSolidRects(DeviceContext& dc, const RECT* rects, std::size_t count, std::uint32_t pixel)
{
    if (!dc.surface || count == 0)
        return;
    int stride = 0;
    std::uint32_t* data = SurfacePixels(dc.surface.get(), &stride);
    if (!data)
        return;
    RECT dirty{0, 0, 0, 0};
    for (std::size_t i = 0; i < count; ++i)
        ForEachClipPiece(dc, rects[i], [&](const RECT& r) {
            if (!pixman_fill(data, stride, 32, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, pixel))
                for (LONG y = r.top; y < r.bottom; ++y)
                    for (LONG x = r.left; x < r.right; ++x)
                        data[y * stride + x] = pixel;
            UnionRect(&dirty, &dirty, &r);
        });
    if (!IsRectEmpty(&dirty))
        cairo_surface_mark_dirty_rectangle(dc.surface.get(), dirty.left, dirty.top,
                                           dirty.right - dirty.left, dirty.bottom - dirty.top);
}

void ApplyRop(DeviceContext& dc, const RECT& area, const PathBuilder* path, const Ink* ink,
              cairo_surface_t* source, BYTE rop3)
{
    if (!dc.surface)
        return;
    RECT work;
    const RECT clip = dc.ClipBounds();
    if (!IntersectRect(&work, &area, &clip))
        return;
    const int w = work.right - work.left;
    const int h = work.bottom - work.top;

    // Coverage: the clip, and the path when there is one, without smoothing.
    SurfacePtr mask(cairo_image_surface_create(CAIRO_FORMAT_A8, w, h));
    {
        CairoPtr mcr(cairo_create(mask.get()));
        cairo_translate(mcr.get(), -work.left, -work.top);
        RegionPtr region = dc.EffectiveClip();
        const int n = cairo_region_num_rectangles(region.get());
        for (int i = 0; i < n; ++i) {
            cairo_rectangle_int_t r;
            cairo_region_get_rectangle(region.get(), i, &r);
            cairo_rectangle(mcr.get(), r.x, r.y, r.width, r.height);
        }
        cairo_clip(mcr.get());
        cairo_set_antialias(mcr.get(), CAIRO_ANTIALIAS_NONE);
        cairo_set_source_rgba(mcr.get(), 1, 1, 1, 1);
        if (path) {
            (*path)(mcr.get());
            cairo_fill(mcr.get());
        } else {
            cairo_paint(mcr.get());
        }
    }

    // The pattern, laid out over the work area with the brush origin.
    SurfacePtr pattern;
    std::uint32_t solid = 0;
    if (ink && RopUsesPattern(rop3)) {
        if (ink->brush && ink->brush->style != BS_SOLID) {
            pattern.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
            CairoPtr pcr(cairo_create(pattern.get()));
            cairo_translate(pcr.get(), -work.left, -work.top);
            dc.SetBrushSource(pcr.get(), *ink->brush);
            cairo_set_operator(pcr.get(), CAIRO_OPERATOR_SOURCE);
            cairo_paint(pcr.get());
        } else {
            solid = PixelOf(ink->brush ? dc.BrushColor(*ink->brush) : ink->color);
        }
    }

    int ms = 0;
    const auto* m = reinterpret_cast<const std::uint8_t*>(SurfacePixels(mask.get(), &ms));
    ms *= 4;
    int ps = 0;
    const std::uint32_t* pp = pattern ? SurfacePixels(pattern.get(), &ps) : nullptr;
    int ss = 0;
    const std::uint32_t* sp = source ? SurfacePixels(source, &ss) : nullptr;
    const int sx0 = work.left - area.left;
    const int sy0 = work.top - area.top;
    int ds = 0;
    std::uint32_t* dp = SurfacePixels(dc.surface.get(), &ds);
    if (!m || !dp)
        return;
    for (int y = 0; y < h; ++y) {
        std::uint32_t* drow = dp + (work.top + y) * ds + work.left;
        const std::uint8_t* mrow = m + y * ms;
        for (int x = 0; x < w; ++x) {
            if (!mrow[x])
                continue;
            const std::uint32_t p = pp ? pp[y * ps + x] : solid;
            const std::uint32_t s = sp ? sp[(sy0 + y) * ss + sx0 + x] : 0;
            drow[x] = 0xFF000000u | (Mix(rop3, p, s, drow[x]) & 0xFFFFFF);
        }
    }
    cairo_surface_mark_dirty_rectangle(dc.surface.get(), work.left, work.top, w, h);
}

} // namespace zt::win
