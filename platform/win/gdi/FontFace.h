#pragma once
// Fonts as GDI describes them (LOGFONT) resolved to pango fonts with GDI's metrics. A positive
// height asks for the cell height (ascent plus descent), a negative one for the character height
// (the em size); weight, italic and underline carry over; the face name goes through the
// repository's fontconfig mapping so that Windows names find installed families.

#include "platform/win/GdiDiagnostics.h"
#include "platform/win/GdiTypes.h"
#include "platform/win/gdi/CairoPtr.h"

#include <memory>
#include <string>

namespace zt::win {

struct FontFace
{
    std::uint64_t serial = 0; // equal LOGFONTs share one face, so text caches survive re-creation
    LOGFONTW log{};
    FontDescriptionPtr description;
    std::wstring faceName; // the face as asked for, or the default face's name
    int height = 0;        // cell height, tmHeight
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
    int emPixels = 0;
    // Horizontal scale asked for by a LOGFONT width: glyphs are shaped at their natural width
    // and drawn and measured this much narrower or wider.
    double xScale = 1.0;
};

// The shared pango context every layout is made in; created with the font map on first use.
PangoContext* TextContext();

// The face for a LOGFONT; the same object for equal LOGFONTs.
std::shared_ptr<const FontFace> ResolveFontFace(const LOGFONTW& log);

// LOGFONT of the default GUI font and of the system font.
LOGFONTW DefaultGuiLogFont();
LOGFONTW SystemLogFont();

} // namespace zt::win
