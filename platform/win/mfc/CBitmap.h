#pragma once
// MFC's CBitmap.

#include "platform/win/mfc/CGdiObject.h"

class CDC;

class CBitmap : public CGdiObject
{
public:
    static CBitmap* FromHandle(HBITMAP handle) { return FromHandleAs<CBitmap>(handle); }
    operator HBITMAP() const noexcept { return static_cast<HBITMAP>(m_hObject); }

    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
    {
        return AttachCreated(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
    }
    BOOL CreateBitmapIndirect(const BITMAP* bitmap)
    {
        return AttachCreated(::CreateBitmapIndirect(bitmap));
    }
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    int GetBitmap(BITMAP* bitmap) const { return GetObject(sizeof(BITMAP), bitmap); }
    DWORD GetBitmapBits(DWORD count, LPVOID bits) const
    {
        return DWORD(::GetBitmapBits(static_cast<HBITMAP>(m_hObject), LONG(count), bits));
    }
    DWORD SetBitmapBits(DWORD count, const void* bits)
    {
        return DWORD(::SetBitmapBits(static_cast<HBITMAP>(m_hObject), count, bits));
    }
};
