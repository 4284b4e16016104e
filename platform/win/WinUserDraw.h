#pragma once
// The drawing functions of USER: brush fills and frames, 3-D edges, focus rectangles, formatted
// text, icons, the system colours and the rectangle helpers.

#include "platform/win/GdiTypes.h"

// A brush argument may also be a system colour index plus one, as in (HBRUSH)(COLOR_WINDOW + 1).
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
BOOL InvertRect(HDC dc, const RECT* rect);
BOOL DrawFocusRect(HDC dc, const RECT* rect);
BOOL DrawEdge(HDC dc, LPRECT rect, UINT edge, UINT flags);
// The classic look of push buttons, check boxes, radio buttons, scroll and combo arrows,
// caption buttons and menu marks.
BOOL DrawFrameControl(HDC dc, LPRECT rect, UINT type, UINT state);

int DrawTextW(HDC dc, LPCWSTR text, int length, LPRECT rect, UINT format);
int DrawTextA(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format);
inline int DrawText(HDC dc, LPCWSTR text, int length, LPRECT rect, UINT format)
{
    return DrawTextW(dc, text, length, rect, format);
}

// The fixed colour table of a default Windows 10 desktop.
DWORD GetSysColor(int index);
HBRUSH GetSysColorBrush(int index);

// Icons: a colour bitmap and an AND mask; a 32-bit colour bitmap with any non-zero alpha is
// drawn with its own alpha, otherwise the mask decides which pixels show.
HICON CreateIconIndirect(PICONINFO info);
BOOL DestroyIcon(HICON icon);
HICON CopyIcon(HICON icon);
BOOL GetIconInfo(HICON icon, PICONINFO info);
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);
BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int width, int height, UINT step,
                HBRUSH flickerFreeBrush, UINT flags);

// Rectangles.
BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom);
BOOL SetRectEmpty(LPRECT rect);
BOOL CopyRect(LPRECT destination, const RECT* source);
BOOL InflateRect(LPRECT rect, int dx, int dy);
BOOL OffsetRect(LPRECT rect, int dx, int dy);
BOOL IntersectRect(LPRECT destination, const RECT* source1, const RECT* source2);
BOOL UnionRect(LPRECT destination, const RECT* source1, const RECT* source2);
BOOL SubtractRect(LPRECT destination, const RECT* source1, const RECT* source2);
BOOL PtInRect(const RECT* rect, POINT point);
BOOL IsRectEmpty(const RECT* rect);
BOOL EqualRect(const RECT* rect1, const RECT* rect2);

namespace zt::win {

// An icon from straight (not premultiplied) 0xAARRGGBB pixels, rows top-down: the resource
// loader's way to make icons without building bitmaps first.
HICON CreateIconFromArgb(int width, int height, const std::uint32_t* argb);

} // namespace zt::win
