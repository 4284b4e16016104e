#pragma once
// Icons on the push buttons of button rows. The owner draws them: a button item whose button
// data is set carries the owner's drawing function as that integer, and the item's tag picks
// the icon ((tag % 10000) - 1, so tags 10001, 10002... name icons 0, 1...). The function draws
// into the given rectangle at the button's left and returns true when it drew; the caption then
// moves right to make room. Keeping the drawing with the owner lets each host use its own icon
// sets without the list knowing them.
//
//     bool DrawToolIcon(CDC* dc, const RECT& rect, int icon) { ...; return true; }
//     item->setButton(L"拾取")->setTag(10003);
//     item->setButtonData(PropertyMgrUI::ButtonIconData(&DrawToolIcon));

#include "platform/base/WinTypes.h"

#include <cstdint>

class CDC;

namespace PropertyMgrUI {

using DrawButtonIcon = bool (*)(CDC* dc, const RECT& rect, int iconIndex);

inline std::int64_t ButtonIconData(DrawButtonIcon draw)
{
    return static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(draw));
}

inline DrawButtonIcon ButtonIconDrawer(std::int64_t buttonData)
{
    return reinterpret_cast<DrawButtonIcon>(static_cast<std::intptr_t>(buttonData));
}

// The icon a button's tag names.
inline int ButtonIconIndex(int tag)
{
    return (tag % 10000) - 1;
}

} // namespace PropertyMgrUI
