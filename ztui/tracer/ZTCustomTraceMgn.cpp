#include "ztui/tracer/ZTCustomTraceMgn.h"

#include "ztui/tracer/TracerGeometry.h"

#include <cmath>
#include <numbers>

namespace zt {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

double TextNumber(const CtrlList& list, unsigned index)
{
    auto it = list.texts.find(index);
    return it == list.texts.end() ? 0.0 : TracerReadNumber(it->second);
}

CString Number(const wchar_t* format, double value)
{
    CString text;
    text.Format(format, value);
    return text;
}

DPoint3d TurnAbout(const DPoint3d& centre, const DPoint3d& point, double radians)
{
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const double x = point.x - centre.x;
    const double y = point.y - centre.y;
    return DPoint3d::From(centre.x + x * c - y * s, centre.y + x * s + y * c, point.z);
}

} // namespace

ZTCustomTraceMgn& ZTCustomTraceMgn::GetInstance()
{
    static ZTCustomTraceMgn manager;
    return manager;
}

void ZTCustomTraceMgn::InsertType(TracerEvState& state)
{
    state.ctrlTypes[kKindDistanceAngle] = 1;
    state.ctrlTypes[kKindRadiusAngle] = 1;
    state.ctrlTypes[kKindArc] = 2;
}

void ZTCustomTraceMgn::OnPlaceCtrl(CtrlList& list)
{
    switch (list.kind) {
    case kKindDistanceAngle:
        list.texts = {{0, L"距离"}, {1, L"角度"}};
        list.fieldTypes = {{1, 1}};
        return;
    case kKindRadiusAngle:
        list.texts = {{0, L"半径"}, {1, L"角度"}};
        list.fieldTypes = {{1, 1}};
        return;
    case kKindArc:
        list.texts = {{0, L"角度"}, {1, L"弦"}, {2, L"弧线长"}, {3, L"圆心X"}, {4, L"圆心Y"}};
        return;
    default:
        return;
    }
}

void ZTCustomTraceMgn::OnUpdateUi(CtrlList& list, const DPoint3d& start, const DPoint3d& cursor)
{
    if (list.kind != kKindDistanceAngle && list.kind != kKindRadiusAngle)
        return;
    const double distance = start.Distance(cursor);
    CString whole;
    // Truncated, as the row has always shown it, and clamped so that no distance overflows.
    const double clamped = std::isfinite(distance) ? std::fmin(distance, 2147483647.0) : 0.0;
    whole.Format(L"%d", static_cast<int>(clamped));
    list.texts[0] = whole;
    list.texts[1] = Number(L"%.2f", TracerUnsignedAngle(cursor.x - start.x, cursor.y - start.y));
}

void ZTCustomTraceMgn::OnSurePlace(CtrlList& list, const DPoint3d& start, DPoint3d& result)
{
    switch (list.kind) {
    case kKindDistanceAngle:
    case kKindRadiusAngle:
        if (list.drivingIndex != 0)
            return;
        result = TracerPolarPoint(start, TextNumber(list, 0), TextNumber(list, 1));
        return;
    case kKindArc:
        PlaceArc(list, start, result);
        return;
    default:
        return;
    }
}

void ZTCustomTraceMgn::PlaceArc(CtrlList& list, const DPoint3d& start, DPoint3d& result)
{
    if (list.texts.size() <= 4)
        return;
    double g = TextNumber(list, 0);
    double k = TextNumber(list, 1);
    double s = TextNumber(list, 2);
    const DPoint3d centre = DPoint3d::From(TextNumber(list, 3), TextNumber(list, 4), 0.0);
    const DPoint3d from = DPoint3d::From(start.x, start.y, 0.0);
    const double r = from.Distance(centre);
    double theta = 0.0;
    switch (list.drivingIndex) {
    case 0:
        theta = g * kPi / 180.0;
        if (std::fabs(g) > 360.0)
            theta = g < 0 ? -kTwoPi : kTwoPi;
        break;
    case 1:
        if (k < 0) {
            k = -k;
            g = -g;
        }
        if (k <= 2.0 * r && r > 0.0) {
            theta = 2.0 * std::asin(k / (2.0 * r));
        } else {
            k = 2.0 * r;
            theta = kPi;
        }
        if (g < 0)
            theta = -theta;
        break;
    case 2:
        if (s < 0) {
            s = -s;
            g = -g;
        }
        if (s <= kTwoPi * r && r > 0.0) {
            theta = s / r;
        } else {
            s = kTwoPi * r;
            theta = kTwoPi;
        }
        if (g < 0)
            theta = -theta;
        break;
    default:
        return;
    }
    DPoint3d end;
    if (!std::isfinite(theta) || std::fabs(theta) < kFullCircleTolerance ||
        std::fabs(std::fabs(theta) - kTwoPi) < kFullCircleTolerance) {
        k = 0.0;
        g = 360.0;
        s = kTwoPi * r;
        end = from;
    } else {
        end = TurnAbout(centre, from, theta);
        g = theta * 180.0 / kPi;
        s = std::fabs(theta) * r;
        k = end.Distance(from);
    }
    list.texts[0] = Number(L"%.2f", g);
    list.texts[1] = Number(L"%.2f", k);
    list.texts[2] = Number(L"%.2f", s);
    result = end;
}

} // namespace zt
