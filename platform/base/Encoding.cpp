#include "platform/base/Encoding.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iconv.h>
#include <map>
#include <memory>
#include <utility>

namespace zt::base {

namespace {

bool IsScalarValue(char32_t c)
{
    return c < 0xD800 || (c > 0xDFFF && c <= 0x10FFFF);
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (!IsScalarValue(c))
        c = kReplacementChar;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Reads wide text as code points. A wide string that came from UTF-16 code units one by one
// may hold surrogate pairs; they are joined, and a lone surrogate becomes U+FFFD.
template <class Fn>
void ForEachCodePoint(std::wstring_view wide, Fn&& fn)
{
    for (size_t i = 0; i < wide.size(); ++i) {
        char32_t c = static_cast<char32_t>(wide[i]);
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < wide.size()) {
            char32_t low = static_cast<char32_t>(wide[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        fn(IsScalarValue(c) ? c : kReplacementChar);
    }
}

std::atomic<unsigned> g_ansiCodePage{936};

std::string IconvName(unsigned codePage)
{
    switch (codePage) {
    case 65001:
        return "UTF-8";
    case 1200:
        return "UTF-16LE";
    case 1201:
        return "UTF-16BE";
    case 20127:
        return "ASCII";
    case 28591:
        return "ISO-8859-1";
    case 54936:
        return "GB18030";
    default:
        return "CP" + std::to_string(codePage);
    }
}

struct IconvCloser
{
    void operator()(iconv_t* cd) const
    {
        iconv_close(*cd);
        delete cd;
    }
};
using IconvHandle = std::unique_ptr<iconv_t, IconvCloser>;

// iconv descriptors carry conversion state and are not safe to share between threads, so
// each thread keeps its own, opened once per code page and direction.
iconv_t CachedIconv(unsigned codePage, bool toAnsi)
{
    thread_local std::map<std::pair<unsigned, bool>, IconvHandle> cache;
    auto key = std::make_pair(codePage, toAnsi);
    auto it = cache.find(key);
    if (it == cache.end()) {
        std::string name = IconvName(codePage);
        iconv_t cd =
            toAnsi ? iconv_open(name.c_str(), "UTF-32LE") : iconv_open("UTF-32LE", name.c_str());
        IconvHandle handle(cd == reinterpret_cast<iconv_t>(-1) ? nullptr : new iconv_t(cd));
        it = cache.emplace(key, std::move(handle)).first;
    }
    return it->second ? *it->second : reinterpret_cast<iconv_t>(-1);
}

bool IconvValid(iconv_t cd)
{
    return cd != reinterpret_cast<iconv_t>(-1);
}

} // namespace

std::wstring Utf8ToWide(std::string_view utf8)
{
    std::wstring out;
    out.reserve(utf8.size());
    const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
    const size_t n = utf8.size();
    size_t i = 0;
    while (i < n) {
        unsigned char b = s[i];
        if (b < 0x80) {
            out += static_cast<wchar_t>(b);
            ++i;
            continue;
        }
        int need;
        char32_t c;
        unsigned char lo = 0x80, hi = 0xBF; // allowed range of the second byte
        if (b >= 0xC2 && b <= 0xDF) {
            need = 1;
            c = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            need = 2;
            c = b & 0x0F;
            if (b == 0xE0)
                lo = 0xA0; // no overlong forms
            if (b == 0xED)
                hi = 0x9F; // no surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            need = 3;
            c = b & 0x07;
            if (b == 0xF0)
                lo = 0x90;
            if (b == 0xF4)
                hi = 0x8F; // nothing above U+10FFFF
        } else {
            out += static_cast<wchar_t>(kReplacementChar);
            ++i;
            continue;
        }
        // A sequence cut short by a bad byte yields one replacement for the bytes read so far
        // (the maximal valid prefix) and decoding restarts at the bad byte.
        size_t j = i + 1;
        bool ok = true;
        for (int k = 0; k < need; ++k, ++j) {
            unsigned char lowLimit = k == 0 ? lo : 0x80;
            unsigned char highLimit = k == 0 ? hi : 0xBF;
            if (j >= n || s[j] < lowLimit || s[j] > highLimit) {
                ok = false;
                break;
            }
            c = (c << 6) | (s[j] & 0x3F);
        }
        out += static_cast<wchar_t>(ok ? c : kReplacementChar);
        i = j;
    }
    return out;
}

std::string WideToUtf8(std::wstring_view wide)
{
    std::string out;
    out.reserve(wide.size());
    ForEachCodePoint(wide, [&](char32_t c) { AppendUtf8(out, c); });
    return out;
}

std::u16string WideToUtf16(std::wstring_view wide)
{
    std::u16string out;
    out.reserve(wide.size());
    ForEachCodePoint(wide, [&](char32_t c) {
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    });
    return out;
}

std::wstring Utf16ToWide(std::u16string_view utf16)
{
    std::wstring out;
    out.reserve(utf16.size());
    for (size_t i = 0; i < utf16.size(); ++i) {
        char32_t c = utf16[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacementChar;
        }
        out += static_cast<wchar_t>(c);
    }
    return out;
}

unsigned GetAnsiCodePage()
{
    return g_ansiCodePage.load(std::memory_order_relaxed);
}

void SetAnsiCodePage(unsigned codePage)
{
    g_ansiCodePage.store(codePage, std::memory_order_relaxed);
}

std::string WideToAnsi(std::wstring_view wide, unsigned codePage)
{
    std::string out;
    iconv_t cd = CachedIconv(codePage, true);
    if (!IconvValid(cd)) {
        // An unknown code page keeps ASCII and marks everything else, rather than failing.
        ForEachCodePoint(wide, [&](char32_t c) { out += c < 0x80 ? static_cast<char>(c) : '?'; });
        return out;
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    // Converted one character at a time so that an unmappable one costs only itself.
    ForEachCodePoint(wide, [&](char32_t c) {
        if (c < 0x80) {
            out += static_cast<char>(c);
            return;
        }
        char in[4] = {static_cast<char>(c & 0xFF), static_cast<char>((c >> 8) & 0xFF),
                      static_cast<char>((c >> 16) & 0xFF), static_cast<char>((c >> 24) & 0xFF)};
        char buf[16];
        char* inp = in;
        size_t inLeft = sizeof in;
        char* outp = buf;
        size_t outLeft = sizeof buf;
        if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == static_cast<size_t>(-1)) {
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            out += '?';
            return;
        }
        out.append(buf, static_cast<size_t>(outp - buf));
    });
    return out;
}

std::wstring AnsiToWide(std::string_view ansi, unsigned codePage)
{
    std::wstring out;
    iconv_t cd = CachedIconv(codePage, false);
    if (!IconvValid(cd)) {
        for (unsigned char b : ansi)
            out += b < 0x80 ? static_cast<wchar_t>(b) : static_cast<wchar_t>(kReplacementChar);
        return out;
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    out.reserve(ansi.size());
    char* inp = const_cast<char*>(ansi.data());
    size_t inLeft = ansi.size();
    char buf[256];
    while (inLeft > 0) {
        char* outp = buf;
        size_t outLeft = sizeof buf;
        size_t r = iconv(cd, &inp, &inLeft, &outp, &outLeft);
        for (char* p = buf; p + 4 <= outp; p += 4) {
            char32_t c = static_cast<unsigned char>(p[0]) | static_cast<unsigned char>(p[1]) << 8 |
                         static_cast<unsigned char>(p[2]) << 16 |
                         static_cast<char32_t>(static_cast<unsigned char>(p[3])) << 24;
            out += static_cast<wchar_t>(c);
        }
        if (r == static_cast<size_t>(-1) && errno != E2BIG) {
            // An invalid or truncated byte sequence: mark it and go on with the next byte.
            out += static_cast<wchar_t>(kReplacementChar);
            ++inp;
            --inLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

namespace {

// Walks a wide string as UTF-16 code units without building the UTF-16 string.
class Utf16Units
{
public:
    explicit Utf16Units(std::wstring_view s) : m_s(s) {}
    bool AtEnd() const { return m_pos >= m_s.size() && m_pendingLow == 0; }
    char16_t Next()
    {
        if (m_pendingLow) {
            return static_cast<char16_t>(std::exchange(m_pendingLow, 0));
        }
        char32_t c = static_cast<char32_t>(m_s[m_pos++]);
        if (c >= 0x10000 && c <= 0x10FFFF) {
            c -= 0x10000;
            m_pendingLow = static_cast<char16_t>(0xDC00 + (c & 0x3FF));
            return static_cast<char16_t>(0xD800 + (c >> 10));
        }
        return static_cast<char16_t>(c > 0x10FFFF ? 0xFFFF : c);
    }

private:
    std::wstring_view m_s;
    size_t m_pos = 0;
    char16_t m_pendingLow = 0;
};

} // namespace

int CompareUtf16Ordinal(std::wstring_view a, std::wstring_view b) noexcept
{
    Utf16Units ua(a), ub(b);
    while (!ua.AtEnd() && !ub.AtEnd()) {
        char16_t x = ua.Next(), y = ub.Next();
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (ua.AtEnd() && ub.AtEnd())
        return 0;
    return ua.AtEnd() ? -1 : 1;
}

} // namespace zt::base
