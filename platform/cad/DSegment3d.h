#pragma once
// A bounded straight segment from point[0] to point[1].

#include "platform/cad/DVec3d.h"

struct DSegment3d
{
    DPoint3d point[2];

    static DSegment3d From(const DPoint3d& start, const DPoint3d& end);

    const DPoint3d& GetStartPoint() const { return point[0]; }
    const DPoint3d& GetEndPoint() const { return point[1]; }
    void GetStartPoint(DPoint3d& p) const { p = point[0]; }
    void GetEndPoint(DPoint3d& p) const { p = point[1]; }
    DVec3d Direction() const { return point[1] - point[0]; }
    double Length() const;

    DPoint3d FractionParameterToPoint(double fraction) const;
    void FractionParameterToPoint(DPoint3d& p, double fraction) const
    {
        p = FractionParameterToPoint(fraction);
    }
    // Perpendicular foot on the unbounded line. A segment with no length projects everything
    // onto its start (fraction 0) and returns false.
    bool ProjectPoint(DPoint3d& closest, double& fraction, const DPoint3d& space) const;
    // Nearest point of the segment itself (fraction clamped to [0, 1]).
    void ProjectPointBounded(DPoint3d& closest, double& fraction, const DPoint3d& space) const;
};

using DSegment3dCR = const DSegment3d&;
