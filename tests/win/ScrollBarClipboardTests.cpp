// The scroll bar control and its class, and the clipboard's rules.
#include "platform/win/mfc/CScrollBar.h"
#include "tests/win/ControlsTestSupport.h"

namespace {

struct ScrollBarControl : ControlsTest
{};

TEST_F(ScrollBarControl, ClicksReportToTheParentWithTheBarsHandle)
{
    HWND bar = Create(WC_SCROLLBARW, kChild | SBS_VERT, {20, 20, 37, 220}, 60);
    SCROLLINFO si{sizeof si, SIF_ALL, 0, 99, 10, 40, 0};
    SendMessageW(bar, SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&si));
    EXPECT_EQ(SendMessageW(bar, SBM_GETPOS, 0, 0), 40);
    tw.log.clear();
    desk.click(At(bar, 8, 195));
    auto scrolls = tw.Of(WM_VSCROLL);
    ASSERT_EQ(scrolls.size(), 2u);
    EXPECT_EQ(scrolls[0].hwnd, parent);
    EXPECT_EQ(LOWORD(scrolls[0].wParam), SB_LINEDOWN);
    EXPECT_EQ(scrolls[0].lParam, reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(LOWORD(scrolls[1].wParam), SB_ENDSCROLL);
    EXPECT_EQ(SendMessageW(bar, SBM_GETPOS, 0, 0), 40) << "the parent moves the bar, not the bar";

    // Dragging the thumb reports tracking positions and the final position.
    tw.log.clear();
    desk.advance(1000);
    int arrow = 17; // the arrow buttons are as tall as the bar is wide
    int track = 200 - 2 * arrow;
    int thumb = track * 10 / 100;
    int thumbTop = arrow + (track - thumb) * 40 / 90;
    desk.moveTo(At(bar, 8, thumbTop + 2));
    desk.press();
    desk.moveTo(At(bar, 8, 300));
    desk.release();
    auto drag = tw.Of(WM_VSCROLL);
    ASSERT_GE(drag.size(), 3u);
    EXPECT_EQ(LOWORD(drag[drag.size() - 3].wParam), SB_THUMBTRACK);
    EXPECT_EQ(LOWORD(drag[drag.size() - 2].wParam), SB_THUMBPOSITION);
    EXPECT_EQ(HIWORD(drag[drag.size() - 2].wParam), 90);
}

TEST_F(ScrollBarControl, TheClassWrapperDrivesTheControl)
{
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, {10, 10, 210, 27},
                           CWnd::FromHandle(parent), 62));
    bar.SetScrollRange(0, 20);
    bar.SetScrollPos(25);
    EXPECT_EQ(bar.GetScrollPos(), 20);
    SCROLLINFO si{sizeof si, SIF_PAGE, 0, 0, 5, 0, 0};
    bar.SetScrollInfo(&si);
    EXPECT_EQ(bar.GetScrollLimit(), 16);
    bar.DestroyWindow();
}

struct Clipboard : ControlsTest
{};

TEST_F(Clipboard, DataNeedsAnOpenClipboardAndBelongsToItAfterwards)
{
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 4 * sizeof(wchar_t));
    ASSERT_TRUE(mem);
    EXPECT_EQ(GlobalSize(mem), 4 * sizeof(wchar_t));
    EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, mem), nullptr) << "not open";
    ASSERT_TRUE(OpenClipboard(parent));
    EXPECT_FALSE(OpenClipboard(nullptr)) << "one opener at a time";
    EXPECT_EQ(GetOpenClipboardWindow(), parent);
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_EQ(GetClipboardOwner(), parent);
    EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, mem), static_cast<HANDLE>(mem));
    EXPECT_TRUE(CloseClipboard());
    EXPECT_FALSE(CloseClipboard());
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_EQ(GetClipboardData(CF_UNICODETEXT), nullptr) << "reading needs it open too";
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_EQ(GetClipboardData(CF_UNICODETEXT), static_cast<HANDLE>(mem));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_EQ(GlobalSize(mem), 0u) << "emptying freed the data";
    EXPECT_EQ(GlobalLock(mem), nullptr);
    EXPECT_NE(GlobalFree(mem), nullptr) << "a stale handle is refused quietly";
}

} // namespace

namespace {

struct BadInput : ControlsTest
{};

TEST_F(BadInput, MessagesWithBadArgumentsAreRefusedQuietly)
{
    HWND edit = Create(WC_EDITW, kChild | ES_MULTILINE, {10, 10, 110, 60}, 1, L"x");
    HWND list = Create(WC_LISTBOXW, kChild | LBS_OWNERDRAWVARIABLE, {10, 70, 110, 120}, 2);
    HWND combo = Create(WC_COMBOBOXW, kChild | CBS_DROPDOWN, {10, 130, 110, 230}, 3);
    struct Case
    {
        const char* name;
        HWND hwnd;
        UINT msg;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT expected;
    };
    const Case cases[] = {
        {"EM_GETLINE without a buffer", edit, EM_GETLINE, 0, 0, 0},
        {"EM_GETLINE past the end", edit, EM_GETLINE, 9, 0, 0},
        {"EM_LINEINDEX past the end", edit, EM_LINEINDEX, 9, 0, -1},
        {"EM_POSFROMCHAR past the end", edit, EM_POSFROMCHAR, 99, 0, -1},
        {"EM_REPLACESEL without text", edit, EM_REPLACESEL, 0, 0, 0},
        {"WM_GETTEXT without a buffer", edit, WM_GETTEXT, 10, 0, 0},
        {"LB_GETTEXT without a buffer", list, LB_GETTEXT, 0, 0, LB_ERR},
        {"LB_DELETESTRING of nothing", list, LB_DELETESTRING, 0, 0, LB_ERR},
        {"LB_INSERTSTRING far out", list, LB_INSERTSTRING, 50, 1, LB_ERR},
        {"LB_SETITEMHEIGHT of nothing", list, LB_SETITEMHEIGHT, 3, 20, LB_ERR},
        {"LB_GETITEMRECT without a rectangle", list, LB_GETITEMRECT, 0, 0, LB_ERR},
        {"LB_FINDSTRINGEXACT without text", list, LB_FINDSTRINGEXACT, 0, 0, LB_ERR},
        {"CB_GETLBTEXT of nothing", combo, CB_GETLBTEXT, 4, 0, CB_ERR},
        {"CB_SETITEMHEIGHT of zero", combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 0, CB_ERR},
        {"CB_GETDROPPEDCONTROLRECT without a rectangle", combo, CB_GETDROPPEDCONTROLRECT, 0, 0,
         CB_ERR},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SendMessageW(c.hwnd, c.msg, c.wParam, c.lParam), c.expected);
    }
    EXPECT_EQ(Text(edit), L"x");
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 0);
}

} // namespace
