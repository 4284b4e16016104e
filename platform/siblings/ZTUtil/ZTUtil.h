#pragma once
// The exports of the utility library "ZTUtil.dll", as a caller looks them up with
// GetProcAddress:
//
//     HMODULE util = LoadLibraryW(L"ZTUtil.dll");
//     auto create = zt::win::GetProcAddressAs<ZTUtilCreateCurveFn>(util, "CreateCurve");
//     auto remove = zt::win::GetProcAddressAs<ZTUtilDeleteDecorationFn>(util, "DeleteDecoration");
//
// "CreateCurve" shows a curve chain in every view, outside every model, in a colour (a
// COLORREF: 255 is pure red), until "DeleteDecoration" is called with the id it returned.
// A null or empty chain gives the id 0, which no decoration has. Both redraw the open views.
// Call them where views are changed (the work thread).

#include <cstdint>

class CurveVector;

using ZTUtilCreateCurveFn = std::uint32_t (*)(const CurveVector* curves, std::uint32_t color);
using ZTUtilDeleteDecorationFn = bool (*)(std::uint32_t id);
