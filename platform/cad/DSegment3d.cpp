#include "platform/cad/DSegment3d.h"

#include "platform/cad/GeomTolerance.h"

#include <algorithm>

DSegment3d DSegment3d::From(const DPoint3d& start, const DPoint3d& end)
{
    DSegment3d s;
    s.point[0] = start;
    s.point[1] = end;
    return s;
}

double DSegment3d::Length() const
{
    return point[0].Distance(point[1]);
}

DPoint3d DSegment3d::FractionParameterToPoint(double fraction) const
{
    return DPoint3d::FromInterpolate(point[0], fraction, point[1]);
}

bool DSegment3d::ProjectPoint(DPoint3d& closest, double& fraction, const DPoint3d& space) const
{
    DVec3d d = Direction();
    double dd = d.MagnitudeSquared();
    if (!(dd > zt::cad::kZeroLength * zt::cad::kZeroLength)) {
        fraction = 0.0;
        closest = point[0];
        return false;
    }
    fraction = d.DotProduct(space - point[0]) / dd;
    closest = FractionParameterToPoint(fraction);
    return true;
}

void DSegment3d::ProjectPointBounded(DPoint3d& closest, double& fraction,
                                     const DPoint3d& space) const
{
    ProjectPoint(closest, fraction, space);
    double clamped = std::clamp(fraction, 0.0, 1.0);
    if (clamped != fraction) {
        fraction = clamped;
        closest = clamped == 0.0 ? point[0] : point[1];
    }
}
