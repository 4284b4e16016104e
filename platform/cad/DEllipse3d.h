#pragma once
// An elliptic arc: X(theta) = center + cos(theta) * vector0 + sin(theta) * vector90 for theta
// from start to start + sweep (radians). The drawing tools build circular arcs, where the two
// vectors are perpendicular and of equal length (the radius); the arc then runs
// counter-clockwise about vector0 x vector90 when sweep is positive.
//
// Degenerate input never produces NaN. Where no circle exists the constructors build, and
// document, a flattened arc (vector90 zero) that still runs from the given start to the given
// end, or a zero-radius arc at a point.

#include "platform/cad/DVec3d.h"

struct DEllipse3d
{
    DPoint3d center;
    DVec3d vector0;
    DVec3d vector90;
    double start = 0.0;
    double sweep = 0.0;

    static DEllipse3d FromVectors(const DPoint3d& center, const DVec3d& vector0,
                                  const DVec3d& vector90, double start, double sweep);
    // The circular arc from start through middle to end. Its normal is the orientation of the
    // triangle start, middle, end (so the sweep is positive, in (0, 2pi)).
    // Degenerate cases:
    // - end at start, middle elsewhere: the full circle with start-middle as diameter;
    // - all three at one point: a zero-radius arc at that point, sweep 0;
    // - collinear points: the flattened arc centred midway between start and end, vector0
    //   from that centre to start, vector90 zero, sweep pi; it runs straight from start to
    //   end and its length is the chord.
    static DEllipse3d FromPointsOnArc(const DPoint3d& start, const DPoint3d& middle,
                                      const DPoint3d& end);
    // The arc about center in the horizontal plane through start, from start to the
    // direction of end, counter-clockwise about +Z: sweep in [0, 2pi), 0 when end lies in the
    // start direction (or gives no direction). end only sets the direction.
    static DEllipse3d FromArcCenterStartEnd(const DPoint3d& center, const DPoint3d& start,
                                            const DPoint3d& end);
    // Full circle; vector0 is the x axis when normal is +Z. A normal with no direction is
    // taken as +Z and a negative radius as its absolute value.
    static DEllipse3d FromCenterNormalRadius(const DPoint3d& center, const DVec3d& normal,
                                             double radius);
    // The circular arc that leaves start along tangent and ends at end. False (and this arc
    // unchanged) when the tangent has no direction, end coincides with start or end lies on
    // the tangent line.
    bool InitArcFromPointTangentPoint(const DPoint3d& start, const DVec3d& tangent,
                                      const DPoint3d& end);

    // Keeps start and direction, sweeps a whole turn.
    void MakeFullSweep();
    bool IsFullEllipse() const;
    // Perpendicular vectors of equal length (a zero-radius arc included).
    bool IsCircular() const;
    // Counter-clockwise seen from +Z.
    bool IsCCWXY() const;
    // unit(vector0 x vector90); zero for flattened and zero-radius arcs.
    DVec3d Normal() const;

    DPoint3d Evaluate(double theta) const;
    DPoint3d FractionParameterToPoint(double fraction) const;
    void FractionParameterToPoint(DPoint3d& point, double fraction) const
    {
        point = FractionParameterToPoint(fraction);
    }
    // Derivative with respect to the fraction (its length is the arc length for a circle).
    DVec3d FractionParameterToTangent(double fraction) const;
    void EvaluateEndPoints(DPoint3d& startPoint, DPoint3d& endPoint) const;
    double ArcLength() const;
    // Nearest point of the arc itself and its fraction.
    void ClosestPointBounded(DPoint3d& closest, double& fraction, const DPoint3d& space) const;
};

using DEllipse3dCR = const DEllipse3d&;
