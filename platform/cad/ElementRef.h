#pragma once
// One element of a model. The project owns its elements and keeps each ElementRef alive until
// the project closes, also after the element is deleted (undo brings it back), so a pointer
// taken from a selection or a finder never dangles while its project is open. Reads are safe
// from any thread; changes go through EditElementHandle, ElementPropertiesSetter or
// PhysicalGraphics on the work thread.

#include "platform/cad/ElementData.h"

#include <atomic>
#include <memory>

class DgnModel;
class DgnProject;

class ElementRef
{
public:
    ~ElementRef() = default;
    ElementRef(const ElementRef&) = delete;
    ElementRef& operator=(const ElementRef&) = delete;

    ElementId GetElementId() const { return m_id; }
    DgnModel* GetDgnModelP() const { return m_model; }
    DgnModelId GetModelId() const;
    DgnProject& GetDgnProject() const;

    // A snapshot of the element's content; it stays valid and unchanged however the element
    // changes afterwards.
    std::shared_ptr<const ElementData> GetData() const { return m_data.load(); }
    ECClassId GetECClassId() const { return GetData()->classId; }
    ECInstanceId GetECInstanceId() const { return GetData()->instanceId; }
    // The key of the element's primary instance; invalid for plain graphics.
    ECInstanceKey GetPrimaryInstance() const;
    LevelId GetLevel() const { return GetData()->levelId; }
    Json::Value GetProperties() const { return GetData()->properties; }
    DRange3d GetRange() const { return GetData()->geometry.GetRange(); }

    bool IsDeleted() const { return m_deleted.load(); }

private:
    friend class DgnProject;
    ElementRef(ElementId id, DgnModel* model, std::shared_ptr<const ElementData> data)
        : m_id(id), m_model(model), m_data(std::move(data))
    {}

    ElementId m_id;
    DgnModel* m_model;
    std::atomic<std::shared_ptr<const ElementData>> m_data;
    std::atomic<bool> m_deleted{false};
};

using ElementRefP = ElementRef*;
