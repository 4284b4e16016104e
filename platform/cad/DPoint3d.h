#pragma once
// A point in model space: three doubles, model units.

struct DVec3d;

struct DPoint3d
{
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    static DPoint3d From(double x, double y, double z = 0.0) { return DPoint3d{x, y, z}; }
    static DPoint3d FromZero() { return DPoint3d{}; }
    static DPoint3d From(const DVec3d& v);
    // origin + vector
    static DPoint3d FromSumOf(const DPoint3d& origin, const DVec3d& vector);
    // origin + vector * scale
    static DPoint3d FromSumOf(const DPoint3d& origin, const DVec3d& vector, double scale);
    // origin + vector0 * scale0 + vector1 * scale1
    static DPoint3d FromSumOf(const DPoint3d& origin, const DVec3d& vector0, double scale0,
                              const DVec3d& vector1, double scale1);
    // a + fraction * (b - a)
    static DPoint3d FromInterpolate(const DPoint3d& a, double fraction, const DPoint3d& b);

    double Distance(const DPoint3d& other) const;
    double DistanceSquared(const DPoint3d& other) const;
    double DistanceXY(const DPoint3d& other) const;
    double Magnitude() const;

    // Exact equality of all three coordinates.
    bool IsEqual(const DPoint3d& other) const;
    // Every coordinate differs by at most tolerance (a box, not a sphere).
    bool IsEqual(const DPoint3d& other, double tolerance) const;
    // Distance within kRelativeTolerance of the points' size: equal up to rounding.
    bool AlmostEqual(const DPoint3d& other) const;
    // Distance at most tolerance.
    bool AlmostEqual(const DPoint3d& other, double tolerance) const;

    void Add(const DVec3d& vector);
    void Subtract(const DVec3d& vector);
    void Scale(double factor);
    void Zero() { x = y = z = 0.0; }
    bool IsFinite() const;
};

using DPoint3dCR = const DPoint3d&;
using DPoint3dR = DPoint3d&;
using DPoint3dCP = const DPoint3d*;
using DPoint3dP = DPoint3d*;
