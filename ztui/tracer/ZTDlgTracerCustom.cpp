#include "ztui/tracer/ZTDlgTracerCustom.h"

#include "platform/cad/AbstractUiStateManager.h"
#include "platform/cad/IViewManager.h"
#include "ztui/frame/ZTUiResourceScope.h"
#include "ztui/tracer/TracerBoxSlot.h"
#include "ztui/tracer/TracerProxy.h"
#include "ztui/tracer/TracerResources.h"
#include "ztui/tracer/TracerShared.h"
#include "ztui/tracer/ZTTracerFunPoolMgn.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zt {

using namespace tracer_ids;

namespace {

TracerBoxSlot<ZTDlgTracerCustom> g_customBox(kCustomTracerDialogName);

int Round(double v)
{
    return static_cast<int>(std::lround(v));
}

bool SameList(const CtrlList& a, const CtrlList& b)
{
    return a.kind == b.kind && a.texts == b.texts;
}

} // namespace

BEGIN_MESSAGE_MAP(ZTDlgTracerCustom, CDialogEx)
ON_MESSAGE(CCustomEdit::kMsgValueCommitted, OnValueEntered)
ON_MESSAGE(CCustomEdit::kMsgClicked, OnFieldClicked)
ON_BN_CLICKED(kCustomCommit, OnCommitClicked)
ON_WM_TIMER()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

ZTDlgTracerCustom::ZTDlgTracerCustom() : CDialogEx(kDialogCustomTracer) {}

ZTDlgTracerCustom::~ZTDlgTracerCustom()
{
    RemoveRows();
    if (m_hWnd)
        DestroyWindow();
}

ZTDlgTracerCustom& ZTDlgTracerCustom::Instance()
{
    return g_customBox.Get([] { return new ZTDlgTracerCustom; });
}

bool ZTDlgTracerCustom::Exists()
{
    return g_customBox.Exists();
}

void ZTDlgTracerCustom::DestroyInstance()
{
    g_customBox.Destroy();
}

bool ZTDlgTracerCustom::EnsureWindow()
{
    if (m_hWnd && ::IsWindow(m_hWnd))
        return true;
    ZTUiResourceScope resources;
    m_pParentWnd = TracerBoxOwner();
    return Create(kDialogCustomTracer, m_pParentWnd) != FALSE;
}

BOOL ZTDlgTracerCustom::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    if (!m_keyBrush.GetSafeHandle())
        m_keyBrush.CreateSolidBrush(kKeyColour);
    SetBackgroundColor(kKeyColour);
    ModifyStyleEx(0, WS_EX_LAYERED | WS_EX_NOACTIVATE);
    SetLayeredWindowAttributes(kKeyColour, kAlpha, LWA_COLORKEY);
    for (int id : {kCustomCommit, kCustomNoAction})
        if (CWnd* button = GetDlgItem(id))
            button->ShowWindow(SW_HIDE);
    return FALSE;
}

void ZTDlgTracerCustom::PostNcDestroy()
{
    CDialogEx::PostNcDestroy();
    // The child windows went with the box; their objects go now.
    m_rows.clear();
    m_focused = 0;
    m_lastFocusedField = -1;
    m_notify = m_grown = m_widened = m_haveLastTab = false;
    m_focusBefore = nullptr;
}

ZTTracerCusFunBase* ZTDlgTracerCustom::Function() const
{
    return ZTTracerFunPoolMgn::Get().QueryFunPool(m_description.funName);
}

ZTDlgTracerCustom::Row* ZTDlgTracerCustom::RowAt(int index)
{
    for (Row& row : m_rows)
        if (static_cast<int>(row.index) == index)
            return &row;
    return nullptr;
}

const ZTDlgTracerCustom::Row* ZTDlgTracerCustom::RowAt(int index) const
{
    return const_cast<ZTDlgTracerCustom*>(this)->RowAt(index);
}

CCustomEdit* ZTDlgTracerCustom::GetField(int index)
{
    Row* row = RowAt(index);
    return row && row->field && row->field->m_hWnd ? row->field.get() : nullptr;
}

CString ZTDlgTracerCustom::GetLabelText(int index) const
{
    CString text;
    if (const Row* row = RowAt(index); row && row->label && row->label->m_hWnd)
        row->label->GetWindowText(text);
    return text;
}

CString ZTDlgTracerCustom::GetFieldText(int index) const
{
    CString text;
    if (const Row* row = RowAt(index); row && row->field && row->field->m_hWnd)
        row->field->GetWindowText(text);
    return text;
}

bool ZTDlgTracerCustom::IsShaded(int index) const
{
    const Row* row = RowAt(index);
    return row && row->shaded;
}

CRect ZTDlgTracerCustom::DialogRect(int left, int top, int right, int bottom) const
{
    CRect r(left, top, right, bottom);
    MapDialogRect(&r);
    return r;
}

void ZTDlgTracerCustom::OnTracerMessage(const char* name)
{
    if (IsTracerMessage(name, kTracerCreateDlg)) {
        m_fontColour = static_cast<COLORREF>(AbstractUiStateManager::Get().GetInt(
            "Tracer.fontcolor", static_cast<int>(kDefaultFontColour)));
        if (!EnsureWindow())
            return;
        Build();
        ShowWindow(SW_SHOWNOACTIVATE);
        Invalidate();
        return;
    }
    if (!m_hWnd)
        return;
    if (IsTracerMessage(name, kTracerReleseDlg)) {
        ReturnFocus();
        RemoveRows();
        for (int id : {kCustomCommit, kCustomNoAction})
            if (CWnd* button = GetDlgItem(id))
                button->ShowWindow(SW_HIDE);
        m_grown = m_widened = false;
        m_focused = 0;
        ShowWindow(SW_HIDE);
    } else if (IsTracerMessage(name, kTracerMoveTacer)) {
        const DPoint2d s = TracerShared::Get().GetScreenPoint();
        SetWindowPos(nullptr, Round(s.x) + kCursorOffset, Round(s.y) + kCursorOffset, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (IsTracerMessage(name, kTracerUpdateUi)) {
        Refresh();
    } else if (IsTracerMessage(name, kTracerTabDown)) {
        Focus();
    } else if (IsTracerMessage(name, kTracerNumDown)) {
        if (CCustomEdit* field = GetField(0)) {
            const CString text = TracerShared::Get().GetTypedText();
            if (!OwnsFocus())
                m_focusBefore = ::GetFocus();
            field->SetFocus();
            field->SetWindowText(text);
            field->SetSel(text.GetLength(), text.GetLength());
            field->SendMessage(EM_SCROLLCARET);
        }
    }
}

void ZTDlgTracerCustom::RemoveRows()
{
    std::vector<Row> rows = std::move(m_rows);
    m_rows.clear();
    m_returningFocus = true;
    for (Row& row : rows) {
        if (row.field && row.field->m_hWnd)
            row.field->DestroyWindow();
        if (row.label && row.label->m_hWnd)
            row.label->DestroyWindow();
    }
    m_returningFocus = false;
    m_haveLastTab = false;
}

void ZTDlgTracerCustom::Build()
{
    RemoveRows();
    m_description =
        TracerShared::Get().Locked([](TracerSharedData& d) { return d.customDescription; });
    ZTTracerCusFunBase* function = Function();
    CRect base = DialogRect(0, 0, kFieldRight, kRowTop + kRowHeight);
    if (!function) {
        SetWindowPos(nullptr, 0, 0, base.right + kBottomGap, base.bottom + kBottomGap,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    CtrlList list;
    list.kind = static_cast<int>(m_description.kind);
    function->OnPlaceCtrl(list);
    CFont* font = GetFont();
    int y = kRowTop;
    for (const auto& [index, text] : list.texts) {
        Row row;
        row.index = index;
        row.label = std::make_unique<CStatic>();
        row.label->Create(text, WS_CHILD | WS_VISIBLE | SS_LEFT,
                          DialogRect(kLabelLeft, y, kLabelRight, y + kRowHeight), this);
        row.field = std::make_unique<CCustomEdit>();
        const UINT id = static_cast<UINT>(kCustomFieldBase) + index;
        row.field->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                          DialogRect(kFieldLeft, y, kFieldRight, y + kRowHeight), this, id);
        row.field->SetCtrlId(id);
        if (font) {
            row.label->SetFont(font);
            row.field->SetFont(font);
        }
        auto type = list.fieldTypes.find(index);
        row.shaded = type != list.fieldTypes.end() && type->second != 0;
        ShowUnfocused(row);
        m_rows.push_back(std::move(row));
        y += kRowPitch;
    }
    // Only the rows up to the first one show until the focus moves past it.
    CRect first = DialogRect(kFieldLeft, kRowTop, kFieldRight, kRowTop + kRowHeight);
    SetWindowPos(nullptr, 0, 0, first.right + kBottomGap, first.bottom + kBottomGap,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_focused = 0;
    m_grown = m_widened = false;
    Refresh();
}

void ZTDlgTracerCustom::ShowUnfocused(Row& row)
{
    if (!row.field || !row.field->m_hWnd)
        return;
    row.field->SendMessage(CCustomEdit::kMsgShowUnfocused);
    if (row.shaded)
        row.field->SetColors(CCustomEdit::kUnfocusedText, kShadedBack);
}

CtrlList ZTDlgTracerCustom::FieldTexts(int drivingIndex) const
{
    CtrlList list;
    list.kind = static_cast<int>(m_description.kind);
    list.drivingIndex = drivingIndex;
    for (const Row& row : m_rows)
        list.texts[row.index] = GetFieldText(static_cast<int>(row.index));
    return list;
}

void ZTDlgTracerCustom::WriteTexts(const CtrlList& list)
{
    for (Row& row : m_rows) {
        auto it = list.texts.find(row.index);
        if (it == list.texts.end() || !row.field || !row.field->m_hWnd)
            continue;
        CString current;
        row.field->GetWindowText(current);
        if (current != it->second)
            row.field->SetWindowText(it->second);
    }
}

void ZTDlgTracerCustom::Refresh()
{
    ZTTracerCusFunBase* function = Function();
    if (!function || m_rows.empty())
        return;
    CtrlList list = FieldTexts(0);
    DPoint3d start;
    DPoint3d move;
    std::map<unsigned, CString> context;
    TracerShared::Get().Locked([&](TracerSharedData& d) {
        start = d.startPoint;
        move = d.movePoint;
        context = d.customContext;
    });
    function->OnUpdateUi(list, start, move);
    for (const auto& [index, text] : context)
        list.texts[index] = text;
    WriteTexts(list);
    Invalidate();
}

void ZTDlgTracerCustom::PlaceButtons(int index)
{
    CRect row = DialogRect(kButtonsLeft, kRowTop + index * kRowPitch, kButtonsLeft + 20,
                           kRowTop + index * kRowPitch + kRowHeight);
    CRect second = DialogRect(kButtonsLeft + 22, 0, kButtonsLeft + 42, 0);
    if (CWnd* commit = GetDlgItem(kCustomCommit))
        commit->SetWindowPos(nullptr, row.left, row.top, row.Width(), row.Height(),
                             SWP_NOZORDER | SWP_NOACTIVATE);
    if (CWnd* none = GetDlgItem(kCustomNoAction))
        none->SetWindowPos(nullptr, second.left, row.top, second.Width(), row.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE);
}

void ZTDlgTracerCustom::Focus()
{
    if (m_rows.empty())
        return;
    m_notify = true;
    for (Row& row : m_rows)
        ShowUnfocused(row);
    if (m_focused < 0 || m_focused >= GetRowCount())
        m_focused = 0;
    CCustomEdit* field = GetField(m_focused);
    if (!field)
        return;
    if (!OwnsFocus())
        m_focusBefore = ::GetFocus();
    field->SetFocus();
    field->SendMessage(CCustomEdit::kMsgShowFocused);
    m_lastFocusedField = static_cast<int>(kCustomFieldBase) + m_focused;

    const unsigned kind = m_description.kind;
    auto grows = m_description.ctrlTypes.find(kind);
    constexpr int kFirstRow = 0;
    CRect box;
    GetWindowRect(&box);
    if (grows != m_description.ctrlTypes.end() && kFirstRow < m_focused && !m_grown) {
        const int rows = std::min(static_cast<int>(grows->second) + 1, GetRowCount());
        CRect height = DialogRect(0, 0, 0, rows * kRowPitch);
        SetWindowPos(nullptr, 0, 0, box.Width(), height.bottom + kBottomGap,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_grown = true;
        GetWindowRect(&box);
    }
    if (!m_widened) {
        CRect extra = DialogRect(0, 0, kWidening, 0);
        SetWindowPos(nullptr, 0, 0, box.Width() + extra.right, box.Height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_widened = true;
    }
    PlaceButtons(m_focused);
    for (int id : {kCustomCommit, kCustomNoAction})
        if (CWnd* button = GetDlgItem(id))
            button->ShowWindow(SW_SHOWNOACTIVATE);

    CtrlList list = FieldTexts(m_focused);
    if (ZTTracerCusFunBase* function = Function();
        function && (!m_haveLastTab || !SameList(list, m_lastTab))) {
        DPoint3d start;
        DPoint3d result;
        TracerShared::Get().Locked([&](TracerSharedData& d) {
            start = d.startPoint;
            result = d.movePoint;
        });
        function->OnSurePlace(list, start, result);
        m_lastTab = list;
        m_haveLastTab = true;
        WriteTexts(list);
        field->SetSel(0, -1);
        TracerInputValue value;
        value.point = result;
        TracerShared::Get().SetResult(value);
        TracerProxy::DeliverChange();
    }
    m_focused = (m_focused + 1) % GetRowCount();
}

void ZTDlgTracerCustom::Commit(int index)
{
    ZTTracerCusFunBase* function = Function();
    if (!function)
        return;
    CtrlList list = FieldTexts(index);
    DPoint3d start;
    DPoint3d result;
    TracerShared::Get().Locked([&](TracerSharedData& d) {
        start = d.startPoint;
        result = d.movePoint;
    });
    function->OnSurePlace(list, start, result);
    TracerShared::Get().Locked([&](TracerSharedData& d) {
        d.movePoint = result;
        TracerInputValue value;
        value.values = list.texts;
        value.point = result;
        d.result = value;
    });
    TracerProxy::DeliverResult();

    // Re-anchored at the new point, as the distance-and-angle box does.
    if (IndexedViewport* viewport =
            IViewManager::GetManager().GetActiveViewSet().GetSelectedViewport()) {
        const DPoint3d s = viewport->WorldToScreen(result);
        TracerShared::Get().SetScreenPoint(DPoint2d::From(s.x, s.y));
        ::SetCursorPos(Round(s.x), Round(s.y));
    }
    TracerShared::Get().Locked([&](TracerSharedData& d) { d.startPoint = result; });
    TracerProxy::SetTraceStatus(false);
    TracerProxy::ResetTracer();
    for (Row& row : m_rows)
        ShowUnfocused(row);
    m_grown = m_widened = false;
    m_focused = 0;
    Refresh();
}

LRESULT ZTDlgTracerCustom::OnValueEntered(WPARAM wParam, LPARAM lParam)
{
    if (m_returningFocus || !m_hWnd || lParam != CCustomEdit::kReasonEnter)
        return 0;
    const int index = static_cast<int>(wParam) - kCustomFieldBase;
    if (!RowAt(index))
        return 0;
    Commit(index);
    return 0;
}

LRESULT ZTDlgTracerCustom::OnFieldClicked(WPARAM wParam, LPARAM)
{
    const int index = static_cast<int>(wParam) - kCustomFieldBase;
    if (!RowAt(index))
        return 0;
    m_focused = index;
    Focus();
    return 0;
}

void ZTDlgTracerCustom::OnCommitClicked()
{
    if (m_lastFocusedField >= 0)
        PostMessage(CCustomEdit::kMsgValueCommitted, static_cast<WPARAM>(m_lastFocusedField),
                    CCustomEdit::kReasonEnter);
}

bool ZTDlgTracerCustom::OwnsFocus() const
{
    HWND focus = ::GetFocus();
    return focus && m_hWnd && (focus == m_hWnd || ::IsChild(m_hWnd, focus));
}

void ZTDlgTracerCustom::ReturnFocus()
{
    HWND before = std::exchange(m_focusBefore, nullptr);
    if (!OwnsFocus())
        return;
    m_returningFocus = true;
    ::SetFocus(before && ::IsWindow(before) ? before : nullptr);
    m_returningFocus = false;
}

BOOL ZTDlgTracerCustom::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB) {
        TracerProxy::SetTraceStatus(true);
        Focus();
        return TRUE;
    }
    return CDialogEx::PreTranslateMessage(pMsg);
}

void ZTDlgTracerCustom::OnTimer(UINT_PTR)
{
    CDialog* bar = TesselModelessDialogManager::Get().GetDialog(kContextbarDialogName);
    if (!bar || !bar->m_hWnd || !bar->IsWindowVisible())
        return;
    CRect r;
    bar->GetWindowRect(&r);
    SetWindowPos(nullptr, r.right + kContextbarOffset, r.bottom + kContextbarOffset, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HBRUSH ZTDlgTracerCustom::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_EDIT)
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
