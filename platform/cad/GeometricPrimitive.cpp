#include "platform/cad/GeometricPrimitive.h"

GeometricPrimitive GeometricPrimitive::FromCurve(ICurvePrimitivePtr curve,
                                                 const ElementSymbology& symb)
{
    GeometricPrimitive p;
    p.m_kind = Kind::Curve;
    p.m_curve = std::move(curve);
    p.m_symbology = symb;
    return p;
}

GeometricPrimitive GeometricPrimitive::FromCurveVector(CurveVectorPtr curves,
                                                       const ElementSymbology& symb)
{
    GeometricPrimitive p;
    p.m_kind = Kind::CurveVector;
    p.m_curves = std::move(curves);
    p.m_symbology = symb;
    return p;
}

GeometricPrimitive GeometricPrimitive::FromText(const TextString& text,
                                                const ElementSymbology& symb)
{
    GeometricPrimitive p;
    p.m_kind = Kind::Text;
    p.m_text = std::make_shared<const TextString>(text);
    p.m_symbology = symb;
    return p;
}

void GeometricPrimitive::ExtendRange(DRange3d& range) const
{
    DRange3d piece;
    if (m_curve && m_curve->GetRange(piece))
        range.Extend(piece);
    else if (m_curves && m_curves->GetRange(piece))
        range.Extend(piece);
    else if (m_text) {
        // The box of the text: as wide as its characters, as high as one.
        const RotMatrix& axes = m_text->GetOrientation();
        double width = m_text->GetSize().x * double(m_text->GetText().size());
        DPoint3d far = DPoint3d::FromSumOf(m_text->GetOrigin(), axes.GetColumn(0), width,
                                           axes.GetColumn(1), m_text->GetHeight());
        range.Extend(m_text->GetOrigin());
        range.Extend(far);
    }
}

GeometricPrimitive GeometricPrimitive::Transformed(const Transform& transform) const
{
    GeometricPrimitive p = *this;
    if (m_curve) {
        p.m_curve = m_curve->Clone();
        p.m_curve->TransformInPlace(transform);
    }
    if (m_curves) {
        p.m_curves = m_curves->Clone();
        p.m_curves->TransformInPlace(transform);
    }
    if (m_text) {
        auto text = std::make_shared<TextString>(*m_text);
        text->ApplyTransform(transform);
        p.m_text = std::move(text);
    }
    return p;
}
