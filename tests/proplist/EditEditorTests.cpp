// The edit editors of the property list: what they show, when typing becomes a value, the
// keys they take, and how they paint an invalid entry. Driven through injected input.

#include "platform/cad/DraftAid.h"
#include "platform/host/IFormatCheck.h"
#include "platform/win/afxwin.h"
#include "tests/proplist/EditorTestSupport.h"
#include "ztui/proplist/editors/actrl_Edit.h"
#include "ztui/proplist/style/PropertyStyle.h"
#include "ztui/proplist/window/ListBoxProperty.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using zt::actrl_Edit;
using zt::ListBoxProperty;

namespace {

void SetRoundOffs(double distance, double angle)
{
    DraftAid::GetInstance().SetDistanceRoundOff({true, distance});
    DraftAid::GetInstance().SetAngleRoundOff({true, angle});
}

struct EditEditorTest : EditorListFixture
{
    int& calls = changes;

    void TearDown() override
    {
        EditorListFixture::TearDown();
        SetRoundOffs(0.01, 0.01);
    }
    // The edit of visible row i (row 0 is the group header).
    actrl_Edit* Edit(int i) { return EditorWindow<actrl_Edit>(i); }
    CString Text(actrl_Edit* edit)
    {
        CString text;
        edit->GetWindowText(text);
        return text;
    }
    // A click puts the caret under the pointer, so the whole text is chosen with Ctrl+A.
    void Focus(actrl_Edit* edit)
    {
        ClickInto(edit->m_hWnd);
        Ctrl('A');
    }
    void Ctrl(int vk)
    {
        desk.keyDown(VK_CONTROL);
        desk.key(vk);
        desk.keyUp(VK_CONTROL);
    }
};

} // namespace

TEST_F(EditEditorTest, EachKindShowsItsValueWithItsPrecision)
{
    SetRoundOffs(0.001, 0.01);
    Add(L"整数")->setInt(42);
    Add(L"长度")->setDouble(1.5);
    Add(L"角度")->setAngle(M_PI / 4);
    Add(L"名称")->setText(L"墙");
    Add(L"混合")->setInt(3)->setDisplayText(L"*多种*");
    list.refresh();
    struct Case
    {
        int row;
        const wchar_t* text;
        int editType;
    };
    const Case cases[] = {
        {1, L"42", actrl_Edit::IntegerEdit},     {2, L"1.500", actrl_Edit::DoubleEdit},
        {3, L"45.00°", actrl_Edit::AngleEdit},   {4, L"墙", actrl_Edit::TextEdit},
        {5, L"*多种*", actrl_Edit::IntegerEdit},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        actrl_Edit* edit = Edit(c.row);
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(std::wstring(Text(edit).GetString()), std::wstring(c.text));
        EXPECT_EQ(edit->EditType(), c.editType);
        EXPECT_FALSE(edit->GetModify());
        // A single-line edit keeps a 24-pixel box centred in its row.
        CRect r;
        edit->GetWindowRect(&r);
        EXPECT_EQ(r.Height(), 22); // 24-pixel rows leave a 22-pixel cell
    }
}

TEST_F(EditEditorTest, ThePlaceholderIsNotCommittedWithOrWithoutTyping)
{
    auto* item = Add(L"数量")->setInt(5)->setDisplayText(L"*多种*");
    list.refresh();
    actrl_Edit* edit = Edit(1);
    ASSERT_NE(edit, nullptr);

    ClickInto(edit->m_hWnd);
    EXPECT_EQ(::GetFocus(), edit->m_hWnd);
    LeaveEditor();
    EXPECT_EQ(item->intValue(), 5);
    EXPECT_EQ(calls, 0);

    // Retyping the placeholder itself changes nothing either.
    Focus(edit);
    desk.type(L"*多种*");
    EXPECT_TRUE(edit->GetModify());
    LeaveEditor();
    EXPECT_EQ(item->intValue(), 5);
    EXPECT_EQ(calls, 0);
}

TEST_F(EditEditorTest, EnterStoresTheLeadingIntegerAndKeepsTheFocus)
{
    struct Case
    {
        const wchar_t* typed;
        int stored;
    };
    const Case cases[] = {{L"12abc", 12}, {L"abc", 0}, {L"-7", -7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::wstring(c.typed).size());
        list.clear();
        auto* item = Add(L"数量")->setInt(99);
        list.refresh();
        calls = 0;
        actrl_Edit* edit = Edit(1);
        ASSERT_NE(edit, nullptr);
        Focus(edit);
        desk.type(c.typed);
        desk.key(VK_RETURN);
        EXPECT_EQ(item->intValue(), c.stored);
        EXPECT_EQ(calls, 1);
        EXPECT_EQ(::GetFocus(), edit->m_hWnd);
        EXPECT_EQ(std::wstring(Text(edit).GetString()), std::wstring(c.typed)); // no line break
        // Leaving after the commit writes nothing again.
        LeaveEditor();
        EXPECT_EQ(calls, 1);
    }
}

TEST_F(EditEditorTest, AnAngleIsTypedInDegreesAndStoredInRadians)
{
    auto* item = Add(L"角度")->setAngle(0.0);
    list.refresh();
    actrl_Edit* edit = Edit(1);
    ASSERT_NE(edit, nullptr);
    Focus(edit);
    desk.type(L"90");
    LeaveEditor();
    EXPECT_NEAR(item->angleValue(), M_PI / 2, 1e-12);
    EXPECT_EQ(calls, 1);

    list.refresh();
    edit = Edit(1);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(std::wstring(Text(edit).GetString()), L"90.00°");
}

TEST_F(EditEditorTest, TypedTextAndDoublesAreCommittedWhenTheFocusLeaves)
{
    auto* length = Add(L"长度")->setDouble(1.0);
    auto* name = Add(L"名称")->setText(L"墙");
    list.refresh();
    Focus(Edit(1));
    desk.type(L"2.25m");
    Focus(Edit(2));
    desk.type(L"柱");
    LeaveEditor();
    EXPECT_DOUBLE_EQ(length->doubleValue(), 2.25);
    EXPECT_EQ(std::wstring(name->text().GetString()), L"柱");
    EXPECT_EQ(calls, 2);
}

TEST_F(EditEditorTest, FocusSelectsAllOnceAndLeavingCollapsesTheSelection)
{
    Add(L"名称")->setText(L"abcd");
    list.refresh();
    actrl_Edit* edit = Edit(1);
    ASSERT_NE(edit, nullptr);
    // Focus moved by the program or by Tab, not by a click that places the caret.
    edit->SetFocus();
    desk.pump();
    int start = -1;
    int end = -1;
    edit->GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 4);
    EXPECT_FALSE(edit->SelectAllOnFocus());
    LeaveEditor();
    edit->GetSel(start, end);
    EXPECT_EQ(start, 4);
    EXPECT_EQ(end, 4);
    EXPECT_TRUE(edit->SelectAllOnFocus());
}

TEST_F(EditEditorTest, CtrlASelectsAllAndCtrlZUndoesOnlyWhenItCan)
{
    auto* item = Add(L"名称")->setText(L"x");
    list.refresh();
    actrl_Edit* edit = Edit(1);
    ASSERT_NE(edit, nullptr);
    ClickInto(edit->m_hWnd);

    // Nothing to undo yet: the key goes on to the edit.
    desk.keyDown(VK_CONTROL);
    MSG ctrlZ{edit->m_hWnd, WM_KEYDOWN, 'Z', 0, 0, {}};
    EXPECT_FALSE(edit->PreTranslateMessage(&ctrlZ));
    desk.keyUp(VK_CONTROL);
    Ctrl('Z');
    EXPECT_EQ(std::wstring(Text(edit).GetString()), L"x");

    desk.type(L"abc"); // after the caret the click left behind the "x"
    int start = -1;
    int end = -1;
    edit->GetSel(start, end);
    EXPECT_EQ(start, 4);
    EXPECT_EQ(end, 4);
    Ctrl('A');
    edit->GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 4);
    EXPECT_EQ(std::wstring(Text(edit).GetString()), L"xabc");

    ASSERT_TRUE(edit->CanUndo());
    desk.keyDown(VK_CONTROL);
    MSG undo{edit->m_hWnd, WM_KEYDOWN, 'Z', 0, 0, {}};
    EXPECT_TRUE(edit->PreTranslateMessage(&undo));
    desk.keyUp(VK_CONTROL);
    EXPECT_NE(std::wstring(Text(edit).GetString()), L"xabc");
    EXPECT_EQ(std::wstring(item->text().GetString()), L"x");
}

TEST_F(EditEditorTest, CtrlCXAndVCopyCutAndPasteBetweenEditors)
{
    auto* wall = Add(L"名称")->setText(L"墙体");
    auto* door = Add(L"门")->setText(L"门");
    list.refresh();
    actrl_Edit* first = Edit(1);
    actrl_Edit* second = Edit(2);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);

    Focus(first);
    desk.keyDown(VK_CONTROL);
    MSG copy{first->m_hWnd, WM_KEYDOWN, 'C', 0, 0, {}};
    EXPECT_TRUE(first->PreTranslateMessage(&copy)); // consumed: copied by the editor itself
    desk.keyUp(VK_CONTROL);
    EXPECT_EQ(std::wstring(Text(first).GetString()), L"墙体");

    Focus(second);
    Ctrl('V');
    EXPECT_EQ(std::wstring(Text(second).GetString()), L"墙体");
    desk.key(VK_RETURN);
    EXPECT_EQ(std::wstring(door->text().GetString()), L"墙体");

    Focus(first);
    Ctrl('X');
    EXPECT_TRUE(Text(first).IsEmpty());
    desk.type(L"新");
    Ctrl('V');
    EXPECT_EQ(std::wstring(Text(first).GetString()), L"新墙体");
    desk.key(VK_RETURN);
    EXPECT_EQ(std::wstring(wall->text().GetString()), L"新墙体");
    EXPECT_EQ(calls, 2);
}

TEST_F(EditEditorTest, TheFormattingRectangleFollowsTheSizeWithoutWaitingForAPaint)
{
    Add(L"名称")->setText(L"墙");
    list.refresh();
    actrl_Edit* edit = Edit(1);
    ASSERT_NE(edit, nullptr);
    auto expected = [&] {
        CRect r;
        edit->GetClientRect(&r);
        r.OffsetRect(3, 5);
        r.right -= 5;
        r.bottom += 5;
        return r;
    };
    CRect format;
    edit->GetRect(&format);
    EXPECT_EQ(format, expected());
    const CRect before = format;

    // Resized and not painted: the text is already placed for the new size.
    edit->SetWindowPos(nullptr, 0, 0, 180, 30, SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW);
    edit->GetRect(&format);
    EXPECT_EQ(format, expected());
    EXPECT_NE(format, before);
}

TEST_F(EditEditorTest, AMultiTextItemGetsATallMultiLineEditThatIsNotCentred)
{
    auto* item = Add(L"说明")->setMultiText(L"a\r\nb\r\nc", 3);
    list.refresh();
    ASSERT_EQ(box.GetItemHeight(1), 48);
    actrl_Edit* edit = Edit(1);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->EditType(), actrl_Edit::MultiTextEdit);
    EXPECT_EQ(edit->LineCount(), 3);
    EXPECT_TRUE(edit->GetStyle() & ES_WANTRETURN);
    CRect r;
    edit->GetWindowRect(&r);
    EXPECT_EQ(r.Height(), box.EditorRects()[1].Height());
    EXPECT_GT(r.Height(), 24);

    // Enter breaks the line instead of committing.
    ClickInto(edit->m_hWnd);
    desk.type(L"x");
    desk.key(VK_RETURN);
    desk.type(L"y");
    EXPECT_EQ(calls, 0);
    LeaveEditor();
    EXPECT_EQ(calls, 1);
    EXPECT_NE(item->multiText().Find(L"y"), -1);
    EXPECT_EQ(static_cast<zt::PropertyItem_imp*>(item)->lineCount(), 3);
}

TEST_F(EditEditorTest, RejectedTextPaintsTheWarningFaceAndMessage)
{
    auto* item = Add(L"编号")->setText(L"12");
    item->setFormatCheck(new DigitsOnly);
    list.refresh();
    actrl_Edit* edit = Edit(1);
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->IsValid());
    Focus(edit);
    desk.type(L"a");
    EXPECT_FALSE(edit->IsValid());
    EXPECT_EQ(std::wstring(edit->ErrorMessage().GetString()), L"WRONG");

    CRect r;
    edit->GetWindowRect(&r);
    EXPECT_EQ(desk.pixel(r.left + 3, r.bottom - 3), actrl_Edit::kInvalidBackground);
    int yellow = 0;
    HDC screen = GetDC(nullptr); // composed by the pixel read above
    for (int x = r.CenterPoint().x; x < r.right - 1; ++x)
        for (int y = r.top + 1; y < r.bottom - 1; ++y)
            if (GetPixel(screen, x, y) == actrl_Edit::kMessageColor)
                ++yellow;
    ReleaseDC(nullptr, screen);
    EXPECT_GT(yellow, 0);

    // Validation never blocks the commit; a valid text paints the ordinary face again.
    LeaveEditor();
    EXPECT_EQ(std::wstring(item->text().GetString()), L"a");
    Focus(edit);
    desk.type(L"7");
    EXPECT_TRUE(edit->IsValid());
    EXPECT_NE(desk.pixel(r.left + 3, r.bottom - 3), actrl_Edit::kInvalidBackground);
}

TEST_F(EditEditorTest, TheMixedValuePlaceholderIsNeverAnError)
{
    auto* item = Add(L"厚度")->setInt(240)->setDisplayText(L"*多种*");
    item->setFormatCheck(new DigitsOnly);
    list.refresh();
    actrl_Edit* edit = Edit(1);
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->IsValid());
    EXPECT_TRUE(edit->ErrorMessage().IsEmpty());
    CRect r;
    edit->GetWindowRect(&r);
    EXPECT_NE(desk.pixel(r.left + 3, r.bottom - 3), actrl_Edit::kInvalidBackground);

    // What the user types is checked as usual; putting the placeholder back clears the error.
    Focus(edit);
    desk.type(L"a");
    EXPECT_FALSE(edit->IsValid());
    Ctrl('A');
    desk.type(L"*多种*");
    EXPECT_TRUE(edit->IsValid());
}

TEST_F(EditEditorTest, AReadOnlyEditRefusesTyping)
{
    auto* item = Add(L"数量")->setInt(7)->setReadOnly();
    list.refresh();
    actrl_Edit* edit = Edit(1);
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->IsReadOnlyEdit());
    EXPECT_FALSE(edit->IsWindowEnabled());
    ClickInto(edit->m_hWnd);
    desk.type(L"9");
    LeaveEditor();
    EXPECT_EQ(std::wstring(Text(edit).GetString()), L"7");
    EXPECT_EQ(item->intValue(), 7);
    EXPECT_EQ(calls, 0);
}

TEST_F(EditEditorTest, RowsWithoutAnEditorKindGetNoWindow)
{
    DPoint3d points[2] = {{0, 0, 0}, {1, 1, 0}};
    Add(L"点集")->setPoints(2, points);
    list.refresh();
    EXPECT_EQ(box.Editor(list.rows().visibleRow(1)), nullptr)
        << "no holder either: an empty one could never serve another row";
}

TEST_F(EditEditorTest, ASingleLineEditIsCentredInATallRowAndAMultiLineOneIsNot)
{
    HDC screen = GetDC(nullptr);
    HBITMAP tall = CreateCompatibleBitmap(screen, 20, 40);
    ReleaseDC(nullptr, screen);
    list.addItem(L"常规", true, L"高", tall)->setInt(1);
    list.addItem(L"常规", true, L"多行", tall)->setMultiText(L"a", 1);
    list.refresh();
    ASSERT_EQ(box.GetItemHeight(1), 40);
    for (int row : {1, 2}) {
        SCOPED_TRACE(row);
        actrl_Edit* edit = Edit(row);
        ASSERT_NE(edit, nullptr);
        CRect cell = box.EditorRects()[row];
        CRect r;
        edit->GetWindowRect(&r);
        ::ScreenToClient(box.m_hWnd, &r.TopLeft());
        ::ScreenToClient(box.m_hWnd, &r.BottomRight());
        if (row == 1) {
            EXPECT_EQ(r.top, cell.CenterPoint().y - 12);
            EXPECT_EQ(r.bottom, cell.CenterPoint().y + 12);
        } else {
            EXPECT_EQ(r.top, cell.top);
            EXPECT_EQ(r.bottom, cell.bottom);
        }
        EXPECT_EQ(r.left, cell.left);
        EXPECT_EQ(r.right, cell.right);
    }
}

TEST_F(EditEditorTest, TheSelectionIsPaintedAsABlueBand)
{
    Add(L"名称")->setText(L"WWWW");
    list.refresh();
    actrl_Edit* edit = Edit(1);
    ASSERT_NE(edit, nullptr);
    edit->SetFocus();
    desk.pump();
    CRect r;
    edit->GetWindowRect(&r);
    // Above and below the text, inside the band's 2-pixel margins.
    EXPECT_EQ(desk.pixel(r.left + 6, r.top + 2), actrl_Edit::kSelectionColor);
    EXPECT_NE(desk.pixel(r.left + 6, r.top + 1), actrl_Edit::kSelectionColor);
    EXPECT_NE(desk.pixel(r.right - 3, r.top + 3), actrl_Edit::kSelectionColor);

    LeaveEditor(); // the selection collapses: no band
    EXPECT_NE(desk.pixel(r.left + 6, r.top + 2), actrl_Edit::kSelectionColor);
}

TEST_F(EditEditorTest, TheColourRequestIsAnsweredGreyWhenReadOnlyAndWhiteOtherwise)
{
    Add(L"可改")->setInt(1);
    Add(L"只读")->setInt(2)->setReadOnly();
    list.refresh();
    struct Case
    {
        int row;
        COLORREF brush;
    };
    for (const Case& c : {Case{1, RGB(255, 255, 255)}, Case{2, RGB(200, 200, 200)}}) {
        SCOPED_TRACE(c.row);
        actrl_Edit* edit = Edit(c.row);
        ASSERT_NE(edit, nullptr);
        HDC dc = ::GetDC(edit->m_hWnd);
        ::SetBkMode(dc, OPAQUE);
        auto brush = reinterpret_cast<HBRUSH>(
            ::SendMessage(box.m_hWnd, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(edit->m_hWnd)));
        ASSERT_NE(brush, nullptr);
        LOGBRUSH lb{};
        ASSERT_NE(::GetObject(brush, sizeof(lb), &lb), 0);
        EXPECT_EQ(lb.lbColor, c.brush);
        EXPECT_EQ(::GetBkMode(dc), TRANSPARENT);
        ::ReleaseDC(edit->m_hWnd, dc);
    }
}

TEST_F(EditEditorTest, AHandlerThatRefreshesTheListDuringACommitIsSafe)
{
    auto* item = Add(L"数量")->setInt(1);
    list.refresh();
    list.setValueChanged([this](PropertyMgrUI::PropertyList& l, PropertyMgrUI::PropertyItem&) {
        ++calls;
        l.refresh(); // destroys the editor that is committing
    });
    Focus(Edit(1));
    desk.type(L"5");
    desk.key(VK_RETURN);
    EXPECT_EQ(item->intValue(), 5);
    ASSERT_NE(Edit(1), nullptr);
    EXPECT_EQ(std::wstring(Text(Edit(1)).GetString()), L"5");

    Focus(Edit(1));
    desk.type(L"6");
    LeaveEditor();
    EXPECT_EQ(item->intValue(), 6);
    EXPECT_EQ(calls, 2);
}

namespace {

// Borders and backgrounds of known solid colours for the face checks.
const char* const kEditStyle = R"(<?xml version="1.0" encoding="utf-8"?>
<pane>
  <propertyList>
    <label>
      <background type="color">#A0A0A0</background>
      <border type="color">#102030</border>
      <border_high type="color">#00FF00</border_high>
    </label>
    <combobox><background type="color">#E0F0FF</background></combobox>
    <edit>
      <border type="color">#800000</border>
      <border_high type="color">#0000FF</border_high>
    </edit>
  </propertyList>
</pane>
)";

// The style is read once per process, so this fixture must be the first to ask for it (each
// test runs in its own process).
struct EditEditorPaint : EditEditorTest
{
    StyleFolder style{kEditStyle};

    void SetUp() override
    {
        ASSERT_EQ(zt::PropertyStyle::Get().Color(L"propertyList/edit/border", 0), RGB(0x80, 0, 0))
            << "the style was loaded before this test changed directory";
        EditEditorTest::SetUp();
    }
};

} // namespace

TEST_F(EditEditorPaint, FacesFollowTheStyleForReadOnlyAndEditableEdits)
{
    Add(L"可改")->setInt(1);
    Add(L"只读")->setInt(2)->setReadOnly();
    list.refresh();

    CRect editable;
    Edit(1)->GetWindowRect(&editable);
    const int mid = editable.CenterPoint().y;
    EXPECT_EQ(desk.pixel(editable.left, mid), RGB(0x80, 0, 0));
    EXPECT_EQ(desk.pixel(editable.right - 1, mid), RGB(0x80, 0, 0));
    EXPECT_EQ(desk.pixel(editable.left + 3, editable.bottom - 3), RGB(0xE0, 0xF0, 0xFF));

    CRect readOnly;
    Edit(2)->GetWindowRect(&readOnly);
    const int roMid = readOnly.CenterPoint().y;
    EXPECT_EQ(desk.pixel(readOnly.left, roMid), RGB(0x10, 0x20, 0x30));
    // The highlight sits inside the frame at the left, top and right.
    EXPECT_EQ(desk.pixel(readOnly.left + 1, roMid), RGB(0, 0xFF, 0));
    EXPECT_EQ(desk.pixel(readOnly.right - 2, roMid), RGB(0, 0xFF, 0));
    EXPECT_EQ(desk.pixel(readOnly.left + 3, readOnly.top + 1), RGB(0, 0xFF, 0));
    EXPECT_EQ(desk.pixel(readOnly.left + 3, readOnly.bottom - 3), RGB(0xA0, 0xA0, 0xA0));
}
