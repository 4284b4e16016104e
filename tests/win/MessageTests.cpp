// Messages: sending, posting, retrieval order and filters, translation, timers on the
// hand-driven clock.
#include "tests/support/DesktopFixture.h"
#include "tests/win/WinTestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct Messages : ::testing::Test
{
    DesktopFixture desk;
    TestWindows& tw = TestWindows::Get();
    HWND win = nullptr;
    void SetUp() override
    {
        tw.Reset();
        win = tw.Create(WS_POPUP | WS_VISIBLE, 0, {0, 0, 100, 100});
        desk.pump();
        tw.log.clear();
    }
};

TEST_F(Messages, SendRunsNowWhilePostWaitsForThePump)
{
    PostMessageW(win, WM_USER + 1, 0, 0);
    LRESULT r = SendMessageW(win, WM_USER + 2, 0, 0);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(tw.Messages(win, {WM_USER + 1, WM_USER + 2}), (std::vector<UINT>{WM_USER + 2}));
    desk.pump();
    EXPECT_EQ(tw.Messages(win, {WM_USER + 1, WM_USER + 2}),
              (std::vector<UINT>{WM_USER + 2, WM_USER + 1}));
}

TEST_F(Messages, PostedMessagesComeBeforeInputAndInputBeforePaint)
{
    InvalidateRect(win, nullptr, TRUE);
    desk.keyDown('A'); // pumped by the fixture: clear what it produced
    SetFocus(win);
    tw.log.clear();
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = 'B';
    SendInput(1, &in, sizeof(INPUT));
    InvalidateRect(win, nullptr, TRUE);
    PostMessageW(win, WM_APP, 0, 0);
    std::vector<UINT> order;
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE))
        if (m.hwnd == win) {
            order.push_back(m.message);
            DispatchMessageW(&m);
        }
    ASSERT_GE(order.size(), 3u);
    EXPECT_EQ(order[0], WM_APP);
    EXPECT_EQ(order[1], WM_KEYDOWN);
    EXPECT_EQ(order[2], WM_PAINT);
}

TEST_F(Messages, PeekWithNoRemoveLeavesTheMessageAndFiltersSelectByRange)
{
    PostMessageW(win, WM_USER + 1, 1, 0);
    PostMessageW(win, WM_USER + 9, 9, 0);
    MSG m{};
    ASSERT_TRUE(PeekMessageW(&m, nullptr, WM_USER + 5, WM_USER + 10, PM_NOREMOVE));
    EXPECT_EQ(m.message, WM_USER + 9u);
    ASSERT_TRUE(PeekMessageW(&m, nullptr, WM_USER + 5, WM_USER + 10, PM_REMOVE));
    EXPECT_EQ(m.wParam, 9u);
    EXPECT_FALSE(PeekMessageW(&m, nullptr, WM_USER + 5, WM_USER + 10, PM_REMOVE));
    ASSERT_TRUE(PeekMessageW(&m, win, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.message, WM_USER + 1u);
    EXPECT_EQ(m.time, static_cast<DWORD>(GetTickCount()));
}

TEST_F(Messages, WindowFilterIncludesChildrenAndMinusOneMeansThreadMessages)
{
    HWND child = tw.Create(WS_CHILD | WS_VISIBLE, 0, {0, 0, 10, 10}, win, 1);
    HWND other = tw.Create(WS_POPUP, 0, {0, 0, 10, 10});
    PostMessageW(other, WM_USER, 0, 0);
    PostMessageW(child, WM_USER, 1, 0);
    PostThreadMessageW(GetCurrentThreadId(), WM_USER, 2, 0);
    MSG m{};
    ASSERT_TRUE(PeekMessageW(&m, win, WM_USER, WM_USER, PM_REMOVE));
    EXPECT_EQ(m.hwnd, child);
    ASSERT_TRUE(PeekMessageW(&m, reinterpret_cast<HWND>(-1), WM_USER, WM_USER, PM_REMOVE));
    EXPECT_EQ(m.hwnd, nullptr);
    EXPECT_EQ(m.wParam, 2u);
}

TEST_F(Messages, GetMessageReturnsFalseOnQuitAndPumpKeepsTheQuitForTheLoop)
{
    PostQuitMessage(3);
    desk.pump();
    MSG m{};
    EXPECT_EQ(GetMessageW(&m, nullptr, 0, 0), FALSE);
    EXPECT_EQ(m.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(m.wParam, 3u);
}

TEST_F(Messages, GetMessageWithNothingThatCanArriveFailsInsteadOfHanging)
{
    desk.pump();
    MSG m{};
    EXPECT_EQ(GetMessageW(&m, nullptr, 0, 0), -1);
}

TEST_F(Messages, IdleHookCanFeedAWaitingLoop)
{
    int calls = 0;
    zt::win::Desktop::SetIdleHook([&] {
        if (++calls == 1)
            PostMessageW(win, WM_USER + 3, 0, 0);
    });
    MSG m{};
    EXPECT_EQ(GetMessageW(&m, nullptr, 0, 0), TRUE);
    EXPECT_EQ(m.message, WM_USER + 3u);
}

TEST_F(Messages, TranslateMessageMakesCharactersFromKeysWithShiftAndControl)
{
    SetFocus(win);
    struct Case
    {
        std::vector<int> held;
        int vk;
        wchar_t expected;
    };
    const Case cases[] = {
        {{}, 'A', L'a'},           {{VK_SHIFT}, 'A', L'A'}, {{}, '7', L'7'},
        {{VK_SHIFT}, '7', L'&'},   {{VK_CONTROL}, 'C', 3},  {{}, VK_RETURN, L'\r'},
        {{}, VK_OEM_PERIOD, L'.'}, {{}, VK_SUBTRACT, L'-'}, {{VK_SHIFT}, VK_OEM_MINUS, L'_'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.vk);
        for (int h : c.held)
            desk.keyDown(h);
        tw.log.clear();
        desk.key(c.vk);
        for (int h : c.held)
            desk.keyUp(h);
        auto chars = tw.Of(WM_CHAR);
        ASSERT_EQ(chars.size(), 1u);
        EXPECT_EQ(chars[0].wParam, static_cast<WPARAM>(c.expected));
    }
}

TEST_F(Messages, UnicodeInjectionArrivesAsOneCharacterPerCodeUnit)
{
    SetFocus(win);
    desk.type(L"墙a");
    auto chars = tw.Of(WM_CHAR);
    ASSERT_EQ(chars.size(), 2u);
    EXPECT_EQ(chars[0].wParam, static_cast<WPARAM>(L'墙'));
    EXPECT_EQ(chars[1].wParam, static_cast<WPARAM>(L'a'));
    EXPECT_EQ(tw.Of(WM_KEYDOWN)[0].wParam, static_cast<WPARAM>(VK_PACKET));
}

TEST_F(Messages, TimersFireOnTheHandDrivenClockOnly)
{
    SetTimer(win, 7, 100, nullptr);
    desk.pump();
    EXPECT_EQ(tw.Count(win, WM_TIMER), 0);
    desk.advance(99);
    EXPECT_EQ(tw.Count(win, WM_TIMER), 0);
    desk.advance(1);
    EXPECT_EQ(tw.Count(win, WM_TIMER), 1);
    desk.advance(500);
    EXPECT_EQ(tw.Count(win, WM_TIMER), 6) << "every period on the way is a tick";
    EXPECT_EQ(tw.Of(WM_TIMER)[0].wParam, 7u);
    EXPECT_TRUE(KillTimer(win, 7));
    desk.advance(1000);
    EXPECT_EQ(tw.Count(win, WM_TIMER), 6);
    EXPECT_FALSE(KillTimer(win, 7));
}

TEST_F(Messages, ResettingATimerRestartsItsPeriod)
{
    SetTimer(win, 1, 100, nullptr);
    desk.advance(80);
    SetTimer(win, 1, 100, nullptr);
    desk.advance(80);
    EXPECT_EQ(tw.Count(win, WM_TIMER), 0);
    desk.advance(20);
    EXPECT_EQ(tw.Count(win, WM_TIMER), 1);
}

int g_procTicks = 0;
UINT_PTR g_procId = 0;
void TickProc(HWND, UINT, UINT_PTR id, DWORD)
{
    ++g_procTicks;
    g_procId = id;
}

TEST_F(Messages, ThreadTimerWithProcedureRunsTheProcedure)
{
    g_procTicks = 0;
    UINT_PTR id = SetTimer(nullptr, 0, 50, &TickProc);
    ASSERT_NE(id, 0u);
    desk.advance(150);
    EXPECT_EQ(g_procTicks, 3);
    EXPECT_EQ(g_procId, id);
    KillTimer(nullptr, id);
}

TEST_F(Messages, TimersOfADestroyedWindowStop)
{
    SetTimer(win, 1, 10, nullptr);
    DestroyWindow(win);
    desk.advance(100);
    EXPECT_EQ(tw.Count(win, WM_TIMER), 0);
}

TEST_F(Messages, GetTickCountFollowsTheClock)
{
    DWORD t0 = GetTickCount();
    desk.advance(1234);
    EXPECT_EQ(GetTickCount() - t0, 1234u);
}

} // namespace

namespace {

LRESULT ThrowingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_USER + 7)
        throw std::runtime_error("handler failed");
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

} // namespace

// On Windows an exception leaving a window procedure takes the host down; the desktop does not
// hide it either, so a test meets it, and the desktop itself stays sound.
TEST_F(Messages, AnExceptionLeavingAWindowProcedureReachesTheSenderAndTheDesktopCarriesOn)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ThrowingProc;
    wc.lpszClassName = L"ThrowingWindow";
    ASSERT_NE(RegisterClassExW(&wc), 0);
    HWND thrower = CreateWindowExW(0, L"ThrowingWindow", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                   nullptr, nullptr, nullptr);
    ASSERT_NE(thrower, nullptr);
    EXPECT_THROW(SendMessageW(thrower, WM_USER + 7, 0, 0), std::runtime_error);
    PostMessageW(thrower, WM_USER + 7, 0, 0);
    EXPECT_THROW(desk.pump(), std::runtime_error);

    // Messages, destruction and the other windows work on.
    EXPECT_EQ(SendMessageW(win, WM_USER + 2, 0, 0), 0);
    EXPECT_TRUE(DestroyWindow(thrower));
    EXPECT_FALSE(IsWindow(thrower));
    desk.pump();
    UnregisterClassW(L"ThrowingWindow", nullptr);
}
