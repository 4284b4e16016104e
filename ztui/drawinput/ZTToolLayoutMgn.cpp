#include "ztui/drawinput/ZTToolLayoutMgn.h"

#include "platform/cad/GeomTolerance.h"
#include "platform/cad/IViewManager.h"
#include "platform/host/CurveUtil.h"
#include "platform/host/PublicFunc.h"
#include "ztui/drawinput/ZTLayoutPrompts.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

using Tessel::ArchModel::CurveUtil;
using Tessel::ArchModel::PublicFunc;
using namespace zt::cad;

namespace zt {

namespace {

// The standard generator's documented range on the host's platform is 0 to 32767; the draw is
// taken in that range whatever the C library's own maximum is.
constexpr int kRandomDrawMax = 32767;

void DropBack(bvector<DPoint3d>& points, size_t count)
{
    points.resize(points.size() - std::min(count, points.size()));
}

} // namespace

ZTToolLayoutMgn::ZTToolLayoutMgn() = default;
ZTToolLayoutMgn::~ZTToolLayoutMgn() = default;

ZTToolLayoutMgn& ZTToolLayoutMgn::Get()
{
    static ZTToolLayoutMgn manager;
    return manager;
}

void ZTToolLayoutMgn::Begin()
{
    m_drawWay = ZTDrawWay::NotSet;
    m_points.clear();
    m_curDrawPoints.clear();
    m_profile = CurveVector::Create(CurveVector::BOUNDARY_TYPE_Outer);
    m_prompt.clear();
    m_guideLine = nullptr;
    m_counterClockwise = false;
    m_circleCenter = DPoint3d{};
    m_traceInfo = DynTraceInfo{};
}

void ZTToolLayoutMgn::End()
{
    m_points.clear();
    m_curDrawPoints.clear();
    ClearProfileCurves();
}

void ZTToolLayoutMgn::ClearProfileCurves()
{
    if (m_profile.IsValid())
        m_profile->clear();
}

double ZTToolLayoutMgn::GetClickTolerance() const
{
    const IndexedViewport* view =
        IViewManager::GetManager().GetActiveViewSet().GetSelectedViewport();
    if (!view)
        return kClickToleranceWithoutView;
    return view->GetPixelSizeAtPoint(nullptr, DgnCoordSystem::World) * kClickTolerancePixels;
}

bool ZTToolLayoutMgn::SamePoint(const DPoint3d& a, const DPoint3d& b) const
{
    return a.IsEqual(b, GetClickTolerance());
}

void ZTToolLayoutMgn::Reseed(const DPoint3d& point)
{
    m_curDrawPoints.clear();
    m_curDrawPoints.push_back(point);
    m_wayHistory.push_back(m_drawWay);
}

void ZTToolLayoutMgn::ChooseRandomSweep()
{
    std::srand(m_randomSeed ? *m_randomSeed : static_cast<unsigned>(std::time(nullptr)));
    int draw = std::rand() % (kRandomDrawMax + 1);
    double sweep = draw / double(kRandomDrawMax) * 2.0 * kTwoPi - kTwoPi;
    m_randomSweep = m_previousSweep = sweep;
    m_counterClockwise = sweep > 0.0;
}

void ZTToolLayoutMgn::SetDrawWay(const ZTDrawWay& way)
{
    m_drawWay = way;
    if (m_curDrawPoints.size() > 1) {
        size_t extra = m_curDrawPoints.size() - 1;
        DropBack(m_curDrawPoints, extra);
        DropBack(m_points, extra);
    }
    switch (way) {
    case ZTDrawWay::Line:
    case ZTDrawWay::TangentArc:
        m_prompt = layout_prompt::kLineNextPoint;
        break;
    case ZTDrawWay::ArcStartTangentEnd:
        m_prompt = layout_prompt::kTangentPoint;
        break;
    case ZTDrawWay::ArcCirclePointsEnd:
    case ZTDrawWay::ArcStartEndMid:
        m_prompt = layout_prompt::kSecondCirclePointInitial;
        break;
    case ZTDrawWay::ArcStartCenterEnd:
    case ZTDrawWay::ArcCenterStartEnd:
        m_prompt = layout_prompt::kCentre;
        break;
    case ZTDrawWay::RectangleTwoCorners:
    case ZTDrawWay::RectangleThreePoints:
        // A rectangle replaces the whole outline: start again from its first point.
        if (m_points.size() > 1) {
            DPoint3d first = m_points.front();
            m_points.assign(1, first);
            m_curDrawPoints.assign(1, first);
            ClearProfileCurves();
        }
        break;
    default:
        break;
    }
}

ICurvePrimitivePtr ZTToolLayoutMgn::ArcOrLine(const DPoint3d& start, const DVec3d& tangent,
                                              const DPoint3d& end) const
{
    DEllipse3d arc;
    if (arc.InitArcFromPointTangentPoint(start, tangent, end))
        return ICurvePrimitive::CreateArc(arc);
    return CurveUtil::Get().createLine(start, end);
}

ICurvePrimitivePtr ZTToolLayoutMgn::TangentArc(const DPoint3d& start, const DPoint3d& end) const
{
    if (m_profile.IsNull() || m_profile->empty())
        return nullptr;
    const ICurvePrimitivePtr& last = m_profile->back();
    DPoint3d lastStart, lastEnd;
    DVec3d startTangent, endTangent;
    if (!last->GetStartEnd(lastStart, lastEnd, startTangent, endTangent))
        return CurveUtil::Get().createLine(start, end);
    DVec3d tangent;
    if (const DEllipse3d* arc = last->GetArcCP()) {
        bool antiwise = CurveUtil::Get().IsArcAntiwise(*arc);
        tangent = DVec3d::FromRotateXY(lastEnd - arc->center, antiwise ? kHalfPi : -kHalfPi);
    } else if (last->GetLineCP()) {
        tangent = lastEnd - lastStart;
    } else {
        tangent = endTangent;
    }
    return ArcOrLine(start, tangent, end);
}

bool ZTToolLayoutMgn::FinishArcAboutCentre(const DPoint3d& start, const DPoint3d& centre,
                                           const DPoint3d& click)
{
    double radius = start.Distance(centre);
    DVec3d toStart = start - centre;
    DVec3d toEnd = DVec3d::FromStartEndNormalize(centre, click);
    if (toEnd.IsZero()) {
        // A click on the centre gives no direction; end where the preview showed the arc
        // ending, at the current sweep from the start.
        toEnd = DVec3d::FromNormalize(DVec3d::FromRotateXY(toStart, m_currentSweep));
    }
    DPoint3d end = DPoint3d::FromSumOf(centre, toEnd, radius);
    if (m_currentSweep == kTwoPi) {
        // The whole circle replaces the outline, as two half arcs from the east point.
        ClearProfileCurves();
        DPoint3d a = centre + DVec3d{radius, 0.0, 0.0};
        DPoint3d b = centre + DVec3d{0.0, radius, 0.0};
        DPoint3d d = centre + DVec3d{-radius, 0.0, 0.0};
        DPoint3d f = centre + DVec3d{0.0, -radius, 0.0};
        m_profile->Add(ICurvePrimitive::CreateArc(DEllipse3d::FromPointsOnArc(a, b, d)));
        m_profile->Add(ICurvePrimitive::CreateArc(DEllipse3d::FromPointsOnArc(d, f, a)));
        return false;
    }
    DPoint3d middle = centre + DVec3d::FromRotateXY(toStart, 0.5 * m_currentSweep);
    m_profile->Add(ICurvePrimitive::CreateArc(DEllipse3d::FromPointsOnArc(start, middle, end)));
    m_curDrawPoints.assign(1, end);
    if (!m_points.empty())
        m_points.back() = end;
    return true;
}

bvector<DPoint3d> ZTToolLayoutMgn::ThreePointRectangle(const DPoint3d& c0, const DPoint3d& c1,
                                                       const DPoint3d& c2)
{
    DVec3d along = DVec3d::FromStartEndNormalize(c0, c1);
    DVec3d across = DVec3d::FromRotateXY(along, kHalfPi);
    across.ScaleToLength(across.DotProduct(c2 - c1));
    DPoint3d k2 = c1 + across;
    DPoint3d k3 = k2 + (c0 - c1);
    m_dynamicTracerPoint = k2;
    return bvector<DPoint3d>{c0, c1, k2, k3, c0};
}

bool ZTToolLayoutMgn::AddDataButtonPoint(const DPoint3d& point)
{
    if (m_profile.IsNull())
        return true;
    if (m_drawWay != ZTDrawWay::ArcCenterStartEnd && !m_points.empty() &&
        SamePoint(point, m_points.back()))
        return true;
    m_curDrawPoints.push_back(point);
    m_points.push_back(point);
    size_t n = m_curDrawPoints.size();
    if (static_cast<int>(m_drawWay) > static_cast<int>(ZTDrawWay::RectangleThreePoints))
        return true;
    const bvector<DPoint3d>& c = m_curDrawPoints;
    CurveUtil& util = CurveUtil::Get();

    switch (m_drawWay) {
    case ZTDrawWay::Line:
        if (n == 2) {
            m_profile->Add(util.createLine(c[0], c[1]));
            Reseed(c[1]);
            m_prompt = layout_prompt::kLineNextPoint;
        }
        return true;
    case ZTDrawWay::TangentArc:
        if (n == 2 && !m_profile->empty()) {
            m_profile->Add(TangentArc(c[0], c[1]));
            Reseed(c[1]);
            m_prompt = layout_prompt::kLineNextPoint;
        }
        return true;
    case ZTDrawWay::ArcStartTangentEnd:
        if (n == 2) {
            m_prompt = layout_prompt::kNextPoint;
        } else if (n == 3) {
            m_profile->Add(ArcOrLine(c[0], c[1] - c[0], c[2]));
            Reseed(c[2]);
            m_prompt = layout_prompt::kTangentPoint;
        }
        return true;
    case ZTDrawWay::ArcCirclePointsEnd:
        if (n == 2) {
            m_prompt = layout_prompt::kThirdCirclePoint;
        } else if (n == 3) {
            // The centre is the one the last preview stored: the circle the user saw while
            // aiming, even when the click itself landed a little elsewhere.
            ChooseRandomSweep();
            m_prompt = layout_prompt::kEndPoint;
        } else if (n == 4) {
            if (!FinishArcAboutCentre(c[0], m_circleCenter, c[3]))
                return false;
            m_wayHistory.push_back(m_drawWay);
            m_prompt = layout_prompt::kSecondCirclePoint;
        }
        return true;
    case ZTDrawWay::ArcStartCenterEnd:
        if (n == 2) {
            m_circleCenter = c[1];
            ChooseRandomSweep();
            m_prompt = layout_prompt::kEndPoint;
        } else if (n == 3) {
            if (!FinishArcAboutCentre(c[0], c[1], c[2]))
                return false;
            m_wayHistory.push_back(m_drawWay);
            m_prompt = layout_prompt::kStartPoint;
        }
        return true;
    case ZTDrawWay::ArcStartEndMid:
        if (n == 3) {
            DPoint3d start = c[0], end = c[1], middle = c[2];
            if (PublicFunc::IsTwoLineParrallel(start, middle, middle, end, kStraightArcTolerance))
                m_profile->Add(util.createLine(start, end));
            else
                m_profile->Add(
                    ICurvePrimitive::CreateArc(DEllipse3d::FromPointsOnArc(start, middle, end)));
            Reseed(end);
        }
        return true;
    case ZTDrawWay::ArcCenterStartEnd:
        if (n == 3) {
            if (!FinishArcAboutCentre(c[1], c[0], c[2]))
                return false;
            m_wayHistory.push_back(m_drawWay);
        }
        return true;
    case ZTDrawWay::RectangleTwoCorners:
        if (n == 2) {
            m_profile = util.createRectangXY(c[0], c[1]);
            return false;
        }
        return true;
    case ZTDrawWay::RectangleThreePoints:
        if (n == 3) {
            m_profile = util.createPoly(ThreePointRectangle(c[0], c[1], c[2]));
            return false;
        }
        return true;
    default:
        return true;
    }
}

void ZTToolLayoutMgn::SetBackSpace()
{
    if (m_points.empty())
        return;
    if (m_profile.IsNull() || m_profile->empty()) {
        m_points.clear();
        m_curDrawPoints.clear();
        UpdateAuxiliaryInfo();
        return;
    }
    DPoint3d first = m_points.front();
    DropBack(m_points, m_curDrawPoints.size());
    m_curDrawPoints.clear();
    m_profile->pop_back();
    if (!m_wayHistory.empty()) {
        // The clicks that only shaped the undone segment go with it.
        switch (m_wayHistory.back()) {
        case ZTDrawWay::ArcStartTangentEnd:
        case ZTDrawWay::ArcStartCenterEnd:
        case ZTDrawWay::ArcStartEndMid:
        case ZTDrawWay::ArcCenterStartEnd:
            DropBack(m_points, 1);
            break;
        case ZTDrawWay::ArcCirclePointsEnd:
            DropBack(m_points, 2);
            break;
        default:
            break;
        }
        m_wayHistory.pop_back();
        DropBack(m_points, 1);
    }
    DPoint3d current = first;
    if (!m_profile->empty())
        current = CurveUtil::Get().GetEndPoint(m_profile->back());
    m_curDrawPoints.push_back(current);
    m_points.push_back(current);
    UpdateAuxiliaryInfo();
}

bool ZTToolLayoutMgn::SetResetButton()
{
    if (m_profile.IsNull() || m_profile->empty() || m_points.empty())
        return false;
    if (m_profile->size() == 1 && m_profile->front()->GetLineCP())
        return false;
    CurveUtil& util = CurveUtil::Get();
    m_profile->Add(util.createLine(util.GetEndPoint(m_profile->back()), m_points.front()));
    return true;
}

bool ZTToolLayoutMgn::IsClosed()
{
    if (m_curDrawPoints.size() != 1 || m_profile.IsNull() || m_profile->size() < 2 ||
        m_points.empty())
        return false;
    CurveUtil& util = CurveUtil::Get();
    if (!SamePoint(util.GetEndPoint(m_profile->back()), m_points.front()))
        return false;
    util.SetSameSweepEndPoint(m_profile->back(), m_points.front());
    return true;
}

bool ZTToolLayoutMgn::IsDynamicClosed(const DPoint3d& point) const
{
    if (m_points.size() < 3 || !SamePoint(point, m_points.front()))
        return false;
    size_t k = m_curDrawPoints.size();
    switch (m_drawWay) {
    case ZTDrawWay::Line:
    case ZTDrawWay::TangentArc:
        return true;
    case ZTDrawWay::ArcStartTangentEnd:
        return k > 1;
    case ZTDrawWay::ArcCirclePointsEnd:
        return k > 3;
    case ZTDrawWay::ArcStartCenterEnd:
    case ZTDrawWay::ArcStartEndMid:
    case ZTDrawWay::ArcCenterStartEnd:
        return k > 2;
    default:
        return false;
    }
}

bool ZTToolLayoutMgn::CheckLines() const
{
    size_t n = m_points.size();
    const bvector<DPoint3d>& q = m_points;
    if (n > 1 && SamePoint(q[n - 1], q[n - 2]))
        return true;
    int m = GetProfileSize();
    if (m > 0 && m_profile->back()->GetArcCP() && n >= 3 &&
        (SamePoint(q[n - 1], q[n - 3]) || SamePoint(q[n - 2], q[n - 3])))
        return true;
    if (m == 2 && (*m_profile)[0]->GetLineCP() && (*m_profile)[1]->GetLineCP() && n >= 3 &&
        SamePoint(q[n - 3], q[n - 1]))
        return true;
    return false;
}

bool ZTToolLayoutMgn::IsFullSweep() const
{
    return m_currentSweep == kTwoPi;
}

bool ZTToolLayoutMgn::GetAuxiliaryInfo(DPoint3d& point, DVec3d& direction) const
{
    if (m_auxiliaryInfo.size() != 1)
        return false;
    point = m_auxiliaryInfo.front().first;
    direction = m_auxiliaryInfo.front().second;
    return true;
}

ICurvePrimitivePtr ZTToolLayoutMgn::GetProfile(int index) const
{
    if (index < 0 || index >= GetProfileSize())
        return nullptr;
    return (*m_profile)[index];
}

DPoint3d ZTToolLayoutMgn::GetStartPoint() const
{
    return m_curDrawPoints.empty() ? DPoint3d{} : m_curDrawPoints.front();
}

unsigned ZTToolLayoutMgn::GetPointSize() const
{
    return static_cast<unsigned>(m_points.size());
}

int ZTToolLayoutMgn::GetProfileSize() const
{
    return m_profile.IsValid() ? static_cast<int>(m_profile->size()) : 0;
}

} // namespace zt
