#pragma once
// An affine map: a matrix followed by a translation (point -> matrix * point + translation).

#include "platform/cad/RotMatrix.h"

struct Transform
{
    RotMatrix matrix;
    DVec3d translation;

    static Transform FromIdentity() { return Transform{}; }
    static Transform From(const RotMatrix& matrix, const DPoint3d& translation);
    // The map from world into the local frame whose origin and axes are given: local
    // coordinates are the components along the axes' columns of matrix (which must be rigid).
    static Transform FromWorldToLocal(const RotMatrix& axesAsColumns, const DPoint3d& origin);

    DPoint3d Multiply(const DPoint3d& p) const;
    DVec3d MultiplyMatrixOnly(const DVec3d& v) const { return matrix.Multiply(v); }
    // False (and this unchanged) when the matrix is singular.
    bool InverseOf(const Transform& t);
};

using TransformCR = const Transform&;
