#pragma once
// A host object of a class, with its values as one JSON object (member names are the
// object model's field names: "Thickness", "Material" ...). A bare TSObject stands for a
// class without an element: what GetTSObject gives for a class name, what tools start from.

#include "platform/cad/DgnIds.h"
#include "platform/host/ITSObject.h"

#include <json/value.h>

class TSObject;
using TSObjectPtr = RefCountedPtr<TSObject>;

class TSObject : public ITSObject
{
public:
    static TSObjectPtr Create(const Utf8String& schemaName, const Utf8String& className,
                              TesselDomain domain = TesselDomain_Architecture);

    Utf8String GetECClassName() const override { return m_className; }
    Utf8String GetECSchemaName() const override { return m_schemaName; }
    TesselDomain GetDomain() const override { return m_domain; }
    ECInstanceKey GetInstanceKey() const override { return m_instanceKey; }
    void SetInstanceKey(const ECInstanceKey& key) { m_instanceKey = key; }

    // The object's values. Typed access below reads a member of the wrong type, or a
    // missing one, as the default.
    const Json::Value& GetValues() const { return m_values; }
    void SetValues(const Json::Value& values);
    double GetDouble(const char* name, double defaultValue = 0.0) const;
    void SetDouble(const char* name, double value);
    std::int64_t GetInt64(const char* name, std::int64_t defaultValue = 0) const;
    void SetInt64(const char* name, std::int64_t value);
    WString GetString(const char* name, const WString& defaultValue = {}) const;
    void SetString(const char* name, const WString& value);

    // A copy of the whole object, of its own class, not tied to the element this one stands
    // for (the instance key is kept, so the copy still names it).
    virtual TSObjectPtr Clone() const;

protected:
    TSObject(const Utf8String& schemaName, const Utf8String& className, TesselDomain domain);
    TSObject(const TSObject&) = default;
    ~TSObject() override = default;

    Json::Value m_values{Json::objectValue};

private:
    Utf8String m_schemaName;
    Utf8String m_className;
    TesselDomain m_domain;
    ECInstanceKey m_instanceKey;
};
