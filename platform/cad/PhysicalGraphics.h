#pragma once
// Builds one new element of a model: add its pieces of geometry (each with the symbology
// current when it is added), optionally a building body, a class and properties; Finish
// checks that there is something to save, and Save adds the element to the model as one
// change and returns its id. A builder saves once; afterwards it refuses everything.

#include "platform/cad/DgnModel.h"
#include "platform/cad/ElementData.h"

class PhysicalGraphics : public zt::base::RefCountedBase
{
public:
    // The symbology of the pieces added from now on (the default: everything by level).
    void SetSymbology(const ElementSymbology& symbology) { m_symbology = symbology; }
    const ElementSymbology& GetSymbology() const { return m_symbology; }
    void SetLevel(LevelId level) { m_data.levelId = level; }

    // Each copies what it is given; false once finished or for an empty curve or text.
    bool AddCurvePrimitive(const ICurvePrimitive& curve);
    bool AddCurveVector(const CurveVector& curves);
    bool AddTextString(const TextString& text);
    // The body of a building element; false when it is not valid (ElementExtrusion::IsValid).
    bool SetExtrusion(const ElementExtrusion& extrusion);
    // The class of the element's primary instance (0: plain graphics) and its properties.
    void SetECClass(ECClassId classId) { m_data.classId = classId; }
    void SetProperties(const Json::Value& properties) { m_data.properties = properties; }

    // True when there is geometry and the model is still open; after success no more pieces
    // can be added.
    bool Finish();
    bool IsFinished() const { return m_finished; }
    // Finishes when needed, adds the element and returns its id; INVALID_ELEMENTID when it
    // cannot (nothing to save, saved already, the project closed).
    ElementId Save();
    // The element Save made, or null.
    ElementRef* GetElementRef() const { return m_saved; }

private:
    friend class DgnModel;
    PhysicalGraphics(DgnModel& model, LevelId level);

    DgnModel& m_model;
    ElementData m_data;
    ElementSymbology m_symbology;
    bool m_finished = false;
    ElementRef* m_saved = nullptr;
};
