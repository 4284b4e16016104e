#pragma once
// A ray: origin + t * direction. The direction is not normalised, so parameters count in
// multiples of it (a ray from a to b reaches b at t = 1).

#include "platform/cad/DVec3d.h"

struct DRay3d
{
    DPoint3d origin;
    DVec3d direction;

    static DRay3d FromOriginAndVector(const DPoint3d& origin, const DVec3d& direction);
    static DRay3d FromOriginAndTarget(const DPoint3d& origin, const DPoint3d& target);

    DPoint3d FractionParameterToPoint(double t) const;
    // Parameter and point of the perpendicular foot of space; false (t = 0, the origin) when
    // the ray has no direction.
    bool ProjectPointUnbounded(DPoint3d& foot, double& t, const DPoint3d& space) const;
    // Where the ray meets the plane through planePoint with the given normal. False when the
    // ray has no direction, the normal none, or the ray runs parallel to the plane.
    bool IntersectPlane(const DPoint3d& planePoint, const DVec3d& planeNormal, double& t,
                        DPoint3d& hit) const;
};

using DRay3dCR = const DRay3d&;
