#include "platform/host/TSArchiStoreyManager.h"

#include "platform/cad/DgnProject.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr const char* kTable = "TSArchiStoreys";
// The counter of storey ids, so that an id is never given twice in a project.
constexpr const char* kCounterDocument = "TSArchiStoreys.NextId";
constexpr const wchar_t* kFirstStoreyName = L"首层";

Utf8String KeyOf(std::int64_t id)
{
    // Zero-padded, so that the table's key order is the order of ids.
    char key[32];
    std::snprintf(key, sizeof key, "%016lld", static_cast<long long>(id));
    return Utf8String(key);
}

} // namespace

TSArchiStoreyManager& TSArchiStoreyManager::Get()
{
    static TSArchiStoreyManager manager;
    return manager;
}

bvector<TSStorey> TSArchiStoreyManager::GetStoreys(DgnProject& project) const
{
    bvector<TSStorey> storeys;
    for (const auto& [key, json] : project.ExtensionData().GetRecords(Utf8String(kTable))) {
        long long id = 0;
        if (std::sscanf(key.c_str(), "%lld", &id) != 1 || id <= 0)
            continue;
        TSStorey storey;
        if (storey.FromJson(id, json))
            storeys.push_back(storey);
    }
    std::stable_sort(storeys.begin(), storeys.end(), [](const TSStorey& a, const TSStorey& b) {
        return a.GetElevation() < b.GetElevation();
    });
    return storeys;
}

bool TSArchiStoreyManager::FindStorey(DgnProject& project, std::int64_t id, TSStorey& storey) const
{
    if (id <= 0)
        return false;
    Json::Value json;
    return project.ExtensionData().GetRecord(Utf8String(kTable), KeyOf(id), json) &&
           storey.FromJson(id, json);
}

bool TSArchiStoreyManager::FindStoreyByName(DgnProject& project, const WString& name,
                                            TSStorey& storey) const
{
    for (const TSStorey& s : GetStoreys(project)) {
        if (s.GetName() == name) {
            storey = s;
            return true;
        }
    }
    return false;
}

bool TSArchiStoreyManager::FindStoreyAtElevation(DgnProject& project, double z,
                                                 TSStorey& storey) const
{
    bvector<TSStorey> storeys = GetStoreys(project);
    if (storeys.empty() || !std::isfinite(z))
        return false;
    storey = storeys.front();
    for (const TSStorey& s : storeys)
        if (s.GetElevation() <= z)
            storey = s;
    return true;
}

bool TSArchiStoreyManager::IsAcceptable(DgnProject& project, const TSStorey& storey) const
{
    if (storey.GetName().empty() || !std::isfinite(storey.GetElevation()) ||
        !std::isfinite(storey.GetHeight()) || !(storey.GetHeight() > 0.0))
        return false;
    for (const TSStorey& other : GetStoreys(project))
        if (other.GetId() != storey.GetId() && other.GetName() == storey.GetName())
            return false;
    return true;
}

std::int64_t TSArchiStoreyManager::AddStorey(DgnProject& project, const WString& name,
                                             double elevation, double height)
{
    TSStorey storey(0, name, elevation, height);
    if (!IsAcceptable(project, storey))
        return 0;
    ProjectExtensionData& data = project.ExtensionData();
    Json::Value counter;
    std::int64_t id = 1;
    if (data.GetDocument(Utf8String(kCounterDocument), counter) && counter.isInt64())
        id = std::max<std::int64_t>(1, counter.asInt64());
    storey = TSStorey(id, name, elevation, height);
    if (!data.SetRecord(Utf8String(kTable), KeyOf(id), storey.ToJson()))
        return 0;
    data.SetDocument(Utf8String(kCounterDocument), Json::Value(static_cast<Json::Int64>(id + 1)));
    return id;
}

bool TSArchiStoreyManager::UpdateStorey(DgnProject& project, const TSStorey& storey)
{
    TSStorey existing;
    if (!FindStorey(project, storey.GetId(), existing) || !IsAcceptable(project, storey))
        return false;
    return project.ExtensionData().SetRecord(Utf8String(kTable), KeyOf(storey.GetId()),
                                             storey.ToJson());
}

bool TSArchiStoreyManager::RemoveStorey(DgnProject& project, std::int64_t id)
{
    return id > 0 && project.ExtensionData().RemoveRecord(Utf8String(kTable), KeyOf(id));
}

std::int64_t TSArchiStoreyManager::EnsureStorey(DgnProject& project)
{
    bvector<TSStorey> storeys = GetStoreys(project);
    if (!storeys.empty())
        return storeys.front().GetId();
    return AddStorey(project, kFirstStoreyName, 0.0);
}
