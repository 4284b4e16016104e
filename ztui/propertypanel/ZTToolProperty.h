#pragma once
// The base of the tool property interfaces of the library's tools. What every tool shares is
// here: a whole element as a map of property names to value texts and back (what picking up
// properties and the format brush carry from one element to another), the layer of the
// selection, the flattening of a linked element into a user property set, and the default
// answers to the property toolbar's two buttons. The tools list and write their own records.
//
// The map conversions work on the interface registered for the object's class, so they serve
// any tool registered with the host, the library's or not.

#include "ztui/propertypanel/ZTPanelToolProperty.h"

#include <map>
#include <vector>

class TSUserPropertySet;

namespace zt {

class ZTUI_EXPORT ZTToolProperty : public ZTPanelToolProperty
{
public:
    // Set while OnPropertySet writes a property into an object: the tool may tell an edit of
    // the format brush from one of the user.
    static constexpr const char* kFromFormatBrushKey = "Msg.IsFromFormatBrush.Object";
    // The toolbar buttons that add and remove user properties.
    static constexpr unsigned kAddPropertyButton = 100;
    static constexpr unsigned kRemovePropertyButton = 101;

    // Every property of the object that has a text form, by name.
    void OnPropertyGet(RefCountedPtr<ITSObject>& obj, std::map<CString, CString>& props) override;
    // Writes the properties into obj as edits of its tool, in the order of their keys. The
    // kinds and keys come from source's list when source is given. Texts that do not read as
    // the property's kind are skipped.
    void OnPropertySet(RefCountedPtr<ITSObject>& obj, const std::map<CString, CString>& props,
                       RefCountedPtr<ITSObject> source) override;
    // Fills the host's layer box with the first element's layers and selects its layer.
    void OnSelectionChanged(const std::vector<ElementRef*>& elements) override;
    // Moves every element to the layer.
    void OnSelectedLayer(const std::vector<ElementRef*>& elements, const wchar_t* layer) override;
    void OnClickToolBarButton(const std::vector<ElementRef*>& elements, unsigned id) override;

    // The element's properties as its tool lists them for a selection of it alone, as groups
    // and values of the host's user property set. False when the element has no tool or
    // nothing was listed.
    static bool getLinkArchElementProperty(ElementRef* element, TSUserPropertySet& set);

    // The layer last chosen or found for the selection, and the selection's layer list.
    static CString GetCurrentLayerName();
    static void SetCurrentLayerName(const CString& layer);
    static std::vector<CString> GetLayerNames();

protected:
    ~ZTToolProperty() override = default;
};

} // namespace zt
