// The coordinate and edit-button editors: what they show, the text field made on the first
// click, the commits on every focus loss, the button pressed while typing. Driven through
// injected input.

#include "platform/host/IFormatCheck.h"
#include "tests/proplist/CompositeEditorTestSupport.h"
#include "ztui/proplist/painting/EditFacePainter.h"

#include <cmath>

using zt::actrl_CompositeEdit;

namespace {

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

} // namespace

TEST_F(CompositeEditorTest, APointShowsEachCoordinateWithTwoDecimalsInItsOwnRow)
{
    Add(L"位置")->setPoint(DPoint3d::From(1.234, 5, -7.5));
    list.refresh();
    const wchar_t* expected[] = {L"1.23", L"5.00", L"-7.50"};
    for (int part = 0; part < 3; ++part) {
        SCOPED_TRACE(part);
        zt::actrl_point3d_part* editor = Point(1 + part);
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(Str(editor->Caption()), expected[part]);
        EXPECT_EQ(ClassOf(editor->m_hWnd), L"actrl_point3d_part");
        EXPECT_TRUE(editor->IsWindowVisible());
        EXPECT_GE(editor->GetDlgCtrlID(), 1000);
        // Nothing but the caption until the first click.
        EXPECT_EQ(editor->Button(), nullptr);
        EXPECT_EQ(editor->TextField(), nullptr);
    }
}

TEST_F(CompositeEditorTest, TheCaptionIsPaintedLikeAnEditableEdit)
{
    Add(L"位置")->setPoint(DPoint3d::From(1, 2, 3));
    Add(L"名称")->setText(L"墙");
    list.refresh();
    CRect point = ScreenRect(Point(1)->m_hWnd);
    CRect edit = ScreenRect(Holder(4)->window());
    EXPECT_EQ(point.left, edit.left);
    EXPECT_EQ(point.Width(), edit.Width());
    for (POINT offset : {POINT{0, 11}, POINT{3, 3}, POINT{point.Width() - 1, 11}}) {
        SCOPED_TRACE(testing::Message() << offset.x << "," << offset.y);
        EXPECT_EQ(desk.pixel(point.left + offset.x, point.top + offset.y),
                  desk.pixel(edit.left + offset.x, edit.top + offset.y));
    }
}

TEST_F(CompositeEditorTest, TheFirstClickMakesTheButtonAndAFocusedTextField)
{
    Add(L"位置")->setPoint(DPoint3d::From(1, 5, 3));
    list.refresh();
    zt::actrl_point3d_part* y = Point(2);
    ASSERT_NE(y, nullptr);
    ClickInto(y->m_hWnd);

    zt::actrl_Edit* field = y->TextField();
    ASSERT_NE(field, nullptr);
    ASSERT_NE(y->Button(), nullptr);
    EXPECT_EQ(field->GetDlgCtrlID(), static_cast<int>(actrl_CompositeEdit::kTextFieldId));
    EXPECT_EQ(y->Button()->GetDlgCtrlID(), static_cast<int>(actrl_CompositeEdit::kButtonId));
    EXPECT_EQ(Text(y->Button()), L"拾取点");
    EXPECT_EQ(Text(field), L"5.00");
    EXPECT_EQ(field->EditType(), zt::actrl_Edit::TextEdit);
    EXPECT_TRUE(field->IsSingleLine());
    EXPECT_EQ(::GetFocus(), field->m_hWnd);

    // The button is a square at the right end, the field fills the rest.
    CRect client;
    y->GetClientRect(&client);
    CRect button = ScreenRect(y->Button()->m_hWnd);
    y->ScreenToClient(&button);
    EXPECT_EQ(button.Width(), client.Height() - 2);
    EXPECT_EQ(button.Height(), client.Height() - 2);
    EXPECT_EQ(button.right, client.right - 1);
    EXPECT_EQ(button.top, 1);
    CRect text = ScreenRect(field->m_hWnd);
    y->ScreenToClient(&text);
    EXPECT_EQ(text, y->TextRect());
    EXPECT_EQ(text.right, client.right - client.Height() - 2);
}

TEST_F(CompositeEditorTest, TypingInTheYRowAndLeavingStoresYOnceAndClosesTheField)
{
    auto* item = Add(L"位置")->setPoint(DPoint3d::From(1.234, 5, -7.5));
    list.refresh();
    zt::actrl_point3d_part* y = Point(2);
    ClickInto(y->m_hWnd);
    desk.type(L"12.5"); // the whole text was selected by the focus
    EXPECT_EQ(changes, 0);
    LeaveEditor();

    EXPECT_DOUBLE_EQ(item->point().y, 12.5);
    EXPECT_DOUBLE_EQ(item->point().x, 1.234);
    EXPECT_DOUBLE_EQ(item->point().z, -7.5);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(y->TextField(), nullptr);
    EXPECT_NE(y->Button(), nullptr); // the button stays
    // The stored point comes back to the caption as the item shows it.
    EXPECT_EQ(Str(y->Caption()), L"12.50");
    Repaint();
    EXPECT_EQ(Str(y->Caption()), L"12.50");
}

TEST_F(CompositeEditorTest, CoordinatesAreReadAsTheirLeadingNumber)
{
    struct Case
    {
        const wchar_t* typed;
        double stored;
    };
    const Case cases[] = {{L"abc", 0.0}, {L"12abc", 12.0}, {L"-2.5e1", -25.0}, {L"", 0.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::wstring(c.typed).size());
        list.clear();
        auto* item = Add(L"位置")->setPoint(DPoint3d::From(1, 2, 3));
        list.refresh();
        changes = 0;
        ClickInto(Point(1)->m_hWnd);
        if (*c.typed)
            desk.type(c.typed);
        else
            desk.key(VK_DELETE);
        LeaveEditor();
        EXPECT_DOUBLE_EQ(item->point().x, c.stored);
        EXPECT_EQ(changes, 1);
    }
}

TEST_F(CompositeEditorTest, LeavingACoordinateWithoutTypingStillCommits)
{
    auto* item = Add(L"位置")->setPoint(DPoint3d::From(1, 2, -7.5));
    list.refresh();
    ClickInto(Point(3)->m_hWnd);
    LeaveEditor();
    EXPECT_EQ(changes, 1);
    EXPECT_DOUBLE_EQ(item->point().z, -7.5);
}

TEST_F(CompositeEditorTest, PressingThePickButtonWhileTypingKeepsTheFieldAndAsksTheOwner)
{
    auto* item = Add(L"位置")->setPoint(DPoint3d::From(1, 5, 3));
    list.refresh();
    zt::actrl_point3d_part* y = Point(2);
    ClickInto(y->m_hWnd);
    desk.type(L"34");
    zt::actrl_Edit* field = y->TextField();
    ASSERT_NE(field, nullptr);
    ClickInto(y->Button()->m_hWnd);

    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 0);
    ASSERT_EQ(y->TextField(), field);
    EXPECT_EQ(::GetFocus(), field->m_hWnd);
    EXPECT_EQ(Text(field), L"34");
    // The caret is where the typing left it: more typing goes on after it.
    desk.type(L"5");
    EXPECT_EQ(Text(field), L"345");

    LeaveEditor();
    EXPECT_DOUBLE_EQ(item->point().y, 345.0);
    EXPECT_EQ(calls, "bv");
}

TEST_F(CompositeEditorTest, ThePickButtonAsksTheOwnerAlsoWhenNothingIsTyped)
{
    Add(L"位置")->setPoint(DPoint3d::From(1, 5, 3));
    list.refresh();
    zt::actrl_point3d_part* x = Point(1);
    ClickInto(x->m_hWnd);
    LeaveEditor();
    ASSERT_EQ(changes, 1);
    ClickInto(x->Button()->m_hWnd);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(x->TextField(), nullptr);

    // A press released beside the button clicks nothing.
    desk.moveTo(ScreenRect(x->Button()->m_hWnd).CenterPoint());
    desk.press();
    desk.moveTo(ScreenRect(elsewhere).CenterPoint());
    desk.release();
    EXPECT_EQ(clicks, 1);
}

TEST_F(CompositeEditorTest, EnterCommitsAndKeepsTheKeyboardInTheRow)
{
    auto* item = Add(L"位置")->setPoint(DPoint3d::From(1, 2, 3));
    list.refresh();
    zt::actrl_point3d_part* x = Point(1);
    ClickInto(x->m_hWnd);
    desk.type(L"8");
    desk.key(VK_RETURN);
    EXPECT_DOUBLE_EQ(item->point().x, 8.0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(x->TextField(), nullptr);
    EXPECT_EQ(::GetFocus(), x->m_hWnd);

    // Typing on goes into a new entry that replaces the value; F2 edits it as it stands.
    desk.type(L"4");
    ASSERT_NE(x->TextField(), nullptr);
    EXPECT_EQ(Text(x->TextField()), L"4");
    desk.key(VK_RETURN);
    EXPECT_DOUBLE_EQ(item->point().x, 4.0);
    EXPECT_EQ(changes, 2);
    desk.key(VK_F2);
    ASSERT_NE(x->TextField(), nullptr);
    EXPECT_EQ(Text(x->TextField()), L"4.00"); // the stored value, as the row shows it
    LeaveEditor();
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(x->TextField(), nullptr);
}

TEST_F(CompositeEditorTest, AValueTheOwnerSetsShowsAfterTheNextPaint)
{
    auto* item = Add(L"位置")->setPoint(DPoint3d::From(1, 2, 3));
    list.refresh();
    item->setPoint(DPoint3d::From(4.567, 2, 3));
    Repaint();
    EXPECT_EQ(Str(Point(1)->Caption()), L"4.57");
}

TEST_F(CompositeEditorTest, AHandlerThatRebuildsTheListDuringACommitIsSafe)
{
    auto* item = Add(L"位置")->setPoint(DPoint3d::From(1, 2, 3));
    list.refresh();
    list.setValueChanged([this](PropertyMgrUI::PropertyList& l, PropertyMgrUI::PropertyItem&) {
        ++changes;
        l.refresh(); // destroys the editor that is committing
    });
    list.setButtonClicked([this](PropertyMgrUI::PropertyList& l, PropertyMgrUI::PropertyItem&) {
        ++clicks;
        l.refresh();
    });
    ClickInto(Point(2)->m_hWnd);
    desk.type(L"9");
    desk.key(VK_RETURN);
    EXPECT_DOUBLE_EQ(item->point().y, 9.0);
    ASSERT_NE(Point(2), nullptr);
    EXPECT_EQ(Str(Point(2)->Caption()), L"9.00");

    ClickInto(Point(2)->m_hWnd);
    desk.type(L"7");
    LeaveEditor();
    EXPECT_DOUBLE_EQ(item->point().y, 7.0);

    ClickInto(Point(3)->m_hWnd);
    ClickInto(Point(3)->Button()->m_hWnd);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 2);
    desk.pump();
}

TEST_F(CompositeEditorTest, ARebuildWhileTypingCommitsNothing)
{
    auto* item = Add(L"位置")->setPoint(DPoint3d::From(1, 2, 3));
    list.refresh();
    ClickInto(Point(1)->m_hWnd);
    desk.type(L"6");
    list.refresh();
    desk.pump();
    EXPECT_EQ(changes, 0);
    EXPECT_DOUBLE_EQ(item->point().x, 1.0);
}

TEST_F(CompositeEditorTest, AReadOnlyPointShowsItsCoordinatesButTakesNoClicks)
{
    Add(L"位置")->setPoint(DPoint3d::From(1, 2, 3))->setReadOnly();
    list.refresh();
    zt::actrl_point3d_part* x = Point(1);
    ASSERT_NE(x, nullptr);
    EXPECT_FALSE(x->IsWindowEnabled());
    EXPECT_EQ(Str(x->Caption()), L"1.00");
    ClickInto(x->m_hWnd);
    EXPECT_EQ(x->TextField(), nullptr);
    EXPECT_EQ(x->Button(), nullptr);
    EXPECT_EQ(changes + clicks, 0);
}

TEST_F(CompositeEditorTest, AnEditButtonShowsItsTextAndStartsTypingAtTheStart)
{
    Add(L"材质")->setEditButton(L"混凝土");
    list.refresh();
    zt::actrl_edit_button* editor = EditButton(1);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(ClassOf(editor->m_hWnd), L"actrl_edit_button");
    EXPECT_GE(editor->GetDlgCtrlID(), 4000);
    EXPECT_EQ(Str(editor->Caption()), L"混凝土");
    ClickInto(editor->m_hWnd);
    ASSERT_NE(editor->TextField(), nullptr);
    ASSERT_NE(editor->Button(), nullptr);
    EXPECT_EQ(Text(editor->Button()), L"点击");
    EXPECT_EQ(Text(editor->TextField()), L"混凝土");
    int start = -1;
    int end = -1;
    editor->TextField()->GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 0);
    desk.type(L"C30");
    desk.key(VK_RETURN);
    EXPECT_EQ(Str(list.items()[0]->editButtonText()), L"C30混凝土");
    EXPECT_EQ(changes, 1);

    // With the keyboard still in the row, a typed character starts a new text.
    desk.type(L"Q");
    ASSERT_NE(editor->TextField(), nullptr);
    EXPECT_EQ(Text(editor->TextField()), L"Q");
    LeaveEditor();
    EXPECT_EQ(Str(list.items()[0]->editButtonText()), L"Q");
    EXPECT_EQ(changes, 2);
}

TEST_F(CompositeEditorTest, LeavingAnEditButtonWithoutTypingStillStoresTheText)
{
    auto* item = Add(L"材质")->setEditButton(L"abc");
    list.refresh();
    // The owner changed the kind behind the row's back: the commit writes the text again and
    // makes it an edit-button item once more.
    item->setText(L"abc");
    ASSERT_FALSE(item->isEditButton());
    ClickInto(EditButton(1)->m_hWnd);
    LeaveEditor();
    EXPECT_TRUE(item->isEditButton());
    EXPECT_EQ(Str(item->editButtonText()), L"abc");
    EXPECT_EQ(changes, 1);
}

TEST_F(CompositeEditorTest, TheEditButtonsButtonAsksTheOwnerWithoutTakingActivation)
{
    Add(L"材质")->setEditButton(L"abc");
    list.refresh();
    zt::actrl_edit_button* editor = EditButton(1);
    ClickInto(editor->m_hWnd);
    desk.type(L"x");
    zt::actrl_Edit* field = editor->TextField();
    CButton* button = editor->Button();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(parent.m_hWnd),
                                  MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_NOACTIVATE);
    ClickInto(button->m_hWnd);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(editor->TextField(), field);
    EXPECT_EQ(::GetFocus(), field->m_hWnd);
    LeaveEditor();
    EXPECT_EQ(calls, "bv");
}

TEST_F(CompositeEditorTest, TheEditButtonRowTakesUpPictureTextAndFormatCheckOfTheItem)
{
    auto* item = Add(L"编号")->setEditButton(L"12");
    item->setFormatCheck(new DigitsOnly);
    list.refresh();
    zt::actrl_edit_button* editor = EditButton(1);
    ClickInto(editor->m_hWnd);
    desk.type(L"a");
    EXPECT_FALSE(editor->TextField()->IsValid());
    LeaveEditor();
    EXPECT_EQ(Str(item->editButtonText()), L"a12");

    // A picture set by the owner shows on the button by the next paint.
    item->setEditButtonData(reinterpret_cast<std::intptr_t>(SolidBitmap(8, 8, RGB(0, 160, 0))));
    item->setEditButton(L"99");
    Repaint();
    EXPECT_EQ(Str(editor->Caption()), L"99");
    EXPECT_EQ(editor->ButtonPicture(), item->image());
    CRect button = ScreenRect(editor->Button()->m_hWnd);
    EXPECT_EQ(desk.pixel(button.CenterPoint().x, button.CenterPoint().y), RGB(0, 160, 0));
}

TEST_F(CompositeEditorTest, AMixedPointShowsThePlaceholderAndKeepsItsValuesWhenLeftAlone)
{
    auto* item = Add(L"位置")->setPoint(DPoint3d::From(1, 2, 3))->setDisplayText(L"*多种*");
    list.refresh();
    for (int row = 1; row <= 3; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(Str(Point(row)->Caption()), L"*多种*");
    }
    ClickInto(Point(1)->m_hWnd);
    EXPECT_EQ(Text(Point(1)->TextField()), L"*多种*");
    LeaveEditor();
    EXPECT_EQ(changes, 0);
    EXPECT_DOUBLE_EQ(item->point().x, 1.0);

    // A typed coordinate is an entry like any other.
    ClickInto(Point(2)->m_hWnd);
    desk.type(L"6");
    LeaveEditor();
    EXPECT_EQ(changes, 1);
    EXPECT_DOUBLE_EQ(item->point().y, 6.0);
}

TEST_F(CompositeEditorTest, AMixedEditButtonKeepsItsValuesWhenLeftAlone)
{
    auto* item = Add(L"材质")->setEditButton(L"abc")->setDisplayText(L"*多种*");
    list.refresh();
    EXPECT_EQ(Str(EditButton(1)->Caption()), L"*多种*");
    ClickInto(EditButton(1)->m_hWnd);
    LeaveEditor();
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(Str(item->editButtonText()), L"abc");
    ClickInto(EditButton(1)->m_hWnd);
    desk.type(L"x");
    LeaveEditor();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Str(item->editButtonText()), L"x*多种*");
}

TEST_F(CompositeEditorTest, ANarrowValueColumnLeavesTheTextNoRoomButStillWorks)
{
    auto* item = Add(L"位置")->setPoint(DPoint3d::From(1, 2, 3));
    list.refresh();
    zt::actrl_point3d_part* x = Point(1);
    ClickInto(x->m_hWnd);
    desk.type(L"5");
    // The owner narrows the value column below the button's width while the user types.
    box.SetColumnSplit(0.98);
    box.LayoutEditors();
    desk.pump();
    EXPECT_GE(x->TextRect().Width(), 0);
    ASSERT_NE(x->TextField(), nullptr);
    LeaveEditor();
    EXPECT_DOUBLE_EQ(item->point().x, 5.0);
    EXPECT_EQ(changes, 1);
}
