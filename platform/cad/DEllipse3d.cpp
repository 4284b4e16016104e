#include "platform/cad/DEllipse3d.h"

#include "platform/cad/GeomTolerance.h"

#include <algorithm>
#include <array>
#include <cmath>

using namespace zt::cad;

namespace {

// Angle from v0 to v about normal n, in [0, 2pi), for vectors in the plane of v0 and
// v90 = n x v0.
double PositiveAngle(const DVec3d& v0, const DVec3d& v90, const DVec3d& v)
{
    double a = std::atan2(v.DotProduct(v90), v.DotProduct(v0));
    if (a < 0.0)
        a += kTwoPi;
    return a >= kTwoPi ? 0.0 : a;
}

// A unit vector perpendicular to n (the x axis for n = +Z).
DVec3d PerpendicularTo(const DVec3d& n)
{
    DVec3d helper = std::fabs(n.x) < 0.9 ? DVec3d::UnitX() : DVec3d::UnitY();
    DVec3d v = helper - n * helper.DotProduct(n);
    v.Normalize();
    return v;
}

} // namespace

DEllipse3d DEllipse3d::FromVectors(const DPoint3d& center, const DVec3d& vector0,
                                   const DVec3d& vector90, double start, double sweep)
{
    return DEllipse3d{center, vector0, vector90, start, sweep};
}

DEllipse3d DEllipse3d::FromPointsOnArc(const DPoint3d& start, const DPoint3d& middle,
                                       const DPoint3d& end)
{
    DVec3d a = middle - start;
    DVec3d b = end - start;
    double la = a.Magnitude(), lb = b.Magnitude();
    if (!(la > kZeroLength) && !(lb > kZeroLength))
        return FromVectors(start, DVec3d{}, DVec3d{}, 0.0, 0.0);
    if (!(lb > kZeroLength)) {
        DPoint3d c = DPoint3d::FromInterpolate(start, 0.5, middle);
        DVec3d v0 = start - c;
        DVec3d n = DVec3d::UnitZ();
        if (v0.IsParallelTo(n))
            n = DVec3d::UnitX();
        DVec3d v90 = n.CrossProduct(v0);
        v90.ScaleToLength(v0.Magnitude());
        return FromVectors(c, v0, v90, 0.0, kTwoPi);
    }
    DVec3d w = a.CrossProduct(b);
    double lw = w.Magnitude();
    if (!(la > kZeroLength) || !(lw > kCollinearSine * la * lb)) {
        DPoint3d c = DPoint3d::FromInterpolate(start, 0.5, end);
        return FromVectors(c, start - c, DVec3d{}, 0.0, kPi);
    }
    DVec3d offset = (b * (la * la)).CrossProduct(w) + w.CrossProduct(a) * (lb * lb);
    DPoint3d c = DPoint3d::FromSumOf(start, offset, 1.0 / (2.0 * lw * lw));
    DVec3d n = w * (1.0 / lw);
    DVec3d v0 = start - c;
    DVec3d v90 = n.CrossProduct(v0);
    double sweep = PositiveAngle(v0, v90, end - c);
    return FromVectors(c, v0, v90, 0.0, sweep);
}

DEllipse3d DEllipse3d::FromArcCenterStartEnd(const DPoint3d& center, const DPoint3d& start,
                                             const DPoint3d& end)
{
    DPoint3d c{center.x, center.y, start.z};
    DVec3d v0 = start - c;
    DVec3d v90{-v0.y, v0.x, 0.0};
    double a = v0.AngleToXY(end - c);
    if (a < 0.0)
        a += kTwoPi;
    if (a >= kTwoPi)
        a = 0.0;
    return FromVectors(c, v0, v90, 0.0, a);
}

DEllipse3d DEllipse3d::FromCenterNormalRadius(const DPoint3d& center, const DVec3d& normal,
                                              double radius)
{
    DVec3d n = DVec3d::FromNormalize(normal);
    if (n.IsZero())
        n = DVec3d::UnitZ();
    double r = std::fabs(radius);
    DVec3d v0 = PerpendicularTo(n);
    DVec3d v90 = n.CrossProduct(v0);
    return FromVectors(center, v0 * r, v90 * r, 0.0, kTwoPi);
}

bool DEllipse3d::InitArcFromPointTangentPoint(const DPoint3d& startPoint, const DVec3d& tangent,
                                              const DPoint3d& endPoint)
{
    DVec3d t = DVec3d::FromNormalize(tangent);
    DVec3d chord = endPoint - startPoint;
    double lc = chord.Magnitude();
    if (t.IsZero() || !(lc > kZeroLength))
        return false;
    DVec3d cross = t.CrossProduct(chord);
    double lx = cross.Magnitude();
    if (!(lx > kCollinearSine * lc))
        return false;
    DVec3d n = cross * (1.0 / lx);
    DVec3d towardCenter = n.CrossProduct(t);
    double h = chord.DotProduct(towardCenter);
    double r = lc * lc / (2.0 * h);
    DPoint3d c = DPoint3d::FromSumOf(startPoint, towardCenter, r);
    DVec3d v0 = startPoint - c;
    DVec3d v90 = t * r;
    double s = PositiveAngle(v0, v90, endPoint - c);
    *this = FromVectors(c, v0, v90, 0.0, s);
    return true;
}

void DEllipse3d::MakeFullSweep()
{
    sweep = sweep < 0.0 ? -kTwoPi : kTwoPi;
}

bool DEllipse3d::IsFullEllipse() const
{
    return std::fabs(sweep) >= kTwoPi - kFullSweepAngle;
}

bool DEllipse3d::IsCircular() const
{
    double r0 = vector0.Magnitude(), r90 = vector90.Magnitude();
    double scale = std::max(1.0, std::max(r0, r90));
    if (std::fabs(r0 - r90) > kMatrixEntry * scale)
        return false;
    return std::fabs(vector0.DotProduct(vector90)) <= kMatrixEntry * scale * scale;
}

bool DEllipse3d::IsCCWXY() const
{
    return vector0.CrossProductXY(vector90) * sweep > 0.0;
}

DVec3d DEllipse3d::Normal() const
{
    return DVec3d::FromNormalize(vector0.CrossProduct(vector90));
}

DPoint3d DEllipse3d::Evaluate(double theta) const
{
    return DPoint3d::FromSumOf(center, vector0, std::cos(theta), vector90, std::sin(theta));
}

DPoint3d DEllipse3d::FractionParameterToPoint(double fraction) const
{
    return Evaluate(start + fraction * sweep);
}

DVec3d DEllipse3d::FractionParameterToTangent(double fraction) const
{
    double theta = start + fraction * sweep;
    return (vector0 * -std::sin(theta) + vector90 * std::cos(theta)) * sweep;
}

void DEllipse3d::EvaluateEndPoints(DPoint3d& startPoint, DPoint3d& endPoint) const
{
    startPoint = FractionParameterToPoint(0.0);
    endPoint = FractionParameterToPoint(1.0);
}

double DEllipse3d::ArcLength() const
{
    if (IsCircular())
        return vector0.Magnitude() * std::fabs(sweep);
    // Gauss-Legendre, five points on each of 64 pieces: exact to rounding for the flattened
    // arcs the constructors build and far below drawing precision for true ellipses.
    static constexpr std::array<double, 5> nodes = {0.0, -0.5384693101056831, 0.5384693101056831,
                                                    -0.9061798459386640, 0.9061798459386640};
    static constexpr std::array<double, 5> weights = {0.5688888888888889, 0.4786286704993665,
                                                      0.4786286704993665, 0.2369268850561891,
                                                      0.2369268850561891};
    constexpr int pieces = 64;
    double total = 0.0;
    for (int i = 0; i < pieces; ++i) {
        double f0 = double(i) / pieces, f1 = double(i + 1) / pieces;
        double mid = 0.5 * (f0 + f1), half = 0.5 * (f1 - f0);
        for (size_t k = 0; k < nodes.size(); ++k)
            total +=
                weights[k] * half * FractionParameterToTangent(mid + half * nodes[k]).Magnitude();
    }
    return total;
}

void DEllipse3d::ClosestPointBounded(DPoint3d& closest, double& fraction,
                                     const DPoint3d& space) const
{
    DPoint3d s, e;
    EvaluateEndPoints(s, e);
    double r = vector0.Magnitude();
    if (IsCircular() && r > kZeroLength && sweep != 0.0) {
        DVec3d d = space - center;
        double x = d.DotProduct(vector0), y = d.DotProduct(vector90);
        // On the axis every point of the circle is equally near; the start is taken.
        double theta = std::hypot(x, y) > kZeroLength * r ? std::atan2(y, x) : start;
        double offset = sweep > 0.0 ? theta - start : start - theta;
        offset = std::fmod(offset, kTwoPi);
        if (offset < 0.0)
            offset += kTwoPi;
        if (offset <= std::fabs(sweep)) {
            fraction = offset / std::fabs(sweep);
            closest = FractionParameterToPoint(fraction);
            return;
        }
        bool nearerStart = space.DistanceSquared(s) <= space.DistanceSquared(e);
        fraction = nearerStart ? 0.0 : 1.0;
        closest = nearerStart ? s : e;
        return;
    }
    // Not a true circle: sample, then narrow the bracket around the best sample.
    constexpr int samples = 64;
    int best = 0;
    double bestDistance = space.DistanceSquared(s);
    for (int i = 1; i <= samples; ++i) {
        double dist = space.DistanceSquared(FractionParameterToPoint(double(i) / samples));
        if (dist < bestDistance) {
            bestDistance = dist;
            best = i;
        }
    }
    double lo = std::max(0.0, double(best - 1) / samples);
    double hi = std::min(1.0, double(best + 1) / samples);
    for (int it = 0; it < 80; ++it) {
        double m1 = lo + (hi - lo) / 3.0, m2 = hi - (hi - lo) / 3.0;
        if (space.DistanceSquared(FractionParameterToPoint(m1)) <=
            space.DistanceSquared(FractionParameterToPoint(m2)))
            hi = m2;
        else
            lo = m1;
    }
    fraction = 0.5 * (lo + hi);
    closest = FractionParameterToPoint(fraction);
    if (space.DistanceSquared(closest) > bestDistance) {
        fraction = double(best) / samples;
        closest = FractionParameterToPoint(fraction);
    }
}
