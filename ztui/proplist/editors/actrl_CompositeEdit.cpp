#include "ztui/proplist/editors/actrl_CompositeEdit.h"

#include "ztui/proplist/painting/EditFacePainter.h"
#include "ztui/proplist/painting/StylePaint.h"
#include "ztui/proplist/style/PropertyStyle.h"

#include <algorithm>

namespace zt {

BEGIN_MESSAGE_MAP(actrl_CompositeEdit, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SIZE()
ON_WM_LBUTTONDOWN()
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_BN_CLICKED(actrl_CompositeEdit::kButtonId, OnButtonClicked)
ON_MESSAGE(actrl_CompositeEdit::kReturnFocusMessage, OnReturnFocus)
END_MESSAGE_MAP()

actrl_CompositeEdit::actrl_CompositeEdit() : m_alive(std::make_shared<bool>(true)) {}

actrl_CompositeEdit::~actrl_CompositeEdit()
{
    *m_alive = false;
    m_closing = true;
    if (m_hWnd)
        DestroyWindow();
}

BOOL actrl_CompositeEdit::CreateComposite(const RECT& rect, CWnd* parent, UINT id)
{
    LPCWSTR name = WindowClassName();
    // Classes belong to the desktop; a new desktop (tests make one each) needs them again.
    WNDCLASSEXW wc{};
    if (!::GetClassInfoExW(nullptr, name, &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof(WNDCLASSEXW);
        wc.lpfnWndProc = &::DefWindowProcW;
        wc.hCursor = ::LoadCursorW(nullptr, IDC_IBEAM);
        wc.lpszClassName = name;
        if (!::RegisterClassExW(&wc))
            return FALSE;
    }
    return CreateEx(0, name, L"", WS_CHILD | WS_VISIBLE, rect, parent, id);
}

void actrl_CompositeEdit::SetCallbacks(TextCommitted committed, ButtonPressed pressed)
{
    m_onCommitted = std::move(committed);
    m_onButton = std::move(pressed);
}

void actrl_CompositeEdit::SetCaption(const CString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    if (m_hWnd)
        Invalidate(FALSE);
}

void actrl_CompositeEdit::SetFormatCheck(IFormatCheck* check)
{
    if (check == m_formatCheck)
        return;
    m_formatCheck = check;
    if (m_textField.m_hWnd)
        m_textField.SetFormatCheck(check);
}

void actrl_CompositeEdit::SetPlaceholder(const CString& text)
{
    m_placeholder = text;
    if (m_textField.m_hWnd)
        m_textField.SetPlaceholder(text);
}

CRect actrl_CompositeEdit::TextRect() const
{
    CRect client;
    GetClientRect(&client);
    // A column narrower than the button leaves the text no room rather than a negative width.
    if (Button())
        client.right = std::max(client.left, client.right - (client.Height() + 2));
    return client;
}

void actrl_CompositeEdit::Layout()
{
    if (!m_hWnd)
        return;
    CRect client;
    GetClientRect(&client);
    if (CButton* button = Button()) {
        CRect inner = client;
        inner.DeflateRect(1, 1);
        int side = inner.Height();
        button->MoveWindow(CRect(inner.right - side, inner.top, inner.right, inner.bottom), TRUE);
    }
    if (m_textField.m_hWnd)
        m_textField.MoveWindow(TextRect(), TRUE);
    Invalidate(FALSE);
}

bool actrl_CompositeEdit::ResetForReuse()
{
    if (!m_hWnd || m_textField.m_hWnd)
        return false;
    m_button.reset();
    m_keptSelStart = m_keptSelEnd = 0;
    Invalidate(FALSE);
    return true;
}

void actrl_CompositeEdit::BeginEdit()
{
    if (!m_hWnd)
        return;
    if (!Button()) {
        CRect client;
        GetClientRect(&client);
        m_button = MakeButton(client);
    }
    if (!m_textField.m_hWnd) {
        m_textField.SetEditType(actrl_Edit::TextEdit);
        m_textField.SetHook(this);
        if (!m_textField.CreateEdit(TextRect(), this, kTextFieldId, false))
            return;
        m_textField.SetWindowText(m_caption);
        m_textField.SetModify(FALSE);
        m_textField.SetPlaceholder(m_placeholder);
        m_textField.SetFormatCheck(m_formatCheck);
        m_textField.SetFocus();
        Layout();
        if (m_textField.m_hWnd)
            TextFieldStarted(m_textField);
        return;
    }
    Layout();
}

void actrl_CompositeEdit::OnLButtonDown(UINT, CPoint)
{
    BeginEdit();
    Default();
}

void actrl_CompositeEdit::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_F2)
        BeginEdit();
    else
        Default();
}

void actrl_CompositeEdit::OnChar(UINT nChar, UINT, UINT)
{
    if (nChar < L' ' || nChar == 0x7F || m_textField.m_hWnd) {
        Default();
        return;
    }
    BeginEdit();
    // A character typed at the row starts a new entry: it replaces the whole text.
    if (m_textField.m_hWnd && ::GetFocus() == m_textField.m_hWnd) {
        m_textField.SetSel(0, -1);
        m_textField.SendMessage(WM_CHAR, nChar, 1);
    }
}

void actrl_CompositeEdit::onSetFocus(actrl_Edit*, CWnd*) {}

void actrl_CompositeEdit::onKillFocus(actrl_Edit* edit, CWnd* newFocus)
{
    if (m_closing || m_ending || edit != &m_textField || !m_textField.m_hWnd)
        return;
    HWND to = newFocus ? newFocus->m_hWnd : nullptr;
    if (to && to == m_textField.m_hWnd) {
        // Enter in the field: the value is taken as when the focus leaves, and the keyboard
        // stays with the row.
        SetFocus();
        return;
    }
    if (CButton* button = Button(); button && to == button->m_hWnd) {
        // The button's own press is still running: the field takes the focus back after it.
        m_textField.GetSel(m_keptSelStart, m_keptSelEnd);
        PostMessage(kReturnFocusMessage);
        return;
    }
    EndEdit();
}

void actrl_CompositeEdit::EndEdit()
{
    CString text;
    m_textField.GetWindowText(text);
    m_caption = text;
    m_ending = true;
    m_textField.DestroyWindow();
    m_ending = false;
    Layout();
    // The owner's handler may rebuild the list and so destroy this window: nothing of it is
    // touched afterwards.
    if (TextCommitted committed = m_onCommitted)
        committed(text);
}

LRESULT actrl_CompositeEdit::OnReturnFocus(WPARAM, LPARAM)
{
    if (!m_textField.m_hWnd || ::GetFocus() == m_textField.m_hWnd)
        return 0;
    m_textField.SetFocus();
    if (m_textField.m_hWnd)
        m_textField.SetSel(m_keptSelStart, m_keptSelEnd, TRUE);
    return 0;
}

void actrl_CompositeEdit::OnButtonClicked()
{
    // A press released outside the button clicks nothing, and one that did leaves the field
    // focused, as the press itself did.
    if (ButtonPressed pressed = m_onButton)
        pressed();
}

void actrl_CompositeEdit::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    Layout();
}

BOOL actrl_CompositeEdit::OnEraseBkgnd(CDC*)
{
    // The paint covers the whole client area.
    return TRUE;
}

void actrl_CompositeEdit::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    const StyleLookup style = PropertyStyle::Get();
    CRect face = TextRect();
    if (face.right < client.right) {
        // The strip around the button shows the list's background.
        CRect strip(face.right, client.top, client.right, client.bottom);
        dc.FillSolidRect(&strip, ListBackground(style));
    }
    EditFaceState state;
    state.readOnly = !IsWindowEnabled();
    if (m_textField.m_hWnd)
        m_textField.GetSel(state.selectionStart, state.selectionEnd);
    HGDIOBJ oldFont = dc.SelectObject(::GetStockObject(DEFAULT_GUI_FONT));
    EditFacePainter(style).Paint(dc, face, m_caption, state);
    dc.SelectObject(oldFont);
}

} // namespace zt
