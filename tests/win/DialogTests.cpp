// Dialogs from templates: layout in dialog units, the modal loop, keyboard navigation through
// IsDialogMessage and the default button.
#include "platform/win/GdiDiagnostics.h"
#include "tests/win/DialogTestSupport.h"

namespace {

struct DialogLog
{
    std::vector<UINT> messages;
    std::vector<int> commands;
    HWND focusAtInit = nullptr;
    // EndDialog on this command id (0: never).
    int endOn = 0;
    INT_PTR initResult = TRUE;
};

DialogLog* g_log = nullptr;

INT_PTR RecordingProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM)
{
    if (!g_log)
        return FALSE;
    g_log->messages.push_back(msg);
    if (msg == WM_INITDIALOG) {
        g_log->focusAtInit = reinterpret_cast<HWND>(wParam);
        return g_log->initResult;
    }
    if (msg == WM_COMMAND) {
        g_log->commands.push_back(LOWORD(wParam));
        if (g_log->endOn &&
            (static_cast<int>(LOWORD(wParam)) == g_log->endOn ||
             (g_log->endOn < 0 && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)))) {
            EndDialog(dlg, LOWORD(wParam) + 1000);
        }
        return TRUE;
    }
    return FALSE;
}

HBRUSH g_dialogBrush = nullptr;

INT_PTR BrushProc(HWND, UINT msg, WPARAM, LPARAM)
{
    if (msg == WM_CTLCOLORDLG)
        return reinterpret_cast<INT_PTR>(g_dialogBrush);
    return msg == WM_INITDIALOG;
}

class DialogTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        g_log = &log;
    }
    void TearDown() override { g_log = nullptr; }

    HWND Modeless(const zt::win::DialogTemplate& t)
    {
        return CreateDialogIndirectParamW(nullptr, &t, parent, &RecordingProc, 0);
    }

    DialogLog log;
};

RECT ExpectedPixels(HFONT font, RECT dlu)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE ext{};
    GetTextExtentPoint32W(dc, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &ext);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    DeleteDC(dc);
    int bx = (ext.cx + 26) / 52;
    int by = tm.tmHeight;
    return {MulDiv(dlu.left, bx, 4), MulDiv(dlu.top, by, 8), MulDiv(dlu.right, bx, 4),
            MulDiv(dlu.bottom, by, 8)};
}

TEST_F(DialogTest, TemplateIsLaidOutInPixelsFromTheDialogUnitsOfItsFont)
{
    for (WORD points : {8, 12}) {
        SCOPED_TRACE(points);
        zt::win::DialogTemplate t = OkCancelTemplate();
        t.pointSize = points;
        HWND dlg = Modeless(t);
        ASSERT_NE(dlg, nullptr);
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(dlg, WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        LOGFONTW lf{};
        GetObjectW(font, sizeof lf, &lf);
        EXPECT_STREQ(lf.lfFaceName, L"Tahoma");

        RECT client{};
        GetClientRect(dlg, &client);
        RECT expectedClient = ExpectedPixels(font, {0, 0, 200, 100});
        EXPECT_EQ(client.right, expectedClient.right);
        EXPECT_EQ(client.bottom, expectedClient.bottom);

        HWND ok = GetDlgItem(dlg, IDOK);
        RECT r{};
        GetWindowRect(ok, &r);
        MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&r), 2);
        RECT expected = ExpectedPixels(font, {90, 80, 140, 94});
        EXPECT_EQ(r.left, expected.left);
        EXPECT_EQ(r.top, expected.top);
        EXPECT_EQ(r.right, expected.right);
        EXPECT_EQ(r.bottom, expected.bottom);

        RECT mapped{90, 80, 140, 94};
        EXPECT_TRUE(MapDialogRect(dlg, &mapped));
        EXPECT_TRUE(EqualRect(&mapped, &expected));
        // Every control draws with the dialog's font.
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(ok, WM_GETFONT, 0, 0)), font);
        DestroyWindow(dlg);
    }
}

TEST_F(DialogTest, TheTemplateFontGoesWithTheDialogAndAFontSetLaterStaysWithItsOwner)
{
    HFONT mine =
        CreateFontW(-20, 0, 0, 0, 400, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    HWND dlg = Modeless(OkCancelTemplate());
    HFONT templateFont = reinterpret_cast<HFONT>(SendMessageW(dlg, WM_GETFONT, 0, 0));
    SendMessageW(dlg, WM_SETFONT, reinterpret_cast<WPARAM>(mine), FALSE);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(dlg, WM_GETFONT, 0, 0)), mine);
    DestroyWindow(dlg);
    EXPECT_EQ(GetObjectType(templateFont), 0u);
    EXPECT_EQ(GetObjectType(mine), static_cast<DWORD>(OBJ_FONT));
    DeleteObject(mine);
}

TEST_F(DialogTest, WmInitDialogNamesTheFirstTabStopAndItGetsTheFocus)
{
    HWND dlg = Modeless(OkCancelTemplate());
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(log.focusAtInit, GetDlgItem(dlg, 100));
    EXPECT_EQ(GetFocus(), GetDlgItem(dlg, 100));
    // WM_SETFONT reaches the dialog procedure before WM_INITDIALOG.
    auto font = std::find(log.messages.begin(), log.messages.end(), WM_SETFONT);
    auto init = std::find(log.messages.begin(), log.messages.end(), WM_INITDIALOG);
    EXPECT_LT(font, init);
    wchar_t cls[32];
    GetClassNameW(dlg, cls, 32);
    EXPECT_STREQ(cls, L"#32770");
    EXPECT_TRUE(IsWindowVisible(dlg));
}

TEST_F(DialogTest, InitDialogReturningFalseLeavesTheFocusAlone)
{
    log.initResult = FALSE;
    SetFocus(parent);
    HWND dlg = Modeless(OkCancelTemplate());
    ASSERT_NE(dlg, nullptr);
    EXPECT_FALSE(IsChild(dlg, GetFocus()));
}

TEST_F(DialogTest, TabAndShiftTabWalkTheTabStopsThroughIsDialogMessage)
{
    HWND dlg = Modeless(OkCancelTemplate());
    HWND snap = GetDlgItem(dlg, 100), grid = GetDlgItem(dlg, 101);
    HWND ok = GetDlgItem(dlg, IDOK), cancel = GetDlgItem(dlg, IDCANCEL);
    ASSERT_EQ(GetFocus(), snap);
    // The pump gives messages to IsDialogMessage only through a pre-translate filter; here
    // the test runs the dialog's own loop step by step.
    auto tab = [&](bool shift) {
        if (shift)
            ScriptedInput::Key(VK_SHIFT, false);
        ScriptedInput::Key(VK_TAB, false);
        ScriptedInput::Key(VK_TAB, true);
        if (shift)
            ScriptedInput::Key(VK_SHIFT, true);
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE))
            if (!IsDialogMessageW(dlg, &m)) {
                TranslateMessage(&m);
                DispatchMessageW(&m);
            }
        return GetFocus();
    };
    EXPECT_EQ(tab(false), grid);
    EXPECT_EQ(tab(false), ok);
    EXPECT_EQ(tab(false), cancel);
    EXPECT_EQ(tab(false), snap);
    EXPECT_EQ(tab(true), cancel);
    EnableWindow(ok, FALSE);
    EXPECT_EQ(tab(true), grid);
}

TEST_F(DialogTest, ControlsThatAskForKeysThroughWmGetDlgCodeReceiveThem)
{
    zt::win::DialogTemplate t = OkCancelTemplate();
    t.items.insert(t.items.begin(), Item(TestWindows::kClass, L"", 300, WS_TABSTOP, 7, 50, 60, 20));
    HWND dlg = Modeless(t);
    HWND custom = GetDlgItem(dlg, 300);
    ASSERT_EQ(GetFocus(), custom);
    LRESULT wants = DLGC_WANTTAB | DLGC_WANTARROWS;
    TestWindows::Get().handlers[custom] = [&](HWND, UINT msg, WPARAM,
                                              LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_GETDLGCODE)
            return wants;
        return std::nullopt;
    };
    auto press = [&](int vk) {
        TestWindows::Get().log.clear();
        ScriptedInput::Press(vk)();
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE))
            if (!IsDialogMessageW(dlg, &m)) {
                TranslateMessage(&m);
                DispatchMessageW(&m);
            }
        return TestWindows::Get().Count(custom, WM_KEYDOWN);
    };
    EXPECT_EQ(press(VK_TAB), 1);
    EXPECT_EQ(press(VK_DOWN), 1);
    EXPECT_EQ(GetFocus(), custom);
    // Escape is not asked for: the dialog takes it.
    EXPECT_EQ(press(VK_ESCAPE), 0);
    EXPECT_EQ(log.commands, (std::vector<int>{IDCANCEL}));
    wants = DLGC_WANTALLKEYS;
    EXPECT_EQ(press(VK_RETURN), 1);
    EXPECT_EQ(log.commands, (std::vector<int>{IDCANCEL}));
    wants = 0;
    EXPECT_EQ(press(VK_TAB), 0);
    EXPECT_EQ(GetFocus(), GetDlgItem(dlg, 100));
}

TEST_F(DialogTest, NextTabAndGroupItemsFollowStylesAndSkipHiddenOrDisabledControls)
{
    HWND dlg = Modeless(OkCancelTemplate());
    HWND snap = GetDlgItem(dlg, 100), grid = GetDlgItem(dlg, 101);
    HWND ok = GetDlgItem(dlg, IDOK), cancel = GetDlgItem(dlg, IDCANCEL);
    EXPECT_EQ(GetNextDlgTabItem(dlg, nullptr, FALSE), snap);
    EXPECT_EQ(GetNextDlgTabItem(dlg, nullptr, TRUE), cancel);
    EXPECT_EQ(GetNextDlgGroupItem(dlg, snap, FALSE), grid);
    // The static is in the first group but can never take the focus... it is skipped only
    // when disabled or hidden; the group wraps around.
    ShowWindow(GetDlgItem(dlg, IDC_STATIC), SW_HIDE);
    EXPECT_EQ(GetNextDlgGroupItem(dlg, grid, FALSE), snap);
    EXPECT_EQ(GetNextDlgGroupItem(dlg, ok, FALSE), cancel);
    EXPECT_EQ(GetNextDlgGroupItem(dlg, cancel, FALSE), ok);
    ShowWindow(grid, SW_HIDE);
    EXPECT_EQ(GetNextDlgTabItem(dlg, snap, FALSE), ok);
}

TEST_F(DialogTest, ModalLoopEndsThroughEndDialogAndDisablesTheOwnerMeanwhile)
{
    log.endOn = 101;
    bool ownerEnabledDuring = true;
    ScriptedInput input({[&] {
                             ownerEnabledDuring = IsWindowEnabled(parent) != FALSE;
                             // Space on the focused first check box, then Tab to "Grid" and Space.
                             ScriptedInput::Press(VK_SPACE)();
                         },
                         ScriptedInput::Press(VK_TAB), ScriptedInput::Press(VK_SPACE)});
    zt::win::DialogTemplate t = OkCancelTemplate();
    INT_PTR r = DialogBoxIndirectParamW(nullptr, &t, parent, &RecordingProc, 0);
    EXPECT_EQ(r, 1101);
    EXPECT_FALSE(ownerEnabledDuring);
    EXPECT_TRUE(IsWindowEnabled(parent));
    EXPECT_EQ(log.commands, (std::vector<int>{100, 101}));
    EXPECT_EQ(FindWindowW(L"#32770", nullptr), nullptr);
}

TEST_F(DialogTest, QuitDuringAModalLoopEndsItAndIsPostedAgainForTheOuterLoop)
{
    ScriptedInput input({[] { PostQuitMessage(3); }});
    zt::win::DialogTemplate t = OkCancelTemplate();
    EXPECT_EQ(DialogBoxIndirectParamW(nullptr, &t, parent, &RecordingProc, 0), -1);
    EXPECT_TRUE(IsWindowEnabled(parent));
    EXPECT_EQ(FindWindowW(L"#32770", nullptr), nullptr);
    MSG m{};
    ASSERT_TRUE(PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.message, WM_QUIT);
    EXPECT_EQ(m.wParam, 3u);
}

TEST_F(DialogTest, EscapeEndsTheModalLoopThroughIdCancel)
{
    log.endOn = -1;
    ScriptedInput input({ScriptedInput::Press(VK_ESCAPE)});
    zt::win::DialogTemplate t = OkCancelTemplate();
    EXPECT_EQ(DialogBoxIndirectParamW(nullptr, &t, parent, &RecordingProc, 0), 1000 + IDCANCEL);
    EXPECT_EQ(log.commands, (std::vector<int>{IDCANCEL}));
}

TEST_F(DialogTest, EnterPressesTheDefaultButtonOrTheFocusedPushButton)
{
    struct Case
    {
        std::deque<std::function<void()>> keys;
        int expected;
    };
    Case cases[] = {
        {{ScriptedInput::Press(VK_RETURN)}, IDOK},
        // Shift+Tab from the first control lands on Cancel, which Enter then presses.
        {{[] {
              ScriptedInput::Key(VK_SHIFT, false);
              ScriptedInput::Press(VK_TAB)();
              ScriptedInput::Key(VK_SHIFT, true);
          },
          ScriptedInput::Press(VK_RETURN)},
         IDCANCEL},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.expected);
        log = DialogLog{};
        log.endOn = -1;
        ScriptedInput input(std::move(c.keys));
        zt::win::DialogTemplate t = OkCancelTemplate();
        EXPECT_EQ(DialogBoxIndirectParamW(nullptr, &t, parent, &RecordingProc, 0),
                  1000 + c.expected);
    }
}

TEST_F(DialogTest, ClosingTheDialogAsksForIdCancelAndADisabledDefaultButtonIgnoresEnter)
{
    HWND dlg = Modeless(OkCancelTemplate());
    auto run = [&] {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE))
            if (!IsDialogMessageW(dlg, &m)) {
                TranslateMessage(&m);
                DispatchMessageW(&m);
            }
    };
    SendMessageW(dlg, WM_CLOSE, 0, 0);
    run();
    EXPECT_EQ(log.commands, (std::vector<int>{IDCANCEL}));
    EnableWindow(GetDlgItem(dlg, IDOK), FALSE);
    ScriptedInput::Press(VK_RETURN)();
    run();
    EXPECT_EQ(log.commands, (std::vector<int>{IDCANCEL}));
    EnableWindow(GetDlgItem(dlg, IDOK), TRUE);
    ScriptedInput::Press(VK_RETURN)();
    run();
    EXPECT_EQ(log.commands, (std::vector<int>{IDCANCEL, IDOK}));
}

TEST_F(DialogTest, ArrowKeysMoveWithinAGroupAndChooseAutomaticRadioButtons)
{
    zt::win::DialogTemplate t = OkCancelTemplate();
    t.items.insert(
        t.items.begin(),
        {Item(L"Button", L"Line", 201, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 7, 50, 60, 10),
         Item(L"Button", L"Arc", 202, BS_AUTORADIOBUTTON, 7, 62, 60, 10),
         Item(L"Button", L"Spline", 203, BS_AUTORADIOBUTTON, 7, 74, 60, 10)});
    HWND dlg = Modeless(t);
    HWND line = GetDlgItem(dlg, 201), arc = GetDlgItem(dlg, 202), spline = GetDlgItem(dlg, 203);
    CheckRadioButton(dlg, 201, 203, 201);
    ASSERT_EQ(GetFocus(), line);
    auto press = [&](int vk) {
        ScriptedInput::Press(vk)();
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE))
            if (!IsDialogMessageW(dlg, &m)) {
                TranslateMessage(&m);
                DispatchMessageW(&m);
            }
    };
    press(VK_DOWN);
    EXPECT_EQ(GetFocus(), arc);
    EXPECT_EQ(IsDlgButtonChecked(dlg, 202), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dlg, 201), BST_UNCHECKED);
    press(VK_DOWN);
    press(VK_DOWN);
    EXPECT_EQ(GetFocus(), line);
    press(VK_UP);
    EXPECT_EQ(GetFocus(), spline);
    EXPECT_EQ(IsDlgButtonChecked(dlg, 203), BST_CHECKED);
    // Only the checked radio button of a group is a tab stop, so Tab leaves the group.
    press(VK_TAB);
    EXPECT_EQ(GetFocus(), GetDlgItem(dlg, 100));
    press(VK_TAB);
    press(VK_TAB);
    press(VK_TAB);
    press(VK_TAB);
    EXPECT_EQ(GetFocus(), spline);
}

TEST_F(DialogTest, MnemonicsClickButtonsAndLabelsFocusTheirNextControl)
{
    zt::win::DialogTemplate t = OkCancelTemplate();
    t.items[0].text = L"&Snap";
    t.items[1].text = L"G&rid";
    t.items[2].text = L"&Label";
    t.items[4].text = L"Cancel && &Quit";
    HWND dlg = Modeless(t);
    auto type = [&](wchar_t ch) {
        INPUT in[2]{};
        for (int i = 0; i < 2; ++i) {
            in[i].type = INPUT_KEYBOARD;
            in[i].ki.wScan = static_cast<WORD>(ch);
            in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
        }
        SendInput(2, in, sizeof(INPUT));
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE))
            if (!IsDialogMessageW(dlg, &m)) {
                TranslateMessage(&m);
                DispatchMessageW(&m);
            }
    };
    type(L'r');
    EXPECT_EQ(GetFocus(), GetDlgItem(dlg, 101));
    EXPECT_EQ(IsDlgButtonChecked(dlg, 101), BST_CHECKED);
    // The label's mnemonic goes to the next tab stop after it: OK.
    type(L'L');
    EXPECT_EQ(GetFocus(), GetDlgItem(dlg, IDOK));
    EXPECT_TRUE(log.commands == (std::vector<int>{101}));
    // A push button is pressed where the focus is; "&&" is a plain ampersand.
    type(L'q');
    EXPECT_EQ(log.commands, (std::vector<int>{101, IDCANCEL}));
    type(L'x');
    EXPECT_EQ(log.commands, (std::vector<int>{101, IDCANCEL}));
}

TEST_F(DialogTest, DefaultIdMovesTheDefaultButtonLook)
{
    HWND dlg = Modeless(OkCancelTemplate());
    HWND ok = GetDlgItem(dlg, IDOK), cancel = GetDlgItem(dlg, IDCANCEL);
    EXPECT_EQ(SendMessageW(dlg, DM_GETDEFID, 0, 0), MAKELRESULT(IDOK, DC_HASDEFID));
    SendMessageW(dlg, DM_SETDEFID, IDCANCEL, 0);
    EXPECT_EQ(SendMessageW(dlg, DM_GETDEFID, 0, 0), MAKELRESULT(IDCANCEL, DC_HASDEFID));
    EXPECT_EQ(GetWindowLongW(ok, GWL_STYLE) & BS_TYPEMASK, static_cast<LONG>(BS_PUSHBUTTON));
    EXPECT_EQ(GetWindowLongW(cancel, GWL_STYLE) & BS_TYPEMASK, static_cast<LONG>(BS_DEFPUSHBUTTON));
    // A focused push button looks like the default one while it has the focus.
    SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(ok), TRUE);
    EXPECT_EQ(GetWindowLongW(ok, GWL_STYLE) & BS_TYPEMASK, static_cast<LONG>(BS_DEFPUSHBUTTON));
    EXPECT_EQ(GetWindowLongW(cancel, GWL_STYLE) & BS_TYPEMASK, static_cast<LONG>(BS_PUSHBUTTON));
    SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dlg, 100)), TRUE);
    EXPECT_EQ(GetWindowLongW(ok, GWL_STYLE) & BS_TYPEMASK, static_cast<LONG>(BS_PUSHBUTTON));
    EXPECT_EQ(GetWindowLongW(cancel, GWL_STYLE) & BS_TYPEMASK, static_cast<LONG>(BS_DEFPUSHBUTTON));
    // The mouse moves the look as well.
    RECT r;
    GetWindowRect(ok, &r);
    desk.click(r.left + 5, r.top + 5);
    EXPECT_EQ(GetFocus(), ok);
    EXPECT_EQ(GetWindowLongW(ok, GWL_STYLE) & BS_TYPEMASK, static_cast<LONG>(BS_DEFPUSHBUTTON));
    EXPECT_EQ(GetWindowLongW(cancel, GWL_STYLE) & BS_TYPEMASK, static_cast<LONG>(BS_PUSHBUTTON));
    GetWindowRect(GetDlgItem(dlg, 101), &r);
    desk.click(r.left + 5, r.top + 5);
    EXPECT_EQ(GetWindowLongW(ok, GWL_STYLE) & BS_TYPEMASK, static_cast<LONG>(BS_PUSHBUTTON));
    EXPECT_EQ(GetWindowLongW(cancel, GWL_STYLE) & BS_TYPEMASK, static_cast<LONG>(BS_DEFPUSHBUTTON));
}

TEST_F(DialogTest, ActivationSavesAndRestoresTheFocusedControl)
{
    zt::win::DialogTemplate t = OkCancelTemplate();
    HWND dlg = Modeless(t);
    HWND grid = GetDlgItem(dlg, 101);
    SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(grid), TRUE);
    HWND other = TestWindows::Get().Create(WS_POPUP | WS_VISIBLE, 0, {600, 100, 700, 200});
    SetActiveWindow(other);
    EXPECT_NE(GetFocus(), grid);
    SetActiveWindow(dlg);
    EXPECT_EQ(GetFocus(), grid);
    // Focus given to the dialog window itself goes on to the saved control.
    SetFocus(other);
    SetFocus(dlg);
    EXPECT_EQ(GetFocus(), grid);
}

TEST_F(DialogTest, SystemBaseUnitsFollowTheRuleForTheDefaultFont)
{
    RECT expected =
        ExpectedPixels(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), {0, 0, 4, 8});
    LONG units = GetDialogBaseUnits();
    EXPECT_EQ(LOWORD(units), expected.right);
    EXPECT_EQ(HIWORD(units), expected.bottom);
    EXPECT_GT(LOWORD(units), 3);
    EXPECT_GT(HIWORD(units), 8);
}

TEST_F(DialogTest, DialogItemHelpersReadAndWriteControls)
{
    HWND dlg = Modeless(OkCancelTemplate());
    EXPECT_TRUE(SetDlgItemInt(dlg, 100, static_cast<UINT>(-42), TRUE));
    BOOL ok = FALSE;
    EXPECT_EQ(static_cast<int>(GetDlgItemInt(dlg, 100, &ok, TRUE)), -42);
    EXPECT_TRUE(ok);
    GetDlgItemInt(dlg, 100, &ok, FALSE);
    EXPECT_FALSE(ok);
    SetDlgItemTextW(dlg, 101, L"12x");
    GetDlgItemInt(dlg, 101, &ok, TRUE);
    EXPECT_FALSE(ok);
    wchar_t text[16];
    EXPECT_EQ(GetDlgItemTextW(dlg, 101, text, 16), 3u);
    EXPECT_STREQ(text, L"12x");
    EXPECT_TRUE(CheckDlgButton(dlg, 101, BST_CHECKED));
    EXPECT_EQ(IsDlgButtonChecked(dlg, 101), BST_CHECKED);
    EXPECT_FALSE(CheckDlgButton(dlg, 999, BST_CHECKED));
    EXPECT_EQ(GetDlgItemTextW(dlg, 999, text, 16), 0u);
}

TEST_F(DialogTest, DialogBackgroundComesFromWmCtlColorDlg)
{
    HBRUSH brush = CreateSolidBrush(RGB(10, 20, 200));
    g_dialogBrush = brush;
    zt::win::DialogTemplate t = OkCancelTemplate();
    HWND dlg = CreateDialogIndirectParamW(nullptr, &t, parent, &BrushProc, 0);
    POINT p{150, 5};
    ClientToScreen(dlg, &p);
    EXPECT_EQ(desk.pixel(p.x, p.y), RGB(10, 20, 200));
    DestroyWindow(dlg);
    DeleteObject(brush);
}

// Found by fuzzing: a template may name any class for the dialog itself, and a control
// class's procedure never passes WM_NCDESTROY to DefDlgProc.
TEST_F(DialogTest, ADialogOfAControlClassLeavesNoFontOrRecordBehind)
{
    for (const wchar_t* cls : {L"Button", L"Static", L"Edit", L"ListBox", L"ComboBox"}) {
        SCOPED_TRACE(testing::Message() << std::wstring(cls).size() << " letters");
        const std::size_t before = zt::win::GetGdiObjectCount();
        zt::win::DialogTemplate t = OkCancelTemplate();
        t.className = cls;
        t.fontItalic = true;
        HWND dlg = Modeless(t);
        ASSERT_NE(dlg, nullptr);
        HFONT templateFont = reinterpret_cast<HFONT>(SendMessageW(dlg, WM_GETFONT, 0, 0));
        EXPECT_GT(zt::win::GetGdiObjectCount(), before) << "the template's font is the dialog's";
        DestroyWindow(dlg);
        EXPECT_EQ(zt::win::GetGdiObjectCount(), before);
        EXPECT_EQ(GetObjectType(templateFont), 0u);
    }
}

TEST_F(DialogTest, BadTemplatesAndUnknownNamesFailQuietly)
{
    EXPECT_EQ(CreateDialogIndirectParamW(nullptr, nullptr, parent, &RecordingProc, 0), nullptr);
    EXPECT_EQ(CreateDialogParamW(nullptr, MAKEINTRESOURCEW(4242), parent, &RecordingProc, 0),
              nullptr);
    EXPECT_EQ(DialogBoxParamW(nullptr, L"NOPE", parent, &RecordingProc, 0), -1);
    zt::win::DialogTemplate t = OkCancelTemplate();
    t.items.push_back(Item(L"NoSuchClass", L"", 5, 0, 0, 0, 10, 10));
    EXPECT_EQ(Modeless(t), nullptr);
    t.style |= DS_NOFAILCREATE;
    HWND dlg = Modeless(t);
    EXPECT_NE(dlg, nullptr);
    EXPECT_EQ(GetDlgItem(dlg, 5), nullptr);
    EXPECT_FALSE(EndDialog(parent, 1));
}

} // namespace
