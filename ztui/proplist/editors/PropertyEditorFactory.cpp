#include "ztui/proplist/editors/PropertyEditorFactory.h"

#include "ztui/proplist/window/PropertyRows.h"

namespace zt {

std::unique_ptr<item_ctrl> CreateDefaultEditor(prop_item_baseObj& row, CWnd* parent, UINT id)
{
    if (!row.item() || !parent)
        return nullptr;
    return row.createDefaultEditor(parent, id);
}

} // namespace zt
