#include "platform/host/IToolProperty.h"

#include "platform/host/TSObjectExtensionManager.h"

void IToolProperty::OnSelectionPropertyListGet(const std::vector<ElementRef*>& elements,
                                               TesselUIProperyList& list)
{
    if (elements.empty())
        return;
    RefCountedPtr<ITSObject> first = TSObjectExtensionManager::Get().GetTSObject(elements.front());
    if (first.IsValid())
        OnPropertyListGet(first, list);
}
void IToolProperty::OnPropertyItemButtonClicked(RefCountedPtr<ITSObject>&, int,
                                                TesselUIPropertyItem&)
{}
void IToolProperty::OnPropertyGet(RefCountedPtr<ITSObject>&, std::map<CString, CString>&) {}
void IToolProperty::OnPropertySet(RefCountedPtr<ITSObject>&, const std::map<CString, CString>&,
                                  RefCountedPtr<ITSObject>)
{}
void IToolProperty::OnSelectionChanged(const std::vector<ElementRef*>&) {}
void IToolProperty::OnSelectedLayer(const std::vector<ElementRef*>&, const wchar_t*) {}
void IToolProperty::OnClickToolBarButton(const std::vector<ElementRef*>&, unsigned) {}
