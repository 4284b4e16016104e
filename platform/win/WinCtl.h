#pragma once
// Functions of the standard controls' world: the desktop clipboard, movable memory blocks (the
// clipboard's currency), and the scroll bars of windows with WS_VSCROLL/WS_HSCROLL and of
// scroll bar controls.

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

// Scroll bars. nBar is SB_VERT or SB_HORZ for a window's own bars and SB_CTL for a scroll bar
// control. Positions are clamped to [nMin, nMax - max(nPage - 1, 0)].
int SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw);
BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info);
int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw);
int GetScrollPos(HWND hwnd, int bar);
BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw);
BOOL GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos);
BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show);
BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows);
