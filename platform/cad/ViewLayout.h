#pragma once
// Where the views of a window sit: one view fills the client area, two stand side by side,
// three put the first on the left half and the other two above each other on the right, and
// four make a two-by-two grid. Neighbouring views are kept apart by a split bar.

#include "platform/base/WinTypes.h"

#include <vector>

namespace zt::cad {

inline constexpr int kViewSplitPixels = 4;
inline constexpr int kMaxWindowViews = 4;

// The rectangles of `count` views (1 to 4; more are left out, 0 gives none) in the client
// rectangle, in view order. A rectangle may be empty when the window is very small.
std::vector<RECT> LayoutViews(const RECT& client, int count);

} // namespace zt::cad
