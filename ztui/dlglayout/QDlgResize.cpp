#include "ztui/dlglayout/QDlgResize.h"

#include "platform/base/Encoding.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace QDlgResize_Space {

namespace {

// Notification codes after which the dialog reads its controls back: an edit lost the focus
// (EN_KILLFOCUS), and 7, 4 and 5, which are the drop-down's opening, focus loss and typed
// change (CBN_DROPDOWN, CBN_KILLFOCUS, CBN_EDITCHANGE).
bool ReadsValuesAfter(UINT code)
{
    return code == EN_KILLFOCUS || code == 7 || code == 4 || code == 5;
}

bool IsMultiLineEdit(HWND h)
{
    return h && ResizeTracker::HasClass(h, L"Edit") &&
           (static_cast<DWORD>(::GetWindowLongW(h, GWL_STYLE)) & ES_MULTILINE);
}

bool ReadInteger(const Json::Value& v, int& out)
{
    if (v.isInt()) {
        out = v.asInt();
        return true;
    }
    if (v.isDouble()) {
        double d = v.asDouble();
        if (!std::isfinite(d) || d < INT_MIN || d > INT_MAX)
            return false;
        out = static_cast<int>(d);
        return true;
    }
    if (v.isBool()) {
        out = v.asBool() ? 1 : 0;
        return true;
    }
    return false;
}

bool ReadText(const Json::Value& v, CString& out)
{
    // Numbers, true/false and null have a text of their own; arrays and objects do not.
    if (!v.isString() && !v.isNumeric() && !v.isBool() && !v.isNull())
        return false;
    out = zt::base::Utf8ToWide(v.asString()).c_str();
    return true;
}

} // namespace

IMPLEMENT_DYNAMIC(QDlgResize, CDialogEx)

BEGIN_MESSAGE_MAP(QDlgResize, CDialogEx)
ON_WM_SIZE()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

QDlgResize::QDlgResize(UINT nIDTemplate, CWnd* pParent)
    : CDialogEx(nIDTemplate, pParent), m_pTracker(std::make_unique<ResizeTracker>())
{
    m_brBackground.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    m_pTracker->SetCWndHandle(this);
}

QDlgResize::~QDlgResize() = default;

BOOL QDlgResize::OnInitDialog()
{
    BOOL result = CDialogEx::OnInitDialog();
    CRect client;
    GetClientRect(&client);
    m_nInitHeight = client.Height();
    m_nInitWidth = client.Width();
    m_bInitialised = true;
    return result;
}

void QDlgResize::SetCWndHandle(CWnd* pWnd)
{
    m_pTracker->SetCWndHandle(pWnd);
}

void QDlgResize::SetGroups(const CtrlGroups& groups)
{
    m_groups = groups;
}

bool QDlgResize::ControlRect(int id, RECT& rect) const
{
    HWND h = m_hWnd ? ::GetDlgItem(m_hWnd, id) : nullptr;
    return ResizeTracker::ChildRect(m_hWnd, h, rect);
}

void QDlgResize::SetGroupsPair(const CtrlPairGroups& groups)
{
    m_groupsPair = groups;
    m_pairIds.clear();
    for (const CtrlPairGroup& group : groups) {
        CtrlGroup& ids = m_pairIds.emplace_back();
        for (const CtrlPairRow& row : group) {
            CtrlRow& idRow = ids.emplace_back();
            for (const CtrlModePair& pair : row)
                idRow.push_back(pair.first);
        }
    }
    m_gaps.clear();
    m_bHasListBox = false;
    for (std::size_t i = 1; i < groups.size(); ++i) {
        RECT upper{};
        RECT lower{};
        bool measured = !groups[i - 1].empty() && !groups[i - 1].front().empty() &&
                        !groups[i].empty() && !groups[i].front().empty() &&
                        ControlRect(groups[i - 1].front().front().first, upper) &&
                        ControlRect(groups[i].front().front().first, lower);
        m_gaps.push_back(measured ? lower.top - upper.bottom : 0);
    }
    m_pTracker->NumberRows(groups);

    CRect client;
    if (m_hWnd)
        GetClientRect(&client);
    int minWidth = 0;
    for (const CtrlPairGroup& group : groups)
        for (const CtrlPairRow& row : group) {
            std::vector<ModeRowItem> items;
            for (const CtrlModePair& pair : row) {
                HWND h = m_hWnd ? ::GetDlgItem(m_hWnd, pair.first) : nullptr;
                m_bHasListBox = m_bHasListBox || ResizeTracker::HasClass(h, L"ListBox");
                ModeRowItem item;
                if (!ResizeTracker::ChildRect(m_hWnd, h, item.rect))
                    continue;
                item.mode = pair.second;
                items.push_back(item);
            }
            minWidth = std::max(minWidth, MinimumRowWidth(items, client.Width()));
        }
    m_pTracker->SetMinLayoutWidth(minWidth);
}

bool QDlgResize::KeepMinimumSize(int cx, int cy)
{
    if (!m_bInitialised || (cx >= m_nInitWidth && cy >= m_nInitHeight))
        return false;
    CRect window;
    GetWindowRect(&window);
    // The frame is what the window has beyond its client area; a window squeezed below its
    // frame has no client area left to tell it, and the frame comes from the styles instead,
    // with the scroll bars, which the system's measure of a frame leaves out.
    const DWORD style = GetStyle();
    CRect frame(0, 0, 0, 0);
    ::AdjustWindowRectEx(&frame, style, FALSE, GetExStyle());
    if (style & WS_VSCROLL)
        frame.right += ::GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL)
        frame.bottom += ::GetSystemMetrics(SM_CYHSCROLL);
    const int frameWidth = cx > 0 ? window.Width() - cx : frame.Width();
    const int frameHeight = cy > 0 ? window.Height() - cy : frame.Height();
    int width = frameWidth + std::max(cx, m_nInitWidth);
    int height = frameHeight + std::max(cy, m_nInitHeight);
    m_bResizing = true;
    SetWindowPos(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_bResizing = false;
    return true;
}

void QDlgResize::OnSize(UINT nType, int cx, int cy)
{
    // The raised size arrives as a size event of its own, which lays the dialog out.
    if (nType != SIZE_MINIMIZED && !m_bResizing && KeepMinimumSize(cx, cy))
        return;
    CDialogEx::OnSize(nType, cx, cy);
    if (nType == SIZE_MINIMIZED)
        return;
    m_pTracker->RecordSize(cx, cy);
    LayoutGroups();
}

void QDlgResize::LayoutGroups()
{
    if (UsesIdLayout()) {
        for (const CtrlGroup& group : m_groups)
            for (const CtrlRow& row : group)
                m_pTracker->LayoutIdRow(row);
        StackGroups(m_groups, nullptr);
    } else if (UsesPairLayout()) {
        for (const CtrlPairGroup& group : m_groupsPair)
            for (const CtrlPairRow& row : group)
                m_pTracker->LayoutModeRow(row);
        StackGroups(m_pairIds, &m_gaps);
    }
}

void QDlgResize::MoveDown(int id, int dy)
{
    HWND h = ::GetDlgItem(m_hWnd, id);
    RECT r;
    if (dy == 0 || !ResizeTracker::ChildRect(m_hWnd, h, r))
        return;
    ::SetWindowPos(h, nullptr, r.left, r.top + dy, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void QDlgResize::StackGroups(const CtrlGroups& groups, const std::vector<int>* gaps)
{
    for (std::size_t i = 0; i + 1 < groups.size(); ++i) {
        const CtrlGroup& upper = groups[i];
        const CtrlGroup& lower = groups[i + 1];
        if (upper.empty() || lower.empty())
            break;
        if (upper.front().empty() || lower.front().empty())
            continue;
        RECT a;
        RECT b;
        if (!ControlRect(upper.front().front(), a) || !ControlRect(lower.front().front(), b))
            continue;
        int gap = !gaps ? kGroupSpacing : i < gaps->size() ? (*gaps)[i] : 0;
        int dy = a.bottom + gap - b.top;
        // Of the first row only the group's head moves: the rest of that row is laid beside it.
        MoveDown(lower.front().front(), dy);
        for (std::size_t row = 1; row < lower.size(); ++row)
            for (int id : lower[row])
                MoveDown(id, dy);
    }
}

void QDlgResize::RestackGroups()
{
    if (!m_hWnd)
        return;
    if (UsesIdLayout()) {
        for (std::size_t i = 0; i < m_groups.size(); ++i)
            StackGroups(m_groups, nullptr);
    } else if (UsesPairLayout()) {
        StackGroups(m_pairIds, &m_gaps);
    }
}

BOOL QDlgResize::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT id = LOWORD(wParam);
    if (id == kCmdRestackGroups)
        RestackGroups();
    else if (id == kCmdUpdateDone)
        OnUpdateDone();
    return CDialogEx::OnCommand(wParam, lParam);
}

void QDlgResize::OnUpdateDone()
{
    if (m_hWnd)
        RedrawWindow(nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void QDlgResize::OnKeyDown(UINT) {}

void QDlgResize::onValueChange()
{
    UpdateData(TRUE);
}

BOOL QDlgResize::UpdateData(BOOL bSaveAndValidate)
{
    if (!m_hWnd)
        return FALSE;
    DoDataExchange(bSaveAndValidate);
    return TRUE;
}

void QDlgResize::DoDataExchange(BOOL) {}

BOOL QDlgResize::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg && pMsg->message == WM_KEYDOWN) {
        OnKeyDown(static_cast<UINT>(pMsg->wParam));
        if (pMsg->wParam == VK_RETURN) {
            onValueChange();
            // Enter takes the typed value; it neither presses the default button nor closes
            // the panel, except in a multi-line edit, where it breaks the line.
            if (!IsMultiLineEdit(::GetFocus()))
                return TRUE;
        }
    }
    return CDialogEx::PreTranslateMessage(pMsg);
}

LRESULT QDlgResize::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && lParam && ReadsValuesAfter(HIWORD(wParam))) {
        auto sender = reinterpret_cast<HWND>(lParam);
        UINT code = HIWORD(wParam);
        // Buttons report focus changes with the same codes, a drop-down sends 7 when it opens
        // (nothing was chosen yet), and a list box reports 5 at every focus change while its
        // value follows its selection.
        bool exempt = ResizeTracker::HasClass(sender, L"Button") ||
                      (code == 7 && ResizeTracker::HasClass(sender, L"ComboBox")) ||
                      ResizeTracker::HasClass(sender, L"ListBox");
        if (!exempt)
            onValueChange();
    }
    return CDialogEx::WindowProc(message, wParam, lParam);
}

HBRUSH QDlgResize::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_DLG && m_brBackground.m_hObject)
        return static_cast<HBRUSH>(m_brBackground.m_hObject);
    return CDialogEx::OnCtlColor(pDC, pWnd, nCtlColor);
}

void QDlgResize::changeStdFloorDataToJsValue(const StdFloorData& pairs, Json::Value& json)
{
    json = Json::Value(Json::arrayValue);
    for (const auto& [number, text] : pairs) {
        Json::Value element(Json::arrayValue);
        element.append(number);
        element.append(zt::base::WideToUtf8(std::wstring_view(text.GetString(), text.GetLength())));
        json.append(element);
    }
}

void QDlgResize::changeStdFloorDataFromJsValue(StdFloorData& pairs, const Json::Value& json)
{
    if (!json.isArray())
        return;
    pairs.clear();
    for (Json::ArrayIndex i = 0; i < json.size(); ++i) {
        const Json::Value& element = json[i];
        if (!element.isArray() || element.size() != 2)
            continue;
        int number = 0;
        CString text;
        if (!ReadInteger(element[0], number) || !ReadText(element[1], text))
            continue;
        pairs.emplace_back(number, text);
    }
}

} // namespace QDlgResize_Space
