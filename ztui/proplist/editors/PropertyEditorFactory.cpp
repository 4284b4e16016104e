#include "ztui/proplist/editors/PropertyEditorFactory.h"

#include "ztui/proplist/editors/item_ctrl_color_button.h"
#include "ztui/proplist/editors/item_ctrl_edit_button.h"
#include "ztui/proplist/editors/item_ctrl_image.h"
#include "ztui/proplist/editors/item_ctrl_point3d_part.h"
#include "ztui/proplist/editors/item_ctrl_simple.h"
#include "ztui/proplist/window/PropertyRows.h"

namespace zt {

std::unique_ptr<item_ctrl> CreateDefaultEditor(prop_item_baseObj& row, CWnd* parent, UINT id)
{
    if (!row.item() || !parent)
        return nullptr;
    switch (row.kind()) {
    case PropertyRowKind::Item:
    case PropertyRowKind::Angle:
        return std::make_unique<item_ctrl_simple>(*row.item(), parent, id);
    case PropertyRowKind::Color:
        return std::make_unique<item_ctrl_color_button>(*row.item(), parent, id);
    case PropertyRowKind::PointPart:
        return std::make_unique<item_ctrl_point3d_part>(*row.item(), row.part(), parent, id);
    case PropertyRowKind::EditButton:
        return std::make_unique<item_ctrl_edit_button>(*row.item(), parent, id);
    case PropertyRowKind::Image:
        return std::make_unique<item_ctrl_image>(*row.item(), parent, id);
    case PropertyRowKind::Group:
    case PropertyRowKind::SubGroup:
        break;
    }
    return nullptr;
}

} // namespace zt
