#pragma once
// Shaped text kept between paints. A window that repaints unchanged text finds its layouts
// here and shapes nothing again; the cache is keyed by the font face (equal LOGFONTs share one),
// the text and the layout options, and forgets the least recently used entries beyond a bound.

#include "platform/win/gdi/FontFace.h"

#include <string>
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

// One line of text as TextOut draws and measures it, unwrapped. Printable ASCII that the
// face's first font draws on its own (numbers, Latin labels: most of what changes on every
// cursor move) is shaped straight into glyphs with the analysis a layout would give it, which
// costs a third of a layout; any other text is the first line of a full layout. Both give the
// same glyphs, extents and positions.
class ShapedLine
{
public:
    ShapedLine(const ShapedLine&) = delete;
    ShapedLine& operator=(const ShapedLine&) = delete;
    ~ShapedLine();

    // Ink and logical extents, pango units, relative to the baseline origin.
    void GetExtents(PangoRectangle* ink, PangoRectangle* logical) const;
    // The same rounded out to whole pixels.
    void GetPixelExtents(PangoRectangle* ink, PangoRectangle* logical) const;
    // Logical width, pango units.
    int Width() const;
    // The leading edge of the character at this UTF-8 byte offset, pango units; the offset
    // of the end gives the width.
    int IndexToX(int byte) const;
    // Draws the line with its baseline origin at the cairo context's current point.
    void Show(cairo_t* cr) const;
    // Whether the glyphs were shaped without a layout.
    bool Direct() const { return glyphs_ != nullptr; }

private:
    friend struct ShapedLineFactory;
    ShapedLine() = default;

    GObjectPtr<PangoLayout> layout_; // a layout's first line
    PangoLayoutLine* line_ = nullptr;
    PangoGlyphString* glyphs_ = nullptr; // or glyphs shaped directly
    PangoAnalysis analysis_{};
    std::string utf8_;
};

// The line for this text; owned by the cache, valid until the next call.
const ShapedLine& CachedLine(const FontFace& face, std::wstring_view text);

} // namespace zt::win
