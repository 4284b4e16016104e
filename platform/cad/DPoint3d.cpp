#include "platform/cad/DPoint3d.h"

#include "platform/cad/DVec3d.h"
#include "platform/cad/GeomTolerance.h"

#include <algorithm>
#include <cmath>

DPoint3d DPoint3d::From(const DVec3d& v)
{
    return DPoint3d{v.x, v.y, v.z};
}

DPoint3d DPoint3d::FromSumOf(const DPoint3d& origin, const DVec3d& vector)
{
    return DPoint3d{origin.x + vector.x, origin.y + vector.y, origin.z + vector.z};
}

DPoint3d DPoint3d::FromSumOf(const DPoint3d& origin, const DVec3d& vector, double scale)
{
    return DPoint3d{origin.x + vector.x * scale, origin.y + vector.y * scale,
                    origin.z + vector.z * scale};
}

DPoint3d DPoint3d::FromSumOf(const DPoint3d& origin, const DVec3d& vector0, double scale0,
                             const DVec3d& vector1, double scale1)
{
    return DPoint3d{origin.x + vector0.x * scale0 + vector1.x * scale1,
                    origin.y + vector0.y * scale0 + vector1.y * scale1,
                    origin.z + vector0.z * scale0 + vector1.z * scale1};
}

DPoint3d DPoint3d::FromInterpolate(const DPoint3d& a, double fraction, const DPoint3d& b)
{
    return DPoint3d{a.x + fraction * (b.x - a.x), a.y + fraction * (b.y - a.y),
                    a.z + fraction * (b.z - a.z)};
}

double DPoint3d::Distance(const DPoint3d& other) const
{
    return std::sqrt(DistanceSquared(other));
}

double DPoint3d::DistanceSquared(const DPoint3d& other) const
{
    double dx = x - other.x, dy = y - other.y, dz = z - other.z;
    return dx * dx + dy * dy + dz * dz;
}

double DPoint3d::DistanceXY(const DPoint3d& other) const
{
    return std::hypot(x - other.x, y - other.y);
}

double DPoint3d::Magnitude() const
{
    return std::sqrt(x * x + y * y + z * z);
}

bool DPoint3d::IsEqual(const DPoint3d& other) const
{
    return x == other.x && y == other.y && z == other.z;
}

bool DPoint3d::IsEqual(const DPoint3d& other, double tolerance) const
{
    return std::fabs(x - other.x) <= tolerance && std::fabs(y - other.y) <= tolerance &&
           std::fabs(z - other.z) <= tolerance;
}

bool DPoint3d::AlmostEqual(const DPoint3d& other) const
{
    double size = 1.0 + std::max(Magnitude(), other.Magnitude());
    return Distance(other) <= zt::cad::kRelativeTolerance * size;
}

bool DPoint3d::AlmostEqual(const DPoint3d& other, double tolerance) const
{
    return Distance(other) <= tolerance;
}

void DPoint3d::Add(const DVec3d& vector)
{
    x += vector.x;
    y += vector.y;
    z += vector.z;
}

void DPoint3d::Subtract(const DVec3d& vector)
{
    x -= vector.x;
    y -= vector.y;
    z -= vector.z;
}

void DPoint3d::Scale(double factor)
{
    x *= factor;
    y *= factor;
    z *= factor;
}

bool DPoint3d::IsFinite() const
{
    return std::isfinite(x) && std::isfinite(y) && std::isfinite(z);
}
