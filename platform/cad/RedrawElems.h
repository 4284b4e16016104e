#pragma once
// Geometry drawn as dynamics: shown in the chosen views on top of the model and the
// transients until the cursor moves on, when the next motion draws afresh. Tools and the
// construction aids they drive use it for previews that are not elements.
//
//     RedrawElems redraw;
//     redraw.SetDynamicsViews(IViewManager::GetManager().GetActiveViewSet(), viewport);
//     redraw.DoRedraw(*line, symbology);
//
// Each DoRedraw adds to what the views show and redraws their dynamics at once; between
// BeginBatch and EndBatch the additions wait, and EndBatch redraws once for all of them (a
// construction aid that draws several pieces per cursor move costs one redraw).

#include "platform/cad/ElemMatSymb.h"
#include "platform/cad/ICurvePrimitive.h"
#include "platform/cad/TextString.h"

#include <vector>

class IndexedViewSet;
class IndexedViewport;
class ViewContext;

class RedrawElems
{
public:
    // Draws into every open view of the set, or into one view of it when given.
    void SetDynamicsViews(IndexedViewSet& viewSet, IndexedViewport* viewport = nullptr);
    void DoRedraw(const ICurvePrimitive& curve, const ElemMatSymb& symbology);
    void DoRedraw(const TextString& text, const ElemMatSymb& symbology);
    void BeginBatch() { m_batching = true; }
    // Redraws once when something was added since BeginBatch.
    void EndBatch();

    // While one of these lives on a thread, DoRedraw there only adds: the platform holds the
    // redraws while it hands a cursor event to the active tool, and redraws the dynamics
    // once the tool is done.
    class DeferScope
    {
    public:
        DeferScope();
        ~DeferScope();
        DeferScope(const DeferScope&) = delete;
        DeferScope& operator=(const DeferScope&) = delete;
    };

    // Forgets every geometry added since the last cursor move (the platform calls it when the
    // cursor moves, before the active tool draws again).
    static void ClearDynamics();
    // Draws what was added for the context's view.
    static void DrawInto(ViewContext& context);

private:
    void Redraw();

    IndexedViewSet* m_viewSet = nullptr;
    IndexedViewport* m_viewport = nullptr;
    bool m_batching = false;
    bool m_pending = false;
};
