#include "platform/host/IFormatCheck.h"
#include "platform/host/TesselUIPropertyItem.h"
#include "platform/host/TesselUIProperyListCollector.h"

#include <gtest/gtest.h>

namespace {

// Counts its own destruction, so that ownership of a checker can be followed.
class CountingCheck : public IFormatCheck
{
public:
    explicit CountingCheck(int& destroyed) : m_destroyed(destroyed) {}
    ~CountingCheck() override { ++m_destroyed; }
    bool check(const CString& text) override { return !text.IsEmpty(); }
    void message(CString& text) override { text = L"不能为空"; }

private:
    int& m_destroyed;
};

} // namespace

TEST(PropertyRecord, EachKindAnswersOnlyItsOwnGetValue)
{
    TesselUIPropertyItem thickness(L"厚度", 240);
    int i = 0;
    double d = -1.0;
    bool b = true;
    WString text = L"kept";
    EXPECT_TRUE(thickness.getValue(i));
    EXPECT_EQ(i, 240);
    EXPECT_FALSE(thickness.getValue(d));
    EXPECT_EQ(d, -1.0);
    EXPECT_FALSE(thickness.getValue(b));
    EXPECT_FALSE(thickness.getValue(text));
    EXPECT_EQ(text, L"kept");
    EXPECT_EQ(thickness.getKind(), TesselUIPropertyItem::Kind::Int);
    EXPECT_EQ(thickness.getName(), L"厚度");

    TesselUIPropertyItem angle(L"角度", 30.0, true);
    EXPECT_TRUE(angle.angleValue());
    EXPECT_TRUE(angle.getValue(d));
    EXPECT_EQ(d, 30.0);

    TesselUIPropertyItem color(L"颜色", ColorValue{0x00FF00});
    ColorValue c;
    EXPECT_TRUE(color.getValue(c));
    EXPECT_EQ(c.color, 0x00FF00u);
    EXPECT_FALSE(color.getValue(i));
}

TEST(PropertyRecord, CompositeKindsCarryTheirWholePayload)
{
    ListValue list{1, {L"混凝土", L"砖", L"钢"}, true};
    TesselUIPropertyItem material(L"材质", list);
    ListValue back;
    ASSERT_TRUE(material.getValue(back));
    EXPECT_EQ(back, list);

    ListImageValue images{2, 77, {{L"a", 0}, {L"b", 3}}};
    TesselUIPropertyItem pattern(L"图案", images);
    ListImageValue imagesBack;
    ASSERT_TRUE(pattern.getValue(imagesBack));
    EXPECT_EQ(imagesBack, images);

    bvector<DPoint3d> points{{0, 0, 0}, {3000, 0, 0}};
    TesselUIPropertyItem path(L"路径", points);
    bvector<DPoint3d> pointsBack;
    ASSERT_TRUE(path.getValue(pointsBack));
    ASSERT_EQ(pointsBack.size(), 2u);
    EXPECT_EQ(pointsBack[1].x, 3000.0);

    TesselUIPropertyItem note(L"备注", MultiText{5, L"一\n二"});
    MultiText m;
    ASSERT_TRUE(note.getValue(m));
    EXPECT_EQ(m.lines, 5);
    EXPECT_EQ(MultiText{}.lines, 3);
}

TEST(PropertyRecord, SwapMovesTheWholeContentAndLeavesAnEmptyRecord)
{
    int destroyed = 0;
    TesselUIPropertyItem source(L"名称", WString(L"墙1"));
    source.setReadOnly(true);
    source.setMultiValue(true);
    source.setFormatCheck(new CountingCheck(destroyed));
    TesselUIPropertyItem target;
    target.swap(source);

    EXPECT_EQ(source.getKind(), TesselUIPropertyItem::Kind::Empty);
    EXPECT_TRUE(source.getName().empty());
    EXPECT_EQ(source.formatCheck(), nullptr);
    EXPECT_FALSE(source.readOnly());
    EXPECT_TRUE(target.readOnly());
    EXPECT_TRUE(target.multiValue());
    ASSERT_NE(target.formatCheck(), nullptr);
    EXPECT_FALSE(target.formatCheck()->check(CString()));
    EXPECT_EQ(destroyed, 0);
}

TEST(PropertyRecord, FormatCheckIsOwnedUntilReleased)
{
    int destroyed = 0;
    {
        TesselUIPropertyItem record(L"长度", 1.0);
        record.setFormatCheck(new CountingCheck(destroyed));
        record.setFormatCheck(new CountingCheck(destroyed));
        EXPECT_EQ(destroyed, 1) << "the replaced checker is deleted";
        record.setFormatCheck(record.formatCheck());
        EXPECT_EQ(destroyed, 1) << "setting the same checker again keeps it";
    }
    EXPECT_EQ(destroyed, 2);

    IFormatCheck* handed = nullptr;
    {
        TesselUIPropertyItem record(L"长度", 1.0);
        record.setFormatCheck(new CountingCheck(destroyed));
        handed = record.releaseFormatCheck();
        EXPECT_EQ(record.formatCheck(), nullptr);
    }
    EXPECT_EQ(destroyed, 2);
    delete handed;
    EXPECT_EQ(destroyed, 3);
}

TEST(PropertyCollector, RecordsBeforeAnyGroupGoUnderCommonExpanded)
{
    TesselUIProperyListCollector list;
    TesselUIPropertyItem first(L"高度", 3000);
    list.addRecord(1, first);
    list.addGroup(L"几何", false);
    TesselUIPropertyItem second(L"厚度", 240);
    list.addRecord(7, second);

    ASSERT_EQ(list.GetGroups().size(), 2u);
    EXPECT_EQ(list.GetGroups()[0].name, L"Common");
    EXPECT_TRUE(list.GetGroups()[0].expanded);
    EXPECT_FALSE(list.GetGroups()[1].expanded);
    ASSERT_EQ(list.GetEntries().size(), 2u);
    EXPECT_EQ(list.GetEntries()[1].group, 1u);
    EXPECT_EQ(list.GetEntries()[1].key, 7);
    EXPECT_EQ(first.getKind(), TesselUIPropertyItem::Kind::Empty) << "taken by swap";
    EXPECT_EQ(list.FindKeyByName(L"厚度"), 7);
    EXPECT_EQ(list.FindKeyByName(L"宽度"), -1);
    EXPECT_EQ(list.FindByName(L"高度"), list.FindByKey(1));
    EXPECT_EQ(list.FindByKey(99), nullptr);
    list.Clear();
    EXPECT_TRUE(list.GetEntries().empty());
    EXPECT_TRUE(list.GetGroups().empty());
}
