#include "ztui/tracer/ZTDlgArchTracer.h"

#include "platform/cad/AbstractUiStateManager.h"
#include "platform/cad/IViewManager.h"
#include "ztui/frame/ZTUiResourceScope.h"
#include "ztui/tracer/TracerBoxSlot.h"
#include "ztui/tracer/TracerGeometry.h"
#include "ztui/tracer/TracerProxy.h"
#include "ztui/tracer/TracerResources.h"
#include "ztui/tracer/TracerShared.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zt {

using namespace tracer_ids;

namespace {

TracerBoxSlot<ZTDlgArchTracer> g_archBox(kArchTracerDialogName);

IndexedViewport* SelectedViewport()
{
    return IViewManager::GetManager().GetActiveViewSet().GetSelectedViewport();
}

int Round(double v)
{
    return static_cast<int>(std::lround(v));
}

const std::vector<int> kArchTabOrder = {kDistance, kAngle, kX, kY};

} // namespace

BEGIN_MESSAGE_MAP(ZTDlgArchTracer, CDialogEx)
ON_MESSAGE(CCustomEdit::kMsgValueCommitted, OnValueEntered)
ON_MESSAGE(CCustomEdit::kMsgClicked, OnFieldClicked)
ON_BN_CLICKED(kCommit, OnCommitClicked)
ON_WM_TIMER()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

ZTDlgArchTracer::ZTDlgArchTracer(UINT templateId) : CDialogEx(templateId), m_templateId(templateId)
{}

ZTDlgArchTracer::~ZTDlgArchTracer()
{
    if (m_hWnd)
        DestroyWindow();
}

ZTDlgArchTracer& ZTDlgArchTracer::Instance()
{
    return g_archBox.Get([] { return new ZTDlgArchTracer(kDialogArchTracer); });
}

bool ZTDlgArchTracer::Exists()
{
    return g_archBox.Exists();
}

void ZTDlgArchTracer::DestroyInstance()
{
    g_archBox.Destroy();
}

bool ZTDlgArchTracer::EnsureWindow()
{
    if (m_hWnd && ::IsWindow(m_hWnd))
        return true;
    ZTUiResourceScope resources;
    m_pParentWnd = TracerBoxOwner();
    return Create(m_templateId, m_pParentWnd) != FALSE;
}

const std::vector<int>& ZTDlgArchTracer::TabOrder() const
{
    return kArchTabOrder;
}

int ZTDlgArchTracer::NumberField() const
{
    return kDistance;
}

int ZTDlgArchTracer::ExpandField() const
{
    return kX;
}

int ZTDlgArchTracer::CollapsedLastField() const
{
    return kAngle;
}

std::vector<int> ZTDlgArchTracer::HiddenControls() const
{
    return {kFirstLabel, kSecondLabel, kFirst, kSecond};
}

bool ZTDlgArchTracer::PointFromExtraField(int, double&, double&, double&, double&, DPoint3d&)
{
    return false;
}

CCustomEdit* ZTDlgArchTracer::GetField(int id)
{
    for (std::size_t i = 0; i < kFieldIds.size(); ++i)
        if (kFieldIds[i] == id)
            return m_fields[i].m_hWnd ? &m_fields[i] : nullptr;
    return nullptr;
}

CString ZTDlgArchTracer::GetFieldText(int id) const
{
    CString text;
    if (CCustomEdit* field = const_cast<ZTDlgArchTracer*>(this)->GetField(id))
        field->GetWindowText(text);
    return text;
}

BOOL ZTDlgArchTracer::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    for (std::size_t i = 0; i < kFieldIds.size(); ++i) {
        m_fields[i].SubclassDlgItem(static_cast<UINT>(kFieldIds[i]), this);
        m_fields[i].SetCtrlId(static_cast<UINT>(kFieldIds[i]));
        m_fields[i].SendMessage(CCustomEdit::kMsgShowUnfocused);
    }
    for (int id : HiddenControls())
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(SW_HIDE);
    if (!m_keyBrush.GetSafeHandle())
        m_keyBrush.CreateSolidBrush(kKeyColour);
    SetBackgroundColor(kKeyColour);
    // See-through wherever the box shows its key colour, and never the active window, so that
    // the view keeps its keyboard and the tool its clicks.
    ModifyStyleEx(0, WS_EX_LAYERED | WS_EX_NOACTIVATE);
    SetLayeredWindowAttributes(kKeyColour, kAlpha, LWA_COLORKEY);

    CRect unit(0, 0, 2, 2);
    MapDialogRect(&unit);
    m_margin = std::max<int>(1, unit.right);
    m_commitRect = ChildRect(kCommit);
    m_noActionRect = ChildRect(kNoAction);

    Resize(NarrowWidth(), CollapsedHeight());
    for (int id : {kCommit, kNoAction})
        if (CWnd* button = GetDlgItem(id))
            button->ShowWindow(SW_HIDE);
    m_rowsCollapsed = true;
    m_buttonsHidden = true;
    PlaceButtonsBeside(TabOrder().front());
    m_focusedId = -1;
    // No control takes the focus: the box is created hidden and must not take the keyboard.
    return FALSE;
}

void ZTDlgArchTracer::PostNcDestroy()
{
    CDialogEx::PostNcDestroy();
    m_focusedId = -1;
    m_rowsCollapsed = false;
    m_buttonsHidden = false;
    m_notify = false;
    m_focusBefore = nullptr;
}

void ZTDlgArchTracer::OnTracerMessage(const char* name)
{
    if (IsTracerMessage(name, kTracerInit)) {
        EnsureWindow();
        return;
    }
    if (IsTracerMessage(name, kTracerCreateDlg)) {
        m_fontColour = static_cast<COLORREF>(AbstractUiStateManager::Get().GetInt(
            "Tracer.fontcolor", static_cast<int>(kDefaultFontColour)));
        if (EnsureWindow())
            ShowFollowing();
        return;
    }
    if (!m_hWnd)
        return;
    if (IsTracerMessage(name, kTracerReleseDlg)) {
        ReturnFocus();
        ShowWindow(SW_HIDE);
    } else if (IsTracerMessage(name, kTracerMoveTacer)) {
        Follow();
    } else if (IsTracerMessage(name, kTracerMoveCurso)) {
        const DPoint2d s = TracerShared::Get().GetScreenPoint();
        ::SetCursorPos(Round(s.x), Round(s.y));
    } else if (IsTracerMessage(name, kTracerUpdateUi)) {
        Refresh(TracerShared::Get().GetMovePoint());
    } else if (IsTracerMessage(name, kTracerTabDown)) {
        FocusNext();
    } else if (IsTracerMessage(name, kTracerNumDown)) {
        TakeNumber();
    }
}

CRect ZTDlgArchTracer::ChildRect(int id) const
{
    CRect r;
    if (CWnd* child = GetDlgItem(id)) {
        child->GetWindowRect(&r);
        ScreenToClient(&r);
    }
    return r;
}

void ZTDlgArchTracer::Resize(int width, int height)
{
    SetWindowPos(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int ZTDlgArchTracer::CollapsedHeight() const
{
    return ChildRect(CollapsedLastField()).bottom + m_margin;
}

int ZTDlgArchTracer::ExpandedHeight() const
{
    return ChildRect(kZ).bottom + m_margin;
}

int ZTDlgArchTracer::NarrowWidth() const
{
    return ChildRect(kDistance).right + m_margin;
}

int ZTDlgArchTracer::WideWidth() const
{
    return m_noActionRect.right + m_margin;
}

void ZTDlgArchTracer::PlaceButtonsBeside(int fieldId)
{
    const CRect row = ChildRect(fieldId);
    for (auto [id, rect] : {std::pair{kCommit, m_commitRect}, std::pair{kNoAction, m_noActionRect}})
        if (CWnd* button = GetDlgItem(id))
            button->SetWindowPos(nullptr, rect.left, row.top, rect.Width(), row.Height(),
                                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool ZTDlgArchTracer::OwnsFocus() const
{
    HWND focus = ::GetFocus();
    return focus && m_hWnd && (focus == m_hWnd || ::IsChild(m_hWnd, focus));
}

void ZTDlgArchTracer::ReturnFocus()
{
    HWND before = std::exchange(m_focusBefore, nullptr);
    if (!OwnsFocus())
        return;
    // The field that loses the focus reports it; the value it holds means nothing any more.
    m_returningFocus = true;
    ::SetFocus(before && ::IsWindow(before) ? before : nullptr);
    m_returningFocus = false;
}

void ZTDlgArchTracer::SetFieldText(int id, const CString& text)
{
    CCustomEdit* field = GetField(id);
    if (!field)
        return;
    CString current;
    field->GetWindowText(current);
    if (current != text)
        field->SetWindowText(text);
}

double ZTDlgArchTracer::ReadField(int id) const
{
    return TracerReadNumber(GetFieldText(id));
}

void ZTDlgArchTracer::Follow()
{
    const DPoint2d s = TracerShared::Get().GetScreenPoint();
    SetWindowPos(nullptr, Round(s.x) + kCursorOffset, Round(s.y) + kCursorOffset, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    bool fromStart = false;
    DPoint3d start;
    const DPoint3d move = TracerShared::Get().Locked([&](TracerSharedData& d) {
        start = d.startPoint;
        if (d.startPointSet) {
            d.movePoint = d.startPoint;
            d.startPointSet = false;
            fromStart = true;
        }
        return d.movePoint;
    });
    if (fromStart) {
        Refresh(move);
        return;
    }
    // At the start point itself the values would only flicker between zero and one pixel.
    IndexedViewport* viewport = SelectedViewport();
    if (!viewport) {
        Refresh(move);
        return;
    }
    const DPoint3d t = viewport->WorldToScreen(start);
    const double dx = s.x - t.x;
    const double dy = s.y - t.y;
    if (dx * dx + dy * dy > 1.0)
        Refresh(move);
}

void ZTDlgArchTracer::Refresh(const DPoint3d& point)
{
    const TracerFieldValues v = TracerFieldValues::Of(TracerShared::Get().GetStartPoint(), point);
    SetFieldText(kDistance, v.DistanceText());
    SetFieldText(kAngle, v.AngleText());
    SetFieldText(kX, v.DxText());
    SetFieldText(kY, v.DyText());
    SetFieldText(kZ, TracerFieldValues::ZText());
    SetFieldText(kFirst, v.AbsDxText());
    SetFieldText(kSecond, v.AbsDyText());
}

void ZTDlgArchTracer::FocusField(int id)
{
    if (!m_hWnd)
        return;
    m_notify = true;
    if (id == kZ) {
        m_focusedId = id;
        return;
    }
    CCustomEdit* field = GetField(id);
    if (!field)
        return;
    for (int other : TabOrder())
        if (CCustomEdit* f = GetField(other))
            f->SendMessage(CCustomEdit::kMsgShowUnfocused);
    if (!OwnsFocus())
        m_focusBefore = ::GetFocus();
    field->SetFocus();
    field->SendMessage(CCustomEdit::kMsgShowFocused);
    m_focusedId = id;
    PlaceButtonsBeside(id);
    CRect box;
    GetWindowRect(&box);
    if (m_buttonsHidden) {
        Resize(WideWidth(), box.Height());
        for (int b : {kCommit, kNoAction})
            if (CWnd* button = GetDlgItem(b))
                button->ShowWindow(SW_SHOWNOACTIVATE);
        m_buttonsHidden = false;
        GetWindowRect(&box);
    }
    if (id == ExpandField() && m_rowsCollapsed) {
        Resize(box.Width(), ExpandedHeight());
        m_rowsCollapsed = false;
    }
}

void ZTDlgArchTracer::FocusNext()
{
    const std::vector<int>& order = TabOrder();
    if (order.empty())
        return;
    auto at = std::find(order.begin(), order.end(), m_focusedId);
    int next = order.front();
    if (at != order.end() && at + 1 != order.end())
        next = *(at + 1);
    FocusField(next);
}

void ZTDlgArchTracer::TakeNumber()
{
    CCustomEdit* field = GetField(NumberField());
    if (!field)
        return;
    const CString text = TracerShared::Get().GetTypedText();
    if (!OwnsFocus())
        m_focusBefore = ::GetFocus();
    field->SetFocus();
    field->SetWindowText(text);
    field->SetSel(text.GetLength(), text.GetLength());
    field->SendMessage(EM_SCROLLCARET);
    m_focusedId = NumberField();
}

void ZTDlgArchTracer::ShowFollowing()
{
    CRect box;
    GetWindowRect(&box);
    if (!m_rowsCollapsed) {
        Resize(box.Width(), CollapsedHeight());
        m_rowsCollapsed = true;
        GetWindowRect(&box);
    }
    if (!m_buttonsHidden) {
        Resize(NarrowWidth(), box.Height());
        for (int b : {kCommit, kNoAction})
            if (CWnd* button = GetDlgItem(b))
                button->ShowWindow(SW_HIDE);
        m_buttonsHidden = true;
    }
    PlaceButtonsBeside(TabOrder().front());
    m_focusedId = -1;
    ReturnFocus();
    for (int id : TabOrder())
        if (CCustomEdit* f = GetField(id))
            f->SendMessage(CCustomEdit::kMsgShowUnfocused);
    ShowWindow(SW_SHOWNOACTIVATE);
    Invalidate();
}

LRESULT ZTDlgArchTracer::OnValueEntered(WPARAM wParam, LPARAM lParam)
{
    if (m_returningFocus || !m_hWnd)
        return 0;
    const int f = static_cast<int>(wParam);
    const DPoint3d a0 = TracerShared::Get().GetStartPoint();
    double d = ReadField(kDistance);
    double a = ReadField(kAngle);
    double x = ReadField(kX);
    double y = ReadField(kY);
    const double z = ReadField(kZ);
    DPoint3d p;
    bool havePoint = false;
    if (f == kDistance || f == kAngle) {
        // The field shows an unsigned angle: below the start the direction runs clockwise.
        if (y < 0)
            a = 360.0 - a;
        p = TracerPolarPoint(a0, d, a);
        Refresh(p);
        x = p.x - a0.x;
        y = p.y - a0.y;
        havePoint = true;
    } else if (f == kX || f == kY) {
        p = DPoint3d::From(a0.x + x, a0.y + y, a0.z);
        d = a0.Distance(p);
        a = TracerUnsignedAngle(x, y);
        Refresh(p);
        havePoint = true;
    } else {
        havePoint = PointFromExtraField(f, d, a, x, y, p);
    }
    if (havePoint && lParam == CCustomEdit::kReasonEnter) {
        Commit(p);
        ReAnchor(p);
    }
    if (m_notify) {
        m_notify = false;
        DeliverChange(a0, d, a, x, y, z);
    }
    return 0;
}

void ZTDlgArchTracer::Commit(const DPoint3d& point)
{
    // The point and the result from it in one step: a cursor move from the work thread must
    // not replace the point between the two.
    TracerShared::Get().Locked([&](TracerSharedData& d) {
        d.movePoint = point;
        const TracerFieldValues v = TracerFieldValues::Of(d.startPoint, point);
        TracerInputValue result;
        result.distance = v.distance;
        result.angle = TracerUnsignedAngle(v.dx, v.dy);
        result.dx = v.dx;
        result.dy = v.dy;
        result.dz = 0.0;
        result.point = point;
        d.result = result;
    });
    TracerProxy::DeliverResult();
}

void ZTDlgArchTracer::ReAnchor(const DPoint3d& point)
{
    if (IndexedViewport* viewport = SelectedViewport()) {
        const DPoint3d s = viewport->WorldToScreen(point);
        TracerShared::Get().SetScreenPoint(DPoint2d::From(s.x, s.y));
        ::SetCursorPos(Round(s.x), Round(s.y));
    }
    TracerShared::Get().Locked([&](TracerSharedData& d) { d.startPoint = point; });
    TracerProxy::SetTraceStatus(false);
    TracerProxy::ResetTracer();
    Refresh(point);
}

void ZTDlgArchTracer::DeliverChange(const DPoint3d& start, double d, double a, double x, double y,
                                    double z)
{
    TracerInputValue value;
    value.distance = d;
    value.angle = a;
    value.dx = x;
    value.dy = y;
    value.dz = z;
    value.point = DPoint3d::From(start.x + x, start.y + y, start.z + z);
    m_lastValue = value;
    TracerShared::Get().SetResult(value);
    TracerProxy::DeliverChange();
}

LRESULT ZTDlgArchTracer::OnFieldClicked(WPARAM wParam, LPARAM)
{
    FocusField(static_cast<int>(wParam));
    return 0;
}

void ZTDlgArchTracer::OnCommitClicked()
{
    if (m_focusedId >= 0)
        SendMessage(CCustomEdit::kMsgValueCommitted, static_cast<WPARAM>(m_focusedId),
                    CCustomEdit::kReasonEnter);
}

BOOL ZTDlgArchTracer::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg && pMsg->message == WM_KEYDOWN) {
        if (pMsg->wParam == VK_TAB) {
            TracerProxy::SetTraceStatus(true);
            FocusNext();
            return TRUE;
        }
        if (pMsg->wParam == VK_LEFT) {
            TracerProxy::SetTraceStatus(false);
            ShowFollowing();
            return TRUE;
        }
    }
    return CDialogEx::PreTranslateMessage(pMsg);
}

void ZTDlgArchTracer::OnTimer(UINT_PTR)
{
    CDialog* bar = TesselModelessDialogManager::Get().GetDialog(kContextbarDialogName);
    if (!bar || !bar->m_hWnd || !bar->IsWindowVisible())
        return;
    CRect r;
    bar->GetWindowRect(&r);
    SetWindowPos(nullptr, r.right + kContextbarOffset, r.bottom + kContextbarOffset, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HBRUSH ZTDlgArchTracer::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    const int id = pWnd ? pWnd->GetDlgCtrlID() : 0;
    // The value fields answer for themselves.
    if (std::find(kFieldIds.begin(), kFieldIds.end(), id) != kFieldIds.end())
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    if (nCtlColor == CTLCOLOR_STATIC || nCtlColor == CTLCOLOR_BTN || nCtlColor == CTLCOLOR_DLG) {
        if (pDC) {
            pDC->SetTextColor(m_fontColour);
            pDC->SetBkMode(TRANSPARENT);
            pDC->SetBkColor(kKeyColour);
        }
        return static_cast<HBRUSH>(m_keyBrush.GetSafeHandle());
    }
    return CDialogEx::OnCtlColor(pDC, pWnd, nCtlColor);
}

} // namespace zt
