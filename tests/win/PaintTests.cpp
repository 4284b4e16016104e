// Painting and composition, checked on the pixels of the screen.
#include "tests/support/DesktopFixture.h"
#include "tests/win/WinTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct Paint : ::testing::Test
{
    DesktopFixture desk;
    TestWindows& tw = TestWindows::Get();
    void SetUp() override { tw.Reset(); }

    // Paints the client area with one colour in WM_PAINT; dropClip resets the DC's clip first,
    // as owner-drawn paints sometimes do.
    void PaintSolid(HWND h, COLORREF colour, bool dropClip = false)
    {
        tw.handlers[h] = [colour, dropClip](HWND hwnd, UINT m, WPARAM,
                                            LPARAM) -> std::optional<LRESULT> {
            if (m != WM_PAINT)
                return std::nullopt;
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            if (dropClip)
                SelectClipRgn(dc, nullptr);
            RECT rc;
            GetClientRect(hwnd, &rc);
            HBRUSH b = CreateSolidBrush(colour);
            FillRect(dc, &rc, b);
            DeleteObject(b);
            EndPaint(hwnd, &ps);
            return 0;
        };
    }
};

constexpr DWORD kPopup = WS_POPUP | WS_VISIBLE;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

TEST_F(Paint, ShownWindowIsErasedWithItsClassBrushAndPaintedOnce)
{
    HWND h = tw.Create(kPopup, 0, {10, 10, 110, 110});
    desk.pump();
    EXPECT_EQ(tw.Count(h, WM_PAINT), 1);
    EXPECT_EQ(tw.Count(h, WM_ERASEBKGND), 1);
    EXPECT_EQ(desk.pixel(50, 50), GetSysColor(COLOR_WINDOW));
    EXPECT_NE(desk.pixel(5, 5), GetSysColor(COLOR_WINDOW)) << "the desktop outside";
    desk.pump();
    EXPECT_EQ(tw.Count(h, WM_PAINT), 1) << "nothing invalid, nothing painted";
}

TEST_F(Paint, InvalidationCollectsIntoOneUpdateRegionAndOnePaint)
{
    HWND h = tw.Create(kPopup, 0, {0, 0, 200, 200});
    desk.pump();
    tw.log.clear();
    RECT a{10, 10, 20, 20}, b{50, 60, 70, 80};
    InvalidateRect(h, &a, FALSE);
    InvalidateRect(h, &b, FALSE);
    RECT u{};
    EXPECT_TRUE(GetUpdateRect(h, &u, FALSE));
    EXPECT_EQ(u.left, 10);
    EXPECT_EQ(u.top, 10);
    EXPECT_EQ(u.right, 70);
    EXPECT_EQ(u.bottom, 80);
    desk.pump();
    EXPECT_EQ(tw.Count(h, WM_PAINT), 1);
    EXPECT_EQ(tw.Count(h, WM_ERASEBKGND), 0) << "no erase was asked for";
    EXPECT_FALSE(GetUpdateRect(h, &u, FALSE));
}

TEST_F(Paint, ValidateRectRemovesPartOfTheUpdateRegion)
{
    HWND h = tw.Create(kPopup, 0, {0, 0, 200, 200});
    desk.pump();
    RECT left{0, 0, 100, 200};
    InvalidateRect(h, nullptr, TRUE);
    ValidateRect(h, &left);
    RECT u{};
    GetUpdateRect(h, &u, FALSE);
    EXPECT_EQ(u.left, 100);
    ValidateRect(h, nullptr);
    EXPECT_FALSE(GetUpdateRect(h, &u, FALSE));
}

TEST_F(Paint, UpdateWindowAndRedrawWindowUpdateNowPaintAtOnce)
{
    HWND top = tw.Create(kPopup, 0, {0, 0, 200, 200});
    HWND child = tw.Create(kChild, 0, {10, 10, 50, 50}, top, 1);
    desk.pump();
    tw.log.clear();
    InvalidateRect(top, nullptr, TRUE);
    UpdateWindow(top);
    EXPECT_EQ(tw.Count(top, WM_PAINT), 1);
    EXPECT_EQ(tw.Count(child, WM_PAINT), 1) << "no WS_CLIPCHILDREN: the child is painted over";
    tw.log.clear();
    RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    EXPECT_EQ(tw.Messages(child, {WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}),
              (std::vector<UINT>{WM_PAINT, WM_NCPAINT, WM_ERASEBKGND}))
        << "BeginPaint sends WM_NCPAINT and WM_ERASEBKGND from inside WM_PAINT";
    EXPECT_EQ(tw.Count(top, WM_PAINT), 0);
}

TEST_F(Paint, ClipChildrenKeepsTheParentsPaintOffItsChildren)
{
    HWND top = tw.Create(kPopup | WS_CLIPCHILDREN, 0, {0, 0, 200, 200});
    HWND child = tw.Create(kChild, 0, {50, 50, 100, 100}, top, 1);
    PaintSolid(child, RGB(0, 200, 0));
    desk.pump();
    PaintSolid(top, RGB(200, 0, 0));
    tw.log.clear();
    InvalidateRect(top, nullptr, FALSE);
    desk.pump();
    EXPECT_EQ(tw.Count(child, WM_PAINT), 0) << "the child was not invalidated";
    EXPECT_EQ(desk.pixel(20, 20), RGB(200, 0, 0));
    EXPECT_EQ(desk.pixel(70, 70), RGB(0, 200, 0)) << "excluded from the parent's DC";
}

TEST_F(Paint, ClippedChildrenStayExcludedWhenThePaintDropsItsClip)
{
    HWND top = tw.Create(kPopup | WS_CLIPCHILDREN, 0, {0, 0, 200, 200});
    HWND child = tw.Create(kChild, 0, {50, 50, 100, 100}, top, 1);
    PaintSolid(child, RGB(0, 200, 0));
    desk.pump();
    PaintSolid(top, RGB(200, 0, 0), true);
    InvalidateRect(top, nullptr, FALSE);
    desk.pump();
    EXPECT_EQ(desk.pixel(20, 20), RGB(200, 0, 0));
    EXPECT_EQ(desk.pixel(70, 70), RGB(0, 200, 0));
}

TEST_F(Paint, ClientEdgeDrawsATwoPixelSunkenFrameOutsideTheClientArea)
{
    HWND h = tw.Create(kPopup, WS_EX_CLIENTEDGE, {100, 100, 200, 200});
    PaintSolid(h, RGB(10, 20, 30));
    desk.pump();
    RECT cr;
    GetClientRect(h, &cr);
    EXPECT_EQ(cr.right, 96);
    EXPECT_EQ(desk.pixel(100, 150), GetSysColor(COLOR_BTNSHADOW)) << "outer top-left line";
    EXPECT_EQ(desk.pixel(101, 150), GetSysColor(COLOR_3DDKSHADOW)) << "inner top-left line";
    EXPECT_EQ(desk.pixel(199, 150), GetSysColor(COLOR_BTNHIGHLIGHT)) << "outer bottom-right";
    EXPECT_EQ(desk.pixel(102, 150), RGB(10, 20, 30)) << "client starts inside the edge";
}

TEST_F(Paint, ColourKeyedLayeredWindowShowsTheWindowBelowThroughItsKey)
{
    const COLORREF key = RGB(0xF9, 0xF9, 0xF9);
    HWND below = tw.Create(kPopup, 0, {0, 0, 300, 300});
    PaintSolid(below, RGB(0, 0, 255));
    HWND bar = tw.Create(WS_POPUP, WS_EX_LAYERED | WS_EX_NOACTIVATE, {100, 100, 200, 150});
    tw.handlers[bar] = [key](HWND hwnd, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m != WM_PAINT)
            return std::nullopt;
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT all{0, 0, 100, 50}, button{10, 10, 40, 40};
        HBRUSH k = CreateSolidBrush(key), red = CreateSolidBrush(RGB(255, 0, 0));
        FillRect(dc, &all, k);
        FillRect(dc, &button, red);
        DeleteObject(k);
        DeleteObject(red);
        EndPaint(hwnd, &ps);
        return 0;
    };
    EXPECT_TRUE(SetLayeredWindowAttributes(bar, key, 220, LWA_COLORKEY));
    ShowWindow(bar, SW_SHOWNOACTIVATE);
    desk.pump();
    EXPECT_EQ(desk.pixel(120, 120), RGB(255, 0, 0)) << "opaque pixels of the bar";
    EXPECT_EQ(desk.pixel(180, 140), RGB(0, 0, 255)) << "key pixels show the window below";
    EXPECT_EQ(desk.pixel(50, 50), RGB(0, 0, 255));
    // The pointer goes through the key pixels as well.
    tw.log.clear();
    desk.click(180, 140);
    EXPECT_EQ(tw.Count(below, WM_LBUTTONDOWN), 1);
    desk.advance(1000);
    desk.click(120, 120);
    EXPECT_EQ(tw.Count(bar, WM_LBUTTONDOWN), 1);
}

// Key pixels anywhere in a row, next to each other or alone, at the row's ends and in a width
// that is no multiple of anything: each shows what is below, each other pixel its own colour.
TEST_F(Paint, EveryKeyPixelOfAnOddWidthWindowShowsTheWindowBelow)
{
    const COLORREF key = RGB(0xF9, 0xF9, 0xF9);
    const COLORREF ink = RGB(200, 30, 60);
    const COLORREF under = RGB(0, 90, 0);
    HWND below = tw.Create(kPopup, 0, {0, 0, 200, 100});
    PaintSolid(below, under);
    constexpr int kWidth = 37;
    constexpr int kHeight = 5;
    auto keyed = [](int x, int y) { return (x * 7 + y * 3) % 5 < 2 || x == 0 || x == kWidth - 1; };
    HWND box = tw.Create(WS_POPUP, WS_EX_LAYERED | WS_EX_NOACTIVATE, {11, 20, 11 + kWidth, 25});
    tw.handlers[box] = [&](HWND hwnd, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m != WM_PAINT)
            return std::nullopt;
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                SetPixel(dc, x, y, keyed(x, y) ? key : ink);
        EndPaint(hwnd, &ps);
        return 0;
    };
    SetLayeredWindowAttributes(box, key, 255, LWA_COLORKEY);
    ShowWindow(box, SW_SHOWNOACTIVATE);
    desk.pump();
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            ASSERT_EQ(desk.pixel(11 + x, 20 + y), keyed(x, y) ? under : ink) << x << "," << y;
    EXPECT_EQ(desk.pixel(10, 22), under);
    EXPECT_EQ(desk.pixel(11 + kWidth, 22), under);
}

TEST_F(Paint, ConstantAlphaBlendsOverTheWindowBelow)
{
    HWND below = tw.Create(kPopup, 0, {0, 0, 100, 100});
    PaintSolid(below, RGB(0, 0, 0));
    HWND glass = tw.Create(WS_POPUP, WS_EX_LAYERED, {0, 0, 100, 100});
    PaintSolid(glass, RGB(200, 100, 50));
    SetLayeredWindowAttributes(glass, 0, 128, LWA_ALPHA);
    ShowWindow(glass, SW_SHOW);
    COLORREF c = desk.pixel(50, 50);
    EXPECT_NEAR(GetRValue(c), 100, 1);
    EXPECT_NEAR(GetGValue(c), 50, 1);
    EXPECT_NEAR(GetBValue(c), 25, 1);
}

TEST_F(Paint, MovingAChildRepaintsWhatItUncovered)
{
    HWND top = tw.Create(kPopup, 0, {0, 0, 200, 200});
    PaintSolid(top, RGB(255, 255, 0));
    HWND child = tw.Create(kChild, 0, {10, 10, 60, 60}, top, 1);
    PaintSolid(child, RGB(0, 128, 0));
    desk.pump();
    EXPECT_EQ(desk.pixel(20, 20), RGB(0, 128, 0));
    MoveWindow(child, 100, 100, 50, 50, TRUE);
    EXPECT_EQ(desk.pixel(20, 20), RGB(255, 255, 0));
    EXPECT_EQ(desk.pixel(120, 120), RGB(0, 128, 0));
    ShowWindow(child, SW_HIDE);
    EXPECT_EQ(desk.pixel(120, 120), RGB(255, 255, 0));
}

TEST_F(Paint, AChildOutsideItsParentsClientAreaIsNotPaintedUntilTheParentGrowsOverIt)
{
    HWND top = tw.Create(kPopup, 0, {0, 0, 200, 100});
    PaintSolid(top, RGB(255, 255, 0));
    HWND inner = tw.Create(kChild, 0, {10, 10, 110, 90}, top, 1);
    PaintSolid(inner, RGB(0, 0, 255));
    // Half inside the inner child, half below it; then wholly below the top window.
    HWND half = tw.Create(kChild, 0, {10, 60, 60, 120}, inner, 2);
    PaintSolid(half, RGB(0, 128, 0));
    HWND below = tw.Create(kChild, 0, {10, 150, 60, 180}, top, 3);
    PaintSolid(below, RGB(255, 0, 0));
    desk.pump();
    tw.log.clear();

    InvalidateRect(below, nullptr, TRUE);
    RECT u{};
    EXPECT_FALSE(GetUpdateRect(below, &u, FALSE)) << "nothing of it can show";
    InvalidateRect(half, nullptr, TRUE);
    ASSERT_TRUE(GetUpdateRect(half, &u, FALSE));
    EXPECT_EQ(u.bottom, 20) << "only the part within the inner child's client area";
    desk.pump();
    EXPECT_EQ(tw.Count(below, WM_PAINT), 0);
    EXPECT_EQ(tw.Count(half, WM_PAINT), 1);
    EXPECT_EQ(desk.pixel(30, 85), RGB(0, 128, 0));

    // The top window grows over the child below: it is painted now, as it is uncovered.
    SetWindowPos(top, nullptr, 0, 0, 200, 200, SWP_NOMOVE | SWP_NOZORDER);
    desk.pump();
    EXPECT_EQ(tw.Count(below, WM_PAINT), 1);
    EXPECT_EQ(desk.pixel(30, 165), RGB(255, 0, 0));
}

TEST_F(Paint, SetRedrawFalseSuppressesPaintingUntilRedrawn)
{
    HWND h = tw.Create(kPopup, 0, {0, 0, 100, 100});
    desk.pump();
    tw.log.clear();
    SendMessageW(h, WM_SETREDRAW, FALSE, 0);
    InvalidateRect(h, nullptr, TRUE);
    desk.pump();
    EXPECT_EQ(tw.Count(h, WM_PAINT), 0);
    SendMessageW(h, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    desk.pump();
    EXPECT_EQ(tw.Count(h, WM_PAINT), 1);
}

TEST_F(Paint, WindowDCDrawingOutsidePaintReachesTheScreen)
{
    HWND h = tw.Create(kPopup, 0, {0, 0, 100, 100});
    desk.pump();
    HDC dc = GetDC(h);
    SetPixel(dc, 30, 40, RGB(1, 2, 3));
    ReleaseDC(h, dc);
    EXPECT_EQ(desk.pixel(30, 40), RGB(1, 2, 3));
    dc = GetDC(h);
    EXPECT_EQ(WindowFromDC(dc), h);
    ReleaseDC(h, dc);
}

TEST_F(Paint, TopLevelWindowsStackInZOrder)
{
    HWND a = tw.Create(kPopup, 0, {0, 0, 100, 100});
    PaintSolid(a, RGB(255, 0, 0));
    HWND b = tw.Create(kPopup, 0, {50, 50, 150, 150});
    PaintSolid(b, RGB(0, 255, 0));
    EXPECT_EQ(desk.pixel(75, 75), RGB(0, 255, 0));
    SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(desk.pixel(75, 75), RGB(255, 0, 0));
}

TEST_F(Paint, PngOfScreenAndWindowAreWritten)
{
    HWND h = tw.Create(kPopup, 0, {0, 0, 64, 32});
    desk.pump();
    std::string dir = ::testing::TempDir();
    std::wstring wdir(dir.begin(), dir.end());
    EXPECT_TRUE(zt::win::Desktop::WriteScreenPng((wdir + L"zt_screen.png").c_str()));
    EXPECT_TRUE(zt::win::Desktop::WriteWindowPng(h, (wdir + L"zt_window.png").c_str()));
    EXPECT_FALSE(zt::win::Desktop::WriteWindowPng(nullptr, (wdir + L"x.png").c_str()));
}

} // namespace

namespace {

TEST_F(Paint, CaretBlinksOnTheClockAndSurvivesRepaints)
{
    HWND h = tw.Create(kPopup, 0, {0, 0, 100, 100});
    desk.pump();
    const COLORREF white = GetSysColor(COLOR_WINDOW);
    const COLORREF inverted =
        RGB(255 - GetRValue(white), 255 - GetGValue(white), 255 - GetBValue(white));
    ASSERT_TRUE(CreateCaret(h, nullptr, 2, 12));
    SetCaretPos(10, 20);
    EXPECT_EQ(desk.pixel(10, 20), white) << "a new caret is hidden";
    ShowCaret(h);
    EXPECT_EQ(desk.pixel(10, 20), inverted);
    EXPECT_EQ(desk.pixel(12, 20), white) << "two pixels wide";
    desk.advance(GetCaretBlinkTime());
    EXPECT_EQ(desk.pixel(10, 20), white) << "blinked off";
    desk.advance(GetCaretBlinkTime());
    EXPECT_EQ(desk.pixel(10, 20), inverted) << "and on again";
    InvalidateRect(h, nullptr, TRUE);
    desk.pump();
    EXPECT_EQ(desk.pixel(10, 20), inverted) << "painting hides and restores it";
    SetCaretPos(40, 20);
    EXPECT_EQ(desk.pixel(10, 20), white);
    EXPECT_EQ(desk.pixel(40, 20), inverted);
    POINT p{};
    GetCaretPos(&p);
    EXPECT_EQ(p.x, 40);
    HideCaret(h);
    EXPECT_EQ(desk.pixel(40, 20), white);
    EXPECT_TRUE(DestroyCaret());
    EXPECT_FALSE(ShowCaret(h));
}

} // namespace

namespace {

TEST_F(Paint, LayeredChildIsComposedOverItsParentWithItsColourKey)
{
    const COLORREF key = RGB(0xF9, 0xF9, 0xF9);
    HWND view = tw.Create(kPopup, 0, {0, 0, 400, 300});
    PaintSolid(view, RGB(0, 0, 128));
    HWND bar = tw.Create(WS_CHILD, WS_EX_LAYERED | WS_EX_NOACTIVATE, {100, 100, 200, 140}, view, 1);
    tw.handlers[bar] = [key](HWND hwnd, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m != WM_PAINT)
            return std::nullopt;
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT all{0, 0, 100, 40}, icon{0, 0, 20, 20};
        HBRUSH k = CreateSolidBrush(key), green = CreateSolidBrush(RGB(0, 160, 0));
        FillRect(dc, &all, k);
        FillRect(dc, &icon, green);
        DeleteObject(k);
        DeleteObject(green);
        EndPaint(hwnd, &ps);
        return 0;
    };
    SetLayeredWindowAttributes(bar, key, 255, LWA_COLORKEY);
    ShowWindow(bar, SW_SHOWNA);
    EXPECT_EQ(desk.pixel(105, 105), RGB(0, 160, 0));
    EXPECT_EQ(desk.pixel(150, 130), RGB(0, 0, 128)) << "the parent shows through the key";
    InvalidateRect(view, nullptr, TRUE);
    EXPECT_EQ(desk.pixel(105, 105), RGB(0, 160, 0)) << "the parent's paint does not cover it";
    MoveWindow(bar, 200, 200, 100, 40, TRUE);
    EXPECT_EQ(desk.pixel(105, 105), RGB(0, 0, 128));
    EXPECT_EQ(desk.pixel(205, 205), RGB(0, 160, 0));
}

} // namespace

namespace {

TEST_F(Paint, ScrollWindowMovesPixelsAndInvalidatesTheUncoveredStrip)
{
    HWND h = tw.Create(kPopup, 0, {0, 0, 100, 100});
    desk.pump();
    HDC dc = GetDC(h);
    RECT band{0, 40, 100, 50};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &band, red);
    DeleteObject(red);
    ReleaseDC(h, dc);
    tw.log.clear();
    RECT exposed{};
    EXPECT_EQ(ScrollWindowEx(h, 0, -20, nullptr, nullptr, nullptr, &exposed, SW_INVALIDATE),
              SIMPLEREGION);
    EXPECT_EQ(exposed.top, 80);
    EXPECT_EQ(exposed.bottom, 100);
    RECT u{};
    EXPECT_TRUE(GetUpdateRect(h, &u, FALSE));
    EXPECT_EQ(u.top, 80);
    EXPECT_EQ(desk.pixel(50, 25), RGB(255, 0, 0)) << "the band moved up by 20";
    EXPECT_EQ(desk.pixel(50, 45), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(tw.Count(h, WM_PAINT), 1) << "composition painted the strip";
}

} // namespace
