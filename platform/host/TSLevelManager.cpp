#include "platform/host/TSLevelManager.h"

#include "platform/cad/DgnApplication.h"
#include "platform/cad/DgnProject.h"

namespace {
constexpr const char* kDocument = "TSLevelManager.EcClassMapLvl";
}

TSLevelManager& TSLevelManager::Get()
{
    static TSLevelManager manager;
    return manager;
}

bool TSLevelManager::GetEcClassMapLvl(ClassLevelMap& map) const
{
    map.clear();
    DgnProjectPtr project = DgnApplication::Get().GetCurrentProjectPtr();
    return project.IsValid() && GetEcClassMapLvl(*project, map);
}

bool TSLevelManager::SetEcClassMapLvl(const ClassLevelMap& map)
{
    DgnProjectPtr project = DgnApplication::Get().GetCurrentProjectPtr();
    return project.IsValid() && SetEcClassMapLvl(*project, map);
}

bool TSLevelManager::GetEcClassMapLvl(DgnProject& project, ClassLevelMap& map) const
{
    map.clear();
    Json::Value json;
    if (!project.ExtensionData().GetDocument(Utf8String(kDocument), json))
        return true; // a project that never set the map has an empty one
    if (!json.isObject())
        return false;
    for (const std::string& name : json.getMemberNames())
        if (json[name].isString() && !name.empty())
            map.emplace(name, json[name].asString());
    return true;
}

bool TSLevelManager::SetEcClassMapLvl(DgnProject& project, const ClassLevelMap& map)
{
    Json::Value json(Json::objectValue);
    for (const auto& [className, layer] : map)
        if (!className.empty())
            json[className] = layer;
    return project.ExtensionData().SetDocument(Utf8String(kDocument), json);
}

Utf8String TSLevelManager::GetClassLayerName(DgnProject& project, const Utf8String& className) const
{
    ClassLevelMap map;
    GetEcClassMapLvl(project, map);
    auto it = map.find(className);
    return it == map.end() ? Utf8String() : it->second;
}

LevelId TSLevelManager::GetClassLevel(DgnProject& project, const Utf8String& className) const
{
    LevelDefinition level;
    Utf8String name = GetClassLayerName(project, className);
    if (!name.empty() && project.Levels().FindLevelByName(name, level))
        return level.id;
    return LEVEL_DEFAULT_LEVEL_ID;
}

LevelId TSLevelManager::EnsureLevel(DgnProject& project, const Utf8String& name)
{
    if (name.empty())
        return 0;
    LevelDefinition level;
    if (project.Levels().FindLevelByName(name, level))
        return level.id;
    return project.Levels().CreateLevel(name);
}
