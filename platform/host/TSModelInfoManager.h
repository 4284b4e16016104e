#pragma once
// The host's registry of models: every model of the project with its host information
// (TSModelInfo), kept in the project. A model the host never described still appears, with
// its platform name as its displayed name.

#include "platform/cad/BVector.h"
#include "platform/cad/DgnModel.h"
#include "platform/host/TSModelInfo.h"

class DgnProject;

class TSModelInfoManager
{
public:
    static TSModelInfoManager& Get();

    // Every model of the project, by model id.
    bvector<TSModelInfo> GetAllModelInfos(DgnProject& project) const;
    bool GetModelInfo(DgnProject& project, DgnModelId id, TSModelInfo& info) const;
    bool FindModelInfoByName(DgnProject& project, const WString& displayName,
                             TSModelInfo& info) const;
    // The kind of a model of the application's current project; 0 for unknown ids.
    int GetModelType(DgnModelId id) const;
    // Writes the information of info.modelId; false when the project has no such model.
    bool ReplaceModelInfo(DgnProject& project, const TSModelInfo& info);
    // A new platform model with its information; null when the platform refuses the name.
    DgnModel* CreateModel(DgnProject& project, const Utf8String& name, const TSModelInfo& info,
                          DgnModelType type = DgnModelType::Physical);

private:
    TSModelInfoManager() = default;
};
