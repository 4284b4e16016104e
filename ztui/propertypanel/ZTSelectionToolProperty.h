#pragma once
// The panel's tool for a selection of several elements. Each class among them is listed by its
// own tool for all its selected elements at once (values they share, the others marked as
// several values). Elements of one class show that listing; elements of several classes show
// the properties every class has, by group, name and kind, in the order of the first class,
// marked as several values where the classes differ. An edit goes to every selected element
// that has the property, through its class's tool, as one undo step.
//
// Built and used on the work thread. It keeps the project, so the elements it names stay
// readable; elements deleted meanwhile, or of a project that was closed, are left alone.

#include "platform/cad/BVector.h"
#include "platform/cad/DgnProject.h"
#include "ztui/propertypanel/ZTPanelToolProperty.h"

#include <vector>

namespace zt {

class ZTUI_EXPORT ZTSelectionToolProperty : public ZTPanelToolProperty
{
public:
    // Null when no selected element has a tool.
    static RefCountedPtr<ZTSelectionToolProperty> Create(const bvector<ElementRef*>& elements);

    // One class of the selection: its tool, its elements and, once listed, the key its tool
    // gives each property of the list the panel shows (-1 where the class lacks it).
    struct Part
    {
        Utf8String className;
        RefCountedPtr<ZTPanelToolProperty> tool;
        std::vector<ElementRef*> elements;
        std::vector<int> keys;
    };
    const std::vector<Part>& GetParts() const { return m_parts; }
    std::size_t GetElementCount() const;

    // One class keeps its tool's memory of groups; a mixture of classes has its own.
    IToolProperty& GroupMemoryOwner() override;

    // obj is not used: the list and the edits are those of the selected elements.
    void OnPropertyListGet(RefCountedPtr<ITSObject>& obj, TesselUIProperyList& list) override;
    void OnPropertyItemChanged(RefCountedPtr<ITSObject>& obj, int key,
                               TesselUIPropertyItem& record) override;
    void OnPropertyItemButtonClicked(RefCountedPtr<ITSObject>& obj, int key,
                                     TesselUIPropertyItem& record) override;

private:
    ZTSelectionToolProperty() = default;
    ~ZTSelectionToolProperty() override = default;

    // Hands a copy of the record to every live element of every class that has the property.
    template <class Call>
    void ForEachElement(int key, Call call);
    void ListMixture(TesselUIProperyList& list);

    DgnProjectPtr m_project;
    std::vector<Part> m_parts;
};

} // namespace zt
