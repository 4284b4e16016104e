// The kernel's string functions as Win32 code calls them, null arguments included.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

TEST(KernelStrings, CompareCopyAppendAndMeasure)
{
    EXPECT_LT(lstrcmp(TEXT("abc"), TEXT("abd")), 0);
    EXPECT_EQ(lstrcmp(TEXT("abc"), TEXT("abc")), 0);
    EXPECT_EQ(lstrcmpi(TEXT("WallABC"), TEXT("wallabc")), 0);
    EXPECT_GT(lstrcmpi(TEXT("b"), TEXT("A")), 0);
    EXPECT_EQ(lstrcmp(nullptr, TEXT("")), 0); // a null string is the empty one

    TCHAR buffer[16];
    lstrcpy(buffer, TEXT("墙"));
    lstrcat(buffer, TEXT("体"));
    EXPECT_EQ(std::wstring(buffer), L"墙体");
    EXPECT_EQ(lstrlen(buffer), 2);
    EXPECT_EQ(lstrlen(nullptr), 0);

    // lstrcpyn copies at most n - 1 characters and always terminates.
    lstrcpyn(buffer, TEXT("abcdef"), 4);
    EXPECT_EQ(std::wstring(buffer), L"abc");
    EXPECT_EQ(lstrcpy(nullptr, TEXT("x")), nullptr);

    char narrow[8];
    lstrcpynA(narrow, "hello", 3);
    EXPECT_STREQ(narrow, "he");
    EXPECT_EQ(lstrcmpiA("HeLLo", "hello"), 0);
}

TEST(KernelStrings, WsprintfFormatsWideArgumentsAndStopsAt1024Characters)
{
    TCHAR buffer[2048];
    int n = wsprintf(buffer, TEXT("%s=%d (%c)"), TEXT("宽度"), 240, L'米');
    EXPECT_EQ(std::wstring(buffer), L"宽度=240 (米)");
    EXPECT_EQ(n, lstrlen(buffer));

    std::wstring longText(1500, L'x');
    n = wsprintf(buffer, TEXT("%s"), longText.c_str());
    EXPECT_EQ(n, 1023);
    EXPECT_EQ(lstrlen(buffer), 1023);
}
