// The combo box: the drop-down list opened and closed by mouse and keys, selection in the list
// and on the closed box, the edit child, owner-draw of the face and of the items, the wheel.
#include "tests/win/ControlsTestSupport.h"

namespace {

struct ComboBox : ControlsTest
{
    HWND combo = nullptr;
    std::vector<DRAWITEMSTRUCT> draws;
    std::vector<MEASUREITEMSTRUCT> measures;

    void SetUp() override
    {
        ControlsTest::SetUp();
        tw.handlers[parent] = [this](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
            if (m == WM_MEASUREITEM) {
                auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(l);
                measures.push_back(*mis);
                mis->itemHeight = mis->itemID == static_cast<UINT>(-1) ? 22 : 18;
                return TRUE;
            }
            if (m == WM_DRAWITEM) {
                auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(l);
                draws.push_back(*dis);
                HBRUSH b = CreateSolidBrush((dis->itemState & ODS_SELECTED) ? RGB(255, 0, 0)
                                                                            : RGB(0, 0, 255));
                FillRect(dis->hDC, &dis->rcItem, b);
                DeleteObject(b);
                return TRUE;
            }
            return std::nullopt;
        };
    }

    HWND MakeCombo(DWORD style, int count, RECT r = {20, 20, 220, 220})
    {
        combo = Create(WC_COMBOBOXW, kChild | WS_VSCROLL | style, r, 40);
        for (int i = 0; i < count; ++i) {
            std::wstring s = L"entry " + std::to_wstring(i);
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
        }
        desk.pump();
        tw.log.clear();
        draws.clear();
        return combo;
    }

    HWND ListWindow() const { return FindWindowW(WC_COMBOLBOXW, nullptr); }
    bool Dropped() const { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }
    LRESULT Cur() const { return SendMessageW(combo, CB_GETCURSEL, 0, 0); }
    POINT Button() const
    {
        RECT c{};
        GetClientRect(combo, &c);
        return At(combo, c.right - 8, c.bottom / 2);
    }
    // A point on list row i while the list is open.
    POINT Row(int i) const
    {
        HWND l = ListWindow();
        RECT r{};
        SendMessageW(l, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
        return At(l, 10, (r.top + r.bottom) / 2);
    }
};

constexpr DWORD kDropList = CBS_DROPDOWNLIST | CBS_HASSTRINGS;

TEST_F(ComboBox, TheBoxKeepsItsClosedHeightAndTheListTakesTheRest)
{
    MakeCombo(kDropList, 3, {20, 20, 220, 220});
    RECT wr{};
    GetWindowRect(combo, &wr);
    int closed =
        static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    EXPECT_EQ(wr.bottom - wr.top, closed + 6);
    RECT dropped{};
    SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.bottom - dropped.top, 200);
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 18);
    GetWindowRect(combo, &wr);
    EXPECT_EQ(wr.bottom - wr.top, 24) << "an 18-pixel field makes a 24-pixel box";
    MoveWindow(combo, 20, 20, 200, 24 + 100, TRUE);
    GetWindowRect(combo, &wr);
    EXPECT_EQ(wr.bottom - wr.top, 24);
    SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.bottom - dropped.top, 124);
}

TEST_F(ComboBox, ClickOpensTheListBelowAndAClickOnARowPicksIt)
{
    MakeCombo(kDropList, 5);
    desk.click(Button());
    ASSERT_TRUE(Dropped());
    HWND l = ListWindow();
    ASSERT_TRUE(l);
    EXPECT_TRUE(IsWindowVisible(l));
    RECT lr{};
    RECT cr{};
    GetWindowRect(l, &lr);
    GetWindowRect(combo, &cr);
    EXPECT_EQ(lr.top, cr.bottom);
    EXPECT_EQ(lr.left, cr.left);
    EXPECT_EQ(GetWindowLongPtrW(l, GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST),
              static_cast<LONG_PTR>(WS_EX_TOOLWINDOW | WS_EX_TOPMOST));
    EXPECT_EQ(GetFocus(), combo) << "the list does not take the focus";
    EXPECT_EQ(Codes(combo), (std::vector<UINT>{CBN_SETFOCUS, CBN_DROPDOWN}));

    tw.log.clear();
    desk.moveTo(Row(3));
    desk.click(Row(3));
    EXPECT_FALSE(Dropped());
    EXPECT_FALSE(IsWindowVisible(l));
    EXPECT_EQ(Cur(), 3);
    EXPECT_EQ(Codes(combo), (std::vector<UINT>{CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
    EXPECT_EQ(Text(combo), L"entry 3");
}

TEST_F(ComboBox, AClickOutsideOrEscapeClosesWithoutPicking)
{
    MakeCombo(kDropList, 5);
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    desk.click(Button());
    ASSERT_TRUE(Dropped());
    desk.moveTo(Row(4)); // hovering highlights without committing
    tw.log.clear();
    desk.click(600, 550);
    EXPECT_FALSE(Dropped());
    EXPECT_EQ(Cur(), 1);
    EXPECT_EQ(Codes(combo), (std::vector<UINT>{CBN_SELENDCANCEL, CBN_CLOSEUP}));

    desk.advance(1000);
    desk.click(Button());
    ASSERT_TRUE(Dropped());
    desk.key(VK_DOWN);
    EXPECT_EQ(Cur(), 2) << "arrows move the open list's selection";
    desk.key(VK_ESCAPE);
    EXPECT_FALSE(Dropped());
    EXPECT_EQ(Cur(), 1) << "Escape goes back to the selection before opening";

    desk.advance(1000);
    desk.click(Button());
    desk.advance(1000);
    desk.click(Button());
    EXPECT_FALSE(Dropped()) << "a second click on the box closes it";
}

TEST_F(ComboBox, KeysOpenAndCloseTheListAndPick)
{
    MakeCombo(kDropList, 5);
    SetFocus(combo);
    tw.log.clear();
    desk.key(VK_F4);
    EXPECT_TRUE(Dropped());
    desk.key(VK_DOWN);
    desk.key(VK_DOWN);
    desk.key(VK_RETURN);
    EXPECT_FALSE(Dropped());
    EXPECT_EQ(Cur(), 1);
    EXPECT_EQ(Codes(combo), (std::vector<UINT>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELCHANGE,
                                               CBN_SELENDOK, CBN_CLOSEUP}));
    desk.keyDown(VK_MENU);
    desk.key(VK_DOWN);
    desk.keyUp(VK_MENU);
    EXPECT_TRUE(Dropped()) << "Alt+Down";
    desk.key(VK_F4);
    EXPECT_FALSE(Dropped());
}

TEST_F(ComboBox, ArrowsOnTheClosedBoxChangeTheSelection)
{
    MakeCombo(kDropList, 3);
    SetFocus(combo);
    tw.log.clear();
    desk.key(VK_DOWN);
    EXPECT_EQ(Cur(), 0);
    desk.key(VK_DOWN);
    desk.key(VK_DOWN);
    desk.key(VK_DOWN);
    EXPECT_EQ(Cur(), 2);
    desk.key(VK_UP);
    EXPECT_EQ(Cur(), 1);
    EXPECT_FALSE(Dropped());
    EXPECT_EQ(CountCode(combo, CBN_SELCHANGE), 4);
    EXPECT_EQ(Text(combo), L"entry 1");
}

TEST_F(ComboBox, TheWheelChangesTheSelectionOfTheClosedBox)
{
    MakeCombo(kDropList, 4);
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    POINT p = At(combo, 10, 5);
    desk.wheel(p.x, p.y, -WHEEL_DELTA);
    EXPECT_EQ(Cur(), 2);
    desk.wheel(2 * WHEEL_DELTA);
    EXPECT_EQ(Cur(), 0);
    EXPECT_EQ(CountCode(combo, CBN_SELCHANGE), 2);
}

TEST_F(ComboBox, SelectionMessagesFindAndSelectStrings)
{
    MakeCombo(kDropList, 0);
    for (const wchar_t* s : {L"Wall", L"Window", L"Door", L"Slab"})
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(L"door")),
              2);
    EXPECT_EQ(SendMessageW(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(L"Wi")),
              1);
    EXPECT_EQ(Cur(), 1);
    EXPECT_EQ(SendMessageW(combo, CB_SETCURSEL, 9, 0), CB_ERR);
    EXPECT_EQ(Cur(), CB_ERR);
    SendMessageW(combo, CB_SETITEMDATA, 3, 42);
    EXPECT_EQ(SendMessageW(combo, CB_GETITEMDATA, 3, 0), 42);
    EXPECT_EQ(SendMessageW(combo, CB_GETLBTEXTLEN, 3, 0), 4);
    wchar_t buf[16] = {};
    SendMessageW(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(buf));
    EXPECT_EQ(std::wstring(buf), L"Wall");
    EXPECT_EQ(SendMessageW(combo, CB_DELETESTRING, 0, 0), 3);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 0);
    EXPECT_TRUE(Codes(combo).empty()) << "messages from the program do not notify";
}

TEST_F(ComboBox, TheDropDownStyleHasAnEditChildThatTypesAndNotifies)
{
    MakeCombo(CBS_DROPDOWN | CBS_AUTOHSCROLL | CBS_HASSTRINGS, 3);
    HWND edit = GetDlgItem(combo, 1001);
    ASSERT_TRUE(edit);
    wchar_t cls[16] = {};
    GetClassNameW(edit, cls, 16);
    EXPECT_EQ(std::wstring(cls), L"Edit");
    SetFocus(combo);
    EXPECT_EQ(GetFocus(), edit) << "the combo box hands the focus to its edit";
    desk.type(L"abc");
    EXPECT_EQ(Text(combo), L"abc");
    EXPECT_EQ(CountCode(combo, CBN_EDITCHANGE), 3);
    SendMessageW(combo, CB_SETCURSEL, 2, 0);
    EXPECT_EQ(Text(edit), L"entry 2");
    EXPECT_EQ(CountCode(combo, CBN_EDITCHANGE), 3) << "selecting does not count as typing";
    SendMessageW(combo, CB_SETEDITSEL, 0, MAKELPARAM(1, 3));
    DWORD sel = static_cast<DWORD>(SendMessageW(combo, CB_GETEDITSEL, 0, 0));
    EXPECT_EQ(LOWORD(sel), 1);
    EXPECT_EQ(HIWORD(sel), 3);
    // Clicking the text does not open the list; the button does.
    desk.click(At(edit, 5, 5));
    EXPECT_FALSE(Dropped());
    desk.advance(1000);
    desk.click(Button());
    EXPECT_TRUE(Dropped());
    desk.click(Row(0));
    EXPECT_EQ(Text(edit), L"entry 0");
    EXPECT_EQ(GetFocus(), edit);
}

TEST_F(ComboBox, EnterInTheEditChildReachesTheCombo)
{
    MakeCombo(CBS_DROPDOWN | CBS_AUTOHSCROLL | CBS_HASSTRINGS, 3);
    HWND edit = GetDlgItem(combo, 1001);
    static std::vector<WPARAM>* keys;
    static WNDPROC previous;
    std::vector<WPARAM> seen;
    keys = &seen;
    previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        combo, GWLP_WNDPROC,
        reinterpret_cast<LONG_PTR>(+[](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_KEYDOWN)
                keys->push_back(w);
            return CallWindowProcW(previous, h, m, w, l);
        })));
    SetFocus(edit);
    desk.type(L"x");
    desk.key(VK_RETURN);
    EXPECT_EQ(seen, (std::vector<WPARAM>{static_cast<WPARAM>(VK_RETURN)}));
    EXPECT_EQ(Text(edit), L"x") << "Enter does not change the text";
    SetWindowLongPtrW(combo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
}

TEST_F(ComboBox, OwnerDrawVariableMeasuresTheFieldAndEachItemAndDrawsBoth)
{
    MakeCombo(CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS, 0);
    ASSERT_EQ(measures.size(), 1u);
    EXPECT_EQ(measures[0].itemID, static_cast<UINT>(-1));
    EXPECT_EQ(measures[0].CtlType, ODT_COMBOBOX);
    EXPECT_EQ(measures[0].CtlID, 40u);
    EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), 22);
    for (const wchar_t* s : {L"a", L"b", L"c"})
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    ASSERT_EQ(measures.size(), 4u);
    EXPECT_EQ(measures[3].itemID, 2u);
    EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, 1, 0), 18);
    SendMessageW(combo, CB_SETITEMHEIGHT, 1, 30);
    EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, 1, 0), 30);

    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    SendMessageW(combo, CB_SETITEMDATA, 1, 99);
    SetFocus(combo);
    draws.clear();
    desk.pump();
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].itemID, 1u);
    EXPECT_EQ(draws[0].itemState & ODS_COMBOBOXEDIT, ODS_COMBOBOXEDIT);
    EXPECT_EQ(draws[0].itemState & ODS_SELECTED, ODS_SELECTED) << "focused and closed";
    EXPECT_EQ(draws[0].hwndItem, combo);
    EXPECT_EQ(draws[0].itemData, 99u);
    EXPECT_EQ(draws[0].rcItem.bottom - draws[0].rcItem.top, 22);
    POINT face = At(combo, 8, 10);
    EXPECT_EQ(desk.pixel(face.x, face.y), RGB(255, 0, 0));

    draws.clear();
    desk.click(Button());
    ASSERT_TRUE(Dropped());
    desk.pump();
    std::vector<DRAWITEMSTRUCT> items;
    for (const auto& d : draws)
        if (!(d.itemState & ODS_COMBOBOXEDIT))
            items.push_back(d);
    ASSERT_EQ(items.size(), 3u);
    for (UINT i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(items[i].itemID, i);
        EXPECT_EQ(items[i].CtlType, ODT_COMBOBOX);
        EXPECT_EQ(items[i].CtlID, 40u);
        EXPECT_EQ(items[i].hwndItem, combo);
        EXPECT_EQ(items[i].itemState & ODS_SELECTED, i == 1 ? ODS_SELECTED : 0u);
    }
    EXPECT_EQ(items[1].rcItem.bottom - items[1].rcItem.top, 30);
    EXPECT_EQ(items[2].rcItem.top, 48);
    POINT row = Row(2);
    EXPECT_EQ(desk.pixel(row.x, row.y), RGB(0, 0, 255));
}

TEST_F(ComboBox, TheOpenListScrollsWhenItHasMoreRowsThanFit)
{
    MakeCombo(kDropList, 40, {20, 20, 220, 120});
    desk.click(Button());
    ASSERT_TRUE(Dropped());
    HWND l = ListWindow();
    RECT lr{};
    GetWindowRect(l, &lr);
    RECT cr{};
    GetWindowRect(combo, &cr);
    EXPECT_LE(lr.bottom - lr.top, 100 - (cr.bottom - cr.top) + 2);
    EXPECT_EQ(GetWindowLongPtrW(l, GWL_STYLE) & WS_VSCROLL, static_cast<LONG_PTR>(WS_VSCROLL));
    desk.wheel(Row(1).x, Row(1).y, -WHEEL_DELTA);
    EXPECT_EQ(SendMessageW(l, LB_GETTOPINDEX, 0, 0), 3);
    EXPECT_TRUE(Dropped()) << "scrolling keeps the list open";
    desk.click(Row(5));
    EXPECT_EQ(Cur(), 5);
}

TEST_F(ComboBox, LosingTheFocusClosesTheListAndNotifies)
{
    HWND other = Create(WC_EDITW, kChild, {300, 20, 400, 40}, 50);
    MakeCombo(kDropList, 3);
    desk.click(Button());
    ASSERT_TRUE(Dropped());
    SetFocus(other);
    EXPECT_FALSE(Dropped());
    EXPECT_EQ(CountCode(combo, CBN_KILLFOCUS), 1);
    EXPECT_EQ(CountCode(combo, CBN_CLOSEUP), 1);
}

TEST_F(ComboBox, FocusMovingBetweenTheComboAndItsEditIsOneFocus)
{
    HWND other = Create(WC_EDITW, kChild, {300, 20, 400, 40}, 50);
    MakeCombo(CBS_DROPDOWN | CBS_AUTOHSCROLL | CBS_HASSTRINGS, 3);
    SetFocus(combo);
    desk.click(Button());
    desk.click(Button());
    SetFocus(GetDlgItem(combo, 1001));
    EXPECT_EQ(CountCode(combo, CBN_SETFOCUS), 1);
    EXPECT_EQ(CountCode(combo, CBN_KILLFOCUS), 0);
    SetFocus(other);
    EXPECT_EQ(CountCode(combo, CBN_KILLFOCUS), 1);
}

TEST_F(ComboBox, ShowDropDownOpensAndClosesFromTheProgram)
{
    MakeCombo(kDropList, 3);
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_TRUE(Dropped());
    EXPECT_TRUE(IsWindowVisible(ListWindow()));
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_FALSE(Dropped());
    EXPECT_EQ(Codes(combo), (std::vector<UINT>{CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));
}

TEST_F(ComboBox, DestroyingTheComboDestroysItsList)
{
    MakeCombo(kDropList, 3);
    HWND l = ListWindow();
    ASSERT_TRUE(l);
    DestroyWindow(combo);
    EXPECT_FALSE(IsWindow(l));
}

} // namespace

TEST_F(ComboBox, TheScrollBarStylesGoToTheListNotTheBox)
{
    MakeCombo(kDropList | WS_HSCROLL, 30, {20, 20, 220, 220});
    RECT wr{};
    GetWindowRect(combo, &wr);
    RECT cr{};
    GetClientRect(combo, &cr);
    EXPECT_EQ(cr.right - cr.left, wr.right - wr.left);
    EXPECT_EQ(cr.bottom - cr.top, wr.bottom - wr.top);
    EXPECT_EQ(GetWindowLongPtrW(combo, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL), 0);
    // A click at the right edge lands on the drop button and opens the list.
    desk.click(At(combo, cr.right - 2, cr.bottom / 2));
    EXPECT_TRUE(Dropped());
}
