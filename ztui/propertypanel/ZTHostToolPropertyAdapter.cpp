#include "ztui/propertypanel/ZTHostToolPropertyAdapter.h"

#include "ztui/propertypanel/ZTPropertyMgn.h"

namespace zt {

namespace {

// Passes a tool's groups and records on, each group with the state the memory holds for it.
class GroupMemorySink : public TesselUIProperyList
{
public:
    GroupMemorySink(TesselUIProperyList& target, IToolProperty& owner)
        : m_target(target), m_owner(owner)
    {}
    void addGroup(const wchar_t* name, bool expanded) override
    {
        WString group(name);
        m_target.addGroup(name, ZTPropertyMgn::instance().isGroupExtend(&m_owner, group, expanded));
    }
    void addRecord(int key, TesselUIPropertyItem& record) override
    {
        m_target.addRecord(key, record);
    }

private:
    TesselUIProperyList& m_target;
    IToolProperty& m_owner;
};

} // namespace

RefCountedPtr<ZTHostToolPropertyAdapter> ZTHostToolPropertyAdapter::Create(IToolProperty* host)
{
    return host ? new ZTHostToolPropertyAdapter(host) : nullptr;
}

void ZTHostToolPropertyAdapter::OnPropertyListGet(RefCountedPtr<ITSObject>& obj,
                                                  TesselUIProperyList& list)
{
    GroupMemorySink sink(list, *m_host);
    m_host->OnPropertyListGet(obj, sink);
}

void ZTHostToolPropertyAdapter::OnSelectionPropertyListGet(const std::vector<ElementRef*>& elements,
                                                           TesselUIProperyList& list)
{
    GroupMemorySink sink(list, *m_host);
    m_host->OnSelectionPropertyListGet(elements, sink);
}

void ZTHostToolPropertyAdapter::OnPropertyItemChanged(RefCountedPtr<ITSObject>& obj, int key,
                                                      TesselUIPropertyItem& record)
{
    m_host->OnPropertyItemChanged(obj, key, record);
}

void ZTHostToolPropertyAdapter::OnPropertyItemButtonClicked(RefCountedPtr<ITSObject>& obj, int key,
                                                            TesselUIPropertyItem& record)
{
    m_host->OnPropertyItemButtonClicked(obj, key, record);
}

void ZTHostToolPropertyAdapter::OnSelectionChanged(const std::vector<ElementRef*>& elements)
{
    ZTToolProperty::OnSelectionChanged(elements);
    m_host->OnSelectionChanged(elements);
}

void ZTHostToolPropertyAdapter::OnSelectedLayer(const std::vector<ElementRef*>& elements,
                                                const wchar_t* layer)
{
    ZTToolProperty::OnSelectedLayer(elements, layer);
    m_host->OnSelectedLayer(elements, layer);
}

void ZTHostToolPropertyAdapter::OnClickToolBarButton(const std::vector<ElementRef*>& elements,
                                                     unsigned id)
{
    m_host->OnClickToolBarButton(elements, id);
}

} // namespace zt
