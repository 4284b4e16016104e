#pragma once
// A storey model view: what one viewport of the host shows. It names the model drawn in
// it, the storey it belongs to, the view's own axes (customized views may be placed
// anywhere) and the other models shown with it. Identified by a key (a GUID text).

#include "platform/base/RefCounted.h"
#include "platform/base/WString.h"
#include "platform/cad/DPoint3d.h"
#include "platform/cad/DVec3d.h"
#include "platform/cad/DgnIds.h"

#include <json/value.h>

#include <set>

class TSStoreyModelViewInfo;
using TSStoreyModelViewInfoPtr = RefCountedPtr<TSStoreyModelViewInfo>;

class TSStoreyModelViewInfo : public zt::base::RefCountedBase
{
public:
    TSStoreyModelViewInfo() = default;
    TSStoreyModelViewInfo(const TSStoreyModelViewInfo&) = default;
    ~TSStoreyModelViewInfo() override = default;

    Utf8String key;
    int viewportIndex = -1;
    DgnModelId modelId = INVALID_MODELID;
    std::int64_t storeyId = 0;
    DPoint3d origin{0.0, 0.0, 0.0};
    DVec3d yAxis{0.0, 1.0, 0.0};
    DVec3d zAxis{0.0, 0.0, 1.0};
    bool customized = false;
    // Models drawn besides the view's own.
    std::set<DgnModelId> shownModels;

    DgnModelId GetModelId() const { return modelId; }
    bool IsModelVisible(DgnModelId id) const { return id == modelId || shownModels.count(id); }

    Json::Value ToJson() const;
    bool FromJson(const Utf8String& viewKey, const Json::Value& json);
};
