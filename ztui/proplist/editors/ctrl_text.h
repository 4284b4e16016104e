#pragma once
// Text rows: the text as it stands.

#include "ztui/proplist/editors/actrl_Edit.h"
#include "ztui/proplist/model/PropertyItem_imp.h"

namespace zt {

struct ctrl_text
{
    static constexpr int kEditType = actrl_Edit::TextEdit;
    static CString Text(const PropertyItem_imp& item) { return item.text(); }
    static void Write(PropertyItem_imp& item, const CString& text, int) { item.setText(text); }
};

} // namespace zt
