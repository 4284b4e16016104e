#include "GdiTestSupport.h"

#include "platform/win/GdiDiagnostics.h"
#include "platform/win/gdi/SurfaceDC.h"

#include <cairo.h>

#include <cstdio>
#include <filesystem>

namespace {
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
} // namespace

TEST(GdiObjects, BadHandlesGiveFailureValuesQuietly)
{
    HDC bogusDc = reinterpret_cast<HDC>(std::uintptr_t(0xDEADBEEF));
    HGDIOBJ bogus = reinterpret_cast<HGDIOBJ>(std::uintptr_t(0x12345678));
    for (HDC dc : {HDC(nullptr), bogusDc}) {
        RECT r{0, 0, 10, 10};
        SIZE s{};
        TEXTMETRICW tm{};
        POINT p{};
        EXPECT_FALSE(DeleteDC(dc));
        EXPECT_EQ(SaveDC(dc), 0);
        EXPECT_FALSE(RestoreDC(dc, -1));
        EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), nullptr);
        EXPECT_EQ(SetTextColor(dc, 0), CLR_INVALID);
        EXPECT_EQ(SetBkMode(dc, OPAQUE), 0);
        EXPECT_EQ(SetROP2(dc, R2_XORPEN), 0);
        EXPECT_FALSE(MoveToEx(dc, 0, 0, nullptr));
        EXPECT_FALSE(LineTo(dc, 5, 5));
        EXPECT_FALSE(Rectangle(dc, 0, 0, 5, 5));
        EXPECT_FALSE(Ellipse(dc, 0, 0, 5, 5));
        EXPECT_FALSE(RoundRect(dc, 0, 0, 5, 5, 2, 2));
        EXPECT_FALSE(PatBlt(dc, 0, 0, 5, 5, PATINVERT));
        EXPECT_EQ(FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 0);
        EXPECT_EQ(FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 0);
        EXPECT_FALSE(InvertRect(dc, &r));
        EXPECT_FALSE(DrawFocusRect(dc, &r));
        EXPECT_FALSE(DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT));
        EXPECT_EQ(DrawTextW(dc, L"x", 1, &r, 0), 0);
        EXPECT_FALSE(TextOutW(dc, 0, 0, L"x", 1));
        EXPECT_FALSE(GetTextExtentPoint32W(dc, L"x", 1, &s));
        EXPECT_FALSE(GetTextMetricsW(dc, &tm));
        EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
        EXPECT_EQ(SetPixel(dc, 0, 0, 0), CLR_INVALID);
        EXPECT_FALSE(BitBlt(dc, 0, 0, 1, 1, dc, 0, 0, SRCCOPY));
        EXPECT_FALSE(StretchBlt(dc, 0, 0, 1, 1, dc, 0, 0, 2, 2, SRCCOPY));
        EXPECT_EQ(ExcludeClipRect(dc, 0, 0, 1, 1), ERROR);
        EXPECT_EQ(IntersectClipRect(dc, 0, 0, 1, 1), ERROR);
        EXPECT_EQ(GetClipBox(dc, &r), ERROR);
        EXPECT_FALSE(SetViewportOrgEx(dc, 1, 1, &p));
        EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 0);
        EXPECT_EQ(CreateCompatibleBitmap(dc, 4, 4), nullptr);
        EXPECT_FALSE(DrawIconEx(dc, 0, 0, nullptr, 0, 0, 0, nullptr, DI_NORMAL));
        EXPECT_EQ(zt::win::WindowFromDC_(dc), nullptr);
    }
    for (HGDIOBJ o : {HGDIOBJ(nullptr), bogus}) {
        BITMAP bm{};
        EXPECT_FALSE(DeleteObject(o));
        EXPECT_EQ(GetObjectW(o, sizeof(bm), &bm), 0);
        EXPECT_EQ(GetObjectType(o), 0u);
        EXPECT_EQ(CreatePatternBrush(static_cast<HBITMAP>(o)), nullptr);
        EXPECT_FALSE(PtInRegion(static_cast<HRGN>(o), 0, 0));
        EXPECT_EQ(CombineRgn(static_cast<HRGN>(o), static_cast<HRGN>(o), nullptr, RGN_COPY), ERROR);
        EXPECT_FALSE(DestroyIcon(static_cast<HICON>(o)));
        EXPECT_EQ(CopyIcon(static_cast<HICON>(o)), nullptr);
    }
    EXPECT_EQ(CreateCompatibleDC(bogusDc), nullptr);
    EXPECT_EQ(CreateBitmap(0, 5, 1, 32, nullptr), nullptr);
    EXPECT_EQ(CreateBitmap(5, 5, 1, 24, nullptr), nullptr);
    EXPECT_EQ(CreateIconIndirect(nullptr), nullptr);
    EXPECT_EQ(CreateFontIndirectW(nullptr), nullptr);
    EXPECT_EQ(GetStockObject(99), nullptr);
    EXPECT_EQ(zt::win::CreateSurfaceDC(nullptr, POINT{0, 0}, RECT{0, 0, 1, 1}, nullptr), nullptr);
}

TEST(GdiObjects, HandlesOfOtherKindsAreRefused)
{
    Canvas c(4, 4);
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    EXPECT_FALSE(DeleteDC(reinterpret_cast<HDC>(pen)));
    EXPECT_EQ(GetPixel(reinterpret_cast<HDC>(pen), 0, 0), CLR_INVALID);
    EXPECT_FALSE(DeleteObject(c.dc)) << "DCs go with DeleteDC";
    EXPECT_EQ(FillRect(c.dc, nullptr, reinterpret_cast<HBRUSH>(pen)), 0);
    RECT r{0, 0, 4, 4};
    EXPECT_EQ(FillRect(c.dc, &r, reinterpret_cast<HBRUSH>(pen)), 0);
    DeleteObject(pen);
}

TEST(GdiObjects, DeletedPenStaysUsableWhileSelected)
{
    Canvas c(10, 10);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
    HGDIOBJ old = SelectObject(c.dc, pen);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_EQ(GetObjectType(pen), 0u);
    MoveToEx(c.dc, 0, 0, nullptr);
    LineTo(c.dc, 5, 0);
    EXPECT_EQ(c.At(2, 0), RGB(0, 0, 255));
    SelectObject(c.dc, old);
}

TEST(GdiObjects, StockObjectsSurviveDeletion)
{
    HGDIOBJ black = GetStockObject(BLACK_BRUSH);
    EXPECT_TRUE(DeleteObject(black));
    EXPECT_EQ(GetObjectType(black), DWORD(OBJ_BRUSH));
    EXPECT_EQ(GetStockObject(BLACK_BRUSH), black);
    LOGBRUSH lb{};
    GetObjectW(GetStockObject(NULL_BRUSH), sizeof(lb), &lb);
    EXPECT_EQ(lb.lbStyle, BS_NULL);
    LOGPEN lp{};
    GetObjectW(GetStockObject(WHITE_PEN), sizeof(lp), &lp);
    EXPECT_EQ(lp.lopnColor, kWhite);
}

TEST(GdiObjects, DcBrushAndPenFollowTheDcColours)
{
    Canvas c(10, 10);
    SelectObject(c.dc, GetStockObject(DC_BRUSH));
    SelectObject(c.dc, GetStockObject(DC_PEN));
    SetDCBrushColor(c.dc, RGB(1, 2, 3));
    SetDCPenColor(c.dc, RGB(4, 5, 6));
    Rectangle(c.dc, 0, 0, 10, 10);
    EXPECT_EQ(c.At(0, 0), RGB(4, 5, 6));
    EXPECT_EQ(c.At(5, 5), RGB(1, 2, 3));
}

TEST(GdiObjects, BitmapLivesInOneMemoryDcAtATime)
{
    HDC a = CreateCompatibleDC(nullptr);
    HDC b = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(4, 4, 1, 32, nullptr);
    HGDIOBJ oldA = SelectObject(a, bitmap);
    EXPECT_NE(oldA, nullptr);
    EXPECT_EQ(SelectObject(b, bitmap), nullptr);
    SelectObject(a, oldA);
    HGDIOBJ oldB = SelectObject(b, bitmap);
    EXPECT_NE(oldB, nullptr);
    SelectObject(b, oldB);
    DeleteObject(bitmap);
    DeleteDC(a);
    DeleteDC(b);
}

TEST(GdiObjects, DeviceCapsDescribeA96DpiTrueColourDisplay)
{
    Canvas c(30, 20);
    EXPECT_EQ(GetDeviceCaps(c.dc, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(c.dc, LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(c.dc, BITSPIXEL), 32);
    EXPECT_EQ(GetDeviceCaps(c.dc, HORZRES), 30);
    EXPECT_EQ(GetDeviceCaps(c.dc, PLANES), 1);
    EXPECT_EQ(MulDiv(9, 96, 72), 12);
    EXPECT_EQ(MulDiv(-11, 96, 72), -15);
    EXPECT_EQ(MulDiv(1, 2, 0), -1);
}

TEST(GdiObjects, SystemColoursAndTheirBrushes)
{
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(240, 240, 240));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), kWhite);
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), kBlack);
    EXPECT_EQ(GetSysColor(999), 0u);
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    EXPECT_EQ(face, GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_TRUE(DeleteObject(face));
    Canvas c(4, 4);
    RECT r{0, 0, 4, 4};
    FillRect(c.dc, &r, face);
    EXPECT_EQ(c.At(1, 1), RGB(240, 240, 240));
    EXPECT_EQ(GetSysColorBrush(-1), nullptr);
}

// Found by the dialog-resource fuzzer: the first input that drew with a system colour's brush
// after its warm-up made the brushes then, and its count of objects grew by thirty-one.
TEST(GdiObjects, FirstStockOrSystemColourRequestAddsNoObjectToACountTakenBefore)
{
    const std::size_t before = zt::win::GetGdiObjectCount();
    for (int i = 0; i <= SYSTEM_FONT + 10; ++i)
        (void)GetStockObject(i);
    for (int i = 0; i <= COLOR_MENUBAR + 1; ++i)
        (void)GetSysColorBrush(i);
    EXPECT_EQ(zt::win::GetGdiObjectCount(), before);
}

TEST(GdiRects, Win32RectangleHelpers)
{
    RECT a;
    SetRect(&a, 0, 0, 10, 10);
    RECT b{5, 5, 15, 15};
    RECT r;
    EXPECT_TRUE(IntersectRect(&r, &a, &b));
    const RECT overlap{5, 5, 10, 10};
    EXPECT_TRUE(EqualRect(&r, &overlap));
    EXPECT_TRUE(UnionRect(&r, &a, &b));
    EXPECT_EQ(r.right, 15);
    RECT far{20, 20, 30, 30};
    EXPECT_FALSE(IntersectRect(&r, &a, &far));
    EXPECT_TRUE(IsRectEmpty(&r));
    EXPECT_TRUE(PtInRect(&a, POINT{0, 0}));
    EXPECT_FALSE(PtInRect(&a, POINT{10, 5}));
    InflateRect(&a, 2, 1);
    EXPECT_EQ(a.left, -2);
    EXPECT_EQ(a.bottom, 11);
    OffsetRect(&a, 2, 1);
    EXPECT_EQ(a.left, 0);
    RECT left{0, 0, 4, 10};
    SetRect(&a, 0, 0, 10, 10);
    EXPECT_TRUE(SubtractRect(&r, &a, &left));
    EXPECT_EQ(r.left, 4);
    RECT middle{3, 3, 6, 6};
    EXPECT_TRUE(SubtractRect(&r, &a, &middle));
    EXPECT_TRUE(EqualRect(&r, &a)) << "a hole cannot be cut, the rectangle stays";
    EXPECT_FALSE(SetRectEmpty(nullptr));
    EXPECT_FALSE(CopyRect(&r, nullptr));
}

TEST(SurfaceDC, DrawsAtItsOriginInsideItsClipAndWritesPng)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 40, 30);
    HWND window = reinterpret_cast<HWND>(std::uintptr_t(0x4242));
    HDC dc = zt::win::CreateSurfaceDC(surface, POINT{10, 5}, RECT{10, 5, 30, 25}, window);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(WindowFromDC(dc), window);
    RECT all{-50, -50, 100, 100};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    RECT r{0, 0, 3, 2};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(GetPixel(dc, 0, 0), kBlack);
    EXPECT_EQ(GetPixel(dc, 3, 0), kWhite);
    EXPECT_EQ(GetPixel(dc, -1, 0), CLR_INVALID) << "outside the clip";
    RECT box{};
    GetClipBox(dc, &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 20);
    EXPECT_EQ(box.bottom, 20);
    cairo_surface_flush(surface);
    const auto* data =
        reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(surface));
    const int stride = cairo_image_surface_get_stride(surface) / 4;
    EXPECT_EQ(data[5 * stride + 10] & 0xFFFFFF, 0u);
    EXPECT_EQ(data[5 * stride + 13] & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(data[0] & 0xFFFFFF, 0u) << "outside the clip nothing was painted";

    const auto path = std::filesystem::temp_directory_path() / "ztui-gdi-surface.png";
    ASSERT_TRUE(zt::win::WriteSurfacePng(surface, path.wstring().c_str()));
    cairo_surface_t* back = cairo_image_surface_create_from_png(path.string().c_str());
    EXPECT_EQ(cairo_surface_status(back), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(back), 40);
    cairo_surface_destroy(back);
    std::filesystem::remove(path);
    EXPECT_FALSE(zt::win::WriteSurfacePng(nullptr, path.wstring().c_str()));

    EXPECT_FALSE(DeleteDC(dc)) << "a surface DC goes back with ReleaseSurfaceDC";
    zt::win::ReleaseSurfaceDC(dc);
    EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
    cairo_surface_destroy(surface);
}

TEST(SurfaceDC, VisibleRegionSurvivesTheApplicationsClip)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 30, 30);
    HDC dc = zt::win::CreateSurfaceDC(surface, POINT{5, 5}, RECT{0, 0, 30, 30}, nullptr);
    HRGN update = CreateRectRgn(0, 0, 10, 10);
    HRGN second = CreateRectRgn(15, 15, 20, 20);
    CombineRgn(update, update, second, RGN_OR);
    ASSERT_TRUE(zt::win::IntersectSurfaceDCVisibleRgn(dc, update));
    ASSERT_TRUE(zt::win::ExcludeSurfaceDCVisibleRect(dc, RECT{2, 2, 4, 4}));
    IntersectClipRect(dc, 0, 0, 100, 100);
    SelectClipRgn(dc, nullptr);
    RECT all{-10, -10, 40, 40};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(GetPixel(dc, 0, 0), kBlack);
    EXPECT_EQ(GetPixel(dc, 9, 9), kBlack);
    EXPECT_EQ(GetPixel(dc, 17, 17), kBlack);
    EXPECT_EQ(GetPixel(dc, 12, 12), CLR_INVALID) << "outside the update region";
    EXPECT_EQ(GetPixel(dc, 3, 3), CLR_INVALID) << "the excluded child";
    RECT box{};
    EXPECT_EQ(GetClipBox(dc, &box), COMPLEXREGION);
    EXPECT_EQ(box.right, 20);
    EXPECT_FALSE(zt::win::ExcludeSurfaceDCVisibleRect(nullptr, RECT{0, 0, 1, 1}));
    HDC memory = CreateCompatibleDC(nullptr);
    EXPECT_FALSE(zt::win::IntersectSurfaceDCVisibleRgn(memory, update));
    DeleteDC(memory);
    DeleteObject(update);
    DeleteObject(second);
    zt::win::ReleaseSurfaceDC(dc);
    cairo_surface_destroy(surface);
}
