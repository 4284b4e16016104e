// The screen is composed again only where something changed. Whatever happens to the windows,
// the screen composed that way must equal the screen composed from nothing.
#include "tests/support/DesktopFixture.h"
#include "tests/win/WinTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 120;

struct Composition : ::testing::Test
{
    DesktopFixture desk;
    TestWindows& tw = TestWindows::Get();
    std::map<HWND, COLORREF> colours;

    void SetUp() override
    {
        tw.Reset();
        zt::win::Desktop::SetScreenSize(kWidth, kHeight);
        // Every window paints its client area in its current colour.
        tw.all = [this](HWND hwnd, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (m != WM_PAINT)
                return std::nullopt;
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT rc;
            GetClientRect(hwnd, &rc);
            HBRUSH b = CreateSolidBrush(colours[hwnd]);
            FillRect(dc, &rc, b);
            DeleteObject(b);
            EndPaint(hwnd, &ps);
            return 0;
        };
    }

    std::vector<COLORREF> Screen()
    {
        desk.pump();
        std::vector<COLORREF> pixels;
        pixels.reserve(kWidth * kHeight);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                pixels.push_back(zt::win::Desktop::ScreenPixel(x, y));
        return pixels;
    }

    // Setting the screen size composes all of it again.
    std::vector<COLORREF> ScreenFromNothing()
    {
        zt::win::Desktop::SetScreenSize(kWidth, kHeight);
        return Screen();
    }
};

// Where the two pictures first differ, for the failure message.
std::string FirstDifference(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b)
{
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (a[i] != b[i])
            return "first difference at (" + std::to_string(i % kWidth) + ", " +
                   std::to_string(i / kWidth) + ")";
    return "same";
}

TEST_F(Composition, ComposingOnlyWhatChangedEqualsComposingEverything)
{
    std::mt19937 rng(17);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto colour = [&] { return RGB(pick(0, 255), pick(0, 255), pick(0, 255)); };
    std::vector<HWND> tops, children;
    auto addTop = [&] {
        const int kind = pick(0, 2);
        const DWORD ex = kind == 0 ? 0 : WS_EX_LAYERED | WS_EX_NOACTIVATE;
        const int x = pick(-20, kWidth - 10), y = pick(-20, kHeight - 10);
        HWND h = tw.Create(WS_POPUP, ex, {x, y, x + pick(10, 90), y + pick(10, 70)});
        colours[h] = colour();
        if (kind == 1)
            SetLayeredWindowAttributes(h, 0, static_cast<BYTE>(pick(0, 255)), LWA_ALPHA);
        if (kind == 2) {
            colours[h] = RGB(1, 2, 3);
            SetLayeredWindowAttributes(h, RGB(1, 2, 3), 255, LWA_COLORKEY);
        }
        ShowWindow(h, SW_SHOWNOACTIVATE);
        tops.push_back(h);
    };
    auto addChild = [&] {
        if (tops.empty())
            return;
        HWND parent = tops[pick(0, int(tops.size()) - 1)];
        HWND h = tw.Create(WS_CHILD | WS_VISIBLE, 0,
                           {pick(-5, 40), pick(-5, 30), pick(5, 80), pick(5, 60)}, parent);
        colours[h] = colour();
        children.push_back(h);
    };
    auto any = [&](std::vector<HWND>& from) -> HWND {
        return from.empty() ? nullptr : from[pick(0, int(from.size()) - 1)];
    };

    for (int i = 0; i < 4; ++i)
        addTop();
    for (int i = 0; i < 4; ++i)
        addChild();
    ASSERT_EQ(Screen(), ScreenFromNothing());

    for (int step = 0; step < 150; ++step) {
        const int op = pick(0, 9);
        std::vector<HWND>& from = pick(0, 1) ? tops : children;
        HWND h = any(from);
        switch (op) {
        case 0:
            addTop();
            break;
        case 1:
            addChild();
            break;
        case 2: // move
            if (h)
                SetWindowPos(h, nullptr, pick(-20, kWidth - 10), pick(-20, kHeight - 10), 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        case 3: // resize
            if (h)
                SetWindowPos(h, nullptr, 0, 0, pick(1, 90), pick(1, 70),
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        case 4: // show or hide
            if (h)
                ShowWindow(h, IsWindowVisible(h) ? SW_HIDE : SW_SHOWNOACTIVATE);
            break;
        case 5: // to the top, or to the bottom
            if (h)
                SetWindowPos(h, pick(0, 1) ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            break;
        case 6: // a new colour, painted through WM_PAINT
            if (h && colours[h] != RGB(1, 2, 3)) {
                colours[h] = colour();
                InvalidateRect(h, nullptr, FALSE);
            }
            break;
        case 7: // drawing through a window DC outside WM_PAINT
            if (h) {
                HDC dc = GetDC(h);
                RECT r{pick(0, 30), pick(0, 30), pick(30, 60), pick(30, 60)};
                HBRUSH b = CreateSolidBrush(colour());
                FillRect(dc, &r, b);
                DeleteObject(b);
                ReleaseDC(h, dc);
            }
            break;
        case 8: // a layered window changes its transparency
            if (h && (GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_LAYERED) &&
                colours[h] != RGB(1, 2, 3))
                SetLayeredWindowAttributes(h, 0, static_cast<BYTE>(pick(0, 255)), LWA_ALPHA);
            break;
        case 9: // destroyed
            if (h) {
                DestroyWindow(h);
                std::erase(from, h);
                std::erase_if(children, [](HWND c) { return !IsWindow(c); });
            }
            break;
        }
        const std::vector<COLORREF> composed = Screen();
        const std::vector<COLORREF> whole = ScreenFromNothing();
        ASSERT_EQ(composed == whole, true)
            << "step " << step << ", operation " << op << ": " << FirstDifference(composed, whole);
    }
}

TEST_F(Composition, TheScreenViewHoldsEveryPixelRowByRow)
{
    HWND h = tw.Create(WS_POPUP | WS_VISIBLE, 0, {10, 20, 50, 60});
    colours[h] = RGB(0x12, 0x34, 0x56);
    const zt::win::ScreenPixels screen = zt::win::Desktop::ComposeScreen();
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen.width, kWidth);
    EXPECT_EQ(screen.height, kHeight);
    EXPECT_GE(screen.stride, screen.width);
    EXPECT_EQ(screen.at(10, 20), 0x123456u);
    EXPECT_EQ(screen.at(49, 59), 0x123456u);
    EXPECT_EQ(screen.row(59)[49] & 0xFFFFFF, 0x123456u);
    EXPECT_NE(screen.at(50, 59), 0x123456u) << "right edges are exclusive";
    // Every pixel of the view is the one ScreenPixel reports.
    for (int y = 0; y < kHeight; y += 7)
        for (int x = 0; x < kWidth; x += 5) {
            const std::uint32_t p = screen.at(x, y);
            ASSERT_EQ(RGB(p >> 16, (p >> 8) & 0xFF, p & 0xFF), zt::win::Desktop::ScreenPixel(x, y))
                << x << ", " << y;
        }
    // Outside the screen there is nothing to read, quietly.
    EXPECT_EQ(screen.at(-1, 0), 0u);
    EXPECT_EQ(screen.at(kWidth, 0), 0u);
    EXPECT_EQ(screen.at(0, kHeight), 0u);
    EXPECT_EQ(screen.row(-1), nullptr);
    EXPECT_EQ(zt::win::ScreenPixels{}.at(0, 0), 0u);
    EXPECT_FALSE(zt::win::ScreenPixels{});
}

TEST_F(Composition, WhatWasDrawnOnTheScreenGoesWhenItsDCIsGivenBack)
{
    HWND h = tw.Create(WS_POPUP | WS_VISIBLE, 0, {0, 0, 100, 100});
    colours[h] = RGB(0, 0, 255);
    desk.pump();
    HDC screen = GetDC(nullptr);
    RECT mark{150, 100, 155, 105};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(screen, &mark, red);
    DeleteObject(red);
    ReleaseDC(nullptr, screen);
    EXPECT_NE(zt::win::Desktop::ScreenPixel(152, 102), RGB(255, 0, 0))
        << "the screen is composed again once its DC is given back";
}

} // namespace
