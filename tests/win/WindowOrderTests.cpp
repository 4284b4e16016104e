// The order of windows among their siblings, the order in which waiting windows are painted,
// and families of thousands of windows.
#include "tests/support/DesktopFixture.h"
#include "tests/win/WinTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <list>

namespace {

constexpr DWORD kPopup = WS_POPUP | WS_VISIBLE;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr UINT kKeepPlace = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

struct WindowOrder : ::testing::Test
{
    DesktopFixture desk;
    TestWindows& tw = TestWindows::Get();
    void SetUp() override { tw.Reset(); }

    std::vector<HWND> Painted() const
    {
        std::vector<HWND> out;
        for (const auto& m : tw.log)
            if (m.message == WM_PAINT)
                out.push_back(m.hwnd);
        return out;
    }
    // Top to bottom, and bottom to top reversed: both walks must agree.
    static std::vector<HWND> Children(HWND parent)
    {
        std::vector<HWND> out;
        for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            out.push_back(c);
        return out;
    }
    static std::vector<HWND> ChildrenUpwards(HWND parent)
    {
        std::vector<HWND> out;
        HWND first = GetWindow(parent, GW_CHILD);
        for (HWND c = first ? GetWindow(first, GW_HWNDLAST) : nullptr; c;
             c = GetWindow(c, GW_HWNDPREV))
            out.push_back(c);
        std::reverse(out.begin(), out.end());
        return out;
    }
    void RepaintAll(HWND top)
    {
        desk.pump();
        tw.log.clear();
        InvalidateRect(top, nullptr, TRUE);
        desk.pump();
    }
};

TEST_F(WindowOrder, ParentPaintsFirstThenItsChildrenFromTheBottomUp)
{
    HWND top = tw.Create(kPopup, 0, {0, 0, 200, 200});
    HWND a = tw.Create(kChild, 0, {0, 0, 50, 50}, top, 1);
    HWND b = tw.Create(kChild, 0, {60, 0, 110, 50}, top, 2);
    HWND g = tw.Create(kChild, 0, {0, 0, 10, 10}, b, 3);
    HWND c = tw.Create(kChild, 0, {120, 0, 170, 50}, top, 4);
    ASSERT_EQ(Children(top), (std::vector<HWND>{c, b, a})) << "a new window goes on top";

    RepaintAll(top);
    EXPECT_EQ(Painted(), (std::vector<HWND>{top, a, b, g, c}));

    SetWindowPos(c, HWND_BOTTOM, 0, 0, 0, 0, kKeepPlace);
    RepaintAll(top);
    EXPECT_EQ(Painted(), (std::vector<HWND>{top, c, a, b, g})) << "the new z-order is followed";
}

TEST_F(WindowOrder, WindowWaitingUnderAParentWithoutRedrawPaintsOnceRedrawIsBack)
{
    HWND top = tw.Create(kPopup, 0, {0, 0, 200, 200});
    HWND panel = tw.Create(kChild, 0, {0, 0, 100, 100}, top, 1);
    HWND leaf = tw.Create(kChild, 0, {10, 10, 40, 40}, panel, 2);
    desk.pump();
    tw.log.clear();
    InvalidateRect(leaf, nullptr, TRUE);
    SendMessageW(panel, WM_SETREDRAW, FALSE, 0);
    desk.pump();
    EXPECT_EQ(tw.Count(leaf, WM_PAINT), 0);
    SendMessageW(panel, WM_SETREDRAW, TRUE, 0);
    desk.pump();
    EXPECT_EQ(tw.Count(leaf, WM_PAINT), 1) << "its update region waited";
    EXPECT_EQ(tw.Count(panel, WM_PAINT), 0);
}

TEST_F(WindowOrder, ThousandsOfSiblingsKeepTheirOrderThroughMovesAndPaintOnceEach)
{
    constexpr int kCount = 3000;
    HWND top = tw.Create(kPopup, 0, {0, 0, 600, 600});
    std::list<HWND> expected; // top to bottom
    for (int i = 0; i < kCount; ++i)
        expected.push_front(tw.Create(
            kChild, 0, {(i % 100) * 6, (i / 100) * 6, (i % 100) * 6 + 6, (i / 100) * 6 + 6}, top,
            i + 1));
    // Windows moved again and again to the same place squeeze between the same two neighbours.
    HWND anchor = expected.front();
    std::vector<HWND> moved(std::next(expected.begin(), 10), std::next(expected.begin(), 210));
    for (HWND m : moved) {
        SetWindowPos(m, anchor, 0, 0, 0, 0, kKeepPlace);
        expected.remove(m);
        expected.insert(std::next(expected.begin()), m);
    }
    SetWindowPos(moved[5], HWND_BOTTOM, 0, 0, 0, 0, kKeepPlace);
    expected.remove(moved[5]);
    expected.push_back(moved[5]);
    std::vector<HWND> order(expected.begin(), expected.end());
    ASSERT_EQ(Children(top), order);
    ASSERT_EQ(ChildrenUpwards(top), order);

    RepaintAll(top);
    std::vector<HWND> painted{top};
    painted.insert(painted.end(), order.rbegin(), order.rend());
    EXPECT_EQ(Painted(), painted);
}

TEST_F(WindowOrder, DestroyingChildrenOfALargeFamilyLeavesTheOthersLinked)
{
    constexpr int kCount = 2000;
    HWND top = tw.Create(kPopup, 0, {0, 0, 300, 300});
    std::vector<HWND> kids;
    for (int i = 0; i < kCount; ++i)
        kids.push_back(tw.Create(kChild, 0, {0, 0, 5, 5}, top, i + 1));
    std::vector<HWND> left;
    for (int i = kCount - 1; i >= 0; --i) {
        if (i % 3 == 0)
            DestroyWindow(kids[i]);
        else
            left.push_back(kids[i]);
    }
    EXPECT_EQ(Children(top), left);
    EXPECT_EQ(ChildrenUpwards(top), left);
    DestroyWindow(top);
    EXPECT_TRUE(std::none_of(kids.begin(), kids.end(), [](HWND h) { return IsWindow(h); }));
}

TEST_F(WindowOrder, WindowHandedToAnotherOwnerGoesWithTheNewOwner)
{
    HWND first = tw.Create(WS_POPUP, 0, {0, 0, 100, 100});
    HWND second = tw.Create(WS_POPUP, 0, {0, 0, 100, 100});
    HWND owned = tw.Create(WS_POPUP, 0, {0, 0, 50, 50}, first);
    SetWindowLongPtrW(owned, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(second));
    EXPECT_EQ(GetWindow(owned, GW_OWNER), second);
    DestroyWindow(first);
    EXPECT_TRUE(IsWindow(owned));
    DestroyWindow(second);
    EXPECT_FALSE(IsWindow(owned));
}

} // namespace
