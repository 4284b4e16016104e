#pragma once
// One in-place editor of an item: it knows its item and owns its window.

#include "platform/base/WinTypes.h"
#include "ztui/ZTUiExport.h"

class CWnd;

namespace zt {

class PropertyItem_imp;

class ZTUI_EXPORT ctrl_object
{
public:
    virtual ~ctrl_object() = default;
    // Creates the window for the item; false when it could not be made.
    virtual bool create(CWnd* parent, PropertyItem_imp& item, UINT id, DWORD extraStyle) = 0;
    virtual HWND window() const = 0;
    virtual void move(const RECT& rect) = 0;
    // A value of the item was set. The editors show the value they were made with until the
    // next rebuild; what they borrow from the item (its format check) they take up again.
    virtual void itemChanged() {}
    // Shows another item of the same kind (and read-only state) as create would have; false
    // when this editor cannot.
    virtual bool rebind(PropertyItem_imp& /*item*/) { return false; }
};

} // namespace zt
