#include "platform/cad/DraftAid.h"
#include "platform/host/IFormatCheck.h"
#include "platform/win/WinGdi.h"
#include "ztui/proplist/model/PropertyList_imp.h"
#include "ztui/proplist/model/ValueText.h"

#include <gtest/gtest.h>

#include "tests/support/Printers.h"

using namespace zt;
using Kind = PropertyMgrUI::PropertyItemKind;

namespace {

struct FixedMetrics : PropertyRowMetrics
{
    int BitmapHeight(HBITMAP) const override { return bitmapHeight; }
    int ImageListHeight(CImageList*) const override { return imageListHeight; }
    int bitmapHeight = 0;
    int imageListHeight = 0;
};

std::vector<std::wstring> VisibleTexts(const PropertyList_imp& list)
{
    std::vector<std::wstring> texts;
    for (const auto* row : list.rows().visibleRows())
        texts.push_back(row->text().str());
    return texts;
}

struct CountingCheck : IFormatCheck
{
    explicit CountingCheck(int& destroyed) : m_destroyed(destroyed) {}
    ~CountingCheck() override { ++m_destroyed; }
    bool check(const CString& text) override { return !text.IsEmpty(); }
    void message(CString& text) override { text = L"不能为空"; }
    int& m_destroyed;
};

void SetRoundOffs(double distance, double angle)
{
    DraftAid::GetInstance().SetDistanceRoundOff({true, distance});
    DraftAid::GetInstance().SetAngleRoundOff({true, angle});
}

} // namespace

TEST(ListBoxPropertyDataMgr, GroupsFormByExactNameInOrderOfFirstItem)
{
    PropertyList_imp list;
    list.addItem(L"A", true, L"a1", nullptr);
    list.addItem(L"B", true, L"b1", nullptr);
    list.addItem(L"A", true, L"a2", nullptr);
    list.addItem(L"a", true, L"lower", nullptr);
    list.refresh();
    ASSERT_EQ(list.rows().groups().size(), 3u);
    EXPECT_EQ(VisibleTexts(list),
              (std::vector<std::wstring>{L"A", L"a1", L"a2", L"B", L"b1", L"a", L"lower"}));
}

TEST(ListBoxPropertyDataMgr, FirstItemDecidesWhetherAGroupStartsExpanded)
{
    PropertyList_imp list;
    list.addItem(L"几何", false, L"厚度", nullptr);
    list.addItem(L"几何", true, L"高度", nullptr);
    list.addItem(L"其他", true, L"名称", nullptr);
    list.refresh();
    EXPECT_EQ(VisibleTexts(list), (std::vector<std::wstring>{L"几何", L"其他", L"名称"}));

    PropertyMgrUI::GroupStateMap states;
    list.collectGroupStates(states);
    ASSERT_EQ(states.size(), 2u);
    const auto& groups = list.rows().groups();
    EXPECT_FALSE(states.at(groups[0]->name().GetString()));
    EXPECT_TRUE(states.at(groups[1]->name().GetString()));
}

TEST(ListBoxPropertyDataMgr, PointItemsGiveThreeCoordinateRows)
{
    PropertyList_imp list;
    list.addItem(L"G", true, L"起点", nullptr)->setPoint(DPoint3d{1.234, 5, -7.5});
    list.refresh();
    EXPECT_EQ(VisibleTexts(list),
              (std::vector<std::wstring>{L"G", L"起点 X 坐标", L"起点 Y 坐标", L"起点 Z 坐标"}));
    const auto& rows = list.rows().groups()[0]->rows();
    for (int part = 0; part < 3; ++part) {
        EXPECT_EQ(rows[part]->kind(), PropertyRowKind::PointPart);
        EXPECT_EQ(rows[part]->part(), part);
    }
    EXPECT_EQ(valuetext::FormatCoordinate(list.items()[0]->point().x), L"1.23");
    EXPECT_EQ(valuetext::FormatCoordinate(list.items()[0]->point().z), L"-7.50");
}

TEST(ListBoxPropertyDataMgr, RowKindsAndHeightsFollowTheItemKind)
{
    PropertyList_imp list;
    auto add = [&](const wchar_t* name) { return list.addItem(L"G", true, name, nullptr); };
    add(L"angle")->setAngle(1.0);
    add(L"color")->setColor(RGB(1, 2, 3));
    add(L"image");
    list.items().back()->setImage(nullptr);
    add(L"edit")->setEditButton(L"x");
    add(L"sub")->setSubGroup();
    add(L"lines")->setMultiText(L"a\r\nb\r\nc", 3);
    add(L"images")->addImageListEntry(L"a", 1);
    add(L"plain");
    auto* withHead = list.addItem(L"G", true, L"head", reinterpret_cast<HBITMAP>(0));
    (void)withHead;
    list.refresh();

    FixedMetrics metrics;
    metrics.imageListHeight = 32;
    const auto& rows = list.rows().groups()[0]->rows();
    struct Expect
    {
        PropertyRowKind kind;
        int height;
    };
    const Expect expected[] = {
        {PropertyRowKind::Angle, 24},    {PropertyRowKind::Color, 24},
        {PropertyRowKind::Image, 60},    {PropertyRowKind::EditButton, 24},
        {PropertyRowKind::SubGroup, 26}, {PropertyRowKind::Item, 48},
        {PropertyRowKind::Item, 42},     {PropertyRowKind::Item, 24},
        {PropertyRowKind::Item, 24},
    };
    ASSERT_EQ(rows.size(), std::size(expected));
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i]->kind(), expected[i].kind);
        EXPECT_EQ(rows[i]->height(metrics), expected[i].height);
    }
    EXPECT_EQ(list.rows().groups()[0]->height(metrics), 26);
    EXPECT_EQ(rows[4]->text(), L"sub");
}

TEST(ListBoxPropertyDataMgr, RowKindIsFixedAtTheLastRebuild)
{
    PropertyList_imp list;
    auto* item = list.addItem(L"G", true, L"n", nullptr)->setInt(1);
    list.refresh();
    item->setColor(5);
    EXPECT_EQ(list.rows().groups()[0]->rows()[0]->kind(), PropertyRowKind::Item);
    list.refresh();
    EXPECT_EQ(list.rows().groups()[0]->rows()[0]->kind(), PropertyRowKind::Color);
}

TEST(ListBoxPropertyDataMgr, EachKindGetsItsRowClass)
{
    PropertyList_imp list;
    list.addItem(L"G", true, L"a", nullptr)->setInt(1);
    list.addItem(L"G", true, L"b", nullptr)->setAngle(1);
    list.addItem(L"G", true, L"c", nullptr)->setPoint(DPoint3d{1, 2, 3});
    list.addItem(L"G", true, L"d", nullptr)->setEditButton(L"x");
    list.addItem(L"G", true, L"e", nullptr)->setColor(7);
    list.addItem(L"G", true, L"f", nullptr)->setImage(nullptr);
    list.addItem(L"G", true, L"g", nullptr)->setSubGroup();
    list.addItem(L"G", true, L"h", nullptr)->setCheck(true);
    list.refresh();
    const auto& rows = list.rows().groups()[0]->rows();
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_NE(dynamic_cast<prop_item_comn*>(rows[0].get()), nullptr);
    EXPECT_NE(dynamic_cast<prop_item_angle*>(rows[1].get()), nullptr);
    for (int part = 0; part < 3; ++part) {
        auto* coordinate = dynamic_cast<prop_item_point3d_part*>(rows[2 + part].get());
        ASSERT_NE(coordinate, nullptr);
        EXPECT_EQ(coordinate->part(), part);
    }
    EXPECT_EQ(std::wstring(rows[3]->text().GetString()), L"c Y 坐标");
    EXPECT_NE(dynamic_cast<prop_item_edit_button*>(rows[5].get()), nullptr);
    EXPECT_NE(dynamic_cast<prop_item_color_button*>(rows[6].get()), nullptr);
    EXPECT_NE(dynamic_cast<prop_item_image*>(rows[7].get()), nullptr);
    EXPECT_NE(dynamic_cast<prop_sub_group*>(rows[8].get()), nullptr);
    EXPECT_NE(dynamic_cast<prop_item_comn*>(rows[9].get()), nullptr);
    EXPECT_NE(dynamic_cast<prop_group*>(list.rows().visibleRow(0)), nullptr);
}

TEST(PropertyItems, SettersChangeKindAndValue)
{
    PropertyList_imp list;
    auto* item = list.addItem(L"G", true, L"n", nullptr);
    auto* imp = list.items()[0].get();
    EXPECT_EQ(imp->kind(), Kind::None);
    item->setInt(240);
    EXPECT_TRUE(item->isInt());
    EXPECT_EQ(item->intValue(), 240);
    item->setDouble(2.5);
    EXPECT_TRUE(item->isDouble());
    item->addListEntry(L"a", false)->addListEntry(L"b", true);
    EXPECT_TRUE(item->isEditableList());
    item->clearList();
    EXPECT_TRUE(item->isList());
    EXPECT_TRUE(item->listEntries().empty());
    item->setCheckText(L"启用")->setCheck(true);
    EXPECT_TRUE(item->isCheck());
    EXPECT_EQ(item->text(), L"启用");
    EXPECT_EQ(item->selectedIndex(), -1);
    EXPECT_EQ(item->tag(), -1);
    EXPECT_FALSE(item->reservedQuery());
}

TEST(PropertyItems, PointsAppendAndAttributesReplace)
{
    PropertyList_imp list;
    auto* item = list.addItem(L"G", true, L"n", nullptr);
    DPoint3d two[] = {{1, 2, 3}, {4, 5, 6}};
    item->setPoints(2, two)->setPoints(1, two);
    EXPECT_TRUE(item->isPointList());
    EXPECT_EQ(item->points().size(), 3u);
    EXPECT_EQ(item->attribute(L"missing"), L"");
    item->setAttribute(L"k", L"1")->setAttribute(L"k", L"2");
    EXPECT_EQ(item->attribute(L"k"), L"2");
}

TEST(PropertyItems, DisplayTextIsClearedOnlyByTextSetters)
{
    PropertyList_imp list;
    auto* item = list.addItem(L"G", true, L"n", nullptr);
    auto* imp = list.items()[0].get();
    item->setInt(240)->setDisplayText(L"*多种*");
    item->setInt(300);
    EXPECT_TRUE(imp->hasDisplayText());
    item->setText(L"t");
    EXPECT_FALSE(imp->hasDisplayText());
    item->setDisplayText(L"*多种*");
    item->setMultiText(L"m", 2);
    EXPECT_FALSE(imp->hasDisplayText());
    EXPECT_EQ(imp->lineCount(), 2);
}

TEST(PropertyItems, OwnsItsFormatCheck)
{
    int destroyed = 0;
    {
        PropertyList_imp list;
        auto* item = list.addItem(L"G", true, L"n", nullptr);
        item->setFormatCheck(new CountingCheck(destroyed));
        item->setFormatCheck(new CountingCheck(destroyed)); // the first is replaced and freed
        EXPECT_EQ(destroyed, 1);
        list.clear();
        EXPECT_EQ(destroyed, 2);
        EXPECT_TRUE(list.items().empty());
    }
    EXPECT_EQ(destroyed, 2);
}

TEST(PropertyItems, PrecisionFollowsTheDraftingAidIncrement)
{
    PropertyList_imp list;
    auto* item = list.addItem(L"G", true, L"n", nullptr);
    struct Case
    {
        double increment;
        int precision;
    };
    const Case cases[] = {{0.01, 2},  {0.5, 0},   {0.0, 0}, {1e-11, 0},
                          {0.001, 3}, {10.0, -1}, {1.0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.increment);
        SetRoundOffs(c.increment, c.increment);
        EXPECT_EQ(item->distancePrecision(), c.precision);
        EXPECT_EQ(item->anglePrecision(), c.precision);
    }
    SetRoundOffs(0.01, 0.01);
}

TEST(PropertyValueText, FormatsAndForgivingReads)
{
    EXPECT_EQ(valuetext::FormatDistance(1.5, 3), L"1.500");
    EXPECT_EQ(valuetext::FormatDistance(1.5, -1), L"2"); // negative precision: no decimals
    EXPECT_EQ(valuetext::FormatAngle(std::numbers::pi / 2, 2), L"90.00°");
    EXPECT_EQ(valuetext::FormatInteger(-3), L"-3");
    EXPECT_EQ(valuetext::ReadInteger(L"12abc"), 12);
    EXPECT_EQ(valuetext::ReadInteger(L"abc"), 0);
    EXPECT_EQ(valuetext::ReadInteger(L"99999999999"), INT_MAX);
    EXPECT_DOUBLE_EQ(valuetext::ReadNumber(L" 12.5mm"), 12.5);
    EXPECT_DOUBLE_EQ(valuetext::ReadNumber(L"nan"), 0.0);
    EXPECT_DOUBLE_EQ(valuetext::ReadDegreesAsRadians(L"90"), std::numbers::pi / 2);
}

TEST(PropertyListHandlers, UnsetHandlersAreSkippedAndSetOnesSeeTheItem)
{
    PropertyList_imp list;
    auto* item = list.addItem(L"G", true, L"n", nullptr);
    auto* imp = list.items()[0].get();
    list.NotifyValueChanged(*imp); // nothing set: nothing happens
    std::vector<std::string> calls;
    list.setValueChanged([&](PropertyMgrUI::PropertyList& l, PropertyMgrUI::PropertyItem& i) {
        EXPECT_EQ(&l, &list);
        EXPECT_EQ(&i, item);
        calls.push_back("value");
    });
    list.setButtonClicked([&](auto&, auto&) { calls.push_back("button"); });
    list.NotifyButtonClicked(*imp);
    list.NotifyValueChanged(*imp);
    EXPECT_EQ(calls, (std::vector<std::string>{"button", "value"}));
}

TEST(PropertyItems, OwnedBitmapsAreDeletedWithTheItemOrWhenReplaced)
{
    auto alive = [](HBITMAP b) {
        BITMAP info{};
        return GetObject(b, sizeof info, &info) != 0;
    };
    HBITMAP head = CreateBitmap(30, 40, 1, 32, nullptr);
    HBITMAP first = CreateBitmap(8, 8, 1, 32, nullptr);
    HBITMAP second = CreateBitmap(8, 8, 1, 32, nullptr);
    ASSERT_TRUE(alive(head) && alive(first) && alive(second));
    {
        PropertyList_imp list;
        auto* item = list.addItem(L"G", true, L"n", head);
        item->setImage(first);
        item->setImage(first); // the same picture again is kept
        EXPECT_TRUE(alive(first));
        item->setImage(second);
        EXPECT_FALSE(alive(first));
        EXPECT_EQ(item->image(), second);
    }
    EXPECT_FALSE(alive(head));
    EXPECT_FALSE(alive(second));
}

// itemChanged: every other item is offered the changed one (syncWith, which keeps no state of
// its own), then the rows are rebuilt as refresh rebuilds them.
TEST(PropertyListHandlers, ItemChangedRebuildsTheRowsAsRefreshDoes)
{
    struct CountingView : PropertyListView
    {
        void OnRowsClearing() override { ++clearing; }
        void OnRowsRebuilt() override { ++rebuilt; }
        void OnItemChanged(PropertyItem_imp& item) override { changed.push_back(&item); }
        int clearing = 0, rebuilt = 0;
        std::vector<PropertyItem_imp*> changed;
    } view;
    PropertyList_imp list;
    list.SetView(&view);
    auto* first = list.addItem(L"G", true, L"位置", nullptr)->setInt(1);
    list.addItem(L"G", true, L"宽度", nullptr)->setDouble(2.0);
    list.refresh();
    ASSERT_EQ(list.rows().visibleRows().size(), 3u);
    EXPECT_EQ(view.rebuilt, 1);

    view.changed.clear();
    first->setPoint(DPoint3d{1, 2, 3}); // the row kind stays until the next rebuild
    EXPECT_EQ(list.rows().visibleRows().size(), 3u);
    // The view hears of the value at once, without a rebuild.
    EXPECT_EQ(view.changed, (std::vector<PropertyItem_imp*>{static_cast<PropertyItem_imp*>(first)}));
    EXPECT_EQ(view.rebuilt, 1);
    EXPECT_EQ(first->syncWith(list.items()[1].get()), first);
    EXPECT_EQ(list.itemChanged(first), &list);
    EXPECT_EQ(view.rebuilt, 2);
    EXPECT_EQ(VisibleTexts(list), (std::vector<std::wstring>{L"G", L"位置 X 坐标", L"位置 Y 坐标",
                                                             L"位置 Z 坐标", L"宽度"}));
    EXPECT_EQ(list.items()[1]->doubleValue(), 2.0); // the other item is unchanged
    list.itemChanged(nullptr);                      // no item: a plain rebuild
    EXPECT_EQ(view.rebuilt, 3);
    list.SetView(nullptr);
}
