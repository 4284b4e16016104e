// Buttons driven by the mouse and the keyboard: check states, owner-draw states, press and
// release semantics, default push buttons, images and colours.
#include "tests/win/ControlTestSupport.h"

namespace {

using ButtonTest = ControlTest;

TEST_F(ButtonTest, AutoThreeStateCyclesUncheckedCheckedIndeterminateOnClicks)
{
    HWND box = Child(L"Button", L"Walls", BS_AUTO3STATE, {10, 10, 150, 30}, 7);
    POINT p = At(box, 5, 10);
    const UINT expected[] = {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED, BST_CHECKED};
    for (UINT e : expected) {
        desk.click(p);
        EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), static_cast<LRESULT>(e));
    }
    EXPECT_EQ(Clicks(7), 4);
}

TEST_F(ButtonTest, CheckStatesAreKeptWithinWhatTheStyleAllows)
{
    struct Case
    {
        DWORD style;
        UINT set;
        UINT expected;
    } cases[] = {
        {BS_CHECKBOX, BST_INDETERMINATE, BST_CHECKED},
        {BS_AUTOCHECKBOX, BST_INDETERMINATE, BST_CHECKED},
        {BS_3STATE, BST_INDETERMINATE, BST_INDETERMINATE},
        {BS_AUTO3STATE, BST_CHECKED, BST_CHECKED},
        {BS_PUSHBUTTON, BST_CHECKED, BST_UNCHECKED},
        {BS_RADIOBUTTON, BST_CHECKED, BST_CHECKED},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        HWND b = Child(L"Button", L"x", c.style, {10, 10, 100, 30}, 1);
        SendMessageW(b, BM_SETCHECK, c.set, 0);
        EXPECT_EQ(SendMessageW(b, BM_GETCHECK, 0, 0), static_cast<LRESULT>(c.expected));
        DestroyWindow(b);
    }
}

TEST_F(ButtonTest, NonAutoThreeStateOnlyNotifiesAndLeavesTheStateToTheParent)
{
    HWND box = Child(L"Button", L"x", BS_3STATE, {10, 10, 100, 30}, 3);
    desk.click(At(box, 5, 5));
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_UNCHECKED));
    EXPECT_EQ(Clicks(3), 1);
}

TEST_F(ButtonTest, ReleasingOutsideCancelsTheClickAndMovingBackInRearmsIt)
{
    HWND b = Child(L"Button", L"OK", BS_PUSHBUTTON, {10, 10, 90, 35}, IDOK);
    desk.moveTo(At(b, 10, 10));
    desk.press();
    EXPECT_EQ(GetCapture(), b);
    EXPECT_TRUE(SendMessageW(b, BM_GETSTATE, 0, 0) & BST_PUSHED);
    desk.moveTo(At(b, 200, 10));
    EXPECT_FALSE(SendMessageW(b, BM_GETSTATE, 0, 0) & BST_PUSHED);
    desk.release();
    EXPECT_EQ(Clicks(IDOK), 0);
    EXPECT_EQ(GetCapture(), nullptr);

    desk.moveTo(At(b, 10, 10));
    desk.press();
    desk.moveTo(At(b, 200, 10));
    desk.moveTo(At(b, 20, 10));
    EXPECT_TRUE(SendMessageW(b, BM_GETSTATE, 0, 0) & BST_PUSHED);
    desk.release();
    EXPECT_EQ(Clicks(IDOK), 1);
    EXPECT_EQ(GetFocus(), b);
}

TEST_F(ButtonTest, SpaceBarPressesOnKeyDownAndClicksOnKeyUp)
{
    HWND box = Child(L"Button", L"x", BS_AUTOCHECKBOX, {10, 10, 100, 30}, 4);
    SetFocus(box);
    desk.keyDown(VK_SPACE);
    EXPECT_TRUE(SendMessageW(box, BM_GETSTATE, 0, 0) & BST_PUSHED);
    EXPECT_EQ(Clicks(4), 0);
    desk.keyUp(VK_SPACE);
    EXPECT_EQ(Clicks(4), 1);
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
    EXPECT_EQ(SendMessageW(box, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
}

TEST_F(ButtonTest, NotifyingButtonsReportFocusChanges)
{
    HWND quiet = Child(L"Button", L"a", BS_PUSHBUTTON, {10, 10, 100, 30}, 1);
    HWND notify = Child(L"Button", L"b", BS_PUSHBUTTON | BS_NOTIFY, {10, 40, 100, 60}, 2);
    SetFocus(quiet);
    SetFocus(notify);
    SetFocus(quiet);
    EXPECT_EQ(Clicks(1, BN_SETFOCUS) + Clicks(1, BN_KILLFOCUS), 0);
    EXPECT_EQ(Clicks(2, BN_SETFOCUS), 1);
    EXPECT_EQ(Clicks(2, BN_KILLFOCUS), 1);
    EXPECT_EQ(SendMessageW(notify, BM_GETSTATE, 0, 0) & BST_FOCUS, 0);
    EXPECT_NE(SendMessageW(quiet, BM_GETSTATE, 0, 0) & BST_FOCUS, 0);
}

TEST_F(ButtonTest, BmClickClicksEnabledButtonsOnly)
{
    HWND b = Child(L"Button", L"x", BS_AUTOCHECKBOX, {10, 10, 100, 30}, 5);
    SendMessageW(b, BM_CLICK, 0, 0);
    EXPECT_EQ(Clicks(5), 1);
    EXPECT_EQ(SendMessageW(b, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
    EnableWindow(b, FALSE);
    SendMessageW(b, BM_CLICK, 0, 0);
    EXPECT_EQ(Clicks(5), 1);
}

TEST_F(ButtonTest, AutoRadioButtonsClearTheOthersOfTheirGroupOnly)
{
    HWND a = Child(L"Button", L"a", BS_AUTORADIOBUTTON | WS_GROUP, {10, 10, 100, 30}, 11);
    HWND b = Child(L"Button", L"b", BS_AUTORADIOBUTTON, {10, 40, 100, 60}, 12);
    HWND c = Child(L"Button", L"c", BS_AUTORADIOBUTTON | WS_GROUP, {10, 70, 100, 90}, 13);
    desk.click(At(a, 5, 5));
    desk.click(At(c, 5, 5));
    EXPECT_EQ(SendMessageW(a, BM_GETCHECK, 0, 0), 1);
    EXPECT_EQ(SendMessageW(c, BM_GETCHECK, 0, 0), 1);
    desk.click(At(b, 5, 5));
    EXPECT_EQ(SendMessageW(a, BM_GETCHECK, 0, 0), 0);
    EXPECT_EQ(SendMessageW(b, BM_GETCHECK, 0, 0), 1);
    EXPECT_EQ(SendMessageW(c, BM_GETCHECK, 0, 0), 1);
}

TEST_F(ButtonTest, OwnerDrawButtonIsDrawnWithPressedFocusAndDisabledStates)
{
    HWND b = Child(L"Button", L"", BS_OWNERDRAW, {10, 10, 90, 40}, 21);
    desk.pump();
    ASSERT_FALSE(drawStates.empty());
    EXPECT_EQ(drawStates.back() & (ODS_SELECTED | ODS_FOCUS | ODS_DISABLED), 0u);

    desk.moveTo(At(b, 5, 5));
    desk.press();
    desk.pump();
    EXPECT_EQ(drawStates.back() & (ODS_SELECTED | ODS_FOCUS), ODS_SELECTED | ODS_FOCUS);
    EXPECT_EQ(desk.pixel(At(b, 20, 20).x, At(b, 20, 20).y), GetSysColor(COLOR_HIGHLIGHT));
    desk.release();
    desk.pump();
    EXPECT_EQ(drawStates.back() & (ODS_SELECTED | ODS_FOCUS), static_cast<UINT>(ODS_FOCUS));

    SetFocus(parent);
    EnableWindow(b, FALSE);
    desk.pump();
    EXPECT_EQ(drawStates.back() & (ODS_SELECTED | ODS_FOCUS | ODS_DISABLED),
              static_cast<UINT>(ODS_DISABLED));
    auto items = TestWindows::Get().Of(WM_DRAWITEM);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items.back().wParam, 21u);
}

TEST_F(ButtonTest, DoubleClickOnOwnerDrawButtonNotifiesDoubleClicked)
{
    HWND b = Child(L"Button", L"", BS_OWNERDRAW, {10, 10, 90, 40}, 22);
    POINT p = At(b, 5, 5);
    desk.doubleClick(p.x, p.y);
    EXPECT_EQ(Clicks(22, BN_CLICKED), 1);
    EXPECT_EQ(Clicks(22, BN_DOUBLECLICKED), 1);
}

TEST_F(ButtonTest, PushButtonsAskTheParentForColoursButKeepTheirFaceCheckBoxesTakeTheStaticColours)
{
    ctlColorBrush = CreateSolidBrush(RGB(0, 128, 0));
    HWND push = Child(L"Button", L"", BS_PUSHBUTTON, {10, 10, 90, 40}, 1);
    HWND box = Child(L"Button", L"", BS_CHECKBOX, {10, 50, 200, 70}, 2);
    desk.pump();
    EXPECT_NE(std::count(ctlColorRequests.begin(), ctlColorRequests.end(), WM_CTLCOLORBTN), 0);
    EXPECT_NE(std::count(ctlColorRequests.begin(), ctlColorRequests.end(), WM_CTLCOLORSTATIC), 0);
    POINT inPush = At(push, 40, 15);
    POINT besideBox = At(box, 150, 10);
    EXPECT_EQ(desk.pixel(inPush.x, inPush.y), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(desk.pixel(besideBox.x, besideBox.y), RGB(0, 128, 0));
    DestroyWindow(push);
    DestroyWindow(box);
    DeleteObject(ctlColorBrush);
}

TEST_F(ButtonTest, CheckedBoxShowsAMarkAndIndeterminateAGrayFill)
{
    HWND box = Child(L"Button", L"", BS_3STATE, {10, 10, 100, 23}, 1);
    desk.pump();
    POINT centre = At(box, 6, 6);
    EXPECT_EQ(desk.pixel(centre.x, centre.y), GetSysColor(COLOR_WINDOW));
    SendMessageW(box, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(desk.pixel(centre.x, centre.y), GetSysColor(COLOR_BTNSHADOW));
    SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
    int dark = 0;
    for (int y = 2; y < 11; ++y)
        for (int x = 2; x < 11; ++x) {
            POINT p = At(box, x, y);
            if (desk.pixel(p.x, p.y) == GetSysColor(COLOR_WINDOWTEXT))
                ++dark;
        }
    EXPECT_GT(dark, 5);
}

TEST_F(ButtonTest, IconButtonsDrawTheImageSetWithBmSetImage)
{
    std::vector<std::uint32_t> red(16 * 16, 0xFFFF0000u);
    HICON icon = zt::win::CreateIconFromArgb(16, 16, red.data());
    HWND b = Child(L"Button", L"", BS_PUSHBUTTON | BS_ICON, {10, 10, 50, 50}, 1);
    EXPECT_EQ(SendMessageW(b, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon)), 0);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(b, BM_GETIMAGE, IMAGE_ICON, 0)), icon);
    POINT centre = At(b, 20, 20);
    EXPECT_EQ(desk.pixel(centre.x, centre.y), RGB(255, 0, 0));
    DestroyWindow(b);
    DestroyIcon(icon);
}

TEST_F(ButtonTest, BitmapButtonsDrawTheirBitmapCentred)
{
    HDC screen = GetDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 10, 10);
    ReleaseDC(nullptr, screen);
    HDC mem = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(mem, bmp);
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    RECT all{0, 0, 10, 10};
    FillRect(mem, &all, blue);
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(blue);
    HWND b = Child(L"Button", L"", BS_PUSHBUTTON | BS_BITMAP, {10, 10, 50, 50}, 1);
    SendMessageW(b, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bmp));
    EXPECT_EQ(reinterpret_cast<HBITMAP>(SendMessageW(b, BM_GETIMAGE, IMAGE_BITMAP, 0)), bmp);
    POINT centre = At(b, 20, 20);
    POINT edge = At(b, 5, 20);
    EXPECT_EQ(desk.pixel(centre.x, centre.y), RGB(0, 0, 255));
    EXPECT_NE(desk.pixel(edge.x, edge.y), RGB(0, 0, 255));
    // Images of another kind are refused.
    EXPECT_EQ(SendMessageW(b, BM_SETIMAGE, IMAGE_CURSOR, 0), 0);
    EXPECT_EQ(reinterpret_cast<HBITMAP>(SendMessageW(b, BM_GETIMAGE, IMAGE_BITMAP, 0)), bmp);
    DestroyWindow(b);
    DeleteObject(bmp);
}

TEST_F(ButtonTest, GroupBoxLetsClicksThroughAndIsNotATabStop)
{
    HWND group = Child(L"Button", L"Options", BS_GROUPBOX, {10, 10, 200, 150}, 30);
    EXPECT_EQ(SendMessageW(group, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
    POINT p = At(group, 50, 50);
    EXPECT_EQ(WindowFromPoint(p), parent);
}

} // namespace
