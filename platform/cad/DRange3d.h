#pragma once
// An axis-aligned box. The null range (nothing in it) has low above high.

#include "platform/cad/BVector.h"
#include "platform/cad/DPoint3d.h"

struct DRange3d
{
    DPoint3d low{1.0e300, 1.0e300, 1.0e300};
    DPoint3d high{-1.0e300, -1.0e300, -1.0e300};

    static DRange3d NullRange() { return DRange3d{}; }
    static DRange3d From(const DPoint3d& p);
    static DRange3d From(const DPoint3d& a, const DPoint3d& b);
    static DRange3d From(const bvector<DPoint3d>& points);

    void Init() { *this = NullRange(); }
    void Extend(const DPoint3d& p);
    void Extend(const DRange3d& other);
    bool IsNull() const;
    double XLength() const;
    double YLength() const;
    double ZLength() const;
    // Length of the diagonal; 0 for the null range.
    double DiagonalDistance() const;
    bool IsContained(const DPoint3d& p) const;
    bool IntersectsWith(const DRange3d& other) const;
};

using DRange3dCR = const DRange3d&;
