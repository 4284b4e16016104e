// The standard controls inside a dialog made from a template: the dialog's keyboard handling
// asks them what they want (WM_GETDLGCODE) and selects an edit's text when Tab reaches it.
#include "platform/win/resources/ResourceModule.h"
#include "tests/win/ControlsTestSupport.h"

namespace {

std::vector<int>* g_commands = nullptr;

INT_PTR RecordingProc(HWND, UINT msg, WPARAM wParam, LPARAM)
{
    if (msg == WM_INITDIALOG)
        return TRUE;
    if (msg == WM_COMMAND && g_commands && HIWORD(wParam) == 0)
        g_commands->push_back(LOWORD(wParam));
    return msg == WM_COMMAND;
}

struct DialogControls : ControlsTest
{
    std::vector<int> commands;
    HWND dlg = nullptr;

    void SetUp() override
    {
        ControlsTest::SetUp();
        g_commands = &commands;
        zt::win::DialogTemplate t;
        t.style = WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME;
        t.cx = 200;
        t.cy = 120;
        t.title = L"Controls";
        auto item = [](const wchar_t* cls, const wchar_t* text, int id, DWORD style, short y) {
            zt::win::DialogItemTemplate i;
            i.className = cls;
            i.text = text;
            i.id = id;
            i.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | style;
            i.x = 10;
            i.y = y;
            i.cx = 120;
            i.cy = 14;
            return i;
        };
        t.items.push_back(item(L"Edit", L"abc", 100, WS_BORDER | ES_AUTOHSCROLL, 10));
        t.items.push_back(item(L"ComboBox", L"", 101, CBS_DROPDOWNLIST | WS_VSCROLL, 30));
        t.items.back().cy = 60;
        t.items.push_back(item(L"ListBox", L"", 102, WS_BORDER | LBS_NOTIFY, 50));
        t.items.back().cy = 30;
        t.items.push_back(item(L"Button", L"OK", IDOK, BS_DEFPUSHBUTTON, 90));
        dlg = CreateDialogIndirectParamW(nullptr, &t, parent, &RecordingProc, 0);
        for (const wchar_t* s : {L"one", L"two", L"three"}) {
            SendDlgItemMessageW(dlg, 101, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
            SendDlgItemMessageW(dlg, 102, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        }
    }
    void TearDown() override
    {
        g_commands = nullptr;
        if (IsWindow(dlg))
            DestroyWindow(dlg);
        ControlsTest::TearDown();
    }

    // One key through the dialog's own loop, as a modeless dialog's pre-translate step runs it.
    void DialogKey(int vk)
    {
        INPUT in[2]{};
        for (int i = 0; i < 2; ++i) {
            in[i].type = INPUT_KEYBOARD;
            in[i].ki.wVk = static_cast<WORD>(vk);
            in[i].ki.dwFlags = i ? KEYEVENTF_KEYUP : 0;
        }
        SendInput(2, in, sizeof(INPUT));
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE))
            if (!IsDialogMessageW(dlg, &m)) {
                TranslateMessage(&m);
                DispatchMessageW(&m);
            }
    }
};

TEST_F(DialogControls, TabSelectsTheEditsTextAndArrowsStayWithTheControls)
{
    ASSERT_TRUE(dlg);
    HWND edit = GetDlgItem(dlg, 100);
    HWND combo = GetDlgItem(dlg, 101);
    HWND list = GetDlgItem(dlg, 102);
    SetFocus(GetDlgItem(dlg, IDOK));
    DialogKey(VK_TAB);
    ASSERT_EQ(GetFocus(), edit);
    EXPECT_EQ(Sel(edit), std::make_pair(0, 3)) << "the dialog selects all of an edit it tabs to";
    DialogKey(VK_RIGHT);
    EXPECT_EQ(Sel(edit), std::make_pair(3, 3)) << "the edit keeps its arrows";

    DialogKey(VK_TAB);
    ASSERT_EQ(GetFocus(), combo);
    DialogKey(VK_DOWN);
    DialogKey(VK_DOWN);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);

    DialogKey(VK_TAB);
    ASSERT_EQ(GetFocus(), list);
    DialogKey(VK_DOWN);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0);
}

TEST_F(DialogControls, EnterInASingleLineEditPressesTheDefaultButton)
{
    ASSERT_TRUE(dlg);
    SetFocus(GetDlgItem(dlg, 100));
    DialogKey(VK_RETURN);
    EXPECT_EQ(commands, (std::vector<int>{IDOK}));
}

TEST_F(DialogControls, EnterInAnOpenDropDownPicksInsteadOfPressingTheDefaultButton)
{
    ASSERT_TRUE(dlg);
    HWND combo = GetDlgItem(dlg, 101);
    SetFocus(combo);
    DialogKey(VK_F4);
    ASSERT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    DialogKey(VK_DOWN);
    DialogKey(VK_RETURN);
    EXPECT_FALSE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(commands.empty());
}

} // namespace
