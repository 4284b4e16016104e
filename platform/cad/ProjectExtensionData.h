#pragma once
// Data that the host keeps in the project file beside the elements: named JSON documents
// (a dictionary, a class-to-layer map) and tables of JSON records by key (storeys, layer
// combinations, model infos, user property sets). Everything here is written by the
// project's Save, in the same transaction as the elements, and read back when the project
// opens. Names and keys are exact, case-sensitive UTF-8; records of a table come back
// ordered by key. Thread-safe; not part of undo.

#include "platform/base/WString.h"
#include "platform/cad/BVector.h"

#include <json/value.h>

#include <functional>
#include <map>
#include <mutex>
#include <set>

class ProjectExtensionData
{
public:
    ProjectExtensionData() = default;
    ProjectExtensionData(const ProjectExtensionData&) = delete;
    ProjectExtensionData& operator=(const ProjectExtensionData&) = delete;

    // Documents. An empty name is refused.
    bool SetDocument(const Utf8String& name, const Json::Value& value);
    bool GetDocument(const Utf8String& name, Json::Value& value) const;
    bool HasDocument(const Utf8String& name) const;
    bool RemoveDocument(const Utf8String& name);
    bvector<Utf8String> GetDocumentNames() const;

    // Records. Empty table names or keys are refused.
    bool SetRecord(const Utf8String& table, const Utf8String& key, const Json::Value& value);
    bool GetRecord(const Utf8String& table, const Utf8String& key, Json::Value& value) const;
    // Hands the record to read where it is kept, without copying it; false (read not called)
    // when there is none. read must not call back into the project's extension data.
    bool ReadRecord(const Utf8String& table, const Utf8String& key,
                    const std::function<void(const Json::Value&)>& read) const;
    bool RemoveRecord(const Utf8String& table, const Utf8String& key);
    // Every record of the table by key; empty for an unknown table.
    std::map<Utf8String, Json::Value> GetRecords(const Utf8String& table) const;
    bvector<Utf8String> GetRecordKeys(const Utf8String& table) const;
    void ClearTable(const Utf8String& table);
    bvector<Utf8String> GetTableNames() const;

    // For storage. Changes since the last ClearDirty, named for writing or removal.
    struct Changes
    {
        std::map<Utf8String, Json::Value> documentsWritten;
        std::set<Utf8String> documentsRemoved;
        std::map<std::pair<Utf8String, Utf8String>, Json::Value> recordsWritten;
        std::set<std::pair<Utf8String, Utf8String>> recordsRemoved;
        bool IsEmpty() const
        {
            return documentsWritten.empty() && documentsRemoved.empty() && recordsWritten.empty() &&
                   recordsRemoved.empty();
        }
    };
    Changes GetChanges() const;
    void ClearDirty();
    // Everything, as loaded from a file; nothing is dirty afterwards.
    void Load(std::map<Utf8String, Json::Value> documents,
              std::map<Utf8String, std::map<Utf8String, Json::Value>> tables);

private:
    mutable std::mutex m_mutex;
    std::map<Utf8String, Json::Value> m_documents;
    std::map<Utf8String, std::map<Utf8String, Json::Value>> m_tables;
    std::set<Utf8String> m_dirtyDocuments;
    std::set<std::pair<Utf8String, Utf8String>> m_dirtyRecords;
};
