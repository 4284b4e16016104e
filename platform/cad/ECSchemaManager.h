#pragma once
// The project's classes of object instances. The host registers the classes of its object
// model when a project opens (registering again returns the same id); ids are kept with the
// project. Returned pointers stay valid while the project is open. Thread-safe.

#include "platform/cad/BVector.h"
#include "platform/cad/ECClass.h"

#include <deque>
#include <map>
#include <mutex>
#include <utility>

class ECSchemaManager
{
public:
    ECSchemaManager() = default;
    ECSchemaManager(const ECSchemaManager&) = delete;
    ECSchemaManager& operator=(const ECSchemaManager&) = delete;

    // Null when the class is not registered.
    ECClassCP GetECClass(const Utf8String& schemaName, const Utf8String& className) const;
    ECClassCP GetECClass(ECClassId id) const;
    // The class's id, registering it now when needed; 0 for empty names.
    ECClassId RegisterECClass(const Utf8String& schemaName, const Utf8String& className);
    bvector<ECClass> GetClasses() const;

    // For storage: restores the classes of a project that opened.
    void Load(const bvector<ECClass>& classes);
    bool IsDirty() const;
    void ClearDirty();

private:
    mutable std::mutex m_mutex;
    std::deque<ECClass> m_classes;
    std::map<std::pair<Utf8String, Utf8String>, const ECClass*> m_byName;
    std::map<ECClassId, const ECClass*> m_byId;
    ECClassId m_nextId = 1;
    bool m_dirty = false;
};
