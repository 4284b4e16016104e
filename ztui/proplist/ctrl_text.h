#pragma once
// Text rows: the text as it stands.

#include "ztui/proplist/PropertyItem_imp.h"
#include "ztui/proplist/actrl_Edit.h"

namespace zt {

struct ctrl_text
{
    static constexpr int kEditType = actrl_Edit::TextEdit;
    static CString Text(const PropertyItem_imp& item) { return item.text(); }
    static void Write(PropertyItem_imp& item, const CString& text, int) { item.setText(text); }
};

} // namespace zt
