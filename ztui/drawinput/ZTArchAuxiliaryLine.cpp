#include "ztui/drawinput/ZTArchAuxiliaryLine.h"

#include "platform/cad/DRay3d.h"
#include "platform/cad/GeomTolerance.h"
#include "ztui/drawinput/AuxiliaryCandidates.h"

#include <algorithm>
#include <cmath>

namespace zt {

namespace {

// Extensions run past the cursor, and perpendiculars out, by this many segment vectors.
constexpr double kReachFactor = 100.0;

// DPoint3d::Distance, operation for operation, where the compiler can see it: a search visits
// hundreds of candidates per cursor move and each takes several distances.
inline double Distance(const DPoint3d& a, const DPoint3d& b)
{
    const double dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

ICurvePrimitivePtr LineString(const DPoint3d& a, const DPoint3d& b)
{
    const DPoint3d points[2] = {a, b};
    return ICurvePrimitive::CreateLineString(points, 2);
}

} // namespace

bool ZTArchAuxiliaryLine::CandidateSegment(const DSegment3d& line, CandidateKind kind,
                                           const DPoint3d& q, double tolerance,
                                           DSegment3d& candidate)
{
    const DPoint3d& s = line.point[0];
    const DPoint3d& e = line.point[1];
    const double length = Distance(s, e);
    if (!(length > cad::kZeroLength) || !std::isfinite(length))
        return false;
    double fromStart = 0.0, fromEnd = 0.0;
    auto onSegment = [&](const DPoint3d& p) {
        fromStart = Distance(s, p);
        fromEnd = Distance(e, p);
        return std::fabs(fromStart + fromEnd - length) < kOnSegmentSlack;
    };
    DPoint3d p;
    double fraction = 0.0;
    if (kind == Extension) {
        DRay3d::FromOriginAndTarget(s, e).ProjectPointUnbounded(p, fraction, q);
        if (!(Distance(p, q) <= tolerance))
            return false;
        if (onSegment(p)) {
            candidate = DSegment3d::From(s, e);
            return true;
        }
        const bool startNearer = fromStart <= fromEnd;
        const DPoint3d& nearer = startNearer ? s : e;
        const DPoint3d& farther = startNearer ? e : s;
        candidate = DSegment3d::From(nearer, p + (nearer - farther) * kReachFactor);
        return true;
    }
    const DVec3d w = DVec3d::FromRotateXY(e - s, cad::kHalfPi);
    const DPoint3d& end = kind == StartPerpendicular ? s : e;
    DRay3d::FromOriginAndVector(end, w * 10.0).ProjectPointUnbounded(p, fraction, q);
    if (!(Distance(p, q) <= tolerance) || onSegment(p))
        return false;
    const double side = DVec3d::FromStartEndNormalize(end, p).AngleTo(DVec3d::FromNormalize(w));
    candidate =
        DSegment3d::From(end, side <= kSideAngle ? end + w * kReachFactor : end - w * kReachFactor);
    return true;
}

ICurvePrimitivePtr ZTArchAuxiliaryLine::Candidate(const DSegment3d& line, CandidateKind kind,
                                                  const DPoint3d& q, double tolerance)
{
    DSegment3d candidate;
    if (!CandidateSegment(line, kind, q, tolerance, candidate))
        return nullptr;
    return LineString(candidate.point[0], candidate.point[1]);
}

void ZTArchAuxiliaryLine::OnCurveLines(const bvector<ICurvePrimitivePtr>& lines)
{
    // Curves are shared values that are replaced, never edited, so the same pointers mean
    // the same lines.
    if (lines.size() == m_lines.size() &&
        std::equal(lines.begin(), lines.end(), m_lines.begin(),
                   [](const auto& a, const auto& b) { return a.get() == b.get(); }))
        return;
    m_lines = lines;
    m_stale = true;
}

void ZTArchAuxiliaryLine::Rebuild()
{
    m_stale = false;
    m_segments.clear();
    m_positions.clear();
    m_index.Clear();
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        DSegment3d segment;
        if (!m_lines[i].IsValid() || !AuxiliaryStraightSegment(*m_lines[i], segment))
            continue;
        const auto id = static_cast<std::uint32_t>(m_segments.size());
        m_segments.push_back(segment);
        m_positions.push_back(static_cast<std::uint32_t>(i));
        const DVec3d along = segment.Direction();
        const DVec3d across = DVec3d::FromRotateXY(along, cad::kHalfPi);
        m_index.Add(segment.point[0], along, id * CandidateKindCount + Extension);
        m_index.Add(segment.point[0], across, id * CandidateKindCount + StartPerpendicular);
        m_index.Add(segment.point[1], across, id * CandidateKindCount + EndPerpendicular);
    }
    m_index.Finish();
    m_slots.clear();
    m_slots.reserve(m_index.slots());
    for (std::size_t slot = 0; slot < m_index.slots(); ++slot) {
        const std::uint32_t payload = m_index.PayloadOfSlot(slot);
        const std::uint32_t id = payload / CandidateKindCount;
        m_slots.push_back(SlotCarrier{
            m_segments[id], std::uint64_t(m_positions[id]) * CandidateKindCount +
                                payload % CandidateKindCount});
    }
}

void ZTArchAuxiliaryLine::CollectAuxiliaryLines(bvector<ICurvePrimitivePtr>& lines,
                                                const DgnButtonEvent& ev)
{
    if (m_stale)
        Rebuild();
    if (m_segments.empty())
        return;
    const DPoint3d q = ev.GetPoint();
    AuxiliaryNearestKeeper keeper(q);
    double reach = m_tolerance;
    m_index.Query(q, reach, [&](std::uint32_t payload, std::uint32_t slot) {
        const std::uint32_t id = payload / CandidateKindCount;
        const auto kind = static_cast<CandidateKind>(payload % CandidateKindCount);
        const bool inSlot = slot < m_slots.size();
        const DSegment3d& line = inSlot ? m_slots[slot].segment : m_segments[id];
        DSegment3d candidate;
        if (!CandidateSegment(line, kind, q, m_tolerance, candidate))
            return;
        keeper.OfferSegment(candidate, inSlot ? m_slots[slot].order
                                              : std::uint64_t(m_positions[id]) * CandidateKindCount +
                                                    kind);
        if (keeper.IsFull())
            reach = std::min(m_tolerance, keeper.Worst());
    });
    keeper.AppendTo(lines);
}

void ZTArchAuxiliaryLine::OnCloseAuxiliary()
{
    m_tolerance = kDefaultTolerance;
}

} // namespace zt
