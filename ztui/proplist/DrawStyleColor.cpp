#include "ztui/proplist/DrawStyleColor.h"

#include <cwchar>
#include <cwctype>
#include <string>

namespace dsc {

namespace {

// A style file written by hand is read no further than this many characters of one list.
constexpr size_t kMaxColorListLength = 400;

void ReplaceAll(std::wstring& s, std::wstring_view from, std::wstring_view to)
{
    for (size_t at = s.find(from); at != std::wstring::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
}

bool ParseHex(const std::wstring& token, COLORREF& out)
{
    for (size_t i = 1; i < token.size(); ++i)
        if (!std::iswxdigit(static_cast<wint_t>(token[i])))
            return false;
    auto pair = [&](size_t at) {
        return static_cast<BYTE>(std::wcstoul(token.substr(at, 2).c_str(), nullptr, 16));
    };
    out = RGB(pair(1), pair(3), pair(5));
    return true;
}

bool ParseRgb(std::wstring token, COLORREF& out)
{
    for (auto& c : token)
        c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    if (token.rfind(L"rgb(", 0) != 0)
        return false;
    std::vector<std::wstring> parts;
    std::wstring current;
    for (wchar_t c : token) {
        if (c == L'(' || c == L')' || c == L',') {
            if (!current.empty())
                parts.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        parts.push_back(std::move(current));
    if (parts.size() != 4)
        return false;
    auto channel = [](const std::wstring& s) {
        return static_cast<BYTE>(std::wcstol(s.c_str(), nullptr, 10) & 0xFF);
    };
    out = RGB(channel(parts[1]), channel(parts[2]), channel(parts[3]));
    return true;
}

} // namespace

COLORREF DrawStyleColor::colorAt(int i) const
{
    if (i < 0 || i >= count())
        return RGB(0, 0, 0);
    return m_colors[static_cast<size_t>(i)];
}

DrawStyleColor DrawStyleColor::Parse(std::wstring_view text)
{
    std::wstring s;
    for (wchar_t c : text)
        if (!std::iswspace(static_cast<wint_t>(c)))
            s += c;
    ReplaceAll(s, L"),", L");");
    ReplaceAll(s, L",#", L";#");
    if (s.size() > kMaxColorListLength)
        s.resize(kMaxColorListLength);

    std::vector<COLORREF> colors;
    size_t start = 0;
    while (start <= s.size()) {
        size_t end = s.find(L';', start);
        if (end == std::wstring::npos)
            end = s.size();
        std::wstring token = s.substr(start, end - start);
        COLORREF c;
        if (token.size() == 7 && token[0] == L'#' ? ParseHex(token, c) : ParseRgb(token, c))
            colors.push_back(c);
        start = end + 1;
    }
    return DrawStyleColor(std::move(colors));
}

} // namespace dsc
