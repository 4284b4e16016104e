#pragma once
// The host's layer button: the layers of the current layer combination, the layer a class or
// an element is on, and moving a class or an element to another layer. Layers are the
// platform's levels; the combinations and the class-to-layer map belong to the host and live
// in the project, so nothing here is kept except the layer the user last picked.

#include "platform/base/CString.h"
#include "platform/base/RefCounted.h"
#include "platform/base/WString.h"
#include "ztui/ZTUiExport.h"

#include <vector>

class ElementRef;
class ITSObject;
struct ZTLAYERCOMPSINFO;

namespace zt {

class ZTUI_EXPORT ZTButtonLayerSet
{
public:
    static CString GetSelectedLayer();
    static void SetSelectedLayer(const CString& layer);

    // Appends the current combination's layers in its order; nothing without one.
    static void GetLayerVector(std::vector<CString>& layers);
    // The same, and current becomes the class's layer when that layer is in the combination.
    static void GetLayerVector(std::vector<CString>& layers, CString& current,
                               const Utf8String& className);
    // The same for the element's level. An element without a known level gives nothing; a
    // level outside the combination fills current from the class-to-layer map instead.
    static void GetLayerVector(std::vector<CString>& layers, CString& current,
                               ElementRef* const& element);

    // Maps the class to the layer, when the layer is one of the current combination's.
    static void AssignLayer(const CString& layer, const Utf8String& className);
    // Moves the element to the level of that name, when the project has one.
    static void AssignLayer(const CString& layer, ElementRef* const& element);

    // True when the class's layer is in the current combination and hidden there; layer
    // receives its name. A class without a layer in the combination is not hidden and
    // layer is left as it is.
    static bool IsLayerHide(const Utf8String& className, CString& layer);

    // The level name of the object's element in the selected view's model; empty when the
    // object has no element there.
    static CString GetLayerName(RefCountedPtr<ITSObject> object);

private:
    static void setNullLayerInfo(const ZTLAYERCOMPSINFO& comb, CString& current,
                                 ElementRef* const& element);
};

} // namespace zt

// For hosts that find the library's functions by name. The selected layer's text stays valid
// until the selection changes.
extern "C" {
ZTUI_EXPORT const wchar_t* getSelectedLayer();
ZTUI_EXPORT void setSelectedLayer(const wchar_t* layer);
ZTUI_EXPORT void getLayerVector(std::vector<CString>* layers);
ZTUI_EXPORT void getLayerVectorWithName(std::vector<CString>* layers, CString* current,
                                        const Utf8String* className);
ZTUI_EXPORT void getLayerVectorWithRef(std::vector<CString>* layers, CString* current,
                                       ElementRef* element);
ZTUI_EXPORT void assignLayer(const wchar_t* layer, ElementRef* element);
}
