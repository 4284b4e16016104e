#pragma once
// Drawing that is not part of the model but shows in the views on every update: markers,
// navigation aids, construction geometry. Register with IViewManager::AddViewTransientHandler;
// each update of each view calls the handler with a context for that view. Drop the handler
// before it is destroyed.

class ViewContext;

class IViewTransients
{
public:
    virtual ~IViewTransients() = default;

    // isPreUpdate is true for the pass before the model is drawn (the platform makes only the
    // pass after it, so this is false).
    virtual void _DrawTransients(ViewContext& context, bool isPreUpdate) = 0;
};

using IViewTransientsP = IViewTransients*;
