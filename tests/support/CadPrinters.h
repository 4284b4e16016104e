#pragma once
// Readable failure messages and tolerant comparisons for the CAD platform's value types.

#include "platform/cad/DVec3d.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

inline void PrintTo(const DPoint3d& p, std::ostream* os)
{
    *os << "(" << p.x << ", " << p.y << ", " << p.z << ")";
}

inline void PrintTo(const DVec3d& v, std::ostream* os)
{
    *os << "<" << v.x << ", " << v.y << ", " << v.z << ">";
}

inline bool IsFinitePoint(const DPoint3d& p)
{
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

inline ::testing::AssertionResult PointsNear(const DPoint3d& a, const DPoint3d& b, double tol)
{
    if (IsFinitePoint(a) && IsFinitePoint(b) && a.Distance(b) <= tol)
        return ::testing::AssertionSuccess();
    ::testing::Message m;
    m << "(" << a.x << ", " << a.y << ", " << a.z << ") and (" << b.x << ", " << b.y << ", " << b.z
      << ") are " << a.Distance(b) << " apart, more than " << tol;
    return ::testing::AssertionFailure() << m;
}

inline ::testing::AssertionResult VectorsNear(const DVec3d& a, const DVec3d& b, double tol)
{
    return PointsNear(DPoint3d::From(a), DPoint3d::From(b), tol);
}

#define EXPECT_POINT_NEAR(...) EXPECT_TRUE(PointsNear(__VA_ARGS__))
#define EXPECT_VEC_NEAR(...) EXPECT_TRUE(VectorsNear(__VA_ARGS__))
