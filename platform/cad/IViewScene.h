#pragma once
// The content a view shows beneath its transients and dynamics: the models of the current
// project. The platform's element layer implements it; the view asks it to draw on every full
// update and keeps the drawing while neither the view nor the content changed.

class ViewContext;

class IViewScene
{
public:
    virtual ~IViewScene() = default;

    virtual void _DrawScene(ViewContext& context) = 0;
    // Changes whenever what _DrawScene would draw changes (an element added, moved, deleted;
    // a model shown or hidden).
    virtual unsigned long long _GetSceneGeneration() const = 0;
};
