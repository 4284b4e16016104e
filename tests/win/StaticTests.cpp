// Static controls: text alignment, icons, notifications and colours.
#include "platform/win/afxwin.h"
#include "tests/win/ControlTestSupport.h"

namespace {

using StaticTest = ControlTest;

// The horizontal extent of dark (text) pixels in a static's client area.
struct Span
{
    int first;
    int last;
};

Span InkSpan(DesktopFixture& desk, HWND st)
{
    desk.pump();
    RECT r;
    GetWindowRect(st, &r);
    int first = -1, last = -1;
    COLORREF back = GetSysColor(COLOR_BTNFACE);
    // One composition, then many reads.
    zt::win::Desktop::ComposeScreen();
    HDC screen = GetDC(nullptr);
    for (int x = r.left; x < r.right; ++x)
        for (int y = r.top; y < r.bottom; ++y)
            if (GetPixel(screen, x, y) != back) {
                if (first < 0)
                    first = x - r.left;
                last = x - r.left;
                break;
            }
    ReleaseDC(nullptr, screen);
    return {first, last};
}

TEST_F(StaticTest, TextIsPlacedLeftCentredOrRight)
{
    HWND left = Child(L"Static", L"Wall", SS_LEFT, {10, 10, 210, 30}, 1);
    HWND centre = Child(L"Static", L"Wall", SS_CENTER, {10, 40, 210, 60}, 2);
    HWND right = Child(L"Static", L"Wall", SS_RIGHT, {10, 70, 210, 90}, 3);
    auto l = InkSpan(desk, left);
    auto c = InkSpan(desk, centre);
    auto r = InkSpan(desk, right);
    ASSERT_GE(l.first, 0);
    EXPECT_LT(l.first, 3);
    EXPECT_GT(r.last, 195);
    int middle = (c.first + c.last) / 2;
    EXPECT_NEAR(middle, 100, 3);
    EXPECT_EQ(c.last - c.first, l.last - l.first);
}

TEST_F(StaticTest, NotifyingStaticsReportClicksOthersLetThemThrough)
{
    HWND quiet = Child(L"Static", L"a", SS_LEFT, {10, 10, 100, 30}, 1);
    HWND notify = Child(L"Static", L"b", SS_LEFT | SS_NOTIFY, {10, 40, 100, 60}, 2);
    desk.click(At(quiet, 5, 5));
    desk.click(At(notify, 5, 5));
    EXPECT_EQ(Clicks(1, STN_CLICKED), 0);
    EXPECT_EQ(Clicks(2, STN_CLICKED), 1);
    EXPECT_EQ(WindowFromPoint(At(quiet, 5, 5)), parent);
    EXPECT_EQ(WindowFromPoint(At(notify, 5, 5)), notify);
}

TEST_F(StaticTest, IconStaticDrawsItsIconCentredWhenAsked)
{
    std::vector<std::uint32_t> green(16 * 16, 0xFF00C000u);
    HICON icon = zt::win::CreateIconFromArgb(16, 16, green.data());
    HWND plain = Child(L"Static", L"", SS_ICON, {10, 10, 60, 60}, 1);
    HWND centred = Child(L"Static", L"", SS_ICON | SS_CENTERIMAGE, {70, 10, 120, 60}, 2);
    EXPECT_EQ(SendMessageW(plain, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0), 0);
    CStatic* wrapped = nullptr;
    CStatic st;
    ASSERT_TRUE(st.SubclassWindow(centred));
    wrapped = &st;
    wrapped->SetIcon(icon);
    EXPECT_EQ(wrapped->GetIcon(), icon);
    POINT topLeft = At(plain, 2, 2);
    POINT centreOfCentred = At(centred, 25, 25);
    POINT cornerOfCentred = At(centred, 2, 2);
    EXPECT_EQ(desk.pixel(topLeft.x, topLeft.y), RGB(0, 192, 0));
    EXPECT_EQ(desk.pixel(centreOfCentred.x, centreOfCentred.y), RGB(0, 192, 0));
    EXPECT_EQ(desk.pixel(cornerOfCentred.x, cornerOfCentred.y), GetSysColor(COLOR_BTNFACE));
    st.UnsubclassWindow();
    DestroyWindow(plain);
    DestroyWindow(centred);
    DestroyIcon(icon);
}

TEST_F(StaticTest, BackgroundComesFromTheParentsCtlColorStatic)
{
    ctlColorBrush = CreateSolidBrush(RGB(255, 255, 0));
    HWND st = Child(L"Static", L"", SS_LEFT, {10, 10, 100, 30}, 1);
    desk.pump();
    EXPECT_NE(std::count(ctlColorRequests.begin(), ctlColorRequests.end(), WM_CTLCOLORSTATIC), 0);
    POINT p = At(st, 50, 10);
    EXPECT_EQ(desk.pixel(p.x, p.y), RGB(255, 255, 0));
    DestroyWindow(st);
    DeleteObject(ctlColorBrush);
}

} // namespace
