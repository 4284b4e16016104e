#include "ztui/proplist/editors/actrl_Edit.h"

#include "platform/host/IFormatCheck.h"
#include "ztui/proplist/editors/actrl_Edit_msgHook.h"
#include "ztui/proplist/painting/EditFacePainter.h"
#include "ztui/proplist/style/PropertyStyle.h"

namespace zt {

namespace {

bool CtrlHeld()
{
    return (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

} // namespace

BEGIN_MESSAGE_MAP(actrl_Edit, CEdit)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_CONTROL_REFLECT(EN_CHANGE, OnTextChange)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

actrl_Edit::actrl_Edit() : m_alive(std::make_shared<bool>(true)) {}

actrl_Edit::~actrl_Edit()
{
    *m_alive = false;
    if (m_hWnd)
        DestroyWindow();
}

BOOL actrl_Edit::CreateEdit(const RECT& rect, CWnd* parent, UINT id, bool readOnly)
{
    m_readOnly = readOnly;
    DWORD style =
        m_editType == MultiTextEdit
            ? WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_WANTRETURN | ES_AUTOVSCROLL | ES_MULTILINE
            : WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOHSCROLL;
    if (readOnly)
        style |= ES_READONLY;
    if (!Create(style, rect, parent, id))
        return FALSE;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    UpdateFormattingRect();
    return TRUE;
}

void actrl_Edit::SetFormatCheck(IFormatCheck* check)
{
    m_formatCheck = check;
    Validate();
}

void actrl_Edit::SetPlaceholder(const CString& text)
{
    if (text == m_placeholder)
        return;
    m_placeholder = text;
    Validate();
}

void actrl_Edit::Validate()
{
    m_valid = true;
    m_errorMessage.Empty();
    if (!m_formatCheck || !m_hWnd)
        return;
    CString text;
    GetWindowText(text);
    if (!m_placeholder.IsEmpty() && text == m_placeholder)
        return;
    m_valid = m_formatCheck->check(text);
    if (!m_valid)
        m_formatCheck->message(m_errorMessage);
}

void actrl_Edit::OnTextChange()
{
    Validate();
    Invalidate(FALSE);
}

bool actrl_Edit::Commit(CWnd* newFocus)
{
    if (!m_hook)
        return true;
    std::shared_ptr<bool> alive = m_alive;
    m_hook->onKillFocus(this, newFocus);
    return *alive;
}

BOOL actrl_Edit::PreTranslateMessage(MSG* pMsg)
{
    if (!pMsg || pMsg->hwnd != m_hWnd)
        return CEdit::PreTranslateMessage(pMsg);
    if (pMsg->message == WM_KEYDOWN && CtrlHeld()) {
        switch (pMsg->wParam) {
        case 'C':
            Copy();
            return TRUE;
        case 'X':
            Cut();
            return TRUE;
        case 'V':
            Paste();
            return TRUE;
        case 'A':
            SetSel(0, -1);
            return TRUE;
        case 'Z':
            if (CanUndo()) {
                Undo();
                return TRUE;
            }
            break;
        default:
            break;
        }
    }
    if (IsSingleLine()) {
        // A value row has one line: Enter commits instead of breaking the line.
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
            return TRUE;
        if (pMsg->message == WM_CHAR && (pMsg->wParam == L'\r' || pMsg->wParam == L'\n'))
            return TRUE;
        if (pMsg->message == WM_KEYUP && pMsg->wParam == VK_RETURN) {
            Commit(this);
            return TRUE;
        }
    }
    return CEdit::PreTranslateMessage(pMsg);
}

void actrl_Edit::OnSetFocus(CWnd* pOldWnd)
{
    Default();
    if (m_selectAllOnFocus) {
        SetSel(0, -1);
        m_selectAllOnFocus = false;
    }
    if (m_hook)
        m_hook->onSetFocus(this, pOldWnd);
}

void actrl_Edit::OnKillFocus(CWnd* pNewWnd)
{
    Default();
    m_selectAllOnFocus = true;
    if (!Commit(pNewWnd) || !m_hWnd)
        return;
    int start = 0;
    int end = 0;
    GetSel(start, end);
    if (start != end)
        SetSel(end, end, TRUE);
}

HBRUSH actrl_Edit::CtlColor(CDC* pDC, UINT)
{
    static HBRUSH readOnlyBrush = ::CreateSolidBrush(RGB(200, 200, 200));
    static HBRUSH editBrush = ::CreateSolidBrush(RGB(255, 255, 255));
    if (pDC)
        pDC->SetBkMode(TRANSPARENT);
    return m_readOnly ? readOnlyBrush : editBrush;
}

BOOL actrl_Edit::OnEraseBkgnd(CDC*)
{
    // The paint covers the whole face.
    return TRUE;
}

void actrl_Edit::UpdateFormattingRect()
{
    CRect client;
    GetClientRect(&client);
    CRect text = client;
    if (IsSingleLine()) {
        text.OffsetRect(3, 5);
        text.right -= 5;
        text.bottom += 5;
    } else {
        text.left += 3;
        text.right -= 3;
        text.top += 1;
    }
    SetRectNP(&text);
}

// The formatting rectangle follows the window's size: set when the window is made and when it
// is resized, never while painting, so a paint changes nothing of the window.
void actrl_Edit::OnSize(UINT nType, int cx, int cy)
{
    CEdit::OnSize(nType, cx, cy);
    UpdateFormattingRect();
}

void actrl_Edit::OnPaint()
{
    CPaintDC dc(this);
    CRect face;
    GetClientRect(&face);
    PaintFace(dc, face);
}

void actrl_Edit::PaintFace(CDC& dc, const CRect& face)
{
    CString text;
    GetWindowText(text);
    EditFaceState state;
    state.readOnly = m_readOnly;
    state.singleLine = IsSingleLine();
    state.valid = m_valid;
    state.errorMessage = m_errorMessage;
    GetSel(state.selectionStart, state.selectionEnd);

    CFont* font = GetFont();
    CFont* oldFont = font ? dc.SelectObject(font) : nullptr;
    EditFacePainter(PropertyStyle::Get()).Paint(dc, face, text, state);
    if (oldFont)
        dc.SelectObject(oldFont);
}

} // namespace zt
