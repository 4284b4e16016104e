#pragma once
// What a view, a spatial index or the host's object cache hears about changes of the
// current project's content. Calls come after the change, on the thread that made it (the
// work thread), outside every lock of the project, so a listener may read the project; undo
// and redo report what they change the same way. A listener that changes elements from its
// call gets the calls of those changes after its own returns.

class DgnProject;
class ElementRef;

class IElementChangeListener
{
public:
    virtual ~IElementChangeListener() = default;

    virtual void OnElementAdded(ElementRef& element) = 0;
    virtual void OnElementChanged(ElementRef& element) = 0;
    virtual void OnElementDeleted(ElementRef& element) = 0;
    // The level table changed (a level was created, changed or deleted).
    virtual void OnLevelsChanged(DgnProject&) {}
};
