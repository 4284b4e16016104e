#pragma once
// An ordered chain of curve primitives with a boundary type that says what the chain means:
// an open path, or the outer or inner loop of a region. A chain is a reference-counted
// vector of primitives; Add appends.
//
// Region queries (PointInOnOutXY, RayPierceInOnOut) treat a loop whose last end does not
// meet its first start as closed by the straight line between them.

#include "platform/cad/DRay3d.h"
#include "platform/cad/ICurvePrimitive.h"
#include "platform/cad/SolidLocationDetail.h"

class CurveVector;
using CurveVectorPtr = RefCountedPtr<CurveVector>;

class CurveVector : public zt::base::RefCountedBase, public bvector<ICurvePrimitivePtr>
{
public:
    enum BoundaryType
    {
        BOUNDARY_TYPE_None = 0,
        BOUNDARY_TYPE_Open = 1,
        BOUNDARY_TYPE_Outer = 2,
        BOUNDARY_TYPE_Inner = 3,
    };

    enum InOutClassification
    {
        INOUT_Unknown = 0,
        INOUT_In = 1,
        INOUT_Out = 2,
        INOUT_On = 3,
    };

    static CurveVectorPtr Create(BoundaryType type);
    static CurveVectorPtr Create(BoundaryType type, const ICurvePrimitivePtr& primitive);

    BoundaryType GetBoundaryType() const { return m_boundaryType; }
    void SetBoundaryType(BoundaryType type) { m_boundaryType = type; }
    // Outer and inner loops.
    bool IsClosedPath() const;
    bool IsOpenPath() const { return m_boundaryType == BOUNDARY_TYPE_Open; }

    // Appends; a null primitive is ignored.
    void Add(const ICurvePrimitivePtr& primitive);

    bool GetStartEnd(DPoint3d& start, DPoint3d& end) const;
    double Length() const;
    bool GetRange(DRange3d& range) const;
    // Nearest point over all primitives; componentIndex names the primitive.
    bool ClosestPointBounded(const DPoint3d& space, CurveLocationDetail& location) const;
    // Each primitive is cloned.
    CurveVectorPtr Clone() const;
    void TransformInPlace(const Transform& transform);

    // Where a point lies, seen from +Z, relative to a closed loop: On within
    // kOnCurveDistance of the loop; otherwise In when the loop winds around it. Unknown for
    // open paths and empty chains.
    InOutClassification PointInOnOutXY(const DPoint3d& point) const;
    // Pierces the plane of a closed, planar loop with the ray and classifies the hit in that
    // plane. detail gets the hit point, the ray parameter and (u, v): the hit's coordinates
    // along the loop's first edge (start of the first primitive to its end) and its last
    // edge (start of the loop to the start of the last primitive), so that a quadrilateral
    // face runs from 0 to 1 in both. Unknown when the chain is not a closed planar loop or
    // the ray runs parallel to its plane.
    InOutClassification RayPierceInOnOut(const DRay3d& ray, SolidLocationDetail& detail) const;

private:
    explicit CurveVector(BoundaryType type) : m_boundaryType(type) {}
    ~CurveVector() override = default;

    BoundaryType m_boundaryType;
};

using CurveVectorCR = const CurveVector&;
