#pragma once
// The seam between the window system and the drawing layer: a device context over a cairo image
// surface that the window system owns (a window's backing surface, or the composed screen).

#include "platform/base/WinTypes.h"

typedef struct _cairo_surface cairo_surface_t;

namespace zt::win {

// A device context drawing onto a cairo image surface (CAIRO_FORMAT_ARGB32 or RGB24) that the
// caller keeps alive. origin: where logical (0,0) lands, in surface pixels. clip: the initial
// clip rectangle in surface pixels. window: the window the DC belongs to (may be NULL).
HDC CreateSurfaceDC(cairo_surface_t* surface, POINT origin, RECT clip, HWND window);
void ReleaseSurfaceDC(HDC dc);
HWND WindowFromDC_(HDC dc); // used by WindowFromDC

// Narrow a surface DC's visible region, in the DC's device units (where logical (0,0) lands
// with no viewport or window origin set): for the update region of BeginPaint and for children
// and siblings that clip. Unlike a clip region the application selects, SelectClipRgn(NULL)
// does not undo this. FALSE for a bad DC or region.
BOOL IntersectSurfaceDCVisibleRgn(HDC dc, HRGN region);
BOOL ExcludeSurfaceDCVisibleRect(HDC dc, RECT rect);

// Writes the surface as a PNG file (path in UTF-8 on disk). FALSE when the surface is NULL or
// the file cannot be written.
BOOL WriteSurfacePng(cairo_surface_t* surface, const wchar_t* path);

} // namespace zt::win
