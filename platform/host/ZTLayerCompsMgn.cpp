#include "platform/host/ZTLayerCompsMgn.h"

#include "platform/cad/DgnApplication.h"
#include "platform/cad/DgnLevels.h"
#include "platform/cad/DgnProject.h"

namespace {
constexpr const char* kTable = "ZTLayerComps";
constexpr const char* kCurrentDocument = "ZTLayerComps.Current";
} // namespace

ZTLayerCompsMgn& ZTLayerCompsMgn::Get()
{
    static ZTLayerCompsMgn manager;
    return manager;
}

Utf8String ZTLayerCompsMgn::GetCurCompName() const
{
    DgnProjectPtr project = DgnApplication::Get().GetCurrentProjectPtr();
    return project.IsValid() ? GetCurCompName(*project) : Utf8String();
}

Utf8String ZTLayerCompsMgn::GetCurCompName(DgnProject& project) const
{
    Json::Value current;
    if (!project.ExtensionData().GetDocument(Utf8String(kCurrentDocument), current) ||
        !current.isString())
        return Utf8String();
    Utf8String name = current.asString();
    Json::Value comb;
    // A current name whose combination went away names nothing.
    if (!project.ExtensionData().GetRecord(Utf8String(kTable), name, comb))
        return Utf8String();
    return name;
}

bool ZTLayerCompsMgn::SetCurCompName(DgnProject& project, const Utf8String& name)
{
    Json::Value comb;
    if (!name.empty() && !project.ExtensionData().GetRecord(Utf8String(kTable), name, comb))
        return false;
    if (!project.ExtensionData().SetDocument(Utf8String(kCurrentDocument), Json::Value(name)))
        return false;
    ApplyToLevels(project);
    return true;
}

void ZTLayerCompsMgn::ApplyToLevels(DgnProject& project) const
{
    ZTLAYERCOMPSINFO comb;
    const Utf8String current = GetCurCompName(project);
    if (current.empty() || !GetLayerCompInfo(project, current, comb))
        return;
    // What the current combination hides, the views hide: a layer is the platform's level.
    for (const ZTLAYERINFO& layer : comb.layers) {
        LevelDefinition level;
        if (!project.Levels().FindLevelByName(layer.name, level))
            continue;
        const bool displayed = layer.visible != 0;
        if (level.displayed == displayed)
            continue;
        level.displayed = displayed;
        project.Levels().ReplaceLevel(level);
    }
}

std::map<Utf8String, ZTLAYERCOMPSINFO> ZTLayerCompsMgn::GetLayerCompInfo() const
{
    DgnProjectPtr project = DgnApplication::Get().GetCurrentProjectPtr();
    return project.IsValid() ? GetLayerCompInfo(*project)
                             : std::map<Utf8String, ZTLAYERCOMPSINFO>();
}

std::map<Utf8String, ZTLAYERCOMPSINFO> ZTLayerCompsMgn::GetLayerCompInfo(DgnProject& project) const
{
    std::map<Utf8String, ZTLAYERCOMPSINFO> combs;
    for (const auto& [name, json] : project.ExtensionData().GetRecords(Utf8String(kTable))) {
        ZTLAYERCOMPSINFO info;
        if (info.FromJson(name, json))
            combs.emplace(name, std::move(info));
    }
    return combs;
}

bool ZTLayerCompsMgn::GetLayerCompInfo(DgnProject& project, const Utf8String& name,
                                       ZTLAYERCOMPSINFO& info) const
{
    Json::Value json;
    return project.ExtensionData().GetRecord(Utf8String(kTable), name, json) &&
           info.FromJson(name, json);
}

bool ZTLayerCompsMgn::SetLayerCompInfo(DgnProject& project, const Utf8String& name,
                                       ZTLAYERCOMPSINFO info)
{
    if (name.empty())
        return false;
    info.name = name;
    // Written and read back through the same form, so duplicates go the same way.
    ZTLAYERCOMPSINFO clean;
    clean.FromJson(name, info.ToJson());
    if (!project.ExtensionData().SetRecord(Utf8String(kTable), name, clean.ToJson()))
        return false;
    if (GetCurCompName(project) == name)
        ApplyToLevels(project);
    return true;
}

bool ZTLayerCompsMgn::RemoveLayerComp(DgnProject& project, const Utf8String& name)
{
    return project.ExtensionData().RemoveRecord(Utf8String(kTable), name);
}

bool ZTLayerCompsMgn::SetLayerVisible(DgnProject& project, const Utf8String& comb,
                                      const Utf8String& layer, bool visible)
{
    ZTLAYERCOMPSINFO info;
    if (!GetLayerCompInfo(project, comb, info))
        return false;
    for (ZTLAYERINFO& entry : info.layers) {
        if (entry.name == layer) {
            entry.visible = visible ? 1 : 0;
            return SetLayerCompInfo(project, comb, info);
        }
    }
    return false;
}
