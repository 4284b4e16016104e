#pragma once
// One displayed piece of an element: a curve (line, arc, line string), a curve chain (an open
// path or a closed profile) or a text string, with its own symbology. Curves are shared and
// never edited in place, so copying a primitive is cheap.

#include "platform/cad/CurveVector.h"
#include "platform/cad/ElementSymbology.h"
#include "platform/cad/TextString.h"

#include <memory>

class GeometricPrimitive
{
public:
    enum class Kind
    {
        Curve,
        CurveVector,
        Text,
    };

    static GeometricPrimitive FromCurve(ICurvePrimitivePtr curve, const ElementSymbology& symb);
    static GeometricPrimitive FromCurveVector(CurveVectorPtr curves, const ElementSymbology& symb);
    static GeometricPrimitive FromText(const TextString& text, const ElementSymbology& symb);

    Kind GetKind() const { return m_kind; }
    // Null unless the primitive is of that kind.
    const ICurvePrimitive* GetCurve() const { return m_curve.get(); }
    const CurveVector* GetCurveVector() const { return m_curves.get(); }
    const TextString* GetText() const { return m_text.get(); }
    ICurvePrimitivePtr GetCurvePtr() const { return m_curve; }
    CurveVectorPtr GetCurveVectorPtr() const { return m_curves; }

    const ElementSymbology& GetSymbology() const { return m_symbology; }
    void SetSymbology(const ElementSymbology& symb) { m_symbology = symb; }

    // Extends range by the primitive (a text by its origin and the far corner of its box).
    void ExtendRange(DRange3d& range) const;
    // A transformed copy: curves are cloned, never changed where others may hold them.
    GeometricPrimitive Transformed(const Transform& transform) const;

private:
    GeometricPrimitive() = default;

    Kind m_kind = Kind::Curve;
    ICurvePrimitivePtr m_curve;
    CurveVectorPtr m_curves;
    std::shared_ptr<const TextString> m_text;
    ElementSymbology m_symbology;
};
