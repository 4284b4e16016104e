#include "platform/win/gdi/DeviceContext.h"

#include "platform/win/WinUserDraw.h"

#include <algorithm>

namespace zt::win {

DeviceContext::~DeviceContext()
{
    m_cr.reset();
    if (bitmap && bitmap->selectedInto == this)
        bitmap->selectedInto = nullptr;
}

std::shared_ptr<DeviceContext> FindDC(const void* handle)
{
    return GdiTable::Instance().Get<DeviceContext>(handle, GdiKind::DC);
}

COLORREF ColorOfPixel(std::uint32_t pixel)
{
    const std::uint32_t a = pixel >> 24;
    std::uint32_t r = (pixel >> 16) & 0xFF;
    std::uint32_t g = (pixel >> 8) & 0xFF;
    std::uint32_t b = pixel & 0xFF;
    if (a != 0 && a != 0xFF) {
        r = std::min<std::uint32_t>(255, (r * 255 + a / 2) / a);
        g = std::min<std::uint32_t>(255, (g * 255 + a / 2) / a);
        b = std::min<std::uint32_t>(255, (b * 255 + a / 2) / a);
    }
    return RGB(r, g, b);
}

RECT DeviceContext::RectToSurface(int left, int top, int right, int bottom) const
{
    const POINT a = ToSurface(left, top);
    const POINT b = ToSurface(right, bottom);
    return RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

RegionPtr DeviceContext::EffectiveClip() const
{
    return RegionPtr(cairo_region_copy(Clip()));
}

const cairo_region_t* DeviceContext::Clip() const
{
    if (!m_effective) {
        m_effective = MakeEffectiveClip();
        cairo_rectangle_int_t e;
        cairo_region_get_extents(m_effective.get(), &e);
        m_effectiveBounds = RECT{e.x, e.y, e.x + e.width, e.y + e.height};
    }
    return m_effective.get();
}

RegionPtr DeviceContext::MakeEffectiveClip() const
{
    RECT bounds = systemClip;
    if (surface) {
        const RECT whole{0, 0, cairo_image_surface_get_width(surface.get()),
                         cairo_image_surface_get_height(surface.get())};
        IntersectRect(&bounds, &bounds, &whole);
    } else {
        bounds = RECT{0, 0, 0, 0};
    }
    const cairo_rectangle_int_t r{bounds.left, bounds.top,
                                  std::max(0, int(bounds.right - bounds.left)),
                                  std::max(0, int(bounds.bottom - bounds.top))};
    RegionPtr region(cairo_region_create_rectangle(&r));
    if (visible)
        cairo_region_intersect(region.get(), visible.get());
    if (state.clip) {
        RegionPtr user(cairo_region_copy(state.clip.get()));
        cairo_region_translate(user.get(), origin.x, origin.y);
        cairo_region_intersect(region.get(), user.get());
    }
    return region;
}

RECT DeviceContext::ClipBounds() const
{
    Clip();
    return m_effectiveBounds;
}

RegionPtr DeviceContext::SystemRegionDevice() const
{
    RECT bounds = systemClip;
    if (surface) {
        const RECT whole{0, 0, cairo_image_surface_get_width(surface.get()),
                         cairo_image_surface_get_height(surface.get())};
        IntersectRect(&bounds, &bounds, &whole);
    }
    const cairo_rectangle_int_t r{bounds.left, bounds.top,
                                  std::max(0, int(bounds.right - bounds.left)),
                                  std::max(0, int(bounds.bottom - bounds.top))};
    RegionPtr region(cairo_region_create_rectangle(&r));
    if (visible)
        cairo_region_intersect(region.get(), visible.get());
    cairo_region_translate(region.get(), -origin.x, -origin.y);
    return region;
}

void DeviceContext::SetTarget(SurfacePtr target)
{
    m_cr.reset();
    surface = std::move(target);
    InvalidateClip();
}

cairo_t* DeviceContext::Context()
{
    if (!surface)
        return nullptr;
    if (!m_cr)
        m_cr.reset(cairo_create(surface.get()));
    cairo_t* cr = m_cr.get();
    if (!m_clipValid) {
        cairo_reset_clip(cr);
        cairo_identity_matrix(cr);
        const cairo_region_t* clip = Clip();
        const int n = cairo_region_num_rectangles(clip);
        cairo_new_path(cr);
        for (int i = 0; i < n; ++i) {
            cairo_rectangle_int_t r;
            cairo_region_get_rectangle(clip, i, &r);
            cairo_rectangle(cr, r.x, r.y, r.width, r.height);
        }
        if (n == 0)
            cairo_rectangle(cr, 0, 0, 0, 0);
        cairo_clip(cr);
        m_clipValid = true;
    }
    cairo_new_path(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    return cr;
}

COLORREF DeviceContext::PenColor() const
{
    if (!state.pen)
        return 0;
    return state.pen->dcPen ? state.dcPenColor : state.pen->color;
}

bool DeviceContext::PenVisible() const
{
    return state.pen && (state.pen->style & PS_STYLE_MASK) != PS_NULL;
}

int DeviceContext::PenWidth() const
{
    return state.pen ? std::max(1, state.pen->width) : 1;
}

COLORREF DeviceContext::BrushColor(const BrushObject& brush) const
{
    if (brush.dcBrush)
        return state.dcBrushColor;
    if (brush.sysColor >= 0)
        return GetSysColor(brush.sysColor);
    return brush.color;
}

bool DeviceContext::BrushVisible() const
{
    return state.brush && state.brush->style != BS_NULL;
}

namespace {

// The 8 x 8 cell of a hatch style: true where the hatch line runs.
bool HatchAt(int hatch, int x, int y)
{
    switch (hatch) {
    case HS_HORIZONTAL:
        return y == 7;
    case HS_VERTICAL:
        return x == 7;
    case HS_FDIAGONAL:
        return x == y;
    case HS_BDIAGONAL:
        return x + y == 7;
    case HS_CROSS:
        return x == 7 || y == 7;
    case HS_DIAGCROSS:
        return x == y || x + y == 7;
    default:
        return false;
    }
}

} // namespace

void DeviceContext::SetBrushSource(cairo_t* cr, const BrushObject& brush) const
{
    SurfacePtr cell;
    if (brush.style == BS_HATCHED) {
        const std::uint32_t back = state.bkMode == OPAQUE ? PixelOf(state.bkColor) : 0;
        cell = NewSurface(8, 8, back);
        int stride = 0;
        std::uint32_t* p = SurfacePixels(cell.get(), &stride);
        const std::uint32_t fore = PixelOf(BrushColor(brush));
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                if (HatchAt(brush.hatch, x, y))
                    p[y * stride + x] = fore;
        cairo_surface_mark_dirty(cell.get());
    } else if (brush.style == BS_PATTERN && brush.pattern && brush.monochromePattern) {
        // A monochrome pattern takes its colours from the DC: 0 bits in the text colour, 1 bits
        // in the background colour.
        const int w = cairo_image_surface_get_width(brush.pattern.get());
        const int h = cairo_image_surface_get_height(brush.pattern.get());
        cell = NewSurface(w, h, 0);
        int ss = 0;
        int ds = 0;
        const std::uint32_t* src = SurfacePixels(brush.pattern.get(), &ss);
        std::uint32_t* dst = SurfacePixels(cell.get(), &ds);
        const std::uint32_t fore = PixelOf(state.textColor);
        const std::uint32_t back = PixelOf(state.bkColor);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                dst[y * ds + x] = (src[y * ss + x] & 0xFFFFFF) ? back : fore;
        cairo_surface_mark_dirty(cell.get());
    } else if (brush.style == BS_PATTERN && brush.pattern) {
        cell = RefSurface(brush.pattern.get());
    } else {
        SetSourceColor(cr, BrushColor(brush));
        return;
    }
    PatternPtr pattern(cairo_pattern_create_for_surface(cell.get()));
    cairo_pattern_set_extend(pattern.get(), CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(pattern.get(), CAIRO_FILTER_NEAREST);
    cairo_matrix_t m;
    cairo_matrix_init_translate(&m, -(origin.x + state.brushOrg.x), -(origin.y + state.brushOrg.y));
    cairo_pattern_set_matrix(pattern.get(), &m);
    cairo_set_source(cr, pattern.get());
}

} // namespace zt::win
