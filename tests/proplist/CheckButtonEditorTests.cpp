// The check box and push button editors: the states a check box starts in, which clicks write
// the item, and the button's click and owner-drawn icon.

#include "tests/proplist/EditorTestSupport.h"
#include "ztui/proplist/editors/PropertyButtonIcon.h"
#include "ztui/proplist/editors/actrl_Button.h"
#include "ztui/proplist/editors/actrl_CheckBox.h"

#include <vector>

using zt::actrl_Button;
using zt::actrl_CheckBox;

namespace {

struct CheckButtonEditorTest : EditorListFixture
{
    actrl_CheckBox* Check(int row) { return EditorWindow<actrl_CheckBox>(row); }
    actrl_Button* Button(int row) { return EditorWindow<actrl_Button>(row); }
    // A click as a program sends it: the window already in the given state, then BN_CLICKED
    // reaching the list window.
    void ProgrammaticClick(actrl_CheckBox* check, int state)
    {
        check->SetCheck(state);
        ::SendMessageW(box.m_hWnd, WM_COMMAND, MAKEWPARAM(check->GetDlgCtrlID(), BN_CLICKED),
                       reinterpret_cast<LPARAM>(check->m_hWnd));
    }
};

// What the owner's icon function was asked to do.
struct IconCall
{
    RECT rect;
    int index;
};
std::vector<IconCall> g_iconCalls;
bool g_iconDraws = true;
constexpr COLORREF kIconColor = RGB(0, 200, 0);

bool DrawTestIcon(CDC* dc, const RECT& rect, int index)
{
    g_iconCalls.push_back({rect, index});
    if (g_iconDraws && dc)
        dc->FillSolidRect(&rect, kIconColor);
    return g_iconDraws;
}

// The horizontal middle of the caption's ink: the dark pixels inside the button's frame,
// outside the icon strip.
double CaptionCentre(DesktopFixture& desk, const CRect& r)
{
    desk.pixel(r.left, r.top); // composes the screen once
    HDC screen = GetDC(nullptr);
    long sum = 0;
    long n = 0;
    for (int y = r.top + 2; y < r.bottom - 2; ++y)
        for (int x = r.left + 41; x < r.right - 2; ++x) {
            COLORREF c = GetPixel(screen, x, y);
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 250) {
                sum += x;
                ++n;
            }
        }
    ReleaseDC(nullptr, screen);
    return n ? double(sum) / n : -1.0;
}

} // namespace

TEST_F(CheckButtonEditorTest, ACheckBoxStartsInTheItemsStateOrIndeterminate)
{
    Add(L"开")->setCheck(true)->setCheckText(L"显示");
    Add(L"关")->setCheck(false);
    Add(L"混合")->setCheck(true)->setDisplayText(L"*多种*");
    Add(L"只读")->setCheck(true)->setReadOnly();
    list.refresh();
    struct Case
    {
        int row;
        int state;
        bool threeState;
        bool enabled;
    };
    for (const Case& c :
         {Case{1, BST_CHECKED, false, true}, Case{2, BST_UNCHECKED, false, true},
          Case{3, BST_INDETERMINATE, true, true}, Case{4, BST_CHECKED, false, false}}) {
        SCOPED_TRACE(c.row);
        actrl_CheckBox* check = Check(c.row);
        ASSERT_NE(check, nullptr);
        EXPECT_EQ(check->GetCheck(), c.state);
        EXPECT_EQ((check->GetStyle() & 0xF) == BS_AUTO3STATE, c.threeState);
        EXPECT_EQ(check->IsWindowEnabled() != FALSE, c.enabled);
        // Check boxes take their cell unchanged.
        CRect r;
        check->GetWindowRect(&r);
        box.ScreenToClient(&r);
        EXPECT_EQ(r, box.EditorRects()[c.row]);
    }
    CString caption;
    Check(1)->GetWindowText(caption);
    EXPECT_EQ(std::wstring(caption.GetString()), L"显示");
}

TEST_F(CheckButtonEditorTest, ClickingFromIndeterminateWritesOnlyADifferentDefiniteState)
{
    auto* item = Add(L"混合")->setCheck(false)->setDisplayText(L"*多种*");
    list.refresh();
    actrl_CheckBox* check = Check(1);
    ASSERT_NE(check, nullptr);

    ClickInto(check->m_hWnd); // indeterminate -> unchecked, which is the value already
    EXPECT_EQ(check->GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(changes, 0);
    ClickInto(check->m_hWnd); // -> checked
    EXPECT_EQ(check->GetCheck(), BST_CHECKED);
    EXPECT_TRUE(item->checkValue());
    EXPECT_EQ(changes, 1);
    ClickInto(check->m_hWnd); // -> indeterminate again: nothing
    EXPECT_EQ(check->GetCheck(), BST_INDETERMINATE);
    EXPECT_TRUE(item->checkValue());
    EXPECT_EQ(changes, 1);
}

TEST_F(CheckButtonEditorTest, TheStateAfterAClickIsComparedWithTheValue)
{
    struct Case
    {
        bool value;
        int state;
        bool written;
    };
    const Case cases[] = {
        {false, BST_CHECKED, true},        {true, BST_CHECKED, false},
        {true, BST_UNCHECKED, true},       {false, BST_UNCHECKED, false},
        {false, BST_INDETERMINATE, false}, {true, BST_INDETERMINATE, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " " << c.state);
        list.clear();
        auto* item = Add(L"项")->setCheck(c.value)->setDisplayText(L"*多种*");
        list.refresh();
        changes = 0;
        ProgrammaticClick(Check(1), c.state);
        EXPECT_EQ(changes, c.written ? 1 : 0);
        EXPECT_EQ(item->checkValue(), c.written ? !c.value : c.value);
    }
}

TEST_F(CheckButtonEditorTest, ATwoStateCheckBoxTogglesTheValue)
{
    auto* item = Add(L"显示")->setCheck(true);
    list.refresh();
    ClickInto(Check(1)->m_hWnd);
    EXPECT_FALSE(item->checkValue());
    desk.key(VK_SPACE); // the click gave it the focus
    EXPECT_TRUE(item->checkValue());
    EXPECT_EQ(changes, 2);
}

TEST_F(CheckButtonEditorTest, ReadOnlyEditorsIgnoreClicks)
{
    auto* check = Add(L"只读")->setCheck(false)->setReadOnly();
    Add(L"按钮")->setButton(L"编辑")->setReadOnly();
    list.refresh();
    ASSERT_FALSE(Button(2)->IsWindowEnabled());
    ClickInto(Check(1)->m_hWnd);
    ClickInto(Button(2)->m_hWnd);
    EXPECT_FALSE(check->checkValue());
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(clicks, 0);
}

TEST_F(CheckButtonEditorTest, AButtonClickReachesButtonClickedOnly)
{
    Add(L"材质")->setButton(L"选择…");
    list.refresh();
    actrl_Button* button = Button(1);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->GetStyle() & 0xF, static_cast<DWORD>(BS_OWNERDRAW));
    CString caption;
    button->GetWindowText(caption);
    EXPECT_EQ(std::wstring(caption.GetString()), L"选择…");
    ClickInto(button->m_hWnd);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 0);
}

TEST_F(CheckButtonEditorTest, TheOwnerDrawsTheTaggedIconAndTheCaptionMakesRoomWhenItDid)
{
    for (bool draws : {true, false}) {
        SCOPED_TRACE(draws);
        g_iconCalls.clear();
        g_iconDraws = draws;
        list.clear();
        Add(L"拾取")->setButton(L"AAAA")->setTag(10003)->setButtonData(
            PropertyMgrUI::ButtonIconData(&DrawTestIcon));
        Add(L"拾取")->setTag(10003)->setButton(L"AAAA"); // no button data: no icon
        list.refresh();
        ASSERT_NE(Button(1), nullptr);
        EXPECT_EQ(Button(1)->IconIndex(), 2);
        const CRect iconButton = ScreenRect(Button(1)->m_hWnd);
        const CRect plainButton = ScreenRect(Button(2)->m_hWnd);
        desk.pixel(0, 0); // paints everything
        ASSERT_FALSE(g_iconCalls.empty());
        for (const IconCall& call : g_iconCalls) {
            EXPECT_EQ(call.index, 2);
            EXPECT_EQ(call.rect.left, 0);
            EXPECT_EQ(call.rect.right, 40);
            EXPECT_EQ(call.rect.bottom - call.rect.top, iconButton.Height());
        }
        EXPECT_EQ(desk.pixel(iconButton.left + 20, iconButton.CenterPoint().y) == kIconColor,
                  draws);
        // Centred in an area that starts 40 pixels further right, the caption moves by half
        // that, and only when the owner drew.
        const double shift = (CaptionCentre(desk, iconButton) - iconButton.left) -
                             (CaptionCentre(desk, plainButton) - plainButton.left);
        EXPECT_NEAR(shift, draws ? 20.0 : 0.0, 1.5);
    }
    g_iconDraws = true;
}
