#include "platform/cad/ECSchemaManager.h"

ECClassCP ECSchemaManager::GetECClass(const Utf8String& schemaName,
                                      const Utf8String& className) const
{
    std::lock_guard lock(m_mutex);
    auto it = m_byName.find({schemaName, className});
    return it == m_byName.end() ? nullptr : it->second;
}

ECClassCP ECSchemaManager::GetECClass(ECClassId id) const
{
    std::lock_guard lock(m_mutex);
    auto it = m_byId.find(id);
    return it == m_byId.end() ? nullptr : it->second;
}

ECClassId ECSchemaManager::RegisterECClass(const Utf8String& schemaName,
                                           const Utf8String& className)
{
    if (schemaName.empty() || className.empty())
        return 0;
    std::lock_guard lock(m_mutex);
    auto it = m_byName.find({schemaName, className});
    if (it != m_byName.end())
        return it->second->GetId();
    const ECClass& added = m_classes.emplace_back(m_nextId++, schemaName, className);
    m_byName.emplace(std::make_pair(schemaName, className), &added);
    m_byId.emplace(added.GetId(), &added);
    m_dirty = true;
    return added.GetId();
}

bvector<ECClass> ECSchemaManager::GetClasses() const
{
    std::lock_guard lock(m_mutex);
    return bvector<ECClass>(m_classes.begin(), m_classes.end());
}

void ECSchemaManager::Load(const bvector<ECClass>& classes)
{
    std::lock_guard lock(m_mutex);
    m_classes.clear();
    m_byName.clear();
    m_byId.clear();
    m_nextId = 1;
    for (const ECClass& c : classes) {
        if (c.GetId() < 1 || m_byId.count(c.GetId()) ||
            m_byName.count({c.GetSchemaName(), c.GetName()}))
            continue; // a damaged row must not shadow a good one
        const ECClass& added = m_classes.emplace_back(c);
        m_byName.emplace(std::make_pair(c.GetSchemaName(), c.GetName()), &added);
        m_byId.emplace(c.GetId(), &added);
        m_nextId = std::max(m_nextId, c.GetId() + 1);
    }
    m_dirty = false;
}

bool ECSchemaManager::IsDirty() const
{
    std::lock_guard lock(m_mutex);
    return m_dirty;
}

void ECSchemaManager::ClearDirty()
{
    std::lock_guard lock(m_mutex);
    m_dirty = false;
}
