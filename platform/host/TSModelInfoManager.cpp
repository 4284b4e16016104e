#include "platform/host/TSModelInfoManager.h"

#include "platform/cad/DgnApplication.h"
#include "platform/cad/DgnProject.h"

#include <cstdio>

namespace {

constexpr const char* kTable = "TSModelInfos";

Utf8String KeyOf(DgnModelId id)
{
    char key[32];
    std::snprintf(key, sizeof key, "%016lld", static_cast<long long>(id));
    return Utf8String(key);
}

} // namespace

TSModelInfoManager& TSModelInfoManager::Get()
{
    static TSModelInfoManager manager;
    return manager;
}

bool TSModelInfoManager::GetModelInfo(DgnProject& project, DgnModelId id, TSModelInfo& info) const
{
    DgnModel* model = project.GetModel(id);
    if (!model)
        return false;
    Json::Value json;
    if (!project.ExtensionData().GetRecord(Utf8String(kTable), KeyOf(id), json) ||
        !info.FromJson(id, json)) {
        info = TSModelInfo{};
        info.modelId = id;
        if (model->GetModelType() == DgnModelType::Auxiliary)
            info.modelType = TSModelType_Auxiliary;
    }
    if (info.displayName.empty())
        info.displayName = WString(model->GetModelName());
    return true;
}

bvector<TSModelInfo> TSModelInfoManager::GetAllModelInfos(DgnProject& project) const
{
    bvector<TSModelInfo> infos;
    for (DgnModel* model : project.GetModels()) {
        TSModelInfo info;
        if (GetModelInfo(project, model->GetModelId(), info))
            infos.push_back(info);
    }
    return infos;
}

bool TSModelInfoManager::FindModelInfoByName(DgnProject& project, const WString& displayName,
                                             TSModelInfo& info) const
{
    for (const TSModelInfo& candidate : GetAllModelInfos(project)) {
        if (candidate.displayName == displayName) {
            info = candidate;
            return true;
        }
    }
    return false;
}

int TSModelInfoManager::GetModelType(DgnModelId id) const
{
    DgnProjectPtr project = DgnApplication::Get().GetCurrentProjectPtr();
    TSModelInfo info;
    if (!project.IsValid() || !GetModelInfo(*project, id, info))
        return TSModelType_General;
    return info.modelType;
}

bool TSModelInfoManager::ReplaceModelInfo(DgnProject& project, const TSModelInfo& info)
{
    if (!project.GetModel(info.modelId))
        return false;
    return project.ExtensionData().SetRecord(Utf8String(kTable), KeyOf(info.modelId),
                                             info.ToJson());
}

DgnModel* TSModelInfoManager::CreateModel(DgnProject& project, const Utf8String& name,
                                          const TSModelInfo& info, DgnModelType type)
{
    DgnModel* model = project.CreateModel(name, type);
    if (!model)
        return nullptr;
    TSModelInfo own = info;
    own.modelId = model->GetModelId();
    if (own.displayName.empty())
        own.displayName = WString(name);
    ReplaceModelInfo(project, own);
    return model;
}
