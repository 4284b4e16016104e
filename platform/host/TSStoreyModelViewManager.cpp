#include "platform/host/TSStoreyModelViewManager.h"

#include "platform/cad/DgnApplication.h"
#include "platform/cad/DgnProject.h"
#include "platform/cad/IViewManager.h"
#include "platform/host/TSArchiStoreyManager.h"

#include <cstdio>
#include <random>

namespace {
constexpr const char* kTable = "TSStoreyModelViews";
}

TSStoreyModelViewManager& TSStoreyModelViewManager::Get()
{
    static TSStoreyModelViewManager manager;
    return manager;
}

TSStoreyModelViewInfoPtr TSStoreyModelViewManager::GetModelViewInfoByViewportIndex(int index) const
{
    DgnProjectPtr project = DgnApplication::Get().GetCurrentProjectPtr();
    return project.IsValid() ? GetModelViewInfoByViewportIndex(*project, index) : nullptr;
}

TSStoreyModelViewInfoPtr
TSStoreyModelViewManager::GetModelViewInfoByViewportIndex(DgnProject& project, int index) const
{
    if (index < 0)
        return nullptr;
    for (const TSStoreyModelViewInfoPtr& info : GetModelViewInfos(project))
        if (info->viewportIndex == index)
            return info;
    return nullptr;
}

TSStoreyModelViewInfoPtr TSStoreyModelViewManager::GetModelViewInfo(DgnProject& project,
                                                                    const Utf8String& key) const
{
    Json::Value json;
    TSStoreyModelViewInfoPtr info = new TSStoreyModelViewInfo();
    if (!project.ExtensionData().GetRecord(Utf8String(kTable), key, json) ||
        !info->FromJson(key, json))
        return nullptr;
    return info;
}

bvector<TSStoreyModelViewInfoPtr>
TSStoreyModelViewManager::GetModelViewInfos(DgnProject& project) const
{
    bvector<TSStoreyModelViewInfoPtr> infos;
    for (const auto& [key, json] : project.ExtensionData().GetRecords(Utf8String(kTable))) {
        TSStoreyModelViewInfoPtr info = new TSStoreyModelViewInfo();
        if (info->FromJson(key, json))
            infos.push_back(info);
    }
    return infos;
}

bool TSStoreyModelViewManager::ReplaceModelViewInfo(DgnProject& project,
                                                    const TSStoreyModelViewInfo& info)
{
    if (info.key.empty() || !project.GetModel(info.modelId))
        return false;
    ProjectExtensionData& data = project.ExtensionData();
    if (info.viewportIndex >= 0) {
        // One view per viewport: the one that had it gives it up.
        for (const TSStoreyModelViewInfoPtr& other : GetModelViewInfos(project)) {
            if (other->key != info.key && other->viewportIndex == info.viewportIndex) {
                other->viewportIndex = -1;
                data.SetRecord(Utf8String(kTable), other->key, other->ToJson());
            }
        }
    }
    if (!data.SetRecord(Utf8String(kTable), info.key, info.ToJson()))
        return false;
    // The viewport shows what its storey view lists; it draws it at its next update.
    ShowInViewport(project, info);
    return true;
}

TSStoreyModelViewInfoPtr
TSStoreyModelViewManager::CreateCustomizedModelView(DgnProject& project, std::int64_t storeyId,
                                                    const DPoint3d& origin, const DVec3d& yAxis,
                                                    const DVec3d& zAxis, Utf8String key)
{
    if (key.empty())
        key = NewGuidKey();
    DgnModel* model = project.CreateModel(Utf8String("View " + key), DgnModelType::Auxiliary);
    if (!model)
        return nullptr;
    TSStoreyModelViewInfoPtr info = new TSStoreyModelViewInfo();
    info->key = key;
    info->modelId = model->GetModelId();
    info->storeyId = storeyId;
    info->origin = origin;
    info->yAxis = yAxis;
    info->zAxis = zAxis;
    info->customized = true;
    if (!ReplaceModelViewInfo(project, *info))
        return nullptr;
    return info;
}

TSStoreyModelViewInfoPtr TSStoreyModelViewManager::EnsureViewportView(DgnProject& project)
{
    if (TSStoreyModelViewInfoPtr shown = GetModelViewInfoByViewportIndex(project, 0)) {
        ShowInViewport(project, *shown);
        return shown;
    }
    DgnModel* model = project.GetDefaultModel();
    if (!model)
        return nullptr;
    TSStoreyModelViewInfoPtr info = new TSStoreyModelViewInfo();
    info->key = NewGuidKey();
    info->viewportIndex = 0;
    info->modelId = model->GetModelId();
    info->storeyId = TSArchiStoreyManager::Get().EnsureStorey(project);
    return ReplaceModelViewInfo(project, *info) ? info : nullptr;
}

bool TSStoreyModelViewManager::ToggleModelVisibility(DgnProject& project, const Utf8String& viewKey,
                                                     DgnModelId model, bool visible, bool update)
{
    TSStoreyModelViewInfoPtr info = GetModelViewInfo(project, viewKey);
    if (!info || !project.GetModel(model))
        return false;
    if (model != info->modelId) {
        if (visible)
            info->shownModels.insert(model);
        else
            info->shownModels.erase(model);
    }
    if (!ReplaceModelViewInfo(project, *info))
        return false;
    if (update && info->viewportIndex >= 0)
        if (IndexedViewport* viewport =
                IViewManager::GetManager().GetActiveViewSet().GetViewport(info->viewportIndex))
            viewport->UpdateView();
    return true;
}

void TSStoreyModelViewManager::ShowInViewport(DgnProject& project, const TSStoreyModelViewInfo& info)
{
    if (info.viewportIndex < 0)
        return;
    IndexedViewport* viewport =
        IViewManager::GetManager().GetActiveViewSet().GetViewport(info.viewportIndex);
    if (!viewport)
        return;
    std::vector<DgnModelId> models{info.modelId};
    models.insert(models.end(), info.shownModels.begin(), info.shownModels.end());
    viewport->SetViewedModels(std::move(models));
    TSStorey storey;
    if (TSArchiStoreyManager::Get().FindStorey(project, info.storeyId, storey))
        viewport->SetPlanCut(Viewport::PlanCut{storey.GetElevation(),
                                               storey.GetElevation() + kPlanCutHeight});
    else
        viewport->SetPlanCut(std::nullopt);
}

Utf8String TSStoreyModelViewManager::NewGuidKey()
{
    static thread_local std::mt19937_64 random{std::random_device{}()};
    std::uint64_t a = random();
    std::uint64_t b = random();
    char text[40];
    std::snprintf(text, sizeof text, "%08x-%04x-4%03x-%04x-%012llx", static_cast<unsigned>(a >> 32),
                  static_cast<unsigned>((a >> 16) & 0xFFFF), static_cast<unsigned>(a & 0xFFF),
                  static_cast<unsigned>(0x8000 | ((b >> 48) & 0x3FFF)),
                  static_cast<unsigned long long>(b & 0xFFFFFFFFFFFFull));
    return Utf8String(text);
}
