// The two conversions between the list's items and the host's records: every item kind one
// way and back, every record kind into an item, and what travels besides the value.

#include "platform/host/IFormatCheck.h"
#include "platform/win/WinGdi.h"
#include "platform/win/WinUser.h"
#include "ztui/propertypanel/ZTPropertyDlg.h"
#include "ztui/proplist/model/PropertyList_imp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

using zt::ZTPropertyDlg;
using ItemKind = PropertyMgrUI::PropertyItemKind;
using RecordKind = TesselUIPropertyItem::Kind;

namespace {

struct Check : IFormatCheck
{
    explicit Check(int& destroyed) : m_destroyed(destroyed) {}
    ~Check() override { ++m_destroyed; }
    bool check(const CString& text) override { return !text.IsEmpty(); }
    void message(CString& text) override { text = L"不能为空"; }
    int& m_destroyed;
};

HBITMAP Bitmap(int w, int h)
{
    HDC screen = ::GetDC(nullptr);
    HBITMAP b = ::CreateCompatibleBitmap(screen, w, h);
    ::ReleaseDC(nullptr, screen);
    return b;
}

SIZE SizeOf(HBITMAP bitmap)
{
    BITMAP info{};
    ::GetObjectW(bitmap, sizeof info, &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

const DPoint3d kPoint{1.5, -2.0, 3.25};

struct Case
{
    const char* name;
    ItemKind kind;
    std::function<void(PropertyMgrUI::PropertyItem&)> set;
    RecordKind recordKind; // Empty: the item makes no record
    ItemKind backKind;
    std::function<void(const TesselUIPropertyItem&)> checkRecord;
    std::function<void(const PropertyMgrUI::PropertyItem&)> checkBack;
};

std::vector<Case> Cases()
{
    return {
        {"None", ItemKind::None, [](auto&) {}, RecordKind::Empty, ItemKind::None, nullptr, nullptr},
        {"Integer", ItemKind::Integer, [](auto& i) { i.setInt(-42); }, RecordKind::Int,
         ItemKind::Integer,
         [](const TesselUIPropertyItem& r) {
             int v = 0;
             EXPECT_TRUE(r.getValue(v));
             EXPECT_EQ(v, -42);
         },
         [](const auto& i) { EXPECT_EQ(i.intValue(), -42); }},
        {"Double", ItemKind::Double, [](auto& i) { i.setDouble(370.5); }, RecordKind::Double,
         ItemKind::Double,
         [](const TesselUIPropertyItem& r) {
             double v = 0;
             EXPECT_TRUE(r.getValue(v));
             EXPECT_EQ(v, 370.5);
             EXPECT_FALSE(r.angleValue());
         },
         [](const auto& i) { EXPECT_EQ(i.doubleValue(), 370.5); }},
        {"Angle", ItemKind::Angle, [](auto& i) { i.setAngle(M_PI / 3); }, RecordKind::Double,
         ItemKind::Angle,
         [](const TesselUIPropertyItem& r) {
             double v = 0;
             EXPECT_TRUE(r.getValue(v));
             EXPECT_DOUBLE_EQ(v, M_PI / 3);
             EXPECT_TRUE(r.angleValue());
         },
         [](const auto& i) { EXPECT_DOUBLE_EQ(i.angleValue(), M_PI / 3); }},
        {"Text", ItemKind::Text, [](auto& i) { i.setText(L"外墙"); }, RecordKind::Text,
         ItemKind::Text,
         [](const TesselUIPropertyItem& r) {
             WString v;
             EXPECT_TRUE(r.getValue(v));
             EXPECT_EQ(v, L"外墙");
         },
         [](const auto& i) { EXPECT_EQ(i.text(), CString(L"外墙")); }},
        {"List", ItemKind::List,
         [](auto& i) {
             i.addListEntry(L"砖", false)->addListEntry(L"钢", false)->setSelectedIndex(1);
         },
         RecordKind::List, ItemKind::List,
         [](const TesselUIPropertyItem& r) {
             ListValue v;
             EXPECT_TRUE(r.getValue(v));
             EXPECT_EQ(v.selected, 1);
             EXPECT_EQ(v.strings, (std::vector<WString>{L"砖", L"钢"}));
             EXPECT_FALSE(v.editable);
         },
         [](const auto& i) {
             EXPECT_EQ(i.selectedIndex(), 1);
             EXPECT_EQ(i.listEntries().size(), 2u);
         }},
        // An editable list travels as an editable list record and comes back as a plain list.
        {"EditableList", ItemKind::EditableList,
         [](auto& i) { i.addListEntry(L"2400", true)->setSelectedIndex(0); }, RecordKind::List,
         ItemKind::List,
         [](const TesselUIPropertyItem& r) {
             ListValue v;
             EXPECT_TRUE(r.getValue(v));
             EXPECT_TRUE(v.editable);
             EXPECT_EQ(v.strings, std::vector<WString>{L"2400"});
         },
         [](const auto& i) { EXPECT_EQ(i.selectedIndex(), 0); }},
        // A button's caption travels as text.
        {"Button", ItemKind::Button, [](auto& i) { i.setButton(L"编辑…"); }, RecordKind::Text,
         ItemKind::Text,
         [](const TesselUIPropertyItem& r) {
             WString v;
             EXPECT_TRUE(r.getValue(v));
             EXPECT_EQ(v, L"编辑…");
         },
         [](const auto& i) { EXPECT_EQ(i.text(), CString(L"编辑…")); }},
        {"Check", ItemKind::Check, [](auto& i) { i.setCheck(true); }, RecordKind::Bool,
         ItemKind::Check,
         [](const TesselUIPropertyItem& r) {
             bool v = false;
             EXPECT_TRUE(r.getValue(v));
             EXPECT_TRUE(v);
         },
         [](const auto& i) {
             EXPECT_TRUE(i.checkValue());
             EXPECT_EQ(i.text(), CString(L"值")) << "the check's text is the record's name";
         }},
        {"Point", ItemKind::Point, [](auto& i) { i.setPoint(kPoint); }, RecordKind::Point,
         ItemKind::Point,
         [](const TesselUIPropertyItem& r) {
             DPoint3d v;
             EXPECT_TRUE(r.getValue(v));
             EXPECT_TRUE(v.IsEqual(kPoint));
         },
         [](const auto& i) { EXPECT_TRUE(i.point().IsEqual(kPoint)); }},
        {"Image", ItemKind::Image, [](auto& i) { i.setImage(Bitmap(4, 4)); }, RecordKind::Empty,
         ItemKind::None, nullptr, nullptr},
        {"Color", ItemKind::Color, [](auto& i) { i.setColor(0x00FF8000); }, RecordKind::Color,
         ItemKind::Color,
         [](const TesselUIPropertyItem& r) {
             ColorValue v;
             EXPECT_TRUE(r.getValue(v));
             EXPECT_EQ(v.color, 0x00FF8000u);
         },
         [](const auto& i) { EXPECT_EQ(i.color(), 0x00FF8000u); }},
        {"PointList", ItemKind::PointList,
         [](auto& i) {
             DPoint3d ps[2] = {kPoint, {0, 0, 0}};
             i.setPoints(2, ps);
         },
         RecordKind::PointList, ItemKind::PointList,
         [](const TesselUIPropertyItem& r) {
             bvector<DPoint3d> v;
             EXPECT_TRUE(r.getValue(v));
             ASSERT_EQ(v.size(), 2u);
             EXPECT_TRUE(v[0].IsEqual(kPoint));
         },
         [](const auto& i) {
             EXPECT_EQ(const_cast<PropertyMgrUI::PropertyItem&>(i).points().size(), 2u);
         }},
        // The edit button's picture stays behind: the record carries none.
        {"EditButton", ItemKind::EditButton,
         [](auto& i) { i.setEditButton(L"C30")->setEditButtonData(0); }, RecordKind::EditButton,
         ItemKind::EditButton,
         [](const TesselUIPropertyItem& r) {
             EditButtonValue v;
             EXPECT_TRUE(r.getValue(v));
             EXPECT_EQ(v.text, L"C30");
             EXPECT_EQ(v.bitmap, nullptr);
         },
         [](const auto& i) { EXPECT_EQ(i.editButtonText(), CString(L"C30")); }},
        // Only the choice travels.
        {"ImageList", ItemKind::ImageList,
         [](auto& i) {
             i.addImageListEntry(CString(L"实线"), 0)->addImageListEntry(CString(L"虚线"), 1);
             i.setImageListSelection(1);
         },
         RecordKind::ImageList, ItemKind::ImageList,
         [](const TesselUIPropertyItem& r) {
             ListImageValue v;
             EXPECT_TRUE(r.getValue(v));
             EXPECT_EQ(v.selected, 1);
             EXPECT_EQ(v.imageList, 0u);
             EXPECT_TRUE(v.entries.empty());
         },
         [](const auto& i) {
             EXPECT_EQ(i.selectedIndex(), 1);
             EXPECT_TRUE(i.listEntries().empty());
         }},
        {"SubGroup", ItemKind::SubGroup, [](auto& i) { i.setSubGroup(); }, RecordKind::Empty,
         ItemKind::None, nullptr, nullptr},
        {"MultiText", ItemKind::MultiText, [](auto& i) { i.setMultiText(L"第一行\n第二行", 5); },
         RecordKind::MultiText, ItemKind::MultiText,
         [](const TesselUIPropertyItem& r) {
             MultiText v;
             EXPECT_TRUE(r.getValue(v));
             EXPECT_EQ(v.text, L"第一行\n第二行");
             EXPECT_EQ(v.lines, 3) << "the record always asks for three lines";
         },
         [](const auto& i) { EXPECT_EQ(i.multiText(), CString(L"第一行\n第二行")); }},
    };
}

zt::PropertyItem_imp& Kind(PropertyMgrUI::PropertyItem& item)
{
    return static_cast<zt::PropertyItem_imp&>(item);
}

} // namespace

TEST(ValueConversion, EverySeventeenItemKindsRoundTripsThroughAHostRecord)
{
    std::vector<Case> cases = Cases();
    ASSERT_EQ(cases.size(), 17u);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        zt::PropertyList_imp list;
        PropertyMgrUI::PropertyItem* item = list.addItem(L"几何", true, L"值", nullptr);
        c.set(*item);
        ASSERT_EQ(Kind(*item).kind(), c.kind);

        // An output record that already holds something shows whether it was replaced.
        TesselUIPropertyItem record(L"旧", 7);
        ZTPropertyDlg::SetValue(*item, record);
        if (c.recordKind == RecordKind::Empty) {
            EXPECT_EQ(record.getKind(), RecordKind::Int) << "the record is left as it was";
            EXPECT_EQ(record.getName(), L"旧");
            continue;
        }
        EXPECT_EQ(record.getKind(), c.recordKind);
        EXPECT_EQ(record.getName(), L"值");
        EXPECT_EQ(record.getHeadBitmap(), nullptr);
        c.checkRecord(record);

        PropertyMgrUI::PropertyItem* back = list.addItem(L"几何", true, L"值", nullptr);
        ZTPropertyDlg::SetValue(record, *back);
        EXPECT_EQ(Kind(*back).kind(), c.backKind);
        c.checkBack(*back);
        EXPECT_FALSE(back->isReadOnly());
        EXPECT_FALSE(Kind(*back).hasDisplayText());
    }
}

TEST(ValueConversion, EveryRecordKindFillsItsItem)
{
    zt::PropertyList_imp list;
    auto convert = [&](const TesselUIPropertyItem& record) -> zt::PropertyItem_imp& {
        auto* item = list.addItem(L"组", true, record.getName().c_str(), nullptr);
        ZTPropertyDlg::SetValue(record, *item);
        return Kind(*item);
    };
    EXPECT_EQ(convert(TesselUIPropertyItem(L"b", ButtonValue{L"选择", 10002})).kind(),
              ItemKind::Button);
    EXPECT_EQ(list.items().back()->buttonText(), CString(L"选择"));
    EXPECT_EQ(list.items().back()->buttonData(), 10002);
    EXPECT_EQ(convert(TesselUIPropertyItem(L"s", SubGroupValue{})).kind(), ItemKind::SubGroup);
    EXPECT_EQ(convert(TesselUIPropertyItem(L"l", ListValue{-1, {}, false})).kind(), ItemKind::List)
        << "a list without entries is a list all the same";

    HBITMAP picture = Bitmap(6, 5);
    zt::PropertyItem_imp& image = convert(TesselUIPropertyItem(L"i", ImageValue{picture}));
    EXPECT_EQ(image.kind(), ItemKind::Image);
    ASSERT_NE(image.image(), nullptr);
    EXPECT_NE(image.image(), picture) << "the item owns a copy; the record's bitmap is lent";
    EXPECT_EQ(SizeOf(image.image()).cx, 6);

    CImageList images;
    images.Create(16, 16, 0, 2, 0);
    ListImageValue lines;
    lines.selected = 1;
    lines.imageList = reinterpret_cast<std::uintptr_t>(&images);
    lines.entries = {{L"实线", 0}, {L"虚线", 1}};
    zt::PropertyItem_imp& imageList = convert(TesselUIPropertyItem(L"线型", lines));
    EXPECT_EQ(imageList.kind(), ItemKind::ImageList);
    EXPECT_EQ(imageList.imageList(), &images);
    EXPECT_EQ(imageList.selectedIndex(), 1);
    ASSERT_EQ(imageList.entries().size(), 2u);
    EXPECT_EQ(imageList.entries()[1].imageIndex, 1);

    list.clear();
    EXPECT_NE(::GetObjectType(picture), 0u) << "clearing the list leaves the record's bitmap";
    ::DeleteObject(picture);
}

TEST(ValueConversion, MultipleValuesShowThePlaceholderAndReadOnlyRecordsMakeReadOnlyItems)
{
    zt::PropertyList_imp list;
    std::vector<TesselUIPropertyItem> records;
    records.emplace_back(L"a", 1);
    records.emplace_back(L"b", 2.5);
    records.emplace_back(L"c", WString(L"x"));
    records.emplace_back(L"d", true);
    records.emplace_back(L"e", ListValue{0, {L"砖"}, false});
    records.emplace_back(L"f", kPoint);
    for (TesselUIPropertyItem& record : records) {
        SCOPED_TRACE(record.getName().c_str());
        record.setMultiValue(true);
        record.setReadOnly(true);
        auto* item = list.addItem(L"组", true, record.getName().c_str(), nullptr);
        ZTPropertyDlg::SetValue(record, *item);
        EXPECT_TRUE(Kind(*item).hasDisplayText());
        EXPECT_EQ(Kind(*item).displayText(), CString(L"*多种*"));
        EXPECT_TRUE(item->isReadOnly());
    }
}

TEST(ValueConversion, TheFormatCheckMovesFromTheRecordToTheItem)
{
    int destroyed = 0;
    {
        zt::PropertyList_imp list;
        std::vector<TesselUIPropertyItem> records;
        records.emplace_back(L"n", 1);
        records.emplace_back(L"d", 1.0);
        records.emplace_back(L"t", WString(L"t"));
        records.emplace_back(L"e", EditButtonValue{L"", nullptr});
        for (TesselUIPropertyItem& record : records) {
            auto* check = new Check(destroyed);
            record.setFormatCheck(check);
            auto* item = list.addItem(L"组", true, L"n", nullptr);
            ZTPropertyDlg::SetValue(record, *item);
            EXPECT_EQ(record.formatCheck(), nullptr);
            EXPECT_EQ(Kind(*item).formatCheck(), check);
        }
        // A kind that takes no checker leaves it with the record.
        TesselUIPropertyItem point(L"p", kPoint);
        auto* check = new Check(destroyed);
        point.setFormatCheck(check);
        ZTPropertyDlg::SetValue(point, *list.addItem(L"组", true, L"p", nullptr));
        EXPECT_EQ(point.formatCheck(), check);
        EXPECT_EQ(destroyed, 0);
    }
    EXPECT_EQ(destroyed, 5) << "each checker has exactly one owner";
}

TEST(ValueConversion, AnAngleRecordIsAnAngleItemOfTheSameValue)
{
    zt::PropertyList_imp list;
    TesselUIPropertyItem record(L"转角", M_PI / 2, true);
    auto* item = list.addItem(L"几何", true, L"转角", nullptr);
    ZTPropertyDlg::SetValue(record, *item);
    EXPECT_TRUE(item->isAngle());
    EXPECT_DOUBLE_EQ(item->angleValue(), M_PI / 2);
}
