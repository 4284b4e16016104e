#pragma once
// MFC's CFont.

#include "platform/win/mfc/CGdiObject.h"

class CDC;

class CFont : public CGdiObject
{
public:
    static CFont* FromHandle(HFONT handle) { return FromHandleAs<CFont>(handle); }
    operator HFONT() const noexcept { return static_cast<HFONT>(m_hObject); }

    BOOL CreateFontIndirect(const LOGFONTW* logFont)
    {
        return AttachCreated(::CreateFontIndirectW(logFont));
    }
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                    BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, LPCWSTR faceName)
    {
        return AttachCreated(::CreateFontW(height, width, escapement, orientation, weight, italic,
                                           underline, strikeOut, charSet, outPrecision,
                                           clipPrecision, quality, pitchAndFamily, faceName));
    }
    // pointSize in tenths of a point; the height follows the DC's (or the screen's) resolution.
    BOOL CreatePointFont(int pointSize, LPCWSTR faceName, CDC* dc = nullptr);
    BOOL CreatePointFontIndirect(const LOGFONTW* logFont, CDC* dc = nullptr);
    int GetLogFont(LOGFONTW* logFont) const { return GetObject(sizeof(LOGFONTW), logFont); }
};
