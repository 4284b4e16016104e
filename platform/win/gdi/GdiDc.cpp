// Device contexts: creation, selection, saved states, attributes and coordinate origins.

#include "platform/win/WinGdi.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/SurfaceDC.h"

#include <cairo.h>

#include <algorithm>

#include "platform/base/Encoding.h"

namespace zt::win {

namespace {

void InitialState(DeviceContext& dc)
{
    dc.state.pen = std::static_pointer_cast<PenObject>(StockObject(BLACK_PEN));
    dc.state.brush = std::static_pointer_cast<BrushObject>(StockObject(WHITE_BRUSH));
    dc.state.font = std::static_pointer_cast<FontObject>(StockObject(SYSTEM_FONT));
}

// Stock 1 x 1 monochrome bitmap that every new memory DC starts with.
constexpr int kStockBitmap = 0x100;

} // namespace

HDC CreateSurfaceDC(cairo_surface_t* surface, POINT origin, RECT clip, HWND window)
{
    if (!surface || cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS ||
        cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE)
        return nullptr;
    const cairo_format_t format = cairo_image_surface_get_format(surface);
    if (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24)
        return nullptr;
    auto dc = std::make_shared<DeviceContext>();
    InitialState(*dc);
    dc->window = window;
    dc->origin = origin;
    dc->systemClip = clip;
    dc->SetTarget(RefSurface(surface));
    return static_cast<HDC>(GdiTable::Instance().Add(dc));
}

void ReleaseSurfaceDC(HDC hdc)
{
    auto dc = FindDC(hdc);
    if (dc && !dc->memory)
        GdiTable::Instance().Remove(hdc);
}

namespace {

// The DC's visible region in surface pixels, made from its system rectangle when it has none.
cairo_region_t* VisibleRegion(DeviceContext& dc)
{
    if (!dc.visible) {
        const cairo_rectangle_int_t r{dc.systemClip.left, dc.systemClip.top,
                                      std::max(0, int(dc.systemClip.right - dc.systemClip.left)),
                                      std::max(0, int(dc.systemClip.bottom - dc.systemClip.top))};
        dc.visible.reset(cairo_region_create_rectangle(&r), cairo_region_destroy);
    }
    return dc.visible.get();
}

} // namespace

BOOL IntersectSurfaceDCVisibleRgn(HDC hdc, HRGN hrgn)
{
    auto dc = FindDC(hdc);
    auto region = FindRegion(hrgn);
    if (!dc || dc->memory || !region)
        return FALSE;
    RegionPtr shifted(cairo_region_copy(region->region.get()));
    cairo_region_translate(shifted.get(), dc->origin.x, dc->origin.y);
    cairo_region_intersect(VisibleRegion(*dc), shifted.get());
    dc->InvalidateClip();
    return TRUE;
}

BOOL ExcludeSurfaceDCVisibleRect(HDC hdc, RECT rect)
{
    auto dc = FindDC(hdc);
    if (!dc || dc->memory)
        return FALSE;
    const cairo_rectangle_int_t r{rect.left + dc->origin.x, rect.top + dc->origin.y,
                                  std::max(0, int(rect.right - rect.left)),
                                  std::max(0, int(rect.bottom - rect.top))};
    cairo_region_subtract_rectangle(VisibleRegion(*dc), &r);
    dc->InvalidateClip();
    return TRUE;
}

HWND WindowFromDC_(HDC hdc)
{
    auto dc = FindDC(hdc);
    return dc ? dc->window : nullptr;
}

BOOL WriteSurfacePng(cairo_surface_t* surface, const wchar_t* path)
{
    if (!surface || !path || cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
        return FALSE;
    cairo_surface_flush(surface);
    const std::string file = zt::base::WideToUtf8(path);
    return cairo_surface_write_to_png(surface, file.c_str()) == CAIRO_STATUS_SUCCESS;
}

std::shared_ptr<BitmapObject> StockBitmap()
{
    return std::static_pointer_cast<BitmapObject>(StockObject(kStockBitmap));
}

} // namespace zt::win

using namespace zt::win;

HDC CreateCompatibleDC(HDC reference)
{
    if (reference && !FindDC(reference))
        return nullptr;
    auto dc = std::make_shared<DeviceContext>();
    InitialState(*dc);
    dc->memory = true;
    dc->bitmap = StockBitmap();
    dc->systemClip = RECT{0, 0, 1, 1};
    dc->SetTarget(RefSurface(dc->bitmap->surface.get()));
    return static_cast<HDC>(GdiTable::Instance().Add(dc));
}

BOOL DeleteDC(HDC hdc)
{
    auto dc = FindDC(hdc);
    if (!dc || !dc->memory)
        return FALSE;
    GdiTable::Instance().Remove(hdc);
    return TRUE;
}

HWND WindowFromDC(HDC hdc)
{
    return WindowFromDC_(hdc);
}

namespace {

// Selects a bitmap into a memory DC; false when it lives in another DC already (the stock
// bitmap may be in any number).
bool SelectBitmap(DeviceContext& dc, const std::shared_ptr<BitmapObject>& bitmap)
{
    if (!bitmap->stock && bitmap->selectedInto && bitmap->selectedInto != &dc)
        return false;
    if (dc.bitmap && dc.bitmap->selectedInto == &dc)
        dc.bitmap->selectedInto = nullptr;
    dc.bitmap = bitmap;
    if (!bitmap->stock)
        bitmap->selectedInto = &dc;
    dc.systemClip = RECT{0, 0, bitmap->width, bitmap->height};
    dc.SetTarget(RefSurface(bitmap->surface.get()));
    return true;
}

} // namespace

int SaveDC(HDC hdc)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return 0;
    DcState copy = dc->state;
    if (copy.clip)
        copy.clip.reset(cairo_region_copy(copy.clip.get()), cairo_region_destroy);
    if (dc->memory)
        copy.savedBitmap = dc->bitmap;
    dc->saved.push_back(std::move(copy));
    return static_cast<int>(dc->saved.size());
}

BOOL RestoreDC(HDC hdc, int savedDC)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    const int depth = static_cast<int>(dc->saved.size());
    const int level = savedDC < 0 ? depth + 1 + savedDC : savedDC;
    if (level < 1 || level > depth)
        return FALSE;
    dc->state = std::move(dc->saved[static_cast<size_t>(level - 1)]);
    dc->saved.resize(static_cast<size_t>(level - 1));
    if (auto bitmap = std::move(dc->state.savedBitmap); bitmap && bitmap != dc->bitmap)
        SelectBitmap(*dc, bitmap);
    dc->InvalidateClip();
    return TRUE;
}

namespace {

int SelectClipFromRegion(DeviceContext& dc, const RegionObject* region);

} // namespace

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object)
{
    auto dc = FindDC(hdc);
    auto obj = GdiTable::Instance().Find(object);
    if (!dc || !obj)
        return nullptr;
    switch (obj->kind) {
    case GdiKind::Pen: {
        void* old = dc->state.pen ? dc->state.pen->handle : nullptr;
        dc->state.pen = std::static_pointer_cast<PenObject>(obj);
        return old;
    }
    case GdiKind::Brush: {
        void* old = dc->state.brush ? dc->state.brush->handle : nullptr;
        dc->state.brush = std::static_pointer_cast<BrushObject>(obj);
        return old;
    }
    case GdiKind::Font: {
        void* old = dc->state.font ? dc->state.font->handle : nullptr;
        dc->state.font = std::static_pointer_cast<FontObject>(obj);
        return old;
    }
    case GdiKind::Bitmap: {
        if (!dc->memory)
            return nullptr;
        void* old = dc->bitmap ? dc->bitmap->handle : nullptr;
        if (!SelectBitmap(*dc, std::static_pointer_cast<BitmapObject>(obj)))
            return nullptr;
        return old;
    }
    case GdiKind::Region: {
        const int type = SelectClipFromRegion(*dc, static_cast<RegionObject*>(obj.get()));
        return reinterpret_cast<HGDIOBJ>(static_cast<intptr_t>(type));
    }
    default:
        return nullptr;
    }
}

namespace {

int SelectClipFromRegion(DeviceContext& dc, const RegionObject* region)
{
    return SelectClipRgn(static_cast<HDC>(dc.handle), static_cast<HRGN>(region->handle));
}

} // namespace

HGDIOBJ GetCurrentObject(HDC hdc, UINT type)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return nullptr;
    switch (type) {
    case OBJ_PEN:
        return dc->state.pen ? dc->state.pen->handle : nullptr;
    case OBJ_BRUSH:
        return dc->state.brush ? dc->state.brush->handle : nullptr;
    case OBJ_FONT:
        return dc->state.font ? dc->state.font->handle : nullptr;
    case OBJ_BITMAP:
        return dc->bitmap ? dc->bitmap->handle : nullptr;
    default:
        return nullptr;
    }
}

int GetDeviceCaps(HDC hdc, int index)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return 0;
    const int width = dc->surface ? cairo_image_surface_get_width(dc->surface.get()) : 0;
    const int height = dc->surface ? cairo_image_surface_get_height(dc->surface.get()) : 0;
    switch (index) {
    case TECHNOLOGY:
        return DT_RASDISPLAY;
    case HORZRES:
        return width;
    case VERTRES:
        return height;
    case HORZSIZE:
        return MulDiv(width, 254, 960);
    case VERTSIZE:
        return MulDiv(height, 254, 960);
    case BITSPIXEL:
        return dc->memory && dc->bitmap ? dc->bitmap->bitsPixel : 32;
    case PLANES:
        return 1;
    case NUMCOLORS:
        return -1;
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    case RASTERCAPS:
        return RC_BITBLT | RC_STRETCHBLT | RC_DI_BITMAP;
    case SIZEPALETTE:
        return 0;
    case COLORRES:
        return 24;
    case SHADEBLENDCAPS:
        return SB_CONST_ALPHA | SB_PIXEL_ALPHA;
    default:
        return 0;
    }
}

#define ZT_DC_ATTRIBUTE(Set, Get, Type, member, fail)                                              \
    Type Set(HDC hdc, Type value)                                                                  \
    {                                                                                              \
        auto dc = FindDC(hdc);                                                                     \
        if (!dc)                                                                                   \
            return fail;                                                                           \
        Type old = dc->state.member;                                                               \
        dc->state.member = value;                                                                  \
        return old;                                                                                \
    }                                                                                              \
    Type Get(HDC hdc)                                                                              \
    {                                                                                              \
        auto dc = FindDC(hdc);                                                                     \
        return dc ? dc->state.member : fail;                                                       \
    }

ZT_DC_ATTRIBUTE(SetTextColor, GetTextColor, COLORREF, textColor, CLR_INVALID)
ZT_DC_ATTRIBUTE(SetBkColor, GetBkColor, COLORREF, bkColor, CLR_INVALID)
ZT_DC_ATTRIBUTE(SetDCBrushColor, GetDCBrushColor, COLORREF, dcBrushColor, CLR_INVALID)
ZT_DC_ATTRIBUTE(SetDCPenColor, GetDCPenColor, COLORREF, dcPenColor, CLR_INVALID)
ZT_DC_ATTRIBUTE(SetTextAlign, GetTextAlign, UINT, textAlign, GDI_ERROR)

#undef ZT_DC_ATTRIBUTE

#define ZT_DC_MODE(Set, Get, member, low, high)                                                    \
    int Set(HDC hdc, int value)                                                                    \
    {                                                                                              \
        auto dc = FindDC(hdc);                                                                     \
        if (!dc || value < low || value > high)                                                    \
            return 0;                                                                              \
        int old = dc->state.member;                                                                \
        dc->state.member = value;                                                                  \
        return old;                                                                                \
    }                                                                                              \
    int Get(HDC hdc)                                                                               \
    {                                                                                              \
        auto dc = FindDC(hdc);                                                                     \
        return dc ? dc->state.member : 0;                                                          \
    }

ZT_DC_MODE(SetBkMode, GetBkMode, bkMode, TRANSPARENT, OPAQUE)
ZT_DC_MODE(SetROP2, GetROP2, rop2, R2_BLACK, R2_WHITE)
ZT_DC_MODE(SetPolyFillMode, GetPolyFillMode, polyFillMode, ALTERNATE, WINDING)
ZT_DC_MODE(SetStretchBltMode, GetStretchBltMode, stretchMode, BLACKONWHITE, HALFTONE)

#undef ZT_DC_MODE

namespace {

BOOL SetOrigin(HDC hdc, POINT DcState::*member, int x, int y, bool offset, LPPOINT previous)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    POINT& p = dc->state.*member;
    if (previous)
        *previous = p;
    if (offset) {
        p.x += x;
        p.y += y;
    } else {
        p = POINT{x, y};
    }
    return TRUE;
}

BOOL GetOrigin(HDC hdc, POINT DcState::*member, LPPOINT out)
{
    auto dc = FindDC(hdc);
    if (!dc || !out)
        return FALSE;
    *out = dc->state.*member;
    return TRUE;
}

} // namespace

BOOL SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT previous)
{
    return SetOrigin(hdc, &DcState::viewportOrg, x, y, false, previous);
}
BOOL OffsetViewportOrgEx(HDC hdc, int dx, int dy, LPPOINT previous)
{
    return SetOrigin(hdc, &DcState::viewportOrg, dx, dy, true, previous);
}
BOOL GetViewportOrgEx(HDC hdc, LPPOINT origin)
{
    return GetOrigin(hdc, &DcState::viewportOrg, origin);
}
BOOL SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT previous)
{
    return SetOrigin(hdc, &DcState::windowOrg, x, y, false, previous);
}
BOOL OffsetWindowOrgEx(HDC hdc, int dx, int dy, LPPOINT previous)
{
    return SetOrigin(hdc, &DcState::windowOrg, dx, dy, true, previous);
}
BOOL GetWindowOrgEx(HDC hdc, LPPOINT origin)
{
    return GetOrigin(hdc, &DcState::windowOrg, origin);
}
BOOL SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT previous)
{
    return SetOrigin(hdc, &DcState::brushOrg, x, y, false, previous);
}
BOOL GetBrushOrgEx(HDC hdc, LPPOINT origin)
{
    return GetOrigin(hdc, &DcState::brushOrg, origin);
}

BOOL LPtoDP(HDC hdc, LPPOINT points, int count)
{
    auto dc = FindDC(hdc);
    if (!dc || (!points && count > 0) || count < 0)
        return FALSE;
    for (int i = 0; i < count; ++i)
        points[i] = dc->ToDevice(points[i].x, points[i].y);
    return TRUE;
}

BOOL DPtoLP(HDC hdc, LPPOINT points, int count)
{
    auto dc = FindDC(hdc);
    if (!dc || (!points && count > 0) || count < 0)
        return FALSE;
    for (int i = 0; i < count; ++i)
        points[i] = dc->DeviceToLogical(points[i].x, points[i].y);
    return TRUE;
}
