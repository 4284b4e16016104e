// Device-independent bitmaps: reading and writing bitmap pixels in the DIB layouts that image
// and resource code hands around (24- and 32-bit, top-down or bottom-up).

#include "platform/win/WinGdi.h"
#include "platform/win/gdi/DeviceContext.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace zt::win {
HBITMAP NewBitmap(int width, int height, int bitsPixel, bool alphaChannel, bool dibSection,
                  std::uint32_t fill);
} // namespace zt::win

using namespace zt::win;

namespace {

struct DibLayout
{
    int width = 0;
    int height = 0; // rows
    bool bottomUp = true;
    int bitCount = 0;
    size_t stride = 0; // bytes per row, padded to 4
};

bool LayoutOf(const BITMAPINFO* info, DibLayout& out)
{
    if (!info)
        return false;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    if ((h.biBitCount != 24 && h.biBitCount != 32) ||
        (h.biCompression != BI_RGB && h.biCompression != BI_BITFIELDS) || h.biWidth <= 0 ||
        h.biHeight == 0 || h.biWidth > 32767 || h.biHeight > 32767 || h.biHeight < -32767)
        return false;
    out.width = h.biWidth;
    out.height = std::abs(h.biHeight);
    out.bottomUp = h.biHeight > 0;
    out.bitCount = h.biBitCount;
    out.stride = ((size_t(out.width) * out.bitCount + 31) / 32) * 4;
    return true;
}

std::uint32_t PixelFromDib(const DibLayout& l, const BYTE* row, int x)
{
    if (l.bitCount == 32) {
        std::uint32_t v;
        std::memcpy(&v, row + size_t(x) * 4, 4);
        return v;
    }
    const BYTE* p = row + size_t(x) * 3;
    return 0xFF000000u | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
}

} // namespace

int SetDIBits(HDC, HBITMAP bitmap, UINT start, UINT lines, const void* bits, const BITMAPINFO* info,
              UINT usage)
{
    auto bm = FindBitmap(bitmap);
    DibLayout l;
    if (!bm || !bits || usage != DIB_RGB_COLORS || !LayoutOf(info, l) || bm->stock)
        return 0;
    int stride = 0;
    std::uint32_t* out = SurfacePixels(bm->surface.get(), &stride);
    if (!out)
        return 0;
    // Scan lines count from the bottom of a bottom-up DIB, from the top of a top-down one.
    int done = 0;
    for (UINT i = 0; i < lines; ++i) {
        const int scan = int(start + i);
        if (scan >= l.height)
            break;
        const int y = l.bottomUp ? l.height - 1 - scan : scan;
        if (y >= bm->height)
            continue;
        const BYTE* row = static_cast<const BYTE*>(bits) + size_t(i) * l.stride;
        for (int x = 0; x < std::min(l.width, bm->width); ++x) {
            std::uint32_t v = PixelFromDib(l, row, x);
            if (!bm->alphaChannel)
                v |= 0xFF000000u;
            out[y * stride + x] = v;
        }
        ++done;
    }
    cairo_surface_mark_dirty(bm->surface.get());
    return done;
}

int GetDIBits(HDC, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits, BITMAPINFO* info,
              UINT usage)
{
    auto bm = FindBitmap(bitmap);
    if (!bm || !info || usage != DIB_RGB_COLORS)
        return 0;
    if (!bits) {
        // The caller asks for the format: a 32-bit bottom-up DIB unless it set one.
        BITMAPINFOHEADER& h = info->bmiHeader;
        if (h.biBitCount == 0) {
            h.biWidth = bm->width;
            h.biHeight = bm->height;
            h.biPlanes = 1;
            h.biBitCount = 32;
            h.biCompression = BI_RGB;
            h.biSizeImage = DWORD(bm->width) * DWORD(bm->height) * 4;
        }
        return bm->height;
    }
    DibLayout l;
    if (!LayoutOf(info, l))
        return 0;
    if (bm->dibSection)
        cairo_surface_mark_dirty(bm->surface.get());
    int stride = 0;
    const std::uint32_t* in = SurfacePixels(bm->surface.get(), &stride);
    if (!in)
        return 0;
    int done = 0;
    for (UINT i = 0; i < lines; ++i) {
        const int scan = int(start + i);
        if (scan >= l.height)
            break;
        const int y = l.bottomUp ? l.height - 1 - scan : scan;
        BYTE* row = static_cast<BYTE*>(bits) + size_t(i) * l.stride;
        std::memset(row, 0, l.stride);
        if (y < bm->height) {
            for (int x = 0; x < std::min(l.width, bm->width); ++x) {
                const std::uint32_t v = in[y * stride + x];
                if (l.bitCount == 32) {
                    std::memcpy(row + size_t(x) * 4, &v, 4);
                } else {
                    row[size_t(x) * 3] = BYTE(v);
                    row[size_t(x) * 3 + 1] = BYTE(v >> 8);
                    row[size_t(x) * 3 + 2] = BYTE(v >> 16);
                }
            }
        }
        ++done;
    }
    return done;
}

HBITMAP CreateDIBitmap(HDC dc, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                       const BITMAPINFO* info, UINT usage)
{
    if (!header || header->biWidth <= 0 || header->biHeight == 0 || header->biHeight < -32767)
        return nullptr;
    // A device-dependent bitmap: no alpha channel, like the display it is made for.
    HBITMAP bitmap =
        NewBitmap(header->biWidth, std::abs(header->biHeight), 32, false, false, 0xFF000000u);
    if (bitmap && (init & CBM_INIT) && bits && info) {
        DibLayout l;
        if (LayoutOf(info, l))
            SetDIBits(dc, bitmap, 0, UINT(l.height), bits, info, usage);
    }
    return bitmap;
}

int StretchDIBits(HDC hdc, int x, int y, int width, int height, int xSource, int ySource,
                  int widthSource, int heightSource, const void* bits, const BITMAPINFO* info,
                  UINT usage, DWORD rop)
{
    DibLayout l;
    if (!FindDC(hdc) || !bits || usage != DIB_RGB_COLORS || !LayoutOf(info, l))
        return 0;
    HBITMAP image = NewBitmap(l.width, l.height, 32, false, false, 0xFF000000u);
    if (!image)
        return 0;
    SetDIBits(hdc, image, 0, UINT(l.height), bits, info, usage);
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(source, image);
    // The source rectangle of a bottom-up DIB is measured from its bottom row.
    const int top = l.bottomUp ? l.height - ySource - heightSource : ySource;
    const BOOL ok =
        StretchBlt(hdc, x, y, width, height, source, xSource, top, widthSource, heightSource, rop);
    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(image);
    return ok ? int(std::abs(0ll + heightSource)) : 0;
}

int SetDIBitsToDevice(HDC hdc, int x, int y, DWORD width, DWORD height, int xSource, int ySource,
                      UINT, UINT, const void* bits, const BITMAPINFO* info, UINT usage)
{
    return StretchDIBits(hdc, x, y, int(width), int(height), xSource, ySource, int(width),
                         int(height), bits, info, usage, SRCCOPY);
}
