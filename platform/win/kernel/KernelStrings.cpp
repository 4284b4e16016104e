#include "platform/win/WinBase.h"

#include "platform/base/CString.h"
#include "platform/base/Encoding.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <strings.h>

namespace {

// Windows answers a null string as the empty one.
const wchar_t* OrEmpty(const wchar_t* s)
{
    return s ? s : L"";
}
const char* OrEmpty(const char* s)
{
    return s ? s : "";
}

int Sign(int v)
{
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

template <class Char>
Char* CopyN(Char* destination, const Char* source, int maxLength)
{
    if (!destination || maxLength <= 0)
        return destination;
    const Char* from = OrEmpty(source);
    int i = 0;
    for (; i < maxLength - 1 && from[i]; ++i)
        destination[i] = from[i];
    destination[i] = 0;
    return destination;
}

// The largest output wsprintf writes, terminator included.
constexpr size_t kFormatLimit = 1024;

} // namespace

extern "C" {

int lstrcmpW(LPCWSTR a, LPCWSTR b)
{
    return Sign(std::wcscmp(OrEmpty(a), OrEmpty(b)));
}

int lstrcmpiW(LPCWSTR a, LPCWSTR b)
{
    // The same case folding as CString's comparisons, accented letters included.
    return CString(OrEmpty(a)).CompareNoCase(OrEmpty(b));
}

LPWSTR lstrcpyW(LPWSTR destination, LPCWSTR source)
{
    if (!destination)
        return nullptr;
    return std::wcscpy(destination, OrEmpty(source));
}

LPWSTR lstrcpynW(LPWSTR destination, LPCWSTR source, int maxLength)
{
    return CopyN(destination, source, maxLength);
}

LPWSTR lstrcatW(LPWSTR destination, LPCWSTR source)
{
    if (!destination)
        return nullptr;
    return std::wcscat(destination, OrEmpty(source));
}

int lstrlenW(LPCWSTR text)
{
    return static_cast<int>(std::wcslen(OrEmpty(text)));
}

int lstrcmpA(LPCSTR a, LPCSTR b)
{
    return Sign(std::strcmp(OrEmpty(a), OrEmpty(b)));
}

int lstrcmpiA(LPCSTR a, LPCSTR b)
{
    return Sign(strcasecmp(OrEmpty(a), OrEmpty(b)));
}

LPSTR lstrcpyA(LPSTR destination, LPCSTR source)
{
    if (!destination)
        return nullptr;
    return std::strcpy(destination, OrEmpty(source));
}

LPSTR lstrcpynA(LPSTR destination, LPCSTR source, int maxLength)
{
    return CopyN(destination, source, maxLength);
}

LPSTR lstrcatA(LPSTR destination, LPCSTR source)
{
    if (!destination)
        return nullptr;
    return std::strcat(destination, OrEmpty(source));
}

int lstrlenA(LPCSTR text)
{
    return static_cast<int>(std::strlen(OrEmpty(text)));
}

int wvsprintfW(LPWSTR buffer, LPCWSTR format, va_list args)
{
    if (!buffer)
        return 0;
    if (!format) {
        buffer[0] = L'\0';
        return 0;
    }
    std::wstring text = zt::base::FormatWideV(format, args);
    size_t n = std::min(text.size(), kFormatLimit - 1);
    std::copy_n(text.c_str(), n, buffer);
    buffer[n] = L'\0';
    return static_cast<int>(n);
}

int wsprintfW(LPWSTR buffer, LPCWSTR format, ...)
{
    va_list args;
    va_start(args, format);
    int n = wvsprintfW(buffer, format, args);
    va_end(args);
    return n;
}

} // extern "C"
