// The layout manager's preview for the cursor and the reference it gives auxiliary lines.

#include "ztui/drawinput/ZTToolLayoutMgn.h"

#include "platform/cad/GeomTolerance.h"
#include "platform/host/PublicFunc.h"

#include <cmath>

using Tessel::ArchModel::PublicFunc;
using namespace zt::cad;

namespace zt {

namespace {

// A cursor this close to the centre (model units) gives no direction for the arc's end.
constexpr double kCentreSnapDistance = 1.0;
// An end this close to the start direction (radians) previews the whole circle.
constexpr double kFullCircleAngle = 0.01;

} // namespace

ICurvePrimitivePtr ZTToolLayoutMgn::AddDynamicPoint(const DPoint3d& point)
{
    if (m_profile.IsNull())
        return nullptr;
    // The cursor joins the lists only for the time of the preview; both are vectors whose
    // capacity stays, so this costs no copy and (after the first call) no allocation.
    m_curDrawPoints.push_back(point);
    m_points.push_back(point);
    ICurvePrimitivePtr preview = Preview();
    m_curDrawPoints.pop_back();
    m_points.pop_back();
    UpdateAuxiliaryInfo();
    return preview;
}

ICurvePrimitivePtr ZTToolLayoutMgn::Preview()
{
    const bvector<DPoint3d>& c = m_curDrawPoints;
    size_t n = c.size();
    auto line = [&](const DPoint3d& a, const DPoint3d& b) {
        return ICurvePrimitive::CreateLine(a, b);
    };

    switch (m_drawWay) {
    case ZTDrawWay::Line:
        m_guideLine = nullptr;
        if (n == 2)
            return line(c[0], c[1]);
        // Before the first click this is the cursor alone: a one-point line string, which the
        // tool may show as a marker.
        return ICurvePrimitive::CreateLineString(c);
    case ZTDrawWay::TangentArc:
        if (n == 2 && GetProfileSize() > 0) {
            m_guideLine = line(c[0], c[1]);
            return TangentArc(c[0], c[1]);
        }
        return nullptr;
    case ZTDrawWay::ArcStartTangentEnd:
        if (n == 2) {
            m_circleCenter = c[1];
            m_guideLine = nullptr;
            return line(c[0], c[1]);
        }
        if (n == 3) {
            m_guideLine = line(c[0], c[2]);
            return ArcOrLine(c[0], c[1] - c[0], c[2]);
        }
        return nullptr;
    case ZTDrawWay::ArcCirclePointsEnd:
        if (n == 2) {
            m_guideLine = nullptr;
            return line(c[0], c[1]);
        }
        if (n == 3) {
            DEllipse3d circle = DEllipse3d::FromPointsOnArc(c[0], c[2], c[1]);
            circle.MakeFullSweep();
            m_circleCenter = circle.center;
            m_guideLine = line(c[0], c[1]);
            return ICurvePrimitive::CreateArc(circle);
        }
        if (n == 4)
            return PreviewArcAboutCentre(c[0], m_circleCenter, c[3]);
        return nullptr;
    case ZTDrawWay::ArcStartCenterEnd:
        if (n == 2) {
            m_guideLine = nullptr;
            return line(c[0], c[1]);
        }
        if (n == 3)
            return PreviewArcAboutCentre(c[0], c[1], c[2]);
        return nullptr;
    case ZTDrawWay::ArcStartEndMid:
        if (n == 2) {
            m_guideLine = nullptr;
            return line(c[0], c[1]);
        }
        if (n == 3) {
            if (PublicFunc::IsTwoLineParrallel(c[0], c[2], c[2], c[1], kStraightArcTolerance)) {
                m_guideLine = nullptr;
                return line(c[0], c[1]);
            }
            DEllipse3d arc = DEllipse3d::FromPointsOnArc(c[0], c[2], c[1]);
            m_circleCenter = arc.center;
            m_guideLine = line(c[0], c[1]);
            return ICurvePrimitive::CreateArc(arc);
        }
        return nullptr;
    case ZTDrawWay::ArcCenterStartEnd:
        if (n == 2) {
            m_guideLine = line(c[0], c[1]);
            return ICurvePrimitive::CreateArc(
                DEllipse3d::FromCenterNormalRadius(c[0], DVec3d::UnitZ(), c[0].Distance(c[1])));
        }
        if (n == 3) {
            ICurvePrimitivePtr arc = PreviewArcAboutCentre(c[1], c[0], c[2]);
            m_guideLine = line(c[0], c[1]);
            return arc;
        }
        return nullptr;
    case ZTDrawWay::RectangleTwoCorners:
        if (n == 2) {
            m_guideLine = nullptr;
            return ICurvePrimitive::CreateRectangle(c[0].x, c[0].y, c[1].x, c[1].y, c[0].z);
        }
        return nullptr;
    case ZTDrawWay::RectangleThreePoints:
        if (n == 2) {
            m_guideLine = nullptr;
            return line(c[0], c[1]);
        }
        if (n == 3) {
            m_guideLine = nullptr;
            return ICurvePrimitive::CreateLineString(ThreePointRectangle(c[0], c[1], c[2]));
        }
        return nullptr;
    default:
        return nullptr;
    }
}

ICurvePrimitivePtr ZTToolLayoutMgn::PreviewArcAboutCentre(const DPoint3d& start,
                                                          const DPoint3d& centre,
                                                          const DPoint3d& cursor)
{
    double radius = start.Distance(centre);
    DVec3d toStart = start - centre;
    bool atCentre = cursor.AlmostEqual(centre, kCentreSnapDistance);
    double angle;
    DPoint3d end;
    if (atCentre) {
        angle = m_randomSweep;
        end = DPoint3d::FromSumOf(
            centre, DVec3d::FromNormalize(DVec3d::FromRotateXY(toStart, angle)), radius);
    } else {
        end = DPoint3d::FromSumOf(centre, DVec3d::FromStartEndNormalize(centre, cursor), radius);
        angle = toStart.AngleToXY(cursor - centre);
    }
    double degrees = RadiansToDegrees(angle);
    m_dynamicTracerPoint = end;

    if (atCentre) {
        m_previousSweep = m_currentSweep = m_randomSweep;
    } else if (std::fabs(angle) < kFullCircleAngle) {
        m_currentSweep = kTwoPi;
    } else {
        double counterClockwise = DEllipse3d::FromArcCenterStartEnd(centre, start, end).sweep;
        // The direction follows the cursor when it swings across the start direction near
        // the start, and only then: a cursor that comes round the far side keeps it.
        if (degrees > 0.0 && degrees < 90.0 && m_previousSweep < 0.0 &&
            std::fabs(m_midAngle) < 90.0)
            m_counterClockwise = true;
        else if (degrees > -90.0 && degrees < 0.0 && m_previousSweep > 0.0 &&
                 std::fabs(m_midAngle) < 90.0)
            m_counterClockwise = false;
        // Clockwise, the arc to the same end sweeps the rest of the turn the other way: s - 2π.
        // Negating the counter-clockwise sweep (-s) would end at the mirror of the cursor and
        // draw the long way round, which no user aiming at the cursor means.
        double sweep = m_counterClockwise ? counterClockwise : counterClockwise - kTwoPi;
        m_previousSweep = m_currentSweep = sweep;
    }

    DEllipse3d arc;
    if (m_currentSweep != kTwoPi) {
        DPoint3d middle = centre + DVec3d::FromRotateXY(toStart, 0.5 * m_currentSweep);
        arc = DEllipse3d::FromPointsOnArc(start, middle, end);
        m_midAngle =
            RadiansToDegrees(toStart.AngleToXY(arc.FractionParameterToPoint(0.5) - centre));
    } else {
        arc = DEllipse3d::FromCenterNormalRadius(centre, DVec3d::UnitZ(), radius);
    }
    m_guideLine = ICurvePrimitive::CreateLine(centre, end);

    double sweepDegrees = RadiansToDegrees(std::fabs(arc.sweep));
    m_traceInfo.sweepAngle = m_currentSweep < 0.0 ? -sweepDegrees : sweepDegrees;
    m_traceInfo.arcLength = arc.ArcLength();
    m_traceInfo.chord = end.Distance(start);
    return ICurvePrimitive::CreateArc(arc);
}

void ZTToolLayoutMgn::UpdateAuxiliaryInfo()
{
    m_auxiliaryInfo.clear();
    const bvector<DPoint3d>& c = m_curDrawPoints;
    size_t k = c.size();
    if (k == 0)
        return;

    DPoint3d reference = c[0];
    DVec3d direction = DVec3d::UnitX();
    if (GetProfileSize() > 0) {
        const ICurvePrimitivePtr& last = m_profile->back();
        DPoint3d start, end;
        DVec3d startTangent, endTangent;
        if (last->GetStartEnd(start, end, startTangent, endTangent)) {
            reference = end;
            if (const DEllipse3d* arc = last->GetArcCP()) {
                const DPoint3d& z = arc->center;
                double turn = DVec3d::FromStartEndNormalize(z, start).AngleToXY(
                    DVec3d::FromStartEndNormalize(z, end));
                double halfCircumference = kPi * start.Distance(z);
                double length = arc->ArcLength();
                bool leftTurn = (turn >= 0.0 && length <= halfCircumference) ||
                                (turn < 0.0 && length > halfCircumference);
                direction = DVec3d::FromRotateXY(DVec3d::FromStartEndNormalize(z, end),
                                                 leftTurn ? kHalfPi : -kHalfPi);
            } else if (last->GetLineCP()) {
                direction = DVec3d::FromStartEndNormalize(start, end);
            } else {
                direction = endTangent;
            }
        }
    }

    auto add = [&](const DPoint3d& p, const DVec3d& d) { m_auxiliaryInfo.emplace_back(p, d); };
    switch (m_drawWay) {
    case ZTDrawWay::Line:
    case ZTDrawWay::TangentArc:
        add(reference, direction);
        break;
    case ZTDrawWay::ArcStartTangentEnd:
    case ZTDrawWay::ArcStartEndMid:
        if (k == 1)
            add(reference, direction);
        else if (k == 2)
            add(c[0], DVec3d::FromStartEndNormalize(c[0], c[1]));
        break;
    case ZTDrawWay::ArcCirclePointsEnd:
        if (k == 1) {
            add(reference, direction);
        } else if (k == 2) {
            add(c[1], DVec3d::FromStartEndNormalize(c[0], c[1]));
        } else if (k == 3) {
            DPoint3d z = DEllipse3d::FromPointsOnArc(c[0], c[2], c[1]).center;
            add(z, DVec3d::FromStartEndNormalize(z, c[0]));
        }
        break;
    case ZTDrawWay::ArcStartCenterEnd:
        if (k == 1)
            add(reference, direction);
        else if (k == 2)
            add(c[1], DVec3d::FromStartEndNormalize(c[1], c[0]));
        break;
    case ZTDrawWay::ArcCenterStartEnd:
        if (k == 1)
            add(reference, direction);
        else
            add(c[0], DVec3d::FromStartEndNormalize(c[0], c[1]));
        break;
    default:
        break;
    }
}

} // namespace zt
