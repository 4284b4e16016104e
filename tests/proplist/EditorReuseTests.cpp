// Scrolling a long list reuses editors: a row coming near takes over a parked editor of its
// class, which then shows that row's item and writes only to it, and the editors a list holds
// stay within a few pages however far it was scrolled.

#include "tests/proplist/CompositeEditorTestSupport.h"
#include "ztui/proplist/editors/PropertyEditorFactory.h"
#include "ztui/proplist/editors/ctrl_CheckBox.h"
#include "ztui/proplist/editors/ctrl_combobox.h"
#include "ztui/proplist/editors/edit_ctrl.h"
#include "ztui/proplist/editors/item_ctrl_color_button.h"

#include <set>

namespace {

constexpr int kItems = 240;
constexpr int kKinds = 7; // integer, point (three rows), edit-button, check, list, colour, image

struct EditorReuseTest : CompositeEditorTest
{
    int created = 0;
    std::vector<PropertyMgrUI::PropertyItem*> items;
    // The item that each visible row shows.
    std::vector<std::pair<PropertyMgrUI::PropertyItem*, int>> rowItem;

    void SetUp() override
    {
        CompositeEditorTest::SetUp();
        box.SetEditorFactory([this](zt::prop_item_baseObj& row, CWnd* p, UINT id) {
            auto editor = zt::CreateDefaultEditor(row, p, id);
            created += editor ? 1 : 0;
            return editor;
        });
        for (int i = 0; i < kItems; ++i) {
            CString name;
            name.Format(L"项 %d", i);
            auto* item = Add(name);
            switch (i % kKinds) {
            case 0:
                item->setInt(i);
                break;
            case 1:
                item->setPoint(DPoint3d::From(i, i + 0.25, -i));
                break;
            case 2:
                item->setEditButton(name);
                break;
            case 3:
                item->setCheck(i % 4 == 1);
                break;
            case 4:
                item->addListEntry(L"甲", false)->addListEntry(name, false)->setSelectedIndex(1);
                break;
            case 5:
                item->setColor(RGB(i % 256, 7, 9));
                break;
            default:
                item->setImageList(nullptr)
                    ->addImageListEntry(L"实线", 0)
                    ->addImageListEntry(name, 1)
                    ->setImageListSelection(i % 2);
                break;
            }
            items.push_back(item);
        }
        list.refresh();
        desk.pump();
    }
    void Scroll(int code)
    {
        box.SendMessage(WM_VSCROLL, MAKEWPARAM(code, 0), 0);
        desk.pump(); // the posted layout
    }
    zt::PropertyItem_imp& ItemOf(int row)
    {
        return *list.rows().visibleRow(row)->item();
    }
    // Rows whose editors are on the view now.
    std::vector<int> RowsOnView()
    {
        std::vector<int> rows;
        CRect client;
        box.GetClientRect(&client);
        for (int i = box.GetTopIndex(); i < static_cast<int>(list.rows().visibleRows().size());
             ++i) {
            CRect r;
            if (box.GetItemRect(i, &r) == LB_ERR || r.top >= client.bottom)
                break;
            if (Holder(i))
                rows.push_back(i);
        }
        return rows;
    }
    // What the editor of a row shows, checked against the row's own item.
    void ExpectShowsItsItem(int row)
    {
        SCOPED_TRACE(row);
        zt::PropertyItem_imp& item = ItemOf(row);
        zt::item_ctrl* holder = Holder(row);
        ASSERT_NE(holder, nullptr);
        ASSERT_TRUE(IsWindowVisible(holder->window()));
        const int part = list.rows().visibleRow(row)->part();
        switch (item.kind()) {
        case PropertyMgrUI::PropertyItemKind::Integer: {
            CString expected;
            expected.Format(L"%d", item.intValue());
            EXPECT_EQ(Text(CWnd::FromHandle(holder->window())), expected.GetString());
            break;
        }
        case PropertyMgrUI::PropertyItemKind::Point: {
            auto* point = dynamic_cast<zt::item_ctrl_point3d_part*>(holder);
            ASSERT_NE(point, nullptr);
            EXPECT_EQ(point->part(), part);
            const double value = part == 0 ? item.point().x : part == 1 ? item.point().y : item.point().z;
            CString expected;
            expected.Format(L"%.2f", value);
            EXPECT_EQ(Str(point->composite().Caption()), expected.GetString());
            EXPECT_EQ(point->composite().Button(), nullptr); // as a new one: no button yet
            break;
        }
        case PropertyMgrUI::PropertyItemKind::EditButton:
            EXPECT_EQ(Str(dynamic_cast<zt::item_ctrl_edit_button*>(holder)->composite().Caption()),
                      Str(item.editButtonText()));
            break;
        case PropertyMgrUI::PropertyItemKind::Check:
            EXPECT_EQ(static_cast<int>(::SendMessageW(holder->window(), BM_GETCHECK, 0, 0)),
                      item.checkValue() ? BST_CHECKED : BST_UNCHECKED);
            break;
        case PropertyMgrUI::PropertyItemKind::List: {
            EXPECT_EQ(::SendMessageW(holder->window(), CB_GETCURSEL, 0, 0), item.selectedIndex());
            wchar_t text[64] = {};
            ::SendMessageW(holder->window(), CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
            EXPECT_EQ(std::wstring(text), Str(item.name()));
            break;
        }
        case PropertyMgrUI::PropertyItemKind::ImageList: {
            EXPECT_EQ(::SendMessageW(holder->window(), CB_GETCOUNT, 0, 0), 2);
            EXPECT_EQ(::SendMessageW(holder->window(), CB_GETCURSEL, 0, 0), item.selectedIndex());
            wchar_t text[64] = {};
            ::SendMessageW(holder->window(), CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
            EXPECT_EQ(std::wstring(text), Str(item.name()));
            break;
        }
        case PropertyMgrUI::PropertyItemKind::Color:
            EXPECT_EQ(dynamic_cast<zt::item_ctrl_color_button*>(holder)->button().GetColor(),
                      item.color());
            break;
        default:
            ADD_FAILURE() << "unexpected kind";
        }
    }
};

} // namespace

TEST_F(EditorReuseTest, ScrollingThroughTheListKeepsTheEditorsWithinAFewPages)
{
    const int madeAtTop = created;
    const std::size_t parkedPerClass = box.ParkedPerClass();
    ASSERT_GT(parkedPerClass, 0u);
    std::set<int> shown;
    std::size_t most = 0;
    for (int round = 0; round < 2; ++round) {
        for (int page = 0; page < 30; ++page) {
            Scroll(round == 0 ? SB_PAGEDOWN : SB_PAGEUP);
            most = std::max(most, box.EditorWindowCount());
            for (int row : RowsOnView())
                shown.insert(row);
        }
    }
    // Three pages of rows are laid out; the parked editors are at most a page per class.
    const std::size_t pageRows = 400 / 24 + 1;
    EXPECT_LE(most, 3 * pageRows + 2 + kKinds * parkedPerClass);
    EXPECT_LE(box.ParkedEditorCount(), kKinds * parkedPerClass);
    // Far fewer editors were made than rows were shown: the rows took over parked ones.
    EXPECT_LT(created - madeAtTop, static_cast<int>(shown.size()) / 4);
    EXPECT_EQ(shown.size(), list.rows().visibleRows().size() - 1); // every row but the header
}

TEST_F(EditorReuseTest, AnEditorTakenOverShowsItsNewItem)
{
    std::set<HWND> atTop;
    for (int row : RowsOnView())
        atTop.insert(Holder(row)->window());
    int reused = 0;
    for (int page = 0; page < 12; ++page) {
        Scroll(SB_PAGEDOWN);
        for (int row : RowsOnView()) {
            ExpectShowsItsItem(row);
            reused += atTop.count(Holder(row)->window()) ? 1 : 0;
        }
    }
    EXPECT_GT(reused, 0); // some of them came from the top rows
}

TEST_F(EditorReuseTest, WhatIsTypedInATakenOverEditorGoesToItsNewItemOnly)
{
    // The integer row of item 0 and its editor.
    HWND firstEdit = Holder(1)->window();
    zt::PropertyItem_imp* firstItem = &ItemOf(1);
    ASSERT_EQ(firstItem->kind(), PropertyMgrUI::PropertyItemKind::Integer);
    std::vector<PropertyMgrUI::PropertyItem*> told;
    list.setValueChanged([&](PropertyMgrUI::PropertyList&, PropertyMgrUI::PropertyItem& item) {
        told.push_back(&item);
    });
    // Scroll until that window shows another integer row.
    int row = -1;
    for (int page = 0; page < 40 && row < 0; ++page) {
        Scroll(SB_PAGEDOWN);
        for (int r : RowsOnView())
            if (Holder(r)->window() == firstEdit)
                row = r;
    }
    ASSERT_GT(row, 1) << "the first editor was never taken over";
    zt::PropertyItem_imp& newItem = ItemOf(row);
    ASSERT_NE(&newItem, firstItem);
    const int oldValue = firstItem->intValue();

    ::SetFocus(firstEdit); // the focus selects the whole text
    desk.pump();
    desk.type(L"4321");
    LeaveEditor();
    EXPECT_EQ(newItem.intValue(), 4321);
    EXPECT_EQ(firstItem->intValue(), oldValue);
    EXPECT_EQ(told, (std::vector<PropertyMgrUI::PropertyItem*>{&newItem}));
}

TEST_F(EditorReuseTest, ATakenOverCoordinateEditorCommitsToItsNewPoint)
{
    // The Y row of the first point (rows 2-4 are its X, Y, Z).
    ASSERT_EQ(ItemOf(3).kind(), PropertyMgrUI::PropertyItemKind::Point);
    HWND y = Holder(3)->window();
    zt::PropertyItem_imp* oldPoint = &ItemOf(3);
    // Open and close an edit there, so that the window has its button.
    ClickInto(y);
    LeaveEditor();
    ASSERT_NE(dynamic_cast<zt::item_ctrl_point3d_part*>(Holder(3))->composite().Button(), nullptr);
    changes = 0;
    const DPoint3d oldValue = oldPoint->point();
    int row = -1;
    for (int page = 0; page < 40 && row < 0; ++page) {
        Scroll(SB_PAGEDOWN);
        for (int r : RowsOnView())
            if (Holder(r)->window() == y)
                row = r;
    }
    ASSERT_GT(row, 4) << "the coordinate editor was never taken over";
    zt::PropertyItem_imp& newPoint = ItemOf(row);
    const int part = list.rows().visibleRow(row)->part();
    ExpectShowsItsItem(row);

    ClickInto(y);
    desk.type(L"12.5");
    LeaveEditor();
    const double stored = part == 0 ? newPoint.point().x : part == 1 ? newPoint.point().y
                                                                      : newPoint.point().z;
    EXPECT_DOUBLE_EQ(stored, 12.5);
    EXPECT_DOUBLE_EQ(oldPoint->point().y, oldValue.y);
    EXPECT_EQ(changes, 1);
}

TEST_F(EditorReuseTest, ARebuildLetsEveryParkedEditorGo)
{
    for (int page = 0; page < 10; ++page)
        Scroll(SB_PAGEDOWN);
    // A shorter list has fewer rows in reach: their editors wait parked.
    box.MoveWindow(CRect(0, 0, 320, 100), TRUE);
    desk.pump();
    ASSERT_GT(box.ParkedEditorCount(), 0u);
    EXPECT_LE(box.ParkedEditorCount(), kKinds * box.ParkedPerClass());
    list.clear();
    EXPECT_EQ(box.ParkedEditorCount(), 0u);
    EXPECT_EQ(box.EditorWindowCount(), 0u);
}
