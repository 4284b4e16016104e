#include "platform/host/TesselUIProperyListCollector.h"

namespace {
constexpr const wchar_t* kDefaultGroupName = L"Common";
}

void TesselUIProperyListCollector::addGroup(const wchar_t* name, bool expanded)
{
    m_groups.push_back({name, expanded});
}

void TesselUIProperyListCollector::addRecord(int key, TesselUIPropertyItem& record)
{
    if (m_groups.empty())
        addGroup(kDefaultGroupName, true);
    auto taken = std::make_unique<TesselUIPropertyItem>();
    taken->swap(record);
    m_entries.push_back({std::move(taken), m_groups.size() - 1, key});
}

const TesselUIPropertyItem* TesselUIProperyListCollector::FindByKey(int key) const
{
    for (const Entry& e : m_entries)
        if (e.key == key)
            return e.record.get();
    return nullptr;
}

const TesselUIPropertyItem* TesselUIProperyListCollector::FindByName(const wchar_t* name) const
{
    if (!name)
        return nullptr;
    for (const Entry& e : m_entries)
        if (e.record->getName() == name)
            return e.record.get();
    return nullptr;
}

int TesselUIProperyListCollector::FindKeyByName(const wchar_t* name) const
{
    if (!name)
        return -1;
    for (const Entry& e : m_entries)
        if (e.record->getName() == name)
            return e.key;
    return -1;
}

void TesselUIProperyListCollector::Clear()
{
    m_entries.clear();
    m_groups.clear();
}
