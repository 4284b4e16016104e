#include "ztui/proplist/model/ValueText.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cwchar>
#include <numbers>

namespace zt::valuetext {

namespace {

CString FormatWithPrecision(const wchar_t* pattern, int precision, double value)
{
    // The format itself is built first ("%.2f" for precision 2), as the editors always did.
    CString format;
    format.Format(pattern, precision < 0 ? 0 : precision);
    CString text;
    text.Format(format.GetString(), value);
    return text;
}

} // namespace

CString FormatInteger(int value)
{
    CString text;
    text.Format(L"%d", value);
    return text;
}

CString FormatDistance(double value, int precision)
{
    return FormatWithPrecision(L"%%.%df", precision, value);
}

CString FormatAngle(double radians, int precision)
{
    return FormatWithPrecision(L"%%.%df°", precision, radians * 180.0 / std::numbers::pi);
}

CString FormatCoordinate(double value)
{
    CString text;
    text.Format(L"%.2f", value);
    return text;
}

int ReadInteger(const CString& text)
{
    errno = 0;
    long long v = std::wcstoll(text.GetString(), nullptr, 10);
    if (v > INT_MAX)
        return INT_MAX;
    if (v < INT_MIN)
        return INT_MIN;
    return static_cast<int>(v);
}

double ReadNumber(const CString& text)
{
    double v = std::wcstod(text.GetString(), nullptr);
    // "inf" and "nan" spelled out are not numbers a user means to enter.
    return std::isfinite(v) ? v : 0.0;
}

double ReadDegreesAsRadians(const CString& text)
{
    return ReadNumber(text) * std::numbers::pi / 180.0;
}

} // namespace zt::valuetext
