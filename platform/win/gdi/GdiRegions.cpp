// Regions (sets of device pixels) and the clip region of a device context.

#include "platform/win/WinGdi.h"
#include "platform/win/WinUserDraw.h"
#include "platform/win/gdi/Shapes.h"

#include <algorithm>
#include <cmath>

namespace zt::win {

int RegionComplexity(const cairo_region_t* region)
{
    if (!region)
        return ERROR;
    const int n = cairo_region_num_rectangles(region);
    return n == 0 ? NULLREGION : n == 1 ? SIMPLEREGION : COMPLEXREGION;
}

namespace {

HRGN AddRegion(RegionPtr region)
{
    if (!region || cairo_region_status(region.get()) != CAIRO_STATUS_SUCCESS)
        return nullptr;
    auto r = std::make_shared<RegionObject>();
    r->region = std::move(region);
    return static_cast<HRGN>(GdiTable::Instance().Add(r));
}

constexpr long long kCoordLimit = 1ll << 29;
constexpr int kMaxRasterSide = 16384;

int ClampCoord(long long v)
{
    return static_cast<int>(std::clamp(v, -kCoordLimit, kCoordLimit));
}

RegionPtr RectRegion(int left, int top, int right, int bottom)
{
    left = ClampCoord(left);
    top = ClampCoord(top);
    right = ClampCoord(right);
    bottom = ClampCoord(bottom);
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    const cairo_rectangle_int_t r{left, top, right - left, bottom - top};
    return RegionPtr(cairo_region_create_rectangle(&r));
}

// The pixels a path covers, sampled at pixel centres, as a region.
RegionPtr RasterRegion(const RECT& bounds, const PathBuilder& build)
{
    const long long lw = 0ll + bounds.right - bounds.left;
    const long long lh = 0ll + bounds.bottom - bounds.top;
    if (lw <= 0 || lh <= 0)
        return RegionPtr(cairo_region_create());
    // A shape too large to rasterise keeps its bounding rectangle: at that size the cut
    // corners are far outside anything drawn.
    if (lw > kMaxRasterSide || lh > kMaxRasterSide)
        return RectRegion(bounds.left, bounds.top, bounds.right, bounds.bottom);
    RegionPtr region(cairo_region_create());
    const int w = int(lw);
    const int h = int(lh);
    SurfacePtr mask(cairo_image_surface_create(CAIRO_FORMAT_A8, w, h));
    {
        CairoPtr cr(cairo_create(mask.get()));
        cairo_translate(cr.get(), -bounds.left, -bounds.top);
        cairo_set_antialias(cr.get(), CAIRO_ANTIALIAS_NONE);
        build(cr.get());
        cairo_fill(cr.get());
    }
    cairo_surface_flush(mask.get());
    const int stride = cairo_image_surface_get_stride(mask.get());
    const auto* data = cairo_image_surface_get_data(mask.get());
    if (!data)
        return region;
    for (int y = 0; y < h; ++y) {
        const auto* row = data + y * stride;
        int x = 0;
        while (x < w) {
            while (x < w && !row[x])
                ++x;
            const int start = x;
            while (x < w && row[x])
                ++x;
            if (x > start) {
                const cairo_rectangle_int_t r{bounds.left + start, bounds.top + y, x - start, 1};
                cairo_region_union_rectangle(region.get(), &r);
            }
        }
    }
    return region;
}

} // namespace

} // namespace zt::win

using namespace zt::win;

HRGN CreateRectRgn(int left, int top, int right, int bottom)
{
    return AddRegion(RectRegion(left, top, right, bottom));
}

HRGN CreateRectRgnIndirect(const RECT* rect)
{
    return rect ? CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom) : nullptr;
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int width, int height)
{
    const RECT box{std::min(left, right), std::min(top, bottom), std::max(left, right),
                   std::max(top, bottom)};
    return AddRegion(RasterRegion(box, [&](cairo_t* cr) {
        AddRoundRectPath(cr, box.left, box.top, box.right, box.bottom, std::abs(0.0 + width) / 2.0,
                         std::abs(0.0 + height) / 2.0);
    }));
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom)
{
    return CreateRoundRectRgn(left, top, right, bottom, right - left, bottom - top);
}

HRGN CreateEllipticRgnIndirect(const RECT* rect)
{
    return rect ? CreateEllipticRgn(rect->left, rect->top, rect->right, rect->bottom) : nullptr;
}

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode)
{
    if (!points || count < 3)
        return nullptr;
    RECT box{points[0].x, points[0].y, points[0].x, points[0].y};
    for (int i = 0; i < count; ++i) {
        box.left = std::min(box.left, points[i].x);
        box.top = std::min(box.top, points[i].y);
        box.right = std::max(box.right, points[i].x);
        box.bottom = std::max(box.bottom, points[i].y);
    }
    return AddRegion(RasterRegion(box, [&](cairo_t* cr) {
        cairo_move_to(cr, points[0].x, points[0].y);
        for (int i = 1; i < count; ++i)
            cairo_line_to(cr, points[i].x, points[i].y);
        cairo_close_path(cr);
        cairo_set_fill_rule(cr, fillMode == WINDING ? CAIRO_FILL_RULE_WINDING
                                                    : CAIRO_FILL_RULE_EVEN_ODD);
    }));
}

int CombineRgn(HRGN destination, HRGN source1, HRGN source2, int mode)
{
    auto dst = FindRegion(destination);
    auto a = FindRegion(source1);
    if (!dst || !a || mode < RGN_AND || mode > RGN_COPY)
        return ERROR;
    RegionPtr result(cairo_region_copy(a->region.get()));
    if (mode != RGN_COPY) {
        auto b = FindRegion(source2);
        if (!b)
            return ERROR;
        switch (mode) {
        case RGN_AND:
            cairo_region_intersect(result.get(), b->region.get());
            break;
        case RGN_OR:
            cairo_region_union(result.get(), b->region.get());
            break;
        case RGN_XOR:
            cairo_region_xor(result.get(), b->region.get());
            break;
        case RGN_DIFF:
            cairo_region_subtract(result.get(), b->region.get());
            break;
        default:
            break;
        }
    }
    dst->region = std::move(result);
    return RegionComplexity(dst->region.get());
}

BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom)
{
    auto r = FindRegion(region);
    if (!r)
        return FALSE;
    r->region = RectRegion(left, top, right, bottom);
    return TRUE;
}

int OffsetRgn(HRGN region, int dx, int dy)
{
    auto r = FindRegion(region);
    if (!r)
        return ERROR;
    cairo_region_translate(r->region.get(), dx, dy);
    return RegionComplexity(r->region.get());
}

int GetRgnBox(HRGN region, LPRECT rect)
{
    auto r = FindRegion(region);
    if (!r || !rect)
        return ERROR;
    cairo_rectangle_int_t e;
    cairo_region_get_extents(r->region.get(), &e);
    *rect = RECT{e.x, e.y, e.x + e.width, e.y + e.height};
    return RegionComplexity(r->region.get());
}

BOOL PtInRegion(HRGN region, int x, int y)
{
    auto r = FindRegion(region);
    return r && cairo_region_contains_point(r->region.get(), x, y);
}

BOOL RectInRegion(HRGN region, const RECT* rect)
{
    auto r = FindRegion(region);
    if (!r || !rect)
        return FALSE;
    const cairo_rectangle_int_t box{rect->left, rect->top, rect->right - rect->left,
                                    rect->bottom - rect->top};
    return cairo_region_contains_rectangle(r->region.get(), &box) != CAIRO_REGION_OVERLAP_OUT;
}

BOOL EqualRgn(HRGN region1, HRGN region2)
{
    auto a = FindRegion(region1);
    auto b = FindRegion(region2);
    return a && b && cairo_region_equal(a->region.get(), b->region.get());
}

namespace {

// The region in the DC's surface pixels (regions given to drawing functions are device units).
std::vector<RECT> SurfaceRects(const DeviceContext& dc, const cairo_region_t* region)
{
    std::vector<RECT> rects;
    const int n = cairo_region_num_rectangles(region);
    for (int i = 0; i < n; ++i) {
        cairo_rectangle_int_t r;
        cairo_region_get_rectangle(region, i, &r);
        rects.push_back(RECT{r.x + dc.origin.x, r.y + dc.origin.y, r.x + r.width + dc.origin.x,
                             r.y + r.height + dc.origin.y});
    }
    return rects;
}

} // namespace

BOOL FillRgn(HDC hdc, HRGN region, HBRUSH brush)
{
    auto dc = FindDC(hdc);
    auto r = FindRegion(region);
    auto b = FindBrush(brush);
    if (!dc || !r || !b)
        return FALSE;
    FillSurfaceRects(*dc, SurfaceRects(*dc, r->region.get()), Ink{0, b.get()}, kRopPatCopy);
    return TRUE;
}

BOOL PaintRgn(HDC hdc, HRGN region)
{
    auto dc = FindDC(hdc);
    auto r = FindRegion(region);
    if (!dc || !r)
        return FALSE;
    if (dc->BrushVisible())
        FillSurfaceRects(*dc, SurfaceRects(*dc, r->region.get()), Ink{0, dc->state.brush.get()},
                         Rop2ToRop3(dc->state.rop2));
    return TRUE;
}

BOOL InvertRgn(HDC hdc, HRGN region)
{
    auto dc = FindDC(hdc);
    auto r = FindRegion(region);
    if (!dc || !r)
        return FALSE;
    FillSurfaceRects(*dc, SurfaceRects(*dc, r->region.get()), Ink{}, Rop3Code(DSTINVERT));
    return TRUE;
}

// The frame is the region less the region eroded by width x height.
BOOL FrameRgn(HDC hdc, HRGN region, HBRUSH brush, int width, int height)
{
    auto dc = FindDC(hdc);
    auto r = FindRegion(region);
    auto b = FindBrush(brush);
    if (!dc || !r || !b || width <= 0 || height <= 0)
        return FALSE;
    RegionPtr inner(cairo_region_copy(r->region.get()));
    for (int dx = -width; dx <= width; dx += width) {
        for (int dy = -height; dy <= height; dy += height) {
            RegionPtr shifted(cairo_region_copy(r->region.get()));
            cairo_region_translate(shifted.get(), dx, dy);
            cairo_region_intersect(inner.get(), shifted.get());
        }
    }
    RegionPtr frame(cairo_region_copy(r->region.get()));
    cairo_region_subtract(frame.get(), inner.get());
    FillSurfaceRects(*dc, SurfaceRects(*dc, frame.get()), Ink{0, b.get()}, kRopPatCopy);
    return TRUE;
}

// Clipping.

namespace {

int ClipComplexity(const DeviceContext& dc)
{
    RegionPtr clip = dc.EffectiveClip();
    return RegionComplexity(clip.get());
}

std::shared_ptr<cairo_region_t> SharedRegion(RegionPtr r)
{
    return std::shared_ptr<cairo_region_t>(r.release(), cairo_region_destroy);
}

// The DC's clip region, made from the whole drawable area when there is none yet.
RegionPtr CurrentClipDevice(const DeviceContext& dc)
{
    if (dc.state.clip)
        return RegionPtr(cairo_region_copy(dc.state.clip.get()));
    return dc.SystemRegionDevice();
}

RECT LogicalToDeviceRect(const DeviceContext& dc, int left, int top, int right, int bottom)
{
    const POINT a = dc.ToDevice(left, top);
    const POINT b = dc.ToDevice(right, bottom);
    return RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

} // namespace

int ExtSelectClipRgn(HDC hdc, HRGN region, int mode)
{
    auto dc = FindDC(hdc);
    if (!dc || mode < RGN_AND || mode > RGN_COPY)
        return ERROR;
    auto r = FindRegion(region);
    if (!r) {
        if (region || mode != RGN_COPY)
            return ERROR;
        dc->state.clip.reset();
    } else if (mode == RGN_COPY) {
        dc->state.clip = SharedRegion(RegionPtr(cairo_region_copy(r->region.get())));
    } else {
        RegionPtr current = CurrentClipDevice(*dc);
        switch (mode) {
        case RGN_AND:
            cairo_region_intersect(current.get(), r->region.get());
            break;
        case RGN_OR:
            cairo_region_union(current.get(), r->region.get());
            break;
        case RGN_XOR:
            cairo_region_xor(current.get(), r->region.get());
            break;
        case RGN_DIFF:
            cairo_region_subtract(current.get(), r->region.get());
            break;
        default:
            break;
        }
        dc->state.clip = SharedRegion(std::move(current));
    }
    dc->InvalidateClip();
    return ClipComplexity(*dc);
}

int SelectClipRgn(HDC hdc, HRGN region)
{
    return ExtSelectClipRgn(hdc, region, RGN_COPY);
}

int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return ERROR;
    const RECT r = LogicalToDeviceRect(*dc, left, top, right, bottom);
    RegionPtr current = CurrentClipDevice(*dc);
    const cairo_rectangle_int_t cut{r.left, r.top, r.right - r.left, r.bottom - r.top};
    cairo_region_subtract_rectangle(current.get(), &cut);
    dc->state.clip = SharedRegion(std::move(current));
    dc->InvalidateClip();
    return ClipComplexity(*dc);
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return ERROR;
    const RECT r = LogicalToDeviceRect(*dc, left, top, right, bottom);
    RegionPtr current = CurrentClipDevice(*dc);
    const cairo_rectangle_int_t keep{r.left, r.top, r.right - r.left, r.bottom - r.top};
    cairo_region_intersect_rectangle(current.get(), &keep);
    dc->state.clip = SharedRegion(std::move(current));
    dc->InvalidateClip();
    return ClipComplexity(*dc);
}

int OffsetClipRgn(HDC hdc, int dx, int dy)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return ERROR;
    if (dc->state.clip) {
        RegionPtr moved(cairo_region_copy(dc->state.clip.get()));
        cairo_region_translate(moved.get(), dx, dy);
        dc->state.clip = SharedRegion(std::move(moved));
        dc->InvalidateClip();
    }
    return ClipComplexity(*dc);
}

int GetClipBox(HDC hdc, LPRECT rect)
{
    auto dc = FindDC(hdc);
    if (!dc || !rect)
        return ERROR;
    RegionPtr clip = dc->EffectiveClip();
    cairo_rectangle_int_t e;
    cairo_region_get_extents(clip.get(), &e);
    const POINT a = dc->DeviceToLogical(e.x - dc->origin.x, e.y - dc->origin.y);
    *rect = RECT{a.x, a.y, a.x + e.width, a.y + e.height};
    return RegionComplexity(clip.get());
}

int GetClipRgn(HDC hdc, HRGN region)
{
    auto dc = FindDC(hdc);
    auto r = FindRegion(region);
    if (!dc || !r)
        return -1;
    if (!dc->state.clip)
        return 0;
    r->region.reset(cairo_region_copy(dc->state.clip.get()));
    return 1;
}

BOOL PtVisible(HDC hdc, int x, int y)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    const POINT p = dc->ToSurface(x, y);
    RegionPtr clip = dc->EffectiveClip();
    return cairo_region_contains_point(clip.get(), p.x, p.y);
}

BOOL RectVisible(HDC hdc, const RECT* rect)
{
    auto dc = FindDC(hdc);
    if (!dc || !rect)
        return FALSE;
    const RECT s = dc->RectToSurface(rect->left, rect->top, rect->right, rect->bottom);
    const cairo_rectangle_int_t box{s.left, s.top, s.right - s.left, s.bottom - s.top};
    RegionPtr clip = dc->EffectiveClip();
    return cairo_region_contains_rectangle(clip.get(), &box) != CAIRO_REGION_OVERLAP_OUT;
}
