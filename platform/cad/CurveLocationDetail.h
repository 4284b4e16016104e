#pragma once
// Where on a curve a search ended: the point, its fraction along the whole curve, its
// distance from the point searched for, and for line strings (and curve chains) the piece
// it lies on.

#include "platform/cad/DPoint3d.h"

#include <cstddef>

struct CurveLocationDetail
{
    DPoint3d point;
    // Fraction along the curve: for a line string segment i of n at local fraction g it is
    // (i + g) / n.
    double fraction = 0.0;
    // Distance from the point searched for.
    double a = 0.0;
    // Segment of a line string, or primitive of a curve chain; 0 otherwise.
    size_t componentIndex = 0;
    double componentFraction = 0.0;
};
