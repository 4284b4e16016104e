#pragma once
// Where the view box sits in a view and what of it lies under a screen point: the cube's
// corners, faces, edges and the four arrows around a standard view, with the view each of them
// turns to. A plain value computed from a viewport, so that the hit test is testable without a
// window.
//
// Corners are numbered by the signs of x, y, z from the centre: 0 (-,-,-), 1 (+,-,-),
// 2 (+,+,-), 3 (-,+,-), 4 (-,-,+), 5 (+,-,+), 6 (+,+,+), 7 (-,+,+).

#include "platform/cad/RotMatrix.h"
#include "ztui/ZTUiExport.h"

#include <array>

class Viewport;

namespace zt {

struct ZTUI_EXPORT ViewBoxHit
{
    int face = -1;
    int edge = -1;
    int corner = -1;
    int arrow = -1;
    bool IsPart() const { return face >= 0 || edge >= 0 || corner >= 0; }
};

class ZTUI_EXPORT ViewBoxGeometry
{
public:
    // The cube's edge in pixels; its centre sits this fraction of the view height from the
    // top and right edges.
    static constexpr double kSizePixels = 50.0;
    static constexpr double kInsetFraction = 0.1;
    // World sizes outside this range show no box.
    static constexpr double kMinSize = 1.0;
    static constexpr double kMaxSize = 1.0e10;
    // The pick ray starts this far (view pixels) in front of the target plane.
    static constexpr double kRayDepth = 500.0;
    // A hit within this fraction of a face's side is on its edge or corner.
    static constexpr double kBand = 0.2;

    static const int kFaceCorners[6][4];
    static const int kEdgeCorners[12][2];
    static const wchar_t* const kFaceLabels[6];
    static const StandardView kFaceViews[6];

    // Computes the placement for the viewport; false when the box would be too small or too
    // large to show.
    bool Place(const Viewport& viewport);

    const DPoint3d& Centre() const { return m_centre; }
    double Size() const { return m_size; }
    const std::array<DPoint3d, 8>& Corners() const { return m_corners; }
    // The standard view (Top to Back) the view showed at placement, NotStandard otherwise.
    StandardView Standard() const { return m_standard; }
    bool HasArrows() const { return m_standard != StandardView::NotStandard; }
    // Arrow i is the triangle ArrowPoints()[3i .. 3i + 2].
    const std::array<DPoint3d, 12>& ArrowPoints() const { return m_arrows; }

    // The point of a face at parameters (u, v): u along its first side, v along its last.
    DPoint3d FacePoint(int face, double u, double v) const;
    // The unit normal of a face, pointing out of the cube.
    static DVec3d FaceNormal(int face);

    // What lies under a screen point of the viewport the box was placed for.
    ViewBoxHit HitTest(const Viewport& viewport, const DPoint3d& screen) const;

    // The edge joining two corners, or -1.
    static int EdgeOf(int cornerA, int cornerB);
    // The rotation that looks at an edge (0 to 11) or a corner (0 to 7 but not 4 or 5);
    // the identity for the others.
    static RotMatrix EdgeRotation(int edge);
    static RotMatrix CornerRotation(int corner);
    // The standard view an arrow of a standard view turns to (NotStandard when none).
    static StandardView ArrowTarget(StandardView current, int arrow);

private:
    DPoint3d m_centre;
    double m_size = 0.0;
    std::array<DPoint3d, 8> m_corners{};
    StandardView m_standard = StandardView::NotStandard;
    std::array<DPoint3d, 12> m_arrows{};
};

} // namespace zt
