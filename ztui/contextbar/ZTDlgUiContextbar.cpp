#include "ztui/contextbar/ZTDlgUiContextbar.h"

#include "platform/cad/IViewManager.h"
#include "platform/cad/IViewOutput.h"
#include "platform/host/Executors.h"
#include "platform/host/ModelessDialogManager.h"
#include "platform/win/Modules.h"
#include "ztui/contextbar/ZTContextBarDataMgn.h"
#include "ztui/contextbar/ZTContextBarProxy.h"
#include "ztui/contextbar/ZTContextbarFactory.h"
#include "ztui/contextbar/ZTDlgUiContextbarState.h"
#include "ztui/frame/ZTUiResourceScope.h"
#include "ztui/widgets/IconButton.h"

#include <algorithm>
#include <map>
#include <utility>

namespace zt {

using namespace contextbar;

namespace {

// The bar's horizontal edge rule reacts at one distance from the view's right edge and places
// the bar at another; the vertical one uses a single distance.
constexpr int kRightReach = 300;
constexpr int kRightPlace = 500;
constexpr int kBottomReach = 200;

void RunClick(const TSContextbarInfo& info)
{
    ZTContextbarFactory* factory = ZTContextBarProxy::GetFactory();
    if (!factory)
        return;
    // The factory is the host's code; whatever it does wrong ends with it.
    try {
        factory->OnContextbarChanged(info);
        ZTContextBarDataMgn::instance().addTSOperating(info.operating);
    } catch (...) {
    }
}

} // namespace

IMPLEMENT_DYNAMIC(ZTDlgUiContextbar, CDialogEx)

BEGIN_MESSAGE_MAP(ZTDlgUiContextbar, CDialogEx)
ON_CONTROL_RANGE(BN_CLICKED, ZTDlgUiContextbar::kFirstButtonId, ZTDlgUiContextbar::kLastClickableId,
                 OnButtonClicked)
ON_WM_NCHITTEST()
ON_WM_CTLCOLOR()
ON_WM_ERASEBKGND()
ON_WM_DESTROY()
ON_WM_SYSCOMMAND()
ON_WM_NCLBUTTONUP()
ON_WM_SETCURSOR()
ON_WM_TIMER()
END_MESSAGE_MAP()

ZTDlgUiContextbar::ZTDlgUiContextbar() : CDialogEx(IDD) {}

ZTDlgUiContextbar::~ZTDlgUiContextbar() = default;

POINT ZTDlgUiContextbar::PlaceInParent(int x, int y, int bw, int bh, int parentRight,
                                       int parentBottom)
{
    if (x + bw > parentRight - kRightReach)
        x = parentRight - kRightPlace - bw;
    if (y + bh > parentBottom - kBottomReach)
        y = parentBottom - kBottomReach - bh;
    return POINT{x, y};
}

void ZTDlgUiContextbar::PlaceAt(double x, double y)
{
    CWnd* parent = GetParent();
    if (!parent)
        return;
    CRect client;
    parent->GetClientRect(&client);
    CRect rect;
    GetWindowRect(&rect);
    const POINT pane = PaneOrigin(parent->m_hWnd);
    const POINT at = PlaceInParent(static_cast<int>(x) + pane.x, static_cast<int>(y) + pane.y,
                                   rect.Width(), rect.Height(), client.right, client.bottom);
    SetWindowPos(nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate(TRUE);
    UpdateWindow();
    RememberViewAnchor();
}

BOOL ZTDlgUiContextbar::PreTranslateMessage(MSG* pMsg)
{
    return CDialogEx::PreTranslateMessage(pMsg);
}

void ZTDlgUiContextbar::PostNcDestroy()
{
    if (Bar().window == this)
        Bar().window = nullptr;
    delete this;
}

BOOL ZTDlgUiContextbar::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    EnableToolTips(TRUE);
    BarState& bar = Bar();
    if (bar.barButtons.empty())
        RequestClose();
    m_status.clear();
    const std::vector<TSContextbarInfo> buttons = bar.barButtons;
    m_preselect = bar.barPreselect;
    m_clickType = bar.barClickType;
    BuildButtons(buttons);

    int id = kFirstButtonId;
    if (bar.barOperating != TSOperating_None)
        for (const auto& [op, index] : m_operatingIndex)
            if (op == bar.barOperating) {
                id = kFirstButtonId + index;
                break;
            }
    if (id - kFirstButtonId >= m_buttonCount || !GetButtonControl(id - kFirstButtonId))
        id = kFirstButtonId;
    // Opening the bar sends the pressed operation to the factory as a click would.
    Click(id);
    PlaceAt(bar.barPosition.x, bar.barPosition.y);
    SetTimer(kFollowTimer, kFollowIntervalMs, nullptr);
    return TRUE;
}

void ZTDlgUiContextbar::BuildButtons(const std::vector<TSContextbarInfo>& buttons)
{
    m_buttonCount = 0;
    if (buttons.empty() || !m_hWnd)
        return;
    const bool allCommon = std::none_of(buttons.begin(), buttons.end(), [](const auto& b) {
        return b.kind == TSContextbarKind_Class || b.kind == TSContextbarKind_Last;
    });
    int firstRow = 0, commonRow = 0;
    std::vector<const TSContextbarInfo*> last;
    for (const TSContextbarInfo& b : buttons) {
        if (b.kind == TSContextbarKind_Class)
            CreateOneButton(b, firstRow++, 0);
        else if (b.kind == TSContextbarKind_Common)
            CreateOneButton(b, commonRow++, allCommon ? 0 : kSecondRowOffset);
        else if (b.kind == TSContextbarKind_Last)
            last.push_back(&b);
    }
    for (const TSContextbarInfo* b : last)
        CreateOneButton(*b, firstRow++, 0);
    const SIZE size = SizeFor(buttons);
    SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ZTDlgUiContextbar::CreateOneButton(const TSContextbarInfo& info, int column, int rowOffset)
{
    const int index = static_cast<int>(m_labels.size());
    if (index >= kMaxButtons)
        return;
    const CRect rect(kMargin + kButtonSize * column, kMargin + rowOffset,
                     kMargin + kButtonSize * (column + 1), kMargin + kButtonSize + rowOffset);
    auto* button = new CIconButton;
    if (!button->CreateButton(rect, this, static_cast<UINT>(kFirstButtonId + index))) {
        delete button;
        return;
    }
    button->SetLookBackground(CIconButton::kNormal, kButtonColour);
    button->SetLookBackground(CIconButton::kHover, kHoverColour);
    button->SetLookBackground(CIconButton::kPressed, kPressedColour);
    if (!info.iconLibrary.empty() && !info.iconName.empty()) {
        std::map<WString, HMODULE>& libraries = Bar().iconLibraries;
        HMODULE library = nullptr;
        auto found = libraries.find(info.iconLibrary);
        if (found != libraries.end()) {
            library = found->second;
        } else {
            library = ::LoadLibraryW(info.iconLibrary.c_str());
            if (library)
                libraries.emplace(info.iconLibrary, library);
        }
        if (library) {
            auto icon = static_cast<HICON>(
                ::LoadImageW(library, info.iconName.c_str(), IMAGE_ICON, kIconSize, kIconSize, 0));
            button->SetLookIcon(CIconButton::kNormal, icon, kIconSize, true);
        }
    } else {
        HINSTANCE resources = AfxGetResourceHandle();
        auto load = [resources](std::int32_t id) {
            return id ? static_cast<HICON>(::LoadImageW(resources,
                                                        MAKEINTRESOURCEW(static_cast<unsigned>(id)),
                                                        IMAGE_ICON, kIconSize, kIconSize, 0))
                      : nullptr;
        };
        button->SetLookIcon(CIconButton::kNormal, load(info.iconInId), kIconSize, true);
        if (HICON out = load(info.iconOutId))
            button->SetLookIcon(CIconButton::kHover, out, kIconSize, true);
    }
    Bar().buttonControls[static_cast<std::size_t>(index)] = button;
    m_operatingIndex.emplace_back(info.operating, index);
    m_buttonOperating.emplace_back(info.operating, info.kind);
    m_labels.push_back(info.label);
    m_buttonCount = index + 1;
}

void ZTDlgUiContextbar::OnButtonClicked(UINT id)
{
    Click(static_cast<int>(id));
}

void ZTDlgUiContextbar::Click(int id)
{
    const int index = id - kFirstButtonId;
    if (index >= 0 && index < static_cast<int>(m_buttonOperating.size())) {
        m_clickInfo = TSContextbarInfo{};
        m_clickInfo.operating = m_buttonOperating[static_cast<std::size_t>(index)].first;
        m_clickInfo.kind = m_buttonOperating[static_cast<std::size_t>(index)].second;
        auto* call = new CallerFA<void (*)(const TSContextbarInfo&), TSContextbarInfo, CallableObj>(
            &RunClick, m_clickInfo);
        FuncCall::ToCallOnWorkTread(call);
        call->Release();
    }
    // The work may have closed the bar meanwhile.
    if (!m_hWnd)
        return;
    for (int i = 0; i < m_buttonCount; ++i)
        if (CIconButton* button = GetButtonControl(i))
            button->SetChecked(i == index);
    m_currentId = id;
    ApplyStatus();
}

void ZTDlgUiContextbar::ApplyStatus()
{
    if (!m_hWnd || m_status.empty() || m_buttonCount == 0)
        return;
    for (int i = 0; i < m_buttonCount; ++i) {
        CIconButton* button = GetButtonControl(i);
        if (!button || !button->m_hWnd)
            continue;
        auto entry = m_status.find(m_buttonOperating[static_cast<std::size_t>(i)].first);
        button->EnableWindow(entry == m_status.end() || entry->second ? TRUE : FALSE);
    }
}

BOOL ZTDlgUiContextbar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header && header->code == TTN_NEEDTEXTW) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
        if (info->uFlags & TTF_IDISHWND) {
            const int index =
                ::GetDlgCtrlID(reinterpret_cast<HWND>(header->idFrom)) - kFirstButtonId;
            if (index >= 0 && index < static_cast<int>(m_labels.size())) {
                info->lpszText =
                    const_cast<LPWSTR>(m_labels[static_cast<std::size_t>(index)].c_str());
                if (pResult)
                    *pResult = 0;
                return TRUE;
            }
        }
    }
    return CDialogEx::OnNotify(wParam, lParam, pResult);
}

LRESULT ZTDlgUiContextbar::OnNcHitTest(CPoint point)
{
    const LRESULT hit = CDialogEx::OnNcHitTest(point);
    // The bar is dragged by its background.
    return hit == HTCLIENT ? HTCAPTION : hit;
}

HBRUSH ZTDlgUiContextbar::OnCtlColor(CDC* pDC, CWnd*, UINT)
{
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetBkColor(kKeyColour);
    if (!m_brush.GetSafeHandle())
        m_brush.CreateSolidBrush(kKeyColour);
    return static_cast<HBRUSH>(m_brush.GetSafeHandle());
}

BOOL ZTDlgUiContextbar::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, kFrameColour);
    CRect inside = client;
    inside.DeflateRect(kFrameWidth, kFrameWidth);
    if (!inside.IsRectEmpty())
        pDC->FillSolidRect(&inside, kInsideColour);
    return TRUE;
}

void ZTDlgUiContextbar::OnDestroy()
{
    KillTimer(kFollowTimer);
    if (Bar().window == this)
        TesselModelessDialogManager::Get().Unregister(kDialogName);
    for (CIconButton*& button : Bar().buttonControls) {
        if (!button)
            continue;
        if (button->m_hWnd)
            button->DestroyWindow();
        delete button;
        button = nullptr;
    }
    m_buttonCount = 0;
    CDialogEx::OnDestroy();
}

void ZTDlgUiContextbar::OnSysCommand(UINT nID, LPARAM lParam)
{
    CDialogEx::OnSysCommand(nID, lParam);
    // The move loop is over: the end of the drag places the bar.
    if ((nID & 0xFFF0) == SC_MOVE && m_hWnd) {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        PostMessage(WM_NCLBUTTONUP, HTCAPTION, MAKELPARAM(cursor.x, cursor.y));
    }
}

void ZTDlgUiContextbar::OnNcLButtonUp(UINT nHitTest, CPoint point)
{
    CDialogEx::OnNcLButtonUp(nHitTest, point);
    CWnd* parent = GetParent();
    if (!parent)
        return;
    POINT cursor{};
    ::GetCursorPos(&cursor);
    parent->ScreenToClient(&cursor);
    const POINT pane = PaneOrigin(parent->m_hWnd);
    const DPoint3d at{static_cast<double>(cursor.x - pane.x),
                      static_cast<double>(cursor.y - pane.y), 0.0};
    PlaceAt(at.x, at.y);
    SetBarPosition(at);
}

BOOL ZTDlgUiContextbar::OnSetCursor(CWnd*, UINT, UINT)
{
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    return TRUE;
}

void ZTDlgUiContextbar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kFollowTimer)
        FollowView();
    else
        CDialogEx::OnTimer(nIDEvent);
}

void ZTDlgUiContextbar::RememberViewAnchor()
{
    IndexedViewport* view = SelectedView();
    m_hasAnchor = view != nullptr;
    if (!view)
        return;
    m_viewFrame = view->GetFrameGeneration();
    m_anchorView = view->WorldToView(ZTContextBarDataMgn::instance().getClickPoint());
}

void ZTDlgUiContextbar::FollowView()
{
    IndexedViewport* view = SelectedView();
    if (!view || !m_hasAnchor || view->GetFrameGeneration() == m_viewFrame)
        return;
    // The view panned or zoomed: the bar keeps its place beside the picked element.
    const DPoint3d anchor = view->WorldToView(ZTContextBarDataMgn::instance().getClickPoint());
    const DPoint3d position = Bar().barPosition;
    const DPoint3d moved{position.x + (anchor.x - m_anchorView.x),
                         position.y + (anchor.y - m_anchorView.y), 0.0};
    ZTContextBarProxy::UpdateStartPoint(moved);
    PlaceAt(moved.x, moved.y);
}

} // namespace zt
