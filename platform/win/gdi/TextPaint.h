#pragma once
// Shared pieces of text output for TextOut, ExtTextOut and DrawText.

#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/TextLayoutCache.h"

namespace zt::win {

// The face of the DC's selected font, resolved on first use.
const FontFace& SelectedFace(DeviceContext& dc);

// Logical width of a layout line in the face's horizontal scale, whole pixels.
int LineWidth(const FontFace& face, PangoLayoutLine* line);
int LineWidth(const FontFace& face, const ShapedLine& line);
// A position along a layout line (pango units) in the face's horizontal scale, whole pixels.
int LineX(const FontFace& face, int pangoX);

// Draws a layout line with its baseline origin at (x, baseline), surface pixels, in the text
// colour and the selected face's horizontal scale; with a clip rectangle (surface pixels) the
// text is cut to it.
void ShowLine(DeviceContext& dc, PangoLayoutLine* line, int x, int baseline, const RECT* clip);
void ShowLine(DeviceContext& dc, const ShapedLine& line, int x, int baseline, const RECT* clip);

} // namespace zt::win
