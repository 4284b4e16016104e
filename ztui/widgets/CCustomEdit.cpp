#include "ztui/widgets/CCustomEdit.h"

#include "ztui/widgets/ExpressionEvaluator.h"

#include <string_view>

namespace zt {

namespace {

constexpr UINT kBackspace = 8;
// Passed on as typed together with backspace, as the field always has.
constexpr UINT kPassedControlChar = 16;

bool IsOneOf(wchar_t c, std::string_view set)
{
    return c < 0x80 && set.find(static_cast<char>(c)) != std::string_view::npos;
}

} // namespace

IMPLEMENT_DYNAMIC(CCustomEdit, CEdit)

BEGIN_MESSAGE_MAP(CCustomEdit, CEdit)
ON_WM_CHAR()
ON_WM_KEYDOWN()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_LBUTTONDOWN()
ON_WM_GETDLGCODE()
ON_MESSAGE(CCustomEdit::kMsgShowUnfocused, OnShowUnfocused)
ON_MESSAGE(CCustomEdit::kMsgShowFocused, OnShowFocused)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CCustomEdit::CCustomEdit() = default;

CCustomEdit::~CCustomEdit()
{
    if (m_hWnd)
        DestroyWindow();
    if (m_brBack)
        ::DeleteObject(m_brBack);
}

void CCustomEdit::SetCtrlId(UINT id)
{
    m_nCtrlId = id;
    m_bCtrlIdSet = true;
}

UINT CCustomEdit::GetCtrlId() const
{
    if (m_bCtrlIdSet || !m_hWnd)
        return m_nCtrlId;
    return static_cast<UINT>(GetDlgCtrlID());
}

BOOL CCustomEdit::SetReadOnly(BOOL bReadOnly)
{
    m_bReadOnly = bReadOnly != FALSE;
    return m_hWnd ? CEdit::SetReadOnly(bReadOnly) : TRUE;
}

void CCustomEdit::SetColors(COLORREF text, COLORREF back)
{
    if (m_bReadOnly)
        return;
    m_clrText = text;
    if (!m_brBack || back != m_clrBack) {
        HBRUSH brush = ::CreateSolidBrush(back);
        if (brush) {
            if (m_brBack)
                ::DeleteObject(m_brBack);
            m_brBack = brush;
        }
    }
    m_clrBack = back;
    if (m_hWnd)
        Invalidate();
}

CString CCustomEdit::Text() const
{
    CString text;
    if (m_hWnd)
        GetWindowText(text);
    return text;
}

void CCustomEdit::NotifyParent(UINT message, LPARAM lParam)
{
    HWND parent = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
    if (parent)
        ::SendMessageW(parent, message, static_cast<WPARAM>(GetCtrlId()), lParam);
}

void CCustomEdit::EvaluateAndShow()
{
    if (!m_hWnd)
        return;
    CString text = Text();
    std::wstring shown =
        ExpressionEvaluator::EvaluateText(std::wstring_view(text.GetString(), text.GetLength()));
    SetWindowText(shown.c_str());
}

CCustomEdit::CharAction CCustomEdit::Classify(UINT nChar) const
{
    if (m_bReadOnly)
        return CharAction::PassOn;
    if ((nChar >= '0' && nChar <= '9') || nChar == kBackspace || nChar == kPassedControlChar)
        return CharAction::PassOn;
    CString text = Text();
    int length = text.GetLength();
    // An operator or a point needs a number before it: the last character decides, wherever
    // the caret is, because the operator is put at the caret after the selection is dropped.
    bool afterNumber =
        length > 0 && !IsOneOf(text[length - 1], ExpressionEvaluator::kOperatorsAndPoint);
    switch (nChar) {
    case '+':
    case '*':
    case '/':
        return afterNumber ? CharAction::AppendAtCaret : CharAction::Reject;
    case '-':
        if (length == 0)
            return CharAction::PassOn;
        return afterNumber ? CharAction::AppendAtCaret : CharAction::Reject;
    case '.':
        // One point in the whole text, so that a pasted-together number never shows two.
        if (text.Find(L'.') >= 0)
            return CharAction::Reject;
        // A point typed first starts a number ("0.5" typed as ".5").
        if (length == 0)
            return CharAction::PassOn;
        return afterNumber ? CharAction::AppendAtCaret : CharAction::Reject;
    default:
        return CharAction::Reject;
    }
}

bool CCustomEdit::AcceptsChar(UINT nChar) const
{
    return Classify(nChar) != CharAction::Reject;
}

void CCustomEdit::OnChar(UINT nChar, UINT, UINT)
{
    switch (Classify(nChar)) {
    case CharAction::Reject:
        return;
    case CharAction::AppendAtCaret:
        SendMessage(EM_SETSEL, static_cast<WPARAM>(-1), static_cast<LPARAM>(-1));
        SendMessage(EM_SCROLLCARET);
        Default();
        return;
    case CharAction::PassOn:
        Default();
        return;
    }
}

void CCustomEdit::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_RETURN && ::GetParent(m_hWnd)) {
        EvaluateAndShow();
        NotifyParent(kMsgValueCommitted, kReasonEnter);
        return;
    }
    Default();
}

UINT CCustomEdit::OnGetDlgCode()
{
    UINT code = static_cast<UINT>(Default());
    // Enter belongs to the field, not to the dialog's default button: it commits the value.
    const MSG* current = AfxGetCurrentMessage();
    const MSG* key = current ? reinterpret_cast<const MSG*>(current->lParam) : nullptr;
    if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN)
        code |= DLGC_WANTALLKEYS;
    return code;
}

void CCustomEdit::OnSetFocus(CWnd*)
{
    Default();
    if (!m_bReadOnly)
        SetSel(0, -1);
}

void CCustomEdit::OnKillFocus(CWnd*)
{
    Default();
    CString text = Text();
    bool expression = false;
    for (int i = 1; i < text.GetLength() && !expression; ++i)
        expression = IsOneOf(text[i], ExpressionEvaluator::kOperators);
    if (expression)
        EvaluateAndShow();
    NotifyParent(kMsgValueCommitted, kReasonFocusLost);
}

void CCustomEdit::OnLButtonDown(UINT, CPoint)
{
    NotifyParent(kMsgClicked, 0);
    Default();
}

LRESULT CCustomEdit::OnShowUnfocused(WPARAM, LPARAM)
{
    SetColors(kUnfocusedText, kUnfocusedBack);
    return 0;
}

LRESULT CCustomEdit::OnShowFocused(WPARAM, LPARAM)
{
    SetColors(kFocusedText, kFocusedBack);
    return 0;
}

HBRUSH CCustomEdit::CtlColor(CDC* pDC, UINT)
{
    // Until the parent chooses colours the field looks like any edit.
    if (!m_brBack)
        return nullptr;
    if (pDC) {
        pDC->SetTextColor(m_clrText);
        pDC->SetBkColor(m_clrBack);
    }
    return m_brBack;
}

} // namespace zt
