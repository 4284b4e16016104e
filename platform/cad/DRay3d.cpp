#include "platform/cad/DRay3d.h"

#include "platform/cad/GeomTolerance.h"

#include <cmath>

using namespace zt::cad;

DRay3d DRay3d::FromOriginAndVector(const DPoint3d& origin, const DVec3d& direction)
{
    return DRay3d{origin, direction};
}

DRay3d DRay3d::FromOriginAndTarget(const DPoint3d& origin, const DPoint3d& target)
{
    return DRay3d{origin, target - origin};
}

DPoint3d DRay3d::FractionParameterToPoint(double t) const
{
    return DPoint3d::FromSumOf(origin, direction, t);
}

bool DRay3d::ProjectPointUnbounded(DPoint3d& foot, double& t, const DPoint3d& space) const
{
    double dd = direction.MagnitudeSquared();
    if (!(dd > kZeroLength * kZeroLength)) {
        t = 0.0;
        foot = origin;
        return false;
    }
    t = direction.DotProduct(space - origin) / dd;
    foot = FractionParameterToPoint(t);
    return true;
}

bool DRay3d::IntersectPlane(const DPoint3d& planePoint, const DVec3d& planeNormal, double& t,
                            DPoint3d& hit) const
{
    DVec3d n = DVec3d::FromNormalize(planeNormal);
    double length = direction.Magnitude();
    if (n.IsZero() || !(length > kZeroLength))
        return false;
    double denominator = n.DotProduct(direction);
    if (!(std::fabs(denominator) > kParallelSine * length))
        return false;
    t = n.DotProduct(planePoint - origin) / denominator;
    hit = FractionParameterToPoint(t);
    return true;
}
