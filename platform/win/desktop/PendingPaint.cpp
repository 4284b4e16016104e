// The pending-paint index, and the changes to the window tree that keep it in step.
//
// Each window that was given something to paint is queued, and every ancestor of a queued
// window lists the child that leads to it, ordered bottom child first. Finding the next window
// for WM_PAINT then follows those lists from the desktop down instead of walking the tree:
// thousands of clean siblings (the parked editors of a long property list) cost nothing, and a
// parent whose ten thousand children were all invalidated hands them out one after the other.
// The order is the one a walk of the tree would give: a parent before its children, lower
// siblings before higher ones, so that what paints later ends up on top.
#include "platform/win/desktop/DesktopState.h"

namespace zt::win {

namespace {

// Lists w in its ancestors' pending children, up to the first that already leads to it.
void Propagate(Window* w)
{
    for (Window* c = w; c->parent && c->links.linked; c = c->parent)
        if (!c->parent->pendingChildren.insert(c).second)
            return;
}

// Takes w out of its ancestors' lists where nothing below it waits any more.
void Prune(Window* w)
{
    for (Window* c = w; c->parent && !c->paintQueued && c->pendingChildren.empty(); c = c->parent)
        if (c->parent->pendingChildren.erase(c) == 0)
            return;
}

bool LeadsToPaint(const Window* w)
{
    return w->paintQueued || !w->pendingChildren.empty();
}

// Only windows on the way (visible, drawn) are entered, as a walk of the tree would; queued
// windows found clean are noted so that the caller drops them once the search is over.
Window* Search(Window* w, const Window* desktop, std::vector<Window*>& clean)
{
    if (w != desktop) {
        if (!w->IsVisibleFlag() || !w->redraw)
            return nullptr;
        if (NeedsPaint(w))
            return w;
        if (w->paintQueued)
            clean.push_back(w);
    }
    for (Window* c : w->pendingChildren) {
        if (!c->IsVisibleFlag())
            continue;
        if (Window* found = Search(c, desktop, clean))
            return found;
    }
    return nullptr;
}

} // namespace

void QueuePaint(Window* w)
{
    if (!w || w->paintQueued || w->destroyed || !w->links.linked)
        return;
    w->paintQueued = true;
    Propagate(w);
}

void SettlePaint(Window* w)
{
    if (!w->paintQueued || NeedsPaint(w))
        return;
    w->paintQueued = false;
    Prune(w);
}

Window* FindWindowNeedingPaint(Window* root)
{
    DesktopState& d = Desk();
    std::vector<Window*>& clean = d.paintSearchScratch;
    clean.clear();
    Window* found = Search(root, d.desktopWindow.get(), clean);
    for (Window* w : clean)
        SettlePaint(w);
    clean.clear();
    return found;
}

void LinkChild(Window* parent, Window* w, Window* below)
{
    w->parent = parent;
    parent->children.InsertAbove(below, w);
    if (LeadsToPaint(w))
        Propagate(w);
}

void UnlinkChild(Window* w)
{
    Window* parent = w->parent;
    if (!parent || !w->links.linked)
        return;
    if (parent->pendingChildren.erase(w))
        Prune(parent);
    parent->children.Remove(w);
}

} // namespace zt::win
