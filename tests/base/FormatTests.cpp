#include "platform/base/CString.h"
#include "platform/base/WString.h"
#include "tests/support/Printers.h"

#include <gtest/gtest.h>

#include <climits>

TEST(WideFormat, StringAndCharacterDirectivesFollowWindowsWidths)
{
    CString s;
    s.Format(L"%s|%c|%hs|%hc", L"墙", L'体', "ab", 'c');
    EXPECT_EQ(s, L"墙|体|ab|c");
    s.Format(L"%S|%C|%ls|%lc|%ws", "xy", 'z', L"宽", L'度', L"w");
    EXPECT_EQ(s, L"xy|z|宽|度|w");
    s.Format(L"%hs", "\xD6\xD0"); // narrow text is read in the ANSI code page
    EXPECT_EQ(s, L"中");
}

TEST(WideFormat, StringObjectsPassDirectly)
{
    CString name(L"厚度");
    WString unit(L"mm");
    CString s;
    s.Format(L"%s: %d%s", name, 240, unit);
    EXPECT_EQ(s, L"厚度: 240mm");
}

TEST(WideFormat, NumbersWidthsAndPrecision)
{
    struct Case
    {
        CString got;
        const wchar_t* want;
    };
    auto f = [](const wchar_t* fmt, auto... a) {
        CString s;
        s.Format(fmt, a...);
        return s;
    };
    const Case cases[] = {
        {f(L"%d", -42), L"-42"},
        {f(L"%5d|%-5d|%05d", 7, 7, 7), L"    7|7    |00007"},
        {f(L"%.2f", 3.14159), L"3.14"},
        {f(L"%.2f", 2.005f), L"2.01"}, // the float 2.005f is 2.00500011...
        {f(L"%.0f", 0.5), L"0"},
        {f(L"%x %X %o", 255u, 255u, 8u), L"ff FF 10"},
        {f(L"%ld", static_cast<LONG>(-5)), L"-5"},
        {f(L"%I64d %lld", LLONG_MIN, 12345678901LL), L"-9223372036854775808 12345678901"},
        {f(L"%*d|%-*s|", 4, 1, 3, L"a"), L"   1|a  |"},
        {f(L"%.3s|%6.2s|", L"abcdef", L"xyz"), L"abc|    xy|"},
        {f(L"%g %e", 0.0001, 12345.0), L"0.0001 1.234500e+04"},
        {f(L"100%%"), L"100%"},
        {f(L"%s", static_cast<const wchar_t*>(nullptr)), L"(null)"},
        {f(L"%q and %d", 3), L"%q and 3"},
        {f(L"trailing %"), L"trailing %"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "want " << testing::PrintToString(std::wstring(c.want)));
        EXPECT_EQ(c.got, c.want);
    }
}

TEST(WideFormat, AppendFormatKeepsExistingText)
{
    CString s(L"x=");
    s.AppendFormat(L"%d,%s", 1, L"y");
    EXPECT_EQ(s, L"x=1,y");
}
