// The drop-down editors of list, editable-list and image-list rows, driven by injected mouse,
// keys and wheel: what they show, when a choice or a typed entry reaches the item, and what
// never does (the selected entry again, the mixed-value placeholder, the wheel).

#include "tests/proplist/EditorTestSupport.h"
#include "ztui/proplist/editors/actrl_ComboBox.h"
#include "ztui/proplist/editors/actrl_ComboBoxEx.h"
#include "ztui/proplist/editors/ctrl_comboboxEx.h"

#include <string>
#include <vector>

using zt::actrl_ComboBox;
using zt::actrl_ComboBoxEx;

namespace {

struct ChoiceEditorTest : EditorListFixture
{
    CImageList images;

    // An image list of `count` solid images, 20 x 30 each.
    void MakeImages(int count)
    {
        ASSERT_TRUE(images.Create(20, 30, ILC_COLOR32, count, 1));
        for (int i = 0; i < count; ++i) {
            std::vector<std::uint32_t> argb(20 * 30, 0xFF000000u | (0x40u * std::uint32_t(i)));
            HICON icon = zt::win::CreateIconFromArgb(20, 30, argb.data());
            images.Add(icon);
            DestroyIcon(icon);
        }
    }
    PropertyMgrUI::PropertyItem* AddList(const wchar_t* name, bool editable, int selected)
    {
        auto* item = Add(name);
        for (const wchar_t* text : {L"甲", L"乙", L"丙", L"丁"})
            item->addListEntry(text, editable);
        return item->setSelectedIndex(selected);
    }
    actrl_ComboBox* Combo(int row) { return EditorWindow<actrl_ComboBox>(row); }
    actrl_ComboBoxEx* ComboEx(int row) { return EditorWindow<actrl_ComboBoxEx>(row); }

    static std::wstring Entry(CComboBox* combo, int i)
    {
        CString text;
        combo->GetLBText(i, text);
        return text.GetString();
    }
    // Opens the drop-down by clicking its arrow and clicks entry i.
    void Choose(CComboBox* combo, int i)
    {
        HWND open = Open(combo);
        ASSERT_NE(open, nullptr) << "the list did not open";
        desk.click(EntryRect(open, i).left + 10, EntryRect(open, i).CenterPoint().y);
    }
};

} // namespace

TEST_F(ChoiceEditorTest, EachListKindGetsItsDropDownWithTheItemsEntries)
{
    MakeImages(3);
    AddList(L"选择", false, 1);
    AddList(L"可输入", true, 2);
    auto* withImages = Add(L"图案")->setImageList(&images);
    withImages->addImageListEntry(L"实线", 2)->addImageListEntry(L"虚线", 0);
    withImages->setImageListSelection(1);
    AddList(L"混合", false, 0)->setDisplayText(L"*多种*");
    AddList(L"只读", false, 3)->setReadOnly();
    list.refresh();

    struct Case
    {
        int row;
        bool typing;
        int selection;
        int count;
        bool enabled;
    };
    for (const Case& c : {Case{1, false, 1, 4, true}, Case{2, true, 2, 4, true},
                          Case{4, false, 4, 5, true}, Case{5, false, 3, 4, false}}) {
        SCOPED_TRACE(c.row);
        actrl_ComboBox* combo = Combo(c.row);
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(combo->HasTypingField(), c.typing);
        EXPECT_EQ(combo->GetCount(), c.count);
        EXPECT_EQ(combo->GetCurSel(), c.selection);
        EXPECT_EQ(Entry(combo, 1), L"乙");
        EXPECT_EQ(combo->IsWindowEnabled() != FALSE, c.enabled);
        EXPECT_EQ(combo->GetItemHeight(-1), actrl_ComboBox::kEntryHeight);
        EXPECT_EQ(combo->GetItemHeight(0), actrl_ComboBox::kEntryHeight);
        // The closed face fills the cell's width; the room asked for reaches 100 below it.
        CRect cell = box.EditorRects()[c.row];
        CRect r;
        combo->GetWindowRect(&r);
        box.ScreenToClient(&r);
        EXPECT_EQ(r.left, cell.left);
        EXPECT_EQ(r.right, cell.right);
        EXPECT_EQ(r.Height(), actrl_ComboBox::kEntryHeight + 6);
        CRect dropped;
        combo->GetDroppedControlRect(&dropped);
        EXPECT_EQ(dropped.Height(), cell.Height() + 100);
    }
    EXPECT_EQ(Entry(Combo(4), 4), L"*多种*");

    actrl_ComboBoxEx* ex = ComboEx(3);
    ASSERT_NE(ex, nullptr);
    EXPECT_EQ(box.GetItemHeight(3), 30 + 10);
    EXPECT_EQ(ex->GetCount(), 2);
    EXPECT_EQ(ex->GetCurSel(), 1);
    EXPECT_EQ(ex->GetItemData(0), 2u);
    EXPECT_EQ(ex->GetItemHeight(0), 30 + 4);
    EXPECT_EQ(ex->GetItemHeight(-1), 30 + 4);
    LOGFONTW lf{};
    ASSERT_TRUE(ex->GetFont() && ex->GetFont()->GetLogFont(&lf));
    EXPECT_EQ(std::wstring(lf.lfFaceName), zt::ctrl_comboboxEx::kFontFace);
    EXPECT_EQ(lf.lfHeight, 14);
    EXPECT_EQ(lf.lfWeight, 400);
}

TEST_F(ChoiceEditorTest, AnImageListWithoutImagesGivesPlainEntriesAndRow)
{
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32, 1, 1));
    Add(L"图案")->setImageList(&images)->addImageListEntry(L"实线", 0);
    Add(L"无列表")->addImageListEntry(L"点线", 0);
    list.refresh();
    for (int row : {1, 2}) {
        SCOPED_TRACE(row);
        EXPECT_EQ(box.GetItemHeight(row), 24);
        actrl_ComboBoxEx* ex = ComboEx(row);
        ASSERT_NE(ex, nullptr);
        EXPECT_EQ(ex->GetItemHeight(0), actrl_ComboBoxEx::kPlainEntryHeight);
    }
}

TEST_F(ChoiceEditorTest, ChoosingAnEntryByMouseOrKeysWritesTheItemOnce)
{
    auto* item = AddList(L"选择", false, 0);
    list.refresh();
    actrl_ComboBox* combo = Combo(1);
    ASSERT_NE(combo, nullptr);

    Choose(combo, 2);
    EXPECT_EQ(item->selectedIndex(), 2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(OpenList(combo), nullptr);

    // The entry already selected calls no handler.
    Choose(combo, 2);
    EXPECT_EQ(item->selectedIndex(), 2);
    EXPECT_EQ(changes, 1);

    // Keys on the closed drop-down (it has the focus after the clicks).
    ASSERT_EQ(::GetFocus(), combo->m_hWnd);
    desk.key(VK_DOWN);
    EXPECT_EQ(item->selectedIndex(), 3);
    EXPECT_EQ(changes, 2);
    desk.key(VK_UP);
    desk.key(VK_UP);
    EXPECT_EQ(item->selectedIndex(), 1);
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(clicks, 0);
}

TEST_F(ChoiceEditorTest, ThePlaceholderIsShownButNeverWritten)
{
    MakeImages(2);
    auto* plain = AddList(L"选择", false, 1)->setDisplayText(L"*多种*");
    auto* pictured = Add(L"图案")->setImageList(&images);
    pictured->addImageListEntry(L"实线", 0)->addImageListEntry(L"虚线", 1);
    pictured->setImageListSelection(0)->setDisplayText(L"*多种*");
    list.refresh();

    actrl_ComboBox* combo = Combo(1);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->GetCurSel(), 4);
    // Away from the placeholder and back to it: only the real entry is written.
    desk.click(ScreenRect(combo->m_hWnd).CenterPoint());
    desk.key(VK_ESCAPE);
    desk.key(VK_UP);
    EXPECT_EQ(plain->selectedIndex(), 3);
    EXPECT_EQ(changes, 1);
    desk.key(VK_DOWN);
    EXPECT_EQ(combo->GetCurSel(), 4);
    EXPECT_EQ(plain->selectedIndex(), 3);
    EXPECT_EQ(changes, 1);

    actrl_ComboBoxEx* ex = ComboEx(2);
    ASSERT_NE(ex, nullptr);
    EXPECT_EQ(ex->GetCurSel(), 2);
    Choose(ex, 2);
    EXPECT_EQ(pictured->selectedIndex(), 0);
    EXPECT_EQ(changes, 1);
    Choose(ex, 1);
    EXPECT_EQ(pictured->selectedIndex(), 1);
    EXPECT_EQ(changes, 2);
    Choose(ex, 1); // already selected
    EXPECT_EQ(changes, 2);
}

TEST_F(ChoiceEditorTest, EnterInTheTypingFieldAddsOrSelectsTheTypedEntry)
{
    auto* item = AddList(L"可输入", true, 0)->setDisplayText(L"*多种*");
    list.refresh();
    actrl_ComboBox* combo = Combo(1);
    ASSERT_NE(combo, nullptr);
    HWND field = combo->TypingField();
    ASSERT_NE(field, nullptr);
    auto typeAndEnter = [&](const wchar_t* text) {
        ClickInto(field);
        ::SendMessageW(field, EM_SETSEL, 0, -1);
        desk.type(text);
        desk.key(VK_RETURN);
    };

    typeAndEnter(L"戊");
    auto entries = item->listEntries();
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(std::wstring(entries[4].GetString()), L"戊");
    EXPECT_EQ(item->selectedIndex(), 4);
    EXPECT_EQ(changes, 1);
    // The new entry sits before the placeholder, so window and item indices agree.
    EXPECT_EQ(combo->GetCount(), 6);
    EXPECT_EQ(Entry(combo, 4), L"戊");
    EXPECT_EQ(Entry(combo, 5), L"*多种*");
    EXPECT_EQ(combo->GetCurSel(), 4);

    typeAndEnter(L"乙");
    EXPECT_EQ(item->selectedIndex(), 1);
    EXPECT_EQ(item->listEntries().size(), 5u);
    EXPECT_EQ(changes, 2);

    // Enter with the list open closes it and takes the typed text.
    ASSERT_NE(Open(combo), nullptr);
    ASSERT_EQ(::GetFocus(), field);
    ::SendMessageW(field, EM_SETSEL, 0, -1);
    desk.type(L"甲");
    desk.key(VK_RETURN);
    EXPECT_FALSE(combo->GetDroppedState());
    EXPECT_EQ(item->selectedIndex(), 0);
    EXPECT_EQ(changes, 3);
    typeAndEnter(L"乙");
    EXPECT_EQ(changes, 4);

    // The placeholder and the current entry change nothing.
    for (const wchar_t* text : {L"*多种*", L"乙"}) {
        SCOPED_TRACE(std::wstring(text).size());
        typeAndEnter(text);
        EXPECT_EQ(item->selectedIndex(), 1);
        EXPECT_EQ(item->listEntries().size(), 5u);
        EXPECT_EQ(changes, 4);
    }
    EXPECT_TRUE(item->isEditableList());
}

TEST_F(ChoiceEditorTest, EnterWithAnEmptyTypingFieldAddsAndSelectsTheEmptyEntry)
{
    auto* item = AddList(L"可输入", true, 0); // no placeholder: the display text is empty
    list.refresh();
    actrl_ComboBox* combo = Combo(1);
    ASSERT_NE(combo, nullptr);
    HWND field = combo->TypingField();
    ASSERT_NE(field, nullptr);
    auto enterEmpty = [&] {
        ClickInto(field);
        ::SendMessageW(field, EM_SETSEL, 0, -1);
        desk.key(VK_DELETE);
        desk.key(VK_RETURN);
    };

    enterEmpty();
    auto entries = item->listEntries();
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_TRUE(entries[4].IsEmpty());
    EXPECT_EQ(item->selectedIndex(), 4);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(combo->GetCurSel(), 4);

    enterEmpty(); // now the current entry: nothing changes
    EXPECT_EQ(item->listEntries().size(), 5u);
    EXPECT_EQ(changes, 1);
}

TEST_F(ChoiceEditorTest, TheWheelChangesTheImageDropDownButScrollsPastThePlainOne)
{
    MakeImages(2);
    auto* pictured = Add(L"图案")->setImageList(&images);
    pictured->addImageListEntry(L"实线", 0)->addImageListEntry(L"虚线", 1);
    pictured->setImageListSelection(1);
    auto* plain = AddList(L"选择", false, 1);
    for (int i = 0; i < 30; ++i)
        Add(L"名称")->setText(L"墙");
    list.refresh();

    actrl_ComboBoxEx* ex = ComboEx(1);
    ASSERT_NE(ex, nullptr);
    ex->SetFocus();
    desk.pump();
    desk.wheel(ScreenRect(ex->m_hWnd).left + 10, ScreenRect(ex->m_hWnd).CenterPoint().y, 120);
    EXPECT_EQ(ex->GetCurSel(), 0);
    EXPECT_EQ(pictured->selectedIndex(), 0);
    EXPECT_EQ(changes, 1);

    // The turn goes on to the list, which scrolls; the drop-down keeps its entry.
    actrl_ComboBox* combo = Combo(2);
    ASSERT_NE(combo, nullptr);
    combo->SetFocus();
    desk.pump();
    ASSERT_EQ(box.GetTopIndex(), 0);
    desk.wheel(ScreenRect(combo->m_hWnd).left + 10, ScreenRect(combo->m_hWnd).CenterPoint().y,
               -120);
    EXPECT_GT(box.GetTopIndex(), 0);
    desk.wheel(120);
    desk.wheel(120);
    EXPECT_EQ(combo->GetCurSel(), 1);
    EXPECT_EQ(plain->selectedIndex(), 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(ChoiceEditorTest, OpeningTheImageDropDownMakesItsListMuchTaller)
{
    MakeImages(1);
    Add(L"图案")->setImageList(&images)->addImageListEntry(L"实线", 0);
    list.refresh();
    actrl_ComboBoxEx* ex = ComboEx(1);
    ASSERT_NE(ex, nullptr);
    CRect client;
    ex->GetClientRect(&client);
    CRect before;
    ex->GetDroppedControlRect(&before);
    EXPECT_EQ(before.Height(), box.EditorRects()[1].Height() + 100);
    desk.click(ScreenRect(ex->m_hWnd).CenterPoint());
    ASSERT_TRUE(ex->GetDroppedState());
    CRect after;
    ex->GetDroppedControlRect(&after);
    EXPECT_EQ(after.Height(), client.Height() + actrl_ComboBoxEx::kOpenListExtra);
    // The closed face keeps its height.
    EXPECT_EQ(ScreenRect(ex->m_hWnd).Height(), client.Height());
}

TEST_F(ChoiceEditorTest, AHandlerThatRebuildsTheListWhileItsDropDownIsOpenIsSafe)
{
    MakeImages(2);
    auto* item = Add(L"图案")->setImageList(&images);
    item->addImageListEntry(L"实线", 0)
        ->addImageListEntry(L"虚线", 1)
        ->addImageListEntry(L"点线", 1);
    item->setImageListSelection(0);
    list.setValueChanged([this](PropertyMgrUI::PropertyList& l, PropertyMgrUI::PropertyItem&) {
        ++changes;
        l.refresh();
    });
    list.refresh();
    // Arrow keys in the open list choose at once; the choice destroys the open drop-down.
    desk.click(ScreenRect(ComboEx(1)->m_hWnd).CenterPoint());
    ASSERT_TRUE(ComboEx(1)->GetDroppedState());
    desk.key(VK_DOWN);
    EXPECT_EQ(item->selectedIndex(), 1);
    EXPECT_EQ(changes, 1);
    ASSERT_NE(ComboEx(1), nullptr);
    EXPECT_EQ(ComboEx(1)->GetCurSel(), 1);
    EXPECT_FALSE(ComboEx(1)->GetDroppedState());
}
