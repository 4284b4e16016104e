// The colour picker, driven as a user drives it: keys and clicks are injected while the dialog
// runs its modal loop, and what it returns is checked with what it showed meanwhile.

#include "platform/host/DlgCadColor.h"
#include "tests/win/DialogTestSupport.h"

#include <set>
#include <string>

namespace {

CString FieldText(HWND dialog, int id)
{
    wchar_t text[16] = {};
    GetDlgItemTextW(dialog, id, text, 16);
    return CString(text);
}

// A click at a screen point, queued for the modal loop to fetch.
void ClickAt(POINT p, bool twice = false)
{
    SIZE s = zt::win::Desktop::ScreenSize();
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = static_cast<LONG>((static_cast<long long>(p.x) * 65536 + s.cx - 1) / s.cx);
    move.mi.dy = static_cast<LONG>((static_cast<long long>(p.y) * 65536 + s.cy - 1) / s.cy);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &move, sizeof(INPUT));
    for (int i = 0; i < (twice ? 2 : 1); ++i) {
        INPUT button[2]{};
        button[0].type = button[1].type = INPUT_MOUSE;
        button[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        button[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, button, sizeof(INPUT));
    }
}

POINT CellCentre(CadColorPalette& palette, int index)
{
    CRect r = palette.CellRect(index);
    POINT p = r.CenterPoint();
    palette.ClientToScreen(&p);
    return p;
}

void TypeText(const wchar_t* text)
{
    for (const wchar_t* c = text; *c; ++c) {
        INPUT in[2]{};
        for (int i = 0; i < 2; ++i) {
            in[i].type = INPUT_KEYBOARD;
            in[i].ki.wScan = static_cast<WORD>(*c);
            in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
        }
        SendInput(2, in, sizeof(INPUT));
    }
}

COLORREF ScreenPixel(POINT p)
{
    zt::win::Desktop::ComposeScreen();
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return c;
}

class DlgCadColorTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        owner.Attach(parent);
    }
    void TearDown() override
    {
        DlgCadColor::SetResponder(nullptr);
        owner.Detach();
    }
    CWnd owner;
};

} // namespace

TEST_F(DlgCadColorTest, OpensOnTheInitialColourAndEscapeCancels)
{
    DlgCadColor dlg(RGB(10, 20, 30), &owner);
    CString red, green, blue;
    COLORREF preview = 0;
    bool ownerEnabled = true;
    ScriptedInput input({[&] {
        red = FieldText(dlg.m_hWnd, DlgCadColor::IDC_RED);
        green = FieldText(dlg.m_hWnd, DlgCadColor::IDC_GREEN);
        blue = FieldText(dlg.m_hWnd, DlgCadColor::IDC_BLUE);
        preview = dlg.Preview().Chosen();
        ownerEnabled = IsWindowEnabled(parent) != FALSE;
        ScriptedInput::Press(VK_ESCAPE)();
    }});
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(std::wstring(red.GetString()), L"10");
    EXPECT_EQ(std::wstring(green.GetString()), L"20");
    EXPECT_EQ(std::wstring(blue.GetString()), L"30");
    EXPECT_EQ(preview, RGB(10, 20, 30));
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(parent));
    EXPECT_EQ(dlg.GetSelectedColor(), RGB(10, 20, 30));

    // The same object runs again, with fresh windows.
    ScriptedInput again({ScriptedInput::Press(VK_RIGHT), ScriptedInput::Press(VK_RETURN)});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetSelectedColor(), DlgCadColor::StandardColors()[0]);
    EXPECT_EQ(dlg.StandardPalette().m_hWnd, nullptr);
}

TEST_F(DlgCadColorTest, CancelAfterPickingKeepsTheInitialColour)
{
    DlgCadColor dlg(RGB(1, 2, 3), &owner);
    ScriptedInput input({[&] { ClickAt(CellCentre(dlg.StandardPalette(), 4)); },
                         [&] {
                             HWND cancel = GetDlgItem(dlg.m_hWnd, IDCANCEL);
                             RECT r;
                             GetWindowRect(cancel, &r);
                             ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
                         }});
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.GetSelectedColor(), RGB(1, 2, 3));
}

TEST_F(DlgCadColorTest, AClickedSwatchIsShownAndEnterTakesIt)
{
    struct Case
    {
        bool standard;
        int index;
    };
    const Case cases[] = {{true, 0}, {true, 4}, {true, 8}, {false, 0}, {false, 30}, {false, 71}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.standard ? "standard " : "more ") << c.index);
        DlgCadColor dlg(RGB(1, 2, 3), &owner);
        COLORREF expected = c.standard ? DlgCadColor::StandardColors()[c.index]
                                       : DlgCadColor::MoreColors()[c.index];
        auto palette = [&]() -> CadColorPalette& {
            return c.standard ? dlg.StandardPalette() : dlg.MorePalette();
        };
        CString red;
        COLORREF swatchPixel = 0;
        COLORREF previewPixel = 0;
        ScriptedInput input({[&] { ClickAt(CellCentre(palette(), c.index)); },
                             [&] {
                                 red = FieldText(dlg.m_hWnd, DlgCadColor::IDC_RED);
                                 swatchPixel = ScreenPixel(CellCentre(palette(), c.index));
                                 POINT p = dlg.Preview().ChosenRect().CenterPoint();
                                 dlg.Preview().ClientToScreen(&p);
                                 previewPixel = ScreenPixel(p);
                                 ScriptedInput::Press(VK_RETURN)();
                             }});
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.GetSelectedColor(), expected);
        EXPECT_EQ(std::wstring(red.GetString()), std::to_wstring(GetRValue(expected)));
        EXPECT_EQ(swatchPixel, expected);
        EXPECT_EQ(previewPixel, expected);
    }
}

TEST_F(DlgCadColorTest, ADoubleClickedSwatchEndsTheDialog)
{
    DlgCadColor dlg(RGB(1, 2, 3), nullptr);
    ScriptedInput input({[&] { ClickAt(CellCentre(dlg.MorePalette(), 14), true); }});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetSelectedColor(), DlgCadColor::MoreColors()[14]);
}

TEST_F(DlgCadColorTest, ArrowsMoveThroughTheGridsWithoutLeavingThem)
{
    struct Case
    {
        COLORREF initial;
        std::vector<int> keys;
        COLORREF expected;
    };
    const auto& standard = DlgCadColor::StandardColors();
    const auto& more = DlgCadColor::MoreColors();
    const Case cases[] = {
        // The focus starts in the standard grid, on the initial colour.
        {standard[0], {VK_RIGHT, VK_RIGHT}, standard[2]},
        {standard[0], {VK_LEFT}, standard[0]},
        {standard[0], {VK_END}, standard[8]},
        {standard[8], {VK_RIGHT, VK_DOWN}, standard[8]},
        // An initial colour of the second grid starts there; rows are twelve wide.
        {more[13], {VK_DOWN, VK_RIGHT}, more[26]},
        {more[70], {VK_DOWN, VK_DOWN}, more[70]},
        // Tab leaves the standard grid for the second one.
        {standard[3], {VK_TAB, VK_HOME, VK_DOWN}, more[12]},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.initial << " keys " << c.keys.size());
        DlgCadColor dlg(c.initial, &owner);
        std::deque<std::function<void()>> actions;
        for (int vk : c.keys)
            actions.push_back(ScriptedInput::Press(vk));
        actions.push_back(ScriptedInput::Press(VK_RETURN));
        ScriptedInput input(std::move(actions));
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.GetSelectedColor(), c.expected);
    }
}

TEST_F(DlgCadColorTest, TypedNumbersMakeACustomColour)
{
    DlgCadColor dlg(RGB(255, 0, 0), &owner);
    COLORREF preview = 0;
    int standardSelection = 0;
    ScriptedInput input({ScriptedInput::Press(VK_TAB), ScriptedInput::Press(VK_TAB),
                         [] { TypeText(L"12"); }, ScriptedInput::Press(VK_TAB),
                         [] { TypeText(L"34"); }, ScriptedInput::Press(VK_TAB),
                         [] { TypeText(L"56"); },
                         [&] {
                             preview = dlg.Preview().Chosen();
                             standardSelection = dlg.StandardPalette().Selection();
                             ScriptedInput::Press(VK_RETURN)();
                         }});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetSelectedColor(), RGB(12, 34, 56));
    EXPECT_EQ(preview, RGB(12, 34, 56));
    EXPECT_EQ(standardSelection, -1); // no swatch holds the custom colour
}

TEST_F(DlgCadColorTest, NumbersOutOfRangeStayAsTypedAndLeaveTheColour)
{
    struct Case
    {
        const wchar_t* typed;
        COLORREF expected;
    };
    // Tab into the red field selects its text, so typing replaces it. Each key is read as it
    // comes: "300" describes 3, then 30, then nothing, so 30 stays.
    const Case cases[] = {
        {L"300", RGB(30, 8, 9)},
        {L"256", RGB(25, 8, 9)},
        {L"255", RGB(255, 8, 9)},
        {L"0", RGB(0, 8, 9)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::wstring(c.typed).size());
        DlgCadColor dlg(RGB(7, 8, 9), &owner);
        CString shown;
        COLORREF preview = 0;
        ScriptedInput input({ScriptedInput::Press(VK_TAB), ScriptedInput::Press(VK_TAB),
                             [&] { TypeText(c.typed); },
                             [&] {
                                 shown = FieldText(dlg.m_hWnd, DlgCadColor::IDC_RED);
                                 preview = dlg.Preview().Chosen();
                                 ScriptedInput::Press(VK_RETURN)();
                             }});
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(std::wstring(shown.GetString()), std::wstring(c.typed));
        EXPECT_EQ(preview, c.expected);
        EXPECT_EQ(dlg.GetSelectedColor(), c.expected);
    }
}

TEST_F(DlgCadColorTest, AnEmptiedFieldKeepsTheLastColourUntilItHoldsANumberAgain)
{
    DlgCadColor dlg(RGB(7, 8, 9), &owner);
    COLORREF whileEmpty = 0;
    ScriptedInput input({ScriptedInput::Press(VK_TAB), ScriptedInput::Press(VK_TAB),
                         ScriptedInput::Press(VK_BACK),
                         [&] {
                             whileEmpty = dlg.Preview().Chosen();
                             TypeText(L"9");
                         },
                         ScriptedInput::Press(VK_RETURN)});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(whileEmpty, RGB(7, 8, 9));
    EXPECT_EQ(dlg.GetSelectedColor(), RGB(9, 8, 9));
}

TEST_F(DlgCadColorTest, PickingASwatchAfterTypingRewritesTheNumbers)
{
    DlgCadColor dlg(RGB(7, 8, 9), &owner);
    CString blue;
    ScriptedInput input({ScriptedInput::Press(VK_TAB), ScriptedInput::Press(VK_TAB),
                         [] { TypeText(L"999"); },
                         [&] { ClickAt(CellCentre(dlg.StandardPalette(), 4)); },
                         [&] {
                             blue = FieldText(dlg.m_hWnd, DlgCadColor::IDC_BLUE);
                             ScriptedInput::Press(VK_RETURN)();
                         }});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetSelectedColor(), RGB(0, 0, 255));
    EXPECT_EQ(std::wstring(blue.GetString()), L"255");
}

TEST_F(DlgCadColorTest, TheGridsHoldTheStandardColoursAndDistinctFurtherOnes)
{
    const auto& standard = DlgCadColor::StandardColors();
    EXPECT_EQ(standard[0], RGB(255, 0, 0));
    EXPECT_EQ(standard[4], RGB(0, 0, 255));
    EXPECT_EQ(standard[6], RGB(255, 255, 255));
    EXPECT_EQ(standard[7], RGB(128, 128, 128));
    EXPECT_EQ(standard[8], RGB(192, 192, 192));
    const auto& more = DlgCadColor::MoreColors();
    ASSERT_EQ(more.size(), 72u);
    EXPECT_EQ(std::set<COLORREF>(more.begin(), more.end()).size(), more.size());
    EXPECT_EQ(more[24], RGB(255, 0, 0)); // the pure row starts with red
    EXPECT_EQ(more[60], RGB(0, 0, 0));   // the grey ramp runs from black
    EXPECT_EQ(more[71], RGB(255, 255, 255));
}

TEST_F(DlgCadColorTest, AResponderAnswersWithoutAWindow)
{
    COLORREF seenInitial = 0;
    HWND seenParent = nullptr;
    int calls = 0;
    DlgCadColor::SetResponder([&](COLORREF initial, HWND parentWindow) {
        ++calls;
        seenInitial = initial;
        seenParent = parentWindow;
        return DlgCadColor::Answer{IDOK, RGB(1, 128, 255)};
    });
    DlgCadColor dlg(RGB(5, 5, 5), &owner);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetSelectedColor(), RGB(1, 128, 255));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(seenInitial, RGB(5, 5, 5));
    EXPECT_EQ(seenParent, parent);

    struct Case
    {
        DlgCadColor::Responder responder;
        INT_PTR expected;
    };
    const Case cancels[] = {
        {[](COLORREF, HWND) {
             return DlgCadColor::Answer{IDCANCEL, RGB(9, 9, 9)};
         },
         IDCANCEL},
        {[](COLORREF, HWND) {
             return DlgCadColor::Answer{IDNO, RGB(9, 9, 9)};
         },
         IDCANCEL},
        {[](COLORREF, HWND) -> DlgCadColor::Answer { throw 42; }, IDCANCEL},
    };
    for (const Case& c : cancels) {
        DlgCadColor::SetResponder(c.responder);
        DlgCadColor other(RGB(5, 5, 5), nullptr);
        EXPECT_EQ(other.DoModal(), c.expected);
        EXPECT_EQ(other.GetSelectedColor(), RGB(5, 5, 5));
    }
}

TEST_F(DlgCadColorTest, ThePickerLooksRight)
{
    // A picture of the picker in the build tree: the new colour over the old in the preview.
    DlgCadColor dlg(DlgCadColor::MoreColors()[27], &owner);
    bool written = false;
    COLORREF original = 0;
    ScriptedInput input({[&] { ClickAt(CellCentre(dlg.StandardPalette(), 4)); },
                         [&] {
                             POINT p = dlg.Preview().OriginalRect().CenterPoint();
                             dlg.Preview().ClientToScreen(&p);
                             original = ScreenPixel(p);
                             written = zt::win::Desktop::WriteWindowPng(
                                 dlg.m_hWnd, ZTUI_TEST_OUTPUT_DIR L"/colour-picker.png");
                             ScriptedInput::Press(VK_ESCAPE)();
                         }});
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(written);
    EXPECT_EQ(original, DlgCadColor::MoreColors()[27]);
}
