#include "GdiTestSupport.h"

namespace {

// Something other than one flat colour, so that a wrong mix shows.
void PaintBackdrop(Canvas& c)
{
    TRIVERTEX v[2] = {{0, 0, 0x1200, 0x8000, 0xF000, 0},
                      {c.width, c.height, 0xF000, 0x3400, 0x0500, 0}};
    GRADIENT_RECT gr{0, 1};
    GradientFill(c.dc, v, 2, &gr, 1, GRADIENT_FILL_RECT_H);
    RECT band{0, c.height / 3, c.width, c.height / 2};
    FillRect(c.dc, &band, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

} // namespace

TEST(GdiRop, PatternInvertWithHalftoneBrushTwiceRestoresThePixels)
{
    Canvas c(40, 30);
    PaintBackdrop(c);
    const auto before = c.Pixels();
    HBRUSH halftone = MakeHalftoneBrush();
    HGDIOBJ old = SelectObject(c.dc, halftone);
    // An odd brush origin and an odd position, as a dragged tracking bar has.
    SetBrushOrgEx(c.dc, 3, 1, nullptr);
    ASSERT_TRUE(PatBlt(c.dc, 7, 2, 6, 25, PATINVERT));
    const auto once = c.Pixels();
    int changed = 0;
    for (size_t i = 0; i < once.size(); ++i)
        changed += once[i] != before[i];
    EXPECT_EQ(changed, 6 * 25 / 2);
    EXPECT_EQ(c.At(0, 0), before[0]);
    ASSERT_TRUE(PatBlt(c.dc, 7, 2, 6, 25, PATINVERT));
    EXPECT_EQ(c.Pixels(), before);
    SelectObject(c.dc, old);
    DeleteObject(halftone);
}

TEST(GdiRop, HalftoneInvertMakesACheckerboardOnWhite)
{
    Canvas c(8, 8);
    HBRUSH halftone = MakeHalftoneBrush();
    HGDIOBJ old = SelectObject(c.dc, halftone);
    PatBlt(c.dc, 0, 0, 8, 8, PATINVERT);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_NE(c.At(x, y), c.At(x + 1 < 8 ? x + 1 : x - 1, y)) << x << "," << y;
    SelectObject(c.dc, old);
    DeleteObject(halftone);
}

TEST(GdiRop, XorPenDrawnTwiceRestoresThePixels)
{
    Canvas c(40, 30);
    PaintBackdrop(c);
    const auto before = c.Pixels();
    Selected pen(c.dc, CreatePen(PS_SOLID, 1, RGB(0x5A, 0xC3, 0x11)));
    SelectObject(c.dc, GetStockObject(NULL_BRUSH));
    SetROP2(c.dc, R2_XORPEN);
    for (int pass = 0; pass < 2; ++pass) {
        MoveToEx(c.dc, 1, 1, nullptr);
        LineTo(c.dc, 38, 27);
        POINT poly[] = {{3, 20}, {20, 3}, {35, 25}, {3, 20}};
        Polyline(c.dc, poly, 4);
        Rectangle(c.dc, 5, 5, 30, 25);
        Ellipse(c.dc, 2, 2, 37, 28);
        if (pass == 0) {
            EXPECT_NE(c.Pixels(), before);
        }
    }
    EXPECT_EQ(c.Pixels(), before);
}

TEST(GdiRop, Rop2ModesMixPenAndDestination)
{
    struct Case
    {
        int rop2;
        COLORREF dest;
        COLORREF pen;
        COLORREF expected;
    };
    const Case cases[] = {
        {R2_COPYPEN, RGB(10, 20, 30), RGB(200, 100, 50), RGB(200, 100, 50)},
        {R2_NOT, RGB(10, 20, 30), RGB(200, 100, 50), RGB(245, 235, 225)},
        {R2_XORPEN, RGB(0xF0, 0x0F, 0xFF), RGB(0xFF, 0xFF, 0x0F), RGB(0x0F, 0xF0, 0xF0)},
        {R2_NOTXORPEN, RGB(0xF0, 0x0F, 0xFF), RGB(0xFF, 0xFF, 0x0F), RGB(0xF0, 0x0F, 0x0F)},
        {R2_MASKPEN, RGB(0xF0, 0x0F, 0xFF), RGB(0xFF, 0xFF, 0x0F), RGB(0xF0, 0x0F, 0x0F)},
        {R2_MERGEPEN, RGB(0xF0, 0x0F, 0x00), RGB(0x0F, 0x00, 0x0F), RGB(0xFF, 0x0F, 0x0F)},
        {R2_BLACK, RGB(10, 20, 30), RGB(200, 100, 50), RGB(0, 0, 0)},
        {R2_WHITE, RGB(10, 20, 30), RGB(200, 100, 50), RGB(255, 255, 255)},
        {R2_NOP, RGB(10, 20, 30), RGB(200, 100, 50), RGB(10, 20, 30)},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(testing::Message() << "rop2 " << tc.rop2);
        Canvas c(10, 3, tc.dest);
        Selected pen(c.dc, CreatePen(PS_SOLID, 1, tc.pen));
        SetROP2(c.dc, tc.rop2);
        MoveToEx(c.dc, 0, 1, nullptr);
        LineTo(c.dc, 10, 1);
        EXPECT_EQ(c.At(4, 1), tc.expected);
        EXPECT_EQ(c.At(4, 0), tc.dest);
    }
}

TEST(GdiRop, PatBltOperationsWithoutSource)
{
    struct Case
    {
        DWORD rop;
        COLORREF expected;
    };
    const COLORREF dest = RGB(10, 20, 30);
    const COLORREF brush = RGB(0x0F, 0xF0, 0x33);
    const Case cases[] = {
        {PATCOPY, brush},
        {PATINVERT, RGB(10 ^ 0x0F, 20 ^ 0xF0, 30 ^ 0x33)},
        {DSTINVERT, RGB(245, 235, 225)},
        {BLACKNESS, RGB(0, 0, 0)},
        {WHITENESS, RGB(255, 255, 255)},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << tc.rop);
        Canvas c(10, 10, dest);
        Selected b(c.dc, CreateSolidBrush(brush));
        EXPECT_TRUE(PatBlt(c.dc, 2, 2, 5, 5, tc.rop));
        EXPECT_EQ(c.At(2, 2), tc.expected);
        EXPECT_EQ(c.At(6, 6), tc.expected);
        EXPECT_EQ(c.At(7, 7), dest);
    }
    Canvas c(4, 4);
    EXPECT_FALSE(PatBlt(c.dc, 0, 0, 4, 4, SRCCOPY)) << "PatBlt has no source";
}

TEST(GdiRop, InvertRectAndFocusRectUndoThemselves)
{
    Canvas c(30, 20);
    PaintBackdrop(c);
    const auto before = c.Pixels();
    RECT r{3, 4, 25, 17};
    InvertRect(c.dc, &r);
    EXPECT_EQ(c.At(3, 4),
              RGB(255 - GetRValue(before[4 * 30 + 3]), 255 - GetGValue(before[4 * 30 + 3]),
                  255 - GetBValue(before[4 * 30 + 3])));
    InvertRect(c.dc, &r);
    EXPECT_EQ(c.Pixels(), before);
    DrawFocusRect(c.dc, &r);
    EXPECT_NE(c.Pixels(), before);
    EXPECT_EQ(c.At(10, 10), before[10 * 30 + 10]) << "inside untouched";
    DrawFocusRect(c.dc, &r);
    EXPECT_EQ(c.Pixels(), before);
}

TEST(GdiRop, HatchBrushDrawsLinesInBrushColourOverBackground)
{
    Canvas c(16, 16);
    Selected b(c.dc, CreateHatchBrush(HS_CROSS, RGB(255, 0, 0)));
    SetBkMode(c.dc, TRANSPARENT);
    PatBlt(c.dc, 0, 0, 16, 16, PATCOPY);
    int red = c.Count(RGB(255, 0, 0));
    EXPECT_EQ(red, 2 * 16 + 2 * 16 - 4);
    EXPECT_EQ(c.Count(RGB(255, 255, 255)), 256 - red);
}
