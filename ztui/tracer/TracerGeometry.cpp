#include "ztui/tracer/TracerGeometry.h"

#include <charconv>
#include <cmath>
#include <cwchar>
#include <numbers>
#include <string>
#include <system_error>

namespace zt {

namespace {

// What "%.<decimals>f" prints, through std::to_chars, which prints exactly that without the
// format's parsing and locale: the box formats seven numbers on every cursor move.
CString Fixed(double value, int decimals)
{
    char digits[400]; // the widest double in fixed notation has 309 digits before the point
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value,
                                            std::chars_format::fixed, decimals);
    if (error != std::errc()) {
        CString text;
        text.Format(decimals == 0 ? L"%.0f" : L"%.1f", value);
        return text;
    }
    return CString(std::wstring(digits, end));
}

CString Whole(double value)
{
    return Fixed(value, 0);
}

} // namespace

double TracerUnsignedAngle(double dx, double dy)
{
    if (dx == 0.0 && dy == 0.0)
        return 0.0;
    return std::atan2(std::fabs(dy), dx) * 180.0 / std::numbers::pi;
}

DPoint3d TracerPolarPoint(const DPoint3d& start, double distance, double degrees)
{
    const double radians = degrees * std::numbers::pi / 180.0;
    return DPoint3d::From(start.x + distance * std::cos(radians),
                          start.y + distance * std::sin(radians), start.z);
}

double TracerReadNumber(const CString& text)
{
    const wchar_t* s = text.GetString();
    wchar_t* end = nullptr;
    double value = std::wcstod(s, &end);
    if (end == s || !std::isfinite(value))
        return 0.0;
    return value;
}

TracerFieldValues TracerFieldValues::Of(const DPoint3d& start, const DPoint3d& point)
{
    TracerFieldValues v;
    v.dx = point.x - start.x;
    v.dy = point.y - start.y;
    v.distance = start.Distance(point);
    v.angle = v.distance < kTracerMinimumDistance ? 0.0 : TracerUnsignedAngle(v.dx, v.dy);
    return v;
}

CString TracerFieldValues::DistanceText() const
{
    return Whole(distance);
}

CString TracerFieldValues::AngleText() const
{
    return Fixed(angle, 1);
}

CString TracerFieldValues::DxText() const
{
    return Whole(dx);
}

CString TracerFieldValues::DyText() const
{
    return Whole(dy);
}

CString TracerFieldValues::AbsDxText() const
{
    return Whole(std::fabs(dx));
}

CString TracerFieldValues::AbsDyText() const
{
    return Whole(std::fabs(dy));
}

CString TracerFieldValues::ZText()
{
    return L"0";
}

} // namespace zt
