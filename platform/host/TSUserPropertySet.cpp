#include "platform/host/TSUserPropertySet.h"

#include <algorithm>

namespace {
std::string Utf8(const WString& s)
{
    return zt::base::WideToUtf8(s);
}
WString Wide(const Json::Value& v)
{
    return WString(v.asString().c_str(), true);
}
} // namespace

int TSUserPropertySet::AddGroup(const WString& name)
{
    if (name.empty())
        return -1;
    auto it = std::find(m_groupNames.begin(), m_groupNames.end(), name);
    if (it != m_groupNames.end())
        return static_cast<int>(it - m_groupNames.begin());
    m_groupNames.push_back(name);
    return static_cast<int>(m_groupNames.size()) - 1;
}

TSUserPropertyValuePtr TSUserPropertySet::SetValue(const WString& group, const WString& name,
                                                   const TSUserPropertyCell& cell)
{
    int groupIdx = AddGroup(group);
    if (groupIdx < 0 || name.empty())
        return nullptr;
    TSUserPropertyValuePtr& slot = m_values[name];
    if (!slot || slot->GetGroupIdx() != groupIdx) {
        int next = 0;
        for (const auto& [n, v] : m_values)
            if (v && v->GetGroupIdx() == groupIdx)
                next = std::max(next, v->GetValueIdx() + 1);
        slot = TSUserPropertyValue::Create();
        slot->SetGroupIdx(groupIdx);
        slot->SetValueIdx(next);
    }
    slot->SetValue(cell);
    return slot;
}

TSUserPropertyValuePtr TSUserPropertySet::FindValue(const WString& name) const
{
    auto it = m_values.find(name);
    return it == m_values.end() ? nullptr : it->second;
}

bool TSUserPropertySet::RemoveValue(const WString& name)
{
    return m_values.erase(name) > 0;
}

bvector<WString> TSUserPropertySet::GetValueNames(int groupIdx) const
{
    std::vector<std::pair<int, WString>> placed;
    for (const auto& [name, value] : m_values)
        if (value && value->GetGroupIdx() == groupIdx)
            placed.emplace_back(value->GetValueIdx(), name);
    std::stable_sort(placed.begin(), placed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    bvector<WString> names;
    for (auto& p : placed)
        names.push_back(std::move(p.second));
    return names;
}

void TSUserPropertySet::Clear()
{
    m_groupNames.clear();
    m_values.clear();
}

Json::Value TSUserPropertySet::ToJson() const
{
    Json::Value json(Json::objectValue);
    Json::Value& groups = json["groups"] = Json::Value(Json::arrayValue);
    for (const WString& g : m_groupNames)
        groups.append(Utf8(g));
    Json::Value& values = json["values"] = Json::Value(Json::arrayValue);
    for (const auto& [name, value] : m_values) {
        if (!value)
            continue;
        Json::Value entry(Json::objectValue);
        entry["name"] = Utf8(name);
        entry["group"] = value->GetGroupIdx();
        entry["index"] = value->GetValueIdx();
        entry["cell"] = value->GetValue().ToJson();
        values.append(entry);
    }
    return json;
}

bool TSUserPropertySet::FromJson(const Json::Value& json)
{
    Clear();
    if (!json.isObject())
        return false;
    const Json::Value& groups = json["groups"];
    if (groups.isArray())
        for (const Json::Value& g : groups)
            if (g.isString())
                m_groupNames.push_back(Wide(g));
    const Json::Value& values = json["values"];
    if (!values.isArray())
        return true;
    for (const Json::Value& entry : values) {
        if (!entry.isObject() || !entry["name"].isString() || !entry["group"].isInt() ||
            !entry["index"].isInt())
            continue;
        int group = entry["group"].asInt();
        if (group < 0 || group >= static_cast<int>(m_groupNames.size()))
            continue;
        TSUserPropertyValuePtr value = TSUserPropertyValue::Create();
        value->SetGroupIdx(group);
        value->SetValueIdx(entry["index"].asInt());
        TSUserPropertyCell cell;
        cell.FromJson(entry["cell"]);
        value->SetValue(cell);
        m_values[Wide(entry["name"])] = value;
    }
    return true;
}
