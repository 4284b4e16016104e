#include "ztui/drawinput/ZTArchAuxiliaryArc.h"

#include "platform/cad/DRay3d.h"
#include "platform/cad/GeomTolerance.h"
#include "platform/cad/IndexedViewport.h"
#include "ztui/drawinput/AuxiliaryCandidates.h"

#include <algorithm>
#include <cmath>

namespace zt {

namespace {

ICurvePrimitivePtr LineString(const DPoint3d& a, const DPoint3d& b)
{
    const DPoint3d points[2] = {a, b};
    return ICurvePrimitive::CreateLineString(points, 2);
}

double PixelSizeAt(const DgnButtonEvent& ev, const DPoint3d& q)
{
    if (IndexedViewport* viewport = ev.GetViewport()) {
        const double size = viewport->GetPixelSizeAtPoint(&q);
        if (std::isfinite(size) && size > 0.0)
            return size;
    }
    return 1.0;
}

} // namespace

ICurvePrimitivePtr ZTArchAuxiliaryArc::Candidate(const DEllipse3d& arc, CandidateKind kind,
                                                 const DPoint3d& q, double pixelSize,
                                                 double tolerance)
{
    const DPoint3d& c = arc.center;
    const double radius = arc.vector0.Magnitude();
    if (!std::isfinite(radius) || !(radius > cad::kZeroLength))
        return nullptr;
    if (kind == Concentric) {
        if (!(std::fabs(q.Distance(c) - radius) < tolerance))
            return nullptr;
        return ICurvePrimitive::CreateArc(
            DEllipse3d::FromCenterNormalRadius(c, DVec3d::UnitZ(), radius));
    }
    const bool atStart = kind == StartRadial || kind == StartTangent;
    const DPoint3d end = arc.FractionParameterToPoint(atStart ? 0.0 : 1.0);
    const DVec3d toCentre = c - end;
    const bool radial = kind == StartRadial || kind == EndRadial;
    const DVec3d along = radial ? toCentre : DVec3d::FromRotateXY(toCentre, cad::kHalfPi);
    DPoint3d p;
    double fraction = 0.0;
    const DRay3d carrier = radial ? DRay3d::FromOriginAndTarget(end, c)
                                  : DRay3d::FromOriginAndVector(end, along * 10.0);
    carrier.ProjectPointUnbounded(p, fraction, q);
    if (!(q.Distance(p) < tolerance))
        return nullptr;
    const double side = DVec3d::FromStartEndNormalize(end, p).AngleTo(DVec3d::FromNormalize(along));
    const double k = side <= kSideAngle ? kReachPixels * pixelSize : -kReachPixels * pixelSize;
    return LineString(end, end + along * k);
}

void ZTArchAuxiliaryArc::OnCurveLines(const bvector<ICurvePrimitivePtr>& lines)
{
    if (lines.size() == m_lines.size() &&
        std::equal(lines.begin(), lines.end(), m_lines.begin(),
                   [](const auto& a, const auto& b) { return a.get() == b.get(); }))
        return;
    m_lines = lines;
    m_arcs.clear();
    m_positions.clear();
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        DEllipse3d arc;
        if (m_lines[i].IsValid() && m_lines[i]->TryGetArc(arc)) {
            m_arcs.push_back(arc);
            m_positions.push_back(static_cast<std::uint32_t>(i));
        }
    }
}

void ZTArchAuxiliaryArc::CollectAuxiliaryLines(bvector<ICurvePrimitivePtr>& lines,
                                               const DgnButtonEvent& ev)
{
    if (m_arcs.empty())
        return;
    const DPoint3d q = ev.GetPoint();
    const double pixelSize = PixelSizeAt(ev, q);
    AuxiliaryNearestKeeper keeper(q);
    for (std::size_t i = 0; i < m_arcs.size(); ++i) {
        for (int kind = 0; kind < CandidateKindCount; ++kind) {
            ICurvePrimitivePtr candidate =
                Candidate(m_arcs[i], static_cast<CandidateKind>(kind), q, pixelSize, m_tolerance);
            keeper.Offer(candidate, std::uint64_t(m_positions[i]) * CandidateKindCount + kind);
        }
    }
    keeper.AppendTo(lines);
}

void ZTArchAuxiliaryArc::OnCloseAuxiliary()
{
    m_tolerance = kDefaultTolerance;
}

} // namespace zt
