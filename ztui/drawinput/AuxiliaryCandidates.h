#pragma once
// The choice among auxiliary candidates: which are nearest the cursor, and which of those
// become auxiliary lines. Shared by the manager and by the built-in listeners, which hand
// on only their own nearest candidates (none of the others could be chosen).

#include "platform/cad/BVector.h"
#include "platform/cad/ICurvePrimitive.h"
#include "ztui/ZTUiExport.h"

#include <cstdint>
#include <vector>

namespace zt {

struct ZTUI_EXPORT AuxiliaryCandidate
{
    ICurvePrimitivePtr curve;
    double distance = 0.0;
};

// How many of the nearest candidates are considered.
inline constexpr std::size_t kAuxiliaryNearestCount = 5;
// A later line is not taken when its direction is this close (degrees) to the last taken one.
inline constexpr double kAuxiliaryParallelDegrees = 5.0;

// The candidates by their bounded distance from the point, nearest first (equal distances
// keep the list's order), at most `keep` of them. Candidates without a finite distance are
// left out.
ZTUI_EXPORT bvector<AuxiliaryCandidate>
NearestAuxiliaryCandidates(const bvector<ICurvePrimitivePtr>& candidates, const DPoint3d& point,
                           std::size_t keep = kAuxiliaryNearestCount);

// The straight lines among the nearest candidates that become auxiliary lines: arcs are
// skipped, the first entry is taken when it is straight, and a later line is taken unless its
// direction is within kAuxiliaryParallelDegrees of the last taken line (of 0 before any).
ZTUI_EXPORT bvector<ICurvePrimitivePtr>
TakeAuxiliaryLines(const bvector<AuxiliaryCandidate>& nearest);

// The segment of a line or a two-point line string.
ZTUI_EXPORT bool AuxiliaryStraightSegment(const ICurvePrimitive& curve, DSegment3d& segment);
// The unsigned angle of a direction to the X axis, degrees in [0, 180].
ZTUI_EXPORT double AuxiliaryDirectionDegrees(const DVec3d& direction);

// Keeps the nearest candidates a listener finds, in the order the listener would have
// appended them, so that handing on only these chooses exactly as handing on all would.
class ZTUI_EXPORT AuxiliaryNearestKeeper
{
public:
    explicit AuxiliaryNearestKeeper(const DPoint3d& point,
                                    std::size_t keep = kAuxiliaryNearestCount)
        : m_point(point), m_keep(keep)
    {}
    // order: the candidate's position in the listener's full list.
    void Offer(const ICurvePrimitivePtr& curve, std::uint64_t order);
    // The same for a candidate that would be the two-point line string of the segment; the
    // curve is made only if the candidate is kept to the end.
    void OfferSegment(const DSegment3d& segment, std::uint64_t order);
    bool IsFull() const { return m_kept.size() >= m_keep; }
    // The distance a new candidate must not exceed to be kept (meaningful when full).
    double Worst() const { return m_kept.empty() ? 0.0 : m_kept.back().distance; }
    // Appends the kept candidates in their list order.
    void AppendTo(bvector<ICurvePrimitivePtr>& lines) const;

private:
    struct Kept
    {
        double distance;
        std::uint64_t order;
        ICurvePrimitivePtr curve; // null for a segment not made into a curve yet
        DSegment3d segment;
    };
    void Keep(Kept kept);
    DPoint3d m_point;
    std::size_t m_keep;
    std::vector<Kept> m_kept;
};

} // namespace zt
