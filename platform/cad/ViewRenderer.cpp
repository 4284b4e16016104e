#include "platform/cad/ViewRenderer.h"

#include "platform/cad/DgnTool.h"
#include "platform/cad/IViewManager.h"
#include "platform/cad/IViewOutput.h"
#include "platform/cad/IViewScene.h"
#include "platform/cad/IViewTransients.h"
#include "platform/cad/RedrawElems.h"
#include "platform/cad/ViewContext.h"
#include "platform/cad/ViewDecorations.h"
#include "platform/cad/ViewDrawGuard.h"
#include "platform/win/WinUser.h"

namespace {

std::shared_ptr<const ViewDisplayList> DrawScene(IndexedViewport& viewport, IViewScene* scene)
{
    auto list = std::make_shared<ViewDisplayList>();
    if (!scene)
        return list;
    ViewContext context(viewport, DrawPurpose::Update, *list);
    ViewDrawGuard::Run("scene", [&] { scene->_DrawScene(context); });
    if (context.DrewFaces())
        list->SortBackToFront();
    return list;
}

std::shared_ptr<const ViewDisplayList> DrawOverlay(IndexedViewport& viewport)
{
    auto list = std::make_shared<ViewDisplayList>();
    ViewContext context(viewport, DrawPurpose::Update, *list);
    for (IViewTransients* handler : IViewManager::GetManager().GetViewTransientHandlers())
        ViewDrawGuard::Run("transients", [&] { handler->_DrawTransients(context, false); });
    ViewDrawGuard::Run("decorations",
                       [&] { ViewDecorations::Get()._DrawTransients(context, false); });
    return list;
}

std::shared_ptr<const ViewDisplayList> DrawDynamics(IndexedViewport& viewport)
{
    auto list = std::make_shared<ViewDisplayList>();
    ViewContext context(viewport, DrawPurpose::Dynamics, *list);
    ViewDrawGuard::Run("redraw elements", [&] { RedrawElems::DrawInto(context); });
    DgnPrimitiveTool* tool = DgnTool::GetActivePrimitiveTool();
    DgnButtonEvent event;
    if (tool && DgnTool::GetCurrentDgnButtonEvent(event))
        ViewDrawGuard::Run("dynamics", [&] { tool->_OnDynamicFrame(event, context); });
    return list;
}

void Present(IndexedViewport& viewport)
{
    if (IViewOutput* output = viewport.GetIViewOutput())
        output->RequestPresent();
}

// New dynamics change only the pixels the old and the new ones paint: the rest of the view
// need not be painted again.
void PresentDynamics(IndexedViewport& viewport, const ViewDisplayList* before,
                     const ViewDisplayList& after)
{
    IViewOutput* output = viewport.GetIViewOutput();
    if (!output)
        return;
    RECT was{0, 0, 0, 0}, now{0, 0, 0, 0};
    if ((before && !before->PaintedBounds(was)) || !after.PaintedBounds(now)) {
        output->RequestPresent();
        return;
    }
    RECT area;
    if (!::UnionRect(&area, &was, &now))
        return;
    output->RequestPresentArea(area);
}

} // namespace

void ViewRenderer::Update(IndexedViewport& viewport, bool forceScene)
{
    IViewScene* scene = IViewManager::GetManager().GetViewScene();
    ViewDrawing drawing = viewport.GetDrawing();
    const std::uint64_t frame = viewport.GetFrameGeneration();
    const unsigned long long content = scene ? scene->_GetSceneGeneration() : 0ull;
    const std::uint64_t models = viewport.GetContentFilterGeneration();
    if (forceScene || !drawing.scene || drawing.sceneFrame != frame ||
        drawing.sceneGeneration != content || drawing.sceneFilter != models) {
        drawing.scene = DrawScene(viewport, scene);
        drawing.sceneFrame = frame;
        drawing.sceneGeneration = content;
        drawing.sceneFilter = models;
    }
    drawing.overlay = DrawOverlay(viewport);
    drawing.dynamics = DrawDynamics(viewport);
    viewport.SetDrawing(std::move(drawing));
    Present(viewport);
}

void ViewRenderer::UpdateDynamics(IndexedViewport& viewport)
{
    ViewDrawing drawing = viewport.GetDrawing();
    // A view whose frame changed since its model was drawn needs everything again.
    if (!drawing.scene || drawing.sceneFrame != viewport.GetFrameGeneration() ||
        drawing.sceneFilter != viewport.GetContentFilterGeneration()) {
        Update(viewport, false);
        return;
    }
    std::shared_ptr<const ViewDisplayList> dynamics = DrawDynamics(viewport);
    // A cursor move that changes nothing the tool draws leaves the view as it is.
    if (drawing.dynamics && *drawing.dynamics == *dynamics)
        return;
    std::shared_ptr<const ViewDisplayList> before = std::move(drawing.dynamics);
    drawing.dynamics = dynamics;
    viewport.SetDrawing(std::move(drawing));
    PresentDynamics(viewport, before.get(), *dynamics);
}
