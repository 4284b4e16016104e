#pragma once
// Integer rows: shown as a plain number; typed text counts by its leading integer.

#include "ztui/proplist/editors/actrl_Edit.h"
#include "ztui/proplist/model/PropertyItem_imp.h"
#include "ztui/proplist/model/ValueText.h"

namespace zt {

struct ctrl_integer
{
    static constexpr int kEditType = actrl_Edit::IntegerEdit;
    static CString Text(const PropertyItem_imp& item)
    {
        return valuetext::FormatInteger(item.intValue());
    }
    static void Write(PropertyItem_imp& item, const CString& text, int)
    {
        item.setInt(valuetext::ReadInteger(text));
    }
};

} // namespace zt
