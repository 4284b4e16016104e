#pragma once
// The arithmetic of the tracer boxes, apart from any window: what the fields show for a cursor
// point, and which point the typed values stand for.

#include "platform/base/CString.h"
#include "platform/cad/DPoint3d.h"
#include "ztui/ZTUiExport.h"

namespace zt {

// Below this distance the direction of the cursor from the start means nothing.
inline constexpr double kTracerMinimumDistance = 1.0;

// What the fields of a distance-and-angle box show for a point.
struct ZTUI_EXPORT TracerFieldValues
{
    double distance = 0.0;
    // Unsigned, 0 to 180 degrees; 0 when the point lies within kTracerMinimumDistance.
    double angle = 0.0;
    double dx = 0.0;
    double dy = 0.0;

    static TracerFieldValues Of(const DPoint3d& start, const DPoint3d& point);

    // The texts: angle with one decimal, everything else in whole units; Z is always "0".
    CString DistanceText() const;
    CString AngleText() const;
    CString DxText() const;
    CString DyText() const;
    CString AbsDxText() const;
    CString AbsDyText() const;
    static CString ZText();
};

// The unsigned angle between the XY direction of v and the X axis, in degrees (0 to 180).
ZTUI_EXPORT double TracerUnsignedAngle(double dx, double dy);
// start + (distance along X turned counter-clockwise by degrees in the XY plane).
ZTUI_EXPORT DPoint3d TracerPolarPoint(const DPoint3d& start, double distance, double degrees);
// A field's number as the boxes read it: the leading number of the text, 0 when there is none.
ZTUI_EXPORT double TracerReadNumber(const CString& text);

} // namespace zt
