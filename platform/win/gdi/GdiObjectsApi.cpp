// Pens, brushes, fonts and bitmaps: creation, stock objects, GetObject and DeleteObject.

#include "platform/win/WinGdi.h"
#include "platform/win/WinUserDraw.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/FontFace.h"

#include "platform/base/Encoding.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

namespace zt::win {

namespace {

constexpr int kStockBitmap = 0x100;
constexpr int kMaxBitmapSide = 32767;
constexpr long long kMaxBitmapPixels = 64ll * 1024 * 1024; // 256 MB of pixels

template <class T>
std::shared_ptr<T> MakeStock()
{
    auto o = std::make_shared<T>();
    o->stock = true;
    return o;
}

std::shared_ptr<GdiObject> MakeStockObject(int index)
{
    auto brush = [](COLORREF c, UINT style = BS_SOLID) {
        auto b = MakeStock<BrushObject>();
        b->color = c;
        b->style = style;
        return b;
    };
    auto pen = [](COLORREF c, int style = PS_SOLID) {
        auto p = MakeStock<PenObject>();
        p->color = c;
        p->style = style;
        return p;
    };
    auto font = [](const LOGFONTW& log) {
        auto f = MakeStock<FontObject>();
        f->log = log;
        return f;
    };
    switch (index) {
    case WHITE_BRUSH:
        return brush(RGB(255, 255, 255));
    case LTGRAY_BRUSH:
        return brush(RGB(192, 192, 192));
    case GRAY_BRUSH:
        return brush(RGB(128, 128, 128));
    case DKGRAY_BRUSH:
        return brush(RGB(64, 64, 64));
    case BLACK_BRUSH:
        return brush(RGB(0, 0, 0));
    case NULL_BRUSH:
        return brush(0, BS_NULL);
    case WHITE_PEN:
        return pen(RGB(255, 255, 255));
    case BLACK_PEN:
        return pen(RGB(0, 0, 0));
    case NULL_PEN:
        return pen(0, PS_NULL);
    case DC_BRUSH: {
        auto b = brush(RGB(255, 255, 255));
        b->dcBrush = true;
        return b;
    }
    case DC_PEN: {
        auto p = pen(RGB(0, 0, 0));
        p->dcPen = true;
        return p;
    }
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
        return font(SystemLogFont());
    case DEFAULT_GUI_FONT:
    case ANSI_VAR_FONT:
        return font(DefaultGuiLogFont());
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case SYSTEM_FIXED_FONT: {
        LOGFONTW log = DefaultGuiLogFont();
        log.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
        std::wcsncpy(log.lfFaceName, L"Courier New", LF_FACESIZE - 1);
        return font(log);
    }
    case kStockBitmap: {
        auto b = MakeStock<BitmapObject>();
        b->width = b->height = 1;
        b->bitsPixel = 1;
        b->surface = NewSurface(1, 1, 0xFF000000u);
        return b;
    }
    default:
        return nullptr;
    }
}

} // namespace

std::shared_ptr<GdiObject> StockObject(int index)
{
    // All of them come into being together on the first request, as Windows has them from the
    // start: a later request never adds an object, so counts taken to find leaks stay level.
    struct Stock
    {
        std::array<std::shared_ptr<GdiObject>, 20> objects;
        std::shared_ptr<GdiObject> bitmap;
        Stock()
        {
            for (std::size_t i = 0; i < objects.size(); ++i)
                if ((objects[i] = MakeStockObject(static_cast<int>(i))))
                    GdiTable::Instance().Add(objects[i]);
            if ((bitmap = MakeStockObject(kStockBitmap)))
                GdiTable::Instance().Add(bitmap);
        }
    };
    static const Stock* stock = new Stock;
    if (index == kStockBitmap)
        return stock->bitmap;
    if (index >= 0 && index < static_cast<int>(stock->objects.size()))
        return stock->objects[static_cast<std::size_t>(index)];
    return nullptr;
}

HBITMAP NewBitmap(int width, int height, int bitsPixel, bool alphaChannel, bool dibSection,
                  std::uint32_t fill)
{
    if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide ||
        static_cast<long long>(width) * height > kMaxBitmapPixels)
        return nullptr;
    auto b = std::make_shared<BitmapObject>();
    b->width = width;
    b->height = height;
    b->bitsPixel = bitsPixel;
    b->alphaChannel = alphaChannel;
    b->dibSection = dibSection;
    b->surface = NewSurface(width, height, fill);
    if (cairo_surface_status(b->surface.get()) != CAIRO_STATUS_SUCCESS)
        return nullptr;
    return static_cast<HBITMAP>(GdiTable::Instance().Add(b));
}

} // namespace zt::win

using namespace zt::win;

HGDIOBJ GetStockObject(int index)
{
    auto o = StockObject(index);
    return o ? o->handle : nullptr;
}

BOOL DeleteObject(HGDIOBJ handle)
{
    auto obj = GdiTable::Instance().Find(handle);
    if (!obj || obj->kind == GdiKind::DC || obj->kind == GdiKind::Icon)
        return FALSE;
    if (obj->stock)
        return TRUE;
    GdiTable::Instance().Remove(handle);
    return TRUE;
}

DWORD GetObjectType(HGDIOBJ handle)
{
    auto obj = GdiTable::Instance().Find(handle);
    if (!obj)
        return 0;
    switch (obj->kind) {
    case GdiKind::Pen:
        return OBJ_PEN;
    case GdiKind::Brush:
        return OBJ_BRUSH;
    case GdiKind::Font:
        return OBJ_FONT;
    case GdiKind::Bitmap:
        return OBJ_BITMAP;
    case GdiKind::Region:
        return OBJ_REGION;
    case GdiKind::DC:
        return static_cast<DeviceContext*>(obj.get())->memory ? OBJ_MEMDC : OBJ_DC;
    default:
        return 0;
    }
}

namespace {

template <class T>
int CopyOut(const T& value, int size, LPVOID buffer)
{
    if (!buffer)
        return sizeof(T);
    if (size < static_cast<int>(sizeof(T)))
        return 0;
    std::memcpy(buffer, &value, sizeof(T));
    return sizeof(T);
}

LOGFONTA ToAnsi(const LOGFONTW& w)
{
    LOGFONTA a{};
    std::memcpy(&a, &w, offsetof(LOGFONTW, lfFaceName));
    const std::string face = zt::base::WideToAnsi(w.lfFaceName);
    std::strncpy(a.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    return a;
}

LOGFONTW ToWide(const LOGFONTA& a)
{
    LOGFONTW w{};
    std::memcpy(&w, &a, offsetof(LOGFONTA, lfFaceName));
    std::string face(a.lfFaceName, strnlen(a.lfFaceName, LF_FACESIZE));
    const std::wstring wide = zt::base::AnsiToWide(face);
    std::wcsncpy(w.lfFaceName, wide.c_str(), LF_FACESIZE - 1);
    return w;
}

int GetObjectImpl(HGDIOBJ handle, int size, LPVOID buffer, bool ansi)
{
    auto obj = GdiTable::Instance().Find(handle);
    if (!obj || size < 0)
        return 0;
    switch (obj->kind) {
    case GdiKind::Pen: {
        const auto& p = static_cast<const PenObject&>(*obj);
        return CopyOut(LOGPEN{UINT(p.style), POINT{p.width, 0}, p.color}, size, buffer);
    }
    case GdiKind::Brush: {
        const auto& b = static_cast<const BrushObject&>(*obj);
        ULONG_PTR hatch = b.style == BS_HATCHED ? ULONG_PTR(b.hatch)
                                                : reinterpret_cast<ULONG_PTR>(b.patternBitmap);
        const COLORREF color = b.sysColor >= 0 ? GetSysColor(b.sysColor) : b.color;
        return CopyOut(LOGBRUSH{b.style, color, hatch}, size, buffer);
    }
    case GdiKind::Font: {
        const auto& f = static_cast<const FontObject&>(*obj);
        if (ansi)
            return CopyOut(ToAnsi(f.log), size, buffer);
        return CopyOut(f.log, size, buffer);
    }
    case GdiKind::Bitmap: {
        const auto& b = static_cast<const BitmapObject&>(*obj);
        BITMAP bm{};
        bm.bmWidth = b.width;
        bm.bmHeight = b.height;
        bm.bmPlanes = 1;
        bm.bmBitsPixel = WORD(b.bitsPixel);
        bm.bmWidthBytes = b.bitsPixel == 1 ? ((b.width + 15) / 16) * 2 : b.width * 4;
        bm.bmBits = b.dibSection ? b.bits : nullptr;
        return CopyOut(bm, size, buffer);
    }
    default:
        return 0;
    }
}

} // namespace

int GetObjectW(HGDIOBJ handle, int size, LPVOID buffer)
{
    return GetObjectImpl(handle, size, buffer, false);
}

int GetObjectA(HGDIOBJ handle, int size, LPVOID buffer)
{
    return GetObjectImpl(handle, size, buffer, true);
}

HPEN CreatePen(int style, int width, COLORREF color)
{
    const int kind = style & PS_STYLE_MASK;
    if (kind > PS_INSIDEFRAME)
        return nullptr;
    auto p = std::make_shared<PenObject>();
    p->style = kind;
    p->width = std::max(0, width);
    p->color = color & 0xFFFFFF;
    return static_cast<HPEN>(GdiTable::Instance().Add(p));
}

HPEN CreatePenIndirect(const LOGPEN* logPen)
{
    if (!logPen)
        return nullptr;
    return CreatePen(int(logPen->lopnStyle), logPen->lopnWidth.x, logPen->lopnColor);
}

HBRUSH CreateSolidBrush(COLORREF color)
{
    auto b = std::make_shared<BrushObject>();
    b->color = color & 0xFFFFFF;
    return static_cast<HBRUSH>(GdiTable::Instance().Add(b));
}

HBRUSH CreateHatchBrush(int hatch, COLORREF color)
{
    if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS)
        return nullptr;
    auto b = std::make_shared<BrushObject>();
    b->style = BS_HATCHED;
    b->hatch = hatch;
    b->color = color & 0xFFFFFF;
    return static_cast<HBRUSH>(GdiTable::Instance().Add(b));
}

HBRUSH CreatePatternBrush(HBITMAP bitmap)
{
    auto bm = FindBitmap(bitmap);
    if (!bm)
        return nullptr;
    auto b = std::make_shared<BrushObject>();
    b->style = BS_PATTERN;
    b->patternBitmap = bitmap;
    b->monochromePattern = bm->bitsPixel == 1;
    // The brush keeps its own copy: the bitmap may be deleted or drawn on afterwards.
    b->pattern = NewSurface(bm->width, bm->height, 0);
    CairoPtr cr(cairo_create(b->pattern.get()));
    cairo_set_source_surface(cr.get(), bm->surface.get(), 0, 0);
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr.get());
    return static_cast<HBRUSH>(GdiTable::Instance().Add(b));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* logBrush)
{
    if (!logBrush)
        return nullptr;
    switch (logBrush->lbStyle) {
    case BS_SOLID:
        return CreateSolidBrush(logBrush->lbColor);
    case BS_NULL:
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    case BS_HATCHED:
        return CreateHatchBrush(int(logBrush->lbHatch), logBrush->lbColor);
    case BS_PATTERN:
        return CreatePatternBrush(reinterpret_cast<HBITMAP>(logBrush->lbHatch));
    default:
        return nullptr;
    }
}

HFONT CreateFontIndirectW(const LOGFONTW* logFont)
{
    if (!logFont)
        return nullptr;
    auto f = std::make_shared<FontObject>();
    f->log = *logFont;
    f->log.lfFaceName[LF_FACESIZE - 1] = 0;
    return static_cast<HFONT>(GdiTable::Instance().Add(f));
}

HFONT CreateFontIndirectA(const LOGFONTA* logFont)
{
    if (!logFont)
        return nullptr;
    const LOGFONTW w = ToWide(*logFont);
    return CreateFontIndirectW(&w);
}

HFONT CreateFontW(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCWSTR faceName)
{
    LOGFONTW log{height,
                 width,
                 escapement,
                 orientation,
                 weight,
                 BYTE(italic),
                 BYTE(underline),
                 BYTE(strikeOut),
                 BYTE(charSet),
                 BYTE(outPrecision),
                 BYTE(clipPrecision),
                 BYTE(quality),
                 BYTE(pitchAndFamily),
                 {}};
    if (faceName)
        std::wcsncpy(log.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&log);
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCSTR faceName)
{
    const std::wstring face = faceName ? zt::base::AnsiToWide(faceName) : std::wstring();
    return CreateFontW(height, width, escapement, orientation, weight, italic, underline, strikeOut,
                       charSet, outPrecision, clipPrecision, quality, pitchAndFamily, face.c_str());
}

int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const long long product = static_cast<long long>(number) * numerator;
    long long result = product / denominator;
    const long long remainder = product % denominator;
    // Round half away from zero, as Windows does.
    if (2 * (remainder < 0 ? -remainder : remainder) >=
        (denominator < 0 ? -denominator : denominator))
        result += ((product < 0) != (denominator < 0)) ? -1 : 1;
    if (result > INT32_MAX || result < INT32_MIN)
        return -1;
    return static_cast<int>(result);
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return nullptr;
    // A memory DC still holding its stock bitmap is monochrome, as in GDI.
    const bool mono = dc->memory && dc->bitmap && dc->bitmap->bitsPixel == 1;
    return NewBitmap(width, height, mono ? 1 : 32, false, false, 0xFF000000u);
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
{
    if (planes != 1 || (bitsPerPixel != 1 && bitsPerPixel != 32))
        return nullptr;
    const bool mono = bitsPerPixel == 1;
    HBITMAP h = NewBitmap(width, height, int(bitsPerPixel), !mono, false, 0xFF000000u);
    if (h && bits)
        SetBitmapBits(h, mono ? DWORD(((width + 15) / 16) * 2 * height) : DWORD(width * height * 4),
                      bits);
    return h;
}

HBITMAP CreateBitmapIndirect(const BITMAP* bitmap)
{
    if (!bitmap)
        return nullptr;
    return CreateBitmap(bitmap->bmWidth, bitmap->bmHeight, bitmap->bmPlanes, bitmap->bmBitsPixel,
                        bitmap->bmBits);
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD)
{
    if (bits)
        *bits = nullptr;
    if (!info || usage != DIB_RGB_COLORS || section || info->bmiHeader.biBitCount != 32 ||
        (info->bmiHeader.biCompression != BI_RGB && info->bmiHeader.biCompression != BI_BITFIELDS))
        return nullptr;
    const int width = info->bmiHeader.biWidth;
    if (info->bmiHeader.biHeight < -kMaxBitmapSide)
        return nullptr;
    const int height = std::abs(info->bmiHeader.biHeight);
    if (info->bmiHeader.biHeight < 0) {
        HBITMAP h = NewBitmap(width, height, 32, true, true, 0);
        auto bm = FindBitmap(h);
        if (bm) {
            bm->bits = cairo_image_surface_get_data(bm->surface.get());
            if (bits)
                *bits = bm->bits;
        }
        return h;
    }
    // Bottom-up, the Windows default: the first row in memory is the bottom row of the image.
    // The surface starts at the last row and steps backwards through the caller's memory.
    if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide ||
        static_cast<long long>(width) * height > kMaxBitmapPixels)
        return nullptr;
    auto b = std::make_shared<BitmapObject>();
    b->width = width;
    b->height = height;
    b->alphaChannel = true;
    b->dibSection = true;
    b->storage.reset(new (std::nothrow) std::uint32_t[size_t(width) * size_t(height)]());
    if (!b->storage)
        return nullptr;
    auto* lastRow =
        reinterpret_cast<unsigned char*>(b->storage.get() + size_t(width) * (height - 1));
    b->surface.reset(cairo_image_surface_create_for_data(lastRow, CAIRO_FORMAT_ARGB32, width,
                                                         height, -4 * width));
    if (cairo_surface_status(b->surface.get()) != CAIRO_STATUS_SUCCESS)
        return nullptr;
    b->bits = b->storage.get();
    if (bits)
        *bits = b->bits;
    return static_cast<HBITMAP>(GdiTable::Instance().Add(b));
}

LONG GetBitmapBits(HBITMAP bitmap, LONG size, LPVOID bits)
{
    auto bm = FindBitmap(bitmap);
    if (!bm || !bits || size <= 0)
        return 0;
    int stride = 0;
    const std::uint32_t* p = SurfacePixels(bm->surface.get(), &stride);
    auto* out = static_cast<BYTE*>(bits);
    LONG written = 0;
    if (bm->bitsPixel == 1) {
        const int rowBytes = ((bm->width + 15) / 16) * 2;
        for (int y = 0; y < bm->height && written + rowBytes <= size; ++y) {
            std::memset(out + written, 0, size_t(rowBytes));
            for (int x = 0; x < bm->width; ++x)
                if (p[y * stride + x] & 0xFFFFFF)
                    out[written + x / 8] |= BYTE(0x80 >> (x % 8));
            written += rowBytes;
        }
        return written;
    }
    const LONG rowBytes = bm->width * 4;
    for (int y = 0; y < bm->height && written + rowBytes <= size; ++y) {
        std::memcpy(out + written, p + y * stride, size_t(rowBytes));
        written += rowBytes;
    }
    return written;
}

LONG SetBitmapBits(HBITMAP bitmap, DWORD size, const void* bits)
{
    auto bm = FindBitmap(bitmap);
    if (!bm || !bits || bm->stock)
        return 0;
    int stride = 0;
    std::uint32_t* p = SurfacePixels(bm->surface.get(), &stride);
    const auto* in = static_cast<const BYTE*>(bits);
    LONG read = 0;
    if (bm->bitsPixel == 1) {
        const LONG rowBytes = ((bm->width + 15) / 16) * 2;
        for (int y = 0; y < bm->height && read + rowBytes <= LONG(size); ++y) {
            for (int x = 0; x < bm->width; ++x)
                p[y * stride + x] =
                    (in[read + x / 8] & (0x80 >> (x % 8))) ? 0xFFFFFFFFu : 0xFF000000u;
            read += rowBytes;
        }
    } else {
        const LONG rowBytes = bm->width * 4;
        for (int y = 0; y < bm->height && read + rowBytes <= LONG(size); ++y) {
            std::memcpy(p + y * stride, in + read, size_t(rowBytes));
            read += rowBytes;
        }
    }
    cairo_surface_mark_dirty(bm->surface.get());
    return read;
}
