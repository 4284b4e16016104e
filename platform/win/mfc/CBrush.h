#pragma once
// MFC's CBrush.

#include "platform/win/WinUserDraw.h"
#include "platform/win/mfc/CBitmap.h"

class CBrush : public CGdiObject
{
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    CBrush(int hatch, COLORREF color) { CreateHatchBrush(hatch, color); }
    explicit CBrush(CBitmap* bitmap) { CreatePatternBrush(bitmap); }

    static CBrush* FromHandle(HBRUSH handle) { return FromHandleAs<CBrush>(handle); }
    operator HBRUSH() const noexcept { return static_cast<HBRUSH>(m_hObject); }

    BOOL CreateSolidBrush(COLORREF color) { return AttachCreated(::CreateSolidBrush(color)); }
    BOOL CreateHatchBrush(int hatch, COLORREF color)
    {
        return AttachCreated(::CreateHatchBrush(hatch, color));
    }
    BOOL CreatePatternBrush(CBitmap* bitmap)
    {
        return bitmap &&
               AttachCreated(::CreatePatternBrush(static_cast<HBITMAP>(bitmap->m_hObject)));
    }
    BOOL CreateBrushIndirect(const LOGBRUSH* logBrush)
    {
        return AttachCreated(::CreateBrushIndirect(logBrush));
    }
    // The system brush is shared; this wrapper does not own it (deleting it does nothing).
    BOOL CreateSysColorBrush(int index) { return Attach(::GetSysColorBrush(index)); }
    int GetLogBrush(LOGBRUSH* logBrush) const { return GetObject(sizeof(LOGBRUSH), logBrush); }
};
