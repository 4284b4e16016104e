#include "platform/base/Encoding.h"
#include "platform/base/WString.h"

#include <gtest/gtest.h>

#include <map>

using namespace zt::base;

namespace {

struct MalformedCase
{
    const char* name;
    std::string bytes;
    std::wstring expected;
};

} // namespace

TEST(Utf8Conversion, RoundTripsEveryPlane)
{
    std::wstring text = L"A\u00e9\u4e2d\u6587\U0001F600z";
    EXPECT_EQ(Utf8ToWide(WideToUtf8(text)), text);
    EXPECT_EQ(WideToUtf8(L"\u4e2d"), "\xE4\xB8\xAD");
}

TEST(Utf8Conversion, MalformedInputBecomesReplacementCharacters)
{
    const std::wstring R(1, static_cast<wchar_t>(kReplacementChar));
    const MalformedCase cases[] = {
        {"lone continuation byte", "a\x80z", L"a" + R + L"z"},
        {"truncated sequence at end", "ab\xE4\xB8", L"ab" + R},
        {"sequence cut by ASCII",
         "\xE4\xB8"
         "a",
         R + L"a"},
        {"overlong slash", "\xC0\xAF", R + R},
        {"overlong three-byte", "\xE0\x80\xAF", R + R + R},
        {"encoded surrogate", "\xED\xA0\x80", R + R + R},
        {"above U+10FFFF", "\xF4\x90\x80\x80", R + R + R + R},
        {"invalid lead bytes", "\xFE\xFF", R + R},
        {"valid after invalid", "\xFF\xE4\xB8\xAD", R + L"\u4e2d"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Utf8ToWide(c.bytes), c.expected);
    }
}

TEST(Utf8Conversion, LoneSurrogatesInWideTextAreReplaced)
{
    std::wstring wide = {L'a', static_cast<wchar_t>(0xD800), L'b'};
    EXPECT_EQ(WideToUtf8(wide), "a\xEF\xBF\xBD"
                                "b");
    // A pair that arrived as two UTF-16 units is joined into one character.
    std::wstring pair = {static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)};
    EXPECT_EQ(WideToUtf8(pair), "\xF0\x9F\x98\x80");
}

TEST(Utf16Conversion, SurrogatePairsAndLoneUnits)
{
    std::wstring text = L"\u4e2d\U0001F600";
    std::u16string u16 = WideToUtf16(text);
    ASSERT_EQ(u16.size(), 3u);
    EXPECT_EQ(Utf16ToWide(u16), text);
    std::u16string lone = {u'x', static_cast<char16_t>(0xDC00)};
    EXPECT_EQ(Utf16ToWide(lone), std::wstring(L"x\uFFFD"));
}

TEST(AnsiCodePage, GbkRoundTripOfChineseText)
{
    ASSERT_EQ(GetAnsiCodePage(), 936u);
    std::wstring text = L"墙体厚度/右键取消：240mm";
    std::string gbk = WideToAnsi(text);
    // 中 is D6 D0 in GBK.
    EXPECT_EQ(WideToAnsi(L"中"), "\xD6\xD0");
    EXPECT_EQ(AnsiToWide(gbk), text);
    EXPECT_EQ(gbk.size(), 2 * 9 + 5 + 1u);
}

TEST(AnsiCodePage, UnmappableAndInvalidInputIsMarkedNotDropped)
{
    EXPECT_EQ(WideToAnsi(L"a\U0001F600b"), "a?b");
    EXPECT_EQ(AnsiToWide("a\xD6"), L"a\uFFFD"); // lead byte without trail
    EXPECT_EQ(AnsiToWide("\xFF"
                         "b"),
              L"\uFFFD"
              L"b"); // byte that GBK never uses
}

TEST(AnsiCodePage, SettingChangesTheNarrowEncoding)
{
    SetAnsiCodePage(1252);
    EXPECT_EQ(WideToAnsi(L"\u00e9"), "\xE9");
    EXPECT_EQ(AnsiToWide("\xE9"), L"\u00e9");
    SetAnsiCodePage(65001);
    EXPECT_EQ(WideToAnsi(L"\u4e2d"), "\xE4\xB8\xAD");
    SetAnsiCodePage(99999); // no such code page: ASCII survives, the rest is marked
    EXPECT_EQ(WideToAnsi(L"a\u4e2d"), "a?");
    SetAnsiCodePage(936);
}

TEST(Utf16Ordinal, SupplementaryCharactersSortAsSurrogates)
{
    // By code point U+1F600 > U+FF01; by UTF-16 units D83D < FF01.
    EXPECT_LT(CompareUtf16Ordinal(L"\U0001F600", L"\uFF01"), 0);
    EXPECT_GT(CompareUtf16Ordinal(L"\uE000", L"\U00010000"), 0);
    EXPECT_EQ(CompareUtf16Ordinal(L"abc", L"abc"), 0);
    EXPECT_LT(CompareUtf16Ordinal(L"ab", L"abc"), 0);
    EXPECT_LT(CompareUtf16Ordinal(L"B", L"a"), 0); // ordinal, not case-insensitive

    std::map<std::wstring, int, Utf16OrdinalLess> m{{L"\uFF01", 1}, {L"\U0001F600", 2}, {L"a", 3}};
    std::vector<int> order;
    for (auto& [k, v] : m)
        order.push_back(v);
    EXPECT_EQ(order, (std::vector<int>{3, 2, 1}));
}

TEST(PlatformStrings, WStringAndUtf8StringConvert)
{
    Utf8String u("\xE5\xA2\x99"); // 墙
    WString w(u);
    EXPECT_EQ(w, L"墙");
    EXPECT_EQ(Utf8String(w), u);
    EXPECT_EQ(WString("\xC7\xBD", false), L"墙"); // the same character in GBK
    WString s;
    s.Sprintf(L"%s=%d", WString(L"宽"), 3);
    EXPECT_EQ(s, L"宽=3");
    EXPECT_TRUE(WString(L"Wall").EqualsI(L"wALL"));
    Utf8String f;
    f.Sprintf("%s-%02d", "a", 7);
    EXPECT_EQ(f, "a-07");
}
