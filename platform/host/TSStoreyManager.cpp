#include "platform/host/TSStoreyManager.h"

#include "platform/cad/DgnApplication.h"
#include "platform/host/TSArchiStoreyManager.h"

namespace {
constexpr const char* kCurrentDocument = "TSStoreyManager.Current";
}

TSStoreyPtr TSStoreyManager::GetCurrentStorey()
{
    DgnProjectPtr project = DgnApplication::Get().GetCurrentProjectPtr();
    return project.IsValid() ? GetCurrentStorey(*project) : nullptr;
}

TSStoreyPtr TSStoreyManager::GetCurrentStorey(DgnProject& project)
{
    TSArchiStoreyManager& storeys = TSArchiStoreyManager::Get();
    Json::Value current;
    TSStorey storey;
    if (project.ExtensionData().GetDocument(Utf8String(kCurrentDocument), current) &&
        current.isInt64() && storeys.FindStorey(project, current.asInt64(), storey))
        return new TSStorey(storey);
    bvector<TSStorey> all = storeys.GetStoreys(project);
    return all.empty() ? nullptr : new TSStorey(all.front());
}

bool TSStoreyManager::SetCurrentStorey(DgnProject& project, std::int64_t id)
{
    TSStorey storey;
    if (!TSArchiStoreyManager::Get().FindStorey(project, id, storey))
        return false;
    return project.ExtensionData().SetDocument(Utf8String(kCurrentDocument),
                                               Json::Value(static_cast<Json::Int64>(id)));
}
