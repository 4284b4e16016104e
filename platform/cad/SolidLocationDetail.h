#pragma once
// A ray's hit on a face: the point, the ray parameter at which it was reached, and (u, v)
// parameters of the point across the face.

#include "platform/cad/DPoint3d.h"

struct SolidLocationDetail
{
    DPoint3d point;
    double parameter = 0.0;
    double u = 0.0;
    double v = 0.0;

    const DPoint3d& GetXYZ() const { return point; }
    double GetPickParameter() const { return parameter; }
    double GetU() const { return u; }
    double GetV() const { return v; }
};
