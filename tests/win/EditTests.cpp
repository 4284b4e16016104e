// The edit control driven by injected keys and mouse: typing, caret, selection, undo, the
// clipboard, the modify flag, notifications, multi-line access, read-only and painting.
#include "tests/win/ControlsTestSupport.h"

#include <cstdlib>
#include <cstring>

namespace {

struct Edit : ControlsTest
{
    HWND edit = nullptr;

    HWND MakeEdit(DWORD style = WS_BORDER | ES_AUTOHSCROLL, const wchar_t* text = L"",
                  RECT r = {20, 20, 220, 44})
    {
        edit = Create(WC_EDITW, kChild | style, r, 10, text);
        SetFocus(edit);
        desk.pump();
        tw.log.clear();
        return edit;
    }

    // The client x of the caret position `pos`.
    int XOf(int pos) const
    {
        return static_cast<short>(LOWORD(SendMessageW(edit, EM_POSFROMCHAR, pos, 0)));
    }
    int YOf(int pos) const
    {
        return static_cast<short>(HIWORD(SendMessageW(edit, EM_POSFROMCHAR, pos, 0)));
    }
};

TEST_F(Edit, TypingInsertsAtTheCaretAndNotifiesUpdateThenChangePerKey)
{
    MakeEdit();
    desk.type(L"abc");
    EXPECT_EQ(Text(edit), L"abc");
    EXPECT_EQ(Sel(edit), std::make_pair(3, 3));
    EXPECT_EQ(Codes(edit), (std::vector<UINT>{EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE, EN_UPDATE,
                                              EN_CHANGE}));
    desk.key(VK_LEFT);
    desk.type(L"X");
    EXPECT_EQ(Text(edit), L"abXc");
    desk.type(L"\b");
    EXPECT_EQ(Text(edit), L"abc");
    desk.key(VK_DELETE);
    EXPECT_EQ(Text(edit), L"ab");
    EXPECT_EQ(Sel(edit), std::make_pair(2, 2));
}

TEST_F(Edit, CaretKeysMoveByCharacterWordAndLineEnd)
{
    MakeEdit(WS_BORDER | ES_AUTOHSCROLL, L"one two three");
    struct Case
    {
        const char* name;
        int modifier;
        int vk;
        int expected;
    };
    SendMessageW(edit, EM_SETSEL, 5, 5);
    const Case cases[] = {
        {"Left", 0, VK_LEFT, 4},
        {"Right", 0, VK_RIGHT, 5},
        {"Home", 0, VK_HOME, 0},
        {"End", 0, VK_END, 13},
        {"Ctrl+Left from the end", VK_CONTROL, VK_LEFT, 8},
        {"Ctrl+Left again", VK_CONTROL, VK_LEFT, 4},
        {"Ctrl+Right", VK_CONTROL, VK_RIGHT, 8},
        {"Left at a word start", 0, VK_LEFT, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.modifier)
            Chord(c.modifier, c.vk);
        else
            desk.key(c.vk);
        EXPECT_EQ(Sel(edit), std::make_pair(c.expected, c.expected));
    }
}

TEST_F(Edit, ShiftArrowsExtendTheSelectionFromTheAnchor)
{
    MakeEdit(WS_BORDER | ES_AUTOHSCROLL, L"hello world");
    SendMessageW(edit, EM_SETSEL, 5, 5);
    Chord(VK_SHIFT, VK_RIGHT);
    Chord(VK_SHIFT, VK_RIGHT);
    EXPECT_EQ(Sel(edit), std::make_pair(5, 7));
    desk.keyDown(VK_SHIFT);
    desk.key(VK_HOME);
    desk.keyUp(VK_SHIFT);
    EXPECT_EQ(Sel(edit), std::make_pair(0, 5)) << "the anchor stays at 5";
    desk.keyDown(VK_SHIFT);
    desk.keyDown(VK_CONTROL);
    desk.key(VK_RIGHT);
    desk.keyUp(VK_CONTROL);
    desk.keyUp(VK_SHIFT);
    EXPECT_EQ(Sel(edit), std::make_pair(5, 6));
    desk.key(VK_LEFT);
    EXPECT_EQ(Sel(edit), std::make_pair(5, 5)) << "Left collapses to the selection's start";
    desk.type(L"!");
    EXPECT_EQ(Text(edit), L"hello! world");
}

TEST_F(Edit, MouseClickDragDoubleClickAndShiftClickSelect)
{
    MakeEdit(WS_BORDER | ES_AUTOHSCROLL, L"alpha beta gamma");
    int y = YOf(0) + 4;
    desk.advance(1000);
    desk.click(At(edit, XOf(6) + 1, y));
    EXPECT_EQ(Sel(edit), std::make_pair(6, 6));

    desk.advance(1000);
    desk.moveTo(At(edit, XOf(1) + 1, y));
    desk.press();
    desk.moveTo(At(edit, XOf(4) + 1, y));
    desk.release();
    EXPECT_EQ(Sel(edit), std::make_pair(1, 4));
    EXPECT_EQ(GetCapture(), nullptr);

    desk.advance(1000);
    desk.keyDown(VK_SHIFT);
    desk.click(At(edit, XOf(10) + 1, y));
    desk.keyUp(VK_SHIFT);
    EXPECT_EQ(Sel(edit), std::make_pair(1, 10)) << "Shift+click extends from the anchor";

    desk.advance(1000);
    desk.doubleClick(At(edit, XOf(12) + 1, y).x, At(edit, XOf(12) + 1, y).y);
    EXPECT_EQ(Sel(edit), std::make_pair(11, 16)) << "double-click selects the word";
}

TEST_F(Edit, SetSelFollowsTheMinusOneRulesAndReplaceSelReplaces)
{
    MakeEdit(WS_BORDER | ES_AUTOHSCROLL, L"abcdef");
    struct Case
    {
        const char* name;
        WPARAM start;
        LPARAM end;
        std::pair<int, int> expected;
    };
    const Case cases[] = {
        {"a range", 1, 3, {1, 3}},
        {"reversed range keeps its order sorted", 4, 2, {2, 4}},
        {"end -1 is the end", 2, -1, {2, 6}},
        {"0, -1 selects all", 0, -1, {0, 6}},
        {"start -1 removes the selection", static_cast<WPARAM>(-1), 0, {6, 6}},
        {"beyond the end clamps", 10, 20, {6, 6}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SendMessageW(edit, EM_SETSEL, c.start, c.end);
        EXPECT_EQ(Sel(edit), c.expected);
    }
    SendMessageW(edit, EM_SETSEL, 1, 3);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"XYZ"));
    EXPECT_EQ(Text(edit), L"aXYZdef");
    EXPECT_EQ(Sel(edit), std::make_pair(4, 4));
    EXPECT_TRUE(SendMessageW(edit, EM_CANUNDO, 0, 0));
}

TEST_F(Edit, UndoRevertsTheLastTypingRunAndUndoingAgainRedoes)
{
    MakeEdit(WS_BORDER | ES_AUTOHSCROLL, L"start");
    EXPECT_FALSE(SendMessageW(edit, EM_CANUNDO, 0, 0));
    desk.key(VK_END);
    desk.type(L" more");
    EXPECT_TRUE(SendMessageW(edit, EM_CANUNDO, 0, 0));
    Chord(VK_CONTROL, 'Z');
    EXPECT_EQ(Text(edit), L"start") << "the whole run of typing is one step";
    Chord(VK_CONTROL, 'Z');
    EXPECT_EQ(Text(edit), L"start more");
    EXPECT_TRUE(SendMessageW(edit, WM_UNDO, 0, 0));
    EXPECT_EQ(Text(edit), L"start");
    SendMessageW(edit, EM_EMPTYUNDOBUFFER, 0, 0);
    EXPECT_FALSE(SendMessageW(edit, EM_CANUNDO, 0, 0));
    EXPECT_FALSE(SendMessageW(edit, EM_UNDO, 0, 0));
    EXPECT_EQ(Text(edit), L"start");

    desk.key(VK_HOME);
    desk.type(L"x");
    desk.key(VK_END);
    desk.type(L"y");
    EXPECT_EQ(Text(edit), L"xstarty");
    SendMessageW(edit, EM_UNDO, 0, 0);
    EXPECT_EQ(Text(edit), L"xstart") << "moving the caret starts a new step";
}

TEST_F(Edit, CutCopyPasteGoThroughTheDesktopClipboard)
{
    MakeEdit(WS_BORDER | ES_AUTOHSCROLL, L"copy this text");
    SendMessageW(edit, EM_SETSEL, 5, 9);
    Chord(VK_CONTROL, 'C');
    EXPECT_EQ(ClipboardText(), L"this");
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_EQ(Text(edit), L"copy this text");

    Chord(VK_CONTROL, 'X');
    EXPECT_EQ(Text(edit), L"copy  text");
    EXPECT_EQ(ClipboardText(), L"this");
    desk.key(VK_END);
    Chord(VK_CONTROL, 'V');
    EXPECT_EQ(Text(edit), L"copy  textthis");

    SetClipboardText(L"line one\r\nline two");
    Chord(VK_CONTROL, 'A');
    EXPECT_EQ(Sel(edit), std::make_pair(0, 14));
    SendMessageW(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(edit), L"line one") << "a single-line edit pastes up to the line break";
    SendMessageW(edit, EM_UNDO, 0, 0);
    EXPECT_EQ(Text(edit), L"copy  textthis");
}

TEST_F(Edit, ModifyFlagIsSetByUserChangesAndClearedBySetText)
{
    MakeEdit(WS_BORDER | ES_AUTOHSCROLL, L"abc");
    EXPECT_FALSE(SendMessageW(edit, EM_GETMODIFY, 0, 0));
    desk.type(L"d");
    EXPECT_TRUE(SendMessageW(edit, EM_GETMODIFY, 0, 0));
    SendMessageW(edit, EM_SETMODIFY, FALSE, 0);
    EXPECT_FALSE(SendMessageW(edit, EM_GETMODIFY, 0, 0));
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"e"));
    EXPECT_TRUE(SendMessageW(edit, EM_GETMODIFY, 0, 0));
    tw.log.clear();
    SetWindowTextW(edit, L"fresh");
    EXPECT_FALSE(SendMessageW(edit, EM_GETMODIFY, 0, 0));
    EXPECT_EQ(CountCode(edit, EN_CHANGE), 1);
    EXPECT_FALSE(SendMessageW(edit, EM_CANUNDO, 0, 0));
}

TEST_F(Edit, ReadOnlyRefusesChangesButAllowsSelectionAndCopy)
{
    MakeEdit(WS_BORDER | ES_AUTOHSCROLL | ES_READONLY, L"fixed");
    desk.type(L"zz\b");
    desk.key(VK_DELETE);
    EXPECT_EQ(Text(edit), L"fixed");
    desk.key(VK_HOME);
    desk.keyDown(VK_SHIFT);
    desk.key(VK_RIGHT);
    desk.key(VK_RIGHT);
    desk.keyUp(VK_SHIFT);
    EXPECT_EQ(Sel(edit), std::make_pair(0, 2));
    Chord(VK_CONTROL, 'C');
    EXPECT_EQ(ClipboardText(), L"fi");
    Chord(VK_CONTROL, 'X');
    Chord(VK_CONTROL, 'V');
    SendMessageW(edit, WM_CLEAR, 0, 0);
    EXPECT_EQ(Text(edit), L"fixed");
    EXPECT_FALSE(SendMessageW(edit, EM_GETMODIFY, 0, 0));
    EXPECT_EQ(CountCode(edit, EN_CHANGE), 0);
}

TEST_F(Edit, FocusNotificationsAndDialogCodes)
{
    HWND other = Create(WC_EDITW, kChild, {20, 60, 120, 80}, 11);
    MakeEdit();
    SetFocus(other);
    SetFocus(edit);
    EXPECT_EQ(Codes(edit), (std::vector<UINT>{EN_KILLFOCUS, EN_SETFOCUS}));
    EXPECT_EQ(SendMessageW(edit, WM_GETDLGCODE, 0, 0),
              DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS);
    HWND multi = Create(WC_EDITW, kChild | ES_MULTILINE | ES_WANTRETURN, {20, 90, 120, 150}, 12);
    EXPECT_EQ(SendMessageW(multi, WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS, DLGC_WANTALLKEYS);
}

TEST_F(Edit, LimitTextStopsTypingAndReportsMaxText)
{
    MakeEdit();
    SendMessageW(edit, EM_LIMITTEXT, 3, 0);
    EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 3);
    desk.type(L"abcdef");
    EXPECT_EQ(Text(edit), L"abc");
    EXPECT_GE(CountCode(edit, EN_MAXTEXT), 1);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"wxyz"));
    EXPECT_EQ(Text(edit), L"wxy");
}

TEST_F(Edit, SingleLineScrollsHorizontallyToKeepTheCaretVisible)
{
    MakeEdit(WS_BORDER | ES_AUTOHSCROLL, L"", {20, 20, 80, 44});
    desk.type(L"a fairly long line that cannot fit");
    RECT fmt{};
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&fmt));
    int x = XOf(static_cast<int>(Text(edit).size()));
    EXPECT_GE(x, fmt.left);
    EXPECT_LT(x, fmt.right);
    EXPECT_LT(XOf(0), fmt.left) << "the start scrolled out to the left";
    desk.key(VK_HOME);
    EXPECT_EQ(XOf(0), fmt.left);
}

TEST_F(Edit, WithoutAutoHScrollASingleLineTakesOnlyWhatFits)
{
    MakeEdit(WS_BORDER, L"", {20, 20, 60, 44});
    desk.type(L"wwwwwwwwwwwwwwwwwwww");
    int len = static_cast<int>(Text(edit).size());
    EXPECT_GT(len, 0);
    EXPECT_LT(len, 20);
}

TEST_F(Edit, MultiLineEnterSplitsLinesAndLineAccessAgrees)
{
    MakeEdit(ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_BORDER, L"",
             {20, 20, 220, 120});
    desk.type(L"first\rsecond line\rthird");
    EXPECT_EQ(Text(edit), L"first\r\nsecond line\r\nthird");
    EXPECT_EQ(SendMessageW(edit, EM_GETLINECOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageW(edit, EM_LINEINDEX, 1, 0), 7);
    EXPECT_EQ(SendMessageW(edit, EM_LINEINDEX, 2, 0), 20);
    EXPECT_EQ(SendMessageW(edit, EM_LINEINDEX, 3, 0), -1);
    EXPECT_EQ(SendMessageW(edit, EM_LINELENGTH, 8, 0), 11);
    EXPECT_EQ(SendMessageW(edit, EM_LINEFROMCHAR, 21, 0), 2);
    wchar_t buf[32] = {};
    const WORD size = 32;
    std::memcpy(buf, &size, sizeof size);
    LRESULT n = SendMessageW(edit, EM_GETLINE, 1, reinterpret_cast<LPARAM>(buf));
    EXPECT_EQ(std::wstring(buf, static_cast<std::size_t>(n)), L"second line");
    EXPECT_GT(YOf(7), YOf(0));

    // Up keeps the column; Backspace at a line start joins the lines.
    desk.key(VK_UP);
    EXPECT_EQ(SendMessageW(edit, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0), 1);
    desk.key(VK_HOME);
    desk.type(L"\b");
    EXPECT_EQ(Text(edit), L"firstsecond line\r\nthird");
    EXPECT_EQ(SendMessageW(edit, EM_GETLINECOUNT, 0, 0), 2);
    EXPECT_TRUE(SendMessageW(edit, EM_GETMODIFY, 0, 0));
}

TEST_F(Edit, MultiLineWithoutAutoHScrollWrapsAtWords)
{
    MakeEdit(ES_MULTILINE | ES_AUTOVSCROLL | WS_BORDER, L"", {20, 20, 100, 200});
    SetWindowTextW(edit, L"word word word word word word word word");
    LRESULT lines = SendMessageW(edit, EM_GETLINECOUNT, 0, 0);
    EXPECT_GT(lines, 1);
    for (LRESULT i = 1; i < lines; ++i) {
        LRESULT start = SendMessageW(edit, EM_LINEINDEX, static_cast<WPARAM>(i), 0);
        SCOPED_TRACE(start);
        EXPECT_EQ(Text(edit)[static_cast<std::size_t>(start) - 1], L' ') << "breaks follow spaces";
    }
}

TEST_F(Edit, MultiLineScrollsVerticallyByCaretWheelAndBar)
{
    MakeEdit(ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER, L"",
             {20, 20, 220, 80});
    std::wstring text;
    for (int i = 0; i < 20; ++i)
        text += L"line " + std::to_wstring(i) + (i < 19 ? L"\r\n" : L"");
    SetWindowTextW(edit, text.c_str());
    SendMessageW(edit, EM_SETSEL, text.size(), text.size());
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    LRESULT first = SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0);
    EXPECT_GT(first, 0);
    EXPECT_EQ(GetScrollPos(edit, SB_VERT), first);
    desk.wheel(At(edit, 20, 10).x, At(edit, 20, 10).y, WHEEL_DELTA);
    EXPECT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), first - 3);
    EXPECT_EQ(CountCode(edit, EN_VSCROLL), 1) << "the user scrolled";
    SendMessageW(edit, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    // The bar's down arrow, at the bottom of the non-client bar.
    RECT wr{};
    GetWindowRect(edit, &wr);
    desk.click(wr.right - 4, wr.bottom - 4);
    EXPECT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 1);
}

TEST_F(Edit, CaretPositionsFollowEachControlsOwnFont)
{
    auto font = [](int height, int weight) {
        LOGFONTW lf{};
        lf.lfHeight = -height;
        lf.lfWeight = weight;
        wcscpy(lf.lfFaceName, L"DejaVu Sans");
        return CreateFontIndirectW(&lf);
    };
    HFONT small = font(11, FW_NORMAL);
    HFONT large = font(22, FW_NORMAL);
    HFONT smallAgain = font(11, FW_NORMAL);
    HFONT bold = font(22, FW_BOLD);
    auto endOf = [&](HFONT f, const wchar_t* text) {
        MakeEdit(WS_BORDER | ES_AUTOHSCROLL, text, RECT{20, 20, 420, 60});
        SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(f), FALSE);
        const int end = XOf(static_cast<int>(wcslen(text))) - XOf(0);
        DestroyWindow(edit);
        return end;
    };
    const int smallDigits = endOf(small, L"-1234.50");
    const int largeDigits = endOf(large, L"-1234.50");
    EXPECT_GT(smallDigits, 0);
    EXPECT_GT(largeDigits, smallDigits * 3 / 2) << "a font twice the size measures wider";
    EXPECT_EQ(endOf(smallAgain, L"-1234.50"), smallDigits)
        << "a second font of the same description measures the same";
    EXPECT_GT(endOf(bold, L"WWWW"), endOf(large, L"WWWW")) << "bold letters are wider";
    EXPECT_EQ(endOf(small, L"-1234.50"), smallDigits) << "and the first font is unchanged";
    for (HFONT f : {small, large, smallAgain, bold})
        DeleteObject(f);
}

TEST_F(Edit, FormattingRectangleMovesTheTextAndCharFromPosAgrees)
{
    MakeEdit(WS_BORDER | ES_AUTOHSCROLL, L"text");
    RECT r{10, 4, 150, 20};
    SendMessageW(edit, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&r));
    RECT got{};
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&got));
    EXPECT_TRUE(EqualRect(&got, &r));
    EXPECT_EQ(XOf(0), 10);
    EXPECT_EQ(YOf(0), 4);
    LRESULT hit = SendMessageW(edit, EM_CHARFROMPOS, 0, MAKELPARAM(XOf(2) + 1, 8));
    EXPECT_EQ(LOWORD(hit), 2);
    SendMessageW(edit, EM_SETRECT, 0, 0);
    EXPECT_NE(XOf(0), 10) << "a null rectangle restores the default";
}

TEST_F(Edit, CentredAndRightAlignedTextSitsInTheRectangle)
{
    struct Case
    {
        const char* name;
        DWORD style;
    };
    const Case cases[] = {{"left", ES_LEFT}, {"centre", ES_CENTER}, {"right", ES_RIGHT}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MakeEdit(WS_BORDER | c.style, L"abc");
        RECT fmt{};
        SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&fmt));
        int left = XOf(0);
        int right = XOf(3);
        int before = left - fmt.left;
        int after = fmt.right - right;
        if (c.style == ES_LEFT)
            EXPECT_EQ(before, 0);
        else if (c.style == ES_CENTER)
            EXPECT_LE(std::abs(before - after), 1);
        else
            EXPECT_LE(after, 1);
        LRESULT hit = SendMessageW(edit, EM_CHARFROMPOS, 0, MAKELPARAM(XOf(1) + 1, YOf(0) + 2));
        EXPECT_EQ(LOWORD(hit), 1);
        DestroyWindow(edit);
    }
}

TEST_F(Edit, PaintsTextSelectionAndCaretInSystemColours)
{
    MakeEdit(WS_BORDER | ES_AUTOHSCROLL, L"MMMM");
    POINT tl = At(edit, 0, 0);
    int y = tl.y + YOf(0);
    auto darkIn = [&](int x0, int x1) {
        for (int x = x0; x < x1; ++x)
            for (int dy = 2; dy < 12; ++dy)
                if (desk.pixel(tl.x + x, y + dy) == RGB(0, 0, 0))
                    return true;
        return false;
    };
    EXPECT_TRUE(darkIn(XOf(0), XOf(4))) << "black text on the window colour";
    EXPECT_EQ(desk.pixel(tl.x + XOf(4) + 20, y + 5), GetSysColor(COLOR_WINDOW));
    SendMessageW(edit, EM_SETSEL, 0, 2);
    EXPECT_EQ(desk.pixel(tl.x + XOf(0) + 1, y + 1), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_NE(desk.pixel(tl.x + XOf(3), y + 1), GetSysColor(COLOR_HIGHLIGHT));
    SendMessageW(edit, EM_SETSEL, 4, 4);
    desk.pump();
    POINT caret{};
    GetCaretPos(&caret);
    EXPECT_EQ(caret.x, XOf(4));
    EXPECT_EQ(caret.y, YOf(0));
    EXPECT_EQ(desk.pixel(tl.x + XOf(4), y + 5), RGB(0, 0, 0)) << "the system caret";
    SetFocus(parent);
    EXPECT_EQ(desk.pixel(tl.x + XOf(4), y + 5), GetSysColor(COLOR_WINDOW)) << "no caret";
}

TEST_F(Edit, ControlColourRequestGivesTheParentTheDrawingColours)
{
    HBRUSH brush = CreateSolidBrush(RGB(255, 255, 0));
    tw.all = [brush](HWND, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
        if (m != WM_CTLCOLOREDIT)
            return std::nullopt;
        SetTextColor(reinterpret_cast<HDC>(w), RGB(0, 0, 255));
        SetBkMode(reinterpret_cast<HDC>(w), TRANSPARENT);
        return reinterpret_cast<LRESULT>(brush);
    };
    MakeEdit(WS_BORDER | ES_AUTOHSCROLL, L"colour");
    InvalidateRect(edit, nullptr, TRUE);
    POINT tl = At(edit, XOf(6) + 10, YOf(0) + 5);
    EXPECT_EQ(desk.pixel(tl.x, tl.y), RGB(255, 255, 0));
    ASSERT_FALSE(tw.Of(WM_CTLCOLOREDIT).empty());
    EXPECT_EQ(tw.Of(WM_CTLCOLOREDIT).back().lParam, reinterpret_cast<LPARAM>(edit));
    tw.all = nullptr;
    DestroyWindow(edit);
    DeleteObject(brush);
}

} // namespace
