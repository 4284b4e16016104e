#pragma once
// A model of the project: a named container of elements. Physical models hold the building,
// drawing models sheets and annotations, and auxiliary models the temporary construction
// geometry a storey view keeps for snapping (the host makes one per storey view as needed).

#include "platform/base/RefCounted.h"
#include "platform/base/WString.h"
#include "platform/cad/BVector.h"
#include "platform/cad/DgnIds.h"

#include <map>

class DgnProject;
class ElementRef;
class PhysicalGraphics;
using PhysicalGraphicsPtr = RefCountedPtr<PhysicalGraphics>;

enum class DgnModelType
{
    Physical = 0,
    Drawing = 1,
    Auxiliary = 2,
};

class DgnModel
{
public:
    DgnModel(const DgnModel&) = delete;
    DgnModel& operator=(const DgnModel&) = delete;
    ~DgnModel();

    DgnModelId GetModelId() const { return m_id; }
    Utf8String GetModelName() const;
    DgnModelType GetModelType() const { return m_type; }
    DgnProject& GetDgnProject() const { return m_project; }

    // The model's elements that are not deleted, by ascending id. Copies, so the caller may
    // change the model while walking them.
    bvector<ElementRef*> GetElementRefs() const;
    bvector<ElementId> GetElementIds() const;
    std::size_t GetElementCount() const;
    // The element if it is in this model and not deleted.
    ElementRef* FindElementById(ElementId id) const;

    // A builder of one new element of this model, on that level, with the platform's default
    // symbology until told otherwise.
    PhysicalGraphicsPtr CreatePhysicalGraphics(LevelId level = LEVEL_DEFAULT_LEVEL_ID);

private:
    friend class DgnProject;
    friend class ProjectStore;
    DgnModel(DgnProject& project, DgnModelId id, Utf8String name, DgnModelType type);

    DgnProject& m_project;
    DgnModelId m_id;
    Utf8String m_name;
    DgnModelType m_type;
    // The elements that are not deleted; guarded by the project's lock.
    std::map<ElementId, ElementRef*> m_members;
};

using DgnModelP = DgnModel*;
