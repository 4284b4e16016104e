#pragma once
// The key-value store of interface state ("Popmsg.Type", "b3DView", "ModelInfoName" ...).
// Each key holds one value of one kind: bool, int, 64-bit int, string (UTF-8) or JSON.
// A read with the wrong kind, or of a missing key, gives the caller's default (or false and
// an untouched out value); an int reads as a 64-bit int and back when it fits. Keys are exact
// and case-sensitive. Thread-safe: the user-interface and work threads share it.

#include "platform/base/WString.h"

#include <json/value.h>

#include <cstdint>
#include <map>
#include <mutex>

class AbstractUiStateManager
{
public:
    static AbstractUiStateManager& Get();

    void SetValue(const char* key, bool value);
    void SetValue(const char* key, int value);
    void SetValue(const char* key, std::int64_t value);
    void SetValue(const char* key, const char* value);
    void SetValue(const char* key, const Utf8String& value);
    void SetValue(const char* key, const Json::Value& value);

    bool GetValue(const char* key, bool& value) const;
    bool GetValue(const char* key, int& value) const;
    bool GetValue(const char* key, std::int64_t& value) const;
    bool GetValue(const char* key, Utf8String& value) const;
    bool GetValue(const char* key, Json::Value& value) const;

    bool GetBool(const char* key, bool defaultValue = false) const;
    int GetInt(const char* key, int defaultValue = 0) const;
    std::int64_t GetInt64(const char* key, std::int64_t defaultValue = 0) const;
    Utf8String GetString(const char* key, const Utf8String& defaultValue = {}) const;
    Json::Value GetJson(const char* key, const Json::Value& defaultValue = {}) const;

    bool HasValue(const char* key) const;
    void RemoveValue(const char* key);
    // Forgets everything (for tests and a new session).
    void Clear();

    AbstractUiStateManager(const AbstractUiStateManager&) = delete;
    AbstractUiStateManager& operator=(const AbstractUiStateManager&) = delete;

private:
    AbstractUiStateManager() = default;

    enum class Kind
    {
        Bool,
        Int,
        Int64,
        String,
        Json,
    };
    struct Entry
    {
        Kind kind;
        Json::Value value;
    };
    void Store(const char* key, Kind kind, Json::Value value);
    bool Find(const char* key, Entry& entry) const;

    mutable std::mutex m_mutex;
    std::map<std::string, Entry, std::less<>> m_values;
};
