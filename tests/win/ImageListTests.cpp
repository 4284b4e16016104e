// Image lists: how bitmaps and icons become images, which pixels are transparent, and how the
// draw styles put them on a surface. Checked on the pixels of a memory DC.

#include "platform/win/WinCtl.h"
#include "platform/win/afxwin.h"
#include "tests/win/GdiTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A 32-bit bitmap of vertical stripes, each `stripe` pixels wide.
HBITMAP Stripes(const std::vector<COLORREF>& colors, int stripe, int height)
{
    HBITMAP out = CreateBitmap(stripe * static_cast<int>(colors.size()), height, 1, 32, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, out);
    for (std::size_t i = 0; i < colors.size(); ++i) {
        HBRUSH b = CreateSolidBrush(colors[i]);
        RECT r{static_cast<int>(i) * stripe, 0, static_cast<int>(i + 1) * stripe, height};
        FillRect(dc, &r, b);
        DeleteObject(b);
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    return out;
}

HICON SolidIcon(int size, std::uint32_t argb, bool clearCorner = false)
{
    std::vector<std::uint32_t> pixels(std::size_t(size * size), argb);
    if (clearCorner)
        pixels[0] = 0;
    return zt::win::CreateIconFromArgb(size, size, pixels.data());
}

} // namespace

TEST(ImageList, AWideBitmapIsCutIntoImagesOfTheListWidth)
{
    HIMAGELIST list = ImageList_Create(8, 6, ILC_COLOR32, 4, 4);
    ASSERT_NE(list, nullptr);
    int cx = 0;
    int cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
    EXPECT_EQ(cx * 100 + cy, 806);
    HBITMAP strip = Stripes({kRed, kGreen, kBlue}, 8, 6);
    EXPECT_EQ(ImageList_Add(list, strip, nullptr), 0);
    DeleteObject(strip); // the list keeps its own copy
    EXPECT_EQ(ImageList_GetImageCount(list), 3);
    IMAGEINFO info{};
    ASSERT_TRUE(ImageList_GetImageInfo(list, 2, &info));
    EXPECT_EQ(info.rcImage.left, 16);
    EXPECT_EQ(info.rcImage.bottom - info.rcImage.top, 6);

    const COLORREF expected[] = {kRed, kGreen, kBlue};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        Canvas c(20, 20);
        ASSERT_TRUE(ImageList_Draw(list, i, c.dc, 5, 7, ILD_NORMAL));
        EXPECT_EQ(c.At(5, 7), expected[i]);
        EXPECT_EQ(c.At(12, 12), expected[i]);
        EXPECT_EQ(c.At(13, 7), kWhite); // just right of the image
        EXPECT_EQ(c.At(5, 13), kWhite); // just below it
    }
    // DrawEx draws part of an image.
    Canvas part(10, 10);
    ASSERT_TRUE(ImageList_DrawEx(list, 0, part.dc, 0, 0, 4, 3, CLR_NONE, CLR_NONE, ILD_NORMAL));
    EXPECT_EQ(part.At(3, 2), kRed);
    EXPECT_EQ(part.At(4, 2), kWhite);
    EXPECT_EQ(part.At(3, 3), kWhite);
    // ILD_BLEND50 mixes the foreground colour in by half.
    ImageList_DrawEx(list, 0, part.dc, 0, 0, 0, 0, CLR_NONE, kBlue, ILD_BLEND50);
    EXPECT_NEAR(GetRValue(part.At(2, 2)), 128, 2);
    EXPECT_NEAR(GetBValue(part.At(2, 2)), 128, 2);
    ImageList_Destroy(list);
}

TEST(ImageList, MasksMakePixelsTransparentOnlyInMaskedLists)
{
    // One image: a magenta left half and a red right half; the mask bitmap is white (transparent)
    // on the left half.
    const int rowBytes = 2;
    std::vector<BYTE> maskBits(std::size_t(rowBytes * 4), 0);
    for (int y = 0; y < 4; ++y)
        maskBits[std::size_t(y * rowBytes)] = 0xF0;
    struct Case
    {
        const char* name;
        UINT flags;
        bool byColour;
        COLORREF left;
    };
    for (const Case& k : {Case{"mask bitmap", ILC_COLOR24 | ILC_MASK, false, kGreen},
                          Case{"mask colour", ILC_COLOR32 | ILC_MASK, true, kGreen},
                          Case{"no ILC_MASK", ILC_COLOR24, false, kMagenta}}) {
        SCOPED_TRACE(k.name);
        HIMAGELIST list = ImageList_Create(8, 4, k.flags, 1, 1);
        HBITMAP image = Stripes({kMagenta, kRed}, 4, 4);
        HBITMAP mask = CreateBitmap(8, 4, 1, 1, maskBits.data());
        ASSERT_EQ(k.byColour ? ImageList_AddMasked(list, image, kMagenta)
                             : ImageList_Add(list, image, mask),
                  0);
        DeleteObject(mask);
        Canvas c(8, 4, kGreen);
        ImageList_Draw(list, 0, c.dc, 0, 0, ILD_TRANSPARENT);
        EXPECT_EQ(c.At(1, 1), k.left);
        EXPECT_EQ(c.At(6, 1), kRed);
        // ILD_NORMAL puts the list's background colour behind masked images.
        ImageList_SetBkColor(list, kBlue);
        ImageList_Draw(list, 0, c.dc, 0, 0, ILD_NORMAL);
        EXPECT_EQ(c.At(1, 1), k.left == kGreen ? kBlue : kMagenta);
        // ILD_MASK shows the shape: white where transparent, black where the image is.
        ImageList_Draw(list, 0, c.dc, 0, 0, ILD_MASK);
        EXPECT_EQ(c.At(1, 1), k.left == kGreen ? kWhite : RGB(0, 0, 0));
        EXPECT_EQ(c.At(6, 1), RGB(0, 0, 0));
        // The caller's bitmap is left as it was.
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, image);
        EXPECT_EQ(GetPixel(dc, 0, 0), kMagenta);
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(image);
        ImageList_Destroy(list);
    }
}

TEST(ImageList, IconsAreScaledToTheImageSizeReplacedAndGivenBack)
{
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 2);
    HICON red = SolidIcon(8, 0xFFFF0000u);
    HICON blue = SolidIcon(8, 0xFF0000FFu, true);
    EXPECT_EQ(ImageList_AddIcon(list, red), 0);
    EXPECT_EQ(ImageList_ReplaceIcon(list, 0, blue), 0);
    EXPECT_EQ(ImageList_ReplaceIcon(list, 5, red), -1);
    EXPECT_EQ(ImageList_GetImageCount(list), 1);
    DestroyIcon(red);
    DestroyIcon(blue);

    Canvas c(16, 16, kGreen);
    ImageList_Draw(list, 0, c.dc, 0, 0, ILD_TRANSPARENT);
    EXPECT_EQ(c.At(1, 1), kGreen); // the transparent corner, enlarged
    EXPECT_EQ(c.At(15, 15), kBlue);

    HICON back = ImageList_GetIcon(list, 0, ILD_NORMAL);
    ASSERT_NE(back, nullptr);
    Canvas d(16, 16, kGreen);
    DrawIconEx(d.dc, 0, 0, back, 0, 0, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(d.At(8, 8), kBlue);
    EXPECT_EQ(d.At(0, 0), kGreen);
    DestroyIcon(back);
    ImageList_Destroy(list);
}

TEST(ImageList, BadHandlesIndicesAndSizesFailQuietly)
{
    EXPECT_EQ(ImageList_Create(0, 16, ILC_COLOR32, 1, 1), nullptr);
    EXPECT_EQ(ImageList_Create(16, -1, ILC_COLOR32, 1, 1), nullptr);
    auto bogus = reinterpret_cast<HIMAGELIST>(std::uintptr_t{0x1234});
    EXPECT_EQ(ImageList_GetImageCount(bogus), 0);
    EXPECT_EQ(ImageList_Add(bogus, nullptr, nullptr), -1);
    EXPECT_FALSE(ImageList_Destroy(bogus));
    EXPECT_FALSE(ImageList_Destroy(nullptr));

    HIMAGELIST list = ImageList_Create(4, 4, ILC_COLOR32, 1, 1);
    EXPECT_EQ(ImageList_Add(list, nullptr, nullptr), -1);
    Canvas c(4, 4);
    EXPECT_FALSE(ImageList_Draw(list, 0, c.dc, 0, 0, ILD_NORMAL));
    HBITMAP image = Stripes({kRed}, 4, 4);
    ImageList_Add(list, image, nullptr);
    DeleteObject(image);
    EXPECT_FALSE(ImageList_Draw(list, -1, c.dc, 0, 0, ILD_NORMAL));
    EXPECT_FALSE(ImageList_Draw(list, 0, nullptr, 0, 0, ILD_NORMAL));
    IMAGEINFO info{};
    EXPECT_FALSE(ImageList_GetImageInfo(list, 1, &info));
    EXPECT_FALSE(ImageList_GetImageInfo(list, 0, nullptr));
    EXPECT_FALSE(ImageList_Remove(list, 3));
    EXPECT_TRUE(ImageList_Remove(list, -1));
    EXPECT_EQ(ImageList_GetImageCount(list), 0);
    EXPECT_EQ(c.At(1, 1), kWhite);
    ImageList_Destroy(list);
}

TEST(CImageList, WrapsOneListAndDestroysItWithTheObject)
{
    HIMAGELIST handle = nullptr;
    {
        CImageList images;
        EXPECT_EQ(images.GetSafeHandle(), nullptr);
        ASSERT_TRUE(images.Create(8, 5, ILC_COLOR32 | ILC_MASK, 2, 2));
        handle = images.GetSafeHandle();
        EXPECT_EQ(images.m_hImageList, handle);
        CBitmap strip;
        strip.Attach(Stripes({kRed, kMagenta}, 8, 5));
        EXPECT_EQ(images.Add(&strip, kMagenta), 0);
        EXPECT_EQ(images.Add(&strip, static_cast<CBitmap*>(nullptr)), 2);
        HICON icon = SolidIcon(4, 0xFF0000FFu);
        EXPECT_EQ(images.Add(icon), 4);
        DestroyIcon(icon);
        EXPECT_EQ(images.GetImageCount(), 5);

        CDC dc;
        Canvas c(8, 5, kGreen);
        dc.Attach(c.dc);
        EXPECT_TRUE(images.Draw(&dc, 1, CPoint(0, 0), ILD_TRANSPARENT));
        EXPECT_EQ(c.At(2, 2), kGreen); // magenta was the mask colour
        EXPECT_TRUE(images.Draw(&dc, 4, CPoint(0, 0), ILD_NORMAL));
        EXPECT_EQ(c.At(2, 2), kBlue);
        dc.Detach();
    }
    EXPECT_FALSE(ImageList_Destroy(handle)) << "the object destroyed its list";

    CImageList owner;
    owner.Create(4, 4, ILC_COLOR32, 1, 1);
    HIMAGELIST kept = owner.Detach();
    EXPECT_FALSE(owner.DeleteImageList());
    EXPECT_TRUE(ImageList_Destroy(kept));
}
