#pragma once
// The glyphs of the icon library: clean, flat vector-style pictures of the operations on the
// selection, drawn in code at any size so that 16, 24 and 32 pixels all come out crisp.

#include "platform/win/resources/ResourceModule.h"

#include <vector>

namespace zticons {

struct Glyph
{
    const wchar_t* name;
    zt::win::IconImage (*render)(int size);
};

// Every icon the library carries, by resource name.
const std::vector<Glyph>& Glyphs();

// The sizes each icon is made at.
inline constexpr int kIconSizes[] = {16, 24, 32};

} // namespace zticons
