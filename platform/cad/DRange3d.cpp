#include "platform/cad/DRange3d.h"

#include <algorithm>

DRange3d DRange3d::From(const DPoint3d& p)
{
    DRange3d r;
    r.Extend(p);
    return r;
}

DRange3d DRange3d::From(const DPoint3d& a, const DPoint3d& b)
{
    DRange3d r;
    r.Extend(a);
    r.Extend(b);
    return r;
}

DRange3d DRange3d::From(const bvector<DPoint3d>& points)
{
    DRange3d r;
    for (const auto& p : points)
        r.Extend(p);
    return r;
}

void DRange3d::Extend(const DPoint3d& p)
{
    low.x = std::min(low.x, p.x);
    low.y = std::min(low.y, p.y);
    low.z = std::min(low.z, p.z);
    high.x = std::max(high.x, p.x);
    high.y = std::max(high.y, p.y);
    high.z = std::max(high.z, p.z);
}

void DRange3d::Extend(const DRange3d& other)
{
    if (other.IsNull())
        return;
    Extend(other.low);
    Extend(other.high);
}

bool DRange3d::IsNull() const
{
    return low.x > high.x || low.y > high.y || low.z > high.z;
}

double DRange3d::XLength() const
{
    return IsNull() ? 0.0 : high.x - low.x;
}

double DRange3d::YLength() const
{
    return IsNull() ? 0.0 : high.y - low.y;
}

double DRange3d::ZLength() const
{
    return IsNull() ? 0.0 : high.z - low.z;
}

double DRange3d::DiagonalDistance() const
{
    return IsNull() ? 0.0 : low.Distance(high);
}

bool DRange3d::IsContained(const DPoint3d& p) const
{
    return !IsNull() && p.x >= low.x && p.x <= high.x && p.y >= low.y && p.y <= high.y &&
           p.z >= low.z && p.z <= high.z;
}

bool DRange3d::IntersectsWith(const DRange3d& other) const
{
    if (IsNull() || other.IsNull())
        return false;
    return low.x <= other.high.x && other.low.x <= high.x && low.y <= other.high.y &&
           other.low.y <= high.y && low.z <= other.high.z && other.low.z <= high.z;
}
