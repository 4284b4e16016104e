#pragma once
// The records the host and the context bar exchange: the operations of the bar, the kinds of
// click that open it, one button, what a factory fills, and the enabled state of operations.
// They are host types, so they carry the host's prefix and live outside the library's
// namespace, as the host's own code names them.

#include "platform/base/WString.h"
#include "platform/cad/DPoint3d.h"

#include <cstdint>
#include <map>
#include <vector>

// The operations of the bar. Values 1 to 4 and 6 are the common operations; every other value
// belongs to the element-class factories, which define their own buttons for it.
enum TSOperating : std::int32_t
{
    TSOperating_None = 0,
    TSOperating_Move = 1,
    TSOperating_Mirror = 2,
    TSOperating_Copy = 3,
    TSOperating_Rotate = 4,
    TSOperating_Promote = 5,
    TSOperating_MultipleCopy = 6,
};

// The kind of click that opened the bar. Only these values mean something to the bar; others
// are carried through unchanged.
enum TSClickType : std::int32_t
{
    TSClickType_Plain = 0,
    // Several distinct elements picked: the built-in button set is shown.
    TSClickType_Several = 3,
    // Operations chosen on the bar are not remembered.
    TSClickType_NotRemembered = 8,
    // The bar serves a tool's settings.
    TSClickType_ToolSetting = 10,
};

// Stored by the host in the proxy; the library keeps it and reads nothing from it.
enum TSContextbarWay : std::int32_t
{
    TSContextbarWay_Default = 0,
};

// Where a button goes on the bar.
enum TSContextbarKind : std::int32_t
{
    TSContextbarKind_Class = 0,  // a button of the element class: the first row
    TSContextbarKind_Common = 1, // a common operation, which starts its host tool
    TSContextbarKind_Last = 2,   // after all other buttons of the first row
};

// One button, copied by value wherever it goes.
struct TSContextbarInfo
{
    TSOperating operating = TSOperating_None;
    // Icon resource ids, used when no icon library is named (iconOutId 0: none).
    std::int32_t iconInId = 0;
    std::int32_t iconOutId = 0;
    // Carried for the factory; the built-in buttons leave it at the origin.
    DPoint3d point{0.0, 0.0, 0.0};
    std::int32_t kind = TSContextbarKind_Class;
    // The button's name, shown as its tooltip.
    WString label;
    // The icon's resource name in the icon library, and the library's file name.
    WString iconName;
    WString iconLibrary;
};

// What a factory fills for the bar.
struct TSContextbarButton
{
    std::vector<TSContextbarInfo> buttons;
    // For the tool-setting click type, a remembered operation is pre-selected only when set.
    bool preselect = false;
    // Overwritten by the proxy with the data manager's click type.
    TSClickType clickType = TSClickType_Plain;
    // The operation to show pressed; none means the remembered one.
    TSOperating operating = TSOperating_None;
};

// Operations mapped to false have their buttons disabled; unmapped ones stay enabled.
using TSContextbarStatus = std::map<TSOperating, bool>;
