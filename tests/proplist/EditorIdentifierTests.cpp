// The identifiers of editor windows: each row class numbers its editors from a counter of its
// own, shared by every list, which moves only when an editor is made.

#include "tests/proplist/CompositeEditorTestSupport.h"
#include "ztui/proplist/editors/PropertyEditorFactory.h"
#include "ztui/proplist/window/EditorIdCounter.h"

#include <map>

namespace {

struct EditorIdentifierTest : CompositeEditorTest
{
    // Ordinary, ordinary, coordinate X/Y/Z, colour, image, edit-button, angle (rows 1-9).
    void Fill()
    {
        list.clear();
        Add(L"甲")->setInt(1);
        Add(L"乙")->setText(L"文字");
        Add(L"位置")->setPoint(DPoint3d::From(1, 2, 3));
        Add(L"颜色")->setColor(RGB(1, 2, 3));
        Add(L"图片")->setImage(nullptr);
        Add(L"编号")->setEditButton(L"1");
        Add(L"角度")->setAngle(0.5);
        list.refresh();
    }
    std::map<int, int> Ids()
    {
        std::map<int, int> ids;
        for (int row = 1; row <= 9; ++row)
            if (zt::item_ctrl* holder = Holder(row); holder && holder->window())
                ids[row] = ::GetDlgCtrlID(holder->window());
        return ids;
    }
};

} // namespace

TEST_F(EditorIdentifierTest, EachRowClassNumbersItsEditorsFromItsOwnCounter)
{
    Fill();
    std::map<int, int> first = Ids();
    ASSERT_EQ(first.size(), 9u);
    // Consecutive editors of one class get consecutive numbers, whatever lies between.
    EXPECT_EQ(first[2], first[1] + 1);
    EXPECT_EQ(first[4], first[3] + 1);
    EXPECT_EQ(first[5], first[4] + 1);
    EXPECT_GE(first[1], 100);
    EXPECT_LE(first[2], 10000);
    EXPECT_GE(first[3], 1000);
    EXPECT_GE(first[6], 2000);
    EXPECT_GE(first[7], 2000);
    EXPECT_GE(first[8], 4000);
    EXPECT_GE(first[9], 100);
    EXPECT_LE(first[9], 10000);

    // A rebuild makes every editor again: each counter moved on by its own class's editors only
    // (colour and image rows start alike but count apart), and a second list shares them.
    zt::ListBoxProperty other;
    ASSERT_TRUE(other.CreateList(CRect(0, 0, 200, 100), &parent, 78));
    zt::PropertyList_imp otherList;
    other.SetList(&otherList);
    otherList.addItem(L"常规", true, L"颜色", nullptr)->setColor(0);
    otherList.refresh();
    zt::item_ctrl* colour = other.Editor(otherList.rows().visibleRow(1));
    ASSERT_TRUE(colour && colour->window());
    EXPECT_EQ(::GetDlgCtrlID(colour->window()), first[6] + 1);

    Fill();
    std::map<int, int> second = Ids();
    EXPECT_EQ(second[1], first[1] + 2);
    EXPECT_EQ(second[3], first[3] + 3);
    EXPECT_EQ(second[6], first[6] + 2);
    EXPECT_EQ(second[7], first[7] + 1);
    EXPECT_EQ(second[8], first[8] + 1);
    EXPECT_EQ(second[9], first[9] + 1);
    other.SetList(nullptr);
}

TEST_F(EditorIdentifierTest, RowsWithoutEditorsTakeNoNumber)
{
    // A factory that makes no editor leaves the counters where they were.
    Fill();
    std::map<int, int> before = Ids();
    box.SetEditorFactory({});
    Fill();
    EXPECT_TRUE(Ids().empty());
    box.SetEditorFactory(&zt::CreateDefaultEditor);
    Fill();
    std::map<int, int> after = Ids();
    EXPECT_EQ(after[1], before[1] + 2);
    EXPECT_EQ(after[8], before[8] + 1);
}

TEST(EditorIdCounter, WrapsBackToItsStartOnlyWhenAskedTo)
{
    zt::EditorIdCounter wrapping(100, 102);
    EXPECT_EQ(wrapping.Next(), 100);
    EXPECT_EQ(wrapping.Next(), 101);
    EXPECT_EQ(wrapping.Peek(), 102);
    EXPECT_EQ(wrapping.Next(), 102);
    EXPECT_EQ(wrapping.Next(), 100);
    zt::EditorIdCounter growing(1000);
    for (int i = 0; i < 20000; ++i)
        growing.Next();
    EXPECT_EQ(growing.Peek(), 21000);
}
