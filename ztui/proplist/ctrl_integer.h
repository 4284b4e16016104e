#pragma once
// Integer rows: shown as a plain number; typed text counts by its leading integer.

#include "ztui/proplist/PropertyItem_imp.h"
#include "ztui/proplist/ValueText.h"
#include "ztui/proplist/actrl_Edit.h"

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
