#include "ztui/contextbar/ZTContextBarDataMgn.h"

#include "platform/cad/DgnApplication.h"
#include "platform/cad/IViewManager.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "platform/host/TSStoreyModelViewManager.h"

namespace zt {

bool IsCommonOperating(TSOperating op)
{
    switch (op) {
    case TSOperating_Move:
    case TSOperating_Mirror:
    case TSOperating_Copy:
    case TSOperating_Rotate:
    case TSOperating_MultipleCopy:
        return true;
    default:
        return false;
    }
}

ZTContextBarDataMgn::~ZTContextBarDataMgn() = default;

ZTContextBarDataMgn& ZTContextBarDataMgn::instance()
{
    static ZTContextBarDataMgn store;
    return store;
}

WString ZTContextBarDataMgn::ClassNameOf(const ECInstanceKey& key)
{
    DgnProject* project = DgnApplication::Get().GetCurrentProject();
    if (!project || !key.IsValid())
        return WString();
    RefCountedPtr<ITSObject> object = TSObjectExtensionManager::Get().GetTSObject(*project, key);
    if (object.IsNull())
        return WString();
    return WString(object->GetECClassName());
}

void ZTContextBarDataMgn::addTSOperating(TSOperating op)
{
    if (op == TSOperating_Promote)
        return;
    if (IsCommonOperating(op)) {
        operatingKey = kCommonKey;
        if (Remembers())
            operatingMap[kCommonKey].clickedOperating = op;
    } else if (!instanceKeys.empty()) {
        const ECInstanceKey& first = instanceKeys.front();
        if (!first.IsValid())
            return;
        WString className = ClassNameOf(first);
        if (className.empty())
            return;
        operatingKey = className;
    }
    if (!Remembers())
        return;
    OperatingPair& entry = operatingMap[operatingKey];
    if (clickType == TSClickType_Plain)
        entry.plainOperating = op;
    else
        entry.clickedOperating = op;
}

TSOperating ZTContextBarDataMgn::getOldOperating() const
{
    if (operatingKey == kCommonKey) {
        auto common = operatingMap.find(kCommonKey);
        return common == operatingMap.end() ? TSOperating_None : common->second.clickedOperating;
    }
    if (operatingMap.empty() || instanceKeys.empty())
        return TSOperating_None;
    // The class of the element picked now decides, not the key last remembered under.
    const ECInstanceKey& first = instanceKeys.front();
    if (!first.IsValid())
        return TSOperating_None;
    WString className = ClassNameOf(first);
    if (className.empty())
        return TSOperating_None;
    auto entry = operatingMap.find(className);
    if (entry == operatingMap.end())
        return TSOperating_None;
    return clickType != TSClickType_Plain ? entry->second.clickedOperating
                                          : entry->second.plainOperating;
}

DgnModelId ZTContextBarDataMgn::getActiveModelId()
{
    int index = 0;
    if (IndexedViewport* view = IViewManager::GetManager().GetActiveViewSet().GetSelectedViewport())
        index = view->GetViewNumber();
    if (index < 0)
        index = 0;
    TSStoreyModelViewInfoPtr info =
        TSStoreyModelViewManager::Get().GetModelViewInfoByViewportIndex(index);
    if (info.IsNull())
        return INVALID_MODELID;
    return info->GetModelId();
}

} // namespace zt
