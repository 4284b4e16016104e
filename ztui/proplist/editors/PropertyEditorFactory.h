#pragma once
// The editors the property list gives its rows by default: each row class has its own holder.

#include "ztui/proplist/editors/item_ctrl.h"

namespace zt {

// The default editor of a row (null for headers and for kinds without an editor).
ZTUI_EXPORT std::unique_ptr<item_ctrl> CreateDefaultEditor(prop_item_baseObj& row, CWnd* parent,
                                                           UINT id);

} // namespace zt
