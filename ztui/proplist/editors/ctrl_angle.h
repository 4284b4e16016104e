#pragma once
// Angle rows: the item holds radians, the user sees and types degrees.

#include "ztui/proplist/editors/actrl_Edit.h"
#include "ztui/proplist/model/PropertyItem_imp.h"
#include "ztui/proplist/model/ValueText.h"

namespace zt {

struct ctrl_angle
{
    static constexpr int kEditType = actrl_Edit::AngleEdit;
    static CString Text(const PropertyItem_imp& item)
    {
        return valuetext::FormatAngle(item.angleValue(), item.anglePrecision());
    }
    static void Write(PropertyItem_imp& item, const CString& text, int)
    {
        item.setAngle(valuetext::ReadDegreesAsRadians(text));
    }
};

} // namespace zt
