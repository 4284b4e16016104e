#include "platform/base/CString.h"
#include "tests/support/Printers.h"

#include <gtest/gtest.h>

#include <cwchar>

TEST(CStringText, ExtractionClampsOutOfRangeArguments)
{
    CString s(L"墙体厚度");
    EXPECT_EQ(s.Left(2), L"墙体");
    EXPECT_EQ(s.Left(99), s);
    EXPECT_EQ(s.Left(-1), L"");
    EXPECT_EQ(s.Right(1), L"度");
    EXPECT_EQ(s.Mid(1, 2), L"体厚");
    EXPECT_EQ(s.Mid(3, 10), L"度");
    EXPECT_EQ(s.Mid(10), L"");
    EXPECT_EQ(s.GetAt(10), L'\0');
    EXPECT_EQ(s[0], L'墙');
}

TEST(CStringText, FindReplaceRemove)
{
    CString s(L"a,b,,c");
    EXPECT_EQ(s.Find(L','), 1);
    EXPECT_EQ(s.Find(L',', 2), 3);
    EXPECT_EQ(s.Find(L",,"), 3);
    EXPECT_EQ(s.Find(L'x'), -1);
    EXPECT_EQ(s.Find(L',', 99), -1);
    EXPECT_EQ(s.ReverseFind(L','), 4);
    EXPECT_EQ(s.FindOneOf(L"cb"), 2);
    EXPECT_EQ(s.Replace(L",", L";;"), 3);
    EXPECT_EQ(s, L"a;;b;;;;c");
    EXPECT_EQ(s.Replace(L"", L"x"), 0);
    EXPECT_EQ(s.Remove(L';'), 6);
    EXPECT_EQ(s, L"abc");
    s.Insert(1, L"XY");
    s.Insert(99, L'!');
    EXPECT_EQ(s, L"aXYbc!");
    s.Delete(1, 2);
    EXPECT_EQ(s, L"abc!");
}

TEST(CStringText, TrimCaseAndCompare)
{
    CString s(L"  Wall 12 \t");
    s.Trim();
    EXPECT_EQ(s, L"Wall 12");
    CString z(L"0012.500");
    z.TrimRight(L'0').TrimLeft(L"0");
    EXPECT_EQ(z, L"12.5");
    CString u(s);
    u.MakeUpper();
    EXPECT_EQ(u, L"WALL 12");
    EXPECT_EQ(u.CompareNoCase(L"wall 12"), 0);
    EXPECT_NE(u.Compare(L"wall 12"), 0);
    EXPECT_LT(CString(L"a"), CString(L"b"));
    EXPECT_TRUE(CString(L"x") == L"x");
    EXPECT_TRUE(L"x" == CString(L"x"));
}

TEST(CStringText, TokenizeWalksToTheEnd)
{
    CString s(L"1, 2,,3");
    int pos = 0;
    std::vector<std::wstring> tokens;
    for (CString t = s.Tokenize(L", ", pos); pos != -1; t = s.Tokenize(L", ", pos))
        tokens.push_back(t.str());
    EXPECT_EQ(tokens, (std::vector<std::wstring>{L"1", L"2", L"3"}));
}

TEST(CStringText, BufferAccessReleasesAtFirstNul)
{
    CString s;
    wchar_t* buf = s.GetBuffer(16);
    std::wcscpy(buf, L"seven");
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetLength(), 5);
    EXPECT_EQ(s, L"seven");
    s.GetBuffer();
    s.ReleaseBuffer(3);
    EXPECT_EQ(s, L"sev");
}

TEST(CStringText, NarrowConstructionUsesTheAnsiCodePage)
{
    EXPECT_EQ(CString("\xC7\xBD"), L"墙");
    EXPECT_EQ(CString(static_cast<const char*>(nullptr)), L"");
    EXPECT_EQ(CString(static_cast<const wchar_t*>(nullptr)), L"");
    EXPECT_EQ(CString(L'-', 3), L"---");
}
