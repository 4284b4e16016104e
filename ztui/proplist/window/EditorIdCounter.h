#pragma once
// Identifiers for editor windows, one counter per row class. They only have to be distinct
// enough for the window system; nothing finds an editor by its identifier.

#include "ztui/ZTUiExport.h"
#include "ztui/proplist/window/PropertyRows.h"

namespace zt {

class ZTUI_EXPORT EditorIdCounter
{
public:
    // The identifier the next editor of a row of this kind gets; the counter moves on.
    int Next(PropertyRowKind kind);
    // The identifier Next would give, without moving.
    int Peek(PropertyRowKind kind) const;

private:
    int* CounterOf(PropertyRowKind kind);

    // Ordinary and angle rows wrap back to their start after passing this.
    static constexpr int kWrapAfter = 10000;

    int m_item = 100;
    int m_angle = 100;
    int m_point = 1000;
    int m_editButton = 4000;
    int m_image = 2000;
    int m_color = 2000;
};

} // namespace zt
