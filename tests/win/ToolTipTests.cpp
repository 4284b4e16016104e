// Tooltips on the hand-driven clock: tools by window and by rectangle, text asked through
// TTN_NEEDTEXTW after the hover delay, hidden by clicks and by leaving the tool.
#include "platform/win/afxwin.h"
#include "tests/win/ControlTestSupport.h"

namespace {

HWND VisibleTip()
{
    for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT)) {
        wchar_t cls[64];
        GetClassNameW(h, cls, 64);
        if (std::wstring(cls) == L"tooltips_class32" && IsWindowVisible(h))
            return h;
    }
    return nullptr;
}

class Panel : public CWnd
{
public:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        auto* nm = reinterpret_cast<NMHDR*>(lParam);
        if (nm && nm->code == TTN_NEEDTEXTW) {
            auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
            requests.push_back(nm->idFrom);
            if (info->uFlags & TTF_IDISHWND)
                wcscpy(info->szText, L"墙 Wall");
            return TRUE;
        }
        return CWnd::OnNotify(wParam, lParam, pResult);
    }
    std::vector<UINT_PTR> requests;
};

class ToolTipTest : public ControlTest
{
protected:
    HWND NewTip()
    {
        return CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, 0, 0, 0, 0, parent, nullptr,
                               nullptr, nullptr);
    }
    // A tool over a rectangle of the parent, with its text given here.
    TOOLINFOW RectangleTool(UINT_PTR id, const wchar_t* text) const
    {
        TOOLINFOW ti{};
        ti.cbSize = sizeof ti;
        ti.hwnd = parent;
        ti.uId = id;
        ti.rect = {10, 10, 60, 60};
        ti.lpszText = const_cast<LPWSTR>(text);
        return ti;
    }
};

TEST_F(ToolTipTest, EnabledWindowAsksForTheTextOfTheControlUnderThePointerAfterTheDelay)
{
    Panel panel;
    ASSERT_TRUE(panel.CreateEx(0, nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200),
                               CWnd::FromHandle(parent), 1));
    HWND button = CreateWindowExW(0, L"Button", L"Wall", WS_CHILD | WS_VISIBLE, 20, 20, 80, 30,
                                  panel.m_hWnd, reinterpret_cast<HMENU>(55), nullptr, nullptr);
    panel.EnableToolTips(TRUE);
    HWND active = GetActiveWindow();

    desk.moveTo(At(button, 10, 10));
    desk.advance(400);
    EXPECT_TRUE(panel.requests.empty());
    EXPECT_EQ(VisibleTip(), nullptr);
    desk.advance(200);
    ASSERT_EQ(panel.requests.size(), 1u);
    EXPECT_EQ(panel.requests[0], reinterpret_cast<UINT_PTR>(button));
    HWND tip = VisibleTip();
    ASSERT_NE(tip, nullptr);
    DWORD ex = static_cast<DWORD>(GetWindowLongW(tip, GWL_EXSTYLE));
    EXPECT_EQ(ex & (WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW),
              WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetActiveWindow(), active);
    RECT r;
    GetWindowRect(tip, &r);
    EXPECT_GT(r.top, At(button, 10, 10).y);
    EXPECT_EQ(desk.pixel(r.right - 3, r.bottom - 3), GetSysColor(COLOR_INFOBK));
    EXPECT_EQ(desk.pixel(r.left, r.top), GetSysColor(COLOR_INFOTEXT));

    // A click hides it, and it stays hidden while the pointer stays on the tool.
    desk.press();
    desk.release();
    EXPECT_EQ(VisibleTip(), nullptr);
    desk.moveTo(At(button, 12, 10));
    desk.advance(1000);
    EXPECT_EQ(VisibleTip(), nullptr);
    EXPECT_EQ(panel.requests.size(), 1u);
    panel.DestroyWindow();
}

TEST_F(ToolTipTest, LeavingTheToolHidesTheTipAndAnotherToolAsksAgain)
{
    Panel panel;
    ASSERT_TRUE(panel.CreateEx(0, nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200),
                               CWnd::FromHandle(parent), 1));
    HWND a = CreateWindowExW(0, L"Button", L"A", WS_CHILD | WS_VISIBLE, 20, 20, 60, 30,
                             panel.m_hWnd, reinterpret_cast<HMENU>(1), nullptr, nullptr);
    HWND b = CreateWindowExW(0, L"Button", L"B", WS_CHILD | WS_VISIBLE, 120, 20, 60, 30,
                             panel.m_hWnd, reinterpret_cast<HMENU>(2), nullptr, nullptr);
    panel.EnableToolTips(TRUE);
    desk.moveTo(At(a, 5, 5));
    desk.advance(600);
    ASSERT_NE(VisibleTip(), nullptr);
    desk.moveTo(At(a, 5, 100));
    EXPECT_EQ(VisibleTip(), nullptr);
    desk.moveTo(At(b, 5, 5));
    desk.advance(600);
    ASSERT_EQ(panel.requests.size(), 2u);
    EXPECT_EQ(panel.requests[1], reinterpret_cast<UINT_PTR>(b));
    EXPECT_NE(VisibleTip(), nullptr);
    // The tip goes by itself after the automatic pop delay.
    desk.advance(5000);
    EXPECT_EQ(VisibleTip(), nullptr);
    panel.DestroyWindow();

    // The next window with tooltips finds the old tip gone with its window.
    Panel next;
    ASSERT_TRUE(next.CreateEx(0, nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200),
                              CWnd::FromHandle(parent), 2));
    next.EnableToolTips(TRUE);
    desk.moveTo(150, 150);
    int tips = 0;
    for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT)) {
        wchar_t cls[64];
        GetClassNameW(h, cls, 64);
        tips += std::wstring(cls) == L"tooltips_class32";
    }
    EXPECT_EQ(tips, 1);
    next.DestroyWindow();
}

TEST_F(ToolTipTest, RectangleToolsRelayedByHandHonourDelayActivationAndRemoval)
{
    HWND tip = NewTip();
    ASSERT_NE(tip, nullptr);
    TOOLINFOW ti = RectangleTool(9, L"Grid");
    ASSERT_TRUE(SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti)));
    EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
    SendMessageW(tip, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(100, 0));
    EXPECT_EQ(SendMessageW(tip, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 100);

    auto hover = [&](int x, int y) {
        MSG m{parent, WM_MOUSEMOVE, 0, MAKELPARAM(x, y), 0, {}};
        SendMessageW(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&m));
    };
    hover(20, 20);
    desk.advance(99);
    EXPECT_FALSE(IsWindowVisible(tip));
    desk.advance(1);
    EXPECT_TRUE(IsWindowVisible(tip));
    wchar_t text[16]{};
    TOOLINFOW q = ti;
    q.lpszText = text;
    SendMessageW(tip, TTM_GETTEXTW, 16, reinterpret_cast<LPARAM>(&q));
    EXPECT_STREQ(text, L"Grid");
    TOOLINFOW update = ti;
    update.lpszText = const_cast<LPWSTR>(L"Snap");
    SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&update));
    SendMessageW(tip, TTM_GETTEXTW, 16, reinterpret_cast<LPARAM>(&q));
    EXPECT_STREQ(text, L"Snap");
    EXPECT_TRUE(IsWindowVisible(tip));

    hover(100, 100);
    EXPECT_FALSE(IsWindowVisible(tip));
    SendMessageW(tip, TTM_ACTIVATE, FALSE, 0);
    hover(20, 20);
    desk.advance(500);
    EXPECT_FALSE(IsWindowVisible(tip));
    SendMessageW(tip, TTM_ACTIVATE, TRUE, 0);
    SendMessageW(tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 0);
    hover(100, 100);
    hover(20, 20);
    desk.advance(500);
    EXPECT_FALSE(IsWindowVisible(tip));
    DestroyWindow(tip);
}

// A tip is as wide as its text, whatever its length; only a maximum width set by the owner
// wraps a text onto more lines.
TEST_F(ToolTipTest, TheTipFitsItsTextAndWrapsOnlyAtTheMaximumWidthItWasGiven)
{
    HWND tip = NewTip();
    ASSERT_NE(tip, nullptr);
    const wchar_t* const kLong = L"镜像 the selection about a line through two points";
    TOOLINFOW ti = RectangleTool(3, L"镜像");
    ASSERT_TRUE(SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti)));
    auto shownSize = [&](int x) {
        MSG away{parent, WM_MOUSEMOVE, 0, MAKELPARAM(200, 200), 0, {}};
        SendMessageW(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&away));
        MSG m{parent, WM_MOUSEMOVE, 0, MAKELPARAM(x, 20), 0, {}};
        SendMessageW(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&m));
        desk.advance(600);
        RECT r{};
        GetWindowRect(tip, &r);
        return SIZE{r.right - r.left, r.bottom - r.top};
    };
    HDC dc = GetDC(tip);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE shortText{}, longText{};
    GetTextExtentPoint32W(dc, L"镜像", 2, &shortText);
    GetTextExtentPoint32W(dc, kLong, static_cast<int>(wcslen(kLong)), &longText);
    SelectObject(dc, old);
    ReleaseDC(tip, dc);

    const SIZE small = shownSize(20);
    ASSERT_TRUE(IsWindowVisible(tip));
    EXPECT_EQ(small.cx, shortText.cx + 8);
    EXPECT_EQ(SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0), -1);

    TOOLINFOW update = ti;
    update.lpszText = const_cast<LPWSTR>(kLong);
    SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&update));
    const SIZE oneLine = shownSize(22);
    EXPECT_EQ(oneLine.cx, longText.cx + 8);
    EXPECT_EQ(oneLine.cy, small.cy);

    EXPECT_EQ(SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, 120), -1);
    const SIZE wrapped = shownSize(24);
    EXPECT_LE(wrapped.cx, 120 + 8);
    EXPECT_GE(wrapped.cy, 2 * small.cy - 4);
    DestroyWindow(tip);
}

TEST_F(ToolTipTest, CToolTipCtrlToolsByWindowNotifyTheParentOfTheWindow)
{
    HWND button = Child(L"Button", L"Wall", BS_PUSHBUTTON, {20, 20, 100, 50}, 77);
    int asked = 0;
    TestWindows::Get().handlers[parent] = [&](HWND, UINT msg, WPARAM,
                                              LPARAM lParam) -> std::optional<LRESULT> {
        if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == TTN_NEEDTEXTW) {
            ++asked;
            reinterpret_cast<NMTTDISPINFOW*>(lParam)->lpszText = const_cast<LPWSTR>(L"Text");
            return 0;
        }
        return std::nullopt;
    };
    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(CWnd::FromHandle(parent)));
    ASSERT_TRUE(tips.AddTool(CWnd::FromHandle(button)));
    tips.SetDelayTime(TTDT_INITIAL, 50);
    MSG m{button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5), 0, {}};
    tips.RelayEvent(&m);
    desk.advance(60);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(tips.IsWindowVisible());
    tips.Pop();
    EXPECT_FALSE(tips.IsWindowVisible());
    EXPECT_EQ(tips.GetToolCount(), 1);
    tips.DelTool(CWnd::FromHandle(button));
    EXPECT_EQ(tips.GetToolCount(), 0);
    tips.DestroyWindow();
}

TEST_F(ToolTipTest, SubclassedToolsRelayTheirOwnMouseMessagesUntilRemoved)
{
    HWND button = Child(L"Button", L"Wall", BS_PUSHBUTTON, {20, 20, 100, 50}, 78);
    HWND tip = NewTip();
    TOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = parent;
    ti.uId = reinterpret_cast<UINT_PTR>(button);
    ti.lpszText = const_cast<LPWSTR>(L"Wall tool");
    auto before = GetWindowLongPtrW(button, GWLP_WNDPROC);
    ASSERT_TRUE(SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti)));
    EXPECT_NE(GetWindowLongPtrW(button, GWLP_WNDPROC), before);

    desk.moveTo(At(button, 10, 10));
    desk.advance(600);
    EXPECT_TRUE(IsWindowVisible(tip));
    // The button still works under the relay.
    desk.press();
    EXPECT_FALSE(IsWindowVisible(tip));
    desk.release();
    EXPECT_EQ(Clicks(78), 1);

    SendMessageW(tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    EXPECT_EQ(GetWindowLongPtrW(button, GWLP_WNDPROC), before);
    desk.moveTo(At(button, 30, 10));
    desk.moveTo(At(button, 10, 12));
    desk.advance(600);
    EXPECT_FALSE(IsWindowVisible(tip));
    DestroyWindow(tip);
}

} // namespace
