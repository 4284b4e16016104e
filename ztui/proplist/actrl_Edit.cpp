#include "ztui/proplist/actrl_Edit.h"

#include "platform/host/IFormatCheck.h"
#include "ztui/proplist/PropertyStyle.h"
#include "ztui/proplist/actrl_Edit_msgHook.h"

#include <algorithm>

namespace zt {

namespace {

constexpr COLORREF kDefaultFace = RGB(200, 200, 200);
constexpr int kTextIndent = 5;

bool CtrlHeld()
{
    return (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

void OutlineRect(CDC& dc, const CRect& rect, COLORREF color)
{
    CBrush brush(color);
    dc.FrameRect(&rect, &brush);
}

// The style's border: the highlight rectangle first, then the frame; a black rectangle when
// the style has no border colours.
void PaintBorder(CDC& dc, const StyleLookup& style, const wchar_t* borderPath,
                 const wchar_t* highPath, const CRect& face, const CRect& highRect)
{
    const dsc::DrawStyleColor* border = style.Colors(borderPath);
    if (!border) {
        OutlineRect(dc, face, RGB(0, 0, 0));
        return;
    }
    if (const dsc::DrawStyleColor* high = style.Colors(highPath))
        OutlineRect(dc, highRect, high->colorAt(0));
    border->frame(&dc, face);
}

} // namespace

BEGIN_MESSAGE_MAP(actrl_Edit, CEdit)
ON_WM_PAINT()
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
    return TRUE;
}

void actrl_Edit::SetFormatCheck(IFormatCheck* check)
{
    m_formatCheck = check;
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

void actrl_Edit::OnPaint()
{
    UpdateFormattingRect();
    CPaintDC dc(this);
    CRect face;
    GetClientRect(&face);
    PaintFace(dc, face);
}

void actrl_Edit::PaintFace(CDC& dc, const CRect& face)
{
    const StyleLookup style = PropertyStyle::Get();
    CString text;
    GetWindowText(text);
    int start = 0;
    int end = 0;
    GetSel(start, end);
    start = std::max(0, std::min(start, text.GetLength()));
    end = std::max(start, std::min(end, text.GetLength()));

    CFont* font = GetFont();
    CFont* oldFont = font ? dc.SelectObject(font) : nullptr;
    dc.SetBkMode(TRANSPARENT);

    const UINT lineFormat = IsSingleLine()
                                ? DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX
                                : DT_LEFT | DT_TOP | DT_NOPREFIX | DT_WORDBREAK | DT_EDITCONTROL;
    CRect textRect = face;
    textRect.left += kTextIndent;

    if (m_readOnly) {
        if (const dsc::DrawStyleColor* back = style.Colors(L"propertyList/label/background"))
            back->fill(&dc, face, false);
        else
            dc.FillSolidRect(&face, kDefaultFace);
        CRect high(face.left + 1, face.top + 1, face.right - 1, face.bottom);
        PaintBorder(dc, style, L"propertyList/label/border", L"propertyList/label/border_high",
                    face, high);
        dc.SetTextColor(style.Color(L"propertyList/label/text_color", RGB(0, 0, 0)));
        dc.DrawText(text, &textRect, lineFormat);
    } else {
        if (!m_valid)
            dc.FillSolidRect(&face, kInvalidBackground);
        else if (const dsc::DrawStyleColor* back =
                     style.Colors(L"propertyList/combobox/background"))
            back->fill(&dc, face, false);
        else
            dc.FillSolidRect(&face, kDefaultFace);
        PaintBorder(dc, style, L"propertyList/edit/border", L"propertyList/edit/border_high", face,
                    face);
        COLORREF textColor = style.Color(L"propertyList/edit/text_color", RGB(0, 0, 0));
        if (end > start) {
            int before = dc.GetTextExtent(text.GetString(), start).cx;
            int width = dc.GetTextExtent(text.GetString() + start, end - start).cx;
            CRect band(face.left + kTextIndent + before, face.top + 2,
                       face.left + kTextIndent + before + width, face.bottom - 2);
            dc.FillSolidRect(&band, kSelectionColor);
            textColor = start == 0 && end == text.GetLength() ? RGB(255, 255, 255) : RGB(0, 0, 0);
        }
        dc.SetTextColor(textColor);
        dc.DrawText(text, &textRect, lineFormat);
        if (!m_valid && !m_errorMessage.IsEmpty()) {
            CRect messageRect = face;
            messageRect.right -= 2;
            dc.SetTextColor(kMessageColor);
            dc.DrawText(m_errorMessage, &messageRect,
                        DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
    }
    if (oldFont)
        dc.SelectObject(oldFont);
}

} // namespace zt
