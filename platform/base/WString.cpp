#include "platform/base/WString.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <cwctype>

namespace {

template <class C, class IsSpace>
void TrimBoth(std::basic_string<C>& s, IsSpace isSpace)
{
    size_t b = 0;
    while (b < s.size() && isSpace(s[b]))
        ++b;
    size_t e = s.size();
    while (e > b && isSpace(s[e - 1]))
        --e;
    s = s.substr(b, e - b);
}

} // namespace

WString::WString(const char* s, bool isUtf8)
    : std::wstring(!s       ? std::wstring()
                   : isUtf8 ? zt::base::Utf8ToWide(s)
                            : zt::base::AnsiToWide(s))
{}

WString::WString(const Utf8String& s) : std::wstring(zt::base::Utf8ToWide(s)) {}

WString& WString::AssignUtf8(const char* utf8)
{
    assign(zt::base::Utf8ToWide(utf8 ? utf8 : ""));
    return *this;
}

WString& WString::AssignA(const char* ansi)
{
    assign(zt::base::AnsiToWide(ansi ? ansi : ""));
    return *this;
}

WString& WString::VSprintf(const wchar_t* format, va_list args)
{
    assign(zt::base::FormatWideV(format, args));
    return *this;
}

WString& WString::SprintfImpl(const wchar_t* format, ...)
{
    va_list ap;
    va_start(ap, format);
    VSprintf(format, ap);
    va_end(ap);
    return *this;
}

int WString::CompareTo(const wchar_t* other) const
{
    int r = std::wcscmp(c_str(), other ? other : L"");
    return r < 0 ? -1 : r > 0;
}

int WString::CompareToI(const wchar_t* other) const
{
    WString a(*this), b(other);
    return a.ToUpper().CompareTo(b.ToUpper().c_str());
}

bool WString::ContainsI(const wchar_t* other) const
{
    WString a(*this), b(other);
    return a.ToUpper().find(b.ToUpper()) != npos;
}

WString& WString::Trim()
{
    TrimBoth(*this, [](wchar_t c) { return std::iswspace(static_cast<wint_t>(c)) != 0; });
    return *this;
}

WString& WString::ToUpper()
{
    for (auto& c : *this)
        c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    return *this;
}

WString& WString::ToLower()
{
    for (auto& c : *this)
        c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return *this;
}

Utf8String& Utf8String::Assign(const wchar_t* wide)
{
    assign(zt::base::WideToUtf8(wide ? wide : L""));
    return *this;
}

Utf8String& Utf8String::VSprintf(const char* format, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n < 0) {
        clear();
        return *this;
    }
    std::string buf(static_cast<size_t>(n) + 1, '\0');
    std::vsnprintf(buf.data(), buf.size(), format, args);
    buf.resize(static_cast<size_t>(n));
    assign(std::move(buf));
    return *this;
}

Utf8String& Utf8String::Sprintf(const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    VSprintf(format, ap);
    va_end(ap);
    return *this;
}

int Utf8String::CompareTo(const char* other) const
{
    int r = std::strcmp(c_str(), other ? other : "");
    return r < 0 ? -1 : r > 0;
}

int Utf8String::CompareToI(const char* other) const
{
    const char* a = c_str();
    const char* b = other ? other : "";
    for (;; ++a, ++b) {
        int x = std::tolower(static_cast<unsigned char>(*a));
        int y = std::tolower(static_cast<unsigned char>(*b));
        if (x != y)
            return x < y ? -1 : 1;
        if (!x)
            return 0;
    }
}

Utf8String& Utf8String::Trim()
{
    TrimBoth(*this, [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; });
    return *this;
}
