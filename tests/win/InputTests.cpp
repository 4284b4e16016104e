// Input: hit testing, mouse messages, capture, focus, activation, key state and the move loop.
#include "tests/support/DesktopFixture.h"
#include "tests/win/WinTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct Input : ::testing::Test
{
    DesktopFixture desk;
    TestWindows& tw = TestWindows::Get();
    void SetUp() override { tw.Reset(); }

    HWND LastTarget(UINT message) const
    {
        auto all = tw.Of(message);
        return all.empty() ? nullptr : all.back().hwnd;
    }
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kPopup = WS_POPUP | WS_VISIBLE;

TEST_F(Input, MouseMessagesCarryClientCoordinatesOfTheWindowUnderThePointer)
{
    HWND top = tw.Create(kPopup, 0, {100, 100, 400, 400});
    HWND child = tw.Create(kChild, 0, {50, 60, 150, 160}, top, 1);
    desk.pump();
    tw.log.clear();
    desk.click(100 + 50 + 5, 100 + 60 + 7);
    auto downs = tw.Of(WM_LBUTTONDOWN);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].hwnd, child);
    EXPECT_EQ(downs[0].lParam, MAKELPARAM(5, 7));
    EXPECT_EQ(downs[0].wParam & MK_LBUTTON, MK_LBUTTON);
    EXPECT_EQ(tw.Of(WM_LBUTTONUP)[0].wParam & MK_LBUTTON, 0u);
    EXPECT_EQ(tw.Messages(child, {WM_SETCURSOR}).size(), 3u) << "move, down and up";
}

TEST_F(Input, HitTestingPassesThroughHiddenDisabledTransparentAndHtTransparentWindows)
{
    HWND top = tw.Create(kPopup, 0, {0, 0, 300, 300});
    HWND below = tw.Create(kChild, 0, {10, 10, 110, 110}, top, 1);
    struct Case
    {
        const char* name;
        DWORD style;
        DWORD exStyle;
        bool answersTransparent;
    };
    const Case cases[] = {
        {"hidden", WS_CHILD, 0, false},
        {"disabled", kChild | WS_DISABLED, 0, false},
        {"WS_EX_TRANSPARENT", kChild, WS_EX_TRANSPARENT, false},
        {"HTTRANSPARENT", kChild, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND above = tw.Create(c.style, c.exStyle, {10, 10, 110, 110}, top, 2);
        if (c.answersTransparent)
            tw.handlers[above] = [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                if (m == WM_NCHITTEST)
                    return HTTRANSPARENT;
                return std::nullopt;
            };
        tw.log.clear();
        desk.advance(1000); // not a double click with the previous case
        desk.click(50, 50);
        EXPECT_EQ(LastTarget(WM_LBUTTONDOWN), below);
        EXPECT_EQ(WindowFromPoint(POINT{50, 50}), below);
        DestroyWindow(above);
    }
    HWND plain = tw.Create(kChild, 0, {10, 10, 110, 110}, top, 3);
    desk.advance(1000);
    desk.click(50, 50);
    EXPECT_EQ(LastTarget(WM_LBUTTONDOWN), plain) << "a normal window on top takes the click";
}

TEST_F(Input, NonClientClicksGetNcMessagesWithScreenCoordinates)
{
    HWND top = tw.Create(WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 0, {100, 100, 300, 300});
    desk.pump();
    tw.log.clear();
    desk.moveTo(150, 102); // on the frame's top edge, above the caption band
    auto nc = tw.Of(WM_NCMOUSEMOVE);
    ASSERT_FALSE(nc.empty());
    EXPECT_EQ(nc.back().hwnd, top);
    EXPECT_EQ(nc.back().lParam, MAKELPARAM(150, 102));
}

TEST_F(Input, CaptureSendsEverythingToTheCapturingWindowAndReportsTheLoss)
{
    HWND a = tw.Create(kPopup, 0, {0, 0, 100, 100});
    HWND b = tw.Create(kPopup, 0, {200, 0, 300, 100});
    desk.pump();
    EXPECT_EQ(SetCapture(a), nullptr);
    tw.log.clear();
    desk.moveTo(250, 50);
    EXPECT_EQ(LastTarget(WM_MOUSEMOVE), a);
    EXPECT_EQ(tw.Of(WM_MOUSEMOVE).back().lParam, MAKELPARAM(250, 50));
    EXPECT_EQ(SetCapture(b), a);
    auto lost = tw.Of(WM_CAPTURECHANGED);
    ASSERT_EQ(lost.size(), 1u);
    EXPECT_EQ(lost[0].hwnd, a);
    EXPECT_EQ(lost[0].lParam, reinterpret_cast<LPARAM>(b));
    ReleaseCapture();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(tw.Count(b, WM_CAPTURECHANGED), 1);
}

TEST_F(Input, FocusChangesSendKillFocusThenSetFocus)
{
    HWND top = tw.Create(kPopup, 0, {0, 0, 300, 300});
    HWND one = tw.Create(kChild, 0, {0, 0, 10, 10}, top, 1);
    HWND two = tw.Create(kChild, 0, {20, 0, 30, 10}, top, 2);
    SetFocus(one);
    tw.log.clear();
    EXPECT_EQ(SetFocus(two), one);
    std::vector<std::pair<HWND, UINT>> seen;
    for (auto& m : tw.log)
        if (m.message == WM_KILLFOCUS || m.message == WM_SETFOCUS)
            seen.emplace_back(m.hwnd, m.message);
    EXPECT_EQ(seen, (std::vector<std::pair<HWND, UINT>>{{one, WM_KILLFOCUS}, {two, WM_SETFOCUS}}));
    EXPECT_EQ(tw.Of(WM_SETFOCUS).back().wParam, reinterpret_cast<WPARAM>(one));
    EXPECT_EQ(GetFocus(), two);
    DestroyWindow(two);
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(Input, KeysGoToTheFocusWindow)
{
    HWND top = tw.Create(kPopup, 0, {0, 0, 300, 300});
    HWND edit = tw.Create(kChild, 0, {0, 0, 10, 10}, top, 1);
    SetFocus(edit);
    tw.log.clear();
    desk.key(VK_DOWN);
    EXPECT_EQ(LastTarget(WM_KEYDOWN), edit);
    EXPECT_EQ(LastTarget(WM_KEYUP), edit);
    EXPECT_EQ(tw.Of(WM_KEYUP).back().lParam & (1LL << 31), 1LL << 31);
}

TEST_F(Input, ClickActivatesATopLevelWindowButNeverANoActivateOne)
{
    HWND main = tw.Create(kPopup, 0, {0, 0, 300, 300});
    HWND other = tw.Create(kPopup, 0, {400, 0, 700, 300});
    HWND box = tw.Create(kPopup, WS_EX_NOACTIVATE, {800, 0, 900, 100});
    desk.pump();
    EXPECT_EQ(GetActiveWindow(), other) << "the last shown activatable window";
    desk.click(50, 50);
    EXPECT_EQ(GetActiveWindow(), main);
    EXPECT_EQ(GetForegroundWindow(), main);
    auto act = tw.Of(WM_ACTIVATE);
    ASSERT_GE(act.size(), 2u);
    EXPECT_EQ(act[act.size() - 2].hwnd, other);
    EXPECT_EQ(LOWORD(act[act.size() - 2].wParam), WA_INACTIVE);
    EXPECT_EQ(act.back().hwnd, main);
    EXPECT_EQ(LOWORD(act.back().wParam), WA_CLICKACTIVE);
    tw.log.clear();
    desk.click(850, 50);
    EXPECT_EQ(GetActiveWindow(), main) << "WS_EX_NOACTIVATE keeps the active window";
    EXPECT_EQ(LastTarget(WM_LBUTTONDOWN), box) << "but still gets the click";
    EXPECT_EQ(tw.Count(box, WM_ACTIVATE), 0);
    EXPECT_EQ(SetActiveWindow(box), nullptr);
    EXPECT_FALSE(SetForegroundWindow(box));
}

TEST_F(Input, ShowNoActivateDoesNotActivate)
{
    HWND main = tw.Create(kPopup, 0, {0, 0, 300, 300});
    HWND tip = tw.Create(WS_POPUP, 0, {400, 0, 500, 100});
    ShowWindow(tip, SW_SHOWNOACTIVATE);
    EXPECT_TRUE(IsWindowVisible(tip));
    EXPECT_EQ(GetActiveWindow(), main);
    ShowWindow(tip, SW_HIDE);
    ShowWindow(tip, SW_SHOW);
    EXPECT_EQ(GetActiveWindow(), tip);
}

TEST_F(Input, FocusIntoANoActivateWindowLeavesActivationAlone)
{
    HWND main = tw.Create(kPopup, 0, {0, 0, 300, 300});
    HWND box = tw.Create(kPopup, WS_EX_NOACTIVATE, {800, 0, 900, 100});
    HWND edit = tw.Create(kChild, 0, {0, 0, 50, 20}, box, 1);
    SetFocus(edit);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(GetActiveWindow(), main);
    desk.type(L"5");
    EXPECT_EQ(LastTarget(WM_CHAR), edit);
}

TEST_F(Input, MouseActivateAndEatSwallowsTheClick)
{
    tw.Create(kPopup, 0, {0, 0, 300, 300});
    HWND other = tw.Create(kPopup, 0, {400, 0, 700, 300});
    HWND first = GetWindow(other, GW_HWNDNEXT);
    desk.pump();
    tw.handlers[first] = [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_MOUSEACTIVATE)
            return MA_ACTIVATEANDEAT;
        return std::nullopt;
    };
    tw.log.clear();
    desk.click(50, 50);
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_EQ(tw.Count(first, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(tw.Count(first, WM_LBUTTONUP), 1);
}

TEST_F(Input, DoubleClickNeedsTheClassStyleTimeAndDistance)
{
    HWND dbl = tw.Create(kPopup, 0, {0, 0, 100, 100});
    HWND plain = tw.Create(kPopup, 0, {200, 0, 300, 100}, nullptr, 0, TestWindows::kClassNoDbl);
    desk.pump();
    desk.doubleClick(50, 50);
    EXPECT_EQ(tw.Count(dbl, WM_LBUTTONDBLCLK), 1);
    desk.doubleClick(250, 50);
    EXPECT_EQ(tw.Count(plain, WM_LBUTTONDBLCLK), 0);
    EXPECT_EQ(tw.Count(plain, WM_LBUTTONDOWN), 2);
    tw.log.clear();
    desk.click(50, 50);
    desk.advance(GetDoubleClickTime() + 1);
    desk.click(50, 50);
    EXPECT_EQ(tw.Count(dbl, WM_LBUTTONDBLCLK), 0) << "too slow";
    desk.advance(1000);
    desk.click(50, 50);
    desk.click(60, 50);
    EXPECT_EQ(tw.Count(dbl, WM_LBUTTONDBLCLK), 0) << "too far";
}

TEST_F(Input, WheelGoesToTheWindowUnderThePointerAndBubblesToTheParent)
{
    HWND top = tw.Create(kPopup, 0, {0, 0, 300, 300});
    HWND child = tw.Create(kChild, 0, {0, 0, 100, 100}, top, 1);
    HWND other = tw.Create(kChild, 0, {150, 0, 250, 100}, top, 2);
    SetFocus(other);
    tw.log.clear();
    desk.wheel(50, 60, -WHEEL_DELTA);
    auto wheels = tw.Of(WM_MOUSEWHEEL);
    ASSERT_EQ(wheels.size(), 2u);
    EXPECT_EQ(wheels[0].hwnd, child);
    EXPECT_EQ(wheels[1].hwnd, top) << "DefWindowProc hands it to the parent";
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheels[0].wParam), -WHEEL_DELTA);
    EXPECT_EQ(wheels[0].lParam, MAKELPARAM(50, 60)) << "screen coordinates";
}

TEST_F(Input, MouseLeaveIsPostedOnceWhenThePointerLeavesATrackedWindow)
{
    HWND a = tw.Create(kPopup, 0, {0, 0, 100, 100});
    tw.Create(kPopup, 0, {200, 0, 300, 100});
    desk.moveTo(50, 50);
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, a, 0};
    EXPECT_TRUE(TrackMouseEvent(&tme));
    desk.moveTo(60, 50);
    EXPECT_EQ(tw.Count(a, WM_MOUSELEAVE), 0);
    desk.moveTo(250, 50);
    EXPECT_EQ(tw.Count(a, WM_MOUSELEAVE), 1);
    desk.moveTo(50, 50);
    desk.moveTo(250, 50);
    EXPECT_EQ(tw.Count(a, WM_MOUSELEAVE), 1) << "tracking ends with the message";
}

TEST_F(Input, KeyStateFollowsRetrievedInput)
{
    tw.Create(kPopup, 0, {0, 0, 100, 100});
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    desk.keyDown(VK_LSHIFT);
    EXPECT_LT(GetKeyState(VK_SHIFT), 0) << "the generic key follows the left/right ones";
    EXPECT_LT(GetAsyncKeyState(VK_SHIFT), 0);
    desk.keyUp(VK_LSHIFT);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    desk.keyDown(VK_CONTROL);
    desk.moveTo(10, 10);
    desk.press();
    EXPECT_LT(GetKeyState(VK_LBUTTON), 0);
    auto down = tw.Of(WM_LBUTTONDOWN);
    ASSERT_FALSE(down.empty());
    EXPECT_EQ(down.back().wParam & MK_CONTROL, MK_CONTROL);
    desk.release();
    desk.keyUp(VK_CONTROL);
    EXPECT_GE(GetKeyState(VK_LBUTTON), 0);
}

TEST_F(Input, CursorPositionFollowsInjectionAndSetCursorPos)
{
    desk.moveTo(321, 123);
    POINT p{};
    GetCursorPos(&p);
    EXPECT_EQ(p.x, 321);
    EXPECT_EQ(p.y, 123);
    HWND a = tw.Create(kPopup, 0, {0, 0, 100, 100});
    tw.log.clear();
    SetCursorPos(40, 30);
    desk.pump();
    EXPECT_EQ(tw.Of(WM_MOUSEMOVE).back().lParam, MAKELPARAM(40, 30));
    EXPECT_EQ(LastTarget(WM_MOUSEMOVE), a);
}

TEST_F(Input, SetCursorFromTheClassCursorInTheClientArea)
{
    tw.Create(kPopup, 0, {0, 0, 100, 100});
    SetCursor(nullptr);
    desk.moveTo(50, 50);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_NE(LoadCursorW(nullptr, IDC_IBEAM), LoadCursorW(nullptr, IDC_ARROW));
}

TEST_F(Input, DraggingTheCaptionMovesTheWindowThroughTheMoveLoop)
{
    HWND top = tw.Create(WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 0, {100, 100, 300, 300});
    desk.pump();
    tw.log.clear();
    // Queue the whole drag, then let the pump run it: the move loop reads the queued input.
    desk.moveTo(150, 112);
    INPUT in[3]{};
    in[0].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].type = INPUT_MOUSE;
    in[1].mi.dx = 40;
    in[1].mi.dy = 25;
    in[1].mi.dwFlags = MOUSEEVENTF_MOVE;
    in[2].type = INPUT_MOUSE;
    in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, in, sizeof(INPUT));
    desk.pump();
    RECT r;
    GetWindowRect(top, &r);
    EXPECT_EQ(r.left, 140);
    EXPECT_EQ(r.top, 125);
    EXPECT_EQ(tw.Messages(top, {WM_NCLBUTTONDOWN, WM_SYSCOMMAND, WM_ENTERSIZEMOVE, WM_MOVE,
                                WM_EXITSIZEMOVE}),
              (std::vector<UINT>{WM_NCLBUTTONDOWN, WM_SYSCOMMAND, WM_ENTERSIZEMOVE, WM_MOVE,
                                 WM_EXITSIZEMOVE}));
    EXPECT_EQ(tw.Of(WM_SYSCOMMAND)[0].wParam & 0xFFF0, SC_MOVE);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Input, AttachThreadInputIsAcceptedOnTheSingleDesktop)
{
    EXPECT_TRUE(AttachThreadInput(1, 2, TRUE));
}

} // namespace

namespace {

TEST_F(Input, MouseHoverComesAfterTheHoverTimeWhenThePointerRests)
{
    HWND a = tw.Create(kPopup, 0, {0, 0, 100, 100});
    desk.moveTo(50, 50);
    TRACKMOUSEEVENT tme{sizeof tme, TME_HOVER, a, 300};
    EXPECT_TRUE(TrackMouseEvent(&tme));
    desk.advance(200);
    desk.moveTo(60, 50); // leaves the hover rectangle: the time starts again
    desk.advance(200);
    EXPECT_EQ(tw.Count(a, WM_MOUSEHOVER), 0);
    desk.advance(100);
    ASSERT_EQ(tw.Count(a, WM_MOUSEHOVER), 1);
    EXPECT_EQ(tw.Of(WM_MOUSEHOVER)[0].lParam, MAKELPARAM(60, 50));
    desk.advance(1000);
    EXPECT_EQ(tw.Count(a, WM_MOUSEHOVER), 1) << "once per request";
}

} // namespace

namespace {

TEST_F(Input, DraggingAThickFrameCornerResizesWithinTheMinimumTrackSize)
{
    HWND top = tw.Create(WS_POPUP | WS_THICKFRAME | WS_VISIBLE, 0, {100, 100, 400, 300});
    desk.pump();
    tw.log.clear();
    auto drag = [&](int x, int y, int dx, int dy) {
        desk.moveTo(x, y);
        INPUT in[3]{};
        in[0].type = INPUT_MOUSE;
        in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        in[1].type = INPUT_MOUSE;
        in[1].mi.dx = dx;
        in[1].mi.dy = dy;
        in[1].mi.dwFlags = MOUSEEVENTF_MOVE;
        in[2].type = INPUT_MOUSE;
        in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(3, in, sizeof(INPUT));
        desk.pump();
    };
    drag(398, 298, 50, 20); // the bottom-right corner
    RECT r;
    GetWindowRect(top, &r);
    EXPECT_EQ(r.right, 450);
    EXPECT_EQ(r.bottom, 320);
    EXPECT_EQ(r.left, 100) << "the opposite edges stay";
    EXPECT_EQ(tw.Of(WM_SYSCOMMAND)[0].wParam, SC_SIZE | WMSZ_BOTTOMRIGHT);
    EXPECT_GE(tw.Count(top, WM_SIZING), 1);
    EXPECT_GE(tw.Count(top, WM_GETMINMAXINFO), 1);
    desk.advance(1000);
    drag(101, 200, 500, 0); // the left edge, far past the right one
    GetWindowRect(top, &r);
    EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXMINTRACK));
    EXPECT_EQ(r.right, 450);
}

} // namespace
