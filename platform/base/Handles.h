#pragma once
// Opaque handle types. Each is a pointer to its own incomplete structure, as in the Win32
// headers, so that an HWND cannot be passed where an HDC is expected; every handle converts
// to and from a 64-bit integer without loss, which is how handles cross JSON and queues.

#include <cstdint>

#define ZT_DECLARE_HANDLE(name)                                                                    \
    struct name##__;                                                                               \
    using name = name##__*

ZT_DECLARE_HANDLE(HWND);
ZT_DECLARE_HANDLE(HDC);
ZT_DECLARE_HANDLE(HBITMAP);
ZT_DECLARE_HANDLE(HICON);
ZT_DECLARE_HANDLE(HFONT);
ZT_DECLARE_HANDLE(HBRUSH);
ZT_DECLARE_HANDLE(HPEN);
ZT_DECLARE_HANDLE(HRGN);
ZT_DECLARE_HANDLE(HINSTANCE);
ZT_DECLARE_HANDLE(HMENU);
ZT_DECLARE_HANDLE(HACCEL);
ZT_DECLARE_HANDLE(HGLOBAL);
ZT_DECLARE_HANDLE(HRSRC);

using HCURSOR = HICON; // as in Win32, a cursor is an icon
using HMODULE = HINSTANCE;
using HGDIOBJ = void*;
using HANDLE = void*;

namespace zt::base {

template <class H>
inline std::uint64_t HandleToU64(H h)
{
    return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(h));
}

template <class H>
inline H U64ToHandle(std::uint64_t v)
{
    return reinterpret_cast<H>(static_cast<std::uintptr_t>(v));
}

} // namespace zt::base
