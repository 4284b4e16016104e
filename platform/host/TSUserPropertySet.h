#pragma once
// A set of user properties: named groups in order and named values, each placed in one
// group. Elements keep their set with their other properties, so it is saved with the
// project; tools flatten an element's properties into one to show or export them.

#include "platform/cad/BVector.h"
#include "platform/host/TSUserPropertyValue.h"

#include <json/value.h>

#include <map>

class TSUserPropertySet
{
public:
    bvector<WString>& GetGroupNames() { return m_groupNames; }
    const bvector<WString>& GetGroupNames() const { return m_groupNames; }
    std::map<WString, TSUserPropertyValuePtr>& GetValues() { return m_values; }
    const std::map<WString, TSUserPropertyValuePtr>& GetValues() const { return m_values; }

    // The index of the group, appended when missing; -1 for an empty name.
    int AddGroup(const WString& name);
    // Adds or replaces a value under the group (created when missing), after the group's
    // other values. Null for an empty name or group.
    TSUserPropertyValuePtr SetValue(const WString& group, const WString& name,
                                    const TSUserPropertyCell& cell);
    TSUserPropertyValuePtr FindValue(const WString& name) const;
    bool RemoveValue(const WString& name);
    // The names of a group's values, by their value index.
    bvector<WString> GetValueNames(int groupIdx) const;
    bool IsEmpty() const { return m_groupNames.empty() && m_values.empty(); }
    void Clear();

    // {"groups": [...], "values": [{"name", "group", "index", "cell"}]}.
    Json::Value ToJson() const;
    // Reads what ToJson wrote. Entries that are malformed, or name a group that is not
    // there, are skipped; false when the value is not such an object at all.
    bool FromJson(const Json::Value& json);

private:
    bvector<WString> m_groupNames;
    std::map<WString, TSUserPropertyValuePtr> m_values;
};
