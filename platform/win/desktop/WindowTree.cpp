// Creating and destroying windows, and the window tree.
#include "platform/win/WinError.h"
#include "platform/win/desktop/DesktopState.h"

#include <algorithm>
#include <cstring>

namespace zt::win {
std::shared_ptr<WndClass> FindClass(LPCWSTR name);

namespace {

constexpr int kDefaultX = 100;
constexpr int kDefaultY = 100;
constexpr int kDefaultWidth = 640;
constexpr int kDefaultHeight = 480;

void InsertChild(Window* parent, Window* w)
{
    // Topmost windows stay above the others; a new window goes on top of its band.
    Window* below = parent->children.front();
    if (!(w->exStyle & WS_EX_TOPMOST))
        while (below && (below->exStyle & WS_EX_TOPMOST))
            below = ChildList::Below(below);
    LinkChild(parent, w, below);
}

// Only owners are looked for among all windows: a parent of thousands of children that owns
// nothing is destroyed without a search per child.
void ForgetOwned(Window* w)
{
    if (w->ownedWindows == 0)
        return;
    for (auto& [h, other] : Desk().windows)
        if (other->owner == w)
            SetOwner(other.get(), nullptr);
}

void SendDestroyTree(HWND h)
{
    Window* w = FindWindowRecord(h);
    if (!w)
        return;
    w->destroying = true;
    SendTo(w, WM_DESTROY, 0, 0);
    w = FindWindowRecord(h);
    if (!w)
        return;
    std::vector<HWND> kids;
    for (Window* c : w->children)
        kids.push_back(c->handle);
    for (HWND c : kids)
        SendDestroyTree(c);
}

void SendNcDestroyTree(HWND h)
{
    Window* w = FindWindowRecord(h);
    if (!w)
        return;
    w->destroying = true;
    std::vector<HWND> kids;
    for (Window* c : w->children)
        kids.push_back(c->handle);
    for (HWND c : kids)
        SendNcDestroyTree(c);
    w = FindWindowRecord(h);
    if (!w)
        return;
    SendTo(w, WM_NCDESTROY, 0, 0);
    w = FindWindowRecord(h);
    if (!w)
        return;
    DesktopState& d = Desk();
    UnlinkChild(w);
    ForgetOwned(w);
    SetOwner(w, nullptr);
    w->destroyed = true;
    if (w->cls)
        --w->cls->windows;
    if (auto hook = GetInbox().destructionHook)
        hook(h);
    for (auto& slot : GetInbox().destructionObservers)
        if (auto observer = slot.load(std::memory_order_acquire))
            observer(h);
    d.Erase(h);
}

void CollectSubtree(Window* w, std::vector<Window*>& out)
{
    out.push_back(w);
    for (Window* c : w->children)
        CollectSubtree(c, out);
}

} // namespace

void SetOwner(Window* w, Window* owner)
{
    if (w->owner)
        --w->owner->ownedWindows;
    w->owner = owner;
    if (owner)
        ++owner->ownedWindows;
}

} // namespace zt::win

using namespace zt::win;

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param)
{
    DesktopState& d = Desk();
    std::shared_ptr<WndClass> cls = FindClass(className);
    if (!cls) {
        SetLastError(1407); // ERROR_CANNOT_FIND_WND_CLASS
        return nullptr;
    }
    Window* parentRec = d.desktopWindow.get();
    Window* owner = nullptr;
    if (style & WS_CHILD) {
        parentRec = FindWindowRecord(parent);
        if (!parentRec || parentRec->destroying) {
            SetLastError(1406); // ERROR_TLW_WITH_WSCHILD
            return nullptr;
        }
    } else if (parent && parent != HWND_MESSAGE) {
        Window* p = FindWindowRecord(parent);
        if (!p) {
            SetLastError(ERROR_INVALID_HANDLE);
            return nullptr;
        }
        owner = TopLevelOf(p);
    }
    if (!(style & WS_CHILD)) {
        style |= WS_CLIPSIBLINGS;
        if (!(style & WS_POPUP))
            style |= WS_CAPTION; // an overlapped window always has a caption
    }
    if (x == CW_USEDEFAULT) {
        x = (style & WS_CHILD) ? 0 : kDefaultX;
        y = (style & WS_CHILD) ? 0 : kDefaultY;
    }
    if (width == CW_USEDEFAULT) {
        width = (style & WS_CHILD) ? 0 : kDefaultWidth;
        height = (style & WS_CHILD) ? 0 : kDefaultHeight;
    }
    x = ClampWindowPosition(x);
    y = ClampWindowPosition(y);
    width = ClampWindowSize(width);
    height = ClampWindowSize(height);

    auto rec = std::make_unique<Window>();
    Window* w = rec.get();
    w->handle = reinterpret_cast<HWND>(d.nextHandle);
    d.nextHandle += 4;
    w->cls = cls;
    w->style = style & ~WS_VISIBLE;
    w->exStyle = exStyle;
    w->parent = parentRec;
    SetOwner(w, owner);
    w->proc = cls->proc;
    w->instance = instance;
    w->id = (style & WS_CHILD) ? reinterpret_cast<LONG_PTR>(menu) : 0;
    w->extra.assign(static_cast<std::size_t>(cls->wndExtra), 0);
    int ox = (style & WS_CHILD) ? parentRec->client.left : 0;
    int oy = (style & WS_CHILD) ? parentRec->client.top : 0;
    w->window = {ox + x, oy + y, ox + x + width, oy + y + height};
    if (!(style & WS_CHILD) && (style & (WS_MINIMIZE | WS_MAXIMIZE))) {
        w->normal = w->window;
        w->hasNormal = true;
    }
    // The procedure hears of the frame only after WM_NCCREATE.
    w->client = DefaultClientFromWindow(w, w->window);
    ++cls->windows;
    HWND h = w->handle;
    d.windows[h] = std::move(rec);
    InsertChild(parentRec, w);
    if (WantsOwnSurface(w))
        EnsureSurface(w);

    CREATESTRUCTW cs{
        param,      instance,  menu,   parent, height, width, y, x, static_cast<LONG>(style),
        windowName, className, exStyle};
    if (auto hook = GetInbox().creationHook)
        hook(h, &cs);
    if (!SendTo(w, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        DestroyWindow(h);
        return nullptr;
    }
    if (!(w = FindWindowRecord(h)))
        return nullptr;
    RecomputeClientRect(w);
    if (SendTo(w, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(h);
        return nullptr;
    }
    if (!(w = FindWindowRecord(h)))
        return nullptr;
    SendTo(w, WM_SIZE, SIZE_RESTORED,
           MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
    if (!(w = FindWindowRecord(h)))
        return nullptr;
    RECT pc = ParentClientOrigin(w);
    SendTo(w, WM_MOVE, 0, MAKELPARAM(w->client.left - pc.left, w->client.top - pc.top));
    if (!(w = FindWindowRecord(h)))
        return nullptr;
    if (w->IsChild() && !(w->exStyle & WS_EX_NOPARENTNOTIFY))
        SendTo(w->parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, static_cast<WORD>(w->id)),
               reinterpret_cast<LPARAM>(h));
    if ((style & WS_VISIBLE) && FindWindowRecord(h)) {
        bool noActivate = (exStyle & WS_EX_NOACTIVATE) || (style & WS_CHILD);
        ShowWindow(h, noActivate ? SW_SHOWNA : SW_SHOW);
    }
    return FindWindowRecord(h) ? h : nullptr;
}

BOOL DestroyWindow(HWND hwnd)
{
    DesktopState& d = Desk();
    Window* w = d.Find(hwnd);
    if (!w || w == d.desktopWindow.get() || w->destroying)
        return FALSE;
    w->destroying = true;
    if (w->IsChild() && !(w->exStyle & WS_EX_NOPARENTNOTIFY))
        SendTo(w->parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, static_cast<WORD>(w->id)),
               reinterpret_cast<LPARAM>(hwnd));
    // Owned windows go first, as on Windows.
    std::vector<HWND> owned;
    if (w->ownedWindows > 0)
        for (auto& [h, other] : d.windows)
            if (other->owner == w && !other->destroying)
                owned.push_back(h);
    for (HWND h : owned)
        DestroyWindow(h);
    if (!(w = d.Find(hwnd)))
        return TRUE;
    if (IsShownOnScreen(w)) {
        if (w->IsChild())
            InvalidateParentArea(w, w->window);
        MarkScreenDirty(w);
    }
    w->style &= ~WS_VISIBLE;
    std::vector<Window*> subtree;
    CollectSubtree(w, subtree);
    for (Window* s : subtree) {
        ForgetCaretOf(s->handle);
        ForgetWindowForInput(s);
        KillWindowTimers(s->handle);
    }
    SendDestroyTree(hwnd);
    SendNcDestroyTree(hwnd);
    FreeGraveyardIfIdle();
    return TRUE;
}

BOOL IsWindow(HWND hwnd)
{
    return FindWindowRecord(hwnd) != nullptr;
}

BOOL IsWindowVisible(HWND hwnd)
{
    Window* w = FindWindowRecord(hwnd);
    return w && IsShownOnScreen(w);
}

BOOL IsWindowEnabled(HWND hwnd)
{
    Window* w = FindWindowRecord(hwnd);
    return w && w->IsEnabledFlag();
}

BOOL IsChild(HWND parent, HWND hwnd)
{
    Window* p = FindWindowRecord(parent);
    Window* w = FindWindowRecord(hwnd);
    if (!p || !w)
        return FALSE;
    while (w && w->IsChild()) {
        w = w->parent;
        if (w == p)
            return TRUE;
    }
    return FALSE;
}

BOOL IsIconic(HWND hwnd)
{
    Window* w = FindWindowRecord(hwnd);
    return w && (w->style & WS_MINIMIZE);
}

BOOL IsZoomed(HWND hwnd)
{
    Window* w = FindWindowRecord(hwnd);
    return w && (w->style & WS_MAXIMIZE);
}

BOOL EnableWindow(HWND hwnd, BOOL enable)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w)
        return FALSE;
    BOOL wasDisabled = !w->IsEnabledFlag();
    if (static_cast<bool>(enable) == !wasDisabled)
        return wasDisabled;
    DesktopState& d = Desk();
    if (enable) {
        w->style &= ~WS_DISABLED;
    } else {
        w->style |= WS_DISABLED;
        if (d.focus && (d.focus == hwnd || IsChild(hwnd, d.focus)))
            SetFocus(nullptr);
        if (d.capture == hwnd)
            ReleaseCapture();
    }
    if ((w = FindWindowRecord(hwnd)))
        SendTo(w, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

HWND GetDesktopWindow()
{
    return Desk().desktopWindow->handle;
}

HWND GetParent(HWND hwnd)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w)
        return nullptr;
    if (w->IsChild())
        return HandleOf(w->parent);
    if (w->style & WS_POPUP)
        return HandleOf(w->owner);
    return nullptr;
}

HWND GetAncestor(HWND hwnd, UINT flags)
{
    Window* w = FindWindowRecord(hwnd);
    DesktopState& d = Desk();
    if (!w || w == d.desktopWindow.get())
        return nullptr;
    switch (flags) {
    case GA_PARENT:
        return HandleOf(w->parent);
    case GA_ROOT:
        return HandleOf(TopLevelOf(w));
    case GA_ROOTOWNER: {
        Window* r = TopLevelOf(w);
        while (r->owner)
            r = r->owner;
        return HandleOf(r);
    }
    default:
        return nullptr;
    }
}

HWND GetWindow(HWND hwnd, UINT cmd)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w)
        return nullptr;
    switch (cmd) {
    case GW_CHILD:
        return w->children.empty() ? nullptr : w->children.front()->handle;
    case GW_OWNER:
        return HandleOf(w->owner);
    case GW_HWNDFIRST:
    case GW_HWNDLAST:
    case GW_HWNDNEXT:
    case GW_HWNDPREV: {
        if (!w->parent || !w->links.linked)
            return nullptr;
        if (cmd == GW_HWNDFIRST)
            return w->parent->children.front()->handle;
        if (cmd == GW_HWNDLAST)
            return w->parent->children.back()->handle;
        return HandleOf(cmd == GW_HWNDNEXT ? ChildList::Below(w) : ChildList::Above(w));
    }
    case GW_ENABLEDPOPUP:
        for (auto& [h, other] : Desk().windows)
            if (other->owner == w && IsShownOnScreen(other.get()) && other->IsEnabledFlag())
                return h;
        return nullptr;
    default:
        return nullptr;
    }
}

HWND GetNextWindow(HWND hwnd, UINT cmd)
{
    return GetWindow(hwnd, cmd);
}

HWND GetTopWindow(HWND hwnd)
{
    return GetWindow(hwnd ? hwnd : GetDesktopWindow(), GW_CHILD);
}

HWND GetDlgItem(HWND dialog, int id)
{
    Window* w = FindWindowRecord(dialog);
    if (!w)
        return nullptr;
    for (Window* c : w->children)
        if (c->id == id)
            return c->handle;
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd)
{
    Window* w = FindWindowRecord(hwnd);
    return w && w->IsChild() ? static_cast<int>(w->id) : 0;
}

namespace {

void CollectDescendants(Window* w, std::vector<HWND>& out)
{
    for (Window* c : w->children) {
        out.push_back(c->handle);
        CollectDescendants(c, out);
    }
}

} // namespace

BOOL EnumChildWindows(HWND parent, WNDENUMPROC fn, LPARAM lParam)
{
    Window* w = parent ? FindWindowRecord(parent) : Desk().desktopWindow.get();
    if (!w || !fn)
        return FALSE;
    // The windows are listed first, so that the callback may create or destroy windows.
    std::vector<HWND> list;
    CollectDescendants(w, list);
    for (HWND h : list)
        if (FindWindowRecord(h) && !fn(h, lParam))
            break;
    return TRUE;
}

BOOL EnumWindows(WNDENUMPROC fn, LPARAM lParam)
{
    if (!fn)
        return FALSE;
    std::vector<HWND> list;
    for (Window* c : Desk().desktopWindow->children)
        list.push_back(c->handle);
    for (HWND h : list)
        if (FindWindowRecord(h) && !fn(h, lParam))
            break;
    return TRUE;
}

HWND FindWindowW(LPCWSTR className, LPCWSTR windowName)
{
    std::shared_ptr<WndClass> cls = className ? FindClass(className) : nullptr;
    if (className && !cls)
        return nullptr;
    for (Window* c : Desk().desktopWindow->children) {
        if (cls && c->cls != cls)
            continue;
        if (windowName && c->text != windowName)
            continue;
        return c->handle;
    }
    return nullptr;
}

DWORD GetCurrentThreadId()
{
    return static_cast<DWORD>(std::hash<std::thread::id>{}(std::this_thread::get_id()));
}
