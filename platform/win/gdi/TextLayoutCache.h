#pragma once
// Pango layouts kept between paints. A window that repaints unchanged text finds its layouts
// here and shapes nothing again; the cache is keyed by the font face (equal LOGFONTs share one),
// the text and the layout options, and forgets the least recently used layouts beyond a bound.

#include "platform/win/gdi/FontFace.h"

#include <string_view>

namespace zt::win {

struct LayoutOptions
{
    int wrapWidth = -1; // pixels; -1 for no wrapping
    bool ellipsizeEnd = false;
    int mnemonic = -1; // index of the character to underline, -1 for none
    bool operator==(const LayoutOptions&) const = default;
};

// The layout for this text; owned by the cache, valid until the next call.
PangoLayout* CachedLayout(const FontFace& face, std::wstring_view text,
                          const LayoutOptions& options = {});

} // namespace zt::win
