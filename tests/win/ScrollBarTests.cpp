// The standard scroll bars: state, frame area, drawing and tracking by DefWindowProc.
#include "tests/support/DesktopFixture.h"
#include "tests/win/WinTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct ScrollBars : ::testing::Test
{
    DesktopFixture desk;
    TestWindows& tw = TestWindows::Get();
    HWND win = nullptr;
    // The window is at (100,100), 200 x 200, no border: the bar is x 283..299, y 100..299.
    void SetUp() override
    {
        tw.Reset();
        win = tw.Create(WS_POPUP | WS_VISIBLE | WS_VSCROLL, 0, {100, 100, 300, 300});
        SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 10, 0, 0};
        SetScrollInfo(win, SB_VERT, &si, TRUE);
        desk.pump();
        tw.log.clear();
    }
    std::vector<WORD> Codes() const
    {
        std::vector<WORD> out;
        for (const auto& m : tw.Of(WM_VSCROLL))
            out.push_back(LOWORD(m.wParam));
        return out;
    }
};

TEST_F(ScrollBars, PositionIsClampedToTheRangeLessThePage)
{
    EXPECT_EQ(SetScrollPos(win, SB_VERT, 500, TRUE), 0);
    EXPECT_EQ(GetScrollPos(win, SB_VERT), 90);
    SetScrollPos(win, SB_VERT, -5, TRUE);
    EXPECT_EQ(GetScrollPos(win, SB_VERT), 0);
    int lo = -1, hi = -1;
    EXPECT_TRUE(GetScrollRange(win, SB_VERT, &lo, &hi));
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 99);
    RECT cr;
    GetClientRect(win, &cr);
    EXPECT_EQ(cr.right, 200 - GetSystemMetrics(SM_CXVSCROLL));
}

TEST_F(ScrollBars, ABarWithNothingToScrollGoesAwayUnlessAskedToStay)
{
    SCROLLINFO si{sizeof si, SIF_PAGE, 0, 0, 200, 0, 0};
    SetScrollInfo(win, SB_VERT, &si, TRUE);
    EXPECT_EQ(GetWindowLongPtrW(win, GWL_STYLE) & WS_VSCROLL, 0);
    RECT cr;
    GetClientRect(win, &cr);
    EXPECT_EQ(cr.right, 200);
    si.fMask = SIF_PAGE | SIF_DISABLENOSCROLL;
    SetScrollInfo(win, SB_VERT, &si, TRUE);
    EXPECT_EQ(GetWindowLongPtrW(win, GWL_STYLE) & WS_VSCROLL, WS_VSCROLL);
}

TEST_F(ScrollBars, ArrowsAndTrackSendLineAndPageScrolls)
{
    struct Case
    {
        int y;
        WORD code;
    };
    const Case cases[] = {{105, SB_LINEUP}, {292, SB_LINEDOWN}, {250, SB_PAGEDOWN}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.y);
        tw.log.clear();
        desk.advance(1000);
        desk.click(290, c.y);
        EXPECT_EQ(Codes(), (std::vector<WORD>{c.code, static_cast<WORD>(SB_ENDSCROLL)}));
        EXPECT_EQ(GetCapture(), nullptr);
    }
}

TEST_F(ScrollBars, DraggingTheThumbTracksAndEndsWithThumbPosition)
{
    // The thumb starts just below the up arrow.
    desk.moveTo(290, 120);
    INPUT in[3]{};
    in[0].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].type = INPUT_MOUSE;
    in[1].mi.dy = 60;
    in[1].mi.dwFlags = MOUSEEVENTF_MOVE;
    in[2].type = INPUT_MOUSE;
    in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, in, sizeof(INPUT));
    desk.pump();
    auto codes = Codes();
    ASSERT_EQ(codes.size(), 3u);
    EXPECT_EQ(codes[0], SB_THUMBTRACK);
    EXPECT_EQ(codes[1], SB_THUMBPOSITION);
    EXPECT_EQ(codes[2], SB_ENDSCROLL);
    int tracked = HIWORD(tw.Of(WM_VSCROLL)[0].wParam);
    EXPECT_GT(tracked, 20);
    EXPECT_LT(tracked, 50);
    EXPECT_EQ(HIWORD(tw.Of(WM_VSCROLL)[1].wParam), tracked);
    SCROLLINFO si{sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
    GetScrollInfo(win, SB_VERT, &si);
    EXPECT_EQ(si.nTrackPos, tracked);
    EXPECT_EQ(GetScrollPos(win, SB_VERT), 0) << "the application moves the position";
}

TEST_F(ScrollBars, ThumbIsDrawnWhereThePositionPutsIt)
{
    const COLORREF track = GetSysColor(COLOR_SCROLLBAR);
    EXPECT_NE(desk.pixel(291, 125), track) << "thumb at the top";
    EXPECT_EQ(desk.pixel(291, 270), track);
    SetScrollPos(win, SB_VERT, 90, TRUE);
    desk.pump();
    EXPECT_EQ(desk.pixel(291, 125), track);
    EXPECT_NE(desk.pixel(291, 270), track) << "thumb at the bottom";
}

TEST_F(ScrollBars, AWindowsOwnBarLooksLikeTheScrollBarControlInTheSameState)
{
    // The control stands beside the window, as large as the window's bar (x 283..299).
    HWND holder = tw.Create(WS_POPUP | WS_VISIBLE, 0, {400, 100, 417, 300});
    HWND control = CreateWindowExW(0, L"ScrollBar", L"", WS_CHILD | WS_VISIBLE | SBS_VERT, 0, 0, 17,
                                   200, holder, nullptr, nullptr, nullptr);
    ASSERT_NE(control, nullptr);
    for (int pos : {0, 45, 90}) {
        SCOPED_TRACE(pos);
        SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 10, pos, 0};
        SetScrollInfo(win, SB_VERT, &si, TRUE);
        SetScrollInfo(control, SB_CTL, &si, TRUE);
        desk.pump();
        // One screen DC for all the pixels: reading them one by one would compose each time.
        HDC screen = GetDC(nullptr);
        int differing = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 17; ++x)
                differing +=
                    GetPixel(screen, 283 + x, 100 + y) != GetPixel(screen, 400 + x, 100 + y);
        ReleaseDC(nullptr, screen);
        EXPECT_EQ(differing, 0);
    }
}

} // namespace
