#pragma once
// Functions of the standard controls' world: the desktop clipboard and movable memory blocks
// (the clipboard's currency).

#include "platform/base/Handles.h"
#include "platform/win/WinCtlDefs.h"

#include <cstddef>

inline constexpr UINT GMEM_FIXED = 0x0000;
inline constexpr UINT GMEM_MOVEABLE = 0x0002;
inline constexpr UINT GMEM_ZEROINIT = 0x0040;
inline constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;

// Memory blocks. A handle is valid until GlobalFree, or until the clipboard that owns it is
// emptied.
HGLOBAL GlobalAlloc(UINT flags, std::size_t bytes);
LPVOID GlobalLock(HGLOBAL mem);
BOOL GlobalUnlock(HGLOBAL mem);
std::size_t GlobalSize(HGLOBAL mem);
HGLOBAL GlobalFree(HGLOBAL mem);
// The clipboard hands out plain HANDLEs, as on Windows.
inline LPVOID GlobalLock(HANDLE mem)
{
    return GlobalLock(static_cast<HGLOBAL>(mem));
}
inline BOOL GlobalUnlock(HANDLE mem)
{
    return GlobalUnlock(static_cast<HGLOBAL>(mem));
}
inline std::size_t GlobalSize(HANDLE mem)
{
    return GlobalSize(static_cast<HGLOBAL>(mem));
}
inline HGLOBAL GlobalFree(HANDLE mem)
{
    return GlobalFree(static_cast<HGLOBAL>(mem));
}

// The clipboard. One process-wide clipboard, independent of the desktop's lifetime (a desktop
// reset does not empty it; tests call EmptyClipboard). Data handed to SetClipboardData belongs
// to the clipboard; GetClipboardData returns a handle the caller must not free.
BOOL OpenClipboard(HWND owner);
BOOL CloseClipboard();
BOOL EmptyClipboard();
HANDLE SetClipboardData(UINT format, HANDLE data);
HANDLE GetClipboardData(UINT format);
BOOL IsClipboardFormatAvailable(UINT format);
HWND GetClipboardOwner();
HWND GetOpenClipboardWindow();
