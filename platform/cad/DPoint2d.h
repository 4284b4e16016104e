#pragma once
// A point in a plane: two doubles (model units, or pixels where a view says so).

#include <cmath>

struct DPoint2d
{
    double x = 0.0;
    double y = 0.0;

    static DPoint2d From(double x, double y) { return DPoint2d{x, y}; }
    double Distance(const DPoint2d& other) const { return std::hypot(x - other.x, y - other.y); }
    bool IsEqual(const DPoint2d& other) const { return x == other.x && y == other.y; }
    bool IsEqual(const DPoint2d& other, double tolerance) const
    {
        return std::fabs(x - other.x) <= tolerance && std::fabs(y - other.y) <= tolerance;
    }
};

using DPoint2dCR = const DPoint2d&;
