#pragma once
// What the context bar keeps between its windows, in one place for the bar's static interface
// and for its window: the buttons the factory set, the bar's position, the loaded icon
// libraries, the window and its button controls.

#include "ztui/contextbar/ZTDlgUiContextbar.h"

#include <array>
#include <cstdint>
#include <map>
#include <vector>

class IndexedViewport;

namespace zt::contextbar {

struct BarState
{
    std::vector<TSContextbarInfo> barButtons;
    bool barPreselect = false;
    TSClickType barClickType = TSClickType_Plain;
    TSOperating barOperating = TSOperating_None;
    DPoint3d barPosition{0.0, 0.0, 0.0};
    std::map<WString, HMODULE> iconLibraries;
    ZTDlgUiContextbar* window = nullptr;
    std::array<CIconButton*, ZTDlgUiContextbar::kMaxButtons> buttonControls{};
    // Counts every change of the buttons, so that a window built from older ones is known.
    std::uint64_t generation = 1;
};

// The one bar of the process, made on first use.
BarState& Bar();
// The bar when it was made (and not yet freed), else null.
BarState* ExistingBar();
// Frees the state; the window must be closed and the icon libraries freed first.
void FreeBar();

IndexedViewport* SelectedView();
// The view window of the selected viewport, which the bar floats in.
HWND ViewWindowOfSelected();
// View pixels of the selected viewport are offset from the view window's client area by the
// viewport's pane.
POINT PaneOrigin(HWND parent);

} // namespace zt::contextbar
