#pragma once
// A 3 x 3 matrix, used as a rotation. form3d[i][j] is row i, column j; a matrix multiplies
// column vectors (Multiply computes M * v). A view's matrix has the view's axes as its rows,
// so Multiply takes a world vector into view axes and MultiplyTranspose takes it back.

#include "platform/cad/DVec3d.h"

// The platform's numbering of the standard views.
enum class StandardView
{
    NotStandard = 0,
    Top = 1,
    Bottom = 2,
    Left = 3,
    Right = 4,
    Front = 5,
    Back = 6,
    Iso = 7,
    RightIso = 8,
};

struct RotMatrix
{
    double form3d[3][3] = {{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}};

    static RotMatrix FromIdentity() { return RotMatrix{}; }
    static RotMatrix FromRowValues(double x00, double x01, double x02, double x10, double x11,
                                   double x12, double x20, double x21, double x22);
    static RotMatrix FromColumnVectors(const DVec3d& x, const DVec3d& y, const DVec3d& z);
    static RotMatrix FromRowVectors(const DVec3d& x, const DVec3d& y, const DVec3d& z);
    // Rotation by radians (counter-clockwise looking down the axis) about the principal axis
    // 0 (x), 1 (y) or 2 (z). Any other axis index gives the identity.
    static RotMatrix FromAxisAndRotationAngle(int axis, double radians);
    // Rotation about an arbitrary axis; the identity when the axis has no direction.
    static RotMatrix FromVectorAndRotationAngle(const DVec3d& axis, double radians);
    // The view matrix (rows: screen right, screen up, towards the viewer, in world axes) of a
    // standard view; the identity for NotStandard and unknown values.
    static RotMatrix FromStandardView(StandardView view);
    static RotMatrix FromProduct(const RotMatrix& a, const RotMatrix& b);
    static RotMatrix FromTransposeOf(const RotMatrix& m);

    void InitProduct(const RotMatrix& a, const RotMatrix& b) { *this = FromProduct(a, b); }
    void TransposeOf(const RotMatrix& m) { *this = FromTransposeOf(m); }
    void Transpose() { *this = FromTransposeOf(*this); }
    // General inverse; false (and this matrix unchanged) when it is singular.
    bool InverseOf(const RotMatrix& m);

    DVec3d GetColumn(int index) const;
    DVec3d GetRow(int index) const;
    void GetColumn(DVec3d& v, int index) const { v = GetColumn(index); }
    void GetRow(DVec3d& v, int index) const { v = GetRow(index); }

    DVec3d Multiply(const DVec3d& v) const;
    DPoint3d Multiply(const DPoint3d& p) const;
    void Multiply(DVec3d& out, const DVec3d& v) const { out = Multiply(v); }
    void Multiply(DPoint3d& out, const DPoint3d& p) const { out = Multiply(p); }
    DVec3d MultiplyTranspose(const DVec3d& v) const;
    DPoint3d MultiplyTranspose(const DPoint3d& p) const;

    double Determinant() const;
    bool IsIdentity() const;
    // Orthonormal with determinant +1, within kMatrixEntry per entry.
    bool IsRigid() const;
    bool IsEqual(const RotMatrix& other) const;
    bool IsEqual(const RotMatrix& other, double tolerance) const;
    // Which standard view this view matrix is, NotStandard when none.
    StandardView GetStandardView() const;
};

using RotMatrixCR = const RotMatrix&;
