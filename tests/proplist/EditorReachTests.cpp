// Long lists lay out only the rows near the view: rows within a page above and below it get
// their editors, rows further away get theirs when a scroll brings them near, and editors of
// rows that moved out of reach wait hidden.

#include "platform/win/afxwin.h"
#include "tests/support/DesktopFixture.h"
#include "ztui/proplist/editors/PropertyEditorFactory.h"
#include "ztui/proplist/window/ListBoxProperty.h"

#include <gtest/gtest.h>

namespace {

constexpr int kHeight = 400;
constexpr int kRows = 200; // far more than two pages of 24-pixel rows

struct EditorReachTest : ::testing::Test
{
    DesktopFixture desk;
    CWnd parent;
    zt::PropertyList_imp list;
    zt::ListBoxProperty box;
    int created = 0;

    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), L"parent",
                                    WS_POPUP | WS_VISIBLE, 100, 100, 500, 500, nullptr, nullptr));
        ASSERT_TRUE(box.CreateList(CRect(0, 0, 320, kHeight), &parent, 77));
        box.SetEditorFactory([this](zt::prop_item_baseObj& row, CWnd* p, UINT id) {
            ++created;
            return zt::CreateDefaultEditor(row, p, id);
        });
        box.SetList(&list);
        for (int i = 0; i < kRows; ++i)
            list.addItem(L"常规", true, L"项", nullptr)->setInt(i);
        list.refresh();
    }
    void TearDown() override
    {
        box.SetList(nullptr);
        box.DestroyWindow();
        parent.DestroyWindow();
    }
    HWND EditorOf(int row)
    {
        zt::item_ctrl* editor = box.Editor(list.rows().visibleRow(row));
        return editor ? editor->window() : nullptr;
    }
    // The rows whose cells the last layout computed.
    std::pair<int, int> LaidOut()
    {
        int first = -1;
        int last = -1;
        const auto& rects = box.EditorRects();
        for (int i = 0; i < static_cast<int>(rects.size()); ++i) {
            if (rects[static_cast<size_t>(i)].IsRectEmpty())
                continue;
            if (first < 0)
                first = i;
            last = i;
        }
        return {first, last};
    }
};

} // namespace

TEST_F(EditorReachTest, OnlyRowsWithinAPageOfTheViewGetEditors)
{
    // The header (26) and rows of 24 down to one page below the 400-pixel view.
    const int reachable = (2 * kHeight - 26 + 23) / 24;
    EXPECT_EQ(created, reachable);
    EXPECT_EQ(LaidOut(), std::make_pair(1, reachable));
    EXPECT_NE(EditorOf(reachable), nullptr);
    EXPECT_EQ(EditorOf(reachable + 1), nullptr);
    // Rows below the view but within reach are placed, off view, as ever.
    CRect below;
    GetWindowRect(EditorOf(reachable), &below);
    box.ScreenToClient(&below);
    EXPECT_GT(below.top, kHeight);
    EXPECT_TRUE(IsWindowVisible(EditorOf(reachable)));
}

TEST_F(EditorReachTest, AScrollBringsEditorsNearAndTakesThemFromRowsLeftBehind)
{
    HWND first = EditorOf(1);
    ASSERT_NE(first, nullptr);
    box.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
    desk.pump(); // the posted layout
    const int last = kRows;
    ASSERT_NE(EditorOf(last), nullptr);
    CRect r;
    GetWindowRect(EditorOf(last), &r);
    box.ScreenToClient(&r);
    EXPECT_EQ(r, box.EditorRects()[static_cast<size_t>(last)]);
    EXPECT_LE(r.bottom, kHeight);
    EXPECT_TRUE(IsWindowVisible(EditorOf(last)));
    // The first rows are out of reach: their editors went to the rows that came near, and no
    // row far away holds one.
    EXPECT_EQ(EditorOf(1), nullptr);
    EXPECT_TRUE(box.EditorRects()[1].IsRectEmpty());
    EXPECT_LT(created, kRows / 2);

    // Back at the top the rows take editors over again instead of making new ones.
    const int before = created;
    box.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_TOP, 0), 0);
    desk.pump();
    ASSERT_NE(EditorOf(1), nullptr);
    EXPECT_TRUE(IsWindowVisible(EditorOf(1)));
    EXPECT_EQ(::GetParent(EditorOf(1)), box.m_hWnd);
    EXPECT_EQ(created, before);
    EXPECT_LE(box.EditorWindowCount(), static_cast<std::size_t>(created));
}

TEST_F(EditorReachTest, TheEditorBeingTypedInKeepsTheFocusWhenScrolledAway)
{
    HWND first = EditorOf(1);
    ASSERT_NE(first, nullptr);
    ::SetFocus(first);
    desk.pump();
    ASSERT_EQ(::GetFocus(), first);
    box.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
    desk.pump();
    EXPECT_EQ(::GetFocus(), first);
    EXPECT_EQ(::GetParent(first), box.m_hWnd);
    desk.type(L"7");
    box.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_TOP, 0), 0);
    desk.pump();
    EXPECT_TRUE(IsWindowVisible(first));
    EXPECT_EQ(::GetFocus(), first);
}
