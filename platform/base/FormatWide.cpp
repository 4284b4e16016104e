#include "platform/base/Encoding.h"

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string>

namespace zt::base {

namespace {

enum class ArgSize
{
    Default,
    Short,    // h
    Char,     // hh
    Long,     // l or w: 32 bits for integers, wide for characters and strings
    LongLong, // ll, I64
    Pointer,  // I, z, t, j
};

struct Directive
{
    std::string flags;
    int width = -1;
    int precision = -1;
    ArgSize size = ArgSize::Default;
    bool narrowByH = false;
    wchar_t type = 0;
};

void Pad(std::wstring& out, const std::wstring& body, const Directive& d)
{
    bool left = d.flags.find('-') != std::string::npos;
    size_t width = d.width > 0 ? static_cast<size_t>(d.width) : 0;
    if (body.size() >= width) {
        out += body;
        return;
    }
    std::wstring fill(width - body.size(), L' ');
    out += left ? body + fill : fill + body;
}

std::string NarrowSpec(const Directive& d, const char* length, char type)
{
    // Built by appending only: GCC 12 at -O3 misreads "literal" + std::string as an
    // overlapping copy (-Wrestrict).
    std::string spec(1, '%');
    spec += d.flags;
    if (d.width >= 0)
        spec += std::to_string(d.width);
    if (d.precision >= 0) {
        spec += '.';
        spec += std::to_string(d.precision);
    }
    spec += length;
    spec += type;
    return spec;
}

template <class T>
std::wstring FormatNumber(const std::string& spec, T value)
{
    char small[128];
    int n = std::snprintf(small, sizeof small, spec.c_str(), value);
    std::string text;
    if (n < 0)
        return {};
    if (static_cast<size_t>(n) < sizeof small) {
        text.assign(small, static_cast<size_t>(n));
    } else {
        text.resize(static_cast<size_t>(n) + 1);
        std::snprintf(text.data(), text.size(), spec.c_str(), value);
        text.resize(static_cast<size_t>(n));
    }
    return std::wstring(text.begin(), text.end());
}

} // namespace

std::wstring FormatWideV(const wchar_t* format, va_list args)
{
    std::wstring out;
    if (!format)
        return out;
    va_list ap;
    va_copy(ap, args);
    const wchar_t* p = format;
    while (*p) {
        if (*p != L'%') {
            out += *p++;
            continue;
        }
        const wchar_t* start = p++;
        if (*p == L'%') {
            out += L'%';
            ++p;
            continue;
        }
        Directive d;
        while (*p && std::wcschr(L"-+ 0#", *p))
            d.flags += static_cast<char>(*p++);
        if (*p == L'*') {
            d.width = va_arg(ap, int);
            if (d.width < 0) {
                d.flags += '-';
                d.width = -d.width;
            }
            ++p;
        } else {
            while (*p >= L'0' && *p <= L'9')
                d.width = (d.width < 0 ? 0 : d.width) * 10 + (*p++ - L'0');
        }
        if (*p == L'.') {
            ++p;
            d.precision = 0;
            if (*p == L'*') {
                d.precision = va_arg(ap, int);
                ++p;
            } else {
                while (*p >= L'0' && *p <= L'9')
                    d.precision = d.precision * 10 + (*p++ - L'0');
            }
        }
        if (*p == L'h') {
            ++p;
            d.narrowByH = true;
            d.size = ArgSize::Short;
            if (*p == L'h') {
                ++p;
                d.size = ArgSize::Char;
            }
        } else if (*p == L'l') {
            ++p;
            d.size = ArgSize::Long;
            if (*p == L'l') {
                ++p;
                d.size = ArgSize::LongLong;
            }
        } else if (*p == L'w') {
            ++p;
            d.size = ArgSize::Long;
        } else if (*p == L'L') {
            ++p;
        } else if (*p == L'I') {
            ++p;
            if (p[0] == L'6' && p[1] == L'4') {
                p += 2;
                d.size = ArgSize::LongLong;
            } else if (p[0] == L'3' && p[1] == L'2') {
                p += 2;
                d.size = ArgSize::Long;
            } else {
                d.size = ArgSize::Pointer;
            }
        } else if (*p == L'z' || *p == L't' || *p == L'j') {
            ++p;
            d.size = ArgSize::Pointer;
        }
        d.type = *p;
        if (!d.type) {
            out.append(start);
            break;
        }
        ++p;
        switch (d.type) {
        case L'd':
        case L'i': {
            char t = 'd';
            if (d.size == ArgSize::LongLong || d.size == ArgSize::Pointer)
                out += FormatNumber(NarrowSpec(d, "ll", t),
                                    static_cast<long long>(va_arg(ap, long long)));
            else if (d.size == ArgSize::Short)
                out += FormatNumber(NarrowSpec(d, "", t),
                                    static_cast<int>(static_cast<short>(va_arg(ap, int))));
            else if (d.size == ArgSize::Char)
                out += FormatNumber(NarrowSpec(d, "", t),
                                    static_cast<int>(static_cast<signed char>(va_arg(ap, int))));
            else
                out += FormatNumber(NarrowSpec(d, "", t), va_arg(ap, int));
            break;
        }
        case L'u':
        case L'o':
        case L'x':
        case L'X': {
            char t = static_cast<char>(d.type);
            if (d.size == ArgSize::LongLong || d.size == ArgSize::Pointer)
                out += FormatNumber(NarrowSpec(d, "ll", t), va_arg(ap, unsigned long long));
            else if (d.size == ArgSize::Short)
                out += FormatNumber(
                    NarrowSpec(d, "", t),
                    static_cast<unsigned>(static_cast<unsigned short>(va_arg(ap, unsigned))));
            else if (d.size == ArgSize::Char)
                out += FormatNumber(
                    NarrowSpec(d, "", t),
                    static_cast<unsigned>(static_cast<unsigned char>(va_arg(ap, unsigned))));
            else
                out += FormatNumber(NarrowSpec(d, "", t), va_arg(ap, unsigned));
            break;
        }
        case L'f':
        case L'F':
        case L'e':
        case L'E':
        case L'g':
        case L'G':
        case L'a':
        case L'A':
            out += FormatNumber(NarrowSpec(d, "", static_cast<char>(d.type)), va_arg(ap, double));
            break;
        case L'p': {
            void* ptr = va_arg(ap, void*);
            // Windows prints pointers as zero-padded upper-case hex of the pointer's width.
            out += FormatNumber(
                "%016llX", static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(ptr)));
            break;
        }
        case L'c':
        case L'C': {
            bool narrow = d.type == L'C' ? d.size != ArgSize::Long : d.narrowByH;
            int v = va_arg(ap, int);
            std::wstring body;
            if (narrow) {
                char c = static_cast<char>(v);
                body = AnsiToWide(std::string_view(&c, 1));
            } else {
                body.assign(1, static_cast<wchar_t>(v));
            }
            Pad(out, body, d);
            break;
        }
        case L's':
        case L'S': {
            bool narrow = d.type == L'S' ? d.size != ArgSize::Long : d.narrowByH;
            std::wstring body;
            if (narrow) {
                const char* s = va_arg(ap, const char*);
                if (!s) {
                    body = L"(null)";
                } else {
                    std::string_view sv(s);
                    if (d.precision >= 0 && sv.size() > static_cast<size_t>(d.precision))
                        sv = sv.substr(0, static_cast<size_t>(d.precision));
                    body = AnsiToWide(sv);
                }
            } else {
                const wchar_t* s = va_arg(ap, const wchar_t*);
                if (!s) {
                    body = L"(null)";
                } else {
                    std::wstring_view sv(s);
                    if (d.precision >= 0 && sv.size() > static_cast<size_t>(d.precision))
                        sv = sv.substr(0, static_cast<size_t>(d.precision));
                    body = sv;
                }
            }
            Pad(out, body, d);
            break;
        }
        case L'n':
            // Writing through an argument pointer is refused, as the secure CRT does.
            (void)va_arg(ap, void*);
            break;
        default:
            // Unknown directive: keep the text, consume nothing.
            out.append(start, p);
            break;
        }
    }
    va_end(ap);
    return out;
}

std::wstring FormatWide(const wchar_t* format, ...)
{
    va_list ap;
    va_start(ap, format);
    std::wstring s = FormatWideV(format, ap);
    va_end(ap);
    return s;
}

} // namespace zt::base
