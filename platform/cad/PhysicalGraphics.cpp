#include "platform/cad/PhysicalGraphics.h"
#include "platform/cad/DgnProject.h"

PhysicalGraphics::PhysicalGraphics(DgnModel& model, LevelId level) : m_model(model)
{
    m_data.levelId = level;
}

bool PhysicalGraphics::AddCurvePrimitive(const ICurvePrimitive& curve)
{
    DPoint3d start, end;
    if (m_finished || !curve.GetStartEnd(start, end))
        return false;
    m_data.geometry.primitives.push_back(GeometricPrimitive::FromCurve(curve.Clone(), m_symbology));
    return true;
}

bool PhysicalGraphics::AddCurveVector(const CurveVector& curves)
{
    if (m_finished || curves.empty())
        return false;
    m_data.geometry.primitives.push_back(
        GeometricPrimitive::FromCurveVector(curves.Clone(), m_symbology));
    return true;
}

bool PhysicalGraphics::AddTextString(const TextString& text)
{
    if (m_finished || text.GetText().empty())
        return false;
    m_data.geometry.primitives.push_back(GeometricPrimitive::FromText(text, m_symbology));
    return true;
}

bool PhysicalGraphics::SetExtrusion(const ElementExtrusion& extrusion)
{
    if (m_finished || !extrusion.IsValid())
        return false;
    ElementExtrusion own = extrusion;
    own.baseProfile = extrusion.baseProfile->Clone();
    m_data.geometry.extrusion = own;
    return true;
}

bool PhysicalGraphics::Finish()
{
    if (m_saved)
        return false;
    if (m_data.geometry.IsEmpty() || !m_model.GetDgnProject().IsOpen())
        return false;
    m_finished = true;
    return true;
}

ElementId PhysicalGraphics::Save()
{
    if (m_saved || (!m_finished && !Finish()))
        return INVALID_ELEMENTID;
    m_saved = m_model.GetDgnProject().AddElement(m_model, m_data);
    return m_saved ? m_saved->GetElementId() : INVALID_ELEMENTID;
}
