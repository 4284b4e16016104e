#include "GdiTestSupport.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

struct PixelCase
{
    int x;
    int y;
    COLORREF expected;
};

void ExpectPixels(const Canvas& c, std::initializer_list<PixelCase> cases)
{
    for (const auto& p : cases) {
        SCOPED_TRACE(testing::Message() << "pixel " << p.x << "," << p.y);
        EXPECT_EQ(c.At(p.x, p.y), p.expected);
    }
}

} // namespace

TEST(GdiShapes, FillRectLeavesRightAndBottomEdgesOut)
{
    Canvas c(20, 20);
    RECT r{2, 3, 7, 9};
    FillRect(c.dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ExpectPixels(c, {{2, 3, kBlack},
                     {6, 8, kBlack},
                     {7, 3, kWhite},
                     {2, 9, kWhite},
                     {1, 3, kWhite},
                     {2, 2, kWhite}});
    EXPECT_EQ(c.Count(kBlack), 5 * 6);
}

TEST(GdiShapes, RectangleDrawsOnePixelPenInsideTheBox)
{
    Canvas c(20, 20);
    Selected brush(c.dc, CreateSolidBrush(kRed));
    Rectangle(c.dc, 2, 2, 10, 8);
    ExpectPixels(c, {{2, 2, kBlack},
                     {9, 2, kBlack},
                     {9, 7, kBlack},
                     {2, 7, kBlack},
                     {10, 7, kWhite},
                     {9, 8, kWhite},
                     {3, 3, kRed},
                     {8, 6, kRed},
                     {5, 2, kBlack}});
}

TEST(GdiShapes, RectangleWithoutPenFillsOneLessAtRightAndBottom)
{
    Canvas c(20, 20);
    SelectObject(c.dc, GetStockObject(NULL_PEN));
    Selected brush(c.dc, CreateSolidBrush(kRed));
    Rectangle(c.dc, 2, 2, 10, 8);
    ExpectPixels(c, {{2, 2, kRed}, {8, 6, kRed}, {9, 6, kWhite}, {8, 7, kWhite}});
}

TEST(GdiShapes, LinesRunThroughPixelCentresAndLeaveTheLastPixelOut)
{
    struct LineCase
    {
        POINT from;
        POINT to;
        std::vector<POINT> on;
        std::vector<POINT> off;
    };
    const LineCase cases[] = {
        {{1, 5}, {6, 5}, {{1, 5}, {5, 5}}, {{6, 5}, {0, 5}, {3, 4}, {3, 6}}},
        {{6, 5}, {1, 5}, {{6, 5}, {2, 5}}, {{1, 5}}},
        {{4, 1}, {4, 7}, {{4, 1}, {4, 6}}, {{4, 7}, {3, 3}, {5, 3}}},
        {{1, 1}, {6, 6}, {{1, 1}, {3, 3}, {5, 5}}, {{6, 6}, {2, 1}, {1, 2}}},
    };
    for (const auto& lc : cases) {
        SCOPED_TRACE(testing::Message()
                     << lc.from.x << "," << lc.from.y << " to " << lc.to.x << "," << lc.to.y);
        Canvas c(10, 10);
        MoveToEx(c.dc, lc.from.x, lc.from.y, nullptr);
        LineTo(c.dc, lc.to.x, lc.to.y);
        for (POINT p : lc.on)
            EXPECT_EQ(c.At(p.x, p.y), kBlack) << p.x << "," << p.y;
        for (POINT p : lc.off)
            EXPECT_EQ(c.At(p.x, p.y), kWhite) << p.x << "," << p.y;
        POINT pos{};
        GetCurrentPositionEx(c.dc, &pos);
        EXPECT_EQ(pos.x, lc.to.x);
        EXPECT_EQ(pos.y, lc.to.y);
    }
}

TEST(GdiShapes, ShapesAreNotSmoothed)
{
    Canvas c(60, 40);
    Selected brush(c.dc, CreateSolidBrush(kRed));
    Ellipse(c.dc, 3, 3, 40, 30);
    RoundRect(c.dc, 20, 10, 58, 38, 12, 9);
    MoveToEx(c.dc, 0, 0, nullptr);
    LineTo(c.dc, 59, 17);
    POINT tri[] = {{5, 35}, {30, 20}, {50, 39}};
    Polygon(c.dc, tri, 3);
    for (COLORREF p : c.Pixels())
        ASSERT_TRUE(p == kWhite || p == kBlack || p == kRed) << std::hex << p;
}

TEST(GdiShapes, RoundRectCutsItsCorners)
{
    Canvas c(30, 30);
    Selected brush(c.dc, CreateSolidBrush(kRed));
    RoundRect(c.dc, 0, 0, 20, 20, 8, 8);
    ExpectPixels(c, {{0, 0, kWhite},
                     {1, 0, kWhite},
                     {0, 1, kWhite},
                     {19, 19, kWhite},
                     {19, 0, kWhite},
                     {10, 0, kBlack},
                     {0, 10, kBlack},
                     {19, 10, kBlack},
                     {10, 19, kBlack},
                     {10, 10, kRed},
                     {20, 10, kWhite}});
}

TEST(GdiShapes, EllipseTouchesItsBoxAtTheMiddleOfEachSide)
{
    Canvas c(30, 20);
    Selected brush(c.dc, CreateSolidBrush(kRed));
    Ellipse(c.dc, 0, 0, 21, 11);
    ExpectPixels(c, {{10, 0, kBlack},
                     {0, 5, kBlack},
                     {20, 5, kBlack},
                     {10, 10, kBlack},
                     {0, 0, kWhite},
                     {21, 5, kWhite},
                     {10, 11, kWhite},
                     {10, 5, kRed}});
    // The outline is closed: every row between top and bottom has pen pixels on both sides.
    for (int y = 1; y < 10; ++y) {
        int pen = 0;
        for (int x = 0; x < 21; ++x)
            pen += c.At(x, y) == kBlack;
        EXPECT_GE(pen, 2) << "row " << y;
    }
}

TEST(GdiShapes, DottedPenLeavesGapsThatOpaqueModeFills)
{
    Canvas c(20, 4);
    Selected pen(c.dc, CreatePen(PS_DOT, 1, kBlack));
    SetBkMode(c.dc, TRANSPARENT);
    MoveToEx(c.dc, 0, 1, nullptr);
    LineTo(c.dc, 12, 1);
    ExpectPixels(c, {{0, 1, kBlack},
                     {2, 1, kBlack},
                     {3, 1, kWhite},
                     {5, 1, kWhite},
                     {6, 1, kBlack},
                     {9, 1, kWhite}});
    SetBkMode(c.dc, OPAQUE);
    SetBkColor(c.dc, kRed);
    MoveToEx(c.dc, 0, 2, nullptr);
    LineTo(c.dc, 12, 2);
    ExpectPixels(c, {{0, 2, kBlack}, {3, 2, kRed}, {6, 2, kBlack}});
}

TEST(GdiShapes, WidePenCoversPixelsAroundTheLine)
{
    Canvas c(20, 10);
    Selected pen(c.dc, CreatePen(PS_SOLID, 3, kBlack));
    MoveToEx(c.dc, 5, 5, nullptr);
    LineTo(c.dc, 15, 5);
    ExpectPixels(
        c, {{10, 4, kBlack}, {10, 5, kBlack}, {10, 6, kBlack}, {10, 3, kWhite}, {10, 7, kWhite}});
}

TEST(GdiShapes, PolygonFillsInsideAndOutlinesTheVertices)
{
    Canvas c(20, 20);
    Selected brush(c.dc, CreateSolidBrush(kRed));
    POINT square[] = {{2, 2}, {12, 2}, {12, 12}, {2, 12}};
    Polygon(c.dc, square, 4);
    ExpectPixels(c, {{2, 2, kBlack},
                     {12, 12, kBlack},
                     {12, 5, kBlack},
                     {7, 7, kRed},
                     {13, 7, kWhite},
                     {7, 13, kWhite}});
}

TEST(GdiShapes, ViewportOriginMovesDrawing)
{
    Canvas c(20, 20);
    SetViewportOrgEx(c.dc, 5, 6, nullptr);
    RECT r{0, 0, 2, 2};
    FillRect(c.dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(c.At(0, 0), kBlack);
    SetViewportOrgEx(c.dc, 0, 0, nullptr);
    EXPECT_EQ(c.At(5, 6), kBlack);
    EXPECT_EQ(c.At(4, 6), kWhite);
    EXPECT_EQ(c.At(7, 7), kWhite);
}

TEST(GdiShapes, GradientEndsShowTheVertexColours)
{
    Canvas c(40, 20);
    TRIVERTEX v[2] = {{0, 0, 0xFF00, 0x0000, 0x0000, 0}, {40, 20, 0x0000, 0x0000, 0xFF00, 0}};
    GRADIENT_RECT gr{0, 1};
    ASSERT_TRUE(GradientFill(c.dc, v, 2, &gr, 1, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(c.At(0, 10), RGB(255, 0, 0));
    EXPECT_EQ(c.At(39, 10), RGB(0, 0, 255));
    const COLORREF mid = c.At(20, 10);
    EXPECT_GT(GetRValue(mid), 100);
    EXPECT_GT(GetBValue(mid), 100);
    EXPECT_EQ(c.At(20, 0), c.At(20, 19));

    ASSERT_TRUE(GradientFill(c.dc, v, 2, &gr, 1, GRADIENT_FILL_RECT_V));
    EXPECT_EQ(c.At(10, 0), RGB(255, 0, 0));
    EXPECT_EQ(c.At(10, 19), RGB(0, 0, 255));
    EXPECT_EQ(c.At(0, 7), c.At(39, 7));
}

TEST(GdiShapes, ClippedGradientKeepsTheColoursOfTheWholeRectangle)
{
    Canvas whole(40, 20);
    Canvas clipped(40, 20);
    TRIVERTEX v[2] = {{0, 0, 0xFF00, 0x0000, 0x0000, 0}, {40, 20, 0x0000, 0x0000, 0xFF00, 0}};
    GRADIENT_RECT gr{0, 1};
    ExcludeClipRect(clipped.dc, 10, 5, 20, 15);
    for (ULONG mode : {GRADIENT_FILL_RECT_H, GRADIENT_FILL_RECT_V}) {
        SCOPED_TRACE(mode == GRADIENT_FILL_RECT_H ? "across" : "down");
        ASSERT_TRUE(GradientFill(whole.dc, v, 2, &gr, 1, mode));
        ASSERT_TRUE(GradientFill(clipped.dc, v, 2, &gr, 1, mode));
        SelectClipRgn(clipped.dc, nullptr);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x) {
                const bool hole = x >= 10 && x < 20 && y >= 5 && y < 15;
                ASSERT_EQ(clipped.At(x, y), hole ? kWhite : whole.At(x, y)) << x << "," << y;
            }
        ExcludeClipRect(clipped.dc, 10, 5, 20, 15);
    }
}

TEST(GdiShapes, GradientRejectsMeshIndexesOutsideTheVertices)
{
    Canvas c(10, 10);
    TRIVERTEX v[2] = {{0, 0, 0, 0, 0, 0}, {10, 10, 0, 0, 0, 0}};
    GRADIENT_RECT gr{0, 5};
    EXPECT_FALSE(GradientFill(c.dc, v, 2, &gr, 1, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(c.Count(kWhite), 100);
}

TEST(GdiShapes, DrawEdgeSunkenPutsShadowTopLeftAndAdjusts)
{
    Canvas c(20, 20);
    RECT r{0, 0, 20, 20};
    DrawEdge(c.dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    EXPECT_EQ(c.At(5, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(c.At(5, 1), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(c.At(5, 19), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(c.At(5, 18), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.bottom, 18);
}

TEST(GdiShapes, FillRectTakesSystemColourIndexPlusOne)
{
    Canvas c(4, 4);
    RECT r{0, 0, 4, 4};
    FillRect(c.dc, &r, reinterpret_cast<HBRUSH>(COLOR_HIGHLIGHT + 1));
    EXPECT_EQ(c.At(2, 2), GetSysColor(COLOR_HIGHLIGHT));
}

TEST(GdiShapes, FrameRectDrawsOnlyTheBorder)
{
    Canvas c(10, 10);
    RECT r{1, 1, 9, 9};
    FrameRect(c.dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ExpectPixels(c,
                 {{1, 1, kBlack}, {8, 8, kBlack}, {8, 1, kBlack}, {5, 5, kWhite}, {9, 9, kWhite}});
    EXPECT_EQ(c.Count(kBlack), 28);
}

TEST(GdiShapes, FarAwayCoordinatesDrawOnlyTheVisiblePart)
{
    Canvas c(20, 20);
    SetViewportOrgEx(c.dc, 1, 0, nullptr);
    MoveToEx(c.dc, INT32_MIN, 10, nullptr);
    LineTo(c.dc, INT32_MAX, 10);
    SetViewportOrgEx(c.dc, 0, 0, nullptr);
    MoveToEx(c.dc, -2000000000, 10, nullptr);
    LineTo(c.dc, 2000000000, 10);
    EXPECT_EQ(c.At(0, 10), kBlack);
    EXPECT_EQ(c.At(19, 10), kBlack);
    EXPECT_EQ(c.At(5, 9), kWhite);
    Selected pen(c.dc, CreatePen(PS_DOT, 1, kRed));
    MoveToEx(c.dc, 5, -1000000000, nullptr);
    LineTo(c.dc, 5, 1000000000);
    int red = 0;
    for (int y = 0; y < 20; ++y)
        red += c.At(5, y) == kRed;
    EXPECT_GT(red, 6);
    EXPECT_LT(red, 14);
    RECT huge{-2000000000, -2000000000, 2000000000, 2000000000};
    FillRect(c.dc, &huge, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(c.Count(kBlack), 400);
    EXPECT_EQ(CreateBitmap(30000, 30000, 1, 32, nullptr), nullptr) << "too many pixels";
}
