#include "platform/cad/ICurvePrimitive.h"

#include "platform/cad/GeomTolerance.h"

#include <algorithm>
#include <cmath>

namespace {

template <class... Fs>
struct Overloaded : Fs...
{
    using Fs::operator()...;
};
template <class... Fs>
Overloaded(Fs...) -> Overloaded<Fs...>;

// Segment i of a line string and the fraction along it for a whole-string fraction; fractions
// outside [0, 1] extend the end segments, as they extend a line.
void LocateInLineString(const bvector<DPoint3d>& points, double fraction, size_t& segment,
                        double& local)
{
    size_t n = points.size() - 1;
    double scaled = fraction * double(n);
    if (fraction <= 0.0)
        segment = 0;
    else if (fraction >= 1.0)
        segment = n - 1;
    else
        segment = std::min(n - 1, size_t(scaled));
    local = scaled - double(segment);
}

} // namespace

ICurvePrimitive::ICurvePrimitive(Geometry geometry) : m_geometry(std::move(geometry)) {}

ICurvePrimitive::~ICurvePrimitive() = default;

ICurvePrimitivePtr ICurvePrimitive::CreateLine(const DSegment3d& segment)
{
    return ICurvePrimitivePtr(new ICurvePrimitive(segment));
}

ICurvePrimitivePtr ICurvePrimitive::CreateLine(const DPoint3d& start, const DPoint3d& end)
{
    return CreateLine(DSegment3d::From(start, end));
}

ICurvePrimitivePtr ICurvePrimitive::CreateLineString(const bvector<DPoint3d>& points)
{
    return ICurvePrimitivePtr(new ICurvePrimitive(points));
}

ICurvePrimitivePtr ICurvePrimitive::CreateLineString(const DPoint3d* points, size_t count)
{
    bvector<DPoint3d> copy;
    if (points)
        copy.assign(points, points + count);
    return CreateLineString(copy);
}

ICurvePrimitivePtr ICurvePrimitive::CreateArc(const DEllipse3d& arc)
{
    return ICurvePrimitivePtr(new ICurvePrimitive(arc));
}

ICurvePrimitivePtr ICurvePrimitive::CreateRectangle(double x0, double y0, double x1, double y1,
                                                    double z)
{
    bvector<DPoint3d> points{{x0, y0, z}, {x1, y0, z}, {x1, y1, z}, {x0, y1, z}, {x0, y0, z}};
    return CreateLineString(points);
}

ICurvePrimitive::CurvePrimitiveType ICurvePrimitive::GetCurvePrimitiveType() const
{
    return std::visit(Overloaded{
                          [](const DSegment3d&) { return CURVE_PRIMITIVE_TYPE_Line; },
                          [](const DEllipse3d&) { return CURVE_PRIMITIVE_TYPE_Arc; },
                          [](const bvector<DPoint3d>&) { return CURVE_PRIMITIVE_TYPE_LineString; },
                      },
                      m_geometry);
}

bool ICurvePrimitive::TryGetLine(DSegment3d& segment) const
{
    if (const auto* s = GetLineCP()) {
        segment = *s;
        return true;
    }
    return false;
}

bool ICurvePrimitive::TryGetArc(DEllipse3d& arc) const
{
    if (const auto* a = GetArcCP()) {
        arc = *a;
        return true;
    }
    return false;
}

const DSegment3d* ICurvePrimitive::GetLineCP() const
{
    return std::get_if<DSegment3d>(&m_geometry);
}

const DEllipse3d* ICurvePrimitive::GetArcCP() const
{
    return std::get_if<DEllipse3d>(&m_geometry);
}

const bvector<DPoint3d>* ICurvePrimitive::GetLineStringCP() const
{
    return std::get_if<bvector<DPoint3d>>(&m_geometry);
}

bvector<DPoint3d>* ICurvePrimitive::GetLineStringP()
{
    return std::get_if<bvector<DPoint3d>>(&m_geometry);
}

bool ICurvePrimitive::GetStartEnd(DPoint3d& start, DPoint3d& end) const
{
    DVec3d t0, t1;
    return GetStartEnd(start, end, t0, t1);
}

bool ICurvePrimitive::GetStartEnd(DPoint3d& start, DPoint3d& end, DVec3d& startTangent,
                                  DVec3d& endTangent) const
{
    return std::visit(Overloaded{
                          [&](const DSegment3d& s) {
                              start = s.point[0];
                              end = s.point[1];
                              startTangent = endTangent = DVec3d::FromStartEndNormalize(start, end);
                              return true;
                          },
                          [&](const DEllipse3d& a) {
                              a.EvaluateEndPoints(start, end);
                              startTangent =
                                  DVec3d::FromNormalize(a.FractionParameterToTangent(0.0));
                              endTangent = DVec3d::FromNormalize(a.FractionParameterToTangent(1.0));
                              return true;
                          },
                          [&](const bvector<DPoint3d>& p) {
                              if (p.empty())
                                  return false;
                              start = p.front();
                              end = p.back();
                              startTangent = endTangent = DVec3d{};
                              // The first and last segments that have a direction.
                              for (size_t i = 1; i < p.size() && startTangent.IsZero(); ++i)
                                  startTangent = DVec3d::FromStartEndNormalize(p[i - 1], p[i]);
                              for (size_t i = p.size() - 1; i > 0 && endTangent.IsZero(); --i)
                                  endTangent = DVec3d::FromStartEndNormalize(p[i - 1], p[i]);
                              return true;
                          },
                      },
                      m_geometry);
}

bool ICurvePrimitive::FractionToPoint(double fraction, DPoint3d& point) const
{
    DVec3d tangent;
    return FractionToPoint(fraction, point, tangent);
}

bool ICurvePrimitive::FractionToPoint(double fraction, DPoint3d& point, DVec3d& tangent) const
{
    return std::visit(Overloaded{
                          [&](const DSegment3d& s) {
                              point = s.FractionParameterToPoint(fraction);
                              tangent = s.Direction();
                              return true;
                          },
                          [&](const DEllipse3d& a) {
                              point = a.FractionParameterToPoint(fraction);
                              tangent = a.FractionParameterToTangent(fraction);
                              return true;
                          },
                          [&](const bvector<DPoint3d>& p) {
                              if (p.empty())
                                  return false;
                              if (p.size() == 1) {
                                  point = p[0];
                                  tangent = DVec3d{};
                                  return true;
                              }
                              size_t i;
                              double local;
                              LocateInLineString(p, fraction, i, local);
                              point = DPoint3d::FromInterpolate(p[i], local, p[i + 1]);
                              tangent = (p[i + 1] - p[i]) * double(p.size() - 1);
                              return true;
                          },
                      },
                      m_geometry);
}

bool ICurvePrimitive::Length(double& length) const
{
    length = std::visit(Overloaded{
                            [](const DSegment3d& s) { return s.Length(); },
                            [](const DEllipse3d& a) { return a.ArcLength(); },
                            [](const bvector<DPoint3d>& p) {
                                double sum = 0.0;
                                for (size_t i = 1; i < p.size(); ++i)
                                    sum += p[i - 1].Distance(p[i]);
                                return sum;
                            },
                        },
                        m_geometry);
    return true;
}

double ICurvePrimitive::Length() const
{
    double length = 0.0;
    Length(length);
    return length;
}

bool ICurvePrimitive::GetRange(DRange3d& range) const
{
    range.Init();
    std::visit(Overloaded{
                   [&](const DSegment3d& s) {
                       range.Extend(s.point[0]);
                       range.Extend(s.point[1]);
                   },
                   [&](const DEllipse3d& a) {
                       // Ends plus the extreme of each coordinate that falls inside the sweep.
                       DPoint3d s, e;
                       a.EvaluateEndPoints(s, e);
                       range.Extend(s);
                       range.Extend(e);
                       const DVec3d axes[3] = {DVec3d::UnitX(), DVec3d::UnitY(), DVec3d::UnitZ()};
                       for (const auto& axis : axes) {
                           double c = a.vector0.DotProduct(axis), d = a.vector90.DotProduct(axis);
                           if (c == 0.0 && d == 0.0)
                               continue;
                           double theta = std::atan2(d, c);
                           for (double t : {theta, theta + zt::cad::kPi}) {
                               double offset = a.sweep >= 0.0 ? t - a.start : a.start - t;
                               offset = std::fmod(offset, zt::cad::kTwoPi);
                               if (offset < 0.0)
                                   offset += zt::cad::kTwoPi;
                               if (offset <= std::fabs(a.sweep))
                                   range.Extend(a.Evaluate(t));
                           }
                       }
                   },
                   [&](const bvector<DPoint3d>& p) {
                       for (const auto& q : p)
                           range.Extend(q);
                   },
               },
               m_geometry);
    return !range.IsNull();
}

bool ICurvePrimitive::ClosestPointBounded(const DPoint3d& space,
                                          CurveLocationDetail& location) const
{
    return std::visit(
        Overloaded{
            [&](const DSegment3d& s) {
                s.ProjectPointBounded(location.point, location.fraction, space);
                location.componentIndex = 0;
                location.componentFraction = location.fraction;
                location.a = space.Distance(location.point);
                return true;
            },
            [&](const DEllipse3d& a) {
                a.ClosestPointBounded(location.point, location.fraction, space);
                location.componentIndex = 0;
                location.componentFraction = location.fraction;
                location.a = space.Distance(location.point);
                return true;
            },
            [&](const bvector<DPoint3d>& p) {
                if (p.empty())
                    return false;
                if (p.size() == 1) {
                    location = CurveLocationDetail{p[0], 0.0, space.Distance(p[0]), 0, 0.0};
                    return true;
                }
                double best = -1.0;
                size_t segments = p.size() - 1;
                for (size_t i = 0; i < segments; ++i) {
                    DPoint3d foot;
                    double f;
                    DSegment3d::From(p[i], p[i + 1]).ProjectPointBounded(foot, f, space);
                    double d = space.Distance(foot);
                    if (best < 0.0 || d < best) {
                        best = d;
                        location.point = foot;
                        location.a = d;
                        location.componentIndex = i;
                        location.componentFraction = f;
                        location.fraction = (double(i) + f) / double(segments);
                    }
                }
                return true;
            },
        },
        m_geometry);
}

ICurvePrimitivePtr ICurvePrimitive::Clone() const
{
    return ICurvePrimitivePtr(new ICurvePrimitive(m_geometry));
}

ICurvePrimitivePtr ICurvePrimitive::CloneReversed() const
{
    Geometry reversed = std::visit(
        Overloaded{
            [](const DSegment3d& s) { return Geometry(DSegment3d::From(s.point[1], s.point[0])); },
            [](const DEllipse3d& a) {
                DEllipse3d r = a;
                r.start = a.start + a.sweep;
                r.sweep = -a.sweep;
                return Geometry(r);
            },
            [](const bvector<DPoint3d>& p) {
                return Geometry(bvector<DPoint3d>(p.rbegin(), p.rend()));
            },
        },
        m_geometry);
    return ICurvePrimitivePtr(new ICurvePrimitive(std::move(reversed)));
}

void ICurvePrimitive::TransformInPlace(const Transform& transform)
{
    std::visit(Overloaded{
                   [&](DSegment3d& s) {
                       s.point[0] = transform.Multiply(s.point[0]);
                       s.point[1] = transform.Multiply(s.point[1]);
                   },
                   [&](DEllipse3d& a) {
                       a.center = transform.Multiply(a.center);
                       a.vector0 = transform.MultiplyMatrixOnly(a.vector0);
                       a.vector90 = transform.MultiplyMatrixOnly(a.vector90);
                   },
                   [&](bvector<DPoint3d>& p) {
                       for (auto& q : p)
                           q = transform.Multiply(q);
                   },
               },
               m_geometry);
}
