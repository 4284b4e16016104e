#include "platform/cad/RotMatrix.h"

#include "platform/cad/GeomTolerance.h"

#include <cmath>

using namespace zt::cad;

RotMatrix RotMatrix::FromRowValues(double x00, double x01, double x02, double x10, double x11,
                                   double x12, double x20, double x21, double x22)
{
    RotMatrix m;
    m.form3d[0][0] = x00;
    m.form3d[0][1] = x01;
    m.form3d[0][2] = x02;
    m.form3d[1][0] = x10;
    m.form3d[1][1] = x11;
    m.form3d[1][2] = x12;
    m.form3d[2][0] = x20;
    m.form3d[2][1] = x21;
    m.form3d[2][2] = x22;
    return m;
}

RotMatrix RotMatrix::FromColumnVectors(const DVec3d& x, const DVec3d& y, const DVec3d& z)
{
    return FromRowValues(x.x, y.x, z.x, x.y, y.y, z.y, x.z, y.z, z.z);
}

RotMatrix RotMatrix::FromRowVectors(const DVec3d& x, const DVec3d& y, const DVec3d& z)
{
    return FromRowValues(x.x, x.y, x.z, y.x, y.y, y.z, z.x, z.y, z.z);
}

RotMatrix RotMatrix::FromAxisAndRotationAngle(int axis, double radians)
{
    double c = std::cos(radians), s = std::sin(radians);
    switch (axis) {
    case 0:
        return FromRowValues(1, 0, 0, 0, c, -s, 0, s, c);
    case 1:
        return FromRowValues(c, 0, s, 0, 1, 0, -s, 0, c);
    case 2:
        return FromRowValues(c, -s, 0, s, c, 0, 0, 0, 1);
    default:
        return FromIdentity();
    }
}

RotMatrix RotMatrix::FromVectorAndRotationAngle(const DVec3d& axis, double radians)
{
    DVec3d u = DVec3d::FromNormalize(axis);
    if (u.IsZero())
        return FromIdentity();
    double c = std::cos(radians), s = std::sin(radians), t = 1.0 - c;
    return FromRowValues(t * u.x * u.x + c, t * u.x * u.y - s * u.z, t * u.x * u.z + s * u.y,
                         t * u.x * u.y + s * u.z, t * u.y * u.y + c, t * u.y * u.z - s * u.x,
                         t * u.x * u.z - s * u.y, t * u.y * u.z + s * u.x, t * u.z * u.z + c);
}

RotMatrix RotMatrix::FromStandardView(StandardView view)
{
    const double r2 = 1.0 / std::sqrt(2.0), r3 = 1.0 / std::sqrt(3.0), r6 = 1.0 / std::sqrt(6.0);
    switch (view) {
    case StandardView::Top:
        return FromIdentity();
    case StandardView::Bottom:
        return FromRowValues(1, 0, 0, 0, -1, 0, 0, 0, -1);
    case StandardView::Left:
        return FromRowValues(0, -1, 0, 0, 0, 1, -1, 0, 0);
    case StandardView::Right:
        return FromRowValues(0, 1, 0, 0, 0, 1, 1, 0, 0);
    case StandardView::Front:
        return FromRowValues(1, 0, 0, 0, 0, 1, 0, -1, 0);
    case StandardView::Back:
        return FromRowValues(-1, 0, 0, 0, 0, 1, 0, 1, 0);
    case StandardView::Iso:
        // Looking from front-left-top, towards (1, 1, -1).
        return FromRowValues(r2, -r2, 0, r6, r6, 2 * r6, -r3, -r3, r3);
    case StandardView::RightIso:
        // Looking from front-right-top, towards (-1, 1, -1).
        return FromRowValues(r2, r2, 0, -r6, r6, 2 * r6, r3, -r3, r3);
    default:
        return FromIdentity();
    }
}

RotMatrix RotMatrix::FromProduct(const RotMatrix& a, const RotMatrix& b)
{
    RotMatrix m;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            m.form3d[i][j] = a.form3d[i][0] * b.form3d[0][j] + a.form3d[i][1] * b.form3d[1][j] +
                             a.form3d[i][2] * b.form3d[2][j];
    return m;
}

RotMatrix RotMatrix::FromTransposeOf(const RotMatrix& m)
{
    RotMatrix t;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            t.form3d[i][j] = m.form3d[j][i];
    return t;
}

bool RotMatrix::InverseOf(const RotMatrix& m)
{
    const auto& a = m.form3d;
    double c00 = a[1][1] * a[2][2] - a[1][2] * a[2][1];
    double c01 = a[1][2] * a[2][0] - a[1][0] * a[2][2];
    double c02 = a[1][0] * a[2][1] - a[1][1] * a[2][0];
    double det = a[0][0] * c00 + a[0][1] * c01 + a[0][2] * c02;
    double scale = 0.0;
    for (const auto& row : a)
        for (double v : row)
            scale = std::fmax(scale, std::fabs(v));
    if (!(std::fabs(det) > kMatrixEntry * scale * scale * scale) || !std::isfinite(det))
        return false;
    RotMatrix inv;
    inv.form3d[0][0] = c00 / det;
    inv.form3d[1][0] = c01 / det;
    inv.form3d[2][0] = c02 / det;
    inv.form3d[0][1] = (a[0][2] * a[2][1] - a[0][1] * a[2][2]) / det;
    inv.form3d[1][1] = (a[0][0] * a[2][2] - a[0][2] * a[2][0]) / det;
    inv.form3d[2][1] = (a[0][1] * a[2][0] - a[0][0] * a[2][1]) / det;
    inv.form3d[0][2] = (a[0][1] * a[1][2] - a[0][2] * a[1][1]) / det;
    inv.form3d[1][2] = (a[0][2] * a[1][0] - a[0][0] * a[1][2]) / det;
    inv.form3d[2][2] = (a[0][0] * a[1][1] - a[0][1] * a[1][0]) / det;
    *this = inv;
    return true;
}

DVec3d RotMatrix::GetColumn(int index) const
{
    if (index < 0 || index > 2)
        return DVec3d{};
    return DVec3d{form3d[0][index], form3d[1][index], form3d[2][index]};
}

DVec3d RotMatrix::GetRow(int index) const
{
    if (index < 0 || index > 2)
        return DVec3d{};
    return DVec3d{form3d[index][0], form3d[index][1], form3d[index][2]};
}

DVec3d RotMatrix::Multiply(const DVec3d& v) const
{
    return DVec3d{form3d[0][0] * v.x + form3d[0][1] * v.y + form3d[0][2] * v.z,
                  form3d[1][0] * v.x + form3d[1][1] * v.y + form3d[1][2] * v.z,
                  form3d[2][0] * v.x + form3d[2][1] * v.y + form3d[2][2] * v.z};
}

DPoint3d RotMatrix::Multiply(const DPoint3d& p) const
{
    return DPoint3d::From(Multiply(DVec3d::From(p)));
}

DVec3d RotMatrix::MultiplyTranspose(const DVec3d& v) const
{
    return DVec3d{form3d[0][0] * v.x + form3d[1][0] * v.y + form3d[2][0] * v.z,
                  form3d[0][1] * v.x + form3d[1][1] * v.y + form3d[2][1] * v.z,
                  form3d[0][2] * v.x + form3d[1][2] * v.y + form3d[2][2] * v.z};
}

DPoint3d RotMatrix::MultiplyTranspose(const DPoint3d& p) const
{
    return DPoint3d::From(MultiplyTranspose(DVec3d::From(p)));
}

double RotMatrix::Determinant() const
{
    return GetRow(0).DotProduct(GetRow(1).CrossProduct(GetRow(2)));
}

bool RotMatrix::IsIdentity() const
{
    return IsEqual(FromIdentity(), kMatrixEntry);
}

bool RotMatrix::IsRigid() const
{
    RotMatrix product = FromProduct(*this, FromTransposeOf(*this));
    return product.IsEqual(FromIdentity(), kMatrixEntry) && Determinant() > 0.0;
}

bool RotMatrix::IsEqual(const RotMatrix& other) const
{
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            if (form3d[i][j] != other.form3d[i][j])
                return false;
    return true;
}

bool RotMatrix::IsEqual(const RotMatrix& other, double tolerance) const
{
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            if (!(std::fabs(form3d[i][j] - other.form3d[i][j]) <= tolerance))
                return false;
    return true;
}

StandardView RotMatrix::GetStandardView() const
{
    for (int v = static_cast<int>(StandardView::Top); v <= static_cast<int>(StandardView::RightIso);
         ++v) {
        if (IsEqual(FromStandardView(static_cast<StandardView>(v)), kMatrixEntry))
            return static_cast<StandardView>(v);
    }
    return StandardView::NotStandard;
}
