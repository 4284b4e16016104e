#include "platform/cad/IndexedViewport.h"

#include "platform/cad/ViewRenderer.h"

void IndexedViewport::ForceHealImmediate()
{
    ViewRenderer::Update(*this, true);
}

void IndexedViewport::UpdateView()
{
    ViewRenderer::Update(*this, false);
}
