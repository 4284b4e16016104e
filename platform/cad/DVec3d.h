#pragma once
// A direction or displacement in model space. Operations that need a direction from a
// vector shorter than zt::cad::kZeroLength give the documented degenerate result (a zero
// vector, an angle of 0) rather than dividing by zero.

#include "platform/cad/DPoint3d.h"

struct DVec3d
{
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    static DVec3d From(double x, double y, double z = 0.0) { return DVec3d{x, y, z}; }
    static DVec3d From(const DPoint3d& p) { return DVec3d{p.x, p.y, p.z}; }
    static DVec3d UnitX() { return DVec3d{1.0, 0.0, 0.0}; }
    static DVec3d UnitY() { return DVec3d{0.0, 1.0, 0.0}; }
    static DVec3d UnitZ() { return DVec3d{0.0, 0.0, 1.0}; }
    static DVec3d FromStartEnd(const DPoint3d& start, const DPoint3d& end);
    // unit(end - start); the zero vector when the points coincide.
    static DVec3d FromStartEndNormalize(const DPoint3d& start, const DPoint3d& end);
    static DVec3d FromCrossProduct(const DVec3d& a, const DVec3d& b);
    static DVec3d FromScale(const DVec3d& v, double factor);
    static DVec3d FromSumOf(const DVec3d& a, const DVec3d& b);
    // v turned counter-clockwise about +Z by radians; z is kept.
    static DVec3d FromRotateXY(const DVec3d& v, double radians);
    // unit(v); the zero vector when v has no direction.
    static DVec3d FromNormalize(const DVec3d& v);

    double Magnitude() const;
    double MagnitudeSquared() const;
    double MagnitudeXY() const;
    bool IsZero() const { return Magnitude() <= zeroLength(); }

    // Makes this a unit vector and returns the length it had. A vector with no direction
    // becomes the zero vector and 0 is returned.
    double Normalize();
    double Normalize(const DVec3d& source);
    // Rescales to the given length (a negative length reverses the vector) and returns the
    // length it had. A vector with no direction stays zero.
    double ScaleToLength(double length);
    double ScaleToLength(const DVec3d& source, double length);
    void Scale(double factor);
    void Scale(const DVec3d& source, double factor);
    void Negate();
    void Add(const DVec3d& v);
    void Subtract(const DVec3d& v);

    double DotProduct(const DVec3d& other) const;
    double DotProductXY(const DVec3d& other) const;
    DVec3d CrossProduct(const DVec3d& other) const;
    // z of the cross product of the XY parts.
    double CrossProductXY(const DVec3d& other) const;

    // Unsigned angle between the vectors, in [0, pi]; 0 when either has no direction.
    double AngleTo(const DVec3d& other) const;
    // Signed angle in the XY plane from this vector to other, in (-pi, pi], positive
    // counter-clockwise; 0 when either XY part has no direction.
    double AngleToXY(const DVec3d& other) const;

    // Turns counter-clockwise about +Z by radians; z is kept.
    void RotateXY(double radians);
    void RotateXY(const DVec3d& source, double radians);

    bool IsParallelTo(const DVec3d& other) const;
    bool IsPerpendicularTo(const DVec3d& other) const;
    bool IsEqual(const DVec3d& other) const;
    bool IsEqual(const DVec3d& other, double tolerance) const;

private:
    static double zeroLength();
};

using DVec3dCR = const DVec3d&;
using DVec3dR = DVec3d&;

// Arithmetic that reads like the formulas it implements.
inline DVec3d operator-(const DPoint3d& a, const DPoint3d& b)
{
    return DVec3d{a.x - b.x, a.y - b.y, a.z - b.z};
}
inline DPoint3d operator+(const DPoint3d& p, const DVec3d& v)
{
    return DPoint3d{p.x + v.x, p.y + v.y, p.z + v.z};
}
inline DPoint3d operator-(const DPoint3d& p, const DVec3d& v)
{
    return DPoint3d{p.x - v.x, p.y - v.y, p.z - v.z};
}
inline DVec3d operator+(const DVec3d& a, const DVec3d& b)
{
    return DVec3d{a.x + b.x, a.y + b.y, a.z + b.z};
}
inline DVec3d operator-(const DVec3d& a, const DVec3d& b)
{
    return DVec3d{a.x - b.x, a.y - b.y, a.z - b.z};
}
inline DVec3d operator-(const DVec3d& a)
{
    return DVec3d{-a.x, -a.y, -a.z};
}
inline DVec3d operator*(const DVec3d& v, double s)
{
    return DVec3d{v.x * s, v.y * s, v.z * s};
}
inline DVec3d operator*(double s, const DVec3d& v)
{
    return DVec3d{v.x * s, v.y * s, v.z * s};
}
