#pragma once
// The view window's off-screen picture: a top-down 32-bit GDI DIB section selected into a
// memory device context, whose pixels the view writes directly (ViewRaster) and whose device
// context draws the texts. A paint composes the whole picture here and puts it on the screen
// with one BitBlt, so the screen never shows half a redraw.

#include "platform/base/Handles.h"
#include "platform/base/WinTypes.h"

#include <cstdint>

class ViewBackBuffer
{
public:
    ViewBackBuffer() = default;
    ~ViewBackBuffer();
    ViewBackBuffer(const ViewBackBuffer&) = delete;
    ViewBackBuffer& operator=(const ViewBackBuffer&) = delete;

    // Makes the buffer the size (kept while the size stays); false when it cannot be made.
    bool Ensure(int width, int height);
    void Release();

    HDC GetDC() const { return m_dc; }
    std::uint32_t* Pixels() const { return m_pixels; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Copies the rectangle of the picture to the same place of the target.
    void Present(HDC target, const RECT& rect) const;

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    std::uint32_t* m_pixels = nullptr;
    int m_width = 0;
    int m_height = 0;
};
