// The context bar's static interface: the state the factory sets, the queued show and close
// requests, and the one window made from that state.

#include "ztui/contextbar/ZTDlgUiContextbarState.h"

#include "platform/cad/IViewManager.h"
#include "platform/cad/IViewOutput.h"
#include "platform/host/Executors.h"
#include "platform/host/ModelessDialogManager.h"
#include "platform/win/Modules.h"
#include "ztui/contextbar/ZTContextBarProxy.h"
#include "ztui/frame/ZTUiResourceScope.h"

#include <algorithm>
#include <atomic>
#include <utility>

namespace zt {

namespace contextbar {

namespace {

// Made on first use and freed by the library's detach, which in a linked program runs after
// the static objects are gone, and still has to close the window and let the icon libraries go.
constinit BarState* g_bar = nullptr;

} // namespace

BarState& Bar()
{
    if (!g_bar)
        g_bar = new BarState;
    return *g_bar;
}

BarState* ExistingBar()
{
    return g_bar;
}

void FreeBar()
{
    delete std::exchange(g_bar, nullptr);
}

IndexedViewport* SelectedView()
{
    return IViewManager::GetManager().GetActiveViewSet().GetSelectedViewport();
}

HWND ViewWindowOfSelected()
{
    IndexedViewport* view = SelectedView();
    IViewOutput* output = view ? view->GetIViewOutput() : nullptr;
    return output ? output->GetWindow() : nullptr;
}

POINT PaneOrigin(HWND parent)
{
    IndexedViewport* view = SelectedView();
    IViewOutput* output = view ? view->GetIViewOutput() : nullptr;
    if (!output || output->GetWindow() != parent)
        return POINT{0, 0};
    RECT r = output->GetViewRect();
    return POINT{r.left, r.top};
}

} // namespace contextbar

using namespace contextbar;

namespace {

// Show and close requests are numbered; a queued request that a later one overtook is void.
std::atomic<std::uint64_t> g_lastRequest{0};

void RunRequest(std::uint64_t number, bool show)
{
    if (number != g_lastRequest.load())
        return;
    if (show)
        ZTDlgUiContextbar::Show();
    else
        ZTDlgUiContextbar::Close();
}

void QueueRequest(bool show)
{
    const std::uint64_t number = ++g_lastRequest;
    auto* call = new CallerFAA<void (*)(std::uint64_t, bool), std::uint64_t, bool, CallableObj>(
        &RunRequest, number, show);
    FuncCall::ToCallOnUITread(call);
    call->Release();
}

} // namespace

void ZTDlgUiContextbar::SetBarState(const TSContextbarButton& record)
{
    BarState& bar = Bar();
    bar.barButtons = record.buttons;
    bar.barPreselect = record.preselect;
    bar.barClickType = record.clickType;
    bar.barOperating = record.operating;
    ++bar.generation;
}

void ZTDlgUiContextbar::ClearBarButtons()
{
    Bar().barButtons.clear();
    ++Bar().generation;
}

const std::vector<TSContextbarInfo>& ZTDlgUiContextbar::GetBarButtons()
{
    return Bar().barButtons;
}

TSOperating ZTDlgUiContextbar::GetBarOperating()
{
    return Bar().barOperating;
}

bool ZTDlgUiContextbar::GetBarPreselect()
{
    return Bar().barPreselect;
}

TSClickType ZTDlgUiContextbar::GetBarClickType()
{
    return Bar().barClickType;
}

void ZTDlgUiContextbar::SetBarPosition(const DPoint3d& point)
{
    Bar().barPosition = DPoint3d{point.x, point.y, 0.0};
}

DPoint3d ZTDlgUiContextbar::GetBarPosition()
{
    return Bar().barPosition;
}

void ZTDlgUiContextbar::RequestShow()
{
    QueueRequest(true);
}

void ZTDlgUiContextbar::RequestClose()
{
    QueueRequest(false);
}

ZTDlgUiContextbar* ZTDlgUiContextbar::GetWindow()
{
    return Bar().window;
}

void ZTDlgUiContextbar::Show()
{
    BarState& bar = Bar();
    // A window built from buttons that have been replaced since is not this bar's window.
    if (bar.window && bar.window->m_builtFrom != bar.generation)
        Close();
    ZTUiResourceScope resources;
    if (!bar.window) {
        HWND parent = ViewWindowOfSelected();
        if (!parent)
            return;
        auto* dialog = new ZTDlgUiContextbar;
        bar.window = dialog;
        dialog->m_builtFrom = bar.generation;
        if (!dialog->Create(IDD, CWnd::FromHandle(parent))) {
            // A window that came and went has deleted its object already.
            if (bar.window == dialog) {
                bar.window = nullptr;
                if (!dialog->m_hWnd)
                    delete dialog;
            }
            return;
        }
        dialog->SetBackgroundColor(kKeyColour);
        dialog->ModifyStyleEx(0, WS_EX_LAYERED | WS_EX_NOACTIVATE);
        dialog->SetLayeredWindowAttributes(kKeyColour, kAlpha, LWA_COLORKEY | LWA_ALPHA);
        dialog->EnableWindow(TRUE);
        TesselModelessDialogManager::Get().Register(kDialogName, dialog);
    } else {
        bar.window->ShowWindow(SW_HIDE);
    }
    bar.window->ShowWindow(SW_SHOWNOACTIVATE);
}

void ZTDlgUiContextbar::Close()
{
    ZTDlgUiContextbar* window = Bar().window;
    if (!window)
        return;
    if (window->m_hWnd) {
        window->SendMessage(WM_CLOSE);
        // The close may already have destroyed it (and so deleted it).
        if (Bar().window == window && window->m_hWnd)
            window->DestroyWindow();
    }
    if (Bar().window == window) {
        // A window object whose window never came or went without deleting itself.
        Bar().window = nullptr;
        if (!window->m_hWnd)
            delete window;
    }
}

void ZTDlgUiContextbar::ReleaseResources()
{
    BarState* bar = ExistingBar();
    if (!bar)
        return;
    Close();
    for (auto& [name, module] : bar->iconLibraries)
        if (module)
            ::FreeLibrary(module);
    FreeBar();
}

bool ZTDlgUiContextbar::IsBarVisible()
{
    ZTDlgUiContextbar* window = Bar().window;
    return window && window->m_hWnd && window->IsWindowVisible();
}

bool ZTDlgUiContextbar::GetBarScreenRect(RECT& rect)
{
    ZTDlgUiContextbar* window = Bar().window;
    if (!window || !window->m_hWnd)
        return false;
    return ::GetWindowRect(window->m_hWnd, &rect) != FALSE;
}

SIZE ZTDlgUiContextbar::SizeFor(const std::vector<TSContextbarInfo>& buttons)
{
    int k0 = 0, k1 = 0, k2 = 0;
    for (const TSContextbarInfo& b : buttons) {
        if (b.kind == TSContextbarKind_Class)
            ++k0;
        else if (b.kind == TSContextbarKind_Common)
            ++k1;
        else if (b.kind == TSContextbarKind_Last)
            ++k2;
    }
    const int w = kButtonSize, h = kButtonSize;
    return SIZE{w * std::max(k1, k0 + k2) + 2 * kMargin,
                (k0 > 0 ? h : 0) + (k1 > 0 ? h : 0) + 2 * kMargin};
}

void ZTDlgUiContextbar::QueryBarSize(int& width, int& height)
{
    ZTContextBarProxy::SetStartPointOnly(Bar().barPosition);
    width = height = 0;
    ZTDlgUiContextbar* window = Bar().window;
    if (!window || !window->m_hWnd)
        return;
    CRect rect;
    window->GetWindowRect(&rect);
    width = rect.Width() - 2 * kMargin;
    height = rect.Height() - 2 * kMargin;
}

void ZTDlgUiContextbar::MoveBarTo(double x, double y)
{
    ZTDlgUiContextbar* window = Bar().window;
    if (window && window->m_hWnd)
        window->PlaceAt(x, y);
}

void ZTDlgUiContextbar::ApplyStatusUpdate(const TSContextbarStatus& status)
{
    ZTDlgUiContextbar* window = Bar().window;
    if (!window || !window->m_hWnd)
        return;
    window->m_status = status;
    window->ApplyStatus();
}

CIconButton* ZTDlgUiContextbar::GetButtonControl(int index)
{
    if (index < 0 || index >= kMaxButtons)
        return nullptr;
    return Bar().buttonControls[static_cast<std::size_t>(index)];
}

} // namespace zt
