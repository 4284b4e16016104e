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

// A 32-bit bitmap of vertical stripes, each `stripe` pixels wide, in the given colours.
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

// A monochrome mask: white (transparent) in the left half of every image, black elsewhere.
HBITMAP LeftHalfMask(int width, int height, int imageWidth)
{
    const int rowBytes = ((width + 15) / 16) * 2;
    std::vector<BYTE> bits(std::size_t(rowBytes * height), 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (x % imageWidth < imageWidth / 2)
                bits[std::size_t(y * rowBytes + x / 8)] |= BYTE(0x80 >> (x % 8));
    return CreateBitmap(width, height, 1, 1, bits.data());
}

struct ImageListTest : ::testing::Test
{
    HIMAGELIST list = nullptr;
    void TearDown() override
    {
        if (list)
            ImageList_Destroy(list);
    }
};

} // namespace

TEST_F(ImageListTest, AWideBitmapIsCutIntoImagesOfTheListWidth)
{
    list = ImageList_Create(8, 6, ILC_COLOR32, 4, 4);
    ASSERT_NE(list, nullptr);
    int cx = 0;
    int cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
    EXPECT_EQ(cx, 8);
    EXPECT_EQ(cy, 6);
    EXPECT_EQ(ImageList_GetImageCount(list), 0);

    HBITMAP strip = Stripes({kRed, kGreen, kBlue}, 8, 6);
    EXPECT_EQ(ImageList_Add(list, strip, nullptr), 0);
    DeleteObject(strip); // the list keeps its own copy
    EXPECT_EQ(ImageList_GetImageCount(list), 3);
    HBITMAP one = Stripes({kMagenta}, 8, 6);
    EXPECT_EQ(ImageList_Add(list, one, nullptr), 3);
    DeleteObject(one);

    IMAGEINFO info{};
    ASSERT_TRUE(ImageList_GetImageInfo(list, 2, &info));
    EXPECT_EQ(info.rcImage.left, 16);
    EXPECT_EQ(info.rcImage.bottom - info.rcImage.top, 6);

    const COLORREF expected[] = {kRed, kGreen, kBlue, kMagenta};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        Canvas c(20, 20);
        ASSERT_TRUE(ImageList_Draw(list, i, c.dc, 5, 7, ILD_NORMAL));
        EXPECT_EQ(c.At(5, 7), expected[i]);
        EXPECT_EQ(c.At(12, 12), expected[i]);
        EXPECT_EQ(c.At(13, 7), kWhite); // just right of the image
        EXPECT_EQ(c.At(5, 13), kWhite); // just below it
    }
}

TEST_F(ImageListTest, MasksDecideTransparencyOnlyInMaskedLists)
{
    struct Case
    {
        const char* name;
        UINT flags;
        bool masked;
    };
    for (const Case& k :
         {Case{"masked", ILC_COLOR24 | ILC_MASK, true}, Case{"unmasked", ILC_COLOR24, false}}) {
        SCOPED_TRACE(k.name);
        HIMAGELIST l = ImageList_Create(8, 4, k.flags, 1, 1);
        HBITMAP image = Stripes({kRed, kBlue}, 8, 4);
        HBITMAP mask = LeftHalfMask(16, 4, 8);
        ASSERT_EQ(ImageList_Add(l, image, mask), 0);
        DeleteObject(image);
        DeleteObject(mask);
        Canvas c(10, 6, kGreen);
        ImageList_Draw(l, 1, c.dc, 0, 0, ILD_TRANSPARENT);
        EXPECT_EQ(c.At(1, 1), k.masked ? kGreen : kBlue);
        EXPECT_EQ(c.At(6, 1), kBlue);
        ImageList_Destroy(l);
    }
}

TEST_F(ImageListTest, AddMaskedMakesTheMaskColourTransparentAndLeavesTheBitmapAlone)
{
    list = ImageList_Create(8, 4, ILC_COLOR24 | ILC_MASK, 1, 1);
    HBITMAP image = Stripes({kMagenta, kRed}, 4, 4); // one image: left magenta, right red
    EXPECT_EQ(ImageList_AddMasked(list, image, kMagenta), 0);
    HDC probe = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(probe, image);
    EXPECT_EQ(GetPixel(probe, 0, 0), kMagenta);
    SelectObject(probe, old);
    DeleteDC(probe);
    DeleteObject(image);

    Canvas c(8, 4, kGreen);
    ImageList_Draw(list, 0, c.dc, 0, 0, ILD_TRANSPARENT);
    EXPECT_EQ(c.At(1, 1), kGreen);
    EXPECT_EQ(c.At(6, 1), kRed);

    // ILD_NORMAL fills the transparent part with the list's background colour when it has one.
    EXPECT_EQ(ImageList_SetBkColor(list, kBlue), CLR_NONE);
    Canvas d(8, 4, kGreen);
    ImageList_Draw(list, 0, d.dc, 0, 0, ILD_NORMAL);
    EXPECT_EQ(d.At(1, 1), kBlue);
    Canvas e(8, 4, kGreen);
    ImageList_Draw(list, 0, e.dc, 0, 0, ILD_TRANSPARENT);
    EXPECT_EQ(e.At(1, 1), kGreen);
    // ILD_MASK shows the shape: white where transparent, black where the image is.
    Canvas m(8, 4, kGreen);
    ImageList_Draw(list, 0, m.dc, 0, 0, ILD_MASK);
    EXPECT_EQ(m.At(1, 1), kWhite);
    EXPECT_EQ(m.At(6, 1), RGB(0, 0, 0));
}

TEST_F(ImageListTest, IconsAreScaledToTheImageSizeAndCanBeReplaced)
{
    list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 2);
    std::vector<std::uint32_t> red(8 * 8, 0xFFFF0000u);
    std::vector<std::uint32_t> clearCorner(8 * 8, 0xFF0000FFu);
    clearCorner[0] = 0; // top-left pixel transparent
    HICON r = zt::win::CreateIconFromArgb(8, 8, red.data());
    HICON b = zt::win::CreateIconFromArgb(8, 8, clearCorner.data());
    EXPECT_EQ(ImageList_AddIcon(list, r), 0);
    EXPECT_EQ(ImageList_ReplaceIcon(list, 0, b), 0);
    EXPECT_EQ(ImageList_ReplaceIcon(list, 5, r), -1);
    EXPECT_EQ(ImageList_GetImageCount(list), 1);
    DestroyIcon(r);
    DestroyIcon(b);

    Canvas c(16, 16, kGreen);
    ImageList_Draw(list, 0, c.dc, 0, 0, ILD_TRANSPARENT);
    EXPECT_EQ(c.At(0, 0), kGreen);
    EXPECT_EQ(c.At(15, 15), kBlue);

    HICON back = ImageList_GetIcon(list, 0, ILD_NORMAL);
    ASSERT_NE(back, nullptr);
    Canvas d(16, 16, kGreen);
    DrawIconEx(d.dc, 0, 0, back, 0, 0, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(d.At(8, 8), kBlue);
    DestroyIcon(back);
}

TEST_F(ImageListTest, DrawExDrawsPartOfAnImageAndBlendsTheForeground)
{
    list = ImageList_Create(8, 8, ILC_COLOR24, 1, 1);
    HBITMAP image = Stripes({kRed}, 8, 8);
    ImageList_Add(list, image, nullptr);
    DeleteObject(image);
    Canvas c(10, 10);
    ASSERT_TRUE(ImageList_DrawEx(list, 0, c.dc, 0, 0, 4, 3, CLR_NONE, CLR_NONE, ILD_NORMAL));
    EXPECT_EQ(c.At(3, 2), kRed);
    EXPECT_EQ(c.At(4, 2), kWhite);
    EXPECT_EQ(c.At(3, 3), kWhite);

    Canvas blend(10, 10);
    ImageList_DrawEx(list, 0, blend.dc, 0, 0, 0, 0, CLR_NONE, kBlue, ILD_BLEND50);
    COLORREF p = blend.At(2, 2);
    EXPECT_NEAR(GetRValue(p), 128, 2);
    EXPECT_NEAR(GetBValue(p), 128, 2);
}

TEST_F(ImageListTest, BadHandlesIndicesAndSizesFailQuietly)
{
    EXPECT_EQ(ImageList_Create(0, 16, ILC_COLOR32, 1, 1), nullptr);
    EXPECT_EQ(ImageList_Create(16, -1, ILC_COLOR32, 1, 1), nullptr);
    auto bogus = reinterpret_cast<HIMAGELIST>(std::uintptr_t{0x1234});
    EXPECT_EQ(ImageList_GetImageCount(bogus), 0);
    EXPECT_EQ(ImageList_Add(bogus, nullptr, nullptr), -1);
    EXPECT_FALSE(ImageList_Destroy(bogus));
    EXPECT_FALSE(ImageList_Destroy(nullptr));

    list = ImageList_Create(4, 4, ILC_COLOR32, 1, 1);
    EXPECT_EQ(ImageList_Add(list, nullptr, nullptr), -1);
    Canvas c(4, 4);
    EXPECT_FALSE(ImageList_Draw(list, 0, c.dc, 0, 0, ILD_NORMAL));
    EXPECT_FALSE(ImageList_Draw(list, -1, c.dc, 0, 0, ILD_NORMAL));
    HBITMAP image = Stripes({kRed}, 4, 4);
    ImageList_Add(list, image, nullptr);
    DeleteObject(image);
    EXPECT_FALSE(ImageList_Draw(list, 0, nullptr, 0, 0, ILD_NORMAL));
    IMAGEINFO info{};
    EXPECT_FALSE(ImageList_GetImageInfo(list, 1, &info));
    EXPECT_FALSE(ImageList_GetImageInfo(list, 0, nullptr));
    EXPECT_FALSE(ImageList_Remove(list, 3));
    EXPECT_TRUE(ImageList_Remove(list, -1));
    EXPECT_EQ(ImageList_GetImageCount(list), 0);
    EXPECT_EQ(c.At(1, 1), kWhite);
}

TEST(CImageListTest, WrapsOneListAndDestroysItWithTheObject)
{
    HIMAGELIST handle = nullptr;
    {
        CImageList images;
        EXPECT_EQ(images.GetSafeHandle(), nullptr);
        EXPECT_EQ(images.GetImageCount(), 0);
        ASSERT_TRUE(images.Create(8, 5, ILC_COLOR32 | ILC_MASK, 2, 2));
        handle = images.GetSafeHandle();
        EXPECT_EQ(images.m_hImageList, handle);

        CBitmap strip;
        strip.Attach(Stripes({kRed, kMagenta}, 8, 5));
        EXPECT_EQ(images.Add(&strip, kMagenta), 0);
        EXPECT_EQ(images.Add(&strip, static_cast<CBitmap*>(nullptr)), 2);
        std::vector<std::uint32_t> blue(4 * 4, 0xFF0000FFu);
        HICON icon = zt::win::CreateIconFromArgb(4, 4, blue.data());
        EXPECT_EQ(images.Add(icon), 4);
        DestroyIcon(icon);
        EXPECT_EQ(images.GetImageCount(), 5);

        IMAGEINFO info{};
        ASSERT_TRUE(images.GetImageInfo(0, &info));
        EXPECT_EQ(info.rcImage.bottom - info.rcImage.top, 5);

        CDC dc;
        Canvas c(8, 5, kGreen);
        dc.Attach(c.dc);
        EXPECT_TRUE(images.Draw(&dc, 1, CPoint(0, 0), ILD_TRANSPARENT));
        EXPECT_EQ(c.At(2, 2), kGreen); // magenta was the mask colour
        EXPECT_TRUE(images.Draw(&dc, 4, CPoint(0, 0), ILD_NORMAL));
        EXPECT_EQ(c.At(2, 2), kBlue);
        dc.Detach();
    }
    EXPECT_EQ(ImageList_GetImageCount(handle), 0);
    EXPECT_FALSE(ImageList_Destroy(handle)) << "the object destroyed its list";

    CImageList owner;
    owner.Create(4, 4, ILC_COLOR32, 1, 1);
    HIMAGELIST kept = owner.Detach();
    EXPECT_FALSE(owner.DeleteImageList());
    EXPECT_TRUE(ImageList_Destroy(kept));
}
