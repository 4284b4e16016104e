#pragma once
// A host object that is (or will become) an element of a model. It holds a working copy of
// the element: its level, its values and, for plain graphics, its geometry. Building kinds
// compute their geometry from their values instead (BuildGeometry). Changes stay in the
// object until UpdateInModel writes them back as one change of the project; AddToModel
// makes the object a new element.
//
// Objects are made by TSObjectExtensionManager, which knows the kind of each class.

#include "platform/cad/ElementGeometry.h"
#include "platform/cad/Transform.h"
#include "platform/host/TSObject.h"
#include "platform/host/TSUserPropertySet.h"

class DgnModel;
class DgnProject;
class ElementRef;
struct ElementData;

class TSGraphicElement;
using TSGraphicElementPtr = RefCountedPtr<TSGraphicElement>;

class TSGraphicElement : public TSObject
{
public:
    // The schema and class of plain graphics (elements without a class of their own).
    static constexpr const char* PLAIN_SCHEMA = "TSM_TesselDrawingCommon";
    static constexpr const char* PLAIN_CLASS = "TSGraphicElement";

    // The element this object stands for; null before AddToModel, and after the element was
    // deleted.
    ElementRef* GetElementRef() const;
    DgnModel* GetDgnModelP() const { return m_model; }
    // The project of the element, or the application's current one for a free object.
    DgnProject* GetDgnProject() const;

    LevelId GetLevelId() const { return m_levelId; }
    void SetLevelId(LevelId level) { m_levelId = level; }
    // The name of the object's level in its project; empty when the project has no such
    // level. SetLayerName is false (and the level unchanged) for a name the project lacks.
    Utf8String GetLayerName() const;
    bool SetLayerName(const Utf8String& name);

    // Values the user added, kept with the element.
    TSUserPropertySet GetUserPropertySet() const;
    void SetUserPropertySet(const TSUserPropertySet& set);

    // What the element shows. Plain graphics keep the geometry they were given.
    virtual bool BuildGeometry(ElementGeometry& geometry) const;
    void SetGeometry(const ElementGeometry& geometry) { m_geometry = geometry; }
    const ElementGeometry& GetGeometry() const { return m_geometry; }

    // Moves, turns or mirrors the object (not yet its element).
    virtual void ApplyTransform(const Transform& transform);

    // Adds the object to the model as a new element and makes it stand for it; its class is
    // registered with the project when needed. INVALID_ELEMENTID when the geometry is empty
    // or the model's project is closed.
    ElementId AddToModel(DgnModel& model);
    // Writes the object over its element as one change; false without an element.
    bool UpdateInModel();
    // Deletes the element; the object stays, free, and may be added again.
    bool DeleteFromModel();
    // Reads the element's current content back into the object.
    bool Reload();

    TSObjectPtr Clone() const override;

protected:
    TSGraphicElement(const Utf8String& schemaName, const Utf8String& className,
                     TesselDomain domain);
    TSGraphicElement(const TSGraphicElement&) = default;
    ~TSGraphicElement() override = default;

    // Values written to and read from the element; kinds with their own fields extend them.
    virtual void LoadFrom(const ElementData& data);
    virtual bool SaveTo(ElementData& data) const;
    // Ties the object to an element without reading it.
    void Bind(ElementRef* element);

    ElementGeometry m_geometry;

private:
    friend class TSObjectExtensionManager;

    DgnModel* m_model = nullptr;
    ElementId m_elementId = INVALID_ELEMENTID;
    LevelId m_levelId = LEVEL_DEFAULT_LEVEL_ID;
};
