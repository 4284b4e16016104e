#pragma once
// The storey model views of a project (TSStoreyModelViewInfo) and which viewport shows
// which. Kept in the project. Calls without a project use the application's current one.

#include "platform/cad/BVector.h"
#include "platform/host/TSStoreyModelViewInfo.h"

class DgnProject;

class TSStoreyModelViewManager
{
public:
    // Where a floor plan is cut above its storey's floor, as drawings are cut through doors
    // and windows.
    static constexpr double kPlanCutHeight = 1200.0;

    static TSStoreyModelViewManager& Get();

    // The view shown in that viewport, or null.
    TSStoreyModelViewInfoPtr GetModelViewInfoByViewportIndex(int index) const;
    TSStoreyModelViewInfoPtr GetModelViewInfoByViewportIndex(DgnProject& project, int index) const;
    TSStoreyModelViewInfoPtr GetModelViewInfo(DgnProject& project, const Utf8String& key) const;
    bvector<TSStoreyModelViewInfoPtr> GetModelViewInfos(DgnProject& project) const;

    // Writes the view under its key; a view given a viewport takes it from any other view.
    // False for an empty key or a model the project lacks.
    bool ReplaceModelViewInfo(DgnProject& project, const TSStoreyModelViewInfo& info);
    // A customized view of the storey with its own auxiliary model; the key is made when
    // empty. The view is not shown in any viewport. Null when the model cannot be made.
    TSStoreyModelViewInfoPtr CreateCustomizedModelView(DgnProject& project, std::int64_t storeyId,
                                                       const DPoint3d& origin, const DVec3d& yAxis,
                                                       const DVec3d& zAxis, Utf8String key = {});
    // Makes sure viewport 0 shows a view (the default model on the lowest storey, when it has
    // none yet) and that the viewport, if open, shows what its view lists.
    TSStoreyModelViewInfoPtr EnsureViewportView(DgnProject& project);

    // Shows or hides another model in the view. The view's viewport (if open) shows the
    // view's models from then on; with update it redraws now. False when the view or model
    // is missing.
    bool ToggleModelVisibility(DgnProject& project, const Utf8String& viewKey, DgnModelId model,
                               bool visible, bool update);

    // A new random key in the GUID text form ("xxxxxxxx-xxxx-4xxx-yxxx-xxxxxxxxxxxx").
    static Utf8String NewGuidKey();

private:
    TSStoreyModelViewManager() = default;
    // The viewport shows the view's models, and in plan its storey up to the cut height.
    static void ShowInViewport(DgnProject& project, const TSStoreyModelViewInfo& info);
};
