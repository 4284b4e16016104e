#pragma once
// The CAD platform's string classes: WString (wide) and Utf8String (UTF-8 bytes). Both are the
// standard strings with the platform's conversions and formatting on top, so they pass to any
// code that takes std::wstring or std::string.

#include "platform/base/Encoding.h"
#include "platform/base/FormatArgs.h"

#include <cstdarg>
#include <string>
#include <string_view>

class Utf8String;

class WString : public std::wstring
{
public:
    WString() = default;
    WString(const wchar_t* s) : std::wstring(s ? s : L"") {}
    WString(const wchar_t* s, size_t n) : std::wstring(s ? s : L"", s ? n : 0) {}
    WString(std::wstring s) : std::wstring(std::move(s)) {}
    WString(std::wstring_view s) : std::wstring(s) {}
    // Narrow text is UTF-8 when isUtf8 is true, otherwise the ANSI code page.
    WString(const char* s, bool isUtf8);
    explicit WString(const Utf8String& s);

    const wchar_t* GetWCharCP() const noexcept { return c_str(); }
    WString& AssignUtf8(const char* utf8);
    WString& AssignA(const char* ansi);

    template <class... Args>
    WString& Sprintf(const wchar_t* format, const Args&... args)
    {
        return SprintfImpl(format, zt::base::FormatArg(args)...);
    }
    WString& VSprintf(const wchar_t* format, va_list args);

    int CompareTo(const wchar_t* other) const;
    int CompareToI(const wchar_t* other) const;
    bool EqualsI(const wchar_t* other) const { return CompareToI(other) == 0; }
    bool StartsWith(std::wstring_view prefix) const
    {
        return std::wstring_view(*this).starts_with(prefix);
    }
    bool EndsWith(std::wstring_view suffix) const
    {
        return std::wstring_view(*this).ends_with(suffix);
    }
    WString& Trim();
    WString& ToUpper();
    WString& ToLower();
    bool ContainsI(const wchar_t* other) const;

private:
    WString& SprintfImpl(const wchar_t* format, ...);
};

class Utf8String : public std::string
{
public:
    Utf8String() = default;
    Utf8String(const char* s) : std::string(s ? s : "") {}
    Utf8String(const char* s, size_t n) : std::string(s ? s : "", s ? n : 0) {}
    Utf8String(std::string s) : std::string(std::move(s)) {}
    Utf8String(std::string_view s) : std::string(s) {}
    explicit Utf8String(const wchar_t* wide) : std::string(zt::base::WideToUtf8(wide ? wide : L""))
    {}
    explicit Utf8String(const WString& wide) : std::string(zt::base::WideToUtf8(wide)) {}

    Utf8String& Assign(const wchar_t* wide);
    // printf with the C library's narrow rules (the text is UTF-8 throughout).
    Utf8String& Sprintf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    Utf8String& VSprintf(const char* format, va_list args);
    int CompareTo(const char* other) const;
    int CompareToI(const char* other) const;
    bool EqualsI(const char* other) const { return CompareToI(other) == 0; }
    bool StartsWith(std::string_view prefix) const
    {
        return std::string_view(*this).starts_with(prefix);
    }
    bool EndsWith(std::string_view suffix) const
    {
        return std::string_view(*this).ends_with(suffix);
    }
    Utf8String& Trim();
};

using WStringCR = const WString&;
using Utf8StringCR = const Utf8String&;
using WCharCP = const wchar_t*;
using Utf8CP = const char*;
