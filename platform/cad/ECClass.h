#pragma once
// A class of object instances, named by its schema and its own name ("TSM_ArchiModel",
// "TSArchiWall"). Its id is the project's: stable across saving and reopening.

#include "platform/base/WString.h"
#include "platform/cad/DgnIds.h"

class ECClass
{
public:
    ECClass(ECClassId id, Utf8String schemaName, Utf8String name)
        : m_id(id), m_schemaName(std::move(schemaName)), m_name(std::move(name))
    {}

    ECClassId GetId() const { return m_id; }
    const Utf8String& GetName() const { return m_name; }
    const Utf8String& GetSchemaName() const { return m_schemaName; }
    // "Schema:Class".
    Utf8String GetFullName() const { return Utf8String(m_schemaName + ":" + m_name); }

private:
    ECClassId m_id;
    Utf8String m_schemaName;
    Utf8String m_name;
};

using ECClassCP = const ECClass*;
