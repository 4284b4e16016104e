// The expression field driven as a user drives it: typed characters through the filter, Enter
// and focus changes through the evaluation, and the messages and colours the parent sees.

#include "platform/win/resources/ResourceModule.h"
#include "tests/widgets/WidgetTestSupport.h"
#include "ztui/widgets/CCustomEdit.h"

#include <cstring>
#include <iterator>
#include <string>

using zt::CCustomEdit;

namespace {

constexpr int kFieldId = 301;
constexpr UINT kReportedId = 7;

struct CustomEditTest : WidgetTest
{
    void SetUp() override
    {
        WidgetTest::SetUp();
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                                CRect(10, 10, 160, 34), &parent, kFieldId));
        edit.SetCtrlId(kReportedId);
    }
    void TearDown() override
    {
        edit.DestroyWindow();
        WidgetTest::TearDown();
    }
    std::wstring Text() const
    {
        CString text;
        edit.GetWindowText(text);
        return std::wstring(text.GetString());
    }
    // The field gains the focus afresh, so that it selects its whole text.
    void Refocus()
    {
        parent.SetFocus();
        edit.SetFocus();
        desk.pump();
    }
    // Set while the field is not focused, so that leaving it does not work the text out.
    void SetTextAndFocus(const wchar_t* text)
    {
        parent.SetFocus();
        edit.SetWindowText(text);
        edit.SetFocus();
        desk.pump();
    }
    int Committed(LPARAM reason) const
    {
        return parent.Count(CCustomEdit::kMsgValueCommitted, kReportedId, reason);
    }

    CCustomEdit edit;
};

void PutOnClipboard(HWND owner, const wchar_t* text)
{
    std::size_t n = std::wcslen(text) + 1;
    HGLOBAL mem = ::GlobalAlloc(GMEM_MOVEABLE, n * sizeof(wchar_t));
    std::memcpy(::GlobalLock(mem), text, n * sizeof(wchar_t));
    ::GlobalUnlock(mem);
    ASSERT_TRUE(::OpenClipboard(owner));
    ::EmptyClipboard();
    ::SetClipboardData(CF_UNICODETEXT, mem);
    ::CloseClipboard();
}

} // namespace

TEST_F(CustomEditTest, TypedSumAndEnterShowTheResultAndTellTheParent)
{
    ClickAt(edit.m_hWnd, 20, 10);
    desk.type(L"12+3");
    EXPECT_EQ(Text(), L"12+3");
    desk.key(VK_RETURN);
    EXPECT_EQ(Text(), L"15.0");
    EXPECT_EQ(Committed(CCustomEdit::kReasonEnter), 1);
    EXPECT_EQ(Committed(CCustomEdit::kReasonFocusLost), 0);
}

TEST_F(CustomEditTest, ALeadingMinusIsSubtractedFromZero)
{
    Refocus();
    desk.type(L"-5*2");
    desk.key(VK_RETURN);
    EXPECT_EQ(Text(), L"-10.0");
}

TEST_F(CustomEditTest, TheFilterTakesNumbersAndOperatorsOnlyWhereTheyMakeSense)
{
    struct Case
    {
        const wchar_t* before;
        const wchar_t* typed;
        const wchar_t* after;
    };
    const Case cases[] = {
        {L"", L"+", L""},        {L"", L"*", L""},           {L"", L"/", L""},
        {L"", L"-", L"-"},       {L"", L".", L"."},          {L"", L"a", L""},
        {L"", L"7", L"7"},       {L"12", L"+", L"12+"},      {L"12", L"/", L"12/"},
        {L"12+", L"*", L"12+"},  {L"12+", L"-", L"12+"},     {L"12.", L"+", L"12."},
        {L"-", L"-", L"-"},      {L"1.5+2", L".", L"1.5+2"}, {L"1.5", L".", L"1.5"},
        {L"1+2", L".", L"1+2."}, {L"12", L"x", L"12"},       {L"12", L" ", L"12"},
        {L"12", L"(", L"12"},    {L"12", L"墙", L"12"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "'" << std::string(c.before, c.before + wcslen(c.before))
                                        << "' + " << static_cast<int>(c.typed[0]));
        SetTextAndFocus(c.before);
        desk.type(c.typed);
        EXPECT_EQ(Text(), c.after);
    }
}

TEST_F(CustomEditTest, AnOperatorIsAddedAfterTheSelectedTextButADigitReplacesIt)
{
    SetTextAndFocus(L"12");
    int start = 0;
    int end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 2);
    desk.type(L"+4");
    EXPECT_EQ(Text(), L"12+4");

    SetTextAndFocus(L"12");
    desk.type(L"9");
    EXPECT_EQ(Text(), L"9");
}

TEST_F(CustomEditTest, BackspaceStillEdits)
{
    SetTextAndFocus(L"125");
    desk.key(VK_END);
    desk.type(L"\b");
    EXPECT_EQ(Text(), L"12");
    EXPECT_TRUE(edit.AcceptsChar(8));
    EXPECT_TRUE(edit.AcceptsChar(16));
}

TEST_F(CustomEditTest, LeavingTheFieldWorksOutAnExpressionOnly)
{
    struct Case
    {
        const wchar_t* text;
        const wchar_t* after;
    };
    const Case cases[] = {{L"2*3", L"6.0"}, {L"-5", L"-5"}, {L"7", L"7"}, {L"8-", L"8.0"}};
    int reports = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(reports);
        SetTextAndFocus(c.text);
        parent.SetFocus();
        desk.pump();
        EXPECT_EQ(Text(), c.after);
        EXPECT_EQ(Committed(CCustomEdit::kReasonFocusLost), ++reports);
    }
    EXPECT_EQ(Committed(CCustomEdit::kReasonEnter), 0);
}

TEST_F(CustomEditTest, AClickTellsTheParentBeforeTheFieldTakesIt)
{
    ClickAt(edit.m_hWnd, 30, 10);
    EXPECT_EQ(parent.Count(CCustomEdit::kMsgClicked, kReportedId, 0), 1);
    EXPECT_EQ(::GetFocus(), edit.m_hWnd);
}

TEST_F(CustomEditTest, WithoutAnIdFromTheOwnerTheWindowIdIsReported)
{
    CCustomEdit other;
    ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE, CRect(10, 50, 160, 74), &parent, 302));
    EXPECT_EQ(other.GetCtrlId(), 302u);
    ClickAt(other.m_hWnd, 5, 5);
    EXPECT_EQ(parent.Count(CCustomEdit::kMsgClicked, 302, 0), 1);
}

TEST_F(CustomEditTest, TheParentMarksTheFocusedFieldInItsColours)
{
    const int x = 140;
    const int y = 12;
    edit.SendMessage(CCustomEdit::kMsgShowFocused);
    EXPECT_EQ(edit.GetTextColor(), 0xFFFFFFu);
    EXPECT_EQ(edit.GetBackColor(), 0xFF8533u);
    EXPECT_EQ(PixelAt(edit.m_hWnd, x, y), RGB(0x33, 0x85, 0xFF));

    edit.SendMessage(CCustomEdit::kMsgShowUnfocused);
    EXPECT_EQ(edit.GetTextColor(), 0u);
    EXPECT_EQ(edit.GetBackColor(), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(edit.m_hWnd, x, y), RGB(255, 255, 255));
}

TEST_F(CustomEditTest, AReadOnlyFieldKeepsItsColoursItsSelectionAndItsText)
{
    edit.SetWindowText(L"42");
    edit.SetReadOnly(TRUE);
    EXPECT_TRUE(edit.GetStyle() & ES_READONLY);
    COLORREF before = PixelAt(edit.m_hWnd, 140, 12);
    edit.SendMessage(CCustomEdit::kMsgShowFocused);
    EXPECT_EQ(edit.GetBackColor(), 0u);
    EXPECT_EQ(PixelAt(edit.m_hWnd, 140, 12), before);

    Refocus();
    int start = -1;
    int end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(start, end);
    desk.type(L"7+");
    EXPECT_EQ(Text(), L"42");
}

TEST_F(CustomEditTest, BrokenTextsShowANumberAndTheFieldLivesOn)
{
    struct Case
    {
        const wchar_t* pasted;
        const wchar_t* after;
    };
    const Case cases[] = {
        {L"5/0", L"0.0"}, {L"abc", L"0.0"}, {L"(1+2", L"3.0"}, {L"1+2))", L"3.0"},
        {L"", L"0.0"},    {L"+", L"0.0"},   {L"3*", L"3.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.pasted[0]));
        SetTextAndFocus(L"");
        if (*c.pasted) {
            PutOnClipboard(parent.m_hWnd, c.pasted);
            edit.SendMessage(WM_PASTE);
        }
        desk.key(VK_RETURN);
        EXPECT_EQ(Text(), c.after);
    }
    EXPECT_EQ(Committed(CCustomEdit::kReasonEnter), static_cast<int>(std::size(cases)));
}

TEST_F(CustomEditTest, DivisionByZeroTypedAndCommittedShowsZero)
{
    Refocus();
    desk.type(L"5/0");
    desk.key(VK_RETURN);
    EXPECT_EQ(Text(), L"0.0");
    EXPECT_TRUE(::IsWindow(edit.m_hWnd));
}

TEST_F(CustomEditTest, EnterInADialogCommitsTheFieldInsteadOfPressingTheDefaultButton)
{
    zt::win::DialogTemplate t;
    t.style = WS_POPUP | WS_VISIBLE;
    t.cx = 150;
    t.cy = 60;
    t.AddItem(L"Edit", nullptr, 401, WS_TABSTOP | ES_AUTOHSCROLL, 5, 5, 80, 12);
    t.AddItem(L"Button", L"OK", IDOK, WS_TABSTOP | BS_DEFPUSHBUTTON, 5, 30, 80, 12);

    struct Dialog : CDialog
    {
        void OnOK() override { ++oks; }
        int oks = 0;
    } dialog;
    ASSERT_TRUE(dialog.CreateIndirect(t, &parent));
    CCustomEdit inDialog;
    ASSERT_TRUE(inDialog.SubclassDlgItem(401, &dialog));
    inDialog.SetFocus();
    desk.pump();
    desk.type(L"2*4");
    desk.key(VK_RETURN);
    CString text;
    inDialog.GetWindowText(text);
    EXPECT_EQ(std::wstring(text.GetString()), L"8.0");
    EXPECT_EQ(dialog.oks, 0);
    inDialog.UnsubclassWindow();
    dialog.DestroyWindow();
}
