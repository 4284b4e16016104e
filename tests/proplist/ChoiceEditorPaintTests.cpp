// Pixels of the drop-down and button faces against the colours of the shipped style file. The
// style is read once per process, so the fixture makes sure it is the shipped file that was
// read (each test runs in its own process).

#include "tests/proplist/EditorTestSupport.h"
#include "ztui/proplist/editors/actrl_Button.h"
#include "ztui/proplist/editors/actrl_ComboBox.h"
#include "ztui/proplist/editors/actrl_ComboBoxEx.h"
#include "ztui/proplist/style/PropertyStyle.h"

#include <algorithm>
#include <vector>

using zt::actrl_ComboBox;

namespace {

// The shipped style's colours these checks rely on.
constexpr COLORREF kEntryBackground = RGB(0xFF, 0xFF, 0xFF); // combobox/background
constexpr COLORREF kHighBackground = RGB(0xDC, 0xEB, 0xFD);  // combobox/high/background
constexpr COLORREF kHighBorder = RGB(0x7A, 0xAA, 0xE8);      // combobox/high/border
constexpr COLORREF kNcBorder = RGB(0xA9, 0xB4, 0xC2);        // combobox/nc/border_color
constexpr COLORREF kLabelBackground = RGB(0xEE, 0xF0, 0xF3); // label/background
constexpr COLORREF kButtonBorder = RGB(0xAE, 0xB8, 0xC5);    // button/normal/border
constexpr COLORREF kPressedBorder = RGB(0x5B, 0x8F, 0xD8);   // button/selected/border

struct ChoiceEditorPaint : EditorListFixture
{
    StyleFolder folder{StyleFolder::Read(ZTUI_SHIPPED_STYLE)};

    void SetUp() override
    {
        ASSERT_EQ(zt::PropertyStyle::Get().Color(L"propertyList/combobox/high/background", 0),
                  kHighBackground)
            << "the shipped style was not the one loaded";
        EditorListFixture::SetUp();
    }
    void AddChoice(const wchar_t* name, int selected)
    {
        auto* item = Add(name);
        for (const wchar_t* text : {L"甲", L"乙", L"丙"})
            item->addListEntry(text, false);
        item->setSelectedIndex(selected);
    }
};

} // namespace

TEST_F(ChoiceEditorPaint, TheSelectedEntryIsHighlightedAndTheOthersAreNot)
{
    AddChoice(L"选择", 1);
    list.refresh();
    actrl_ComboBox* combo = EditorWindow<actrl_ComboBox>(1);
    ASSERT_NE(combo, nullptr);
    HWND open = Open(combo);
    ASSERT_NE(open, nullptr);
    const CRect selected = EntryRect(open, 1);
    EXPECT_EQ(selected.Height(), actrl_ComboBox::kEntryHeight);
    EXPECT_EQ(desk.pixel(selected.left + 2, selected.top + 2), kHighBackground);
    EXPECT_EQ(desk.pixel(selected.left, selected.top + 5), kHighBorder);
    EXPECT_EQ(desk.pixel(selected.left + 3, selected.bottom - 1), kHighBorder);

    const CRect other = EntryRect(open, 2);
    EXPECT_EQ(desk.pixel(other.left + 2, other.top + 2), kEntryBackground);
    EXPECT_EQ(desk.pixel(other.left, other.top + 5), kEntryBackground);
    // The text is inked in the entry's text colour, not in the background.
    desk.pixel(0, 0);
    HDC screen = GetDC(nullptr);
    int ink = 0;
    for (int x = other.left + 6; x < other.left + 30; ++x)
        for (int y = other.top + 2; y < other.bottom - 2; ++y)
            ink += GetPixel(screen, x, y) != kEntryBackground;
    ReleaseDC(nullptr, screen);
    EXPECT_GT(ink, 0);
}

TEST_F(ChoiceEditorPaint, TheClosedFaceHasTheStyleFrameDividerAndArrow)
{
    AddChoice(L"可改", 0);
    AddChoice(L"只读", 0);
    list.items()[1]->setReadOnly();
    list.refresh();
    struct Case
    {
        int row;
        bool disabled;
    };
    for (const Case& c : {Case{1, false}, Case{2, true}}) {
        SCOPED_TRACE(c.row);
        actrl_ComboBox* combo = EditorWindow<actrl_ComboBox>(c.row);
        ASSERT_NE(combo, nullptr);
        const CRect r = ScreenRect(combo->m_hWnd);
        const int mid = r.CenterPoint().y;
        EXPECT_EQ(desk.pixel(r.left, mid), kNcBorder);
        EXPECT_EQ(desk.pixel(r.right - 1, mid), kNcBorder);
        const int lineX = r.right - static_cast<int>(0.7 * r.Height());
        EXPECT_EQ(desk.pixel(lineX, mid - 5), kNcBorder);
        // Between the divider and the right edge: the arrow, black when enabled.
        const int cx = (lineX + r.right) / 2;
        EXPECT_EQ(desk.pixel(cx, mid + 1), c.disabled ? kNcBorder : RGB(0, 0, 0));
        EXPECT_EQ(desk.pixel(cx, mid - 4), kEntryBackground);
        // The face left of the text; a disabled one shows the label colour inside.
        EXPECT_EQ(desk.pixel(r.left + 2, r.bottom - 3),
                  c.disabled ? kLabelBackground : kEntryBackground);
        EXPECT_EQ(desk.pixel(r.right - 10, r.bottom - 3), kEntryBackground);
    }
}

TEST_F(ChoiceEditorPaint, AButtonFaceFollowsItsPressedState)
{
    Add(L"材质")->setButton(L"选择");
    list.refresh();
    auto* button = EditorWindow<zt::actrl_Button>(1);
    ASSERT_NE(button, nullptr);
    const CRect r = ScreenRect(button->m_hWnd);
    EXPECT_EQ(desk.pixel(r.left, r.CenterPoint().y), kButtonBorder);
    desk.moveTo(r.CenterPoint());
    desk.press();
    EXPECT_EQ(desk.pixel(r.left, r.CenterPoint().y), kPressedBorder);
    desk.release();
    EXPECT_EQ(desk.pixel(r.left, r.CenterPoint().y), kButtonBorder);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ChoiceEditorPaint, AnImageEntryShowsItsImageBeforeItsText)
{
    constexpr COLORREF kImage = RGB(200, 30, 30);
    CImageList images;
    ASSERT_TRUE(images.Create(20, 12, ILC_COLOR32, 1, 1));
    std::vector<std::uint32_t> argb(20 * 12, 0xFFC81E1Eu);
    HICON icon = zt::win::CreateIconFromArgb(20, 12, argb.data());
    images.Add(icon);
    DestroyIcon(icon);
    auto* item = Add(L"线型")->setImageList(&images);
    item->addImageListEntry(L"实线", 0)->addImageListEntry(L"无图", 5)->setImageListSelection(0);
    list.refresh();
    auto* ex = EditorWindow<zt::actrl_ComboBoxEx>(1);
    ASSERT_NE(ex, nullptr);
    HWND open = Open(ex);
    ASSERT_NE(open, nullptr);
    const CRect first = EntryRect(open, 0);
    EXPECT_EQ(first.Height(), 12 + 4);
    EXPECT_EQ(desk.pixel(first.left + 2, first.CenterPoint().y), kImage);
    EXPECT_EQ(desk.pixel(first.left + 21, first.top + 2), kImage);
    EXPECT_EQ(desk.pixel(first.left + 22, first.top + 2), kHighBackground);
    // An index outside the list draws no image but keeps the text's place.
    const CRect second = EntryRect(open, 1);
    desk.pixel(0, 0); // composes the screen once for the reads below
    HDC screen = GetDC(nullptr);
    int ink = 0;
    int leftmost = second.right;
    for (int x = second.left + 1; x < second.right - 1; ++x)
        for (int y = second.top + 2; y < second.bottom - 2; ++y)
            if (GetPixel(screen, x, y) != kEntryBackground) {
                leftmost = std::min(leftmost, x);
                ++ink;
            }
    ReleaseDC(nullptr, screen);
    EXPECT_GT(ink, 0);
    EXPECT_GE(leftmost, second.left + 2 + 20 + 4);
}
