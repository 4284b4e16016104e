#include "ztui/propertypanel/ZTSelectionToolProperty.h"

#include "platform/cad/ElementRef.h"
#include "platform/cad/ITxnManager.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "platform/host/TesselUIProperyListCollector.h"
#include "ztui/propertypanel/PropertyRecordValues.h"
#include "ztui/propertypanel/ZTPropertyMgn.h"

#include <algorithm>

namespace zt {

namespace {

using Entry = TesselUIProperyListCollector::Entry;

// The entry of a class's listing that stands for the same property: same group, same name,
// same kind of value.
const Entry* Counterpart(const TesselUIProperyListCollector& listing, const WString& group,
                         const TesselUIPropertyItem& record)
{
    for (const Entry& entry : listing.GetEntries()) {
        const TesselUIPropertyItem& other = *entry.record;
        if (other.getName() == record.getName() && other.getKind() == record.getKind() &&
            other.angleValue() == record.angleValue() &&
            listing.GetGroups()[entry.group].name == group)
            return &entry;
    }
    return nullptr;
}

} // namespace

RefCountedPtr<ZTSelectionToolProperty>
ZTSelectionToolProperty::Create(const bvector<ElementRef*>& elements)
{
    RefCountedPtr<ZTSelectionToolProperty> selection = new ZTSelectionToolProperty();
    for (ElementRef* element : elements) {
        if (!element || element->IsDeleted())
            continue;
        RefCountedPtr<ITSObject> obj = TSObjectExtensionManager::Get().GetTSObject(element);
        if (obj.IsNull())
            continue;
        if (selection->m_project.IsNull())
            selection->m_project = &element->GetDgnProject();
        Utf8String className = obj->GetECClassName();
        auto part = std::find_if(selection->m_parts.begin(), selection->m_parts.end(),
                                 [&](const Part& p) { return p.className == className; });
        if (part == selection->m_parts.end()) {
            RefCountedPtr<ZTPanelToolProperty> tool = ZTPanelToolProperty::For(className.c_str());
            if (tool.IsNull())
                continue;
            part =
                selection->m_parts.insert(selection->m_parts.end(), Part{className, tool, {}, {}});
        }
        part->elements.push_back(element);
    }
    if (selection->m_parts.empty())
        return nullptr;
    return selection;
}

std::size_t ZTSelectionToolProperty::GetElementCount() const
{
    std::size_t count = 0;
    for (const Part& part : m_parts)
        count += part.elements.size();
    return count;
}

IToolProperty& ZTSelectionToolProperty::GroupMemoryOwner()
{
    if (m_parts.size() == 1)
        return m_parts.front().tool->GroupMemoryOwner();
    return *this;
}

void ZTSelectionToolProperty::OnPropertyListGet(RefCountedPtr<ITSObject>&,
                                                TesselUIProperyList& list)
{
    if (m_parts.size() == 1) {
        Part& part = m_parts.front();
        part.keys.clear();
        part.tool->OnSelectionPropertyListGet(part.elements, list);
        return;
    }
    ListMixture(list);
}

void ZTSelectionToolProperty::ListMixture(TesselUIProperyList& list)
{
    std::vector<TesselUIProperyListCollector> listings(m_parts.size());
    for (std::size_t i = 0; i < m_parts.size(); ++i) {
        m_parts[i].keys.clear();
        m_parts[i].tool->OnSelectionPropertyListGet(m_parts[i].elements, listings[i]);
    }
    const TesselUIProperyListCollector& first = listings.front();
    std::vector<bool> groupAdded(first.GetGroups().size(), false);
    int merged = 0;
    for (const Entry& entry : first.GetEntries()) {
        const WString& group = first.GetGroups()[entry.group].name;
        std::vector<const Entry*> counterparts{&entry};
        for (std::size_t i = 1; i < listings.size(); ++i) {
            const Entry* other = Counterpart(listings[i], group, *entry.record);
            if (!other)
                break;
            counterparts.push_back(other);
        }
        if (counterparts.size() != listings.size())
            continue;
        TesselUIPropertyItem record = PropertyRecordValues::Copy(*entry.record);
        bool several = false;
        bool readOnly = false;
        for (const Entry* other : counterparts) {
            several = several || other->record->multiValue() ||
                      !PropertyRecordValues::SameValue(*other->record, *entry.record);
            readOnly = readOnly || other->record->readOnly();
        }
        record.setMultiValue(several);
        record.setReadOnly(readOnly);
        if (IFormatCheck* check = entry.record->releaseFormatCheck())
            record.setFormatCheck(check);
        if (!groupAdded[entry.group]) {
            groupAdded[entry.group] = true;
            list.addGroup(group.c_str(), ZTPropertyMgn::instance().isGroupExtend(
                                             this, group, first.GetGroups()[entry.group].expanded));
        }
        for (std::size_t i = 0; i < m_parts.size(); ++i)
            m_parts[i].keys.push_back(counterparts[i]->key);
        list.addRecord(merged++, record);
    }
}

template <class Call>
void ZTSelectionToolProperty::ForEachElement(int key, Call call)
{
    if (m_project.IsNull() || !m_project->IsOpen())
        return;
    ITxnManager& txn = m_project->GetTxnManager();
    txn.StartTxnGroup();
    for (Part& part : m_parts) {
        // A single class's listing keeps its tool's own keys.
        int classKey = m_parts.size() == 1 ? key
                       : key >= 0 && key < static_cast<int>(part.keys.size())
                           ? part.keys[static_cast<std::size_t>(key)]
                           : -1;
        if (m_parts.size() > 1 && classKey < 0)
            continue;
        for (ElementRef* element : part.elements) {
            if (element->IsDeleted())
                continue;
            RefCountedPtr<ITSObject> obj = TSObjectExtensionManager::Get().GetTSObject(element);
            if (obj.IsNull())
                continue;
            call(*part.tool, obj, classKey);
        }
    }
    txn.EndTxnGroup();
}

void ZTSelectionToolProperty::OnPropertyItemChanged(RefCountedPtr<ITSObject>&, int key,
                                                    TesselUIPropertyItem& record)
{
    ForEachElement(key, [&](ZTPanelToolProperty& tool, RefCountedPtr<ITSObject>& obj, int k) {
        TesselUIPropertyItem copy = PropertyRecordValues::Copy(record);
        tool.OnPropertyItemChanged(obj, k, copy);
    });
}

void ZTSelectionToolProperty::OnPropertyItemButtonClicked(RefCountedPtr<ITSObject>&, int key,
                                                          TesselUIPropertyItem& record)
{
    ForEachElement(key, [&](ZTPanelToolProperty& tool, RefCountedPtr<ITSObject>& obj, int k) {
        TesselUIPropertyItem copy = PropertyRecordValues::Copy(record);
        tool.OnPropertyItemButtonClicked(obj, k, copy);
    });
}

} // namespace zt
