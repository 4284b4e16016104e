#include "platform/host/TSUserPropertySet.h"

#include <gtest/gtest.h>

TEST(UserPropertyCell, TypedValuesReadBackInEveryForm)
{
    struct Case
    {
        const char* what;
        TSUserPropertyCell cell;
        bool asBool;
        std::int64_t asInt;
        double asDouble;
        const wchar_t* asText;
    };
    TSUserPropertyCell b, i, d, s, bad, empty;
    b.SetBool(true);
    i.SetInt(65280);
    d.SetDouble(2.5);
    s.SetString(L" 3000.6");
    bad.SetString(L"厚");
    const Case cases[] = {
        {"bool", b, true, 1, 1.0, L"1"},
        {"int", i, true, 65280, 65280.0, L"65280"},
        {"double", d, true, 3, 2.5, L"2.5"},
        {"numeric text", s, true, 3001, 3000.6, L" 3000.6"},
        {"other text", bad, false, 0, 0.0, L"厚"},
        {"empty", empty, false, 0, 0.0, L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.cell.GetBool(), c.asBool);
        EXPECT_EQ(c.cell.GetInt(), c.asInt);
        EXPECT_DOUBLE_EQ(c.cell.GetDouble(), c.asDouble);
        EXPECT_EQ(c.cell.GetString(), c.asText);
        TSUserPropertyCell back;
        EXPECT_EQ(back.FromJson(c.cell.ToJson()), !c.cell.IsEmpty());
        EXPECT_EQ(back, c.cell);
    }
}

TEST(UserPropertyCell, MalformedJsonLeavesAnEmptyCell)
{
    TSUserPropertyCell cell;
    cell.SetInt(4);
    Json::Value wrong(Json::objectValue);
    wrong["type"] = "int";
    wrong["value"] = "four";
    EXPECT_FALSE(cell.FromJson(wrong));
    EXPECT_TRUE(cell.IsEmpty());
    EXPECT_FALSE(cell.FromJson(Json::Value("text")));
    wrong["type"] = "colour";
    EXPECT_FALSE(cell.FromJson(wrong));
}

TEST(UserPropertySet, ValuesArePlacedInTheirGroupsInOrder)
{
    TSUserPropertySet set;
    TSUserPropertyCell cell;
    cell.SetString(L"C30");
    set.SetValue(L"材料", L"强度等级", cell);
    cell.SetDouble(0.2);
    set.SetValue(L"材料", L"保温厚度", cell);
    cell.SetBool(true);
    set.SetValue(L"施工", L"预制", cell);

    EXPECT_EQ(set.GetGroupNames(), (bvector<WString>{L"材料", L"施工"}));
    EXPECT_EQ(set.GetValueNames(0), (bvector<WString>{L"强度等级", L"保温厚度"}));
    EXPECT_EQ(set.FindValue(L"预制")->GetGroupIdx(), 1);
    EXPECT_EQ(set.FindValue(L"预制")->GetValueIdx(), 0);

    cell.SetString(L"C35");
    TSUserPropertyValuePtr replaced = set.SetValue(L"材料", L"强度等级", cell);
    EXPECT_EQ(replaced->GetValueIdx(), 0) << "replacing keeps the place";
    EXPECT_EQ(set.FindValue(L"强度等级")->GetValue().GetString(), L"C35");
    EXPECT_EQ(set.SetValue(L"", L"x", cell), nullptr);
    EXPECT_EQ(set.SetValue(L"材料", L"", cell), nullptr);
    EXPECT_TRUE(set.RemoveValue(L"预制"));
    EXPECT_EQ(set.FindValue(L"预制"), nullptr);
}

TEST(UserPropertySet, JsonRoundTripKeepsGroupsPlacesAndTypes)
{
    TSUserPropertySet set;
    TSUserPropertyCell cell;
    cell.SetInt(12);
    set.SetValue(L"几何", L"段数", cell);
    cell.SetString(L"外墙");
    set.SetValue(L"分类", L"用途", cell);

    TSUserPropertySet back;
    ASSERT_TRUE(back.FromJson(set.ToJson()));
    EXPECT_EQ(back.GetGroupNames(), set.GetGroupNames());
    ASSERT_EQ(back.GetValues().size(), 2u);
    EXPECT_EQ(back.FindValue(L"段数")->GetValue().GetType(), TSUserPropertyCell::Type::Int);
    EXPECT_EQ(back.FindValue(L"用途")->GetGroupIdx(), 1);
}

TEST(UserPropertySet, MalformedEntriesAreSkipped)
{
    Json::Value json(Json::objectValue);
    json["groups"].append("g");
    json["groups"].append(5);
    Json::Value good(Json::objectValue);
    good["name"] = "ok";
    good["group"] = 0;
    good["index"] = 0;
    json["values"].append(good);
    Json::Value badGroup = good;
    badGroup["name"] = "far";
    badGroup["group"] = 3;
    json["values"].append(badGroup);
    json["values"].append("not an object");

    TSUserPropertySet set;
    EXPECT_TRUE(set.FromJson(json));
    EXPECT_EQ(set.GetGroupNames().size(), 1u);
    EXPECT_EQ(set.GetValues().size(), 1u);
    EXPECT_TRUE(set.FindValue(L"ok")->GetValue().IsEmpty());
    EXPECT_FALSE(set.FromJson(Json::Value(7)));
    EXPECT_TRUE(set.IsEmpty());
}
