#pragma once
// <tchar.h>: the generic-text names of a Unicode build.

#include "platform/base/WinTypes.h"

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <cwctype>

#ifndef _TEXT
#define _TEXT(x) L##x
#endif
using _TCHAR = wchar_t;
using _TSCHAR = wchar_t;
using _TUCHAR = wchar_t;
using _TINT = std::wint_t;

#define _tWinMain wWinMain
#define _tcslen wcslen
#define _tcscpy wcscpy
#define _tcsncpy wcsncpy
#define _tcscat wcscat
#define _tcsncat wcsncat
#define _tcscmp wcscmp
#define _tcsncmp wcsncmp
#define _tcsicmp _wcsicmp
#define _tcschr wcschr
#define _tcsrchr wcsrchr
#define _tcsstr wcsstr
#define _tcstol wcstol
#define _tcstoul wcstoul
#define _tcstod wcstod
#define _ttoi _wtoi
#define _ttol _wtol
#define _stprintf swprintf
#define _sntprintf swprintf
#define _tprintf wprintf
#define _totupper towupper
#define _totlower towlower
#define _istdigit iswdigit
#define _istspace iswspace
#define _istalpha iswalpha

// The Microsoft C library's names for two helpers the generic names above use.
inline int _wcsicmp(const wchar_t* a, const wchar_t* b)
{
    return wcscasecmp(a, b);
}
inline int _wtoi(const wchar_t* text)
{
    return static_cast<int>(std::wcstol(text, nullptr, 10));
}
inline long _wtol(const wchar_t* text)
{
    return std::wcstol(text, nullptr, 10);
}
