#include "ztui/drawinput/AuxiliaryCandidates.h"

#include "platform/cad/GeomTolerance.h"

#include <algorithm>
#include <cmath>

namespace zt {

namespace {

bool BoundedDistance(const ICurvePrimitive& curve, const DPoint3d& point, double& distance)
{
    CurveLocationDetail location;
    if (!curve.ClosestPointBounded(point, location) || !std::isfinite(location.a))
        return false;
    distance = location.a;
    return true;
}

} // namespace

bvector<AuxiliaryCandidate>
NearestAuxiliaryCandidates(const bvector<ICurvePrimitivePtr>& candidates, const DPoint3d& point,
                           std::size_t keep)
{
    bvector<AuxiliaryCandidate> nearest;
    nearest.reserve(candidates.size());
    for (const ICurvePrimitivePtr& curve : candidates) {
        double distance = 0.0;
        if (curve.IsValid() && BoundedDistance(*curve, point, distance))
            nearest.push_back(AuxiliaryCandidate{curve, distance});
    }
    std::stable_sort(nearest.begin(), nearest.end(),
                     [](const AuxiliaryCandidate& a, const AuxiliaryCandidate& b) {
                         return a.distance < b.distance;
                     });
    if (nearest.size() > keep)
        nearest.resize(keep);
    return nearest;
}

bool AuxiliaryStraightSegment(const ICurvePrimitive& curve, DSegment3d& segment)
{
    if (curve.TryGetLine(segment))
        return true;
    const bvector<DPoint3d>* points = curve.GetLineStringCP();
    if (!points || points->size() != 2)
        return false;
    segment = DSegment3d::From((*points)[0], (*points)[1]);
    return true;
}

double AuxiliaryDirectionDegrees(const DVec3d& direction)
{
    return cad::RadiansToDegrees(direction.AngleTo(DVec3d::UnitX()));
}

bvector<ICurvePrimitivePtr> TakeAuxiliaryLines(const bvector<AuxiliaryCandidate>& nearest)
{
    bvector<ICurvePrimitivePtr> taken;
    double lastDirection = 0.0;
    for (std::size_t i = 0; i < nearest.size(); ++i) {
        DSegment3d segment;
        if (!AuxiliaryStraightSegment(*nearest[i].curve, segment))
            continue;
        const double direction = AuxiliaryDirectionDegrees(segment.Direction());
        if (i != 0 && std::fabs(direction - lastDirection) < kAuxiliaryParallelDegrees)
            continue;
        taken.push_back(nearest[i].curve);
        lastDirection = direction;
    }
    return taken;
}

void AuxiliaryNearestKeeper::Offer(const ICurvePrimitivePtr& curve, std::uint64_t order)
{
    double distance = 0.0;
    if (!curve.IsValid() || !BoundedDistance(*curve, m_point, distance))
        return;
    Keep(Kept{distance, order, curve, DSegment3d{}});
}

void AuxiliaryNearestKeeper::OfferSegment(const DSegment3d& segment, std::uint64_t order)
{
    // The arithmetic of a two-point line string's closest point, so that the distance is the
    // one the curve itself reports.
    DPoint3d foot;
    double fraction = 0.0;
    segment.ProjectPointBounded(foot, fraction, m_point);
    // DPoint3d::Distance written out, so that it is inlined here.
    const double dx = m_point.x - foot.x, dy = m_point.y - foot.y, dz = m_point.z - foot.z;
    const double distance = std::sqrt(dx * dx + dy * dy + dz * dz);
    if (!std::isfinite(distance))
        return;
    Keep(Kept{distance, order, nullptr, segment});
}

void AuxiliaryNearestKeeper::Keep(Kept kept)
{
    auto before = [](const Kept& a, const Kept& b) {
        return a.distance < b.distance || (a.distance == b.distance && a.order < b.order);
    };
    if (IsFull() && !before(kept, m_kept.back()))
        return;
    m_kept.insert(std::upper_bound(m_kept.begin(), m_kept.end(), kept, before), std::move(kept));
    if (m_kept.size() > m_keep)
        m_kept.pop_back();
}

void AuxiliaryNearestKeeper::AppendTo(bvector<ICurvePrimitivePtr>& lines) const
{
    std::vector<const Kept*> inOrder;
    for (const Kept& k : m_kept)
        inOrder.push_back(&k);
    std::sort(inOrder.begin(), inOrder.end(),
              [](const Kept* a, const Kept* b) { return a->order < b->order; });
    for (const Kept* k : inOrder) {
        if (k->curve.IsValid()) {
            lines.push_back(k->curve);
            continue;
        }
        const DPoint3d points[2] = {k->segment.point[0], k->segment.point[1]};
        lines.push_back(ICurvePrimitive::CreateLineString(points, 2));
    }
}

} // namespace zt
