// The conversions of numbered names to and from JSON arrays of [number, text] pairs.

#include "ztui/dlglayout/QDlgResize.h"

#include <json/reader.h>

#include <gtest/gtest.h>

#include <string>

using QDlgResize_Space::QDlgResize;
using QDlgResize_Space::StdFloorData;

namespace {

Json::Value Parse(const std::string& text)
{
    Json::Value v;
    Json::CharReaderBuilder builder;
    std::string errors;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    EXPECT_TRUE(reader->parse(text.data(), text.data() + text.size(), &v, &errors)) << errors;
    return v;
}

std::wstring W(const CString& s)
{
    return std::wstring(s.GetString());
}

} // namespace

TEST(FloorDataJson, PairsBecomeTwoElementArraysInOrder)
{
    StdFloorData pairs{{1, L"a"}, {2, L"b"}};
    Json::Value json;
    QDlgResize::changeStdFloorDataToJsValue(pairs, json);
    EXPECT_EQ(json, Parse(R"([[1,"a"],[2,"b"]])"));
    QDlgResize::changeStdFloorDataToJsValue({}, json);
    EXPECT_TRUE(json.isArray());
    EXPECT_EQ(json.size(), 0u);
}

TEST(FloorDataJson, OnlyTwoElementArraysAreRead)
{
    StdFloorData pairs{{9, L"old"}};
    QDlgResize::changeStdFloorDataFromJsValue(pairs, Parse(R"([[1,"a"], 5, [3]])"));
    ASSERT_EQ(pairs.size(), 1u);
    EXPECT_EQ(pairs[0].first, 1);
    EXPECT_EQ(W(pairs[0].second), L"a");
}

TEST(FloorDataJson, AValueThatIsNotAnArrayChangesNothing)
{
    StdFloorData pairs{{9, L"old"}};
    for (const char* text : {"{}", "5", "\"[[1,\\\"a\\\"]]\"", "null"}) {
        SCOPED_TRACE(text);
        QDlgResize::changeStdFloorDataFromJsValue(pairs, Parse(text));
        ASSERT_EQ(pairs.size(), 1u);
        EXPECT_EQ(pairs[0].first, 9);
    }
}

TEST(FloorDataJson, WrongTypedMembersAreSkippedWithoutThrowing)
{
    StdFloorData pairs;
    QDlgResize::changeStdFloorDataFromJsValue(
        pairs, Parse(R"([["x","a"], [1,[2]], [1e300,"big"], [2.7,"frac"], [true,3], [-4,null],
                         [{},"o"], [4294967295,"u"]])"));
    ASSERT_EQ(pairs.size(), 3u);
    EXPECT_EQ(pairs[0].first, 2);
    EXPECT_EQ(W(pairs[0].second), L"frac");
    EXPECT_EQ(pairs[1].first, 1);
    EXPECT_EQ(W(pairs[1].second), L"3");
    EXPECT_EQ(pairs[2].first, -4);
    EXPECT_EQ(W(pairs[2].second), L"");
}

TEST(FloorDataJson, ChineseNamesSurviveTheRoundTrip)
{
    StdFloorData pairs{{-1, L"地下一层"}, {1, L"首层"}, {2, L"二层"}};
    Json::Value json;
    QDlgResize::changeStdFloorDataToJsValue(pairs, json);
    StdFloorData back;
    QDlgResize::changeStdFloorDataFromJsValue(back, json);
    ASSERT_EQ(back.size(), pairs.size());
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        EXPECT_EQ(back[i].first, pairs[i].first);
        EXPECT_EQ(W(back[i].second), W(pairs[i].second));
    }
}
