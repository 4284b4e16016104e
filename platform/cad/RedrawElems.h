#pragma once
// Geometry drawn as dynamics: shown in the chosen views on top of the model and the
// transients until the cursor moves on, when the next motion draws afresh. Tools and the
// construction aids they drive use it for previews that are not elements.
//
//     RedrawElems redraw;
//     redraw.SetDynamicsViews(IViewManager::GetManager().GetActiveViewSet(), viewport);
//     redraw.DoRedraw(*line, symbology);
//
// Each DoRedraw adds to what the views show and redraws their dynamics at once.

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

    // Forgets every geometry added since the last cursor move (the platform calls it when the
    // cursor moves, before the active tool draws again).
    static void ClearDynamics();
    // Draws what was added for the context's view.
    static void DrawInto(ViewContext& context);

private:
    void Redraw();

    IndexedViewSet* m_viewSet = nullptr;
    IndexedViewport* m_viewport = nullptr;
};
