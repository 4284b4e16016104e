// Windows: creation, the tree, rectangles, text, long values and destruction.
#include "tests/support/DesktopFixture.h"
#include "tests/win/WinTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct WindowTree : ::testing::Test
{
    DesktopFixture desk;
    TestWindows& tw = TestWindows::Get();
    void SetUp() override { tw.Reset(); }
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

TEST_F(WindowTree, CreationSendsNcCreateCreateSizeMoveInOrder)
{
    HWND h = tw.Create(WS_POPUP, 0, {10, 20, 110, 70});
    ASSERT_TRUE(IsWindow(h));
    EXPECT_EQ(tw.Messages(h, {WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}),
              (std::vector<UINT>{WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}));
    auto create = tw.Of(WM_CREATE);
    ASSERT_EQ(create.size(), 1u);
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(create[0].lParam);
    (void)cs; // only valid during the call; its fields were checked by the procedure's caller
    EXPECT_EQ(tw.Of(WM_SIZE)[0].lParam, MAKELPARAM(100, 50));
    EXPECT_EQ(tw.Of(WM_MOVE)[0].lParam, MAKELPARAM(10, 20));
}

TEST_F(WindowTree, CreateFailsWhenWmCreateReturnsMinusOneAndWindowIsGone)
{
    HWND seen = nullptr;
    tw.all = [&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_CREATE) {
            seen = h;
            return -1;
        }
        return std::nullopt;
    };
    EXPECT_EQ(tw.Create(WS_POPUP, 0, {0, 0, 10, 10}), nullptr);
    ASSERT_NE(seen, nullptr);
    EXPECT_FALSE(IsWindow(seen));
    EXPECT_EQ(tw.Count(seen, WM_NCDESTROY), 1);
}

TEST_F(WindowTree, UnknownClassAndChildWithoutParentFail)
{
    EXPECT_EQ(CreateWindowExW(0, L"NoSuchClass", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                              nullptr, nullptr),
              nullptr);
    EXPECT_EQ(tw.Create(WS_CHILD, 0, {0, 0, 1, 1}, nullptr), nullptr);
}

TEST_F(WindowTree, ClassNameAndClassInfoRoundTrip)
{
    HWND h = tw.Create(WS_POPUP, 0, {0, 0, 10, 10});
    wchar_t name[64];
    EXPECT_EQ(GetClassNameW(h, name, 64), static_cast<int>(wcslen(TestWindows::kClass)));
    EXPECT_STREQ(name, TestWindows::kClass);
    WNDCLASSEXW wc{};
    EXPECT_TRUE(GetClassInfoExW(nullptr, L"ztTESTwindow", &wc)); // names ignore case
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_DBLCLKS));
    EXPECT_FALSE(UnregisterClassW(TestWindows::kClass, nullptr)) << "class in use";
    WNDCLASSEXW again = wc;
    again.lpszClassName = TestWindows::kClass;
    EXPECT_EQ(RegisterClassExW(&again), 0) << "registered twice";
}

TEST_F(WindowTree, SystemClassesExistWithoutRegistrationAsGlobalClasses)
{
    const char* const names[] = {"Button",    "STATIC",           "Edit",
                                 "ListBox",   "ComboBox",         "ComboLBox",
                                 "ScrollBar", "tooltips_class32", "#32770"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        std::wstring wide(name, name + std::strlen(name));
        WNDCLASSEXW wc{};
        ASSERT_TRUE(GetClassInfoExW(nullptr, wide.c_str(), &wc));
        EXPECT_NE(wc.style & CS_GLOBALCLASS, 0u);
        EXPECT_NE(wc.lpfnWndProc, nullptr);
        EXPECT_GE(wc.cbWndExtra, static_cast<int>(sizeof(void*)));
        HWND h = tw.Create(WS_POPUP, 0, {0, 0, 40, 20}, nullptr, 0, wide.c_str());
        EXPECT_NE(h, nullptr);
        DestroyWindow(h);
    }
    WNDCLASSEXW none{};
    EXPECT_FALSE(GetClassInfoExW(nullptr, L"NoSuchSystemClass", &none));
}

TEST_F(WindowTree, ChildRectanglesMapBetweenClientAndScreen)
{
    HWND top = tw.Create(WS_POPUP | WS_VISIBLE | WS_BORDER, 0, {100, 50, 400, 350});
    HWND child = tw.Create(kChild, WS_EX_CLIENTEDGE, {10, 20, 110, 70}, top, 7);
    RECT wr, cr;
    GetWindowRect(child, &wr);
    GetClientRect(child, &cr);
    // The top-level's client starts inside its one-pixel border.
    EXPECT_EQ(wr.left, 100 + 1 + 10);
    EXPECT_EQ(wr.top, 50 + 1 + 20);
    EXPECT_EQ(cr.right, 100 - 4) << "two-pixel client edge on both sides";
    EXPECT_EQ(cr.bottom, 50 - 4);
    POINT p{0, 0};
    ClientToScreen(child, &p);
    EXPECT_EQ(p.x, wr.left + 2);
    EXPECT_EQ(p.y, wr.top + 2);
    ScreenToClient(child, &p);
    EXPECT_EQ(p.x, 0);
    POINT q{5, 5};
    MapWindowPoints(child, top, &q, 1);
    EXPECT_EQ(q.x, 10 + 2 + 5);
    EXPECT_EQ(q.y, 20 + 2 + 5);
    EXPECT_EQ(GetDlgItem(top, 7), child);
    EXPECT_EQ(GetDlgCtrlID(child), 7);
    EXPECT_EQ(GetParent(child), top);
    EXPECT_EQ(GetAncestor(child, GA_ROOT), top);
    EXPECT_TRUE(IsChild(top, child));
    EXPECT_FALSE(IsChild(child, top));
}

TEST_F(WindowTree, EnumChildWindowsIsDepthFirstInZOrder)
{
    HWND top = tw.Create(WS_POPUP, 0, {0, 0, 300, 300});
    HWND a = tw.Create(kChild, 0, {0, 0, 10, 10}, top, 1);
    HWND b = tw.Create(kChild, 0, {0, 0, 10, 10}, top, 2); // created later: above a
    HWND a1 = tw.Create(kChild, 0, {0, 0, 5, 5}, a, 3);
    HWND b1 = tw.Create(kChild, 0, {0, 0, 5, 5}, b, 4);
    std::vector<HWND> order;
    EnumChildWindows(
        top,
        [](HWND h, LPARAM lp) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(lp)->push_back(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&order));
    EXPECT_EQ(order, (std::vector<HWND>{b, b1, a, a1}));
    EXPECT_EQ(GetWindow(top, GW_CHILD), b);
    EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDPREV), b);
    SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetTopWindow(top), a);
}

TEST_F(WindowTree, DestroySendsDestroyParentFirstAndNcDestroyChildrenFirst)
{
    HWND top = tw.Create(WS_POPUP, 0, {0, 0, 300, 300});
    HWND child = tw.Create(kChild, 0, {0, 0, 10, 10}, top, 1);
    HWND grandchild = tw.Create(kChild, 0, {0, 0, 5, 5}, child, 2);
    tw.log.clear();
    EXPECT_TRUE(DestroyWindow(top));
    std::vector<std::pair<HWND, UINT>> seen;
    for (auto& m : tw.log)
        if (m.message == WM_DESTROY || m.message == WM_NCDESTROY)
            seen.emplace_back(m.hwnd, m.message);
    EXPECT_EQ(seen, (std::vector<std::pair<HWND, UINT>>{{top, WM_DESTROY},
                                                        {child, WM_DESTROY},
                                                        {grandchild, WM_DESTROY},
                                                        {grandchild, WM_NCDESTROY},
                                                        {child, WM_NCDESTROY},
                                                        {top, WM_NCDESTROY}}));
    EXPECT_FALSE(IsWindow(top));
    EXPECT_FALSE(IsWindow(grandchild));
    EXPECT_FALSE(DestroyWindow(top)) << "a stale handle is refused quietly";
}

TEST_F(WindowTree, OwnedWindowsAreDestroyedBeforeTheirOwner)
{
    HWND owner = tw.Create(WS_POPUP, 0, {0, 0, 100, 100});
    HWND owned = tw.Create(WS_POPUP, 0, {0, 0, 50, 50}, owner);
    EXPECT_EQ(GetWindow(owned, GW_OWNER), owner);
    EXPECT_EQ(GetParent(owned), owner) << "a pop-up's parent is its owner";
    tw.log.clear();
    DestroyWindow(owner);
    auto order = tw.Messages(nullptr, {WM_DESTROY});
    ASSERT_EQ(tw.Of(WM_DESTROY).size(), 2u);
    EXPECT_EQ(tw.Of(WM_DESTROY)[0].hwnd, owned);
    EXPECT_FALSE(IsWindow(owned));
}

TEST_F(WindowTree, WindowWhoseChildDestroysItselfDuringWmDestroyStaysConsistent)
{
    HWND top = tw.Create(WS_POPUP, 0, {0, 0, 100, 100});
    HWND child = tw.Create(kChild, 0, {0, 0, 10, 10}, top, 1);
    tw.handlers[child] = [](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_DESTROY)
            DestroyWindow(h); // refused: already being destroyed
        return std::nullopt;
    };
    DestroyWindow(top);
    EXPECT_EQ(tw.Count(child, WM_NCDESTROY), 1);
}

TEST_F(WindowTree, TextGoesThroughWmSetTextAndWmGetText)
{
    HWND h = tw.Create(WS_POPUP, 0, {0, 0, 10, 10}, nullptr, 0, TestWindows::kClass, L"初始");
    wchar_t buf[16];
    EXPECT_EQ(GetWindowTextW(h, buf, 16), 2);
    EXPECT_STREQ(buf, L"初始");
    EXPECT_TRUE(SetWindowTextW(h, L"墙体 Wall"));
    EXPECT_EQ(GetWindowTextLengthW(h), 7);
    EXPECT_EQ(GetWindowTextW(h, buf, 4), 3) << "truncated to the buffer";
    EXPECT_STREQ(buf, L"墙体 ");
    EXPECT_EQ(tw.Count(h, WM_SETTEXT), 1);
}

LRESULT Subclassed(HWND h, UINT m, WPARAM w, LPARAM l);
WNDPROC g_original = nullptr;
int g_subclassCalls = 0;
LRESULT Subclassed(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m == WM_USER + 5) {
        ++g_subclassCalls;
        return 42;
    }
    return CallWindowProcW(g_original, h, m, w, l);
}

TEST_F(WindowTree, SubclassingThroughGwlpWndProcChainsToTheOriginal)
{
    HWND h = tw.Create(WS_POPUP, 0, {0, 0, 10, 10});
    g_original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclassed)));
    ASSERT_NE(g_original, nullptr);
    EXPECT_EQ(SendMessageW(h, WM_USER + 5, 0, 0), 42);
    tw.log.clear();
    SendMessageW(h, WM_USER + 6, 0, 0);
    EXPECT_EQ(tw.Count(h, WM_USER + 6), 1) << "other messages reach the original procedure";
    EXPECT_EQ(g_subclassCalls, 1);
}

TEST_F(WindowTree, LongValuesStylesAndUserData)
{
    HWND h = tw.Create(WS_POPUP, WS_EX_TOOLWINDOW, {0, 0, 10, 10});
    EXPECT_EQ(GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, WS_EX_TOOLWINDOW);
    SetWindowLongPtrW(h, GWLP_USERDATA, 1234);
    EXPECT_EQ(GetWindowLongPtrW(h, GWLP_USERDATA), 1234);
    tw.log.clear();
    SetWindowLongPtrW(h, GWL_EXSTYLE, WS_EX_NOACTIVATE);
    EXPECT_EQ(tw.Messages(h, {WM_STYLECHANGING, WM_STYLECHANGED}),
              (std::vector<UINT>{WM_STYLECHANGING, WM_STYLECHANGED}));
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(h, GWL_EXSTYLE)), WS_EX_NOACTIVATE);
    EXPECT_EQ(GetWindowLongPtrW(nullptr, GWL_STYLE), 0) << "bad handle: quiet zero";
}

TEST_F(WindowTree, SetWindowPosSendsChangingChangedThenMoveAndSize)
{
    HWND h = tw.Create(WS_POPUP | WS_VISIBLE, 0, {0, 0, 100, 100});
    tw.log.clear();
    MoveWindow(h, 30, 40, 200, 150, TRUE);
    EXPECT_EQ(tw.Messages(h, {WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}),
              (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}));
    EXPECT_EQ(tw.Of(WM_SIZE).back().lParam, MAKELPARAM(200, 150));
    tw.log.clear();
    SetWindowPos(h, nullptr, 35, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(tw.Count(h, WM_SIZE), 0) << "size did not change";
    EXPECT_EQ(tw.Count(h, WM_MOVE), 1);
}

TEST_F(WindowTree, WindowPosChangingCanAdjustThePosition)
{
    HWND h = tw.Create(WS_POPUP | WS_VISIBLE, 0, {0, 0, 100, 100});
    tw.handlers[h] = [](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
        if (m == WM_WINDOWPOSCHANGING)
            reinterpret_cast<WINDOWPOS*>(l)->cx = 77;
        return std::nullopt;
    };
    MoveWindow(h, 0, 0, 300, 300, TRUE);
    RECT r;
    GetWindowRect(h, &r);
    EXPECT_EQ(r.right - r.left, 77);
}

TEST_F(WindowTree, ShowWindowReportsPreviousVisibilityAndSendsShowWindow)
{
    HWND h = tw.Create(WS_POPUP, 0, {0, 0, 10, 10});
    EXPECT_FALSE(IsWindowVisible(h));
    EXPECT_FALSE(ShowWindow(h, SW_SHOW));
    EXPECT_TRUE(IsWindowVisible(h));
    EXPECT_TRUE(ShowWindow(h, SW_HIDE));
    EXPECT_EQ(tw.Messages(h, {WM_SHOWWINDOW}), (std::vector<UINT>{WM_SHOWWINDOW, WM_SHOWWINDOW}));
    HWND child = tw.Create(kChild, 0, {0, 0, 5, 5}, h, 1);
    EXPECT_FALSE(IsWindowVisible(child)) << "a child of a hidden window is not visible";
}

TEST_F(WindowTree, EnableWindowReportsPreviousStateAndSendsWmEnable)
{
    HWND h = tw.Create(WS_POPUP | WS_VISIBLE, 0, {0, 0, 10, 10});
    EXPECT_FALSE(EnableWindow(h, FALSE));
    EXPECT_FALSE(IsWindowEnabled(h));
    EXPECT_TRUE(EnableWindow(h, TRUE));
    EXPECT_EQ(tw.Count(h, WM_ENABLE), 2);
}

TEST_F(WindowTree, RegisteredMessagesAreStablePerName)
{
    UINT a = RegisterWindowMessageW(L"ZtTest.Message");
    EXPECT_GE(a, 0xC000u);
    EXPECT_EQ(RegisterWindowMessageW(L"zttest.message"), a);
    EXPECT_NE(RegisterWindowMessageW(L"ZtTest.Other"), a);
    EXPECT_EQ(RegisterWindowMessageW(nullptr), 0u);
}

} // namespace

namespace {

TEST_F(WindowTree, OneMonitorCoversTheScreenAndIsTheWorkArea)
{
    zt::win::Desktop::SetScreenSize(1280, 720);
    HWND h = tw.Create(WS_POPUP, 0, {100, 100, 200, 200});
    MONITORINFO mi{sizeof mi, {}, {}, 0};
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(h, MONITOR_DEFAULTTONEAREST), &mi));
    EXPECT_EQ(mi.rcMonitor.right, 1280);
    EXPECT_EQ(mi.rcWork.bottom, 720);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
    EXPECT_EQ(MonitorFromPoint(POINT{5000, 5000}, MONITOR_DEFAULTTONULL), nullptr);
    RECT work{};
    EXPECT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work.right, 1280);
    zt::win::Desktop::SetScreenSize(zt::win::Desktop::kDefaultScreenWidth,
                                    zt::win::Desktop::kDefaultScreenHeight);
}

} // namespace

// Maximized or minimized, and sized meanwhile, a top-level window restored comes back to the
// rectangle it had before, and hears of it as a restored size.
TEST_F(WindowTree, RestoringReturnsToTheRectangleFromBeforeMaximizeOrMinimize)
{
    HWND h = tw.Create(WS_POPUP | WS_VISIBLE, 0, {30, 40, 230, 140});
    ShowWindow(h, SW_SHOWMAXIMIZED);
    desk.pump();
    RECT r{};
    GetWindowRect(h, &r);
    EXPECT_GT(r.right - r.left, 200) << "maximized";
    tw.log.clear();
    ShowWindow(h, SW_RESTORE);
    desk.pump();
    GetWindowRect(h, &r);
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.right, 230);
    EXPECT_EQ(r.bottom, 140);
    ASSERT_FALSE(tw.Of(WM_SIZE).empty());
    EXPECT_EQ(tw.Of(WM_SIZE).back().wParam, WPARAM(SIZE_RESTORED));

    ShowWindow(h, SW_MINIMIZE);
    SetWindowPos(h, nullptr, 0, 0, 5, 5, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(h, SW_RESTORE);
    desk.pump();
    GetWindowRect(h, &r);
    EXPECT_EQ(r.right - r.left, 200) << "the icon's size is not the window's";
    EXPECT_EQ(r.bottom - r.top, 100);
}
