#pragma once
// What every painter of the property list does with the style: fonts made once per process,
// fills that may be gradients, and the list's background colour.

#include "platform/base/WinTypes.h"
#include "ztui/ZTUiExport.h"
#include "ztui/proplist/style/PropertyStyle.h"

#include <string_view>

class CDC;

namespace zt {

// The colour of the list's window, of the indent and of strips beside editors.
inline constexpr const wchar_t* kListBackgroundPath = L"draw/background";
inline constexpr COLORREF kListBackgroundDefault = RGB(240, 240, 240);

ZTUI_EXPORT COLORREF ListBackground(const StyleLookup& style);

// The font of a style font element, made on first use and kept for the process like the style
// itself: every caption of every paint would otherwise create and delete one. The caller
// selects it and selects the old font back, and never deletes it.
ZTUI_EXPORT HFONT CachedStyleFont(const StyleFont& font);

// Fills with the element's colour list (which may be a gradient), or solidly with the fallback
// colour when the element has none.
ZTUI_EXPORT void FillStyled(CDC* dc, const StyleLookup& style, std::wstring_view path,
                            COLORREF fallback, const RECT& rect);

} // namespace zt
