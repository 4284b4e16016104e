#include "platform/host/TSObject.h"

#include <cmath>

TSObject::TSObject(const Utf8String& schemaName, const Utf8String& className, TesselDomain domain)
    : m_schemaName(schemaName), m_className(className), m_domain(domain)
{}

TSObjectPtr TSObject::Create(const Utf8String& schemaName, const Utf8String& className,
                             TesselDomain domain)
{
    return new TSObject(schemaName, className, domain);
}

TSObjectPtr TSObject::Clone() const
{
    return new TSObject(*this);
}

void TSObject::SetValues(const Json::Value& values)
{
    m_values = values.isObject() ? values : Json::Value(Json::objectValue);
}

double TSObject::GetDouble(const char* name, double defaultValue) const
{
    const Json::Value& v = m_values[name];
    if (!v.isNumeric())
        return defaultValue;
    double d = v.asDouble();
    return std::isfinite(d) ? d : defaultValue;
}

void TSObject::SetDouble(const char* name, double value)
{
    if (std::isfinite(value))
        m_values[name] = value;
}

std::int64_t TSObject::GetInt64(const char* name, std::int64_t defaultValue) const
{
    const Json::Value& v = m_values[name];
    return v.isInt64() ? v.asInt64() : defaultValue;
}

void TSObject::SetInt64(const char* name, std::int64_t value)
{
    m_values[name] = static_cast<Json::Int64>(value);
}

WString TSObject::GetString(const char* name, const WString& defaultValue) const
{
    const Json::Value& v = m_values[name];
    return v.isString() ? WString(v.asString().c_str(), true) : defaultValue;
}

void TSObject::SetString(const char* name, const WString& value)
{
    m_values[name] = zt::base::WideToUtf8(value);
}
