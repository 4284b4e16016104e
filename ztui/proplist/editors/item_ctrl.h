#pragma once
// The holder of one row's editor window. The list window asks each item row for one at layout
// and only moves and shows what it gets; the editor kinds plug in through the factory.

#include "platform/base/WinTypes.h"
#include "ztui/ZTUiExport.h"

#include <functional>
#include <memory>

class CWnd;

namespace zt {

class prop_item_baseObj;
class PropertyItem_imp;

class ZTUI_EXPORT item_ctrl
{
public:
    virtual ~item_ctrl() = default;
    // The editor's window; null while it has none.
    virtual HWND window() const = 0;
    // Places the editor in its value cell; an editor may use less than the rectangle.
    virtual void move(const RECT& rect) = 0;
    // A value, text, picture or format check of the item was set: editors that show what they
    // borrow from the item take it up now (a paint only shows what is already there).
    virtual void itemChanged() {}
    // Binds the parked editor to another row of the same row class (part: the coordinate of a
    // point row), showing that item as a new editor would; whatever the editor does from then on
    // goes to the new item. False when it cannot: the list then makes a new one.
    virtual bool rebind(PropertyItem_imp& /*item*/, int /*part*/) { return false; }
};

// Creates the editor of an item row, with the list window as parent and the given identifier;
// null when the row has no editor.
using ItemCtrlFactory =
    std::function<std::unique_ptr<item_ctrl>(prop_item_baseObj& row, CWnd* parent, UINT id)>;

} // namespace zt
