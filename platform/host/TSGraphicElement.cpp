#include "platform/host/TSGraphicElement.h"

#include "platform/cad/DgnApplication.h"
#include "platform/cad/DgnProject.h"
#include "platform/cad/EditElementHandle.h"
#include "platform/cad/PhysicalGraphics.h"

namespace {
// Where the element keeps its user properties among its values.
constexpr const char* kUserPropertiesMember = "UserProperties";
} // namespace

TSGraphicElement::TSGraphicElement(const Utf8String& schemaName, const Utf8String& className,
                                   TesselDomain domain)
    : TSObject(schemaName, className, domain)
{}

TSObjectPtr TSGraphicElement::Clone() const
{
    return new TSGraphicElement(*this);
}

ElementRef* TSGraphicElement::GetElementRef() const
{
    if (!m_model || m_elementId == INVALID_ELEMENTID)
        return nullptr;
    if (!m_model->GetDgnProject().IsOpen())
        return nullptr;
    return m_model->FindElementById(m_elementId);
}

DgnProject* TSGraphicElement::GetDgnProject() const
{
    if (m_model)
        return &m_model->GetDgnProject();
    return DgnApplication::Get().GetCurrentProject();
}

Utf8String TSGraphicElement::GetLayerName() const
{
    DgnProject* project = GetDgnProject();
    LevelDefinition level;
    if (project && project->Levels().FindLevelById(m_levelId, level))
        return level.name;
    return Utf8String();
}

bool TSGraphicElement::SetLayerName(const Utf8String& name)
{
    DgnProject* project = GetDgnProject();
    LevelDefinition level;
    if (!project || !project->Levels().FindLevelByName(name, level))
        return false;
    m_levelId = level.id;
    return true;
}

TSUserPropertySet TSGraphicElement::GetUserPropertySet() const
{
    TSUserPropertySet set;
    set.FromJson(m_values[kUserPropertiesMember]);
    return set;
}

void TSGraphicElement::SetUserPropertySet(const TSUserPropertySet& set)
{
    if (set.IsEmpty())
        m_values.removeMember(kUserPropertiesMember);
    else
        m_values[kUserPropertiesMember] = set.ToJson();
}

bool TSGraphicElement::BuildGeometry(ElementGeometry& geometry) const
{
    geometry = m_geometry;
    return !geometry.IsEmpty();
}

void TSGraphicElement::ApplyTransform(const Transform& transform)
{
    m_geometry.ApplyTransform(transform);
}

void TSGraphicElement::LoadFrom(const ElementData& data)
{
    m_levelId = data.levelId;
    SetValues(data.properties);
    m_geometry = data.geometry;
}

bool TSGraphicElement::SaveTo(ElementData& data) const
{
    data.levelId = m_levelId;
    data.properties = m_values;
    return BuildGeometry(data.geometry);
}

void TSGraphicElement::Bind(ElementRef* element)
{
    m_model = element ? element->GetDgnModelP() : nullptr;
    m_elementId = element ? element->GetElementId() : INVALID_ELEMENTID;
    SetInstanceKey(element ? element->GetPrimaryInstance() : ECInstanceKey());
}

ElementId TSGraphicElement::AddToModel(DgnModel& model)
{
    DgnProject& project = model.GetDgnProject();
    if (!project.IsOpen())
        return INVALID_ELEMENTID;
    ElementData data;
    if (!SaveTo(data))
        return INVALID_ELEMENTID;
    if (GetECClassName() != PLAIN_CLASS)
        data.classId = project.Schemas().RegisterECClass(GetECSchemaName(), GetECClassName());
    if (!project.Levels().HasLevel(data.levelId))
        data.levelId = LEVEL_DEFAULT_LEVEL_ID;
    PhysicalGraphicsPtr builder = model.CreatePhysicalGraphics(data.levelId);
    if (!builder)
        return INVALID_ELEMENTID;
    // The builder takes the pieces one by one; the body and the values go in whole.
    for (const GeometricPrimitive& piece : data.geometry.primitives) {
        builder->SetSymbology(piece.GetSymbology());
        if (piece.GetCurve())
            builder->AddCurvePrimitive(*piece.GetCurve());
        else if (piece.GetCurveVector())
            builder->AddCurveVector(*piece.GetCurveVector());
        else if (piece.GetText())
            builder->AddTextString(*piece.GetText());
    }
    if (data.geometry.extrusion)
        builder->SetExtrusion(*data.geometry.extrusion);
    builder->SetECClass(data.classId);
    builder->SetProperties(data.properties);
    ElementId id = builder->Save();
    if (id == INVALID_ELEMENTID)
        return id;
    m_levelId = data.levelId;
    Bind(builder->GetElementRef());
    return id;
}

bool TSGraphicElement::UpdateInModel()
{
    ElementRef* element = GetElementRef();
    if (!element)
        return false;
    // A property set to the value it has (most of what a format brush carries) writes
    // nothing: no undo step, no redraw. The geometry is made from the values and the level.
    const std::shared_ptr<const ElementData> stored = element->GetData();
    if (stored && stored->levelId == m_levelId && stored->properties == m_values)
        return true;
    // The object holds the whole content but the element's class: nothing of the stored
    // content is worth copying before it is written over, and the new content is handed over
    // whole (a format brush writes thousands of these in one step).
    ElementData data;
    data.classId = stored ? stored->classId : element->GetECClassId();
    if (!SaveTo(data))
        return false;
    if (!element->GetDgnProject().Levels().HasLevel(data.levelId))
        data.levelId = element->GetLevel();
    return EditElementHandle::ReplaceInModel(*element, std::move(data));
}

bool TSGraphicElement::DeleteFromModel()
{
    ElementRef* element = GetElementRef();
    if (!element)
        return false;
    EditElementHandle handle(element);
    if (!handle.DeleteFromModel())
        return false;
    Bind(nullptr);
    return true;
}

bool TSGraphicElement::Reload()
{
    ElementRef* element = GetElementRef();
    if (!element)
        return false;
    LoadFrom(*element->GetData());
    return true;
}
