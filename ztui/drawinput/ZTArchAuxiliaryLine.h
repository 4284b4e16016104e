#pragma once
// The built-in listener for straight reference lines: near the cursor it offers a reference
// line's extension (or the line itself when the cursor lies beside it) and the perpendiculars
// at its end points. The reference lines are indexed by their carriers, so a move costs far
// less than a walk over every line; the index is rebuilt when the list of lines changes.

#include "ztui/drawinput/AuxiliaryLineIndex.h"

#include <vector>
#include "ztui/drawinput/ZTAuxliaryEvent.h"

namespace zt {

class ZTUI_EXPORT ZTArchAuxiliaryLine : public ZTAuxliaryEvent
{
public:
    // Model units: how far from the cursor a candidate's carrier may pass.
    static constexpr double kDefaultTolerance = 500.0;
    // A point lies on a segment when its distances to the ends exceed the length by less.
    static constexpr double kOnSegmentSlack = 0.3;
    // Radians: the cursor side of a perpendicular.
    static constexpr double kSideAngle = 0.01;
    // Candidates of one reference line, in the order they are offered.
    enum CandidateKind
    {
        Extension = 0,
        StartPerpendicular = 1,
        EndPerpendicular = 2,
        CandidateKindCount = 3,
    };

    void CollectAuxiliaryLines(bvector<ICurvePrimitivePtr>& lines,
                               const DgnButtonEvent& ev) override;
    void OnAnglePoints(bvector<DPoint3d> points) override { m_anglePoints = std::move(points); }
    void OnCurveLines(const bvector<ICurvePrimitivePtr>& lines) override;
    void OnCloseAuxiliary() override;
    void OnAuxiliaryModel(ZTAuxiliaryModelPtr model) override { m_model = std::move(model); }

    double GetTolerance() const { return m_tolerance; }

    // One candidate of a reference line for the cursor q, or null when that candidate does not
    // apply.
    static ICurvePrimitivePtr Candidate(const DSegment3d& line, CandidateKind kind,
                                        const DPoint3d& q, double tolerance);
    // The same candidate as the segment its two-point line string runs along; false when it
    // does not apply.
    static bool CandidateSegment(const DSegment3d& line, CandidateKind kind, const DPoint3d& q,
                                 double tolerance, DSegment3d& candidate);

private:
    void Rebuild();

    bvector<ICurvePrimitivePtr> m_lines;
    bvector<DSegment3d> m_segments;
    // The position in m_lines of each segment, which orders its candidates.
    bvector<std::uint32_t> m_positions;
    AuxiliaryLineIndex m_index;
    // What a query needs of each carrier, by the index's slot: a query reads a few hundred
    // neighbouring slots, where the segments by number lie all over the memory.
    struct SlotCarrier
    {
        DSegment3d segment;
        std::uint64_t order;
    };
    std::vector<SlotCarrier> m_slots;
    bool m_stale = false;
    bvector<DPoint3d> m_anglePoints;
    ZTAuxiliaryModelPtr m_model;
    double m_tolerance = kDefaultTolerance;
};

} // namespace zt
