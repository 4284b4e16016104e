#include "GdiTestSupport.h"

#include <cstdint>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// A 32-bit top-down DIB section selected into its own DC.
struct Dib
{
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    std::uint32_t* bits = nullptr;
    Dib(int w, int h)
    {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bi.bmiHeader.biWidth = w;
        bi.bmiHeader.biHeight = -h;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* p = nullptr;
        bitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &p, nullptr, 0);
        bits = static_cast<std::uint32_t*>(p);
        dc = CreateCompatibleDC(nullptr);
        old = SelectObject(dc, bitmap);
    }
    ~Dib()
    {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
};

int Near(COLORREF a, COLORREF b)
{
    return std::max({std::abs(GetRValue(a) - GetRValue(b)), std::abs(GetGValue(a) - GetGValue(b)),
                     std::abs(GetBValue(a) - GetBValue(b))});
}

} // namespace

TEST(GdiBitmaps, DibSectionPixelsAreVisibleThroughTheDC)
{
    Dib dib(4, 2);
    ASSERT_NE(dib.bits, nullptr);
    dib.bits[0] = 0xFF112233;
    dib.bits[4 + 3] = 0xFFAABBCC;
    EXPECT_EQ(GetPixel(dib.dc, 0, 0), RGB(0x11, 0x22, 0x33));
    EXPECT_EQ(GetPixel(dib.dc, 3, 1), RGB(0xAA, 0xBB, 0xCC));
    SetPixel(dib.dc, 1, 0, RGB(1, 2, 3));
    EXPECT_EQ(dib.bits[1], 0xFF010203u);
    BITMAP bm{};
    ASSERT_EQ(GetObjectW(dib.bitmap, sizeof(bm), &bm), int(sizeof(bm)));
    EXPECT_EQ(bm.bmWidth, 4);
    EXPECT_EQ(bm.bmHeight, 2);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(bm.bmWidthBytes, 16);
    EXPECT_EQ(bm.bmBits, dib.bits);
}

TEST(GdiBitmaps, AlphaBlendUsesPerPixelAndConstantAlpha)
{
    Dib src(2, 1);
    src.bits[0] = 0x80800000; // red at half coverage, premultiplied
    src.bits[1] = 0x00000000; // fully transparent
    Canvas c(4, 4);
    BLENDFUNCTION perPixel{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ASSERT_TRUE(AlphaBlend(c.dc, 0, 0, 2, 1, src.dc, 0, 0, 2, 1, perPixel));
    EXPECT_LE(Near(c.At(0, 0), RGB(255, 127, 127)), 2);
    EXPECT_EQ(c.At(1, 0), kWhite);

    src.bits[0] = 0xFF0000FF;
    BLENDFUNCTION constant{AC_SRC_OVER, 0, 128, 0};
    ASSERT_TRUE(AlphaBlend(c.dc, 0, 2, 1, 1, src.dc, 0, 0, 1, 1, constant));
    EXPECT_LE(Near(c.At(0, 2), RGB(127, 127, 255)), 2);
    EXPECT_FALSE(AlphaBlend(c.dc, 0, 0, 4, 4, src.dc, 0, 0, 4, 4, perPixel))
        << "source rectangle outside the source";
}

TEST(GdiBitmaps, BlitRopsCombineSourceAndDestination)
{
    struct Case
    {
        DWORD rop;
        COLORREF expected;
    };
    const COLORREF s = RGB(0xF0, 0x0F, 0x55);
    const COLORREF d = RGB(0x3C, 0x3C, 0xFF);
    const Case cases[] = {
        {SRCCOPY, s},
        {SRCPAINT, RGB(0xFC, 0x3F, 0xFF)},
        {SRCAND, RGB(0x30, 0x0C, 0x55)},
        {SRCINVERT, RGB(0xCC, 0x33, 0xAA)},
        {NOTSRCCOPY, RGB(0x0F, 0xF0, 0xAA)},
    };
    Canvas src(4, 4, s);
    for (const auto& tc : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << tc.rop);
        Canvas dst(6, 6, d);
        ASSERT_TRUE(BitBlt(dst.dc, 1, 1, 4, 4, src.dc, 0, 0, tc.rop));
        EXPECT_EQ(dst.At(1, 1), tc.expected);
        EXPECT_EQ(dst.At(4, 4), tc.expected);
        EXPECT_EQ(dst.At(5, 5), d);
        EXPECT_EQ(dst.At(0, 0), d);
    }
}

TEST(GdiBitmaps, SourceInvertTwiceRestoresTheDestination)
{
    Canvas src(8, 8);
    Selected brush(src.dc, CreateSolidBrush(RGB(12, 200, 99)));
    Ellipse(src.dc, 0, 0, 8, 8);
    Canvas dst(8, 8, RGB(40, 50, 60));
    const auto before = dst.Pixels();
    BitBlt(dst.dc, 0, 0, 8, 8, src.dc, 0, 0, SRCINVERT);
    EXPECT_NE(dst.Pixels(), before);
    BitBlt(dst.dc, 0, 0, 8, 8, src.dc, 0, 0, SRCINVERT);
    EXPECT_EQ(dst.Pixels(), before);
}

TEST(GdiBitmaps, StretchBltScalesWithoutSmoothingByDefault)
{
    Canvas src(2, 2);
    SetPixel(src.dc, 0, 0, RGB(255, 0, 0));
    SetPixel(src.dc, 1, 1, RGB(0, 0, 255));
    Canvas dst(4, 4);
    ASSERT_TRUE(StretchBlt(dst.dc, 0, 0, 4, 4, src.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(dst.At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(dst.At(1, 1), RGB(255, 0, 0));
    EXPECT_EQ(dst.At(2, 2), RGB(0, 0, 255));
    EXPECT_EQ(dst.At(3, 0), kWhite);
}

TEST(GdiBitmaps, TransparentBltSkipsTheKeyColour)
{
    Canvas src(3, 1, RGB(255, 0, 255));
    SetPixel(src.dc, 1, 0, RGB(0, 128, 0));
    Canvas dst(3, 1, RGB(10, 10, 10));
    ASSERT_TRUE(TransparentBlt(dst.dc, 0, 0, 3, 1, src.dc, 0, 0, 3, 1, RGB(255, 0, 255)));
    EXPECT_EQ(dst.At(0, 0), RGB(10, 10, 10));
    EXPECT_EQ(dst.At(1, 0), RGB(0, 128, 0));
    EXPECT_EQ(dst.At(2, 0), RGB(10, 10, 10));
}

TEST(GdiBitmaps, MonochromeSourceTakesTextAndBackgroundColours)
{
    const BYTE bits[] = {0x80, 0x00, 0x40, 0x00}; // 2 x 2: (0,0) set, (1,1) set
    HBITMAP mono = CreateBitmap(2, 2, 1, 1, bits);
    HDC monoDc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(monoDc, mono);
    Canvas dst(2, 2);
    SetTextColor(dst.dc, RGB(255, 0, 0));
    SetBkColor(dst.dc, RGB(0, 0, 255));
    BitBlt(dst.dc, 0, 0, 2, 2, monoDc, 0, 0, SRCCOPY);
    EXPECT_EQ(dst.At(0, 0), RGB(0, 0, 255)) << "1 bits take the background colour";
    EXPECT_EQ(dst.At(1, 0), RGB(255, 0, 0)) << "0 bits take the text colour";
    EXPECT_EQ(dst.At(1, 1), RGB(0, 0, 255));
    SelectObject(monoDc, old);
    DeleteObject(mono);
    DeleteDC(monoDc);
}

TEST(GdiBitmaps, CompatibleBitmapOfAFreshMemoryDcIsMonochrome)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP b = CreateCompatibleBitmap(dc, 4, 4);
    BITMAP bm{};
    GetObjectW(b, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    DeleteObject(b);
    DeleteDC(dc);
}

TEST(GdiBitmaps, IconWithAlphaBlendsOverTheBackground)
{
    const std::uint32_t pixels[4] = {0xFFFF0000, 0x80FF0000, 0x00FF0000, 0xFF0000FF};
    HICON icon = zt::win::CreateIconFromArgb(2, 2, pixels);
    ASSERT_NE(icon, nullptr);
    Canvas c(8, 8);
    ASSERT_TRUE(DrawIconEx(c.dc, 1, 1, icon, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(c.At(1, 1), RGB(255, 0, 0));
    EXPECT_LE(Near(c.At(2, 1), RGB(255, 127, 127)), 2);
    EXPECT_EQ(c.At(1, 2), kWhite);
    EXPECT_EQ(c.At(2, 2), RGB(0, 0, 255));
    EXPECT_EQ(c.At(3, 3), kWhite);

    Canvas big(8, 8);
    ASSERT_TRUE(DrawIconEx(big.dc, 0, 0, icon, 4, 4, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(big.At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(big.At(3, 3), RGB(0, 0, 255));
    EXPECT_EQ(big.At(4, 4), kWhite);
    Canvas standard(40, 40);
    ASSERT_TRUE(DrawIcon(standard.dc, 0, 0, icon));
    EXPECT_EQ(standard.InkBox().right, 32) << "DrawIcon draws at the standard icon size";
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_FALSE(DestroyIcon(icon));
}

TEST(GdiBitmaps, IconWithoutAlphaUsesItsMask)
{
    Canvas screen(1, 1);
    // A device-dependent colour bitmap has no alpha channel, so the mask decides.
    HBITMAP color = CreateCompatibleBitmap(screen.dc, 2, 1);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, color);
    SetPixel(dc, 0, 0, RGB(0, 200, 0));
    SetPixel(dc, 1, 0, RGB(0, 200, 0));
    SelectObject(dc, old);
    DeleteDC(dc);
    const BYTE maskBits[] = {0x40, 0x00}; // the second pixel is transparent
    HBITMAP mask = CreateBitmap(2, 1, 1, 1, maskBits);
    ICONINFO info{TRUE, 0, 0, mask, color};
    HICON icon = CreateIconIndirect(&info);
    ASSERT_NE(icon, nullptr);
    Canvas c(2, 1);
    DrawIconEx(c.dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(c.At(0, 0), RGB(0, 200, 0));
    EXPECT_EQ(c.At(1, 0), kWhite);

    ICONINFO back{};
    ASSERT_TRUE(GetIconInfo(icon, &back));
    BITMAP bm{};
    GetObjectW(back.hbmColor, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmWidth, 2);
    GetObjectW(back.hbmMask, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    DeleteObject(back.hbmColor);
    DeleteObject(back.hbmMask);

    HICON copy = CopyIcon(icon);
    DestroyIcon(icon);
    Canvas c2(2, 1);
    EXPECT_TRUE(DrawIconEx(c2.dc, 0, 0, copy, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(c2.At(0, 0), RGB(0, 200, 0));
    DestroyIcon(copy);
    DeleteObject(color);
    DeleteObject(mask);
}

TEST(GdiBitmaps, BottomUpDibSectionKeepsWindowsRowOrder)
{
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = 3;
    bi.bmiHeader.biHeight = 2; // positive: bottom-up
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* p = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &p, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    auto* bits = static_cast<std::uint32_t*>(p);
    bits[0] = 0xFF0000FF; // first row in memory: the bottom row
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    EXPECT_EQ(GetPixel(dc, 0, 1), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 0));
    SetPixel(dc, 2, 0, RGB(0, 255, 0));
    EXPECT_EQ(bits[3 + 2], 0xFF00FF00u) << "the top row is last in memory";
    RECT top{0, 0, 3, 1};
    FillRect(dc, &top, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(bits[3], 0xFFFFFFFFu);
    EXPECT_EQ(bits[0], 0xFF0000FFu);
    BITMAP bm{};
    GetObjectW(bitmap, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmBits, p);
    EXPECT_EQ(bm.bmHeight, 2);
    Canvas copy(3, 2);
    BitBlt(copy.dc, 0, 0, 3, 2, dc, 0, 0, SRCCOPY);
    EXPECT_EQ(copy.At(0, 1), RGB(0, 0, 255));
    EXPECT_EQ(copy.At(1, 0), RGB(255, 255, 255));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

TEST(GdiBitmaps, DibPixelsGoInAndOutInBothRowOrders)
{
    // A 2 x 2 bottom-up 24-bit image: rows padded to 8 bytes, the bottom row first.
    const BYTE bottomUp24[16] = {0,   0, 255, 0,   255, 0,   0, 0,  // bottom: red, green
                                 255, 0, 0,   255, 255, 255, 0, 0}; // top: blue, white
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = 2;
    bi.bmiHeader.biHeight = 2;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    Canvas screen(1, 1);
    HBITMAP b = CreateDIBitmap(screen.dc, &bi.bmiHeader, CBM_INIT, bottomUp24, &bi, DIB_RGB_COLORS);
    ASSERT_NE(b, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, b);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc, 1, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 0, 1), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(0, 255, 0));
    SelectObject(dc, old);
    DeleteDC(dc);

    BITMAPINFO query{};
    query.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    EXPECT_EQ(GetDIBits(screen.dc, b, 0, 0, nullptr, &query, DIB_RGB_COLORS), 2);
    EXPECT_EQ(query.bmiHeader.biBitCount, 32);
    query.bmiHeader.biHeight = -2; // ask for top-down
    std::uint32_t topDown[4] = {};
    EXPECT_EQ(GetDIBits(screen.dc, b, 0, 2, topDown, &query, DIB_RGB_COLORS), 2);
    EXPECT_EQ(topDown[0] & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(topDown[2] & 0xFFFFFF, 0xFF0000u);

    Canvas target(4, 4);
    EXPECT_EQ(
        StretchDIBits(target.dc, 0, 0, 4, 4, 0, 0, 2, 2, bottomUp24, &bi, DIB_RGB_COLORS, SRCCOPY),
        2);
    EXPECT_EQ(target.At(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(target.At(3, 3), RGB(0, 255, 0));
    DeleteObject(b);
}
