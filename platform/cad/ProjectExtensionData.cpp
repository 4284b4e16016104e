#include "platform/cad/ProjectExtensionData.h"

bool ProjectExtensionData::SetDocument(const Utf8String& name, const Json::Value& value)
{
    if (name.empty())
        return false;
    std::lock_guard lock(m_mutex);
    m_documents[name] = value;
    m_dirtyDocuments.insert(name);
    return true;
}

bool ProjectExtensionData::GetDocument(const Utf8String& name, Json::Value& value) const
{
    std::lock_guard lock(m_mutex);
    auto it = m_documents.find(name);
    if (it == m_documents.end())
        return false;
    value = it->second;
    return true;
}

bool ProjectExtensionData::HasDocument(const Utf8String& name) const
{
    std::lock_guard lock(m_mutex);
    return m_documents.count(name) != 0;
}

bool ProjectExtensionData::RemoveDocument(const Utf8String& name)
{
    std::lock_guard lock(m_mutex);
    if (m_documents.erase(name) == 0)
        return false;
    m_dirtyDocuments.insert(name);
    return true;
}

bvector<Utf8String> ProjectExtensionData::GetDocumentNames() const
{
    std::lock_guard lock(m_mutex);
    bvector<Utf8String> names;
    for (const auto& [name, value] : m_documents)
        names.push_back(name);
    return names;
}

bool ProjectExtensionData::SetRecord(const Utf8String& table, const Utf8String& key,
                                     const Json::Value& value)
{
    if (table.empty() || key.empty())
        return false;
    std::lock_guard lock(m_mutex);
    m_tables[table][key] = value;
    m_dirtyRecords.insert({table, key});
    return true;
}

bool ProjectExtensionData::GetRecord(const Utf8String& table, const Utf8String& key,
                                     Json::Value& value) const
{
    return ReadRecord(table, key, [&value](const Json::Value& record) { value = record; });
}

bool ProjectExtensionData::ReadRecord(const Utf8String& table, const Utf8String& key,
                                      const std::function<void(const Json::Value&)>& read) const
{
    std::lock_guard lock(m_mutex);
    auto t = m_tables.find(table);
    if (t == m_tables.end())
        return false;
    auto r = t->second.find(key);
    if (r == t->second.end())
        return false;
    read(r->second);
    return true;
}

bool ProjectExtensionData::RemoveRecord(const Utf8String& table, const Utf8String& key)
{
    std::lock_guard lock(m_mutex);
    auto t = m_tables.find(table);
    if (t == m_tables.end() || t->second.erase(key) == 0)
        return false;
    if (t->second.empty())
        m_tables.erase(t);
    m_dirtyRecords.insert({table, key});
    return true;
}

std::map<Utf8String, Json::Value> ProjectExtensionData::GetRecords(const Utf8String& table) const
{
    std::lock_guard lock(m_mutex);
    auto t = m_tables.find(table);
    return t == m_tables.end() ? std::map<Utf8String, Json::Value>{} : t->second;
}

bvector<Utf8String> ProjectExtensionData::GetRecordKeys(const Utf8String& table) const
{
    std::lock_guard lock(m_mutex);
    bvector<Utf8String> keys;
    auto t = m_tables.find(table);
    if (t != m_tables.end())
        for (const auto& [key, value] : t->second)
            keys.push_back(key);
    return keys;
}

void ProjectExtensionData::ClearTable(const Utf8String& table)
{
    std::lock_guard lock(m_mutex);
    auto t = m_tables.find(table);
    if (t == m_tables.end())
        return;
    for (const auto& [key, value] : t->second)
        m_dirtyRecords.insert({table, key});
    m_tables.erase(t);
}

bvector<Utf8String> ProjectExtensionData::GetTableNames() const
{
    std::lock_guard lock(m_mutex);
    bvector<Utf8String> names;
    for (const auto& [name, records] : m_tables)
        names.push_back(name);
    return names;
}

ProjectExtensionData::Changes ProjectExtensionData::GetChanges() const
{
    std::lock_guard lock(m_mutex);
    Changes changes;
    for (const Utf8String& name : m_dirtyDocuments) {
        auto it = m_documents.find(name);
        if (it == m_documents.end())
            changes.documentsRemoved.insert(name);
        else
            changes.documentsWritten.emplace(name, it->second);
    }
    for (const auto& tk : m_dirtyRecords) {
        const Json::Value* found = nullptr;
        if (auto t = m_tables.find(tk.first); t != m_tables.end())
            if (auto r = t->second.find(tk.second); r != t->second.end())
                found = &r->second;
        if (found)
            changes.recordsWritten.emplace(tk, *found);
        else
            changes.recordsRemoved.insert(tk);
    }
    return changes;
}

void ProjectExtensionData::ClearDirty()
{
    std::lock_guard lock(m_mutex);
    m_dirtyDocuments.clear();
    m_dirtyRecords.clear();
}

void ProjectExtensionData::Load(std::map<Utf8String, Json::Value> documents,
                                std::map<Utf8String, std::map<Utf8String, Json::Value>> tables)
{
    std::lock_guard lock(m_mutex);
    m_documents = std::move(documents);
    m_tables = std::move(tables);
    m_dirtyDocuments.clear();
    m_dirtyRecords.clear();
}
