// Icons: made from a colour bitmap and a mask, drawn with per-pixel alpha.

#include "platform/win/WinGdi.h"
#include "platform/win/WinUserDraw.h"
#include "platform/win/gdi/Shapes.h"

#include <algorithm>
#include <vector>

namespace zt::win {
HBITMAP NewBitmap(int width, int height, int bitsPixel, bool alphaChannel, bool dibSection,
                  std::uint32_t fill);
} // namespace zt::win

using namespace zt::win;

namespace {

constexpr int kDefaultIconSize = 32; // SM_CXICON

std::shared_ptr<SurfacePtr> CopyOf(cairo_surface_t* s)
{
    const int w = cairo_image_surface_get_width(s);
    const int h = cairo_image_surface_get_height(s);
    auto copy = std::make_shared<SurfacePtr>(NewSurface(w, h, 0));
    CairoPtr cr(cairo_create(copy->get()));
    cairo_set_source_surface(cr.get(), s, 0, 0);
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr.get());
    cairo_surface_flush(copy->get());
    return copy;
}

HICON AddIcon(std::shared_ptr<IconObject> icon)
{
    return static_cast<HICON>(GdiTable::Instance().Add(std::move(icon)));
}

} // namespace

HICON CreateIconIndirect(PICONINFO info)
{
    if (!info)
        return nullptr;
    auto mask = FindBitmap(info->hbmMask);
    if (!mask)
        return nullptr;
    auto color = FindBitmap(info->hbmColor);
    if (info->hbmColor && !color)
        return nullptr;
    // A monochrome icon keeps its AND mask above its XOR image in one bitmap of double height.
    const int width = color ? color->width : mask->width;
    const int height = color ? color->height : mask->height / 2;
    if (width <= 0 || height <= 0)
        return nullptr;
    if (color && color->dibSection)
        cairo_surface_mark_dirty(color->surface.get());

    auto icon = std::make_shared<IconObject>();
    icon->width = width;
    icon->height = height;
    icon->isIcon = info->fIcon;
    icon->xHotspot = info->xHotspot;
    icon->yHotspot = info->yHotspot;
    icon->mask = CopyOf(mask->surface.get());
    icon->color = color ? CopyOf(color->surface.get()) : nullptr;

    int ms = 0;
    const std::uint32_t* mp = SurfacePixels(icon->mask->get(), &ms);
    int cs = 0;
    const std::uint32_t* cp = color ? SurfacePixels(icon->color->get(), &cs) : mp + height * ms;
    if (!color)
        cs = ms;
    bool hasAlpha = false;
    if (color && color->alphaChannel)
        for (int y = 0; y < height && !hasAlpha; ++y)
            for (int x = 0; x < width && !hasAlpha; ++x)
                hasAlpha = (cp[y * cs + x] >> 24) != 0;
    icon->colorHasAlpha = hasAlpha;

    auto image = std::make_shared<SurfacePtr>(NewSurface(width, height, 0));
    int is = 0;
    std::uint32_t* ip = SurfacePixels(image->get(), &is);
    const int maskRows = std::min(height, mask->height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = cp[y * cs + x];
            std::uint32_t out;
            if (hasAlpha) {
                // Icon colour bitmaps carry straight alpha.
                out = Premultiply(c);
            } else {
                const bool transparent =
                    y < maskRows && x < mask->width && (mp[y * ms + x] & 0xFFFFFF) != 0;
                out = transparent ? 0u : (c | 0xFF000000u);
            }
            ip[y * is + x] = out;
        }
    }
    cairo_surface_mark_dirty(image->get());
    icon->image = image;
    return AddIcon(icon);
}

BOOL DestroyIcon(HICON icon)
{
    auto object = FindIcon(icon);
    if (!object)
        return FALSE;
    GdiTable::Instance().Remove(icon);
    return TRUE;
}

HICON CopyIcon(HICON icon)
{
    auto source = FindIcon(icon);
    if (!source)
        return nullptr;
    auto copy = std::make_shared<IconObject>();
    copy->image = source->image;
    copy->color = source->color;
    copy->mask = source->mask;
    copy->width = source->width;
    copy->height = source->height;
    copy->colorHasAlpha = source->colorHasAlpha;
    copy->isIcon = source->isIcon;
    copy->xHotspot = source->xHotspot;
    copy->yHotspot = source->yHotspot;
    return AddIcon(copy);
}

namespace {

HBITMAP BitmapFrom(cairo_surface_t* s, int bitsPixel, bool alpha)
{
    const int w = cairo_image_surface_get_width(s);
    const int h = cairo_image_surface_get_height(s);
    HBITMAP b = NewBitmap(w, h, bitsPixel, alpha, alpha, 0);
    auto bm = FindBitmap(b);
    if (!bm)
        return nullptr;
    CairoPtr cr(cairo_create(bm->surface.get()));
    cairo_set_source_surface(cr.get(), s, 0, 0);
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr.get());
    cairo_surface_flush(bm->surface.get());
    return b;
}

} // namespace

BOOL GetIconInfo(HICON icon, PICONINFO info)
{
    auto object = FindIcon(icon);
    if (!object || !info)
        return FALSE;
    info->fIcon = object->isIcon;
    info->xHotspot = object->isIcon ? DWORD(object->width / 2) : object->xHotspot;
    info->yHotspot = object->isIcon ? DWORD(object->height / 2) : object->yHotspot;
    info->hbmMask = BitmapFrom(object->mask->get(), 1, false);
    info->hbmColor = object->color ? BitmapFrom(object->color->get(), 32, true) : nullptr;
    return info->hbmMask != nullptr;
}

BOOL DrawIconEx(HDC hdc, int x, int y, HICON icon, int width, int height, UINT, HBRUSH background,
                UINT flags)
{
    auto dc = FindDC(hdc);
    auto object = FindIcon(icon);
    if (!dc || !object)
        return FALSE;
    if (width == 0)
        width = (flags & DI_DEFAULTSIZE) ? kDefaultIconSize : object->width;
    if (height == 0)
        height = (flags & DI_DEFAULTSIZE) ? kDefaultIconSize : object->height;
    if (width < 0 || height < 0)
        return FALSE;
    const RECT target = dc->RectToSurface(x, y, DeviceContext::Clamp(0ll + x + width),
                                          DeviceContext::Clamp(0ll + y + height));
    if (auto brush = FindBrush(background))
        FillSurfaceRect(*dc, target, Ink{0, brush.get()}, kRopPatCopy);
    if (!(flags & DI_NORMAL))
        return TRUE;
    cairo_t* cr = dc->Context();
    if (!cr)
        return FALSE;
    cairo_surface_t* source = object->image->get();
    SurfacePtr opaque;
    if ((flags & DI_NORMAL) == DI_MASK) {
        // The mask alone: black where the icon shows, white where it is transparent.
        source = object->mask->get();
    } else if ((flags & DI_NORMAL) == DI_IMAGE) {
        opaque = NewSurface(object->width, object->height, 0xFF000000u);
        CairoPtr ocr(cairo_create(opaque.get()));
        cairo_set_source_surface(ocr.get(), source, 0, 0);
        cairo_paint(ocr.get());
        source = opaque.get();
    }
    cairo_save(cr);
    cairo_rectangle(cr, target.left, target.top, width, height);
    cairo_clip(cr);
    cairo_translate(cr, target.left, target.top);
    cairo_scale(cr, double(width) / object->width, double(height) / object->height);
    cairo_set_source_surface(cr, source, 0, 0);
    // Enlarged icons keep hard pixels, as GDI stretches them; reduced ones are filtered so
    // that thin strokes do not vanish.
    const bool reduce = width < object->width || height < object->height;
    cairo_pattern_set_filter(cairo_get_source(cr),
                             reduce ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
    return TRUE;
}

BOOL DrawIcon(HDC hdc, int x, int y, HICON icon)
{
    return DrawIconEx(hdc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
}

namespace zt::win {

HICON CreateIconFromArgb(int width, int height, const std::uint32_t* argb)
{
    if (!argb || width <= 0 || height <= 0 || width > 1024 || height > 1024)
        return nullptr;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP color = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HBITMAP mask = CreateBitmap(width, height, 1, 1, nullptr);
    HICON icon = nullptr;
    if (color && mask && bits) {
        auto* out = static_cast<std::uint32_t*>(bits);
        std::copy(argb, argb + width * height, out);
        // The mask marks the fully transparent pixels too, so that pixels whose alpha is all
        // zero still draw as nothing.
        const int rowBytes = ((width + 15) / 16) * 2;
        std::vector<BYTE> maskBits(size_t(rowBytes * height), 0);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if ((argb[y * width + x] >> 24) == 0)
                    maskBits[size_t(y * rowBytes + x / 8)] |= BYTE(0x80 >> (x % 8));
        SetBitmapBits(mask, DWORD(maskBits.size()), maskBits.data());
        ICONINFO info{TRUE, 0, 0, mask, color};
        icon = CreateIconIndirect(&info);
    }
    DeleteObject(color);
    DeleteObject(mask);
    return icon;
}

} // namespace zt::win
