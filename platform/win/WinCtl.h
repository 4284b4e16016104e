#pragma once
// Functions of the standard controls' world: the desktop clipboard and movable memory blocks
// (the clipboard's currency).

#include "platform/base/Handles.h"
#include "platform/win/GdiTypes.h"
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

// Image lists. Images keep their own copy of the pixels: the bitmaps and icons they were made
// from may be deleted at once. A list is used by one thread at a time (the one drawing with
// it). Indices out of range and unknown handles fail quietly (-1, FALSE or null).
HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow);
BOOL ImageList_Destroy(HIMAGELIST list);
// A bitmap wider than one image adds one image per image width, left to right; the mask
// (white: transparent) counts only for lists made with ILC_MASK. Returns the first new index.
int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask);
// As ImageList_Add, with the pixels of colour `mask` transparent. The caller's bitmap is left
// as it is.
int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF mask);
// Replaces image i with the icon (scaled to the image size), or appends it when i is -1.
int ImageList_ReplaceIcon(HIMAGELIST list, int i, HICON icon);
inline int ImageList_AddIcon(HIMAGELIST list, HICON icon)
{
    return ImageList_ReplaceIcon(list, -1, icon);
}
BOOL ImageList_Replace(HIMAGELIST list, int i, HBITMAP image, HBITMAP mask);
// Removes image i, or every image when i is -1.
BOOL ImageList_Remove(HIMAGELIST list, int i);
inline BOOL ImageList_RemoveAll(HIMAGELIST list)
{
    return ImageList_Remove(list, -1);
}
int ImageList_GetImageCount(HIMAGELIST list);
BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy);
// Changes the image size and removes every image.
BOOL ImageList_SetIconSize(HIMAGELIST list, int cx, int cy);
// The colour ILD_NORMAL puts behind masked images; CLR_NONE (the default) draws them
// transparently.
COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF color);
COLORREF ImageList_GetBkColor(HIMAGELIST list);
// Where each image sits in the list's strip; the list keeps no bitmaps of its own, so both
// bitmap handles are null.
BOOL ImageList_GetImageInfo(HIMAGELIST list, int i, IMAGEINFO* info);
// A new icon of image i (the caller destroys it).
HICON ImageList_GetIcon(HIMAGELIST list, int i, UINT flags);
BOOL ImageList_Draw(HIMAGELIST list, int i, HDC dc, int x, int y, UINT style);
// dx, dy: the part of the image drawn from its top-left corner (0: all of it). background:
// CLR_NONE transparent, CLR_DEFAULT the list's colour; foreground: the colour ILD_BLEND25 and
// ILD_BLEND50 mix in (CLR_DEFAULT: the highlight colour).
BOOL ImageList_DrawEx(HIMAGELIST list, int i, HDC dc, int x, int y, int dx, int dy,
                      COLORREF background, COLORREF foreground, UINT style);
