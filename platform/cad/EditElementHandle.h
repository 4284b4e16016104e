#pragma once
// A working copy of an element. Made from an element (by pointer, or by id in a model) it
// holds the element's content, which may be changed freely and then written back as one
// change (ReplaceInModel), added as a new element (AddToModel: how tools copy), or the
// element deleted (DeleteFromModel). A handle made from nothing, or from an id that names no
// element of the model, is invalid and refuses to write.

#include "platform/cad/DgnModel.h"
#include "platform/cad/ElementData.h"
#include "platform/cad/ElementRef.h"

class EditElementHandle
{
public:
    EditElementHandle() = default;
    explicit EditElementHandle(ElementRef* element);
    EditElementHandle(ElementId id, DgnModel* model);

    // Refers to a live element, or holds content to add.
    bool IsValid() const { return m_element != nullptr || m_model != nullptr; }
    ElementRef* GetElementRef() const { return m_element; }
    ElementId GetElementId() const;
    DgnModel* GetDgnModelP() const { return m_model; }

    const ElementData& GetData() const { return m_data; }
    ElementData& GetDataR() { return m_data; }
    LevelId GetLevel() const { return m_data.levelId; }
    void SetLevel(LevelId level) { m_data.levelId = level; }
    ElementGeometry& GetGeometryR() { return m_data.geometry; }
    // Moves, turns or mirrors the working copy.
    void ApplyTransform(const Transform& transform) { m_data.geometry.ApplyTransform(transform); }

    // Writes the working copy over the element; false without a live element.
    bool ReplaceInModel();
    // Writes the content given over the element without a working copy: for a caller that
    // builds the whole content itself. False when the element is deleted or its project shut.
    static bool ReplaceInModel(ElementRef& element, ElementData content);
    // Adds the working copy as a new element of the model (this handle's own model when null)
    // and makes the handle refer to it; returns the new id, INVALID_ELEMENTID on failure.
    ElementId AddToModel(DgnModel* model = nullptr);
    // Deletes the element; the handle stays valid for AddToModel, as a copy.
    bool DeleteFromModel();

private:
    ElementRef* m_element = nullptr;
    DgnModel* m_model = nullptr;
    ElementData m_data;
};
