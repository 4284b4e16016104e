#pragma once
// Multi-line text rows: the edit keeps the row's line count.

#include "ztui/proplist/editors/actrl_Edit.h"
#include "ztui/proplist/model/PropertyItem_imp.h"

namespace zt {

struct ctrl_multitext
{
    static constexpr int kEditType = actrl_Edit::MultiTextEdit;
    static CString Text(const PropertyItem_imp& item) { return item.multiText(); }
    static void Write(PropertyItem_imp& item, const CString& text, int lines)
    {
        item.setMultiText(text, lines);
    }
};

} // namespace zt
