#include "platform/host/PublicFunc.h"

#include "platform/cad/DVec3d.h"
#include "platform/cad/GeomTolerance.h"

#include <cmath>

namespace Tessel::ArchModel {

int PublicFunc::IsTwoLineParrallel(const DPoint3d& a0, const DPoint3d& a1, const DPoint3d& b0,
                                   const DPoint3d& b1, double tolerance)
{
    DVec3d a = DVec3d::FromStartEndNormalize(a0, a1);
    DVec3d b = DVec3d::FromStartEndNormalize(b0, b1);
    if (a.IsZero() || b.IsZero())
        return 1;
    // The angle between the lines, folded so that opposite directions are parallel too.
    double angle = a.AngleTo(b);
    double between = std::fmin(angle, zt::cad::kPi - angle);
    return between <= std::fabs(tolerance) ? 1 : 0;
}

} // namespace Tessel::ArchModel
