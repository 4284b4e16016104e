// The solids of ViewDrawGeom: extrusions as edges, or as lit faces that face the viewer.

#include "platform/cad/ViewDrawGeom.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMaxProfilePoints = 1 << 16;
// The light comes from above and to the left of the viewer, in view axes (right, up, out).
const DVec3d kLightInView = DVec3d::FromNormalize(DVec3d{-0.35, 0.5, 1.0});
constexpr double kAmbient = 0.35;
constexpr double kDiffuse = 0.65;

// Newell's normal of a polygon: its direction follows the polygon's turning, its length is
// twice the area.
DVec3d PolygonNormal(const std::vector<DPoint3d>& p)
{
    DVec3d n;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const DPoint3d& a = p[i];
        const DPoint3d& b = p[(i + 1) % p.size()];
        n.x += (a.y - b.y) * (a.z + b.z);
        n.y += (a.z - b.z) * (a.x + b.x);
        n.z += (a.x - b.x) * (a.y + b.y);
    }
    return n;
}

std::uint32_t ScaleColor(std::uint32_t tbgr, double intensity)
{
    const auto channel = [&](int shift) {
        const double c = double((tbgr >> shift) & 0xFF) * intensity;
        return std::uint32_t(std::clamp(std::lround(c), 0L, 255L)) << shift;
    };
    return (tbgr & 0xFF000000u) | channel(0) | channel(8) | channel(16);
}

} // namespace

void ViewDrawGeom::DrawFace(std::vector<DPoint3d>& face, const DVec3d& outwardNormal)
{
    const ViewFrame& f = m_setup.frame;
    const DVec3d normal = DVec3d::FromNormalize(outwardNormal);
    // Back faces are left out: a face is seen when its outside turns towards the eye.
    const DVec3d towardsEye = f.cameraOn
                                  ? (f.Centre() + f.rotation.GetRow(2) * f.eyeDistance) - face[0]
                                  : f.rotation.GetRow(2);
    if (normal.DotProduct(towardsEye) <= 0.0)
        return;
    std::uint32_t color = m_symbology.GetFillColorTBGR();
    switch (m_setup.flags.GetRenderMode()) {
    case MSRenderMode::HiddenLine:
        color = ElemMatSymb::TBGR(m_setup.background);
        break;
    case MSRenderMode::SolidFill:
        break;
    default: {
        const DVec3d inView = f.rotation.Multiply(normal);
        color =
            ScaleColor(color, kAmbient + kDiffuse * std::max(0.0, inView.DotProduct(kLightInView)));
        break;
    }
    }
    double depth = 0.0;
    for (const DPoint3d& p : face)
        depth += f.WorldToView(p).z;
    m_depthForced = true;
    m_forcedDepth = static_cast<float>(depth / double(face.size()));
    Fill(face, color);
    Stroke(face, true);
    m_depthForced = false;
    m_drewFaces = true;
}

void ViewDrawGeom::DrawExtrusion(int numPoints, const DPoint3d* base, const DVec3d& extrusion)
{
    if (!base || numPoints < 3 || numPoints > kMaxProfilePoints)
        return;
    std::vector<DPoint3d> bottom;
    bottom.reserve(std::size_t(numPoints));
    for (int i = 0; i < numPoints; ++i) {
        const DPoint3d p = ToWorld(base[i]);
        if (bottom.empty() || !bottom.back().IsEqual(p))
            bottom.push_back(p);
    }
    if (bottom.size() >= 2 && bottom.front().IsEqual(bottom.back()))
        bottom.pop_back();
    if (bottom.size() < 3)
        return;
    const DVec3d sweep =
        m_transforms.empty() ? extrusion : m_transforms.back().matrix.Multiply(extrusion);
    DRange3d range = DRange3d::From(bvector<DPoint3d>(bottom.begin(), bottom.end()));
    for (const DPoint3d& p : bottom)
        range.Extend(p + sweep);
    if (!IsRangeVisible(range))
        return;

    // A plan (a 2-D view, or a 3-D one looking straight down) shows the solid's outline.
    if (!m_setup.is3d || m_setup.frame.rotation.GetStandardView() == StandardView::Top) {
        Stroke(bottom, true);
        return;
    }
    std::vector<DPoint3d> top(bottom.size());
    for (std::size_t i = 0; i < bottom.size(); ++i)
        top[i] = bottom[i] + sweep;

    if (!m_setup.flags.IsShaded()) {
        Stroke(bottom, true);
        Stroke(top, true);
        for (std::size_t i = 0; i < bottom.size(); ++i) {
            m_world = {bottom[i], top[i]};
            Stroke(m_world, false);
        }
        return;
    }
    // Outward normals: the caps face away from each other along the sweep; a side faces out
    // of the profile, which depends on which way the profile turns about the sweep.
    const DVec3d profileNormal = PolygonNormal(bottom);
    const double turning = profileNormal.DotProduct(sweep) >= 0.0 ? 1.0 : -1.0;
    std::vector<DPoint3d> face = bottom;
    DrawFace(face, profileNormal * -turning);
    face = top;
    DrawFace(face, profileNormal * turning);
    for (std::size_t i = 0; i < bottom.size(); ++i) {
        const std::size_t j = (i + 1) % bottom.size();
        face = {bottom[i], bottom[j], top[j], top[i]};
        DrawFace(face, (bottom[j] - bottom[i]).CrossProduct(sweep) * turning);
    }
}

void ViewDrawGeom::DrawProfileExtrusion(const CurveVector& profile, double baseZ,
                                        const DVec3d& extrusion)
{
    if (!profile.IsClosedPath())
        return;
    // The profile is stroked in world units that are already local to the pushed transform,
    // so its points go through AppendCurve without the transform and then through
    // DrawExtrusion with it.
    std::vector<DPoint3d> loop;
    std::vector<DPoint3d> part;
    std::vector<Transform> pushed;
    pushed.swap(m_transforms);
    for (const ICurvePrimitivePtr& curve : profile) {
        if (!curve)
            continue;
        part.clear();
        AppendCurve(*curve, part);
        for (DPoint3d p : part) {
            p.z = baseZ;
            if (loop.empty() || !loop.back().IsEqual(p))
                loop.push_back(p);
        }
    }
    pushed.swap(m_transforms);
    if (loop.size() >= std::size_t(kMaxProfilePoints))
        return;
    DrawExtrusion(int(loop.size()), loop.data(), extrusion);
}
