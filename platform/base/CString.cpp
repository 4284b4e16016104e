#include "platform/base/CString.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>

namespace {

bool IsIn(wchar_t ch, const wchar_t* set)
{
    return set && ch && std::wcschr(set, ch) != nullptr;
}

int Clamp(int v, int lo, int hi)
{
    return std::max(lo, std::min(v, hi));
}

// Folds case the way Windows' ordinal-ignore-case comparison does for the text we meet:
// simple per-character upper-casing.
wchar_t Fold(wchar_t c)
{
    return static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
}

} // namespace

void CString::Append(const wchar_t* s, int length)
{
    if (!s)
        return;
    if (length < 0)
        m_s += s;
    else
        m_s.append(s, wcsnlen(s, static_cast<size_t>(length)));
}

int CString::Compare(const wchar_t* s) const
{
    int r = std::wcscmp(m_s.c_str(), s ? s : L"");
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::CompareNoCase(const wchar_t* s) const
{
    const wchar_t* a = m_s.c_str();
    const wchar_t* b = s ? s : L"";
    for (;; ++a, ++b) {
        wchar_t x = Fold(*a), y = Fold(*b);
        if (x != y)
            return x < y ? -1 : 1;
        if (!x)
            return 0;
    }
}

CString CString::Left(int count) const
{
    return CString(m_s.substr(0, static_cast<size_t>(Clamp(count, 0, GetLength()))));
}

CString CString::Right(int count) const
{
    int n = Clamp(count, 0, GetLength());
    return CString(m_s.substr(m_s.size() - static_cast<size_t>(n)));
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    int start = Clamp(first, 0, GetLength());
    int n = Clamp(count, 0, GetLength() - start);
    return CString(m_s.substr(static_cast<size_t>(start), static_cast<size_t>(n)));
}

CString CString::SpanIncluding(const wchar_t* set) const
{
    size_t n = 0;
    while (n < m_s.size() && IsIn(m_s[n], set))
        ++n;
    return CString(m_s.substr(0, n));
}

CString CString::SpanExcluding(const wchar_t* set) const
{
    size_t n = 0;
    while (n < m_s.size() && !IsIn(m_s[n], set))
        ++n;
    return CString(m_s.substr(0, n));
}

CString CString::Tokenize(const wchar_t* delimiters, int& start) const
{
    if (start < 0 || start >= GetLength()) {
        start = -1;
        return CString();
    }
    size_t i = static_cast<size_t>(start);
    while (i < m_s.size() && IsIn(m_s[i], delimiters))
        ++i;
    if (i >= m_s.size()) {
        start = -1;
        return CString();
    }
    size_t j = i;
    while (j < m_s.size() && !IsIn(m_s[j], delimiters))
        ++j;
    start = static_cast<int>(std::min(j + 1, m_s.size()));
    return CString(m_s.substr(i, j - i));
}

int CString::Find(wchar_t ch, int start) const
{
    if (start < 0 || start >= GetLength())
        return -1;
    size_t p = m_s.find(ch, static_cast<size_t>(start));
    return p == std::wstring::npos ? -1 : static_cast<int>(p);
}

int CString::Find(const wchar_t* sub, int start) const
{
    if (!sub || start < 0 || start > GetLength())
        return -1;
    size_t p = m_s.find(sub, static_cast<size_t>(start));
    return p == std::wstring::npos ? -1 : static_cast<int>(p);
}

int CString::ReverseFind(wchar_t ch) const
{
    size_t p = m_s.rfind(ch);
    return p == std::wstring::npos ? -1 : static_cast<int>(p);
}

int CString::FindOneOf(const wchar_t* set) const
{
    if (!set)
        return -1;
    size_t p = m_s.find_first_of(set);
    return p == std::wstring::npos ? -1 : static_cast<int>(p);
}

int CString::Replace(wchar_t oldCh, wchar_t newCh)
{
    int n = 0;
    for (auto& c : m_s) {
        if (c == oldCh) {
            c = newCh;
            ++n;
        }
    }
    return n;
}

int CString::Replace(const wchar_t* oldText, const wchar_t* newText)
{
    if (!oldText || !*oldText)
        return 0;
    std::wstring_view from(oldText);
    std::wstring_view to(newText ? newText : L"");
    std::wstring out;
    int n = 0;
    size_t pos = 0;
    for (size_t hit; (hit = m_s.find(from, pos)) != std::wstring::npos; pos = hit + from.size()) {
        out.append(m_s, pos, hit - pos);
        out += to;
        ++n;
    }
    if (n) {
        out.append(m_s, pos);
        m_s = std::move(out);
    }
    return n;
}

int CString::Remove(wchar_t ch)
{
    size_t before = m_s.size();
    std::erase(m_s, ch);
    return static_cast<int>(before - m_s.size());
}

int CString::Insert(int index, wchar_t ch)
{
    m_s.insert(static_cast<size_t>(Clamp(index, 0, GetLength())), 1, ch);
    return GetLength();
}

int CString::Insert(int index, const wchar_t* s)
{
    if (s)
        m_s.insert(static_cast<size_t>(Clamp(index, 0, GetLength())), s);
    return GetLength();
}

int CString::Delete(int index, int count)
{
    if (index >= 0 && index < GetLength() && count > 0)
        m_s.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return GetLength();
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}
CString& CString::Trim(wchar_t ch)
{
    return TrimRight(ch).TrimLeft(ch);
}
CString& CString::Trim(const wchar_t* set)
{
    return TrimRight(set).TrimLeft(set);
}

CString& CString::TrimLeft()
{
    size_t i = 0;
    while (i < m_s.size() && std::iswspace(static_cast<wint_t>(m_s[i])))
        ++i;
    m_s.erase(0, i);
    return *this;
}
CString& CString::TrimLeft(wchar_t ch)
{
    size_t i = 0;
    while (i < m_s.size() && m_s[i] == ch)
        ++i;
    m_s.erase(0, i);
    return *this;
}
CString& CString::TrimLeft(const wchar_t* set)
{
    size_t i = 0;
    while (i < m_s.size() && IsIn(m_s[i], set))
        ++i;
    m_s.erase(0, i);
    return *this;
}

CString& CString::TrimRight()
{
    while (!m_s.empty() && std::iswspace(static_cast<wint_t>(m_s.back())))
        m_s.pop_back();
    return *this;
}
CString& CString::TrimRight(wchar_t ch)
{
    while (!m_s.empty() && m_s.back() == ch)
        m_s.pop_back();
    return *this;
}
CString& CString::TrimRight(const wchar_t* set)
{
    while (!m_s.empty() && IsIn(m_s.back(), set))
        m_s.pop_back();
    return *this;
}

CString& CString::MakeUpper()
{
    for (auto& c : m_s)
        c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    return *this;
}

CString& CString::MakeLower()
{
    for (auto& c : m_s)
        c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_s.begin(), m_s.end());
    return *this;
}

void CString::FormatV(const wchar_t* format, va_list args)
{
    m_s = zt::base::FormatWideV(format, args);
}

void CString::AppendFormatV(const wchar_t* format, va_list args)
{
    m_s += zt::base::FormatWideV(format, args);
}

void CString::FormatImpl(const wchar_t* format, ...)
{
    va_list ap;
    va_start(ap, format);
    FormatV(format, ap);
    va_end(ap);
}

void CString::AppendFormatImpl(const wchar_t* format, ...)
{
    va_list ap;
    va_start(ap, format);
    AppendFormatV(format, ap);
    va_end(ap);
}

wchar_t* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_s.resize(static_cast<size_t>(minLength));
    return m_s.data();
}

wchar_t* CString::GetBufferSetLength(int length)
{
    m_s.resize(static_cast<size_t>(std::max(length, 0)));
    return m_s.data();
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        m_s.resize(wcsnlen(m_s.c_str(), m_s.size()));
    else if (static_cast<size_t>(newLength) <= m_s.size())
        m_s.resize(static_cast<size_t>(newLength));
}

namespace {
CString::ChainStringLoader g_chainLoader = nullptr;
CString::ModuleStringLoader g_moduleLoader = nullptr;
} // namespace

void CString::SetStringLoader(ChainStringLoader chain, ModuleStringLoader module)
{
    g_chainLoader = chain;
    g_moduleLoader = module;
}

BOOL CString::LoadString(UINT nID)
{
    std::wstring text;
    bool ok = g_chainLoader && g_chainLoader(nID, text);
    m_s = ok ? std::move(text) : std::wstring();
    return ok ? TRUE : FALSE;
}

BOOL CString::LoadString(HINSTANCE hInstance, UINT nID)
{
    std::wstring text;
    bool ok = g_moduleLoader && g_moduleLoader(hInstance, nID, text);
    m_s = ok ? std::move(text) : std::wstring();
    return ok ? TRUE : FALSE;
}
