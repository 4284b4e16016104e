#pragma once
// A host tool property interface as the panel drives it. Listing, writing and the toolbar go
// to the host's interface; on the way, the groups it lists take the expanded state the user
// last left them in (ZTPropertyMgn::isGroupExtend), which a host tool written against
// IToolProperty alone does not ask for itself. The property maps and the layer of the
// selection are the library's, built on the host's lists and writes, and the host's layer
// hooks are told as well.

#include "ztui/propertypanel/ZTToolProperty.h"

namespace zt {

class ZTUI_EXPORT ZTHostToolPropertyAdapter : public ZTToolProperty
{
public:
    static RefCountedPtr<ZTHostToolPropertyAdapter> Create(IToolProperty* host);

    IToolProperty* GetHostTool() const { return m_host.get(); }
    IToolProperty& GroupMemoryOwner() override { return *m_host; }

    void OnPropertyListGet(RefCountedPtr<ITSObject>& obj, TesselUIProperyList& list) override;
    void OnSelectionPropertyListGet(const std::vector<ElementRef*>& elements,
                                    TesselUIProperyList& list) override;
    void OnPropertyItemChanged(RefCountedPtr<ITSObject>& obj, int key,
                               TesselUIPropertyItem& record) override;
    void OnPropertyItemButtonClicked(RefCountedPtr<ITSObject>& obj, int key,
                                     TesselUIPropertyItem& record) override;
    void OnSelectionChanged(const std::vector<ElementRef*>& elements) override;
    void OnSelectedLayer(const std::vector<ElementRef*>& elements, const wchar_t* layer) override;
    void OnClickToolBarButton(const std::vector<ElementRef*>& elements, unsigned id) override;

private:
    explicit ZTHostToolPropertyAdapter(IToolProperty* host) : m_host(host) {}
    ~ZTHostToolPropertyAdapter() override = default;

    RefCountedPtr<IToolProperty> m_host;
};

} // namespace zt
