#include "platform/cad/DVec3d.h"

#include "platform/cad/GeomTolerance.h"

#include <cmath>

using namespace zt::cad;

double DVec3d::zeroLength()
{
    return kZeroLength;
}

DVec3d DVec3d::FromStartEnd(const DPoint3d& start, const DPoint3d& end)
{
    return DVec3d{end.x - start.x, end.y - start.y, end.z - start.z};
}

DVec3d DVec3d::FromStartEndNormalize(const DPoint3d& start, const DPoint3d& end)
{
    DVec3d v = FromStartEnd(start, end);
    v.Normalize();
    return v;
}

DVec3d DVec3d::FromCrossProduct(const DVec3d& a, const DVec3d& b)
{
    return a.CrossProduct(b);
}

DVec3d DVec3d::FromScale(const DVec3d& v, double factor)
{
    return v * factor;
}

DVec3d DVec3d::FromSumOf(const DVec3d& a, const DVec3d& b)
{
    return a + b;
}

DVec3d DVec3d::FromRotateXY(const DVec3d& v, double radians)
{
    DVec3d r;
    r.RotateXY(v, radians);
    return r;
}

DVec3d DVec3d::FromNormalize(const DVec3d& v)
{
    DVec3d r;
    r.Normalize(v);
    return r;
}

double DVec3d::Magnitude() const
{
    return std::sqrt(x * x + y * y + z * z);
}

double DVec3d::MagnitudeSquared() const
{
    return x * x + y * y + z * z;
}

double DVec3d::MagnitudeXY() const
{
    return std::hypot(x, y);
}

double DVec3d::Normalize()
{
    double length = Magnitude();
    if (!(length > kZeroLength)) {
        x = y = z = 0.0;
        return 0.0;
    }
    x /= length;
    y /= length;
    z /= length;
    return length;
}

double DVec3d::Normalize(const DVec3d& source)
{
    *this = source;
    return Normalize();
}

double DVec3d::ScaleToLength(double length)
{
    double old = Normalize();
    if (old == 0.0)
        return 0.0;
    Scale(length);
    return old;
}

double DVec3d::ScaleToLength(const DVec3d& source, double length)
{
    *this = source;
    return ScaleToLength(length);
}

void DVec3d::Scale(double factor)
{
    x *= factor;
    y *= factor;
    z *= factor;
}

void DVec3d::Scale(const DVec3d& source, double factor)
{
    *this = source * factor;
}

void DVec3d::Negate()
{
    x = -x;
    y = -y;
    z = -z;
}

void DVec3d::Add(const DVec3d& v)
{
    x += v.x;
    y += v.y;
    z += v.z;
}

void DVec3d::Subtract(const DVec3d& v)
{
    x -= v.x;
    y -= v.y;
    z -= v.z;
}

double DVec3d::DotProduct(const DVec3d& other) const
{
    return x * other.x + y * other.y + z * other.z;
}

double DVec3d::DotProductXY(const DVec3d& other) const
{
    return x * other.x + y * other.y;
}

DVec3d DVec3d::CrossProduct(const DVec3d& other) const
{
    return DVec3d{y * other.z - z * other.y, z * other.x - x * other.z, x * other.y - y * other.x};
}

double DVec3d::CrossProductXY(const DVec3d& other) const
{
    return x * other.y - y * other.x;
}

double DVec3d::AngleTo(const DVec3d& other) const
{
    if (IsZero() || other.IsZero())
        return 0.0;
    return std::atan2(CrossProduct(other).Magnitude(), DotProduct(other));
}

double DVec3d::AngleToXY(const DVec3d& other) const
{
    if (!(MagnitudeXY() > kZeroLength) || !(other.MagnitudeXY() > kZeroLength))
        return 0.0;
    double a = std::atan2(CrossProductXY(other), DotProductXY(other));
    // atan2 gives -pi for a half turn with a negative zero cross product; the documented
    // range is (-pi, pi].
    return a == -kPi ? kPi : a;
}

void DVec3d::RotateXY(double radians)
{
    double c = std::cos(radians), s = std::sin(radians);
    double nx = x * c - y * s;
    double ny = x * s + y * c;
    x = nx;
    y = ny;
}

void DVec3d::RotateXY(const DVec3d& source, double radians)
{
    *this = source;
    RotateXY(radians);
}

bool DVec3d::IsParallelTo(const DVec3d& other) const
{
    double a = Magnitude(), b = other.Magnitude();
    if (!(a > kZeroLength) || !(b > kZeroLength))
        return false;
    return CrossProduct(other).Magnitude() <= kParallelSine * a * b;
}

bool DVec3d::IsPerpendicularTo(const DVec3d& other) const
{
    double a = Magnitude(), b = other.Magnitude();
    if (!(a > kZeroLength) || !(b > kZeroLength))
        return false;
    return std::fabs(DotProduct(other)) <= kParallelSine * a * b;
}

bool DVec3d::IsEqual(const DVec3d& other) const
{
    return x == other.x && y == other.y && z == other.z;
}

bool DVec3d::IsEqual(const DVec3d& other, double tolerance) const
{
    return std::fabs(x - other.x) <= tolerance && std::fabs(y - other.y) <= tolerance &&
           std::fabs(z - other.z) <= tolerance;
}
