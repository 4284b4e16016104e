// The resizable dialog: its minimum size, rows re-laid on every size by either layout, groups
// re-stacked when a group box folds, and the hooks it calls for keys and value changes.

#include "tests/dlglayout/DlgLayoutTestSupport.h"
#include "ztui/widgets/CollapseGroupBox.h"

using namespace QDlgResize_Space;
using zt::CollapseGroupBox;

namespace {

enum Ids
{
    kLabel = 100,
    kValue,
    kButton,
    kBox1 = 110,
    kBox1Label,
    kBox1Value,
    kBox2 = 120,
    kBox2Label,
    kBox2Value,
    kList = 130,
    kMultiLine,
};

} // namespace

TEST_F(DlgLayoutTest, TheDialogCannotShrinkBelowItsInitialClientSize)
{
    ASSERT_TRUE(panel.IsInitialised());
    CSize initial = Client();
    EXPECT_EQ(initial.cx, panel.InitialClientWidth());
    EXPECT_EQ(initial.cy, panel.InitialClientHeight());

    Grow(-40, 0);
    EXPECT_EQ(Client(), initial);
    Grow(0, -25);
    EXPECT_EQ(Client(), initial);
    Grow(60, 30);
    EXPECT_EQ(Client(), CSize(initial.cx + 60, initial.cy + 30));
    // Shrinking back snaps to the initial size, not below.
    Grow(-100, -100);
    EXPECT_EQ(Client(), initial);
}

// A dialog squeezed to no size at all, and to no width or no height, comes back to its
// initial client size in what was squeezed and keeps what was not.
void ExpectSqueezesComeBack(DWORD style)
{
    DesktopFixture desk;
    TestPanel dialog;
    ASSERT_TRUE(dialog.CreateIndirect(PanelTemplate(style)));
    CRect client;
    dialog.GetClientRect(&client);
    for (CSize squeeze : {CSize(0, 0), CSize(1, 1), CSize(0, 2000), CSize(2000, 0)}) {
        SCOPED_TRACE(testing::Message() << squeeze.cx << " x " << squeeze.cy);
        dialog.SetWindowPos(nullptr, 0, 0, squeeze.cx, squeeze.cy,
                            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        desk.pump();
        CRect after;
        dialog.GetClientRect(&after);
        if (squeeze.cx < 100)
            EXPECT_EQ(after.Width(), client.Width());
        else
            EXPECT_GT(after.Width(), client.Width());
        if (squeeze.cy < 100)
            EXPECT_EQ(after.Height(), client.Height());
        else
            EXPECT_GT(after.Height(), client.Height());
    }
    dialog.DestroyWindow();
}

// Found by fuzzing: a framed dialog squeezed to no size at all has no client area left to
// measure its frame by, and came back short of its initial width by the frame.
TEST(DlgLayoutSqueezed, AFramedDialogSqueezedToNothingComesBackToItsInitialClientSize)
{
    ExpectSqueezesComeBack(WS_POPUP | WS_VISIBLE | WS_CAPTION);
}

// Found by fuzzing: the frame worked out from the styles left out the scroll bars, as the
// system's own measure of a frame does, and the dialog came back short by a scroll bar.
TEST(DlgLayoutSqueezed, AScrollingDialogSqueezedToNothingComesBackToItsInitialClientSize)
{
    ExpectSqueezesComeBack(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME | WS_VSCROLL |
                           WS_HSCROLL);
}

// Found by fuzzing: a dialog made minimized has no client area while it stays so, whatever
// size it is given; restored, it comes back to its initial client size at least.
TEST(DlgLayoutSqueezed, AMinimizedDialogSqueezedToNothingIsRestoredToItsInitialClientSize)
{
    DesktopFixture desk;
    TestPanel dialog;
    ASSERT_TRUE(dialog.CreateIndirect(PanelTemplate(WS_POPUP | WS_MINIMIZE)));
    const int initialWidth = dialog.InitialClientWidth();
    ASSERT_GT(initialWidth, 0);
    dialog.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    desk.pump();
    ASSERT_TRUE(dialog.IsIconic());
    dialog.ShowWindow(SW_RESTORE);
    desk.pump();
    EXPECT_FALSE(dialog.IsIconic());
    CRect after;
    dialog.GetClientRect(&after);
    EXPECT_GE(after.Width(), initialWidth);
    EXPECT_GE(after.Height(), dialog.InitialClientHeight());
    dialog.DestroyWindow();
}

TEST_F(DlgLayoutTest, TheFirstSizeIsTheReferenceOfEveryScale)
{
    CSize initial = Client();
    const ResizeTracker& tracker = panel.GetTracker();
    EXPECT_EQ(tracker.ReferenceWidth(), initial.cx);
    EXPECT_EQ(tracker.ReferenceHeight(), initial.cy);
    Grow(initial.cx, 0);
    EXPECT_EQ(tracker.PreviousWidth(), initial.cx);
    EXPECT_EQ(tracker.Width(), 2 * initial.cx);
    EXPECT_DOUBLE_EQ(tracker.ScaleX(), 2.0);
    EXPECT_DOUBLE_EQ(tracker.ScaleY(), 1.0);
}

TEST_F(DlgLayoutTest, IdRowsFollowTheirPatternFromTheDesignedPositions)
{
    const int w0 = Client().cx;
    Add(L"Static", kLabel, {10, 10, 60, 30});
    Add(L"Edit", kValue, {70, 10, w0 - 80, 30}, WS_BORDER);
    Add(L"Button", kButton, {w0 - 70, 10, w0 - 10, 30});
    Add(L"Static", kBox2Label, {10, 40, 60, 50});
    Add(L"Edit", kBox2Value, {70, 40, 80, 60});
    panel.SetGroups({{{kLabel, kValue, kButton}}, {{kBox2Label, kBox2Value}}});
    Grow(100, 0);
    EXPECT_EQ(RectOf(kLabel), CRect(10, 10, 60, 30));
    EXPECT_EQ(RectOf(kValue), CRect(70, 10, w0 + 20, 30));
    EXPECT_EQ(RectOf(kButton), CRect(w0 + 30, 10, w0 + 90, 30));
    // The second group's row: the label keeps its place, the value stretches, and both are
    // raised to the minimum size of a control. The group's first control is stacked under the
    // first group, ten pixels below it.
    EXPECT_EQ(RectOf(kBox2Label), CRect(10, 40, 60, 55));
    EXPECT_EQ(RectOf(kBox2Value), CRect(70, 40, 180, 60));

    Grow(-100, 0);
    EXPECT_EQ(RectOf(kValue), CRect(70, 10, w0 - 80, 30));
    EXPECT_EQ(RectOf(kButton), CRect(w0 - 70, 10, w0 - 10, 30));
}

TEST_F(DlgLayoutTest, IdGroupsStackTenPixelsApartAndCloseUpUnderAFoldedBox)
{
    CollapseGroupBox box;
    ASSERT_TRUE(box.Create(L"一", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, CRect(5, 5, 195, 80), &panel,
                           kBox1));
    Add(L"Static", kBox1Label, {10, 30, 60, 50});
    Add(L"Static", kBox2, {5, 100, 195, 120});
    Add(L"Static", kBox2Label, {10, 130, 60, 150});
    panel.SetGroups({{{kBox1}, {kBox1Label}}, {{kBox2}, {kBox2Label}}});
    Grow(10, 0);
    EXPECT_EQ(RectOf(kBox2).top, 90);
    EXPECT_EQ(RectOf(kBox2Label).top, 120);

    box.SetCollapsed(TRUE);
    desk.pump();
    EXPECT_EQ(RectOf(kBox1).bottom, 26);
    EXPECT_EQ(RectOf(kBox2).top, 36);
    EXPECT_EQ(RectOf(kBox2Label).top, 66);

    box.SetCollapsed(FALSE);
    EXPECT_EQ(RectOf(kBox2).top, 90);
    EXPECT_EQ(RectOf(kBox2Label).top, 120);
    box.DestroyWindow();
}

TEST_F(DlgLayoutTest, ModeRowsShareEveryWidthChange)
{
    Add(L"Static", kLabel, {10, 10, 60, 30});
    Add(L"Edit", kValue, {70, 10, 120, 30}, WS_BORDER);
    Add(L"Button", kButton, {130, 10, 170, 30});
    Add(L"Edit", kBox1Label, {10, 40, 60, 60}, WS_BORDER);
    Add(L"Edit", kBox1Value, {70, 40, 120, 60}, WS_BORDER);
    panel.SetGroupsPair({{{{kLabel, kModeKeep}, {kValue, kModeStretch}, {kButton, kModeShift}},
                          {{kBox1Label, kModeStretch}, {kBox1Value, kModeStretch}}}});
    Grow(7, 0);
    EXPECT_EQ(RectOf(kValue), CRect(70, 10, 127, 30));
    EXPECT_EQ(RectOf(kButton), CRect(137 + 7, 10, 177 + 7, 30)); // after the stretch, its own share
    EXPECT_EQ(RectOf(kBox1Label), CRect(10, 40, 63, 60));
    EXPECT_EQ(RectOf(kBox1Value), CRect(74, 40, 127, 60));
    EXPECT_EQ(panel.GetTracker().Remainder(panel.GetTracker().RowNumber(kBox1Label)), 1);

    Grow(3, 0);
    EXPECT_EQ(RectOf(kBox1Label), CRect(10, 40, 65, 60));
    EXPECT_EQ(RectOf(kBox1Value), CRect(75, 40, 130, 60));
    EXPECT_EQ(panel.GetTracker().Remainder(panel.GetTracker().RowNumber(kBox1Label)), 0);
}

TEST_F(DlgLayoutTest, AHalfShiftControlMovesByHalfTheChange)
{
    Add(L"Static", kLabel, {10, 10, 60, 30});
    Add(L"Button", kButton, {70, 10, 120, 30});
    panel.SetGroupsPair({{{{kLabel, kModeKeep}, {kButton, kModeHalfShift}}}});
    Grow(20, 0);
    EXPECT_EQ(RectOf(kLabel), CRect(10, 10, 60, 30));
    EXPECT_EQ(RectOf(kButton), CRect(80, 10, 130, 30));
}

TEST_F(DlgLayoutTest, SettingPairGroupsMeasuresGapsNumbersRowsAndFindsTheMinimumWidth)
{
    const int w0 = Client().cx;
    Add(L"Static", kBox1, {5, 5, 195, 20});
    Add(L"Edit", kBox1Value, {10, 25, 110, 45}, WS_BORDER);
    Add(L"Static", kBox2, {5, 60, 195, 75});
    Add(L"ListBox", kList, {10, 80, 90, 120});
    panel.SetGroupsPair({{{{kBox1, kModeKeep}}, {{kBox1Value, kModeStretch}}},
                         {{{kBox2, kModeKeep}}, {{kList, kModeStretch}}}});
    EXPECT_EQ(panel.GetGaps(), (std::vector<int>{40}));
    EXPECT_EQ(panel.GetTracker().RowNumber(kBox1), 0);
    EXPECT_EQ(panel.GetTracker().RowNumber(kBox1Value), 1);
    EXPECT_EQ(panel.GetTracker().RowNumber(kBox2), 2);
    EXPECT_EQ(panel.GetTracker().RowNumber(kList), 3);
    EXPECT_TRUE(panel.HasListBox());
    EXPECT_EQ(panel.GetTracker().MinLayoutWidth(), w0 - (80 - 30));
    EXPECT_TRUE(panel.UsesPairLayout());
    EXPECT_FALSE(panel.UsesIdLayout());
    // With both layouts set neither is used.
    panel.SetGroups({{{kBox1}}});
    EXPECT_FALSE(panel.UsesPairLayout());
    EXPECT_FALSE(panel.UsesIdLayout());
}

TEST_F(DlgLayoutTest, AFoldedBoxPullsTheGroupsBelowUpAndKeepsTheirDesignedGap)
{
    CollapseGroupBox box;
    ASSERT_TRUE(box.Create(L"一", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, CRect(5, 5, 195, 80), &panel,
                           kBox1));
    Add(L"Static", kBox1Label, {10, 30, 60, 50});
    Add(L"Edit", kBox1Value, {70, 30, 190, 50}, WS_BORDER);
    Add(L"Static", kBox2, {5, 95, 195, 110});
    Add(L"Static", kBox2Label, {10, 115, 60, 135});
    panel.SetGroupsPair(
        {{{{kBox1, kModeKeep}}, {{kBox1Label, kModeKeep}, {kBox1Value, kModeStretch}}},
         {{{kBox2, kModeKeep}}, {{kBox2Label, kModeKeep}}}});
    desk.pump();
    EXPECT_EQ(box.GetMembers(), (std::vector<int>{kBox1Label, kBox1Value}));

    POINT header{60, 10};
    box.ClientToScreen(&header);
    desk.click(header.x, header.y);
    ASSERT_TRUE(box.IsCollapsed());
    EXPECT_FALSE(panel.GetDlgItem(kBox1Value)->IsWindowVisible());
    // Folded to 21 pixels: the second group keeps its 15-pixel gap under the band.
    EXPECT_EQ(RectOf(kBox2).top, 5 + 21 + 15);
    EXPECT_EQ(RectOf(kBox2Label).top, 115 - 54);
    EXPECT_EQ(panel.updates, 1);
    // The dialog repaints under the band and the band stays on top, lit under the pointer.
    POINT band{150, 10};
    box.ClientToScreen(&band);
    EXPECT_EQ(desk.pixel(band.x, band.y), RGB(0xCF, 0xCF, 0xCF));

    desk.click(header.x, header.y);
    EXPECT_FALSE(box.IsCollapsed());
    EXPECT_EQ(RectOf(kBox2).top, 95);
    EXPECT_EQ(RectOf(kBox2Label).top, 115);
    EXPECT_TRUE(panel.GetDlgItem(kBox1Value)->IsWindowVisible());
    EXPECT_EQ(panel.updates, 2);
    box.DestroyWindow();
}

TEST_F(DlgLayoutTest, EnterReadsTheValuesAndStaysInTheDialogExceptInAMultiLineEdit)
{
    CWnd& value = Add(L"Edit", kValue, {10, 10, 100, 30}, WS_BORDER | WS_TABSTOP);
    CWnd& notes = Add(L"Edit", kMultiLine, {10, 40, 100, 90},
                      WS_BORDER | WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN);
    value.SetFocus();
    desk.key(VK_RETURN);
    EXPECT_EQ(panel.valueChanges, 1);
    EXPECT_EQ(panel.oks, 0);
    EXPECT_EQ(panel.keys, (std::vector<UINT>{VK_RETURN}));
    EXPECT_TRUE(panel.IsWindowVisible());

    // The single-line edit losing the focus reads the values too.
    notes.SetFocus();
    EXPECT_EQ(panel.valueChanges, 2);
    desk.type(L"a");
    desk.key(VK_RETURN);
    desk.type(L"b");
    CString text;
    notes.GetWindowText(text);
    EXPECT_EQ(std::wstring(text.GetString()), L"a\r\nb");
    EXPECT_EQ(panel.valueChanges, 3);
}

TEST_F(DlgLayoutTest, LeavingAnEditReadsTheValuesButButtonsAndListsDoNot)
{
    CWnd& value = Add(L"Edit", kValue, {10, 10, 100, 30}, WS_BORDER);
    CWnd& button = Add(L"Button", kButton, {10, 40, 100, 60}, BS_PUSHBUTTON | BS_NOTIFY);
    CWnd& list = Add(L"ListBox", kList, {10, 70, 100, 120}, LBS_NOTIFY);
    value.SetFocus();
    button.SetFocus();
    EXPECT_EQ(panel.valueChanges, 1);
    list.SetFocus();
    value.SetFocus();
    EXPECT_EQ(panel.valueChanges, 1);
    panel.SetFocus();
    EXPECT_EQ(panel.valueChanges, 2);
}

TEST_F(DlgLayoutTest, RowsNamingMissingControlsOrTooManyAreLeftAsDesigned)
{
    Add(L"Edit", kValue, {70, 10, 120, 30}, WS_BORDER);
    std::vector<int> six{kValue, 900, 901, 902, 903, 904};
    panel.SetGroups({{six}, {{905}}});
    Grow(50, 0);
    EXPECT_EQ(RectOf(kValue), CRect(70, 10, 120, 30));
    panel.SetGroups({{{kValue, 999}}});
    Grow(10, 0);
    // Two identifiers, the second missing: the value keeps its left and its designed right.
    EXPECT_EQ(RectOf(kValue), CRect(70, 10, 120, 30));
}

TEST_F(DlgLayoutTest, ResizingWithAFoldedGroupLaysOutHiddenRowsAndKeepsTheGroupsClosedUp)
{
    CollapseGroupBox box;
    ASSERT_TRUE(box.Create(L"一", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, CRect(5, 5, 195, 80), &panel,
                           kBox1));
    Add(L"Edit", kBox1Value, {70, 30, 190, 50}, WS_BORDER);
    Add(L"Static", kBox2, {5, 95, 195, 110});
    Add(L"Edit", kBox2Value, {70, 115, 190, 135}, WS_BORDER);
    panel.SetGroupsPair({{{{kBox1, kModeStretch}}, {{kBox1Value, kModeStretch}}},
                         {{{kBox2, kModeStretch}}, {{kBox2Value, kModeStretch}}}});
    desk.pump();
    box.SetCollapsed(TRUE);
    desk.pump();
    ASSERT_EQ(RectOf(kBox2).top, 41);

    Grow(40, 20);
    EXPECT_EQ(RectOf(kBox1), CRect(5, 5, 235, 26));
    EXPECT_EQ(RectOf(kBox2), CRect(5, 41, 235, 56));
    EXPECT_EQ(RectOf(kBox2Value), CRect(70, 61, 230, 81));
    EXPECT_EQ(RectOf(kBox1Value), CRect(70, 30, 230, 50));

    // Unfolded, the group opens to its designed height at the new width.
    box.SetCollapsed(FALSE);
    EXPECT_EQ(RectOf(kBox1), CRect(5, 5, 235, 80));
    EXPECT_TRUE(panel.GetDlgItem(kBox1Value)->IsWindowVisible());
    EXPECT_EQ(RectOf(kBox2).top, 95);
    EXPECT_EQ(RectOf(kBox2Value).top, 115);
    box.DestroyWindow();
}
