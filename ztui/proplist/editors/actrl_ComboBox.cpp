#include "ztui/proplist/editors/actrl_ComboBox.h"

#include "ztui/proplist/editors/actrl_ComboBox_msgHook.h"
#include "ztui/proplist/painting/EditorPainter.h"
#include "ztui/proplist/style/PropertyStyle.h"

namespace zt {

BEGIN_MESSAGE_MAP(actrl_ComboBox, CComboBox)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_MOUSEWHEEL()
ON_CONTROL_REFLECT(CBN_SELCHANGE, OnSelChange)
END_MESSAGE_MAP()

actrl_ComboBox::~actrl_ComboBox()
{
    m_hook = nullptr;
    if (m_hWnd)
        DestroyWindow();
}

BOOL actrl_ComboBox::CreateCombo(const RECT& rect, CWnd* parent, UINT id, DWORD extraStyle)
{
    DWORD kind = (extraStyle & 3) == CBS_DROPDOWN ? CBS_DROPDOWN : CBS_DROPDOWNLIST;
    if (!Create(kBaseStyle | kind | (kind == CBS_DROPDOWN ? CBS_AUTOHSCROLL : 0), rect, parent, id))
        return FALSE;
    SetItemHeight(-1, kEntryHeight);
    return TRUE;
}

bool actrl_ComboBox::HasTypingField() const
{
    return m_hWnd && (GetStyle() & 3) == CBS_DROPDOWN;
}

HWND actrl_ComboBox::TypingField() const
{
    if (!HasTypingField())
        return nullptr;
    return ::GetWindow(m_hWnd, GW_CHILD);
}

int actrl_ComboBox::FindExact(const CString& text) const
{
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        CString entry;
        GetLBText(i, entry);
        if (entry == text)
            return i;
    }
    return -1;
}

int actrl_ComboBox::InsertEntry(int index, const CString& text)
{
    int at = index < 0 || index >= GetCount() ? AddString(text) : InsertString(index, text);
    if (at >= 0)
        SetItemHeight(at, kEntryHeight);
    return at;
}

void actrl_ComboBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct)
        lpMeasureItemStruct->itemHeight = kEntryHeight;
}

void actrl_ComboBox::DrawItem(LPDRAWITEMSTRUCT dis)
{
    if (dis)
        EditorPainter(PropertyStyle::Get()).DrawComboEntry(*this, *dis, false, nullptr);
}

void actrl_ComboBox::OnPaint()
{
    EditorPainter(PropertyStyle::Get()).PaintComboFace(*this);
}

BOOL actrl_ComboBox::OnEraseBkgnd(CDC*)
{
    return TRUE; // the paint covers the whole face
}

BOOL actrl_ComboBox::OnMouseWheel(UINT, short, CPoint)
{
    // An open list still scrolls; a closed one never changes its selection. The turn goes on
    // to the window beneath so that the property list scrolls as if the drop-down were not
    // there.
    if (GetDroppedState())
        return static_cast<BOOL>(Default());
    const MSG* msg = AfxGetCurrentMessage();
    if (CWnd* parent = GetParent(); parent && msg)
        parent->SendMessage(WM_MOUSEWHEEL, msg->wParam, msg->lParam);
    return TRUE;
}

void actrl_ComboBox::OnSelChange()
{
    // The editor's handler may destroy this window: nothing of it is touched afterwards.
    if (m_hook)
        m_hook->onSelChange(this, GetCurSel());
}

BOOL actrl_ComboBox::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && HasTypingField() &&
        pMsg->hwnd == TypingField()) {
        CString text;
        CWnd::FromHandle(pMsg->hwnd)->GetWindowText(text);
        // The typed text is the answer: an open list closes without choosing.
        const HWND self = m_hWnd;
        if (GetDroppedState())
            ShowDropDown(FALSE);
        if (::IsWindow(self) && m_hook)
            m_hook->onEditEnter(this, text);
        return TRUE;
    }
    return CComboBox::PreTranslateMessage(pMsg);
}

} // namespace zt
