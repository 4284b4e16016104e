#include "platform/cad/AbstractUiStateManager.h"

#include <limits>

AbstractUiStateManager& AbstractUiStateManager::Get()
{
    static AbstractUiStateManager manager;
    return manager;
}

void AbstractUiStateManager::Store(const char* key, Kind kind, Json::Value value)
{
    if (!key)
        return;
    std::lock_guard lock(m_mutex);
    m_values[key] = Entry{kind, std::move(value)};
}

bool AbstractUiStateManager::Find(const char* key, Entry& entry) const
{
    if (!key)
        return false;
    std::lock_guard lock(m_mutex);
    auto it = m_values.find(std::string_view(key));
    if (it == m_values.end())
        return false;
    entry = it->second;
    return true;
}

void AbstractUiStateManager::SetValue(const char* key, bool value)
{
    Store(key, Kind::Bool, Json::Value(value));
}

void AbstractUiStateManager::SetValue(const char* key, int value)
{
    Store(key, Kind::Int, Json::Value(value));
}

void AbstractUiStateManager::SetValue(const char* key, std::int64_t value)
{
    Store(key, Kind::Int64, Json::Value(Json::Int64(value)));
}

void AbstractUiStateManager::SetValue(const char* key, const char* value)
{
    Store(key, Kind::String, Json::Value(value ? value : ""));
}

void AbstractUiStateManager::SetValue(const char* key, const Utf8String& value)
{
    Store(key, Kind::String, Json::Value(value));
}

void AbstractUiStateManager::SetValue(const char* key, const Json::Value& value)
{
    Store(key, Kind::Json, value);
}

bool AbstractUiStateManager::GetValue(const char* key, bool& value) const
{
    Entry e;
    if (!Find(key, e) || e.kind != Kind::Bool)
        return false;
    value = e.value.asBool();
    return true;
}

bool AbstractUiStateManager::GetValue(const char* key, int& value) const
{
    Entry e;
    if (!Find(key, e))
        return false;
    if (e.kind == Kind::Int)
        value = e.value.asInt();
    else if (e.kind == Kind::Int64 && e.value.isInt())
        value = e.value.asInt();
    else
        return false;
    return true;
}

bool AbstractUiStateManager::GetValue(const char* key, std::int64_t& value) const
{
    Entry e;
    if (!Find(key, e) || (e.kind != Kind::Int && e.kind != Kind::Int64))
        return false;
    value = e.value.asInt64();
    return true;
}

bool AbstractUiStateManager::GetValue(const char* key, Utf8String& value) const
{
    Entry e;
    if (!Find(key, e) || e.kind != Kind::String)
        return false;
    value = e.value.asString();
    return true;
}

bool AbstractUiStateManager::GetValue(const char* key, Json::Value& value) const
{
    Entry e;
    if (!Find(key, e) || e.kind != Kind::Json)
        return false;
    value = e.value;
    return true;
}

bool AbstractUiStateManager::GetBool(const char* key, bool defaultValue) const
{
    GetValue(key, defaultValue);
    return defaultValue;
}

int AbstractUiStateManager::GetInt(const char* key, int defaultValue) const
{
    GetValue(key, defaultValue);
    return defaultValue;
}

std::int64_t AbstractUiStateManager::GetInt64(const char* key, std::int64_t defaultValue) const
{
    GetValue(key, defaultValue);
    return defaultValue;
}

Utf8String AbstractUiStateManager::GetString(const char* key, const Utf8String& defaultValue) const
{
    Utf8String value = defaultValue;
    GetValue(key, value);
    return value;
}

Json::Value AbstractUiStateManager::GetJson(const char* key, const Json::Value& defaultValue) const
{
    Json::Value value = defaultValue;
    GetValue(key, value);
    return value;
}

bool AbstractUiStateManager::HasValue(const char* key) const
{
    Entry e;
    return Find(key, e);
}

void AbstractUiStateManager::RemoveValue(const char* key)
{
    if (!key)
        return;
    std::lock_guard lock(m_mutex);
    auto it = m_values.find(std::string_view(key));
    if (it != m_values.end())
        m_values.erase(it);
}

void AbstractUiStateManager::Clear()
{
    std::lock_guard lock(m_mutex);
    m_values.clear();
}
