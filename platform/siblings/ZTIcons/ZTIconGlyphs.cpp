#include "platform/siblings/ZTIcons/ZTIconGlyphs.h"

#include "platform/win/resources/IconPainter.h"

#include <algorithm>
#include <cmath>

namespace zticons {

namespace {

using zt::win::IconPainter;

constexpr std::uint32_t kInk = 0x2F5D8A;    // the operation's main stroke
constexpr std::uint32_t kAccent = 0xE08A1E; // what the operation produces or moves to
constexpr std::uint32_t kPaper = 0xFFFFFF;
constexpr double kPi = 3.14159265358979323846;

// Strokes keep one pixel per 16 pixels of icon, never thinner than a pixel.
double Ink(int size)
{
    return std::max(1.0, std::round(size / 16.0)) / size;
}

IconPainter::Shape Arc(double cx, double cy, double r, double width, double from, double to)
{
    return [=](double u, double v) {
        const double d = std::hypot(u - cx, v - cy);
        if (std::abs(d - r) > width / 2)
            return false;
        double a = std::atan2(cy - v, u - cx); // counter-clockwise, y up
        if (a < 0)
            a += 2 * kPi;
        return a >= from && a <= to;
    };
}

IconPainter::Shape Frame(double l, double t, double r, double b, double w)
{
    return [=](double u, double v) {
        const bool inside = u >= l && u <= r && v >= t && v <= b;
        const bool inner = u > l + w && u < r - w && v > t + w && v < b - w;
        return inside && !inner;
    };
}

zt::win::IconImage Move(int size)
{
    const double w = Ink(size) * 1.5, h = 0.14;
    IconPainter p;
    p.Add(IconPainter::Rectangle(0.2, 0.5 - w / 2, 0.8, 0.5 + w / 2), kInk)
        .Add(IconPainter::Rectangle(0.5 - w / 2, 0.2, 0.5 + w / 2, 0.8), kInk)
        .Add(IconPainter::Triangle(0.5, 0.04, 0.5 - h, 0.22, 0.5 + h, 0.22), kInk)
        .Add(IconPainter::Triangle(0.5, 0.96, 0.5 - h, 0.78, 0.5 + h, 0.78), kInk)
        .Add(IconPainter::Triangle(0.04, 0.5, 0.22, 0.5 - h, 0.22, 0.5 + h), kInk)
        .Add(IconPainter::Triangle(0.96, 0.5, 0.78, 0.5 - h, 0.78, 0.5 + h), kInk)
        .Add(IconPainter::Circle(0.5, 0.5, 0.09), kAccent);
    return p.Render(size);
}

zt::win::IconImage Rotate(int size)
{
    const double w = Ink(size) * 1.6;
    IconPainter p;
    // Three quarters of a turn, counter-clockwise from the right, ending in an arrow head.
    p.Add(Arc(0.5, 0.52, 0.32, w, 0.0, 1.5 * kPi), kInk)
        .Add(IconPainter::Triangle(0.82, 0.34, 0.66, 0.60, 0.98, 0.60), kInk)
        .Add(IconPainter::Circle(0.5, 0.52, 0.08), kAccent);
    return p.Render(size);
}

zt::win::IconImage Mirror(int size)
{
    const double w = Ink(size);
    IconPainter p;
    // A dashed axis with the original on the left and its reflection on the right.
    for (double y = 0.06; y < 0.94; y += 0.16)
        p.Add(IconPainter::Rectangle(0.5 - w / 2, y, 0.5 + w / 2, y + 0.09), kInk);
    p.Add(IconPainter::Triangle(0.42, 0.22, 0.42, 0.78, 0.08, 0.78), kInk)
        .Add(IconPainter::Triangle(0.58, 0.22, 0.58, 0.78, 0.92, 0.78), kAccent)
        .Add(IconPainter::Triangle(0.62, 0.40, 0.62, 0.72, 0.80, 0.72), kPaper);
    return p.Render(size);
}

zt::win::IconImage Promote(int size)
{
    const double w = Ink(size) * 1.6;
    IconPainter p;
    // An arrow lifting a block off its base.
    p.Add(IconPainter::Rectangle(0.12, 0.86, 0.88, 0.86 + w), kInk)
        .Add(IconPainter::Rectangle(0.5 - w, 0.34, 0.5 + w, 0.78), kInk)
        .Add(IconPainter::Triangle(0.5, 0.06, 0.24, 0.38, 0.76, 0.38), kAccent);
    return p.Render(size);
}

zt::win::IconImage MultipleCopy(int size)
{
    const double w = Ink(size);
    IconPainter p;
    // Three copies stepping down to the right, the newest in front.
    for (int i = 0; i < 3; ++i) {
        const double o = 0.05 + 0.2 * i;
        const std::uint32_t ink = i == 2 ? kAccent : kInk;
        p.Add(IconPainter::Rectangle(o, o, o + 0.5, o + 0.5), kPaper)
            .Add(Frame(o, o, o + 0.5, o + 0.5, 1.5 * w), ink);
    }
    return p.Render(size);
}

zt::win::IconImage Copy(int size)
{
    const double w = Ink(size);
    IconPainter p;
    p.Add(Frame(0.08, 0.08, 0.62, 0.62, 1.5 * w), kInk)
        .Add(IconPainter::Rectangle(0.38, 0.38, 0.92, 0.92), kPaper)
        .Add(Frame(0.38, 0.38, 0.92, 0.92, 1.5 * w), kAccent);
    return p.Render(size);
}

zt::win::IconImage Delete(int size)
{
    const double w = Ink(size) * 2.0;
    IconPainter p;
    p.Add(IconPainter::Stroke(0.2, 0.2, 0.8, 0.8, w), 0xC8372D)
        .Add(IconPainter::Stroke(0.8, 0.2, 0.2, 0.8, w), 0xC8372D);
    return p.Render(size);
}

zt::win::IconImage Properties(int size)
{
    const double w = Ink(size) * 1.5;
    IconPainter p;
    // A sheet with three rows of values.
    p.Add(IconPainter::Rectangle(0.14, 0.06, 0.86, 0.94), kPaper)
        .Add(Frame(0.14, 0.06, 0.86, 0.94, w), kInk);
    for (double y : {0.28, 0.5, 0.72})
        p.Add(IconPainter::Rectangle(0.28, y - w / 2, 0.72, y + w / 2), kAccent);
    return p.Render(size);
}

} // namespace

const std::vector<Glyph>& Glyphs()
{
    static const std::vector<Glyph> glyphs = {
        {L"Graph_Move", &Move},
        {L"Graph_Rotate", &Rotate},
        {L"Graph_Mirror", &Mirror},
        {L"Graph_Promote", &Promote},
        {L"Graph_MobileReplication", &MultipleCopy},
        {L"Graph_Copy", &Copy},
        {L"Graph_Delete", &Delete},
        {L"Graph_Properties", &Properties},
    };
    return glyphs;
}

} // namespace zticons
