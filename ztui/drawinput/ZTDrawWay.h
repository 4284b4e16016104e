#pragma once
// The kind of segment that the next clicks of a layout build. The values are part of the
// host's interface (tools store and pass them as 32-bit integers); there is no value 9.

#include <cstdint>

namespace zt {

enum class ZTDrawWay : std::int32_t
{
    // end click: a straight segment
    Line = 0,
    // end click: an arc leaving the current point tangent to the last curve
    TangentArc = 1,
    // tangent point, end: an arc whose start tangent points at the tangent point
    ArcStartTangentEnd = 2,
    // second and third circle points, end: the circle through three points, cut at the end
    ArcCirclePointsEnd = 3,
    // centre, end: an arc about the centre from the current point
    ArcStartCenterEnd = 4,
    // end, a point on the arc: the arc through three points
    ArcStartEndMid = 5,
    // start, end (the current point is the centre): an arc about the current point
    ArcCenterStartEnd = 6,
    // opposite corner: an axis-parallel rectangle, which completes the layout
    RectangleTwoCorners = 7,
    // second corner, a point setting the width: a rectangle, which completes the layout
    RectangleThreePoints = 8,
    // set by Begin: clicks are recorded, nothing is built
    NotSet = 10,
};

} // namespace zt
