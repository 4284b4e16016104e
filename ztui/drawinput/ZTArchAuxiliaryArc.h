#pragma once
// The built-in listener for reference arcs: near the cursor it offers the arc's whole circle,
// the radial lines through its end points and the tangents at them.

#include "ztui/drawinput/ZTAuxliaryEvent.h"

namespace zt {

class ZTUI_EXPORT ZTArchAuxiliaryArc : public ZTAuxliaryEvent
{
public:
    static constexpr double kDefaultTolerance = 500.0;
    // Radians: the cursor side of a radial or tangent line.
    static constexpr double kSideAngle = 0.01;
    // Radial and tangent lines are this many pixels times their vector long.
    static constexpr double kReachPixels = 100.0;
    enum CandidateKind
    {
        Concentric = 0,
        StartRadial = 1,
        EndRadial = 2,
        StartTangent = 3,
        EndTangent = 4,
        CandidateKindCount = 5,
    };

    void CollectAuxiliaryLines(bvector<ICurvePrimitivePtr>& lines,
                               const DgnButtonEvent& ev) override;
    void OnAnglePoints(bvector<DPoint3d> points) override { m_anglePoints = std::move(points); }
    void OnCurveLines(const bvector<ICurvePrimitivePtr>& lines) override;
    void OnCloseAuxiliary() override;
    void OnAuxiliaryModel(ZTAuxiliaryModelPtr model) override { m_model = std::move(model); }

    // One candidate of a reference arc for the cursor q with the pixel size there, or null.
    static ICurvePrimitivePtr Candidate(const DEllipse3d& arc, CandidateKind kind,
                                        const DPoint3d& q, double pixelSize, double tolerance);

private:
    bvector<ICurvePrimitivePtr> m_lines;
    bvector<DEllipse3d> m_arcs;
    bvector<std::uint32_t> m_positions;
    bvector<DPoint3d> m_anglePoints;
    ZTAuxiliaryModelPtr m_model;
    double m_tolerance = kDefaultTolerance;
};

} // namespace zt
