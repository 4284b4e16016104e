#include "platform/cad/storage/GeometryCodec.h"

#include <cmath>
#include <cstring>

namespace zt::cad::storage {

namespace {

constexpr std::uint8_t kFormatVersion = 1;

enum class CurveTag : std::uint8_t
{
    Line = 1,
    Arc = 2,
    LineString = 3,
};

class Writer
{
public:
    std::vector<std::uint8_t> bytes;

    template <class T>
    void Put(T value)
    {
        std::uint8_t raw[sizeof(T)];
        std::memcpy(raw, &value, sizeof(T));
        bytes.insert(bytes.end(), raw, raw + sizeof(T));
    }
    void Point(const DPoint3d& p) { Put(p.x), Put(p.y), Put(p.z); }
    void Vector(const DVec3d& v) { Put(v.x), Put(v.y), Put(v.z); }
    void Text(const std::string& s)
    {
        Put(std::uint32_t(s.size()));
        bytes.insert(bytes.end(), s.begin(), s.end());
    }
    void Symbology(const ElementSymbology& s) { Put(s.color), Put(s.weight), Put(s.style); }
    void Curve(const ICurvePrimitive& curve)
    {
        if (const DSegment3d* line = curve.GetLineCP()) {
            Put(CurveTag::Line);
            Point(line->point[0]);
            Point(line->point[1]);
        } else if (const DEllipse3d* arc = curve.GetArcCP()) {
            Put(CurveTag::Arc);
            Point(arc->center);
            Vector(arc->vector0);
            Vector(arc->vector90);
            Put(arc->start);
            Put(arc->sweep);
        } else {
            const bvector<DPoint3d>* points = curve.GetLineStringCP();
            Put(CurveTag::LineString);
            Put(std::uint32_t(points ? points->size() : 0));
            if (points)
                for (const DPoint3d& p : *points)
                    Point(p);
        }
    }
    void Curves(const CurveVector& curves)
    {
        Put(std::uint8_t(curves.GetBoundaryType()));
        Put(std::uint32_t(curves.size()));
        for (const auto& c : curves)
            Curve(*c);
    }
};

class Reader
{
public:
    Reader(const std::uint8_t* bytes, std::size_t size) : m_p(bytes), m_end(bytes + size) {}

    bool ok = true;

    template <class T>
    T Get()
    {
        T value{};
        if (std::size_t(m_end - m_p) < sizeof(T)) {
            ok = false;
            return value;
        }
        std::memcpy(&value, m_p, sizeof(T));
        m_p += sizeof(T);
        return value;
    }
    double Number()
    {
        double v = Get<double>();
        if (!std::isfinite(v))
            ok = false;
        return v;
    }
    DPoint3d Point()
    {
        double x = Number(), y = Number(), z = Number();
        return DPoint3d{x, y, z};
    }
    DVec3d Vector()
    {
        double x = Number(), y = Number(), z = Number();
        return DVec3d{x, y, z};
    }
    // A count of items of at least itemSize bytes each: more than the bytes left can hold
    // means damage.
    std::uint32_t Count(std::size_t itemSize)
    {
        auto n = Get<std::uint32_t>();
        if (ok && std::size_t(m_end - m_p) / itemSize < n)
            ok = false;
        return ok ? n : 0;
    }
    std::string Text()
    {
        std::uint32_t n = Count(1);
        std::string s(reinterpret_cast<const char*>(m_p), n);
        m_p += n;
        return s;
    }
    ElementSymbology Symbology()
    {
        ElementSymbology s;
        s.color = Get<std::uint32_t>();
        s.weight = Get<std::uint32_t>();
        s.style = Get<std::int32_t>();
        return s;
    }
    ICurvePrimitivePtr Curve()
    {
        switch (CurveTag(Get<std::uint8_t>())) {
        case CurveTag::Line: {
            DPoint3d a = Point(), b = Point();
            return ok ? ICurvePrimitive::CreateLine(a, b) : nullptr;
        }
        case CurveTag::Arc: {
            DEllipse3d arc;
            arc.center = Point();
            arc.vector0 = Vector();
            arc.vector90 = Vector();
            arc.start = Number();
            arc.sweep = Number();
            return ok ? ICurvePrimitive::CreateArc(arc) : nullptr;
        }
        case CurveTag::LineString: {
            std::uint32_t n = Count(3 * sizeof(double));
            bvector<DPoint3d> points;
            points.reserve(n);
            for (std::uint32_t i = 0; i < n && ok; ++i)
                points.push_back(Point());
            return ok ? ICurvePrimitive::CreateLineString(points) : nullptr;
        }
        }
        ok = false;
        return nullptr;
    }
    CurveVectorPtr Curves()
    {
        auto type = Get<std::uint8_t>();
        if (type > CurveVector::BOUNDARY_TYPE_Inner)
            ok = false;
        std::uint32_t n = Count(1);
        if (!ok)
            return nullptr;
        auto curves = CurveVector::Create(CurveVector::BoundaryType(type));
        for (std::uint32_t i = 0; i < n && ok; ++i)
            curves->Add(Curve());
        return ok ? curves : nullptr;
    }
    bool AtEnd() const { return m_p == m_end; }

private:
    const std::uint8_t* m_p;
    const std::uint8_t* m_end;
};

} // namespace

std::vector<std::uint8_t> EncodeGeometry(const ElementGeometry& geometry)
{
    Writer w;
    w.Put(kFormatVersion);
    w.Put(std::uint32_t(geometry.primitives.size()));
    for (const auto& piece : geometry.primitives) {
        w.Put(std::uint8_t(piece.GetKind()));
        w.Symbology(piece.GetSymbology());
        switch (piece.GetKind()) {
        case GeometricPrimitive::Kind::Curve:
            w.Curve(*piece.GetCurve());
            break;
        case GeometricPrimitive::Kind::CurveVector:
            w.Curves(*piece.GetCurveVector());
            break;
        case GeometricPrimitive::Kind::Text: {
            const TextString& t = *piece.GetText();
            w.Text(zt::base::WideToUtf8(t.GetText()));
            w.Point(t.GetOrigin());
            for (int row = 0; row < 3; ++row)
                for (int col = 0; col < 3; ++col)
                    w.Put(t.GetOrientation().form3d[row][col]);
            w.Put(t.GetSize().x);
            w.Put(t.GetSize().y);
            w.Text(t.GetFontName());
            break;
        }
        }
    }
    w.Put(std::uint8_t(geometry.extrusion ? 1 : 0));
    if (geometry.extrusion) {
        w.Curves(*geometry.extrusion->baseProfile);
        w.Put(geometry.extrusion->bottomElevation);
        w.Put(geometry.extrusion->height);
    }
    return std::move(w.bytes);
}

bool DecodeGeometry(const std::uint8_t* bytes, std::size_t size, ElementGeometry& geometry)
{
    Reader r(bytes, size);
    if (r.Get<std::uint8_t>() != kFormatVersion || !r.ok)
        return false;
    ElementGeometry result;
    // The smallest piece is a kind byte, a symbology and a curve tag.
    std::uint32_t count = r.Count(1 + 12 + 1);
    for (std::uint32_t i = 0; i < count && r.ok; ++i) {
        auto kind = r.Get<std::uint8_t>();
        ElementSymbology symb = r.Symbology();
        switch (GeometricPrimitive::Kind(kind)) {
        case GeometricPrimitive::Kind::Curve:
            if (auto c = r.Curve())
                result.primitives.push_back(GeometricPrimitive::FromCurve(c, symb));
            break;
        case GeometricPrimitive::Kind::CurveVector:
            if (auto c = r.Curves())
                result.primitives.push_back(GeometricPrimitive::FromCurveVector(c, symb));
            break;
        case GeometricPrimitive::Kind::Text: {
            TextString t;
            t.SetText(WString(zt::base::Utf8ToWide(r.Text())));
            t.SetOrigin(r.Point());
            RotMatrix m;
            for (int row = 0; row < 3; ++row)
                for (int col = 0; col < 3; ++col)
                    m.form3d[row][col] = r.Number();
            t.SetOrientation(m);
            double sx = r.Number(), sy = r.Number();
            t.SetSize(DPoint2d{sx, sy});
            t.SetFontName(r.Text());
            if (r.ok)
                result.primitives.push_back(GeometricPrimitive::FromText(t, symb));
            break;
        }
        default:
            r.ok = false;
        }
    }
    auto hasExtrusion = r.Get<std::uint8_t>();
    if (r.ok && hasExtrusion == 1) {
        ElementExtrusion body;
        body.baseProfile = r.Curves();
        body.bottomElevation = r.Number();
        body.height = r.Number();
        if (r.ok)
            result.extrusion = body;
    } else if (hasExtrusion > 1)
        return false;
    if (!r.ok || !r.AtEnd())
        return false;
    geometry = std::move(result);
    return true;
}

} // namespace zt::cad::storage
