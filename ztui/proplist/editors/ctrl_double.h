#pragma once
// Length rows: shown with the item's distance precision; typed text counts by its leading
// number.

#include "ztui/proplist/editors/actrl_Edit.h"
#include "ztui/proplist/model/PropertyItem_imp.h"
#include "ztui/proplist/model/ValueText.h"

namespace zt {

struct ctrl_double
{
    static constexpr int kEditType = actrl_Edit::DoubleEdit;
    static CString Text(const PropertyItem_imp& item)
    {
        return valuetext::FormatDistance(item.doubleValue(), item.distancePrecision());
    }
    static void Write(PropertyItem_imp& item, const CString& text, int)
    {
        item.setDouble(valuetext::ReadNumber(text));
    }
};

} // namespace zt
