#pragma once
// Questions tests and benchmarks ask the drawing layer, without pulling in what it draws with.

#include "platform/win/GdiTypes.h"

#include <cstdint>
#include <string>

namespace zt::win {

// How many text layouts have been created since the process started. A repaint of unchanged
// text creates none.
std::uint64_t GetTextLayoutCreateCount();

// The family of the installed font that shows `ch` for this LOGFONT, after the repository's
// face-name mapping and the text layout's own fallback: what a user would see.
std::string FontFamilyFor(const LOGFONTW& log, wchar_t ch);

// How many GDI objects and DCs are alive (stock objects included): for finding leaks.
std::size_t GetGdiObjectCount();

} // namespace zt::win
