#pragma once
// MFC's CPen.

#include "platform/win/mfc/CGdiObject.h"

class CPen : public CGdiObject
{
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }

    static CPen* FromHandle(HPEN handle) { return FromHandleAs<CPen>(handle); }
    operator HPEN() const noexcept { return static_cast<HPEN>(m_hObject); }

    BOOL CreatePen(int style, int width, COLORREF color)
    {
        return AttachCreated(::CreatePen(style, width, color));
    }
    BOOL CreatePenIndirect(const LOGPEN* logPen)
    {
        return AttachCreated(::CreatePenIndirect(logPen));
    }
    int GetLogPen(LOGPEN* logPen) const { return GetObject(sizeof(LOGPEN), logPen); }
};
