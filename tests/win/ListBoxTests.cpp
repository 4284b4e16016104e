// The list box: items, owner-draw measuring and drawing per item, selection by mouse and keys,
// scrolling by bar, wheel and messages, and item rectangles after scrolling.
#include "tests/win/ControlsTestSupport.h"

#include <map>

namespace {

struct ListBox : ControlsTest
{
    HWND list = nullptr;
    std::map<int, int> heights; // item -> height answered to WM_MEASUREITEM
    std::vector<DRAWITEMSTRUCT> draws;
    std::vector<MEASUREITEMSTRUCT> measures;
    std::vector<ULONG_PTR> deletedData;

    void SetUp() override
    {
        ControlsTest::SetUp();
        tw.handlers[parent] = [this](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
            if (m == WM_MEASUREITEM) {
                auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(l);
                measures.push_back(*mis);
                int id = static_cast<int>(mis->itemID);
                mis->itemHeight = heights.count(id) ? static_cast<UINT>(heights[id]) : 20;
                return TRUE;
            }
            if (m == WM_DELETEITEM) {
                deletedData.push_back(reinterpret_cast<DELETEITEMSTRUCT*>(l)->itemData);
                return TRUE;
            }
            if (m == WM_DRAWITEM) {
                auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(l);
                draws.push_back(*dis);
                HBRUSH b = CreateSolidBrush((dis->itemState & ODS_SELECTED) ? RGB(255, 0, 0)
                                                                            : RGB(0, 255, 0));
                FillRect(dis->hDC, &dis->rcItem, b);
                DeleteObject(b);
                return TRUE;
            }
            return std::nullopt;
        };
    }

    HWND MakeList(DWORD style, int count, RECT r = {20, 20, 220, 220})
    {
        list = Create(WC_LISTBOXW, kChild | style, r, 30);
        for (int i = 0; i < count; ++i) {
            std::wstring s = L"item " + std::to_wstring(i);
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
        }
        desk.pump();
        tw.log.clear();
        draws.clear();
        return list;
    }

    RECT ItemRect(int i) const
    {
        RECT r{};
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
        return r;
    }
    LRESULT Top() const { return SendMessageW(list, LB_GETTOPINDEX, 0, 0); }
    LRESULT Cur() const { return SendMessageW(list, LB_GETCURSEL, 0, 0); }
};

TEST_F(ListBox, StringsAndDataAreStoredFoundAndDeleted)
{
    MakeList(WS_BORDER | LBS_NOTIFY, 0);
    EXPECT_EQ(SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"beta")), 0);
    EXPECT_EQ(SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"delta")), 1);
    EXPECT_EQ(SendMessageW(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(L"alpha")), 0);
    EXPECT_EQ(SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(L"omega")),
              3);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(SendMessageW(list, LB_SETITEMDATA, 1, 0xBEEF), 0);
    EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, 1, 0), 0xBEEF);
    EXPECT_EQ(SendMessageW(list, LB_GETTEXTLEN, 2, 0), 5);
    wchar_t buf[16] = {};
    SendMessageW(list, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(buf));
    EXPECT_EQ(std::wstring(buf), L"delta");
    EXPECT_EQ(SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(L"DELTA")),
              2);
    EXPECT_EQ(SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(L"delt")),
              LB_ERR);
    SendMessageW(list, LB_SETCURSEL, 2, 0);
    EXPECT_EQ(SendMessageW(list, LB_DELETESTRING, 0, 0), 3);
    EXPECT_EQ(Cur(), 1) << "the selection follows its item";
    EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, 0, 0), 0xBEEF);
    EXPECT_EQ(SendMessageW(list, LB_DELETESTRING, 7, 0), LB_ERR);
    EXPECT_EQ(SendMessageW(list, LB_GETTEXT, 9, reinterpret_cast<LPARAM>(buf)), LB_ERR);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(Cur(), LB_ERR);
}

TEST_F(ListBox, VariableOwnerDrawMeasuresEachItemAtInsertion)
{
    heights = {{0, 30}, {1, 12}, {2, 44}};
    MakeList(WS_BORDER | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, 3);
    ASSERT_EQ(measures.size(), 3u);
    for (UINT i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(measures[i].itemID, i);
        EXPECT_EQ(measures[i].CtlType, ODT_LISTBOX);
        EXPECT_EQ(measures[i].CtlID, 30u);
    }
    EXPECT_EQ(SendMessageW(list, LB_GETITEMHEIGHT, 1, 0), 12);
    RECT r2 = ItemRect(2);
    EXPECT_EQ(r2.top, 42);
    EXPECT_EQ(r2.bottom, 86);
    SendMessageW(list, LB_SETITEMHEIGHT, 1, MAKELPARAM(22, 0));
    EXPECT_EQ(ItemRect(2).top, 52);
}

TEST_F(ListBox, OwnerDrawItemsAreDeletedOneByOneWithTheirData)
{
    MakeList(WS_BORDER | LBS_OWNERDRAWVARIABLE, 0);
    for (LPARAM data : {11, 22, 33})
        SendMessageW(list, LB_ADDSTRING, 0, data);
    EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, 1, 0), 22) << "without strings the data is kept";
    SendMessageW(list, LB_DELETESTRING, 1, 0);
    EXPECT_EQ(deletedData, (std::vector<ULONG_PTR>{22}));
    DestroyWindow(list);
    EXPECT_EQ(deletedData, (std::vector<ULONG_PTR>{22, 33, 11})) << "destroying deletes the rest";
}

TEST_F(ListBox, FixedOwnerDrawMeasuresOnceAtCreation)
{
    heights = {{0, 17}};
    MakeList(WS_BORDER | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 5);
    ASSERT_EQ(measures.size(), 1u);
    EXPECT_EQ(measures[0].itemID, 0u);
    EXPECT_EQ(SendMessageW(list, LB_GETITEMHEIGHT, 3, 0), 17);
    EXPECT_EQ(ItemRect(3).top, 51);
}

TEST_F(ListBox, PaintingDrawsEachVisibleItemWithItsState)
{
    MakeList(LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOTIFY, 30, {20, 20, 220, 110});
    SendMessageW(list, LB_SETCURSEL, 2, 0);
    SetFocus(list);
    SendMessageW(list, LB_SETITEMDATA, 1, 77);
    draws.clear();
    desk.pump();
    ASSERT_EQ(draws.size(), 5u) << "90 pixels of 20-pixel rows: five rows, the last in part";
    for (UINT i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(draws[i].itemID, i);
        EXPECT_EQ(draws[i].CtlType, ODT_LISTBOX);
        EXPECT_EQ(draws[i].itemAction, ODA_DRAWENTIRE);
        EXPECT_EQ(draws[i].hwndItem, list);
        EXPECT_EQ(draws[i].rcItem.top, static_cast<LONG>(i) * 20);
        EXPECT_EQ(draws[i].rcItem.right, 200);
        UINT expected = i == 2 ? (ODS_SELECTED | ODS_FOCUS) : 0;
        EXPECT_EQ(draws[i].itemState, expected);
    }
    EXPECT_EQ(draws[1].itemData, 77u);
    EXPECT_EQ(desk.pixel(At(list, 5, 45).x, At(list, 5, 45).y), RGB(255, 0, 0));
    EXPECT_EQ(desk.pixel(At(list, 5, 25).x, At(list, 5, 25).y), RGB(0, 255, 0));
    EnableWindow(list, FALSE);
    draws.clear();
    desk.pump();
    ASSERT_FALSE(draws.empty());
    EXPECT_EQ(draws[0].itemState & ODS_DISABLED, ODS_DISABLED);
}

TEST_F(ListBox, ClickSelectsTheRowUnderThePointerInTheDefaultHandling)
{
    MakeList(WS_BORDER | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOTIFY, 10);
    int selectionSeenAfterDefault = -2;
    // A subclass that reads the selection right after the default handling of the press.
    static WNDPROC previous;
    static int* seen;
    seen = &selectionSeenAfterDefault;
    previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        list, GWLP_WNDPROC,
        reinterpret_cast<LONG_PTR>(+[](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            LRESULT r = CallWindowProcW(previous, h, m, w, l);
            if (m == WM_LBUTTONDOWN)
                *seen = static_cast<int>(SendMessageW(h, LB_GETCURSEL, 0, 0));
            return r;
        })));
    desk.click(At(list, 30, 3 * 20 + 5));
    EXPECT_EQ(selectionSeenAfterDefault, 3);
    EXPECT_EQ(GetFocus(), list);
    EXPECT_EQ(CountCode(list, LBN_SELCHANGE), 1);
    desk.advance(1000);
    desk.doubleClick(At(list, 30, 5).x, At(list, 30, 5).y);
    EXPECT_EQ(Cur(), 0);
    EXPECT_EQ(CountCode(list, LBN_DBLCLK), 1);
    desk.click(At(list, 30, 5));
    EXPECT_EQ(CountCode(list, LBN_SELCHANGE), 2) << "clicking the selected row changes nothing";
}

TEST_F(ListBox, WithoutNotifyStyleNoSelectionNotificationsAreSent)
{
    MakeList(WS_BORDER, 5);
    desk.click(At(list, 30, 2));
    EXPECT_EQ(Cur(), 0);
    EXPECT_TRUE(Codes(list).empty());
}

TEST_F(ListBox, ArrowsAndPagesMoveTheSelectionAndScrollIt)
{
    MakeList(WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOTIFY, 50,
             {20, 20, 220, 120});
    SetFocus(list);
    desk.key(VK_DOWN);
    EXPECT_EQ(Cur(), 0);
    desk.key(VK_DOWN);
    desk.key(VK_DOWN);
    EXPECT_EQ(Cur(), 2);
    desk.key(VK_NEXT);
    EXPECT_EQ(Cur(), 6) << "a page is the visible rows less one";
    EXPECT_EQ(Top(), 2) << "the selection is scrolled to the bottom row";
    desk.key(VK_END);
    EXPECT_EQ(Cur(), 49);
    EXPECT_EQ(Top(), 45);
    desk.key(VK_HOME);
    EXPECT_EQ(Cur(), 0);
    EXPECT_EQ(Top(), 0);
    desk.key(VK_UP);
    EXPECT_EQ(Cur(), 0);
    EXPECT_EQ(CountCode(list, LBN_SELCHANGE), 6);
}

TEST_F(ListBox, TypingALetterSelectsTheNextRowStartingWithIt)
{
    MakeList(WS_BORDER | LBS_NOTIFY, 0);
    for (const wchar_t* s : {L"apple", L"banana", L"avocado", L"cherry"})
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    SetFocus(list);
    desk.type(L"a");
    EXPECT_EQ(Cur(), 0);
    desk.type(L"a");
    EXPECT_EQ(Cur(), 2);
    desk.type(L"C");
    EXPECT_EQ(Cur(), 3);
    desk.type(L"z");
    EXPECT_EQ(Cur(), 3);
}

TEST_F(ListBox, ScrollMessagesMoveTheTopRowAndItemRectsFollow)
{
    MakeList(WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, 40, {20, 20, 220, 120});
    struct Case
    {
        const char* name;
        WPARAM code;
        LRESULT top;
    };
    const Case cases[] = {
        {"line down", SB_LINEDOWN, 1},
        {"page down", SB_PAGEDOWN, 5},
        {"line up", SB_LINEUP, 4},
        {"thumb position", MAKEWPARAM(SB_THUMBPOSITION, 20), 20},
        {"page up", SB_PAGEUP, 16},
        {"bottom", SB_BOTTOM, 35},
        {"thumb past the end", MAKEWPARAM(SB_THUMBPOSITION, 500), 35},
        {"top", SB_TOP, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SendMessageW(list, WM_VSCROLL, c.code, 0);
        EXPECT_EQ(Top(), c.top);
        EXPECT_EQ(GetScrollPos(list, SB_VERT), c.top);
    }
    SendMessageW(list, LB_SETTOPINDEX, 10, 0);
    RECT r = ItemRect(12);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.bottom, 60);
    EXPECT_EQ(ItemRect(8).top, -40) << "rows above the top have negative rectangles";
    LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(10, 45));
    EXPECT_EQ(LOWORD(hit), 12);
    EXPECT_EQ(HIWORD(hit), 0);
    draws.clear();
    desk.pump();
    ASSERT_FALSE(draws.empty());
    EXPECT_EQ(draws.front().itemID, 10u);
    EXPECT_EQ(draws.front().rcItem.top, 0);
}

TEST_F(ListBox, TheWheelScrollsThreeRowsANotch)
{
    MakeList(WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, 40, {20, 20, 220, 120});
    POINT p = At(list, 50, 50);
    desk.wheel(p.x, p.y, -WHEEL_DELTA);
    EXPECT_EQ(Top(), 3);
    desk.wheel(-2 * WHEEL_DELTA);
    EXPECT_EQ(Top(), 9);
    desk.wheel(-WHEEL_DELTA / 2);
    EXPECT_EQ(Top(), 9) << "half a notch waits for the other half";
    desk.wheel(-WHEEL_DELTA / 2);
    EXPECT_EQ(Top(), 12);
    desk.wheel(10 * WHEEL_DELTA);
    EXPECT_EQ(Top(), 0);
    EXPECT_EQ(ItemRect(0).top, 0);
}

TEST_F(ListBox, TheScrollBarIsDrivenByTheMouse)
{
    MakeList(WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, 40, {20, 20, 220, 220});
    RECT wr{};
    GetWindowRect(list, &wr);
    int barX = wr.right - GetSystemMetrics(SM_CXVSCROLL) / 2;
    desk.click(barX, wr.bottom - 3);
    EXPECT_EQ(Top(), 1) << "the down arrow";
    desk.advance(1000);
    desk.click(barX, wr.top + 3);
    EXPECT_EQ(Top(), 0) << "the up arrow";
    desk.advance(1000);
    desk.click(barX, wr.bottom - 30);
    EXPECT_EQ(Top(), 9) << "the track below the thumb pages down";

    // Drag the thumb past the bottom of the track: the whole gesture is queued, as the bar's
    // tracking loop runs until the button goes up.
    SendMessageW(list, WM_VSCROLL, SB_TOP, 0);
    desk.advance(1000);
    int arrow = GetSystemMetrics(SM_CXVSCROLL);
    desk.moveTo(barX, wr.top + arrow + 3);
    INPUT in[4]{};
    for (INPUT& i : in)
        i.type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dy = 60;
    in[1].mi.dwFlags = MOUSEEVENTF_MOVE;
    in[2].mi.dy = 400;
    in[2].mi.dwFlags = MOUSEEVENTF_MOVE;
    in[3].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(4, in, sizeof(INPUT));
    desk.pump();
    EXPECT_EQ(Top(), 30);
    EXPECT_EQ(GetScrollPos(list, SB_VERT), 30);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ListBox, TheBarHidesWhenEverythingFits)
{
    MakeList(WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, 3);
    EXPECT_EQ(GetWindowLongPtrW(list, GWL_STYLE) & WS_VSCROLL, 0);
    for (int i = 0; i < 20; ++i)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"more"));
    EXPECT_EQ(GetWindowLongPtrW(list, GWL_STYLE) & WS_VSCROLL, static_cast<LONG_PTR>(WS_VSCROLL));
    RECT c{};
    GetClientRect(list, &c);
    EXPECT_EQ(c.right, 200 - GetSystemMetrics(SM_CXVSCROLL));
}

TEST_F(ListBox, SetRedrawFalseSuspendsPaintingUntilTurnedOn)
{
    MakeList(WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, 30, {20, 20, 220, 120});
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_SETTOPINDEX, 5, 0);
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"late"));
    desk.pump();
    EXPECT_TRUE(draws.empty());
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    desk.pump();
    ASSERT_FALSE(draws.empty());
    EXPECT_EQ(draws.front().itemID, 5u);
}

TEST_F(ListBox, PlainListsPaintTextAndTheSelectionInSystemColours)
{
    MakeList(WS_BORDER | LBS_NOTIFY, 5);
    SendMessageW(list, LB_SETCURSEL, 1, 0);
    RECT r = ItemRect(1);
    POINT p = At(list, r.right - 5, (r.top + r.bottom) / 2);
    EXPECT_EQ(desk.pixel(p.x, p.y), GetSysColor(COLOR_HIGHLIGHT));
    RECT r0 = ItemRect(0);
    POINT q = At(list, r0.right - 5, (r0.top + r0.bottom) / 2);
    EXPECT_EQ(desk.pixel(q.x, q.y), GetSysColor(COLOR_WINDOW));
}

} // namespace
