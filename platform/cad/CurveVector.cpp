#include "platform/cad/CurveVector.h"

#include "platform/cad/GeomTolerance.h"

#include <cmath>

using namespace zt::cad;

namespace {

// Turning of the direction from p to a point running straight from a to b, seen from +Z.
double SegmentWinding(const DPoint3d& p, const DPoint3d& a, const DPoint3d& b)
{
    return (a - p).AngleToXY(b - p);
}

double ArcWinding(const DPoint3d& p, const DEllipse3d& arc)
{
    DVec3d u{arc.vector0.x, arc.vector0.y, 0.0};
    DVec3d w{arc.vector90.x, arc.vector90.y, 0.0};
    double det = u.CrossProductXY(w);
    double size = u.MagnitudeXY() * w.MagnitudeXY();
    if (!(std::fabs(det) > kParallelSine * size) || arc.sweep == 0.0) {
        // Seen from above the arc is a straight stroke (flattened, or in a vertical plane):
        // chords lie on that stroke, so summing them is exact.
        constexpr int pieces = 64;
        double total = 0.0;
        DPoint3d prev = arc.FractionParameterToPoint(0.0);
        for (int i = 1; i <= pieces; ++i) {
            DPoint3d next = arc.FractionParameterToPoint(double(i) / pieces);
            total += SegmentWinding(p, prev, next);
            prev = next;
        }
        return total;
    }
    DVec3d d = p - arc.center;
    d.z = 0.0;
    double alpha = d.CrossProductXY(w) / det;
    double beta = u.CrossProductXY(d) / det;
    DPoint3d s, e;
    arc.EvaluateEndPoints(s, e);
    double turn = SegmentWinding(p, s, e);
    if (alpha * alpha + beta * beta >= 1.0)
        return turn; // outside a convex curve nothing is seen across more than half a turn
    // Inside, the direction to the curve turns steadily with the curve.
    double sense = det * arc.sweep > 0.0 ? 1.0 : -1.0;
    if (arc.IsFullEllipse())
        return sense * kTwoPi;
    if (sense > 0.0 && turn < 0.0)
        turn += kTwoPi;
    if (sense < 0.0 && turn > 0.0)
        turn -= kTwoPi;
    return turn;
}

double PrimitiveWinding(const DPoint3d& p, const ICurvePrimitive& primitive)
{
    if (const auto* s = primitive.GetLineCP())
        return SegmentWinding(p, s->point[0], s->point[1]);
    if (const auto* a = primitive.GetArcCP())
        return ArcWinding(p, *a);
    double total = 0.0;
    if (const auto* points = primitive.GetLineStringCP())
        for (size_t i = 1; i < points->size(); ++i)
            total += SegmentWinding(p, (*points)[i - 1], (*points)[i]);
    return total;
}

// The loop's corner points in order: ends of primitives and every line string point.
bvector<DPoint3d> LoopVertices(const CurveVector& loop)
{
    bvector<DPoint3d> vertices;
    auto push = [&](const DPoint3d& q) {
        if (vertices.empty() || !vertices.back().AlmostEqual(q, kOnCurveDistance))
            vertices.push_back(q);
    };
    for (const auto& primitive : loop) {
        if (const auto* points = primitive->GetLineStringCP()) {
            for (const auto& q : *points)
                push(q);
            continue;
        }
        DPoint3d s, e;
        if (primitive->GetStartEnd(s, e)) {
            push(s);
            push(e);
        }
    }
    return vertices;
}

// Points that pin down the loop's plane: the corners and, for arcs, points along them.
bvector<DPoint3d> PlaneSamples(const CurveVector& loop)
{
    bvector<DPoint3d> samples;
    for (const auto& primitive : loop) {
        if (const auto* points = primitive->GetLineStringCP()) {
            samples.insert(samples.end(), points->begin(), points->end());
            continue;
        }
        int pieces = primitive->GetArcCP() ? 8 : 1;
        for (int i = 0; i <= pieces; ++i) {
            DPoint3d q;
            if (primitive->FractionToPoint(double(i) / pieces, q))
                samples.push_back(q);
        }
    }
    return samples;
}

} // namespace

CurveVectorPtr CurveVector::Create(BoundaryType type)
{
    return CurveVectorPtr(new CurveVector(type));
}

CurveVectorPtr CurveVector::Create(BoundaryType type, const ICurvePrimitivePtr& primitive)
{
    CurveVectorPtr chain = Create(type);
    chain->Add(primitive);
    return chain;
}

bool CurveVector::IsClosedPath() const
{
    return m_boundaryType == BOUNDARY_TYPE_Outer || m_boundaryType == BOUNDARY_TYPE_Inner;
}

void CurveVector::Add(const ICurvePrimitivePtr& primitive)
{
    if (primitive.IsValid())
        push_back(primitive);
}

bool CurveVector::GetStartEnd(DPoint3d& start, DPoint3d& end) const
{
    if (empty())
        return false;
    DPoint3d ignore;
    return front()->GetStartEnd(start, ignore) && back()->GetStartEnd(ignore, end);
}

double CurveVector::Length() const
{
    double total = 0.0;
    for (const auto& primitive : *this)
        total += primitive->Length();
    return total;
}

bool CurveVector::GetRange(DRange3d& range) const
{
    range.Init();
    for (const auto& primitive : *this) {
        DRange3d r;
        if (primitive->GetRange(r))
            range.Extend(r);
    }
    return !range.IsNull();
}

bool CurveVector::ClosestPointBounded(const DPoint3d& space, CurveLocationDetail& location) const
{
    bool found = false;
    for (size_t i = 0; i < size(); ++i) {
        CurveLocationDetail candidate;
        if (!(*this)[i]->ClosestPointBounded(space, candidate))
            continue;
        if (!found || candidate.a < location.a) {
            location = candidate;
            location.componentIndex = i;
            location.componentFraction = candidate.fraction;
            found = true;
        }
    }
    return found;
}

CurveVectorPtr CurveVector::Clone() const
{
    CurveVectorPtr copy = Create(m_boundaryType);
    for (const auto& primitive : *this)
        copy->Add(primitive->Clone());
    return copy;
}

void CurveVector::TransformInPlace(const Transform& transform)
{
    for (auto& primitive : *this) {
        ICurvePrimitivePtr moved = primitive->Clone();
        moved->TransformInPlace(transform);
        primitive = moved;
    }
}

CurveVector::InOutClassification CurveVector::PointInOnOutXY(const DPoint3d& point) const
{
    if (!IsClosedPath() || empty())
        return INOUT_Unknown;
    // Work on the shadow of the loop in the XY plane.
    Transform flatten =
        Transform::From(RotMatrix::FromRowValues(1, 0, 0, 0, 1, 0, 0, 0, 0), DPoint3d{});
    CurveVectorPtr shadow = Clone();
    shadow->TransformInPlace(flatten);
    DPoint3d p{point.x, point.y, 0.0};

    DPoint3d first, last;
    if (!shadow->GetStartEnd(first, last))
        return INOUT_Unknown;
    ICurvePrimitivePtr closure;
    if (!first.AlmostEqual(last, kOnCurveDistance))
        closure = ICurvePrimitive::CreateLine(last, first);

    CurveLocationDetail near;
    if (shadow->ClosestPointBounded(p, near) && near.a <= kOnCurveDistance)
        return INOUT_On;
    if (closure.IsValid() && closure->ClosestPointBounded(p, near) && near.a <= kOnCurveDistance)
        return INOUT_On;

    double total = 0.0;
    for (const auto& primitive : *shadow)
        total += PrimitiveWinding(p, *primitive);
    if (closure.IsValid())
        total += PrimitiveWinding(p, *closure);
    long winding = std::lround(total / kTwoPi);
    return winding != 0 ? INOUT_In : INOUT_Out;
}

CurveVector::InOutClassification CurveVector::RayPierceInOnOut(const DRay3d& ray,
                                                               SolidLocationDetail& detail) const
{
    if (!IsClosedPath() || empty())
        return INOUT_Unknown;
    bvector<DPoint3d> samples = PlaneSamples(*this);
    if (samples.size() < 3)
        return INOUT_Unknown;
    // Newell's normal: the area vector of the sampled outline.
    DVec3d normal;
    DPoint3d origin = samples[0];
    for (size_t i = 0; i < samples.size(); ++i) {
        DVec3d a = samples[i] - origin, b = samples[(i + 1) % samples.size()] - origin;
        normal.Add(a.CrossProduct(b));
    }
    if (normal.Normalize() == 0.0)
        return INOUT_Unknown;
    double extent = DRange3d::From(samples).DiagonalDistance();
    for (const auto& q : samples)
        if (std::fabs(normal.DotProduct(q - origin)) > kOnCurveDistance + 1.0e-9 * extent)
            return INOUT_Unknown;

    double t;
    DPoint3d hit;
    if (!ray.IntersectPlane(origin, normal, t, hit))
        return INOUT_Unknown;

    DVec3d xAxis = DVec3d::FromStartEndNormalize(samples[0], samples[1]);
    for (size_t i = 2; xAxis.IsZero() && i < samples.size(); ++i)
        xAxis = DVec3d::FromStartEndNormalize(samples[0], samples[i]);
    xAxis = xAxis - normal * xAxis.DotProduct(normal);
    if (xAxis.Normalize() == 0.0)
        return INOUT_Unknown;
    DVec3d yAxis = normal.CrossProduct(xAxis);
    Transform toLocal =
        Transform::FromWorldToLocal(RotMatrix::FromColumnVectors(xAxis, yAxis, normal), origin);
    CurveVectorPtr local = Clone();
    local->TransformInPlace(toLocal);
    InOutClassification result = local->PointInOnOutXY(toLocal.Multiply(hit));

    detail = SolidLocationDetail{hit, t, 0.0, 0.0};
    bvector<DPoint3d> vertices = LoopVertices(*this);
    if (vertices.size() >= 3) {
        DPoint3d p0 = vertices.front();
        bool closed = vertices.back().AlmostEqual(p0, kOnCurveDistance);
        DVec3d e1 = vertices[1] - p0;
        DVec3d e2 = vertices[vertices.size() - (closed ? 2 : 1)] - p0;
        DVec3d d = hit - p0;
        double a11 = e1.DotProduct(e1), a12 = e1.DotProduct(e2), a22 = e2.DotProduct(e2);
        double det = a11 * a22 - a12 * a12;
        if (std::fabs(det) > kParallelSine * a11 * a22 && det != 0.0) {
            double b1 = e1.DotProduct(d), b2 = e2.DotProduct(d);
            detail.u = (b1 * a22 - b2 * a12) / det;
            detail.v = (a11 * b2 - a12 * b1) / det;
        }
    }
    return result;
}
