#pragma once
// The tool property interface: how a host tool publishes the properties of the objects it
// makes, as groups of records for the property panel and as single records written back
// after an edit. Registered under "InterfaceToolProperty" with the tool's id and with the
// class name of its objects. Every operation is called on the work thread.

#include "platform/base/CString.h"
#include "platform/base/RefCounted.h"
#include "platform/host/ITSObject.h"
#include "platform/host/IToolInterface.h"

#include <map>
#include <vector>

class ElementRef;
class TesselUIPropertyItem;
class TesselUIProperyList;

class IToolProperty : public IToolInterface
{
public:
    static constexpr const char* INTERFACE_NAME = "InterfaceToolProperty";
    const char* GetInterfaceName() const override { return INTERFACE_NAME; }

    // Fills the list with the groups and records of one object.
    virtual void OnPropertyListGet(RefCountedPtr<ITSObject>& obj, TesselUIProperyList& list) = 0;
    // The same for the selected elements: values they share, the others marked multi-value.
    // The default lists the first element's object.
    virtual void OnSelectionPropertyListGet(const std::vector<ElementRef*>& elements,
                                            TesselUIProperyList& list);
    // Writes one edited record (identified by the key the tool gave it) into the object.
    virtual void OnPropertyItemChanged(RefCountedPtr<ITSObject>& obj, int key,
                                       TesselUIPropertyItem& record) = 0;
    // A button of a record was pressed; the default does nothing.
    virtual void OnPropertyItemButtonClicked(RefCountedPtr<ITSObject>& obj, int key,
                                             TesselUIPropertyItem& record);

    // The object's properties as a map of name to value text, and back; see the property
    // panel for the text forms. The defaults do nothing.
    virtual void OnPropertyGet(RefCountedPtr<ITSObject>& obj, std::map<CString, CString>& props);
    virtual void OnPropertySet(RefCountedPtr<ITSObject>& obj,
                               const std::map<CString, CString>& props,
                               RefCountedPtr<ITSObject> source);

    // Selection and layer hooks of the property toolbar; the defaults do nothing.
    virtual void OnSelectionChanged(const std::vector<ElementRef*>& elements);
    virtual void OnSelectedLayer(const std::vector<ElementRef*>& elements, const wchar_t* layer);
    virtual void OnClickToolBarButton(const std::vector<ElementRef*>& elements, unsigned id);

protected:
    ~IToolProperty() override = default;
};
