#pragma once
// How property values become text in the editors and how typed text becomes a value again.
// Reading is forgiving: the leading number counts and text without one reads as 0, so a typo
// never loses the whole entry.

#include "platform/base/CString.h"
#include "ztui/ZTUiExport.h"

namespace zt::valuetext {

ZTUI_EXPORT CString FormatInteger(int value);
// The value with `precision` decimals (a negative precision counts as 0).
ZTUI_EXPORT CString FormatDistance(double value, int precision);
// Radians shown in degrees with `precision` decimals and a degree sign.
ZTUI_EXPORT CString FormatAngle(double radians, int precision);
ZTUI_EXPORT CString FormatCoordinate(double value);

ZTUI_EXPORT int ReadInteger(const CString& text);
ZTUI_EXPORT double ReadNumber(const CString& text);
ZTUI_EXPORT double ReadDegreesAsRadians(const CString& text);

} // namespace zt::valuetext
