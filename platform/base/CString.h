#pragma once
// The MFC wide string class, as library code written for MFC uses it. The text is held in a
// std::wstring; LPCWSTR conversion, GetBuffer/ReleaseBuffer and the Windows formatting rules
// behave as in MFC's Unicode build.

#include "platform/base/Encoding.h"
#include "platform/base/FormatArgs.h"
#include "platform/base/WinTypes.h"

#include <cstdarg>
#include <functional>
#include <string>
#include <string_view>

class CString
{
public:
    CString() = default;
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    CString(const wchar_t* s) : m_s(s ? s : L"") {}
    CString(const wchar_t* s, int length)
        : m_s(s ? std::wstring(s, length > 0 ? length : 0) : std::wstring())
    {}
    // Narrow text is read in the ANSI code page, as MFC's CStringW(LPCSTR) does.
    CString(const char* s) : m_s(s ? zt::base::AnsiToWide(s) : std::wstring()) {}
    CString(wchar_t ch, int repeat = 1) : m_s(repeat > 0 ? static_cast<size_t>(repeat) : 0, ch) {}
    CString(std::wstring s) : m_s(std::move(s)) {}
    CString(std::wstring_view s) : m_s(s) {}

    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(const wchar_t* s)
    {
        m_s = s ? s : L"";
        return *this;
    }
    CString& operator=(wchar_t ch)
    {
        m_s.assign(1, ch);
        return *this;
    }
    CString& operator=(const char* s) { return *this = CString(s); }

    operator LPCWSTR() const noexcept { return m_s.c_str(); }
    LPCWSTR GetString() const noexcept { return m_s.c_str(); }
    const std::wstring& str() const noexcept { return m_s; }

    int GetLength() const noexcept { return static_cast<int>(m_s.size()); }
    bool IsEmpty() const noexcept { return m_s.empty(); }
    void Empty() noexcept { m_s.clear(); }

    wchar_t GetAt(int i) const { return InRange(i) ? m_s[static_cast<size_t>(i)] : L'\0'; }
    void SetAt(int i, wchar_t ch)
    {
        if (InRange(i))
            m_s[static_cast<size_t>(i)] = ch;
    }
    wchar_t operator[](int i) const { return GetAt(i); }

    CString& operator+=(const CString& s)
    {
        m_s += s.m_s;
        return *this;
    }
    CString& operator+=(const wchar_t* s)
    {
        if (s)
            m_s += s;
        return *this;
    }
    CString& operator+=(wchar_t ch)
    {
        m_s += ch;
        return *this;
    }
    void Append(const wchar_t* s, int length = -1);
    void AppendChar(wchar_t ch) { m_s += ch; }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_s + b.m_s); }
    friend CString operator+(const CString& a, const wchar_t* b)
    {
        return CString(a.m_s + (b ? b : L""));
    }
    friend CString operator+(const wchar_t* a, const CString& b)
    {
        return CString((a ? a : L"") + b.m_s);
    }
    friend CString operator+(const CString& a, wchar_t b) { return CString(a.m_s + b); }
    friend CString operator+(wchar_t a, const CString& b) { return CString(a + b.m_s); }

    friend bool operator==(const CString& a, const CString& b) { return a.m_s == b.m_s; }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.m_s == (b ? b : L""); }
    friend bool operator==(const wchar_t* a, const CString& b) { return b == a; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const wchar_t* b) { return !(a == b); }
    friend bool operator!=(const wchar_t* a, const CString& b) { return !(b == a); }
    friend bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
    friend bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
    friend bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
    friend bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }

    // Ordinal comparison, as wcscmp.
    int Compare(const wchar_t* s) const;
    int CompareNoCase(const wchar_t* s) const;

    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString SpanIncluding(const wchar_t* set) const;
    CString SpanExcluding(const wchar_t* set) const;
    // Returns the next token after start and moves start past it; at the end, an empty
    // string and start = -1.
    CString Tokenize(const wchar_t* delimiters, int& start) const;

    int Find(wchar_t ch, int start = 0) const;
    int Find(const wchar_t* sub, int start = 0) const;
    int ReverseFind(wchar_t ch) const;
    int FindOneOf(const wchar_t* set) const;

    int Replace(wchar_t oldCh, wchar_t newCh);
    int Replace(const wchar_t* oldText, const wchar_t* newText);
    int Remove(wchar_t ch);
    int Insert(int index, wchar_t ch);
    int Insert(int index, const wchar_t* s);
    int Delete(int index, int count = 1);

    CString& Trim();
    CString& Trim(wchar_t ch);
    CString& Trim(const wchar_t* set);
    CString& TrimLeft();
    CString& TrimLeft(wchar_t ch);
    CString& TrimLeft(const wchar_t* set);
    CString& TrimRight();
    CString& TrimRight(wchar_t ch);
    CString& TrimRight(const wchar_t* set);
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    // Windows wide formatting: %s and %c take wide text, %hs and %hc narrow.
    template <class... Args>
    void Format(const wchar_t* format, const Args&... args)
    {
        FormatImpl(format, zt::base::FormatArg(args)...);
    }
    template <class... Args>
    void AppendFormat(const wchar_t* format, const Args&... args)
    {
        AppendFormatImpl(format, zt::base::FormatArg(args)...);
    }
    void FormatV(const wchar_t* format, va_list args);
    void AppendFormatV(const wchar_t* format, va_list args);

    // Direct access to the character buffer; ReleaseBuffer(-1) ends the text at its first NUL.
    wchar_t* GetBuffer(int minLength = 0);
    wchar_t* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);
    void Preallocate(int length) { m_s.reserve(length > 0 ? static_cast<size_t>(length) : 0); }

    // String-table resources: the resource chain of the class library (the current resource
    // module first), or one module. FALSE leaves the string empty. The loaders are installed
    // by the window library when it is loaded.
    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID);
    using ChainStringLoader = bool (*)(UINT id, std::wstring& text);
    using ModuleStringLoader = bool (*)(HINSTANCE module, UINT id, std::wstring& text);
    static void SetStringLoader(ChainStringLoader chain, ModuleStringLoader module);

private:
    bool InRange(int i) const noexcept { return i >= 0 && static_cast<size_t>(i) < m_s.size(); }
    void FormatImpl(const wchar_t* format, ...);
    void AppendFormatImpl(const wchar_t* format, ...);

    std::wstring m_s;
};

using CStringW = CString;

template <>
struct std::hash<CString>
{
    size_t operator()(const CString& s) const noexcept
    {
        return std::hash<std::wstring>()(s.str());
    }
};
