#include "platform/host/CurveUtil.h"

#include "platform/cad/GeomTolerance.h"

#include <cmath>

using namespace zt::cad;

namespace Tessel::ArchModel {

CurveUtil& CurveUtil::Get()
{
    static CurveUtil util;
    return util;
}

ICurvePrimitivePtr CurveUtil::createLine(const DPoint3d& p, const DPoint3d& q) const
{
    return ICurvePrimitive::CreateLine(p, q);
}

CurveVectorPtr CurveUtil::createRectangXY(const DPoint3d& corner0, const DPoint3d& corner1) const
{
    double z = corner0.z;
    DPoint3d a{corner0.x, corner0.y, z}, b{corner1.x, corner0.y, z}, c{corner1.x, corner1.y, z},
        d{corner0.x, corner1.y, z};
    CurveVectorPtr loop = CurveVector::Create(CurveVector::BOUNDARY_TYPE_Outer);
    loop->Add(createLine(a, b));
    loop->Add(createLine(b, c));
    loop->Add(createLine(c, d));
    loop->Add(createLine(d, a));
    return loop;
}

CurveVectorPtr CurveUtil::createPoly(const bvector<DPoint3d>& points) const
{
    CurveVectorPtr loop = CurveVector::Create(CurveVector::BOUNDARY_TYPE_Outer);
    bvector<DPoint3d> corners;
    for (const auto& p : points)
        if (corners.empty() || !corners.back().IsEqual(p))
            corners.push_back(p);
    if (corners.size() > 1 && corners.back().IsEqual(corners.front()))
        corners.pop_back();
    if (corners.size() < 2)
        return loop;
    for (size_t i = 0; i < corners.size(); ++i)
        loop->Add(createLine(corners[i], corners[(i + 1) % corners.size()]));
    return loop;
}

bool CurveUtil::IsArcAntiwise(const DEllipse3d& arc) const
{
    return arc.IsCCWXY();
}

bool CurveUtil::IsArcAntiwise(const ICurvePrimitivePtr& curve) const
{
    const DEllipse3d* arc = curve.IsValid() ? curve->GetArcCP() : nullptr;
    return arc && IsArcAntiwise(*arc);
}

DPoint3d CurveUtil::GetEndPoint(const ICurvePrimitivePtr& curve) const
{
    DPoint3d start, end;
    if (curve.IsNull() || !curve->GetStartEnd(start, end))
        return DPoint3d{};
    return end;
}

bool CurveUtil::SetSameSweepEndPoint(ICurvePrimitivePtr& curve, const DPoint3d& endPoint) const
{
    if (curve.IsNull())
        return false;
    if (const DSegment3d* line = curve->GetLineCP()) {
        curve = createLine(line->point[0], endPoint);
        return true;
    }
    if (const bvector<DPoint3d>* points = curve->GetLineStringCP()) {
        if (points->empty())
            return false;
        bvector<DPoint3d> moved = *points;
        moved.back() = endPoint;
        curve = ICurvePrimitive::CreateLineString(moved);
        return true;
    }
    const DEllipse3d* arc = curve->GetArcCP();
    if (!arc)
        return false;
    DPoint3d start = arc->FractionParameterToPoint(0.0);
    DVec3d chord = endPoint - start;
    double length = chord.Magnitude();
    double halfSweep = 0.5 * std::fabs(arc->sweep);
    if (arc->IsFullEllipse() || !(length > kZeroLength) || !(std::sin(halfSweep) > 0.0)) {
        // A whole circle has no chord to follow; it can only stay where it is.
        return arc->IsFullEllipse() && endPoint.IsEqual(start);
    }
    // Keep the arc's plane: its normal oriented so that the sweep runs counter-clockwise
    // about it. Fall back to +Z for arcs that have none.
    DVec3d normal = arc->Normal();
    if (normal.IsZero())
        normal = DVec3d::UnitZ();
    if (arc->sweep < 0.0)
        normal.Negate();
    DVec3d inPlane = chord - normal * chord.DotProduct(normal);
    if (inPlane.Normalize() == 0.0)
        return false;
    // The centre lies on the chord's perpendicular bisector, on the left of the chord (seen
    // along the normal) for sweeps below a half turn and on the right beyond it.
    double radius = 0.5 * length / std::sin(halfSweep);
    double offset = radius * std::cos(halfSweep);
    DVec3d left = normal.CrossProduct(inPlane);
    DPoint3d middle = DPoint3d::FromInterpolate(start, 0.5, endPoint);
    DPoint3d centre = DPoint3d::FromSumOf(middle, left, offset);
    DVec3d v0 = start - centre;
    DVec3d v90 = normal.CrossProduct(v0);
    double sweep = std::fabs(arc->sweep);
    curve = ICurvePrimitive::CreateArc(DEllipse3d::FromVectors(centre, v0, v90, 0.0, sweep));
    return true;
}

} // namespace Tessel::ArchModel
