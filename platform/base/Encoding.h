#pragma once
// Text conversions between the encodings the library meets: UTF-8 (keys, JSON, files), wide
// strings (every window and property text), UTF-16 (files written on Windows) and the narrow
// ANSI code page of the user's locale (legacy files, expression parsing). Every conversion
// accepts malformed input and replaces what it cannot read with U+FFFD (or '?' when the
// target is a narrow code page), so text the user typed is never dropped wholesale.

#include <cstdarg>
#include <string>
#include <string_view>

namespace zt::base {

inline constexpr char32_t kReplacementChar = 0xFFFD;

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);
std::u16string WideToUtf16(std::wstring_view wide);
std::wstring Utf16ToWide(std::u16string_view utf16);

// The ANSI code page: a process-wide setting, 936 (simplified Chinese, GBK) unless changed.
unsigned GetAnsiCodePage();
void SetAnsiCodePage(unsigned codePage);

// Characters the code page cannot hold become '?', as WideCharToMultiByte's default char.
std::string WideToAnsi(std::wstring_view wide, unsigned codePage = GetAnsiCodePage());
std::wstring AnsiToWide(std::string_view ansi, unsigned codePage = GetAnsiCodePage());

// Ordinal comparison by UTF-16 code units, the order of the property maps on the real
// platform: characters outside the basic plane sort as their surrogate pairs (below U+E000),
// not by code point.
int CompareUtf16Ordinal(std::wstring_view a, std::wstring_view b) noexcept;

struct Utf16OrdinalLess
{
    using is_transparent = void;
    bool operator()(std::wstring_view a, std::wstring_view b) const noexcept
    {
        return CompareUtf16Ordinal(a, b) < 0;
    }
};

// printf-style formatting with the rules of the Windows wide functions: %s and %c take wide
// arguments, %hs/%S and %hc/%C narrow ones (in the ANSI code page), %ld is 32 bits and %I64d
// or %lld 64 bits. A malformed directive is copied to the output as it stands.
std::wstring FormatWideV(const wchar_t* format, va_list args);
std::wstring FormatWide(const wchar_t* format, ...);

} // namespace zt::base
