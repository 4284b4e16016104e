// Image lists. Each image is kept as its own premultiplied ARGB32 surface of the list's image
// size, copied from the bitmap or icon it was made from, so that the caller may delete those
// right away and drawing is one masked paint. Transparency is decided once, when an image is
// added: from the bitmap's alpha (ILC_COLOR32 lists) and from the mask (ILC_MASK lists).

#include "platform/win/WinCtl.h"
#include "platform/win/WinGdi.h"
#include "platform/win/WinUserDraw.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/GdiObjects.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

using namespace zt::win;

namespace {

// Large enough for any icon strip; keeps a wild size from allocating gigabytes.
constexpr int kMaxImageSize = 4096;

struct ImageListObject
{
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
    COLORREF background = CLR_NONE;
    std::vector<SurfacePtr> images;
};

class ImageListTable
{
public:
    static ImageListTable& Instance()
    {
        static ImageListTable table;
        return table;
    }
    HIMAGELIST Add(std::shared_ptr<ImageListObject> list)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_next += 0x10;
        m_lists.emplace(m_next, std::move(list));
        return reinterpret_cast<HIMAGELIST>(m_next);
    }
    std::shared_ptr<ImageListObject> Find(HIMAGELIST handle) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_lists.find(reinterpret_cast<std::uintptr_t>(handle));
        return it == m_lists.end() ? nullptr : it->second;
    }
    bool Remove(HIMAGELIST handle)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_lists.erase(reinterpret_cast<std::uintptr_t>(handle)) != 0;
    }

private:
    mutable std::mutex m_mutex;
    std::unordered_map<std::uintptr_t, std::shared_ptr<ImageListObject>> m_lists;
    // Distinct from the GDI table's handles, so that one kind is never taken for the other.
    std::uintptr_t m_next = 0x7A000000;
};

bool KeepsAlpha(const ImageListObject& list)
{
    return (list.flags & ILC_COLORDDB) == ILC_COLOR32;
}

// 0x00BBGGRR as a surface pixel's 0xRRGGBB.
std::uint32_t RgbOf(COLORREF c)
{
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

// How the transparent pixels of a bitmap are known.
struct MaskSource
{
    std::shared_ptr<BitmapObject> bitmap; // white pixels are transparent
    bool byColor = false;
    std::uint32_t color = 0; // surface 0xRRGGBB
};

// The images cut from a bitmap, one per image width (at least one).
std::vector<SurfacePtr> CutImages(const ImageListObject& list, HBITMAP image,
                                  const MaskSource& mask)
{
    std::vector<SurfacePtr> out;
    auto bm = FindBitmap(image);
    if (!bm || bm->width <= 0 || bm->height <= 0)
        return out;
    if (bm->dibSection)
        cairo_surface_mark_dirty(bm->surface.get());
    int bs = 0;
    const std::uint32_t* bp = SurfacePixels(bm->surface.get(), &bs);
    if (!bp)
        return out;
    int ms = 0;
    const std::uint32_t* mp = nullptr;
    const bool useMask = (list.flags & ILC_MASK) != 0;
    if (useMask && mask.bitmap) {
        if (mask.bitmap->dibSection)
            cairo_surface_mark_dirty(mask.bitmap->surface.get());
        mp = SurfacePixels(mask.bitmap->surface.get(), &ms);
    }
    const int count = std::max(1, bm->width / list.cx);
    for (int k = 0; k < count; ++k) {
        const int x0 = k * list.cx;
        bool alpha = false;
        if (KeepsAlpha(list) && bm->alphaChannel)
            for (int y = 0; y < std::min(list.cy, bm->height) && !alpha; ++y)
                for (int x = x0; x < std::min(x0 + list.cx, bm->width) && !alpha; ++x)
                    alpha = (bp[y * bs + x] >> 24) != 0;
        SurfacePtr s = NewSurface(list.cx, list.cy, 0);
        int ss = 0;
        std::uint32_t* sp = SurfacePixels(s.get(), &ss);
        for (int y = 0; y < list.cy && y < bm->height; ++y) {
            for (int x = 0; x < list.cx && x0 + x < bm->width; ++x) {
                const std::uint32_t c = bp[y * bs + x0 + x];
                std::uint32_t pixel = alpha ? Premultiply(c) : (c | 0xFF000000u);
                // A mask still counts over alpha: lists made from strips with a key colour
                // mean that colour to vanish whatever the depth.
                if (useMask && mp && y < mask.bitmap->height && x0 + x < mask.bitmap->width &&
                    (mp[y * ms + x0 + x] & 0xFFFFFF) != 0)
                    pixel = 0;
                if (useMask && mask.byColor && (c & 0xFFFFFF) == mask.color)
                    pixel = 0;
                sp[y * ss + x] = pixel;
            }
        }
        cairo_surface_mark_dirty(s.get());
        out.push_back(std::move(s));
    }
    return out;
}

int Append(ImageListObject& list, std::vector<SurfacePtr> images)
{
    if (images.empty())
        return -1;
    const int first = static_cast<int>(list.images.size());
    for (auto& s : images)
        list.images.push_back(std::move(s));
    return first;
}

// The icon's picture scaled to the list's image size.
SurfacePtr ImageOfIcon(const ImageListObject& list, HICON icon)
{
    auto object = FindIcon(icon);
    if (!object || !object->image || object->width <= 0 || object->height <= 0)
        return nullptr;
    SurfacePtr s = NewSurface(list.cx, list.cy, 0);
    CairoPtr cr(cairo_create(s.get()));
    cairo_scale(cr.get(), double(list.cx) / object->width, double(list.cy) / object->height);
    cairo_set_source_surface(cr.get(), object->image->get(), 0, 0);
    // Enlarged icons keep hard pixels; reduced ones are filtered so that thin strokes stay.
    const bool reduce = list.cx < object->width || list.cy < object->height;
    cairo_pattern_set_filter(cairo_get_source(cr.get()),
                             reduce ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr.get());
    cairo_surface_flush(s.get());
    return s;
}

// The image's shape alone: black where it shows, white where it is transparent.
SurfacePtr MaskOf(cairo_surface_t* image, int w, int h)
{
    SurfacePtr s = NewSurface(w, h, 0xFFFFFFFFu);
    int is = 0;
    const std::uint32_t* ip = SurfacePixels(image, &is);
    int ss = 0;
    std::uint32_t* sp = SurfacePixels(s.get(), &ss);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((ip[y * is + x] >> 24) != 0)
                sp[y * ss + x] = 0xFF000000u;
    cairo_surface_mark_dirty(s.get());
    return s;
}

void SetSourceColor(cairo_t* cr, COLORREF c, double alpha)
{
    cairo_set_source_rgba(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0,
                          alpha);
}

} // namespace

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int, int)
{
    if (cx <= 0 || cy <= 0 || cx > kMaxImageSize || cy > kMaxImageSize)
        return nullptr;
    auto list = std::make_shared<ImageListObject>();
    list->cx = cx;
    list->cy = cy;
    list->flags = flags;
    return ImageListTable::Instance().Add(std::move(list));
}

BOOL ImageList_Destroy(HIMAGELIST list)
{
    return list && ImageListTable::Instance().Remove(list) ? TRUE : FALSE;
}

int ImageList_Add(HIMAGELIST handle, HBITMAP image, HBITMAP mask)
{
    auto list = ImageListTable::Instance().Find(handle);
    if (!list)
        return -1;
    MaskSource source;
    source.bitmap = FindBitmap(mask);
    return Append(*list, CutImages(*list, image, source));
}

int ImageList_AddMasked(HIMAGELIST handle, HBITMAP image, COLORREF mask)
{
    auto list = ImageListTable::Instance().Find(handle);
    if (!list)
        return -1;
    MaskSource source;
    source.byColor = mask != CLR_NONE && mask != CLR_DEFAULT;
    source.color = RgbOf(mask);
    return Append(*list, CutImages(*list, image, source));
}

int ImageList_ReplaceIcon(HIMAGELIST handle, int i, HICON icon)
{
    auto list = ImageListTable::Instance().Find(handle);
    if (!list || i < -1 || i >= static_cast<int>(list->images.size()))
        return -1;
    SurfacePtr s = ImageOfIcon(*list, icon);
    if (!s)
        return -1;
    if (i == -1) {
        list->images.push_back(std::move(s));
        return static_cast<int>(list->images.size()) - 1;
    }
    list->images[static_cast<std::size_t>(i)] = std::move(s);
    return i;
}

BOOL ImageList_Replace(HIMAGELIST handle, int i, HBITMAP image, HBITMAP mask)
{
    auto list = ImageListTable::Instance().Find(handle);
    if (!list || i < 0 || i >= static_cast<int>(list->images.size()))
        return FALSE;
    MaskSource source;
    source.bitmap = FindBitmap(mask);
    auto images = CutImages(*list, image, source);
    if (images.empty())
        return FALSE;
    list->images[static_cast<std::size_t>(i)] = std::move(images.front());
    return TRUE;
}

BOOL ImageList_Remove(HIMAGELIST handle, int i)
{
    auto list = ImageListTable::Instance().Find(handle);
    if (!list)
        return FALSE;
    if (i == -1) {
        list->images.clear();
        return TRUE;
    }
    if (i < 0 || i >= static_cast<int>(list->images.size()))
        return FALSE;
    list->images.erase(list->images.begin() + i);
    return TRUE;
}

int ImageList_GetImageCount(HIMAGELIST handle)
{
    auto list = ImageListTable::Instance().Find(handle);
    return list ? static_cast<int>(list->images.size()) : 0;
}

BOOL ImageList_GetIconSize(HIMAGELIST handle, int* cx, int* cy)
{
    auto list = ImageListTable::Instance().Find(handle);
    if (!list || !cx || !cy)
        return FALSE;
    *cx = list->cx;
    *cy = list->cy;
    return TRUE;
}

BOOL ImageList_SetIconSize(HIMAGELIST handle, int cx, int cy)
{
    auto list = ImageListTable::Instance().Find(handle);
    if (!list || cx <= 0 || cy <= 0 || cx > kMaxImageSize || cy > kMaxImageSize)
        return FALSE;
    list->cx = cx;
    list->cy = cy;
    list->images.clear();
    return TRUE;
}

COLORREF ImageList_SetBkColor(HIMAGELIST handle, COLORREF color)
{
    auto list = ImageListTable::Instance().Find(handle);
    if (!list)
        return CLR_NONE;
    COLORREF old = list->background;
    list->background = color;
    return old;
}

COLORREF ImageList_GetBkColor(HIMAGELIST handle)
{
    auto list = ImageListTable::Instance().Find(handle);
    return list ? list->background : CLR_NONE;
}

BOOL ImageList_GetImageInfo(HIMAGELIST handle, int i, IMAGEINFO* info)
{
    auto list = ImageListTable::Instance().Find(handle);
    if (!list || !info || i < 0 || i >= static_cast<int>(list->images.size()))
        return FALSE;
    info->hbmImage = nullptr;
    info->hbmMask = nullptr;
    info->Unused1 = 0;
    info->Unused2 = 0;
    info->rcImage = RECT{i * list->cx, 0, (i + 1) * list->cx, list->cy};
    return TRUE;
}

HICON ImageList_GetIcon(HIMAGELIST handle, int i, UINT)
{
    auto list = ImageListTable::Instance().Find(handle);
    if (!list || i < 0 || i >= static_cast<int>(list->images.size()))
        return nullptr;
    int is = 0;
    const std::uint32_t* ip = SurfacePixels(list->images[std::size_t(i)].get(), &is);
    if (!ip)
        return nullptr;
    std::vector<std::uint32_t> argb(std::size_t(list->cx) * std::size_t(list->cy));
    for (int y = 0; y < list->cy; ++y)
        for (int x = 0; x < list->cx; ++x)
            argb[std::size_t(y * list->cx + x)] = Unpremultiply(ip[y * is + x]);
    return CreateIconFromArgb(list->cx, list->cy, argb.data());
}

BOOL ImageList_Draw(HIMAGELIST list, int i, HDC dc, int x, int y, UINT style)
{
    return ImageList_DrawEx(list, i, dc, x, y, 0, 0, CLR_DEFAULT, CLR_DEFAULT, style);
}

BOOL ImageList_DrawEx(HIMAGELIST handle, int i, HDC hdc, int x, int y, int dx, int dy,
                      COLORREF background, COLORREF foreground, UINT style)
{
    auto list = ImageListTable::Instance().Find(handle);
    auto dc = FindDC(hdc);
    if (!list || !dc || i < 0 || i >= static_cast<int>(list->images.size()) || dx < 0 || dy < 0)
        return FALSE;
    const int w = dx == 0 ? list->cx : std::min(dx, list->cx);
    const int h = dy == 0 ? list->cy : std::min(dy, list->cy);
    cairo_surface_t* image = list->images[std::size_t(i)].get();
    const RECT target = dc->RectToSurface(x, y, DeviceContext::Clamp(0ll + x + w),
                                          DeviceContext::Clamp(0ll + y + h));
    cairo_t* cr = dc->Context();
    if (!cr)
        return FALSE;
    cairo_save(cr);
    cairo_rectangle(cr, target.left, target.top, w, h);
    cairo_clip(cr);
    if (style & ILD_MASK) {
        SurfacePtr mask = MaskOf(image, list->cx, list->cy);
        cairo_set_source_surface(cr, mask.get(), target.left, target.top);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_paint(cr);
        cairo_restore(cr);
        return TRUE;
    }
    // Behind the image: nothing for ILD_TRANSPARENT or a transparent colour; the list without
    // a mask has no transparent pixels, so its background never shows.
    COLORREF back = background == CLR_DEFAULT ? list->background : background;
    if (!(style & ILD_TRANSPARENT) && back != CLR_NONE && (list->flags & ILC_MASK)) {
        SetSourceColor(cr, back, 1.0);
        cairo_paint(cr);
    }
    cairo_set_source_surface(cr, image, target.left, target.top);
    if (style & ILD_IMAGE) {
        // The colours alone, as if the image had no mask.
        SurfacePtr opaque = NewSurface(list->cx, list->cy, 0xFF000000u);
        CairoPtr ocr(cairo_create(opaque.get()));
        cairo_set_source_surface(ocr.get(), image, 0, 0);
        cairo_paint(ocr.get());
        cairo_surface_flush(opaque.get());
        cairo_set_source_surface(cr, opaque.get(), target.left, target.top);
        cairo_paint(cr);
    } else {
        cairo_paint(cr);
    }
    if (style & (ILD_BLEND25 | ILD_BLEND50)) {
        COLORREF tint = foreground == CLR_DEFAULT || foreground == CLR_NONE
                            ? GetSysColor(COLOR_HIGHLIGHT)
                            : foreground;
        SetSourceColor(cr, tint, (style & ILD_BLEND50) ? 0.5 : 0.25);
        cairo_mask_surface(cr, image, target.left, target.top);
    }
    cairo_restore(cr);
    return TRUE;
}
