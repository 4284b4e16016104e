#pragma once
// One piece of a curve: a line, a circular (or elliptic) arc or a line string. Curves are
// shared, reference-counted values: operations that change a curve in a chain replace it
// with a new one rather than editing one that others may hold.

#include "platform/base/RefCounted.h"
#include "platform/cad/BVector.h"
#include "platform/cad/CurveLocationDetail.h"
#include "platform/cad/DEllipse3d.h"
#include "platform/cad/DRange3d.h"
#include "platform/cad/DSegment3d.h"
#include "platform/cad/Transform.h"

#include <variant>

class ICurvePrimitive;
using ICurvePrimitivePtr = RefCountedPtr<ICurvePrimitive>;

class ICurvePrimitive : public zt::base::RefCountedBase
{
public:
    enum CurvePrimitiveType
    {
        CURVE_PRIMITIVE_TYPE_Invalid = 0,
        CURVE_PRIMITIVE_TYPE_Line = 1,
        CURVE_PRIMITIVE_TYPE_LineString = 2,
        CURVE_PRIMITIVE_TYPE_Arc = 3,
    };

    static ICurvePrimitivePtr CreateLine(const DSegment3d& segment);
    static ICurvePrimitivePtr CreateLine(const DPoint3d& start, const DPoint3d& end);
    static ICurvePrimitivePtr CreateLineString(const bvector<DPoint3d>& points);
    static ICurvePrimitivePtr CreateLineString(const DPoint3d* points, size_t count);
    static ICurvePrimitivePtr CreateArc(const DEllipse3d& arc);
    // The closed line string (x0, y0) (x1, y0) (x1, y1) (x0, y1) (x0, y0) at height z.
    static ICurvePrimitivePtr CreateRectangle(double x0, double y0, double x1, double y1, double z);

    CurvePrimitiveType GetCurvePrimitiveType() const;
    bool TryGetLine(DSegment3d& segment) const;
    bool TryGetArc(DEllipse3d& arc) const;
    const DSegment3d* GetLineCP() const;
    const DEllipse3d* GetArcCP() const;
    // The points of a line string; null for other kinds.
    const bvector<DPoint3d>* GetLineStringCP() const;
    bvector<DPoint3d>* GetLineStringP();

    // False for an empty line string.
    bool GetStartEnd(DPoint3d& start, DPoint3d& end) const;
    // Also the unit tangents at both ends (zero where the curve has no direction).
    bool GetStartEnd(DPoint3d& start, DPoint3d& end, DVec3d& startTangent,
                     DVec3d& endTangent) const;
    bool FractionToPoint(double fraction, DPoint3d& point) const;
    bool FractionToPoint(double fraction, DPoint3d& point, DVec3d& tangent) const;
    bool Length(double& length) const;
    double Length() const;
    bool GetRange(DRange3d& range) const;
    // The nearest point of the curve itself; false for an empty line string.
    bool ClosestPointBounded(const DPoint3d& space, CurveLocationDetail& location) const;

    ICurvePrimitivePtr Clone() const;
    // The same curve run backwards.
    ICurvePrimitivePtr CloneReversed() const;
    void TransformInPlace(const Transform& transform);

private:
    using Geometry = std::variant<DSegment3d, DEllipse3d, bvector<DPoint3d>>;
    explicit ICurvePrimitive(Geometry geometry);
    ~ICurvePrimitive() override;

    Geometry m_geometry;
};

using ICurvePrimitiveCR = const ICurvePrimitive&;
