#include "platform/cad/ViewBackBuffer.h"

#include "platform/win/WinGdi.h"

ViewBackBuffer::~ViewBackBuffer()
{
    Release();
}

void ViewBackBuffer::Release()
{
    if (m_dc) {
        SelectObject(m_dc, m_oldBitmap);
        DeleteDC(m_dc);
    }
    if (m_bitmap)
        DeleteObject(m_bitmap);
    m_dc = nullptr;
    m_bitmap = nullptr;
    m_oldBitmap = nullptr;
    m_pixels = nullptr;
    m_width = m_height = 0;
}

bool ViewBackBuffer::Ensure(int width, int height)
{
    if (width <= 0 || height <= 0)
        return false;
    if (m_dc && width == m_width && height == m_height)
        return true;
    Release();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down: row 0 is the top row
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_dc = CreateCompatibleDC(nullptr);
    if (!m_bitmap || !m_dc || !bits) {
        Release();
        return false;
    }
    m_oldBitmap = SelectObject(m_dc, m_bitmap);
    m_pixels = static_cast<std::uint32_t*>(bits);
    m_width = width;
    m_height = height;
    return true;
}

void ViewBackBuffer::Present(HDC target, const RECT& rect) const
{
    if (!m_dc || !target)
        return;
    BitBlt(target, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, m_dc,
           rect.left, rect.top, SRCCOPY);
}
