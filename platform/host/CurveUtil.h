#pragma once
// The host's curve helpers that its tools (and the drawing input of the UI library) build
// outlines with. All outlines are chains of lines and arcs in the XY plane.

#include "platform/cad/CurveVector.h"

namespace Tessel::ArchModel {

class CurveUtil
{
public:
    static CurveUtil& Get();

    // The line from p to q.
    ICurvePrimitivePtr createLine(const DPoint3d& p, const DPoint3d& q) const;
    // The closed axis-parallel rectangle with the two opposite corners, as four lines (an
    // outer loop) at the height of the first corner: from corner0 along x to the second
    // corner's x, then along y, back along x, and down to corner0.
    CurveVectorPtr createRectangXY(const DPoint3d& corner0, const DPoint3d& corner1) const;
    // The closed polygon through the points as an outer loop of lines. Repeated points
    // (exactly equal neighbours) are skipped and a closing line is added when the list does
    // not end where it starts. Fewer than two distinct points give an empty loop.
    CurveVectorPtr createPoly(const bvector<DPoint3d>& points) const;
    // True when the arc runs counter-clockwise seen from +Z; false for anything else.
    bool IsArcAntiwise(const DEllipse3d& arc) const;
    bool IsArcAntiwise(const ICurvePrimitivePtr& curve) const;
    // The curve's end point; the zero point for a null or empty curve.
    DPoint3d GetEndPoint(const ICurvePrimitivePtr& curve) const;
    // Replaces curve by the same kind of curve with its end moved onto endPoint and its
    // start kept: a line gets the new end, a line string a new last point, and an arc keeps
    // its sweep (angle and direction) and plane, so that its radius follows the new chord.
    // False (curve unchanged) for a null curve, and for an arc whose new chord is empty or
    // whose sweep is a whole turn unless endPoint is its start.
    bool SetSameSweepEndPoint(ICurvePrimitivePtr& curve, const DPoint3d& endPoint) const;

private:
    CurveUtil() = default;
};

} // namespace Tessel::ArchModel
