#include "ztui/proplist/painting/StylePaint.h"

#include "platform/win/WinGdi.h"
#include "platform/win/mfc/CDC.h"
#include "ztui/proplist/style/DrawStyleColor.h"

#include <cwchar>
#include <map>
#include <string>
#include <tuple>

namespace zt {

COLORREF ListBackground(const StyleLookup& style)
{
    return style.Color(kListBackgroundPath, kListBackgroundDefault);
}

HFONT CachedStyleFont(const StyleFont& font)
{
    static std::map<std::tuple<std::wstring, int, int>, HFONT> fonts;
    HFONT& cached = fonts[{font.face, font.height, font.weight}];
    if (!cached) {
        LOGFONTW lf{};
        lf.lfHeight = font.height;
        lf.lfWeight = font.weight;
        lf.lfCharSet = DEFAULT_CHARSET;
        std::wcsncpy(lf.lfFaceName, font.face.c_str(), LF_FACESIZE - 1);
        cached = CreateFontIndirectW(&lf);
    }
    return cached;
}

void FillStyled(CDC* dc, const StyleLookup& style, std::wstring_view path, COLORREF fallback,
                const RECT& rect)
{
    if (!dc)
        return;
    if (const dsc::DrawStyleColor* colors = style.Colors(path))
        colors->fill(dc, rect, false);
    else
        dc->FillSolidRect(&rect, fallback);
}

} // namespace zt
