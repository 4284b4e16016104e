#include "ztui/drawinput/ViewBoxGeometry.h"

#include "platform/cad/CurveVector.h"
#include "platform/cad/Viewport.h"

#include <cmath>

namespace zt {

const int ViewBoxGeometry::kFaceCorners[6][4] = {{0, 1, 2, 3}, {0, 1, 5, 4}, {1, 2, 6, 5},
                                                 {2, 3, 7, 6}, {3, 0, 4, 7}, {4, 5, 6, 7}};
const int ViewBoxGeometry::kEdgeCorners[12][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {0, 4}, {1, 5},
                                                  {2, 6}, {3, 7}, {4, 5}, {5, 6}, {6, 7}, {7, 4}};
const wchar_t* const ViewBoxGeometry::kFaceLabels[6] = {L"下", L"前", L"右", L"后", L"左", L"上"};
const StandardView ViewBoxGeometry::kFaceViews[6] = {StandardView::Bottom, StandardView::Front,
                                                     StandardView::Right,  StandardView::Back,
                                                     StandardView::Left,   StandardView::Top};

namespace {

// The arrows' corner triples and targets of the standard views Top to Back, in that order.
constexpr int kArrowCorners[6][4][3] = {
    {{4, 5, 6}, {5, 6, 7}, {6, 7, 4}, {7, 4, 5}}, {{1, 0, 3}, {0, 3, 2}, {3, 2, 1}, {2, 1, 0}},
    {{3, 0, 4}, {0, 4, 7}, {4, 7, 3}, {7, 3, 0}}, {{1, 2, 6}, {2, 6, 5}, {6, 5, 1}, {5, 1, 2}},
    {{0, 1, 5}, {1, 5, 4}, {5, 4, 0}, {4, 0, 1}}, {{2, 3, 7}, {3, 7, 6}, {7, 6, 2}, {6, 2, 3}}};
using SV = StandardView;
constexpr StandardView kArrowTargets[6][4] = {
    {SV::Front, SV::Right, SV::Back, SV::Left}, {SV::Front, SV::Left, SV::Back, SV::Right},
    {SV::Bottom, SV::Front, SV::Top, SV::Back}, {SV::Bottom, SV::Back, SV::Top, SV::Front},
    {SV::Bottom, SV::Right, SV::Top, SV::Left}, {SV::Bottom, SV::Left, SV::Top, SV::Right}};

struct Pair
{
    DVec3d a;
    DVec3d b;
};
const Pair kEdgeVectors[12] = {
    {{1, 0, 0}, {0, -1, -1}},  {{0, 1, 1}, {1, 0, 0}},    {{-1, 0, 0}, {0, 1, 1}},
    {{0, -1, -1}, {-1, 0, 0}}, {{1, 0, -1}, {-1, 0, -1}}, {{1, 0, 1}, {1, 0, -1}},
    {{-1, 0, 1}, {1, 0, 1}},   {{-1, 0, -1}, {-1, 0, 1}}, {{1, 0, 0}, {0, 1, -1}},
    {{0, -1, 1}, {1, 0, 0}},   {{-1, 0, 0}, {0, -1, 1}},  {{0, 1, -1}, {-1, 0, 0}}};
// Corners 4 and 5 turn to the isometric views instead.
const Pair kCornerVectors[8] = {{{0.668, -0.459, -0.585}, {-0.744, -0.412, -0.526}},
                                {{0.694, 0.421, 0.583}, {0.72, -0.406, -0.563}},
                                {{-0.709, 0.431, 0.559}, {0.706, 0.433, 0.561}},
                                {{-0.728, -0.404, -0.554}, {-0.686, 0.428, 0.588}},
                                {{0, 0, 0}, {0, 0, 0}},
                                {{0, 0, 0}, {0, 0, 0}},
                                {{-0.688, -0.455, 0.565}, {0.726, -0.432, 0.536}},
                                {{-0.718, 0.404, -0.566}, {-0.696, -0.417, 0.585}}};

constexpr int kFaceTestOrder[6] = {5, 1, 2, 4, 3, 0};

RotMatrix LookingAlong(const Pair& pair)
{
    const DVec3d a = DVec3d::FromNormalize(pair.a);
    const DVec3d b = DVec3d::FromNormalize(pair.b);
    // The tabled vectors are perpendicular to three decimals only: normalising keeps the
    // matrix a rotation.
    const DVec3d z = DVec3d::FromNormalize(a.CrossProduct(b));
    const DVec3d x = DVec3d::FromNormalize(b.CrossProduct(z));
    if (z.IsZero() || x.IsZero())
        return RotMatrix::FromIdentity();
    return RotMatrix::FromColumnVectors(x, b, z);
}

CurveVectorPtr Loop(const DPoint3d* points, int count)
{
    CurveVectorPtr loop = CurveVector::Create(CurveVector::BOUNDARY_TYPE_Outer);
    for (int i = 0; i < count; ++i)
        loop->Add(ICurvePrimitive::CreateLine(points[i], points[(i + 1) % count]));
    return loop;
}

// A face counts when the ray meets it from outside the cube: the face then looks towards the
// viewer, and no face behind it can be the one under the cursor. (A limit on the ray's
// parameter would do the same only where the cube is thin next to the ray's length; in a view
// whose depth runs in pixels the far half of every visible face would be lost.)
bool Pierced(const CurveVector& loop, const DVec3d& outward, const DRay3d& ray,
             SolidLocationDetail& detail)
{
    if (outward.DotProduct(ray.direction) >= 0.0)
        return false;
    const CurveVector::InOutClassification where = loop.RayPierceInOnOut(ray, detail);
    return where == CurveVector::INOUT_In || where == CurveVector::INOUT_On;
}

} // namespace

bool ViewBoxGeometry::Place(const Viewport& viewport)
{
    DPoint3d low, high;
    viewport.GetViewCorners(low, high);
    const double width = high.x;
    const double height = low.y;
    m_centre = viewport.ViewToWorld(
        DPoint3d{width - kInsetFraction * height, kInsetFraction * height, 0.0});
    m_size = kSizePixels / viewport.GetScale().x;
    if (!std::isfinite(m_size) || m_size < kMinSize || m_size > kMaxSize || !m_centre.IsFinite())
        return false;
    const double h = m_size / 2.0;
    for (int i = 0; i < 8; ++i) {
        const double sx = (i == 1 || i == 2 || i == 5 || i == 6) ? h : -h;
        const double sy = (i == 2 || i == 3 || i == 6 || i == 7) ? h : -h;
        const double sz = i >= 4 ? h : -h;
        m_corners[i] = m_centre + DVec3d{sx, sy, sz};
    }
    StandardView standard = StandardView::NotStandard;
    viewport.GetViewController().IsStandardViewRotation(&standard);
    m_standard = (standard >= StandardView::Top && standard <= StandardView::Back)
                     ? standard
                     : StandardView::NotStandard;
    m_arrows = {};
    if (HasArrows()) {
        const int view = static_cast<int>(m_standard) - 1;
        const double d = 0.2 * m_size;
        for (int i = 0; i < 4; ++i) {
            const DPoint3d& a = m_corners[kArrowCorners[view][i][0]];
            const DPoint3d& b = m_corners[kArrowCorners[view][i][1]];
            const DPoint3d& c = m_corners[kArrowCorners[view][i][2]];
            const DVec3d u = DVec3d::FromStartEndNormalize(a, b);
            const DVec3d w = DVec3d::FromStartEndNormalize(b, c);
            const DPoint3d tip = a + u * (0.5 * m_size) - w * (0.7 * d);
            const DPoint3d second = tip - w * (0.7 * d) - u * (0.7 * d);
            m_arrows[3 * i] = tip;
            m_arrows[3 * i + 1] = second;
            m_arrows[3 * i + 2] = second + u * (1.4 * d);
        }
    }
    return true;
}

DPoint3d ViewBoxGeometry::FacePoint(int face, double u, double v) const
{
    const int* c = kFaceCorners[face];
    return m_corners[c[0]] + (m_corners[c[1]] - m_corners[c[0]]) * u +
           (m_corners[c[3]] - m_corners[c[0]]) * v;
}

DVec3d ViewBoxGeometry::FaceNormal(int face)
{
    static const DVec3d normals[6] = {{0, 0, -1}, {0, -1, 0}, {1, 0, 0},
                                      {0, 1, 0},  {-1, 0, 0}, {0, 0, 1}};
    return normals[face];
}

int ViewBoxGeometry::EdgeOf(int a, int b)
{
    for (int e = 0; e < 12; ++e)
        if ((kEdgeCorners[e][0] == a && kEdgeCorners[e][1] == b) ||
            (kEdgeCorners[e][0] == b && kEdgeCorners[e][1] == a))
            return e;
    return -1;
}

RotMatrix ViewBoxGeometry::EdgeRotation(int edge)
{
    return edge >= 0 && edge < 12 ? LookingAlong(kEdgeVectors[edge]) : RotMatrix::FromIdentity();
}

RotMatrix ViewBoxGeometry::CornerRotation(int corner)
{
    return corner >= 0 && corner < 8 && corner != 4 && corner != 5
               ? LookingAlong(kCornerVectors[corner])
               : RotMatrix::FromIdentity();
}

StandardView ViewBoxGeometry::ArrowTarget(StandardView current, int arrow)
{
    if (current < StandardView::Top || current > StandardView::Back || arrow < 0 || arrow > 3)
        return StandardView::NotStandard;
    return kArrowTargets[static_cast<int>(current) - 1][arrow];
}

ViewBoxHit ViewBoxGeometry::HitTest(const Viewport& viewport, const DPoint3d& screen) const
{
    ViewBoxHit hit;
    DPoint3d view = viewport.ScreenToView(DPoint3d{screen.x, screen.y, 0.0});
    view.z = 0.0;
    const DPoint3d world = viewport.ViewToWorld(view);
    if (!world.IsFinite() || world.Distance(m_centre) > m_size)
        return hit;
    const DPoint3d from = viewport.ViewToWorld(DPoint3d{view.x, view.y, kRayDepth});
    const DRay3d ray = DRay3d::FromOriginAndTarget(from, world);

    for (int face : kFaceTestOrder) {
        const int* c = kFaceCorners[face];
        const DPoint3d points[4] = {m_corners[c[0]], m_corners[c[1]], m_corners[c[2]],
                                    m_corners[c[3]]};
        SolidLocationDetail detail;
        if (!Pierced(*Loop(points, 4), FaceNormal(face), ray, detail))
            continue;
        const double u = detail.GetU();
        const double v = detail.GetV();
        const bool u0 = u<kBand, u1 = u> 1.0 - kBand;
        const bool v0 = v<kBand, v1 = v> 1.0 - kBand;
        if ((u0 || u1) && (v0 || v1)) {
            hit.corner = c[u0 ? (v0 ? 0 : 3) : (v0 ? 1 : 2)];
        } else if (v0) {
            hit.edge = EdgeOf(c[0], c[1]);
        } else if (u1) {
            hit.edge = EdgeOf(c[1], c[2]);
        } else if (v1) {
            hit.edge = EdgeOf(c[2], c[3]);
        } else if (u0) {
            hit.edge = EdgeOf(c[3], c[0]);
        } else {
            hit.face = face;
        }
        return hit;
    }
    if (!HasArrows())
        return hit;
    // The arrows lie in the plane of the face towards the viewer and count from either side.
    for (int i = 0; i < 4; ++i) {
        SolidLocationDetail detail;
        if (Pierced(*Loop(&m_arrows[3 * i], 3), -ray.direction, ray, detail)) {
            hit.arrow = i;
            break;
        }
    }
    return hit;
}

} // namespace zt
