#include "GdiTestSupport.h"

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

void FillAll(Canvas& c)
{
    RECT all{-100, -100, 200, 200};
    FillRect(c.dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}
} // namespace

TEST(GdiClip, ExcludedRectangleIsNotPaintedOver)
{
    Canvas c(20, 20);
    EXPECT_EQ(ExcludeClipRect(c.dc, 5, 5, 10, 10), COMPLEXREGION);
    FillAll(c);
    EXPECT_EQ(c.At(5, 5), CLR_INVALID) << "GetPixel answers nothing outside the clip";
    SelectClipRgn(c.dc, nullptr);
    EXPECT_EQ(c.At(5, 5), kWhite);
    EXPECT_EQ(c.At(9, 9), kWhite);
    EXPECT_EQ(c.At(10, 9), kBlack);
    EXPECT_EQ(c.At(4, 5), kBlack);
    EXPECT_EQ(c.Count(kWhite), 25);
}

TEST(GdiClip, ClipRectanglesAreLogicalAndFollowTheViewportOrigin)
{
    Canvas c(20, 20);
    SetViewportOrgEx(c.dc, 4, 4, nullptr);
    IntersectClipRect(c.dc, 0, 0, 3, 3);
    RECT box{};
    EXPECT_EQ(GetClipBox(c.dc, &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 3);
    FillAll(c);
    SetViewportOrgEx(c.dc, 0, 0, nullptr);
    SelectClipRgn(c.dc, nullptr);
    EXPECT_EQ(c.Count(kBlack), 9);
    EXPECT_EQ(c.At(4, 4), kBlack);
    EXPECT_EQ(c.At(6, 6), kBlack);
    EXPECT_EQ(c.At(7, 7), kWhite);
}

TEST(GdiClip, SelectedRegionIsCopiedAndInDeviceUnits)
{
    Canvas c(20, 20);
    HRGN region = CreateRectRgn(2, 2, 6, 6);
    SelectClipRgn(c.dc, region);
    // Changing the region afterwards does not change the DC's clip.
    SetRectRgn(region, 0, 0, 20, 20);
    SetViewportOrgEx(c.dc, 10, 10, nullptr);
    FillAll(c);
    SetViewportOrgEx(c.dc, 0, 0, nullptr);
    SelectClipRgn(c.dc, nullptr);
    EXPECT_EQ(c.Count(kBlack), 16);
    EXPECT_EQ(c.At(2, 2), kBlack);
    DeleteObject(region);
}

TEST(GdiClip, SaveAndRestoreBringBackClipColoursAndObjects)
{
    Canvas c(20, 20);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    SelectObject(c.dc, pen);
    SetTextColor(c.dc, RGB(9, 9, 9));
    const int level = SaveDC(c.dc);
    EXPECT_EQ(level, 1);
    IntersectClipRect(c.dc, 0, 0, 2, 2);
    SetTextColor(c.dc, RGB(7, 7, 7));
    SetViewportOrgEx(c.dc, 3, 3, nullptr);
    SelectObject(c.dc, GetStockObject(WHITE_PEN));
    SaveDC(c.dc);
    EXPECT_TRUE(RestoreDC(c.dc, level));
    EXPECT_FALSE(RestoreDC(c.dc, 1)) << "that level went with the restore";
    EXPECT_EQ(GetTextColor(c.dc), RGB(9, 9, 9));
    EXPECT_EQ(GetCurrentObject(c.dc, OBJ_PEN), pen);
    POINT org{};
    GetViewportOrgEx(c.dc, &org);
    EXPECT_EQ(org.x, 0);
    RECT box{};
    GetClipBox(c.dc, &box);
    EXPECT_EQ(box.right, 20);
    SelectObject(c.dc, GetStockObject(BLACK_PEN));
    DeleteObject(pen);
}

TEST(GdiClip, RestoreWithNegativeLevelCountsBack)
{
    Canvas c(4, 4);
    SetBkColor(c.dc, RGB(1, 1, 1));
    SaveDC(c.dc);
    SetBkColor(c.dc, RGB(2, 2, 2));
    SaveDC(c.dc);
    SetBkColor(c.dc, RGB(3, 3, 3));
    EXPECT_TRUE(RestoreDC(c.dc, -1));
    EXPECT_EQ(GetBkColor(c.dc), RGB(2, 2, 2));
    EXPECT_TRUE(RestoreDC(c.dc, -1));
    EXPECT_EQ(GetBkColor(c.dc), RGB(1, 1, 1));
    EXPECT_FALSE(RestoreDC(c.dc, -1));
}

TEST(GdiClip, RegionsCombineAndAnswerPointQueries)
{
    HRGN a = CreateRectRgn(0, 0, 10, 10);
    HRGN b = CreateRectRgn(5, 5, 15, 15);
    HRGN out = CreateRectRgn(0, 0, 0, 0);
    struct Case
    {
        int mode;
        int type;
        POINT in;
        POINT outside;
    };
    const Case cases[] = {
        {RGN_AND, SIMPLEREGION, {7, 7}, {2, 2}},    {RGN_OR, COMPLEXREGION, {2, 2}, {2, 12}},
        {RGN_XOR, COMPLEXREGION, {12, 12}, {7, 7}}, {RGN_DIFF, COMPLEXREGION, {2, 2}, {7, 7}},
        {RGN_COPY, SIMPLEREGION, {9, 9}, {10, 10}},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << tc.mode);
        EXPECT_EQ(CombineRgn(out, a, b, tc.mode), tc.type);
        EXPECT_TRUE(PtInRegion(out, tc.in.x, tc.in.y));
        EXPECT_FALSE(PtInRegion(out, tc.outside.x, tc.outside.y));
    }
    CombineRgn(out, a, b, RGN_OR);
    RECT box{};
    GetRgnBox(out, &box);
    EXPECT_EQ(box.right, 15);
    EXPECT_EQ(OffsetRgn(out, 100, 0), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(out, 102, 2));
    EXPECT_EQ(CombineRgn(out, a, nullptr, RGN_AND), ERROR);
    DeleteObject(a);
    DeleteObject(b);
    DeleteObject(out);
}

TEST(GdiClip, RoundRectRegionLeavesCornersOut)
{
    HRGN r = CreateRoundRectRgn(0, 0, 20, 20, 10, 10);
    EXPECT_FALSE(PtInRegion(r, 0, 0));
    EXPECT_FALSE(PtInRegion(r, 19, 19));
    EXPECT_TRUE(PtInRegion(r, 10, 0));
    EXPECT_TRUE(PtInRegion(r, 10, 10));
    EXPECT_FALSE(PtInRegion(r, 20, 10));
    Canvas c(20, 20);
    FillRgn(c.dc, r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(c.At(10, 10), kBlack);
    EXPECT_EQ(c.At(0, 0), kWhite);
    DeleteObject(r);
}

TEST(GdiClip, FrameRgnPaintsOnlyTheRim)
{
    Canvas c(20, 20);
    HRGN r = CreateRectRgn(2, 2, 12, 12);
    FrameRgn(c.dc, r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), 1, 1);
    EXPECT_EQ(c.At(2, 2), kBlack);
    EXPECT_EQ(c.At(11, 11), kBlack);
    EXPECT_EQ(c.At(5, 5), kWhite);
    EXPECT_EQ(c.Count(kBlack), 36);
    DeleteObject(r);
}

TEST(GdiClip, RestoreDcBringsBackTheSelectedBitmap)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP first = CreateBitmap(4, 4, 1, 32, nullptr);
    HBITMAP second = CreateBitmap(4, 4, 1, 32, nullptr);
    HGDIOBJ original = SelectObject(dc, first);
    const int level = SaveDC(dc);
    SelectObject(dc, second);
    SetPixel(dc, 0, 0, RGB(1, 2, 3));
    RestoreDC(dc, level);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), first);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 0)) << "drawing goes to the first bitmap again";
    HDC other = CreateCompatibleDC(nullptr);
    EXPECT_NE(SelectObject(other, second), nullptr) << "the second bitmap was let go";
    DeleteDC(other);
    SelectObject(dc, original);
    DeleteObject(first);
    DeleteObject(second);
    DeleteDC(dc);
}

TEST(GdiClip, LinesAndFillsFollowTheClipEachTimeItChanges)
{
    Canvas c(20, 20);
    ExcludeClipRect(c.dc, 5, 5, 10, 10);
    // Leftwards and upwards, so each leaves out its end at 0 and starts at 15.
    MoveToEx(c.dc, 15, 7, nullptr);
    LineTo(c.dc, 0, 7);
    MoveToEx(c.dc, 7, 15, nullptr);
    LineTo(c.dc, 7, 0);
    SelectClipRgn(c.dc, nullptr);
    int black = 0;
    for (int i = 0; i < 20; ++i) {
        const bool painted = i >= 1 && i <= 15 && (i < 5 || i > 9);
        EXPECT_EQ(c.At(i, 7), painted ? kBlack : kWhite) << "row pixel " << i;
        EXPECT_EQ(c.At(7, i), painted ? kBlack : kWhite) << "column pixel " << i;
        black += painted;
    }
    EXPECT_EQ(c.Count(kBlack), 2 * black);

    ExcludeClipRect(c.dc, 5, 5, 10, 10);
    const int saved = SaveDC(c.dc);
    IntersectClipRect(c.dc, 0, 0, 3, 3);
    FillAll(c);
    EXPECT_EQ(c.At(2, 2), kBlack);
    EXPECT_EQ(c.At(3, 3), CLR_INVALID) << "outside the narrowed clip";
    RestoreDC(c.dc, saved);
    FillAll(c);
    SelectClipRgn(c.dc, nullptr);
    EXPECT_EQ(c.Count(kWhite), 25) << "the hole comes back with the saved clip";
}
