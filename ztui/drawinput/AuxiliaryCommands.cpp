#include "ztui/drawinput/AuxiliaryCommands.h"

#include "platform/cad/AbstractUiStateManager.h"
#include "platform/cad/DgnApplication.h"
#include "platform/cad/EditElementHandle.h"
#include "platform/cad/ElementFinder.h"
#include "platform/cad/IndexedViewport.h"
#include "platform/cad/PhysicalGraphics.h"
#include "platform/host/Callable.h"
#include "platform/host/Commands.h"
#include "platform/host/Executors.h"
#include "platform/host/TSModelInfoManager.h"
#include "platform/host/TSStoreyModelViewManager.h"
#include "ztui/drawinput/ZTArchAuxiliaryMacrosMgn.h"

#include <vector>

namespace zt {

namespace {

constexpr const char* kZoomExtentsCommand = "zoome";
constexpr LevelId kMarkerLevel = 64;
constexpr std::int32_t kMarkerStyle = 2;
constexpr std::uint32_t kMarkerRgb = 0xFFBF00;
// The marker's legs are this long: long enough to snap to, too short to see.
constexpr double kMarkerLength = 0.0001;

TSStoreyModelViewInfoPtr SelectedModelView(DgnProject& project)
{
    IndexedViewport* viewport = DgnApplication::Get().GetSelectedViewport();
    if (!viewport)
        return nullptr;
    return TSStoreyModelViewManager::Get().GetModelViewInfoByViewportIndex(
        project, viewport->GetViewNumber());
}

void ToggleNamedModel(bool visible)
{
    DgnProjectPtr project = DgnApplication::Get().GetCurrentProjectPtr();
    if (project.IsNull())
        return;
    const Utf8String name = DgnApplication::Get().GetUiStateManager().GetString(kModelInfoNameKey);
    TSModelInfo info;
    TSStoreyModelViewInfoPtr view = SelectedModelView(*project);
    if (name.empty() || view.IsNull() ||
        !TSModelInfoManager::Get().FindModelInfoByName(*project, WString(name), info))
        return;
    TSStoreyModelViewManager::Get().ToggleModelVisibility(*project, view->key, info.modelId,
                                                          visible, true);
}

void PlaceCatchMarker()
{
    DgnProjectPtr project = DgnApplication::Get().GetCurrentProjectPtr();
    if (project.IsNull())
        return;
    ITxnManager& txn = project->GetTxnManager();
    txn.Deactivate();
    const bool in3d = DgnApplication::Get().GetUiStateManager().GetBool(k3DViewKey, false);
    std::vector<DVec3d> legs = {DVec3d{kMarkerLength, 0, 0}, DVec3d{0, kMarkerLength, 0}};
    if (in3d)
        legs.push_back(DVec3d{0, 0, kMarkerLength});

    TSModelInfo info;
    if (TSModelInfoManager::Get().FindModelInfoByName(*project, kTmpModelName, info)) {
        for (ElementId id : ElementFinder::GetElementsOfModel(*project, info.modelId)) {
            if (ElementRef* element = project->FindElementById(id)) {
                EditElementHandle handle(element);
                handle.DeleteFromModel();
            }
        }
        if (TSStoreyModelViewInfoPtr view = SelectedModelView(*project))
            TSStoreyModelViewManager::Get().ToggleModelVisibility(*project, view->key, info.modelId,
                                                                  true, true);
        if (DgnModel* model = project->GetModel(info.modelId)) {
            ElementSymbology symbology = ElementSymbology::Default();
            symbology.style = kMarkerStyle;
            symbology.weight = 0;
            symbology.color = project->GetElementColor(kMarkerRgb);
            const DPoint3d origin{0, 0, 0};
            for (const DVec3d& leg : legs) {
                const DPoint3d points[2] = {origin, origin + leg};
                PhysicalGraphicsPtr graphics = model->CreatePhysicalGraphics(kMarkerLevel);
                graphics->SetSymbology(symbology);
                graphics->AddCurvePrimitive(*ICurvePrimitive::CreateLineString(points, 2));
                if (graphics->Finish())
                    graphics->Save();
            }
        }
    }
    txn.Activate();
}

} // namespace

void ArchZoome()
{
    DgnProjectPtr project = DgnApplication::Get().GetCurrentProjectPtr();
    TSStoreyModelViewInfoPtr view = project.IsValid() ? SelectedModelView(*project) : nullptr;
    std::vector<DgnModelId> hidden;
    if (view.IsValid()) {
        for (const wchar_t* name : {kResidentAuxiliaryModelName,
                                    ZTArchAuxiliaryMacrosMgn::kDynamicModelName, kTmpModelName}) {
            TSModelInfo info;
            if (TSModelInfoManager::Get().FindModelInfoByName(*project, name, info) &&
                view->shownModels.count(info.modelId) &&
                TSStoreyModelViewManager::Get().ToggleModelVisibility(*project, view->key,
                                                                      info.modelId, false, false))
                hidden.push_back(info.modelId);
        }
    }
    TesselUserInputManager::ExeCommand(kZoomExtentsCommand);
    if (hidden.empty())
        return;
    // The zoom is queued behind this command; the models come back after it has run.
    const Utf8String key = view->key;
    host::Executors::Get().PostToWork([project, key, hidden] {
        for (DgnModelId id : hidden)
            TSStoreyModelViewManager::Get().ToggleModelVisibility(*project, key, id, true, true);
    });
}

void ShowModelInfo()
{
    ToggleNamedModel(true);
}

void CloseModelInfo()
{
    ToggleNamedModel(false);
}

void CatchLocate()
{
    TesselCallableObj* call = new CallerF<void (*)()>(&PlaceCatchMarker);
    TesselFuncCall::ToCallOnWorkTread(call);
    call->Release();
}

} // namespace zt
