#pragma once
// The arithmetic of the resizable dialogs, apart from any window: where the edges of a control
// go for a new client width, which edge rules a row of controls gets, and how a row laid out by
// modes shares a width change among its controls.

#include "platform/win/WinUser.h"
#include "ztui/ZTUiExport.h"

#include <vector>

namespace QDlgResize_Space {

// An edge rule of the identifier layout: left rule 0 keeps the designed left, 1 scales it and
// 2 keeps the width to a moved right edge; right rule 0 follows the dialog's right edge, 1
// scales the right margin and 2 keeps the designed right (or the width, after a moved left).
struct EdgeRule
{
    int left = 0;
    int right = 0;

    bool operator==(const EdgeRule& other) const = default;
};

// The reference and the current client width of a dialog and their ratio.
struct WidthFrame
{
    int designedWidth = 0; // W0
    int width = 0;         // W
    double scale = 0.0;    // sx
};

// The left and right of a control designed at [a, b) under a rule; false for a pair of rules
// that is not defined, which leaves the control where it is.
ZTUI_EXPORT bool ApplyEdgeRule(EdgeRule rule, int a, int b, const WidthFrame& frame, int& left,
                               int& right);

// The kinds of control that the row patterns tell apart.
enum class RowControlClass
{
    Other,
    // Push buttons, check and radio boxes and group boxes: the "Button" window class.
    ButtonFamily,
    // Labels: the "Static" window class, which keeps its width beside a value.
    Label,
};

// The rules of a row, one per control, chosen by the number and the kinds of its controls;
// empty for a row of a size that has no pattern.
ZTUI_EXPORT std::vector<EdgeRule> RowPatternRules(const std::vector<RowControlClass>& classes);

// Modes of the mode layout.
enum LayoutMode
{
    kModeKeep = 0,
    kModeStretch = 1,
    kModeHalfShift = 2,
    kModeShift = 3,
};

struct ModeRowItem
{
    RECT rect{};
    int mode = kModeKeep;
    // A control that always spans the row (the host's embedded web view).
    bool fillsRow = false;
};

struct ModeRowInput
{
    int width = 0;         // W
    int previousWidth = 0; // the W of the previous layout
    int minimumWidth = 0;  // below it stretch controls stop shrinking
    int previousRemainder = 0;
    int parentWidth = 0;
};

struct ModeRowResult
{
    // False when the row has no control that moves or stretches: it is left alone and its
    // remainder is kept.
    bool changed = false;
    std::vector<RECT> rects;
    int remainder = 0;
};

ZTUI_EXPORT ModeRowResult LayoutModeRow(const std::vector<ModeRowItem>& items,
                                        const ModeRowInput& input);

// The smallest width at which no stretch control of the row would fall below 30 pixels, for a
// row of the given widths and modes at the given client width; 0 for a row without stretch
// controls.
ZTUI_EXPORT int MinimumRowWidth(const std::vector<ModeRowItem>& items, int clientWidth);

} // namespace QDlgResize_Space
