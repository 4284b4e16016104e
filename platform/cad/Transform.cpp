#include "platform/cad/Transform.h"

Transform Transform::From(const RotMatrix& matrix, const DPoint3d& translation)
{
    return Transform{matrix, DVec3d::From(translation)};
}

Transform Transform::FromWorldToLocal(const RotMatrix& axesAsColumns, const DPoint3d& origin)
{
    RotMatrix toLocal = RotMatrix::FromTransposeOf(axesAsColumns);
    return Transform{toLocal, -toLocal.Multiply(DVec3d::From(origin))};
}

DPoint3d Transform::Multiply(const DPoint3d& p) const
{
    return matrix.Multiply(p) + translation;
}

bool Transform::InverseOf(const Transform& t)
{
    RotMatrix inverse;
    if (!inverse.InverseOf(t.matrix))
        return false;
    matrix = inverse;
    translation = -inverse.Multiply(t.translation);
    return true;
}
